// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// Everything the process writes on standard output and standard error while
// run runs, for tests of code that must stay quiet.
QByteArray capturedOutput(const std::function<void()> &run);
