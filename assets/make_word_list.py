#!/usr/bin/env python3
"""Writes assets/配置.ini, the sample word list shipped beside Deruveza.exe.

Run from the repository root:

    python3 assets/make_word_list.py

Edit the lists below, not the .ini: the program reads the file as code page 936
(GBK), so this script writes GBK bytes with CRLF line endings and no BOM.  Items
are joined with the ideographic comma 、 (GBK A1 A2).  Whitespace inside the
lists below is only for layout and is dropped.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "配置.ini")
SEP = "、"

# Single-character surnames, roughly by how common they are.
SURNAMES_SINGLE = """
张王李赵刘陈杨黄周吴徐孙胡朱高林何郭马罗梁宋郑谢韩唐冯于董萧程曹袁邓许傅沈曾彭吕
苏卢蒋蔡贾丁魏薛叶阎余潘杜戴夏钟汪田任姜范方石姚谭廖邹熊金陆郝孔白崔康毛邱秦江史
顾侯邵孟龙万段雷钱汤尹黎易常武乔贺赖龚文庞樊兰殷施陶洪翟安颜倪严牛温芦季俞章鲁葛
伍韦申尤毕聂丛焦向柳邢路岳齐梅莫庄辛管祝左涂谷祁时舒耿牟卜詹关苗凌费纪靳盛童欧甄
项曲成游阳裴席卫查屈鲍覃霍翁隋甘景薄单包司柏宁柯阮桂闵解强柴华车冉房边辜吉饶
刁瞿戚丘古米池滕晋苑邬臧畅宫来苟全褚廉简娄盖符奚木穆党燕郎邸冀谈姬屠连郜晏栾郁商
蒙计喻揭窦迟宇敖鄢冷卓花仇艾蓝都巩井练仲乐虞卞封竺冼原官衣楚佟栗匡宗应巫鞠
桑岑沙明云凤尚
"""

# Two-character surnames.
SURNAMES_COMPOUND = [
    "欧阳", "司马", "上官", "诸葛", "东方", "慕容", "皇甫", "令狐", "独孤", "宇文",
    "公孙", "南宫", "长孙", "夏侯", "尉迟", "轩辕", "西门", "端木", "司徒", "司空",
    "呼延", "闻人", "澹台", "公冶", "宗政", "濮阳", "太叔", "申屠", "钟离", "万俟",
    "赫连", "拓跋", "百里", "东郭", "北堂", "第五", "左丘", "谷梁", "宰父", "淳于",
]

# Characters that read well in a given name.
GIVEN = """
风云雪雨霜露雷电霞虹天月星辰日阳晨曦昕晓夜宵岚雾霖霏霄穹宇空
江河湖海洋波涛澜溪泉潭渊川流清澈涵泽淼浩瀚沧汐漪沐浔
山峰岳峦岩石原野林森木松柏竹梅兰菊莲荷桃樱枫桐杉樟柳杨
龙凤鹤鹰麟虎豹狼鹏燕鸾蝶雁鸿鹭鲲骏驰
仁义礼智信忠孝勇诚德善良恒毅刚强坚志远博弘宏伟雄杰俊英豪贤聪慧敏睿哲明亮光辉耀灿煜炎烨焱
轩逸飞翔腾跃凌若如依伊婉婷娜妍娇媛嫣姝倩雅静淑柔颖馨芳芬芸芷萱蕾薇蓉菲茜莹琳琪瑶瑾瑜璇璐
珊珍珠玉琼瑞环玲琦璟
子之然安宁平和乐欢喜福禄寿康泰吉祥庆春夏秋冬青蓝紫红白墨丹朱金银铭锋剑刀弓
文武书画琴棋诗词歌舞笛箫弦韵音律
傲狂绝影幻梦魂魅灵仙神圣尊皇帝王君侯爵
晴朗昊旻昱晟暄暮曜晶嘉佳悦怡欣心思念忆怀情意诺言语霆霁霓
少小千万一九三凡尘烟寒冰凝冷幽玄黛碧翠鸣啸吟笑航帆舟城京洲州华荣
峻崇嵩巍彦宸桀骁骐骥澄湘潇洛淮泓渝滢恩惠慈
浪潮涌沛润淳源深渺漠岭崖峡谷丘壑苍茫莽旷
羽翼翎翊炫烁熠炽焰烽铁钢锐锦缎绮绫
梓楠桦槿榕桂芙蓓蕊萍苇茗菁蔚麒驹骋
策谋略韬琛瑛琰珏瑭璋瑄琨琬瑗婧娴嫦娥姣妙
邦勋功业尧舜禹启承继卿郎峥嵘晗旭昭晖暖致
孤独寂寞斌彬敬恭谦让允希望超越凯胜捷霸战斗
殇悠默沉邪魔冥焚烬蓦朔弈翰谨慎
"""

# Decorative symbols players put around names.  Every one must be a two-byte
# character in code page 936.
SYMBOLS = """
丶灬ぃの彡★☆◆◇♀♂※〆ゞっァゝメ〤≮≯○●◎〓∞⊙卍
ㄨぁ乀乂丿乄﹏╮╭╰╯︶︵〖〗【】々
"""


def chars(block):
    return [c for c in block if not c.isspace()]


def unique(items):
    """Returns items unchanged, failing on any repeat so typos show up."""
    seen = set()
    for it in items:
        assert it not in seen, "listed twice: %r" % it
        seen.add(it)
    return list(items)


def check_items(name, items):
    assert items, name
    for it in items:
        assert it, "%s: empty item" % name
        assert SEP not in it, "%s: separator inside %r" % (name, it)
        assert not any(c.isspace() for c in it), "%s: blank in %r" % (name, it)
        enc = it.encode("cp936")
        assert len(enc) == 2 * len(it), "%s: %r is not double-byte GBK" % (name, it)
        assert enc.decode("cp936") == it, "%s: %r does not survive cp936" % (name, it)
    assert len(set(items)) == len(items), "%s: duplicates" % name


def main():
    surnames = unique(chars(SURNAMES_SINGLE) + SURNAMES_COMPOUND)
    given = unique(chars(GIVEN))
    symbols = unique(chars(SYMBOLS))

    sections = [("姓", surnames), ("名", given), ("符", symbols)]
    lines = ["[配置]"]
    for key, items in sections:
        check_items(key, items)
        lines.append(key + "=" + SEP.join(items))
    data = ("\r\n".join(lines) + "\r\n").encode("cp936")

    with open(OUT, "wb") as f:
        f.write(data)

    # read it back the way the program will
    text = open(OUT, "rb").read().decode("cp936")
    assert not text.startswith("\ufeff")
    rows = text.split("\r\n")
    assert rows[0] == "[配置]" and rows[-1] == ""
    for (key, items), row in zip(sections, rows[1:]):
        k, _, v = row.partition("=")
        assert k == key and v.split(SEP) == items
        print("%s: %d items" % (key, len(items)))
    print("wrote %s (%d bytes)" % (os.path.relpath(OUT), len(data)))


if __name__ == "__main__":
    main()
