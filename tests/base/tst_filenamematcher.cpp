// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/BrowserMode.h"
#include "base/FileNameMatcher.h"
#include "base/MediaCategories.h"

#include <QDir>
#include <QtTest>

class TestFileNameMatcher : public QObject
{
    Q_OBJECT

private slots:
    void everyCategoryExtensionInAnyCase_data();
    void everyCategoryExtensionInAnyCase();
    void agreesWithQDir_data();
    void agreesWithQDir();
};

void TestFileNameMatcher::everyCategoryExtensionInAnyCase_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("extension");
    for (int mode : { DocumentsMode, PicturesMode, MusicMode, MovieMode }) {
        const QStringList patterns = MediaCategories::nameFilters(mode);
        QVERIFY(!patterns.isEmpty());
        for (const QString &pattern : patterns)
            QTest::addRow("%d %s", mode, qPrintable(pattern)) << mode << pattern.mid(2);
    }
}

void TestFileNameMatcher::everyCategoryExtensionInAnyCase()
{
    QFETCH(int, mode);
    QFETCH(QString, extension);
    const FileNameMatcher matcher(MediaCategories::nameFilters(mode));
    QString mixed = extension.toUpper();
    mixed[0] = mixed[0].toLower();
    for (const QString &name : { QStringLiteral("a.") + extension, QStringLiteral("A.") + extension.toUpper(),
             QStringLiteral("x y.") + mixed, QStringLiteral("two.dots.") + extension }) {
        QVERIFY2(matcher.matches(name), qPrintable(name));
    }
    for (const QString &name : { extension, QStringLiteral("a.") + extension + QStringLiteral(".part"),
             QStringLiteral("a_") + extension, QStringLiteral("a.") + extension + QStringLiteral("x") }) {
        // Another extension of the category may still cover the name.
        QVERIFY2(matcher.matches(name) == QDir::match(matcher.patterns(), name), qPrintable(name));
    }
}

void TestFileNameMatcher::agreesWithQDir_data()
{
    QTest::addColumn<QStringList>("patterns");
    const QStringList names { "a.jpg", "a.JPG", "x.jpg.txt", ".jpg", "noext", "a.", "photo1.png",
        "photo12.png", "archive.tar.gz", "b.txt", "notes", "[x].txt", "é.JPEG", "ä.mp3" };
    QTest::addColumn<QStringList>("names");
    QTest::newRow("extensions") << QStringList { "*.jpg", "*.jpeg", "*.mp3" } << names;
    QTest::newRow("no patterns") << QStringList() << names;
    QTest::newRow("question mark") << QStringList { "photo?.png" } << names;
    QTest::newRow("two dots") << QStringList { "*.tar.gz" } << names;
    QTest::newRow("character class") << QStringList { "[ab]*.txt", "*.[jJ]*" } << names;
    QTest::newRow("whole names") << QStringList { "notes", "a." } << names;
    QTest::newRow("mixed") << QStringList { "*.TXT", "photo*", "*." } << names;
}

void TestFileNameMatcher::agreesWithQDir()
{
    QFETCH(QStringList, patterns);
    QFETCH(QStringList, names);
    const FileNameMatcher matcher(patterns);
    for (const QString &name : names) {
        const bool expected = patterns.isEmpty() || QDir::match(patterns, name);
        QVERIFY2(matcher.matches(name) == expected, qPrintable(name));
    }
}

QTEST_MAIN(TestFileNameMatcher)
#include "tst_filenamematcher.moc"
