// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// What the progress dialog is told during a copy: the percentage done, at
// each change of a tenth of a percent, and the remaining time, once the rate
// estimate has settled and only when its whole seconds change. Remembers
// what it last told, until restart() for the next copy's dialog.
class CopyProgress
{
public:
    // A new dialog, which shows nothing yet.
    void restart();

    // The percentage to show once written of total bytes are done, or none
    // when it lies in the tenth of a percent last shown.
    std::optional<double> percentToShow(qint64 written, qint64 total);
    // The seconds left to show, from the sum and the number of the copy's
    // durations estimated at each measured rate; none before the estimate
    // settles or when the last one shown still holds.
    std::optional<int> remainingToShow(qint64 written, qint64 total, qint64 etaSum, qint64 etaSamples);

private:
    double m_lastPercent = -1;
    int m_lastEta = -1;
};
