// SPDX-License-Identifier: GPL-2.0-or-later
#include "FirstFrame.h"
#include "TestDir.h"

#include <QProcess>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

// Runs the relauncher with stand-ins for xhost (found through PATH) and
// dbus-run-session (at the path the test build was given), both of which record
// how they were called, and the whole hand-over from the program to the
// relauncher and back.
class TestRelauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wrongArgumentRunsNothing_data();
    void wrongArgumentRunsNothing();
    void restartsThroughDbusRunSession();
    void missingDbusRunSessionEndsWithStatusOne();
    void superUserGetsNoBuildVariables();
    void handOverComesBackToTheMainWindow();
    void xhostRunsAsTheDisplaysUser_data();
    void xhostRunsAsTheDisplaysUser();

private:
    QProcessEnvironment environment() const;
    int run(const QStringList &arguments, const QProcessEnvironment &environment);
    QByteArray recorded(const QString &name) const;
    static void writeScript(const QString &path, const QByteArray &body);

    TestDir *m_dir = nullptr;
};

void TestRelauncher::writeScript(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestRelauncher::init()
{
    m_dir = new TestDir;
    const QByteArray records = QFile::encodeName(m_dir->path());
    writeScript(
        m_dir->filePath(QStringLiteral("bin/xhost")), "printf '%s\\n' \"$@\" > '" + records + "/xhost'\n");
    writeScript(QStringLiteral(STANDIN_DIR "/dbus-run-session"),
        "printf '%s\\n' \"$0\" \"$@\" > '" + records + "/dbus-run-session'\nexit 0\n");
}

void TestRelauncher::cleanup()
{
    QFile::remove(QStringLiteral(STANDIN_DIR "/dbus-run-session"));
    delete m_dir;
    m_dir = nullptr;
}

QProcessEnvironment TestRelauncher::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(
        QStringLiteral("PATH"), m_dir->filePath(QStringLiteral("bin")) + QStringLiteral(":/usr/bin:/bin"));
    // Whoever runs the tests through sudo: the stand-in xhost must run as
    // the test's user unless a test names another.
    for (const char *name : { "SUDO_UID", "PKEXEC_UID", "XAUTHORITY" })
        environment.remove(QLatin1String(name));
    return environment;
}

int TestRelauncher::run(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RELAUNCHER_BINARY), arguments);
    if (!process.waitForFinished(15000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QByteArray TestRelauncher::recorded(const QString &name) const
{
    QFile file(m_dir->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRelauncher::wrongArgumentRunsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("lower case") << QStringList { QStringLiteral("opalosync") };
    QTest::newRow("upper case") << QStringList { QStringLiteral("OPALOSYNC") };
    QTest::newRow("longer word") << QStringList { QStringLiteral("OpaloSyncX") };
    QTest::newRow("empty") << QStringList { QString() };
}

void TestRelauncher::wrongArgumentRunsNothing()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(run(arguments, environment()), 1);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("xhost"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("dbus-run-session"))));
}

void TestRelauncher::restartsThroughDbusRunSession()
{
    QCOMPARE(
        run({ QStringLiteral("OpaloSync"), QStringLiteral("extra"), QStringLiteral("more") }, environment()),
        0);
    // Only the local super-user may use the display, not every host.
    QCOMPARE(recorded(QStringLiteral("xhost")), QByteArray("+SI:localuser:root\n"));
    QCOMPARE(recorded(QStringLiteral("dbus-run-session")),
        QByteArray(STANDIN_DIR "/dbus-run-session\n--\n" PROGRAM_PATH "\nfromLauncher\n"));
}

void TestRelauncher::missingDbusRunSessionEndsWithStatusOne()
{
    QFile::remove(QStringLiteral(STANDIN_DIR "/dbus-run-session"));
    QCOMPARE(run({ QStringLiteral("OpaloSync") }, environment()), 1);
    QCOMPARE(recorded(QStringLiteral("xhost")), QByteArray("+SI:localuser:root\n"));
}

