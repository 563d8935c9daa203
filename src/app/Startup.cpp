// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/MessageHandler.h"
#include "app/OpaloApplication.h"
#include "app/ScreenCheck.h"
#include "app/StartupTrace.h"
#include "base/CatalogueLanguage.h"
#include "base/LayoutSettings.h"
#include "base/SessionCommands.h"
#include "base/SessionFlags.h"
#include "engine/TL09Engine.h"
#include "ui/MainWindow.h"
#include "widgets/MessageBox.h"

#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace {

const char *const libraryPath = OPALO_LIB_DIR;
// The trees and lists show which of them the keyboard is in: the style marks
// only their current item, which looks the same in the one with the focus.
const char *const styleSheet
    = "QSplitter::handle { background-color: transparent }"
      "QTreeView, QListView { border: 1px solid #a8a8a8; padding: 1px }"
      "QTreeView:focus, QListView:focus { border: 2px solid palette(highlight); padding: 0 }";

} // namespace

void installTranslator(QTranslator &translator)
{
    // A missing catalogue is not an error: every text then shows its key.
    const QString catalogue
        = QLatin1String(":/translation/lang/") + catalogueName(QLocale::system()) + QLatin1String(".qm");
    if (!translator.load(catalogue))
        qInfo("No catalogue %s: the texts show their keys", qPrintable(catalogue));
    QCoreApplication::installTranslator(&translator);
}

namespace {

// Said on standard error: without a screen there is no box to show it in.
void sayWithoutScreen(const std::function<QString()> &text)
{
    int argc = 1;
    char name[] = "OpaloSync";
    char *argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    QTranslator translator;
    installTranslator(translator);
    std::fprintf(stderr, "%s\n", qUtf8Printable(text()));
}

void explainFailedHandOverWithoutScreen(const char *relauncherPath, int error)
{
    sayWithoutScreen([relauncherPath, error] { return failedHandOverText(relauncherPath, error); });
}

// Arguments as the hand-over counts them, before Qt has taken its own out.
QStringList rawArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

} // namespace

const char *const bookmarksOption = "--bookmarks";

QString catalogueName(const QLocale &locale)
{
    return QStringLiteral("OpaloSync_") + catalogueLanguage(locale);
}

bool handOverRequested(int kdeVersion, uid_t realUid, int argumentCount)
{
    return kdeVersion == 4 && realUid == 0 && argumentCount <= 1;
}

int handOverArgumentCount(const QStringList &arguments)
{
    return arguments.size() - arguments.count(QLatin1String(bookmarksOption));
}

bool detectKdeSession(uid_t realUid, int argumentCount)
{
    const int kdeVersion = kdeSessionVersion();
    kde4Session = kdeVersion == 4;
    kde3Session = kdeVersion == 3;
    // Every other desktop gets the GIO menu: GNOME's own, those whose file
    // managers share its clipboard, and those with no menu of their own.
    gnomeSession = !kde4Session && !kde3Session;
    return handOverRequested(kdeVersion, realUid, argumentCount);
}

void runSetRightsHelper(const char *relauncherPath, void (*explain)(const char *relauncherPath, int error))
{
    char *const arguments[]
        = { const_cast<char *>(relauncherPath), const_cast<char *>("OpaloSync"), nullptr };
    execv(relauncherPath, arguments);
    if (explain)
        explain(relauncherPath, errno);
    std::_Exit(1);
}

QString failedHandOverText(const char *relauncherPath, int error)
{
    return QCoreApplication::translate("QObject", "IDS_SETRIGHTS_FAILED")
        .arg(QFile::decodeName(relauncherPath), QString::fromLocal8Bit(std::strerror(error)));
}

void explainFailedHandOver(const char *relauncherPath, int error)
{
    // The hand-over comes before the catalogue is installed in a normal start.
    QTranslator translator;
    installTranslator(translator);
    const QString text = failedHandOverText(relauncherPath, error);
    qCritical("%s", qUtf8Printable(text));
    // A box nobody can see would hold the process for ever.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    MessageBox box(QMessageBox::Critical, text, QMessageBox::Ok);
    box.exec();
}

int runOpaloSync(int &argc, char **argv, const char *relauncherPath)
{
    if (const std::optional<int> answered = answerInformationOption(argc, argv))
        return *answered;
    qInstallMessageHandler(messageHandler);
    StartupTrace::mark("main");

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // On a high-density screen the windows are scaled as a whole, and the
    // skin is drawn from its "@2x" images there (always so under Qt 6).
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    if (!screenReachable()) {
        // The relauncher is what opens the user's display to the super-user.
        if (handOverRequested(kdeSessionVersion(), getuid(), handOverArgumentCount(rawArguments(argc, argv))))
            runSetRightsHelper(relauncherPath, explainFailedHandOverWithoutScreen);
        sayWithoutScreen([] { return QCoreApplication::translate("QObject", "IDS_NO_SCREEN"); });
        return 1;
    }
    OpaloApplication app(argc, argv);
    // Wayland compositors and docks match the window to its launcher, and
    // take its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantora.OpaloSync"));
    if (app.isRunning()) {
        // The user sees the window already open come forward.
        app.callRunningInstance();
        return 0;
    }
    StartupTrace::mark("application object");

    const QStringList arguments = QCoreApplication::arguments();
    LayoutSettings::setBookmarksTabRequested(arguments.contains(QLatin1String(bookmarksOption)));
    if (detectKdeSession(getuid(), handOverArgumentCount(arguments))) {
        // The relauncher comes back as this program, under dbus-run-session and
        // possibly with this very process id: it must find the lock free.
        app.releaseInstanceLock();
        runSetRightsHelper(relauncherPath, explainFailedHandOver);
    }
    StartupTrace::mark("session detected");

    QCoreApplication::addLibraryPath(QString::fromLatin1(libraryPath));
    app.setStyleSheet(QString::fromLatin1(styleSheet));

    QTranslator translator;
    installTranslator(translator);
    StartupTrace::mark("translator installed");

    // Point sizes of the skinned windows must map to the same pixels on
    // every display.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);

    // Made after the application object and gone before it: its threads
    // use what goes with the application.
    TL09Engine engine;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &engine, &TL09Engine::stopThreads);
    // Only now that this is the one instance: another's copy may be running.
    engine.sweepHostTemporaries();
    MainWindow window(engine);
    QObject::connect(&app, &OpaloApplication::secondStart, &window, &MainWindow::bringForward);
    StartupTrace::mark("main window built");
    new StartupTrace(&window);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu);
    window.show();
    StartupTrace::mark("main window shown");
    return app.exec();
}
