<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Wskazówka:
Najlepiej przytnij i zmniejsz obrazy do 232x232 pikseli.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Liczba ruchów:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Czas ułożenia:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n ruch</numerusform>
            <numerusform>%1, %2, %n ruchy</numerusform>
            <numerusform>%1, %2, %n ruchów</numerusform>
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
        <translation>Plansza</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Najlepszy czas: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Najmniej ruchów: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Rekordowo mało ruchów: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Rekordowo szybki czas: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>Na poziomie %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>Najlepsze &amp;wyniki...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>O&amp;pcje...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Rozmiar: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Plik obrazu</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Wybierz plik obrazu</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>Pliki JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Pliki obrazów (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Pliki bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>Pliki GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Dopasuj do planszy</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>plik nie istnieje lub nie można go odczytać.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>plik nie jest obrazem lub jest uszkodzony.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>jest za duży. Wystarczy jego mniejsza kopia.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>ma format, którego ten system nie potrafi odczytać. Wystarczy kopia zapisana jako JPEG lub PNG.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Nie można wyświetlić tego obrazu: %1
Zamiast niego kafelki pokazują litery.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Gratulacje! Plansza ułożona w czasie %1 w %n ruchu.</numerusform>
            <numerusform>Gratulacje! Plansza ułożona w czasie %1 w %n ruchach.</numerusform>
            <numerusform>Gratulacje! Plansza ułożona w czasie %1 w %n ruchach.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Plansza ułożona</translation>
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
        <translation>Anonim</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Nie udało się zapisać rekordów w %1: %2. Slydra spróbuje ponownie, gdy zmieni się rekord, oraz przy zamykaniu.</translation>
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
        <translation>Czy chcesz zrezygnować z tej gry?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>nie jest zwykłym plikiem, więc nie zostanie zastąpiony</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>nie można go odczytać (%1), więc nie zostanie zastąpiony</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>brak folderu danych</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>inny Slydra trzyma jego blokadę</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>nie można zapisywać w jego folderze</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>nie można utworzyć jego pliku blokady</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>jest uszkodzony i nie można go zachować jako %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 stoi na przeszkodzie (folder)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 stoi na przeszkodzie (dowiązanie symboliczne)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 stoi na przeszkodzie (nazwany potok)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 stoi na przeszkodzie (gniazdo)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 stoi na przeszkodzie (urządzenie)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Ruchy </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Czas </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Ruchy %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Czas %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
</TS>
