// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MainWindow.h"

#include <QIcon>

namespace {

const QSize windowSize(783, 559);

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("IDS_PC_SYNC_TITLE"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/res/icon_48px.png")));
    resize(windowSize);
    setMinimumSize(windowSize);
}
