// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QVector>

#include <sys/types.h>

// Makes the process act as user uid (and the group of the same number,
// without supplementary groups) for the rest of the scope, in every thread,
// so that the super-user's tests can meet permission failures; the
// super-user comes back when it goes. Nothing changes when uid is already
// the effective user.
class EffectiveUser
{
public:
    explicit EffectiveUser(uid_t uid);
    ~EffectiveUser();
    EffectiveUser(const EffectiveUser &) = delete;
    EffectiveUser &operator=(const EffectiveUser &) = delete;

    // User nobody.
    static const uid_t nobody = 65534;

private:
    bool m_active;
    QVector<gid_t> m_groups;
};
