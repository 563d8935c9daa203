// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "engine/copy/AsyncCopy.h"
#include "widgets/MessageBox.h"

// The question about the file fileName the destination already has, with
// both files' size and date when files is about it, and the picture as its
// icon when the PC holds it: a file on the device is never decoded here.
// Escape answers No.
class OverwriteQuestion : public MessageBox
{
    Q_OBJECT

public:
    OverwriteQuestion(const QString &fileName, const AsyncCopy::Overwrite &files, BrowserMode target,
        QWidget *parent = nullptr);

    // A small picture of the PC's picture file at path; none for a file of
    // another kind or one that cannot be read.
    static QPixmap thumbnail(const QString &path);
};
