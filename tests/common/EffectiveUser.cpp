// SPDX-License-Identifier: GPL-2.0-or-later
#include "EffectiveUser.h"

#include <QtGlobal>

#include <grp.h>
#include <unistd.h>

EffectiveUser::EffectiveUser(uid_t uid)
    : m_active(uid != ::geteuid())
{
    if (!m_active)
        return;
    m_groups.resize(::getgroups(0, nullptr));
    m_groups.resize(::getgroups(m_groups.size(), m_groups.data()));
    if (::setgroups(0, nullptr) != 0 || ::setegid(uid) != 0 || ::seteuid(uid) != 0)
        qFatal("cannot act as user %u", uid);
}

EffectiveUser::~EffectiveUser()
{
    if (m_active
        && (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(m_groups.size(), m_groups.data()) != 0))
        qFatal("cannot act as the super-user again");
}
