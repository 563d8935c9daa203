// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStyledItemDelegate>

// The item delegate of the file list. A rename is done on disk, not through
// the model (whose watcher brings the change in), and a name that is taken,
// or that holds a path separator, is refused with a message.
//
// Under an icon the name is written as ItemNameLayout lays it out; the list
// writes the whole name of its current item over its neighbours with
// paintWholeName(). The rename editor is opaque, so that no name behind it
// shows through.
class PrettyItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit PrettyItemDelegate(QObject *parent = nullptr);

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // Writes the whole name of the item at option.rect, over what lies below
    // it, when its three lines cut it short; false when they do not. The
    // name ends above bottom where the item leaves room for it.
    bool paintWholeName(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, int bottom) const;
    // The item whose whole name the list writes: its cell leaves out the
    // name it would cut short, so that the name is written once.
    void setWholeNameItem(const QModelIndex &index) { m_wholeNameItem = index; }

private:
    // The boxes go over the window of parent, the line being edited.
    static void showNameTaken(const QString &newName, QWidget *parent);
    // Says why name could not be renamed, from the error the system gave.
    static void showRenameFailed(const QString &name, int error, QWidget *parent);
    // The lines of the whole name where three do not hold it; none else.
    static QStringList wholeNameLines(const QStyleOptionViewItem &item);
    // Whether the item is drawn with its name under its icon.
    static bool namedUnderIcon(const QStyleOptionViewItem &option);
    QStyleOptionViewItem itemOption(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // Where the lines of the name start: under the icon as the style draws it.
    static QRect nameArea(const QStyleOptionViewItem &item, int lineCount);
    static void paintName(
        QPainter *painter, const QStyleOptionViewItem &item, const QStringList &lines, const QRect &area);

    QPersistentModelIndex m_wholeNameItem;
};
