// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/Button.h"

#include "widgets/ButtonAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace {

const int focusRingWidth = 2;
const int focusRingRadius = 4;

} // namespace

Button::Button(QWidget *parent)
    : QPushButton(parent)
{
    // Installing a factory again changes nothing.
    QAccessible::installFactory(ButtonAccessible::create);
    // Entering and leaving must repaint, since the hover image differs.
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
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
    if (hasFocus())
        paintFocusRing(painter);

    const QString label = text();
    if (label.isEmpty())
        return;
    // A dialogue's button underlines its mnemonic, which Alt with the
    // letter presses.
    const QFontMetrics metrics(font());
    const QSize size = metrics.size(Qt::TextShowMnemonic, label);
    const int x = qMax(0, (width() - size.width()) / 2) + m_textOffset.x();
    const int y = metrics.ascent() + m_textOffset.y() + (height() - metrics.ascent()) / 2 - metrics.descent();
    painter.drawText(QRect(x, y - metrics.ascent(), size.width(), size.height()),
        Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop, label);
}

// Drawn over the skin, in the desktop's selection colour with a light edge
// inside it, so that it shows on dark and light skins alike.
void Button::paintFocusRing(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = focusRingWidth / 2.0;
    const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), focusRingWidth));
    painter.drawRoundedRect(ring, focusRingRadius, focusRingRadius);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.drawRoundedRect(ring.adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5),
        focusRingRadius - 1, focusRingRadius - 1);
    painter.restore();
}

void Button::keyPressEvent(QKeyEvent *event)
{
    // Outside dialogs a push button takes Space only; the user expects Enter
    // to press the button that has the focus everywhere.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
