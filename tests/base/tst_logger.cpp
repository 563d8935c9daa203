// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/Logger.h"

#include <QThread>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void oneInstanceForAllThreads();
    void formatCutsLongText_data();
    void formatCutsLongText();
    void logWritesNothing();

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

void TestLogger::logWritesNothing()
{
    // Standard output and standard error go to a pipe while logging.
    int pipeEnds[2];
    QVERIFY(pipe(pipeEnds) == 0);
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(pipeEnds[1], 1);
    dup2(pipeEnds[1], 2);
    Logger::instance()->log("Rows laid out %d", 3);
    Logger::instance()->log(Logger::Error, "Error %s", "in a level");
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(pipeEnds[1]);
    char buffer[64];
    QCOMPARE(read(pipeEnds[0], buffer, sizeof buffer), ssize_t(0));
    close(pipeEnds[0]);
    close(savedOut);
    close(savedErr);
}

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
