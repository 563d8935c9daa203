// SPDX-License-Identifier: GPL-2.0-or-later
// The GNOME plug-in's walks against a user who swaps a folder for a link to
// someone else's folder while they run, and its pastes on a slow disk. Runs
// with the swap shim preloaded (SwapShim.c), as the super-user in CI: the
// victim's files must be neither changed, removed nor copied anywhere.
#include "ModalDriver.h"
#include "TestDir.h"
#include "TmpfsMount.h"

#include "plugins/ShellMenuApi.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <dlfcn.h>
#include <sys/stat.h>

namespace {

using SwapAt = void (*)(const char *folder, const char *target, int n);
using SlowCopies = void (*)(int milliseconds);

const QString copyErrorText = QStringLiteral("An error occurred while copying.");

// Every entry below folder with its permissions and content.
QStringList treeOf(const QString &folder)
{
    QStringList tree;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        struct stat status;
        lstat(QFile::encodeName(path).constData(), &status);
        QFile file(path);
        const QByteArray content
            = S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        tree.append(QStringLiteral("%1 %2 %3")
                .arg(path.mid(folder.size() + 1), QString::number(status.st_mode & 07777, 8),
                    QString::fromUtf8(content)));
    }
    tree.sort();
    return tree;
}

} // namespace

class tst_GtkLinkSwaps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pasteNeverFollowsASwappedFolder_data();
    void pasteNeverFollowsASwappedFolder();
    void enclosedPermissionsNeverFollowASwappedFolder_data();
    void enclosedPermissionsNeverFollowASwappedFolder();
    void slowPasteShowsProgressAndCancels();

private:
    void makeVictim(TestDir &dir);

    void *m_library = nullptr;
    SwapAt m_swapAt = nullptr;
    SlowCopies m_slowCopies = nullptr;
    ShellMenuApi::FilesOperation m_copy = nullptr;
    ShellMenuApi::FilesOperation m_cut = nullptr;
    ShellMenuApi::PathOperation m_paste = nullptr;
    ShellMenuApi::ShowGtkShellMenu m_show = nullptr;
};

void tst_GtkLinkSwaps::initTestCase()
{
    m_swapAt = reinterpret_cast<SwapAt>(dlsym(RTLD_DEFAULT, "opaloShimSwapAt"));
    m_slowCopies = reinterpret_cast<SlowCopies>(dlsym(RTLD_DEFAULT, "opaloShimSlowCopies"));
    QVERIFY2(m_swapAt && m_slowCopies, "the swap shim is not preloaded");
    m_library = dlopen(GTK_SHELL_MENU_PATH, RTLD_NOW);
    QVERIFY2(m_library, dlerror());
    m_copy = reinterpret_cast<ShellMenuApi::FilesOperation>(dlsym(m_library, "copy"));
    m_cut = reinterpret_cast<ShellMenuApi::FilesOperation>(dlsym(m_library, "cut"));
    m_paste = reinterpret_cast<ShellMenuApi::PathOperation>(dlsym(m_library, "paste"));
    m_show = reinterpret_cast<ShellMenuApi::ShowGtkShellMenu>(dlsym(m_library, "ShowGtkShellMenu"));
    const auto linguist = reinterpret_cast<ShellMenuApi::Linguist>(dlsym(m_library, "linguistGtkShellMenu"));
    QVERIFY(m_copy && m_cut && m_paste && m_show && linguist);
    // The plug-in's own English texts.
    linguist(new QTranslator(this));
}

void tst_GtkLinkSwaps::makeVictim(TestDir &dir)
{
    dir.createFile(QStringLiteral("victim/secret.txt"), "secret");
    dir.createFile(QStringLiteral("victim/inner/deep.txt"), "deep");
    for (const char *file : { "victim/secret.txt", "victim/inner/deep.txt" })
        QVERIFY(
            QFile::setPermissions(dir.filePath(QLatin1String(file)), QFile::ReadOwner | QFile::WriteOwner));
}

void tst_GtkLinkSwaps::pasteNeverFollowsASwappedFolder_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<int>("opening");
    QTest::newRow("copy, swapped while copied") << false << 1;
    QTest::newRow("move to another disk, swapped while copied") << true << 1;
    QTest::newRow("move to another disk, swapped before removal") << true << 2;
}

