<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>This file is already opened by another application. Unable to delete it.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Files on the netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Folders on the netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Folder</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Files on this computer</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Folders on this computer</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>KDE 4.x or higher is required in order to use this function</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Show details (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Show as icons (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 is already in use in another session.
Please close the other session and click on "Try again".</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>The folder already holds a bookmark of the same address; these were not copied again:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>These bookmarks could not be written to %1:
%2
The bookmarks shown are those that %1 holds.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>The bookmarks of %1 are kept in a form that this program cannot write. They are shown, but nothing can be changed there.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>This copy would nest folders deeper than %1 can read. Nothing was copied.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Bookmarks on the netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Bookmark folders on the netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Bookmarks on this computer</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Bookmark folders on this computer</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Try again</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>My OPALO™ netbook (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Copy to the netbook</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Copy to this computer</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>This file is already opened by another application. Unable to delete it.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Delete from the netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 is read-only: nothing can be written to it.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Copy the selected files from your OPALO netbook to your computer.
They stay on your OPALO netbook.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>An error occurred. The folder could not be created.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Folder</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Music</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>My computer (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>My OPALO™ netbook (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>New folder on the netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Pictures</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Failed to copy data to %1.
Please make sure you have the rights to perform this operation.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Copy the selected files from your computer to your OPALO netbook.
They stay on your computer.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Bookmarks</translation>
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
            <translation>My computer</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Usage: OpaloSync [%1] [Qt options]
Exchanges pictures, music, videos and documents between this PC and an OPALO™ netbook plugged in by USB.

Options:
  %1  show the media window's Bookmarks tab in this run
  --help       show this help and exit
  --version    show the version and exit

Qt's own options (-platform, -style, -reverse…) apply as in every Qt program.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n file cannot be copied to %1:</numerusform>
                <numerusform>%n files cannot be copied to %1:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>%1 cannot be copied: %2 needed, and %3 has %4 free.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>They need %1, and %2 has %3 free: what fits will be copied, the rest will not.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Copy under a &amp;safe name</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Copy the &amp;rest</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Copy what &amp;fits</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>An error occurred while copying.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>There is not enough free space on %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>The name %1 is too long for %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>You may not read %1 on %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>%1 could not be read from %2: the medium may be failing.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 is read-only: nothing can be written to it.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 is too large for the file system of %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>This directory does not contain any %1 files.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Failed to copy data to %1.
Please make sure you have the rights to perform this operation.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>and %1 more</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 of %2 copied.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 of %2 copied; the rest were not.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n file arrived with a warning:</numerusform>
                <numerusform>%n files arrived with a warning:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>changed while being copied</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>copied, date not kept</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>the netbook was removed</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>exists and kept</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>symbolic link, not followed</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>its content could not be listed (read error)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>its content could not be listed (no rights)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>name not allowed</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>name too long</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>no rights to read it</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>no rights</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>no space</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>read error</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>read-only</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>the same name as another file but for upper and lower case, which the netbook does not tell apart</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>too large</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>write error</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 kept as they were, as you asked.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 kept as it was, as you asked.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n file copied</numerusform>
                <numerusform>%n files copied</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n did not arrive</numerusform>
                <numerusform>%n did not arrive</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n already there</numerusform>
                <numerusform>%n already there</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>Copy %1 (%2) to %3?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Copy the selected files to %1?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Copying to %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 document</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 documents</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 file</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 files</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 picture</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 pictures</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 song</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 songs</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 video</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 videos</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>the netbook's %1 folder</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>the folder “%1” on the netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>this computer's %1 folder</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>the folder “%1” on this computer</translation>
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
            <translation>Bookmarks Menu</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Mobile Bookmarks</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Bookmarks Toolbar</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Other Bookmarks</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Date modified</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Folder</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Connection complete. Retrieving the information…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>No OPALO™ device connected</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>An error occurred. Please check that the device is properly connected and try again.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>An error occurred. Please make sure that the memory extension SD Card is not write-protected and try again.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Searching for an OPALO™ device…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 files</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 file</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, %2 selected (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, %2 selected</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Applications</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Easily install or uninstall applications on your OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Backup and restore</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Easily back up and restore the data of your OPALO.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimedia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Easily transfer your photos, videos, music, documents and your Internet Favorites to or from your OPALO.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>System update</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Easily manage operating system updates for your OPALO.</translation>
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
            <translation>Back to main menu</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Click to return to the main menu</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Click to connect to your OPALO™ netbook</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Connected to OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Connected to OPALO™, read-only</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Connecting…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Connection error</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>No OPALO™ device detected</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ found, not connected: Connect mounts it</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Files in use (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Not ready to unplug (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>OPALO™ can be unplugged</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>OPALO space used: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Disconnect</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Click to disconnect from your OPALO™ netbook</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Free space</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Free space: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Pictures %1, Music %2, Video %3, Other %4, free %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Main menu</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Transfer media files</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Music</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Other</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Pictures</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>OPALO total space: %1</translation>
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
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>&amp;Cancel copy</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Stop the whole copy; the files already copied stay</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Already there</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Larger</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>To be copied</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Newer</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Picture: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>On the netbook: %1, modified %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>On this computer: %1, modified %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Do the same for all remaining files</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Keep both</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Copy it beside the file already there, under a free name with a number</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>The file %1 already exists in the destination folder. What would you like to do?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Replace</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Replace the file already there with the one being copied</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Skip</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Keep the file already there and do not copy this one</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>%1 could not be renamed: %2.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>The file name %1 already exists!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Rename the file</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancel</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 of %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 of %2 at %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Copy finished</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Copy progress</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Copying files</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Estimated time remaining: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>File %1 of %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Copying…
Please wait…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Folder</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync finds no screen to open its window on: no X server it may use at DISPLAY, and no Wayland display. Start it as your own user from your desktop session (it needs no super-user rights); under sudo, keep your session's display with "sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR".</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync was started by the super-user in a KDE session, where it must start again through its helper %1. The helper could not be run (%2).
Install the program again, or start it as an ordinary user.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>Delete %1 files permanently: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>Delete %1 permanently?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Failed to rename the file %1.
Please make sure you have the rights to perform this operation.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Music</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>music</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>document</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Pictures</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>image</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Videos</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>video</translation>
        </message>
    </context>
</TS>
