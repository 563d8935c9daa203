# SPDX-License-Identifier: GPL-2.0-or-later
target_sources(OpaloSyncCore PRIVATE
    BrowserTreeModel.cpp BrowserTreeModel.h
    BrowserTreeView.h
    IconProvider.h
    PrettyItemDelegate.cpp PrettyItemDelegate.h
    QNodeItem.cpp QNodeItem.h
    QVideoList.cpp QVideoList.h
    VideoModel.cpp VideoModel.h)
