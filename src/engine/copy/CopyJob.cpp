// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopyJob.h"

#include "base/MediaCategories.h"

#include <algorithm>

CopyJob::CopyJob(const CopyRequest &request, unsigned long removalNoticeMs, QObject *parent)
    : QObject(parent)
    , m_request(request)
    , m_worker(this)
{
    // What the worker sends crosses threads: a program that links the
    // engine and nothing else must still receive it.
    qRegisterMetaType<CopyQuestion>("CopyQuestion");
    qRegisterMetaType<BrowserMode>("BrowserMode");
    m_worker.setRemovalNoticeMs(removalNoticeMs);
    connect(&m_worker, &AsyncCopy::selectionSized, this, &CopyJob::receiveSelectionSize);
    connect(&m_worker, &AsyncCopy::bytesWritten, this, &CopyJob::receiveBytesWritten);
    connect(&m_worker, &AsyncCopy::bytesSkipped, this, &CopyJob::receiveBytesSkipped);
    connect(&m_worker, &AsyncCopy::fileNameChanged, this, &CopyJob::fileNameChanged);
    connect(&m_worker, &AsyncCopy::fileNumberChanged, this, &CopyJob::fileNumberChanged);
    connect(&m_worker, &AsyncCopy::questionAsked, this, &CopyJob::receiveQuestion);
    connect(&m_worker, &AsyncCopy::copyEnded, this, &CopyJob::receiveEnd);
}

CopyJob::~CopyJob()
{
    // A QThread must not be destroyed while it runs.
    m_worker.requestStop();
    m_worker.wait();
}

bool CopyJob::start()
{
    return run({ AsyncCopy::Batch { m_request.files, m_request.destDir } });
}

bool CopyJob::retry()
{
    QList<AsyncCopy::Batch> batches;
    for (const CopyFailure &failure : qAsConst(m_failures)) {
        if (!failure.isRetriable())
            continue;
        const auto batch = std::find_if(batches.begin(), batches.end(),
            [&failure](const AsyncCopy::Batch &batch) { return batch.destDir == failure.destDir; });
        if (batch == batches.end())
            batches << AsyncCopy::Batch { { QFileInfo(failure.source) }, failure.destDir };
        else
            batch->files << QFileInfo(failure.source);
    }
    return run(batches);
}

bool CopyJob::run(const QList<AsyncCopy::Batch> &batches)
{
    QList<AsyncCopy::Batch> copied;
    for (const AsyncCopy::Batch &batch : batches) {
        if (QFileInfo(batch.destDir).isDir())
            copied << batch;
    }
    if (copied.isEmpty() || m_running)
        return false;
    // Until the worker has sized the selection, no progress is reckoned.
    m_total = 0;
    m_written = 0;
    m_progress.restart();
    m_clock.start();
    m_failures.clear();
    m_summary = CopySummary();
    m_foundNothing = false;
    m_worker.prepare(copied, m_request.target, MediaCategories::nameFilters(m_request.category));
    m_running = true;
    m_worker.start(QThread::InheritPriority);
    return true;
}

void CopyJob::cancel()
{
    if (m_worker.isRunning())
        m_worker.requestStop();
}

void CopyJob::answer(CopyAnswer answer)
{
    m_worker.setAnswer(answer);
}

void CopyJob::receiveSelectionSize(qint64 bytes)
{
    m_total = bytes;
}

void CopyJob::receiveBytesSkipped(qint64 bytes)
{
    m_total -= bytes;
    receiveBytesWritten(0);
}

void CopyJob::receiveBytesWritten(qint64 bytes)
{
    m_written += bytes;
    const qint64 rate = m_progress.rate(m_written, m_clock.elapsed());
    if (const std::optional<double> percent = m_progress.percentToShow(m_written, m_total))
        emit progressChanged(m_written, m_total, *percent, rate);
    if (const std::optional<int> seconds = m_progress.remainingToShow(m_written, m_total, rate))
        emit timeLeftChanged(*seconds);
}

void CopyJob::receiveQuestion(const CopyQuestion &question)
{
    // Asked just before a cancel: nobody waits for the answer, and the box
    // would be about nothing.
    if (m_worker.isRunning() && !m_worker.isStopRequested())
        emit questionAsked(question);
}

void CopyJob::receiveEnd(bool ok)
{
    // The worker's last act was to signal this; once it has returned, the
    // job may run again or go.
    m_worker.wait();
    m_failures = m_worker.failures();
    m_summary = m_worker.summary();
    m_foundNothing = m_worker.foundNothing();
    m_running = false;
    emit finished(ok);
}
