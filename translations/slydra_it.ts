<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Suggerimento:
Per un risultato migliore, ritaglia le immagini a 232x232 pixel.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Numero di mosse:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Tempo impiegato:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n mossa</numerusform>
            <numerusform>%1, %2, %n mosse</numerusform>
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
        <translation>Tavola</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Tempo migliore: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Meno mosse: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Hai usato meno mosse di tutti: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Hai il tempo migliore: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>Nel livello %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Record...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Griglia: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Scegli il file immagine</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>File JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>File immagine (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>File bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>File GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Adatta alla tavola</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>il file non esiste o non può essere letto.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>il file non è un&apos;immagine o è danneggiato.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>è troppo grande. Ne basta una copia più piccola.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>è in un formato che questo sistema non sa leggere. Basta una copia salvata come JPEG o PNG.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Impossibile mostrare questa immagine: %1
Le tessere mostrano invece delle lettere.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Complimenti! Hai completato la griglia in %1 con %n mossa.</numerusform>
            <numerusform>Complimenti! Hai completato la griglia in %1 con %n mosse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Griglia completata</translation>
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
        <translation>Anonimo</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Impossibile salvare i record in %1: %2. Slydra riproverà quando cambierà un record e alla chiusura.</translation>
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
        <translation>Vuoi abbandonare questa partita?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>non è un file normale, quindi non viene sostituito</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>non può essere letto (%1), quindi non viene sostituito</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>non esiste una cartella dei dati</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>non è possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>un altro Slydra ne detiene il blocco</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>non è possibile scrivere nella sua cartella</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>non è possibile creare il suo file di blocco</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>è danneggiato e non può essere conservato come %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 è d&apos;intralcio (una cartella)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 è d&apos;intralcio (un collegamento simbolico)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 è d&apos;intralcio (una pipe con nome)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 è d&apos;intralcio (un socket)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 è d&apos;intralcio (un dispositivo)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Mosse </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Tempo </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Mosse %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tempo %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
