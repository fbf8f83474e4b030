<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über Slydra</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Tipp zum Bild:
Am besten schneiden Sie Ihre Bilder auf 232x232 Pixel zu.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Anzahl der Züge:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Benötigte Zeit:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n Zug</numerusform>
            <numerusform>%1, %2, %n Züge</numerusform>
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
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte Namen eingeben:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Schnellste Zeit: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Wenigste Züge: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Sie brauchten die wenigsten Züge: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Ihre Zeit ist Rekord: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>Auf dem Spielfeld %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Slydra</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>Beste&amp;nliste...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Größe: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Bilddatei wählen</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>JPEG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Bilddateien (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>An Brett anpassen</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>Die Datei fehlt, oder sie darf nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>Die Datei ist kein Bild, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>Es ist zu groß. Eine kleinere Kopie davon genügt.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>Es ist in einem Format, das dieses System nicht lesen kann. Eine als JPEG oder PNG gespeicherte Kopie genügt.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Dieses Bild kann nicht angezeigt werden: %1
Die Kacheln zeigen stattdessen Buchstaben.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Herzlichen Glückwunsch! Sie haben das Puzzle in %1 mit %n Zug gelöst.</numerusform>
            <numerusform>Herzlichen Glückwunsch! Sie haben das Puzzle in %1 mit %n Zügen gelöst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Puzzle gelöst</translation>
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
        <translation>Die Rekorde konnten nicht in %1 gespeichert werden: %2. Slydra versucht es erneut, wenn sich ein Rekord ändert und wenn es beendet wird.</translation>
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
        <translation>Möchten Sie dieses Spiel aufgeben?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>sie ist keine gewöhnliche Datei und wird daher nicht ersetzt</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>sie kann nicht gelesen werden (%1) und wird daher nicht ersetzt</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>es gibt keinen Datenordner</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>ein anderes Slydra hält ihre Sperre</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>in ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>sie ist beschädigt und kann nicht als %1 aufbewahrt werden</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 steht im Weg (ein Ordner)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 steht im Weg (eine symbolische Verknüpfung)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 steht im Weg (eine benannte Pipe)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 steht im Weg (ein Socket)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 steht im Weg (ein Gerät)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Züge </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Zeit </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Züge %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Zeit %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
</TS>
