// SPDX-License-Identifier: GPL-2.0-or-later
// The program as a whole process: single instance and the super-user hand-over.
#include "FirstFrame.h"

#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stands in the way of the single-instance lock.
enum class LockSituation {
    RuntimeFolderIsAFile,
    RuntimeFolderOfAnotherUser,
    HeldByLiveInstance,
    LeftByKilledInstance,
    NamesNoOwner,
    NoRuntimeFolder,
    NoRuntimeFolderAndNameTaken,
    SuperUserWithTheUsersRuntimeFolder,
};

const uid_t nobody = 65534;

// The arguments of setpriv that run command as user nobody.
QStringList asNobody(const QStringList &command)
{
    return QStringList { QStringLiteral("--reuid=%1").arg(nobody), QStringLiteral("--regid=%1").arg(nobody),
        QStringLiteral("--clear-groups") }
    + command;
}

// Whether the program can be run as user nobody: only the super-user can
// switch to it, and the build folder may lie where nobody cannot reach.
bool nobodyCanRunTheProgram()
{
    return getuid() == 0
        && QProcess::execute(QStringLiteral("setpriv"),
               asNobody({ QStringLiteral("test"), QStringLiteral("-x"), QStringLiteral(OPALOSYNC_BINARY) }))
        == 0;
}

} // namespace

Q_DECLARE_METATYPE(LockSituation)

class TestProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondInstanceEndsAtOnce();
    void handOverWithoutRelauncherEndsWithStatusOne_data();
    void handOverWithoutRelauncherEndsWithStatusOne();
    void failedHandOverSaysWhy_data();
    void failedHandOverSaysWhy();
    void noScreenSaysWhatToDo_data();
    void noScreenSaysWhatToDo();
    void informationOptionsNeedNoScreen_data();
    void informationOptionsNeedNoScreen();
    void lockSituations_data();
    void lockSituations();
    void secondStartUnminimisesTheWindow();

private:
    QProcess *start(const QStringList &arguments, const QProcessEnvironment &environment,
        const QString &program = QStringLiteral(OPALOSYNC_BINARY));
    // Starts and kills a first instance, leaving its lock behind; returns the
    // lock's path.
    QString killedInstanceLock(const QProcessEnvironment &environment);
    // The folder the lock goes into when there is no runtime folder.
    QString privateFolder() const;
    bool prepare(
        LockSituation situation, QProcessEnvironment &environment, QString &program, QStringList &arguments);
    static bool stillRunningAfter(QProcess *process, int milliseconds);
    // Starts an X server of its own; returns its display, empty when it
    // cannot be started.
    QString startXServer();
    // Runs xdotool on display; false when it failed.
    static bool xdotool(const QString &display, const QStringList &arguments, QByteArray *output = nullptr);

    QList<QProcess *> m_processes;
    std::unique_ptr<QTemporaryDir> m_runtime;
};

void TestProcesses::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
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

QProcess *TestProcesses::start(
    const QStringList &arguments, const QProcessEnvironment &environment, const QString &program)
{
    auto *process = new QProcess;
    m_processes.append(process);
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
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

// A KDE 4 session, where the super-user's start is handed over.
static QProcessEnvironment kdeEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment environment = plainEnvironment(runtimeDir);
    environment.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
    environment.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("4"));
    return environment;
}

// Why the hand-over cannot be tried here; null when it can.
static const char *whyNoHandOver()
{
    if (getuid() != 0)
        return "The hand-over only happens for the super-user";
    if (QFile::exists(QStringLiteral(OPALO_SETRIGHTS_PATH)))
        return "An installed relauncher would really be started";
    return nullptr;
}

void TestProcesses::secondInstanceEndsAtOnce()
{
    QProcessEnvironment environment = plainEnvironment(m_runtime->path());
    QProcessEnvironment traced = environment;
    traced.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("opalo.trace.debug=true"));
    QProcess *first = start(QStringList(), traced);
    QVERIFY(first->waitForStarted());
    QVERIFY(stillRunningAfter(first, 1500));

    QProcess *second = start(QStringList(), environment);
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(first->state() == QProcess::Running);
    // The second start ends once the first one's window has come forward.
    QByteArray said;
    QTRY_VERIFY((said += first->readAllStandardError())
            .contains("brought forward for a second start: not minimised"));

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
    // The program's own option changes nothing in that decision.
    QTest::newRow("only --bookmarks") << QStringList { QStringLiteral("--bookmarks") } << true;
    QTest::newRow("fromLauncher --bookmarks")
        << QStringList { QStringLiteral("fromLauncher"), QStringLiteral("--bookmarks") } << false;
}

