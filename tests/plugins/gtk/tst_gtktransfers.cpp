// SPDX-License-Identifier: GPL-2.0-or-later
// The GNOME plug-in's transfers at the edges: a disk whose flushes fail
// (FlushShim.c preloaded), through the real library opened with dlopen, and
// names as long as the file system allows, given to the transfer itself on a
// thread of its own so that one that never ends fails in time.
#include "FileTree.h"
#include "ModalDriver.h"
#include "TestDir.h"
#include "TmpfsMount.h"

#include "plugins/ShellMenuApi.h"
#include "plugins/gtk/ItemTransfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTranslator>

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <memory>
#include <thread>

namespace {

using FailFlush = void (*)(int n, int error);
using Answers = QList<QMessageBox::StandardButton>;

const QString copyErrorText = QStringLiteral("An error occurred while copying.");

using FileTree::treeOf;

} // namespace

Q_DECLARE_METATYPE(Answers)

class tst_GtkTransfers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failedFlushKeepsSource_data();
    void failedFlushKeepsSource();
    void longNamesAreTransferred_data();
    void longNamesAreTransferred();

private:
    void *m_library = nullptr;
    FailFlush m_failFlush = nullptr;
    ShellMenuApi::FilesOperation m_copy = nullptr;
    ShellMenuApi::FilesOperation m_cut = nullptr;
    ShellMenuApi::PathOperation m_paste = nullptr;
};

void tst_GtkTransfers::initTestCase()
{
    m_failFlush = reinterpret_cast<FailFlush>(dlsym(RTLD_DEFAULT, "opaloShimFailFlush"));
    QVERIFY2(m_failFlush, "the flush shim is not preloaded");
    m_library = dlopen(GTK_SHELL_MENU_PATH, RTLD_NOW);
    QVERIFY2(m_library, dlerror());
    m_copy = reinterpret_cast<ShellMenuApi::FilesOperation>(dlsym(m_library, "copy"));
    m_cut = reinterpret_cast<ShellMenuApi::FilesOperation>(dlsym(m_library, "cut"));
    m_paste = reinterpret_cast<ShellMenuApi::PathOperation>(dlsym(m_library, "paste"));
    const auto linguist = reinterpret_cast<ShellMenuApi::Linguist>(dlsym(m_library, "linguistGtkShellMenu"));
    QVERIFY(m_copy && m_cut && m_paste && linguist);
    linguist(new QTranslator(this));
}

void tst_GtkTransfers::failedFlushKeepsSource_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("failingFlush");
    // Flushes come file by file, then each folder made, then the folder
    // the copy is renamed into.
    QTest::newRow("file moved, its data") << true << false << false << 1;
    QTest::newRow("file moved, its entry") << true << false << false << 2;
    QTest::newRow("folder moved, a file inside") << true << true << false << 2;
    QTest::newRow("folder moved, its own entries") << true << true << false << 3;
    QTest::newRow("folder moved, its entry") << true << true << false << 4;
    QTest::newRow("file copied over an old one") << false << false << true << 1;
    QTest::newRow("file moved over an old one") << true << false << true << 1;
    QTest::newRow("folder copied over an old file, its entry") << false << true << true << 4;
}

void tst_GtkTransfers::failedFlushKeepsSource()
{
    QFETCH(bool, cut);
    QFETCH(bool, folder);
    QFETCH(bool, existing);
    QFETCH(int, failingFlush);
    TestDir source;
    TestDir holder;
    TmpfsMount disk(holder.filePath(QStringLiteral("disk")), QStringLiteral("size=4m"));
    if (!disk.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    if (folder) {
        source.createFile(QStringLiteral("item/a.txt"), "new a");
        source.createFile(QStringLiteral("item/b.txt"), "new b");
    } else {
        source.createFile(QStringLiteral("item"), "new");
    }
    if (existing)
        QVERIFY(QFile(disk.path() + QStringLiteral("/item")).open(QIODevice::WriteOnly));
    const QStringList sourceBefore = treeOf(source.path());
    const QStringList diskBefore = treeOf(disk.path());
    (cut ? m_cut : m_copy)({ source.filePath(QStringLiteral("item")) });
    ModalDriver answerer(existing ? Answers { QMessageBox::Yes } : Answers {});
    m_failFlush(failingFlush, EIO);
    m_paste(disk.path());
    m_failFlush(0, 0);

    QCOMPARE(answerer.texts().value(existing ? 1 : 0), copyErrorText);
    QCOMPARE(treeOf(source.path()), sourceBefore);
    QCOMPARE(treeOf(disk.path()), diskBefore);
    // The cut still stands, so the user can paste it again.
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(clipboard && clipboard->data(QStringLiteral("x-special/gnome-copied-files")).startsWith("cut\n"),
        cut);
}

void tst_GtkTransfers::longNamesAreTransferred_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("otherDisk");
    QTest::newRow("file copied") << false << false << false << false;
    QTest::newRow("file copied over an old one") << false << false << true << false;
    QTest::newRow("folder copied over an old file") << false << true << true << false;
    QTest::newRow("file moved to another disk") << true << false << false << true;
    QTest::newRow("folder moved over an old file on another disk") << true << true << true << true;
}

void tst_GtkTransfers::longNamesAreTransferred()
{
    QFETCH(bool, move);
    QFETCH(bool, folder);
    QFETCH(bool, existing);
    QFETCH(bool, otherDisk);
    TestDir source;
    TestDir target;
    TmpfsMount disk(target.filePath(QStringLiteral("disk")), QStringLiteral("size=4m"));
    if (otherDisk && !disk.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    const QString targetPath = otherDisk ? disk.path() : target.createFolder(QStringLiteral("folder"));
    // As long as a name may be: no ".NAME.suffix" fits beside it.
    const QString name = QString(250, QLatin1Char('n'));
    source.createFile(folder ? name + QStringLiteral("/inner.txt") : name, "new");
    if (existing)
        QVERIFY(QFile(targetPath + QLatin1Char('/') + name).open(QIODevice::WriteOnly));
    const QStringList expected = treeOf(source.path());

    struct Outcome
    {
        std::atomic_bool done { false };
        std::atomic_int error { -1 };
    };
    const auto outcome = std::make_shared<Outcome>();
    ItemTransfer::Hooks hooks;
    hooks.replace = [](const QString &) { return true; };
    hooks.copy.advanced = [](qint64) { };
    hooks.copy.cancelled = [] { return false; };
    // Left running should it never end: the test has failed by then.
    std::thread([outcome, move, hooks, rawName = QFile::encodeName(name),
                    from = SafeTree::openFolderPath(QFile::encodeName(source.path())),
                    to = SafeTree::openFolderPath(QFile::encodeName(targetPath))] {
        ItemTransfer transfer(move, hooks);
        outcome->error = transfer.run(from.get(), rawName, to.get(), rawName, QString());
        outcome->done = true;
    }).detach();
    QTRY_VERIFY_WITH_TIMEOUT(outcome->done, 10000);

    QCOMPARE(outcome->error.load(), 0);
    QCOMPARE(treeOf(targetPath), expected);
    QCOMPARE(treeOf(source.path()), move ? QStringList() : expected);
}

QTEST_MAIN(tst_GtkTransfers)
#include "tst_gtktransfers.moc"
