<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>图片提示：
为获得最佳效果，请将图片裁剪并缩放为 232x232 像素。</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>最佳成绩</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>清除成绩</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>步数：</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>完成用时：</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1，%2，%n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
</context>
<context>
    <name>CBoardView</name>
    <message>
        <source>Board</source>
        <translation>拼图板</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>空格</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>恭喜</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>请输入您的名字：</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>您的名字</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>最短用时：%1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>最少步数：%1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>您用的步数最少：%1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>您用时最短：%1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>%1 级别</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>最佳成绩(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>使用</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>选择图片文件</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>JPEG 文件 (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>图片文件 (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>位图文件 (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>GIF 文件 (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>适应棋盘</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>文件不存在，或无权读取。</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>文件不是图片，或已损坏。</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>图片太大。缩小后的副本即可。</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>此系统无法读取它的格式。另存为 JPEG 或 PNG 的副本即可。</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>无法显示此图片：%1
方块将改为显示字母。</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>恭喜！您用时 %1，共 %n 步完成了拼图。</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>拼图完成</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
</context>
<context>
    <name>CScoreTable</name>
    <message>
        <source>Anonymous</source>
        <translation>匿名</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>无法将记录保存到 %1：%2。Slydra 会在记录变化时和关闭时再次尝试。</translation>
    </message>
</context>
<context>
    <name>CSlydraDlg</name>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Do you want to resign this game?</source>
        <translation>要放弃这局游戏吗？</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>它不是普通文件，因此不会被替换</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>无法读取它（%1），因此不会被替换</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>没有数据文件夹</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>无法创建它所在的文件夹</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>另一个 Slydra 正持有它的锁</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>无法写入它所在的文件夹</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>无法创建它的锁文件</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>它已损坏，无法保留为 %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 挡住了路（一个文件夹）</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 挡住了路（一个符号链接）</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 挡住了路（一个命名管道）</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 挡住了路（一个套接字）</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 挡住了路（一个设备）</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>步数 </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>时间 </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>步数 %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>时间 %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>FormatElapsed</name>
    <message>
        <source>%1h%2m%3s</source>
        <extracomment>Hours, minutes and seconds, each of at least two digits: 01h02m05s.</extracomment>
        <translation>%1时%2分%3秒</translation>
    </message>
    <message>
        <source>%1m%2s</source>
        <extracomment>Minutes and seconds, each of at least two digits: 02m05s.</extracomment>
        <translation>%1分%2秒</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; in any other: the whole window follows it.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
</TS>
