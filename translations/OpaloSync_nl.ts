<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
            <translation>Beheer eenvoudig de besturingssysteemupdates van uw OPALO.</translation>
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
            <translation>Installeer of verwijder eenvoudig toepassingen op uw OPALO.</translation>
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
            <source>IDS_CX_STATUS</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_MEM</source>
            <translation>Gebruikte ruimte van de OPALO: %1 GB (%2 %)</translation>
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
            <source>IDS_TOTAL_DEVICE_MEM</source>
            <translation>Totale ruimte van de OPALO: %1 GB</translation>
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
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>Nee</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Nee op alles</translation>
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
            <translation>Ja</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Ja op alles</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Geschatte resterende tijd: %1</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>De geselecteerde bestanden worden gekopieerd…
Even geduld…</translation>
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
