// SPDX-License-Identifier: GPL-2.0-or-later
// The skinned widgets' painting, checked pixel by pixel on grabbed images
// painted from images the test makes itself.
#include "UiTestHelpers.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar.h"
#include "widgets/ProgressBar2.h"
#include "widgets/ResizableWindow.h"

#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

namespace {

const int gaugeHeight = 23;
const int markerBlue = 100;
const QString segmentLetters = QStringLiteral("pmvof");

// Every gauge pixel tells which segment image and which of its columns it
// came from.
QRgb segmentColour(int segment, int column)
{
    return qRgb(30 + 40 * segment, 10 + 15 * column, markerBlue);
}

QImage segmentImage(int segment)
{
    QImage image(16, gaugeHeight, QImage::Format_ARGB32);
    for (int y = 0; y < gaugeHeight; ++y) {
        for (int column = 0; column < image.width(); ++column)
            image.setPixel(column, y, segmentColour(segment, column));
    }
    return image;
}

// Random opaque pixels: any misplaced piece shows as a mismatch.
QImage noiseImage(const QSize &size, int marker = -1)
{
    QRandomGenerator random(20260101);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(
                x, y, marker < 0 ? 0xff000000 | random.bounded(0x1000000) : qRgb(x & 0xff, x >> 8, marker));
    }
    return image;
}

// Where a resizable window's pixel comes from: the corners keep their size
// and stay in their corners; between them the cut row and column repeat.
int sourceCoordinate(int coordinate, int windowLength, int imageLength, int cut)
{
    if (coordinate >= windowLength - (imageLength - cut))
        return coordinate - (windowLength - imageLength);
    return qMin(coordinate, cut);
}

QColor shownCentre(QWidget &widget)
{
    const QImage image = widget.screen()->grabWindow(widget.winId()).toImage();
    return image.pixelColor(image.rect().center());
}

QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestSkinPainting : public QObject
{
    Q_OBJECT

private slots:
    void gauge_data();
    void gauge();
    void copyBar_data();
    void copyBar();
    void buttonStates_data();
    void buttonStates();
    void buttonTextOffset();
    void resizableBackground_data();
    void resizableBackground();
    void unusableSkinPaintsNothing_data();
    void unusableSkinPaintsNothing();
};

void TestSkinPainting::gauge_data()
{
    // Expected columns as runs "first-last=segment:column"; "column+" counts
    // up along the run, a plain column (7, the strip) stays.
    QTest::addColumn<QVector<float>>("percentages");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("runs");

    const QString picturesAndVideo = "0-4=p:0+ 5-6=p:5+ 7-24=p:7 25-26=v:5+ 27-34=v:7 35-36=f:5+ 37-202=f:7 "
                                     "203-210=f:8+";
    QTest::newRow("left cap, skipped segments, free with right cap")
        << QVector<float> { 10, 0, 5, 0 } << 211 << picturesAndVideo;
    QTest::newRow("a negative other is skipped and free still ends at the edge")
        << QVector<float> { 10, 0, 5, -3 } << 211 << picturesAndVideo;
    QTest::newRow("one-pixel segment draws only column 5")
        << QVector<float> { 0.6f, 0, 0, 0 } << 211 << "0-4=p:0+ 5-5=p:5+ 6-7=f:5+ 8-201=f:7 202-209=f:8+";
    QTest::newRow("all five segments")
        << QVector<float> { 20, 10, 30, 15 } << 211
        << "0-4=p:0+ 5-6=p:5+ 7-44=p:7 45-46=m:5+ 47-64=m:7 65-66=v:5+ 67-124=v:7 "
           "125-126=o:5+ 127-154=o:7 155-156=f:5+ 157-202=f:7 203-210=f:8+";
    QTest::newRow("empty device, strip repeated past 200 pixels")
        << QVector<float> { 0, 0, 0, 0 } << 611 << "0-4=f:0+ 5-6=f:5+ 7-602=f:7 603-610=f:8+";
}

