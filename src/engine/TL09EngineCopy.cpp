// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's side of a copy: starting the worker, and turning its byte
// counts and rates into the progress and remaining time the dialog shows.
#include "engine/TL09Engine.h"

#include <QDir>

#include <algorithm>

namespace {

// What was last signalled to the running copy's dialog.
double lastPercent = -1;
int lastEta = -1;

// The rate estimate settles only after this many measurements.
const qint64 etaWarmUpSamples = 30;

} // namespace

bool TL09Engine::startCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    return startBatches({ AsyncCopy::Batch { files, destDir } }, target);
}

bool TL09Engine::retryCopy(BrowserMode target)
{
    QList<AsyncCopy::Batch> batches;
    for (const CopyFailure &failure : qAsConst(m_copyFailures)) {
        if (!failure.isRetriable())
            continue;
        const auto batch = std::find_if(batches.begin(), batches.end(),
            [&failure](const AsyncCopy::Batch &batch) { return batch.destDir == failure.destDir; });
        if (batch == batches.end())
            batches << AsyncCopy::Batch { { QFileInfo(failure.source) }, failure.destDir };
        else
            batch->files << QFileInfo(failure.source);
    }
    return startBatches(batches, target);
}

bool TL09Engine::startBatches(const QList<AsyncCopy::Batch> &batches, BrowserMode target)
{
    QList<AsyncCopy::Batch> copied;
    for (const AsyncCopy::Batch &batch : batches) {
        if (QFileInfo(batch.destDir).isDir())
            copied << batch;
    }
    if (copied.isEmpty())
        return false;
    // Sized by the worker, whose check walks the selection anyway: a big
    // folder would hold the window here.
    m_nextCopy = CopyRequest { copied, target, categoryNameFilters(category) };
    // After a cancel the worker still flushes what it wrote: the new copy
    // follows when it is done.
    if (!m_copy.isRunning())
        startNextCopy();
    return true;
}

void TL09Engine::startNextCopy()
{
    // Until the worker has sized the selection, no progress is reckoned.
    copyTotalBytes = 0;
    copyWrittenBytes = 0;
    etaSum = 0;
    etaSamples = 0;
    // A new dialog shows nothing yet, whatever the last copy's figures were.
    lastPercent = -1;
    lastEta = -1;
    m_copyFailures.clear();
    m_copyFoundNothing = false;
    m_copy.prepare(m_nextCopy->batches, m_nextCopy->target, m_nextCopy->nameFilters);
    m_nextCopy.reset();
    m_copy.start(InheritPriority);
}

void TL09Engine::receiveSelectionSize(qint64 bytes)
{
    copyTotalBytes = bytes;
}

qint64 TL09Engine::selectionSize(const QFileInfoList &files, const QStringList &nameFilters) const
{
    return selectionSize(files, FileNameMatcher(nameFilters));
}

qint64 TL09Engine::selectionSize(const QFileInfoList &files, const FileNameMatcher &matcher) const
{
    qint64 total = 0;
    for (const QFileInfo &entry : files) {
        if (!entry.isDir()) {
            total += qMax<qint64>(entry.size(), 1);
            continue;
        }
        total += selectionSize(copiedEntries(entry.filePath(), matcher), matcher);
    }
    return total;
}

QFileInfoList TL09Engine::copiedEntries(const QString &folder, const FileNameMatcher &matcher)
{
    // Matched here rather than by QDir, which runs every pattern's regular
    // expression on every name.
    QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                      [&matcher](const QFileInfo &entry) {
                          return !entry.isDir() && !matcher.matches(entry.fileName());
                      }),
        entries.end());
    return entries;
}

void TL09Engine::cancelCopy()
{
    m_nextCopy.reset();
    if (m_copy.isRunning())
        m_copy.requestStop();
}

bool TL09Engine::isQuestionAwaited() const
{
    // Asked just before a cancel, or by a copy that has ended: nobody waits
    // for the answer, and the box would be about nothing.
    return m_copy.isRunning() && !m_copy.isStopRequested();
}

void TL09Engine::relayQuestion(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    if (isQuestionAwaited())
        emit showDialog(fileName, target, dlg);
}

void TL09Engine::relayQuestionBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames)
{
    if (isQuestionAwaited())
        emit askBeforeCopy(names, target, offerSafeNames);
}

void TL09Engine::setDialogAnswer(int answer)
{
    m_copy.setDialogAnswer(answer);
}

void TL09Engine::recieveBytesWritten(qint64 bytes)
{
    copyWrittenBytes += bytes;
    if (copyTotalBytes <= 0)
        return;
    const double percent = double(copyWrittenBytes) / double(copyTotalBytes) * 100.0;
    // Only a change of a tenth of a percent reaches the dialog.
    if (qint64(percent * 10) != qint64(lastPercent * 10)) {
        lastPercent = percent;
        emit progressChanged(percent);
    }
}

void TL09Engine::recieveBytesPerSecond(qint64 bytes)
{
    if (bytes <= 0 || copyTotalBytes <= 0)
        return;
    etaSum += copyTotalBytes / bytes;
    ++etaSamples;
    if (etaSamples <= etaWarmUpSamples)
        return;
    const double remaining = double(copyTotalBytes - copyWrittenBytes) / double(copyTotalBytes);
    const int eta = int(remaining * double(etaSum / etaSamples));
    if (eta != lastEta) {
        lastEta = eta;
        emit estimatedTimeReamining(eta);
    }
}

void TL09Engine::receiveCopyFileFinished(bool b)
{
    // The worker's last act was to signal this; once it has returned, a new
    // copy can start as soon as the dialog closes.
    m_copy.wait();
    // A copy that waited for this one takes over its dialog; its own end
    // refreshes the storage figures.
    if (m_nextCopy) {
        startNextCopy();
        return;
    }
    m_copyFailures = m_copy.failures();
    m_copyFoundNothing = m_copy.foundNothing();
    if (!m_copyFoundNothing)
        startRefreshAfterCopy();
    emit copyFileFinished(b);
}