void tst_GtkLinkSwaps::pasteNeverFollowsASwappedFolder()
{
    QFETCH(bool, cut);
    QFETCH(int, opening);
    TestDir dir;
    makeVictim(dir);
    const QStringList victim = treeOf(dir.filePath(QStringLiteral("victim")));
    dir.createFile(QStringLiteral("album/top.txt"), "top");
    dir.createFile(QStringLiteral("album/swapped-folder/mine.txt"), "mine");
    TmpfsMount disk(dir.filePath(QStringLiteral("disk")), QStringLiteral("size=4m"));
    const QString destination = cut ? disk.path() : dir.createFolder(QStringLiteral("target"));
    if (cut && !disk.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    (cut ? m_cut : m_copy)({ dir.filePath(QStringLiteral("album")) });
    m_swapAt(QFile::encodeName(dir.filePath(QStringLiteral("album/swapped-folder"))).constData(),
        QFile::encodeName(dir.filePath(QStringLiteral("victim"))).constData(), opening);
    ModalDriver answerer;
    m_paste(destination);
    m_swapAt("", "", 0);

    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("album/swapped-folder"))).isSymLink()
        || !QFile::exists(dir.filePath(QStringLiteral("album"))));
    QCOMPARE(treeOf(dir.filePath(QStringLiteral("victim"))), victim);
    const QStringList copied = treeOf(destination);
    QVERIFY2(
        copied.filter(QStringLiteral("secret")).isEmpty() && copied.filter(QStringLiteral("deep")).isEmpty(),
        qPrintable(copied.join(QLatin1Char('\n'))));
}

void tst_GtkLinkSwaps::enclosedPermissionsNeverFollowASwappedFolder_data()
{
    QTest::addColumn<QString>("swapped");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("opening");
    QTest::newRow("the folder, at its first opening") << "folder"
                                                      << "victim" << 1;
    QTest::newRow("the folder, at its second opening") << "folder"
                                                       << "victim" << 2;
    QTest::newRow("a folder inside") << "folder/inner"
                                     << "victim/inner" << 1;
}

void tst_GtkLinkSwaps::enclosedPermissionsNeverFollowASwappedFolder()
{
    QFETCH(QString, swapped);
    QFETCH(QString, target);
    QFETCH(int, opening);
    TestDir dir;
    makeVictim(dir);
    const QStringList victim = treeOf(dir.filePath(QStringLiteral("victim")));
    // The same names as the victim's.
    dir.createFile(QStringLiteral("folder/secret.txt"), "mine");
    dir.createFile(QStringLiteral("folder/inner/deep.txt"), "mine");
    ModalDriver driver;
    driver.then(ModalDriver::chooseMenuEntry(QStringLiteral("_properties")));
    driver.then([&](QWidget *dialog) {
        // Others may read and write what the folder holds.
        dialog->findChild<QComboBox *>(QStringLiteral("accessOthersComboFiles"))->setCurrentIndex(2);
        m_swapAt(QFile::encodeName(dir.filePath(swapped)).constData(),
            QFile::encodeName(dir.filePath(target)).constData(), opening);
        dialog->findChild<QPushButton *>(QStringLiteral("ApplyPermissionsToFiles"))->click();
        ModalDriver::dismiss()(dialog);
    });
    m_show(10, 10, { dir.filePath(QStringLiteral("folder")) }, true, 0, 64, 64, nullptr);
    m_swapAt("", "", 0);

    QCOMPARE(driver.pendingSteps(), 0);
    QCOMPARE(treeOf(dir.filePath(QStringLiteral("victim"))), victim);
}

void tst_GtkLinkSwaps::slowPasteShowsProgressAndCancels()
{
    TestDir source;
    TestDir target;
    // Long enough for the user to cancel before the end, however slowly the
    // window comes up.
    QByteArray data(8 << 20, 'x');
    const QString file = source.createFile(QStringLiteral("big.bin"), data);
    m_copy({ file });
    // Each megabyte takes 400 ms.
    m_slowCopies(400);
    int ticks = 0;
    QTimer clock;
    connect(&clock, &QTimer::timeout, this, [&ticks] { ++ticks; });
    clock.start(50);
    QString title;
    QString label;
    ModalDriver driver;
    driver.then([&](QWidget *window) {
        auto *progress = qobject_cast<QProgressDialog *>(window);
        QVERIFY(progress);
        title = progress->windowTitle();
        label = progress->labelText();
        ModalDriver::clickButton(QStringLiteral("Cancel"))(window);
    });
    QElapsedTimer elapsed;
    elapsed.start();
    m_paste(target.path());
    m_slowCopies(0);

    QCOMPARE(driver.pendingSteps(), 0);
    QCOMPARE(title, QStringLiteral("Copying Files"));
    QCOMPARE(label, QString::fromUtf8("Copying \"big.bin\"…"));
    // The window was painted and its timers ran all along.
    QVERIFY2(ticks * 50 > elapsed.elapsed() / 2, qPrintable(QString::number(ticks)));
    QCOMPARE(driver.texts(), QStringList());
    QCOMPARE(
        QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QFileInfo(file).size(), qint64(data.size()));
}

QTEST_MAIN(tst_GtkLinkSwaps)
#include "tst_gtklinkswaps.moc"
