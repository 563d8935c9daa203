// SPDX-License-Identifier: GPL-2.0-or-later
// The copy under faults, with the fault shim preloaded (CTest does it):
// each file-system call of the copy worker fails in turn, and power cuts
// are played on an ext4 image at each of the worker's flushes. Whatever
// happens, no name holds incomplete data, nothing temporary is left, and
// the report names every file that did not arrive.
#include "FakeDeviceBackend.h"
#include "FaultShim.h"
#include "LoopVolume.h"
#include "TestDir.h"
#include "TmpfsMount.h"
#include "base/DeviceState.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"
#include "engine/copy/TemporaryJournal.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int copyTimeoutMs = 30000;
const qint64 mib = 1048576;
// A date the copies must carry, in 2009; FAT would keep it to 2 s.
const qint64 sourceDateMs = Q_INT64_C(1234567890000);
// Positions past this would mean the sweep never ends.
const long maxCalls = 2000;

// A file of the copy: where it comes from, where it goes, and what the
// destination held before.
struct Expected
{
    QString source;
    QString destination;
    QByteArray old;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray pattern(qint64 size, char seed)
{
    QByteArray data(int(size), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(seed + i % 251);
    return data;
}

bool writeFile(const QString &path, const QByteArray &data, qint64 dateMs = -1)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    file.close();
    if (dateMs < 0)
        return true;
    const struct timespec times[2]
        = { { 0, UTIME_OMIT }, { time_t(dateMs / 1000), long(dateMs % 1000) * 1000000 } };
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// Every name below folder that the copy gives what it has in progress.
QStringList temporariesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (TemporaryJournal::isTemporaryName(QFile::encodeName(it.fileName()).constData()))
            found << path;
    }
    return found;
}

} // namespace

class TestCopyFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyFailedCallIsReported_data();
    void everyFailedCallIsReported();
    void powerCutLeavesNoNameOnIncompleteData();

private:
    struct Run
    {
        bool finished = false;
        bool result = false;
        QList<CopyDlg> dialogs;
    };

    // The small copy: two new files (one of three chunks), a new folder
    // with a sub-folder, two replacements, from sourceRoot into destDir.
    QList<Expected> prepareSources(const QString &sourceRoot, const QString &destDir);
    void resetDestination(const QString &destDir, const QList<Expected> &files);
    Run copy(const QString &sourceRoot, const QString &destDir, BrowserMode target);
    // What is wrong with the destination and the report after a copy that
    // ran with the fault, or nothing.
    QString violation(const QList<Expected> &files, const Run &run, const QString &deviceRoot);

    FaultShim m_shim;
    FakeDeviceBackend *m_device = nullptr;
    TL09Engine *m_engine = nullptr;
    std::unique_ptr<CopyJob> m_job;
};

void TestCopyFaults::initTestCase()
{
    if (!m_shim.isLoaded())
        QSKIP("the fault shim is not preloaded (run through CTest)");
    m_device = new FakeDeviceBackend;
    m_engine = new TL09Engine(m_device, this);
    ::umask(022);
}

void TestCopyFaults::cleanup()
{
    m_shim.disarm();
    m_shim.holdFlushes(0);
    m_job.reset();
    m_engine->stopDataCollection();
    setMountPoint(QString());
}

QList<Expected> TestCopyFaults::prepareSources(const QString &sourceRoot, const QString &destDir)
{
    const struct
    {
        const char *name;
        qint64 size;
        const char *old;
    } files[] = {
        { "new1.jpg", 3000, nullptr },
        { "new2.jpg", 2 * mib + 5, nullptr },
        { "album/a.jpg", 40000, nullptr },
        { "album/sub/b.jpg", mib, nullptr },
        { "old1.jpg", 5000, "old one" },
        { "old2.jpg", 6000, "old two" },
    };
    QList<Expected> expected;
    for (const auto &file : files) {
        const QString source = sourceRoot + QLatin1Char('/') + QLatin1String(file.name);
        if (!writeFile(source, pattern(file.size, file.name[0]), sourceDateMs))
            return {};
        expected << Expected { source, destDir + QLatin1Char('/') + QLatin1String(file.name),
            file.old ? QByteArray(file.old) : QByteArray() };
    }
    return expected;
}

void TestCopyFaults::resetDestination(const QString &destDir, const QList<Expected> &files)
{
    QDir(destDir).removeRecursively();
    QDir().mkpath(destDir);
    for (const Expected &file : files) {
        if (!file.old.isNull())
            writeFile(file.destination, file.old);
    }
}