void TestProcesses::handOverWithoutRelauncherEndsWithStatusOne()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, handOver);
    if (const char *why = whyNoHandOver())
        QSKIP(why);

    QProcessEnvironment environment = kdeEnvironment(m_runtime->path());
    QProcess *process = start(arguments, environment);
    if (handOver) {
        QVERIFY(process->waitForFinished(15000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 1);
    } else {
        QVERIFY(stillRunningAfter(process, 1500));
    }
}

QString TestProcesses::startXServer()
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QString();
    QProcess *server = start({ QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                 QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                 QStringLiteral("1024x768x24") },
        QProcessEnvironment::systemEnvironment(), QStringLiteral("Xvfb"));
    if (!server->waitForStarted() || !server->waitForReadyRead(10000))
        return QString();
    return QLatin1Char(':') + QString::fromLatin1(server->readAllStandardOutput().trimmed());
}

bool TestProcesses::xdotool(const QString &display, const QStringList &arguments, QByteArray *output)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(15000) || tool.exitCode() != 0)
        return false;
    if (output)
        *output = tool.readAllStandardOutput().trimmed();
    return true;
}

void TestProcesses::failedHandOverSaysWhy_data()
{
    QTest::addColumn<bool>("onScreen");
    // A display the super-user may not use yet: the relauncher would open it.
    QTest::addColumn<QString>("display");
    QTest::newRow("no screen to show a box") << false << QString();
    QTest::newRow("in a box on screen") << true << QString();
    QTest::newRow("an X server the super-user may not use yet") << false << QStringLiteral(":4093");
}

