// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/ExternalDeviceFrame.h"

ExternalDeviceFrame::ExternalDeviceFrame(const QString &deviceModel, QWidget *parent)
    : BaseFrame(ExternalDeviceMode, deviceModel, parent)
{
    setObjectName(QStringLiteral("_targetFrame"));
}
