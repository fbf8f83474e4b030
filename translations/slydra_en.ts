<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CBestScoresDlg</name>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n move</numerusform>
            <numerusform>%1, %2, %n moves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</numerusform>
            <numerusform>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</numerusform>
        </translation>
    </message>
</context>
</TS>
