// SPDX-License-Identifier: GPL-2.0-or-later
#include "exif/ExifValue.h"

#include <QThread>
#include <QtTest>

Q_DECLARE_METATYPE(ExifValue)

class TestExifValue : public QObject
{
    Q_OBJECT

private slots:
    void singleElementReading_data();
    void singleElementReading();
    void countsFollowTheType_data();
    void countsFollowTheType();
    void invalidValuesFromManyThreads();
};

void TestExifValue::singleElementReading_data()
{
    QTest::addColumn<ExifValue>("value");
    QTest::addColumn<quint32>("expected");

    QTest::newRow("BYTE") << ExifValue(QVector<quint8> { 200 }) << 200u;
    QTest::newRow("SHORT") << ExifValue(QVector<quint16> { 6 }) << 6u;
    QTest::newRow("LONG") << ExifValue(QVector<quint32> { 0xFFFFFFFF }) << 0xFFFFFFFFu;
    QTest::newRow("SLONG") << ExifValue(QVector<qint32> { -2 }) << 0xFFFFFFFEu;
    QTest::newRow("two SHORTs") << ExifValue(QVector<quint16> { 6, 6 }) << 0u;
    QTest::newRow("no LONG") << ExifValue(QVector<quint32>()) << 0u;
    QTest::newRow("RATIONAL") << ExifValue(QVector<ExifURational> { { 6, 1 } }) << 0u;
    QTest::newRow("ASCII") << ExifValue(QStringLiteral("6")) << 0u;
    QTest::newRow("UNDEFINED") << ExifValue(QByteArray("\x06", 1)) << 0u;
    QTest::newRow("invalid") << ExifValue() << 0u;
}

void TestExifValue::singleElementReading()
{
    QFETCH(ExifValue, value);
    QFETCH(quint32, expected);
    QCOMPARE(value.toUInt(), expected);
}

void TestExifValue::countsFollowTheType_data()
{
    QTest::addColumn<ExifValue>("value");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("count");

    QTest::newRow("ASCII counts its NUL") << ExifValue(QStringLiteral("abc")) << 2 << 4u;
    QTest::newRow("empty ASCII") << ExifValue(QString()) << 2 << 1u;
    QTest::newRow("RATIONAL counts pairs")
        << ExifValue(QVector<ExifURational> { { 1, 2 }, { 3, 4 } }) << 5 << 2u;
    QTest::newRow("SRATIONAL") << ExifValue(QVector<ExifSRational> { { -1, 2 } }) << 10 << 1u;
    QTest::newRow("UNDEFINED counts bytes") << ExifValue(QByteArray(7, 'x')) << 7 << 7u;
    QTest::newRow("invalid") << ExifValue() << 0 << 0u;
}

void TestExifValue::countsFollowTheType()
{
    QFETCH(ExifValue, value);
    QFETCH(int, type);
    QFETCH(quint32, count);
    QCOMPARE(int(value.type()), type);
    QCOMPARE(value.count(), count);
    QVERIFY(value == ExifValue(value));
    QVERIFY(value != ExifValue(QVector<quint8> { 9, 9, 9 }));
}

void TestExifValue::invalidValuesFromManyThreads()
{
    // Every invalid value shares one private part; copying it from many
    // threads at once must leave it intact.
    QVector<QThread *> threads;
    for (int i = 0; i < 4; ++i) {
        threads.append(QThread::create([] {
            for (int n = 0; n < 20000; ++n) {
                const ExifValue value;
                const ExifValue copy = value;
                Q_UNUSED(copy)
            }
        }));
    }
    for (QThread *thread : qAsConst(threads))
        thread->start();
    for (QThread *thread : qAsConst(threads)) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    QVERIFY(ExifValue().isNull());
    QCOMPARE(ExifValue().count(), 0u);
}

QTEST_MAIN(TestExifValue)
#include "tst_exifvalue.moc"
