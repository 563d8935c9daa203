// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SafeTree.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class TransferProgress;

// Pastes the files of the desktop clipboard into a folder: a copy, or a move
// when they were cut. A file pasted into its own folder gets a free
// "name(copy_n).ext"; an existing target is replaced only when the user
// agrees, and an existing folder then receives the pasted folder's contents.
// A folder is never pasted into itself, nor over a folder that holds it,
// however the paths are spelled. Each item's failure is shown and the paste
// goes on with the next item. The clipboard keeps a cut until something was
// moved.
class PasteOperation
{
    Q_DECLARE_TR_FUNCTIONS(PasteOperation)

public:
    explicit PasteOperation(const QString &destination);

    void run();

private:
    void pasteAll(const QVector<QByteArray> &sources);
    void pasteItem(const QByteArray &source, bool last);
    // Where the item goes: under its own name, under a free copy name beside
    // itself, or nowhere (false) when the user keeps what is there.
    bool chooseTarget(
        int folder, const QByteArray &name, const struct stat &item, bool last, QByteArray &targetName);
    void transferItem(int folder, const QByteArray &name, const QByteArray &targetName);
    // Whether an existing target is to be replaced, asking while the user
    // has not answered for all.
    bool replaceExisting(const QString &name, bool last);
    void showError(const QString &text);
    // The message for an errno value, if any.
    void report(int error);
    // The first "(copy_n)" name from 1 to 99 that is free; empty when none.
    QByteArray freeCopyName(const QByteArray &name, bool folder) const;

    QString m_destinationPath;
    SafeTree::Fd m_destination;
    TransferProgress *m_progress = nullptr;
    bool m_move = false;
    bool m_asking = true;
    bool m_replaceAll = false;
    bool m_movedAny = false;
    bool m_moveFailed = false;
};
