// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// Why a file or folder of a copy did not arrive.
enum class CopyOutcome { ExistsKept, NoSpace, NoRights, NameNotAllowed, TooLarge, ReadError };

// One entry of a copy that did not arrive: where it came from, the folder it
// was to go to, and why. Failures that a new attempt may mend can be retried;
// what the user kept or the destination cannot hold cannot.
struct CopyFailure
{
    QString source;
    QString destDir;
    CopyOutcome reason;

    bool isRetriable() const
    {
        return reason == CopyOutcome::NoSpace || reason == CopyOutcome::NoRights
            || reason == CopyOutcome::ReadError;
    }
};

using CopyFailures = QList<CopyFailure>;
