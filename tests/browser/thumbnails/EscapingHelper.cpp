// SPDX-License-Identifier: GPL-2.0-or-later
// A thumbnail helper as an exploited decoder would make it, for the tests
// only: put in the helper's place, it greets, takes one file, and tries to
// get out of its box in every way it knows. The file handed names what to
// try: a secret file to read, a folder to write to, a TCP port listened to
// on 127.0.0.1, the program's process and a descriptor it holds with its
// inode. The answer is an icon whose first row holds one pixel a try, red
// 1 when it worked, and whose second row holds the pid of any child left
// behind. Starting a program, it starts itself, which every box holds.
#include "EscapingHelper.h"
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QFile>
#include <QImage>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool readSecret(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    char byte = 0;
    return fd >= 0 && ::read(fd, &byte, 1) == 1;
}

bool writeInto(const QByteArray &folder)
{
    return ::open((folder + "/escaped").constData(), O_WRONLY | O_CREAT, 0600) >= 0;
}

bool connectTo(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
}

bool attachTo(pid_t program)
{
    if (ptrace(PTRACE_ATTACH, program, nullptr, nullptr) != 0)
        return false;
    waitpid(program, nullptr, __WALL);
    ptrace(PTRACE_DETACH, program, nullptr, nullptr);
    return true;
}

bool openMemoryOf(pid_t program)
{
    return ::open(QByteArray("/proc/" + QByteArray::number(program) + "/mem").constData(), O_RDWR) >= 0;
}

// A child in a session of its own, which outlives the helper; 0 when none
// could be made.
pid_t leaveChild()
{
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        pause();
        _exit(0);
    }
    return qMax(child, 0);
}

// Starts a program every box holds, the stand-in itself, told to exit
// with 42: through a child when there may be one; else in place, where the
// started stand-in answers for the helper with what it was handed.
bool startProgram(char *answer)
{
    char exitArgument[] = "exit";
    char *const exiting[] = { exitArgument, nullptr };
    const pid_t child = fork();
    if (child == 0)
        _exit(execv("/proc/self/exe", exiting) == 0 ? 0 : 1);
    if (child < 0) {
        char *const answering[] = { answer, nullptr };
        return execv("/proc/self/exe", answering) == 0;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 42;
}

bool holds(int fd, ino_t inode)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 && status.st_ino == inode;
}

// The escapes' results as a started program is handed them: a character
// an escape, then the left child's pid.
bool answer(const QByteArray &results)
{
    const QList<QByteArray> parts = results.split(' ');
    const QRgb child = QRgb(parts.value(1).toUInt()) | 0xff000000U;
    QImage icon(EscapingHelper::escapeCount, 2, QImage::Format_RGB32);
    for (int escape = 0; escape < EscapingHelper::escapeCount; ++escape) {
        icon.setPixel(escape, 0, qRgb(parts.at(0).at(escape) == '1' ? 1 : 0, 0, 0));
        icon.setPixel(escape, 1, child);
    }
    return ThumbnailProtocol::writeReply(STDOUT_FILENO, { icon, false, QImage() });
}

} // namespace

int main(int, char **argv)
{
    if (qstrcmp(argv[0], "exit") == 0)
        return 42;
    // Started in place of the helper by its own escape; the program starts
    // it by its full path.
    if (argv[0][0] != '/')
        return answer(argv[0]) ? 0 : 1;
    if (!ThumbnailProtocol::greet(STDOUT_FILENO))
        return 1;
    ThumbnailProtocol::Request request;
    if (!ThumbnailProtocol::readRequest(STDIN_FILENO, request))
        return 1;
    QFile handed;
    if (request.descriptor < 0 || !handed.open(request.descriptor, QIODevice::ReadOnly))
        return 1;
    const QList<QByteArray> lines = handed.readAll().split('\n');
    if (lines.size() < EscapingHelper::lineCount)
        return 1;
    const pid_t program = pid_t(lines.at(EscapingHelper::ProgramLine).toInt());
    QByteArray results(EscapingHelper::escapeCount, '0');
    const auto record
        = [&results](EscapingHelper::Escape escape, bool worked) { results[escape] = worked ? '1' : '0'; };
    record(EscapingHelper::ReadHome, readSecret(lines.at(EscapingHelper::SecretLine)));
    record(EscapingHelper::WriteHome, writeInto(lines.at(EscapingHelper::FolderLine)));
    record(EscapingHelper::ConnectLoopback, connectTo(lines.at(EscapingHelper::PortLine).toInt()));
    record(EscapingHelper::AttachProgram, attachTo(program));
    record(EscapingHelper::ProgramMemory, openMemoryOf(program));
    record(EscapingHelper::InheritedDescriptor,
        holds(lines.at(EscapingHelper::DescriptorLine).toInt(),
            ino_t(lines.at(EscapingHelper::InodeLine).toULongLong())));
    record(EscapingHelper::RunsAsRoot, geteuid() == 0);
    const pid_t child = leaveChild();
    record(EscapingHelper::LeaveChild, child > 0);
    // Had it started in place, the program answers with this one worked.
    QByteArray started = results;
    started[EscapingHelper::StartProgram] = '1';
    started += ' ' + QByteArray::number(child);
    record(EscapingHelper::StartProgram, startProgram(started.data()));
    return answer(results + ' ' + QByteArray::number(child)) ? 0 : 1;
}
