<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>U kunt een map niet naar zichzelf kopiëren.
De doelmap bevindt zich in de bronmap.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>U kunt een map niet kopiëren over een map die haar bevat.
De te vervangen map bevat de bronmap.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>De bestandsnaam %1 bestaat al!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Het bestand hernoemen</translation>
        </message>
    </context>
</TS>
