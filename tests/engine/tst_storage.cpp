// SPDX-License-Identifier: GPL-2.0-or-later
#include "EffectiveUser.h"
#include "FakeDeviceBackend.h"
#include "TestDir.h"
#include "TmpfsMount.h"
#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "engine/TL09Engine.h"
#include "engine/storage/StorageAccounting.h"

#include <QtTest>

#include <atomic>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

quint64 capacityOf(const TL09Engine &engine)
{
    quint64 total;
    quint64 used;
    engine.spaceUsage(&total, &used);
    return total;
}

quint64 usedOf(const TL09Engine &engine)
{
    quint64 total;
    quint64 used;
    engine.spaceUsage(&total, &used);
    return used;
}

} // namespace

namespace {

// The walk as the accounting did it before it shared the folders among
// threads: one folder after another, readdir and an lstat per entry.
void plainWalk(int folder, CategoryBytes *bytes)
{
    DIR *stream = ::fdopendir(folder);
    if (!stream) {
        ::close(folder);
        return;
    }
    while (const dirent *entry = ::readdir(stream)) {
        struct stat status;
        if (entry->d_name[0] == '.'
            || ::fstatat(dirfd(stream), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(status.st_mode)) {
            const int child = ::openat(dirfd(stream), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (child >= 0)
                plainWalk(child, bytes);
            continue;
        }
        const MediaCategories::Categories categories
            = MediaCategories::ofSuffix(QFileInfo(QFile::decodeName(entry->d_name)).suffix());
        const qint64 taken = qMax<qint64>(1, qMin<qint64>(status.st_size, qint64(status.st_blocks) * 512));
        if (!S_ISREG(status.st_mode))
            continue;
        bytes->pictures += categories & MediaCategories::Pictures ? taken : 0;
        bytes->music += categories & MediaCategories::Music ? taken : 0;
        bytes->video += categories & MediaCategories::Videos ? taken : 0;
        bytes->documents += categories & MediaCategories::Documents ? taken : 0;
    }
    ::closedir(stream);
}

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void counting_data();
    void counting();
    void percentagesOfCapacity();
    void symbolicLinksAddNothing();
    void sparseFilesCountWhatTheyTake();
    void walkCountsAsThePlainWalk_data();
    void walkCountsAsThePlainWalk();
    void sumFolderResult_data();
    void sumFolderResult();
    void deviceModel_data();
    void deviceModel();
    void checkDeviceFolders_data();
    void checkDeviceFolders();
    void readOnlyFileSystem();
    void concurrentChecksAreNoFailure();
    void capacityOfSmallFileSystem();
    void noDeviceHasNoCapacity();
    void hostFolder_data();
    void hostFolder();
    void deviceFolderOfAnyLanguage_data();
    void deviceFolderOfAnyLanguage();
    void folderNamesFollowLanguage_data();
    void folderNamesFollowLanguage();
    void nameFilters_data();
    void nameFilters();
    void run_data();
    void run();
    void stopDuringLargeWalk();

private:
    TL09Engine *m_engine = nullptr;
};

void TestStorage::initTestCase()
{
    m_engine = new TL09Engine(new FakeDeviceBackend, this);
}

void TestStorage::cleanup()
{
    setMountPoint(QString());
    QCoreApplication::removeTranslator(nullptr);
}

void TestStorage::counting_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<qint64>("pictures");
    QTest::addColumn<qint64>("music");
    QTest::addColumn<qint64>("video");
    QTest::addColumn<qint64>("documents");

    QTest::newRow("picture and empty song") << QStringList { "photo.JPG:2048", "empty.mp3:0" } << qint64(2048)
                                            << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("ogg is music and video")
        << QStringList { "clip.ogg:10" } << qint64(0) << qint64(10) << qint64(10) << qint64(0);
    QTest::newRow("documents in any letter case")
        << QStringList { "report.odt:100", "table.CSV:50", "notes.TXT:30", "page.html:7", "sheet.XLSX:9" }
        << qint64(0) << qint64(0) << qint64(0) << qint64(196);
    QTest::newRow("today's types") << QStringList { "photo.jpeg:1", "shot.WEBP:2", "a.heic:4", "s.FLAC:8",
        "t.m4a:16", "v.webm:32", "w.M4V:64", "book.epub:128", "notes.md:256" }
                                   << qint64(7) << qint64(24) << qint64(96) << qint64(384);
    QTest::newRow("every matching document suffix") << QStringList { "a.doc:1", "a.xls:1", "a.txt:1",
        "a.docx:1", "a.log:1", "a.msg:1", "a.pages:1", "a.rtf:1", "a.wpd:1", "a.wps:1", "a.pdf:1", "a.XML:1" }
                                                    << qint64(0) << qint64(0) << qint64(0) << qint64(12);
    QTest::newRow("nested folders") << QStringList { "a/b/c/d.png:70", "a/song.wav:5", "a/b/film.Mp4:3" }
                                    << qint64(70) << qint64(5) << qint64(3) << qint64(0);
    QTest::newRow("hidden entries") << QStringList { ".thumbs/a.jpg:500", ".cover.jpg:100", "x/.y/z.mp3:4" }
                                    << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("suffix is after the last dot")
        << QStringList { "README:10", "song.mp3.part:10", "movie.final.MKV:40", "name.:5", "jpg:3" }
        << qint64(0) << qint64(0) << qint64(40) << qint64(0);
}

void TestStorage::counting()
{
    QFETCH(QStringList, files);
    TestDir device;
    for (const QString &file : qAsConst(files)) {
        const QStringList parts = file.split(QLatin1Char(':'));
        QVERIFY(!device.createFileOfSize(parts.at(0), parts.at(1).toLongLong()).isEmpty());
    }
    setMountPoint(device.path());

    QVERIFY(m_engine->collectData());
    QTEST(m_engine->countedBytes().pictures, "pictures");
    QTEST(m_engine->countedBytes().music, "music");
    QTEST(m_engine->countedBytes().video, "video");
    QTEST(m_engine->countedBytes().documents, "documents");
}

void TestStorage::percentagesOfCapacity()
{
    TestDir device;
    device.createFileOfSize(QStringLiteral("photo.jpg"), 40000);
    device.createFileOfSize(QStringLiteral("clip.ogg"), 3000);
    setMountPoint(device.path());
    struct statvfs statistics;
    QCOMPARE(statvfs(QFile::encodeName(device.path()).constData(), &statistics), 0);
    const double capacity = double(statistics.f_blocks) * double(statistics.f_frsize);

    QVERIFY(m_engine->collectData());
    QCOMPARE(capacityOf(*m_engine), quint64(capacity));
    QCOMPARE(m_engine->storageShares().pictures, 40000 / capacity * 100);
    QCOMPARE(m_engine->storageShares().music, 3000 / capacity * 100);
    QCOMPARE(m_engine->storageShares().video, 3000 / capacity * 100);
    QCOMPARE(m_engine->storageShares().documents, 0.0);
}

void TestStorage::symbolicLinksAddNothing()
{
    TestDir outside;
    outside.createFileOfSize(QStringLiteral("pictures/a.jpg"), 1000);
    TestDir device;
    device.createSymlink(outside.filePath(QStringLiteral("pictures")), QStringLiteral("linked"));
    device.createSymlink(outside.filePath(QStringLiteral("pictures/a.jpg")), QStringLiteral("b.jpg"));
    device.createSymlink(outside.path(), QStringLiteral("Music/loop"));
    setMountPoint(device.path());

    QVERIFY(m_engine->collectData());
    QCOMPARE(m_engine->countedBytes().pictures, 0);
    // A mount point that is itself a link is walked as empty.
    QVERIFY(m_engine->sumFolder(device.filePath(QStringLiteral("linked"))));
    QCOMPARE(m_engine->countedBytes().pictures, 0);
}

void TestStorage::sparseFilesCountWhatTheyTake()
{
    TestDir device;
    // 1 TiB of holes, and 1 GiB of holes after 64 KiB of data.
    QFile empty(device.filePath(QStringLiteral("holes.mkv")));
    QVERIFY(empty.open(QIODevice::WriteOnly) && empty.resize(Q_INT64_C(1) << 40));
    empty.close();
    QFile started(device.filePath(QStringLiteral("started.jpg")));
    QVERIFY(started.open(QIODevice::WriteOnly) && started.write(QByteArray(65536, 'p')) == 65536
        && started.resize(Q_INT64_C(1) << 30));
    started.close();
    setMountPoint(device.path());

    QVERIFY(m_engine->collectData());
    QCOMPARE(m_engine->countedBytes().video, 1);
    QCOMPARE(m_engine->countedBytes().pictures, 65536);
    QVERIFY(m_engine->storageShares().video < 1);
}

void TestStorage::walkCountsAsThePlainWalk_data()
{
    QTest::addColumn<bool>("asUser");

    // The super-user reads every folder; a user not those closed to him.
    QTest::newRow("as the super-user") << false;
    QTest::newRow("as a user") << true;
}

void TestStorage::walkCountsAsThePlainWalk()
{
    QFETCH(bool, asUser);

    if (asUser && ::geteuid() != 0)
        asUser = false;
    TestDir outside;
    outside.createFileOfSize(QStringLiteral("pictures/far.jpg"), 7000);
    TestDir device;
    const char *const names[]
        = { "a.jpg", "B.PNG", "c.mp3", "d.Ogg", "e.mkv", "f.txt", "g.pdf", "h.odt", "i.dat", "noext",
              "j.tar.gz", "k.jpg.txt", ".hidden.jpg", "l.", "m.JpEg", "n.flac", "o.webm", "p.md" };
    int made = 0;
    for (int top = 0; top < 12; ++top) {
        for (int sub = 0; sub < 12; ++sub) {
            const QString folder = QStringLiteral("t%1/s%2/%3").arg(top).arg(sub).arg(sub % 3 ? "x" : ".y");
            for (const char *name : names) {
                const QString path = device.filePath(folder + QLatin1Char('/') + QLatin1String(name));
                ++made;
                // Some dense, some with holes after their data, some empty.
                QVERIFY(!device
                        .createFileOfSize(QDir(device.path()).relativeFilePath(path), (made * 7919) % 30000)
                        .isEmpty());
                if (made % 5 == 0)
                    QVERIFY(QFile::resize(path, Q_INT64_C(1) << 30));
            }
        }
        device.createSymlink(
            outside.filePath(QStringLiteral("pictures")), QStringLiteral("t%1/linked").arg(top));
        device.createSymlink(
            outside.filePath(QStringLiteral("pictures/far.jpg")), QStringLiteral("t%1/far.jpg").arg(top));
        device.createSymlink(QStringLiteral("nowhere"), QStringLiteral("t%1/gone.jpg").arg(top));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(device.filePath(QStringLiteral("t%1/pipe.jpg").arg(top))).constData(),
                0644),
            0);
    }
    // Open to all at the top; below, closed to all but their owner, or
    // listable by nobody.
    QCOMPARE(::chmod(QFile::encodeName(device.path()).constData(), 0755), 0);
    for (const auto &[folder, mode] :
        { std::pair<const char *, mode_t> { "t1/s1/x", 0 }, { "t2", 0311 }, { "t3/s4/x", 0700 } })
        QCOMPARE(::chmod(QFile::encodeName(device.filePath(QLatin1String(folder))).constData(), mode), 0);

    CategoryBytes plain;
    CategoryBytes walked;
    bool complete;
    {
        const EffectiveUser user(asUser ? EffectiveUser::nobody : ::geteuid());
        plainWalk(::open(QFile::encodeName(device.path()).constData(), O_RDONLY | O_DIRECTORY), &plain);
        const std::atomic<bool> running { false };
        complete = StorageAccounting(running).sumFolder(device.path(), &walked);
    }
    QVERIFY(complete);
    QVERIFY(plain.pictures > 0 && plain.music > 0 && plain.video > 0 && plain.documents > 0);
    QCOMPARE(walked.pictures, plain.pictures);
    QCOMPARE(walked.music, plain.music);
    QCOMPARE(walked.video, plain.video);
    QCOMPARE(walked.documents, plain.documents);
}

