// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

#include <cstdarg>

// The process-wide diagnostic trace. The browser calls log() at points of
// interest; the text goes to the "opalo.trace" logging category, at debug
// level unless a level says otherwise, so that it shows only when asked for
// (QT_LOGGING_RULES="opalo.trace.debug=true"), and costs nothing otherwise.
class Logger : public QObject
{
    Q_OBJECT

public:
    enum Level { Debug, Warn, Info, Error, Fatal, Critical };

    // Longest formatted text, in characters; longer output is cut.
    static constexpr int maxMessageLength = 8191;

    static Logger *instance();

    void log(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(2, 3);
    // Fatal and Critical are reported as critical: a trace never ends the
    // program.
    void log(Level level, const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(3, 4);

    // The formatting both entry points share.
    static QByteArray format(const char *format, va_list arguments);

private:
    Logger() = default;
    static void write(Level level, const char *format, va_list arguments);
};
