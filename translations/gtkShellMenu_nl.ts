<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Weet u zeker dat u dit (deze) bestand(en) wilt verwijderen?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Er is een fout opgetreden bij het kopiëren van de bestand(en).</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Er is een fout opgetreden. De map kon niet worden gemaakt.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Er is een fout opgetreden bij het verwijderen van %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Er is niet genoeg vrije ruimte op %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Map</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Koppeling naar </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Kan de gegevens niet naar %1 kopiëren.
Controleer of u de rechten hebt om deze bewerking uit te voeren.</translation>
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
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>Het bestand %1 bestaat al in de doelmap. Wilt u het overschrijven?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;U kunt een map niet naar zichzelf kopiëren.&lt;/b&gt;
De doelmap bevindt zich in de bronmap.</translation>
        </message>
    </context>
</TS>
