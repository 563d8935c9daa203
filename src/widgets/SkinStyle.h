// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

class QWidget;

// The skinned windows draw text in Verdana at fixed point sizes; where the
// font is missing the toolkit picks its closest match.
QFont skinFont(int pointSize, int weight = QFont::Normal);

// Gives a label its text colour on the skin. A disabled label always uses the
// same greyed colour, whatever its normal colour.
void setSkinTextColour(QWidget *widget, const QColor &colour);

// Gives everything drawn on the skin under root the skin's own text colours,
// whatever the desktop's colour scheme: a dark scheme's light text would
// vanish on the light skin. Lists and trees keep the scheme's colours, since
// they draw their own background from it.
void setSkinPalette(QWidget *root);
// Gives a list or tree under such a root back the scheme's text colours for
// what it draws on its own background (its branch marks, its scroll bars).
void keepSchemeTextColours(QWidget *view);

// The skin is drawn for 100 %. Where the application is scaled above that,
// its images come from their "@2x" renderings, so that nothing is drawn
// blurred; such an image carries a device pixel ratio of 2, and the painting
// code works in its logical size (skinPixels() turns a logical rectangle into
// the image's own pixels).
QString skinFile(const QString &path);
QImage skinImage(const QString &path);
QPixmap skinPixmap(const QString &path);
QRect skinPixels(const QImage &image, const QRect &logical);
QSize skinSize(const QImage &image);
