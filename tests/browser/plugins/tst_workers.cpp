// SPDX-License-Identifier: GPL-2.0-or-later
#include "PaneTestHome.h"
#include "TestDir.h"

#include "browser/plugins/VerifyPasteDone.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/QNodeItem.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <atomic>
#include <memory>

using namespace std::chrono_literals;

namespace {

// Well below the 40 s or more a check that ignored its stop would take.
constexpr qint64 promptMs = 1500;

QStringList childPaths(const QNodeItem *node)
{
    QStringList paths;
    for (const QNodeItem *child : node->childNodes())
        paths.append(child->fileInfo().absoluteFilePath());
    paths.sort();
    return paths;
}

} // namespace

using FilesPerPass = QList<QList<int>>;
Q_DECLARE_METATYPE(FilesPerPass)

class tst_Workers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verifierReportsEachVanishedFileAndTheEnd_data();
    void verifierReportsEachVanishedFileAndTheEnd();
    void verifierReportsAGoneRowAsInvalid();
    void verifierStopsAtOnce();
    void importerListsForItsNode();
    void goneNodeStopsItsImporter();

private:
    std::unique_ptr<PaneTestHome> m_home;
};

void tst_Workers::initTestCase()
{
    m_home = std::make_unique<PaneTestHome>();
    QVERIFY(m_home->isValid());
}

void tst_Workers::verifierReportsEachVanishedFileAndTheEnd_data()
{
    QTest::addColumn<int>("files");
    // Which files go before each pass: the first list before pass 1, ...
    QTest::addColumn<FilesPerPass>("removals");
    QTest::addColumn<int>("reports");
    QTest::addColumn<int>("passes");
    QTest::newRow("three gone before the first pass") << 3 << FilesPerPass { { 0, 1, 2 } } << 4 << 1;
    QTest::newRow("never gone") << 2 << FilesPerPass {} << 1 << 20;
    QTest::newRow("gone over two passes") << 2 << FilesPerPass { { 0 }, { 1 } } << 3 << 20;
    QTest::newRow("one of two gone") << 2 << FilesPerPass { {}, {}, { 1 } } << 2 << 20;
}

void tst_Workers::verifierReportsEachVanishedFileAndTheEnd()
{
    QFETCH(int, files);
    QFETCH(FilesPerPass, removals);
    QFETCH(int, reports);
    QFETCH(int, passes);
    TestDir dir;
    QVector<QString> cut;
    for (int i = 0; i < files; ++i)
        cut.append(dir.createFile(QStringLiteral("file%1.jpg").arg(i)));
    QStandardItemModel tree;
    tree.appendRow(new QStandardItem(QStringLiteral("Pictures")));

    VerifyPasteDone verifier(cut, tree.index(0, 0));
    std::atomic<int> passCount { 0 };
    std::atomic<int> fileWaits { 0 };
    verifier.setPause([&](std::chrono::milliseconds duration) {
        if (duration < 2s) {
            ++fileWaits;
            return true;
        }
        const int pass = passCount++;
        for (int file : removals.value(pass))
            QFile::remove(cut.at(file));
        return true;
    });
    QSignalSpy done(&verifier, &VerifyPasteDone::done);
    QSignalSpy finished(&verifier, &QThread::finished);
    verifier.start();
    // The spy counts from its own connection: a thread that ends before the
    // test looks is counted all the same, where wait() would miss it.
    QTRY_COMPARE(finished.count(), 1);
    QTRY_COMPARE(done.count(), reports);
    QCOMPARE(passCount.load(), passes);
    QCOMPARE(fileWaits.load(), reports - 1);
    QCOMPARE(done.last().first().toModelIndex(), tree.index(0, 0));
}

void tst_Workers::verifierReportsAGoneRowAsInvalid()
{
    QStandardItemModel tree;
    tree.appendRow(new QStandardItem(QStringLiteral("Pictures")));
    VerifyPasteDone verifier({}, tree.index(0, 0));
    // The tree lists the folder's parent again while the check runs.
    tree.removeRow(0);
    QSignalSpy done(&verifier, &VerifyPasteDone::done);
    verifier.setPause([](std::chrono::milliseconds) { return true; });
    verifier.start();
    QTRY_COMPARE(done.count(), 1);
    QVERIFY(!done.first().first().toModelIndex().isValid());
}

void tst_Workers::verifierStopsAtOnce()
{
    TestDir dir;
    auto verifier = std::make_unique<VerifyPasteDone>(
        QVector<QString> { dir.createFile(QStringLiteral("stays.jpg")) }, QModelIndex());
    QSignalSpy started(verifier.get(), &QThread::started);
    verifier->start();
    QTRY_COMPARE(started.count(), 1);
    QElapsedTimer clock;
    clock.start();
    verifier.reset();
    QVERIFY(clock.elapsed() < promptMs);
}

void tst_Workers::importerListsForItsNode()
{
    TestDir dir;
    dir.createFolder(QStringLiteral("album/first"));
    BrowserTreeModel model(HostMode);
    const QModelIndex album = model.findPath(dir.filePath(QStringLiteral("album")));
    QVERIFY(album.isValid());
    QNodeItem *node = model.nodeFromIndex(album);
    QCOMPARE(model.rowCount(album), 1);
    // Listed in the background: the second folder arrives with the import.
    dir.createFolder(QStringLiteral("album/second"));
    dir.createFile(QStringLiteral("album/file.txt"));
    node->importInBackground();
    const QStringList expected { dir.filePath(QStringLiteral("album/first")),
        dir.filePath(QStringLiteral("album/second")) };
    QTRY_COMPARE(childPaths(node), expected);
    QVERIFY(node->isPopulated());
    QCOMPARE(model.rowCount(album), 2);
}

void tst_Workers::goneNodeStopsItsImporter()
{
    TestDir dir;
    // Long enough to list that the node goes while its listing runs.
    for (int i = 0; i < 400; ++i)
        dir.createFolder(QStringLiteral("many/%1").arg(i));
    BrowserTreeModel model(HostMode);
    const QModelIndex many = model.findPath(dir.filePath(QStringLiteral("many")));
    QVERIFY(many.isValid());
    model.nodeFromIndex(many)->importInBackground();
    QElapsedTimer clock;
    clock.start();
    model.refresh(many.parent());
    QVERIFY(clock.elapsed() < promptMs);
    QTest::qWait(0);
    QVERIFY(model.findPath(dir.filePath(QStringLiteral("many"))).isValid());
}

QTEST_MAIN(tst_Workers)
#include "tst_workers.moc"
