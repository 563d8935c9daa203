// SPDX-License-Identifier: GPL-2.0-or-later
// The copy progress dialog: what it shows, what it ignores while hidden, and
// when it closes.
#include "TextContrast.h"
#include "UiTestHelpers.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar2.h"
#include "widgets/ProgressDialog.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

namespace {

QString labelText(ProgressDialog &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(QLatin1String(name))->text();
}

int barValue(ProgressDialog &dialog)
{
    return dialog.findChild<ProgressBar2 *>(QStringLiteral("_progressBar"))->value();
}

} // namespace

class TestProgressDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shownWhileCopying_data();
    void shownWhileCopying();
    void hiddenDialogIgnoresUpdates();
    void successShowsFullBarForOneSecond();
    void closesAtOnce_data();
    void closesAtOnce();
    void keyboardReachesCancel_data();
    void keyboardReachesCancel();
    void screenReadersKnowIt();
    void readableInADarkScheme();

private:
    QTranslator m_translator;
};

void TestProgressDialog::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestProgressDialog::shownWhileCopying_data()
{
    QTest::addColumn<qreal>("percent");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QList<int>>("fileNumber");
    // Written, total, and the rate (0 while unknown).
    QTest::addColumn<QList<qint64>>("bytes");
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("bytesText");
    QTest::newRow("five seconds") << qreal(42.57) << 5 << 425 << "0:05" << QList<int> { 3, 24 }
                                  << QList<qint64> { 120000000, 800000000, 25000000 } << "File 3 of 24"
                                  << "120 MB of 800 MB at 25.0 MB/s";
    QTest::newRow("more than two hours") << qreal(0.05) << 7265 << 0 << "121:05" << QList<int> { 1, 1 }
                                         << QList<qint64> { 0, 4999, 0 } << "File 1 of 1"
                                         << "0 bytes of 5.00 kB";
    QTest::newRow("one minute") << qreal(99.99) << 60 << 999 << "1:00" << QList<int> { 24, 24 }
                                << QList<qint64> { 48249999, 48260000, 0 } << "File 24 of 24"
                                << "48.2 MB of 48.3 MB";
    QTest::newRow("an estimate overtaken by the copy")
        << qreal(100) << -7 << 1000 << "0:00" << QList<int> { 1234, 1500 }
        << QList<qint64> { 1234567890, Q_INT64_C(9876543210), 0 } << "File 1,234 of 1,500"
        << "1.23 GB of 9.88 GB";
}

void TestProgressDialog::shownWhileCopying()
{
    QFETCH(qreal, percent);
    QFETCH(int, seconds);
    QFETCH(int, barValue);
    QFETCH(QString, remaining);
    QFETCH(QList<int>, fileNumber);
    QFETCH(QList<qint64>, bytes);
    QFETCH(QString, fileText);
    QFETCH(QString, bytesText);

    ProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.receiveProgress(percent);
    dialog.receiveETA(seconds);
    // A long name must not widen the dialog.
    const QString name = QString(300, QLatin1Char('W')) + QStringLiteral(".jpg");
    dialog.receiveCurrentFileName(name);
    dialog.receiveFileNumber(fileNumber.at(0), fileNumber.at(1));
    dialog.receiveBytes(bytes.at(0), bytes.at(1), bytes.at(2));
    QCoreApplication::processEvents();

    QCOMPARE(::barValue(dialog), barValue);
    QCOMPARE(
        labelText(dialog, "_estimatedTimeLabel"), QStringLiteral("Estimated time remaining: ") + remaining);
    QCOMPARE(labelText(dialog, "_filenameLabel"), name);
    QCOMPARE(labelText(dialog, "label"), QStringLiteral("Copying…\nPlease wait…"));
    QCOMPARE(labelText(dialog, "_fileNumberLabel"), fileText);
    // Sizes are never wrapped between number and unit.
    QCOMPARE(labelText(dialog, "_bytesLabel").replace(QChar::Nbsp, QLatin1Char(' ')), bytesText);
    // Screen readers name the dialog by its title.
    QVERIFY(!dialog.accessibleName().trimmed().isEmpty());
    QCOMPARE(dialog.size(), QSize(570, 185));
}

