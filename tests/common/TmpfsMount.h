// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// A tmpfs mounted on a folder for the life of the object: a real full disk
// when small, a real read-only one with "ro". Mounting needs root; where it
// is refused the object is simply not mounted, and the test skips.
class TmpfsMount
{
public:
    // Creates path when missing and mounts there with mount's -o options,
    // such as "size=1m" or "ro,size=1m".
    TmpfsMount(const QString &path, const QString &options);
    // Detaches a mount still in place, even when something holds it open.
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_path; }
    // Unmounts now; false while the file system is busy.
    bool unmount();

private:
    QString m_path;
    bool m_mounted = false;
};
