// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Files on the desktop clipboard in the form GNOME's file managers exchange
// them: "x-special/gnome-copied-files" holding "copy" or "cut" and one
// percent-encoded file:// URI per line, with the same URIs as a
// "text/uri-list" for every other program.
class GnomeClipboard
{
public:
    static const char *const mimeType;

    struct Content
    {
        bool cut = false;
        // Local paths, decoded; lines that name no local file are left out.
        QVector<QString> paths;
    };

    static void put(const QVector<QString> &paths, bool cut);
    // What a paste would take: nothing when the clipboard holds no files in
    // the desktop's form.
    static Content take();
    static void clear();

    // The clipboard text for paths, without a final line end.
    static QByteArray encode(const QVector<QString> &paths, bool cut);
    static Content decode(const QByteArray &text);
};
