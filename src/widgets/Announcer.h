// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

class QAccessibleInterface;

// Tells screen readers of a change of state that no focused control shows
// (connected, a copy finished): an invisible notification of the window,
// whose accessible name is the last message and which reports it through
// accessible events.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    // Announces text in the window of widget (which may be null: nothing
    // then happens).
    static void announce(QWidget *widget, const QString &text);

    static QAccessibleInterface *createAccessible(const QString &className, QObject *object);

private:
    explicit Announcer(QWidget *window);
    void say(const QString &text);
};
