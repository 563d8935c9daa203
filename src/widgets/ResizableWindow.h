// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/SkinBackground.h"

#include <QWidget>

// A window whose background is one skin image that grows with the window
// (see SkinBackground).
class ResizableWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ResizableWindow(QWidget *parent = nullptr);

    // Cuts the image at (cutX, cutY); the edge strips are stepX wide along the
    // top and bottom edges and stepY high along the left and right edges.
    void setSkin(const QImage &image, int cutX, int cutY, int stepX, int stepY);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinBackground m_skin;
};
