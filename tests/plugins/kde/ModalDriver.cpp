// SPDX-License-Identifier: GPL-2.0-or-later
#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QMenu>
#include <QTest>

ModalDriver::ModalDriver()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::look);
    m_timer.start();
}

void ModalDriver::then(Step step)
{
    m_steps.enqueue(std::move(step));
}

void ModalDriver::look()
{
    QWidget *window = QApplication::activePopupWidget();
    if (!window)
        window = QApplication::activeModalWidget();
    if (!window || window == m_handled || !window->isVisible() || m_steps.isEmpty())
        return;
    m_handled = window;
    // Out of the polling timer's call, which Qt does not repeat while it
    // runs: a step may open the next modal window itself.
    QTimer::singleShot(0, this, [step = m_steps.dequeue(), window = QPointer<QWidget>(window)] {
        if (window)
            step(window);
    });
}

ModalDriver::Step ModalDriver::clickButton(const QString &text)
{
    return [text](QWidget *window) {
        if (QAbstractButton *button = findButton(window, text))
            button->click();
        else {
            QStringList texts;
            const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
            for (const QAbstractButton *button : buttons)
                texts << button->text();
            qWarning() << "no button" << text << "among" << texts;
        }
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

ModalDriver::Step ModalDriver::dismissMenu()
{
    return [](QWidget *window) { QTest::keyClick(window, Qt::Key_Escape); };
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
