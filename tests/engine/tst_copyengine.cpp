// SPDX-License-Identifier: GPL-2.0-or-later
#include "EffectiveUser.h"
#include "FakeDeviceBackend.h"
#include "LoopVolume.h"
#include "TestDir.h"
#include "TmpfsMount.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"
#include "engine/copy/CopyPreflight.h"
#include "engine/copy/CopySelection.h"
#include "engine/copy/TemporaryJournal.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

// Milliseconds, and the bytes written by then.
using Samples = QList<QPair<qint64, qint64>>;

namespace {

const int yes = AnswerYes;
const int yesToAll = AnswerYesToAll;
const int no = AnswerNo;
const int noToAll = AnswerNoToAll;
const int keepBoth = AnswerKeepBoth;
const int keepBothToAll = AnswerKeepBothToAll;
const int cancel = AnswerCancel;
const int ok = AnswerOk;

const int copyTimeoutMs = 30000;
const qint64 mib = 1048576;

// A date in 2009, at an odd second and between two milliseconds, which a
// copy on FAT rounds to 2 seconds.
const qint64 oldDateMs = Q_INT64_C(1234567891234);
// FAT keeps modification times in steps of 2 seconds.
const qint64 fatTimeStepMs = 2000;

void setModificationTime(const QString &path, qint64 msecs)
{
    const struct timespec times[2]
        = { { 0, UTIME_OMIT }, { time_t(msecs / 1000), long(msecs % 1000) * 1000000 } };
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

qint64 modificationTime(const QString &path)
{
    return QFileInfo(path).lastModified().toMSecsSinceEpoch();
}

// A file system of the kind given whose free room is not known: the check
// before the copy then leaves the room to the writes.
CopyPreflight::Probe volumeOfKind(VolumeFacts::Kind kind)
{
    return [kind](const QString &) {
        VolumeFacts facts;
        facts.kind = kind;
        return facts;
    };
}

QList<CopyOutcome> reasonsOf(const CopyFailures &failures)
{
    QList<CopyOutcome> reasons;
    for (const CopyFailure &failure : failures)
        reasons << failure.reason;
    return reasons;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Every name in folder and below it that the copy worker used for a file
// in progress.
QStringList temporaryFiles(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (TemporaryJournal::isTemporaryName(QFile::encodeName(it.fileName()).constData()))
            found << it.filePath();
    }
    return found;
}

// The highest descriptor this process has open.
int highestOpenDescriptor()
{
    int highest = 0;
    for (const QString &fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
        highest = qMax(highest, fd.toInt());
    return highest;
}

// Makes depth folders, one in the other, below folder; the path would be
// too long to name at once.
bool makeDeepFolders(const QString &folder, int depth)
{
    Descriptor at(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (int level = 0; level < depth && at.isValid(); ++level) {
        if (::mkdirat(at.get(), "d", 0755) != 0)
            return false;
        at.reset(::openat(at.get(), "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    return at.isValid()
        && Descriptor(::openat(at.get(), "a.jpg", O_WRONLY | O_CREAT | O_CLOEXEC, 0644)).isValid();
}

// Whether copy_file_range copies from a file in one folder to a file in the
// other, which depends on the file systems and the kernel. Leaves nothing
// behind.
bool kernelCopies(const QString &fromFolder, const QString &toFolder)
{
    const QByteArray from = QFile::encodeName(fromFolder + QStringLiteral("/.probe-from"));
    const QByteArray to = QFile::encodeName(toFolder + QStringLiteral("/.probe-to"));
    const int source = ::open(from.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int destination = ::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool copied = source >= 0 && destination >= 0 && ::write(source, "x", 1) == 1
        && ::lseek(source, 0, SEEK_SET) == 0
        && ::copy_file_range(source, nullptr, destination, nullptr, 1, 0) == 1;
    for (int fd : { source, destination }) {
        if (fd >= 0)
            ::close(fd);
    }
    ::unlink(from.constData());
    ::unlink(to.constData());
    return copied;
}

// A small ext2 file system, mounted read-only on folder for the life of the
// object, holding one file of size bytes whose data past its first 12 KiB
// cannot be read: the block that maps it points off the disk. Needs the
// super-user, loop devices and e2fsprogs; otherwise not mounted.
class DamagedVolume
{
public:
    DamagedVolume(const QString &folder, const QString &name, qint64 size)
        : m_volume(folder + QStringLiteral(".img"), folder, 8 * mib, { "-t", "ext2", "-b", "1024" })
    {
        if (!m_volume.isMounted())
            return;
        QFile data(folder + QLatin1Char('/') + name);
        const bool written
            = data.open(QIODevice::WriteOnly) && data.write(QByteArray(int(size), 'd')) == size;
        data.close();
        if (!m_volume.unmount() || !written
            || !LoopVolume::run(QStringLiteral("debugfs"),
                { "-w", "-R", QStringLiteral("sif /%1 block[IND] 99999999").arg(name), m_volume.image() }))
            return;
        m_mounted = m_volume.mount(QStringLiteral("ro"));
    }

    bool isMounted() const { return m_mounted; }

private:
    LoopVolume m_volume;
    bool m_mounted = false;
};

} // namespace

class TestCopyEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void progressSteps_data();
    void progressSteps();
    void remainingTime_data();
    void remainingTime();
    void selectionSize_data();
    void selectionSize();
    void sizesInWorker();
    void nothingToCopy_data();
    void nothingToCopy();
    void copiesFiles_data();
    void copiesFiles();
    void keepsModificationTimes_data();
    void keepsModificationTimes();
    void namesOnFat_data();
    void namesOnFat();
    void refusedNamesOnFat_data();
    void refusedNamesOnFat();
    void existingFileInOtherCase_data();
    void existingFileInOtherCase();
    void selectionLargerThanRoom_data();
    void selectionLargerThanRoom();
    void fourGibFile_data();
    void fourGibFile();
    void retryCopiesWhatFailedOnceMended();
    void smallFilesShareProgressSignals();
    void whatAppearsMeanwhileIsKept_data();
    void whatAppearsMeanwhileIsKept();
    void newFolderShownOnceFilled_data();
    void newFolderShownOnceFilled();
    void chunksOnEachRoute_data();
    void chunksOnEachRoute();
    void folderInPicturesCategory();
    void permissions_data();
    void permissions();
    void superUserGivesCopiesToHomeOwner_data();
    void superUserGivesCopiesToHomeOwner();
    void overwritePolicy_data();
    void overwritePolicy();
    void newCopyAsksAgain();
    void identicalFileSkipped_data();
    void identicalFileSkipped();
    void interruptedFolderFinishedWithoutQuestions();
    void cancelDuringLargeFile_data();
    void cancelDuringLargeFile();
    void cancelWhileQuestionIsOpen();
    void rightsErrorsLetCopyGoOn_data();
    void rightsErrorsLetCopyGoOn();
    void folderIntoItself();
    void fullDestination_data();
    void fullDestination();
    void unplugMidCopy_data();
    void unplugMidCopy();
    void exitDuringCopyEndsWorkerFirst_data();
    void exitDuringCopyEndsWorkerFirst();
    void unreadableSourceIsCopyError();
    void copyStartedWhileCancelledCopyEndsFollowsIt();
    void copyStartResetsShownProgress();
    void questionAfterCancelIsDropped();
    void onlyRecordedTemporariesAreSwept_data();
    void onlyRecordedTemporariesAreSwept();
    void journalSweptWhateverItHolds_data();
    void journalSweptWhateverItHolds();
    void journalCompactedDuringCopy();
    void copiesWhereJournalCannotBeWritten_data();
    void copiesWhereJournalCannotBeWritten();
    void killedCopyToPcSweptAtNextStart();
    void linksAreNeverFollowed_data();
    void linksAreNeverFollowed();

    void fatThroughFuseKeepsFatRules();
    void failureTellsItsCauseOnce_data();
    void failureTellsItsCauseOnce();

private:
    struct Run
    {
        bool finished = false;
        bool result = false;
        QList<CopyDlg> dialogs;
        QStringList dialogFiles;
        QList<CopyOutcome> causes;
        // The names the check before the copy listed, if it asked.
        QStringList askedBefore;
        bool offeredSafeNames = false;
    };
    using Answerer = std::function<int(CopyDlg dlg, const QString &fileName)>;

    // Copies files into destDir as the media window would and answers every
    // box through answer (OK to every box by default).
    Run copy(const QFileInfoList &files, const QString &destDir, const Answerer &answer = nullptr,
        BrowserMode target = ExternalDeviceMode);
    // Answers the questions with answers, in order.
    static Answerer answers(const QList<int> &answers);
    // Makes the job for the next copy of files into destDir, kept as m_job
    // (with the last one's report) until the next; hook, when set, sees it
    // before it starts.
    CopyJob *newCopy(
        const QFileInfoList &files, const QString &destDir, BrowserMode target = ExternalDeviceMode);
    // Takes the device away and back, as a new connection, and waits for
    // the engine to have looked at it.
    void reconnect();
    // Runs hook on the next copy's job before it starts.
    void beforeStart(const std::function<void()> &hook) { m_beforeStart = hook; }
    AsyncCopy *worker() const { return m_job->findChild<AsyncCopy *>(); }
    // The folder to take sources from for a copy into destDir: a tmpfs when
    // the data must go through the buffer (the kernel does not copy across
    // file systems here), else a folder next to destDir. Empty, with
    // skipReason set, where the route cannot be had.
    QString sourceFolder(bool throughBuffer, const QString &destDir, QString *skipReason);

    FakeDeviceBackend *m_deviceBackend = nullptr;
    TL09Engine *m_engine = nullptr;
    QScopedPointer<TestDir> m_dir;
    QString m_source;
    QString m_device;
    QString m_dest;
    QScopedPointer<TmpfsMount> m_sourceMount;
    // The answer to the question before the copy.
    int m_beforeCopyAnswer = yes;
    int m_category = PicturesMode;
    std::unique_ptr<CopyJob> m_job;
    std::function<void()> m_beforeStart;
};

Q_DECLARE_METATYPE(VolumeFacts::Kind)
Q_DECLARE_METATYPE(CopyOutcome)

void TestCopyEngine::initTestCase()
{
    // Registers nothing of its own: the engine makes the types it sends
    // known, or the worker's first question would never arrive.
    m_deviceBackend = new FakeDeviceBackend;
    m_engine = new TL09Engine(m_deviceBackend, this);
    ::umask(022);
}

void TestCopyEngine::init()
{
    m_dir.reset(new TestDir);
    m_source = m_dir->createFolder(QStringLiteral("source"));
    m_device = m_dir->createFolder(QStringLiteral("device"));
    m_dest = m_dir->createFolder(QStringLiteral("device/dest"));
    QVERIFY(!m_dest.isEmpty());
    // The boxes of failures appear only while the device is ready.
    setMountPoint(m_device);
    m_category = PicturesMode;
}

void TestCopyEngine::cleanup()
{
    m_job.reset();
    m_beforeStart = nullptr;
    m_engine->stopDataCollection();
    m_sourceMount.reset();
    CopyPreflight::setProbe({});
    m_beforeCopyAnswer = yes;
    setMountPoint(QString());
    setDeviceUdi(QString());
    if (!m_dest.isEmpty())
        QCOMPARE(temporaryFiles(m_dir->path()), QStringList());
}

TestCopyEngine::Run TestCopyEngine::copy(
    const QFileInfoList &files, const QString &destDir, const Answerer &answer, BrowserMode target)
{
    Run run;
    CopyJob *job = newCopy(files, destDir, target);
    QSignalSpy finished(job, &CopyJob::finished);
    const QMetaObject::Connection connection
        = connect(job, &CopyJob::questionAsked, this, [&](const CopyQuestion &question) {
              if (question.kind == AskBeforeCopy) {
                  for (const CopyFailure &refused : question.refused)
                      run.askedBefore << QFileInfo(refused.source).fileName();
                  run.offeredSafeNames = question.offerSafeNames;
                  job->answer(CopyAnswer(m_beforeCopyAnswer));
                  return;
              }
              run.dialogs << question.kind;
              run.dialogFiles << question.fileName;
              if (question.kind != AskOverwrite)
                  run.causes << question.cause;
              job->answer(CopyAnswer(answer ? answer(question.kind, question.fileName) : ok));
          });
    if (m_beforeStart)
        m_beforeStart();
    if (job->start() && finished.wait(copyTimeoutMs)) {
        run.finished = true;
        run.result = finished.at(0).at(0).toBool();
    }
    disconnect(connection);
    return run;
}

CopyJob *TestCopyEngine::newCopy(const QFileInfoList &files, const QString &destDir, BrowserMode target)
{
    m_job.reset(m_engine->makeCopy({ files, target, destDir, m_category }, nullptr));
    return m_job.get();
}

void TestCopyEngine::reconnect()
{
    setMountPoint(QString());
    setMountPoint(m_device);
    m_engine->startDataCollection();
    m_engine->wait();
}

TestCopyEngine::Answerer TestCopyEngine::answers(const QList<int> &answers)
{
    auto queue = std::make_shared<QList<int>>(answers);
    return [queue](CopyDlg, const QString &) { return queue->isEmpty() ? ok : queue->takeFirst(); };
}

QString TestCopyEngine::sourceFolder(bool throughBuffer, const QString &destDir, QString *skipReason)
{
    QString folder = QFileInfo(destDir).path() + QStringLiteral("/origin");
    if (throughBuffer) {
        m_sourceMount.reset(
            new TmpfsMount(m_dir->filePath(QStringLiteral("origin")), QStringLiteral("size=8m")));
        if (!m_sourceMount->isMounted()) {
            *skipReason = QStringLiteral("mounting a tmpfs is not allowed here");
            return QString();
        }
        folder = m_sourceMount->path();
    }
    QDir().mkpath(folder);
    if (kernelCopies(folder, destDir) == throughBuffer) {
        *skipReason = throughBuffer ? QStringLiteral("the kernel copies between these file systems itself")
                                    : QStringLiteral("the kernel does not copy within this file system");
        return QString();
    }
    return folder;
}

void TestCopyEngine::progressSteps_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<qint64>>("chunks");
    QTest::addColumn<QList<qreal>>("emitted");

    // Values stay clear of the tenths' edges, where the rounding of the
    // division decides.
    QTest::newRow("each tenth of a percent")
        << qint64(10000) << QList<qint64> { 5, 10, 10, 10 } << QList<qreal> { 0.05, 0.15, 0.25, 0.35 };
    QTest::newRow("changes within a tenth are dropped")
        << qint64(10000) << QList<qint64> { 5, 3, 1, 7, 1 } << QList<qreal> { 0.05, 0.16 };
    QTest::newRow("one chunk may jump far")
        << qint64(2000) << QList<qint64> { 1, 1996, 2, 1 } << QList<qreal> { 0.05, 99.85, 99.95, 100 };
    QTest::newRow("from 50 % on") << qint64(2000) << QList<qint64> { 1001, 2 }
                                  << QList<qreal> { 50.05, 50.15 };
}

void TestCopyEngine::progressSteps()
{
    QFETCH(qint64, total);
    QFETCH(QList<qint64>, chunks);
    QFETCH(QList<qreal>, emitted);

    CopyProgress progress;
    qint64 written = 0;
    QList<qreal> shown;
    for (qint64 chunk : chunks) {
        written += chunk;
        if (const std::optional<double> percent = progress.percentToShow(written, total))
            shown << *percent;
    }
    QCOMPARE(shown.size(), emitted.size());
    for (int i = 0; i < emitted.size(); ++i)
        QVERIFY2(qAbs(shown.at(i) - emitted.at(i)) < 1e-9, qPrintable(QString::number(i)));
}

void TestCopyEngine::remainingTime_data()
{
    // Each sample: milliseconds, bytes written then.
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<QList<int>>("emitted");

    QTest::newRow("nothing within the first half second")
        << Samples { { 0, 0 }, { 400, 40 } } << QList<int>();
    QTest::newRow("a quarter done at 10 bytes/s")
        << Samples { { 0, 0 }, { 25000, 250 } } << QList<int> { 75 };
    QTest::newRow("the same whole second is not repeated")
        << Samples { { 0, 0 }, { 10000, 100 }, { 10000, 100 } } << QList<int> { 90 };
    QTest::newRow("the rate of the last five seconds")
        << Samples { { 0, 0 }, { 5000, 500 }, { 10000, 600 } } << QList<int> { 5, 20 };
}

void TestCopyEngine::remainingTime()
{
    QFETCH(Samples, samples);
    QFETCH(QList<int>, emitted);

    const qint64 total = 1000;
    CopyProgress progress;
    QList<int> seen;
    for (const auto &[ms, written] : samples) {
        const qint64 rate = progress.rate(written, ms);
        if (const std::optional<int> seconds = progress.remainingToShow(written, total, rate))
            seen << *seconds;
    }
    QCOMPARE(seen, emitted);
}

void TestCopyEngine::selectionSize_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<qint64>("size");

    QTest::newRow("selected files are never filtered")
        << QStringList { "a.txt:100", "b.jpg:20" } << QStringList { "a.txt", "b.jpg" } << qint64(120);
    QTest::newRow("an empty file counts one byte")
        << QStringList { "empty.jpg:0", "x.png:5" } << QStringList { "empty.jpg", "x.png" } << qint64(6);
    QTest::newRow("filters apply inside folders, at every depth")
        << QStringList { "A/a.jpg:10", "A/a.txt:1000", "A/B.txt/c.png:7", "A/B.txt/d.doc:50" }
        << QStringList { "A" } << qint64(17);
    QTest::newRow("folder without matching files")
        << QStringList { "A/a.mp3:10", "A/Empty/" } << QStringList { "A" } << qint64(0);
    QTest::newRow("hidden files inside a folder are left out")
        << QStringList { "A/.hidden.jpg:10", "A/seen.jpg:1" } << QStringList { "A" } << qint64(1);
    QTest::newRow("extensions match in any case")
        << QStringList { "A/a.JPG:10", "A/b.Png:5", "A/c.TXT:100", "A/d.jpg.txt:1000", "A/e.txt.Tga:3" }
        << QStringList { "A" } << qint64(18);
    QTest::newRow("a folder named like a picture holds no picture")
        << QStringList { "A/B.jpg/c.txt:100", "A/B.jpg/d.gif:4" } << QStringList { "A" } << qint64(4);
}

void TestCopyEngine::selectionSize()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, selected);
    QFETCH(qint64, size);

    for (const QString &file : files) {
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(!m_dir->createFolder(QStringLiteral("source/") + file).isEmpty());
            continue;
        }
        const QStringList parts = file.split(QLatin1Char(':'));
        QVERIFY(
            !m_dir->createFileOfSize(QStringLiteral("source/") + parts[0], parts[1].toLongLong()).isEmpty());
    }
    QFileInfoList selection;
    for (const QString &name : selected)
        selection << QFileInfo(m_source + QLatin1Char('/') + name);
    QCOMPARE(
        CopySelection::size(selection, FileNameMatcher(MediaCategories::nameFilters(PicturesMode))), size);
    // The worker's own sizing, which the progress reckons with, agrees.
    QVERIFY(copy(selection, m_dest).finished);
    QCOMPARE(m_job->totalBytes(), size);
    QCOMPARE(m_job->foundNothing(), size == 0);
}

void TestCopyEngine::sizesInWorker()
{
    m_dir->createFileOfSize(QStringLiteral("source/A/a.jpg"), 10);
    m_dir->createFileOfSize(QStringLiteral("source/A/B/b.jpg"), 20);
    // Holds the worker's check, which sizes the selection after the probe.
    QSemaphore probed;
    QSemaphore released;
    QThread *probedOn = nullptr;
    CopyPreflight::setProbe([&](const QString &) {
        probedOn = QThread::currentThread();
        probed.release();
        released.acquire();
        return VolumeFacts();
    });
    CopyJob *job = newCopy({ QFileInfo(m_source + QLatin1String("/A")) }, m_dest);
    QSignalSpy finished(job, &CopyJob::finished);
    QSignalSpy progress(job, &CopyJob::progressChanged);

    QVERIFY(job->start());
    QVERIFY(probed.tryAcquire(1, copyTimeoutMs));
    QCOMPARE(probedOn, static_cast<QThread *>(worker()));
    QCOMPARE(job->totalBytes(), qint64(0));
    // Not walked yet: a file that arrives now is counted and copied.
    m_dir->createFileOfSize(QStringLiteral("source/A/B/c.jpg"), 40);
    released.release();

    QVERIFY(finished.wait(copyTimeoutMs));
    QCOMPARE(job->totalBytes(), qint64(70));
    QVERIFY(QFileInfo::exists(m_dest + QLatin1String("/A/B/c.jpg")));
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(2).toDouble(), 100.0);
}

