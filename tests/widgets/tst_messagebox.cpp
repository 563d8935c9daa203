// SPDX-License-Identifier: GPL-2.0-or-later
// The program's message box: title, frame and button texts from the
// catalogues, and the hooks that let tests answer boxes.
#include "UiTestHelpers.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QtTest>

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void buttonTexts_data();
    void buttonTexts();
    void mnemonicsAreUnique_data();
    void mnemonicsAreUnique();
    void testHooksAnswerWithoutShowing();
    void shownBoxReturnsTheButtonClicked();
    void keyButtons_data();
    void keyButtons();
};

void TestMessageBox::buttonTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("texts");
    const int copyQuestion
        = QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll;
    QTest::newRow("en, copy question")
        << "en" << copyQuestion << QStringList { "&Yes", "Yes to &all", "&No", "No &to all" };
    QTest::newRow("fr, copy question")
        << "fr" << copyQuestion << QStringList { "Ou&i", "Oui pour &tout", "&Non", "Non &pour tout" };
    QTest::newRow("es, ok") << "es" << int(QMessageBox::Ok) << QStringList { "&Aceptar" };
    QTest::newRow("ru, ok and cancel")
        << "ru" << int(QMessageBox::Ok | QMessageBox::Cancel) << QStringList { "&OK", "О&тмена" };
}

void TestMessageBox::mnemonicsAreUnique_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "en", "fr", "de", "es", "it", "nl", "pt", "ru" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Every button of the box, with all the buttons a box may hold at once,
// has a letter of its own for Alt.
void TestMessageBox::mnemonicsAreUnique()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(installCatalogue(translator, language));
    const auto all = QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::YesToAll
        | QMessageBox::No | QMessageBox::NoToAll | QMessageBox::Retry | QMessageBox::Close;
    MessageBox box(QMessageBox::Question, QStringLiteral("?"), all);
    QSet<QString> letters;
    const QList<QAbstractButton *> buttons = box.buttons();
    for (const QAbstractButton *button : buttons) {
        const QString text = button->text();
        const int amp = text.indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
        letters.insert(text.mid(amp + 1, 1).toLower());
    }
    QCOMPARE(letters.size(), buttons.size());
}

void TestMessageBox::buttonTexts()
{
    QFETCH(QString, language);
    QFETCH(int, buttons);
    QFETCH(QStringList, texts);

    QTranslator translator;
    QVERIFY(installCatalogue(translator, language));
    MessageBox box(QMessageBox::Question, QStringLiteral("?"), QMessageBox::StandardButtons(buttons));
    QStringList shown;
    for (int flag = QMessageBox::FirstButton; flag <= QMessageBox::LastButton; flag <<= 1) {
        if (QAbstractButton *button = box.button(QMessageBox::StandardButton(flag)))
            shown << button->text();
    }
    QCOMPARE(shown, texts);
    QCOMPARE(box.windowTitle(), QStringLiteral("Vantora OPALO™ Sync"));
    QCOMPARE(box.windowFlags() & (Qt::WindowType_Mask | Qt::MSWindowsFixedSizeDialogHint),
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
}

void TestMessageBox::testHooksAnswerWithoutShowing()
{
    QStringList asked;
    MessageBox::setAnswerer([&asked](MessageBox &box) {
        asked << box.text();
        return int(QMessageBox::Ok);
    });
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(QMessageBox::YesToAll);
    QList<int> answers;
    for (const char *text : { "first", "second", "third" }) {
        MessageBox box(QMessageBox::Question, QLatin1String(text), QMessageBox::Yes | QMessageBox::No);
        // Called through the base class, as code holding the active box does.
        QMessageBox &base = box;
        answers << base.exec();
        QVERIFY(!box.isVisible());
    }
    MessageBox::setAnswerer(MessageBox::Answerer());
    QCOMPARE(answers, (QList<int> { QMessageBox::No, QMessageBox::YesToAll, QMessageBox::Ok }));
    QCOMPARE(asked, QStringList { "third" });
}

void TestMessageBox::shownBoxReturnsTheButtonClicked()
{
    MessageBox box(QMessageBox::Question, QStringLiteral("Copy now?"), QMessageBox::Yes | QMessageBox::No);
    bool shown = false;
    QTimer::singleShot(0, &box, [&] {
        shown = box.isVisible();
        box.button(QMessageBox::No)->click();
    });
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QVERIFY(shown);
}

void TestMessageBox::keyButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("enter");
    QTest::addColumn<int>("escape");
    QTest::newRow("question") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes)
                              << int(QMessageBox::No);
    QTest::newRow("overwrite question")
        << int(QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll)
        << int(QMessageBox::Yes) << int(QMessageBox::No);
    QTest::newRow("error") << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("report with retry")
        << int(QMessageBox::Retry | QMessageBox::Close) << int(QMessageBox::Close) << int(QMessageBox::Close);
    QTest::newRow("names refused before a copy")
        << int(QMessageBox::Yes | QMessageBox::Cancel | QMessageBox::Apply) << int(QMessageBox::Yes)
        << int(QMessageBox::Cancel);
}

// Enter and Escape pressed in a box on screen give its default and its
// cancelling answer.
void TestMessageBox::keyButtons()
{
    QFETCH(int, buttons);
    QFETCH(int, enter);
    QFETCH(int, escape);
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
        MessageBox box(QMessageBox::Question, QStringLiteral("?"), QMessageBox::StandardButtons(buttons));
        QTimer::singleShot(0, &box, [&box, key] {
            QApplication::setActiveWindow(&box);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box, key);
        });
        // A key the box ignores must not hold the test.
        QTimer::singleShot(3000, &box, [&box] { box.done(-1); });
        QCOMPARE(box.exec(), key == Qt::Key_Return ? enter : escape);
    }
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
