// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "TestDir.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/thumbnails/ThumbnailHelperPool.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

constexpr int waitMs = 10000;
const QString failFolder = QStringLiteral("fail/opalosync-" OPALO_VERSION);

QImage filled(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// What the desktop's file managers name and mark an entry with, worked out
// here with Qt alone (the test paths need no escaping).
QByteArray uriOf(const QString &path)
{
    return QUrl::fromLocalFile(path).toEncoded();
}

QString entryName(const QString &path)
{
    return QString::fromLatin1(QCryptographicHash::hash(uriOf(path), QCryptographicHash::Md5).toHex())
        + QStringLiteral(".png");
}

qint64 mtimeOf(const QString &path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}

bool makeOld(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

int modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

} // namespace

class TestDesktopThumbnailCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void uriEscapesAsTheDesktopDoes_data();
    void uriEscapesAsTheDesktopDoes();
    void madeThumbnailIsSavedForTheDesktop_data();
    void madeThumbnailIsSavedForTheDesktop();
    void entriesOnDiskAreUsedWhenValid_data();
    void entriesOnDiskAreUsedWhenValid();
    void failureIsRecordedAndHonoured();
    void fileChangedJustNowIsNotSaved();

private:
    // Runs a worker over files until it has done them all; returns the
    // icons it sent, by path.
    QHash<QString, QImage> makeIcons(const QStringList &paths);
    QString cachePath(const QString &relative) const { return m_cache->filePath("thumbnails/" + relative); }
    // The entry of the file as it is now in folder, once the helper, which
    // writes entries after it answers, has written it; null when none comes.
    QImage savedEntry(const QString &folder, const QString &path) const;

    std::unique_ptr<QTemporaryDir> m_cache;
    std::unique_ptr<TestDir> m_dir;
    // One helper: it answers, and writes entries, in the order asked.
    std::unique_ptr<ThumbnailHelperPool> m_helpers;
};

void TestDesktopThumbnailCache::init()
{
    m_cache = std::make_unique<QTemporaryDir>();
    m_dir = std::make_unique<TestDir>();
    QVERIFY(m_cache->isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache->path()));
    m_helpers = std::make_unique<ThumbnailHelperPool>(1);
}

void TestDesktopThumbnailCache::cleanup()
{
    m_helpers.reset();
    m_dir.reset();
    m_cache.reset();
}

QImage TestDesktopThumbnailCache::savedEntry(const QString &folder, const QString &path) const
{
    const QString entry = cachePath(folder + QLatin1Char('/') + entryName(path));
    QImage saved;
    const bool written = QTest::qWaitFor(
        [&] {
            saved = QImage(entry);
            return saved.text(QStringLiteral("Thumb::URI")) == QString::fromLatin1(uriOf(path))
                && saved.text(QStringLiteral("Thumb::MTime")).toLongLong() == mtimeOf(path);
        },
        waitMs);
    return written ? saved : QImage();
}

QHash<QString, QImage> TestDesktopThumbnailCache::makeIcons(const QStringList &paths)
{
    ThumbLoaderWorker worker(m_helpers.get());
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy done(&worker, &ThumbLoaderWorker::updateIcons);
    QList<QFileInfo> files;
    for (const QString &path : paths)
        files.append(QFileInfo(path));
    worker.addFiles(files, PicturesMode);
    if (!QTest::qWaitFor([&done] { return !done.isEmpty(); }, waitMs))
        return {};
    QHash<QString, QImage> made;
    for (const QList<QVariant> &arguments : icons)
        made.insert(arguments.at(0).toString(), arguments.at(1).value<QImage>());
    return made;
}

void TestDesktopThumbnailCache::uriEscapesAsTheDesktopDoes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("uri");
    // As GLib's g_filename_to_uri writes them.
    QTest::newRow("plain") << "/home/u/a.jpg" << QByteArray("file:///home/u/a.jpg");
    QTest::newRow("kept") << "/p/a!$&'()*+,-.=:@_~.jpg" << QByteArray("file:///p/a!$&'()*+,-.=:@_~.jpg");
    QTest::newRow("escaped") << "/p/my photo #1 100%;?.jpg"
                             << QByteArray("file:///p/my%20photo%20%231%20100%25%3B%3F.jpg");
    QTest::newRow("brackets") << "/p/[a]{b}^`|\\\"<>.jpg"
                              << QByteArray("file:///p/%5Ba%5D%7Bb%7D%5E%60%7C%5C%22%3C%3E.jpg");
    QTest::newRow("non-ASCII") << QString::fromUtf8("/p/\xc3\xa9t\xc3\xa9.jpg")
                               << QByteArray("file:///p/%C3%A9t%C3%A9.jpg");
}

void TestDesktopThumbnailCache::uriEscapesAsTheDesktopDoes()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, uri);
    QCOMPARE(DesktopThumbnailCache::fileUri(path), uri);
}

void TestDesktopThumbnailCache::madeThumbnailIsSavedForTheDesktop_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QSize>("size");

    ExifBuilder exif(true);
    exif.setThumbnail(ExifBuilder::encodeJpeg(filled(QSize(160, 120), Qt::blue)));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    filled(QSize(400, 300), Qt::red).save(&buffer, "PNG");
    QTest::newRow("decoded picture: large") << png << "large" << QSize(256, 192);
    QTest::newRow("EXIF thumbnail: normal")
        << ExifBuilder::jpeg(exif.tiff(), filled(QSize(640, 480), Qt::red)) << "normal" << QSize(128, 96);
}

