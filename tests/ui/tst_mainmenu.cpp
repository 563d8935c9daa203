// SPDX-License-Identifier: GPL-2.0-or-later
// The main menu: where each category sits, what it says, and which signal
// its button sends.
#include "UiTestHelpers.h"
#include "ui/MainMenu.h"
#include "widgets/Button.h"

#include <QAccessible>
#include <QGridLayout>
#include <QLabel>
#include <QtTest>

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void category_data();
    void category();

private:
    QTranslator m_translator;
};

void TestMainMenu::initTestCase()
{
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestMainMenu::category_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("signal");
    // A word the description of the category holds.
    QTest::addColumn<QString>("described");
    QTest::newRow("media") << "_mediaPushButton" << QPoint(0, 0) << "label_19:Multimedia" << 0 << "photos";
    QTest::newRow("applications") << "_appSyncPushButton" << QPoint(1, 0) << "label_13:Applications" << 1
                                  << "applications";
    QTest::newRow("backup and restore")
        << "_bakRestorePushButton" << QPoint(0, 1) << "label_15:Backup and restore" << 2 << "back up";
    QTest::newRow("system update") << "_updatePushButton" << QPoint(1, 1) << "label_17:System update" << 3
                                   << "updates";
}

void TestMainMenu::category()
{
    QFETCH(QString, button);
    QFETCH(QPoint, cell);
    QFETCH(QString, title);
    QFETCH(int, signal);

    MainMenu menu;
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    auto *picture = menu.findChild<Button *>(button);
    QCOMPARE(picture->size(), QSize(118, 118));
    auto *grid = menu.findChild<QGridLayout *>(QStringLiteral("_cathegorySelectionGridLayout_2"));
    QLayout *cellLayout = grid->itemAtPosition(cell.y(), cell.x())->layout();
    QCOMPARE(cellLayout->indexOf(picture), 0);
    auto *titleLabel = menu.findChild<QLabel *>(title.section(QLatin1Char(':'), 0, 0));
    QCOMPARE(titleLabel->text(), title.section(QLatin1Char(':'), 1));
    QVERIFY(cellLayout->itemAt(1)->layout()->indexOf(titleLabel) >= 0);
    // The button shows a picture only: a screen reader names it by its title.
    QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name), titleLabel->text());
    QFETCH(QString, described);
    const QString description
        = QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description);
    QVERIFY2(description.contains(described), qPrintable(description));

    QSignalSpy media(&menu, &MainMenu::showMediaSync);
    QSignalSpy applications(&menu, &MainMenu::showAppSync);
    QSignalSpy backup(&menu, &MainMenu::showBackupRestore);
    QSignalSpy update(&menu, &MainMenu::showUpadate);
    QTest::mouseClick(picture, Qt::LeftButton);
    const QList<QSignalSpy *> spies { &media, &applications, &backup, &update };
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), i == signal ? 1 : 0);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
