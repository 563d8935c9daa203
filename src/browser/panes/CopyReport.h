// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/CopyFailure.h"
#include "widgets/MessageBox.h"

// The box at the end of a copy that lists what did not arrive and why, with
// Retry for what a new attempt may copy, and Close.
class CopyReport : public MessageBox
{
    Q_OBJECT

public:
    explicit CopyReport(const CopyFailures &failures, QWidget *parent = nullptr);

    // The first lines, and how many more there are: what a box has room for.
    static QString shortList(const QStringList &lines);
    static QString reasonText(CopyOutcome reason);
};
