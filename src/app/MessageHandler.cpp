// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MessageHandler.h"

#include <cstdio>

QByteArray formatMessageLine(QtMsgType type, const QString &text)
{
    const char *prefix = "Debug: ";
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        break;
    case QtWarningMsg:
        prefix = "Warning: ";
        break;
    case QtCriticalMsg:
        prefix = "Critical: ";
        break;
    case QtFatalMsg:
        prefix = "My Fatal: ";
        break;
    }
    return QByteArray(prefix) + text.toLocal8Bit() + '\n';
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(context)
    const QByteArray line = formatMessageLine(type, text);
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
