// SPDX-License-Identifier: GPL-2.0-or-later
#include "ItemTransfer.h"

#include "plugins/PasteRefusal.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Temporary names are random: that so many are taken is no accident, and the
// transfer gives up.
constexpr int nameAttempts = 64;

// A rename that never replaces what appeared at the target meanwhile.
int renameOnto(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName)
{
    if (renameat2(folder, name.constData(), targetFolder, targetName.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    // A file system that cannot promise it still renames.
    if (errno != EINVAL)
        return errno;
    struct stat status;
    if (SafeTree::statEntry(targetFolder, targetName, status) == 0)
        return EEXIST;
    return renameat(folder, name.constData(), targetFolder, targetName.constData()) == 0 ? 0 : errno;
}

int renameOver(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName)
{
    return renameat(folder, name.constData(), targetFolder, targetName.constData()) == 0 ? 0 : errno;
}

} // namespace

ItemTransfer::ItemTransfer(bool move, Hooks hooks)
    : m_move(move)
    , m_hooks(std::move(hooks))
{ }

int ItemTransfer::run(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const QString &shownName)
{
    return put(folder, name, targetFolder, targetName, shownName, true);
}

int ItemTransfer::put(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const QString &shownName, bool agreed)
{
    struct stat source;
    struct stat target;
    if (const int error = SafeTree::statEntry(folder, name, source))
        return error;
    if (SafeTree::statEntry(targetFolder, targetName, target) != 0)
        return place(folder, name, targetFolder, targetName);
    if (PasteRefusal::sameFile(source, target)) {
        // Another name of the same file (a hard link): a copy would change
        // nothing, and a move leaves that name alone.
        return m_move ? removeSource(folder, name) : 0;
    }
    if (S_ISDIR(source.st_mode) && S_ISDIR(target.st_mode))
        return merge(folder, name, targetFolder, targetName, shownName);
    if (!agreed && !m_hooks.replace(shownName))
        return 0;
    return replace(
        folder, name, targetFolder, targetName, S_ISDIR(source.st_mode) || S_ISDIR(target.st_mode));
}

int ItemTransfer::place(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName)
{
    if (m_move) {
        const int error = renameOnto(folder, name, targetFolder, targetName);
        if (error != EXDEV) {
            m_movedAny = m_movedAny || error == 0;
            return error;
        }
    }
    // A move's copy is to be the only one left.
    QByteArray part;
    if (const int error = copyBeside(folder, name, targetFolder, m_move, part))
        return error;
    if (const int error = renameOnto(targetFolder, part, targetFolder, targetName)) {
        SafeTree::remove(targetFolder, part);
        return error;
    }
    if (!m_move)
        return 0;
    // The source goes only once the copy's entry is on the disk too;
    // otherwise the move did not happen.
    if (const int error = SafeTree::flush(targetFolder)) {
        SafeTree::remove(targetFolder, targetName);
        return error;
    }
    return removeSource(folder, name);
}

int ItemTransfer::replace(
    int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName, bool folderInvolved)
{
    // A file moved over a file within a file system: one atomic rename.
    if (m_move && !folderInvolved) {
        const int error = renameOver(folder, name, targetFolder, targetName);
        if (error != EXDEV) {
            m_movedAny = m_movedAny || error == 0;
            return error;
        }
    }
    QByteArray part;
    bool renamed = false;
    if (m_move) {
        if (const int error = freeNameBeside(targetFolder, "part", part))
            return error;
        renamed = renameOnto(folder, name, targetFolder, part) == 0;
    }
    // The old item is replaced only by a copy that is on the disk.
    if (!renamed) {
        if (const int error = copyBeside(folder, name, targetFolder, true, part))
            return error;
    }
    const int error = folderInvolved ? swapIn(targetFolder, part, targetName)
                                     : renameOver(targetFolder, part, targetFolder, targetName);
    if (error) {
        if (renamed)
            renameOnto(targetFolder, part, folder, name);
        else
            SafeTree::remove(targetFolder, part);
        return error;
    }
    m_movedAny = m_movedAny || renamed;
    if (!m_move || renamed)
        return 0;
    // The copy stays where it is, the source until the copy's entry is on
    // the disk.
    if (const int error = SafeTree::flush(targetFolder))
        return error;
    return removeSource(folder, name);
}

int ItemTransfer::swapIn(int targetFolder, const QByteArray &part, const QByteArray &targetName)
{
    // A folder cannot be renamed over, nor be replaced by a file: the old
    // item steps aside until the new one is in place.
    QByteArray old;
    if (const int error = freeNameBeside(targetFolder, "old", old))
        return error;
    if (const int error = renameOnto(targetFolder, targetName, targetFolder, old))
        return error;
    int error = renameOnto(targetFolder, part, targetFolder, targetName);
    // Nor does the old item go before the new one's entry is on the disk.
    if (!error) {
        error = SafeTree::flush(targetFolder);
        if (error)
            renameOnto(targetFolder, targetName, targetFolder, part);
    }
    if (error) {
        renameOnto(targetFolder, old, targetFolder, targetName);
        return error;
    }
    SafeTree::remove(targetFolder, old);
    return 0;
}

int ItemTransfer::merge(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const QString &shownName)
{
    const SafeTree::Fd from = SafeTree::openFolder(folder, name);
    if (!from.isValid())
        return errno;
    const SafeTree::Fd to = SafeTree::openFolder(targetFolder, targetName);
    if (!to.isValid())
        return errno;
    QList<QByteArray> children;
    if (const int error = SafeTree::names(from.get(), children))
        return error;
    // Questions come in the order the user reads the folder.
    std::sort(children.begin(), children.end());
    for (const QByteArray &child : qAsConst(children)) {
        if (m_hooks.copy.cancelled())
            return ECANCELED;
        const QString shownChild = shownName + QLatin1Char('/') + QFile::decodeName(child);
        if (const int error = put(from.get(), child, to.get(), child, shownChild, false))
            return error;
    }
    // What the user chose to keep stays in the source, and so does its folder.
    if (m_move)
        unlinkat(folder, name.constData(), AT_REMOVEDIR);
    return 0;
}

int ItemTransfer::freeNameBeside(int folder, const char *purpose, QByteArray &name) const
{
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        if (m_hooks.copy.cancelled())
            return ECANCELED;
        const QByteArray candidate = ".opalo-"
            + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0') + '.'
            + purpose;
        struct stat status;
        const int error = SafeTree::statEntry(folder, candidate, status);
        if (error == ENOENT) {
            name = candidate;
            return 0;
        }
        if (error)
            return error;
    }
    return EEXIST;
}

int ItemTransfer::copyBeside(
    int folder, const QByteArray &name, int targetFolder, bool durable, QByteArray &part)
{
    if (const int error = freeNameBeside(targetFolder, "part", part))
        return error;
    const int error = SafeTree::copy(folder, name, targetFolder, part, m_hooks.copy, durable);
    if (error)
        SafeTree::remove(targetFolder, part);
    return error;
}

int ItemTransfer::removeSource(int folder, const QByteArray &name)
{
    const int error = SafeTree::remove(folder, name);
    m_movedAny = true;
    return error;
}
