// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>

class QProcess;

// Turns on the program's start-up trace, which marks its first frame on
// standard error.
void enableStartupTrace(QProcessEnvironment &environment);

// Waits until the program has shown its main window's first frame, or has
// ended; everything it wrote to standard error meanwhile is added to output.
bool waitForFirstFrame(QProcess &program, QByteArray &output, int timeout = 30000);
