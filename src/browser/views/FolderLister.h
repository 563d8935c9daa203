// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/views/FolderEntry.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <atomic>

// Reads a folder for the file list, on a thread of its own: every file and
// sub-folder that is not hidden, with the size, time and type the list
// arranges them by, sorted as asked. Symbolic links and special files
// (FIFOs, sockets, devices) are left out without being opened or followed:
// only the folder itself is opened, and each entry is looked at with statx
// relative to it.
class FolderLister : public QObject
{
    Q_OBJECT

public:
    explicit FolderLister(QObject *parent = nullptr);

    // Lists folder in the order of column and order (see FolderOrder); the
    // listing's shown entries are the folders and the files matching
    // patterns. Answered by listed(), unless a later request came
    // meanwhile.
    void list(quint64 generation, const QString &folder, const QStringList &patterns, int column,
        Qt::SortOrder order, bool fresh);
    // Any thread: requests before generation need no answer any more.
    void abandonBefore(quint64 generation) { m_wanted = generation; }

    // Fills in the kind, size and time of name in the folder open on
    // folder (AT_FDCWD: name is a path), never following a link; false
    // for anything but a plain file or folder, or when it is gone.
    static bool look(int folder, const char *name, FolderEntry *entry);

signals:
    void listed(const FolderListing &listing);

private:
    bool abandoned(quint64 generation) const { return generation < m_wanted; }
    // False when the listing was abandoned; an unreadable folder lists as
    // empty.
    bool read(const QString &folder, quint64 generation, const FolderOrder &order, FolderEntries *entries);
    // Looks at the entries named in names at starts, in the folder open on
    // folder; those that are no plain file or folder are left out.
    static FolderEntries lookAll(int folder, const QByteArray &names, const QVector<int> &starts);
    // Sorts entries, a large folder's halves on two threads.
    static void sortShared(FolderEntries *entries, const FolderOrder &order);
    QString typeOf(const QString &folder, const FolderEntry &entry);

    std::atomic<quint64> m_wanted { 0 };
    // Type names by suffix, shared by the entries of a type.
    QHash<QString, QString> m_types;
};
