// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QProgressBar>

#include <array>

// The storage gauge: five coloured segments side by side (pictures, music,
// video, other, free), values in permille of the capacity.
//
// Each segment is painted from its skin image: the first drawn segment opens
// with the image's five leftmost columns, every segment starts with one or two
// of the image's columns from column 5 on and goes on with a strip made of
// column 7, and the segment reaching the end closes with the image's eight
// rightmost columns. Nothing is scaled.
class ProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    enum Segment { Pictures, Music, Video, Other, Free, SegmentCount };

    // Starts with the skin's images, an empty device and everything free.
    explicit ProgressBar(QWidget *parent = nullptr);

    void setSegmentImages(const QImage &pictures, const QImage &music, const QImage &video,
        const QImage &other, const QImage &free);

    // Takes four percentages; free space is what remains of 1000 permille.
    void setSegments(float pictures, float music, float video, float other);
    float segment(Segment which) const { return m_values[which]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool paintSegment(QPainter &painter, Segment which, int length, int span, int &x) const;

    std::array<QImage, SegmentCount> m_images;
    std::array<QImage, SegmentCount> m_strips;
    std::array<float, SegmentCount> m_values { 0, 0, 0, 0, 1000 };
};
