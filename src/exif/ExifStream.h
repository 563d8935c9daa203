// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

// Reads integers in either byte order from an in-memory EXIF segment. Every
// read is bounded by the segment: past its end a read yields zeros (or
// fewer bytes) and the position stays at the end.
class ExifStream
{
public:
    explicit ExifStream(const QByteArray &data);

    void setLittleEndian(bool littleEndian) { m_littleEndian = littleEndian; }

    qint64 size() const { return m_data.size(); }
    qint64 position() const { return m_position; }
    qint64 remaining() const { return m_data.size() - m_position; }
    // Positions beyond the end are clamped to the end.
    void seek(qint64 position);

    quint8 readUInt8();
    quint16 readUInt16();
    quint32 readUInt32();
    // At most count bytes, fewer at the end of the data.
    QByteArray readBytes(qint64 count);

private:
    quint32 readUnsigned(int width);

    const QByteArray m_data;
    qint64 m_position = 0;
    bool m_littleEndian = true;
};
