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

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <utility>

namespace {

const int iconGap = 2;
const int highlightRadius = 3;
// The names of a few screens of items, in each line count.
const int keptLayouts = 4096;

QStyle *styleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

PrettyItemDelegate::PrettyItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_layouts(keptLayouts)
{ }

const PrettyItemDelegate::NameLines &PrettyItemDelegate::nameLines(
    const QStyleOptionViewItem &item, int maxLines) const
{
    const int width = ItemNameLayout::textWidth(item.rect.width());
    const QString key = item.font.key() + QLatin1Char('\n') + QString::number(width) + QLatin1Char('/')
        + QString::number(maxLines) + QLatin1Char('\n') + item.text;
    if (const NameLines *kept = m_layouts.object(key))
        return *kept;
    auto *name = new NameLines { ItemNameLayout::lines(item.text, item.fontMetrics, width, maxLines), {} };
    for (const QString &line : std::as_const(name->lines))
        name->widths.append(item.fontMetrics.horizontalAdvance(line.trimmed()));
    m_layouts.insert(key, name);
    return *name;
}

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
    const QRect area = nameArea(item, nameLines(item).lines.size());
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
    if (index == m_wholeNameItem && !wholeNameLines(item).lines.isEmpty())
        return;
    const NameLines &name = nameLines(item);
    paintName(painter, item, name, nameArea(item, name.lines.size()));
}

bool PrettyItemDelegate::paintWholeName(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, int bottom) const
{
    const QStyleOptionViewItem item = itemOption(option, index);
    const NameLines whole = wholeNameLines(item);
    if (whole.lines.isEmpty())
        return false;
    QRect area = nameArea(item, whole.lines.size());
    // Near the view's lower edge the name goes up over its own icon.
    if (area.bottom() > bottom)
        area.moveBottom(qMax(bottom, item.rect.top() + area.height() - 1));
    paintName(painter, item, whole, area);
    return true;
}

PrettyItemDelegate::NameLines PrettyItemDelegate::wholeNameLines(const QStyleOptionViewItem &item) const
{
    if (!namedUnderIcon(item))
        return NameLines();
    const NameLines &whole = nameLines(item, 0);
    return whole.lines.size() > ItemNameLayout::shownLines ? whole : NameLines();
}

void PrettyItemDelegate::paintName(
    QPainter *painter, const QStyleOptionViewItem &item, const NameLines &name, const QRect &area)
{
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : item.state & QStyle::State_Active                                  ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    const int textWidth
        = name.widths.isEmpty() ? 0 : *std::max_element(name.widths.cbegin(), name.widths.cend());
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
    for (int line = 0; line < name.lines.size(); ++line) {
        const int left = area.left() + (area.width() - name.widths.at(line)) / 2;
        painter->drawText(QPoint(left, baseline), name.lines.at(line).trimmed());
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