// The super-user learns why the program ends: on standard error always, and
// in a box that holds the end until it is answered where a screen shows it.
void TestProcesses::failedHandOverSaysWhy()
{
    QFETCH(bool, onScreen);
    QFETCH(QString, display);
    if (const char *why = whyNoHandOver())
        QSKIP(why);
    QProcessEnvironment environment = kdeEnvironment(m_runtime->path());
    if (!display.isEmpty()) {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    if (onScreen) {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("Needs xdotool (Debian package xdotool) to answer the box");
        display = startXServer();
        if (display.isEmpty())
            QSKIP("Needs Xvfb (Debian package xvfb)");
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    QProcess *process = start(QStringList(), environment);
    if (onScreen) {
        QByteArray windows;
        QVERIFY2(xdotool(display,
                     { QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), QStringLiteral("Vantora") },
                     &windows),
            "no box came up");
        QVERIFY(stillRunningAfter(process, 300));
        QVERIFY(xdotool(display,
            { QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                QString::fromLatin1(windows.split('\n').first()), QStringLiteral("key"),
                QStringLiteral("Return") }));
    }
    QVERIFY(process->waitForFinished(15000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 1);
    const QByteArray said = process->readAllStandardError();
    QVERIFY2(said.contains(OPALO_SETRIGHTS_PATH) && said.contains(std::strerror(ENOENT)), said.constData());
}

void TestProcesses::noScreenSaysWhatToDo_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::newRow("no display at all") << QString() << QString();
    QTest::newRow("no X server at the display") << QString() << QStringLiteral(":4093");
    QTest::newRow("X11 asked for, no display") << QStringLiteral("xcb") << QString();
    // As sudo leaves it when the system's environment names the platform.
    QTest::newRow("Wayland asked for, no Wayland display") << QStringLiteral("wayland") << QString();
    QTest::newRow("Wayland, else X11, neither there")
        << QStringLiteral("wayland;xcb") << QStringLiteral(":4093");
}

// As under sudo on a Wayland desktop without Xwayland: said on standard
// error, status 1, never an abort.
void TestProcesses::noScreenSaysWhatToDo()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QProcessEnvironment environment = plainEnvironment(m_runtime->path());
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(QLatin1String(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcess *process = start(QStringList(), environment);
    QVERIFY(process->waitForFinished(15000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 1);
    const QByteArray said = process->readAllStandardError();
    QVERIFY2(said.contains("finds no screen") && said.contains("own user"), said.constData());
}

void TestProcesses::informationOptionsNeedNoScreen_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("said");
    QTest::newRow("--version") << QStringLiteral("--version")
                               << QStringLiteral("OpaloSync " OPALO_VERSION "\n");
    QTest::newRow("--help") << QStringLiteral("--help") << QStringLiteral("--bookmarks");
}

// On standard output, status 0, with neither screen nor bus nor a running
// first instance in the way.
void TestProcesses::informationOptionsNeedNoScreen()
{
    QFETCH(QString, option);
    QFETCH(QString, said);
    QProcessEnvironment environment = plainEnvironment(m_runtime->path());
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS" })
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcess *process = start({ option }, environment);
    QVERIFY(process->waitForFinished(15000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
    const QString output = QString::fromUtf8(process->readAllStandardOutput());
    QVERIFY2(
        option == QLatin1String("--version") ? output == said : output.contains(said), qPrintable(output));
    QCOMPARE(process->readAllStandardError(), QByteArray());
}

QString TestProcesses::killedInstanceLock(const QProcessEnvironment &environment)
{
    QProcess *first = start(QStringList(), environment);
    QByteArray output;
    if (!waitForFirstFrame(*first, output))
        return QString();
    first->kill();
    first->waitForFinished();
    const QFileInfoList locks
        = QDir(m_runtime->path()).entryInfoList({ QStringLiteral("*.lock") }, QDir::Files);
    return locks.size() == 1 ? locks.first().filePath() : QString();
}

QString TestProcesses::privateFolder() const
{
    return m_runtime->filePath(QStringLiteral("OpaloSync-%1").arg(getuid()));
}

bool TestProcesses::prepare(
    LockSituation situation, QProcessEnvironment &environment, QString &program, QStringList &arguments)
{
    enableStartupTrace(environment);
    const QString folder = privateFolder();
    switch (situation) {
    case LockSituation::RuntimeFolderIsAFile: {
        const QString file = m_runtime->filePath(QStringLiteral("file"));
        if (!QFile(file).open(QIODevice::WriteOnly))
            return false;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), file);
        break;
    }
    case LockSituation::RuntimeFolderOfAnotherUser:
        // The runtime folder is the super-user's, private to it.
        program = QStringLiteral("setpriv");
        arguments = asNobody({ QStringLiteral(OPALOSYNC_BINARY) });
        environment.insert(QStringLiteral("HOME"), m_runtime->path());
        break;
    case LockSituation::HeldByLiveInstance: {
        QByteArray output;
        if (!waitForFirstFrame(*start(QStringList(), environment), output))
            return false;
        break;
    }
    case LockSituation::LeftByKilledInstance:
        if (killedInstanceLock(environment).isEmpty())
            return false;
        break;
    case LockSituation::NamesNoOwner: {
        // As a power cut right after the lock was made would leave it.
        QFile lock(killedInstanceLock(environment));
        if (!lock.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        break;
    }
    case LockSituation::SuperUserWithTheUsersRuntimeFolder: {
        // As sudo may leave it: the user's own folder, the super-user's process.
        const QString users = m_runtime->filePath(QStringLiteral("user"));
        if (!QDir().mkdir(users) || chown(QFile::encodeName(users).constData(), nobody, nobody) != 0)
            return false;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), users);
        environment.insert(QStringLiteral("TMPDIR"), m_runtime->path());
        break;
    }
    case LockSituation::NoRuntimeFolderAndNameTaken:
        // Another local user made the folder first, open to all.
        if (!QDir().mkdir(folder) || chmod(QFile::encodeName(folder).constData(), 0777) != 0
            || chown(QFile::encodeName(folder).constData(), nobody, nobody) != 0)
            return false;
        Q_FALLTHROUGH();
    case LockSituation::NoRuntimeFolder:
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("TMPDIR"), m_runtime->path());
        break;
    }
    return true;
}

void TestProcesses::lockSituations_data()
{
    QTest::addColumn<LockSituation>("situation");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("warned");
    QTest::newRow("runtime folder is a file") << LockSituation::RuntimeFolderIsAFile << true << true;
    QTest::newRow("runtime folder of another user")
        << LockSituation::RuntimeFolderOfAnotherUser << true << true;
    QTest::newRow("held by a live instance") << LockSituation::HeldByLiveInstance << false << false;
    QTest::newRow("left by a killed instance") << LockSituation::LeftByKilledInstance << true << false;
    QTest::newRow("names no owner") << LockSituation::NamesNoOwner << true << true;
    QTest::newRow("no runtime folder") << LockSituation::NoRuntimeFolder << true << false;
    QTest::newRow("no runtime folder, name taken")
        << LockSituation::NoRuntimeFolderAndNameTaken << true << true;
    QTest::newRow("the user's runtime folder, as the super-user")
        << LockSituation::SuperUserWithTheUsersRuntimeFolder << true << false;
}

