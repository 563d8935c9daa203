// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/plugins/VerifyPasteDone.h"

#include <QDeadlineTimer>
#include <QFileInfo>

namespace {

using namespace std::chrono_literals;

constexpr auto passPause = 2s;
constexpr auto vanishedPause = 1s;

bool isThere(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

} // namespace

VerifyPasteDone::VerifyPasteDone(
    const QVector<QString> &cutFiles, const QModelIndex &cutIndex, QObject *parent)
    : QThread(parent)
    , m_cutFiles(cutFiles)
    , m_cutIndex(cutIndex)
{ }

VerifyPasteDone::~VerifyPasteDone()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stopping = true;
    }
    m_wake.wakeAll();
    wait();
}

void VerifyPasteDone::run()
{
    verifyFilesDeleted();
}

bool VerifyPasteDone::waitUnlessStopped(std::chrono::milliseconds duration)
{
    QMutexLocker locker(&m_mutex);
    const QDeadlineTimer deadline(duration);
    while (!m_stopping && !deadline.hasExpired())
        m_wake.wait(&m_mutex, deadline);
    return !m_stopping;
}

bool VerifyPasteDone::pause(std::chrono::milliseconds duration)
{
    if (!m_pause)
        return waitUnlessStopped(duration);
    QMutexLocker locker(&m_mutex);
    if (m_stopping)
        return false;
    locker.unlock();
    return m_pause(duration);
}

void VerifyPasteDone::announce()
{
    // Runs in the GUI thread, which alone may read the persistent index;
    // dropped if this object goes first.
    QMetaObject::invokeMethod(this, [this] { emit done(m_cutIndex); }, Qt::QueuedConnection);
}

void VerifyPasteDone::verifyFilesDeleted()
{
    QVector<bool> pending(m_cutFiles.size(), true);
    for (int attempt = 1;; ++attempt) {
        if (!pause(passPause))
            return;
        int vanished = 0;
        for (int i = 0; i < m_cutFiles.size(); ++i) {
            if (!pending.at(i) || isThere(m_cutFiles.at(i)))
                continue;
            pending[i] = false;
            announce();
            if (!pause(vanishedPause))
                return;
            ++vanished;
        }
        if (vanished == m_cutFiles.size() || attempt >= attempts) {
            announce();
            return;
        }
    }
}
