// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

// Writes EXIF blocks byte by byte, so that a test knows exactly what a
// picture holds: the TIFF header, IFD0, the Exif and GPS directories (their
// pointers are added when they have entries), IFD1 and a data area for
// values longer than four bytes.
class ExifBuilder
{
public:
    enum Directory { Image, Exif, Gps, Thumbnail };

    explicit ExifBuilder(bool littleEndian);

    QByteArray u16(quint16 value) const;
    QByteArray u32(quint32 value) const;

    // An entry whose values (already in the file's byte order) go into the
    // value field when they fit, into the data area otherwise.
    void add(Directory directory, quint16 tag, quint16 type, quint32 count, const QByteArray &values);
    // An entry whose value field is written as given, for hostile offsets.
    void addRaw(Directory directory, quint16 tag, quint16 type, quint32 count, quint32 field);
    // The thumbnail's bytes in the data area, with 0x0201 and 0x0202 as
    // single LONG values in IFD1.
    void setThumbnail(const QByteArray &jpeg);
    // Overrides where IFD0 and IFD1 are said to start; 0 means no IFD1.
    void setIfd0Offset(quint32 offset) { m_ifd0Override = offset; }
    void setIfd1Offset(quint32 offset) { m_ifd1Override = offset; }

    // The TIFF header and everything after it.
    QByteArray tiff() const;

    // A JPEG of picture with an APP1 "Exif" segment holding tiff: after the
    // APP0 "JFIF" segment, or as the first segment.
    static QByteArray jpeg(const QByteArray &tiff, const QImage &picture, bool afterJfif = true);
    static QByteArray app1Segment(const QByteArray &tiff);
    static QByteArray encodeJpeg(const QImage &picture);
    // A width × height picture with a different colour in each quadrant,
    // in the order top-left, top-right, bottom-left, bottom-right.
    static QImage quadrants(int width, int height, const QVector<QColor> &colours);
    // Whether a decoded pixel is expected, give or take what lossy
    // compression changes.
    static bool similarColour(QRgb actual, const QColor &expected);

private:
    struct Entry
    {
        quint16 tag;
        quint16 type;
        quint32 count;
        QByteArray values;
        bool raw;
        quint32 field;
    };

    QByteArray directoryBytes(
        const QVector<Entry> &entries, quint32 next, QByteArray &data, quint32 dataStart) const;
    static quint32 directorySize(int entries);

    bool m_littleEndian;
    QVector<Entry> m_entries[4];
    QByteArray m_thumbnail;
    qint64 m_ifd0Override = -1;
    qint64 m_ifd1Override = -1;
};
