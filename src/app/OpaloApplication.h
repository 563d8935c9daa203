// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QApplication>
#include <QLockFile>
#include <memory>

// The GUI application object, one instance per user and executable.
//
// The first process of a user takes a lock whose name is derived from the
// user and the executable's path; later ones find it held and report
// isRunning(). A lock left behind by a process that died is taken over, since
// the lock records the owner's process id. When the lock cannot be taken for
// any other reason, the program goes on without single-instance protection
// rather than end without a word.
class OpaloApplication : public QApplication
{
    Q_OBJECT

public:
    OpaloApplication(int &argc, char **argv);
    ~OpaloApplication() override;

    // Whether a live instance of this user holds the lock.
    bool isRunning() const { return m_running; }

    // Gives the lock up before the process is replaced by another program.
    void releaseInstanceLock();

private:
    // Where the lock of this user and executable lives; empty when there is
    // no folder fit to hold it.
    static QString lockFilePath();
    void takeInstanceLock();

    std::unique_ptr<QLockFile> m_lock;
    bool m_running = false;
};
