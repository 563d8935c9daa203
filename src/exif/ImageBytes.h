// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace ImageBytes {

// Decodes bytes known to hold a picture in format ("JPG", "PNG"); null
// when they do not, or when the picture declares an edge longer than
// maxEdge, which is checked before any pixel is decoded. Only that format's
// reader is asked: Qt's own search by content would load every image format
// plug-in of the system first, which takes longer than the picture.
QImage decode(const QByteArray &bytes, const char *format, int maxEdge);

} // namespace ImageBytes
