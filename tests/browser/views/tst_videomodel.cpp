// SPDX-License-Identifier: GPL-2.0-or-later
#include "ManualDispatcher.h"
#include "TestDir.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/views/VideoModel.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int loadTimeoutMs = 10000;

QString writePicture(TestDir &dir, const QString &relative, const QSize &size = QSize(400, 100))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG") ? path : QString();
}

// The names shown, in the list's order.
QStringList shownOrder(const VideoModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 0).data().toString());
    return names;
}

QStringList shownNames(const VideoModel &model)
{
    QStringList names = shownOrder(model);
    names.sort();
    return names;
}

// The toolkit's own file model sorting path by column, narrowed to the
// names in shown.
QStringList referenceOrder(const QString &path, int column, const QStringList &shown)
{
    QFileSystemModel reference;
    reference.setFilter(QDir::Files | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    QSignalSpy loaded(&reference, &QFileSystemModel::directoryLoaded);
    const QModelIndex folder = reference.setRootPath(path);
    loaded.wait(loadTimeoutMs);
    reference.sort(column);
    QStringList names;
    for (int row = 0; row < reference.rowCount(folder); ++row) {
        const QString name = reference.index(row, 0, folder).data().toString();
        if (shown.contains(name))
            names.append(name);
    }
    return names;
}

int thumbnailCount(const VideoModel &model, const QStringList &paths)
{
    int count = 0;
    for (const QString &path : paths)
        count += model.thumbnail(path).isNull() ? 0 : 1;
    return count;
}

} // namespace

class TestVideoModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsCategoryFilesAndFolders_data();
    void listsCategoryFilesAndFolders();
    void switchingCategoryRefiltersTheFolder();
    void impossiblePathEmptiesTheList();
    void removeRefusesAnInvalidIndex();
    void roles();
    void picturesGetThumbnails();
    void otherCategoriesDiscardTheirBatches_data();
    void otherCategoriesDiscardTheirBatches();
    void switchingCategoryMidBatchStartsOver();
    void filesArrivingDuringACopyGetThumbnailsOnceComplete();
    void filesInViewComeFirstNewestRequestFirst();
    void memoryStaysWithinItsBound();
    void changingFolderNeverWaitsForTheWorker();
    void rowsComingIntoViewAreToldOfTheirThumbnails();
    void newSubFolderAsksForATreeRefresh();
    void firstListingAsksForNoTreeRefresh_data();
    void firstListingAsksForNoTreeRefresh();
    void arrangesAsTheFileModelDoes_data();
    void arrangesAsTheFileModelDoes();
    void removedFileLosesItsThumbnail();
    void picturesChangedFromOutsideGetNewThumbnails_data();
    void picturesChangedFromOutsideGetNewThumbnails();
    void filesWithoutAThumbnailShowTheirTypesIcon_data();
    void filesWithoutAThumbnailShowTheirTypesIcon();
    void modelDeletedMidBatch();

private:
    VideoModel &showFolder(int mode, const QString &path);

    QTemporaryDir m_cache;
    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<VideoModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestVideoModel::initTestCase()
{
    // The desktop's thumbnail cache of the user running the tests stays out
    // of them.
    QVERIFY(m_cache.isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
}

void TestVideoModel::init()
{
    m_dir = std::make_unique<TestDir>();
    QVERIFY(m_dir->isValid());
}

void TestVideoModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    m_dir.reset();
}

VideoModel &TestVideoModel::showFolder(int mode, const QString &path)
{
    m_model = std::make_unique<VideoModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model->setCategory(mode);
    QSignalSpy loaded(m_model.get(), &FolderListModel::directoryLoaded);
    m_model->setFolder(path);
    if (m_model->isActive())
        loaded.wait(loadTimeoutMs);
    return *m_model;
}

void TestVideoModel::listsCategoryFilesAndFolders_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("pictures") << int(PicturesMode)
                              << QStringList { "Holidays", "a.jpg", "b.JPG", "c.Png", "dir.jpg", "song.mp3" };
    QTest::newRow("music") << int(MusicMode) << QStringList { "Holidays", "d.mp3", "dir.jpg", "song.mp3" };
    QTest::newRow("video") << int(MovieMode) << QStringList { "Holidays", "dir.jpg", "e.AVI", "song.mp3" };
    QTest::newRow("documents") << int(DocumentsMode)
                               << QStringList { "Holidays", "dir.jpg", "f.pdf", "song.mp3", "x.jpg.txt" };
}

