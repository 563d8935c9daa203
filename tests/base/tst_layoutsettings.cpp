// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "base/LayoutSettings.h"

#include <QtTest>

class TestLayoutSettings : public QObject
{
    Q_OBJECT

private slots:
    void firstUseWritesAllDefaults();
    void existingValueIsKept();
    void valuesWrittenAreReadBack();
    void nonNumericValueReadsAsZero();
    void instanceUsesPerUserFile();
    void bookmarksTab_data();
    void bookmarksTab();

private:
    static QString readGroup(const QString &fileName, QMap<QString, QString> *values);
};

QString TestLayoutSettings::readGroup(const QString &fileName, QMap<QString, QString> *values)
{
    QSettings file(fileName, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("layout"));
    const QStringList keys = file.childKeys();
    for (const QString &key : keys)
        values->insert(key, file.value(key).toString());
    return keys.join(QLatin1Char(','));
}

void TestLayoutSettings::firstUseWritesAllDefaults()
{
    TestDir dir;
    const QString fileName = dir.filePath(QStringLiteral("Settings.ini"));
    {
        LayoutSettings settings(new QSettings(fileName, QSettings::IniFormat));
        settings.setValue(QStringLiteral("rightZoomLevel"), 150);
    }
    QMap<QString, QString> values;
    readGroup(fileName, &values);
    const QMap<QString, QString> expected { { "leftArrangeBy", "0" }, { "leftViewBy", "2" },
        { "leftZoomLevel", "100" }, { "rightArrangeBy", "0" }, { "rightViewBy", "2" },
        { "rightZoomLevel", "150" } };
    QCOMPARE(values, expected);
}

void TestLayoutSettings::existingValueIsKept()
{
    TestDir dir;
    const QString fileName = dir.createFile(QStringLiteral("Settings.ini"), "[layout]\nleftZoomLevel=150\n");
    {
        LayoutSettings settings(new QSettings(fileName, QSettings::IniFormat));
        QCOMPARE(settings.value(QStringLiteral("leftZoomLevel")).toInt(), 150);
    }
    QMap<QString, QString> values;
    readGroup(fileName, &values);
    QCOMPARE(values.size(), 6);
    QCOMPARE(values.value("leftZoomLevel"), QStringLiteral("150"));
    QCOMPARE(values.value("rightZoomLevel"), QStringLiteral("100"));
    QCOMPARE(values.value("leftViewBy"), QStringLiteral("2"));
}

void TestLayoutSettings::valuesWrittenAreReadBack()
{
    TestDir dir;
    const QString fileName = dir.filePath(QStringLiteral("Settings.ini"));
    {
        LayoutSettings settings(new QSettings(fileName, QSettings::IniFormat));
        settings.setValue(QStringLiteral("leftArrangeBy"), 3);
        QCOMPARE(settings.value(QStringLiteral("leftArrangeBy")).toInt(), 3);
        QVERIFY(!settings.value(QStringLiteral("noSuchKey")).isValid());
    }
    LayoutSettings reopened(new QSettings(fileName, QSettings::IniFormat));
    QCOMPARE(reopened.value(QStringLiteral("leftArrangeBy")).toInt(), 3);
}

void TestLayoutSettings::nonNumericValueReadsAsZero()
{
    TestDir dir;
    const QString fileName
        = dir.createFile(QStringLiteral("Settings.ini"), "[layout]\nrightZoomLevel=huge\n");
    LayoutSettings settings(new QSettings(fileName, QSettings::IniFormat));
    QCOMPARE(settings.value(QStringLiteral("rightZoomLevel")).toInt(), 0);
}

void TestLayoutSettings::instanceUsesPerUserFile()
{
    TestDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    LayoutSettings::instance()->setValue(QStringLiteral("leftZoomLevel"), 200);

    // The store is never destroyed; it writes itself out from the event loop.
    QMap<QString, QString> values;
    const QString fileName = dir.filePath(QStringLiteral("OpaloSync/Settings.ini"));
    QTRY_VERIFY(QFile::exists(fileName));
    readGroup(fileName, &values);
    QCOMPARE(values.value("leftZoomLevel"), QStringLiteral("200"));
    QCOMPARE(values.size(), 6);
}

void TestLayoutSettings::bookmarksTab_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<bool>("shown");
    QTest::newRow("by default") << QByteArray("[layout]\nleftZoomLevel=100\n") << false << false;
    QTest::newRow("ShowBookmarks=true") << QByteArray("[layout]\nShowBookmarks=true\n") << false << true;
    QTest::newRow("ShowBookmarks=1") << QByteArray("[layout]\nShowBookmarks=1\n") << false << true;
    QTest::newRow("ShowBookmarks=false") << QByteArray("[layout]\nShowBookmarks=false\n") << false << false;
    QTest::newRow("asked for on the command line") << QByteArray() << true << true;
}

void TestLayoutSettings::bookmarksTab()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, requested);
    QFETCH(bool, shown);
    TestDir dir;
    QSettings store(dir.createFile(QStringLiteral("Settings.ini"), file), QSettings::IniFormat);
    LayoutSettings::setBookmarksTabRequested(requested);
    QCOMPARE(LayoutSettings::bookmarksTabShown(store), shown);
    LayoutSettings::setBookmarksTabRequested(false);
}

QTEST_GUILESS_MAIN(TestLayoutSettings)
#include "tst_layoutsettings.moc"