TestCopyFaults::Run TestCopyFaults::copy(
    const QString &sourceRoot, const QString &destDir, BrowserMode target)
{
    Run run;
    const QFileInfoList selection { QFileInfo(sourceRoot + QStringLiteral("/new1.jpg")),
        QFileInfo(sourceRoot + QStringLiteral("/new2.jpg")), QFileInfo(sourceRoot + QStringLiteral("/album")),
        QFileInfo(sourceRoot + QStringLiteral("/old1.jpg")),
        QFileInfo(sourceRoot + QStringLiteral("/old2.jpg")) };
    m_job.reset(m_engine->makeCopy({ selection, target, destDir, PicturesMode }, nullptr));
    CopyJob *job = m_job.get();
    QSignalSpy finished(job, &CopyJob::finished);
    connect(job, &CopyJob::questionAsked, this, [&run, job](const CopyQuestion &question) {
        run.dialogs << question.kind;
        job->answer(question.kind == AskOverwrite ? AnswerYes : AnswerOk);
    });
    if (job->start() && finished.wait(copyTimeoutMs)) {
        run.finished = true;
        run.result = finished.at(0).at(0).toBool();
    }
    m_engine->stopDataCollection();
    return run;
}

QString TestCopyFaults::violation(const QList<Expected> &files, const Run &run, const QString &deviceRoot)
{
    if (!run.finished)
        return QStringLiteral("the copy did not end");
    const CopyFailures &failures = m_job->failures();
    const auto reportedAs = [&failures](const QString &source, bool warning) {
        return std::any_of(failures.begin(), failures.end(), [&](const CopyFailure &failure) {
            return failure.isWarning() == warning
                && (source == failure.source || source.startsWith(failure.source + QLatin1Char('/')));
        });
    };
    for (const Expected &file : files) {
        const QFileInfo copied(file.destination);
        const QByteArray now = copied.exists() ? contents(file.destination) : QByteArray();
        const bool arrived = copied.exists() && now == contents(file.source);
        const bool untouched = file.old.isNull() ? !copied.exists() : now == file.old;
        const QString name = QFileInfo(file.destination).fileName();
        if (!arrived && !untouched)
            return name + QStringLiteral(" holds incomplete data");
        if (!arrived && run.result && !reportedAs(file.source, false))
            return name + QStringLiteral(" did not arrive and is not reported");
        if (arrived && reportedAs(file.source, false))
            return name + QStringLiteral(" arrived but is reported as failed");
        const bool dated = qAbs(copied.lastModified().toMSecsSinceEpoch() - sourceDateMs) < 2000;
        if (arrived && !dated && !reportedAs(file.source, true))
            return name + QStringLiteral(" lost its date without a warning");
    }
    const bool toldOfFailure = !failures.isEmpty() || run.dialogs.contains(DriveSpaceError);
    if (!run.result && !toldOfFailure)
        return QStringLiteral("the copy failed without a word");
    const QStringList left
        = temporariesBelow(QFileInfo(files.first().destination).path()) + temporariesBelow(deviceRoot);
    if (!left.isEmpty())
        return QStringLiteral("temporaries left: ") + left.join(QLatin1Char(' '));
    return QString();
}

void TestCopyFaults::everyFailedCallIsReported_data()
{
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<int>("error");

    QTest::newRow("to the device, EIO") << ExternalDeviceMode << EIO;
    QTest::newRow("to the device, ENOSPC") << ExternalDeviceMode << ENOSPC;
    QTest::newRow("to the PC, EIO") << HostMode << EIO;
    QTest::newRow("to the PC, ENOSPC") << HostMode << ENOSPC;
}

void TestCopyFaults::everyFailedCallIsReported()
{
    QFETCH(BrowserMode, target);
    QFETCH(int, error);

    TestDir dir;
    // A tmpfs flushes at once, which keeps the hundreds of copies quick.
    const TmpfsMount tmpfs(dir.filePath(QStringLiteral("fs")), QStringLiteral("size=128m"));
    const QString root = tmpfs.isMounted() ? tmpfs.path() : dir.path();
    const QString device = root + QStringLiteral("/device");
    const QString host = root + QStringLiteral("/host");
    const bool toDevice = target == ExternalDeviceMode;
    const QString sourceRoot = (toDevice ? host : device) + QStringLiteral("/source");
    const QString destDir = (toDevice ? device : host) + QStringLiteral("/dest");
    const QList<Expected> files = prepareSources(sourceRoot, destDir);
    QVERIFY(!files.isEmpty());
    m_device->plug(device);
    m_engine->findDeviceVolume();

    // Without a fault everything arrives; then each call fails in turn,
    // until the copy makes fewer calls than the position.
    resetDestination(destDir, files);
    m_shim.arm(0, error);
    QVERIFY(copy(sourceRoot, destDir, target).result);
    QVERIFY(m_job->failures().isEmpty());
    const long calls = m_shim.calls();
    QVERIFY(calls > 20);
    for (long nth = 1; nth <= maxCalls; ++nth) {
        resetDestination(destDir, files);
        m_shim.arm(nth, error);
        const Run run = copy(sourceRoot, destDir, target);
        m_shim.disarm();
        const char *failedCall = m_shim.fired();
        if (!failedCall) {
            QVERIFY2(nth > calls / 2, qPrintable(QStringLiteral("no call %1").arg(nth)));
            return;
        }
        const QString found = violation(files, run, device);
        QVERIFY2(found.isEmpty(),
            qPrintable(
                QStringLiteral("call %1 (%2) failed: %3").arg(nth).arg(QLatin1String(failedCall), found)));
    }
    QFAIL("the copy never ran out of calls");
}

