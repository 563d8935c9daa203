// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLoggingCategory>

// The program's own trace, by concern. Warnings show by default; the rest
// when asked for, e.g. QT_LOGGING_RULES="opalo.copy.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcCopy)
Q_DECLARE_LOGGING_CATEGORY(lcThumbnails)
Q_DECLARE_LOGGING_CATEGORY(lcPlugins)
// The browser's trace points (Logger).
Q_DECLARE_LOGGING_CATEGORY(lcTrace)
