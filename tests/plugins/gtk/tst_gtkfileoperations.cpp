// SPDX-License-Identifier: GPL-2.0-or-later
// The GNOME plug-in's file operations, through the real library opened with
// dlopen as the program opens it.
#include "ModalDriver.h"
#include "TestDir.h"
#include "TmpfsMount.h"

#include "plugins/ShellMenuApi.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QUrl>

#include <dlfcn.h>
#include <sys/stat.h>

namespace {

// Shown as rich text, whose line ends are tags.
const QString itselfText = QStringLiteral(
    "<b>You cannot copy a folder into itself.</b><br>The destination folder is inside the source folder.");
const QString copyErrorText = QStringLiteral("An error occurred while copying the file(s).");
const QByteArray gnomeFormat = "x-special/gnome-copied-files";

using Answers = QList<QMessageBox::StandardButton>;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// Everything in a folder, hidden entries included.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(QString::fromLatin1(gnomeFormat)) : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Answers)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class tst_GtkFileOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void copyWritesTheDesktopFormat();
    void pasteReadsEncodedNames();
    void foreignClipboardPastesNothing();
    void pasteIntoSourceFolderNamesCopies_data();
    void pasteIntoSourceFolderNamesCopies();
    void folderIntoItselfIsRefused_data();
    void folderIntoItselfIsRefused();
    void overwriteQuestions_data();
    void overwriteQuestions();
    void failedReplacementKeepsOldItem_data();
    void failedReplacementKeepsOldItem();
    void cutPasteMovesAndEmptiesClipboard();
    void failingMoveAcrossFileSystemsKeepsSource_data();
    void failingMoveAcrossFileSystemsKeepsSource();
    void createFolderPicksFreeName();
    void trashAsksFirst_data();
    void trashAsksFirst();
    void linkIsNamedLinkTo();
    void hostileNamesStartNoProcess();
    void errorClassesPickTheMessage_data();
    void errorClassesPickTheMessage();
    void questionBoxAnswers_data();
    void questionBoxAnswers();

private:
    template<typename Function> Function resolve(const char *name)
    {
        return reinterpret_cast<Function>(dlsym(m_library, name));
    }

    TestDir m_home;
    void *m_library = nullptr;
    ShellMenuApi::FilesOperation m_copy = nullptr;
    ShellMenuApi::FilesOperation m_cut = nullptr;
    ShellMenuApi::PathOperation m_paste = nullptr;
    ShellMenuApi::PathOperation m_createFolder = nullptr;
    ShellMenuApi::PathOperation m_makeLink = nullptr;
    ShellMenuApi::MoveToTrash m_moveToTrash = nullptr;
    int (*m_createMessageBox)(QString, int) = nullptr;
    void (*m_verifyResult)(int, const char *) = nullptr;
};

void tst_GtkFileOperations::initTestCase()
{
    // GLib reads the trash's place once, at first use.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    m_library = dlopen(GTK_SHELL_MENU_PATH, RTLD_NOW);
    QVERIFY2(m_library, dlerror());
    m_copy = resolve<ShellMenuApi::FilesOperation>("copy");
    m_cut = resolve<ShellMenuApi::FilesOperation>("cut");
    m_paste = resolve<ShellMenuApi::PathOperation>("paste");
    m_createFolder = resolve<ShellMenuApi::PathOperation>("createFolder");
    m_makeLink = resolve<ShellMenuApi::PathOperation>("makeLink");
    m_moveToTrash = resolve<ShellMenuApi::MoveToTrash>("moveToTrash");
    m_createMessageBox = resolve<int (*)(QString, int)>("createMessageBox");
    m_verifyResult = resolve<void (*)(int, const char *)>("verifyGnomeVfsResult");
    QVERIFY(m_copy && m_cut && m_paste && m_createFolder && m_makeLink && m_moveToTrash);
    QVERIFY(m_createMessageBox && m_verifyResult);
    // The plug-in's own English catalogue (the tests run in the C locale).
    const auto linguist = resolve<ShellMenuApi::Linguist>("linguistGtkShellMenu");
    QVERIFY(linguist);
    linguist(new QTranslator(this));
}

