// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/CopyFailure.h"
#include "widgets/MessageBox.h"

// The box at the end of a copy: how many files arrived, how many the user
// chose to keep as they were, how many were already there, and what did not
// arrive and why, with Retry for what a new attempt may copy, and Close. A
// warning icon only when something failed or the copy was cut short by
// anything but the user.
class CopyReport : public MessageBox
{
    Q_OBJECT

public:
    // How the copy ended, besides what its summary tells.
    enum class Ending { Ran, Cancelled, DeviceGone };

    CopyReport(
        const CopyFailures &failures, const CopySummary &summary, Ending ending, QWidget *parent = nullptr);

    // Whether a copy that ended so has anything to report: a copy that went
    // through with every file copied has not.
    static bool isDue(const CopyFailures &failures, const CopySummary &summary);
    // Shows the first lines in box, and how many more there are (what a box
    // has room for), with all of them in its details when they are more.
    static void showLines(MessageBox *box, const QStringList &lines);
    static QString reasonText(CopyOutcome reason);
    // "name: reason".
    static QString lineOf(const CopyFailure &failure);
};
