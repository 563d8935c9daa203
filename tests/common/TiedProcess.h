// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

// The helper processes that test fixtures start: buses, services, daemons.
namespace TiedProcess {

// Starts the program through setpriv, which ties its life to the test's,
// so that a crashed test leaves none behind.
void start(QProcess &process, const QString &program, const QStringList &arguments);

// The first line the process prints, or an empty string when it ends or
// stays silent for timeoutMs first.
QString firstLine(QProcess &process, int timeoutMs = 10000);

} // namespace TiedProcess