void tst_GtkFileOperations::cleanupTestCase()
{
    QGuiApplication::clipboard()->clear();
}

void tst_GtkFileOperations::copyWritesTheDesktopFormat()
{
    TestDir dir;
    // The folder's own name needs no encoding, so the expected text can be
    // written out.
    QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9/_.-]+$")).match(dir.path()).hasMatch());
    const QString blank = dir.createFile(QStringLiteral("a b.jpg"));
    const QString signs = dir.createFile(QStringLiteral("c#%é.jpg"));
    m_copy({ blank, signs });

    const QByteArray folder = "file://" + QFile::encodeName(dir.path());
    QCOMPARE(clipboardText(), "copy\n" + folder + "/a%20b.jpg\n" + folder + "/c%23%25%C3%A9.jpg");
    const QList<QUrl> urls { QUrl::fromLocalFile(blank), QUrl::fromLocalFile(signs) };
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->urls(), urls);
}

void tst_GtkFileOperations::pasteReadsEncodedNames()
{
    TestDir source;
    TestDir target;
    const QString name = QStringLiteral("c#%é x.jpg");
    source.createFile(name, "picture");
    // As the desktop's file manager writes it.
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(gnomeFormat),
        "copy\nfile://" + QFile::encodeName(source.path()) + "/c%23%25%C3%A9%20x.jpg");
    QGuiApplication::clipboard()->setMimeData(data);
    m_paste(target.path());
    QCOMPARE(contentOf(target.filePath(name)), QByteArray("picture"));
}

void tst_GtkFileOperations::foreignClipboardPastesNothing()
{
    TestDir dir;
    QGuiApplication::clipboard()->setText(dir.createFile(QStringLiteral("a.txt")));
    m_paste(dir.path());
    QCOMPARE(entriesOf(dir.path()), QStringList { QStringLiteral("a.txt") });
}

void tst_GtkFileOperations::pasteIntoSourceFolderNamesCopies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("file") << "report.txt" << false << "report(copy_1).txt"
                          << "report(copy_2).txt";
    QTest::newRow("file without extension") << "notes" << false << "notes(copy_1)"
                                            << "notes(copy_2)";
    QTest::newRow("folder with a dot") << "album.2024" << true << "album.2024(copy_1)"
                                       << "album.2024(copy_2)";
}

void tst_GtkFileOperations::pasteIntoSourceFolderNamesCopies()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestDir dir;
    const QString inner = folder ? QStringLiteral("/inside.txt") : QString();
    dir.createFile(name + inner, "content");
    m_copy({ dir.filePath(name) });
    m_paste(dir.path());
    m_paste(dir.path());
    QStringList expected { name, first, second };
    expected.sort();
    QCOMPARE(entriesOf(dir.path()), expected);
    QCOMPARE(contentOf(dir.filePath(second + inner)), QByteArray("content"));
}

void tst_GtkFileOperations::folderIntoItselfIsRefused_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("itself") << "album" << QStringList { "album2", "trip" };
    QTest::newRow("its sub-folder") << "album/trip" << QStringList { "album2" };
}

void tst_GtkFileOperations::folderIntoItselfIsRefused()
{
    QFETCH(QString, destination);
    QFETCH(QStringList, expected);
    TestDir dir;
    dir.createFolder(QStringLiteral("album/trip"));
    // A sibling whose name starts alike is not inside.
    dir.createFolder(QStringLiteral("album2"));
    m_copy({ dir.filePath(QStringLiteral("album")), dir.filePath(QStringLiteral("album2")) });
    ModalDriver answerer;
    m_paste(dir.filePath(destination));
    QCOMPARE(answerer.texts(), QStringList { itselfText });
    QCOMPARE(answerer.seen().first().icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen().first().title, QString());
    QCOMPARE(entriesOf(dir.filePath(destination)), expected);
}