void TestSkinPainting::gauge()
{
    QFETCH(QVector<float>, percentages);
    QFETCH(int, width);
    QFETCH(QString, runs);

    ProgressBar gauge;
    gauge.setSegmentImages(
        segmentImage(0), segmentImage(1), segmentImage(2), segmentImage(3), segmentImage(4));
    gauge.resize(width, gaugeHeight);
    gauge.setSegments(percentages[0], percentages[1], percentages[2], percentages[3]);
    const QImage grabbed = gauge.grab().toImage();

    QVector<QRgb> expected(width, 0);
    const QRegularExpression run(QStringLiteral("^(\\d+)-(\\d+)=([pmvof]):(\\d+)(\\+?)$"));
    for (const QString &token : runs.split(QLatin1Char(' '))) {
        const QRegularExpressionMatch match = run.match(token);
        QVERIFY2(match.hasMatch(), qPrintable(token));
        for (int x = match.captured(1).toInt(); x <= match.captured(2).toInt(); ++x) {
            const int step = match.captured(5).isEmpty() ? 0 : x - match.captured(1).toInt();
            expected[x]
                = segmentColour(segmentLetters.indexOf(match.captured(3)), match.captured(4).toInt() + step);
        }
    }
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = grabbed.pixel(x, gaugeHeight / 2);
        if (expected[x] == 0)
            QVERIFY2(qBlue(pixel) != markerBlue, qPrintable(QStringLiteral("column %1 is painted").arg(x)));
        else
            QVERIFY2(
                pixel == expected[x], qPrintable(QStringLiteral("column %1: %2").arg(x).arg(pixel, 8, 16)));
    }
}

void TestSkinPainting::copyBar_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("filled");
    QTest::newRow("start") << 1000 << 0 << 0;
    QTest::newRow("a third, truncated") << 1000 << 333 << 172;
    QTest::newRow("full") << 1000 << 1000 << 518;
    QTest::newRow("never given a value") << 1000 << -1 << 0;
    QTest::newRow("empty range draws nothing") << 0 << 0 << -1;
}

void TestSkinPainting::copyBar()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, filled);
    const int emptyMarker = 20;
    const int fullMarker = 10;

    ProgressBar2 bar;
    bar.setImages(noiseImage(QSize(518, 40), emptyMarker), noiseImage(QSize(518, 40), fullMarker));
    bar.setRange(0, maximum);
    if (value >= 0)
        bar.setValue(value);
    bar.resize(518, 40);
    const QImage grabbed = bar.grab().toImage();
    for (int x = 0; x < bar.width(); ++x) {
        const QRgb pixel = grabbed.pixel(x, 20);
        const QRgb expected = qRgb(x & 0xff, x >> 8, x < filled ? fullMarker : emptyMarker);
        if (filled < 0)
            QVERIFY(qBlue(pixel) != emptyMarker && qBlue(pixel) != fullMarker);
        else
            QVERIFY2(pixel == expected, qPrintable(QStringLiteral("column %1").arg(x)));
    }
}

void TestSkinPainting::buttonStates_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("hoverImage");
    QTest::addColumn<QColor>("expected");

    const QColor normal(200, 0, 0), hover(0, 200, 0), pressed(0, 0, 200), disabled(90, 90, 90);
    QTest::newRow("normal") << "" << true << normal;
    QTest::newRow("mouse over") << "hover" << true << hover;
    QTest::newRow("mouse over, empty hover image shows nothing") << "hover" << false << QColor();
    QTest::newRow("held down under the mouse") << "down hover" << true << pressed;
    QTest::newRow("disabled") << "disabled" << true << disabled;
    QTest::newRow("checked under the mouse") << "checkable checked hover" << true << pressed;
    QTest::newRow("checkable, held down but unchecked") << "checkable down" << true << normal;
}

void TestSkinPainting::buttonStates()
{
    QFETCH(QString, state);
    QFETCH(bool, hoverImage);
    QFETCH(QColor, expected);
    const QColor normal(200, 0, 0);

    // A style that does not ask for hover events itself: the button must.
    std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Windows")));
    Button button;
    button.setStyle(style.get());
    button.setStateImages(solidImage(QSize(30, 10), normal),
        hoverImage ? solidImage(QSize(30, 10), QColor(0, 200, 0)) : QImage(),
        solidImage(QSize(30, 10), QColor(0, 0, 200)), solidImage(QSize(30, 10), QColor(90, 90, 90)));
    button.resize(120, 40);
    QCursor::setPos(QPoint(900, 700));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTRY_COMPARE(shownCentre(button), normal);

    button.setCheckable(state.contains(QLatin1String("checkable")));
    button.setChecked(state.contains(QLatin1String("checked")));
    button.setDown(state.contains(QLatin1String("down")));
    button.setEnabled(!state.contains(QLatin1String("disabled")));
    if (state.contains(QLatin1String("hover"))) {
        QTest::mouseMove(&button, QPoint(10, 10));
        QTRY_VERIFY(button.underMouse());
    }
    if (expected.isValid())
        QTRY_COMPARE(shownCentre(button), expected);
    else
        QTRY_COMPARE(shownCentre(button), button.palette().color(QPalette::Button));
}

