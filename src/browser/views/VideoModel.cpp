// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/VideoModel.h"
#include "base/BrowserMode.h"
#include "base/Logger.h"
#include "base/MediaCategories.h"
#include "browser/views/CategoryFilterModel.h"
#include "browser/views/IconProvider.h"

#include <QDir>
#include <QIcon>

VideoModel::VideoModel(QObject *parent)
    : QFileSystemModel(parent)
    , m_worker(new ThumbLoaderWorker(this))
    , m_shown(new CategoryFilterModel(this, this))
{
    setIconProvider(IconProvider::shared());
    setFilter(QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::AllDirs | QDir::NoDotAndDotDot);
    setNameFilterDisables(false);
    setCategory(MovieMode);
    m_shown->sort(m_sortColumn, m_sortOrder);

    connect(m_worker, &ThumbLoaderWorker::importSucceeded, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::importFailed, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::sendIcon, this, &VideoModel::announceThumbnail);
    connect(m_worker, &ThumbLoaderWorker::updateIcons, this, &VideoModel::UpdateBucket);
    connect(this, &QAbstractItemModel::rowsInserted, this, &VideoModel::receivedRowsInserted);
    connect(m_shown, &QAbstractItemModel::rowsInserted, this, &VideoModel::requestShownThumbnails);
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, &VideoModel::receivedRowsAboutToBeRemoved);
    connect(this, &QAbstractItemModel::dataChanged, this, &VideoModel::refreshTree);
    connect(this, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (QDir::cleanPath(path) == QDir::cleanPath(rootPath()))
            m_firstListing = false;
    });
}

VideoModel::~VideoModel()
{
    // Views may still hold the filter; it lets go of this model first.
    delete m_shown;
    // Kills the helpers at work on the folder's files; never waits.
    delete m_worker;
}

void VideoModel::setCategory(int mode)
{
    if (mode < DocumentsMode || mode > MovieMode)
        return;
    m_mode = mode;
    m_shown->setNameFilters(MediaCategories::nameFilters(mode));
}

void VideoModel::setFolder(const QString &path)
{
    m_worker->stopProcess();
    setActive(QDir(path).exists());
    // Looking the folder up may add its row, or its parents', to the folder
    // shown so far: the tree has them already.
    m_firstListing = true;
    const QModelIndex known = index(path);
    m_firstListing = m_active && (!known.isValid() || rowCount(known) == 0);
    setRootPath(path);
    m_shownFolder = m_active ? index(rootPath()) : QModelIndex();
    // The filter reports rows coming in, which asks for their thumbnails,
    // only below folders it has mapped: whether a view has asked for the
    // folder yet or not.
    m_shown->mapFromSource(m_shownFolder);
    setReadOnly(false);
    requestFolderThumbnails();
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

QFileInfoList VideoModel::categoryFiles(const QModelIndex &parent, int first, int last) const
{
    QFileInfoList files;
    const FileNameMatcher &matcher = m_shown->matcher();
    for (int row = first; row <= last; ++row) {
        const QModelIndex entry = index(row, 0, parent);
        if (!isDir(entry) && matcher.matches(fileName(entry)))
            files.append(fileInfo(entry));
    }
    return files;
}

void VideoModel::requestFolderThumbnails()
{
    // The rows the model already holds; those it lists later arrive as
    // inserted rows. No listing of its own on the GUI thread.
    if (!m_active)
        return;
    const QModelIndex folder = index(rootPath());
    if (folder.isValid())
        m_worker->addFiles(categoryFiles(folder, 0, rowCount(folder) - 1), m_mode);
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

bool VideoModel::remove(const QModelIndex &index)
{
    return index.isValid() && QFileSystemModel::remove(index);
}

bool VideoModel::isShownFolder(const QModelIndex &parent) const
{
    return m_active && parent == index(rootPath());
}

int VideoModel::rowCount(const QModelIndex &parent) const
{
    return m_active ? QFileSystemModel::rowCount(parent) : 0;
}

int VideoModel::columnCount(const QModelIndex &parent) const
{
    return m_active ? QFileSystemModel::columnCount(parent) : 0;
}

bool VideoModel::hasChildren(const QModelIndex &parent) const
{
    return m_active && QFileSystemModel::hasChildren(parent);
}

bool VideoModel::canFetchMore(const QModelIndex &parent) const
{
    return isShownFolder(parent) && QFileSystemModel::canFetchMore(parent);
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
        // Made a pixmap of the same pixels, not a copy of them.
        const QPixmap pixmap
            = isDir(index) ? QPixmap() : QPixmap::fromImage(m_worker->thumbnail(filePath(index)));
        if (!pixmap.isNull())
            return QIcon(pixmap);
        return QFileSystemModel::data(index, role);
    }
    default:
        return QFileSystemModel::data(index, role);
    }
}

void VideoModel::sort(int column, Qt::SortOrder order)
{
    // The base model calls this after every batch of files it gathers, with
    // the column last asked for, to sort its whole folder again: the shown
    // files are kept in order as they arrive instead.
    if (column == m_sortColumn && order == m_sortOrder)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    // Once, so that the base asks with the new column from now on.
    QFileSystemModel::sort(column, order);
    m_shown->sort(column, order);
}

void VideoModel::thumbsLoaded()
{
    Logger::instance()->log("thumbsLoaded emiting layoutChanged");
}

void VideoModel::UpdateBucket()
{
    Logger::instance()->log("UpdateBucket emiting layoutChanged");
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
    // The others are asked for as the list takes their rows in.
    if (!m_thumbnailsEnabled) {
        QStringList arriving;
        const QFileInfoList files = categoryFiles(parent, start, end);
        for (const QFileInfo &file : files)
            arriving.append(file.absoluteFilePath());
        m_worker->addArrivingFiles(arriving);
    }
    // The folders of a first listing are those the tree has just listed.
    if (m_firstListing)
        return;
    for (int row = start; row <= end; ++row) {
        if (isDir(index(row, 0, parent))) {
            emit refresh();
            return;
        }
    }
}

void VideoModel::requestShownThumbnails(const QModelIndex &shownParent, int first, int last)
{
    // A large folder comes into the list a part at a time: asking for all
    // of its files as the file model lists them held the window.
    if (!m_thumbnailsEnabled || !m_shownFolder.isValid()
        || m_shown->mapToSource(shownParent) != m_shownFolder)
        return;
    QFileInfoList files;
    for (int row = first; row <= last; ++row) {
        const QModelIndex entry = m_shown->mapToSource(m_shown->index(row, 0, shownParent));
        if (!isDir(entry))
            files.append(fileInfo(entry));
    }
    m_worker->addFiles(files, m_mode);
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
