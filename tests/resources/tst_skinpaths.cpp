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
    void windowBackgroundGrowsWithoutSeams_data();
    void windowBackgroundGrowsWithoutSeams();
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
    QDirIterator images(QStringLiteral(":/skin/res"), QDir::Files, QDirIterator::Subdirectories);
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

void TestSkinPaths::windowBackgroundGrowsWithoutSeams_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minimumSize");
    QTest::addColumn<QPoint>("cut");
    QTest::newRow("main window") << ":/skin/res/bg.png" << QSize(783, 559) << QPoint(540, 391);
    const QImage media(QStringLiteral(":/skin/res/media_bg.png"));
    QTest::newRow("media window") << ":/skin/res/media_bg.png" << QSize(20, 20)
                                  << QPoint(media.width() / 2, media.height() / 2);
}

// A background grows by repeating the row and the column through its cut
// point; the rows and columns next to them must look the same, or the window
// shows seams when it is larger than the image.
void TestSkinPaths::windowBackgroundGrowsWithoutSeams()
{
    QFETCH(QString, path);
    QFETCH(QSize, minimumSize);
    QFETCH(QPoint, cut);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(image.width() >= minimumSize.width() && image.height() >= minimumSize.height());
    for (int y = cut.y() - 5; y <= cut.y() + 5; ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), image.pixel(x, cut.y()));
    for (int x = cut.x() - 5; x <= cut.x() + 5; ++x)
        for (int y = 0; y < image.height(); ++y)
            QCOMPARE(image.pixel(x, y), image.pixel(cut.x(), y));
}

QTEST_GUILESS_MAIN(TestSkinPaths)
#include "tst_skinpaths.moc"
