# SPDX-License-Identifier: GPL-2.0-or-later
target_sources(OpaloSyncCore PRIVATE
    Browser.cpp Browser.h)
