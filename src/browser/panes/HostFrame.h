// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/panes/BaseFrame.h"

// The computer's file pane, on the left of the media sync window.
class HostFrame : public BaseFrame
{
    Q_OBJECT

public:
    explicit HostFrame(QWidget *parent = nullptr);
};
