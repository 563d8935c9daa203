// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

// A window background that grows from one skin image without scaling it.
//
// The image is cut at a point into four corners, which keep their size, and
// four edge strips, each one line of pixels at the cut repeated step times.
// Painting puts the corners flush with the window's corners, repeats the
// strips along the edges and fills the middle with the colour at the cut, so
// a skin whose middle is plain shows no seam at any window size.
class SkinBackground
{
public:
    // Leaves the background empty when the cut point is not inside the image
    // or a step is not positive.
    void cut(const QImage &image, const QPoint &cutPoint, int stepX, int stepY);
    void paint(QPainter &painter, const QSize &windowSize) const;

    bool isEmpty() const { return m_imageSize.isEmpty(); }

private:
    QImage m_topLeft;
    QImage m_topRight;
    QImage m_bottomLeft;
    QImage m_bottomRight;
    QImage m_left;
    QImage m_right;
    QImage m_top;
    QImage m_bottom;
    QSize m_imageSize { -1, -1 };
    QColor m_fill;
    QPoint m_cut;
    int m_stepX = -1;
    int m_stepY = -1;
};
