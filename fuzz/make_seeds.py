#!/usr/bin/env python3
"""Writes the seed inputs in fuzz/corpus/<target>/.  Texts are written here
in readable form and stored as code page 936 bytes.  Run:
python3 fuzz/make_seeds.py"""
import os
import struct


def gbk(text):
    return text.encode("cp936")


def nul_joined(*texts):
    return b"\0".join(t if isinstance(t, bytes) else gbk(t) for t in texts)


def ticks_and_counts(ticks, counts):
    # counts: bit 0 asks for a second given name, bit 1 for a second symbol.
    return struct.pack("<IB", ticks, counts)


SEEDS = {
    "split_items": {
        "three_items": gbk("张、王、李"),
        "empty_item": gbk("张、、王"),
        "trailing_separator": gbk("张、"),
        "separator_alone": gbk("、"),
        "ascii_runs": gbk("ab、c d、e"),
        "across_characters": b"\xB0\xA1\xA2\xC5",  # 啊⑴: no separator
        "lead_0x80": b"\x80\xA1\xA2",
        "lone_lead_at_end": gbk("王、李") + b"\xC0",
    },
    "compose": {
        "worked_example": ticks_and_counts(1, 3) + nul_joined("王、李", "风、云", "丶、灬"),
        "one_each": ticks_and_counts(7919, 0) + nul_joined("王", "风", "丶"),
        "no_symbols": ticks_and_counts(42, 1) + nul_joined("王", "风", ""),
        "no_given_names": ticks_and_counts(42, 2) + nul_joined("王", "", "丶"),
        "no_surnames": ticks_and_counts(0xFFFFFFFF, 3) + nul_joined("", "风", "丶"),
        "separators_only": ticks_and_counts(5, 3) + nul_joined("、", "、", "、"),
        "across_characters": ticks_and_counts(9, 3)
        + nul_joined(b"\xB0\xA1\xA2\xC5", b"\x80\xA1\xA2", b"a\xA1\xA2b"),
    },
    "run_directory": {
        "tools": b"C:\\Tools\\a.exe",
        "trail_byte_5c": b"C:\\\x81\\a",  # 81 5C is one character
        "chinese_directory": gbk("C:\\游戏\\角色名字.exe"),
        "no_backslash": b"a.exe",
        "root_only": b"\\a.exe",
        "separator_bytes": b"C:\\\xB0\xA1\xA2\xC5\\x.exe",
        "lone_lead_at_end": b"C:\\a\\\x81",
    },
    "report_texts": {
        "all_empty": struct.pack("<i", 0),
        "index_beyond_last": struct.pack("<i", 1)
        + nul_joined("数组成员引用下标超出定义范围", "姓", "C:\\游戏\\配置.ini", "拒绝访问。"),
        "code_only": struct.pack("<i", 4),
        "minus_one": struct.pack("<i", -1) + nul_joined("x", "符", "", ""),
        "lowest_code": struct.pack("<i", -2147483648) + nul_joined("", "名", "C:\\a.txt", "磁盘已满。"),
        "message_like_code_line": struct.pack("<i", 0) + nul_joined("错误代码：0\r\n\r\n"),
    },
}


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    for target, seeds in SEEDS.items():
        folder = os.path.join(root, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
