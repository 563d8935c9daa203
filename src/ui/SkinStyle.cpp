// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/SkinStyle.h"

#include <QPalette>
#include <QWidget>

namespace {

const QColor disabledTextColour(118, 116, 108);

} // namespace

QFont skinFont(int pointSize, int weight)
{
    return QFont(QStringLiteral("Verdana"), pointSize, weight);
}

void setSkinTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledTextColour);
    widget->setPalette(palette);
}
