<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>Não pode copiar uma pasta para dentro de si própria.
A pasta de destino está dentro da pasta de origem.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>Não pode copiar uma pasta por cima de uma pasta que a contém.
A pasta a substituir contém a pasta de origem.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>O nome de ficheiro %1 já existe!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Mudar o nome do ficheiro</translation>
        </message>
    </context>
</TS>
