// SPDX-License-Identifier: GPL-2.0-or-later
#include "TiedProcess.h"

namespace TiedProcess {

void start(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.start(QStringLiteral("setpriv"),
        QStringList { QStringLiteral("--pdeathsig"), QStringLiteral("KILL"), program } + arguments);
}

QString firstLine(QProcess &process, int timeoutMs)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(timeoutMs))
            return QString();
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

} // namespace TiedProcess
