// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class ThumbLoaderWorker;

// Where the files of ThumbLoaderWorkers are made into thumbnails: the
// program's helper processes (ThumbnailHelperPool), or a stand-in in the
// tests. It takes the jobs of the workers attached to it when it can make
// them (ThumbLoaderWorker::takeJob) and hands each result back
// (ThumbLoaderWorker::jobDone), on the workers' thread.
class ThumbnailDispatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void attach(ThumbLoaderWorker *worker) = 0;
    // Forgets the worker and drops, at once, what it had in hand.
    virtual void detach(ThumbLoaderWorker *worker) = 0;
    // A worker has jobs waiting.
    virtual void wake() = 0;
    // Drops, at once, the jobs of the worker in hand: no result of them
    // comes back.
    virtual void cancel(ThumbLoaderWorker *worker) = 0;
};
