<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Il file è già aperto da un'altra applicazione. Impossibile eliminarlo.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>File del netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Cartelle del netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>File di questo computer</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Cartelle di questo computer</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>Per utilizzare questa funzione è necessario KDE 4.x o versione successiva</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Mostra dettagli (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Mostra come icone (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 è già in uso in un'altra sessione.
Chiudere l'altra sessione e fare clic su "Riprova".</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>La cartella contiene già un segnalibro con lo stesso indirizzo; questi non sono stati copiati di nuovo:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Non è stato possibile salvare questi segnalibri in %1:
%2
I segnalibri mostrati sono quelli contenuti in %1.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>I segnalibri di %1 sono conservati in un formato che questo programma non sa scrivere. Vengono mostrati, ma non possono essere modificati.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Questa copia anniderebbe le cartelle più in profondità di quanto %1 sia in grado di leggere. Non è stato copiato nulla.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Segnalibri del netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Cartelle dei segnalibri del netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Segnalibri di questo computer</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Cartelle dei segnalibri di questo computer</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Riprova</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Il mio netbook OPALO™ (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Copia sul netbook</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Copia su questo computer</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Il file è già aperto da un'altra applicazione. Impossibile eliminarlo.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Elimina dal netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 è di sola lettura: non vi si può scrivere nulla.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Copia i file selezionati dal netbook OPALO al computer.
Restano sul netbook OPALO.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Si è verificato un errore. Impossibile creare la cartella.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musica</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Il mio computer (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Il mio netbook OPALO™ (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Nuova cartella sul netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documenti</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Immagini</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossibile copiare i dati su %1.
Verificare di disporre dei diritti necessari per questa operazione.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Copia i file selezionati dal computer al netbook OPALO.
Restano sul computer.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Segnalibri</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Video</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Il mio computer</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Uso: OpaloSync [%1] [opzioni di Qt]
Scambia immagini, musica, video e documenti tra questo PC e un netbook OPALO™ collegato via USB.

Opzioni:
  %1    mostra la scheda Segnalibri della finestra dei media in questa esecuzione
  --help       mostra questo aiuto ed esce
  --version    mostra la versione ed esce

Le opzioni proprie di Qt (-platform, -style, -reverse…) valgono come in ogni programma Qt.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n file non può essere copiato in %1:</numerusform>
                <numerusform>%n file non possono essere copiati in %1:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>Impossibile copiare %1: servono %2 e %3 ha %4 liberi.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Servono %1 e %2 ha %3 liberi: verrà copiato ciò che ci sta, il resto no.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Copia con un nome &amp;sicuro</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Copia il &amp;resto</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Copia ciò che &amp;ci sta</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Si è verificato un errore durante la copia.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Spazio libero insufficiente su %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>Il nome %1 è troppo lungo per %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>Non si dispone dei permessi per leggere %1 su %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>Impossibile leggere %1 da %2: il supporto potrebbe essere danneggiato.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 è di sola lettura: non vi si può scrivere nulla.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 è troppo grande per il file system di %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Questa cartella non contiene file di tipo %1.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossibile copiare i dati su %1.
Verificare di disporre dei diritti necessari per questa operazione.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>e altri %1</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 di %2 copiati.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 di %2 copiati; gli altri no.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n file è arrivato con un avviso:</numerusform>
                <numerusform>%n file sono arrivati con un avviso:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>modificato durante la copia</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>copiato, data non conservata</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>il netbook è stato rimosso</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>esiste ed è stato mantenuto</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>collegamento simbolico, non seguito</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>impossibile elencarne il contenuto (errore di lettura)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>impossibile elencarne il contenuto (nessun permesso)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>nome non consentito</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>nome troppo lungo</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>nessun permesso di lettura</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>permessi mancanti</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>spazio insufficiente</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>errore di lettura</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>sola lettura</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>lo stesso nome di un altro file a parte maiuscole e minuscole, che il netbook non distingue</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>troppo grande</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>errore di scrittura</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 lasciati com'erano, come richiesto.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 lasciato com'era, come richiesto.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n file copiato</numerusform>
                <numerusform>%n file copiati</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n non arrivato</numerusform>
                <numerusform>%n non arrivati</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n già presente</numerusform>
                <numerusform>%n già presenti</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>Copiare %1 (%2) %3?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Copiare i file selezionati %1?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Copia %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 documento</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 documenti</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 file</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 file</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 immagine</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 immagini</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 brano</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 brani</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 video</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 video</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>nella cartella %1 del netbook</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>nella cartella «%1» del netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>nella cartella %1 di questo computer</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>nella cartella «%1» di questo computer</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 byte</translation>
        </message>
        <message>
            <source>IDS_SIZE_GB</source>
            <translation>%1 GB</translation>
        </message>
        <message>
            <source>IDS_SIZE_KB</source>
            <translation>%1 kB</translation>
        </message>
        <message>
            <source>IDS_SIZE_MB</source>
            <translation>%1 MB</translation>
        </message>
        <message>
            <source>IDS_SIZE_TB</source>
            <translation>%1 TB</translation>
        </message>
    </context>
    <context>
        <name>Firefox</name>
        <message>
            <source>IDS_FIREFOX_MENU</source>
            <translation>Menu segnalibri</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Segnalibri da dispositivi mobili</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Barra dei segnalibri</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Altri segnalibri</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Data modifica</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Dimensione</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Cartella</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Connessione completata. Recupero delle informazioni…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Nessun dispositivo OPALO™ collegato</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Si è verificato un errore. Verificare che il dispositivo sia collegato correttamente e riprovare.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Si è verificato un errore. Assicurarsi che la scheda SD di espansione della memoria non sia protetta da scrittura e riprovare.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Ricerca di un dispositivo OPALO™…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 file</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 file</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, selezionati: %2 (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, selezionati: %2</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Applicazioni</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Installate o disinstallate facilmente le applicazioni sul vostro OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Backup e ripristino</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Eseguite facilmente il backup dei dati del vostro OPALO e ripristinateli.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimedia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Trasferite facilmente foto, video, musica, documenti e preferiti Internet verso o dal vostro OPALO.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Aggiornamento del sistema</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Gestite facilmente gli aggiornamenti del sistema operativo del vostro OPALO.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>IDS_APP_VERSION</source>
            <translation>Vantora OPALO™ Sync v%1</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN</source>
            <translation>Torna al menu principale</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Fare clic per tornare al menu principale</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Connetti</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Fare clic per connettersi al netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Connesso a OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Connesso a OPALO™, sola lettura</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Connessione in corso…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Errore di connessione</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Nessun dispositivo OPALO™ rilevato</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ trovato, non connesso: «Connetti» lo monta</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Stato:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>File aperti (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Non ancora scollegabile (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>Si può scollegare OPALO™</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Spazio utilizzato dell'OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Disconnetti</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Fare clic per disconnettersi dal netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Spazio libero</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Spazio libero: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Immagini %1, Musica %2, Video %3, Altro %4, libero %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Trasferisci file multimediali</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musica</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Opzioni</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Altro</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Immagini</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Spazio totale dell'OPALO: %1</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Video</translation>
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
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>&amp;Annulla copia</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Interrompere l'intera copia; i file già copiati restano</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Già presente</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Più grande</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>Da copiare</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Più recente</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Immagine: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>Sul netbook: %1, modificato il %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>Su questo computer: %1, modificato il %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Fai lo stesso per tutti i file rimanenti</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Mantieni entrambi</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Copiarlo accanto al file già presente, con un nome libero numerato</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>Il file %1 esiste già nella cartella di destinazione. Cosa si desidera fare?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Sostituisci</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Sostituire il file già presente con quello da copiare</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>Sa&amp;lta</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Mantenere il file già presente e non copiare questo</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>Impossibile rinominare %1: %2.</translation>
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
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 di %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 di %2 a %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Copia completata</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Avanzamento della copia</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Copia dei file in corso</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Tempo residuo stimato: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>File %1 di %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Copia in corso…
Attendere…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync non trova alcuno schermo su cui aprire la sua finestra: nessun server X utilizzabile in DISPLAY e nessun display Wayland. Avviatelo con il vostro utente dalla sessione del desktop (non servono i diritti di superutente); con sudo, mantenete il display della sessione con «sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR».</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync è stato avviato dal superutente in una sessione KDE, dove deve ripartire tramite il suo programma ausiliario %1. Non è stato possibile eseguire il programma ausiliario (%2).
Reinstallare il programma o avviarlo come utente normale.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>Eliminare definitivamente %1 file: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>Eliminare definitivamente %1?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Impossibile rinominare il file %1.
Verificare di disporre dei diritti necessari per eseguire questa operazione.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musica</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>musica</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documenti</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>documento</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Immagini</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>immagine</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>video</translation>
        </message>
    </context>
</TS>
