// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <list>

// The background thread that makes the thumbnails of one file list. The list
// hands it the files of the shown folder with their category, and the files
// in view, which go before everything else, the latest request first.
// Thumbnails come from the desktop's shared cache when it holds them;
// otherwise pictures get their embedded EXIF thumbnail or a down-scaled
// decode, videos their first frame, and the result is saved in that cache.
// Each image goes back through sendIcon; once nothing is left to do,
// updateIcons asks the list to repaint what has arrived.
//
// Stopping never waits: the file in hand is finished (a video's decoding is
// interrupted) and its image dropped.
class ThumbLoaderWorker : public QThread
{
    Q_OBJECT

public:
    // Edge of the square the icons are fitted into.
    static constexpr int iconEdge = 256;
    // Makes the thumbnail of a file of a category (aspect kept, at most
    // iconEdge); it may give up once cancelled answers true.
    using Source
        = std::function<QImage(const QString &path, int mode, const std::function<bool()> &cancelled)>;

    explicit ThumbLoaderWorker(QObject *parent = nullptr);
    ~ThumbLoaderWorker() override;

    // Queues files of the category mode after those already waiting and
    // starts the thread when it does not run; cancels a stop that has not
    // taken effect yet.
    void addFiles(const QList<QFileInfo> &files, int mode);
    // Queues files in view, or moves them, ahead of everything waiting, in
    // the order given, for the current category.
    void addVisibleFiles(const QStringList &paths);

    // Replaces the embedded thumbnails, decoders and video frames by
    // source; set before files are added.
    void setSource(const Source &source) { m_source = source; }

    // The thumbnail sources, for use from the worker thread (or any thread
    // of their own).
    static QImage exifThumbnail(const QString &path);
    static QImage scaledPicture(const QString &path);
    static QImage videoFrame(const QString &path);

public slots:
    // Drops the queue and ends the thread after the file in hand, whose
    // image is dropped too.
    void stopProcess();

signals:
    void sendIcon(const QString &file, const QImage &icon);
    void updateIcons();
    void importError(const QString &message);
    void showMessage(const QString &message);
    void importSucceeded();
    void importFailed();

protected:
    void run() override;

private:
    struct Job
    {
        QString path;
        int mode = 0;
        quint64 generation = 0;
    };
    // A thumbnail to save in the desktop's cache once nothing in view waits.
    struct Entry
    {
        DesktopThumbnailCache::Key key;
        QImage image;
    };

    // Whether the thread must end; once it answers true the thread is
    // leaving, and addFiles must start it anew.
    bool shouldStop();
    bool isCurrent(quint64 generation) const { return m_generation.load() == generation; }
    // False when the queue is empty.
    bool takeJob(Job &job);
    // Sleeps until files arrive or a stop comes.
    void waitForWork();
    // Sleeps while the list has many icons still to take; false when a stop
    // came meanwhile. Counts the icon about to be sent.
    bool waitForRoom();
    // Queues paths last, or first; a mode below 0 keeps the current one.
    void submit(const QStringList &paths, bool first, int mode);
    void enqueue(const QString &path, bool first);
    QImage makeIcon(const Job &job, const DesktopThumbnailCache &cache);
    void saveEntries(const DesktopThumbnailCache &cache);
    static QImage thumbnailOf(const QString &path, int mode, const std::function<bool()> &cancelled);
    static QImage videoPicture(const QString &path, const std::function<bool()> &cancelled);

    Source m_source = &ThumbLoaderWorker::thumbnailOf;
    bool m_stopRequested = false;
    // Paths waiting, next first, with where each stands.
    std::list<QString> m_queue;
    QHash<QString, std::list<QString>::iterator> m_queued;
    int m_mode;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_active = false;
    int m_iconsInFlight = 0;
    // Counts the stops; a job taken before the last one is stale.
    std::atomic<quint64> m_generation { 0 };
    // Worker thread only.
    QList<Entry> m_entries;
    // Files that gave no thumbnail since the last stop: a view asking for
    // them again does not have them decoded again.
    QSet<QString> m_failed;
    quint64 m_failedGeneration = 0;
};
