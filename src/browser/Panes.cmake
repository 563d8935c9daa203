# SPDX-License-Identifier: GPL-2.0-or-later
target_sources(OpaloSyncCore PRIVATE
    BaseFrame.cpp BaseFrame.h
    Browser.cpp BrowserCopy.cpp Browser.h
    CopyReport.cpp CopyReport.h
    ExternalDeviceFrame.cpp ExternalDeviceFrame.h
    HostFrame.cpp HostFrame.h)
