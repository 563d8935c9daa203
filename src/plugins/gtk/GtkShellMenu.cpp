// SPDX-License-Identifier: GPL-2.0-or-later
// The functions the program finds by name in libgtkShellMenu.so.

#include "FileOperations.h"
#include "GnomeClipboard.h"
#include "GnomeMenu.h"
#include "PasteOperation.h"

#include "base/CatalogueLanguage.h"
#include "plugins/ShellMenuApi.h"

#include <QTranslator>

#include <type_traits>

extern "C" {

Q_DECL_EXPORT void linguistGtkShellMenu(QTranslator *translator);

// Shows the item menu (onItems) or the background menu at (x, y) and
// returns what the caller is left to do. The icon height is not needed:
// icons are square.
Q_DECL_EXPORT int ShowGtkShellMenu(
    int x, int y, QVector<QString> files, bool onItems, int sortBy, int iconSize, int extra, QWidget *parent)
{
    if (files.isEmpty())
        return -1;
    // The newest translator is asked first: each menu shows the plug-in's
    // texts even when a catalogue was installed after the previous menu.
    linguistGtkShellMenu(new QTranslator);
    gnomeMenu menu;
    if (onItems)
        menu.CreateMenu(files.first(), QPoint(x, y), files, parent);
    else
        menu.CreateOutsideMenu(files.first(), QPoint(x, y), sortBy, files, iconSize, extra, parent);
    return menu.resultCode();
}

// Installs the plug-in's catalogue for the system language, English when the
// language has none. The translator stays installed, and is deleted with the
// application; the program never unloads the plug-in, whose memory the
// translator reads.
Q_DECL_EXPORT void linguistGtkShellMenu(QTranslator *translator)
{
    const QString catalogue = QLatin1String(":/translation/lang/gtkShellMenu_")
        + catalogueLanguage(QLocale::system()) + QLatin1String(".qm");
    if (!translator->load(catalogue))
        qWarning("%s cannot be read: the menu shows its texts' keys", qPrintable(catalogue));
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
}

Q_DECL_EXPORT void copy(QVector<QString> files)
{
    GnomeClipboard::put(files, false);
}

Q_DECL_EXPORT void cut(QVector<QString> files)
{
    GnomeClipboard::put(files, true);
}

Q_DECL_EXPORT void paste(QString destination)
{
    PasteOperation(destination).run();
}

Q_DECL_EXPORT void createFolder(QString folder)
{
    FileOperations::createFolder(folder);
}

Q_DECL_EXPORT void makeLink(QString path)
{
    FileOperations::makeLink(path);
}

Q_DECL_EXPORT void moveToTrash(QVector<QString> files, QWidget *)
{
    FileOperations::moveToTrash(files);
}

// Returns 31 Yes, 32 Yes to all, 33 No, 34 No to all, 0 otherwise.
Q_DECL_EXPORT int createMessageBox(QString text, int mode)
{
    return FileOperations::ask(text, mode);
}

// result is numbered as FileOperations::Result.
Q_DECL_EXPORT void verifyGnomeVfsResult(int result, const char *path)
{
    FileOperations::report(result, QString::fromUtf8(path));
}

} // extern "C"

static_assert(std::is_same_v<decltype(&ShowGtkShellMenu), ShellMenuApi::ShowGtkShellMenu>);
static_assert(std::is_same_v<decltype(&linguistGtkShellMenu), ShellMenuApi::Linguist>);
static_assert(std::is_same_v<decltype(&copy), ShellMenuApi::FilesOperation>);
static_assert(std::is_same_v<decltype(&cut), ShellMenuApi::FilesOperation>);
static_assert(std::is_same_v<decltype(&paste), ShellMenuApi::PathOperation>);
static_assert(std::is_same_v<decltype(&createFolder), ShellMenuApi::PathOperation>);
static_assert(std::is_same_v<decltype(&makeLink), ShellMenuApi::PathOperation>);
static_assert(std::is_same_v<decltype(&moveToTrash), ShellMenuApi::MoveToTrash>);
