// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/Descriptor.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

// The names a copy gives the files and folders it has in progress, and a
// record of them on the device: a small file at the device's root, written
// to the disk before any of the names it lists is used. What a pulled
// device or a power cut leaves behind is found through it and removed, at
// the next connection or the next copy; nothing else is ever removed, even
// if it looks like a temporary.
//
// One journal is open at a time, by the running copy; a sweep waits for
// none and is skipped while a copy runs.
class TemporaryJournal
{
public:
    // The journal's name at the device's root.
    static const char fileName[];
    // Temporary names start with this; hidden names are never listed.
    static const char temporaryPrefix[];
    static bool isTemporaryName(const char *name);

    // Removes what the journal at root lists and then the journal, unless
    // a copy is running.
    static void sweep(const QString &root);

    TemporaryJournal() = default;
    ~TemporaryJournal();
    TemporaryJournal(const TemporaryJournal &) = delete;
    TemporaryJournal &operator=(const TemporaryJournal &) = delete;

    // Starts the record of a copy onto the device mounted at root, after
    // removing what an earlier one left there. With an empty root (a copy
    // to the PC) the names are only remembered.
    void open(const QString &root);
    // A temporary name for a new entry in folder, the path of a folder
    // below root; recorded on the disk before it is handed out. Empty, with
    // errno set, when the journal cannot be written.
    QByteArray reserve(const QString &folder);
    // Makes sure the temporary name in folder goes: removes it now, or
    // tries again at close().
    void discard(const std::shared_ptr<Descriptor> &folder, const QByteArray &name);
    // Ends the record: removes the temporaries still there and, once none
    // is left, the journal.
    void close();

private:
    struct Leftover
    {
        std::shared_ptr<Descriptor> folder;
        QByteArray name;
    };

    bool isActive() const { return m_root.isValid(); }
    bool record(const QByteArray &records);

    Descriptor m_root;
    QString m_rootPath;
    Descriptor m_file;
    bool m_locked = false;
    // Names recorded but not handed out yet, by folder.
    QHash<QString, QList<QByteArray>> m_reserved;
    QList<Leftover> m_leftovers;
};
