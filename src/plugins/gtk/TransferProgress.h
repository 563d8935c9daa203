// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>

class QProgressDialog;

// Runs the transfers of a paste on a thread of their own and returns when
// they are done. The caller's windows go on painting meanwhile but take no
// input; when the work takes longer than a second a modal progress window
// shows what is being done, and its Cancel asks the work to stop.
//
// The work reports through the thread-safe setters and asks the user through
// onGui(), which runs a function in the GUI thread and waits for it.
class TransferProgress : public QObject
{
    Q_OBJECT

public:
    explicit TransferProgress(bool move);
    ~TransferProgress() override;

    void run(const std::function<void()> &work);

    // Called from the work's thread.
    void setTotal(qint64 bytes) { m_total = bytes; }
    void setCurrent(const QString &name);
    void advance(qint64 bytes) { m_done += bytes; }
    bool cancelled() const { return m_cancelled; }
    void onGui(const std::function<void()> &function);

private:
    void showWindow();
    void update();

    const bool m_move;
    std::atomic<qint64> m_total { 0 };
    std::atomic<qint64> m_done { 0 };
    std::atomic_bool m_cancelled { false };
    QMutex m_currentLock;
    QString m_current;
    QPointer<QProgressDialog> m_window;
};
