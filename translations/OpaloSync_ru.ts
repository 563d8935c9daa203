<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>MainWindow</name>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
    </context>
</TS>
