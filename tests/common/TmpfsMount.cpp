// SPDX-License-Identifier: GPL-2.0-or-later
#include "TmpfsMount.h"

#include <QDir>
#include <QProcess>

TmpfsMount::TmpfsMount(const QString &path, const QString &options)
    : m_path(path)
{
    QDir().mkpath(path);
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                    { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                        QStringLiteral("tmpfs"), path })
        == 0;
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), { QStringLiteral("-l"), m_path });
}

bool TmpfsMount::unmount()
{
    if (m_mounted && QProcess::execute(QStringLiteral("umount"), { m_path }) == 0)
        m_mounted = false;
    return !m_mounted;
}
