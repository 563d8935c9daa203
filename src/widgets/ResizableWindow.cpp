// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ResizableWindow.h"

#include <QPainter>

ResizableWindow::ResizableWindow(QWidget *parent)
    : QWidget(parent)
{ }

void ResizableWindow::setSkin(const QImage &image, int cutX, int cutY, int stepX, int stepY)
{
    m_skin.cut(image, QPoint(cutX, cutY), stepX, stepY);
    update();
}

void ResizableWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_skin.paint(painter, size());
}
