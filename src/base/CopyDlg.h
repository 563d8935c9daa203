// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMetaType>

// The question or error the copy worker raises for the user to answer.
// AskBeforeCopy comes once, before anything is written, about the entries
// the destination cannot take.
enum CopyDlg { AskOverwrite = 0, DriveSpaceError = 1, RightsError = 2, CopyError = 3, AskBeforeCopy = 4 };

// The user's answer to the copy worker. The values are those of the message
// box's buttons (QMessageBox::StandardButton), so that a box's result is the
// answer as it stands; the engine itself knows nothing of widgets.
enum CopyAnswer {
    AnswerPending = -311,
    AnswerOk = 0x00000400,
    // About an existing file: copy under a free name beside it (the box's
    // Save and Save all).
    AnswerKeepBoth = 0x00000800,
    AnswerKeepBothToAll = 0x00001000,
    AnswerYes = 0x00004000,
    AnswerYesToAll = 0x00008000,
    AnswerNo = 0x00010000,
    AnswerNoToAll = 0x00020000,
    // Also about an existing file: the whole copy stops, asking nothing more.
    AnswerCancel = 0x00400000,
    // Before a copy: copy under names the destination accepts.
    AnswerApply = 0x02000000,
};

Q_DECLARE_METATYPE(CopyDlg)
Q_DECLARE_METATYPE(CopyAnswer)
