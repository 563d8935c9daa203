// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/DataSize.h"

#include <QLocale>

#include <cmath>

namespace {

const double unitStep = 1000.0;

const char *const unitKeys[] = {
    QT_TRANSLATE_NOOP("DataSize", "IDS_SIZE_KB"),
    QT_TRANSLATE_NOOP("DataSize", "IDS_SIZE_MB"),
    QT_TRANSLATE_NOOP("DataSize", "IDS_SIZE_GB"),
    QT_TRANSLATE_NOOP("DataSize", "IDS_SIZE_TB"),
};
const int unitCount = int(sizeof(unitKeys) / sizeof(unitKeys[0]));

// value as it reads once rounded to decimals.
double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QString withUnit(int unit, double value, int decimals)
{
    return DataSize::tr(unitKeys[unit]).arg(QLocale().toString(value, 'f', decimals));
}

} // namespace

QString DataSize::text(quint64 bytes)
{
    if (bytes < unitStep)
        return tr("IDS_SIZE_BYTES").arg(QLocale().toString(bytes));
    // Three significant digits: "3.15 MB", "48.2 MB", "120 MB".
    const auto decimalsFor = [](double value) {
        return rounded(value, 2) < 10.0 ? 2 : rounded(value, 1) < 100.0 ? 1 : 0;
    };
    double value = static_cast<double>(bytes) / unitStep;
    int unit = 0;
    // 999,960 bytes read "1.00 MB", not "1000 kB".
    while (unit + 1 < unitCount && rounded(value, decimalsFor(value)) >= unitStep) {
        value /= unitStep;
        ++unit;
    }
    return withUnit(unit, value, decimalsFor(value));
}

QString DataSize::storage(quint64 bytes)
{
    // A category of a few small files would read "0.0 MB", as if empty.
    if (bytes > 0 && bytes < unitStep * unitStep)
        return text(bytes);
    // Nothing at all reads "0 MB".
    const auto decimalsFor = [](double value) { return value > 0 && rounded(value, 1) < 10.0 ? 1 : 0; };
    double value = static_cast<double>(bytes) / (unitStep * unitStep);
    int unit = 1;
    while (unit + 1 < unitCount && rounded(value, decimalsFor(value)) >= unitStep) {
        value /= unitStep;
        ++unit;
    }
    return withUnit(unit, value, decimalsFor(value));
}