void TestSkinPainting::buttonTextOffset()
{
    Button button;
    button.setStateImages(solidImage(QSize(4, 4), Qt::white), QImage(), QImage());
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    button.setText(QStringLiteral("Options"));
    button.resize(160, 40);
    const QRect centred = inkBox(button.grab().toImage());
    // Centred within the glyphs' side bearings.
    QVERIFY(qAbs(centred.left() - (button.width() - 1 - centred.right())) <= 3);

    for (const QPoint &offset : { QPoint(-15, 0), QPoint(7, -4) }) {
        button.setTextOffset(offset.x(), offset.y());
        const QRect moved = inkBox(button.grab().toImage());
        QCOMPARE(moved, centred.translated(offset));
    }
}

void TestSkinPainting::resizableBackground_data()
{
    QTest::addColumn<QPoint>("cut");
    QTest::addColumn<QSize>("step");
    QTest::addColumn<QSize>("windowSize");
    QTest::newRow("as large as the image") << QPoint(30, 20) << QSize(10, 10) << QSize(60, 40);
    QTest::newRow("larger, not a multiple of the step") << QPoint(30, 20) << QSize(10, 10) << QSize(137, 93);
    QTest::newRow("smaller than the image") << QPoint(30, 20) << QSize(10, 10) << QSize(47, 33);
    QTest::newRow("uneven steps, off-centre cut") << QPoint(45, 8) << QSize(7, 3) << QSize(151, 88);
    QTest::newRow("cut at the top-left pixel") << QPoint(0, 0) << QSize(10, 10) << QSize(99, 66);
    QTest::newRow("cut at the last pixel") << QPoint(59, 39) << QSize(10, 10) << QSize(99, 66);
}

void TestSkinPainting::resizableBackground()
{
    QFETCH(QPoint, cut);
    QFETCH(QSize, step);
    QFETCH(QSize, windowSize);

    const QImage skin = noiseImage(QSize(60, 40));
    ResizableWindow window;
    window.setSkin(skin, cut.x(), cut.y(), step.width(), step.height());
    window.resize(windowSize);
    const QImage grabbed = window.grab().toImage();
    for (int y = 0; y < windowSize.height(); ++y) {
        const int sourceY = sourceCoordinate(y, windowSize.height(), skin.height(), cut.y());
        for (int x = 0; x < windowSize.width(); ++x) {
            const int sourceX = sourceCoordinate(x, windowSize.width(), skin.width(), cut.x());
            if (grabbed.pixel(x, y) != skin.pixel(sourceX, sourceY))
                QFAIL(qPrintable(QStringLiteral("seam at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestSkinPainting::unusableSkinPaintsNothing_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QPoint>("cut");
    QTest::addColumn<int>("step");
    const QImage small = solidImage(QSize(60, 40), Qt::red);
    QTest::newRow("missing image") << QImage() << QPoint(540, 391) << 10;
    QTest::newRow("cut point outside the image") << small << QPoint(60, 20) << 10;
    QTest::newRow("zero step") << small << QPoint(30, 20) << 0;
}

void TestSkinPainting::unusableSkinPaintsNothing()
{
    QFETCH(QImage, image);
    QFETCH(QPoint, cut);
    QFETCH(int, step);
    ResizableWindow window;
    window.setSkin(image, cut.x(), cut.y(), step, step);
    window.resize(200, 150);
    const QImage grabbed = window.grab().toImage();
    for (const QPoint &point : { QPoint(0, 0), QPoint(30, 20), QPoint(199, 149) })
        QCOMPARE(grabbed.pixelColor(point), window.palette().color(QPalette::Window));
}

QTEST_MAIN(TestSkinPainting)
#include "tst_skinpainting.moc"
