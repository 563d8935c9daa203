// SPDX-License-Identifier: GPL-2.0-or-later
#include "plugins/DialogParent.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QTest>

#include <memory>

class TestDialogParent : public QObject
{
    Q_OBJECT

private slots:
    void parentOfABox_data();
    void parentOfABox();
};

enum Expected { NoParent, MainWindow, ModalDialog };
Q_DECLARE_METATYPE(Expected)

void TestDialogParent::parentOfABox_data()
{
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<bool>("popupShown");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("no window") << false << false << false << NoParent;
    QTest::newRow("the program's window") << true << false << false << MainWindow;
    QTest::newRow("a menu open over it") << true << true << false << MainWindow;
    QTest::newRow("a modal dialogue in front") << true << false << true << ModalDialog;
}

// On Wayland a box without a parent may open behind the window it blocks.
void TestDialogParent::parentOfABox()
{
    QFETCH(bool, windowShown);
    QFETCH(bool, popupShown);
    QFETCH(bool, dialogShown);
    QFETCH(Expected, expected);
    QMainWindow window;
    if (windowShown) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // A menu opened from the window, without a parent as the plug-ins' are.
    std::unique_ptr<QMenu> menu(popupShown ? new QMenu : nullptr);
    if (menu) {
        menu->addAction(QStringLiteral("entry"));
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }
    QDialog dialog(&window);
    if (dialogShown) {
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);
    }
    QWidget *const expectedParent = expected == NoParent ? nullptr
        : expected == MainWindow                         ? static_cast<QWidget *>(&window)
                                                         : &dialog;
    QCOMPARE(dialogParent(), expectedParent);
}

QTEST_MAIN(TestDialogParent)
#include "tst_dialogparent.moc"
