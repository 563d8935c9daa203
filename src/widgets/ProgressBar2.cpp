// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ProgressBar2.h"

#include "widgets/SkinStyle.h"

#include <QPainter>

ProgressBar2::ProgressBar2(QWidget *parent)
    : QProgressBar(parent)
{ }

void ProgressBar2::setImages(const QImage &empty, const QImage &full)
{
    m_empty = empty;
    m_full = full;
    update();
}

void ProgressBar2::paintEvent(QPaintEvent *)
{
    const qint64 range = qint64(maximum()) - minimum();
    if (range <= 0)
        return;
    // A bar that was never given a value holds one below its minimum.
    const qint64 done = qBound(qint64(0), qint64(value()) - minimum(), range);
    const int filled = int(width() * done / range);

    QPainter painter(this);
    if (filled > 0)
        painter.drawImage(
            QPoint(0, 0), m_full, skinPixels(m_full, QRect(0, 0, filled, skinSize(m_full).height())));
    if (filled < width())
        painter.drawImage(QPoint(filled, 0), m_empty,
            skinPixels(m_empty, QRect(filled, 0, width() - filled, skinSize(m_empty).height())));
}
