// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSize>
#include <QStringList>

class QFontMetrics;

// How a file list writes a name under its icon. Camera and album names
// ("IMG_20250712_183401.jpg", "01 - Intro.mp3") are long and have few
// spaces, so a name is broken after spaces and punctuation (and within a
// word only where one word does not fit a line), on up to three lines; a
// name that needs more is cut in the middle of its last line, so that its
// end (the extension, a picture's number) stays in view.
class ItemNameLayout
{
public:
    static constexpr int shownLines = 3;

    // The lines of name within width pixels; maxLines 0 takes as many lines
    // as the whole name needs. A line may end with the space it was broken
    // at, which does not count in its width.
    static QStringList lines(
        const QString &name, const QFontMetrics &metrics, int width, int maxLines = shownLines);

    // The grid cell of a list for an icon of iconEdge pixels: wider than
    // the icon, so that a line holds a dozen letters or more, and high
    // enough for the icon and three lines.
    static QSize cellSize(int iconEdge, const QFontMetrics &metrics);
    // The width the lines of a name take in a cell.
    static int textWidth(int cellWidth);
    // The height of one line of a name, its descenders and underscores
    // included: some fonts' line spacing is less than their glyphs' height.
    static int lineHeight(const QFontMetrics &metrics);
};
