// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "base/CopyDlg.h"
#include "engine/copy/CopyFailure.h"

#include <QDateTime>
#include <QMetaType>
#include <QStringList>

// A question or error a copy raises, with every fact the user needs to
// answer it: the copy waits until CopyJob::answer() brings the answer.
struct CopyQuestion
{
    // The two files of an overwrite question, as the worker found them.
    struct Overwrite
    {
        QString source;
        qint64 sourceSize = 0;
        QDateTime sourceDate;
        QString existing;
        qint64 existingSize = 0;
        QDateTime existingDate;
    };

    CopyDlg kind = AskOverwrite;
    BrowserMode target = HostMode;
    // The file asked about, or failed; empty for a failure of the whole copy.
    QString fileName;
    // With a failure: its cause, from the error the system gave.
    CopyOutcome cause = CopyOutcome::WriteError;
    // With AskOverwrite.
    Overwrite overwrite;
    // With AskBeforeCopy: the entries the destination cannot take, each
    // once with its reason, and whether names it accepts can be offered
    // (answered with AnswerApply).
    CopyFailures refused;
    bool offerSafeNames = false;
};

Q_DECLARE_METATYPE(CopyQuestion)
