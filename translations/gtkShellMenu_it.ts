<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>Spostare %n file nel cestino?</numerusform>
                <numerusform>Spostare %n file nel cestino?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Si è verificato un errore durante la copia.</translation>
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
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Chiudi</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>No a t&amp;utto</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Riprova</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Sì</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sì a &amp;tutto</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;Impossibile copiare una cartella sopra una cartella che la contiene.&lt;/b&gt;
La cartella da sostituire contiene la cartella di origine.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>Copia di «%1»…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Copia dei file</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>Spostamento di «%1»…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Spostamento dei file</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Disponi elementi</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Sfoglia cartella</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Per data di modifica</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Per nome</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Per dimensione</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>Per tipo</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Copia</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Crea archivio...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Crea documento</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Crea cartella</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Taglia</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>File vuoto</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Cifra…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Estrai qui</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Crea collegamento</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Sposta nel cestino</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>nuovo file</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Dimensione normale</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Nessun modello installato</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Apri con</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Apri con altra applicazione...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Incolla</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Incolla nella cartella</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Proprietà</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Rinomina...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Condividi cartella…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Firma</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Ingrandisci</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Riduci</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Applicazioni disponibili</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Applicazioni installate</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>A&amp;pri</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Apri %1 e altri file di tipo %2 con:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Apri con altra applicazione...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Selezionare un'applicazione per vederne la descrizione.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Accesso:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Ultimo accesso:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Consentire l'esecuzione del file come programma</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Principale</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Chiudi</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Esecuzione:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Gruppo:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Posizione:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>Tipo MIME:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modificato:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Nessuno</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Non si è il proprietario, quindi non è possibile modificare questi permessi.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Altri</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Proprietario:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permessi</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Proprietà</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Sola lettura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lettura e scrittura</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Dimensione:</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Tipo:</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Ultimo accesso:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Accedere ai file</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Consentire l'esecuzione del file come programma</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Applica i permessi ai file contenuti</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Principale</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Chiudi</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Contenuto:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Creare ed eliminare i file</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Esecuzione:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Accesso file:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Accesso cartella:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Spazio libero:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Gruppo:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Solo elencare i file</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Posizione:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modificato:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Nessuno</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Non si è il proprietario, quindi non è possibile modificare questi permessi.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Altri</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Proprietario:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permessi</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Proprietà</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Sola lettura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lettura e scrittura</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Volume:</translation>
        </message>
    </context>
</TS>
