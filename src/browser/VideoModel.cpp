// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/VideoModel.h"
#include "app/Logger.h"
#include "browser/BrowserMode.h"
#include "browser/CategoryFilterModel.h"
#include "browser/IconProvider.h"
#include "browser/ThumbLoaderWorker.h"
#include "engine/TL09Engine.h"

#include <QDir>
#include <QIcon>

namespace {

constexpr int stopTimeoutMs = 3000;

} // namespace

VideoModel::VideoModel(QObject *parent)
    : QFileSystemModel(parent)
    , m_worker(new ThumbLoaderWorker(this))
    , m_shown(new CategoryFilterModel(this, this))
{
    setIconProvider(IconProvider::shared());
    setFilter(QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::AllDirs | QDir::NoDotAndDotDot);
    setNameFilterDisables(false);
    setCategory(MovieMode);

    connect(m_worker, &ThumbLoaderWorker::importSucceeded, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::importFailed, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &QThread::finished, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::sendIcon, this, &VideoModel::addIcon);
    connect(m_worker, &ThumbLoaderWorker::updateIcons, this, &VideoModel::UpdateBucket);
    connect(this, &QAbstractItemModel::rowsInserted, this, &VideoModel::receivedRowsInserted);
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
    stopWorker();
    // Joins the thread before the caches go.
    delete m_worker;
}

void VideoModel::setCategory(int mode)
{
    if (mode < DocumentsMode || mode > MovieMode)
        return;
    m_mode = mode;
    m_shown->setNameFilters(TL09Engine::categoryNameFilters(mode));
}

void VideoModel::setFolder(const QString &path)
{
    stopWorker();
    clearThumbnails();
    setActive(QDir(path).exists());
    const QModelIndex known = index(path);
    m_firstListing = m_active && (!known.isValid() || rowCount(known) == 0);
    setRootPath(path);
    setReadOnly(false);
    requestFolderThumbnails();
}

void VideoModel::restartThumbnails()
{
    stopWorker();
    clearThumbnails();
    requestFolderThumbnails();
}

void VideoModel::queueFiles(const QFileInfoList &files)
{
    requestThumbnails(files);
}

void VideoModel::stopWorker()
{
    if (!m_worker->isRunning())
        return;
    m_worker->stopProcess();
    m_worker->wait(stopTimeoutMs);
}

void VideoModel::clearThumbnails()
{
    m_icons.clear();
    m_awaited.clear();
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

void VideoModel::requestThumbnails(const QFileInfoList &files)
{
    QFileInfoList wanted;
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        if (!m_awaited.contains(path)) {
            m_awaited.insert(path);
            wanted.append(file);
        }
    }
    if (!wanted.isEmpty())
        m_worker->addFiles(wanted, m_mode);
}

void VideoModel::requestFolderThumbnails()
{
    // The rows the model already holds; those it lists later arrive as
    // inserted rows. No listing of its own on the GUI thread.
    if (!m_active)
        return;
    const QModelIndex folder = index(rootPath());
    if (folder.isValid())
        requestThumbnails(categoryFiles(folder, 0, rowCount(folder) - 1));
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
        const QPixmap pixmap = isDir(index) ? QPixmap() : m_icons.value(filePath(index));
        if (!pixmap.isNull())
            return QIcon(pixmap);
        return QFileSystemModel::data(index, role);
    }
    default:
        return QFileSystemModel::data(index, role);
    }
}

void VideoModel::thumbsLoaded()
{
    Logger::instance()->log("thumbsLoaded emiting layoutChanged");
}

void VideoModel::UpdateBucket()
{
    Logger::instance()->log("UpdateBucket emiting layoutChanged");
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void VideoModel::addIcon(const QString &path, const QImage &image)
{
    // An icon made just before a stop may still arrive for a folder or a
    // category that is no longer shown.
    if (!m_awaited.contains(path))
        return;
    m_icons.insert(path, QPixmap::fromImage(image));
    const QModelIndex shown = index(path);
    if (shown.isValid())
        emit dataChanged(shown, shown, { Qt::DecorationRole });
}

void VideoModel::receivedRowsInserted(const QModelIndex &parent, int start, int end)
{
    if (!m_thumbnailsEnabled || !isShownFolder(parent))
        return;
    requestThumbnails(categoryFiles(parent, start, end));
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

void VideoModel::receivedRowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (!isShownFolder(parent))
        return;
    for (int row = start; row <= end; ++row) {
        const QString path = filePath(index(row, 0, parent));
        m_icons.remove(path);
        m_awaited.remove(path);
    }
    emit refresh();
}

void VideoModel::refreshTree(const QModelIndex &topLeft, const QModelIndex &)
{
    if (topLeft.isValid() && isDir(topLeft))
        emit refresh();
}
