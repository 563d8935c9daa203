// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>

class QFile;
class QString;

// How a thumbnail helper makes the thumbnail of a file it has opened: a
// picture's embedded EXIF thumbnail, else a decode straight at thumbnail
// size (our own Targa reader for ".tga"); a video's first key frame; a
// music file's cover picture. And the icon a file list shows of a thumbnail.
namespace ThumbnailSources {

// The thumbnail of the file path opened as file, aspect kept, at most
// iconEdge; null when the file gives none.
QImage thumbnail(QFile &file, const QString &path, int mode);
// Pictures fill the whole square whatever their shape; videos keep theirs,
// at the small edge their frames are shown at; covers keep theirs, at full
// size.
QImage icon(const QImage &thumbnail, int mode);

// A decode of the picture at path, which it opens as a regular file
// itself; null when there is none.
QImage scaledPicture(const QString &path);

} // namespace ThumbnailSources
