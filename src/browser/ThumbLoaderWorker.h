// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// The background thread that makes the thumbnails of one file list. The list
// hands it batches of files with their category; pictures get their embedded
// EXIF thumbnail or a down-scaled decode, videos their first frame, and each
// image goes back through sendIcon. After each batch updateIcons asks the
// list to repaint what has arrived.
class ThumbLoaderWorker : public QThread
{
    Q_OBJECT

public:
    // Edge of the square the icons are fitted into.
    static constexpr int iconEdge = 256;

    explicit ThumbLoaderWorker(QObject *parent = nullptr);
    ~ThumbLoaderWorker() override;

    // Queues files of the category mode and starts the thread when it does
    // not run; cancels a stop that has not taken effect yet.
    void addFiles(const QList<QFileInfo> &files, int mode);

    // The thumbnail sources, for use from the worker thread (or any thread
    // of their own).
    static QImage exifThumbnail(const QString &path);
    static QImage scaledPicture(const QString &path);
    static QImage videoFrame(const QString &path);

public slots:
    // Drops the queue and ends the thread after the file in hand.
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
    // Whether the thread must end; once it answers true the thread is
    // leaving, and addFiles must start it anew.
    bool shouldStop();
    void pause(int milliseconds);
    // Whether stopProcess ran since the count was taken.
    bool stoppedSince(quint64 stopCount);
    QList<QFileInfo> takeBatch(int &mode, quint64 &stopCount);
    // False when a stop ended the batch early and the thread must end.
    bool processBatch(const QList<QFileInfo> &batch, int mode, quint64 stopCount);
    static QImage makeIcon(const QString &path, int mode);

    bool m_stopRequested = false;
    QList<QFileInfo> m_queue;
    int m_mode;
    QMutex m_mutex;
    QWaitCondition m_stopCondition;
    bool m_active = false;
    quint64 m_stopCount = 0;
};