void TestDesktopThumbnailCache::madeThumbnailIsSavedForTheDesktop()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, folder);
    QFETCH(QSize, size);
    const QString path = m_dir->createFile(QStringLiteral("photo.jpg"), content);
    QVERIFY(makeOld(path));
    QCOMPARE(makeIcons({ path }).size(), 1);

    const QString entry = cachePath(folder + QLatin1Char('/') + entryName(path));
    const QImage saved = savedEntry(folder, path);
    QCOMPARE(saved.size(), size);
    QCOMPARE(saved.text(QStringLiteral("Thumb::Size")).toLongLong(), QFileInfo(path).size());
    QVERIFY(saved.text(QStringLiteral("Software")).startsWith(QLatin1String("OpaloSync")));
    QCOMPARE(modeOf(entry), 0600);
    QCOMPARE(modeOf(cachePath(folder)), 0700);
    QCOMPARE(modeOf(cachePath(QString())), 0700);
    // Nothing left over from writing it.
    QCOMPARE(QDir(cachePath(folder)).entryList(QDir::Files | QDir::Hidden), QStringList { entryName(path) });
}

void TestDesktopThumbnailCache::entriesOnDiskAreUsedWhenValid_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("mtimeShift");
    QTest::addColumn<bool>("sameUri");
    QTest::addColumn<QColor>("shown");

    const QColor made(Qt::red);
    const QColor cached(Qt::blue);
    QTest::newRow("large") << "large" << 0 << true << cached;
    QTest::newRow("normal") << "normal" << 0 << true << cached;
    QTest::newRow("stale MTime") << "large" << -10 << true << made;
    QTest::newRow("other URI") << "large" << 0 << false << made;
    QTest::newRow("failure") << failFolder << 0 << true << QColor();
    QTest::newRow("stale failure") << failFolder << -10 << true << made;
    QTest::newRow("too large for its folder") << "normal-large" << 0 << true << made;
}

void TestDesktopThumbnailCache::entriesOnDiskAreUsedWhenValid()
{
    QFETCH(QString, folder);
    QFETCH(int, mtimeShift);
    QFETCH(bool, sameUri);
    QFETCH(QColor, shown);
    const QString path = m_dir->filePath(QStringLiteral("picture.png"));
    QVERIFY(filled(QSize(400, 300), Qt::red).save(path, "PNG"));
    QVERIFY(makeOld(path));

    // An entry as a file manager of the desktop leaves it.
    const bool tooLarge = folder.endsWith(QLatin1String("-large"));
    folder.remove(QLatin1String("-large"));
    const QSize size = folder == failFolder ? QSize(1, 1)
        : folder == "normal" && !tooLarge   ? QSize(128, 96)
                                            : QSize(256, 192);
    QImage entry = filled(size, Qt::blue);
    entry.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(uriOf(sameUri ? path : path + "x")));
    entry.setText(QStringLiteral("Thumb::MTime"), QString::number(mtimeOf(path) + mtimeShift));
    QVERIFY(QDir().mkpath(cachePath(folder)));
    QVERIFY(entry.save(cachePath(folder + QLatin1Char('/') + entryName(path)), "PNG"));

    const QHash<QString, QImage> icons = makeIcons({ path });
    QCOMPARE(icons.contains(path), shown.isValid());
    if (shown.isValid())
        QCOMPARE(icons.value(path).pixelColor(128, 128), shown);
    if (shown == QColor(Qt::red)) {
        // Made again and saved over the stale entry.
        QCOMPARE(savedEntry(QStringLiteral("large"), path).pixelColor(5, 5), QColor(Qt::red));
    }
}

void TestDesktopThumbnailCache::failureIsRecordedAndHonoured()
{
    const QString broken = m_dir->createFile(QStringLiteral("broken.jpg"), "not a picture");
    QVERIFY(makeOld(broken));
    QVERIFY(makeIcons({ broken }).isEmpty());
    QVERIFY(!savedEntry(failFolder, broken).isNull());

    // The next visit does not decode it again: mended behind the cache's
    // back, it still has none.
    const qint64 recorded = mtimeOf(broken);
    QVERIFY(filled(QSize(400, 300), Qt::red).save(broken, "JPG"));
    QFile mended(broken);
    QVERIFY(mended.open(QIODevice::ReadWrite)
        && mended.setFileTime(QDateTime::fromSecsSinceEpoch(recorded), QFileDevice::FileModificationTime));
    mended.close();
    QVERIFY(makeIcons({ broken }).isEmpty());
}

void TestDesktopThumbnailCache::fileChangedJustNowIsNotSaved()
{
    // It may still be being copied: an entry would describe half of it.
    const QString path = m_dir->filePath(QStringLiteral("arriving.png"));
    QVERIFY(filled(QSize(400, 300), Qt::red).save(path, "PNG"));
    const QString broken = m_dir->createFile(QStringLiteral("arriving.jpg"), "half a pic");
    // Made last, its entry comes after theirs would.
    const QString settled = m_dir->filePath(QStringLiteral("settled.png"));
    QVERIFY(filled(QSize(400, 300), Qt::red).save(settled, "PNG") && makeOld(settled));
    QCOMPARE(makeIcons({ path, broken, settled }).size(), 2);
    QVERIFY(!savedEntry(QStringLiteral("large"), settled).isNull());
    QVERIFY(!QFileInfo::exists(cachePath(QStringLiteral("large/") + entryName(path))));
    QVERIFY(!QFileInfo::exists(cachePath(failFolder + QLatin1Char('/') + entryName(broken))));
}

QTEST_MAIN(TestDesktopThumbnailCache)
#include "tst_desktopthumbnailcache.moc"
