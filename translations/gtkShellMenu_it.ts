<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Eliminare davvero questo/questi file?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Si è verificato un errore durante la copia dei file.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Si è verificato un errore. Impossibile creare la cartella.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Si è verificato un errore durante l'eliminazione di %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Spazio libero insufficiente su %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Collegamento a </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossibile copiare i dati su %1.
Verificare di disporre dei diritti necessari per questa operazione.</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>No a tutto</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>Sì</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sì a tutto</translation>
        </message>
    </context>
    <context>
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>Il file %1 esiste già nella cartella di destinazione. Sovrascriverlo?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;Impossibile copiare una cartella in se stessa.&lt;/b&gt;
La cartella di destinazione si trova all'interno della cartella di origine.</translation>
        </message>
    </context>
</TS>
