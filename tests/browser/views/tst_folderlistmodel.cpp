// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "browser/views/FolderListModel.h"

#include <QAbstractItemModelTester>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr int loadTimeoutMs = 10000;

QStringList rowNames(const QAbstractItemModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 0).data().toString());
    return names;
}

// Each row's name and size.
QStringList describedRows(const FolderListModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        rows.append(QStringLiteral("%1 %2").arg(model.fileName(index)).arg(model.size(index)));
    }
    return rows;
}

// What the toolkit's file model shows of folder, in its order, as
// describedRows has it.
QStringList referenceRows(const QString &folder, int column, const QStringList &patterns)
{
    QFileSystemModel reference;
    reference.setFilter(QDir::Files | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    reference.setNameFilters(patterns);
    reference.setNameFilterDisables(false);
    QSignalSpy loaded(&reference, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = reference.setRootPath(folder);
    loaded.wait(loadTimeoutMs);
    reference.sort(column);
    QStringList rows;
    for (int row = 0; row < reference.rowCount(root); ++row) {
        const QModelIndex index = reference.index(row, 0, root);
        rows.append(QStringLiteral("%1 %2").arg(reference.fileName(index)).arg(reference.size(index)));
    }
    return rows;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

} // namespace

class TestFolderListModel : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatTheFileModelShows_data();
    void showsWhatTheFileModelShows();
    void followsChanges_data();
    void followsChanges();
    void manyChangesKeepTheSelection_data();
    void manyChangesKeepTheSelection();
    void burstFromAnotherProgramComesInSlices();
    void neverFollowsLinksNorOpensSpecialFiles_data();
    void neverFollowsLinksNorOpensSpecialFiles();
};

void TestFolderListModel::showsWhatTheFileModelShows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("patterns");
    // Files beside those below; from a few hundred on, two threads share
    // the reading.
    QTest::addColumn<int>("more");
    const QStringList pictures { "*.jpg", "*.png" };
    QTest::newRow("by name") << 0 << pictures << 0;
    QTest::newRow("by size") << 1 << pictures << 0;
    QTest::newRow("by type") << 2 << pictures << 0;
    QTest::newRow("by date") << 3 << pictures << 0;
    QTest::newRow("every file") << 0 << QStringList() << 0;
    QTest::newRow("every file of many") << 1 << QStringList() << 600;
}

void TestFolderListModel::showsWhatTheFileModelShows()
{
    QFETCH(int, column);
    QFETCH(QStringList, patterns);
    QFETCH(int, more);
    TestDir dir;
    for (int i = 0; i < more; ++i)
        dir.createFileOfSize(QStringLiteral("more %1.jpg").arg(i), i % 5);
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    const QStringList names { "photo 10.jpg", "photo 9.JPG", "Photo 1.png", "élan.jpg", "zeta.png", "a.txt",
        "noext", "b.tar.gz", "10.jpg", ".hidden.jpg", "x.jpg.txt" };
    for (int i = 0; i < names.size(); ++i) {
        QFile file(dir.createFileOfSize(names.at(i), i % 3));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(start.addSecs(i % 4), QFileDevice::FileModificationTime));
    }
    for (const char *folder : { "Trips", "albums 2", "albums 10", "song.mp3" })
        dir.createFolder(QString::fromUtf8(folder));
    dir.createSymlink(dir.filePath(QStringLiteral("zeta.png")), QStringLiteral("link.png"));
    QVERIFY(makeFifo(dir.filePath(QStringLiteral("pipe.jpg"))));

    FolderListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setNameFilters(patterns);
    model.sort(column);
    QSignalSpy loaded(&model, &FolderListModel::directoryLoaded);
    model.setRootPath(dir.path());
    QVERIFY(loaded.wait(loadTimeoutMs));
    QCOMPARE(describedRows(model), referenceRows(dir.path(), column, patterns));
    QVERIFY(model.isLoaded());
}

void TestFolderListModel::followsChanges_data()
{
    QTest::addColumn<bool>("whileListing");
    QTest::addColumn<QString>("change");
    for (const bool whileListing : { true, false }) {
        for (const char *change : { "add", "remove", "rename", "add folder", "rewrite", "folder gone" }) {
            const QByteArray name = QByteArray(change) + (whileListing ? " while listing" : " once listed");
            QTest::newRow(name.constData()) << whileListing << QString::fromLatin1(change);
        }
    }
}