void TestCopyEngine::nothingToCopy_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("word");

    QTest::newRow("documents") << int(DocumentsMode) << QStringLiteral("IDS_OFFICE_1");
    QTest::newRow("pictures") << int(PicturesMode) << QStringLiteral("IDS_PICTURES_1");
    QTest::newRow("music") << int(MusicMode) << QStringLiteral("IDS_MUSIC_1");
    QTest::newRow("video") << int(MovieMode) << QStringLiteral("IDS_VIDEO_1");
}

void TestCopyEngine::nothingToCopy()
{
    QFETCH(int, category);
    QFETCH(QString, word);

    m_dir->createFileOfSize(QStringLiteral("source/A/strange.xyz"), 10);
    m_dir->createFolder(QStringLiteral("source/A/Empty"));
    m_category = category;
    const QFileInfoList selection { QFileInfo(m_source + QLatin1String("/A")) };
    // Found by the worker's sizing, and told by the end of the copy.
    const Run run = copy(selection, m_dest);
    QVERIFY(run.finished);
    QVERIFY(!run.result);
    QVERIFY(m_job->foundNothing());
    QCOMPARE(MediaCategories::fileWord(category), word);
    QVERIFY(!QFileInfo::exists(m_dest + QLatin1String("/A")));

    // A missing destination folder starts nothing either.
    m_dir->createFileOfSize(QStringLiteral("source/A/match.jpg"), 10);
    m_category = PicturesMode;
    QVERIFY(!newCopy(selection, m_dest + QLatin1String("/missing"))->start());
    QVERIFY(!worker()->isRunning());
}

