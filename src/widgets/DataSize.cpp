// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/DataSize.h"

#include <QLocale>

namespace {

// A size is never wrapped between its number and its unit.
QString unbroken(QString text)
{
    return text.replace(QLatin1Char(' '), QChar::Nbsp);
}

} // namespace

QString DataSize::text(qint64 bytes)
{
    static const char *const units[] = {
        QT_TR_NOOP("IDS_SIZE_BYTES"),
        QT_TR_NOOP("IDS_SIZE_KB"),
        QT_TR_NOOP("IDS_SIZE_MB"),
        QT_TR_NOOP("IDS_SIZE_GB"),
        QT_TR_NOOP("IDS_SIZE_TB"),
    };
    const int largest = int(sizeof(units) / sizeof(units[0])) - 1;
    if (bytes < 1000)
        return unbroken(tr(units[0]).arg(QLocale().toString(qMax<qint64>(bytes, 0))));
    double value = double(bytes);
    int unit = 0;
    // 999.96 kB reads "1.00 MB", not "1000 kB".
    while (unit < largest && value >= 999.5) {
        value /= 1000.0;
        ++unit;
    }
    const int decimals = value < 9.995 ? 2 : value < 99.95 ? 1 : 0;
    return unbroken(tr(units[unit]).arg(QLocale().toString(value, 'f', decimals)));
}