void TestStorage::sumFolderResult_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<bool>("result");

    QTest::newRow("missing folder") << "missing" << false << false;
    QTest::newRow("a file") << "full/a.jpg" << false << false;
    QTest::newRow("empty folder") << "empty" << false << true;
    QTest::newRow("folder with files") << "full" << false << true;
    QTest::newRow("aborted") << "full" << true << false;
    QTest::newRow("aborted, nothing to walk") << "empty" << true << true;
}

void TestStorage::sumFolderResult()
{
    QFETCH(QString, path);
    QFETCH(bool, abort);
    QFETCH(bool, result);

    TestDir dir;
    dir.createFolder(QStringLiteral("empty"));
    dir.createFileOfSize(QStringLiteral("full/a.jpg"), 10);
    dir.createFileOfSize(QStringLiteral("full/b.jpg"), 10);
    const std::atomic<bool> aborted { abort };
    CategoryBytes counted;
    QCOMPARE(StorageAccounting(aborted).sumFolder(dir.filePath(path), &counted), result);
    QCOMPARE(counted.pictures, path == QLatin1String("full") && !abort ? 20 : 0);
}

void TestStorage::deviceModel_data()
{
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QString>("model");

    QTest::newRow("Magno") << QByteArray("Magno 2\n") << "MG HD";
    QTest::newRow("Pico") << QByteArray("Pico 1\r\n") << "Pico HD";
    QTest::newRow("Pico before Magno") << QByteArray("Magno Pico\n") << "Pico HD";
    QTest::newRow("other word keeps its line end") << QByteArray("Orion\n") << "Orion\n";
    QTest::newRow("no line end") << QByteArray("Orion") << "Orion";
    QTest::newRow("only the first line") << QByteArray("Orion\nMagno\n") << "Orion\n";
    QTest::newRow("case matters") << QByteArray("magno\n") << "magno\n";
    QTest::newRow("empty file") << QByteArray("") << "";
    QTest::newRow("no file") << QByteArray() << "";
}

