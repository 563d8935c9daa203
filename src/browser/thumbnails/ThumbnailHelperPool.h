// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/HelperConfinement.h"
#include "browser/thumbnails/ThumbnailCacheWriter.h"
#include "browser/thumbnails/ThumbnailDispatcher.h"
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <vector>

class QTimer;
class ThumbnailHelper;

// The program's thumbnail helpers, shared by its file lists: as many
// processes as the machine has cores, at most four, started when the first
// list attaches and kept between files. Each helper with room takes the
// next job of the lists in turn, and holds the next one of the same list
// while it works, so that it never waits between files. A helper at work on
// a list's file is killed as soon
// as that list stops or goes; one that crashes, or that a limit stops, costs
// its file's thumbnail, which is recorded as failed in the desktop's cache.
// The program writes that cache itself, from what the helpers made.
// Helpers left idle for a minute end, and start again with the next job.
class ThumbnailHelperPool : public ThumbnailDispatcher
{
    Q_OBJECT

public:
    // Made with the first list that needs it; goes with the application
    // object, killing its helpers.
    static ThumbnailHelperPool *shared();
    // The number of cores, at most four.
    static int defaultSize();

    explicit ThumbnailHelperPool(int size, QObject *parent = nullptr);
    ~ThumbnailHelperPool() override;

    int size() const { return int(m_slots.size()); }
    // The time a file may take by the clock, for the helpers started from
    // now on.
    void setFileTimeout(int milliseconds) { m_fileTimeoutMs = milliseconds; }
    // The box of the helpers started from now on; the best available by
    // default.
    void setConfinement(HelperConfinement::Kind kind) { m_confinement = kind; }

    void attach(ThumbLoaderWorker *worker) override;
    void detach(ThumbLoaderWorker *worker) override;
    void wake() override;
    void cancel(ThumbLoaderWorker *worker) override;

private:
    struct Job
    {
        // Its descriptors closed once handed.
        ThumbnailProtocol::Request request;
        // The file as it was opened; invalid when the desktop's cache is
        // left alone.
        DesktopThumbnailCache::Key key;
    };

    struct Slot
    {
        ThumbnailHelper *helper = nullptr;
        // The worker whose jobs the helper has in hand; null while idle.
        ThumbLoaderWorker *worker = nullptr;
        // In the order handed, which is the order of the answers.
        QList<Job> jobs;
    };

    void dispatch();
    void dispatchOnce();
    // Hands the slot's helper one more job; false when none waits.
    bool fill(int slot);
    void hand(Slot &slot, ThumbLoaderWorker *worker, const ThumbnailProtocol::Request &request);
    // Whether the slot has a running helper, started if need be.
    bool startHelper(int slot);
    void countFailedStart();
    void dropHelper(Slot &slot);
    void finish(int slot, const ThumbnailProtocol::Reply &reply);
    void lose(int slot, bool greeted);
    // The next worker in turn that has a job; null when none has.
    ThumbLoaderWorker *takeNextJob(ThumbnailProtocol::Request &request);
    void endIdleHelpers();

    std::vector<Slot> m_slots;
    QList<ThumbLoaderWorker *> m_workers;
    int m_nextWorker = 0;
    int m_fileTimeoutMs;
    HelperConfinement::Kind m_confinement;
    // Helpers in a row that ended before they were ready; past a few, the
    // program is taken as broken and no more are started.
    int m_failedStarts = 0;
    QTimer *m_idleEnd;
    ThumbnailCacheWriter m_cacheWriter;
    bool m_dispatching = false;
    bool m_dispatchAgain = false;
};