void TestVideoModel::listsCategoryFilesAndFolders()
{
    QFETCH(int, mode);
    QFETCH(QStringList, shown);
    // A hidden file is not listed whatever its name; only the last
    // extension counts.
    for (const char *name :
        { "a.jpg", "b.JPG", "c.Png", "d.mp3", "e.AVI", "f.pdf", "g.unknown", ".jpg", "noext", "x.jpg.txt" })
        m_dir->createFile(QString::fromLatin1(name), "x");
    m_dir->createFolder(QStringLiteral("Holidays"));
    m_dir->createFolder(QStringLiteral("song.mp3"));
    m_dir->createFolder(QStringLiteral("dir.jpg"));
    // Links are never listed, whatever they point to.
    m_dir->createSymlink(m_dir->filePath(QStringLiteral("a.jpg")), QStringLiteral("link.jpg"));
    m_dir->createSymlink(m_dir->filePath(QStringLiteral("d.mp3")), QStringLiteral("link.mp3"));
    m_dir->createSymlink(m_dir->filePath(QStringLiteral("Holidays")), QStringLiteral("linked folder"));

    VideoModel &model = showFolder(mode, m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(model), shown, loadTimeoutMs);
}

void TestVideoModel::switchingCategoryRefiltersTheFolder()
{
    for (const char *name : { "a.jpg", "b.mp3", "c.avi", "d.pdf" })
        m_dir->createFile(QString::fromLatin1(name), "x");
    m_dir->createFolder(QStringLiteral("sub"));
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(model), (QStringList { "a.jpg", "sub" }), loadTimeoutMs);

    const struct
    {
        int mode;
        const char *file;
    } switches[] = { { MusicMode, "b.mp3" }, { MovieMode, "c.avi" }, { DocumentsMode, "d.pdf" },
        { PicturesMode, "a.jpg" } };
    for (const auto &change : switches) {
        model.setCategory(change.mode);
        QCOMPARE(shownNames(model), (QStringList { QString::fromLatin1(change.file), "sub" }));
    }
    // Not a category: the files shown stay.
    model.setCategory(7);
    QCOMPARE(shownNames(model), (QStringList { "a.jpg", "sub" }));
}

void TestVideoModel::removeRefusesAnInvalidIndex()
{
    const QString file = m_dir->createFile(QStringLiteral("a.jpg"), "x");
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(model.index(file).isValid(), loadTimeoutMs);
    TestDir workingDir;
    const QString bystander = workingDir.createFile(QStringLiteral("keep.txt"));
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(workingDir.path());
    const bool removed = model.remove(QModelIndex());
    QDir::setCurrent(previousDir);

    QVERIFY(!removed);
    QVERIFY(QFile::exists(bystander));
    QVERIFY(QFile::exists(file));
    QVERIFY(model.remove(model.index(file)));
    QVERIFY(!QFile::exists(file));
}

void TestVideoModel::impossiblePathEmptiesTheList()
{
    m_dir->createFile(QStringLiteral("a.jpg"), "x");
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(model), QStringList { "a.jpg" }, loadTimeoutMs);

    model.setFolder(QStringLiteral(",.?!:"));
    QVERIFY(!model.isActive());
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QCOMPARE(model.rowCount(model.index(m_dir->path())), 0);

    model.setFolder(m_dir->path());
    QVERIFY(model.isActive());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(model), QStringList { "a.jpg" }, loadTimeoutMs);
}

void TestVideoModel::roles()
{
    const QString file = m_dir->createFile(QStringLiteral("clip one.mp4"), "x");
    const QString folder = m_dir->createFolder(QStringLiteral("Trips"));
    VideoModel &model = showFolder(MovieMode, m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(model).size(), 2, loadTimeoutMs);

    QCOMPARE(model.index(file).data(Qt::ToolTipRole).toString(), file);
    QCOMPARE(model.index(file).data(VideoModel::DirectoryRole).toBool(), false);
    QCOMPARE(model.index(folder).data(VideoModel::DirectoryRole).toBool(), true);
    QVERIFY(!model.index(file).data(Qt::DecorationRole).value<QIcon>().isNull());
}

