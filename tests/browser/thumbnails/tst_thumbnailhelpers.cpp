// SPDX-License-Identifier: GPL-2.0-or-later
// The thumbnail helpers under hostile files and their own faults: whatever
// happens, this process survives, its memory stays flat, the file costs its
// own thumbnail only, and stopping returns at once.
#include "EscapingHelper.h"
#include "HostileMedia.h"
#include "MediaMaker.h"
#include "TestDir.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/thumbnails/ThumbnailHelperPool.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtTest>

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int waitMs = 30000;
constexpr qint64 stopLimitMs = 100;
constexpr qint64 flatKiB = 32 * 1024;

// The peak of this process's resident memory since the last reset, in KiB.
qint64 peakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int startFailures = 0;

void countStartFailures(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("cannot be started")))
        ++startFailures;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool makeOld(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

QString writePicture(TestDir &dir, const QString &name)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") && makeOld(path) ? path : QString();
}

// The processes under pid, zombies left out, from /proc.
QList<pid_t> descendantsOf(pid_t pid)
{
    QMultiHash<pid_t, pid_t> children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toInt() <= 0 || !stat.open(QIODevice::ReadOnly))
            continue;
        // pid (name) state ppid ...: the name may hold anything but the
        // last parenthesis.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(0) != "Z")
            children.insert(pid_t(fields.at(1).toInt()), pid_t(entry.toInt()));
    }
    QList<pid_t> found;
    QList<pid_t> next { pid };
    while (!next.isEmpty()) {
        const QList<pid_t> under = children.values(next.takeFirst());
        found += under;
        next += under;
    }
    return found;
}

// The helper among this process's descendants (bubblewrap's own left out)
// and the processor time it has used, in seconds; -1 when there is none.
pid_t helperOf(pid_t program)
{
    for (const pid_t pid : descendantsOf(program)) {
        QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("opalo-thumbnail"))
            return pid;
    }
    return -1;
}

double processorSeconds(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // utime and stime are the 12th and 13th fields after the name.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12
        ? double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK))
        : -1;
}

// The boxes a helper can run in here, the best first.
QList<HelperConfinement::Kind> boxes()
{
    QList<HelperConfinement::Kind> kinds { HelperConfinement::KernelMeans };
    if (HelperConfinement::available() == HelperConfinement::Bubblewrap)
        kinds.prepend(HelperConfinement::Bubblewrap);
    return kinds;
}

bool isSettled(ThumbnailState state)
{
    return state == ThumbnailState::Shown || state == ThumbnailState::Failed;
}

} // namespace

class TestThumbnailHelpers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hostileFilesCostOneThumbnail_data();
    void hostileFilesCostOneThumbnail();
    void helperFaultsCostOneThumbnail_data();
    void helperFaultsCostOneThumbnail();
    void filesHandedAfterALostOneAreMade();
    void entriesWrittenWhileTheHelperWorks();
    void helperStoppedLeavesNoProcess_data();
    void helperStoppedLeavesNoProcess();
    void escapesFailInTheBox_data();
    void escapesFailInTheBox();
    void everyKindMadeInEachBox_data();
    void everyKindMadeInEachBox();
    void musicShowsItsCoverInEachBox_data();
    void musicShowsItsCoverInEachBox();
    void longLivedHelperGetsItsTimeForEachFile();

private:
    // The hostile file of a row, and what goes with it in the cache.
    QString makeHostile(const QString &kind);
    QString cacheEntry(DesktopThumbnailCache::Folder folder, const QString &path) const
    {
        return DesktopThumbnailCache(m_cache->path()).entryPath(folder, DesktopThumbnailCache::keyOf(path));
    }

    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_cache;
};

void TestThumbnailHelpers::init()
{
    m_dir = std::make_unique<TestDir>();
    m_cache = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid() && m_cache->isValid());
}

void TestThumbnailHelpers::cleanup()
{
    m_dir.reset();
    m_cache.reset();
}

