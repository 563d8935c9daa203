// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMutex>
#include <QStringList>
#include <QThread>

class QNodeItem;

// Lists the sub-folders of one folder away from the GUI thread for a tree
// node, which picks the list up in QNodeItem::finishUp() once the thread
// ends. Flags and list are shared under the importer's mutex.
class FileListImporter : public QThread
{
    Q_OBJECT

public:
    FileListImporter(const QString &path, QNodeItem *node, QObject *parent = nullptr);
    // Waits for the thread, however long the listing takes.
    ~FileListImporter() override;

    QNodeItem *node() const { return m_node; }
    QMutex *mutex() { return &m_mutex; }
    // Read under mutex().
    QStringList *results() { return &m_results; }
    // Read under mutex().
    bool wasStopped() const { return m_stopped; }
    // Asks the listing to end before its next entry.
    void requestStop();

protected:
    void run() override;

private:
    bool m_stopRequested = false;
    bool m_stopped = false;
    QMutex m_mutex;
    QStringList m_results;
    const QString m_path;
    QNodeItem *const m_node;
};
