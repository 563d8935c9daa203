// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QObject>

#include <sys/types.h>

class HelperConfinement;
class QSocketNotifier;
class QTimer;

// One thumbnail helper process as the program sees it: started at once,
// handed one file at a time, killed at once. Nothing here ever waits for
// the process: its replies are read as they come, through the event loop
// of the thread that made the helper, and a process that ended is collected
// once it is gone.
class ThumbnailHelper : public QObject
{
    Q_OBJECT

public:
    // Time a file may take by the clock, at first; the process bounds its
    // own processor time and memory.
    static constexpr int defaultFileTimeoutMs = 10000;
    // Time a process may take to start, on top, when it is handed a file
    // before it is ready: a busy machine can slow a start down for seconds.
    static constexpr int startTimeoutMs = 10000;

    explicit ThumbnailHelper(QObject *parent = nullptr);
    // Kills the process.
    ~ThumbnailHelper() override;

    // Starts program in the box; false when it cannot be started.
    bool start(const QString &program, const HelperConfinement &confinement);
    bool isRunning() const { return m_pid > 0; }
    void setFileTimeout(int milliseconds);
    // Hands the process a file with the descriptors of the request, which
    // are closed here, also while it works on others; the answers come in
    // turn, each as finished(), or died() for all of them.
    void make(ThumbnailProtocol::Request &request);
    // Files handed and not answered yet.
    int pending() const { return m_pending; }
    // Kills the process at once; no signal follows.
    void kill();
    // Lets an idle process end by itself, once it has saved its work.
    void close();

signals:
    // The reply of the first file handed and not answered yet.
    void finished(const ThumbnailProtocol::Reply &reply);
    // The process ended: it crashed, a limit stopped it, or it answered
    // nonsense. The first file not answered has no thumbnail, unless the
    // process had not greeted yet: then it never got to look at it; those
    // after it were never looked at.
    void died(bool greeted);

private:
    void readReply();
    // Reads and acts on replies until the pipe is empty or, with a budget
    // (not negative), until that many nanoseconds have gone by.
    void readReplies(qint64 budgetNs);
    // Acts on a reply complete, or invalid; false once the process is gone.
    bool takeReply(ThumbnailProtocol::ReplyReader::Status status);
    void die();
    void dieOnceRead();
    void release(bool killed);

    pid_t m_pid = -1;
    int m_requests = -1;
    int m_replies = -1;
    QSocketNotifier *m_replyNotifier = nullptr;
    QTimer *m_timeout;
    int m_fileTimeoutMs = defaultFileTimeoutMs;
    ThumbnailProtocol::ReplyReader m_reply;
    int m_pending = 0;
};
