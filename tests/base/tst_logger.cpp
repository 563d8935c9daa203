// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/Logger.h"

#include <QLoggingCategory>
#include <QThread>
#include <QtTest>

class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void oneInstanceForAllThreads();
    void formatCutsLongText_data();
    void formatCutsLongText();
    void logWritesToTheTrace_data();
    void logWritesToTheTrace();

private:
    static QByteArray formatted(const char *format, ...);
};

QByteArray TestLogger::formatted(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const QByteArray result = Logger::format(format, arguments);
    va_end(arguments);
    return result;
}

void TestLogger::oneInstanceForAllThreads()
{
    QVector<Logger *> seen(8, nullptr);
    QVector<QThread *> threads;
    for (int i = 0; i < seen.size(); ++i) {
        threads.append(QThread::create([&seen, i] {
            Logger *logger = Logger::instance();
            for (int n = 0; n < 2000; ++n)
                logger->log("thread %d message %d %s", i, n, "thumb loader thread done");
            seen[i] = logger;
        }));
    }
    for (QThread *thread : qAsConst(threads))
        thread->start();
    for (QThread *thread : qAsConst(threads)) {
        QVERIFY(thread->wait(30000));
        delete thread;
    }
    for (Logger *logger : qAsConst(seen))
        QCOMPARE(logger, Logger::instance());
}

void TestLogger::formatCutsLongText_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("short") << 10 << 10;
    QTest::newRow("exactly the limit") << 8191 << 8191;
    QTest::newRow("one more") << 8192 << 8191;
    QTest::newRow("far longer") << 100000 << 8191;
}

void TestLogger::formatCutsLongText()
{
    QFETCH(int, length);
    QFETCH(int, expected);
    const QByteArray text(length, 'x');
    const QByteArray result = formatted("%s", text.constData());
    QCOMPARE(result.size(), expected);
    QCOMPARE(result, text.left(expected));
}

void TestLogger::logWritesToTheTrace_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("by default, only the error")
        << QString() << QStringList { QStringLiteral("critical: Error in a level") };
    QTest::newRow("the trace asked for") << QStringLiteral("opalo.trace.debug=true")
                                         << QStringList { QStringLiteral("debug: Rows laid out 3"),
                                                QStringLiteral("critical: Error in a level") };
}

void TestLogger::logWritesToTheTrace()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, written);
    static QStringList seen;
    seen.clear();
    QLoggingCategory::setFilterRules(rules);
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
              if (QLatin1String(context.category) == QLatin1String("opalo.trace"))
                  seen << (type == QtDebugMsg ? QStringLiteral("debug: ") : QStringLiteral("critical: "))
                          + text;
          });
    Logger::instance()->log("Rows laid out %d", 3);
    Logger::instance()->log(Logger::Error, "Error %s", "in a level");
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(seen, written);
}

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
