// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ProgressBar.h"

#include "widgets/SkinStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

const int leftCapWidth = 5;
const int rightCapWidth = 8;
const int stripSourceColumn = 7;
const int stripWidth = 200;
// The caps are drawn outside the span the segments share.
const int capsWidth = 11;

// A segment image's columns from x on, width wide, all its height (in
// logical pixels; the image may be an "@2x" one).
QRect columns(const QImage &image, int x, int width)
{
    return skinPixels(image, QRect(x, 0, width, skinSize(image).height()));
}

QImage makeStrip(const QImage &segment)
{
    const qreal ratio = segment.devicePixelRatio();
    const int width = qRound(stripWidth * ratio);
    const int sourceColumn = qRound(stripSourceColumn * ratio);
    QImage strip(width, segment.height(), QImage::Format_ARGB32_Premultiplied);
    strip.setDevicePixelRatio(ratio);
    strip.fill(Qt::transparent);
    if (segment.width() <= sourceColumn)
        return strip;
    const QImage source = segment.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < strip.height(); ++y) {
        const QRgb colour = reinterpret_cast<const QRgb *>(source.constScanLine(y))[sourceColumn];
        QRgb *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
        std::fill(line, line + width, colour);
    }
    return strip;
}

void paintStrip(QPainter &painter, const QImage &strip, int x, int length)
{
    for (int n = 0; n < length / stripWidth; ++n)
        painter.drawImage(QPoint(x + n * stripWidth, 0), strip);
    const int rest = length % stripWidth;
    if (rest > 0)
        painter.drawImage(QPoint(x + length - rest, 0), strip, columns(strip, 0, rest));
}

} // namespace

ProgressBar::ProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, 1000);
    setSegmentImages(skinImage(QStringLiteral(":/skin/res/progress_blue.png")),
        skinImage(QStringLiteral(":/skin/res/progress_red.png")),
        skinImage(QStringLiteral(":/skin/res/progress_green.png")),
        skinImage(QStringLiteral(":/skin/res/progress_orange.png")),
        skinImage(QStringLiteral(":/skin/res/progress_gray.png")));
}

void ProgressBar::setSegmentImages(
    const QImage &pictures, const QImage &music, const QImage &video, const QImage &other, const QImage &free)
{
    m_images = { pictures, music, video, other, free };
    for (int i = 0; i < SegmentCount; ++i)
        m_strips[i] = makeStrip(m_images[i]);
    update();
}

void ProgressBar::setSegments(float pictures, float music, float video, float other)
{
    m_values = { pictures * 10, music * 10, video * 10, other * 10, 0 };
    m_values[Free] = 1000 - (m_values[Pictures] + m_values[Music] + m_values[Video] + m_values[Other]);
    repaint();
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int span = width() - capsWidth;
    int x = 0;
    for (int i = 0; i < SegmentCount; ++i) {
        const int value = int(m_values[i]);
        if (value <= 0)
            continue;
        const int length = int(value / 1000.0 * span);
        if (length <= 0)
            continue;
        if (!paintSegment(painter, Segment(i), length, span, x))
            break;
    }
}

// Paints one segment from x on and moves x past it. Returns false when the
// segment had to be cut short at the gauge's end, which happens only when the
// values add up to more than the whole (a negative "other" is not drawn, yet
// the free value counts it).
bool ProgressBar::paintSegment(QPainter &painter, Segment which, int length, int span, int &x) const
{
    const QImage &cap = m_images[which];
    if (x == 0) {
        painter.drawImage(QPoint(0, 0), cap, columns(cap, 0, leftCapWidth));
        x = leftCapWidth;
    }
    const int lead = length == 1 ? 1 : 2;
    painter.drawImage(QPoint(x, 0), cap, columns(cap, leftCapWidth, lead));
    x += lead;

    bool last = x + (length - lead) >= span - 2;
    int fill = last ? length - lead - 2 : length - lead;
    const int room = width() - rightCapWidth - x;
    const bool cutShort = fill > room;
    if (cutShort) {
        fill = room;
        last = true;
    }
    paintStrip(painter, m_strips[which], x, fill);
    x += fill;
    if (last)
        painter.drawImage(
            QPoint(x, 0), cap, columns(cap, skinSize(cap).width() - rightCapWidth, rightCapWidth));
    return !cutShort;
}
