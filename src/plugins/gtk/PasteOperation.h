// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <gio/gio.h>

// Pastes the files of the desktop clipboard into a folder: a copy, or a move
// when they were cut. A file pasted into its own folder gets a free
// "name(copy_n).ext"; an existing target is replaced only when the user
// agrees; a folder is never pasted into itself. Each item's failure is shown
// and the paste goes on with the next item.
class PasteOperation
{
    Q_DECLARE_TR_FUNCTIONS(PasteOperation)

public:
    explicit PasteOperation(const QString &destination);

    void run();

private:
    void pasteItem(const QString &source, bool last);
    // Whether an existing target is to be replaced, asking while the user
    // has not answered for all.
    bool replaceExisting(const QString &name, bool last);
    // The first "(copy_n)" name from 1 to 99 that is free; empty when none.
    static QString freeCopyName(const QString &target, bool folder);
    bool isInside(const QString &folder) const;

    QString m_destination;
    bool m_move = false;
    bool m_asking = true;
    bool m_replaceAll = false;
    bool m_moveFailed = false;
};
