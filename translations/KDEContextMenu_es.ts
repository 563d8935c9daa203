<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>¡El nombre de archivo %1 ya existe!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Cambiar el nombre del archivo</translation>
        </message>
    </context>
</TS>
