// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/panes/BaseFrame.h"

// The device's file pane, on the right of the media sync window.
class ExternalDeviceFrame : public BaseFrame
{
    Q_OBJECT

public:
    explicit ExternalDeviceFrame(const QString &deviceModel, QWidget *parent = nullptr);
};
