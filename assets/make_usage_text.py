#!/usr/bin/env python3
"""Writes 使用说明.txt, the usage notes that ship in the release zip, as
code page 936 text with CRLF line ends (what Notepad on Chinese Windows
opens as it is).  Run: python3 assets/make_usage_text.py"""
import os

TEXT = """Deruveza 使用说明
==================

Deruveza 帮你随机起游戏角色名字，并且直接打进游戏里。

一、怎么用
  1. 把 Deruveza.exe 和 配置.ini 放在同一个文件夹里，双击 Deruveza.exe。
     不用安装。窗口会停在屏幕右下角，总在最前面。
  2. 在游戏的创建角色界面，把鼠标放到输入名字的地方。
  3. 按 F1：随机生成一个名字，显示在窗口左上的框里，打进鼠标下面的
     输入框，并记到右边的历史记录里（前面带编号）。
  4. 按 F2：删掉右边历史记录里最后一次加的那一行。
  5. 点“保存文件”按钮：把右边的历史记录保存成 角色名字.txt。

  F1 和 F2 是全局热键：不管哪个程序在前面都能用，不用先点 Deruveza 的窗口。
  名字是打进“鼠标下面的那个窗口”的，不是键盘焦点所在的窗口，所以按 F1 前
  一定要把鼠标放在游戏的名字输入框上。

二、文件在哪里
  都在 Deruveza.exe 所在的文件夹里：
  配置.ini       词库，Deruveza 每次按 F1 都会重新读它。
  角色名字.txt   点“保存文件”时写出的历史记录。每次保存都整个覆盖。
  历史记录只在窗口里，关掉程序前如果想留着，记得先点“保存文件”。

三、怎么改词库
  用记事本打开 配置.ini，内容像这样：
    [配置]
    姓=张、王、李、欧阳
    名=风、云、雪、辰
    符=丶、灬、ぃ
  姓：名字开头的姓，每次取一个。
  名：名字结尾的字，每次取一到两个。
  符：夹在姓和名中间的符号，每次取一到两个。
  各项之间用中文顿号“、”隔开。保存时请选 ANSI（GBK）编码。
  改完不用重启 Deruveza，下次按 F1 就用新的词库。
  如果某一行是空的或者没有，按 F1 时会弹出提示，说明是哪一行，
  已经记下的历史记录不会丢。

四、遇到问题
  按 F1 没有字打进游戏：
    - 确认鼠标停在游戏的名字输入框上。
    - 有的游戏不接受这种输入方式，这时可以从 Deruveza 左上的框里
      复制名字，再粘贴到游戏里。
    - 游戏以管理员身份运行时，Deruveza 也要用“以管理员身份运行”打开。
  按 F1 没有任何反应，但 F2 可以用：
    - F1 已经被别的程序（比如另一个正在运行的 Deruveza，或者录屏、
      输入法、游戏助手）占用了。关掉那个程序，再重新打开 Deruveza。
  保存失败：
    - 会弹出提示说明原因。常见的是 角色名字.txt 是只读的，或者正被别的
      程序打开。处理后再点一次“保存文件”，原来的文件不会被破坏。
"""

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = TEXT.replace("\n", "\r\n").encode("cp936")
    with open(os.path.join(here, "使用说明.txt"), "wb") as f:
        f.write(data)

if __name__ == "__main__":
    main()