void TestStorage::deviceModel()
{
    QFETCH(QByteArray, marker);
    TestDir device;
    if (!marker.isNull())
        device.createFile(QStringLiteral(".opalo"), marker);
    setMountPoint(device.path());
    QTEST(m_engine->deviceModel(), "model");
}

void TestStorage::checkDeviceFolders_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("folders missing") << QString() << true << false;
    QTest::newRow("a file where the music folder goes") << "IDS_MUSIC" << true << true;
    QTest::newRow("no device") << "<no device>" << false << false;
    QTest::newRow("mount point gone") << "<gone>" << false << false;
}

void TestStorage::checkDeviceFolders()
{
    QFETCH(QString, blocker);
    TestDir device;
    setMountPoint(device.path());
    if (blocker == QLatin1String("<no device>"))
        setMountPoint(QString());
    else if (blocker == QLatin1String("<gone>"))
        setMountPoint(device.filePath(QStringLiteral("gone")));
    else if (!blocker.isEmpty())
        device.createFile(blocker, "not a folder");

    QTEST(m_engine->checkDeviceFolders(), "ready");
    QTEST(bool(m_engine->isReadOnly()), "readOnly");
    if (blocker.isEmpty()) {
        for (const char *name : { "IDS_PICTURES", "IDS_VIDEO", "IDS_MUSIC", "IDS_OFFICE" })
            QVERIFY2(QFileInfo(device.filePath(QLatin1String(name))).isDir(), name);
    }
}

