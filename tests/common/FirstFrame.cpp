// SPDX-License-Identifier: GPL-2.0-or-later
#include "FirstFrame.h"

#include <QProcess>
#include <QTest>

void enableStartupTrace(QProcessEnvironment &environment)
{
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("opalo.startup.debug=true"));
}

bool waitForFirstFrame(QProcess &program, QByteArray &output, int timeout)
{
    const QByteArray mark("startup: first frame");
    // The outcome is read from output below.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            output += program.readAllStandardError();
            return output.contains(mark) || program.state() == QProcess::NotRunning;
        },
        timeout));
    output += program.readAllStandardError();
    return output.contains(mark);
}
