// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/VideoModel.h"
#include "base/BrowserMode.h"
#include "base/Logger.h"
#include "base/MediaCategories.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

#include <QDateTime>
#include <QDir>
#include <QIcon>
#include <QTimer>

namespace {

// How often files arriving during a copy are looked at: one that kept its
// size and time over a whole period is taken as complete.
constexpr int arrivalCheckMs = 400;

} // namespace

VideoModel::VideoModel(QObject *parent)
    : FolderListModel(parent)
    , m_thumbnails(defaultThumbnailMemory)
    , m_arrivalCheck(new QTimer(this))
    , m_worker(new ThumbLoaderWorker(this))
{
    m_arrivalCheck->setInterval(arrivalCheckMs);
    connect(m_arrivalCheck, &QTimer::timeout, this, [this] { requestArrivals(true); });
    setCategory(MovieMode);

    connect(m_worker, &ThumbLoaderWorker::importSucceeded, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::importFailed, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &QThread::finished, this, &VideoModel::thumbsLoaded);
    connect(m_worker, &ThumbLoaderWorker::sendIcon, this, &VideoModel::addIcon);
    connect(m_worker, &ThumbLoaderWorker::updateIcons, this, &VideoModel::UpdateBucket);
    connect(this, &QAbstractItemModel::rowsInserted, this, &VideoModel::receivedRowsInserted);
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, &VideoModel::receivedRowsAboutToBeRemoved);
    connect(this, &QAbstractItemModel::dataChanged, this, &VideoModel::refreshTree);
}

VideoModel::~VideoModel()
{
    stopWorker();
    // Joins the thread, which only finishes the file in hand, before the
    // caches go.
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
    stopWorker();
    clearThumbnails();
    setActive(QDir(path).exists());
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

void VideoModel::setVisibleFiles(const QStringList &paths)
{
    if (paths == m_inView)
        return;
    m_inView = paths;
    m_viewReports = true;
    m_thumbnails.setInView(QSet<QString>(paths.cbegin(), paths.cend()));
    QStringList wanted;
    for (const QString &path : paths) {
        // It may have come since the view painted it.
        if (m_unannounced.remove(path))
            announceThumbnail(path);
        if (m_thumbnails.peek(path).isNull() && !m_arrivals.contains(path)) {
            m_awaited.insert(path);
            wanted.append(path);
        }
    }
    if (!wanted.isEmpty())
        m_worker->addVisibleFiles(wanted);
}

void VideoModel::setThumbnailMemoryLimit(qint64 bytes)
{
    m_thumbnails.setMaxBytes(bytes);
}

void VideoModel::setThumbnailsEnabled(bool enabled)
{
    m_thumbnailsEnabled = enabled;
    if (enabled)
        requestArrivals(false);
}

void VideoModel::requestArrivals(bool onlySettled)
{
    QFileInfoList settled;
    for (auto arrival = m_arrivals.begin(); arrival != m_arrivals.end();) {
        const QFileInfo file(arrival.key());
        const Growth now { file.size(), file.lastModified().toMSecsSinceEpoch() };
        const bool grown = now.size != arrival->size || now.mtime != arrival->mtime;
        if (onlySettled && (grown || now.size <= 0)) {
            *arrival = now;
            ++arrival;
            continue;
        }
        if (file.exists())
            settled.append(file);
        arrival = m_arrivals.erase(arrival);
    }
    if (m_arrivals.isEmpty())
        m_arrivalCheck->stop();
    requestThumbnails(settled);
    QStringList inView;
    for (const QFileInfo &file : qAsConst(settled)) {
        if (m_inView.contains(file.absoluteFilePath()))
            inView.append(file.absoluteFilePath());
    }
    if (!inView.isEmpty())
        m_worker->addVisibleFiles(inView);
}

void VideoModel::stopWorker()
{
    // Never waits: what the worker has in hand is dropped when it is done.
    m_worker->stopProcess();
}

void VideoModel::clearThumbnails()
{
    m_thumbnails.clear();
    m_unannounced.clear();
    m_awaited.clear();
    m_arrivals.clear();
    m_arrivalCheck->stop();
    m_inView.clear();
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
    if (m_active)
        requestThumbnails(categoryFiles(0, rowCount() - 1));
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
        const QPixmap pixmap = isDir(index) ? QPixmap() : m_thumbnails.peek(filePath(index));
        if (!pixmap.isNull())
            return QIcon(pixmap);
        return FolderListModel::data(index, role);
    }
    default:
        return FolderListModel::data(index, role);
    }
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
    // An icon made just before a stop may still arrive for a folder or a
    // category that is no longer shown.
    if (!m_awaited.remove(path))
        return;
    // Those dropped to make room are out of view; their rows come back
    // with the file icon until they are made again.
    const QStringList dropped = m_thumbnails.insert(path, QPixmap::fromImage(image));
    for (const QString &gone : dropped)
        m_unannounced.remove(gone);
    // Finding a row by its path goes through the whole folder: once a view
    // reports what it shows, only those rows are told; the others show the
    // thumbnail whenever they are painted.
    if (m_viewReports && !m_thumbnails.isInView(path))
        m_unannounced.insert(path);
    else
        announceThumbnail(path);
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
    const QFileInfoList files = categoryFiles(start, end);
    if (m_thumbnailsEnabled) {
        requestThumbnails(files);
    } else {
        for (const QFileInfo &file : files)
            m_arrivals.insert(file.absoluteFilePath(), Growth());
        if (!m_arrivals.isEmpty())
            m_arrivalCheck->start();
    }
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

void VideoModel::receivedRowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (!isShownFolder(parent))
        return;
    for (int row = start; row <= end; ++row) {
        const QString path = filePath(index(row, 0, parent));
        m_thumbnails.remove(path);
        m_unannounced.remove(path);
        m_awaited.remove(path);
        m_arrivals.remove(path);
    }
    emit refresh();
}

void VideoModel::refreshTree(const QModelIndex &topLeft, const QModelIndex &)
{
    if (topLeft.isValid() && isDir(topLeft))
        emit refresh();
}
