// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopyProgress.h"

namespace {

// The rate is measured over this span, once at least the shorter one has
// been seen.
const qint64 rateWindowMs = 5000;
const qint64 rateLeastMs = 500;

} // namespace

void CopyProgress::restart()
{
    m_lastPercent = -1;
    m_lastEta = -1;
    m_samples.clear();
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

qint64 CopyProgress::rate(qint64 written, qint64 nowMs)
{
    m_samples.append({ nowMs, written });
    while (m_samples.size() > 2 && nowMs - m_samples.at(1).first >= rateWindowMs)
        m_samples.removeFirst();
    const qint64 spanMs = nowMs - m_samples.first().first;
    if (spanMs < rateLeastMs)
        return 0;
    return (written - m_samples.first().second) * 1000 / spanMs;
}

std::optional<int> CopyProgress::remainingToShow(qint64 written, qint64 total, qint64 rate)
{
    if (total <= 0 || rate <= 0)
        return std::nullopt;
    const int eta = int(qMax<qint64>(0, total - written) / rate);
    if (eta == m_lastEta)
        return std::nullopt;
    m_lastEta = eta;
    return eta;
}