void TestProcesses::lockSituations()
{
    QFETCH(LockSituation, situation);
    QFETCH(bool, shown);
    QFETCH(bool, warned);
    if (situation == LockSituation::RuntimeFolderOfAnotherUser && !nobodyCanRunTheProgram())
        QSKIP("Needs the super-user, and a build folder that user nobody can reach");
    if (getuid() != 0
        && (situation == LockSituation::NoRuntimeFolderAndNameTaken
            || situation == LockSituation::SuperUserWithTheUsersRuntimeFolder))
        QSKIP("Needs the super-user to make a folder of another user");

    QString program = QStringLiteral(OPALOSYNC_BINARY);
    QStringList arguments;
    QProcessEnvironment environment = plainEnvironment(m_runtime->path());
    QVERIFY(prepare(situation, environment, program, arguments));
    QProcess *process = start(arguments, environment, program);
    QByteArray output;
    QCOMPARE(waitForFirstFrame(*process, output), shown);
    QCOMPARE(output.contains("Warning: Cannot take the single-instance lock")
            || output.contains("Warning: No private folder for the single-instance lock"),
        warned);
    if (!shown) {
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }
    if (situation == LockSituation::SuperUserWithTheUsersRuntimeFolder) {
        // Nothing of the super-user's in the user's folder; the lock is in
        // the super-user's own.
        QCOMPARE(QDir(m_runtime->filePath(QStringLiteral("user")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
        QCOMPARE(QDir(privateFolder()).entryList({ QStringLiteral("*.lock") }, QDir::Files).size(), 1);
    }
    if (situation == LockSituation::NoRuntimeFolder) {
        // The lock is in a folder of this user's alone, and still keeps a
        // second instance out.
        struct stat status;
        QCOMPARE(lstat(QFile::encodeName(privateFolder()).constData(), &status), 0);
        QCOMPARE(status.st_uid, geteuid());
        QCOMPARE(status.st_mode & 0777, mode_t(0700));
        QCOMPARE(QDir(privateFolder()).entryList({ QStringLiteral("*.lock") }, QDir::Files).size(), 1);
        QProcess *second = start(QStringList(), environment);
        QByteArray secondOutput;
        QVERIFY(!waitForFirstFrame(*second, secondOutput));
        QCOMPARE(second->exitCode(), 0);
    }
}

// Under a window manager, as on a desktop: the user who starts the program
// again sees its minimised window come back.
void TestProcesses::secondStartUnminimisesTheWindow()
{
    for (const char *tool : { "xdotool", "openbox" }) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("Needs xdotool and openbox (Debian packages of the same names)");
    }
    const QString display = startXServer();
    if (display.isEmpty())
        QSKIP("Needs Xvfb (Debian package xvfb)");
    QProcessEnvironment environment = plainEnvironment(m_runtime->path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    QVERIFY(
        start({ QStringLiteral("--sm-disable") }, environment, QStringLiteral("openbox"))->waitForStarted());
    start(QStringList(), environment);
    // Windows of the program's name in view; the one minimised is followed by
    // its id, as a box of the same name may show beside it.
    const auto shown = [&display] {
        QByteArray windows;
        xdotool(display,
            { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                QStringLiteral("Vantora OPALO") },
            &windows);
        return QString::fromLatin1(windows).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QTRY_VERIFY_WITH_TIMEOUT(!shown().isEmpty(), 15000);
    const QString window = shown().constFirst();
    // Minimised within moments of its first showing, the window may be shown
    // again as the window manager and the toolkit settle its first state
    // (seen on Debian 13 under load): minimised again until it stays so.
    const auto minimised = [&] {
        return xdotool(display, { QStringLiteral("windowminimize"), QStringLiteral("--sync"), window })
            && !shown().contains(window);
    };
    QTRY_VERIFY_WITH_TIMEOUT(minimised(), 15000);

    QProcess *second = start(QStringList(), environment);
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(shown().contains(window), 15000);
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
