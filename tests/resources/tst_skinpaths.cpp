// SPDX-License-Identifier: GPL-2.0-or-later
// Every skin image the code names is compiled in and decodes.
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

class TestSkinPaths : public QObject
{
    Q_OBJECT

private slots:
    void namedImagesExist_data();
    void namedImagesExist();
    void everyImageDecodes_data();
    void everyImageDecodes();
};

void TestSkinPaths::namedImagesExist_data()
{
    QTest::addColumn<QString>("path");
    const QRegularExpression named(QStringLiteral("\":/skin/res/([^\"]+)\""));
    QSet<QString> seen;
    QDirIterator sources(QStringLiteral(SOURCE_DIR), { QStringLiteral("*.cpp"), QStringLiteral("*.h") },
        QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = named.globalMatch(text);
        while (matches.hasNext()) {
            const QString path = QStringLiteral(":/skin/res/") + matches.next().captured(1);
            if (!seen.contains(path)) {
                seen.insert(path);
                QTest::newRow(qPrintable(path)) << path;
            }
        }
    }
    QVERIFY(!seen.isEmpty());
}

void TestSkinPaths::namedImagesExist()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is not in the resources")));
}

void TestSkinPaths::everyImageDecodes_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator images(QStringLiteral(":/skin/res"), QDir::Files);
    while (images.hasNext()) {
        const QString path = images.next();
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestSkinPaths::everyImageDecodes()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
}

QTEST_GUILESS_MAIN(TestSkinPaths)
#include "tst_skinpaths.moc"
