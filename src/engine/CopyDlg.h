// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMetaType>

// The question or error the copy worker raises for the user to answer.
enum CopyDlg { AskOverwrite = 0, DriveSpaceError = 1, RightsError = 2, CopyError = 3 };

Q_DECLARE_METATYPE(CopyDlg)
