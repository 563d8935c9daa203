// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"

#include "app/CatalogueLanguage.h"
#include "app/MessageHandler.h"
#include "app/OpaloApplication.h"
#include "app/SessionFlags.h"
#include "browser/BrowserMode.h"
#include "engine/CopyDlg.h"
#include "engine/SessionCommands.h"
#include "ui/MainWindow.h"

#include <QTranslator>

#include <cstdlib>
#include <unistd.h>

namespace {

const char *const libraryPath = OPALO_LIB_DIR;
const char *const styleSheet = "QSplitter::handle { background-color: transparent }";

void installTranslator(QTranslator &translator)
{
    // A missing catalogue is not an error: every text then shows its key.
    translator.load(
        QLatin1String(":/translation/lang/") + catalogueName(QLocale::system()) + QLatin1String(".qm"));
    QCoreApplication::installTranslator(&translator);
}

} // namespace

QString catalogueName(const QLocale &locale)
{
    return QStringLiteral("OpaloSync_") + catalogueLanguage(locale);
}

bool handOverRequested(int kdeVersion, uid_t realUid, int argumentCount)
{
    return kdeVersion == 4 && realUid == 0 && argumentCount <= 1;
}

bool detectSession(uid_t realUid, int argumentCount)
{
    kde4Session = gnomeSession = kde3Session = false;
    const int kdeVersion = kdeSessionVersion();
    if (kdeVersion == 4)
        kde4Session = true;
    else if (kdeVersion == 3)
        kde3Session = true;
    else
        gnomeSession = isGnomeSession();
    return handOverRequested(kdeVersion, realUid, argumentCount);
}

void runSetRightsHelper(const char *relauncherPath)
{
    char *const arguments[]
        = { const_cast<char *>(relauncherPath), const_cast<char *>("OpaloSync"), nullptr };
    execv(relauncherPath, arguments);
    std::_Exit(1);
}

int runOpaloSync(int &argc, char **argv)
{
    qInstallMessageHandler(messageHandler);
    qRegisterMetaType<CopyDlg>("CopyDlg");
    qRegisterMetaType<BrowserMode>("BrowserMode");

    OpaloApplication app(argc, argv);
    if (app.isRunning())
        return 0;

    if (detectSession(getuid(), QCoreApplication::arguments().size()))
        runSetRightsHelper();

    QCoreApplication::addLibraryPath(QString::fromLatin1(libraryPath));
    app.setStyleSheet(QString::fromLatin1(styleSheet));

    QTranslator translator;
    installTranslator(translator);

    // Point sizes of the skinned windows must map to the same pixels on
    // every display.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);

    MainWindow window;
    QApplication::setEffectEnabled(Qt::UI_FadeMenu);
    window.show();
    return app.exec();
}
