// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "base/BrowserMode.h"
#include "base/Logger.h"
#include "browser/thumbnails/JpegThumbnailReader.h"
#include "browser/thumbnails/TgaReader.h"
#include "browser/thumbnails/VideoModule.h"
#include "exif/JpegExifHeader.h"

#include <QImageReader>
#include <QMutexLocker>

namespace {

// Pictures of our own Targa reader and video frames are shown at this edge.
constexpr int smallEdge = 64;
// Most image formats are decoded at full size before they are scaled, so a
// small file declaring a huge picture would take gigabytes and seconds: the
// full decode may take at most Qt 6's default allocation limit. JPEG files
// are decoded at a fraction of their size, which is what the limit bounds.
constexpr qint64 maxDecodeBytes = 256 * 1024 * 1024;
constexpr qint64 decodedPixelBytes = 4;
// Entries for the desktop's cache wait while files in view are made, but
// no more than this many (about 200 KiB each).
constexpr int maxWaitingEntries = 64;
// Icons sent and not yet taken by the list (256 KiB each): the worker waits
// rather than run ahead of a busy window, which would then have to take a
// burst of them at once and hold them all meanwhile.
constexpr int maxIconsInFlight = 16;
constexpr int inFlightCheckMs = 100;

// Null images are passed through: scaling one would warn on standard error.
QImage fitInto(const QImage &image, int edge)
{
    if (image.isNull())
        return image;
    return image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A picture whose size the file does not declare cannot be checked before
// it is decoded, so it is refused as well.
bool decodable(const QSize &declared)
{
    return !declared.isEmpty()
        && qint64(declared.width()) * declared.height() * decodedPixelBytes <= maxDecodeBytes;
}

// The size a picture is decoded at: its longer side becomes iconEdge.
QSize decodeSize(const QSize &size)
{
    const int edge = ThumbLoaderWorker::iconEdge;
    const int width = size.width();
    const int height = size.height();
    if (width == height)
        return QSize(edge, edge);
    if (width > height)
        return QSize(edge, qMax(1, int(double(height) * edge / width)));
    return QSize(qMax(1, int(double(width) * edge / height)), edge);
}

// The icon of a thumbnail: pictures fill the whole square whatever their
// shape; videos keep theirs, at the small edge their frames are shown at.
QImage iconOf(const QImage &thumbnail, int mode)
{
    if (thumbnail.isNull())
        return thumbnail;
    const int edge = ThumbLoaderWorker::iconEdge;
    if (mode == MovieMode)
        return fitInto(fitInto(thumbnail, smallEdge), edge);
    return thumbnail.scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Decoded at a fraction of its size, then resampled once.
QImage scaledJpeg(QIODevice *device)
{
    JpegThumbnailReader reader(device);
    const QSize declared = reader.size();
    if (declared.isEmpty())
        return QImage();
    const QSize size = decodeSize(declared);
    const QImage image = reader.read(size, maxDecodeBytes);
    if (image.isNull())
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

ThumbLoaderWorker::ThumbLoaderWorker(QObject *parent)
    : QThread(parent)
    , m_mode(MovieMode)
{
    // Queued to this object, which lives in the list's thread: it runs as
    // the list takes the icon.
    connect(
        this, &ThumbLoaderWorker::sendIcon, this,
        [this] {
            QMutexLocker locker(&m_mutex);
            --m_iconsInFlight;
            m_wake.wakeAll();
        },
        Qt::QueuedConnection);
}

ThumbLoaderWorker::~ThumbLoaderWorker()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stopRequested = true;
        ++m_generation;
        m_wake.wakeAll();
    }
    wait();
}

void ThumbLoaderWorker::addFiles(const QList<QFileInfo> &files, int mode)
{
    QStringList paths;
    paths.reserve(files.size());
    for (const QFileInfo &file : files)
        paths.append(file.absoluteFilePath());
    submit(paths, false, mode);
}

void ThumbLoaderWorker::addVisibleFiles(const QStringList &paths)
{
    submit(paths, true, -1);
}

void ThumbLoaderWorker::submit(const QStringList &paths, bool first, int mode)
{
    bool mustStart = false;
    {
        QMutexLocker locker(&m_mutex);
        m_stopRequested = false;
        if (mode >= 0)
            m_mode = mode;
        if (first) {
            for (auto path = paths.crbegin(); path != paths.crend(); ++path)
                enqueue(*path, true);
        } else {
            for (const QString &path : paths)
                enqueue(path, false);
        }
        mustStart = !m_active;
        m_active = true;
        m_wake.wakeAll();
    }
    if (mustStart) {
        // A thread that has decided to end is let go first; it only has
        // to return.
        wait();
        start(QThread::InheritPriority);
    }
}

void ThumbLoaderWorker::enqueue(const QString &path, bool first)
{
    const auto queued = m_queued.find(path);
    if (queued != m_queued.end()) {
        if (!first)
            return;
        m_queue.erase(*queued);
    }
    if (first) {
        m_queue.push_front(path);
        m_queued.insert(path, m_queue.begin());
    } else {
        m_queue.push_back(path);
        m_queued.insert(path, std::prev(m_queue.end()));
    }
}

void ThumbLoaderWorker::stopProcess()
{
    QMutexLocker locker(&m_mutex);
    m_stopRequested = true;
    ++m_generation;
    m_queue.clear();
    m_queued.clear();
    m_wake.wakeAll();
    Logger::instance()->log("thread stopped");
}

bool ThumbLoaderWorker::shouldStop()
{
    QMutexLocker locker(&m_mutex);
    if (m_stopRequested)
        m_active = false;
    return m_stopRequested;
}

bool ThumbLoaderWorker::takeJob(Job &job)
{
    QMutexLocker locker(&m_mutex);
    if (m_queue.empty())
        return false;
    job.path = m_queue.front();
    job.mode = m_mode;
    job.generation = m_generation.load();
    m_queued.remove(job.path);
    m_queue.pop_front();
    return true;
}

void ThumbLoaderWorker::waitForWork()
{
    QMutexLocker locker(&m_mutex);
    if (!m_stopRequested && m_queue.empty())
        m_wake.wait(&m_mutex);
}

bool ThumbLoaderWorker::waitForRoom()
{
    QMutexLocker locker(&m_mutex);
    while (m_iconsInFlight >= maxIconsInFlight && !m_stopRequested)
        m_wake.wait(&m_mutex, inFlightCheckMs);
    if (m_stopRequested)
        return false;
    ++m_iconsInFlight;
    return true;
}

void ThumbLoaderWorker::run()
{
    Logger::instance()->log("thread start");
    setPriority(QThread::LowestPriority);
    // Where the desktop keeps its thumbnails when the thread starts.
    const DesktopThumbnailCache cache;
    bool worked = false;
    while (!shouldStop()) {
        Job job;
        if (!takeJob(job)) {
            saveEntries(cache);
            if (worked)
                emit updateIcons();
            worked = false;
            waitForWork();
            continue;
        }
        worked = true;
        // Other categories keep the file icons: their files are dropped.
        if (job.mode != PicturesMode && job.mode != MovieMode)
            continue;
        const QImage icon = makeIcon(job, cache);
        if (m_entries.size() >= maxWaitingEntries)
            saveEntries(cache);
        if (!icon.isNull() && isCurrent(job.generation) && waitForRoom())
            emit sendIcon(job.path, icon);
    }
    m_entries.clear();
    Logger::instance()->log("thumb loader thread done");
}

QImage ThumbLoaderWorker::makeIcon(const Job &job, const DesktopThumbnailCache &cache)
{
    if (job.generation != m_failedGeneration) {
        m_failed.clear();
        m_failedGeneration = job.generation;
    }
    const DesktopThumbnailCache::Key key = DesktopThumbnailCache::keyOf(job.path);
    if (!key.isValid() || m_failed.contains(job.path) || cache.hasFailed(key))
        return QImage();
    QImage thumbnail = cache.find(key);
    if (thumbnail.isNull()) {
        const quint64 generation = job.generation;
        thumbnail = m_source(job.path, job.mode, [this, generation] { return !isCurrent(generation); });
        // A stop may have cut the work short: nothing is known of the file.
        if (!isCurrent(job.generation))
            return QImage();
        if (thumbnail.isNull()) {
            m_failed.insert(job.path);
            cache.saveFailure(key);
            return QImage();
        }
        m_entries.append({ key, thumbnail });
    }
    return iconOf(thumbnail, job.mode);
}

QImage ThumbLoaderWorker::thumbnailOf(const QString &path, int mode, const std::function<bool()> &cancelled)
{
    if (mode == MovieMode)
        return videoPicture(path, cancelled);
    const QImage picture = exifThumbnail(path);
    return picture.isNull() ? scaledPicture(path) : picture;
}

void ThumbLoaderWorker::saveEntries(const DesktopThumbnailCache &cache)
{
    for (const Entry &entry : qAsConst(m_entries))
        cache.save(entry.key, entry.image);
    m_entries.clear();
}

QImage ThumbLoaderWorker::exifThumbnail(const QString &path)
{
    return JpegExifHeader(path).thumbnail();
}

QImage ThumbLoaderWorker::scaledPicture(const QString &path)
{
    if (path.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive)) {
        QImage image;
        return TgaReader::read(image, path) ? fitInto(image, smallEdge) : QImage();
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && JpegThumbnailReader::canRead(&file))
        return scaledJpeg(&file);
    QImageReader reader(path);
    const QSize declared = reader.size();
    if (!decodable(declared))
        return QImage();
    reader.setScaledSize(decodeSize(declared));
    return reader.read();
}

QImage ThumbLoaderWorker::videoFrame(const QString &path)
{
    return fitInto(videoPicture(path, {}), smallEdge);
}

// The first key frame of the video, fitted into iconEdge.
QImage ThumbLoaderWorker::videoPicture(const QString &path, const std::function<bool()> &cancelled)
{
    return VideoModule::stillPicture(path, iconEdge, cancelled);
}
