// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayList>
#include <QString>

#include <sys/types.h>

// The box a thumbnail helper runs in, set up by the program before the
// helper's own code runs, so that it holds for a helper that does not
// cooperate: a decoder's exploit, or another program in its place. Boxed,
// a helper reaches no network, no display server and no D-Bus, sees none of
// the user's files but the one it is handed as a descriptor, touches no
// other process, starts no program and keeps only its two pipes. Its
// system calls go through a filter that refuses, with an error, what a
// decoder never needs. As the super-user, it runs as nobody.
//
// Bubblewrap, where it is installed and user namespaces work, gives it a
// view of the read-only system and nothing else. Without it the kernel's
// own means still apply: a session of its own, the filter, no descriptors,
// a network namespace where one may be made, and Landlock where the kernel
// has it, which leaves it reading the same system only.
class HelperConfinement
{
public:
    enum Kind { Bubblewrap, KernelMeans, Unconfined };

    // The best this machine offers, found once and said once in the log.
    static Kind available();
    static const char *nameOf(Kind kind);
    // Whether the kernel's means include Landlock, which keeps a helper to
    // the system's libraries as bubblewrap does.
    static bool hasLandlock();

    explicit HelperConfinement(Kind kind = available());
    Kind kind() const { return m_kind; }

    // Starts program in the box, its standard input and output on input
    // and output; the process's id, which leads a process group of its
    // own, or -1 with errno set. Unconfined, it runs as the program does.
    pid_t spawn(const QString &program, int input, int output, const QByteArrayList &environment) const;

private:
    QByteArrayList bubblewrapArguments(const QString &program, const QByteArrayList &environment) const;

    Kind m_kind;
};
