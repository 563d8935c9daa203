// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <gio/gio.h>

// The plug-in's file operations besides the clipboard, and the questions and
// error messages they show. Everything runs in the caller's GUI thread and
// blocks until done.
class FileOperations
{
    Q_DECLARE_TR_FUNCTIONS(FileOperations)

public:
    // Results, numbered as the GNOME file system library numbered them; the
    // message shown depends only on the class of the error.
    enum Result {
        Ok = 0,
        NotFound = 1,
        GenericError = 2,
        TooBig = 10,
        NoSpace = 11,
        ReadOnly = 12,
        AccessDenied = 16,
        FileExists = 22,
        NotPermitted = 24,
    };
    // Answers of ask(); 0 when the box was closed otherwise.
    enum Answer {
        Yes = 31,
        YesToAll = 32,
        No = 33,
        NoToAll = 34,
    };

    // The class of a failure reported as an errno value (0 for success).
    static Result resultOf(int error);
    // Shows the message for a failed transfer into path; nothing for Ok.
    static void report(int result, const QString &path);
    // A warning box; mode 1 offers Yes and No, any other mode also "Yes to
    // all" and "No to all".
    static int ask(const QString &text, int mode);
    // A critical box without title.
    static void showError(const QString &text);

    // Creates "Folder", or "Folder 1" to "Folder 99" when taken, in folder.
    static void createFolder(const QString &folder);
    // A symbolic link named "Link To " and the item's name beside the item.
    static void makeLink(const QString &path);
    // Moves the files to the desktop trash once the user agrees.
    static void moveToTrash(const QVector<QString> &files);

private:
    static QString volumeName(const QString &path);
};
