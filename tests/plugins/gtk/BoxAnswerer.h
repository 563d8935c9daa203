// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Answers the modal message boxes a plug-in shows, whatever copy of the
// program's box helper it carries: while it lives it watches for the active
// modal box, notes what the box shows and clicks the next answer (Cancel,
// or the escape button, once the answers run out).
class BoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit BoxAnswerer(const QList<QMessageBox::StandardButton> &answers = {});

    const QList<Seen> &seen() const { return m_seen; }
    QStringList texts() const;

private:
    void answer();

    QList<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QPointer<QMessageBox> m_answered;
    QTimer m_timer;
};
