<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>%n Datei in den Papierkorb verschieben?</numerusform>
                <numerusform>%n Dateien in den Papierkorb verschieben?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Beim Kopieren ist ein Fehler aufgetreten.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Ein Fehler ist aufgetreten. Der Ordner konnte nicht erstellt werden.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Beim Löschen von %1 ist ein Fehler aufgetreten.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Auf %1 ist nicht genügend freier Speicherplatz vorhanden.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Verknüpfung mit </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Die Daten konnten nicht nach %1 kopiert werden.
Stellen Sie sicher, dass Sie die Rechte für diesen Vorgang besitzen.</translation>
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
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>Die Datei %1 ist im Zielordner bereits vorhanden. Möchten Sie sie überschreiben?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;Ein Ordner kann nicht in sich selbst kopiert werden.&lt;/b&gt;
Der Zielordner befindet sich im Quellordner.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;Sie können einen Ordner nicht über einen Ordner kopieren, der ihn enthält.&lt;/b&gt;
Der zu ersetzende Ordner enthält den Quellordner.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>„%1“ wird kopiert …</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Dateien werden kopiert</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>„%1“ wird verschoben …</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Dateien werden verschoben</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Objekte anordnen</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Ordner durchsuchen</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Nach Änderungsdatum</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Nach Name</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Nach Größe</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>Nach Typ</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Archiv erstellen...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Dokument anlegen</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Ordner anlegen</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Ausschneiden</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Leere Datei</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Verschlüsseln…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Hier entpacken</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Verknüpfung anlegen</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>In den Papierkorb verschieben</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>neue Datei</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Normale Größe</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Keine Vorlagen installiert</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Öffnen mit</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Mit anderer Anwendung öffnen...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>In den Ordner einfügen</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Umbenennen...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Ordner freigeben…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Signieren</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Vergrößern</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Verkleinern</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Verfügbare Anwendungen</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Installierte Anwendungen</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Ö&amp;ffnen</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>%1 und andere Dateien vom Typ %2 öffnen mit:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Mit anderer Anwendung öffnen...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Wählen Sie eine Anwendung, um ihre Beschreibung anzuzeigen.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Zugriff:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Letzter Zugriff:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Datei als Programm ausführen</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Ausführen:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Gruppe:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Ort:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>MIME-Typ:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Geändert:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Sie sind nicht der Besitzer und können diese Zugriffsrechte daher nicht ändern.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Andere</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Besitzer:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Zugriffsrechte</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Nur lesen</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lesen und schreiben</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Typ:</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Letzter Zugriff:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Auf Dateien zugreifen</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Datei als Programm ausführen</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>Zugriffsrechte auf enthaltene Dateien &amp;anwenden</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Inhalt:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Dateien erstellen und löschen</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Ausführen:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Dateizugriff:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Ordnerzugriff:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Freier Speicher:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Gruppe:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Nur Dateien auflisten</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Ort:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Geändert:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Sie sind nicht der Besitzer und können diese Zugriffsrechte daher nicht ändern.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Andere</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Besitzer:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Zugriffsrechte</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Nur lesen</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lesen und schreiben</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Typ:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Datenträger:</translation>
        </message>
    </context>
</TS>
