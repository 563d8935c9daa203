// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/Button.h"

#include <QPainter>

Button::Button(QWidget *parent)
    : QPushButton(parent)
{
    // Entering and leaving must repaint, since the hover image differs.
    setAttribute(Qt::WA_Hover);
}

void Button::setStateImages(
    const QImage &normal, const QImage &hover, const QImage &pressed, const QImage &disabled)
{
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    m_disabled = disabled;
    update();
}

void Button::setTextOffset(int x, int y)
{
    m_textOffset = QPoint(x, y);
    update();
}

const QImage &Button::imageForState() const
{
    if (!isEnabled() && !m_disabled.isNull())
        return m_disabled;
    if (isCheckable() ? isChecked() : isDown())
        return m_pressed;
    return underMouse() ? m_hover : m_normal;
}

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &image = imageForState();
    if (!image.isNull())
        painter.drawImage(rect(), image);

    const QString label = text();
    if (label.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int x = qMax(0, (width() - metrics.horizontalAdvance(label)) / 2) + m_textOffset.x();
    const int y = metrics.ascent() + m_textOffset.y() + (height() - metrics.ascent()) / 2 - metrics.descent();
    painter.drawText(x, y, label);
}
