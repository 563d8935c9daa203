// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "exif/ExifValue.h"

#include <QSharedData>

// The shared part of an ExifValue: its type code and count. One derived
// class per supported type holds the data itself.
class QExifValuePrivate : public QSharedData
{
public:
    QExifValuePrivate(quint16 type, quint32 count)
        : type(type)
        , count(count)
    { }
    virtual ~QExifValuePrivate() = default;

    const quint16 type;
    const quint32 count;
};

// The data of one type; `Code` is the EXIF type code it stands for.
template<typename Data, quint16 Code> class QExifTypedValuePrivate : public QExifValuePrivate
{
public:
    static constexpr quint16 typeCode = Code;

    QExifTypedValuePrivate(const Data &data, quint32 count)
        : QExifValuePrivate(Code, count)
        , data(data)
    { }

    const Data data;
};

using QExifByteValuePrivate = QExifTypedValuePrivate<QVector<quint8>, ExifValue::Byte>;
using QExifAsciiValuePrivate = QExifTypedValuePrivate<QString, ExifValue::Ascii>;
using QExifShortValuePrivate = QExifTypedValuePrivate<QVector<quint16>, ExifValue::Short>;
using QExifLongValuePrivate = QExifTypedValuePrivate<QVector<quint32>, ExifValue::Long>;
using QExifRationalValuePrivate = QExifTypedValuePrivate<QVector<ExifURational>, ExifValue::Rational>;
using QExifUndefinedValuePrivate = QExifTypedValuePrivate<QByteArray, ExifValue::Undefined>;
using QExifSignedLongValuePrivate = QExifTypedValuePrivate<QVector<qint32>, ExifValue::SignedLong>;
using QExifSignedRationalValuePrivate
    = QExifTypedValuePrivate<QVector<ExifSRational>, ExifValue::SignedRational>;
