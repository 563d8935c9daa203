// SPDX-License-Identifier: GPL-2.0-or-later
#include "KdeShellMenu.h"

#include "KdeShellMenuExports.h"
#include "plugins/DialogParent.h"

#include <KActionCollection>
#include <KBookmarkManager>
#include <KFileItem>
#include <KLocalizedString>
#include <KNewFileMenu>
#include <KPropertiesDialog>
#include <KStandardAction>
#include <konq_popupmenu.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStandardPaths>

namespace {

// KDE's own wording, so that the entries read like the rest of Dolphin's menu.
QString kioText(const char *text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return i18nd("kio6", text);
#else
    return i18nd("kio5", text);
#endif
}

// The user's bookmarks, the file Dolphin and Konqueror keep them in.
KBookmarkManager *userBookmarks(QObject *parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return new KBookmarkManager(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QLatin1String("/konqueror/bookmarks.xml"),
        parent);
#else
    Q_UNUSED(parent)
    return KBookmarkManager::userBookmarksManager();
#endif
}

KFileItemList fileItems(const QVector<QString> &paths)
{
    KFileItemList items;
    for (const QString &path : paths)
        items.append(KFileItem(QUrl::fromLocalFile(path)));
    return items;
}

bool clipboardHoldsUrls()
{
    const QMimeData *data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasUrls();
}

} // namespace

KdeShellMenu::KdeShellMenu(const QVector<QString> &paths, bool isFileSelection, QWidget *window)
    : QWidget(window)
    , m_paths(paths)
    , m_isFileSelection(isFileSelection)
{ }

QAction *KdeShellMenu::addEditAction(KActionCollection *collection, const QString &name, const QString &text,
    const QString &icon, const QKeySequence &shortcut)
{
    QAction *action = collection->addAction(name);
    action->setText(text);
    if (!icon.isEmpty())
        action->setIcon(QIcon::fromTheme(icon));
    if (!shortcut.isEmpty())
        collection->setDefaultShortcut(action, shortcut);
    return action;
}

KActionCollection *KdeShellMenu::createActions()
{
    auto *collection = new KActionCollection(this);

    QAction *cut = collection->addAction(
        QStringLiteral("cut"), KStandardAction::create(KStandardAction::Cut, nullptr, nullptr, collection));
    // Shift+Delete deletes here, and the Cut key goes to the caller's list.
    QList<QKeySequence> cutShortcuts = cut->shortcuts();
    cutShortcuts.removeAll(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    cutShortcuts.removeAll(QKeySequence(0x01000064));
    collection->setDefaultShortcuts(cut, cutShortcuts);
    collection->addAction(
        QStringLiteral("copy"), KStandardAction::create(KStandardAction::Copy, nullptr, nullptr, collection));
    collection->addAction(QStringLiteral("paste"),
        KStandardAction::create(KStandardAction::Paste, nullptr, nullptr, collection));

    addEditAction(collection, QStringLiteral("rename"), kioText("Rename"), QStringLiteral("edit-rename"),
        QKeySequence(Qt::Key_F2));
    addEditAction(collection, QStringLiteral("trash"), kioText("Move to Trash"), QStringLiteral("user-trash"),
        QKeySequence(Qt::Key_Delete));
    addEditAction(collection, QStringLiteral("delete"), kioText("Delete"), QStringLiteral("edit-delete"),
        QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    QAction *properties = addEditAction(
        collection, QStringLiteral("properties"), kioText("Properties"), QString(), QKeySequence());
    connect(properties, &QAction::triggered, this, &KdeShellMenu::properties);
    return collection;
}

int KdeShellMenu::OnContextMenu(QPoint pos, QWidget **menuOut)
{
    KActionCollection *collection = createActions();
    QList<QAction *> editActions { collection->action(QStringLiteral("paste")) };
    if (m_isFileSelection) {
        editActions = { collection->action(QStringLiteral("cut")), collection->action(QStringLiteral("copy")),
            collection->action(QStringLiteral("paste")), collection->action(QStringLiteral("rename")),
            collection->action(QStringLiteral("trash")), collection->action(QStringLiteral("delete")) };
    }
    collection->action(QStringLiteral("paste"))->setEnabled(clipboardHoldsUrls());

    const QUrl viewUrl = QUrl::fromLocalFile(m_paths.value(0));
    auto *menu
        = new KonqPopupMenu(fileItems(m_paths), viewUrl, *collection, KonqPopupMenu::ShowNewWindow, this);
    menu->setBookmarkManager(userBookmarks(menu));
    menu->setActionGroups({ { KonqPopupMenu::EditActions, editActions } });
    if (!m_isFileSelection) {
        auto *newMenu = new KNewFileMenu(collection);
        // Its name and error dialogues go over the program's window.
        newMenu->setParentWidget(window());
        newMenu->setObjectName(QStringLiteral("New"));
        newMenu->setText(kioText("Create New"));
        collection->addAction(QStringLiteral("New"), newMenu);
        menu->setNewFileMenu(newMenu);
    }
    if (menuOut)
        *menuOut = menu;
    // libkonq fills the menu anew as it is about to show; this comes after.
    connect(menu, &QMenu::aboutToShow, this, [menu, collection] {
        menu->addSeparator();
        menu->addAction(collection->action(QStringLiteral("properties")));
    });
    return carryOut(*collection, menu->exec(pos));
}

int KdeShellMenu::carryOut(const KActionCollection &collection, const QAction *chosen)
{
    if (!chosen)
        return KdeMenuNothingToDo;
    if (chosen == collection.action(QStringLiteral("cut"))) {
        KDEcut(&m_paths, this);
        return KdeMenuCut;
    }
    if (chosen == collection.action(QStringLiteral("paste"))) {
        KDEpaste(m_paths, this);
        return KdeMenuPasted;
    }
    if (chosen == collection.action(QStringLiteral("copy"))) {
        KDEcopy_file(&m_paths, this);
        return KdeMenuCopied;
    }
    if (chosen == collection.action(QStringLiteral("rename")))
        KDErename_file(&m_paths, this);
    else if (chosen == collection.action(QStringLiteral("delete")))
        KDEdel(&m_paths, this);
    else if (chosen == collection.action(QStringLiteral("trash")))
        KDEtrash(&m_paths, this);
    return KdeMenuNothingToDo;
}

void KdeShellMenu::properties()
{
    if (!m_paths.isEmpty())
        KPropertiesDialog::showDialog(fileItems(m_paths), dialogParent(), true);
}
