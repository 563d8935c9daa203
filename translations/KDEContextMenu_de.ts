<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>Sie können einen Ordner nicht in sich selbst kopieren.
Der Zielordner befindet sich im Quellordner.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>Sie können einen Ordner nicht über einen Ordner kopieren, der ihn enthält.
Der zu ersetzende Ordner enthält den Quellordner.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>Der Dateiname %1 ist bereits vorhanden!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Datei umbenennen</translation>
        </message>
    </context>
</TS>
