// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QProgressBar>

// The copy progress bar: the full image up to the current value, the empty
// image after it, both at natural size.
class ProgressBar2 : public QProgressBar
{
    Q_OBJECT

public:
    explicit ProgressBar2(QWidget *parent = nullptr);

    void setImages(const QImage &empty, const QImage &full);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_empty;
    QImage m_full;
};
