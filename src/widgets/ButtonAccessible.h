// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAccessibleWidget>

class Button;

// What a screen reader is told of a skinned button. A checkable button that
// excludes its siblings is one of a row of tabs and says so; any other is a
// push button. Its name is its accessible name, else its text (a button
// showing only a picture must be given a name).
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(Button *button);

    // The factory the accessibility framework asks for every object.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    Button *button() const;
    bool isTab() const;
};
