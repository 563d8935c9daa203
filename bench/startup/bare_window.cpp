// SPDX-License-Identifier: GPL-2.0-or-later
// The floor of the start-up benchmark: a window as large as the main window,
// with nothing in it, marking the same steps as OpaloSync.
#include "app/StartupTrace.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    StartupTrace::mark("main");
    QApplication application(argc, argv);
    StartupTrace::mark("application object");
    QMainWindow window;
    window.resize(783, 559);
    new StartupTrace(&window);
    window.show();
    StartupTrace::mark("main window shown");
    return application.exec();
}