void TestVideoModel::picturesGetThumbnails()
{
    const QString wide = writePicture(*m_dir, QStringLiteral("wide.png"));
    const QString square = writePicture(*m_dir, QStringLiteral("square.PNG"), QSize(50, 50));
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QTRY_COMPARE_WITH_TIMEOUT(thumbnailCount(model, { wide, square }), 2, loadTimeoutMs);
    // Stretched to the full square, whatever the picture's shape.
    QCOMPARE(model.thumbnail(wide).size(), QSize(ThumbLoaderWorker::iconEdge, ThumbLoaderWorker::iconEdge));
    const QIcon icon = model.index(wide).data(Qt::DecorationRole).value<QIcon>();
    QCOMPARE(icon.pixmap(QSize(256, 256)).toImage().pixelColor(128, 128), QColor(Qt::darkGreen));
    const bool announced
        = std::any_of(changed.cbegin(), changed.cend(), [&](const QList<QVariant> &arguments) {
              return arguments.at(0).toModelIndex() == model.index(wide);
          });
    QVERIFY(announced);
}

void TestVideoModel::otherCategoriesDiscardTheirBatches_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::newRow("music: a picture is no cover") << int(MusicMode) << QStringLiteral("picture.mp3");
    QTest::newRow("documents") << int(DocumentsMode) << QStringLiteral("picture.pdf");
}

void TestVideoModel::otherCategoriesDiscardTheirBatches()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    // A real picture under a name of the category: documents have no
    // thumbnails, and music only the cover a music file carries.
    const QString path = writePicture(*m_dir, name);
    m_model = std::make_unique<VideoModel>();
    QSignalSpy batches(m_model->thumbnailWorker(), &ThumbLoaderWorker::updateIcons);
    QSignalSpy icons(m_model->thumbnailWorker(), &ThumbLoaderWorker::sendIcon);
    m_model->setCategory(mode);
    m_model->setFolder(m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(m_model->index(path).isValid(), loadTimeoutMs);

    QTRY_VERIFY_WITH_TIMEOUT(batches.count() > 0, loadTimeoutMs);
    QCOMPARE(icons.count(), 0);
    QVERIFY(m_model->thumbnail(path).isNull());
    QVERIFY(!m_model->isAwaited(path));
}

