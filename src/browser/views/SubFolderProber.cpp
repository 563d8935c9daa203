// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/SubFolderProber.h"
#include "browser/views/SubFolderReader.h"

#include <QElapsedTimer>
#include <QMutexLocker>

namespace {

// Answers are handed over at least this often, so the first expanders
// settle while the rest are still being read.
constexpr qint64 batchIntervalMs = 50;

} // namespace

SubFolderProber::SubFolderProber(QObject *parent)
    : QThread(parent)
{ }

SubFolderProber::~SubFolderProber()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stopping = true;
        m_queue.clear();
        m_wake.wakeAll();
    }
    wait();
}

void SubFolderProber::probe(const QStringList &folders)
{
    {
        QMutexLocker locker(&m_mutex);
        m_queue.append(folders);
        m_wake.wakeAll();
    }
    if (!isRunning())
        start();
}

bool SubFolderProber::isStopping()
{
    QMutexLocker locker(&m_mutex);
    return m_stopping;
}

QStringList SubFolderProber::takeQueue()
{
    QMutexLocker locker(&m_mutex);
    while (m_queue.isEmpty() && !m_stopping)
        m_wake.wait(&m_mutex);
    QStringList batch;
    batch.swap(m_queue);
    return batch;
}

void SubFolderProber::run()
{
    for (QStringList folders = takeQueue(); !folders.isEmpty(); folders = takeQueue()) {
        QStringList with;
        QStringList without;
        QElapsedTimer sinceBatch;
        sinceBatch.start();
        for (const QString &folder : folders) {
            if (isStopping())
                return;
            (SubFolderReader::holdsSubFolder(folder) ? with : without).append(folder);
            if (sinceBatch.elapsed() >= batchIntervalMs) {
                emit probed(with, without);
                with.clear();
                without.clear();
                sinceBatch.restart();
            }
        }
        emit probed(with, without);
    }
}
