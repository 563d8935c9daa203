// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QTranslator>

// An opaque image of one colour, for widgets that paint skin images.
inline QImage solidImage(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Loads and installs the program's catalogue of a language, so that tests
// read the texts the user reads.
inline bool installCatalogue(QTranslator &translator, const QString &language)
{
    if (!translator.load(QStringLiteral(":/translation/lang/OpaloSync_%1.qm").arg(language)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