QString TestThumbnailHelpers::makeHostile(const QString &kind)
{
    if (kind == "kmsg")
        return m_dir->createSymlink(QStringLiteral("/proc/kmsg"), QStringLiteral("photo.jpg"));
    if (kind == "mpeg" || kind == "mkv" || kind == "cover" || kind == "markerless") {
        const QString path = m_dir->filePath(kind == "mpeg" ? "clip.mpg"
                : kind == "mkv"                             ? "huge.mkv"
                : kind == "cover"                           ? "song.mp3"
                                                            : "endless.jpg");
        const bool made = kind == "mpeg" ? HostileMedia::crashingMpeg(path)
            : kind == "mkv"              ? HostileMedia::hugeFrameVideo(path)
            : kind == "cover"            ? HostileMedia::hugeCoverMp3(path)
                                         : HostileMedia::markerlessJpeg(path);
        return made && makeOld(path) ? path : QString();
    }
    // A good picture, whose entry in the cache is hostile.
    const QString path = writePicture(*m_dir, QStringLiteral("photo.png"));
    const QString entry = cacheEntry(DesktopThumbnailCache::Large, path);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(entry).absolutePath()))
        return QString();
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(entry).constData(), 0600) == 0 ? path : QString();
    const auto key = DesktopThumbnailCache::keyOf(path);
    return HostileMedia::hugePng(
               entry, { { "Thumb::URI", key.uri }, { "Thumb::MTime", QByteArray::number(key.mtime) } })
        ? path
        : QString();
}

void TestThumbnailHelpers::hostileFilesCostOneThumbnail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("madeFromTheFile");
    QTest::addColumn<bool>("recordedAsFailed");

    QTest::newRow("crafted MPEG transport stream") << "mpeg" << int(MovieMode) << false << true;
    QTest::newRow("video of a 16000 x 16000 frame") << "mkv" << int(MovieMode) << false << true;
    QTest::newRow("MP3 of a 16000 x 16000 cover") << "cover" << int(MusicMode) << false << true;
    QTest::newRow("JPEG of 20 GiB without a marker") << "markerless" << int(PicturesMode) << false << true;
    QTest::newRow("16000 x 16000 PNG in the cache") << "png" << int(PicturesMode) << true << false;
    QTest::newRow("FIFO in the cache") << "fifo" << int(PicturesMode) << true << false;
    QTest::newRow("link to /proc/kmsg") << "kmsg" << int(PicturesMode) << false << false;
}

void TestThumbnailHelpers::hostileFilesCostOneThumbnail()
{
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QFETCH(bool, madeFromTheFile);
    QFETCH(bool, recordedAsFailed);
    if ((kind == "mpeg" || kind == "mkv") && !MediaMaker::hasFfmpeg())
        QSKIP("the ffmpeg program is not installed");
    const QString path = makeHostile(kind);
    QVERIFY(!path.isEmpty());
    const QString good = writePicture(*m_dir, QStringLiteral("good.png"));
    resetPeakMemory();
    const qint64 before = peakKiB();

    ThumbnailHelperPool helpers(2);
    helpers.setFileTimeout(2000);
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(m_cache->path());
    worker.addFiles({ QFileInfo(path) }, mode);
    QCOMPARE(worker.state(path), ThumbnailState::InFlight);
    QTest::qWait(300);
    QElapsedTimer clock;
    clock.start();
    worker.stopProcess();
    QVERIFY2(clock.elapsed() < stopLimitMs, qPrintable(QString::number(clock.elapsed())));

    worker.addFiles({ QFileInfo(path) }, mode);
    QTRY_VERIFY_WITH_TIMEOUT(isSettled(worker.state(path)), waitMs);
    QCOMPARE(worker.state(path) == ThumbnailState::Shown, madeFromTheFile);
    // A helper that answers writes the entry afterwards.
    QTRY_COMPARE_WITH_TIMEOUT(
        QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Fail, path)), recordedAsFailed, waitMs);
    // The next file is made as ever.
    worker.stopProcess();
    worker.addFiles({ QFileInfo(good) }, PicturesMode);
    QTRY_COMPARE_WITH_TIMEOUT(worker.state(good), ThumbnailState::Shown, waitMs);
    const qint64 grown = peakKiB() - before;
    QVERIFY2(grown < flatKiB, qPrintable(QString::number(grown)));
}

