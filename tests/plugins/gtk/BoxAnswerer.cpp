// SPDX-License-Identifier: GPL-2.0-or-later
#include "BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

BoxAnswerer::BoxAnswerer(const QList<QMessageBox::StandardButton> &answers)
    : m_answers(answers)
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::answer);
    m_timer.start(5);
}

QStringList BoxAnswerer::texts() const
{
    QStringList result;
    for (const Seen &box : m_seen)
        result.append(box.text);
    return result;
}

void BoxAnswerer::answer()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == m_answered)
        return;
    m_answered = box;
    m_seen.append({ box->windowTitle(), box->text(), box->icon(), box->standardButtons() });
    QAbstractButton *button = m_answers.isEmpty() ? box->escapeButton() : box->button(m_answers.takeFirst());
    if (button)
        button->click();
    else
        box->reject();
}
