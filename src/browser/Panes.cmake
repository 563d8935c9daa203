# SPDX-License-Identifier: GPL-2.0-or-later
target_sources(OpaloSyncCore PRIVATE
    BaseFrame.cpp BaseFrameMenu.cpp BaseFrame.h
    Browser.cpp BrowserBookmarks.cpp BrowserCopy.cpp Browser.h
    CopyReport.cpp CopyReport.h
    ExternalDeviceFrame.cpp ExternalDeviceFrame.h
    HostFrame.cpp HostFrame.h
    ListShortcuts.cpp ListShortcuts.h
    RenameThread.cpp RenameThread.h
    ShellPlugin.cpp ShellPlugin.h
    VerifyPasteDone.cpp VerifyPasteDone.h)
