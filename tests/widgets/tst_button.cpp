// SPDX-License-Identifier: GPL-2.0-or-later
// The skinned button for keyboard and screen-reader users: its focus ring,
// the keys that press it and what a screen reader is told of it.
#include "UiTestHelpers.h"
#include "widgets/Button.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestButton : public QObject
{
    Q_OBJECT

private slots:
    void focusRingShowsWhileFocused();
    void keysPress_data();
    void keysPress();
    void screenReadersSeeIt_data();
    void screenReadersSeeIt();
};

void TestButton::focusRingShowsWhileFocused()
{
    const QColor skin(200, 30, 30);
    QWidget window;
    // Something else to hold the focus first.
    auto *other = new QLineEdit(&window);
    auto *button = new Button(&window);
    button->setStateImages(solidImage(QSize(40, 20), skin), solidImage(QSize(40, 20), skin), QImage());
    button->setGeometry(0, 30, 80, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    const QPoint edge(1, button->height() / 2);
    QCOMPARE(button->grab().toImage().pixelColor(edge), skin);

    QTest::keyClick(other, Qt::Key_Tab);
    QTRY_VERIFY(button->hasFocus());
    const QColor ring = button->grab().toImage().pixelColor(edge);
    const QColor highlight = button->palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY2(qAbs(ring.blue() - highlight.blue()) < 40 && qAbs(ring.red() - highlight.red()) < 60,
        qPrintable(ring.name()));
    // The middle keeps the skin.
    QCOMPARE(button->grab().toImage().pixelColor(button->rect().center()), skin);
}

void TestButton::keysPress_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("Ctrl+Enter is not for it") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
    QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
}

void TestButton::keysPress()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    Button button;
    QCOMPARE(button.focusPolicy(), Qt::TabFocus);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), clicks);
}

void TestButton::screenReadersSeeIt_data()
{
    QTest::addColumn<bool>("tab");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("a button with text") << false << "&Connect"
                                        << "" << int(QAccessible::Button) << "Connect";
    QTest::newRow("a picture named for screen readers")
        << false << ""
        << "Copy to the netbook" << int(QAccessible::Button) << "Copy to the netbook";
    QTest::newRow("a category tab") << true << "Pictures"
                                    << "" << int(QAccessible::PageTab) << "Pictures";
}

void TestButton::screenReadersSeeIt()
{
    QFETCH(bool, tab);
    QFETCH(QString, text);
    QFETCH(QString, accessibleName);
    QFETCH(int, role);
    QFETCH(QString, name);
    QWidget row;
    auto *button = new Button(&row);
    button->setText(text);
    button->setAccessibleName(accessibleName);
    button->setCheckable(tab);
    button->setAutoExclusive(tab);
    button->setChecked(tab);
    // A tab away from its row's stop of the Tab key.
    if (tab)
        button->setFocusPolicy(Qt::NoFocus);
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(button);
    QVERIFY(shown);
    QCOMPARE(int(shown->role()), role);
    QCOMPARE(shown->text(QAccessible::Name), name);
    QCOMPARE(bool(shown->state().selected), tab);
    QVERIFY(shown->state().focusable);

    QSignalSpy clicked(button, &QAbstractButton::clicked);
    shown->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestButton)
#include "tst_button.moc"
