<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>עצה לתמונות:
לתוצאה הטובה ביותר, חתכו והקטינו את התמונות ל־232x232 פיקסלים.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>מספר מהלכים:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>זמן פתרון:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, מהלך אחד</numerusform>
            <numerusform>%1, %2, %n מהלכים</numerusform>
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
        <translation>לוח</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>ריק</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>כל הכבוד</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>נא להזין את שמך:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>השם שלך</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>הזמן המהיר ביותר: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>הכי מעט מהלכים: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>השתמשת במעט מהלכים מכולם: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>הזמן שלך הוא המהיר ביותר: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>ברמה %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;כלים</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;שיאים...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>א&amp;פשרויות...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>גודל: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>הנפשה</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>להשתמש</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>קובץ תמונה</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>בחירת קובץ תמונה</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>קובצי JPEG‏ (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>קובצי תמונה‏ (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>קובצי Bitmap‏ (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>קובצי GIF‏ (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>כל הקבצים‏ (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>התאם ללוח</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>הקובץ אינו קיים, או שאין הרשאה לקרוא אותו.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>הקובץ אינו תמונה, או שהוא פגום.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>היא גדולה מדי. עותק קטן יותר יספיק.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>היא בתבנית שמערכת זו אינה יכולה לקרוא. עותק שנשמר כ־JPEG או PNG יספיק.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>לא ניתן להציג את התמונה: %1
האריחים יציגו אותיות במקומה.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>כל הכבוד! השלמת את הלוח בזמן %1 במהלך אחד.</numerusform>
            <numerusform>כל הכבוד! השלמת את הלוח בזמן %1 ב־%n מהלכים.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>הלוח הושלם</translation>
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
        <translation>אנונימי</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>לא ניתן היה לשמור את השיאים ב־%1: %2. Slydra ינסה שוב כשישתנה שיא וכשייסגר.</translation>
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
        <translation>לוותר על המשחק הזה?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>זה אינו קובץ רגיל, ולכן הוא לא יוחלף</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>לא ניתן לקרוא אותו (%1), ולכן הוא לא יוחלף</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>אין תיקיית נתונים</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>לא ניתן ליצור את התיקייה שלו</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>Slydra אחר מחזיק בנעילה שלו</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>לא ניתן לכתוב לתיקייה שלו</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>לא ניתן ליצור את קובץ הנעילה שלו</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>הוא פגום ולא ניתן לשמור אותו בשם %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 חוסם את הדרך (תיקייה)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 חוסם את הדרך (קישור סמלי)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 חוסם את הדרך (צינור בעל שם)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 חוסם את הדרך (שקע)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 חוסם את הדרך (התקן)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>מהלכים </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>זמן </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>מהלכים %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>זמן %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
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
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
</context>
</TS>
