// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/ExternalDeviceFrame.h"

ExternalDeviceFrame::ExternalDeviceFrame(QWidget *parent)
    : BaseFrame(ExternalDeviceMode, parent)
{
    setObjectName(QStringLiteral("_targetFrame"));
}
