// SPDX-License-Identifier: GPL-2.0-or-later
#include "TextContrast.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace {

const double readableRatio = 4.5;

double luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

double textContrast(QWidget *window, QWidget *widget)
{
    const QImage shown = window->grab().toImage();
    const QPalette original = widget->palette();
    QPalette hidden = original;
    hidden.setColor(widget->foregroundRole(), Qt::transparent);
    widget->setPalette(hidden);
    const QImage behind = window->grab().toImage();
    widget->setPalette(original);
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    double best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, contrast(shown.pixel(x, y), behind.pixel(x, y)));
    }
    return best;
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

} // namespace

QPalette darkScheme()
{
    QPalette dark(QColor(49, 54, 59), QColor(42, 46, 50));
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::HighlightedText })
        dark.setColor(role, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    return dark;
}

QStringList unreadableTexts(QWidget *window)
{
    QStringList unreadable;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString text = shownText(widget);
        if (text.trimmed().isEmpty() || !widget->isVisible())
            continue;
        const double ratio = textContrast(window, widget);
        if (ratio < readableRatio)
            unreadable << QStringLiteral("%1 (%2): %3").arg(text, widget->objectName()).arg(ratio, 0, 'f', 1);
    }
    return unreadable;
}
