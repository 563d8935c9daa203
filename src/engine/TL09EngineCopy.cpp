// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's side of a copy: starting the worker, and turning its byte
// counts and rates into the progress and remaining time the dialog shows.
#include "engine/TL09Engine.h"

#include <QDir>

#include <algorithm>

namespace {

// What was last signalled, for the whole process: a new copy does not
// repeat a value the dialog already shows.
double lastPercent = -1;
int lastEta = -1;

// The rate estimate settles only after this many measurements.
const qint64 etaWarmUpSamples = 30;

} // namespace

bool TL09Engine::startCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    // Checked first: the counters still belong to a copy that is running.
    if (!QFileInfo(destDir).isDir() || m_copy.isRunning())
        return false;
    copyTotalBytes = 0;
    copyWrittenBytes = 0;
    etaSum = 0;
    etaSamples = 0;
    const QStringList nameFilters = categoryNameFilters(category);
    copyTotalBytes = selectionSize(files, nameFilters);
    if (copyTotalBytes == 0)
        return false;
    m_copy.prepare(files, target, destDir, nameFilters);
    m_copy.start(InheritPriority);
    return true;
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
    if (m_copy.isRunning())
        m_copy.requestStop();
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
    startRefreshAfterCopy();
    emit copyFileFinished(b);
}
