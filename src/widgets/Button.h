// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QPushButton>

// A push button painted from one image per state, with its text centred on
// top. An empty image paints nothing in its state: the button then shows
// what lies behind it.
//
// The Tab key reaches it (a click does not take the focus from where the
// user works), a ring shows that it has the focus, and Enter or Space
// presses it. Screen readers learn of it through ButtonAccessible.
class Button : public QPushButton
{
    Q_OBJECT

public:
    explicit Button(QWidget *parent = nullptr);

    // Without a disabled image a disabled button looks like an enabled one.
    void setStateImages(
        const QImage &normal, const QImage &hover, const QImage &pressed, const QImage &disabled = QImage());

    // Moves the centred text, for skins whose picture is not centred.
    void setTextOffset(int x, int y);
    QPoint textOffset() const { return m_textOffset; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QImage &imageForState() const;
    void paintFocusRing(QPainter &painter) const;

    QImage m_normal;
    QImage m_hover;
    QImage m_pressed;
    QImage m_disabled;
    QPoint m_textOffset;
};
