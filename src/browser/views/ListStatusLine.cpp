// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/ListStatusLine.h"

#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "widgets/DataSize.h"

#include <QLocale>

ListStatusLine::ListStatusLine(QVideoList *list, QWidget *parent)
    : QLabel(parent)
    , m_list(list)
{
    setObjectName(QStringLiteral("_listStatusLabel"));
    setIndent(4);
    // A long line is cut rather than widening the pane.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &ListStatusLine::count);
    watch();
    refresh();
}

QString ListStatusLine::describe(int files, int selected, int selectedFiles, quint64 selectedBytes)
{
    const QString shown
        = files == 1 ? tr("IDS_LIST_ONE_FILE") : tr("IDS_LIST_FILES").arg(QLocale().toString(files));
    if (selected == 0)
        return shown;
    if (selectedFiles == 0)
        return tr("IDS_LIST_SELECTED_FOLDERS").arg(shown, QLocale().toString(selected));
    return tr("IDS_LIST_SELECTED").arg(shown, QLocale().toString(selected), DataSize::text(selectedBytes));
}

void ListStatusLine::refresh()
{
    m_pending.start();
}

void ListStatusLine::watch()
{
    const QAbstractItemModel *shown = m_list->model();
    for (const auto signal : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved })
        connect(shown, signal, this, &ListStatusLine::refresh);
    connect(shown, &QAbstractItemModel::modelReset, this, &ListStatusLine::refresh);
    connect(shown, &QAbstractItemModel::layoutChanged, this, &ListStatusLine::refresh);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListStatusLine::refresh);
}

void ListStatusLine::count()
{
    const VideoModel *files = m_list ? m_list->fileModel() : nullptr;
    if (!files)
        return;
    const QModelIndex root = m_list->rootIndex();
    const int fileCount = files->shownFileCount();
    int selected = 0;
    int selectedFiles = 0;
    quint64 bytes = 0;
    const QModelIndexList indexes = m_list->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : indexes) {
        if (index.column() != 0 || index.parent() != root)
            continue;
        ++selected;
        if (index.data(VideoModel::DirectoryRole).toBool())
            continue;
        ++selectedFiles;
        bytes += quint64(files->size(index));
    }
    setText(describe(fileCount, selected, selectedFiles, bytes));
}
