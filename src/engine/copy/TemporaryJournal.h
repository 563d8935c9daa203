// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/Descriptor.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

// The names a copy gives the files and folders it has in progress, and a
// record of them: a small file, written to the disk before any of the names
// it lists is used. On the device it lies at the root; for copies to the PC
// in the user's state folder ($XDG_STATE_HOME/opalosync, by default
// ~/.local/state/opalosync). What a pulled device, a power cut or a killed
// program leaves behind is found through it and removed, at the next
// connection, start or copy; nothing else it lists is ever removed, even if
// it looks like a temporary.
//
// The record stays small: past a few MiB it is rewritten with the names
// still in use, and a record it cannot read is replaced. Where it cannot be
// written (a read-only device root, its name taken by a folder, another
// program copying) the copy goes on under names of a second, fixed form,
// which are found by that form in the folders copied to at the next copy
// there.
//
// One journal is open at a time in a program, by the running copy; a sweep
// waits for none and is skipped while a copy runs, here or in another
// program.
class TemporaryJournal
{
public:
    // The journal's name in its folder.
    static const char fileName[];
    // Recorded temporary names start with this; hidden names are never
    // listed.
    static const char temporaryPrefix[];
    // Whether name is a temporary's, recorded or not.
    static bool isTemporaryName(const char *name);
    // The folder of the journal of copies to the PC.
    static QString hostFolder();

    // Removes what the journal of the device mounted at root lists, unless
    // a copy is running.
    static void sweep(const QString &root);
    // Removes what the journal of copies to the PC lists, unless a copy is
    // running.
    static void sweepHost();

    TemporaryJournal() = default;
    ~TemporaryJournal();
    TemporaryJournal(const TemporaryJournal &) = delete;
    TemporaryJournal &operator=(const TemporaryJournal &) = delete;

    // Starts the record of a copy onto the device mounted at root, or to
    // the PC with an empty root, after removing what an earlier one left.
    void open(const QString &root);
    // A temporary name for a new entry in the folder at path, open on
    // folder; recorded on the disk before it is handed out where the
    // journal can be written.
    QByteArray reserve(const QString &path, int folder);
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

    void openAt(const QString &journalFolder, const QString &root);
    // Records new names; those reserved before may be given up.
    bool record(const QByteArray &records);
    bool openFile();

    // The folder holding the journal, locked against other programs while
    // this one records; the folder the records' paths start from.
    Descriptor m_folder;
    Descriptor m_base;
    QString m_basePath;
    Descriptor m_file;
    qint64 m_fileSize = 0;
    bool m_locked = false;
    // Whether another program may be using this journal's names now.
    bool m_shared = false;
    // Whether names go unrecorded, the journal having failed.
    bool m_unrecorded = false;
    // Names recorded but not handed out yet, by folder, with the path of
    // each folder in the records.
    QHash<QString, QList<QByteArray>> m_reserved;
    QHash<QString, QByteArray> m_recordPaths;
    // Folders already cleared of unrecorded temporaries in this copy.
    QSet<QString> m_cleared;
    QList<Leftover> m_leftovers;
};
