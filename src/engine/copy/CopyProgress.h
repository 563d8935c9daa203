// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QtGlobal>

#include <optional>

// What the progress dialog is told during a copy: the percentage done, at
// each change of a tenth of a percent; the transfer rate over the last few
// seconds; and the time left at that rate, once it can be told and only
// when its whole seconds change. Remembers what it last told, until
// restart() for the next copy's dialog.
class CopyProgress
{
public:
    // A new dialog, which shows nothing yet.
    void restart();

    // The percentage to show once written of total bytes are done, or none
    // when it lies in the tenth of a percent last shown.
    std::optional<double> percentToShow(qint64 written, qint64 total);
    // Notes that written bytes were done at nowMs (any steady clock) and
    // returns the bytes per second over the last few seconds; 0 until a
    // long enough span has been seen.
    qint64 rate(qint64 written, qint64 nowMs);
    // The seconds left to show for the rest of total at rate, or none while
    // the rate is unknown or the last one shown still holds.
    std::optional<int> remainingToShow(qint64 written, qint64 total, qint64 rate);

private:
    double m_lastPercent = -1;
    int m_lastEta = -1;
    // Milliseconds and bytes written then, the oldest first.
    QList<QPair<qint64, qint64>> m_samples;
};