void TestCopyEngine::copiesFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");

    const qint64 mib = 1048576;
    QTest::newRow("3 MiB + 1 in four chunks") << QStringLiteral("big.jpg") << 3 * mib + 1;
    QTest::newRow("exactly one chunk") << QStringLiteral("one.jpg") << mib;
    QTest::newRow("empty file") << QStringLiteral("empty.jpg") << qint64(0);
    QTest::newRow("blanks, quotes, parentheses")
        << QStringLiteral("my \"best\" 'photo' (1).jpg") << qint64(1000);
    QTest::newRow("shell syntax") << QStringLiteral("a;b $(touch pwned) `id` & | > x.jpg") << qint64(10);
    QTest::newRow("non-ASCII letters") << QStringLiteral("Été à Zürich — Фото 写真.jpg") << qint64(77);
    QTest::newRow("line break and backslash") << QStringLiteral("two\nlines\\.jpg") << qint64(3);
}

void TestCopyEngine::copiesFiles()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);

    // The same name as a folder holding the file as well.
    const QString file = m_dir->createFileOfSize(QStringLiteral("source/") + name, size);
    const QString folder = m_dir->createFolder(QStringLiteral("source/dir ") + name);
    QVERIFY(QFile::copy(file, folder + QStringLiteral("/inner.jpg")));
    QList<qint64> seen;
    std::unique_ptr<QSignalSpy> names;
    beforeStart([&] {
        connect(worker(), &AsyncCopy::bytesWritten, this, [&seen](qint64 bytes) { seen << bytes; });
        names = std::make_unique<QSignalSpy>(m_job.get(), &CopyJob::fileNameChanged);
    });

    const Run run = copy({ QFileInfo(file), QFileInfo(folder) }, m_dest, answers({}));
    disconnect(worker(), &AsyncCopy::bytesWritten, this, nullptr);

    QVERIFY(run.finished);
    QVERIFY(run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg>());
    QCOMPARE(contents(m_dest + QLatin1Char('/') + name), contents(file));
    QCOMPARE(
        contents(m_dest + QStringLiteral("/dir ") + name + QStringLiteral("/inner.jpg")), contents(file));
    QCOMPARE(modeOf(m_dest + QStringLiteral("/dir ") + name) & 0222, mode_t(0222));
    QCOMPARE(std::accumulate(seen.cbegin(), seen.cend(), qint64(0)), 2 * size);
    QVERIFY(!names->isEmpty());
    QCOMPARE(names->at(0).at(0).toString(), name);
    QCOMPARE(m_job->writtenBytes(), 2 * size);
    QVERIFY(!QFileInfo::exists(QStringLiteral("pwned")));
}

void TestCopyEngine::smallFilesShareProgressSignals()
{
    const int count = 300;
    for (int i = 0; i < count; ++i)
        m_dir->createFileOfSize(QStringLiteral("source/album/p%1.jpg").arg(i), 100);
    QList<qint64> seen;
    beforeStart(
        [&] { connect(worker(), &AsyncCopy::bytesWritten, this, [&seen](qint64 bytes) { seen << bytes; }); });

    const Run run = copy({ QFileInfo(m_source + QStringLiteral("/album")) }, m_dest);
    disconnect(worker(), &AsyncCopy::bytesWritten, this, nullptr);

    QVERIFY(run.result);
    QCOMPARE(std::accumulate(seen.cbegin(), seen.cend(), qint64(0)), qint64(count) * 100);
    QVERIFY2(seen.size() < count / 2, qPrintable(QString::number(seen.size())));
    QCOMPARE(m_job->writtenBytes(), m_job->totalBytes());
}

void TestCopyEngine::whatAppearsMeanwhileIsKept_data()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("theirs");

    // The file signals its first chunk after the check for an existing one.
    QTest::newRow("file in the destination") << QStringLiteral("b.jpg") << QStringLiteral("b.jpg");
    // The folder is new when the copy starts on it.
    QTest::newRow("folder new to the destination")
        << QStringLiteral("album") << QStringLiteral("album/b.jpg");
}

void TestCopyEngine::whatAppearsMeanwhileIsKept()
{
    QFETCH(QString, copied);
    QFETCH(QString, theirs);

    m_dir->createFileOfSize(QStringLiteral("source/") + theirs, 1048576);
    const QString theirPath = m_dest + QLatin1Char('/') + theirs;
    const auto makeTheirs = [&theirPath] {
        QDir().mkpath(QFileInfo(theirPath).path());
        QFile file(theirPath);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write("theirs");
    };
    beforeStart([&] { connect(worker(), &AsyncCopy::bytesWritten, this, makeTheirs, Qt::DirectConnection); });

    const Run run = copy({ QFileInfo(m_source + QLatin1Char('/') + copied) }, m_dest);
    disconnect(worker(), &AsyncCopy::bytesWritten, this, nullptr);

    QVERIFY(run.result);
    QCOMPARE(contents(theirPath), QByteArray("theirs"));
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome> { CopyOutcome::ExistsKept });
    QCOMPARE(QDir(m_dest).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { copied });
}

void TestCopyEngine::newFolderShownOnceFilled_data()
{
    QTest::addColumn<bool>("cancel");

    QTest::newRow("copied whole") << false;
    QTest::newRow("cancelled in its second file") << true;
}

void TestCopyEngine::newFolderShownOnceFilled()
{
    QFETCH(bool, cancel);

    const QString album = m_dir->createFolder(QStringLiteral("source/album"));
    const QString first = m_dir->createFileOfSize(QStringLiteral("source/album/sub/first.jpg"), 10);
    m_dir->createFileOfSize(QStringLiteral("source/album/second.jpg"), 3 * 1048576);
    const QString shown = m_dest + QStringLiteral("/album");
    const auto hiddenEntries
        = [this] { return QDir(m_dest).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot); };
    QStringList seenDuringCopy;
    bool shownDuringCopy = false;
    beforeStart([&] {
        connect(
            worker(), &AsyncCopy::bytesWritten, this,
            [&](qint64 bytes) {
                if (bytes < 1048576)
                    return;
                seenDuringCopy = hiddenEntries();
                shownDuringCopy = QFileInfo::exists(shown);
                if (cancel)
                    m_job->cancel();
            },
            Qt::DirectConnection);
    });

    const Run run = copy({ QFileInfo(album) }, m_dest);
    disconnect(worker(), &AsyncCopy::bytesWritten, this, nullptr);

    QCOMPARE(run.result, !cancel);
    QVERIFY(!shownDuringCopy);
    QCOMPARE(seenDuringCopy.size(), 1);
    QVERIFY(TemporaryJournal::isTemporaryName(seenDuringCopy.first().toLocal8Bit().constData()));
    QCOMPARE(hiddenEntries(), QStringList { QStringLiteral("album") });
    // Whether the small file came before the cancel depends on the order
    // of the listing; if it is there, it is whole.
    const QString firstCopy = shown + QStringLiteral("/sub/first.jpg");
    if (!cancel || QFileInfo::exists(firstCopy))
        QCOMPARE(contents(firstCopy), contents(first));
    QCOMPARE(QFileInfo::exists(shown + QStringLiteral("/second.jpg")), !cancel);
    QCOMPARE(QDir(shown).entryList(QDir::Hidden | QDir::Files).size(), cancel ? 0 : 1);
}

void TestCopyEngine::chunksOnEachRoute_data()
{
    QTest::addColumn<bool>("throughBuffer");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("chunks");

    const struct
    {
        const char *name;
        qint64 size;
        QList<qint64> chunks;
    } sizes[] = {
        { "empty", 0, { 0 } },
        { "one byte", 1, { 1 } },
        { "a byte short of a chunk", mib - 1, { mib - 1 } },
        { "one chunk", mib, { mib } },
        { "a byte over a chunk", mib + 1, { mib, 1 } },
        { "three chunks and a byte", 3 * mib + 1, { mib, mib, mib, 1 } },
    };
    for (bool throughBuffer : { false, true }) {
        for (const auto &row : sizes) {
            QTest::addRow("%s, %s", throughBuffer ? "through the buffer" : "in the kernel", row.name)
                << throughBuffer << row.size << row.chunks;
        }
    }
}

void TestCopyEngine::chunksOnEachRoute()
{
    QFETCH(bool, throughBuffer);
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, chunks);

    QString skipReason;
    const QString folder = sourceFolder(throughBuffer, m_dest, &skipReason);
    if (folder.isEmpty())
        QSKIP(qPrintable(skipReason));
    const QString file = m_dir->createFileOfSize(
        QDir(m_dir->path()).relativeFilePath(folder + QStringLiteral("/photo.jpg")), size);
    QVERIFY(!file.isEmpty());
    QList<qint64> seen;
    beforeStart(
        [&] { connect(worker(), &AsyncCopy::bytesWritten, this, [&seen](qint64 bytes) { seen << bytes; }); });

    const Run run = copy({ QFileInfo(file) }, m_dest);
    disconnect(worker(), &AsyncCopy::bytesWritten, this, nullptr);

    QVERIFY(run.finished);
    QVERIFY(run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg>());
    QCOMPARE(seen, chunks);
    QVERIFY(contents(m_dest + QStringLiteral("/photo.jpg")) == contents(file));
}

void TestCopyEngine::folderInPicturesCategory()
{
    const QString photo = m_dir->createFileOfSize(QStringLiteral("source/Trip/photo.jpg"), 5000);
    m_dir->createFile(QStringLiteral("source/Trip/notes.txt"), "not a picture");
    m_dir->createFolder(QStringLiteral("source/Trip/Empty"));
    ::chmod(QFile::encodeName(m_source + QStringLiteral("/Trip")).constData(), 0755);

    const Run run = copy({ QFileInfo(m_source + QStringLiteral("/Trip")) }, m_dest);

    QVERIFY(run.finished);
    QVERIFY(run.result);
    const QString trip = m_dest + QStringLiteral("/Trip");
    QCOMPARE(contents(trip + QStringLiteral("/photo.jpg")), contents(photo));
    QVERIFY(!QFileInfo::exists(trip + QStringLiteral("/notes.txt")));
    QVERIFY(QFileInfo(trip + QStringLiteral("/Empty")).isDir());
    QCOMPARE(modeOf(trip), mode_t(0777));
    QCOMPARE(modeOf(trip + QStringLiteral("/Empty")) & 0222, mode_t(0222));
    QCOMPARE(m_job->writtenBytes(), m_job->totalBytes());
}

void TestCopyEngine::permissions_data()
{
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("copied");
    QTest::addColumn<int>("folder");

    // The device's volume is the user's whatever its modes; on the PC the
    // owner may write the copy, and the umask (022 here) holds.
    QTest::newRow("0644 to the device") << ExternalDeviceMode << 0644 << 0666 << 0777;
    QTest::newRow("0600 to the device") << ExternalDeviceMode << 0600 << 0622 << 0777;
    QTest::newRow("0755 to the device") << ExternalDeviceMode << 0755 << 0777 << 0777;
    QTest::newRow("0400 to the device") << ExternalDeviceMode << 0400 << 0622 << 0777;
    // Set-id and sticky bits never reach the device, where anyone may run
    // the file as its owner.
    QTest::newRow("04755 to the device") << ExternalDeviceMode << 04755 << 0777 << 0777;
    QTest::newRow("02644 to the device") << ExternalDeviceMode << 02644 << 0666 << 0777;
    QTest::newRow("01666 to the device") << ExternalDeviceMode << 01666 << 0666 << 0777;
    QTest::newRow("0644 to the PC") << HostMode << 0644 << 0644 << 0755;
    QTest::newRow("0600 to the PC") << HostMode << 0600 << 0600 << 0755;
    QTest::newRow("0755 to the PC") << HostMode << 0755 << 0755 << 0755;
    QTest::newRow("0400 to the PC") << HostMode << 0400 << 0600 << 0755;
    QTest::newRow("0666 to the PC") << HostMode << 0666 << 0644 << 0755;
}

