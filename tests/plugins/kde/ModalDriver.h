// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

// Plays the user for a call that opens menus and modal dialogs: each popup or
// modal window that comes up is handed to the next queued step, in order.
// A timer looks for them while the call's own event loop runs.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    using Step = std::function<void(QWidget *window)>;

    ModalDriver();

    void then(Step step);
    int pendingSteps() const { return m_steps.size(); }

    // Steps for the windows this program's tests meet.
    static Step clickButton(const QString &text);
    static Step chooseMenuAction(std::function<QAction *(QWidget *menu)> action);
    static Step dismissMenu();

private:
    void look();

    QTimer m_timer;
    QQueue<Step> m_steps;
    QPointer<QWidget> m_handled;
};

// The button of window whose text, without its accelerator mark, is text.
QAbstractButton *findButton(QWidget *window, const QString &text);
