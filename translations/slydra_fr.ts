<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Conseil :
Pour un meilleur résultat, recadrez vos images en 232x232 pixels.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Nombre de coups :</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Temps de résolution :</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n coup</numerusform>
            <numerusform>%1, %2, %n coups</numerusform>
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
        <translation>Plateau</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Entrez votre nom :</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Meilleur temps : %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Moins de coups : %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Vous avez le moins de coups : %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Temps record : %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>Au niveau %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Taille : </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Choisir le fichier image</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>Fichiers JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Fichiers image (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Fichiers bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>Fichiers GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Ajuster au plateau</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>le fichier est absent ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>le fichier n’est pas une image, ou il est endommagé.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>elle est trop grande. Une copie plus petite fera l’affaire.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>elle est dans un format que ce système ne sait pas lire. Une copie enregistrée en JPEG ou PNG fera l’affaire.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Cette image ne peut pas être affichée : %1
Les pièces montrent des lettres à la place.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Félicitations ! Vous avez terminé la grille en %1 avec %n coup.</numerusform>
            <numerusform>Félicitations ! Vous avez terminé la grille en %1 avec %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Grille terminée</translation>
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
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Les records n’ont pas pu être enregistrés dans %1 : %2. Slydra réessaiera quand un record changera et à sa fermeture.</translation>
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
        <translation>Voulez-vous abandonner cette partie ?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>ce n’est pas un fichier ordinaire, il n’est donc pas remplacé</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>il ne peut pas être lu (%1), il n’est donc pas remplacé</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>il n’y a pas de dossier de données</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>un autre Slydra détient son verrou</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>il est endommagé et ne peut pas être conservé sous %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 gêne (un dossier)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 gêne (un lien symbolique)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 gêne (un tube nommé)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 gêne (un socket)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 gêne (un périphérique)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Coups </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Temps </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Coups %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Temps %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
</TS>
