<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>Нельзя скопировать папку в саму себя.
Папка назначения находится внутри исходной папки.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>Нельзя скопировать папку поверх папки, в которой она находится.
Заменяемая папка содержит исходную папку.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>Имя файла %1 уже существует!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Переименовать файл</translation>
        </message>
    </context>
</TS>
