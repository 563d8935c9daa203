// SPDX-License-Identifier: GPL-2.0-or-later
#include "GioTransfer.h"

#include <QFile>

namespace {

const auto noFollow = G_FILE_COPY_NOFOLLOW_SYMLINKS;
// A rename, never a copy: moves inside one folder, or a first attempt at a
// move that GIO refuses across file systems.
const auto renameOnly = GFileCopyFlags(G_FILE_COPY_NOFOLLOW_SYMLINKS | G_FILE_COPY_NO_FALLBACK_FOR_MOVE);

} // namespace

GFile *GioTransfer::fileAt(const QString &path)
{
    return g_file_new_for_path(QFile::encodeName(path).constData());
}

bool GioTransfer::exists(const QString &path)
{
    g_autoptr(GFile) file = fileAt(path);
    return typeOf(file) != G_FILE_TYPE_UNKNOWN;
}

GFileType GioTransfer::typeOf(GFile *file)
{
    return g_file_query_file_type(file, G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr);
}

GFile *GioTransfer::besideTarget(GFile *target, const char *purpose)
{
    g_autoptr(GFile) folder = g_file_get_parent(target);
    g_autofree char *name = g_file_get_basename(target);
    for (int n = 0;; ++n) {
        g_autofree char *candidateName = g_strdup_printf(".%s.%s-%d", name, purpose, n);
        GFile *candidate = g_file_get_child(folder, candidateName);
        if (typeOf(candidate) == G_FILE_TYPE_UNKNOWN)
            return candidate;
        g_object_unref(candidate);
    }
}

template<typename Visit> bool GioTransfer::forEachChild(GFile *folder, GError **error, Visit visit)
{
    g_autoptr(GFileEnumerator) children = g_file_enumerate_children(
        folder, G_FILE_ATTRIBUTE_STANDARD_NAME, G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr, error);
    if (!children)
        return false;
    for (;;) {
        GFileInfo *info = nullptr;
        GFile *child = nullptr;
        if (!g_file_enumerator_iterate(children, &info, &child, nullptr, error))
            return false;
        if (!info)
            return true;
        if (!visit(child, info))
            return false;
    }
}

bool GioTransfer::copyTree(GFile *source, GFile *target, GError **error)
{
    if (typeOf(source) != G_FILE_TYPE_DIRECTORY) {
        return g_file_copy(source, target, GFileCopyFlags(G_FILE_COPY_OVERWRITE | noFollow), nullptr, nullptr,
            nullptr, error);
    }
    if (!g_file_make_directory(target, nullptr, error))
        return false;
    const bool copied = forEachChild(source, error, [&](GFile *child, GFileInfo *info) {
        g_autoptr(GFile) childTarget = g_file_get_child(target, g_file_info_get_name(info));
        return copyTree(child, childTarget, error);
    });
    if (!copied)
        return false;
    // Permissions last, so that a read-only folder can be filled first;
    // a file system that keeps no modes is no reason to fail.
    g_file_copy_attributes(source, target, noFollow, nullptr, nullptr);
    return true;
}

bool GioTransfer::removeTree(GFile *file, GError **error)
{
    const bool emptied = typeOf(file) != G_FILE_TYPE_DIRECTORY
        || forEachChild(file, error, [&](GFile *child, GFileInfo *) { return removeTree(child, error); });
    return emptied && g_file_delete(file, nullptr, error);
}

bool GioTransfer::putInPlace(GFile *part, GFile *target, GError **error)
{
    const GFileType targetType = typeOf(target);
    if (targetType == G_FILE_TYPE_UNKNOWN)
        return g_file_move(part, target, renameOnly, nullptr, nullptr, nullptr, error);
    // Replacing a file by a file is one atomic rename.
    if (targetType != G_FILE_TYPE_DIRECTORY && typeOf(part) != G_FILE_TYPE_DIRECTORY) {
        return g_file_move(part, target, GFileCopyFlags(renameOnly | G_FILE_COPY_OVERWRITE), nullptr, nullptr,
            nullptr, error);
    }
    // A folder cannot be renamed over: the old one steps aside until the
    // new one is in place.
    g_autoptr(GFile) old = besideTarget(target, "old");
    if (!g_file_move(target, old, renameOnly, nullptr, nullptr, nullptr, error))
        return false;
    if (!g_file_move(part, target, renameOnly, nullptr, nullptr, nullptr, error)) {
        g_file_move(old, target, renameOnly, nullptr, nullptr, nullptr, nullptr);
        return false;
    }
    removeTree(old, nullptr);
    return true;
}

GError *GioTransfer::transfer(GFile *source, GFile *target, bool move)
{
    GError *error = nullptr;
    g_autoptr(GFile) part = besideTarget(target, "part");
    bool renamed = false;
    if (move) {
        renamed = g_file_move(source, part, renameOnly, nullptr, nullptr, nullptr, &error);
        // Across file systems the item is copied, and removed once complete.
        if (!renamed && !g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED))
            return error;
        g_clear_error(&error);
    }
    if (!renamed && !copyTree(source, part, &error)) {
        removeTree(part, nullptr);
        return error;
    }
    if (!putInPlace(part, target, &error)) {
        if (renamed)
            g_file_move(part, source, renameOnly, nullptr, nullptr, nullptr, nullptr);
        else
            removeTree(part, nullptr);
        return error;
    }
    if (move && !renamed)
        removeTree(source, &error);
    return error;
}
