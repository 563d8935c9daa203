// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A file system made in an image file and mounted through a loop device,
// for tests that need a real one: ext4 with its journal, an ext2 to damage.
// Needs the super-user, loop devices and e2fsprogs; isMounted() is false
// where one is missing. Unmounted when it goes.
class LoopVolume
{
public:
    // Makes image, of size bytes, with mke2fs and mkfsArguments (such as
    // "-t", "ext4"), and mounts it on folder.
    LoopVolume(const QString &image, const QString &folder, qint64 size, const QStringList &mkfsArguments);
    ~LoopVolume();
    LoopVolume(const LoopVolume &) = delete;
    LoopVolume &operator=(const LoopVolume &) = delete;

    bool isMounted() const { return m_mounted; }
    QString image() const { return m_image; }
    QString path() const { return m_folder; }
    // Mounts again, with mount's -o options besides "loop" ("ro").
    bool mount(const QString &options = QString());
    bool unmount();

    // Runs program to its end; whether it exited with 0, or with one of
    // the codes accepted.
    static bool run(const QString &program, const QStringList &arguments, const QList<int> &accepted = { 0 });

private:
    QString m_image;
    QString m_folder;
    bool m_mounted = false;
};
