<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>%n bestand naar de prullenbak verplaatsen?</numerusform>
                <numerusform>%n bestanden naar de prullenbak verplaatsen?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Er is een fout opgetreden tijdens het kopiëren.</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;U kunt een map niet kopiëren over een map die haar bevat.&lt;/b&gt;
De te vervangen map bevat de bronmap.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuleren</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>‘%1’ wordt gekopieerd…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Bestanden kopiëren</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>‘%1’ wordt verplaatst…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Bestanden verplaatsen</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Items rangschikken</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Map doorbladeren</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Op wijzigingsdatum</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Op naam</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Op grootte</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>Op type</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Kopiëren</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Archief aanmaken...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Document aanmaken</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Map aanmaken</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Knippen</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Leeg bestand</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Versleutelen…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Hier uitpakken</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Koppeling maken</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Naar prullenbak verplaatsen</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>nieuw bestand</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Normale grootte</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Geen sjablonen geïnstalleerd</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Openen</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Openen met</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Openen met andere toepassing...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Plakken</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>In map plakken</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschappen</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Hernoemen...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Map delen…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Ondertekenen</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Inzoomen</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Uitzoomen</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Beschikbare toepassingen</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuleren</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Geïnstalleerde toepassingen</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>&amp;Openen</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>%1 en andere bestanden van het type %2 openen met:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Openen met andere toepassing...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Selecteer een toepassing om de beschrijving te zien.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Toegang:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Geopend:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Toestaan dit bestand als programma uit te voeren</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Algemeen</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Sluiten</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Uitvoeren:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Groep:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Locatie:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>MIME-type:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Gewijzigd:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Naam:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Geen</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>U bent niet de eigenaar en kunt deze toegangsrechten dus niet wijzigen.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Anderen</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Eigenaar:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Toegangsrechten</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschappen</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Alleen-lezen</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lezen en schrijven</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Grootte:</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Type:</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Geopend:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Bestanden openen</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Toestaan dit bestand als programma uit te voeren</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Toegangsrechten toepassen op ingesloten bestanden</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Algemeen</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Sluiten</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Inhoud:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Bestanden aanmaken en verwijderen</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Uitvoeren:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Bestandstoegang:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Maptoegang:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Vrije ruimte:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Groep:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Alleen bestanden tonen</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Locatie:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Gewijzigd:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Naam:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Geen</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>U bent niet de eigenaar en kunt deze toegangsrechten dus niet wijzigen.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Anderen</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Eigenaar:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Toegangsrechten</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschappen</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Alleen-lezen</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lezen en schrijven</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Volume:</translation>
        </message>
    </context>
</TS>
