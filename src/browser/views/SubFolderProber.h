// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

// Reads, away from the GUI thread, whether folders hold a sub-folder. A
// tree view asks this of every row of a folder it opens; for a folder of
// thousands of sub-folders that is thousands of directory reads, too many
// for the GUI thread. Answers come back in batches through probed.
class SubFolderProber : public QThread
{
    Q_OBJECT

public:
    explicit SubFolderProber(QObject *parent = nullptr);
    // Drops what is queued and waits for the folder in hand.
    ~SubFolderProber() override;

    // Queues folders and starts the thread when it does not run.
    void probe(const QStringList &folders);

signals:
    void probed(const QStringList &withSubFolders, const QStringList &withoutSubFolders);

protected:
    void run() override;

private:
    // Waits for work; empty once the thread must end.
    QStringList takeQueue();
    bool isStopping();

    QMutex m_mutex;
    QWaitCondition m_wake;
    QStringList m_queue;
    bool m_stopping = false;
};
