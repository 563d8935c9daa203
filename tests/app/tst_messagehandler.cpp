// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MessageHandler.h"

#include <QProcess>
#include <QtTest>

class TestMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data();
    void lineFormat();
    void fatalMessageEndsProcessAfterItsLine();
};

void TestMessageHandler::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("debug") << int(QtDebugMsg) << "hello" << QByteArray("Debug: hello\n");
    QTest::newRow("warning") << int(QtWarningMsg) << "careful" << QByteArray("Warning: careful\n");
    QTest::newRow("critical") << int(QtCriticalMsg) << "broken" << QByteArray("Critical: broken\n");
    QTest::newRow("fatal") << int(QtFatalMsg) << "gone" << QByteArray("My Fatal: gone\n");
    QTest::newRow("empty") << int(QtWarningMsg) << "" << QByteArray("Warning: \n");
    QTest::newRow("percent signs kept") << int(QtDebugMsg) << "100% %s" << QByteArray("Debug: 100% %s\n");
}

void TestMessageHandler::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    QCOMPARE(formatMessageLine(QtMsgType(type), text), line);
}

void TestMessageHandler::fatalMessageEndsProcessAfterItsLine()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OPALO_TEST_FATAL"), QStringLiteral("1"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_abort=0"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(errors.startsWith("Debug: before\nMy Fatal: the end\n"), errors.constData());
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("OPALO_TEST_FATAL")) {
        qInstallMessageHandler(messageHandler);
        qDebug("before");
        qFatal("the end");
    }
    QCoreApplication app(argc, argv);
    TestMessageHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_messagehandler.moc"
