// SPDX-License-Identifier: GPL-2.0-or-later
// Sizes as the desktop writes them, in the user's language and number format.
#include "UiTestHelpers.h"
#include "widgets/DataSize.h"

#include <QLocale>
#include <QtTest>

class TestDataSize : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void sizes_data();
    void sizes();
};

void TestDataSize::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestDataSize::sizes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("storage");
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("a few bytes") << "en" << false << quint64(512) << "512 bytes";
    QTest::newRow("a kilobyte is a thousand bytes") << "en" << false << quint64(1000) << "1.00 kB";
    QTest::newRow("a selection") << "en" << false << quint64(48200000) << "48.2 MB";
    QTest::newRow("rounds up to the next unit") << "en" << false << quint64(999960) << "1.00 MB";
    QTest::newRow("hundreds without decimals") << "en" << false << quint64(120000000) << "120 MB";
    QTest::newRow("selection, German") << "de" << false << quint64(48200000) << "48,2 MB";
    QTest::newRow("selection, French") << "fr" << false << quint64(1234567890) << "1,23 Go";
    QTest::newRow("storage below 1 GB in MB") << "en" << true << quint64(850000000) << "850 MB";
    QTest::newRow("storage below 10 MB") << "en" << true << quint64(5000000) << "5.0 MB";
    QTest::newRow("storage, nothing") << "en" << true << quint64(0) << "0 MB";
    QTest::newRow("storage, a few small files") << "en" << true << quint64(27600) << "27.6 kB";
    QTest::newRow("storage just below 1 GB") << "en" << true << quint64(999600000) << "1.0 GB";
    QTest::newRow("storage below 10 GB") << "en" << true << quint64(1234567890) << "1.2 GB";
    QTest::newRow("storage just below 10 GB") << "en" << true << quint64(9960000000) << "10 GB";
    QTest::newRow("storage above 10 GB") << "en" << true << quint64(12400000000) << "12 GB";
    QTest::newRow("storage, German") << "de" << true << quint64(3400000000) << "3,4 GB";
    QTest::newRow("storage, Russian") << "ru" << true << quint64(3400000000) << "3,4 ГБ";
}

void TestDataSize::sizes()
{
    QFETCH(QString, language);
    QFETCH(bool, storage);
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QTranslator catalogue;
    QVERIFY(installCatalogue(catalogue, language));
    QLocale::setDefault(QLocale(language));
    QCOMPARE(storage ? DataSize::storage(bytes) : DataSize::text(bytes), text);
}

QTEST_MAIN(TestDataSize)
#include "tst_datasize.moc"
