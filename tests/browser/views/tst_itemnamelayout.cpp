// SPDX-License-Identifier: GPL-2.0-or-later
// Names under the icons of a file list: where they break, and where a name
// too long for three lines is cut.
#include "browser/views/ItemNameLayout.h"

#include <QFontMetrics>
#include <QtTest>

namespace {

const QChar ellipsis(0x2026);

int lineWidth(const QFontMetrics &metrics, const QString &line)
{
    QString text = line;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return metrics.horizontalAdvance(text);
}

} // namespace

class TestItemNameLayout : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void wholeNameTakesAllItNeeds();
    void cellGrowsWithTheIcon();

private:
    QFontMetrics m_metrics { QFont(QStringLiteral("DejaVu Sans"), 9) };
};

void TestItemNameLayout::lines_data()
{
    QTest::addColumn<QString>("name");
    // The line width, as the width of this text.
    QTest::addColumn<QString>("widthOf");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("cut");

    QTest::newRow("short") << "beach.jpg"
                           << "IMG_20250712_" << QStringList { "beach.jpg" } << false;
    QTest::newRow("camera name, broken after its underscores")
        << "IMG_20250712_183401.jpg"
        << "IMG_20250712_" << QStringList { "IMG_20250712_", "183401.jpg" } << false;
    QTest::newRow("album song, broken after spaces, extension kept with its word")
        << "01 - Someone to Watch Over Me.mp3"
        << "Watch Over Me.mp3" << QStringList { "01 - Someone to ", "Watch Over Me.mp3" } << false;
    QTest::newRow("no extension") << "README_FOR_THE_NETBOOK"
                                  << "README_FOR_" << QStringList { "README_FOR_", "THE_NETBOOK" } << false;
    QTest::newRow("word too wide with its extension, broken before the dot")
        << "screenshot.webp"
        << "screenshot.we" << QStringList { "screenshot", ".webp" } << false;
    QTest::newRow("very long word, cut between letters and in the middle")
        << "Supercalifragilisticexpialidociousphotographofthebeach.png"
        << "Supercali" << QStringList() << true;
    QTest::newRow("long camera name keeps its end")
        << "PXL_20250801_101530123_PORTRAIT_BURST_COVER_EDITED_FINAL.jpg"
        << "PXL_20250801_" << QStringList() << true;
}

void TestItemNameLayout::lines()
{
    QFETCH(QString, name);
    QFETCH(QString, widthOf);
    QFETCH(QStringList, expected);
    QFETCH(bool, cut);
    const int width = m_metrics.horizontalAdvance(widthOf) + 1;
    const QStringList lines = ItemNameLayout::lines(name, m_metrics, width);

    QVERIFY(lines.size() <= ItemNameLayout::shownLines);
    for (const QString &line : lines)
        QVERIFY2(lineWidth(m_metrics, line) <= width, qPrintable(line));
    if (!expected.isEmpty())
        QCOMPARE(lines, expected);
    if (!cut) {
        QCOMPARE(lines.join(QString()), name);
        return;
    }
    // Cut in the middle of the last line: the start and the end show.
    QCOMPARE(lines.size(), ItemNameLayout::shownLines);
    const QString last = lines.last();
    QVERIFY2(last.contains(ellipsis), qPrintable(last));
    QVERIFY(name.startsWith(lines.mid(0, lines.size() - 1).join(QString())));
    QVERIFY2(name.endsWith(last.mid(last.indexOf(ellipsis) + 1)), qPrintable(last));
    QVERIFY(last.endsWith(name.mid(name.lastIndexOf(QLatin1Char('.')))));
}

void TestItemNameLayout::wholeNameTakesAllItNeeds()
{
    const QString name = QStringLiteral("PXL_20250801_101530123_PORTRAIT_BURST_COVER_EDITED_FINAL.jpg");
    const int width = m_metrics.horizontalAdvance(QStringLiteral("PXL_20250801_")) + 1;
    const QStringList whole = ItemNameLayout::lines(name, m_metrics, width, 0);
    QVERIFY(whole.size() > ItemNameLayout::shownLines);
    QCOMPARE(whole.join(QString()), name);
}

void TestItemNameLayout::cellGrowsWithTheIcon()
{
    int lastWidth = 0;
    for (const int edge : { 21, 64, 128, 256 }) {
        const QSize cell = ItemNameLayout::cellSize(edge, m_metrics);
        // Wider than the icon and its old margin, high enough for the icon
        // and three lines of name.
        QVERIFY(cell.width() > edge + 22);
        QVERIFY(cell.width() >= lastWidth);
        QVERIFY(cell.height() >= edge + ItemNameLayout::shownLines * ItemNameLayout::lineHeight(m_metrics));
        QVERIFY(ItemNameLayout::textWidth(cell.width()) >= 12 * m_metrics.averageCharWidth());
        lastWidth = cell.width();
    }
}

QTEST_MAIN(TestItemNameLayout)
#include "tst_itemnamelayout.moc"
