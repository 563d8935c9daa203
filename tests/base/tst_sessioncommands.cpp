// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "base/SessionCommands.h"

#include <QProcess>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

class TestSessionCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void kdeVersion_data();
    void kdeVersion();
    void rootUserIsTheEffectiveUser();
    void shellEscape_data();
    void shellEscape();
    void writableRecursiveOnHostileNames();
    void writableRecursiveDoesNotFollowLinks();
    void writableRecursiveDoesNotFollowSwappedLinks();
    void processScanFindsStartedProcess();

private:
    void installStandIn(const QString &name, const QByteArray &script);

    TestDir *m_bin = nullptr;
    QByteArray m_savedPath;
};

void TestSessionCommands::init()
{
    for (const char *name : { "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "DESKTOP_SESSION", "COLORTERM",
             "GNOME_DESKTOP_SESSION_ID", "XDG_CURRENT_DESKTOP" })
        qunsetenv(name);
    m_bin = new TestDir;
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_bin->path()) + ":/usr/bin:/bin");
}

void TestSessionCommands::cleanup()
{
    qputenv("PATH", m_savedPath);
    delete m_bin;
    m_bin = nullptr;
}

void TestSessionCommands::installStandIn(const QString &name, const QByteArray &script)
{
    const QString path = m_bin->createFile(name, "#!/bin/sh\n" + script);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestSessionCommands::kdeVersion_data()
{
    QTest::addColumn<QByteArray>("fullSession");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("expected");
    QTest::newRow("full session, version 4") << QByteArray("true") << QByteArray("4") << 4;
    QTest::newRow("full session, version 4.5") << QByteArray("true") << QByteArray("4.5") << 4;
    QTest::newRow("full session alone") << QByteArray("true") << QByteArray() << 3;
    QTest::newRow("version 4 alone") << QByteArray() << QByteArray("4") << 0;
    QTest::newRow("neither") << QByteArray() << QByteArray() << 0;
    QTest::newRow("full session empty, version 4") << QByteArray("") << QByteArray("4") << 0;
    QTest::newRow("Plasma 5") << QByteArray("true") << QByteArray("5") << 4;
    QTest::newRow("Plasma 6") << QByteArray("true") << QByteArray("6") << 4;
    QTest::newRow("full session, version 3") << QByteArray("true") << QByteArray("3") << 3;
    QTest::newRow("full session, version not a number") << QByteArray("true") << QByteArray("x") << 3;
    QTest::newRow("version 5 alone") << QByteArray() << QByteArray("5") << 0;
}

void TestSessionCommands::kdeVersion()
{
    QFETCH(QByteArray, fullSession);
    QFETCH(QByteArray, version);
    QFETCH(int, expected);
    if (!fullSession.isNull())
        qputenv("KDE_FULL_SESSION", fullSession);
    if (!version.isNull())
        qputenv("KDE_SESSION_VERSION", version);
    QCOMPARE(kdeSessionVersion(), expected);
}

void TestSessionCommands::rootUserIsTheEffectiveUser()
{
    QCOMPARE(isRootUser(), geteuid() == 0);
    // A user merely named like the super-user is not one: the old test asked
    // "whoami", which a stand-in now answers.
    installStandIn(QStringLiteral("whoami"), "echo chroot-builder\n");
    QCOMPARE(isRootUser(), geteuid() == 0);
}

void TestSessionCommands::shellEscape_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("blanks and parentheses") << "My Files (old)"
                                            << "My\\ Files\\ \\(old\\)";
    QTest::newRow("plain") << "/media/disk/Pictures"
                           << "/media/disk/Pictures";
    QTest::newRow("other characters untouched") << "a;b$(c)"
                                                << "a;b$\\(c\\)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSessionCommands::shellEscape()
{
    QFETCH(QString, path);
    QFETCH(QString, escaped);
    shellEscapePath(path);
    QCOMPARE(path, escaped);
}

static mode_t modeOf(const QString &path)
{
    struct stat status;
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

void TestSessionCommands::writableRecursiveOnHostileNames()
{
    TestDir dir;
    const QStringList names { QStringLiteral("My Files (old)"), QStringLiteral("a;touch x"),
        QStringLiteral("$(touch y)"), QStringLiteral("`touch z`"), QStringLiteral("it's"),
        QStringLiteral("été") };
    const QString root = dir.createFolder(QStringLiteral("tree"));
    QStringList paths { root };
    for (const QString &name : names) {
        paths << dir.createFolder(QStringLiteral("tree/") + name);
        paths << dir.createFile(QStringLiteral("tree/") + name + QStringLiteral("/file ") + name, "data");
    }
    for (const QString &path : qAsConst(paths))
        QVERIFY(chmod(QFile::encodeName(path).constData(), QFileInfo(path).isDir() ? 0555 : 0444) == 0);

    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    setWritableRecursive(root);
    QDir::setCurrent(savedCurrent);

    for (const QString &path : qAsConst(paths))
        QCOMPARE(modeOf(path), mode_t(QFileInfo(path).isDir() ? 0777 : 0666));
    for (const char *stray : { "x", "y", "z", "tree/x" })
        QVERIFY2(!QFile::exists(dir.filePath(QLatin1String(stray))), stray);
}

void TestSessionCommands::writableRecursiveDoesNotFollowLinks()
{
    TestDir dir;
    const QString outsideFile = dir.createFile(QStringLiteral("outside/secret"), "keep");
    const QString outsideFolder = dir.filePath(QStringLiteral("outside"));
    QVERIFY(chmod(QFile::encodeName(outsideFile).constData(), 0400) == 0);
    QVERIFY(chmod(QFile::encodeName(outsideFolder).constData(), 0700) == 0);
    const QString inside = dir.createFile(QStringLiteral("tree/photo.jpg"), "jpeg");
    QVERIFY(chmod(QFile::encodeName(inside).constData(), 0600) == 0);
    QVERIFY(!dir.createSymlink(outsideFile, QStringLiteral("tree/link-to-file")).isEmpty());
    QVERIFY(!dir.createSymlink(outsideFolder, QStringLiteral("tree/link-to-folder")).isEmpty());

    setWritableRecursive(dir.filePath(QStringLiteral("tree")));

    QCOMPARE(modeOf(inside), mode_t(0622));
    QCOMPARE(modeOf(outsideFile), mode_t(0400));
    QCOMPARE(modeOf(outsideFolder), mode_t(0700));
}

void TestSessionCommands::writableRecursiveDoesNotFollowSwappedLinks()
{
    // Whoever can write in the tree swaps a file and a folder of it for
    // links to what they must not change, over and over, while the tree is
    // made writable.
    TestDir dir;
    const QString victimFile = dir.createFile(QStringLiteral("victim/secret"), "keep");
    const QString victimFolder = dir.filePath(QStringLiteral("victim"));
    QVERIFY(chmod(QFile::encodeName(victimFile).constData(), 0600) == 0);
    QVERIFY(chmod(QFile::encodeName(victimFolder).constData(), 0700) == 0);
    const QString tree = dir.createFolder(QStringLiteral("tree"));
    QVERIFY(!dir.createFile(QStringLiteral("tree/photo.jpg"), "jpeg").isEmpty());
    QVERIFY(!dir.createFolder(QStringLiteral("tree/album")).isEmpty());
    QVERIFY(!dir.createSymlink(victimFile, QStringLiteral("spare/photo.jpg")).isEmpty());
    QVERIFY(!dir.createSymlink(victimFolder, QStringLiteral("spare/album")).isEmpty());

    std::atomic<bool> stop { false };
    const std::unique_ptr<QThread> swapper(QThread::create([&] {
        const QByteArray names[][2] = {
            { QFile::encodeName(tree + QStringLiteral("/photo.jpg")),
                QFile::encodeName(dir.filePath(QStringLiteral("spare/photo.jpg"))) },
            { QFile::encodeName(tree + QStringLiteral("/album")),
                QFile::encodeName(dir.filePath(QStringLiteral("spare/album"))) },
        };
        while (!stop) {
            for (const auto &pair : names)
                renameat2(AT_FDCWD, pair[0].constData(), AT_FDCWD, pair[1].constData(), RENAME_EXCHANGE);
        }
    }));
    swapper->start();
    for (int round = 0; round < 3000; ++round)
        setWritableRecursive(tree);
    stop = true;
    swapper->wait();

    QCOMPARE(modeOf(victimFile), mode_t(0600));
    QCOMPARE(modeOf(victimFolder), mode_t(0700));
}

void TestSessionCommands::processScanFindsStartedProcess()
{
    TestDir dir;
    const QString name = QStringLiteral("opalotstproc");
    const QString program = dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!isProcessRunning(name));

    QProcess process;
    process.start(program, { QStringLiteral("30") });
    QVERIFY(process.waitForStarted());
    QVERIFY(isProcessRunning(name));
    QVERIFY(isProcessRunning(QStringLiteral("otstpr")));
    QVERIFY(!isProcessRunning(QStringLiteral("OPALOTSTPROC")));
    process.kill();
    process.waitForFinished();
    QVERIFY(!isProcessRunning(name));
}

QTEST_GUILESS_MAIN(TestSessionCommands)
#include "tst_sessioncommands.moc"
