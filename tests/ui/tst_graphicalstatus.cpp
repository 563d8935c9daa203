// SPDX-License-Identifier: GPL-2.0-or-later
// The connection status panel: which pictures and animations each status
// shows, and that an animation already running is left running.
#include "UiTestHelpers.h"
#include "ui/GraphicalStatus.h"

#include <QLabel>
#include <QMovie>
#include <QtTest>

namespace {

const QStringList switchedLabels { "_cableLeftLabel", "_cableRightLabel", "_disconnectedLabel",
    "_deviceLabel", "_lookingForDeviceLabel", "_dataCollectionLabel", "_errorLabel", "_spaceLabel" };

QLabel *label(GraphicalStatus &panel, const QString &name)
{
    return panel.findChild<QLabel *>(name);
}

// The labels shown, and the animated ones running, marked with a "*".
QStringList look(GraphicalStatus &panel)
{
    QStringList shown;
    for (const QString &name : switchedLabels) {
        QLabel *part = label(panel, name);
        if (!part->isHidden())
            shown << name;
        if (part->movie() && part->movie()->state() == QMovie::Running)
            shown << QLatin1Char('*') + name;
    }
    return shown;
}

} // namespace

class TestGraphicalStatus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void beforeTheFirstStatus();
    void eachStatus_data();
    void eachStatus();
    void runningAnimationIsNotRestarted_data();
    void runningAnimationIsNotRestarted();

private:
    QTranslator m_translator;
};

void TestGraphicalStatus::initTestCase()
{
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestGraphicalStatus::beforeTheFirstStatus()
{
    GraphicalStatus panel;
    QCOMPARE(panel.status(), 0);
    QCOMPARE(look(panel), switchedLabels);
}

void TestGraphicalStatus::eachStatus_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("look");
    QTest::addColumn<QString>("sentence");

    const QStringList error { "_cableLeftLabel", "_cableRightLabel", "_deviceLabel", "_errorLabel",
        "*_errorLabel" };
    QTest::newRow("0 disconnected") << 0
                                    << QStringList { "_cableLeftLabel", "_cableRightLabel",
                                           "_disconnectedLabel", "*_disconnectedLabel", "_deviceLabel" }
                                    << "No OPALO™ device connected";
    QTest::newRow("1 searching") << 1
                                 << QStringList { "_lookingForDeviceLabel", "*_lookingForDeviceLabel",
                                        "_spaceLabel" }
                                 << "Searching for an OPALO™ device…";
    QTest::newRow("2 collecting") << 2
                                  << QStringList { "_deviceLabel", "_dataCollectionLabel",
                                         "*_dataCollectionLabel" }
                                  << "Connection complete. Retrieving the information…";
    QTest::newRow("3 error")
        << 3 << error
        << "An error occurred. Please check that the device is properly connected and try "
           "again.";
    QTest::newRow("4 read-only")
        << 4 << error
        << "An error occurred. Please make sure that the memory extension SD Card is not "
           "write-protected and try again.";
}

void TestGraphicalStatus::eachStatus()
{
    QFETCH(int, code);
    QFETCH(QStringList, look);
    QFETCH(QString, sentence);

    GraphicalStatus panel;
    panel.show();
    // Arrive from every other status, so that nothing is left over; codes
    // outside 0 to 4 then change nothing but the stored code.
    for (int previous = 0; previous <= 4; ++previous) {
        panel.setStatus(previous);
        panel.setStatus(code);
        for (int stored : { code, 5, 6, -1 }) {
            panel.setStatus(stored);
            QCOMPARE(panel.status(), stored);
            QCOMPARE(::look(panel), look);
            QCOMPARE(label(panel, QStringLiteral("_stateLabel"))->text(), sentence);
            QVERIFY(!label(panel, QStringLiteral("label"))->isHidden());
        }
    }
}

void TestGraphicalStatus::runningAnimationIsNotRestarted_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("animated");
    QTest::newRow("disconnected twice") << 0 << 0 << "_disconnectedLabel";
    QTest::newRow("searching twice") << 1 << 1 << "_lookingForDeviceLabel";
    QTest::newRow("collecting twice") << 2 << 2 << "_dataCollectionLabel";
    QTest::newRow("error, then read-only") << 3 << 4 << "_errorLabel";
    QTest::newRow("collecting, then the media view") << 2 << 6 << "_dataCollectionLabel";
}

void TestGraphicalStatus::runningAnimationIsNotRestarted()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, animated);

    GraphicalStatus panel;
    panel.show();
    panel.setStatus(first);
    QMovie *animation = label(panel, animated)->movie();
    QTRY_VERIFY(animation->currentFrameNumber() >= 2);
    const QStringList before = look(panel);

    QSignalSpy started(animation, &QMovie::started);
    const int frame = animation->currentFrameNumber();
    panel.setStatus(second);
    QCOMPARE(started.count(), 0);
    QVERIFY(animation->currentFrameNumber() >= frame);
    QCOMPARE(look(panel), before);
}

QTEST_MAIN(TestGraphicalStatus)
#include "tst_graphicalstatus.moc"
