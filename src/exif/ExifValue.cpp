// SPDX-License-Identifier: GPL-2.0-or-later
#include "exif/ExifValue.h"
#include "exif/ExifValue_p.h"

namespace {

QExifValuePrivate *sharedInvalidValue()
{
    // Created once for the whole process and never released, so that every
    // invalid value in every thread shares it.
    static QExifValuePrivate *const invalid = [] {
        auto *value = new QExifValuePrivate(ExifValue::Invalid, 0);
        value->ref.ref();
        return value;
    }();
    return invalid;
}

} // namespace

ExifValue::ExifValue()
    : d(sharedInvalidValue())
{ }

ExifValue::ExifValue(const QVector<quint8> &bytes)
    : d(new QExifByteValuePrivate(bytes, quint32(bytes.size())))
{ }

// ASCII counts include the terminating NUL that the file stores.
ExifValue::ExifValue(const QString &text)
    : d(new QExifAsciiValuePrivate(text, quint32(text.size()) + 1))
{ }

ExifValue::ExifValue(const QVector<quint16> &shorts)
    : d(new QExifShortValuePrivate(shorts, quint32(shorts.size())))
{ }

ExifValue::ExifValue(const QVector<quint32> &longs)
    : d(new QExifLongValuePrivate(longs, quint32(longs.size())))
{ }

ExifValue::ExifValue(const QVector<ExifURational> &rationals)
    : d(new QExifRationalValuePrivate(rationals, quint32(rationals.size())))
{ }

ExifValue::ExifValue(const QByteArray &undefined)
    : d(new QExifUndefinedValuePrivate(undefined, quint32(undefined.size())))
{ }

ExifValue::ExifValue(const QVector<qint32> &signedLongs)
    : d(new QExifSignedLongValuePrivate(signedLongs, quint32(signedLongs.size())))
{ }

ExifValue::ExifValue(const QVector<ExifSRational> &signedRationals)
    : d(new QExifSignedRationalValuePrivate(signedRationals, quint32(signedRationals.size())))
{ }

ExifValue::ExifValue(const ExifValue &other) = default;
ExifValue &ExifValue::operator=(const ExifValue &other) = default;
ExifValue::~ExifValue() = default;

quint16 ExifValue::type() const
{
    return d->type;
}

quint32 ExifValue::count() const
{
    return d->count;
}

template<typename Private> const Private *ExifValue::dataAs() const
{
    return d->type == Private::typeCode ? static_cast<const Private *>(d.data()) : nullptr;
}

quint32 ExifValue::toUInt() const
{
    if (d->count != 1)
        return 0;
    switch (d->type) {
    case Byte:
        return dataAs<QExifByteValuePrivate>()->data.value(0);
    case Short:
        return dataAs<QExifShortValuePrivate>()->data.value(0);
    case Long:
        return dataAs<QExifLongValuePrivate>()->data.value(0);
    case SignedLong:
        return quint32(dataAs<QExifSignedLongValuePrivate>()->data.value(0));
    default:
        return 0;
    }
}

QVector<quint8> ExifValue::toByteVector() const
{
    const auto *value = dataAs<QExifByteValuePrivate>();
    return value ? value->data : QVector<quint8>();
}

QString ExifValue::toString() const
{
    const auto *value = dataAs<QExifAsciiValuePrivate>();
    return value ? value->data : QString();
}

QVector<quint16> ExifValue::toShortVector() const
{
    const auto *value = dataAs<QExifShortValuePrivate>();
    return value ? value->data : QVector<quint16>();
}

QVector<quint32> ExifValue::toLongVector() const
{
    const auto *value = dataAs<QExifLongValuePrivate>();
    return value ? value->data : QVector<quint32>();
}

QVector<ExifURational> ExifValue::toRationalVector() const
{
    const auto *value = dataAs<QExifRationalValuePrivate>();
    return value ? value->data : QVector<ExifURational>();
}

QByteArray ExifValue::toByteArray() const
{
    const auto *value = dataAs<QExifUndefinedValuePrivate>();
    return value ? value->data : QByteArray();
}

QVector<qint32> ExifValue::toSignedLongVector() const
{
    const auto *value = dataAs<QExifSignedLongValuePrivate>();
    return value ? value->data : QVector<qint32>();
}

QVector<ExifSRational> ExifValue::toSignedRationalVector() const
{
    const auto *value = dataAs<QExifSignedRationalValuePrivate>();
    return value ? value->data : QVector<ExifSRational>();
}

bool ExifValue::operator==(const ExifValue &other) const
{
    if (type() != other.type() || count() != other.count())
        return false;
    switch (type()) {
    case Byte:
        return toByteVector() == other.toByteVector();
    case Ascii:
        return toString() == other.toString();
    case Short:
        return toShortVector() == other.toShortVector();
    case Long:
        return toLongVector() == other.toLongVector();
    case Rational:
        return toRationalVector() == other.toRationalVector();
    case Undefined:
        return toByteArray() == other.toByteArray();
    case SignedLong:
        return toSignedLongVector() == other.toSignedLongVector();
    case SignedRational:
        return toSignedRationalVector() == other.toSignedRationalVector();
    default:
        return true;
    }
}