void tst_GtkFileOperations::overwriteQuestions_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("contents");
    QTest::newRow("no to all asks once")
        << Answers { QMessageBox::NoToAll } << 1 << QStringList { "old", "old", "old" };
    QTest::newRow("yes to all asks once")
        << Answers { QMessageBox::YesToAll } << 1 << QStringList { "new", "new", "new" };
    QTest::newRow("each one") << Answers { QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes } << 3
                              << QStringList { "new", "old", "new" };
}

void tst_GtkFileOperations::overwriteQuestions()
{
    QFETCH(Answers, answers);
    QFETCH(int, questions);
    QFETCH(QStringList, contents);
    TestDir source;
    TestDir target;
    const QStringList names { QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt") };
    QVector<QString> files;
    for (const QString &name : names) {
        files.append(source.createFile(name, "new"));
        target.createFile(name, "old");
    }
    m_copy(files);
    ModalDriver answerer(answers);
    m_paste(target.path());

    QCOMPARE(answerer.seen().size(), questions);
    QCOMPARE(answerer.seen().first().text,
        QStringLiteral(
            "The file a.txt already exists in the destination folder. Do you want to overwrite it?"));
    QCOMPARE(answerer.seen().first().buttons,
        QMessageBox::YesToAll | QMessageBox::Yes | QMessageBox::NoToAll | QMessageBox::No);
    // The clipboard's last file is asked with Yes and No only.
    if (questions == 3)
        QCOMPARE(answerer.seen().last().buttons, QMessageBox::Yes | QMessageBox::No);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(QString::fromLatin1(contentOf(target.filePath(names.at(i)))), contents.at(i));
    QCOMPARE(entriesOf(target.path()), names);
}

void tst_GtkFileOperations::failedReplacementKeepsOldItem_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("file") << false;
    QTest::newRow("folder") << true;
}

void tst_GtkFileOperations::failedReplacementKeepsOldItem()
{
    QFETCH(bool, folder);
    TestDir source;
    TestDir target;
    // GIO refuses to copy a named pipe: the transfer fails on it.
    if (folder) {
        source.createFile(QStringLiteral("item/first.txt"), "new");
        QVERIFY(makeFifo(source.filePath(QStringLiteral("item/pipe"))));
        target.createFile(QStringLiteral("item/old.txt"), "old");
    } else {
        QVERIFY(makeFifo(source.filePath(QStringLiteral("item"))));
        target.createFile(QStringLiteral("item"), "old");
    }
    m_copy({ source.filePath(QStringLiteral("item")) });
    ModalDriver answerer({ QMessageBox::Yes });
    m_paste(target.path());

    QCOMPARE(answerer.texts().last(), copyErrorText);
    QCOMPARE(entriesOf(target.path()), QStringList { QStringLiteral("item") });
    const QString old = target.filePath(folder ? QStringLiteral("item/old.txt") : QStringLiteral("item"));
    QCOMPARE(contentOf(old), QByteArray("old"));
    if (folder)
        QCOMPARE(
            entriesOf(target.filePath(QStringLiteral("item"))), QStringList { QStringLiteral("old.txt") });
}

void tst_GtkFileOperations::cutPasteMovesAndEmptiesClipboard()
{
    TestDir source;
    TestDir target;
    const QString file = source.createFile(QStringLiteral("a.txt"), "a");
    const QString folder = source.createFile(QStringLiteral("album/b.txt"), "b");
    m_cut({ file, source.filePath(QStringLiteral("album")) });
    QVERIFY(clipboardText().startsWith("cut\n"));
    m_paste(target.path());
    QCOMPARE(entriesOf(source.path()), QStringList());
    QCOMPARE(contentOf(target.filePath(QStringLiteral("album/b.txt"))), QByteArray("b"));
    QCOMPARE(clipboardText(), QByteArray());

    // Nothing is left to paste a second time.
    TestDir again;
    m_paste(again.path());
    QCOMPARE(entriesOf(again.path()), QStringList());
}

