// SPDX-License-Identifier: GPL-2.0-or-later
// Starts a copy of SOURCE into DESTINATION and leaves the event loop while
// the copy worker is still busy: waiting on the question whether to replace
// a file ("question") or moving data ("transfer"). Exits with 3 when an
// engine thread still runs once the event loop has ended.
#include "base/BrowserMode.h"
#include "base/CopyDlg.h"
#include "engine/TL09Engine.h"
#include "engine/copy/AsyncCopy.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    qRegisterMetaType<CopyDlg>("CopyDlg");
    qRegisterMetaType<BrowserMode>("BrowserMode");
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: copy_at_exit question|transfer SOURCE DESTINATION\n");
        return 2;
    }
    TL09Engine *engine = TL09Engine::instance();
    engine->category = PicturesMode;
    if (arguments.at(1) == QLatin1String("question"))
        QObject::connect(engine, &TL09Engine::showDialog, &application, &QCoreApplication::quit);
    else
        QObject::connect(engine, &TL09Engine::progressChanged, &application, &QCoreApplication::quit);
    if (!engine->startCopy({ QFileInfo(arguments.at(2)) }, HostMode, arguments.at(3)))
        return 2;
    application.exec();
    const bool running = engine->isRunning() || engine->findChild<AsyncCopy *>()->isRunning();
    return running ? 3 : 0;
}