void TestThumbnailHelpers::helperFaultsCostOneThumbnail_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("recordedAsFailed");

    // The greeting, then whatever the helper does with the first request.
    const QByteArray greet = "printf " + ThumbnailProtocol::greeting() + "; head -c 1 >/dev/null; ";
    QTest::newRow("crash") << greet + "kill -SEGV $$" << true;
    QTest::newRow("past the clock") << greet + "exec sleep 60" << true;
    QTest::newRow("slow to start, then a crash") << "sleep 1; " + greet + "kill -SEGV $$" << true;
    QTest::newRow("nonsense") << greet + "printf nonsense-nonsense-nonsense; exec sleep 60" << true;
    // Not the file's fault: nothing is recorded, and only a few are started.
    QTest::newRow("ends before it is ready") << QByteArray("echo >>\"$0.starts\"; exit 1") << false;
    // Not executable: cannot even be started.
    QTest::newRow("cannot be run") << QByteArray() << false;
}

void TestThumbnailHelpers::helperFaultsCostOneThumbnail()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, recordedAsFailed);
    const QString helper = m_dir->createFile(ThumbnailProtocol::helperName, "#!/bin/sh\n" + script + '\n');
    QVERIFY(QFile::setPermissions(
        helper, script.isEmpty() ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner));
    startFailures = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countStartFailures);
    const auto restoreHandler = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    // Helpers start all along, from where the program would load them.
    const QByteArray pluginDir = qgetenv("OPALO_PLUGIN_DIR");
    const auto restore = qScopeGuard([&pluginDir] { qputenv("OPALO_PLUGIN_DIR", pluginDir); });
    qputenv("OPALO_PLUGIN_DIR", QFile::encodeName(m_dir->path()));
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files.append(writePicture(*m_dir, QStringLiteral("p%1.png").arg(i)));
    {
        ThumbnailHelperPool helpers(1);
        // The scripts need a shell, which no box holds.
        helpers.setConfinement(HelperConfinement::Unconfined);
        helpers.setFileTimeout(300);
        ThumbLoaderWorker worker(&helpers);
        worker.setDesktopCache(m_cache->path());
        for (const QString &file : files)
            worker.addFiles({ QFileInfo(file) }, PicturesMode);
        for (const QString &file : files)
            QTRY_COMPARE_WITH_TIMEOUT(worker.state(file), ThumbnailState::Failed, waitMs);
    }
    // Gone, the pool has written every entry.
    for (const QString &file : files)
        QCOMPARE(QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Fail, file)), recordedAsFailed);
    QFile starts(helper + ".starts");
    if (starts.open(QIODevice::ReadOnly))
        QCOMPARE(starts.readAll().count('\n'), 3);
    QCOMPARE(startFailures, script.isEmpty() ? 3 : 0);
}

void TestThumbnailHelpers::filesHandedAfterALostOneAreMade()
{
    const QString endless = makeHostile(QStringLiteral("markerless"));
    const QString good = writePicture(*m_dir, QStringLiteral("good.png"));
    QVERIFY(!endless.isEmpty() && !good.isEmpty());
    // One helper holds both: the second waits behind the one it is killed
    // for.
    ThumbnailHelperPool helpers(1);
    helpers.setFileTimeout(500);
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(m_cache->path());
    worker.addFiles({ QFileInfo(endless), QFileInfo(good) }, PicturesMode);
    QCOMPARE(worker.state(good), ThumbnailState::InFlight);
    QTRY_COMPARE_WITH_TIMEOUT(worker.state(good), ThumbnailState::Shown, waitMs);
    QCOMPARE(worker.state(endless), ThumbnailState::Failed);
}

void TestThumbnailHelpers::entriesWrittenWhileTheHelperWorks()
{
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files.append(writePicture(*m_dir, QStringLiteral("p%1.png").arg(i)));
    files.append(makeHostile(QStringLiteral("markerless")));
    ThumbnailHelperPool helpers(1);
    helpers.setFileTimeout(waitMs);
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(m_cache->path());
    for (const QString &file : qAsConst(files))
        worker.addFiles({ QFileInfo(file) }, PicturesMode);
    // The helper stays busy with the last file, and a next one waits behind
    // it: the entries of the others are written all the same.
    worker.addFiles({ QFileInfo(writePicture(*m_dir, QStringLiteral("next.png"))) }, PicturesMode);
    // It works on the last file until a limit stops it, seconds later; the
    // program has written the others' entries well before.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Large, files.at(0)))
            && QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Large, files.at(1)))
            && QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Large, files.at(2))),
        waitMs);
    QVERIFY(!isSettled(worker.state(files.last())));
    QTRY_VERIFY_WITH_TIMEOUT(isSettled(worker.state(files.last())), 2 * waitMs);
    QCOMPARE(worker.state(files.last()), ThumbnailState::Failed);
}

