// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// Tells when the entries of one folder change: added, removed, renamed,
// written (once closed) or given a new time or rights, and when the folder
// itself goes (removed, moved, its file system unmounted). Only that folder
// is watched, none below it; the kernel's notices are read as they come,
// and a burst of them is reported once, at most a settle time after its
// first notice.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int settleMs = 100;

    explicit FolderWatcher(QObject *parent = nullptr);
    ~FolderWatcher() override;

    // Watches folder from now on instead; the empty path watches nothing.
    // A link named as the folder is followed, as the list reads it.
    void watch(const QString &folder);

signals:
    void changed();

private:
    void readNotices();
    void stopWatching();

    int m_inotify = -1;
    int m_watch = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_settle;
};
