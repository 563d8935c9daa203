// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/ItemNameLayout.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace {

const int iconGap = 2;
const int highlightRadius = 3;

QStyle *styleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

PrettyItemDelegate::PrettyItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{ }

bool PrettyItemDelegate::namedUnderIcon(const QStyleOptionViewItem &option)
{
    return option.decorationPosition == QStyleOptionViewItem::Top && !option.text.isEmpty();
}

QStyleOptionViewItem PrettyItemDelegate::itemOption(
    const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    // Each thumbnail is centred in the view's icon box, so that the names
    // of a row line up and a thumbnail's arrival never resizes its cell.
    if (namedUnderIcon(item) && option.decorationSize.isValid())
        item.decorationSize = option.decorationSize;
    return item;
}

QRect PrettyItemDelegate::nameArea(const QStyleOptionViewItem &item, int lineCount)
{
    QStyleOptionViewItem iconOnly(item);
    iconOnly.text.clear();
    const QRect icon
        = styleOf(item)->subElementRect(QStyle::SE_ItemViewItemDecoration, &iconOnly, item.widget);
    const int width = ItemNameLayout::textWidth(item.rect.width());
    return QRect(item.rect.left() + (item.rect.width() - width) / 2, icon.bottom() + 1 + iconGap, width,
        lineCount * ItemNameLayout::lineHeight(item.fontMetrics));
}

QSize PrettyItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QStyleOptionViewItem item = itemOption(option, index);
    if (!namedUnderIcon(item) || !option.rect.isValid())
        return QStyledItemDelegate::sizeHint(option, index);
    const QStringList lines
        = ItemNameLayout::lines(item.text, item.fontMetrics, ItemNameLayout::textWidth(option.rect.width()));
    const QRect area = nameArea(item, lines.size());
    return QSize(option.rect.width(), area.bottom() + 1 - option.rect.top() + iconGap);
}

void PrettyItemDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = itemOption(option, index);
    if (!namedUnderIcon(item)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The style draws the icon (and its selected look); the name is laid
    // out here.
    const QString name = item.text;
    QStyleOptionViewItem iconOnly(item);
    iconOnly.text.clear();
    // Without a text to lay out, the style would still mark the selection
    // in a stub of a line under the icon.
    iconOnly.features &= ~QStyleOptionViewItem::HasDisplay;
    iconOnly.state &= ~QStyle::State_HasFocus;
    QStyle *style = styleOf(item);
    // Qt 6.8 marks it all the same, in all the room under the icon: the
    // style draws within the icon's box only.
    painter->save();
    painter->setClipRect(
        style->subElementRect(QStyle::SE_ItemViewItemDecoration, &iconOnly, item.widget), Qt::IntersectClip);
    style->drawControl(QStyle::CE_ItemViewItem, &iconOnly, painter, item.widget);
    painter->restore();
    if (index == m_wholeNameItem && !wholeNameLines(item).isEmpty())
        return;
    const QStringList lines
        = ItemNameLayout::lines(name, item.fontMetrics, ItemNameLayout::textWidth(item.rect.width()));
    paintName(painter, item, lines, nameArea(item, lines.size()));
}

bool PrettyItemDelegate::paintWholeName(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, int bottom) const
{
    const QStyleOptionViewItem item = itemOption(option, index);
    const QStringList whole = wholeNameLines(item);
    if (whole.isEmpty())
        return false;
    QRect area = nameArea(item, whole.size());
    // Near the view's lower edge the name goes up over its own icon.
    if (area.bottom() > bottom)
        area.moveBottom(qMax(bottom, item.rect.top() + area.height() - 1));
    paintName(painter, item, whole, area);
    return true;
}

QStringList PrettyItemDelegate::wholeNameLines(const QStyleOptionViewItem &item)
{
    if (!namedUnderIcon(item))
        return QStringList();
    const int width = ItemNameLayout::textWidth(item.rect.width());
    const QStringList whole = ItemNameLayout::lines(item.text, item.fontMetrics, width, 0);
    return whole.size() > ItemNameLayout::shownLines ? whole : QStringList();
}

void PrettyItemDelegate::paintName(
    QPainter *painter, const QStyleOptionViewItem &item, const QStringList &lines, const QRect &area)
{
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : item.state & QStyle::State_Active                                  ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    int textWidth = 0;
    for (const QString &line : lines)
        textWidth = qMax(textWidth, item.fontMetrics.horizontalAdvance(line.trimmed()));
    // A pixel beyond the letters on every side, so that the rounded corners
    // never cut into them.
    const QRect used(
        area.left() + (area.width() - textWidth) / 2 - 2, area.top() - 1, textWidth + 4, area.height() + 2);
    if (selected) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(item.palette.brush(group, QPalette::Highlight));
        painter->drawRoundedRect(used, highlightRadius, highlightRadius);
    }
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // From the baseline: a line's rectangle would clip the underscores of
    // camera names, which reach below the font's descent.
    int baseline = area.top() + item.fontMetrics.ascent();
    for (const QString &line : lines) {
        const QString text = line.trimmed();
        const int left = area.left() + (area.width() - item.fontMetrics.horizontalAdvance(text)) / 2;
        painter->drawText(QPoint(left, baseline), text);
        baseline += ItemNameLayout::lineHeight(item.fontMetrics);
    }
    painter->restore();
    if (item.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(item);
        focus.rect = used;
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor = item.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        styleOf(item)->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, item.widget);
    }
}

QWidget *PrettyItemDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    // The list's editor has no frame; without its own background the names
    // under and beside it would show through.
    if (editor)
        editor->setAutoFillBackground(true);
    return editor;
}

void PrettyItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    const auto *lineEdit = qobject_cast<QLineEdit *>(editor);
    const QString path = FolderListModel::filePathOf(index);
    if (!lineEdit || path.isEmpty())
        return;
    const QString newName = lineEdit->text();
    const QString oldName = index.data(Qt::DisplayRole).toString();
    if (newName.isEmpty() || newName == oldName)
        return;
    const QString folder = QFileInfo(path).absolutePath();
    // A separator would move the file elsewhere; the name is refused as if
    // it were taken.
    const QString target
        = folder + QLatin1Char('/') + (newName.contains(QLatin1Char('/')) ? oldName : newName);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        showNameTaken(newName, editor);
        return;
    }
    const QByteArray from = QFile::encodeName(path);
    const QByteArray to = QFile::encodeName(target);
    // Never over a name that appeared since the check; a file system that
    // cannot promise that (FUSE) gets the plain rename the check allowed.
    int result = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL)
        result = ::rename(from.constData(), to.constData());
    if (result == 0)
        return;
    if (errno == EEXIST)
        showNameTaken(newName, editor);
    else
        showRenameFailed(oldName, errno, editor);
}

void PrettyItemDelegate::showRenameFailed(const QString &name, int error, QWidget *parent)
{
    MessageBox box(QMessageBox::Critical,
        tr("IDS_RENAME_FAILED").arg(name, QString::fromLocal8Bit(std::strerror(error))), QMessageBox::Ok,
        parent);
    box.setWindowTitle(tr("IDS_RENAME_FILE_TITLE"));
    box.exec();
}

void PrettyItemDelegate::showNameTaken(const QString &newName, QWidget *parent)
{
    MessageBox box(QMessageBox::Information, tr("IDS_RENAME_FILE").arg(newName), QMessageBox::Ok, parent);
    box.setWindowTitle(tr("IDS_RENAME_FILE_TITLE"));
    box.exec();
}
