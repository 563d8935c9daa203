// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/SkinBackground.h"

#include "widgets/SkinStyle.h"

#include <QPainter>

namespace {

const QImage::Format pieceFormat = QImage::Format_ARGB32_Premultiplied;

QImage piece(const QImage &image, int x, int y, int width, int height)
{
    // QImage::copy() takes an empty rectangle for the whole image.
    if (width <= 0 || height <= 0)
        return QImage();
    return image.copy(x, y, width, height).convertToFormat(pieceFormat);
}

// A line of pixels one pixel thick, repeated count times across it: a row
// repeated downwards, or a column repeated to the right.
QImage repeatedLine(const QImage &image, const QRect &line, Qt::Orientation repeat, int count)
{
    if (line.isEmpty())
        return QImage();
    const bool downwards = repeat == Qt::Vertical;
    QImage strip(downwards ? QSize(line.width(), count) : QSize(count, line.height()), pieceFormat);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int n = 0; n < count; ++n)
        painter.drawImage(downwards ? QPoint(0, n) : QPoint(n, 0), image, line);
    return strip;
}

} // namespace

void SkinBackground::cut(const QImage &image, const QPoint &cutPoint, int stepX, int stepY)
{
    *this = SkinBackground();
    // An "@2x" image is cut at the same logical point; its pieces keep its
    // pixel ratio, so they paint at their logical size.
    const qreal ratio = image.devicePixelRatio();
    const QSize logicalSize = skinSize(image);
    if (!QRect(QPoint(), logicalSize).contains(cutPoint) || stepX <= 0 || stepY <= 0)
        return;

    // The pieces are cut and repeated in pixels; an "@2x" source drawn at its
    // own ratio would cover only half of each repeated line.
    QImage source = image.convertToFormat(pieceFormat);
    source.setDevicePixelRatio(1);
    const int x = qRound(cutPoint.x() * ratio);
    const int y = qRound(cutPoint.y() * ratio);
    const int rightWidth = source.width() - x;
    const int bottomHeight = source.height() - y;
    const int repeatX = qRound(stepX * ratio);
    const int repeatY = qRound(stepY * ratio);

    m_topLeft = piece(source, 0, 0, x, y);
    m_topRight = piece(source, x, 0, rightWidth, y);
    m_bottomLeft = piece(source, 0, y, x, bottomHeight);
    m_bottomRight = piece(source, x, y, rightWidth, bottomHeight);
    m_left = repeatedLine(source, QRect(0, y, x, 1), Qt::Vertical, repeatY);
    m_right = repeatedLine(source, QRect(x, y, rightWidth, 1), Qt::Vertical, repeatY);
    m_top = repeatedLine(source, QRect(x, 0, 1, y), Qt::Horizontal, repeatX);
    m_bottom = repeatedLine(source, QRect(x, y, 1, bottomHeight), Qt::Horizontal, repeatX);
    for (QImage *part :
        { &m_topLeft, &m_topRight, &m_bottomLeft, &m_bottomRight, &m_left, &m_right, &m_top, &m_bottom })
        part->setDevicePixelRatio(ratio);
    m_fill = source.pixelColor(x, y);
    m_imageSize = logicalSize;
    m_cut = cutPoint;
    m_stepX = stepX;
    m_stepY = stepY;
}

void SkinBackground::paint(QPainter &painter, const QSize &windowSize) const
{
    if (isEmpty())
        return;
    const int width = windowSize.width();
    const int height = windowSize.height();
    const int rightWidth = m_imageSize.width() - m_cut.x();
    const int bottomHeight = m_imageSize.height() - m_cut.y();

    const QRect middle(m_cut, QPoint(width - 1 - rightWidth, height - 1 - bottomHeight));
    if (middle.isValid())
        painter.fillRect(middle, m_fill);
    // The strips stay between the corners: where the edge's pixels are
    // translucent (a shadow), a strip under a corner would darken it.
    painter.save();
    painter.setClipRect(QRect(0, m_cut.y(), width, height - bottomHeight - m_cut.y()));
    for (int k = 0; k <= (height - m_imageSize.height()) / m_stepY; ++k) {
        const int y = m_cut.y() + m_stepY * k;
        painter.drawImage(QPoint(0, y), m_left);
        painter.drawImage(QPoint(width - rightWidth, y), m_right);
    }
    painter.setClipRect(QRect(m_cut.x(), 0, width - rightWidth - m_cut.x(), height));
    for (int k = 0; k <= (width - m_imageSize.width()) / m_stepX; ++k) {
        const int x = m_cut.x() + m_stepX * k;
        painter.drawImage(QPoint(x, 0), m_top);
        painter.drawImage(QPoint(x, height - bottomHeight), m_bottom);
    }
    painter.restore();
    painter.drawImage(QPoint(0, 0), m_topLeft);
    painter.drawImage(QPoint(width - rightWidth, 0), m_topRight);
    painter.drawImage(QPoint(0, height - bottomHeight), m_bottomLeft);
    painter.drawImage(QPoint(width - rightWidth, height - bottomHeight), m_bottomRight);
}
