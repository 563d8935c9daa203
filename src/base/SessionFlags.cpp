// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/SessionFlags.h"

bool kde4Session = false;
bool gnomeSession = false;
bool kde3Session = false;
