// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>

// Bytes of the device's files by media category; a file of several
// categories counts in each.
struct CategoryBytes
{
    qint64 pictures = 0;
    qint64 music = 0;
    qint64 video = 0;
    qint64 documents = 0;
};

// How the device's storage is used: whether the device is ready with its
// category folders, how much of its capacity it has and uses, its model
// name, and a walk that sums its files' sizes by category. Everything reads
// the device's mount point anew (base/DeviceState.h), from any thread.
class StorageAccounting
{
public:
    // MountedReadOnly: the device's file system is mounted read-only, which
    // is no failure: it can be read, and nothing is made on it.
    enum class Readiness { NoDevice, Ready, ReadOnly, MountedReadOnly };

    // The walk stops at the next entry once abortRequested is set.
    explicit StorageAccounting(const std::atomic<bool> &abortRequested);

    // NoDevice when the mount point is unset or unreadable, MountedReadOnly
    // when it is mounted so; otherwise makes the missing category folders,
    // ReadOnly when one cannot be made.
    Readiness checkDeviceFolders() const;
    // Capacity and used bytes of the device's file system, from one reading;
    // false (and both 0) when it cannot be read.
    bool spaceUsage(quint64 *total, quint64 *used) const;
    QString deviceModel() const;

    // Adds the files below path to bytes, each by what it takes on the
    // disk (a sparse file by its blocks, not its size), without following a
    // symbolic link or entering a hidden folder. False when path is not a
    // folder or the walk was aborted.
    bool sumFolder(const QString &path, CategoryBytes *bytes) const;

private:
    const std::atomic<bool> &m_abortRequested;
};