void TestFolderListModel::followsChanges()
{
    QFETCH(bool, whileListing);
    QFETCH(QString, change);
    TestDir dir;
    // Enough rows to be taken in over several passes.
    for (int i = 0; i < 3000; ++i)
        dir.createFile(QStringLiteral("f%1.jpg").arg(i));
    FolderListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy loaded(&model, &FolderListModel::directoryLoaded);
    model.setRootPath(dir.path());
    if (!whileListing)
        QVERIFY(loaded.wait(loadTimeoutMs));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy rewritten(&model, &FolderListModel::fileChanged);

    if (change == QLatin1String("add"))
        dir.createFile(QStringLiteral("f1500 new.jpg"));
    else if (change == QLatin1String("rewrite"))
        dir.createFile(QStringLiteral("f1500.jpg"), "longer");
    else if (change == QLatin1String("folder gone"))
        QVERIFY(QDir(dir.path()).removeRecursively());
    else if (change == QLatin1String("add folder"))
        dir.createFolder(QStringLiteral("new folder"));
    else if (change == QLatin1String("remove"))
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("f1500.jpg"))));
    else
        QVERIFY(
            QFile::rename(dir.filePath(QStringLiteral("f1500.jpg")), dir.filePath(QStringLiteral("g.jpg"))));

    // An unplugged device's folder goes with all its files.
    const QStringList expected
        = change == QLatin1String("folder gone") ? QStringList() : referenceRows(dir.path(), 0, {});
    QTRY_COMPARE_WITH_TIMEOUT(describedRows(model), expected, loadTimeoutMs);
    // Once listed, only the rows that changed are touched.
    if (!whileListing) {
        QCOMPARE(resets.count(), 0);
        QCOMPARE(rewritten.count(), change == QLatin1String("rewrite") ? 1 : 0);
    }
}

void TestFolderListModel::manyChangesKeepTheSelection_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("column");
    for (const char *change : { "add", "remove", "rename", "replace", "rewrite" }) {
        for (const int column : { 0, 1 }) {
            const QByteArray name = QByteArray(change) + (column == 0 ? " by name" : " by size");
            QTest::newRow(name.constData()) << QString::fromLatin1(change) << column;
        }
    }
}

void TestFolderListModel::manyChangesKeepTheSelection()
{
    QFETCH(QString, change);
    QFETCH(int, column);
    TestDir dir;
    const auto name = [](int i) { return QStringLiteral("f%1.jpg").arg(i, 4, 10, QLatin1Char('0')); };
    for (int i = 0; i < 1200; ++i)
        dir.createFileOfSize(name(i), i % 7);
    // No model tester: it checks every row at every change.
    FolderListModel model;
    model.sort(column);
    QSignalSpy loaded(&model, &FolderListModel::directoryLoaded);
    model.setRootPath(dir.path());
    QVERIFY(loaded.wait(loadTimeoutMs));
    QItemSelectionModel selection(&model);
    const QStringList kept { name(3), name(601), name(1198) };
    for (const QString &file : kept)
        selection.select(model.index(dir.filePath(file)), QItemSelectionModel::Select);
    selection.setCurrentIndex(model.index(dir.filePath(name(601))), QItemSelectionModel::NoUpdate);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // Every other file but those kept: far more changes than rows in a slice.
    for (int i = 0; i < 1200; i += 2) {
        if (kept.contains(name(i)) || kept.contains(name(i + 1)))
            continue;
        const QString path = dir.filePath(name(i));
        if (change == QLatin1String("add"))
            dir.createFile(name(i) + QStringLiteral(" copy.jpg"));
        else if (change == QLatin1String("remove"))
            QVERIFY(QFile::remove(path));
        else if (change == QLatin1String("rename"))
            QVERIFY(QFile::rename(path, dir.filePath(QStringLiteral("g") + name(i))));
        else if (change == QLatin1String("rewrite"))
            dir.createFileOfSize(name(i), 100 + i);
        else // A larger file in its place, at once.
            QVERIFY(
                ::rename(QFile::encodeName(dir.createFileOfSize(QStringLiteral(".new"), 100 + i)).constData(),
                    QFile::encodeName(path).constData())
                == 0);
    }

    const QStringList expected = referenceRows(dir.path(), column, {});
    QTRY_COMPARE_WITH_TIMEOUT(describedRows(model), expected, loadTimeoutMs);
    QCOMPARE(resets.count(), 0);
    QStringList selected;
    for (const QModelIndex &index : selection.selectedIndexes())
        selected.append(index.data().toString());
    selected.sort();
    QCOMPARE(selected, kept);
    QCOMPARE(selection.currentIndex().data().toString(), name(601));
}

