// SPDX-License-Identifier: GPL-2.0-or-later
#include "exif/ExifStream.h"

ExifStream::ExifStream(const QByteArray &data)
    : m_data(data)
{ }

void ExifStream::seek(qint64 position)
{
    m_position = qBound<qint64>(0, position, m_data.size());
}

quint32 ExifStream::readUnsigned(int width)
{
    if (remaining() < width) {
        m_position = m_data.size();
        return 0;
    }
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData() + m_position);
    m_position += width;
    quint32 value = 0;
    for (int i = 0; i < width; ++i) {
        const int shift = m_littleEndian ? 8 * i : 8 * (width - 1 - i);
        value |= quint32(bytes[i]) << shift;
    }
    return value;
}

quint8 ExifStream::readUInt8()
{
    return quint8(readUnsigned(1));
}

quint16 ExifStream::readUInt16()
{
    return quint16(readUnsigned(2));
}

quint32 ExifStream::readUInt32()
{
    return readUnsigned(4);
}

QByteArray ExifStream::readBytes(qint64 count)
{
    const qint64 length = qBound<qint64>(0, count, remaining());
    const QByteArray bytes = m_data.mid(int(m_position), int(length));
    m_position += length;
    return bytes;
}
