// SPDX-License-Identifier: GPL-2.0-or-later
#include "OutputCapture.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

QByteArray capturedOutput(const std::function<void()> &run)
{
    // A file rather than a pipe, so that a talkative run cannot fill the
    // pipe and block.
    char name[] = "/tmp/opalo-output-XXXXXX";
    const int capture = mkstemp(name);
    if (capture < 0)
        return "cannot capture";
    unlink(name);
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1);
    const int savedErr = dup(2);
    dup2(capture, 1);
    dup2(capture, 2);
    run();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    QFile file;
    QByteArray output;
    if (file.open(capture, QIODevice::ReadOnly) && file.seek(0))
        output = file.readAll();
    file.close();
    close(capture);
    return output;
}
