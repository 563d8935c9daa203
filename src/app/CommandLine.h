// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <optional>

// --help and --version: answered on standard output before anything needs a
// screen, a bus or the single-instance lock. Returns the exit status when
// one of them was asked for, nothing otherwise.
std::optional<int> answerInformationOption(int &argc, char **argv);
