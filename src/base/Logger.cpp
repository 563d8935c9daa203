// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/Logger.h"

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

void Logger::log(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Logger::format(format, arguments);
    va_end(arguments);
}

void Logger::log(Level, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    Logger::format(format, arguments);
    va_end(arguments);
}