void TestCopyEngine::permissions()
{
    QFETCH(BrowserMode, target);
    QFETCH(int, source);
    QFETCH(int, copied);
    QFETCH(int, folder);

    const QString file = m_dir->createFileOfSize(QStringLiteral("source/p.jpg"), 10);
    const QString inFolder = m_dir->createFileOfSize(QStringLiteral("source/Album/q.jpg"), 10);
    for (const QString &path : { file, inFolder })
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(source)), 0);
    // An existing destination with other bits takes the source's as well.
    m_dir->createFile(QStringLiteral("device/dest/p.jpg"), "old");
    ::chmod(QFile::encodeName(m_dest + QStringLiteral("/p.jpg")).constData(), 0444);

    const Run run = copy({ QFileInfo(file), QFileInfo(m_source + QStringLiteral("/Album")) }, m_dest,
        answers({ yes }), target);

    QVERIFY(run.result);
    QCOMPARE(modeOf(m_dest + QStringLiteral("/p.jpg")), mode_t(copied));
    QCOMPARE(modeOf(m_dest + QStringLiteral("/Album/q.jpg")), mode_t(copied));
    QCOMPARE(modeOf(m_dest + QStringLiteral("/Album")), mode_t(folder));
}

void TestCopyEngine::superUserGivesCopiesToHomeOwner_data()
{
    QTest::addColumn<bool>("inHome");

    QTest::newRow("into the user's home") << true;
    QTest::newRow("outside the home") << false;
}

void TestCopyEngine::superUserGivesCopiesToHomeOwner()
{
    QFETCH(bool, inHome);

    if (geteuid() != 0)
        QSKIP("only the super-user can give files away");
    const uid_t nobody = 65534;
    const QString home = m_dir->createFolder(QStringLiteral("home"));
    QCOMPARE(::chown(QFile::encodeName(home).constData(), nobody, nobody), 0);
    const QString dest = inHome ? m_dir->createFolder(QStringLiteral("home/Pictures")) : m_dest;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    const QString file = m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 10);
    m_dir->createFileOfSize(QStringLiteral("source/Trip/b.jpg"), 10);

    const Run run
        = copy({ QFileInfo(file), QFileInfo(m_source + QStringLiteral("/Trip")) }, dest, nullptr, HostMode);
    qputenv("HOME", savedHome);

    QVERIFY(run.result);
    for (const char *name : { "a.jpg", "Trip", "Trip/b.jpg" }) {
        struct stat status;
        QCOMPARE(
            ::lstat(QFile::encodeName(dest + QLatin1Char('/') + QLatin1String(name)).constData(), &status),
            0);
        QCOMPARE(status.st_uid, inHome ? nobody : 0);
        QCOMPARE(status.st_gid, inHome ? nobody : 0);
    }
}

void TestCopyEngine::overwritePolicy_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<bool>("ok");

    // Four files, all present at the destination; "replaced" marks with 'y'
    // the ones that end up new, with 'b' those kept beside the new copy.
    QTest::newRow("Yes to each") << QList<int> { yes, yes, yes, yes } << 4 << "yyyy" << true;
    QTest::newRow("No to each") << QList<int> { no, no, no, no } << 4 << "nnnn" << true;
    QTest::newRow("No to all at once") << QList<int> { noToAll } << 1 << "nnnn" << true;
    QTest::newRow("Yes to all at once") << QList<int> { yesToAll } << 1 << "yyyy" << true;
    QTest::newRow("Yes, No, then No to all") << QList<int> { yes, no, noToAll } << 3 << "ynnn" << true;
    QTest::newRow("No, then Yes to all") << QList<int> { no, yesToAll } << 2 << "nyyy" << true;
    QTest::newRow("Keep both for each")
        << QList<int> { keepBoth, keepBoth, keepBoth, keepBoth } << 4 << "bbbb" << true;
    QTest::newRow("Keep both for all at once") << QList<int> { keepBothToAll } << 1 << "bbbb" << true;
    QTest::newRow("No, keep both, then yes to all")
        << QList<int> { no, keepBoth, yesToAll } << 3 << "nbyy" << true;
    QTest::newRow("Cancel at once") << QList<int> { cancel } << 1 << "nnnn" << false;
    QTest::newRow("Keep both, then cancel") << QList<int> { keepBoth, cancel } << 2 << "bnnn" << false;
}

void TestCopyEngine::overwritePolicy()
{
    QFETCH(QList<int>, answers);
    QFETCH(int, questions);
    QFETCH(QString, replaced);
    QFETCH(bool, ok);

    QFileInfoList files;
    QStringList expectedNames;
    for (int i = 0; i < replaced.size(); ++i) {
        const QString name = QStringLiteral("f%1.jpg").arg(i);
        files << QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/") + name, 100 + i));
        m_dir->createFile(QStringLiteral("device/dest/") + name, "old");
        expectedNames << name;
    }
    // The first number is taken: the copy kept beside f0.jpg takes the next.
    m_dir->createFile(QStringLiteral("device/dest/f0 (2).jpg"), "taken");
    expectedNames << QStringLiteral("f0 (2).jpg");

    const Run run = copy(files, m_dest, TestCopyEngine::answers(answers));

    QVERIFY(run.finished);
    QCOMPARE(run.result, ok);
    // A cancel asks nothing more.
    QCOMPARE(run.dialogs, QVector<CopyDlg>(questions, AskOverwrite).toList());
    for (int i = 0; i < questions; ++i)
        QCOMPARE(run.dialogFiles.at(i), files.at(i).fileName());
    for (int i = 0; i < replaced.size(); ++i) {
        const QByteArray copied = contents(files.at(i).filePath());
        const QString name = m_dest + QLatin1Char('/') + files.at(i).fileName();
        QCOMPARE(contents(name), replaced[i] == QLatin1Char('y') ? copied : QByteArray("old"));
        if (replaced[i] == QLatin1Char('b')) {
            const QString beside = QStringLiteral("f%1 (%2).jpg").arg(i).arg(i == 0 ? 3 : 2);
            QCOMPARE(contents(m_dest + QLatin1Char('/') + beside), copied);
            expectedNames << beside;
        }
    }
    QCOMPARE(contents(m_dest + QStringLiteral("/f0 (2).jpg")), QByteArray("taken"));
    expectedNames.sort();
    QCOMPARE(QDir(m_dest).entryList(QDir::Files | QDir::Hidden, QDir::Name), expectedNames);
    // Skipped files count as done.
    if (ok)
        QCOMPARE(m_job->writtenBytes(), m_job->totalBytes());
}

void TestCopyEngine::newCopyAsksAgain()
{
    const QString file = m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/a.jpg"), "old");

    Run run = copy({ QFileInfo(file) }, m_dest, answers({ noToAll }));
    QCOMPARE(run.dialogs.size(), 1);
    run = copy({ QFileInfo(file) }, m_dest, answers({ yesToAll }));
    QCOMPARE(run.dialogs.size(), 1);
    QCOMPARE(contents(m_dest + QStringLiteral("/a.jpg")), contents(file));
    // Not the copy just made, which is taken as already there.
    m_dir->createFile(QStringLiteral("device/dest/a.jpg"), "old");
    run = copy({ QFileInfo(file) }, m_dest, answers({ no }));
    QCOMPARE(run.dialogs.size(), 1);
}

void TestCopyEngine::identicalFileSkipped_data()
{
    QTest::addColumn<qint64>("extraBytes");
    QTest::addColumn<qint64>("laterMs");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<VolumeFacts::Kind>("kind");

    const auto other = VolumeFacts::Other;
    const qint64 hour = 3600 * 1000;
    QTest::newRow("size and date equal") << qint64(0) << qint64(0) << false << other;
    QTest::newRow("date within FAT's 2 s") << qint64(0) << qint64(1500) << false << other;
    QTest::newRow("date 2 s earlier") << qint64(0) << -fatTimeStepMs << false << other;
    QTest::newRow("date 3 s later") << qint64(0) << qint64(3000) << true << other;
    QTest::newRow("size different") << qint64(1) << qint64(0) << true << other;
    // FAT's local times after a change of daylight saving time.
    QTest::newRow("an hour later on FAT") << qint64(0) << hour + 1000 << false << VolumeFacts::Fat;
    QTest::newRow("an hour earlier on exFAT") << qint64(0) << -hour << false << VolumeFacts::ExFat;
    QTest::newRow("an hour later elsewhere") << qint64(0) << hour << true << other;
}

void TestCopyEngine::identicalFileSkipped()
{
    QFETCH(qint64, extraBytes);
    QFETCH(qint64, laterMs);
    QFETCH(bool, asked);
    QFETCH(VolumeFacts::Kind, kind);
    CopyPreflight::setProbe(volumeOfKind(kind));

    const QString file = m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 100);
    const QString there
        = m_dir->createFile(QStringLiteral("device/dest/a.jpg"), QByteArray(100 + extraBytes, 't'));
    setModificationTime(file, oldDateMs);
    setModificationTime(there, oldDateMs + laterMs);

    const Run run = copy({ QFileInfo(file) }, m_dest, answers({ no }));

    QVERIFY(run.result);
    QCOMPARE(run.dialogs.size(), asked ? 1 : 0);
    QCOMPARE(m_job->summary().alreadyThere, asked ? 0 : 1);
    QCOMPARE(contents(there), QByteArray(100 + extraBytes, 't'));
    QCOMPARE(m_job->writtenBytes(), m_job->totalBytes());
}

void TestCopyEngine::interruptedFolderFinishedWithoutQuestions()
{
    QFileInfoList pictures;
    for (const char *name : { "1.jpg", "2.jpg", "3.jpg" })
        pictures << QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/album/") + name, 3000));
    // The first copy ends after two of the three pictures.
    QVERIFY(QDir(m_dest).mkdir(QStringLiteral("album")));
    Run run = copy(pictures.mid(0, 2), m_dest + QStringLiteral("/album"));
    QVERIFY(run.result);

    run = copy({ QFileInfo(m_source + QStringLiteral("/album")) }, m_dest, answers({ no, no, no }));

    QVERIFY(run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg>());
    QCOMPARE(m_job->summary().files, 3);
    QCOMPARE(m_job->summary().copied, 1);
    QCOMPARE(m_job->summary().alreadyThere, 2);
    // The progress counts what is written: the one picture left.
    QCOMPARE(m_job->totalBytes(), qint64(3000));
    QCOMPARE(m_job->writtenBytes(), qint64(3000));
    QCOMPARE(contents(m_dest + QStringLiteral("/album/3.jpg")), contents(pictures.at(2).filePath()));
}

void TestCopyEngine::cancelDuringLargeFile_data()
{
    QTest::addColumn<bool>("existing");

    QTest::newRow("new file") << false;
    QTest::newRow("replacing a file") << true;
}