void TestStorage::readOnlyFileSystem()
{
    TestDir dir;
    TmpfsMount tmpfs(dir.filePath(QStringLiteral("mnt")), QStringLiteral("ro,size=1m"));
    if (!tmpfs.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    const QString path = tmpfs.path();
    setMountPoint(path);
    const bool ready = m_engine->checkDeviceFolders();
    const bool failed = m_engine->isReadOnly();
    const bool mountedReadOnly = m_engine->isMountedReadOnly();
    QVERIFY(tmpfs.unmount());
    // A device mounted read-only is there, to be read: no failure.
    QVERIFY(ready);
    QVERIFY(!failed);
    QVERIFY(mountedReadOnly);
}

void TestStorage::concurrentChecksAreNoFailure()
{
    // The main window's tick, the engine thread and the copy worker check at
    // the same moment; whichever makes a folder first, none has failed.
    TestDir device;
    setMountPoint(device.path());
    const int rounds = 400;
    std::atomic<int> round { 0 };
    std::atomic<int> done { 0 };
    const auto checker = [&] {
        for (int seen = 0; seen < rounds;) {
            if (round == seen)
                continue;
            seen = round;
            m_engine->checkDeviceFolders();
            ++done;
        }
    };
    const std::unique_ptr<QThread> threads[] = { std::unique_ptr<QThread>(QThread::create(checker)),
        std::unique_ptr<QThread>(QThread::create(checker)) };
    for (const auto &thread : threads)
        thread->start();
    int failedRounds = 0;
    for (int i = 1; i <= rounds; ++i) {
        for (const char *name : { "IDS_PICTURES", "IDS_VIDEO", "IDS_MUSIC", "IDS_OFFICE" })
            QDir(device.path()).rmdir(QLatin1String(name));
        done = 0;
        // Both start at once, so that their mkdir calls meet.
        round = i;
        while (done < 2)
            QThread::yieldCurrentThread();
        failedRounds += m_engine->isReadOnly() ? 1 : 0;
    }
    for (const auto &thread : threads)
        thread->wait();
    QCOMPARE(failedRounds, 0);
}

void TestStorage::capacityOfSmallFileSystem()
{
    TestDir dir;
    TmpfsMount tmpfs(dir.filePath(QStringLiteral("mnt")), QStringLiteral("size=1m"));
    if (!tmpfs.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    const QString path = tmpfs.path();
    setMountPoint(path);
    const quint64 emptyUse = usedOf(*m_engine);
    QFile file(path + QLatin1String("/song.mp3"));
    const bool written
        = file.open(QIODevice::WriteOnly) && file.write(QByteArray(512 * 1024, 'x')) == 512 * 1024;
    file.close();
    const quint64 capacity = capacityOf(*m_engine);
    const quint64 used = usedOf(*m_engine);
    const bool collected = m_engine->collectData();
    QVERIFY(tmpfs.unmount());

    QVERIFY(written);
    QCOMPARE(capacity, quint64(1024 * 1024));
    QCOMPARE(used - emptyUse, quint64(512 * 1024));
    QVERIFY(collected);
    QCOMPARE(m_engine->storageShares().music, 50.0);
}

void TestStorage::noDeviceHasNoCapacity()
{
    // Without a device there is nothing to measure, not even "/".
    setMountPoint(QString());
    QCOMPARE(capacityOf(*m_engine), quint64(0));
    QCOMPARE(usedOf(*m_engine), quint64(0));
    QCOMPARE(m_engine->deviceModel(), QString());
    TestDir dir;
    setMountPoint(dir.filePath(QStringLiteral("gone")));
    QCOMPARE(capacityOf(*m_engine), quint64(0));
    QVERIFY(!m_engine->collectData());
}

void TestStorage::hostFolder_data()
{
    QTest::addColumn<QString>("userDirs");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("othersHome");

    // In German, with the user's real folder named in English.
    QTest::newRow("english user-dirs") << "XDG_PICTURES_DIR=\"$HOME/Pictures\""
                                       << "Pictures"
                                       << "Pictures" << false;
    QTest::newRow("translated user-dirs") << "XDG_PICTURES_DIR=\"$HOME/Bilder\""
                                          << "Bilder"
                                          << "Bilder" << false;
    QTest::newRow("no user-dirs, none yet") << QString() << QString() << "Pictures" << false;
    QTest::newRow("switched off") << "XDG_PICTURES_DIR=\"$HOME/\"" << QString() << "Bilder" << false;
    QTest::newRow("another user's home, as root") << QString() << QString() << "Pictures" << true;
}

void TestStorage::hostFolder()
{
    QFETCH(QString, userDirs);
    QFETCH(QString, existing);
    QFETCH(QString, expected);
    QFETCH(bool, othersHome);
    if (othersHome && geteuid() != 0)
        QSKIP("needs the super-user");
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/translation/lang/OpaloSync_de.qm")));
    QCoreApplication::installTranslator(&german);
    TestDir dir;
    const QString home = dir.createFolder(QStringLiteral("home/alice"));
    if (othersHome)
        QCOMPARE(::chown(QFile::encodeName(home).constData(), 65534, 65534), 0);
    if (!userDirs.isEmpty())
        dir.createFile(QStringLiteral("home/alice/.config/user-dirs.dirs"), userDirs.toUtf8() + "\n");
    if (!existing.isEmpty())
        dir.createFolder(QStringLiteral("home/alice/") + existing);
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QLatin1String("/.config")));
    const mode_t savedMask = umask(022);
    const QString folder = MediaCategories::folder(HostMode, PicturesMode);
    umask(savedMask);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);

    QCOMPARE(folder, home + QLatin1Char('/') + expected);
    QCOMPARE(QDir(home).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList(expected));
    const QFileInfo made(folder);
    QVERIFY(!(made.permissions() & QFile::WriteOther));
    QCOMPARE(made.ownerId(), othersHome ? 65534u : geteuid());
}

