// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "UiTestHelpers.h"
#include "app/Startup.h"
#include "base/SessionFlags.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void catalogue_data();
    void catalogue();
    void handOverDecision_data();
    void handOverDecision();
    void sessionFlags_data();
    void sessionFlags();
    void toolkitOptionsDoNotCountAsArguments();
    void setRightsHelperIsExecutedWithItsArgument();
    void setRightsHelperMissingEndsWithStatusOne();
    void failedHandOverNamesHelperAndReason();

private:
    int runHelperInChild(const QByteArray &path);
};

void TestStartup::init()
{
    for (const char *name : { "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "DESKTOP_SESSION", "COLORTERM" })
        qunsetenv(name);
}

void TestStartup::catalogue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("French, Canada") << "fr_CA"
                                    << "OpaloSync_fr";
    QTest::newRow("French, France") << "fr_FR"
                                    << "OpaloSync_fr";
    QTest::newRow("Japanese") << "ja_JP"
                              << "OpaloSync_en";
    QTest::newRow("English, UK") << "en_GB"
                                 << "OpaloSync_en";
    QTest::newRow("German, Austria") << "de_AT"
                                     << "OpaloSync_de";
    QTest::newRow("Spanish, Mexico") << "es_MX"
                                     << "OpaloSync_es";
    QTest::newRow("Italian") << "it_IT"
                             << "OpaloSync_it";
    QTest::newRow("Dutch, Belgium") << "nl_BE"
                                    << "OpaloSync_nl";
    QTest::newRow("Portuguese, Brazil") << "pt_BR"
                                        << "OpaloSync_pt";
    QTest::newRow("Russian") << "ru_RU"
                             << "OpaloSync_ru";
    QTest::newRow("C locale") << "C"
                              << "OpaloSync_en";
}

void TestStartup::catalogue()
{
    QFETCH(QString, locale);
    QFETCH(QString, catalogue);
    QCOMPARE(catalogueName(QLocale(locale)), catalogue);
    // Every catalogue the table can pick is really compiled in.
    QVERIFY(QFile::exists(QLatin1String(":/translation/lang/") + catalogue + QLatin1String(".qm")));
}

void TestStartup::handOverDecision_data()
{
    QTest::addColumn<int>("kdeVersion");
    QTest::addColumn<int>("uid");
    QTest::addColumn<int>("arguments");
    QTest::addColumn<bool>("handOver");
    QTest::newRow("KDE 4, root, no argument") << 4 << 0 << 1 << true;
    QTest::newRow("KDE 4, root, fromLauncher") << 4 << 0 << 2 << false;
    QTest::newRow("KDE 4, root, two arguments") << 4 << 0 << 3 << false;
    QTest::newRow("KDE 4, user") << 4 << 1000 << 1 << false;
    QTest::newRow("KDE 3, root") << 3 << 0 << 1 << false;
    QTest::newRow("no KDE, root") << 0 << 0 << 1 << false;
}

void TestStartup::handOverDecision()
{
    QFETCH(int, kdeVersion);
    QFETCH(int, uid);
    QFETCH(int, arguments);
    QFETCH(bool, handOver);
    QCOMPARE(handOverRequested(kdeVersion, uid_t(uid), arguments), handOver);
}

void TestStartup::sessionFlags_data()
{
    QTest::addColumn<QByteArray>("fullSession");
    QTest::addColumn<QByteArray>("sessionVersion");
    QTest::addColumn<QByteArray>("currentDesktop");
    QTest::addColumn<bool>("kde4");
    QTest::addColumn<bool>("kde3");
    QTest::addColumn<bool>("gnome");
    QTest::addColumn<bool>("handOver");
    QTest::newRow("KDE 4") << QByteArray("true") << QByteArray("4") << QByteArray("KDE") << true << false
                           << false << true;
    QTest::newRow("KDE 3") << QByteArray("true") << QByteArray() << QByteArray() << false << true << false
                           << false;
    // Every other desktop gets the GIO menu, whatever else it sets.
    QTest::newRow("GNOME alone") << QByteArray() << QByteArray() << QByteArray("GNOME") << false << false
                                 << true << false;
    QTest::newRow("ubuntu:GNOME") << QByteArray() << QByteArray() << QByteArray("ubuntu:GNOME") << false
                                  << false << true << false;
    QTest::newRow("LXQt") << QByteArray() << QByteArray() << QByteArray("LXQt") << false << false << true
                          << false;
    QTest::newRow("none") << QByteArray() << QByteArray() << QByteArray() << false << false << true << false;
}

void TestStartup::sessionFlags()
{
    QFETCH(QByteArray, fullSession);
    QFETCH(QByteArray, sessionVersion);
    QFETCH(QByteArray, currentDesktop);
    QFETCH(bool, kde4);
    QFETCH(bool, kde3);
    QFETCH(bool, gnome);
    QFETCH(bool, handOver);
    if (!fullSession.isNull())
        qputenv("KDE_FULL_SESSION", fullSession);
    if (!sessionVersion.isNull())
        qputenv("KDE_SESSION_VERSION", sessionVersion);
    qputenv("XDG_CURRENT_DESKTOP", currentDesktop);
    kde4Session = kde3Session = gnomeSession = true;

    QCOMPARE(detectKdeSession(0, 1), handOver);
    QCOMPARE(kde4Session, kde4);
    QCOMPARE(kde3Session, kde3);
    QCOMPARE(gnomeSession, gnome);
    qunsetenv("XDG_CURRENT_DESKTOP");
}

void TestStartup::toolkitOptionsDoNotCountAsArguments()
{
    // The application object is built in main() from "-style fusion" alone.
    QCOMPARE(QCoreApplication::arguments().size(), 1);
    QVERIFY(handOverRequested(4, 0, QCoreApplication::arguments().size()));
}

int TestStartup::runHelperInChild(const QByteArray &path)
{
    const pid_t child = fork();
    if (child == 0)
        runSetRightsHelper(path.constData());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void TestStartup::setRightsHelperIsExecutedWithItsArgument()
{
    TestDir dir;
    const QString record = dir.filePath(QStringLiteral("arguments"));
    const QString helper = dir.createFile(QStringLiteral("OpaloSetRights"),
        "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + record.toUtf8() + "'\n");
    QVERIFY(QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QCOMPARE(runHelperInChild(QFile::encodeName(helper)), 0);
    QFile recorded(record);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(recorded.readAll(), QFile::encodeName(helper) + "\nOpaloSync\n");
}

void TestStartup::setRightsHelperMissingEndsWithStatusOne()
{
    TestDir dir;
    QCOMPARE(runHelperInChild(QFile::encodeName(dir.filePath(QStringLiteral("missing")))), 1);
}

void TestStartup::failedHandOverNamesHelperAndReason()
{
    QTranslator catalogue;
    QVERIFY(installCatalogue(catalogue, QStringLiteral("en")));
    const QString text = failedHandOverText("/usr/bin/OpaloSetRights", ENOENT);
    QVERIFY2(text.startsWith(QLatin1String("OpaloSync was started by the super-user in a KDE session")),
        qPrintable(text));
    QVERIFY(text.contains(QLatin1String("/usr/bin/OpaloSetRights")));
    QVERIFY(text.contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
}

int main(int argc, char *argv[])
{
    // The way OpaloSync is started with nothing but a style option.
    int appArgc = 3;
    char program[] = "OpaloSync", option[] = "-style", value[] = "fusion";
    char *appArgv[] = { program, option, value, nullptr };
    QApplication app(appArgc, appArgv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
