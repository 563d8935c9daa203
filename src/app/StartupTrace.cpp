// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/StartupTrace.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>

Q_LOGGING_CATEGORY(startupTrace, "opalo.startup", QtWarningMsg)

StartupTrace::StartupTrace(QWidget *window)
    : QObject(window)
{
    window->installEventFilter(this);
}

void StartupTrace::mark(const char *step)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    qCDebug(startupTrace, "startup: %s at %lld", step,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

bool StartupTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The backing store is flushed right after the paint, within the
        // same pass of the event loop.
        QTimer::singleShot(0, this, &StartupTrace::frameShown);
    }
    return false;
}

void StartupTrace::frameShown()
{
    mark("first frame");
    emit firstFrameShown();
}
