// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/Browser.h"

#include <QImage>
#include <QMessageBox>

Browser::Browser(QWidget *parent)
    : ResizableWindow(parent)
{
    const QImage skin(QStringLiteral(":/skin/res/media_bg.png"));
    setSkin(skin, skin.width() / 2, skin.height() / 2, 10, 10);
}

void Browser::dismissDialog()
{
    if (!activeMessageBox)
        return;
    activeMessageBox->reject();
    activeMessageBox->close();
}
