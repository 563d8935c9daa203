// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/plugins/RenameThread.h"

namespace {

constexpr unsigned long layoutDelayMs = 100;

} // namespace

RenameThread::RenameThread(QObject *parent)
    : QThread(parent)
{ }

RenameThread::~RenameThread()
{
    wait();
}

void RenameThread::run()
{
    msleep(layoutDelayMs);
}
