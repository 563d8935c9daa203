// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/AsyncCopy.h"

namespace {

// The copy recurses once per folder level of the selection.
const uint copyStackSize = 10000000;

} // namespace

AsyncCopy::AsyncCopy(QObject *parent)
    : QThread(parent)
{
    setStackSize(copyStackSize);
}

void AsyncCopy::requestStop()
{
    QMutexLocker locker(&stopMutex);
    stopRequested = true;
}
