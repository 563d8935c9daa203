// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

// On a Wayland compositor only a dialogue's parent, sent with
// xdg_toplevel.set_parent, keeps it over the window it blocks. The copy's
// boxes are shown on a headless sway of the test's own, and the protocol log
// (WAYLAND_DEBUG) says which toplevels named a parent.
class TestWaylandParents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowGoesOverTheBrowser_data();
    void windowGoesOverTheBrowser();

private:
    void readLog(const QByteArray &log);

    TestDir m_dir;
    QProcess m_sway;
    // For each window the copy showed, whether each of its toplevels named a
    // parent.
    QHash<QString, QList<bool>> m_parented;
    QByteArray m_log;
};

void TestWaylandParents::initTestCase()
{
    const QString sway = QStandardPaths::findExecutable(QStringLiteral("sway"));
    if (sway.isEmpty())
        QSKIP("sway is not installed");
    // sway will not run as the super-user: then it runs as user nobody, in a
    // runtime folder of that user's.
    const QString runtime = m_dir.createFolder(QStringLiteral("compositor"));
    QVERIFY(QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther));
    QStringList command { sway, QStringLiteral("-c"), m_dir.createFile(QStringLiteral("sway.config")) };
    if (getuid() == 0) {
        const QByteArray folder = QFile::encodeName(runtime);
        QVERIFY(chown(folder.constData(), 65534, 65534) == 0);
        QVERIFY(QFile::setPermissions(command.last(), QFile::ReadOwner | QFile::ReadOther));
        command = QStringList { QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
            QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups") }
            + command;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("HOME"), runtime);
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setProcessChannelMode(QProcess::MergedChannels);
    m_sway.start(command.takeFirst(), command);
    const QString socket = runtime + QStringLiteral("/wayland-1");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket) || m_sway.state() == QProcess::NotRunning, 20000);
    if (!QFile::exists(socket))
        QSKIP(qPrintable(
            QStringLiteral("sway cannot start here: ") + QString::fromLocal8Bit(m_sway.readAll())));

    QProcess copy;
    QProcessEnvironment client = QProcessEnvironment::systemEnvironment();
    client.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    client.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    client.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.createFolder(QStringLiteral("client")));
    client.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    copy.setProcessEnvironment(client);
    copy.start(QStringLiteral(COPY_BOXES_BINARY), QStringList());
    QVERIFY(copy.waitForFinished(120000));
    m_log = copy.readAllStandardError();
    QVERIFY2(
        copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, m_log.right(4000).constData());
    readLog(m_log);
}

void TestWaylandParents::cleanupTestCase()
{
    m_sway.terminate();
    m_sway.waitForFinished();
}

void TestWaylandParents::readLog(const QByteArray &log)
{
    // libwayland writes an object as "xdg_toplevel@48", later releases as
    // "xdg_toplevel#48".
    static const QRegularExpression toplevel(
        QStringLiteral("get_toplevel\\(new id xdg_toplevel[@#](\\d+)\\)"));
    static const QRegularExpression parent(
        QStringLiteral("-> xdg_toplevel[@#](\\d+)\\.set_parent\\(xdg_toplevel[@#]\\d+\\)"));
    QString shown;
    // Ids come back once their window is gone: each stands for the last
    // toplevel that got it.
    QHash<QString, QPair<QString, int>> toplevelOf;
    for (const QByteArray &line : log.split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1String("window: "))) {
            shown = text.mid(int(qstrlen("window: ")));
        } else if (const QRegularExpressionMatch made = toplevel.match(text); made.hasMatch()) {
            QList<bool> &toplevels = m_parented[shown];
            toplevelOf.insert(made.captured(1), { shown, toplevels.size() });
            toplevels.append(false);
        } else if (const QRegularExpressionMatch named = parent.match(text); named.hasMatch()) {
            const auto toplevel = toplevelOf.constFind(named.captured(1));
            if (toplevel != toplevelOf.constEnd())
                m_parented[toplevel->first][toplevel->second] = true;
        }
    }
}

void TestWaylandParents::windowGoesOverTheBrowser_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("parented");
    QTest::newRow("the media sync window itself") << QStringLiteral("Browser") << false;
    QTest::newRow("the confirmation") << QStringLiteral("CopyConfirmation") << true;
    QTest::newRow("the progress dialog") << QStringLiteral("ProgressDialog") << true;
    QTest::newRow("the overwrite question") << QStringLiteral("OverwriteQuestion") << true;
    QTest::newRow("no supported files") << QStringLiteral("MessageBox") << true;
}

void TestWaylandParents::windowGoesOverTheBrowser()
{
    QFETCH(QString, window);
    QFETCH(bool, parented);
    QVERIFY2(m_parented.contains(window), m_log.right(4000).constData());
    for (const bool named : m_parented.value(window))
        QCOMPARE(named, parented);
}

QTEST_GUILESS_MAIN(TestWaylandParents)
#include "tst_waylandparents.moc"
