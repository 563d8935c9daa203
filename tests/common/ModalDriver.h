// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;
class SnapshotFolder;

// Plays the user for a call that opens popup menus, modal dialogs and message
// boxes: a timer looks for them while the call's own event loop runs, and
// hands each new one to the next queued step that takes it. Every message box
// seen is noted; one that no step is left for is closed with its escape
// button, so that a test never hangs on an unexpected question.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    using Step = std::function<void(QWidget *window)>;
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    // Queues answer() for each button given.
    explicit ModalDriver(const QList<QMessageBox::StandardButton> &answers = {});

    enum Takes { AnyWindow, MessageBoxOnly };

    // The next window step takes goes to it; a step that takes message
    // boxes only lets any other window (a progress window, say) pass.
    void then(Step step, Takes takes = AnyWindow);
    // The next message box is answered with button (its escape button for
    // NoButton).
    void answer(QMessageBox::StandardButton button);
    int pendingSteps() const { return m_steps.size(); }

    const QList<Box> &seen() const { return m_seen; }
    QStringList texts() const;

    // The standard steps.
    static Step clickButton(const QString &text);
    static Step chooseMenuAction(std::function<QAction *(QWidget *menu)> action);
    // The entry of that object name, in the menu or one of its submenus.
    static Step chooseMenuEntry(const QString &objectName);
    static Step dismissMenu();
    // Escape for a menu, reject for a dialog.
    static Step dismiss();
    // Saves a picture of the window into folder as NAME.png, then goes on
    // with next.
    static Step saveWindow(const SnapshotFolder &folder, const QString &name, Step next);

private:
    void look();

    QTimer m_timer;
    struct Queued
    {
        Step step;
        bool boxesOnly;
    };
    static void answerBox(QWidget *window, QMessageBox::StandardButton button);

    QQueue<Queued> m_steps;
    QList<Box> m_seen;
    QPointer<QWidget> m_handled;
};

// The visible button of window whose text, without its accelerator mark, is
// text.
QAbstractButton *findButton(QWidget *window, const QString &text);