void TestStorage::deviceFolderOfAnyLanguage_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("folders");

    const QString others = QStringLiteral("Dokumente,Musik,Videos,");
    QTest::newRow("none yet") << QStringList() << "Bilder" << (others + "Bilder").split(',');
    QTest::newRow("made in English") << QStringList { "Pictures" } << "Pictures"
                                     << (others + "Pictures").split(',');
    QTest::newRow("made in French, another case")
        << QStringList { "IMAGES" } << "IMAGES" << (others + "IMAGES").split(',');
    QTest::newRow("the program's language first")
        << QStringList { "Pictures", "Bilder" } << "Bilder" << (others + "Bilder,Pictures").split(',');
    QTest::newRow("a link is not the folder")
        << QStringList { "link:Pictures" } << "Bilder" << (others + "Bilder,elsewhere").split(',');
}

void TestStorage::deviceFolderOfAnyLanguage()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    QFETCH(QStringList, folders);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/translation/lang/OpaloSync_de.qm")));
    QCoreApplication::installTranslator(&german);
    TestDir device;
    for (const QString &name : qAsConst(existing)) {
        if (name.startsWith(QLatin1String("link:")))
            QVERIFY(
                QFile::link(device.createFolder(QStringLiteral("elsewhere")), device.filePath(name.mid(5))));
        else
            device.createFolder(name);
    }
    setMountPoint(device.path());

    QVERIFY(m_engine->checkDeviceFolders());
    QCOMPARE(MediaCategories::folder(ExternalDeviceMode, PicturesMode), device.filePath(expected));
    folders.sort();
    QCOMPARE(QDir(device.path()).entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name),
        folders);
}

