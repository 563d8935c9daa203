// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// Why a file or folder of a copy did not arrive, or (DateNotKept) what is
// not as it should be about one that did.
enum class CopyOutcome {
    // Found at the destination when the copy came to it, not asked about.
    ExistsKept,
    // At the destination, kept as the user answered.
    KeptAsAsked,
    NoSpace,
    NoRights,
    NameNotAllowed,
    TooLarge,
    ReadError,
    // A source folder that may not be listed, or whose listing failed:
    // nothing in it was copied.
    ListingRefused,
    ListingFailed,
    // The source ended before the size it had when the copy opened it.
    ChangedWhileCopied,
    // The entry, or a folder on its way, is a symbolic link, not followed.
    IsLink,
    WriteError,
    DateNotKept,
    // The destination's file system is mounted read-only.
    ReadOnly,
    // The file to copy may not be read by the user.
    NoRightsToRead,
    // The name, or the temporary name it is written under, is longer than
    // the destination's file system allows.
    NameTooLong,
    // The device went while the copy ran.
    DeviceGone,
    // Another file of the copy has the same name but for letter case, which
    // the destination does not tell apart.
    SameNameInOtherCase,
};

// One entry of a copy that did not arrive: where it came from, the folder it
// was to go to, and why. Failures that a new attempt may mend can be retried;
// what the user kept or the destination cannot hold cannot. A warning is
// about an entry that arrived.
struct CopyFailure
{
    QString source;
    QString destDir;
    CopyOutcome reason;

    bool isRetriable() const
    {
        return reason == CopyOutcome::NoSpace || reason == CopyOutcome::NoRights
            || reason == CopyOutcome::ReadError || reason == CopyOutcome::WriteError
            || reason == CopyOutcome::ReadOnly || reason == CopyOutcome::NoRightsToRead
            || reason == CopyOutcome::DeviceGone || reason == CopyOutcome::ListingRefused
            || reason == CopyOutcome::ListingFailed || reason == CopyOutcome::ChangedWhileCopied;
    }
    bool isWarning() const { return reason == CopyOutcome::DateNotKept; }
};

using CopyFailures = QList<CopyFailure>;

// How far a copy went: the files of its selection, those that arrived, those
// not copied because the destination already had them as they are, and
// whether it went through the whole selection (not cancelled, nor ended by a
// failed write or a device that went).
struct CopySummary
{
    int files = 0;
    int copied = 0;
    int alreadyThere = 0;
    bool complete = false;
};