void TestCopyEngine::cancelDuringLargeFile()
{
    QFETCH(bool, existing);

    const QString done = m_dir->createFileOfSize(QStringLiteral("source/done.jpg"), 3000);
    const QString large = m_dir->createFileOfSize(QStringLiteral("source/large.jpg"), 8 * 1048576);
    const QString after = m_dir->createFileOfSize(QStringLiteral("source/after.jpg"), 10);
    const QString largeCopy = m_dest + QStringLiteral("/large.jpg");
    if (existing)
        m_dir->createFile(QStringLiteral("device/dest/large.jpg"), "old");

    // Cancelled from the worker's own thread after the large file's second
    // chunk, so the stop comes mid-file however fast the disk is.
    std::atomic<int> largeChunks { -1 };
    beforeStart([&] {
        connect(
            worker(), &AsyncCopy::fileNameChanged, this,
            [&](const QString &name) { largeChunks = name == QLatin1String("large.jpg") ? 0 : -1; },
            Qt::DirectConnection);
        connect(
            worker(), &AsyncCopy::bytesWritten, this,
            [&](qint64) {
                if (largeChunks >= 0 && ++largeChunks == 2)
                    m_job->cancel();
            },
            Qt::DirectConnection);
    });

    const Run run = copy({ QFileInfo(done), QFileInfo(large), QFileInfo(after) }, m_dest, answers({ yes }));
    disconnect(worker(), nullptr, this, nullptr);

    QVERIFY(run.finished);
    QVERIFY(!run.result);
    QCOMPARE(contents(m_dest + QStringLiteral("/done.jpg")), contents(done));
    QCOMPARE(QFileInfo::exists(largeCopy), existing);
    if (existing)
        QCOMPARE(contents(largeCopy), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/after.jpg")));
    // For the report: "1 of 3 copied; the rest were not".
    QCOMPARE(m_job->summary().copied, 1);
    QCOMPARE(m_job->summary().files, 3);
    QVERIFY(!m_job->summary().complete);
}

void TestCopyEngine::cancelWhileQuestionIsOpen()
{
    const QString file = m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/a.jpg"), "old");

    // The box stays open: the answer never comes, only the cancel.
    CopyJob *job = newCopy({ QFileInfo(file) }, m_dest);
    QSignalSpy finished(job, &CopyJob::finished);
    QSignalSpy questions(job, &CopyJob::questionAsked);
    QVERIFY(job->start());
    QVERIFY(questions.wait(copyTimeoutMs));
    job->cancel();
    QVERIFY(finished.wait(copyTimeoutMs));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(contents(m_dest + QStringLiteral("/a.jpg")), QByteArray("old"));
}

void TestCopyEngine::rightsErrorsLetCopyGoOn_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<int>("answer");

    // "blocked" is the first entry of the selection; the copy of "next.jpg"
    // after it must still happen.
    QTest::newRow("a file stands where a folder goes") << QStringLiteral("Album") << ok;
    QTest::newRow("a folder stands where a file goes") << QStringLiteral("clash.jpg") << yes;
    QTest::newRow("source vanished") << QStringLiteral("gone.jpg") << ok;
    QTest::newRow("source is a named pipe") << QStringLiteral("pipe.jpg") << ok;
}

void TestCopyEngine::rightsErrorsLetCopyGoOn()
{
    QFETCH(QString, blocked);
    QFETCH(int, answer);

    m_dir->createFileOfSize(QStringLiteral("source/Album/in.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/Album"), "a file");
    m_dir->createFileOfSize(QStringLiteral("source/clash.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/clash.jpg/keep.jpg"), "kept");
    m_dir->createSymlink(m_source + QStringLiteral("/nowhere"), QStringLiteral("source/gone.jpg"));
    QCOMPARE(::mkfifo(QFile::encodeName(m_source + QStringLiteral("/pipe.jpg")).constData(), 0644), 0);
    const QString next = m_dir->createFileOfSize(QStringLiteral("source/next.jpg"), 20);

    const Run run = copy({ QFileInfo(m_source + QLatin1Char('/') + blocked), QFileInfo(next) }, m_dest,
        [answer](CopyDlg dlg, const QString &) { return dlg == AskOverwrite ? answer : ok; });

    QVERIFY(run.finished);
    QVERIFY(run.result);
    QCOMPARE(run.dialogs.count(RightsError), 1);
    QCOMPARE(run.dialogs.last(), RightsError);
    QCOMPARE(run.dialogFiles.last(), blocked);
    QCOMPARE(contents(m_dest + QStringLiteral("/next.jpg")), contents(next));
    QCOMPARE(contents(m_dest + QStringLiteral("/Album")), QByteArray("a file"));
    QCOMPARE(contents(m_dest + QStringLiteral("/clash.jpg/keep.jpg")), QByteArray("kept"));
}

void TestCopyEngine::folderIntoItself()
{
    m_dir->createFileOfSize(QStringLiteral("source/Loop/a.jpg"), 10);
    const QString inner = m_dir->createFolder(QStringLiteral("source/Loop/Inner"));
    const QString next = m_dir->createFileOfSize(QStringLiteral("source/next.jpg"), 20);

    const Run run = copy({ QFileInfo(m_source + QStringLiteral("/Loop")), QFileInfo(next) }, inner);

    QVERIFY(run.finished);
    QVERIFY(run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg> { CopyError });
    QVERIFY(!QFileInfo::exists(inner + QStringLiteral("/Loop")));
    QCOMPARE(contents(inner + QStringLiteral("/next.jpg")), contents(next));
}

void TestCopyEngine::fullDestination_data()
{
    QTest::addColumn<bool>("throughBuffer");

    QTest::newRow("in the kernel") << false;
    QTest::newRow("through the buffer") << true;
}

void TestCopyEngine::fullDestination()
{
    QFETCH(bool, throughBuffer);

    // Room for the sources on the same tmpfs as the destination, but not for
    // their copies: the kernel's copy within a file system fails there.
    const QString full = m_dir->filePath(QStringLiteral("device/full"));
    const TmpfsMount tmpfs(full, throughBuffer ? QStringLiteral("size=1m") : QStringLiteral("size=4m"));
    if (!tmpfs.isMounted())
        QSKIP("mounting a tmpfs is not allowed here");
    const QString dest = full + QStringLiteral("/dest");
    QVERIFY(QDir().mkpath(dest));
    // Here the write itself finds the device full.
    CopyPreflight::setProbe(volumeOfKind(VolumeFacts::Other));
    QString skipReason;
    const QString folder = throughBuffer ? m_source : sourceFolder(false, dest, &skipReason);
    if (folder.isEmpty())
        QSKIP(qPrintable(skipReason));
    const QString relative = QDir(m_dir->path()).relativeFilePath(folder) + QLatin1Char('/');
    const QString small = m_dir->createFileOfSize(relative + QStringLiteral("small.jpg"), 10000);
    const QString large = m_dir->createFileOfSize(relative + QStringLiteral("large.jpg"), 3 * mib);
    const QString after = m_dir->createFileOfSize(relative + QStringLiteral("after.jpg"), 10);
    QVERIFY(!small.isEmpty() && !large.isEmpty() && !after.isEmpty());
    QVERIFY(!m_dir->createFile(QStringLiteral("device/full/dest/large.jpg"), "old").isEmpty());

    const Run run = copy({ QFileInfo(small), QFileInfo(large), QFileInfo(after) }, dest, answers({ yes }));

    QVERIFY(run.finished);
    QVERIFY(!run.result);
    QCOMPARE(run.dialogs, (QList<CopyDlg> { AskOverwrite, DriveSpaceError }));
    QCOMPARE(contents(dest + QStringLiteral("/small.jpg")), contents(small));
    QCOMPARE(contents(dest + QStringLiteral("/large.jpg")), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(dest + QStringLiteral("/after.jpg")));
    QCOMPARE(temporaryFiles(full), QStringList());
}

void TestCopyEngine::unplugMidCopy_data()
{
    QTest::addColumn<bool>("destinationVanishes");

    QTest::newRow("destination folder gone") << true;
    QTest::newRow("write fails on a full device") << false;
}

void TestCopyEngine::unplugMidCopy()
{
    QFETCH(bool, destinationVanishes);

    const QString folder
        = destinationVanishes ? QStringLiteral("device/dest") : QStringLiteral("device/full");
    const QString dest = m_dir->filePath(folder);
    QScopedPointer<TmpfsMount> tmpfs;
    if (!destinationVanishes) {
        tmpfs.reset(new TmpfsMount(dest, QStringLiteral("size=1m")));
        if (!tmpfs->isMounted())
            QSKIP("mounting a tmpfs is not allowed here");
        CopyPreflight::setProbe(volumeOfKind(VolumeFacts::Other));
    }
    m_deviceBackend->plug(m_device);
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), m_device);
    const QString large = m_dir->createFileOfSize(QStringLiteral("source/large.jpg"), 3 * 1048576);
    QVERIFY(!m_dir->createFile(folder + QStringLiteral("/large.jpg"), "old").isEmpty());

    // The device is pulled while the overwrite question is open.
    const Run run = copy({ QFileInfo(large) }, dest, [&](CopyDlg, const QString &) {
        m_deviceBackend->unplug();
        if (!mountPoint().isEmpty())
            return no;
        if (destinationVanishes)
            QDir(dest).removeRecursively();
        return yes;
    });

    QVERIFY(run.finished);
    QVERIFY(!run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg> { AskOverwrite });
    QCOMPARE(temporaryFiles(dest), QStringList());
    if (!destinationVanishes)
        QCOMPARE(contents(dest + QStringLiteral("/large.jpg")), QByteArray("old"));
}

void TestCopyEngine::exitDuringCopyEndsWorkerFirst_data()
{
    QTest::addColumn<QString>("busy");
    QTest::addColumn<qint64>("size");

    QTest::newRow("waiting on a question") << QStringLiteral("question") << qint64(10);
    QTest::newRow("moving data") << QStringLiteral("transfer") << 64 * mib;
    // The program links the engine alone, which must make the types its
    // worker sends known itself.
    QTest::newRow("question answered") << QStringLiteral("answer") << qint64(10);
}

void TestCopyEngine::exitDuringCopyEndsWorkerFirst()
{
    QFETCH(QString, busy);
    QFETCH(qint64, size);

    const QString file = m_dir->createFileOfSize(QStringLiteral("source/big.jpg"), size);
    const bool asks = busy != QLatin1String("transfer");
    if (asks)
        QVERIFY(!m_dir->createFile(QStringLiteral("device/dest/big.jpg"), "old").isEmpty());
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(OPALO_COPY_AT_EXIT_PATH), { busy, m_dest, file });
    QVERIFY(program.waitForFinished(copyTimeoutMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    if (busy == QLatin1String("question"))
        QCOMPARE(contents(m_dest + QStringLiteral("/big.jpg")), QByteArray("old"));
    if (busy == QLatin1String("answer"))
        QCOMPARE(contents(m_dest + QStringLiteral("/big.jpg")), contents(file));
}

void TestCopyEngine::unreadableSourceIsCopyError()
{
    const DamagedVolume volume(
        m_dir->filePath(QStringLiteral("damaged")), QStringLiteral("photo.jpg"), 100000);
    if (!volume.isMounted())
        QSKIP("an ext2 image cannot be made and mounted here");
    const QString next = m_dir->createFileOfSize(QStringLiteral("source/next.jpg"), 20);

    const Run run
        = copy({ QFileInfo(m_dir->filePath(QStringLiteral("damaged/photo.jpg"))), QFileInfo(next) }, m_dest);

    QVERIFY(run.finished);
    QCOMPARE(run.dialogs, QList<CopyDlg> { CopyError });
    QCOMPARE(run.dialogFiles, QStringList { QStringLiteral("photo.jpg") });
    QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/photo.jpg")));
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome> { CopyOutcome::ReadError });
    // The next file is copied all the same.
    QVERIFY(run.result);
    QCOMPARE(contents(m_dest + QStringLiteral("/next.jpg")), contents(next));
}