void tst_GtkFileOperations::failingMoveAcrossFileSystemsKeepsSource_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("message");
    QTest::newRow("pipe in the folder") << false << copyErrorText;
    QTest::newRow("disk full") << true << QStringLiteral("There is not enough free space on %1.");
}

void tst_GtkFileOperations::failingMoveAcrossFileSystemsKeepsSource()
{
    QFETCH(bool, full);
    QFETCH(QString, message);
    TestDir source;
    TestDir holder;
    TmpfsMount disk(holder.filePath(QStringLiteral("disk")), QStringLiteral("size=1m"));
    if (!disk.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    source.createFile(QStringLiteral("album/first.txt"), "first");
    if (full)
        source.createFileOfSize(QStringLiteral("album/second.bin"), 2 * 1024 * 1024);
    else
        QVERIFY(makeFifo(source.filePath(QStringLiteral("album/second.bin"))));
    const QStringList before = entriesOf(source.filePath(QStringLiteral("album")));
    m_cut({ source.filePath(QStringLiteral("album")) });
    ModalDriver answerer;
    m_paste(disk.path());

    QCOMPARE(answerer.texts(), QStringList { message.arg(disk.path()) });
    QCOMPARE(entriesOf(source.filePath(QStringLiteral("album"))), before);
    QCOMPARE(contentOf(source.filePath(QStringLiteral("album/first.txt"))), QByteArray("first"));
    QCOMPARE(entriesOf(disk.path()), QStringList());
    // The cut still stands, so the user can paste it elsewhere.
    QVERIFY(clipboardText().startsWith("cut\n"));
}

void tst_GtkFileOperations::createFolderPicksFreeName()
{
    TestDir dir;
    dir.createFolder(QStringLiteral("Folder"));
    dir.createFolder(QStringLiteral("Folder 1"));
    m_createFolder(dir.path());
    QCOMPARE(entriesOf(dir.path()), (QStringList { "Folder", "Folder 1", "Folder 2" }));
}

void tst_GtkFileOperations::trashAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("trashed");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void tst_GtkFileOperations::trashAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, trashed);
    // The trash of the test's data folder is on the same file system.
    const QString name = QStringLiteral("old %1.txt").arg(QTest::currentDataTag());
    const QString file = m_home.createFile(QStringLiteral("files/") + name, "x");
    ModalDriver answerer({ answer });
    m_moveToTrash({ file }, nullptr);

    QCOMPARE(answerer.texts(),
        QStringList { QStringLiteral("Are you sure you want to delete this (these) file(s)?") });
    QCOMPARE(answerer.seen().first().title, QStringLiteral("Vantora OPALO™ Sync"));
    QCOMPARE(answerer.seen().first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(QFile::exists(file), !trashed);
    QCOMPARE(QFile::exists(m_home.filePath(QStringLiteral("data/Trash/files/") + name)), trashed);
}

void tst_GtkFileOperations::linkIsNamedLinkTo()
{
    TestDir dir;
    const QString file = dir.createFile(QStringLiteral("notes.txt"));
    m_makeLink(file);
    const QFileInfo link(dir.filePath(QStringLiteral("Link To notes.txt")));
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), file);
}