void TestCopyFaults::powerCutLeavesNoNameOnIncompleteData()
{
    if (::geteuid() != 0)
        QSKIP("only the super-user mounts an image");
    TestDir dir;
    const LoopVolume volume(dir.filePath(QStringLiteral("device.img")),
        dir.filePath(QStringLiteral("device")), 64 * mib, { "-t", "ext4" });
    if (!volume.isMounted())
        QSKIP("no loop device, or no e2fsprogs, here");
    const QString sourceRoot = dir.filePath(QStringLiteral("source"));
    const QString destDir = volume.path() + QStringLiteral("/dest");
    // Ten new files as the one copy above had them, small ones mostly,
    // which the file system keeps in memory longest.
    QList<Expected> files = prepareSources(sourceRoot, destDir);
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("/small%1.jpg").arg(i);
        QVERIFY(writeFile(sourceRoot + name, pattern(20000 + i, char('a' + i)), sourceDateMs));
        files << Expected { sourceRoot + name, destDir + name, QByteArray() };
    }
    resetDestination(destDir, files);
    // What the device held before the copy is on its disk.
    ::sync();
    m_device->plug(volume.path());
    m_engine->findDeviceVolume();

    // At each flush of the copy, the disk as it is then: the journal made
    // to commit what the file system has taken in so far, but no more data.
    QFileInfoList selection;
    for (const QString &name : QDir(sourceRoot).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        selection << QFileInfo(sourceRoot + QLatin1Char('/') + name);
    m_job.reset(m_engine->makeCopy({ selection, ExternalDeviceMode, destDir, PicturesMode }, nullptr));
    CopyJob *job = m_job.get();
    QSignalSpy finished(job, &CopyJob::finished);
    connect(job, &CopyJob::questionAsked, this, [job] { job->answer(AnswerYesToAll); });
    m_shim.holdFlushes(1);
    QVERIFY(job->start());
    QStringList snapshots;
    while (finished.isEmpty()) {
        QVERIFY(QTest::qWaitFor(
            [&] { return !finished.isEmpty() || m_shim.heldFlushes() > snapshots.size(); }, copyTimeoutMs));
        if (!finished.isEmpty())
            break;
        QVERIFY(writeFile(volume.path() + QStringLiteral("/commit"), "x"));
        const int commit
            = ::open(QFile::encodeName(volume.path() + QStringLiteral("/commit")).constData(), O_RDONLY);
        QVERIFY(commit >= 0 && ::fsync(commit) == 0 && ::close(commit) == 0);
        snapshots << dir.filePath(QStringLiteral("cut%1.img").arg(snapshots.size()));
        QVERIFY(QFile::copy(volume.image(), snapshots.last()));
        m_shim.releaseFlush();
    }
    QVERIFY(finished.at(0).at(0).toBool());
    QVERIFY(!snapshots.isEmpty());

    for (const QString &snapshot : qAsConst(snapshots)) {
        // Replays the journal, as the next mount would, and reads the tree.
        QVERIFY(LoopVolume::run(QStringLiteral("e2fsck"), { "-fy", snapshot }, { 0, 1 }));
        const QString tree = snapshot + QStringLiteral(".tree");
        QVERIFY(QDir().mkpath(tree));
        QVERIFY(LoopVolume::run(
            QStringLiteral("debugfs"), { "-R", QStringLiteral("rdump /dest %1").arg(tree), snapshot }));
        for (const Expected &file : qAsConst(files)) {
            const QString cut = tree + QStringLiteral("/dest") + file.destination.mid(destDir.size());
            const bool exists = QFileInfo::exists(cut);
            const QByteArray now = contents(cut);
            const bool whole = exists && now == contents(file.source);
            const bool old = file.old.isNull() ? !exists : now == file.old;
            QVERIFY2(whole || old,
                qPrintable(QFileInfo(snapshot).fileName() + QLatin1Char(' ') + file.destination));
        }
    }
}

QTEST_MAIN(TestCopyFaults)
#include "tst_copyfaults.moc"
