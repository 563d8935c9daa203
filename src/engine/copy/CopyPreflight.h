// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/CopyFailure.h"

#include <QFileInfoList>
#include <QHash>
#include <QSet>

#include <functional>

// What the copy needs to know of its destination's file system.
struct VolumeFacts
{
    enum Kind { Other, Fat, ExFat };

    Kind kind = Other;
    // Bytes the user may still write; negative when unknown.
    qint64 freeBytes = -1;
    // Every file takes a whole number of these.
    qint64 blockSize = 1;
};

// Finds, before anything is written, what of a selection cannot arrive: files
// the destination has no room for, and on FAT files it cannot hold (4 GiB and
// more) and names it refuses. Fed one folder listing at a time, in the order
// the copy goes; each file that fits takes its room from what is left, so the
// files found are exactly those the copy would not fit.
class CopyPreflight
{
public:
    using Probe = std::function<VolumeFacts(const QString &folder)>;

    // The facts of the file system that holds folder.
    static VolumeFacts probe(const QString &folder);
    // Tests stand in for file systems this machine cannot mount; an empty
    // function restores the real probe.
    static void setProbe(Probe probe);

    static bool isNameAllowedOnFat(const QString &name);
    // name with each character FAT refuses made "_" and a trailing dot or
    // blank dropped.
    static QString fatSafeName(const QString &name);

    explicit CopyPreflight(const VolumeFacts &facts);

    // Checks the entries that go into destDir.
    void addListing(const QFileInfoList &entries, const QString &destDir);

    // The bytes the listings hold; an empty file counts as one.
    qint64 selectionBytes() const { return m_bytes; }
    const CopyFailures &findings() const { return m_findings; }
    // The free name each refused name takes, by source path, for a copy
    // under safe names.
    const QHash<QString, QString> &safeNames() const { return m_safeNames; }
    bool hasRefusedNames() const { return !m_safeNames.isEmpty(); }

private:
    void addFile(const QFileInfo &file, const QString &destDir);
    QString freeName(const QString &wanted, const QString &destDir, const QSet<QString> &taken) const;

    const VolumeFacts m_facts;
    qint64 m_room;
    qint64 m_bytes = 0;
    CopyFailures m_findings;
    QHash<QString, QString> m_safeNames;
};
