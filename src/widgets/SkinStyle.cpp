// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/SkinStyle.h"

#include <QFile>
#include <QGuiApplication>
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

QString skinFile(const QString &path)
{
    if (qGuiApp->devicePixelRatio() <= 1.0)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString twice = path.left(dot) + QLatin1String("@2x") + path.mid(dot);
    return QFile::exists(twice) ? twice : path;
}

QImage skinImage(const QString &path)
{
    // The image reader gives an "@2x" file its device pixel ratio.
    return QImage(skinFile(path));
}

QPixmap skinPixmap(const QString &path)
{
    return QPixmap::fromImage(skinImage(path));
}

QSize skinSize(const QImage &image)
{
    return image.size() / image.devicePixelRatio();
}

QRect skinPixels(const QImage &image, const QRect &logical)
{
    const qreal ratio = image.devicePixelRatio();
    return QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
        qRound(logical.height() * ratio));
}
