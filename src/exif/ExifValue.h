// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QPair>
#include <QString>
#include <QVector>

class QExifValuePrivate;

using ExifURational = QPair<quint32, quint32>;
using ExifSRational = QPair<qint32, qint32>;

// One typed value of an EXIF directory entry. Values are never changed once
// read, so copies simply share the private part.
class ExifValue
{
public:
    enum Type : quint16 {
        Invalid = 0,
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4,
        Rational = 5,
        Undefined = 7,
        SignedLong = 9,
        SignedRational = 10
    };

    // The invalid value: type 0, count 0.
    ExifValue();
    explicit ExifValue(const QVector<quint8> &bytes);
    explicit ExifValue(const QString &text);
    explicit ExifValue(const QVector<quint16> &shorts);
    explicit ExifValue(const QVector<quint32> &longs);
    explicit ExifValue(const QVector<ExifURational> &rationals);
    explicit ExifValue(const QByteArray &undefined);
    explicit ExifValue(const QVector<qint32> &signedLongs);
    explicit ExifValue(const QVector<ExifSRational> &signedRationals);
    ExifValue(const ExifValue &other);
    ExifValue &operator=(const ExifValue &other);
    ~ExifValue();

    quint16 type() const;
    quint32 count() const;
    bool isNull() const { return type() == Invalid; }

    // The element of a single-element BYTE, SHORT, LONG or SLONG value; 0
    // for anything else.
    quint32 toUInt() const;

    // The data of each type; empty when the value has another type.
    QVector<quint8> toByteVector() const;
    QString toString() const;
    QVector<quint16> toShortVector() const;
    QVector<quint32> toLongVector() const;
    QVector<ExifURational> toRationalVector() const;
    QByteArray toByteArray() const;
    QVector<qint32> toSignedLongVector() const;
    QVector<ExifSRational> toSignedRationalVector() const;

    bool operator==(const ExifValue &other) const;
    bool operator!=(const ExifValue &other) const { return !(*this == other); }

private:
    template<typename Private> const Private *dataAs() const;

    QExplicitlySharedDataPointer<QExifValuePrivate> d;
};
