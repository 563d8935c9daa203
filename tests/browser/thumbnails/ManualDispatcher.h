// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/thumbnails/ThumbnailDispatcher.h"

#include <QColor>
#include <QStringList>

// Stands in for the program's helpers: hands out a worker's jobs only when
// the test takes them, and gives back what the test says.
class ManualDispatcher : public ThumbnailDispatcher
{
public:
    void attach(ThumbLoaderWorker *worker) override { m_worker = worker; }
    void detach(ThumbLoaderWorker *worker) override
    {
        cancel(worker);
        m_worker = nullptr;
    }
    void wake() override { ++m_wakes; }
    void cancel(ThumbLoaderWorker *) override { ++m_cancels; }

    // The next jobs of the worker, in the order it hands them out, which
    // are then in flight.
    QStringList take(int count = 1000)
    {
        QStringList paths;
        ThumbnailProtocol::Request job;
        while (paths.size() < count && m_worker && m_worker->takeJob(job))
            paths.append(job.path);
        return paths;
    }
    // Makes each file's icon of one colour; an invalid colour, none.
    void finish(const QStringList &paths, const QColor &colour = Qt::blue)
    {
        QImage icon(ThumbLoaderWorker::iconEdge, ThumbLoaderWorker::iconEdge, QImage::Format_RGB32);
        icon.fill(colour);
        for (const QString &path : paths)
            m_worker->jobDone(path, colour.isValid() ? icon : QImage());
    }
    int wakes() const { return m_wakes; }
    int cancels() const { return m_cancels; }

private:
    ThumbLoaderWorker *m_worker = nullptr;
    int m_wakes = 0;
    int m_cancels = 0;
};
