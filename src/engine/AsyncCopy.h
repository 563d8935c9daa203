// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/BrowserMode.h"
#include "engine/CopyDlg.h"

#include <QMutex>
#include <QThread>

#include <atomic>

class QWidget;

// The copy worker: copies a selection of files in its own thread and asks
// the user, through the engine, what to do about existing files and
// failures.
class AsyncCopy : public QThread
{
    Q_OBJECT

public:
    explicit AsyncCopy(QObject *parent = nullptr);

    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    QWidget *mainWindow() const { return m_mainWindow; }

    // Asks a running copy to stop at its next check.
    void requestStop();
    bool isStopRequested() const { return stopRequested; }

signals:
    void bytesWritten(qint64 bytes);
    void bytesPerSecond(qint64 bytes);
    void copyFinshed(bool ok);
    void fileNameChanged(const QString &fileName);
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void showDlg();
    void copy_thread_finished(bool bCancel);

private:
    QWidget *m_mainWindow = nullptr;
    std::atomic<bool> stopRequested { false };
    QMutex stopMutex;
};
