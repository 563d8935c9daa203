// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMutex>
#include <QPersistentModelIndex>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <chrono>
#include <functional>

// Watches, after a paste of cut files, for the files to leave the folder
// they were cut from, and reports that folder's tree row each time one goes
// and once at the end, so that the pane lists it again. A desktop's file
// manager moves the files on its own time; the check gives up after
// `attempts` passes.
//
// The tree row is kept as a persistent index and read only in the GUI
// thread: the tree may list the folder's parent again meanwhile, which
// deletes its nodes, and the report then carries an invalid index.
class VerifyPasteDone : public QThread
{
    Q_OBJECT

public:
    static constexpr int attempts = 20;
    // Waits for a duration; false once the check is to stop.
    using Pause = std::function<bool(std::chrono::milliseconds duration)>;

    VerifyPasteDone(const QVector<QString> &cutFiles, const QModelIndex &cutIndex, QObject *parent = nullptr);
    // Stops the check at once and joins the thread.
    ~VerifyPasteDone() override;

    // Replaces the waits between passes (2 s) and after each vanished file
    // (1 s); tests count and shorten them. Set before start().
    void setPause(Pause pause) { m_pause = std::move(pause); }

signals:
    void done(const QModelIndex &cutIndex);

public slots:
    // The check itself, run by the thread.
    void verifyFilesDeleted();

protected:
    void run() override;

private:
    bool pause(std::chrono::milliseconds duration);
    bool waitUnlessStopped(std::chrono::milliseconds duration);
    // Has the GUI thread emit done with the cut folder's current row.
    void announce();

    const QVector<QString> m_cutFiles;
    const QPersistentModelIndex m_cutIndex;
    Pause m_pause;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopping = false;
};
