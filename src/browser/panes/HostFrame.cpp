// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/HostFrame.h"

HostFrame::HostFrame(QWidget *parent)
    : BaseFrame(HostMode, QString(), parent)
{
    setObjectName(QStringLiteral("_hostFrame"));
}
