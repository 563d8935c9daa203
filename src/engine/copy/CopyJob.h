// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/CopyDlg.h"
#include "engine/copy/AsyncCopy.h"
#include "engine/copy/CopyProgress.h"
#include "engine/copy/CopyQuestion.h"
#include "engine/copy/CopyRequest.h"

#include <QElapsedTimer>
#include <QObject>

// One copy, from its request to its report: runs the copy worker, reckons
// its progress, passes on its questions with their facts and takes the
// answers back, and keeps how it ended. The owner (the window's copy
// controller, or a test) keeps the job for as long as it wants its report;
// a job that goes while its copy runs stops the copy and waits for it.
//
// retry() runs the same job again on what failed and may arrive now.
class CopyJob : public QObject
{
    Q_OBJECT

public:
    // removalNoticeMs: how long the device's removal takes to be known after
    // a failed access; the worker waits that long before it tells a failure
    // from the device's going.
    explicit CopyJob(
        const CopyRequest &request, unsigned long removalNoticeMs = 0, QObject *parent = nullptr);
    ~CopyJob() override;

    const CopyRequest &request() const { return m_request; }

    // Starts the copy; false when the destination folder is missing. Returns
    // at once: the worker sizes the selection, and a copy that finds nothing
    // of the category ends with foundNothing().
    bool start();
    // Copies again what of the last run failed and may arrive now; false
    // when there is nothing to retry.
    bool retry();
    // Asks the copy to stop after its chunk or question; it still flushes
    // what it wrote before it ends.
    void cancel();
    // From start() or retry() until finished() has been sent.
    bool isRunning() const { return m_running; }
    // Blocks until the worker has ended, for teardown; finished() still
    // follows through the event loop.
    void waitForEnd() { m_worker.wait(); }
    // The user's answer to the last question().
    void answer(CopyAnswer answer);

    // The bytes the run writes, known once the worker has sized the
    // selection and less what it finds it need not write, and those
    // written so far.
    qint64 totalBytes() const { return m_total; }
    qint64 writtenBytes() const { return m_written; }

    // How the last run ended: read after finished().
    const CopyFailures &failures() const { return m_failures; }
    const CopySummary &summary() const { return m_summary; }
    bool foundNothing() const { return m_foundNothing; }

signals:
    // written of total bytes done, percent of the whole, and the bytes per
    // second over the last few seconds (0 until known); sent at each
    // change of a tenth of a percent.
    void progressChanged(qint64 written, qint64 total, double percent, qint64 rate);
    // The seconds the copy still needs at the current rate.
    void timeLeftChanged(int seconds);
    void fileNameChanged(const QString &fileName);
    // The file now copied is the number-th of the selection's files.
    void fileNumberChanged(int number, int files);
    // The copy waits until answer() is called.
    void questionAsked(const CopyQuestion &question);
    // ok: the run went through.
    void finished(bool ok);

private:
    bool run(const QList<AsyncCopy::Batch> &batches);
    void receiveSelectionSize(qint64 bytes);
    void receiveBytesWritten(qint64 bytes);
    void receiveBytesSkipped(qint64 bytes);
    void receiveQuestion(const CopyQuestion &question);
    void receiveEnd(bool ok);

    const CopyRequest m_request;
    AsyncCopy m_worker;
    CopyProgress m_progress;
    QElapsedTimer m_clock;
    qint64 m_total = 0;
    qint64 m_written = 0;
    CopyFailures m_failures;
    CopySummary m_summary;
    bool m_foundNothing = false;
    bool m_running = false;
};
