<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Consejo:
Para un mejor resultado, recorte y ajuste sus imágenes a 232x232 píxeles.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Número de movimientos:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Tiempo empleado:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n movimiento</numerusform>
            <numerusform>%1, %2, %n movimientos</numerusform>
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
        <translation>Tablero</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escriba su nombre:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Mejor tiempo: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Menos movimientos: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Usó la menor cantidad de movimientos: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Tiene el mejor tiempo: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>En el nivel %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Elegir el archivo de imagen</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>Archivos JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Archivos de imagen (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Archivos de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>Archivos GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Ajustar al tablero</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>el archivo no existe o no se puede leer.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>el archivo no es una imagen o está dañado.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>es demasiado grande. Basta con una copia más pequeña.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>está en un formato que este sistema no puede leer. Basta con una copia guardada como JPEG o PNG.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>No se puede mostrar esta imagen: %1
Las fichas muestran letras en su lugar.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>¡Enhorabuena! Ha completado la cuadrícula en %1 con %n movimiento.</numerusform>
            <numerusform>¡Enhorabuena! Ha completado la cuadrícula en %1 con %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Cuadrícula completada</translation>
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
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>No se pudieron guardar los récords en %1: %2. Slydra volverá a intentarlo cuando cambie un récord y al cerrarse.</translation>
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
        <translation>¿Desea abandonar esta partida?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>no es un archivo normal, así que no se reemplaza</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>no se puede leer (%1), así que no se reemplaza</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>no hay carpeta de datos</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>otro Slydra tiene su bloqueo</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>está dañado y no se puede conservar como %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 está en medio (una carpeta)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 está en medio (un enlace simbólico)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 está en medio (una tubería con nombre)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 está en medio (un socket)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 está en medio (un dispositivo)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Mov. </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Tiempo </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Movimientos %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tiempo %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
