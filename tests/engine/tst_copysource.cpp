// SPDX-License-Identifier: GPL-2.0-or-later
// The source side of a copy, with the fault shim preloaded (CTest does it):
// folders swapped for links while the copy waits, folders that cannot be
// listed, and files that end before their size.
#include "EffectiveUser.h"
#include "FakeDeviceBackend.h"
#include "FaultShim.h"
#include "TestDir.h"
#include "base/DeviceState.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(CopyOutcome)

namespace {

const int copyTimeoutMs = 30000;
const QByteArray secret("only the super-user may read this");

// Every file below folder whose content is data.
QStringList filesHolding(const QString &folder, const QByteArray &data)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll() == data)
            found << it.filePath();
    }
    return found;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestCopySource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void folderSwappedForLinkAtQuestionIsNotFollowed_data();
    void folderSwappedForLinkAtQuestionIsNotFollowed();
    void unlistedFolderIsReported_data();
    void unlistedFolderIsReported();
    void shortReadIsChangedWhileCopied();

private:
    struct Run
    {
        bool finished = false;
        QList<CopyDlg> dialogs;
    };
    // Copies files to the PC folder destDir, answering each question with
    // answer after calling atQuestion on the first.
    Run copy(const QFileInfoList &files, const QString &destDir, int answer = AnswerOk,
        const std::function<void()> &atQuestion = {});

    FaultShim m_shim;
    TL09Engine *m_engine = nullptr;
    std::unique_ptr<CopyJob> m_job;
    std::unique_ptr<TestDir> m_dir;
    QString m_source;
    QString m_dest;
};

void TestCopySource::initTestCase()
{
    if (!m_shim.isLoaded())
        QSKIP("the fault shim is not preloaded (run through CTest)");
    m_engine = new TL09Engine(new FakeDeviceBackend, this);
}

void TestCopySource::init()
{
    m_dir.reset(new TestDir);
    m_source = m_dir->createFolder(QStringLiteral("source"));
    m_dest = m_dir->createFolder(QStringLiteral("home"));
    // The boxes of failures appear only while the device is ready.
    setMountPoint(m_dir->createFolder(QStringLiteral("device")));
}

void TestCopySource::cleanup()
{
    m_shim.disarm();
    m_job.reset();
    m_engine->stopDataCollection();
    setMountPoint(QString());
}

TestCopySource::Run TestCopySource::copy(
    const QFileInfoList &files, const QString &destDir, int answer, const std::function<void()> &atQuestion)
{
    Run run;
    m_job.reset(m_engine->makeCopy({ files, HostMode, destDir, PicturesMode }, nullptr));
    CopyJob *job = m_job.get();
    QSignalSpy finished(job, &CopyJob::finished);
    connect(job, &CopyJob::questionAsked, this, [&](const CopyQuestion &question) {
        if (run.dialogs.isEmpty() && atQuestion)
            atQuestion();
        run.dialogs << question.kind;
        job->answer(CopyAnswer(answer));
    });
    run.finished = job->start() && finished.wait(copyTimeoutMs);
    return run;
}

void TestCopySource::folderSwappedForLinkAtQuestionIsNotFollowed_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("swapped");

    QTest::newRow("selected folder") << "album"
                                     << "album";
    QTest::newRow("folder below the selection") << "trip"
                                                << "trip/album";
}

void TestCopySource::folderSwappedForLinkAtQuestionIsNotFollowed()
{
    QFETCH(QString, selected);
    QFETCH(QString, swapped);

    // The copy first asks about first.jpg, then copies the folder, whose
    // listing names the same file as the super-user's folder holds.
    m_dir->createFile(QStringLiteral("source/first.jpg"), "new");
    m_dir->createFile(QStringLiteral("home/first.jpg"), "older");
    m_dir->createFile(QStringLiteral("source/%1/photo.jpg").arg(swapped), "mine");
    const QString secrets = m_dir->createFolder(QStringLiteral("secrets"));
    m_dir->createFile(QStringLiteral("secrets/photo.jpg"), secret);
    QVERIFY(::chmod(QFile::encodeName(secrets).constData(), 0700) == 0);
    const QString folder = m_dir->filePath(QStringLiteral("source/") + swapped);

    const Run run = copy({ QFileInfo(m_source + QStringLiteral("/first.jpg")),
                             QFileInfo(m_source + QLatin1Char('/') + selected) },
        m_dest, AnswerNo, [&] {
            QVERIFY(QDir().rename(folder, folder + QStringLiteral(".moved")));
            QVERIFY(QFile::link(secrets, folder));
        });

    QVERIFY(run.finished);
    QCOMPARE(run.dialogs.first(), AskOverwrite);
    QCOMPARE(filesHolding(m_dest, secret), QStringList());
    const CopyFailures &failures = m_job->failures();
    QVERIFY(std::any_of(failures.begin(), failures.end(), [&folder](const CopyFailure &failure) {
        return failure.source == folder && failure.reason == CopyOutcome::IsLink;
    }));
    QVERIFY(!m_job->summary().complete);
}

