<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;Aceptar</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>No puede copiar una carpeta dentro de sí misma.
La carpeta de destino está dentro de la carpeta de origen.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>No puede copiar una carpeta sobre otra que la contiene.
La carpeta que se reemplazaría contiene la carpeta de origen.</translation>
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