void TestFolderListModel::burstFromAnotherProgramComesInSlices()
{
    TestDir dir;
    for (int i = 0; i < 1000; ++i)
        dir.createFile(QStringLiteral("burst/b%1.jpg").arg(i));
    for (const char *name : { "a.jpg", "m.jpg", "z.jpg" })
        dir.createFile(QStringLiteral("shown/") + QLatin1String(name));
    const QString shown = dir.filePath(QStringLiteral("shown"));
    FolderListModel model;
    QSignalSpy loaded(&model, &FolderListModel::directoryLoaded);
    model.setRootPath(shown);
    QVERIFY(loaded.wait(loadTimeoutMs));
    QItemSelectionModel selection(&model);
    selection.select(model.index(shown + QStringLiteral("/a.jpg")), QItemSelectionModel::Select);
    selection.setCurrentIndex(model.index(shown + QStringLiteral("/z.jpg")), QItemSelectionModel::NoUpdate);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    QProcess copy;
    QSignalSpy copied(&copy, &QProcess::finished);
    copy.start(
        QStringLiteral("cp"), { QStringLiteral("-r"), dir.filePath(QStringLiteral("burst/.")), shown });
    QVERIFY(copied.wait(loadTimeoutMs));
    const QStringList expected = referenceRows(shown, 0, {});
    QTRY_COMPARE_WITH_TIMEOUT(describedRows(model), expected, loadTimeoutMs);

    QCOMPARE(resets.count(), 0);
    int rows = 0;
    for (const QList<QVariant> &arguments : qAsConst(inserted)) {
        const int count = arguments.at(2).toInt() - arguments.at(1).toInt() + 1;
        // No more than the model takes in a slice.
        QVERIFY(count <= 256);
        rows += count;
    }
    QCOMPARE(rows, 1000);
    QCOMPARE(selection.selectedIndexes().size(), 1);
    QCOMPARE(selection.selectedIndexes().constFirst().data().toString(), QStringLiteral("a.jpg"));
    QCOMPARE(selection.currentIndex().data().toString(), QStringLiteral("z.jpg"));
}

void TestFolderListModel::neverFollowsLinksNorOpensSpecialFiles_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("links and a FIFO among files") << "folder" << QStringList { "a.jpg" };
    QTest::newRow("the folder is a FIFO") << "fifo" << QStringList();
    // As the tree shows it, a link the user chose.
    QTest::newRow("the folder is a link to one") << "linked" << QStringList { "a.jpg" };
}

void TestFolderListModel::neverFollowsLinksNorOpensSpecialFiles()
{
    QFETCH(QString, shown);
    QFETCH(QStringList, rows);
    TestDir dir;
    dir.createFile(QStringLiteral("folder/a.jpg"));
    dir.createFolder(QStringLiteral("elsewhere"));
    QVERIFY(makeFifo(dir.filePath(QStringLiteral("folder/pipe.jpg"))));
    QVERIFY(makeFifo(dir.filePath(QStringLiteral("fifo"))));
    dir.createSymlink(dir.filePath(QStringLiteral("fifo")), QStringLiteral("folder/to fifo.jpg"));
    dir.createSymlink(dir.filePath(QStringLiteral("elsewhere")), QStringLiteral("folder/to folder"));
    dir.createSymlink(dir.filePath(QStringLiteral("nothing")), QStringLiteral("folder/dangling.jpg"));
    dir.createSymlink(dir.filePath(QStringLiteral("folder")), QStringLiteral("linked"));

    FolderListModel model;
    model.setRootPath(dir.filePath(shown));
    QTRY_COMPARE_WITH_TIMEOUT(rowNames(model), rows, loadTimeoutMs);
    // Nothing hangs on the FIFOs: the next folder is listed.
    model.setRootPath(dir.filePath(QStringLiteral("elsewhere")));
    dir.createFile(QStringLiteral("elsewhere/b.jpg"));
    QTRY_COMPARE_WITH_TIMEOUT(rowNames(model), QStringList { "b.jpg" }, loadTimeoutMs);
}

QTEST_MAIN(TestFolderListModel)
#include "tst_folderlistmodel.moc"
