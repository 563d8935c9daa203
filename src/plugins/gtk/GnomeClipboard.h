// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Files on the desktop clipboard in the form GNOME's file managers exchange
// them: "x-special/gnome-copied-files" holding "copy" or "cut" and one
// percent-encoded file:// URI per line, with the same URIs as a
// "text/uri-list" for every other program.
//
// Paths read are kept as the bytes the file system knows, so that a name in
// no encoding at all (Latin-1 on a UTF-8 system) still names its file.
class GnomeClipboard
{
public:
    static const char *const mimeType;

    struct Content
    {
        bool cut = false;
        // Local paths; lines that name no local file are left out.
        QVector<QByteArray> paths;
    };

    static void put(const QVector<QString> &paths, bool cut);
    // What a paste would take: the desktop's form, else a plain URI list to
    // copy; nothing when the clipboard holds no files.
    static Content take();
    static bool holdsFiles() { return !take().paths.isEmpty(); }
    static void clear();

    // The clipboard text for paths, without a final line end.
    static QByteArray encode(const QVector<QString> &paths, bool cut);
    static Content decode(const QByteArray &text);
    // The path a line names: a percent-encoded URI as the file managers
    // write it, or "file://" and the path as it is, as older programs wrote
    // it; empty when the line names no local file.
    static QByteArray pathOfLine(QByteArray line);
};
