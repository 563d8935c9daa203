// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <list>

class QTimer;
class ThumbnailDispatcher;

// Where a file stands in a list's thumbnail pipeline. A file without a state
// (Unknown) was never asked for, or its row went, or its icon was dropped to
// stay within the memory bound.
enum class ThumbnailState {
    Unknown,
    // Being copied in: asked for once it stops growing.
    Arriving,
    // Waiting for a helper.
    Requested,
    // A helper is making it.
    InFlight,
    // Made and held; its row, out of view when it came, was not told.
    Cached,
    // Made, held, and its row told.
    Shown,
    // The file gives none; not asked for again until the list starts over.
    Failed,
};

// The thumbnail pipeline of one file list, and the one owner of each file's
// thumbnail state. The list asks for files, says which rows are in view and
// shows what it is told of; the pipeline decides what is made next, has the
// program's helper processes make it (see ThumbnailDispatcher), holds the
// icons within a memory bound, and tells the list which rows to repaint.
//
// The files in view go before all others, the latest request first; their
// icons are kept whatever the bound, and their rows told as each icon comes.
// Those out of view are held untold until their rows come into view, or
// dropped, least recently used first, to make room, and made again (from the
// desktop's cache, usually) when their rows come back. A list that never
// reports its view has every row told.
//
// Everything happens on the list's thread and nothing here waits: stopping
// kills the helpers at work on the list's files, so no icon of a folder left
// can come late.
class ThumbLoaderWorker : public QObject
{
    Q_OBJECT

public:
    static constexpr int iconEdge = ThumbnailProtocol::iconEdge;
    // Some 250 icons: a few screens of them at any zoom.
    static constexpr qint64 defaultMemory = 64 * 1024 * 1024;

    // Attached to the program's helpers.
    explicit ThumbLoaderWorker(QObject *parent = nullptr);
    explicit ThumbLoaderWorker(ThumbnailDispatcher *dispatcher, QObject *parent = nullptr);
    ~ThumbLoaderWorker() override;

    // Asks for files of the category mode after those waiting; files
    // already known keep their state. The category is that of every file
    // waiting. Documents keep their file icons: nothing is asked for, and
    // updateIcons follows.
    void addFiles(const QList<QFileInfo> &files, int mode);
    // The files whose rows a view shows now, top left first.
    void setVisibleFiles(const QStringList &paths);
    // Files being copied in: asked for once they have kept their size and
    // time over a check period, or when released.
    void addArrivingFiles(const QStringList &paths);
    void releaseArrivingFiles();
    // The file's row is gone: its state and icon go too.
    void forget(const QString &path);
    // Holds an icon made elsewhere as the file's, whatever its state, as if
    // it had just been made.
    void setIcon(const QString &path, const QImage &icon);

    ThumbnailState state(const QString &path) const;
    // Asked for and not made yet.
    bool isAwaited(const QString &path) const;
    // Null when the file has none (yet, or any more).
    QImage thumbnail(const QString &path) const;

    // Bytes of pixels the icons may take; those in view are kept beyond.
    void setMemoryLimit(qint64 bytes);
    qint64 memoryLimit() const { return m_maxBytes; }
    qint64 memoryUsed() const { return m_bytes; }
    // Where the desktop keeps its thumbnails; empty to neither read nor
    // write them. At first, the desktop's own when the worker was made.
    void setDesktopCache(const QString &root) { m_cacheRoot = root; }
    QString desktopCache() const { return m_cacheRoot; }
    // Has another dispatcher make the thumbnails; set before files are
    // asked for.
    void setDispatcher(ThumbnailDispatcher *dispatcher);

    // For the dispatcher: the next file to make, which is then in flight;
    // false when none waits.
    bool takeJob(ThumbnailProtocol::Request &job);
    // For the dispatcher: the icon of a file taken (null when it has none).
    void jobDone(const QString &path, const QImage &icon);

public slots:
    // Drops every file and icon, and kills the helpers at work on the
    // list's files; returns at once.
    void stopProcess();

signals:
    // The row of file must show icon now.
    void sendIcon(const QString &file, const QImage &icon);
    // Nothing is left to make.
    void updateIcons();

private:
    struct Entry
    {
        ThumbnailState state = ThumbnailState::Requested;
        QImage icon;
        // Where the file stands in m_waiting while Requested, in m_uses
        // while it has an icon.
        std::list<QString>::iterator place;
        // Arriving: the size and time last seen.
        qint64 size = -1;
        qint64 mtime = -1;
    };
    using Entries = QHash<QString, Entry>;

    void request(const QString &path, bool first);
    void store(const QString &path, Entry &entry, const QImage &icon);
    void show(const QString &path, Entry &entry);
    void makeRoom(const QString &kept);
    // Leaves the lists and counts the entry is in; does not erase it.
    void unlink(Entry &entry);
    void checkArrivals(bool settledOnly);
    void wake();

    Entries m_entries;
    // Requested, next first.
    std::list<QString> m_waiting;
    // With an icon, least recently used first.
    std::list<QString> m_uses;
    QStringList m_inView;
    QSet<QString> m_inViewSet;
    bool m_viewReports = false;
    int m_inFlight = 0;
    int m_arriving = 0;
    qint64 m_bytes = 0;
    qint64 m_maxBytes = defaultMemory;
    int m_mode;
    QString m_cacheRoot;
    QTimer *m_arrivalCheck;
    QPointer<ThumbnailDispatcher> m_dispatcher;
};
