// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ui/ResizableWindow.h"

#include <QPointer>

class QMessageBox;

// The media sync window: the two file panes of the PC and the device.
class Browser : public ResizableWindow
{
    Q_OBJECT

public:
    explicit Browser(QWidget *parent = nullptr);

    // Rejects and closes the message box the window is showing, if any.
    void dismissDialog();

private:
    QPointer<QMessageBox> activeMessageBox;
};
