// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QVideoList;

// What a screen reader is told of a file list: a list whose items are the
// files and folders it shows, each with its name and whether it is selected
// or current. (The toolkit's own view of a list reads its model from the
// top, where the file model holds the file-system root, not the folder
// shown.)
//
// Item n is row n of the shown folder, as in the list's own focus events.
// Items are made when asked for and kept while their row holds the same file.
class FileListAccessible : public QAccessibleWidget
{
public:
    explicit FileListAccessible(QVideoList *list);
    ~FileListAccessible() override;

    static QAccessibleInterface *create(const QString &className, QObject *object);

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    QVideoList *list() const;

    mutable QHash<int, QAccessible::Id> m_items;
};
