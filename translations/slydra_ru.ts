<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Совет:
Лучше всего обрезать и уменьшить картинку до 232x232 пикселей.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Число ходов:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Время решения:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n ход</numerusform>
            <numerusform>%1, %2, %n хода</numerusform>
            <numerusform>%1, %2, %n ходов</numerusform>
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
        <translation>Поле</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Лучшее время: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Меньше всего ходов: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Вы сделали меньше всего ходов: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>У вас лучшее время: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>На уровне %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Рекорды...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Размер: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Использовать</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Файл картинки</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Выбрать файл картинки</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>Файлы JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Файлы картинок (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Файлы BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>Файлы GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Вписать в поле</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>файла нет, или его нельзя прочитать.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>файл не является картинкой или повреждён.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>она слишком большая. Подойдёт уменьшенная копия.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>она в формате, который эта система не умеет читать. Подойдёт копия, сохранённая в JPEG или PNG.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Эту картинку нельзя показать: %1
Вместо неё на плитках будут буквы.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Поздравляем! Вы собрали поле за %1, сделав %n ход.</numerusform>
            <numerusform>Поздравляем! Вы собрали поле за %1, сделав %n хода.</numerusform>
            <numerusform>Поздравляем! Вы собрали поле за %1, сделав %n ходов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Поле собрано</translation>
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
        <translation>Аноним</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Не удалось сохранить рекорды в %1: %2. Slydra попробует снова, когда изменится рекорд, и при закрытии.</translation>
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
        <translation>Вы хотите сдаться в этой игре?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>это не обычный файл, поэтому он не заменяется</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>его нельзя прочитать (%1), поэтому он не заменяется</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>нет папки для данных</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>не удаётся создать его папку</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>его заблокировала другая копия Slydra</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>в его папку нельзя записывать</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не удаётся создать его файл блокировки</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>он повреждён, и его нельзя сохранить как %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 мешает (папка)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 мешает (символическая ссылка)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 мешает (именованный канал)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 мешает (сокет)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 мешает (устройство)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Ходы </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Время </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Ходы %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Время %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>%1ч%2м%3с</translation>
    </message>
    <message>
        <source>%1m%2s</source>
        <extracomment>Minutes and seconds, each of at least two digits: 02m05s.</extracomment>
        <translation>%1м%2с</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
</TS>
