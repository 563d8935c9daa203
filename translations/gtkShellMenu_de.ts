<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Möchten Sie diese Datei(en) wirklich löschen?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Beim Kopieren der Datei(en) ist ein Fehler aufgetreten.</translation>
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
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>Nein</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Nein, keine</translation>
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
            <translation>Ja, alle</translation>
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
    </context>
</TS>
