// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopyProgress.h"

namespace {

// The rate estimate settles only after this many measurements.
const qint64 etaWarmUpSamples = 30;

} // namespace

void CopyProgress::restart()
{
    m_lastPercent = -1;
    m_lastEta = -1;
}

std::optional<double> CopyProgress::percentToShow(qint64 written, qint64 total)
{
    if (total <= 0)
        return std::nullopt;
    const double percent = double(written) / double(total) * 100.0;
    if (qint64(percent * 10) == qint64(m_lastPercent * 10))
        return std::nullopt;
    m_lastPercent = percent;
    return percent;
}

std::optional<int> CopyProgress::remainingToShow(
    qint64 written, qint64 total, qint64 etaSum, qint64 etaSamples)
{
    if (total <= 0 || etaSamples <= etaWarmUpSamples)
        return std::nullopt;
    const double remaining = double(total - written) / double(total);
    const int eta = int(remaining * double(etaSum / etaSamples));
    if (eta == m_lastEta)
        return std::nullopt;
    m_lastEta = eta;
    return eta;
}
