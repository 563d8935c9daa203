// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Files found to crash, hold or swell a program that decodes them itself:
// what a device, or the desktop's thumbnail cache, may carry. The large ones
// are sparse. Each returns false when it cannot make its file (those made
// from a short encoding need the ffmpeg program).
namespace HostileMedia {

// The first 752 bytes of a short MPEG-2 transport stream, then zeros up to
// 512 MiB: FFmpeg 5.1 crashes on it unless its memory is bounded.
bool crashingMpeg(const QString &path);
// A Matroska file of one FFV1 frame that declares 16000 x 16000 pixels and
// carries 400 KiB: decoding it takes 400 MB and seconds.
bool hugeFrameVideo(const QString &path);
// An MP3 whose PNG cover declares 16000 x 16000 pixels and holds 64 x 64:
// a decoder would set aside 770 MB before it reads a row.
bool hugeCoverMp3(const QString &path);
// A 16000 x 16000 PNG of black pixels (750 KB; 770 MB decoded) with texts.
bool hugePng(const QString &path, const QList<QPair<QByteArray, QByteArray>> &texts);
// FF D8, then 20 GiB of zeros with no marker for a reader to stop at.
bool markerlessJpeg(const QString &path);

} // namespace HostileMedia
