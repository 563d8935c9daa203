// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/SkinStyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QWidget>

namespace {

const QColor disabledTextColour(118, 116, 108);
const QColor skinTextColour(77, 77, 77);

void setTextRole(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, disabledTextColour);
}

} // namespace

QFont skinFont(int pointSize, int weight)
{
    return QFont(QStringLiteral("Verdana"), pointSize, weight);
}

void setSkinTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    setTextRole(palette, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setSkinPalette(QWidget *root)
{
    QPalette palette = root->palette();
    setTextRole(palette, QPalette::WindowText, skinTextColour);
    setTextRole(palette, QPalette::ButtonText, skinTextColour);
    root->setPalette(palette);
}

void keepSchemeTextColours(QWidget *view)
{
    const QPalette scheme = QApplication::palette(view);
    QPalette palette = view->palette();
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText }) {
        for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            palette.setColor(group, role, scheme.color(group, role));
    }
    view->setPalette(palette);
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
