// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/LogCategories.h"

Q_LOGGING_CATEGORY(lcDevice, "opalo.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCopy, "opalo.copy", QtWarningMsg)
Q_LOGGING_CATEGORY(lcThumbnails, "opalo.thumbnails", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlugins, "opalo.plugins", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTrace, "opalo.trace", QtWarningMsg)