void TestVideoModel::switchingCategoryMidBatchStartsOver()
{
    QStringList pictures;
    for (int i = 0; i < 40; ++i)
        pictures.append(writePicture(*m_dir, QStringLiteral("p%1.png").arg(i), QSize(1200, 900)));
    m_model = std::make_unique<VideoModel>();
    QSignalSpy icons(m_model->thumbnailWorker(), &ThumbLoaderWorker::sendIcon);
    m_model->setCategory(PicturesMode);
    m_model->setFolder(m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(icons.count() > 0, loadTimeoutMs);

    m_model->setCategory(MovieMode);
    m_model->restartThumbnails();
    const int madeBeforeSwitch = icons.count();
    QVERIFY(madeBeforeSwitch < pictures.size());
    QTest::qWait(200);
    // Icons made just before the stop may still arrive; none is kept.
    QCOMPARE(thumbnailCount(*m_model, pictures), 0);
    QVERIFY(icons.count() <= madeBeforeSwitch + 1);

    m_model->setCategory(PicturesMode);
    m_model->restartThumbnails();
    QTRY_COMPARE_WITH_TIMEOUT(thumbnailCount(*m_model, pictures), pictures.size(), 30000);
}

void TestVideoModel::filesArrivingDuringACopyGetThumbnailsOnceComplete()
{
    VideoModel &model = showFolder(PicturesMode, m_dir->path());

    model.setThumbnailsEnabled(false);
    // Still empty: its copy has not written anything yet.
    const QString waiting = m_dir->createFile(QStringLiteral("waiting.png"));
    const QString copied = writePicture(*m_dir, QStringLiteral("copied.png"));
    QTRY_VERIFY_WITH_TIMEOUT(model.index(waiting).isValid() && model.index(copied).isValid(), loadTimeoutMs);
    // No folder change and no end of the copy needed.
    QTRY_VERIFY_WITH_TIMEOUT(!model.thumbnail(copied).isNull(), loadTimeoutMs);
    QVERIFY(!model.isAwaited(waiting));

    // The end of the copy asks for what is left.
    model.setThumbnailsEnabled(true);
    QVERIFY(model.isAwaited(waiting));
}

void TestVideoModel::filesInViewComeFirstNewestRequestFirst()
{
    QStringList pictures;
    for (int i = 0; i < 30; ++i)
        pictures.append(m_dir->createFile(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')), "x"));
    ManualDispatcher helpers;
    auto model = std::make_unique<VideoModel>();
    model->thumbnailWorker()->setDispatcher(&helpers);
    model->setCategory(PicturesMode);
    model->setFolder(m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(*model).size(), pictures.size(), loadTimeoutMs);
    // One is in hand when the view first reports.
    const QStringList first = helpers.take(1);
    QCOMPARE(first.size(), 1);
    QStringList waiting = pictures;
    waiting.removeOne(first.first());

    // A view shows the last rows, then is scrolled to the middle.
    const QStringList endRows = waiting.mid(24);
    const QStringList middleRows = waiting.mid(12, 3);
    model->setVisibleFiles(endRows);
    model->setVisibleFiles(middleRows);
    const QStringList order = helpers.take();
    QCOMPARE(order.mid(0, 8), middleRows + endRows);
    helpers.finish(order);
    QCOMPARE(thumbnailCount(*model, order), order.size());
}

void TestVideoModel::memoryStaysWithinItsBound()
{
    QStringList pictures;
    for (int i = 0; i < 12; ++i)
        pictures.append(writePicture(*m_dir, QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'))));
    m_model = std::make_unique<VideoModel>();
    const qint64 iconBytes = qint64(ThumbLoaderWorker::iconEdge) * ThumbLoaderWorker::iconEdge * 4;
    m_model->setThumbnailMemoryLimit(4 * iconBytes);
    m_model->setCategory(PicturesMode);
    m_model->setFolder(m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(*m_model).size(), pictures.size(), loadTimeoutMs);
    const QStringList inView = pictures.mid(0, 2);
    m_model->setVisibleFiles(inView);
    const auto allArrived = [&] {
        return std::none_of(pictures.cbegin(), pictures.cend(),
            [&](const QString &path) { return m_model->isAwaited(path); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(allArrived(), 30000);

    QVERIFY(m_model->thumbnailMemory() <= 4 * iconBytes);
    QCOMPARE(thumbnailCount(*m_model, pictures), 4);
    // The rows in view keep theirs, however old.
    QCOMPARE(thumbnailCount(*m_model, inView), 2);

    // A dropped one is made again when its row comes into view.
    const auto dropped = std::find_if(pictures.cbegin(), pictures.cend(),
        [&](const QString &path) { return m_model->thumbnail(path).isNull(); });
    QVERIFY(dropped != pictures.cend());
    m_model->setVisibleFiles({ *dropped });
    QTRY_VERIFY_WITH_TIMEOUT(!m_model->thumbnail(*dropped).isNull(), loadTimeoutMs);
    QVERIFY(m_model->thumbnailMemory() <= 4 * iconBytes);
}

void TestVideoModel::changingFolderNeverWaitsForTheWorker()
{
    const QString stuck = m_dir->createFile(QStringLiteral("stuck.png"), "x");
    TestDir other;
    const QString next = other.createFile(QStringLiteral("next.png"), "x");
    // Its helpers hold every file until the test lets it go.
    ManualDispatcher helpers;
    auto model = std::make_unique<VideoModel>();
    model->thumbnailWorker()->setDispatcher(&helpers);
    model->setCategory(PicturesMode);
    model->setFolder(m_dir->path());
    QStringList inHand;
    QVERIFY(QTest::qWaitFor([&] { return !(inHand = helpers.take()).isEmpty(); }, loadTimeoutMs));
    QCOMPARE(inHand, QStringList { stuck });

    QElapsedTimer clock;
    clock.start();
    model->setFolder(other.path());
    model->restartThumbnails();
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(helpers.cancels() > 0);

    // The picture in hand at the change is dropped when it comes.
    helpers.finish(inHand);
    QVERIFY(model->thumbnail(stuck).isNull());
    QVERIFY(QTest::qWaitFor([&] { return !(inHand = helpers.take()).isEmpty(); }, loadTimeoutMs));
    QCOMPARE(inHand, QStringList { next });
    helpers.finish(inHand);
    QVERIFY(!model->thumbnail(next).isNull());
}

void TestVideoModel::newSubFolderAsksForATreeRefresh()
{
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QSignalSpy refresh(&model, &VideoModel::refresh);
    m_dir->createFolder(QStringLiteral("New folder"));
    QVERIFY(refresh.wait(loadTimeoutMs));
}

void TestVideoModel::firstListingAsksForNoTreeRefresh_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder of its own") << QString();
    // A new model's file model starts at the working folder: looking the
    // folder up adds rows to it.
    QTest::newRow("below the working folder") << QStringLiteral("photos/2024");
}

void TestVideoModel::firstListingAsksForNoTreeRefresh()
{
    QFETCH(QString, folder);
    const QString shown = folder.isEmpty() ? m_dir->path() : m_dir->createFolder(folder);
    const QString prefix = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    for (int i = 0; i < 300; ++i)
        m_dir->createFolder(prefix + QStringLiteral("folder %1").arg(i));
    m_dir->createFile(prefix + QStringLiteral("a.jpg"), "x");
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_model = std::make_unique<VideoModel>();
    QDir::setCurrent(workingFolder);
    m_model->setCategory(PicturesMode);
    QSignalSpy refresh(m_model.get(), &VideoModel::refresh);
    QSignalSpy loaded(m_model.get(), &FolderListModel::directoryLoaded);
    m_model->setFolder(shown);
    QVERIFY(loaded.wait(loadTimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(*m_model).size(), 301, loadTimeoutMs);
    QCOMPARE(refresh.count(), 0);

    m_dir->createFolder(prefix + QStringLiteral("late"));
    QVERIFY(refresh.wait(loadTimeoutMs));
}

void TestVideoModel::arrangesAsTheFileModelDoes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("count");
    QTest::newRow("by name") << 0 << 12;
    QTest::newRow("by size") << 1 << 12;
    QTest::newRow("by type") << 2 << 12;
    QTest::newRow("by date") << 3 << 12;
    // The file model hands most of a large folder over in one batch, which
    // the list takes in a part at a time.
    QTest::newRow("large folder by name") << 0 << 4500;
}

void TestVideoModel::arrangesAsTheFileModelDoes()
{
    QFETCH(int, column);
    QFETCH(int, count);
    // Documents: no thumbnails are made.
    const char *const suffixes[] = { "txt", "PDF", "pdf", "jpg" };
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    for (int i = 0; i < count; ++i) {
        // Names that differ in case and in numbers; sizes and dates that
        // tie now and then.
        const QString name = QStringLiteral("%1ile%2.%3")
                                 .arg(i % 2 ? QLatin1Char('F') : QLatin1Char('f'))
                                 .arg(count - i)
                                 .arg(QLatin1String(suffixes[i % 4]));
        QFile file(m_dir->createFileOfSize(name, i % 5));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(start.addSecs(i % 7), QFileDevice::FileModificationTime));
    }
    for (const char *folder : { "zeta", "Alpha", "beta 10", "beta 9" })
        m_dir->createFolder(QString::fromLatin1(folder));

    VideoModel &model = showFolder(DocumentsMode, m_dir->path());
    model.sort(column);
    const int shown = count - count / 4 + 4;
    QTRY_COMPARE_WITH_TIMEOUT(shownOrder(model).size(), shown, loadTimeoutMs);
    QCOMPARE(shownOrder(model), referenceOrder(m_dir->path(), column, shownOrder(model)));
}

void TestVideoModel::removedFileLosesItsThumbnail()
{
    const QString path = writePicture(*m_dir, QStringLiteral("gone.png"));
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(!model.thumbnail(path).isNull(), loadTimeoutMs);
    QSignalSpy refresh(&model, &VideoModel::refresh);

    QVERIFY(QFile::remove(path));
    QTRY_VERIFY_WITH_TIMEOUT(!model.index(path).isValid(), loadTimeoutMs);
    QVERIFY(model.thumbnail(path).isNull());
    QVERIFY(!model.isAwaited(path));
    QVERIFY(refresh.count() >= 1);
}

void TestVideoModel::picturesChangedFromOutsideGetNewThumbnails_data()
{
    QTest::addColumn<bool>("rewritten");
    QTest::newRow("added") << false;
    QTest::newRow("rewritten") << true;
}

void TestVideoModel::picturesChangedFromOutsideGetNewThumbnails()
{
    QFETCH(bool, rewritten);
    const QString path = m_dir->filePath(QStringLiteral("p.png"));
    if (rewritten)
        writePicture(*m_dir, QStringLiteral("p.png"));
    VideoModel &model = showFolder(PicturesMode, m_dir->path());
    const auto centre = [&model, &path] { return model.thumbnail(path).toImage().pixelColor(128, 128); };
    if (rewritten)
        QTRY_COMPARE_WITH_TIMEOUT(centre(), QColor(Qt::darkGreen), loadTimeoutMs);

    QImage picture(QSize(300, 200), QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    QVERIFY(picture.save(path, "PNG"));
    QTRY_COMPARE_WITH_TIMEOUT(centre(), QColor(Qt::darkRed), loadTimeoutMs);
}

void TestVideoModel::filesWithoutAThumbnailShowTheirTypesIcon_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    // Null for the program's own file icon.
    QTest::addColumn<QColor>("colour");
    QTest::newRow("music: its type's") << int(MusicMode) << "song.mp3" << QColor(Qt::red);
    QTest::newRow("document: its kind's") << int(DocumentsMode) << "paper.pdf" << QColor(Qt::blue);
    QTest::newRow("not a picture: its type's") << int(PicturesMode) << "broken.jpg" << QColor(Qt::green);
    QTest::newRow("none in the theme") << int(DocumentsMode) << "notes.txt" << QColor();
}

void TestVideoModel::filesWithoutAThumbnailShowTheirTypesIcon()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QTemporaryDir icons;
    const QString theme = icons.filePath(QStringLiteral("test"));
    QVERIFY(QDir().mkpath(theme + QStringLiteral("/48x48/mimetypes")));
    QFile index(theme + QStringLiteral("/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=test\nDirectories=48x48/mimetypes\n\n"
                "[48x48/mimetypes]\nSize=48\nContext=MimeTypes\nType=Fixed\n");
    index.close();
    const QList<QPair<QString, QColor>> drawn { { "audio-mpeg", Qt::red }, { "x-office-document", Qt::blue },
        { "image-jpeg", Qt::green } };
    for (const auto &icon : drawn) {
        QImage image(48, 48, QImage::Format_ARGB32);
        image.fill(icon.second);
        QVERIFY(image.save(theme + QStringLiteral("/48x48/mimetypes/%1.png").arg(icon.first)));
    }
    const QStringList searched = QIcon::themeSearchPaths();
    const QString named = QIcon::themeName();
    QIcon::setThemeSearchPaths({ icons.path() });
    QIcon::setThemeName(QStringLiteral("test"));
    const QString path = m_dir->createFile(name, "not what its name says");

    VideoModel &model = showFolder(mode, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(!model.isAwaited(path), loadTimeoutMs);
    const QImage shown = model.index(path).data(Qt::DecorationRole).value<QIcon>().pixmap(48, 48).toImage();
    QIcon::setThemeSearchPaths(searched);
    QIcon::setThemeName(named);
    if (colour.isValid())
        QCOMPARE(shown.pixelColor(24, 24), colour);
    else
        QCOMPARE(shown, QIcon(QStringLiteral(":/skin/res/file.png")).pixmap(48, 48).toImage());
}

void TestVideoModel::modelDeletedMidBatch()
{
    for (int i = 0; i < 20; ++i)
        writePicture(*m_dir, QStringLiteral("p%1.png").arg(i), QSize(1200, 900));
    m_model = std::make_unique<VideoModel>();
    QSignalSpy icons(m_model->thumbnailWorker(), &ThumbLoaderWorker::sendIcon);
    m_model->setCategory(PicturesMode);
    m_model->setFolder(m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(icons.count() > 0, loadTimeoutMs);
    QPointer<ThumbLoaderWorker> worker = m_model->thumbnailWorker();
    m_model.reset();
    QVERIFY(worker.isNull());
    // Whatever the worker posted before it went is delivered now, to nobody.
    QCoreApplication::sendPostedEvents();
}

void TestVideoModel::rowsComingIntoViewAreToldOfTheirThumbnails()
{
    const QString shown = m_dir->createFile(QStringLiteral("shown.png"), "x");
    const QString below = m_dir->createFile(QStringLiteral("below.png"), "x");
    ManualDispatcher helpers;
    auto model = std::make_unique<VideoModel>();
    model->thumbnailWorker()->setDispatcher(&helpers);
    const auto told = [&model](const QSignalSpy &spy, const QString &path) {
        return std::any_of(spy.cbegin(), spy.cend(), [&](const QList<QVariant> &arguments) {
            return arguments.at(0).toModelIndex() == model->index(path);
        });
    };
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    model->setCategory(PicturesMode);
    model->setFolder(m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(shownNames(*model).size(), 2, loadTimeoutMs);
    model->setVisibleFiles({ shown });
    helpers.finish(helpers.take());
    QVERIFY(!model->thumbnail(below).isNull() && !model->thumbnail(shown).isNull());
    QVERIFY(told(changed, shown));
    // Out of view: its row is not looked for until it comes into view.
    QVERIFY(!told(changed, below));
    model->setVisibleFiles({ below });
    QVERIFY(told(changed, below));
}

QTEST_MAIN(TestVideoModel)
#include "tst_videomodel.moc"