void TestCopyEngine::copyStartedWhileCancelledCopyEndsFollowsIt()
{
    const QString first = m_dir->createFileOfSize(QStringLiteral("source/first.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/first.jpg"), "old");
    const QString second = m_dir->createFileOfSize(QStringLiteral("source/second.jpg"), 20);

    // Cancelled at its question; the next copy starts at once, while the
    // first one's worker is still on its way out.
    CopyJob *firstJob = newCopy({ QFileInfo(first) }, m_dest);
    const std::unique_ptr<CopyJob> secondJob(
        m_engine->makeCopy({ { QFileInfo(second) }, ExternalDeviceMode, m_dest, PicturesMode }, nullptr));
    QSignalSpy firstFinished(firstJob, &CopyJob::finished);
    QSignalSpy finished(secondJob.get(), &CopyJob::finished);
    bool secondStarted = false;
    connect(firstJob, &CopyJob::questionAsked, this, [&] {
        firstJob->cancel();
        secondStarted = secondJob->start();
    });
    QVERIFY(firstJob->start());
    QVERIFY(finished.wait(copyTimeoutMs));
    QTRY_COMPARE(firstFinished.count(), 1);

    QVERIFY(secondStarted);
    QCOMPARE(firstFinished.at(0).at(0).toBool(), false);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(contents(m_dest + QStringLiteral("/second.jpg")), contents(second));
    QCOMPARE(contents(m_dest + QStringLiteral("/first.jpg")), QByteArray("old"));
}

void TestCopyEngine::copyStartResetsShownProgress()
{
    const QString first = m_dir->createFileOfSize(QStringLiteral("source/first.jpg"), 10);
    const QString second = m_dir->createFileOfSize(QStringLiteral("source/second.jpg"), 10);
    QVERIFY(copy({ QFileInfo(first) }, m_dest).result);

    // The next copy shows its progress from the start again.
    std::unique_ptr<QSignalSpy> progress;
    beforeStart([&] { progress = std::make_unique<QSignalSpy>(m_job.get(), &CopyJob::progressChanged); });
    QVERIFY(copy({ QFileInfo(second) }, m_dest).result);
    QCOMPARE(progress->count(), 1);
    QCOMPARE(progress->at(0).at(2).toReal(), 100.0);
}

void TestCopyEngine::questionAfterCancelIsDropped()
{
    const QString file = m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 10);
    m_dir->createFile(QStringLiteral("device/dest/a.jpg"), "old");

    // Cancelled between the question's raising and its arrival: this thread
    // takes no event until the cancel is done.
    QSemaphore cancelled;
    CopyJob *job = newCopy({ QFileInfo(file) }, m_dest);
    connect(
        worker(), &AsyncCopy::questionAsked, this,
        [&] {
            job->cancel();
            cancelled.release();
        },
        Qt::DirectConnection);
    QSignalSpy questions(job, &CopyJob::questionAsked);
    QSignalSpy finished(job, &CopyJob::finished);
    QVERIFY(job->start());
    QVERIFY(cancelled.tryAcquire(1, copyTimeoutMs));
    QVERIFY(finished.wait(copyTimeoutMs));

    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(questions.count(), 0);
}

void TestCopyEngine::onlyRecordedTemporariesAreSwept_data()
{
    QTest::addColumn<QString>("when");

    QTest::newRow("the device arrives") << QStringLiteral("arrival");
    QTest::newRow("a copy starts") << QStringLiteral("copy");
    // The copy removes what the earlier one left; its own stay its own.
    QTest::newRow("the device arrives while a copy asks") << QStringLiteral("arrival during copy");
}

void TestCopyEngine::onlyRecordedTemporariesAreSwept()
{
    QFETCH(QString, when);

    // What an interrupted copy left, as its journal lists it.
    const QStringList ours { m_dir->createFile(QStringLiteral("device/.opalosync-Ab12Cd"), "partial"),
        m_dir->createFile(QStringLiteral("device/dest/.opalosync-xY9z0Q"), "partial"),
        m_dir->createFolder(QStringLiteral("device/dest/.opalosync-F0ld3r/sub"))
            .section(QLatin1Char('/'), 0, -2) };
    m_dir->createFile(QStringLiteral("device/dest/.opalosync-F0ld3r/sub/a.jpg"), "whole");
    // Shaped like temporaries, or listed through a link, but the user's.
    TestDir outside;
    const QStringList theirs {
        m_dir->createFile(QStringLiteral("device/.opalosync-Backup/inner/thesis.doc"), "the user's"),
        m_dir->createFile(QStringLiteral("device/dest/.opalosync-Zz9Zz9"), "not listed"),
        m_dir->createFile(QStringLiteral("device/.opalo"), "Magno"),
        outside.createFile(QStringLiteral(".opalosync-0ut5id"), "outside"),
        m_dir->createSymlink(outside.filePath(QStringLiteral(".opalosync-0ut5id")),
            QStringLiteral("device/dest/.opalosync-L1nk00")),
        m_dir->createSymlink(outside.path(), QStringLiteral("device/linked")),
    };
    const QByteArrayList records { ".opalosync-Ab12Cd", "dest/.opalosync-xY9z0Q", "dest/.opalosync-F0ld3r",
        "dest/.opalosync-L1nk00", "linked/.opalosync-0ut5id", "../.opalosync-0ut5id",
        "gone/.opalosync-Gone00" };
    QVERIFY(!m_dir
            ->createFile(QLatin1String("device/") + QLatin1String(TemporaryJournal::fileName),
                records.join('\0') + '\0')
            .isEmpty());
    const QString newFile = m_dir->createFileOfSize(QStringLiteral("source/new.jpg"), 10);
    const QString oldFile = m_dir->createFileOfSize(QStringLiteral("source/old.jpg"), 20);
    m_dir->createFile(QStringLiteral("device/dest/old.jpg"), "old");
    if (when == QLatin1String("arrival")) {
        reconnect();
    } else if (when == QLatin1String("copy")) {
        QVERIFY(copy({ QFileInfo(newFile) }, m_dest).result);
    } else {
        const Run run
            = copy({ QFileInfo(newFile), QFileInfo(oldFile) }, m_dest, [&](CopyDlg, const QString &) {
                  reconnect();
                  return yes;
              });
        QVERIFY(run.result);
        QCOMPARE(contents(m_dest + QStringLiteral("/old.jpg")), contents(oldFile));
    }

    for (const QString &path : ours)
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    for (const QString &path : theirs)
        QVERIFY2(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), qPrintable(path));
    QVERIFY(!QFileInfo::exists(m_device + QLatin1Char('/') + QLatin1String(TemporaryJournal::fileName)));
    if (when != QLatin1String("arrival"))
        QCOMPARE(contents(m_dest + QStringLiteral("/new.jpg")), contents(newFile));
    for (const QString &path : theirs)
        QFile::remove(path);
}

void TestCopyEngine::journalSweptWhateverItHolds_data()
{
    QTest::addColumn<QString>("journal");

    QTest::newRow("past 4 MiB") << QStringLiteral("large");
    QTest::newRow("records no file system takes") << QStringLiteral("junk");
    QTest::newRow("a temporary 3,000 folders deep") << QStringLiteral("deep");
}

void TestCopyEngine::journalSweptWhateverItHolds()
{
    QFETCH(QString, journal);
    const QString ours = m_dir->createFile(QStringLiteral("device/dest/.opalosync-Ours00"), "partial");
    const QString theirs = m_dir->createFile(QStringLiteral("device/dest/.opalosync-Their"), "the user's");
    const QString deep = m_dir->createFolder(QStringLiteral("device/dest/.opalosync-Deep00"));
    QByteArray records;
    if (journal == QLatin1String("large")) {
        // Names placed long ago, recorded before the one left.
        while (records.size() <= 5 * mib)
            records += QByteArray("dest/.opalosync-Gone00") + '\0';
    } else if (journal == QLatin1String("junk")) {
        records += QByteArray(300, 'n') + "/.opalosync-Long00" + '\0' + QByteArray(3 * PATH_MAX, 'x') + '\0';
    } else {
        QVERIFY(makeDeepFolders(deep, 3000));
    }
    records += QByteArray("dest/.opalosync-Deep00") + '\0' + "dest/.opalosync-Ours00" + '\0';
    const QString journalPath
        = m_dir->createFile(QLatin1String("device/") + QLatin1String(TemporaryJournal::fileName), records);

    // A few descriptors more than are open now: a sweep that holds one per
    // folder level runs out of them.
    struct rlimit limit;
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &limit) == 0);
    const rlim_t softLimit = limit.rlim_cur;
    limit.rlim_cur = rlim_t(highestOpenDescriptor() + 16);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &limit) == 0);
    TemporaryJournal::sweep(m_device);
    limit.rlim_cur = softLimit;
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &limit) == 0);

    QVERIFY(!QFileInfo::exists(ours));
    QVERIFY(!QFileInfo::exists(deep));
    QVERIFY(QFileInfo::exists(theirs));
    QVERIFY(!QFileInfo::exists(journalPath));
}

void TestCopyEngine::journalCompactedDuringCopy()
{
    // A merge into many existing folders with long names records more names
    // than the journal may hold at once.
    const QString longName(200, QLatin1Char('f'));
    const int folders = 640;
    for (int i = 0; i < folders; ++i) {
        const QString folder = QStringLiteral("/merge/%1%2").arg(longName).arg(i);
        m_dir->createFileOfSize(QStringLiteral("source") + folder + QStringLiteral("/photo.jpg"), 10);
        m_dir->createFile(QStringLiteral("device/dest") + folder + QStringLiteral("/photo.jpg"), "old");
    }
    const QString journal = m_device + QLatin1Char('/') + QLatin1String(TemporaryJournal::fileName);
    qint64 largest = 0;
    int questions = 0;

    const Run run
        = copy({ QFileInfo(m_source + QStringLiteral("/merge")) }, m_dest, [&](CopyDlg, const QString &) {
              largest = qMax(largest, QFileInfo(journal).size());
              ++questions;
              return yes;
          });

    QVERIFY(run.result);
    QCOMPARE(questions, folders);
    QVERIFY2(largest > 0 && largest <= 4 * mib, qPrintable(QString::number(largest)));
    QVERIFY(!QFileInfo::exists(journal));
}

void TestCopyEngine::copiesWhereJournalCannotBeWritten_data()
{
    QTest::addColumn<QString>("root");

    QTest::newRow("a read-only device root") << QStringLiteral("read-only");
    QTest::newRow("a folder in the journal's place") << QStringLiteral("folder");
}

