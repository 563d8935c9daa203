<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Are you sure you want to delete this (these) file(s)?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>An error occurred while copying the file(s).</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>An error occurred. The folder could not be created.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>An error occurred while deleting %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>There is not enough free space on %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Folder</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Link To </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Failed to copy data to %1.
Please make sure you have the rights to perform this operation.</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>No to all</translation>
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
            <translation>Yes</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Yes to all</translation>
        </message>
    </context>
    <context>
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>The file %1 already exists in the destination folder. Do you want to overwrite it?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;You cannot copy a folder into itself.&lt;/b&gt;
The destination folder is inside the source folder.</translation>
        </message>
    </context>
</TS>