void TestStorage::folderNamesFollowLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("en") << "en" << QStringList { "Documents", "Pictures", "Music", "Videos" };
    QTest::newRow("fr") << "fr" << QStringList { "Documents", "Images", "Musique", "Vidéos" };
    QTest::newRow("de") << "de" << QStringList { "Dokumente", "Bilder", "Musik", "Videos" };
}

void TestStorage::folderNamesFollowLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, names);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translation/lang/OpaloSync_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    TestDir device;
    setMountPoint(device.path());

    const QStringList folders { MediaCategories::folder(ExternalDeviceMode, DocumentsMode),
        MediaCategories::folder(ExternalDeviceMode, PicturesMode),
        MediaCategories::folder(ExternalDeviceMode, MusicMode),
        MediaCategories::folder(ExternalDeviceMode, MovieMode) };
    QVERIFY(m_engine->checkDeviceFolders());
    QCoreApplication::removeTranslator(&translator);

    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(folders.at(i), device.path() + QLatin1Char('/') + names.at(i));
        QVERIFY2(QFileInfo(folders.at(i)).isDir(), qPrintable(folders.at(i)));
    }
    QCOMPARE(MediaCategories::folder(2, PicturesMode), QString());
}

void TestStorage::nameFilters_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("listed");

    const QStringList none;
    QTest::newRow("documents") << 0 << 54 << "*.doc"
                               << "*.htm" << QStringList { "notes.TXT", "table.csv" };
    QTest::newRow("pictures") << 1 << 21 << "*.jpg"
                              << "*.tiff" << QStringList { "photo.JPG" };
    QTest::newRow("music") << 2 << 17 << "*.mp3"
                           << "*.aiff" << QStringList { "clip.ogg" };
    QTest::newRow("video") << 3 << 21 << "*.avi"
                           << "*.ogv" << QStringList { "clip.ogg" };
    QTest::newRow("unknown category") << 7 << 0 << QString() << QString() << none;
    QTest::newRow("negative category") << -1 << 0 << QString() << QString() << none;
}