void TestCopyEngine::copiesWhereJournalCannotBeWritten()
{
    QFETCH(QString, root);
    std::unique_ptr<TmpfsMount> device;
    std::unique_ptr<TmpfsMount> category;
    if (root == QLatin1String("read-only")) {
        device = std::make_unique<TmpfsMount>(m_device, QStringLiteral("size=1m"));
        category = std::make_unique<TmpfsMount>(m_dest, QStringLiteral("size=1m"));
        if (!device->isMounted() || !category->isMounted()
            || !LoopVolume::run(QStringLiteral("mount"), { "-o", "remount,ro", m_device }))
            QSKIP("mounting a tmpfs is not allowed here");
    } else {
        m_dir->createFolder(QLatin1String("device/") + QLatin1String(TemporaryJournal::fileName));
    }
    // What a copy killed under the same circumstances left, and a name of
    // the user's much like it.
    const QString left = m_dir->createFile(QStringLiteral("device/dest/.opalo-Killed00.part"), "partial");
    const QString theirs = m_dir->createFile(QStringLiteral("device/dest/.opalo-notes.part"), "the user's");
    const QString photo = m_dir->createFileOfSize(QStringLiteral("source/photo.jpg"), 10);
    const QString existing = m_dir->createFileOfSize(QStringLiteral("source/existing.jpg"), 20);
    m_dir->createFile(QStringLiteral("device/dest/existing.jpg"), "old");

    const Run run = copy({ QFileInfo(photo), QFileInfo(existing) }, m_dest, answers({ yes }));

    QVERIFY(run.result);
    QCOMPARE(run.dialogs, QList<CopyDlg> { AskOverwrite });
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome>());
    QCOMPARE(contents(m_dest + QStringLiteral("/photo.jpg")), contents(photo));
    QCOMPARE(contents(m_dest + QStringLiteral("/existing.jpg")), contents(existing));
    QVERIFY(!QFileInfo::exists(left));
    QCOMPARE(contents(theirs), QByteArray("the user's"));
}

void TestCopyEngine::killedCopyToPcSweptAtNextStart()
{
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("state"))));
    const auto restore = qScopeGuard([] { qunsetenv("XDG_STATE_HOME"); });
    const QString home = m_dir->createFolder(QStringLiteral("home"));
    const QString first = m_dir->createFileOfSize(QStringLiteral("source/first.jpg"), 10);
    const QString second = m_dir->createFileOfSize(QStringLiteral("source/second.jpg"), 20);
    m_dir->createFile(QStringLiteral("home/second.jpg"), "old");

    // Killed at the question about the second file, while the first waits
    // under its temporary name for the flush.
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(OPALO_COPY_AT_EXIT_PATH), { QStringLiteral("killed"), home, first, second });
    QVERIFY(program.waitForFinished(copyTimeoutMs));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    QCOMPARE(temporaryFiles(home).size(), 1);

    m_engine->sweepHostTemporaries();
    m_engine->stopThreads();

    QCOMPARE(temporaryFiles(home), QStringList());
    QCOMPARE(entriesOf(home), QStringList { QStringLiteral("second.jpg") });
    QVERIFY(
        !QFileInfo::exists(TemporaryJournal::hostFolder() + QLatin1Char('/') + TemporaryJournal::fileName));
}

void TestCopyEngine::linksAreNeverFollowed_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("asUser");

    // The link stands for the destination folder itself, for a folder the
    // copy would merge into, or for an entry selected on the device.
    for (const bool asUser : { false, true }) {
        for (const char *link :
            { "destination", "folder in the destination", "selected file", "selected folder" })
            QTest::addRow("%s, as %s", link, asUser ? "a user" : "the super-user")
                << QString::fromLatin1(link) << asUser;
    }
}

void TestCopyEngine::linksAreNeverFollowed()
{
    QFETCH(QString, link);
    QFETCH(bool, asUser);

    if (asUser && ::geteuid() != 0)
        asUser = false;
    // A private folder, with a file its owner alone may read.
    const QString secrets = m_dir->createFolder(QStringLiteral("outside/private"));
    const QString secret = m_dir->createFile(QStringLiteral("outside/private/secret.jpg"), "secret");
    const QString photo = m_dir->createFile(QStringLiteral("source/private/photo.jpg"), "photo");
    const QString home = m_dir->createFolder(QStringLiteral("home"));
    QFileInfoList selection;
    QString dest = m_dest;
    BrowserMode target = ExternalDeviceMode;
    if (link == QLatin1String("destination")) {
        dest = m_dir->createSymlink(secrets, QStringLiteral("device/linked"));
        selection << QFileInfo(photo);
    } else if (link == QLatin1String("folder in the destination")) {
        m_dir->createSymlink(secrets, QStringLiteral("device/dest/private"));
        selection << QFileInfo(m_source + QStringLiteral("/private"));
    } else {
        const bool file = link == QLatin1String("selected file");
        selection << QFileInfo(
            m_dir->createSymlink(file ? secret : secrets, QStringLiteral("device/evil.jpg")));
        dest = home;
        target = HostMode;
    }
    if (asUser) {
        QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
        QCOMPARE(QProcess::execute(QStringLiteral("chown"),
                     { QStringLiteral("-R"), QStringLiteral("65534:65534"), m_dir->path() }),
            0);
    }
    QVERIFY(::chmod(QFile::encodeName(secrets).constData(), 0700) == 0);
    QVERIFY(::chmod(QFile::encodeName(secret).constData(), 0600) == 0);

    Run run;
    {
        const EffectiveUser user(asUser ? EffectiveUser::nobody : ::geteuid());
        run = copy(selection, dest, nullptr, target);
    }

    QVERIFY(run.finished);
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome> { CopyOutcome::IsLink });
    QCOMPARE(modeOf(secrets), mode_t(0700));
    QCOMPARE(entriesOf(secrets), QStringList { QStringLiteral("secret.jpg") });
    QCOMPARE(entriesOf(home), QStringList());
}

void TestCopyEngine::fatThroughFuseKeepsFatRules()
{
    // A real FAT file system, mounted in userspace: statfs says only FUSE.
    const QString image = m_dir->filePath(QStringLiteral("fat.img"));
    const QString fat = m_dir->createFolder(QStringLiteral("device/fat"));
    QFile file(image);
    if (QStandardPaths::findExecutable(QStringLiteral("fusefat")).isEmpty()
        || !file.open(QIODevice::WriteOnly) || !file.resize(32 * mib))
        QSKIP("fusefat is not installed here");
    file.close();
    if (!LoopVolume::run(QStringLiteral("mkfs.vfat"), { image })
        || !LoopVolume::run(
            QStringLiteral("fusefat"), { QStringLiteral("-o"), QStringLiteral("rw+"), image, fat }))
        QSKIP("a FAT file system cannot be mounted in userspace here");
    const auto unmount
        = qScopeGuard([&fat] { LoopVolume::run(QStringLiteral("fusermount"), { "-u", fat }); });
    const QString refused = m_dir->createFileOfSize(QStringLiteral("source/notes: draft.jpg"), 10);

    QCOMPARE(CopyPreflight::probe(fat).kind, VolumeFacts::Fat);
    m_beforeCopyAnswer = AnswerCancel;
    const Run run = copy({ QFileInfo(refused) }, fat);
    // Asked about before anything is written, not a "rights" box per file.
    QCOMPARE(run.askedBefore, QStringList { QStringLiteral("notes: draft.jpg") });
    QCOMPARE(run.dialogs, QList<CopyDlg>());

    // fusefat's rename gives a file today's date: the copy sets it again.
    const QString photo = m_dir->createFileOfSize(QStringLiteral("source/photo.jpg"), 10);
    setModificationTime(photo, oldDateMs);
    QVERIFY(copy({ QFileInfo(photo) }, fat).result);
    const qint64 arrivedMs = QFileInfo(fat + QStringLiteral("/photo.jpg")).lastModified().toMSecsSinceEpoch();
    QVERIFY2(
        qAbs(arrivedMs - oldDateMs) <= fatTimeStepMs, qPrintable(QString::number(arrivedMs - oldDateMs)));
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome>());

    // Of the same size and date, but another file: not already there.
    const QString other = m_dir->createFileOfSize(QStringLiteral("source/PHOTO.JPG"), 10);
    setModificationTime(other, oldDateMs);
    m_beforeCopyAnswer = yes;
    QCOMPARE(copy({ QFileInfo(other) }, fat).askedBefore, QStringList { QStringLiteral("PHOTO.JPG") });
    QCOMPARE(m_job->summary().alreadyThere, 0);

    // FAT holds less than 4 GiB in a file: refused before a byte is written.
    QFile large(m_dir->filePath(QStringLiteral("source/large.mov")));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(4 * 1024 * mib + 1));
    large.close();
    const QStringList before = entriesOf(fat);
    QCOMPARE(copy({ QFileInfo(large) }, fat).askedBefore, QStringList { QStringLiteral("large.mov") });
    QCOMPARE(reasonsOf(m_job->failures()), QList<CopyOutcome> { CopyOutcome::TooLarge });
    QCOMPARE(entriesOf(fat), before);
}

void TestCopyEngine::failureTellsItsCauseOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<CopyOutcome>("cause");
    QTest::newRow("a read-only netbook") << QStringLiteral("read-only") << CopyOutcome::ReadOnly;
    QTest::newRow("PC files the user may not read")
        << QStringLiteral("unreadable") << CopyOutcome::NoRightsToRead;
}

void TestCopyEngine::failureTellsItsCauseOnce()
{
    QFETCH(QString, fault);
    QFETCH(CopyOutcome, cause);
    const QFileInfoList files { QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/a.jpg"), 10)),
        QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/b.jpg"), 10)) };
    std::unique_ptr<TmpfsMount> readOnly;
    if (fault == QLatin1String("read-only")) {
        readOnly = std::make_unique<TmpfsMount>(m_dest, QStringLiteral("ro,size=1m"));
        if (!readOnly->isMounted())
            QSKIP("mounting a tmpfs is not allowed here");
    } else {
        for (const QFileInfo &file : files)
            QVERIFY(::chmod(QFile::encodeName(file.filePath()).constData(), 0) == 0);
        QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(m_dest).constData(), 0777) == 0);
    }

    Run run;
    {
        const EffectiveUser user(readOnly ? ::geteuid() : EffectiveUser::nobody);
        run = copy(files, m_dest);
    }

    QVERIFY(run.finished);
    // One box for the cause; the report names each file with it.
    QCOMPARE(run.causes, QList<CopyOutcome> { cause });
    QCOMPARE(reasonsOf(m_job->failures()), (QList<CopyOutcome> { cause, cause }));
}

QTEST_MAIN(TestCopyEngine)
#include "tst_copyengine.moc"

void TestCopyEngine::keepsModificationTimes_data()
{
    QTest::addColumn<BrowserMode>("target");

    QTest::newRow("to the device") << ExternalDeviceMode;
    QTest::newRow("to the PC") << HostMode;
}

