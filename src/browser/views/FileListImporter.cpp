// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FileListImporter.h"

#include "browser/views/NameOrder.h"

#include <QDirIterator>

namespace {

// Leaves the disk to the GUI thread's own listings between entries.
constexpr unsigned long entryPauseMs = 10;

} // namespace

FileListImporter::FileListImporter(const QString &path, QNodeItem *node, QObject *parent)
    : QThread(parent)
    , m_path(path)
    , m_node(node)
{ }

FileListImporter::~FileListImporter()
{
    requestStop();
    wait();
}

void FileListImporter::requestStop()
{
    QMutexLocker locker(&m_mutex);
    m_stopRequested = true;
}

void FileListImporter::run()
{
    QDirIterator entries(m_path, QDir::Dirs | QDir::NoDotAndDotDot);
    QMutexLocker locker(&m_mutex);
    locker.unlock();
    while (entries.hasNext()) {
        const QString path = entries.next();
        locker.relock();
        if (m_stopRequested) {
            m_stopped = true;
            return;
        }
        m_results.append(path);
        locker.unlock();
        msleep(entryPauseMs);
    }
    locker.relock();
    NameOrder::sortPaths(m_results);
}
