// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QObject>

class QWidget;

// Start-up's own trace on the category "opalo.startup", silent unless it is
// enabled (QT_LOGGING_RULES="opalo.startup.debug=true"). Each mark is one
// line "startup: STEP at NS", NS being the monotonic clock in nanoseconds, so
// that a process that started this one can tell where the time went.
Q_DECLARE_LOGGING_CATEGORY(startupTrace)

// Watches a window for its first frame: the first paint, flushed to the
// screen by the time the event loop comes back.
class StartupTrace : public QObject
{
    Q_OBJECT

public:
    explicit StartupTrace(QWidget *window);

    static void mark(const char *step);

signals:
    void firstFrameShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frameShown();
};
