<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>Impossibile copiare una cartella in se stessa.
La cartella di destinazione si trova nella cartella di origine.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>Impossibile copiare una cartella sopra una cartella che la contiene.
La cartella da sostituire contiene la cartella di origine.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>Il nome di file %1 esiste già!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Rinomina il file</translation>
        </message>
    </context>
</TS>