void tst_GtkFileOperations::hostileNamesStartNoProcess()
{
    TestDir tools;
    TestDir source;
    TestDir target;
    // Any command a shell or a spawned tool ran would find these first and
    // leave a mark.
    const QString mark = tools.filePath(QStringLiteral("started"));
    for (const char *tool : { "sh", "bash", "dash", "touch", "cp", "mv", "ln", "rm", "chmod", "gio", "tar",
             "file-roller", "xdg-open", "dbus-launch", "gvfs-trash" }) {
        const QString path = tools.createFile(
            QString::fromLatin1(tool), "#!/bin/sh\necho \"$0 $*\" >> '" + QFile::encodeName(mark) + "'\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(tools.path()));

    const QStringList names { QStringLiteral("a;touch x"), QStringLiteral("$(touch x)"),
        QStringLiteral("q'u\"ote `x`"), QStringLiteral("new\nline") };
    QVector<QString> files;
    for (const QString &name : names)
        files.append(source.createFile(name, name.toUtf8()));
    const QString folder = target.createFolder(QStringLiteral("in;$(touch x) 'here'"));
    m_copy(files);
    m_paste(folder);
    m_createFolder(folder);
    m_makeLink(folder + QStringLiteral("/$(touch x)"));
    ModalDriver answerer({ QMessageBox::Yes });
    m_moveToTrash({ folder + QStringLiteral("/a;touch x") }, nullptr);
    qputenv("PATH", path);

    QVERIFY2(!QFile::exists(mark), contentOf(mark).constData());
    QCOMPARE(entriesOf(folder),
        (QStringList { "$(touch x)", "Folder", "Link To $(touch x)", "new\nline", "q'u\"ote `x`" }));
    QCOMPARE(contentOf(folder + QStringLiteral("/new\nline")), QByteArray("new\nline"));
}

void tst_GtkFileOperations::errorClassesPickTheMessage_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("ok") << 0 << QString();
    QTest::newRow("too big") << 10 << "There is not enough free space on %1.";
    QTest::newRow("no space") << 11 << "There is not enough free space on %1.";
    QTest::newRow("access denied") << 16
                                   << "Failed to copy data to %1.\nPlease make sure you have the rights to "
                                      "perform this operation.";
    QTest::newRow("not permitted") << 24
                                   << "Failed to copy data to %1.\nPlease make sure you have the rights to "
                                      "perform this operation.";
    QTest::newRow("generic") << 2 << copyErrorText;
    QTest::newRow("read only") << 12 << copyErrorText;
}

void tst_GtkFileOperations::errorClassesPickTheMessage()
{
    QFETCH(int, result);
    QFETCH(QString, message);
    TestDir dir;
    ModalDriver answerer;
    m_verifyResult(result, QFile::encodeName(dir.path()).constData());
    if (message.isEmpty()) {
        QCOMPARE(answerer.seen().size(), 0);
        return;
    }
    QCOMPARE(answerer.texts(),
        QStringList { message.contains(QLatin1String("%1")) ? message.arg(dir.path()) : message });
    QCOMPARE(answerer.seen().first().icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_GtkFileOperations::questionBoxAnswers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("code");
    QTest::newRow("yes") << 1 << QMessageBox::Yes << 31;
    QTest::newRow("no") << 1 << QMessageBox::No << 33;
    QTest::newRow("yes to all") << 2 << QMessageBox::YesToAll << 32;
    QTest::newRow("no to all") << 2 << QMessageBox::NoToAll << 34;
    QTest::newRow("yes among four") << 2 << QMessageBox::Yes << 31;
}

void tst_GtkFileOperations::questionBoxAnswers()
{
    QFETCH(int, mode);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, code);
    ModalDriver answerer({ answer });
    QCOMPARE(m_createMessageBox(QStringLiteral("Replace?"), mode), code);
    QCOMPARE(answerer.seen().first().icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen().first().title, QString());
    QCOMPARE(answerer.seen().first().buttons,
        mode == 1 ? QMessageBox::Yes | QMessageBox::No
                  : QMessageBox::YesToAll | QMessageBox::Yes | QMessageBox::NoToAll | QMessageBox::No);
}

QTEST_MAIN(tst_GtkFileOperations)
#include "tst_gtkfileoperations.moc"