void TestStorage::nameFilters()
{
    QFETCH(int, category);
    QFETCH(int, count);
    const QStringList filters = MediaCategories::nameFilters(category);
    QCOMPARE(filters.size(), count);
    if (count == 0)
        return;
    QTEST(filters.constFirst(), "first");
    QTEST(filters.constLast(), "last");
    // Listings match the filters whatever the letter case.
    TestDir dir;
    for (const char *name : { "photo.JPG", "clip.ogg", "notes.TXT", "table.csv", "report.odx" })
        dir.createFile(QLatin1String(name));
    QTEST(QDir(dir.path()).entryList(filters, QDir::Files, QDir::Name), "listed");
}

void TestStorage::run_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<int>("emissions");

    QTest::newRow("collection") << true << false << 1;
    QTest::newRow("refresh after a copy") << true << true << 0;
    QTest::newRow("device gone") << false << false << 0;
}

void TestStorage::run()
{
    QFETCH(bool, device);
    QFETCH(bool, refresh);
    QFETCH(int, emissions);

    TestDir dir;
    dir.createFileOfSize(QStringLiteral("a/photo.png"), 333);
    setMountPoint(device ? dir.path() : QString());
    QSignalSpy finished(m_engine, &TL09Engine::dataCollectionFinished);
    if (refresh)
        m_engine->startRefreshAfterCopy();
    else
        m_engine->startDataCollection();
    QVERIFY(m_engine->wait(30000));
    QCoreApplication::processEvents();

    QCOMPARE(finished.count(), emissions);
    if (emissions)
        QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(m_engine->countedBytes().pictures, device ? 333 : 0);
    QVERIFY(!m_engine->isRefreshAfterCopy());
}

void TestStorage::stopDuringLargeWalk()
{
    TestDir device;
    for (int folder = 0; folder < 200; ++folder) {
        const QString path = device.createFolder(QStringLiteral("f%1").arg(folder));
        for (int file = 0; file < 100; ++file)
            QFile(path + QStringLiteral("/%1.jpg").arg(file)).open(QIODevice::WriteOnly);
    }
    setMountPoint(device.path());
    QSignalSpy finished(m_engine, &TL09Engine::dataCollectionFinished);

    m_engine->startDataCollection();
    m_engine->stopDataCollection();
    QVERIFY(m_engine->isFinished());
    QVERIFY(m_engine->countedBytes().pictures < 20000);
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 0);

    // The next collection runs to its end.
    m_engine->startDataCollection();
    QVERIFY(finished.wait());
    QCOMPARE(m_engine->countedBytes().pictures, 20000);
}

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
