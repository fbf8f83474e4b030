<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Tip:
Snijd uw afbeeldingen voor het beste resultaat bij tot 232x232 pixels.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Beste scores</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Aantal zetten:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Benodigde tijd:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n zet</numerusform>
            <numerusform>%1, %2, %n zetten</numerusform>
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
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Voer uw naam in:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Uw naam</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Snelste tijd: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Minste zetten: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>U gebruikte de minste zetten: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>U hebt de snelste tijd: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>Op niveau %1</translation>
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
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Beste scores...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>O&amp;pties...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Grootte: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animatie</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Gebruiken</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Afbeeldingsbestand</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Afbeeldingsbestand kiezen</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>JPEG-bestanden (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Afbeeldingsbestanden (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmapbestanden (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>GIF-bestanden (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Passend op bord</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>het bestand ontbreekt of mag niet worden gelezen.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>het bestand is geen afbeelding of is beschadigd.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>ze is te groot. Een kleinere kopie volstaat.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>ze heeft een indeling die dit systeem niet kan lezen. Een kopie opgeslagen als JPEG of PNG volstaat.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Deze afbeelding kan niet worden getoond: %1
De tegels tonen in plaats daarvan letters.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Gefeliciteerd! U hebt het raster voltooid in %1 met %n zet.</numerusform>
            <numerusform>Gefeliciteerd! U hebt het raster voltooid in %1 met %n zetten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Raster voltooid</translation>
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
        <translation>Anoniem</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>De records konden niet worden opgeslagen in %1: %2. Slydra probeert het opnieuw wanneer een record verandert en bij het afsluiten.</translation>
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
        <translation>Wilt u dit spel opgeven?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>het is geen gewoon bestand en wordt dus niet vervangen</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>het kan niet worden gelezen (%1) en wordt dus niet vervangen</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>er is geen gegevensmap</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>een andere Slydra heeft de vergrendeling ervan</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>er kan niet in de map ervan worden geschreven</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>het vergrendelingsbestand ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>het is beschadigd en kan niet worden bewaard als %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 staat in de weg (een map)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 staat in de weg (een symbolische koppeling)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 staat in de weg (een named pipe)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 staat in de weg (een socket)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 staat in de weg (een apparaat)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Zetten </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Tijd </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Zetten %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tijd %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
</TS>
