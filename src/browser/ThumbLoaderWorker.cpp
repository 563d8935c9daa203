// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/ThumbLoaderWorker.h"
#include "app/Logger.h"
#include "browser/BrowserMode.h"
#include "browser/TgaReader.h"
#include "browser/VideoModule.h"
#include "exif/JpegExifHeader.h"

#include <QImageReader>
#include <QMutexLocker>

namespace {

// Pictures of our own Targa reader and video frames are made at this edge.
constexpr int smallEdge = 64;
constexpr int pauseAfterFileMs = 10;
constexpr int pauseAfterBatchMs = 100;
// Most image formats are decoded at full size before they are scaled, so a
// small file declaring a huge picture would take gigabytes and seconds: the
// full decode may take at most Qt 6's default allocation limit.
constexpr qint64 maxDecodeBytes = 256 * 1024 * 1024;
constexpr qint64 decodedPixelBytes = 4;

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

} // namespace

ThumbLoaderWorker::ThumbLoaderWorker(QObject *parent)
    : QThread(parent)
    , m_mode(MovieMode)
{ }

ThumbLoaderWorker::~ThumbLoaderWorker()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stopRequested = true;
        m_stopCondition.wakeAll();
    }
    wait();
}

void ThumbLoaderWorker::addFiles(const QList<QFileInfo> &files, int mode)
{
    bool mustStart = false;
    {
        QMutexLocker locker(&m_mutex);
        m_stopRequested = false;
        m_mode = mode;
        m_queue.append(files);
        mustStart = !m_active;
        m_active = true;
    }
    if (mustStart) {
        // A thread that has decided to end is let go first.
        wait();
        start(QThread::InheritPriority);
    }
}

void ThumbLoaderWorker::stopProcess()
{
    QMutexLocker locker(&m_mutex);
    m_stopRequested = true;
    ++m_stopCount;
    m_queue.clear();
    m_stopCondition.wakeAll();
    Logger::instance()->log("thread stopped");
}

bool ThumbLoaderWorker::shouldStop()
{
    QMutexLocker locker(&m_mutex);
    if (m_stopRequested)
        m_active = false;
    return m_stopRequested;
}

void ThumbLoaderWorker::pause(int milliseconds)
{
    QMutexLocker locker(&m_mutex);
    if (!m_stopRequested)
        m_stopCondition.wait(&m_mutex, ulong(milliseconds));
}

bool ThumbLoaderWorker::stoppedSince(quint64 stopCount)
{
    QMutexLocker locker(&m_mutex);
    return m_stopCount != stopCount;
}

QList<QFileInfo> ThumbLoaderWorker::takeBatch(int &mode, quint64 &stopCount)
{
    QMutexLocker locker(&m_mutex);
    mode = m_mode;
    stopCount = m_stopCount;
    QList<QFileInfo> batch;
    batch.swap(m_queue);
    return batch;
}

void ThumbLoaderWorker::run()
{
    Logger::instance()->log("thread start");
    setPriority(QThread::LowestPriority);
    while (!shouldStop()) {
        int mode = MovieMode;
        quint64 stopCount = 0;
        const QList<QFileInfo> batch = takeBatch(mode, stopCount);
        if (batch.isEmpty()) {
            pause(pauseAfterBatchMs);
            continue;
        }
        if (!processBatch(batch, mode, stopCount))
            return;
        emit updateIcons();
        pause(pauseAfterBatchMs);
    }
    Logger::instance()->log("thumb loader thread done");
}

bool ThumbLoaderWorker::processBatch(const QList<QFileInfo> &batch, int mode, quint64 stopCount)
{
    // Other categories keep the file icons: their batches are dropped.
    if (mode != PicturesMode && mode != MovieMode)
        return true;
    for (const QFileInfo &file : batch) {
        const QString path = file.absoluteFilePath();
        const QImage icon = makeIcon(path, mode);
        pause(pauseAfterFileMs);
        if (shouldStop())
            return false;
        // A stop followed at once by new files cancels this batch all the
        // same, before it hands out a stale icon.
        if (stoppedSince(stopCount))
            return true;
        if (!icon.isNull())
            emit sendIcon(path, icon);
    }
    return true;
}

QImage ThumbLoaderWorker::makeIcon(const QString &path, int mode)
{
    if (mode == MovieMode)
        return fitInto(videoFrame(path), iconEdge);
    QImage picture = exifThumbnail(path);
    if (picture.isNull())
        picture = scaledPicture(path);
    if (picture.isNull())
        return picture;
    // Pictures fill the whole square, whatever their shape.
    return picture.scaled(iconEdge, iconEdge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage ThumbLoaderWorker::exifThumbnail(const QString &path)
{
    return JpegExifHeader(path).thumbnail();
}

QImage ThumbLoaderWorker::scaledPicture(const QString &path)
{
    if (path.endsWith(QLatin1String(".tga"))) {
        QImage image;
        return TgaReader::read(image, path) ? fitInto(image, smallEdge) : QImage();
    }
    QImageReader reader(path);
    const QSize declared = reader.size();
    if (!decodable(declared))
        return QImage();
    reader.setScaledSize(decodeSize(declared));
    return reader.read();
}

QImage ThumbLoaderWorker::videoFrame(const QString &path)
{
    return fitInto(VideoModule::firstFrame(path), smallEdge);
}
