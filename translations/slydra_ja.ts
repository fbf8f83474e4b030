<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>画像のヒント:
画像は 232x232 ピクセルに切り抜いて縮小すると、最もきれいに表示されます。</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>ベストスコア</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>手数:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>所要時間:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1、%2、%n 手</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
</context>
<context>
    <name>CBoardView</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>空き</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>おめでとう</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>名前を入力してください:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>最短時間: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>最少手数: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>最少手数を達成しました: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>最短時間を達成しました: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>%1 のレベル</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>ベストスコア(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>サイズ: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>使用する</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>画像ファイルを選択</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>JPEG ファイル (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>画像ファイル (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>ビットマップ ファイル (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>GIF ファイル (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>盤に合わせる</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>ファイルが存在しないか、読み込みが許可されていません。</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>ファイルが画像ではないか、破損しています。</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>画像が大きすぎます。小さくしたコピーなら表示できます。</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>このシステムでは読み込めない形式です。JPEG または PNG で保存したコピーなら表示できます。</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>この画像は表示できません: %1
代わりにタイルには文字が表示されます。</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>おめでとうございます！%1、%n 手でパズルを完成させました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>パズル完成</translation>
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
        <translation>記録を %1 に保存できませんでした: %2。記録が変わったときと終了するときに、Slydra がもう一度保存を試みます。</translation>
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
        <translation>このゲームをあきらめますか?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>通常のファイルではないため、置き換えません</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>読み込めないため (%1)、置き換えません</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>データ用のフォルダーがありません</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>別の Slydra がロックしています</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ロック ファイルを作成できません</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>破損しており、%1 として残すことができません</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 が邪魔をしています (フォルダー)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 が邪魔をしています (シンボリックリンク)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 が邪魔をしています (名前付きパイプ)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 が邪魔をしています (ソケット)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 が邪魔をしています (デバイス)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>手数 </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>時間 </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>手数 %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>時間 %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FormatElapsed</name>
    <message>
        <source>%1h%2m%3s</source>
        <extracomment>Hours, minutes and seconds, each of at least two digits: 01h02m05s.</extracomment>
        <translation>%1時間%2分%3秒</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
</TS>
