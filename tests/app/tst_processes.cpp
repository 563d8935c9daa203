// SPDX-License-Identifier: GPL-2.0-or-later
// The program as a whole process: single instance and the super-user hand-over.
#include <QProcess>
#include <QtTest>

#include <unistd.h>

class TestProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondInstanceEndsAtOnce();
    void handOverWithoutRelauncherEndsWithStatusOne_data();
    void handOverWithoutRelauncherEndsWithStatusOne();

private:
    QProcess *start(const QStringList &arguments, const QProcessEnvironment &environment);
    static bool stillRunningAfter(QProcess *process, int milliseconds);

    QList<QProcess *> m_processes;
    QTemporaryDir m_runtime;
};

void TestProcesses::init()
{
    QVERIFY(m_runtime.isValid());
}

void TestProcesses::cleanup()
{
    for (QProcess *process : qAsConst(m_processes)) {
        process->kill();
        process->waitForFinished();
        delete process;
    }
    m_processes.clear();
}

QProcess *TestProcesses::start(const QStringList &arguments, const QProcessEnvironment &environment)
{
    auto *process = new QProcess;
    m_processes.append(process);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(OPALOSYNC_BINARY), arguments);
    return process;
}

bool TestProcesses::stillRunningAfter(QProcess *process, int milliseconds)
{
    return !process->waitForFinished(milliseconds) && process->state() == QProcess::Running;
}

static QProcessEnvironment plainEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID" })
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void TestProcesses::secondInstanceEndsAtOnce()
{
    const QProcessEnvironment environment = plainEnvironment(m_runtime.path());
    QProcess *first = start(QStringList(), environment);
    QVERIFY(first->waitForStarted());
    QVERIFY(stillRunningAfter(first, 1500));

    QProcess *second = start(QStringList(), environment);
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(first->state() == QProcess::Running);

    // Once the first one is gone, a new start is a first instance again.
    first->kill();
    first->waitForFinished();
    QProcess *third = start(QStringList(), environment);
    QVERIFY(stillRunningAfter(third, 1500));
}

void TestProcesses::handOverWithoutRelauncherEndsWithStatusOne_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("handOver");
    QTest::newRow("no argument") << QStringList() << true;
    QTest::newRow("only a style option")
        << QStringList { QStringLiteral("-style"), QStringLiteral("fusion") } << true;
    QTest::newRow("fromLauncher") << QStringList { QStringLiteral("fromLauncher") } << false;
    QTest::newRow("any word") << QStringList { QStringLiteral("hello") } << false;
}

void TestProcesses::handOverWithoutRelauncherEndsWithStatusOne()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, handOver);
    if (getuid() != 0)
        QSKIP("The hand-over only happens for the super-user");
    if (QFile::exists(QStringLiteral(OPALO_SETRIGHTS_PATH)))
        QSKIP("An installed relauncher would really be started");

    QProcessEnvironment environment = plainEnvironment(m_runtime.path());
    environment.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
    environment.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("4"));
    QProcess *process = start(arguments, environment);
    if (handOver) {
        QVERIFY(process->waitForFinished(15000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 1);
    } else {
        QVERIFY(stillRunningAfter(process, 1500));
    }
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
