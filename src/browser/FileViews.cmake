# SPDX-License-Identifier: GPL-2.0-or-later
target_sources(OpaloSyncCore PRIVATE
    BrowserTreeModel.cpp BrowserTreeModel.h
    BrowserTreeView.h
    CategoryFilterModel.cpp CategoryFilterModel.h
    FileListImporter.cpp FileListImporter.h
    IconProvider.h
    PrettyItemDelegate.cpp PrettyItemDelegate.h
    QNodeItem.cpp QNodeItem.h
    QVideoList.cpp QVideoList.h
    SubFolderProber.cpp SubFolderProber.h
    SubFolderReader.cpp SubFolderReader.h
    VideoModel.cpp VideoModel.h)