void TestCopySource::unlistedFolderIsReported_data()
{
    QTest::addColumn<QByteArray>("calls");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("unlisted");
    QTest::addColumn<CopyOutcome>("reason");

    QTest::newRow("not allowed to list")
        << QByteArray() << 0 << "album/hidden" << CopyOutcome::ListingRefused;
    QTest::newRow("open fails") << QByteArray("opendir,fdopendir") << EIO << "album"
                                << CopyOutcome::ListingFailed;
    QTest::newRow("read fails") << QByteArray("readdir,readdir64") << EIO << "album"
                                << CopyOutcome::ListingFailed;
    QTest::newRow("read finds no room")
        << QByteArray("readdir,readdir64") << ENOSPC << "album" << CopyOutcome::ListingFailed;
}

void TestCopySource::unlistedFolderIsReported()
{
    QFETCH(QByteArray, calls);
    QFETCH(int, error);
    QFETCH(QString, unlisted);
    QFETCH(CopyOutcome, reason);

    m_dir->createFile(QStringLiteral("source/single.jpg"), "single");
    m_dir->createFile(QStringLiteral("source/album/photo.jpg"), "photo");
    const QString folder = m_dir->createFolder(QStringLiteral("source/album/hidden"));
    m_dir->createFile(QStringLiteral("source/album/hidden/kept.jpg"), "kept");
    const bool asNobody = calls.isEmpty() && ::geteuid() == 0;
    if (asNobody) {
        QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
        QCOMPARE(QProcess::execute(QStringLiteral("chown"),
                     { QStringLiteral("-R"), QStringLiteral("65534:65534"), m_dir->path() }),
            0);
    }
    if (calls.isEmpty())
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0) == 0);
    else
        m_shim.armNamed(calls.constData(), error);

    Run run;
    {
        const EffectiveUser user(asNobody ? EffectiveUser::nobody : ::geteuid());
        run = copy({ QFileInfo(m_source + QStringLiteral("/single.jpg")),
                       QFileInfo(m_source + QStringLiteral("/album")) },
            m_dest);
    }
    m_shim.disarm();
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    QVERIFY(run.finished);
    const CopyFailures &failures = m_job->failures();
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures.first().source, m_dir->filePath(QStringLiteral("source/") + unlisted));
    QCOMPARE(failures.first().reason, reason);
    QVERIFY(!m_job->summary().complete);
    QVERIFY(QFile::exists(m_dest + QStringLiteral("/single.jpg")));
    // Nothing of the folder is shown as if it were all there was.
    QVERIFY(!QFile::exists(m_dest + QLatin1Char('/') + unlisted));
}

void TestCopySource::shortReadIsChangedWhileCopied()
{
    m_dir->createFileOfSize(QStringLiteral("source/photo.jpg"), 5000);
    // Every read of the source finds no more data, by either route.
    m_shim.armNamed("read,copy_file_range", 0);

    const Run run = copy({ QFileInfo(m_source + QStringLiteral("/photo.jpg")) }, m_dest);
    m_shim.disarm();

    QVERIFY(run.finished);
    QCOMPARE(run.dialogs, QList<CopyDlg> { CopyError });
    QCOMPARE(m_job->failures().size(), 1);
    QCOMPARE(m_job->failures().first().reason, CopyOutcome::ChangedWhileCopied);
    QCOMPARE(entriesOf(m_dest), QStringList());
}

QTEST_MAIN(TestCopySource)
#include "tst_copysource.moc"