void TestCopyEngine::keepsModificationTimes()
{
    QFETCH(BrowserMode, target);

    const QString album = m_dir->createFolder(QStringLiteral("source/album"));
    const QString photo = m_dir->createFileOfSize(QStringLiteral("source/album/photo.jpg"), 5000);
    const QString single = m_dir->createFileOfSize(QStringLiteral("source/single.jpg"), 10);
    setModificationTime(photo, oldDateMs);
    setModificationTime(single, oldDateMs + 60000);
    setModificationTime(album, oldDateMs - 60000);

    const Run run = copy({ QFileInfo(album), QFileInfo(single) }, m_dest, nullptr, target);

    QVERIFY(run.finished);
    QVERIFY(run.result);
    QVERIFY(qAbs(modificationTime(m_dest + QStringLiteral("/album/photo.jpg")) - oldDateMs) < fatTimeStepMs);
    QVERIFY(
        qAbs(modificationTime(m_dest + QStringLiteral("/single.jpg")) - oldDateMs - 60000) < fatTimeStepMs);
    QVERIFY(qAbs(modificationTime(m_dest + QStringLiteral("/album")) - oldDateMs + 60000) < fatTimeStepMs);
}

void TestCopyEngine::namesOnFat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("safe");

    for (const char refused : QByteArray("\"*:<>?\\|"))
        QTest::addRow("%c", refused) << QStringLiteral("a%1b.jpg").arg(QLatin1Char(refused))
                                     << QStringLiteral("a_b.jpg");
    QTest::newRow("tab") << QStringLiteral("a\tb.jpg") << QStringLiteral("a_b.jpg");
    QTest::newRow("control character") << QStringLiteral("a\x01 b.jpg") << QStringLiteral("a_ b.jpg");
    QTest::newRow("trailing dot") << QStringLiteral("notes.") << QStringLiteral("notes");
    QTest::newRow("trailing blank") << QStringLiteral("notes ") << QStringLiteral("notes");
    QTest::newRow("trailing dots and blanks") << QStringLiteral("notes. .") << QStringLiteral("notes");
    QTest::newRow("only dots") << QStringLiteral("...") << QStringLiteral("_");
    QTest::newRow("plain") << QStringLiteral("photo.jpg") << QStringLiteral("photo.jpg");
    // Long names on FAT hold these; only short names refuse them.
    QTest::newRow("punctuation") << QStringLiteral("a,b;c=d+e[f].jpg") << QStringLiteral("a,b;c=d+e[f].jpg");
    QTest::newRow("leading dot and accents") << QStringLiteral(".été") << QStringLiteral(".été");
}

void TestCopyEngine::namesOnFat()
{
    QFETCH(QString, name);
    QFETCH(QString, safe);

    QCOMPARE(CopyPreflight::fatSafeName(name), safe);
    QCOMPARE(CopyPreflight::isNameAllowedOnFat(name), safe == name);
}

void TestCopyEngine::refusedNamesOnFat_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("arrived");

    QTest::newRow("copy under safe names") << int(AnswerApply)
                                           << QStringList { "Plain(copy_1).JPG", "a_b(copy_1).jpg",
                                                  "a_b(copy_2).jpg", "a_b.jpg", "album_", "plain.jpg" };
    QTest::newRow("copy the rest") << yes << QStringList { "a_b.jpg", "plain.jpg" };
    QTest::newRow("cancel") << int(AnswerCancel) << QStringList();
}

void TestCopyEngine::refusedNamesOnFat()
{
    QFETCH(int, answer);
    QFETCH(QStringList, arrived);

    // Two names that become the same as a third once made safe, and two
    // that differ in case only, which FAT does not tell apart.
    QFileInfoList files;
    for (const QString name : { "a:b.jpg", "a?b.jpg", "a_b.jpg", "plain.jpg", "Plain.JPG" })
        files << QFileInfo(m_dir->createFile(QStringLiteral("source/") + name, name.toUtf8()));
    files << QFileInfo(QFileInfo(m_dir->createFile(QStringLiteral("source/album?/inside.jpg"), "in")).path());
    CopyPreflight::setProbe(volumeOfKind(VolumeFacts::Fat));
    m_beforeCopyAnswer = answer;

    const Run run = copy(files, m_dest);

    QVERIFY(run.finished);
    QVERIFY(run.offeredSafeNames);
    QCOMPARE(run.askedBefore, (QStringList { "a:b.jpg", "a?b.jpg", "Plain.JPG", "album?" }));
    QCOMPARE(entriesOf(m_dest), arrived);
    QCOMPARE(contents(m_dest + QStringLiteral("/a_b.jpg")), arrived.isEmpty() ? "<unreadable>" : "a_b.jpg");
    if (arrived.contains(QStringLiteral("album_")))
        QCOMPARE(contents(m_dest + QStringLiteral("/album_/inside.jpg")), QByteArray("in"));
    // Refused and reported only when the user copies the rest without them.
    const QList<CopyOutcome> refused { CopyOutcome::NameNotAllowed, CopyOutcome::NameNotAllowed,
        CopyOutcome::SameNameInOtherCase, CopyOutcome::NameNotAllowed };
    QCOMPARE(reasonsOf(m_job->failures()), answer == yes ? refused : QList<CopyOutcome>());
}

void TestCopyEngine::existingFileInOtherCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("arrived");
    QTest::addColumn<int>("alreadyThere");

    const QString exact = QStringLiteral("IMG_0001.JPG");
    QTest::newRow("under its exact name") << exact << yes << QStringList { exact } << 1;
    QTest::newRow("in other case, refused")
        << QStringLiteral("img_0001.jpg") << yes << QStringList { exact } << 0;
    QTest::newRow("in other case, under a free name")
        << QStringLiteral("img_0001.jpg") << int(AnswerApply)
        << QStringList { exact, QStringLiteral("img_0001(copy_1).jpg") } << 0;
}

void TestCopyEngine::existingFileInOtherCase()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QStringList, arrived);
    QFETCH(int, alreadyThere);
    // Two cameras' pictures of one size and date.
    const QString existing = m_dir->createFile(QStringLiteral("device/dest/IMG_0001.JPG"), "first camera");
    const QString picture = m_dir->createFile(QStringLiteral("source/") + name, "other camera");
    setModificationTime(existing, oldDateMs);
    setModificationTime(picture, oldDateMs);
    CopyPreflight::setProbe(volumeOfKind(VolumeFacts::Fat));
    m_beforeCopyAnswer = answer;

    const Run run = copy({ QFileInfo(picture) }, m_dest);

    QVERIFY(run.finished);
    QCOMPARE(run.askedBefore, alreadyThere ? QStringList() : QStringList { name });
    QCOMPARE(entriesOf(m_dest), arrived);
    QCOMPARE(contents(existing), QByteArray("first camera"));
    QCOMPARE(m_job->summary().alreadyThere, alreadyThere);
    const bool refused = answer == yes && !alreadyThere;
    QCOMPARE(reasonsOf(m_job->failures()),
        refused ? QList<CopyOutcome> { CopyOutcome::SameNameInOtherCase } : QList<CopyOutcome>());
}

void TestCopyEngine::selectionLargerThanRoom_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("arrived");

    QTest::newRow("cancel writes nothing") << int(AnswerCancel) << QStringList();
    QTest::newRow("copy the rest") << yes << QStringList { "first.jpg", "last.jpg" };
}

void TestCopyEngine::selectionLargerThanRoom()
{
    QFETCH(int, answer);
    QFETCH(QStringList, arrived);

    const TmpfsMount tmpfs(m_dir->filePath(QStringLiteral("device/small")), QStringLiteral("size=1m"));
    if (!tmpfs.isMounted())
        QSKIP("mounting a tmpfs is not allowed here");
    const QString dest = tmpfs.path();
    // The large file does not fit after the first; the last fits after it.
    const QFileInfoList files { QFileInfo(
                                    m_dir->createFileOfSize(QStringLiteral("source/first.jpg"), 300000)),
        QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/large.jpg"), 900000)),
        QFileInfo(m_dir->createFileOfSize(QStringLiteral("source/last.jpg"), 300000)) };
    m_beforeCopyAnswer = answer;

    const Run run = copy(files, dest);

    QVERIFY(run.finished);
    QCOMPARE(run.result, answer == yes);
    QCOMPARE(run.askedBefore, QStringList { "large.jpg" });
    QVERIFY(!run.offeredSafeNames);
    QCOMPARE(run.dialogs, QList<CopyDlg>());
    QCOMPARE(entriesOf(dest), arrived);
    for (const QString &name : arrived)
        QCOMPARE(contents(dest + QLatin1Char('/') + name), contents(m_source + QLatin1Char('/') + name));
    QCOMPARE(reasonsOf(m_job->failures()),
        answer == yes ? QList<CopyOutcome> { CopyOutcome::NoSpace } : QList<CopyOutcome>());
}

void TestCopyEngine::fourGibFile_data()
{
    QTest::addColumn<VolumeFacts::Kind>("kind");
    QTest::addColumn<bool>("refused");

    QTest::newRow("FAT refuses it") << VolumeFacts::Fat << true;
    // exFAT holds files far larger.
    QTest::newRow("exFAT takes it") << VolumeFacts::ExFat << false;
    QTest::newRow("another kind takes it") << VolumeFacts::Other << false;
}

void TestCopyEngine::fourGibFile()
{
    QFETCH(VolumeFacts::Kind, kind);
    QFETCH(bool, refused);

    QFile huge(m_dir->filePath(QStringLiteral("source/huge.jpg")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(Q_INT64_C(4294967296)));
    huge.close();
    CopyPreflight::setProbe(volumeOfKind(kind));
    // A copy that starts has shown what it needed to; it need not move 4 GiB.
    beforeStart([this] { connect(m_job.get(), &CopyJob::fileNameChanged, m_job.get(), &CopyJob::cancel); });

    const Run run = copy({ QFileInfo(huge) }, m_dest);

    QVERIFY(run.finished);
    QCOMPARE(run.askedBefore, refused ? QStringList { "huge.jpg" } : QStringList());
    QCOMPARE(run.result, refused);
    QCOMPARE(reasonsOf(m_job->failures()),
        refused ? QList<CopyOutcome> { CopyOutcome::TooLarge } : QList<CopyOutcome>());
    QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/huge.jpg")));
}

void TestCopyEngine::retryCopiesWhatFailedOnceMended()
{
    const QString album = m_dir->createFolder(QStringLiteral("source/album"));
    QVERIFY(!m_dir->createFile(QStringLiteral("source/album/photo.jpg"), "photo").isEmpty());
    const QString blocker = m_dir->createFile(QStringLiteral("device/dest/album"), "not a folder");

    const Run run = copy({ QFileInfo(album) }, m_dest);

    QVERIFY(run.finished);
    QCOMPARE(run.dialogs, QList<CopyDlg> { RightsError });
    QCOMPARE(m_job->failures().size(), 1);
    QCOMPARE(m_job->failures().first().source, album);
    QVERIFY(m_job->failures().first().isRetriable());
    QVERIFY(QFile::remove(blocker));

    QSignalSpy finished(m_job.get(), &CopyJob::finished);
    QVERIFY(m_job->retry());
    QVERIFY(finished.wait(copyTimeoutMs));

    QVERIFY(finished.at(0).at(0).toBool());
    QCOMPARE(contents(m_dest + QStringLiteral("/album/photo.jpg")), QByteArray("photo"));
    QCOMPARE(m_job->failures().size(), 0);
    QVERIFY(!m_job->retry());
}
