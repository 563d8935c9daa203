<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Diese Datei ist bereits von einer anderen Anwendung geöffnet. Sie kann nicht gelöscht werden.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Dateien auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Ordner auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Dateien auf diesem Computer</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Ordner auf diesem Computer</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>Für diese Funktion ist KDE 4.x oder höher erforderlich</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Details anzeigen (Strg+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Als Symbole anzeigen (Strg+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 wird bereits in einer anderen Sitzung verwendet.
Schließen Sie die andere Sitzung und klicken Sie auf „Erneut versuchen“.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>Der Ordner enthält bereits ein Lesezeichen mit derselben Adresse; diese wurden nicht noch einmal kopiert:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Diese Lesezeichen konnten nicht in %1 gespeichert werden:
%2
Angezeigt werden die Lesezeichen, die %1 enthält.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>Die Lesezeichen von %1 liegen in einer Form vor, die dieses Programm nicht schreiben kann. Sie werden angezeigt, können aber nicht geändert werden.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Diese Kopie würde Ordner tiefer verschachteln, als %1 lesen kann. Es wurde nichts kopiert.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Lesezeichen auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Lesezeichenordner auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Lesezeichen auf diesem Computer</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Lesezeichenordner auf diesem Computer</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Erneut versuchen</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mein OPALO™-Netbook (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Auf das Netbook kopieren</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Auf diesen Computer kopieren</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Diese Datei ist bereits von einer anderen Anwendung geöffnet. Sie kann nicht gelöscht werden.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Vom Netbook löschen</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 ist schreibgeschützt: Es kann nichts darauf geschrieben werden.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Die ausgewählten Dateien von Ihrem OPALO-Netbook auf Ihren Computer kopieren.
Sie bleiben auf Ihrem OPALO-Netbook.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Ein Fehler ist aufgetreten. Der Ordner konnte nicht erstellt werden.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musik</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mein Computer (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mein OPALO™-Netbook (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Neuer Ordner auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Dokumente</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Die Daten konnten nicht nach %1 kopiert werden.
Stellen Sie sicher, dass Sie die Rechte für diesen Vorgang besitzen.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Die ausgewählten Dateien von Ihrem Computer auf Ihr OPALO-Netbook kopieren.
Sie bleiben auf Ihrem Computer.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Lesezeichen</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Videos</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mein Computer</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Aufruf: OpaloSync [%1] [Qt-Optionen]
Tauscht Bilder, Musik, Videos und Dokumente zwischen diesem PC und einem per USB angeschlossenen OPALO™-Netbook aus.

Optionen:
  %1    zeigt in diesem Lauf die Registerkarte Lesezeichen des Medienfensters
  --help       zeigt diese Hilfe und beendet das Programm
  --version    zeigt die Version und beendet das Programm

Die Optionen von Qt selbst (-platform, -style, -reverse…) gelten wie in jedem Qt-Programm.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n Datei kann nicht nach %1 kopiert werden:</numerusform>
                <numerusform>%n Dateien können nicht nach %1 kopiert werden:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>%1 kann nicht kopiert werden: %2 nötig, und %3 hat %4 frei.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Sie brauchen %1, und %2 hat %3 frei: Was passt, wird kopiert, der Rest nicht.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Unter &amp;sicherem Namen kopieren</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Den &amp;Rest kopieren</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>&amp;Kopieren, was passt</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Beim Kopieren ist ein Fehler aufgetreten.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Auf %1 ist nicht genügend freier Speicherplatz vorhanden.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>Der Name %1 ist für %2 zu lang.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>Sie dürfen %1 auf %2 nicht lesen.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>%1 konnte von %2 nicht gelesen werden: Der Datenträger ist möglicherweise defekt.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 ist schreibgeschützt: Es kann nichts darauf geschrieben werden.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 ist zu groß für das Dateisystem von %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Dieser Ordner enthält keine %1-Dateien.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Die Daten konnten nicht nach %1 kopiert werden.
Stellen Sie sicher, dass Sie die Rechte für diesen Vorgang besitzen.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>und %1 weitere</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 von %2 kopiert.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 von %2 kopiert; der Rest nicht.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n Datei ist mit einer Warnung angekommen:</numerusform>
                <numerusform>%n Dateien sind mit einer Warnung angekommen:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>während des Kopierens geändert</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>kopiert, Datum nicht übernommen</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>das Netbook wurde entfernt</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>vorhanden und behalten</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>symbolische Verknüpfung, nicht gefolgt</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>Inhalt konnte nicht aufgelistet werden (Lesefehler)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>Inhalt konnte nicht aufgelistet werden (keine Rechte)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>Name nicht erlaubt</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>Name zu lang</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>keine Leserechte</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>keine Rechte</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>kein Platz</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>Lesefehler</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>schreibgeschützt</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>derselbe Name wie eine andere Datei bis auf Groß- und Kleinschreibung, die das Netbook nicht unterscheidet</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>zu groß</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>Schreibfehler</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 unverändert behalten, wie gewünscht.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 unverändert behalten, wie gewünscht.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n Datei kopiert</numerusform>
                <numerusform>%n Dateien kopiert</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n nicht angekommen</numerusform>
                <numerusform>%n nicht angekommen</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n bereits vorhanden</numerusform>
                <numerusform>%n bereits vorhanden</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>%1 (%2) in %3 kopieren?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Die ausgewählten Dateien in %1 kopieren?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Kopieren in %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 Dokument</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 Dokumente</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 Datei</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 Dateien</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 Bild</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 Bilder</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 Titel</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 Titel</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 Video</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 Videos</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>den Ordner %1 des Netbooks</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>den Ordner „%1“ auf dem Netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>den Ordner %1 dieses Computers</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>den Ordner „%1“ auf diesem Computer</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 Bytes</translation>
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
            <translation>Lesezeichen-Menü</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Mobile Lesezeichen</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Lesezeichen-Symbolleiste</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Weitere Lesezeichen</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Geändert</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Typ</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Ordner</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Verbindung hergestellt. Die Informationen werden abgerufen…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Kein OPALO™-Gerät angeschlossen</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Ein Fehler ist aufgetreten. Bitte prüfen Sie, ob das Gerät richtig angeschlossen ist, und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Ein Fehler ist aufgetreten. Bitte stellen Sie sicher, dass die SD-Speichererweiterungskarte nicht schreibgeschützt ist, und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Suche nach einem OPALO™-Gerät…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 Dateien</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 Datei</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, %2 ausgewählt (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, %2 ausgewählt</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Anwendungen</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Installieren oder deinstallieren Sie ganz einfach Anwendungen auf Ihrem OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Sichern und Wiederherstellen</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Sichern Sie ganz einfach die Daten Ihres OPALO und stellen Sie sie wieder her.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimedia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Übertragen Sie Ihre Fotos, Videos, Musik, Dokumente und Internet-Favoriten ganz einfach auf Ihr OPALO oder von dort.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Systemaktualisierung</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Verwalten Sie ganz einfach die Betriebssystem-Updates Ihres OPALO.</translation>
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
            <translation>Zurück zum Hauptmenü</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Klicken Sie hier, um zum Hauptmenü zurückzukehren</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Verbinden</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Klicken Sie hier, um Ihr OPALO™-Netbook zu verbinden</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Mit OPALO™ verbunden</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Mit OPALO™ verbunden, schreibgeschützt</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Verbindung wird hergestellt…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Verbindungsfehler</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Kein OPALO™-Gerät erkannt</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ gefunden, nicht verbunden: „Verbinden“ bindet es ein</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Dateien geöffnet (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Noch nicht entfernbar (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>OPALO™ kann entfernt werden</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Belegter Speicher des OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Trennen</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Klicken Sie hier, um die Verbindung zu Ihrem OPALO™-Netbook zu trennen</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Freier Speicher</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Freier Speicher: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Bilder %1, Musik %2, Video %3, Sonstiges %4, frei %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Mediendateien übertragen</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musik</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Sonstiges</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Gesamtspeicher des OPALO: %1</translation>
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
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Nein, &amp;keine</translation>
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
            <translation>&amp;Wiederholen</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Ja, a&amp;lle</translation>
        </message>
    </context>
    <context>
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>&amp;Kopieren abbrechen</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Den ganzen Kopiervorgang beenden; bereits kopierte Dateien bleiben erhalten</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Bereits vorhanden</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Größer</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>Zu kopieren</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Neuer</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Bild: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>Auf dem Netbook: %1, geändert am %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>Auf diesem Computer: %1, geändert am %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>Für alle &amp;weiteren Dateien gleich verfahren</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Beide behalten</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Neben die vorhandene Datei kopieren, unter einem freien Namen mit Nummer</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>Die Datei %1 ist im Zielordner bereits vorhanden. Was möchten Sie tun?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Ersetzen</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Die vorhandene Datei durch die kopierte ersetzen</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>Übe&amp;rspringen</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Die vorhandene Datei behalten und diese nicht kopieren</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>%1 konnte nicht umbenannt werden: %2.</translation>
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
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 von %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 von %2 mit %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Kopieren abgeschlossen</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Fortschritt des Kopierens</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Dateien werden kopiert</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Geschätzte Restzeit: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Datei %1 von %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Kopieren läuft…
Bitte warten…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync findet keinen Bildschirm für sein Fenster: keinen nutzbaren X-Server unter DISPLAY und keine Wayland-Anzeige. Starten Sie es als Ihr eigener Benutzer aus Ihrer Desktop-Sitzung (es braucht keine Administratorrechte); mit sudo behalten Sie die Anzeige Ihrer Sitzung mit „sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR“.</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync wurde vom Superuser in einer KDE-Sitzung gestartet und muss dort über sein Hilfsprogramm %1 neu starten. Das Hilfsprogramm konnte nicht ausgeführt werden (%2).
Installieren Sie das Programm erneut oder starten Sie es als normaler Benutzer.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>%1 Dateien endgültig löschen: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>%1 endgültig löschen?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Die Datei %1 konnte nicht umbenannt werden.
Stellen Sie sicher, dass Sie die Rechte für diesen Vorgang besitzen.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musik</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>Musik</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Dokumente</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>Dokument</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>Bild</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Videos</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>Video</translation>
        </message>
    </context>
</TS>