void TestThumbnailHelpers::helperStoppedLeavesNoProcess_data()
{
    QTest::addColumn<int>("confinement");
    if (HelperConfinement::available() == HelperConfinement::Bubblewrap)
        QTest::newRow("bubblewrap") << int(HelperConfinement::Bubblewrap);
    QTest::newRow("kernel's means") << int(HelperConfinement::KernelMeans);
}

void TestThumbnailHelpers::helperStoppedLeavesNoProcess()
{
    QFETCH(int, confinement);
    const QString endless = makeHostile(QStringLiteral("markerless"));
    QVERIFY(!endless.isEmpty());
    {
        ThumbnailHelperPool helpers(1);
        helpers.setConfinement(HelperConfinement::Kind(confinement));
        helpers.setFileTimeout(500);
        ThumbLoaderWorker worker(&helpers);
        worker.setDesktopCache(QString());
        worker.addFiles({ QFileInfo(endless) }, PicturesMode);
        QTRY_VERIFY(!descendantsOf(getpid()).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(worker.state(endless), ThumbnailState::Failed, waitMs);
    }
    // Killed with whatever it was running, and collected.
    QTRY_COMPARE_WITH_TIMEOUT(descendantsOf(getpid()), QList<pid_t>(), waitMs);
}

void TestThumbnailHelpers::escapesFailInTheBox_data()
{
    QTest::addColumn<int>("confinement");
    // A character an escape, in the order of EscapingHelper::Escape: 1 when
    // it works, 0 when it fails, n when it fails for the super-user (who
    // becomes nobody) and is not checked for others, r when it works for
    // the super-user only.
    QTest::addColumn<QByteArray>("works");

    if (HelperConfinement::available() == HelperConfinement::Bubblewrap)
        QTest::newRow("bubblewrap") << int(HelperConfinement::Bubblewrap) << QByteArray("000000000");
    // Without bubblewrap, Landlock hides the user's files; without it too,
    // they stay in view, but the filter lets none be opened for writing,
    // and only the super-user, who becomes nobody, cannot read them.
    QTest::newRow("kernel's means") << int(HelperConfinement::KernelMeans)
                                    << QByteArray(
                                           HelperConfinement::hasLandlock() ? "000000000" : "n00000000");
    // So that the test can fail: unboxed, every escape works, but for the
    // descriptors, which the program never passes on.
    QTest::newRow("unconfined") << int(HelperConfinement::Unconfined) << QByteArray("111110r11");
}

void TestThumbnailHelpers::escapesFailInTheBox()
{
    QFETCH(int, confinement);
    QFETCH(QByteArray, works);
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    QVERIFY(listener >= 0 && ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0
        && ::listen(listener, 4) == 0
        && ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    const auto closeListener = qScopeGuard([listener] { ::close(listener); });
    const QString secret = m_dir->createFile(QStringLiteral("secret"), "key");
    // Left open across exec, as a library of the program might.
    const int inherited = ::open(QFile::encodeName(secret).constData(), O_RDONLY);
    const auto closeInherited = qScopeGuard([inherited] { ::close(inherited); });
    struct stat status {};
    QVERIFY(inherited >= 0 && ::fstat(inherited, &status) == 0);
    const QByteArray orders = QFile::encodeName(secret) + '\n' + QFile::encodeName(m_dir->path()) + '\n'
        + QByteArray::number(ntohs(address.sin_port)) + '\n' + QByteArray::number(getpid()) + '\n'
        + QByteArray::number(inherited) + '\n' + QByteArray::number(quint64(status.st_ino)) + '\n';
    const QString handed = m_dir->createFile(QStringLiteral("orders.jpg"), orders);

    const QByteArray pluginDir = qgetenv("OPALO_PLUGIN_DIR");
    const auto restore = qScopeGuard([&pluginDir] { qputenv("OPALO_PLUGIN_DIR", pluginDir); });
    qputenv("OPALO_PLUGIN_DIR", ESCAPING_HELPER_DIR);
    ThumbnailHelperPool helpers(1);
    helpers.setConfinement(HelperConfinement::Kind(confinement));
    ThumbLoaderWorker worker(&helpers);
    // The folder it tries to write to is the desktop's cache: the program
    // writes there, never the helper.
    worker.setDesktopCache(m_dir->path());
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    worker.addFiles({ QFileInfo(handed) }, PicturesMode);
    QTRY_VERIFY_WITH_TIMEOUT(!icons.isEmpty(), waitMs);
    const QImage icon = icons.first().at(1).value<QImage>();
    QCOMPARE(icon.size(), QSize(EscapingHelper::escapeCount, 2));
    const pid_t child = pid_t(icon.pixel(0, 1) & 0xffffff);
    if (child > 0)
        ::kill(child, SIGKILL);
    const bool root = geteuid() == 0;
    for (int escape = 0; escape < EscapingHelper::escapeCount; ++escape) {
        const char expected = works.at(escape);
        if (expected == 'n' && !root)
            continue;
        const bool worked = expected == '1' || (expected == 'r' && root);
        QVERIFY2(qRed(icon.pixel(escape, 0)) == (worked ? 1 : 0), qPrintable(QString::number(escape)));
    }
    // The program lives on, and so does what it listens to.
    QVERIFY(::fcntl(listener, F_GETFD) >= 0);
}

void TestThumbnailHelpers::everyKindMadeInEachBox_data()
{
    QTest::addColumn<int>("confinement");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");

    // Each reader, and the video decoder with its threads, past the filter.
    for (const HelperConfinement::Kind kind : boxes()) {
        for (const char *name :
            { "photo.jpg", "photo.png", "photo.bmp", "photo.webp", "photo.tiff", "photo.tga" })
            QTest::addRow("%s, %s", HelperConfinement::nameOf(kind), name)
                << int(kind) << name << int(PicturesMode);
        QTest::addRow("%s, clip.mp4", HelperConfinement::nameOf(kind))
            << int(kind) << "clip.mp4" << int(MovieMode);
    }
}

void TestThumbnailHelpers::everyKindMadeInEachBox()
{
    QFETCH(int, confinement);
    QFETCH(QString, name);
    QFETCH(int, mode);
    const QString path = m_dir->filePath(name);
    const QString format = QFileInfo(name).suffix();
    if (format == "mp4") {
        if (!MediaMaker::hasFfmpeg())
            QSKIP("the ffmpeg program is not installed");
        QVERIFY(MediaMaker::makeVideo(path, "testsrc2=s=320x240:d=1", { "-c:v", "libx264" }));
    } else {
        const QImage picture = MediaMaker::filled(400, 300, Qt::red);
        const QByteArray bytes
            = format == "tga" ? MediaMaker::tga(picture) : MediaMaker::encoded(picture, qPrintable(format));
        if (bytes.isEmpty())
            QSKIP("Qt cannot write this format here");
        QVERIFY(!m_dir->createFile(name, bytes).isEmpty());
    }
    ThumbnailHelperPool helpers(1);
    helpers.setConfinement(HelperConfinement::Kind(confinement));
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(m_cache->path());
    worker.addFiles({ QFileInfo(path) }, mode);
    QTRY_VERIFY_WITH_TIMEOUT(isSettled(worker.state(path)), waitMs);
    QCOMPARE(worker.state(path), ThumbnailState::Shown);
}

void TestThumbnailHelpers::musicShowsItsCoverInEachBox_data()
{
    QTest::addColumn<int>("confinement");
    QTest::addColumn<QString>("name");
    // The cover's encoder, and its colour; none for a file without one.
    QTest::addColumn<QString>("encoder");
    QTest::addColumn<QColor>("colour");

    for (const HelperConfinement::Kind kind : boxes()) {
        const char *box = HelperConfinement::nameOf(kind);
        QTest::addRow("%s, MP3 with a JPEG cover", box)
            << int(kind) << "song.mp3" << "mjpeg" << QColor(Qt::red);
        QTest::addRow("%s, FLAC with a PNG cover", box)
            << int(kind) << "song.flac" << "png" << QColor(Qt::blue);
        QTest::addRow("%s, M4A with a JPEG cover", box)
            << int(kind) << "song.m4a" << "mjpeg" << QColor(Qt::green);
        QTest::addRow("%s, MP3 without a cover", box) << int(kind) << "plain.mp3" << QString() << QColor();
    }
}

void TestThumbnailHelpers::musicShowsItsCoverInEachBox()
{
    QFETCH(int, confinement);
    QFETCH(QString, name);
    QFETCH(QString, encoder);
    QFETCH(QColor, colour);
    // The files are made here: without ffmpeg the covers go untested.
    QVERIFY2(MediaMaker::hasFfmpeg(), "the ffmpeg program is not installed");
    const QString path = m_dir->filePath(name);
    QStringList cover;
    if (!encoder.isEmpty())
        cover << "-f" << "lavfi" << "-i" << QStringLiteral("color=c=%1:s=300x300:d=1").arg(colour.name())
              << "-frames:v" << "1" << "-map" << "0:a" << "-map" << "1:v" << "-c:v" << encoder
              << "-disposition:v" << "attached_pic";
    QVERIFY(MediaMaker::makeVideo(path, "sine=d=1", cover) && makeOld(path));

    ThumbnailHelperPool helpers(1);
    helpers.setConfinement(HelperConfinement::Kind(confinement));
    helpers.setFileTimeout(waitMs);
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(m_cache->path());
    worker.addFiles({ QFileInfo(path) }, MusicMode);
    pid_t helper = -1;
    QTRY_VERIFY_WITH_TIMEOUT((helper = helperOf(getpid())) > 0, waitMs);
    QTRY_VERIFY_WITH_TIMEOUT(isSettled(worker.state(path)), waitMs);
    // Answered by the helper itself: neither a crash nor a limit ended it.
    QCOMPARE(helperOf(getpid()), helper);
    if (!colour.isValid()) {
        QCOMPARE(worker.state(path), ThumbnailState::Failed);
        return;
    }
    QCOMPARE(worker.state(path), ThumbnailState::Shown);
    const QImage icon = worker.thumbnail(path);
    QCOMPARE(icon.size(), QSize(ThumbLoaderWorker::iconEdge, ThumbLoaderWorker::iconEdge));
    const QColor centre = icon.pixelColor(icon.width() / 2, icon.height() / 2);
    QVERIFY2(qAbs(centre.red() - colour.red()) + qAbs(centre.green() - colour.green())
                + qAbs(centre.blue() - colour.blue())
            < 24,
        qPrintable(centre.name()));
    // Kept in the desktop's cache as a picture's thumbnail is.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(cacheEntry(DesktopThumbnailCache::Large, path)), waitMs);
}

void TestThumbnailHelpers::longLivedHelperGetsItsTimeForEachFile()
{
    // A JPEG header and then nothing but zeros, which the reader searches
    // for a marker to the end: a second or so of processor time.
    const QString junk = m_dir->filePath(QStringLiteral("junk0.jpg"));
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\xff\xd8", 2) == 2
        && file.resize(qint64(256) * 1024 * 1024));
    file.close();
    QVERIFY(makeOld(junk));
    ThumbnailHelperPool helpers(1);
    helpers.setFileTimeout(waitMs);
    ThumbLoaderWorker worker(&helpers);
    worker.setDesktopCache(QString());
    // More processor time in all than a file may take: had the limit
    // counted the helper's life, a file past it would have ended it.
    constexpr double pastOneFile = 7.0;
    pid_t helper = -1;
    double used = 0;
    for (int turn = 1; used < pastOneFile; ++turn) {
        QVERIFY2(turn < 100, "the files take no time");
        const QString path = m_dir->filePath(QStringLiteral("junk%1.jpg").arg(turn));
        QCOMPARE(::link(QFile::encodeName(junk).constData(), QFile::encodeName(path).constData()), 0);
        worker.addFiles({ QFileInfo(path) }, PicturesMode);
        QTRY_VERIFY_WITH_TIMEOUT(isSettled(worker.state(path)), waitMs);
        if (helper < 0)
            helper = helperOf(getpid());
        QCOMPARE(helperOf(getpid()), helper);
        used = processorSeconds(helper);
        QVERIFY(used >= 0);
    }
}

QTEST_MAIN(TestThumbnailHelpers)
#include "tst_thumbnailhelpers.moc"
