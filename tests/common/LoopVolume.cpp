// SPDX-License-Identifier: GPL-2.0-or-later
#include "LoopVolume.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

const int toolTimeoutMs = 60000;

} // namespace

LoopVolume::LoopVolume(
    const QString &image, const QString &folder, qint64 size, const QStringList &mkfsArguments)
    : m_image(image)
    , m_folder(folder)
{
    QDir().mkpath(folder);
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return;
    file.close();
    if (run(QStringLiteral("mke2fs"),
            QStringList { QStringLiteral("-q"), QStringLiteral("-F") } + mkfsArguments
                + QStringList { image }))
        mount();
}

LoopVolume::~LoopVolume()
{
    if (m_mounted)
        run(QStringLiteral("umount"), { QStringLiteral("-l"), m_folder });
}

bool LoopVolume::mount(const QString &options)
{
    const QString all = options.isEmpty() ? QStringLiteral("loop") : QStringLiteral("loop,") + options;
    m_mounted = m_mounted || run(QStringLiteral("mount"), { QStringLiteral("-o"), all, m_image, m_folder });
    return m_mounted;
}

bool LoopVolume::unmount()
{
    if (m_mounted && run(QStringLiteral("umount"), { m_folder }))
        m_mounted = false;
    return !m_mounted;
}

bool LoopVolume::run(const QString &program, const QStringList &arguments, const QList<int> &accepted)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(toolTimeoutMs) && process.exitStatus() == QProcess::NormalExit
        && accepted.contains(process.exitCode());
}
