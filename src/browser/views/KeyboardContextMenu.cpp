// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/KeyboardContextMenu.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace {

bool asksForMenu(const QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

} // namespace

bool KeyboardContextMenu::handle(QAbstractItemView *view, QEvent *event)
{
    if (!asksForMenu(event))
        return false;
    event->accept();
    const QModelIndex current = view->currentIndex();
    QPoint at;
    if (current.isValid()) {
        view->scrollTo(current);
        at = view->visualRect(current).center();
    }
    emit view->customContextMenuRequested(at);
    return true;
}
