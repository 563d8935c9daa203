// SPDX-License-Identifier: GPL-2.0-or-later
// A thumbnail helper as an exploited decoder would make it, for the tests
// only: put in the helper's place, it greets, takes one file, and tries to
// get out of its box in every way it knows. The file handed names what to
// try: a secret file to read, a folder to write to, a TCP port listened to
// on 127.0.0.1, the program's process and a descriptor it holds with its
// inode. The answer is an icon whose first row holds one pixel a try, red
// 1 when it worked, and whose second row holds the pid of any child left
// behind.
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

// Through a child when there may be one; else in place, where a shell
// that starts ends the helper before it answers.
bool startShell()
{
    char *const arguments[]
        = { const_cast<char *>("sh"), const_cast<char *>("-c"), const_cast<char *>("exit 42"), nullptr };
    const pid_t child = fork();
    if (child == 0)
        _exit(execv("/bin/sh", arguments) == 0 ? 0 : 1);
    if (child < 0)
        return execv("/bin/sh", arguments) == 0;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 42;
}

bool holds(int fd, ino_t inode)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 && status.st_ino == inode;
}

} // namespace

int main()
{
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
    bool worked[EscapingHelper::escapeCount] {};
    worked[EscapingHelper::ReadHome] = readSecret(lines.at(EscapingHelper::SecretLine));
    worked[EscapingHelper::WriteHome] = writeInto(lines.at(EscapingHelper::FolderLine));
    worked[EscapingHelper::ConnectLoopback] = connectTo(lines.at(EscapingHelper::PortLine).toInt());
    worked[EscapingHelper::AttachProgram] = attachTo(program);
    worked[EscapingHelper::ProgramMemory] = openMemoryOf(program);
    worked[EscapingHelper::InheritedDescriptor] = holds(lines.at(EscapingHelper::DescriptorLine).toInt(),
        ino_t(lines.at(EscapingHelper::InodeLine).toULongLong()));
    worked[EscapingHelper::RunsAsRoot] = geteuid() == 0;
    const pid_t child = leaveChild();
    worked[EscapingHelper::LeaveChild] = child > 0;
    worked[EscapingHelper::StartShell] = startShell();
    QImage icon(EscapingHelper::escapeCount, 2, QImage::Format_RGB32);
    for (int escape = 0; escape < EscapingHelper::escapeCount; ++escape) {
        icon.setPixel(escape, 0, qRgb(worked[escape] ? 1 : 0, 0, 0));
        icon.setPixel(escape, 1, QRgb(child) | 0xff000000U);
    }
    return ThumbnailProtocol::writeReply(STDOUT_FILENO, { icon, false, QImage() }) ? 0 : 1;
}
