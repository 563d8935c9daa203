<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Dit bestand is al geopend door een andere toepassing. Het kan niet worden verwijderd.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Bestanden op de netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Mappen op de netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Map</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Bestanden op deze computer</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Mappen op deze computer</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>KDE 4.x of hoger is vereist om deze functie te gebruiken</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Details weergeven (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Als pictogrammen weergeven (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 wordt al in een andere sessie gebruikt.
Sluit de andere sessie en klik op "Opnieuw proberen".</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>De map bevat al een bladwijzer met hetzelfde adres; deze zijn niet nogmaals gekopieerd:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Deze bladwijzers konden niet in %1 worden opgeslagen:
%2
De getoonde bladwijzers zijn die welke %1 bevat.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>De bladwijzers van %1 zijn opgeslagen in een vorm die dit programma niet kan schrijven. Ze worden getoond, maar kunnen niet worden gewijzigd.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Deze kopie zou mappen dieper in elkaar nesten dan %1 kan lezen. Er is niets gekopieerd.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Bladwijzers op de netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Bladwijzermappen op de netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Bladwijzers op deze computer</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Bladwijzermappen op deze computer</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Opnieuw proberen</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mijn OPALO™-netbook (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Naar de netbook kopiëren</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Naar deze computer kopiëren</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Dit bestand is al geopend door een andere toepassing. Het kan niet worden verwijderd.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Van de netbook verwijderen</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 is alleen-lezen: er kan niets op worden geschreven.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>De geselecteerde bestanden van uw OPALO-netbook naar uw computer kopiëren.
Ze blijven op uw OPALO-netbook staan.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Er is een fout opgetreden. De map kon niet worden gemaakt.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Map</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Muziek</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mijn computer (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mijn OPALO™-netbook (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Nieuwe map op de netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documenten</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Afbeeldingen</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Kan de gegevens niet naar %1 kopiëren.
Controleer of u de rechten hebt om deze bewerking uit te voeren.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>De geselecteerde bestanden van uw computer naar uw OPALO-netbook kopiëren.
Ze blijven op uw computer staan.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Bladwijzers</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Video's</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mijn computer</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Gebruik: OpaloSync [%1] [Qt-opties]
Wisselt afbeeldingen, muziek, video's en documenten uit tussen deze pc en een via USB aangesloten OPALO™-netbook.

Opties:
  %1    toont deze keer het tabblad Bladwijzers van het mediavenster
  --help       toont deze hulp en stopt
  --version    toont de versie en stopt

De eigen opties van Qt (-platform, -style, -reverse…) gelden zoals in elk Qt-programma.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n bestand kan niet naar %1 worden gekopieerd:</numerusform>
                <numerusform>%n bestanden kunnen niet naar %1 worden gekopieerd:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>%1 kan niet worden gekopieerd: %2 nodig en %3 heeft %4 vrij.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Ze hebben %1 nodig en %2 heeft %3 vrij: wat past wordt gekopieerd, de rest niet.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Kopiëren onder een &amp;veilige naam</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>De &amp;rest kopiëren</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Kopiëren wat &amp;past</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Er is een fout opgetreden tijdens het kopiëren.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Er is niet genoeg vrije ruimte op %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>De naam %1 is te lang voor %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>U mag %1 op %2 niet lezen.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>%1 kon niet van %2 worden gelezen: het medium is mogelijk defect.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 is alleen-lezen: er kan niets op worden geschreven.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 is te groot voor het bestandssysteem van %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Deze map bevat geen %1-bestanden.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Kan de gegevens niet naar %1 kopiëren.
Controleer of u de rechten hebt om deze bewerking uit te voeren.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>en nog %1</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 van %2 gekopieerd.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 van %2 gekopieerd; de rest niet.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n bestand is aangekomen met een waarschuwing:</numerusform>
                <numerusform>%n bestanden zijn aangekomen met een waarschuwing:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>gewijzigd tijdens het kopiëren</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>gekopieerd, datum niet behouden</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>de netbook is verwijderd</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>bestaat en is behouden</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>symbolische koppeling, niet gevolgd</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>inhoud kon niet worden weergegeven (leesfout)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>inhoud kon niet worden weergegeven (geen rechten)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>naam niet toegestaan</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>naam te lang</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>geen leesrechten</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>geen rechten</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>geen ruimte</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>leesfout</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>alleen-lezen</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>dezelfde naam als een ander bestand op hoofd- en kleine letters na, die de netbook niet onderscheidt</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>te groot</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>schrijffout</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 gelaten zoals ze waren, zoals gevraagd.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 gelaten zoals het was, zoals gevraagd.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n bestand gekopieerd</numerusform>
                <numerusform>%n bestanden gekopieerd</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n niet aangekomen</numerusform>
                <numerusform>%n niet aangekomen</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n al aanwezig</numerusform>
                <numerusform>%n al aanwezig</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>%1 (%2) naar %3 kopiëren?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>De geselecteerde bestanden naar %1 kopiëren?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Kopiëren naar %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 document</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 documenten</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 bestand</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 bestanden</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 afbeelding</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 afbeeldingen</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 nummer</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 nummers</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 video</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 video's</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>de map %1 van de netbook</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>de map ‘%1’ op de netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>de map %1 van deze computer</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>de map ‘%1’ op deze computer</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 bytes</translation>
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
            <translation>Bladwijzermenu</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Mobiele bladwijzers</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Bladwijzerwerkbalk</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Andere bladwijzers</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Gewijzigd</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Grootte</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Map</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Verbinding tot stand gebracht. De gegevens worden opgehaald…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Geen OPALO™-apparaat aangesloten</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Er is een fout opgetreden. Controleer of het apparaat goed is aangesloten en probeer het opnieuw.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Er is een fout opgetreden. Controleer of de SD-geheugenuitbreidingskaart niet tegen schrijven is beveiligd en probeer het opnieuw.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Zoeken naar een OPALO™-apparaat…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 bestanden</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 bestand</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, %2 geselecteerd (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, %2 geselecteerd</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Toepassingen</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Installeer of verwijder eenvoudig toepassingen op uw OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Back-up en herstel</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Maak eenvoudig een back-up van de gegevens van uw OPALO en zet ze terug.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimedia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Zet eenvoudig uw foto's, video's, muziek, documenten en internetfavorieten over naar of van uw OPALO.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Systeemupdate</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Beheer eenvoudig de besturingssysteemupdates van uw OPALO.</translation>
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
            <translation>Terug naar het hoofdmenu</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Klik om terug te gaan naar het hoofdmenu</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Verbinden</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Klik om verbinding te maken met uw OPALO™-netbook</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Verbonden met OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Verbonden met OPALO™, alleen-lezen</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Verbinden…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Verbindingsfout</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Geen OPALO™-apparaat gevonden</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ gevonden, niet verbonden: ‘Verbinden’ koppelt het aan</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Bestanden open (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Nog niet los te koppelen (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>OPALO™ kan worden losgekoppeld</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Gebruikte ruimte van de OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Verbreken</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Klik om de verbinding met uw OPALO™-netbook te verbreken</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Vrije ruimte</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Vrije ruimte: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Afbeeldingen %1, Muziek %2, Video %3, Overig %4, vrij %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Hoofdmenu</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Mediabestanden overzetten</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Muziek</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Opties</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Overig</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Afbeeldingen</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Totale ruimte van de OPALO: %1</translation>
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
            <translation>&amp;Annuleren</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Sluiten</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;Nee</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Nee op all&amp;es</translation>
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
            <translation>Opnieuw &amp;proberen</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Ja op a&amp;lles</translation>
        </message>
    </context>
    <context>
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>Kopiëren &amp;annuleren</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Het hele kopiëren stoppen; reeds gekopieerde bestanden blijven</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Al aanwezig</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Groter</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>Te kopiëren</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Nieuwer</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Afbeelding: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>Op de netbook: %1, gewijzigd op %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>Op deze computer: %1, gewijzigd op %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Hetzelfde doen voor alle overige bestanden</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Beide behouden</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Naast het aanwezige bestand kopiëren, onder een vrije naam met een nummer</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>Het bestand %1 bestaat al in de doelmap. Wat wilt u doen?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Vervangen</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Het aanwezige bestand vervangen door het te kopiëren bestand</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Overslaan</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Het aanwezige bestand behouden en dit niet kopiëren</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>%1 kon niet worden hernoemd: %2.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>De bestandsnaam %1 bestaat al!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Het bestand hernoemen</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuleren</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 van %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 van %2 met %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Kopiëren voltooid</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Voortgang van het kopiëren</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Bestanden kopiëren</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Geschatte resterende tijd: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Bestand %1 van %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Bezig met kopiëren…
Even geduld…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Map</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync vindt geen scherm om zijn venster op te openen: geen bruikbare X-server op DISPLAY en geen Wayland-scherm. Start het als uw eigen gebruiker vanuit uw bureaubladsessie (het heeft geen beheerdersrechten nodig); met sudo behoudt u het scherm van uw sessie met "sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR".</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync is door de superuser gestart in een KDE-sessie, waar het opnieuw moet starten via zijn hulpprogramma %1. Het hulpprogramma kon niet worden uitgevoerd (%2).
Installeer het programma opnieuw of start het als gewone gebruiker.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>%1 bestanden definitief verwijderen: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>%1 definitief verwijderen?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Kan de naam van het bestand %1 niet wijzigen.
Controleer of u de rechten hebt om deze bewerking uit te voeren.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Muziek</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>muziek</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documenten</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>document</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Afbeeldingen</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>afbeelding</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Video's</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>video</translation>
        </message>
    </context>
</TS>