void TestProgressDialog::hiddenDialogIgnoresUpdates()
{
    ProgressDialog dialog;
    dialog.receiveProgress(50);
    dialog.receiveCurrentFileName(QStringLiteral("holiday.jpg"));
    dialog.receiveETA(42);
    QCOMPARE(barValue(dialog), 0);
    QCOMPARE(labelText(dialog, "_filenameLabel"), QString());
    QCOMPARE(labelText(dialog, "_estimatedTimeLabel"), QString());
}

void TestProgressDialog::successShowsFullBarForOneSecond()
{
    ProgressDialog dialog;
    bool shownAfterFinish = false;
    int valueAfterFinish = 0;
    QElapsedTimer clock;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.receiveProgress(37.5);
        clock.start();
        dialog.close_dialog(true);
        shownAfterFinish = dialog.isVisible();
        valueAfterFinish = barValue(dialog);
    });
    dialog.exec();
    const qint64 shownFor = clock.elapsed();

    QVERIFY(shownAfterFinish);
    QCOMPARE(valueAfterFinish, 1000);
    QVERIFY(!dialog.isVisible());
    // A coarse timer may fire up to 5 % early.
    QVERIFY2(shownFor >= 950, qPrintable(QString::number(shownFor)));
}

void TestProgressDialog::closesAtOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("copy failed") << "failure";
    QTest::newRow("cancel button") << "cancel";
    QTest::newRow("window manager") << "close";
    QTest::newRow("cancel during the pause after success") << "success cancel";
    QTest::newRow("Escape") << "escape";
}

void TestProgressDialog::closesAtOnce()
{
    QFETCH(QString, how);
    ProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.receiveProgress(37.5);
    if (how.startsWith(QLatin1String("success"))) {
        dialog.close_dialog(true);
        QVERIFY(dialog.isVisible());
    }
    if (how == QLatin1String("failure"))
        dialog.close_dialog(false);
    else if (how.endsWith(QLatin1String("cancel")))
        QTest::mouseClick(dialog.findChild<Button *>(QStringLiteral("_cancelPushButton")), Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
}

void TestProgressDialog::keyboardReachesCancel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space on the focused button") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("its mnemonic, Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
}

void TestProgressDialog::keyboardReachesCancel()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    auto *cancel = dialog.findChild<Button *>(QStringLiteral("_cancelPushButton"));
    QTRY_COMPARE(QApplication::focusWidget(), cancel);
    QTest::keyClick(cancel, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A mnemonic shows the button pressed a moment first.
    QTRY_VERIFY(!dialog.isVisible());
}

void TestProgressDialog::screenReadersKnowIt()
{
    QWidget window;
    auto *dialog = new ProgressDialog(&window);
    // Named after its title, which follows the copy.
    QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name),
        QStringLiteral("Copying files"));
    dialog->setCopyTitle(QStringLiteral("Copying 3 pictures to the netbook"));
    QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name),
        QStringLiteral("Copying 3 pictures to the netbook"));
    QCOMPARE(dialog->findChild<ProgressBar2 *>()->accessibleName(), QStringLiteral("Copy progress"));

    // The end of a copy is told in the window the dialog came from, which
    // stays when the dialog goes.
    dialog->show();
    dialog->close_dialog(true);
    auto *announcer = window.findChild<QWidget *>(QStringLiteral("_announcer"));
    QVERIFY(announcer);
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name),
        QStringLiteral("Copy finished"));
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
}

void TestProgressDialog::readableInADarkScheme()
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkScheme());
    ProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.receiveCurrentFileName(QStringLiteral("beach.jpg"));
    dialog.receiveFileNumber(2, 5);
    dialog.receiveBytes(1 << 20, 5 << 20, 1 << 20);
    dialog.receiveETA(4);
    const QStringList unreadable = unreadableTexts(&dialog);
    QApplication::setPalette(before);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
