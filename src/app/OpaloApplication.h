// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QApplication>
#include <QLockFile>

class QLocalServer;
#include <memory>

// The GUI application object, one instance per user and executable.
//
// The first process of a user takes a lock whose name is derived from the
// user and the executable's path; later ones find it held and report
// isRunning(), and may call the first one (callRunningInstance()), which
// then says so (secondStart()) and brings its window forward. A lock left behind by a process that died is
// taken over, since the lock records the owner's process id. When the lock cannot be taken for any other
// reason, the program goes on without single-instance protection rather than end without a word.
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
    // Asks the running instance to bring its window forward; true once it
    // said it did.
    bool callRunningInstance() const;

signals:
    // A second start of the program asked for this instance's window.
    void secondStart();

private:
    // Where the running instance takes calls: beside the lock.
    static QString callPath();
    void listenForCalls();
    void answerCall();

    // Where the lock of this user and executable lives; empty when there is
    // no folder fit to hold it.
    static QString lockFilePath();
    void takeInstanceLock();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_calls = nullptr;
    bool m_running = false;
};