void TestRelauncher::superUserGetsNoBuildVariables()
{
    writeScript(QStringLiteral(STANDIN_DIR "/dbus-run-session"),
        "env > '" + QFile::encodeName(m_dir->filePath(QStringLiteral("environment"))) + "'\n");
    QProcess process;
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("OPALO_PLUGIN_DIR"), m_dir->path());
    environment.insert(QStringLiteral("OPALO_TEST_PRIVATE_BUS"), QStringLiteral("unix:path=/tmp/elsewhere"));
    environment.insert(QStringLiteral("OPALOSYNC_KEPT"), QStringLiteral("yes"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RELAUNCHER_BINARY), { QStringLiteral("OpaloSync") });
    QVERIFY(process.waitForFinished(15000));

    const QList<QByteArray> lines = recorded(QStringLiteral("environment")).split('\n');
    QVERIFY(lines.contains("OPALOSYNC_KEPT=yes"));
    QVERIFY(lines.contains("PATH=" + QFile::encodeName(environment.value(QStringLiteral("PATH")))));
    for (const QByteArray &line : lines)
        QVERIFY2(!line.startsWith("OPALO_"), line.constData());
}

void TestRelauncher::handOverComesBackToTheMainWindow()
{
    if (getuid() != 0)
        QSKIP("The hand-over only happens for the super-user");
    // Like the real one, but without a bus of its own: it becomes the program
    // it runs, under the same process id.
    writeScript(QStringLiteral(STANDIN_DIR "/dbus-run-session"), "[ \"$1\" = -- ] && shift\nexec \"$@\"\n");
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("runtime"))));
    QProcessEnvironment session = environment();
    session.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
    session.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("4"));
    session.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->filePath(QStringLiteral("runtime")));
    session.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    enableStartupTrace(session);

    QProcess program;
    program.setProcessEnvironment(session);
    program.start(QStringLiteral(PROGRAM_PATH), QStringList());
    QByteArray output;
    QVERIFY2(waitForFirstFrame(program, output), output.constData());
    QCOMPARE(recorded(QStringLiteral("xhost")), QByteArray("+SI:localuser:root\n"));
    program.kill();
    program.waitForFinished();
}

enum class XhostUser { Nobody, SuperUser, NotRun };
Q_DECLARE_METATYPE(XhostUser)

void TestRelauncher::xhostRunsAsTheDisplaysUser_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<XhostUser>("user");
    const QString nobody = QStringLiteral("65534");
    QTest::newRow("sudo's user") << QStringLiteral("SUDO_UID") << nobody << XhostUser::Nobody;
    QTest::newRow("pkexec's user") << QStringLiteral("PKEXEC_UID") << nobody << XhostUser::Nobody;
    QTest::newRow("the cookie's owner") << QStringLiteral("XAUTHORITY") << QString() << XhostUser::Nobody;
    QTest::newRow("sudo by the super-user")
        << QStringLiteral("SUDO_UID") << QStringLiteral("0") << XhostUser::SuperUser;
    QTest::newRow("not a number") << QStringLiteral("SUDO_UID") << QStringLiteral("65534x")
                                  << XhostUser::SuperUser;
    QTest::newRow("a user without an account")
        << QStringLiteral("SUDO_UID") << QStringLiteral("3999999") << XhostUser::NotRun;
}

// Only a client the X server accepts may open it to the super-user: the
// user whose display it is, with that user's cookie.
void TestRelauncher::xhostRunsAsTheDisplaysUser()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(XhostUser, user);
    if (getuid() != 0)
        QSKIP("Only the super-user's relauncher changes user");
    const QString record = m_dir->filePath(QStringLiteral("as"));
    writeScript(m_dir->filePath(QStringLiteral("bin/xhost")),
        "{ id -u; printf '%s\\n' \"$HOME\"; } > '" + QFile::encodeName(record) + "'\n");
    // User nobody reaches the stand-in and writes its record.
    QVERIFY(QFile(record).open(QIODevice::WriteOnly));
    for (const QString &path : { m_dir->path(), m_dir->filePath(QStringLiteral("bin")) })
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(m_dir->filePath(QStringLiteral("bin/xhost")),
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(record, QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther));
    if (value.isEmpty()) {
        value = m_dir->createFile(QStringLiteral("cookie"));
        QVERIFY(chown(QFile::encodeName(value).constData(), 65534, 65534) == 0);
    }
    QProcessEnvironment environment = this->environment();
    environment.insert(variable, value);

    QCOMPARE(run({ QStringLiteral("OpaloSync") }, environment), 0);

    const QByteArray expected = user == XhostUser::NotRun ? QByteArray()
        : user == XhostUser::Nobody
        ? "65534\n" + QByteArray(getpwuid(65534)->pw_dir) + '\n'
        : "0\n" + QFile::encodeName(environment.value(QStringLiteral("HOME"))) + '\n';
    QCOMPARE(recorded(QStringLiteral("as")), expected);
}

QTEST_GUILESS_MAIN(TestRelauncher)
#include "tst_relauncher.moc"
