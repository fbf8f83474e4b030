<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Om Slydra</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Bildtips:
Bäst blir det om du beskär och skalar bilderna till 232x232 pixlar.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Bästa resultat</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Nollställ</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Antal drag:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Tid att lösa:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n drag</numerusform>
            <numerusform>%1, %2, %n drag</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>CBoardView</name>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>tom</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Grattis</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Skriv ditt namn:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Snabbaste tid: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Minst antal drag: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Du använde minst drag: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Din tid är rekord: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>På nivå %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om Slydra</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Bästa resultat...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Alternativ...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Storlek: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animering</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Använd</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bildfil</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Välj bildfil</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>JPEG-filer (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Bildfiler (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmappsfiler (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>GIF-filer (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alla filer (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Anpassa till brädet</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>filen finns inte, eller så får den inte läsas.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>filen är ingen bild, eller så är den skadad.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>den är för stor. En mindre kopia duger.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>den har ett format som det här systemet inte kan läsa. En kopia sparad som JPEG eller PNG duger.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Bilden kan inte visas: %1
Brickorna visar bokstäver i stället.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Grattis! Du har löst rutnätet på %1 med %n drag.</numerusform>
            <numerusform>Grattis! Du har löst rutnätet på %1 med %n drag.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Rutnätet löst</translation>
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
        <translation>Anonym</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Rekorden kunde inte sparas i %1: %2. Slydra försöker igen när ett rekord ändras och när programmet stängs.</translation>
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
        <translation>Vill du ge upp det här spelet?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>den är ingen vanlig fil och ersätts därför inte</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>den kan inte läsas (%1) och ersätts därför inte</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>det finns ingen datamapp</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>dess mapp kan inte skapas</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>en annan Slydra håller dess lås</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>dess mapp går inte att skriva i</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>dess låsfil kan inte skapas</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>den är skadad och kan inte sparas som %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 står i vägen (en mapp)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 står i vägen (en symbolisk länk)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 står i vägen (ett namngivet rör)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 står i vägen (ett uttag)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 står i vägen (en enhet)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Drag </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Tid </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Drag %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tid %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>%1h%2m%3s</translation>
    </message>
    <message>
        <source>%1m%2s</source>
        <extracomment>Minutes and seconds, each of at least two digits: 02m05s.</extracomment>
        <translation>%1m%2s</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
</TS>
