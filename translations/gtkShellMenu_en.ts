<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>Move %n file to the trash?</numerusform>
                <numerusform>Move %n files to the trash?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>An error occurred while copying.</translation>
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
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;lose</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>No &amp;to all</translation>
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
            <translation>&amp;Retry</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Yes</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Yes to &amp;all</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;You cannot copy a folder over one that contains it.&lt;/b&gt;
The folder to be replaced holds the source folder.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>Copying "%1"…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Copying Files</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>Moving "%1"…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Moving Files</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Arrange Items</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Browse Folder</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>By Modification Date</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>By Name</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>By Size</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>By Type</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Create Archive...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Create Document</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Create Folder</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Cut</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Empty File</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Encrypt…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Extract Here</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Make Link</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Move to Trash</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>new file</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Normal Size</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>No templates installed</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Open With</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Open With Other Application...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Paste</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Paste Into Folder</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Properties</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Rename...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Share Folder…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Sign</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Zoom In</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Zoom Out</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Available Applications</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Installed Applications</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>&amp;Open</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Open %1 and other files of type %2 with:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Open With Other Application...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Select an application to view its description.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Access:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Accessed:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Allow executing file as program</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Basic</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;lose</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Execute:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Group:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Location:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>Mime Type:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modified:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>None</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>You are not the owner, so you can't change these permissions.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Others</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Owner:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissions</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Properties</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Read-only</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Read and write</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Size:</translation>
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
            <translation>Accessed:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Access files</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Allow executing file as program</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Apply permissions to enclosed files</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Basic</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;lose</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Contents:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Create and delete files</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Execute:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>File Access:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Folder Access:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Free Space:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Group:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>List files only</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Location:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modified:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>None</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>You are not the owner, so you can't change these permissions.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Others</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Owner:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissions</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Properties</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Read-only</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Read and write</translation>
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
