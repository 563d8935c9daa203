// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/Logger.h"

#include "base/LogCategories.h"

#include <cstdio>

Logger *Logger::instance()
{
    // A function-local static is created once even when two threads log first
    // at the same moment.
    static Logger *const logger = new Logger;
    return logger;
}

QByteArray Logger::format(const char *format, va_list arguments)
{
    char buffer[maxMessageLength + 1];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    if (length < 0)
        return QByteArray();
    return QByteArray(buffer, qMin(length, maxMessageLength));
}

void Logger::write(Level level, const char *format, va_list arguments)
{
    const QtMsgType type = level == Debug ? QtDebugMsg
        : level == Info                   ? QtInfoMsg
        : level == Warn                   ? QtWarningMsg
                                          : QtCriticalMsg;
    // Formatted only when it is to be written.
    if (!lcTrace().isEnabled(type))
        return;
    const QByteArray text = Logger::format(format, arguments);
    switch (type) {
    case QtDebugMsg:
        qCDebug(lcTrace, "%s", text.constData());
        break;
    case QtInfoMsg:
        qCInfo(lcTrace, "%s", text.constData());
        break;
    case QtWarningMsg:
        qCWarning(lcTrace, "%s", text.constData());
        break;
    default:
        qCCritical(lcTrace, "%s", text.constData());
        break;
    }
}

void Logger::log(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    write(Debug, format, arguments);
    va_end(arguments);
}

void Logger::log(Level level, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    write(level, format, arguments);
    va_end(arguments);
}
