<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>You cannot copy a folder into itself.
The destination folder is inside the source folder.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>You cannot copy a folder over one that contains it.
The folder to be replaced holds the source folder.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>The file name %1 already exists!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Rename the file</translation>
        </message>
    </context>
</TS>
