// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The skinned windows draw text in Verdana at fixed point sizes; where the
// font is missing the toolkit picks its closest match.
QFont skinFont(int pointSize, int weight = QFont::Normal);

// Gives a label its text colour on the skin. A disabled label always uses the
// same greyed colour, whatever its normal colour.
void setSkinTextColour(QWidget *widget, const QColor &colour);
