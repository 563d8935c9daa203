// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SafeTree.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Puts one item of a paste (a file, a link or a whole folder) in its place,
// copied or moved, through descriptors only (SafeTree).
//
// Nothing at the target is lost when a transfer fails: an item is written
// beside its target under a short hidden temporary name and takes the
// target's place only once it is complete and on the disk (an item of
// another kind is set aside until then). A move removes its source only
// once its copy and the copy's entry in its folder are on the disk, so a
// move across file systems that fails half-way, or whose flush fails, leaves
// the source whole. A folder put where a folder is merges into it: what only
// the target holds stays, and each entry both hold is asked about.
class ItemTransfer
{
public:
    struct Hooks
    {
        // Whether the entry both folders of a merge hold (shown as its path
        // below the paste's folder) is to be replaced.
        std::function<bool(const QString &shownName)> replace;
        SafeTree::CopyObserver copy;
    };

    ItemTransfer(bool move, Hooks hooks);

    // Puts the entry name of folder at targetName in targetFolder, replacing
    // or merging into what is there: the user has agreed to that for the item
    // itself. Returns 0 or an errno value.
    int run(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
        const QString &shownName);
    // Whether at least one entry left its source.
    bool movedAny() const { return m_movedAny; }

private:
    int put(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
        const QString &shownName, bool agreed);
    int place(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName);
    int replace(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
        bool folderInvolved);
    // Puts part in targetName's place, where a folder is or goes.
    int swapIn(int targetFolder, const QByteArray &part, const QByteArray &targetName);
    int merge(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
        const QString &shownName);
    // A hidden name nothing in folder has, of a fixed length whatever the
    // item's: ".opalo-XXXXXXXX.purpose". Fails with the first error other
    // than the name being taken, with ECANCELED when the paste is cancelled,
    // and with EEXIST after a bounded number of names taken.
    int freeNameBeside(int folder, const char *purpose, QByteArray &name) const;
    // The copy of the item in targetFolder, under a free hidden name; nothing
    // of it stays when it fails.
    int copyBeside(int folder, const QByteArray &name, int targetFolder, bool durable, QByteArray &part);
    int removeSource(int folder, const QByteArray &name);

    const bool m_move;
    const Hooks m_hooks;
    bool m_movedAny = false;
};
