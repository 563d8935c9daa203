// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/VideoModel.h"
#include "base/BrowserMode.h"
#include "base/MediaCategories.h"

#include <QDir>
#include <QIcon>

VideoModel::VideoModel(QObject *parent)
    : FolderListModel(parent)
    , m_worker(new ThumbLoaderWorker(this))
{
    setCategory(MovieMode);

    connect(m_worker, &ThumbLoaderWorker::sendIcon, this, &VideoModel::announceThumbnail);
    connect(this, &QAbstractItemModel::rowsInserted, this, &VideoModel::receivedRowsInserted);
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, &VideoModel::receivedRowsAboutToBeRemoved);
    connect(this, &QAbstractItemModel::dataChanged, this, &VideoModel::refreshTree);
    connect(this, &FolderListModel::fileChanged, this, [this](const QModelIndex &index) {
        // Its thumbnail is of the file as it was.
        m_worker->forget(filePath(index));
        askForThumbnails({ fileInfo(index) });
    });
}

VideoModel::~VideoModel()
{
    // Kills the helpers at work on the folder's files; never waits.
    delete m_worker;
}

void VideoModel::setCategory(int mode)
{
    if (mode < DocumentsMode || mode > MovieMode)
        return;
    m_mode = mode;
    setNameFilters(MediaCategories::nameFilters(mode));
}

void VideoModel::setFolder(const QString &path)
{
    m_worker->stopProcess();
    setActive(QDir(path).exists());
    setRootPath(path);
    setReadOnly(!m_writable);
    requestFolderThumbnails();
}

void VideoModel::setWritable(bool writable)
{
    m_writable = writable;
    setReadOnly(!writable);
}

void VideoModel::restartThumbnails()
{
    m_worker->stopProcess();
    requestFolderThumbnails();
}

void VideoModel::queueFiles(const QFileInfoList &files)
{
    m_worker->addFiles(files, m_mode);
}

void VideoModel::setVisibleFiles(const QStringList &paths)
{
    m_worker->setVisibleFiles(paths);
}

void VideoModel::setThumbnailMemoryLimit(qint64 bytes)
{
    m_worker->setMemoryLimit(bytes);
}

void VideoModel::setThumbnailsEnabled(bool enabled)
{
    m_thumbnailsEnabled = enabled;
    if (enabled)
        m_worker->releaseArrivingFiles();
}

QFileInfoList VideoModel::categoryFiles(int first, int last) const
{
    QFileInfoList files;
    for (int row = first; row <= last; ++row) {
        const QModelIndex entry = index(row, 0);
        if (!isDir(entry))
            files.append(fileInfo(entry));
    }
    return files;
}

void VideoModel::requestFolderThumbnails()
{
    // The rows the model already holds; those it lists later arrive as
    // inserted rows. No listing of its own on the GUI thread.
    if (m_active)
        m_worker->addFiles(categoryFiles(0, rowCount() - 1), m_mode);
}

void VideoModel::setActive(bool active)
{
    if (active == m_active)
        return;
    // Every row appears or vanishes at once.
    beginResetModel();
    m_active = active;
    endResetModel();
}

bool VideoModel::isShownFolder(const QModelIndex &parent) const
{
    return m_active && !parent.isValid();
}

int VideoModel::rowCount(const QModelIndex &parent) const
{
    return m_active ? FolderListModel::rowCount(parent) : 0;
}

int VideoModel::columnCount(const QModelIndex &parent) const
{
    return m_active ? FolderListModel::columnCount(parent) : 0;
}

bool VideoModel::hasChildren(const QModelIndex &parent) const
{
    return m_active && FolderListModel::hasChildren(parent);
}

QVariant VideoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::ToolTipRole:
        return filePath(index);
    case DirectoryRole:
        return isDir(index);
    case Qt::DecorationRole: {
        if (index.column() != NameColumn)
            return QVariant();
        // Made a pixmap of the same pixels, not a copy of them.
        const QPixmap pixmap
            = isDir(index) ? QPixmap() : QPixmap::fromImage(m_worker->thumbnail(filePath(index)));
        if (!pixmap.isNull())
            return QIcon(pixmap);
        return FolderListModel::data(index, role);
    }
    default:
        return FolderListModel::data(index, role);
    }
}

void VideoModel::addIcon(const QString &path, const QImage &image)
{
    m_worker->setIcon(path, image);
}

void VideoModel::announceThumbnail(const QString &path)
{
    const QModelIndex shown = index(path);
    if (shown.isValid())
        emit dataChanged(shown, shown, { Qt::DecorationRole });
}

void VideoModel::receivedRowsInserted(const QModelIndex &parent, int start, int end)
{
    if (!isShownFolder(parent))
        return;
    // A large folder comes in a slice at a time: its files are asked for
    // as their rows come.
    askForThumbnails(categoryFiles(start, end));
    // The folders of a listing are those the tree lists itself; only one
    // that came since is news to it.
    if (revealingRows())
        return;
    for (int row = start; row <= end; ++row) {
        if (isDir(index(row, 0, parent))) {
            emit refresh();
            return;
        }
    }
}

void VideoModel::askForThumbnails(const QFileInfoList &files)
{
    if (m_thumbnailsEnabled) {
        m_worker->addFiles(files, m_mode);
        return;
    }
    QStringList arriving;
    for (const QFileInfo &file : files)
        arriving.append(file.absoluteFilePath());
    m_worker->addArrivingFiles(arriving);
}

void VideoModel::receivedRowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (!isShownFolder(parent))
        return;
    for (int row = start; row <= end; ++row)
        m_worker->forget(filePath(index(row, 0, parent)));
    emit refresh();
}

void VideoModel::refreshTree(const QModelIndex &topLeft, const QModelIndex &)
{
    if (topLeft.isValid() && isDir(topLeft))
        emit refresh();
}
