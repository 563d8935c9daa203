// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/ItemNameLayout.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>

namespace {

const int gridMargin = 22;
const int iconGap = 8;
const int textPadding = 6;
const int cellSideMargin = 4;
const int minimumLetters = 14;

// Characters after which a name may go on on the next line.
bool breaksAfter(QChar c)
{
    static const QString marks = QStringLiteral("_-.,;:)]}+~&=/\\");
    return c.isSpace() || marks.contains(c);
}

// The name cut where a line may end, each part keeping its break mark. The
// extension stays with the word before it ("Me.mp3", "183401.jpg").
QStringList parts(const QString &name)
{
    QStringList result;
    const int extensionDot = name.lastIndexOf(QLatin1Char('.'));
    int start = 0;
    for (int i = 0; i < name.size(); ++i) {
        const bool last = i + 1 == name.size();
        const bool breaks = breaksAfter(name.at(i)) && i != extensionDot;
        // A run of marks ("--", ". ") stays together.
        if (last || (breaks && !breaksAfter(name.at(i + 1)))) {
            result.append(name.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    return result;
}

int widthOf(const QFontMetrics &metrics, const QString &line)
{
    int end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return metrics.horizontalAdvance(line.left(end));
}

// Positions in text where a letter starts (a letter may take several
// characters), and its end.
QVector<int> letterStarts(const QString &text)
{
    QVector<int> starts { 0 };
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
    for (int next = letters.toNextBoundary(); next != -1; next = letters.toNextBoundary()) {
        if (next > 0)
            starts.append(next);
    }
    return starts;
}

// Breaks a part wider than a line between letters (never inside a letter
// made of several characters); the last piece is left in rest.
QStringList cutWord(const QString &word, const QFontMetrics &metrics, int width, QString *rest)
{
    QStringList pieces;
    int start = 0;
    int lastFit = 0;
    for (const int next : letterStarts(word).mid(1)) {
        if (lastFit > start && widthOf(metrics, word.mid(start, next - start)) > width) {
            pieces.append(word.mid(start, lastFit - start));
            start = lastFit;
        }
        lastFit = next;
    }
    *rest = word.mid(start);
    return pieces;
}

// text cut in its middle to fit width. The end is given up to two thirds of
// the line, and always the extension where it fits: what tells files of a
// camera, or the songs of an album, apart is at their end.
QString cutInMiddle(const QString &text, const QFontMetrics &metrics, int width)
{
    const QString mark(QChar(0x2026));
    const int room = width - metrics.horizontalAdvance(mark);
    const QVector<int> starts = letterStarts(text);
    const int extension = text.lastIndexOf(QLatin1Char('.'));
    // The end, from the letter at starts[tail] on.
    int tail = starts.size() - 1;
    while (tail > 0) {
        const QString longer = text.mid(starts.at(tail - 1));
        const int longerWidth = metrics.horizontalAdvance(longer);
        const bool wantsExtension = extension > 0 && starts.at(tail) > extension;
        if (longerWidth > room || (longerWidth > room * 2 / 3 && !wantsExtension))
            break;
        --tail;
    }
    const QString end = text.mid(starts.at(tail));
    const int headRoom = room - metrics.horizontalAdvance(end);
    int head = 0;
    while (head + 1 < tail && metrics.horizontalAdvance(text.left(starts.at(head + 1))) <= headRoom)
        ++head;
    return text.left(starts.at(head)) + mark + end;
}

// A part too wide for a line is broken before its extension's dot first,
// so that a suffix is never cut in two ("screenshot" / ".webp").
QStringList keepingExtension(const QStringList &nameParts, const QFontMetrics &metrics, int width)
{
    QStringList result;
    for (const QString &part : nameParts) {
        const int dot = part.lastIndexOf(QLatin1Char('.'));
        if (dot > 0 && dot + 1 < part.size() && widthOf(metrics, part) > width
            && widthOf(metrics, part.mid(dot)) <= width)
            result << part.left(dot) << part.mid(dot);
        else
            result << part;
    }
    return result;
}

} // namespace

QStringList ItemNameLayout::lines(const QString &name, const QFontMetrics &metrics, int width, int maxLines)
{
    QStringList result;
    QString line;
    for (const QString &part : keepingExtension(parts(name), metrics, width)) {
        if (widthOf(metrics, line + part) <= width) {
            line += part;
            continue;
        }
        if (!line.isEmpty())
            result.append(line);
        line = part;
        if (widthOf(metrics, part) > width)
            result += cutWord(part, metrics, width, &line);
    }
    if (!line.isEmpty())
        result.append(line);
    if (maxLines <= 0 || result.size() <= maxLines)
        return result;
    // Too long: the last line shown holds the rest of the name, cut in its
    // middle.
    QStringList shown = result.mid(0, maxLines - 1);
    const QString rest = name.mid(shown.join(QString()).size());
    shown.append(cutInMiddle(rest, metrics, width));
    return shown;
}

QSize ItemNameLayout::cellSize(int iconEdge, const QFontMetrics &metrics)
{
    const int width = qMax(qMax(iconEdge + gridMargin, iconEdge * 3 / 2 + 24),
        minimumLetters * metrics.averageCharWidth() + 2 * cellSideMargin);
    return QSize(width, iconEdge + iconGap + shownLines * lineHeight(metrics) + textPadding);
}

int ItemNameLayout::textWidth(int cellWidth)
{
    return cellWidth - 2 * cellSideMargin;
}

int ItemNameLayout::lineHeight(const QFontMetrics &metrics)
{
    return qMax(metrics.lineSpacing(), metrics.height());
}
