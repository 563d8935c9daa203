// SPDX-License-Identifier: GPL-2.0-or-later
// opalo-thumbnailer: makes the thumbnails of the program's file lists, one
// file at a time, as the program asks over standard input; answers on
// standard output (see ThumbnailProtocol). Pictures, videos and music of a
// device are untrusted input: whatever a decoder does with them happens here,
// within the limits below, and a crash costs one thumbnail, never the
// program, which also stops a file that takes too long by the clock.
#include "browser/thumbnails/ThumbnailProtocol.h"
#include "browser/thumbnails/helper/ThumbnailMaker.h"
#include "exif/ImageBytes.h"

#include <QCoreApplication>

#include <csignal>
#include <malloc.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define OPALO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OPALO_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

// Address space: the program and its libraries take about 150 MiB of it; a
// decode that would need more than the rest fails instead.
constexpr rlim_t maxAddressSpace = rlim_t(512) * 1024 * 1024;
// Processor time one file may take.
constexpr rlim_t secondsPerFile = 5;

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &)
{ }

void limitProcess()
{
    // The address sanitizer reserves terabytes of address space for its
    // own books; its options below bound its allocations instead.
#ifndef OPALO_ADDRESS_SANITIZER
    const rlimit memory { maxAddressSpace, maxAddressSpace };
    setrlimit(RLIMIT_AS, &memory);
#endif
    // A crash on a hostile file leaves no core behind.
    const rlimit noCore { 0, 0 };
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    // Ends with the program, whatever way the program ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    // Runs as long as ever, but never preempts the window's thread when it
    // wakes.
    const sched_param batch {};
    sched_setscheduler(0, SCHED_BATCH, &batch);
    // A program gone is seen as a failed write.
    std::signal(SIGPIPE, SIG_IGN);
    // Each file takes and frees buffers of hundreds of kilobytes; kept in
    // the heap rather than handed back to the system, they are not faulted
    // in again for every file.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
}

// The processor time used so far, plus what one more file may take; past
// it the kernel ends the process. The limit counts whole seconds of the
// process's life: the time used is rounded up once, as a sum, so that a
// file gets from five to six seconds however long the helper has run.
void limitNextFile()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    rlimit limit {};
    getrlimit(RLIMIT_CPU, &limit);
    const qint64 microseconds = (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000
        + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    const rlim_t used = rlim_t(microseconds / 1000000 + 1);
    limit.rlim_cur = used + secondsPerFile;
    if (limit.rlim_max != RLIM_INFINITY)
        limit.rlim_cur = qMin(limit.rlim_cur, limit.rlim_max);
    setrlimit(RLIMIT_CPU, &limit);
}

// Qt finds its image format plug-ins on the first picture it reads, which
// takes some milliseconds: done before greeting, it is done while the
// program has no file to ask for yet. Only the JPEG reader is loaded, which
// embedded thumbnails need; the plug-ins that formats read by content need
// load with the first such file.
void loadImageFormats()
{
    // The start of a JPEG file is enough for Qt to load the reader.
    ImageBytes::decode(QByteArray("\xFF\xD8\xFF", 3), "JPG", 1);
}

} // namespace

#ifdef OPALO_ADDRESS_SANITIZER
// A small quarantine, and allocations that fail past the memory a helper
// may take, as they would under its address-space limit.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=32:max_allocation_size_mb=200:soft_rss_limit_mb=768:allocator_may_return_null="
           "1";
}
#endif

int main(int argc, char **argv)
{
    limitProcess();
    qInstallMessageHandler(dropMessage);
    // For the image format plug-ins.
    QCoreApplication application(argc, argv);
    loadImageFormats();
    if (!ThumbnailProtocol::greet(STDOUT_FILENO))
        _exit(1);
    ThumbnailProtocol::Request request;
    while (ThumbnailProtocol::readRequest(STDIN_FILENO, request)) {
        limitNextFile();
        if (!ThumbnailProtocol::writeReply(STDOUT_FILENO, ThumbnailMaker::replyTo(request)))
            break;
    }
    // Nothing of the libraries' own is worth tearing down.
    _exit(0);
}
