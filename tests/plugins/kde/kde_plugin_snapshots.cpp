// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of what the KDE plug-in shows, for looking at them:
//   kde_plugin_snapshots OUTPUT_FOLDER
// (under Xvfb with DISPLAY set, or QT_QPA_PLATFORM=offscreen, in a session bus).
// The file menu, the background menu and its "Create New" submenu, the rename
// dialog and the properties dialog, over a small folder of sample files.
#include "KdeShellMenuExports.h"
#include "KdeTestSession.h"
#include "ModalDriver.h"
#include "SnapshotFolder.h"
#include "TestDir.h"

#include <KActionCollection>
#include <KNewFileMenu>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

namespace {

QAction *namedAction(QWidget *menu, const char *name)
{
    return menu->parentWidget()->findChild<KActionCollection *>()->action(QLatin1String(name));
}

void showMenu(KdeTestSession &session, const QVector<QString> &paths, bool isFileSelection)
{
    QVector<QString> copy = paths;
    QWidget *menu = nullptr;
    session.resolve<decltype(&KDEshowContextMenu)>("KDEshowContextMenu")(
        QPoint(40, 40), copy, isFileSelection, &menu);
    delete menu;
}

} // namespace

int main(int argc, char **argv)
{
    KdeTestSession session;
    QApplication application(argc, argv);
    SnapshotFolder folder;
    if (!folder.open(QApplication::arguments()))
        return 2;
    if (!session.load()) {
        std::fprintf(stderr, "%s\n", qPrintable(session.errorString()));
        return 1;
    }
    TestDir dir;
    const QVector<QString> files { dir.createFile(QStringLiteral("holiday.jpg"), "jpeg"),
        dir.createFile(QStringLiteral("notes.txt"), "text") };
    ModalDriver driver;

    driver.then(ModalDriver::saveWindow(folder, QStringLiteral("kde_file_menu"), ModalDriver::dismissMenu()));
    showMenu(session, files, true);

    driver.then([&folder](QWidget *menu) {
        folder.save(*menu, QStringLiteral("kde_background_menu"));
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions) {
            if (auto *createNew = qobject_cast<KNewFileMenu *>(action)) {
                qobject_cast<QMenu *>(menu)->setActiveAction(createNew);
                QTest::keyClick(menu, Qt::Key_Right);
            }
        }
    });
    driver.then(ModalDriver::saveWindow(
        folder, QStringLiteral("kde_background_menu_create_new"), [](QWidget *submenu) {
            QTest::keyClick(submenu, Qt::Key_Escape);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        }));
    showMenu(session, { dir.path() }, false);

    driver.then(ModalDriver::saveWindow(folder, QStringLiteral("kde_rename_dialog"), ModalDriver::dismiss()));
    QVector<QString> first { files.first() };
    session.resolve<decltype(&KDErename_file)>("KDErename_file")(&first, nullptr);

    driver.then(ModalDriver::chooseMenuAction([](QWidget *menu) { return namedAction(menu, "properties"); }));
    driver.then(
        ModalDriver::saveWindow(folder, QStringLiteral("kde_properties_dialog"), ModalDriver::dismiss()));
    showMenu(session, files, true);
    return driver.pendingSteps() == 0 ? 0 : 1;
}
