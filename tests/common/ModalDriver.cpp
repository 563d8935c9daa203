// SPDX-License-Identifier: GPL-2.0-or-later
#include "ModalDriver.h"

#include "SnapshotFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QMenu>
#include <QTest>

ModalDriver::ModalDriver(const QList<QMessageBox::StandardButton> &answers)
{
    for (QMessageBox::StandardButton button : answers)
        answer(button);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::look);
    m_timer.start();
}

void ModalDriver::then(Step step, Takes takes)
{
    m_steps.enqueue({ std::move(step), takes == MessageBoxOnly });
}

void ModalDriver::answer(QMessageBox::StandardButton button)
{
    then([button](QWidget *box) { answerBox(box, button); }, MessageBoxOnly);
}

QStringList ModalDriver::texts() const
{
    QStringList result;
    for (const Box &box : m_seen)
        result.append(box.text);
    return result;
}

void ModalDriver::look()
{
    QWidget *window = QApplication::activePopupWidget();
    if (!window)
        window = QApplication::activeModalWidget();
    if (!window || window == m_handled || !window->isVisible())
        return;
    auto *box = qobject_cast<QMessageBox *>(window);
    const bool stepTakesIt = !m_steps.isEmpty() && (box || !m_steps.head().boxesOnly);
    if (!stepTakesIt && !box)
        return;
    m_handled = window;
    if (box)
        m_seen.append({ box->windowTitle(), box->text(), box->icon(), box->standardButtons() });
    const Step act = stepTakesIt ? m_steps.dequeue().step
                                 : [](QWidget *unexpected) { answerBox(unexpected, QMessageBox::NoButton); };
    // Out of the polling timer's call, which Qt does not repeat while it
    // runs: a step may open the next modal window itself.
    QTimer::singleShot(0, this, [act, window = QPointer<QWidget>(window)] {
        if (window)
            act(window);
    });
}

void ModalDriver::answerBox(QWidget *window, QMessageBox::StandardButton button)
{
    auto *box = qobject_cast<QMessageBox *>(window);
    QAbstractButton *chosen = button == QMessageBox::NoButton ? box->escapeButton() : box->button(button);
    if (chosen)
        chosen->click();
    else
        box->reject();
}

ModalDriver::Step ModalDriver::clickButton(const QString &text)
{
    return [text](QWidget *window) {
        if (QAbstractButton *button = findButton(window, text)) {
            button->click();
            return;
        }
        QStringList texts;
        const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
        for (const QAbstractButton *button : buttons)
            texts << button->text();
        qWarning() << "no button" << text << "among" << texts;
    };
}

ModalDriver::Step ModalDriver::chooseMenuAction(std::function<QAction *(QWidget *menu)> action)
{
    return [action](QWidget *window) {
        auto *menu = qobject_cast<QMenu *>(window);
        menu->setActiveAction(action(menu));
        QTest::keyClick(menu, Qt::Key_Return);
    };
}

ModalDriver::Step ModalDriver::chooseMenuEntry(const QString &objectName)
{
    return [objectName](QWidget *menu) {
        if (auto *entry = menu->findChild<QAction *>(objectName))
            entry->trigger();
        else
            qWarning() << "no menu entry" << objectName;
        // An entry triggered other than by the pointer or the keyboard
        // leaves the menu open.
        if (menu->isVisible())
            menu->hide();
    };
}

ModalDriver::Step ModalDriver::dismissMenu()
{
    return [](QWidget *window) { QTest::keyClick(window, Qt::Key_Escape); };
}

ModalDriver::Step ModalDriver::dismiss()
{
    return [](QWidget *window) {
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            QTest::keyClick(window, Qt::Key_Escape);
    };
}

ModalDriver::Step ModalDriver::saveWindow(const SnapshotFolder &folder, const QString &name, Step next)
{
    return [&folder, name, next](QWidget *window) {
        folder.save(*window, name);
        next(window);
    };
}

QAbstractButton *findButton(QWidget *window, const QString &text)
{
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isVisible() && button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}
