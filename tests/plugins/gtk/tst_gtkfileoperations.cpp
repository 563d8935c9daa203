// SPDX-License-Identifier: GPL-2.0-or-later
// The GNOME plug-in's file operations, through the real library opened with
// dlopen as the program opens it.
#include "FileTree.h"
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

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileTree::contentOf;
using FileTree::treeOf;

// Shown as rich text, whose line ends are tags.
const QString itselfText = QStringLiteral(
    "<b>You cannot copy a folder into itself.</b><br>The destination folder is inside the source folder.");
const QString copyErrorText = QStringLiteral("An error occurred while copying.");
const QString overAncestorText
    = QStringLiteral("<b>You cannot copy a folder over one that contains it.</b><br>The "
                     "folder to be replaced holds the source folder.");
const QByteArray gnomeFormat = "x-special/gnome-copied-files";

using Answers = QList<QMessageBox::StandardButton>;

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

// A file whose name is given in bytes, in whatever encoding.
bool createRawFile(const QByteArray &path, const QByteArray &content)
{
    const int file = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    const bool written
        = file >= 0 && write(file, content.constData(), size_t(content.size())) == content.size();
    return file >= 0 && close(file) == 0 && written;
}

QByteArray rawContentOf(const QByteArray &path)
{
    const int file = open(path.constData(), O_RDONLY);
    QByteArray content(64, '\0');
    const ssize_t read = file >= 0 ? ::read(file, content.data(), size_t(content.size())) : -1;
    if (file >= 0)
        close(file);
    return read >= 0 ? content.left(int(read)) : QByteArray("(missing)");
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
    void folderMergeKeepsTargetOnlyFiles_data();
    void folderMergeKeepsTargetOnlyFiles();
    void selfAndAncestorTargetsAreRefused_data();
    void selfAndAncestorTargetsAreRefused();
    void cutStaysUntilSomethingMoved_data();
    void cutStaysUntilSomethingMoved();
    void moveOntoHardLinkLeavesNothingBehind();
    void pasteReadsWhatFileManagersWrite_data();
    void pasteReadsWhatFileManagersWrite();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void copyWritesLatin1Names();
#else
    void copyKeepsUtf8NamesOnALatin1System();
#endif
    void sparseFileKeepsItsHoles();
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
    // A folder is merged into: what came before the failure is there too.
    if (folder)
        QCOMPARE(entriesOf(target.filePath(QStringLiteral("item"))),
            (QStringList { QStringLiteral("first.txt"), QStringLiteral("old.txt") }));
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

void tst_GtkFileOperations::folderMergeKeepsTargetOnlyFiles_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("target");
    QTest::addColumn<QStringList>("source");
    QTest::newRow("yes, then yes to all")
        << false << Answers { QMessageBox::Yes, QMessageBox::YesToAll }
        << QStringList { "album/", "album/a.jpg: new a", "album/c.jpg: new c", "album/only.jpg: only",
               "album/sub/", "album/sub/b.jpg: new b", "album/sub/only.jpg: only" }
        << QStringList { "album/", "album/a.jpg: new a", "album/c.jpg: new c", "album/sub/",
               "album/sub/b.jpg: new b" };
    QTest::newRow("yes, then no to all")
        << false << Answers { QMessageBox::Yes, QMessageBox::NoToAll }
        << QStringList { "album/", "album/a.jpg: old a", "album/c.jpg: new c", "album/only.jpg: only",
               "album/sub/", "album/sub/b.jpg: old b", "album/sub/only.jpg: only" }
        << QStringList { "album/", "album/a.jpg: new a", "album/c.jpg: new c", "album/sub/",
               "album/sub/b.jpg: new b" };
    // What the user keeps stays in the source, with its folders.
    QTest::newRow("cut, yes, no, yes")
        << true << Answers { QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes }
        << QStringList { "album/", "album/a.jpg: old a", "album/c.jpg: new c", "album/only.jpg: only",
               "album/sub/", "album/sub/b.jpg: new b", "album/sub/only.jpg: only" }
        << QStringList { "album/", "album/a.jpg: new a" };
}

void tst_GtkFileOperations::folderMergeKeepsTargetOnlyFiles()
{
    QFETCH(bool, cut);
    QFETCH(Answers, answers);
    QFETCH(QStringList, target);
    QFETCH(QStringList, source);
    TestDir from;
    TestDir to;
    for (const char *name : { "a", "c", "sub/b" })
        from.createFile(
            QStringLiteral("album/%1.jpg").arg(QLatin1String(name)), "new " + QByteArray(name).right(1));
    to.createFile(QStringLiteral("album/a.jpg"), "old a");
    to.createFile(QStringLiteral("album/sub/b.jpg"), "old b");
    to.createFile(QStringLiteral("album/only.jpg"), "only");
    to.createFile(QStringLiteral("album/sub/only.jpg"), "only");
    (cut ? m_cut : m_copy)({ from.filePath(QStringLiteral("album")) });
    ModalDriver answerer(answers);
    m_paste(to.path());

    QCOMPARE(treeOf(to.path()), target);
    QCOMPARE(treeOf(from.path()), source);
    const QString question = QStringLiteral(
        "The file %1 already exists in the destination folder. Do you want to overwrite it?");
    QStringList asked { question.arg(QLatin1String("album")), question.arg(QLatin1String("album/a.jpg")) };
    if (answers.size() == 3)
        asked.append(question.arg(QLatin1String("album/sub/b.jpg")));
    QCOMPARE(answerer.texts(), asked);
}

void tst_GtkFileOperations::selfAndAncestorTargetsAreRefused_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("message");
    QTest::newRow("copy over its own folder") << false << "A/A"
                                              << "." << overAncestorText;
    QTest::newRow("cut over its own folder") << true << "A/A"
                                             << "." << overAncestorText;
    QTest::newRow("copy over its folder's folder") << false << "A/sub/A"
                                                   << "." << overAncestorText;
    QTest::newRow("copy over its own folder through a link") << false << "A/A"
                                                             << "toTop" << overAncestorText;
    QTest::newRow("copy into itself through a link") << false << "A"
                                                     << "toSub" << itselfText;
    QTest::newRow("cut into itself through a link") << true << "A"
                                                    << "toSub" << itselfText;
}

void tst_GtkFileOperations::selfAndAncestorTargetsAreRefused()
{
    QFETCH(bool, cut);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, message);
    TestDir dir;
    dir.createFile(QStringLiteral("A/A/inner.txt"), "inner");
    dir.createFile(QStringLiteral("A/sub/A/deep.txt"), "deep");
    dir.createFile(QStringLiteral("A/other.txt"), "other");
    dir.createSymlink(dir.filePath(QStringLiteral("A/sub")), QStringLiteral("toSub"));
    dir.createSymlink(dir.path(), QStringLiteral("toTop"));
    const QStringList before = treeOf(dir.path());
    (cut ? m_cut : m_copy)({ dir.filePath(source) });
    // Were the user asked, the answer would be to go on.
    ModalDriver answerer({ QMessageBox::Yes });
    m_paste(dir.filePath(destination));

    QCOMPARE(answerer.texts(), QStringList { message });
    QCOMPARE(treeOf(dir.path()), before);
}

void tst_GtkFileOperations::cutStaysUntilSomethingMoved_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("refused") << true;
    QTest::newRow("only item skipped") << false;
}

void tst_GtkFileOperations::cutStaysUntilSomethingMoved()
{
    QFETCH(bool, refused);
    TestDir source;
    TestDir target;
    const QString folder = source.createFolder(QStringLiteral("album/trip"));
    target.createFile(QStringLiteral("album/old.txt"), "old");
    m_cut({ source.filePath(QStringLiteral("album")) });
    const QByteArray cut = clipboardText();
    ModalDriver answerer({ QMessageBox::No });
    m_paste(refused ? folder : target.path());

    QCOMPARE(answerer.texts().size(), 1);
    QCOMPARE(clipboardText(), cut);
    QVERIFY(QFileInfo(folder).isDir());
}

void tst_GtkFileOperations::moveOntoHardLinkLeavesNothingBehind()
{
    TestDir source;
    TestDir target;
    const QString file = source.createFile(QStringLiteral("a.txt"), "same");
    QVERIFY(link(QFile::encodeName(file).constData(),
                QFile::encodeName(target.filePath(QStringLiteral("a.txt"))).constData())
        == 0);
    m_cut({ file });
    ModalDriver answerer({ QMessageBox::Yes });
    m_paste(target.path());

    QCOMPARE(entriesOf(source.path()), QStringList());
    QCOMPARE(entriesOf(target.path()), QStringList { QStringLiteral("a.txt") });
    QCOMPARE(contentOf(target.filePath(QStringLiteral("a.txt"))), QByteArray("same"));
}

void tst_GtkFileOperations::pasteReadsWhatFileManagersWrite_data()
{
    QTest::addColumn<QByteArray>("format");
    // DIR stands for the source folder, encoded as a URI.
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<QByteArray>("name");
    const QByteArray gnome = gnomeFormat;
    const QByteArray uriList = "text/uri-list";
    // Thunar ends each line with CR LF; a name in Latin-1 is one byte.
    QTest::newRow("Thunar") << gnome << QByteArray("copy\nfile://DIR/c%23%25%E9%20x.txt\r\n")
                            << QByteArray("c#%\xE9 x.txt");
    QTest::newRow("Nautilus") << gnome << QByteArray("copy\nfile://DIR/caf%C3%A9%20%231.txt")
                              << QByteArray("caf\xC3\xA9 #1.txt");
    QTest::newRow("unencoded #") << gnome << QByteArray("copy\nfile://DIR/c#1.txt") << QByteArray("c#1.txt");
    QTest::newRow("unencoded %") << gnome << QByteArray("copy\nfile://DIR/50%.txt") << QByteArray("50%.txt");
    QTest::newRow("unencoded Latin-1")
        << gnome << QByteArray("copy\nfile://DIR/caf\xE9.txt") << QByteArray("caf\xE9.txt");
    QTest::newRow("URI list") << uriList << QByteArray("# copied\r\nfile://DIR/a%20b%E9.txt\r\n")
                              << QByteArray("a b\xE9.txt");
}

void tst_GtkFileOperations::pasteReadsWhatFileManagersWrite()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, clipboard);
    QFETCH(QByteArray, name);
    TestDir source;
    TestDir target;
    const QByteArray folder = QFile::encodeName(source.path());
    QVERIFY(createRawFile(folder + '/' + name, "named " + name));
    // Names that a line cut short would reach instead.
    for (const char *decoy : { "c", "50", "caf", "a" })
        QVERIFY(createRawFile(folder + '/' + decoy, "decoy"));
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(format),
        clipboard.replace("DIR", QUrl::toPercentEncoding(QString::fromUtf8(folder), "/")));
    QGuiApplication::clipboard()->setMimeData(data);
    ModalDriver answerer;
    m_paste(target.path());

    QCOMPARE(answerer.texts(), QStringList());
    const QByteArray copied = QFile::encodeName(target.path()) + '/' + name;
    QCOMPARE(rawContentOf(copied), "named " + name);
    for (const char *decoy : { "c", "50", "caf", "a" })
        QCOMPARE(rawContentOf(QFile::encodeName(target.path()) + '/' + decoy), QByteArray("(missing)"));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void tst_GtkFileOperations::copyWritesLatin1Names()
{
    TestDir dir;
    // A system whose file names are in Latin-1.
    QTextCodec *const system = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const QString name = QString::fromUtf8("café #1.txt");
    const bool created = createRawFile(QFile::encodeName(dir.path()) + "/caf\xE9 #1.txt", "latin");
    m_copy({ dir.filePath(name) });
    const QByteArray written = clipboardText();
    TestDir target;
    m_paste(target.path());
    const QByteArray pasted = rawContentOf(QFile::encodeName(target.path()) + "/caf\xE9 #1.txt");
    QTextCodec::setCodecForLocale(system);

    QVERIFY(created);
    QCOMPARE(written, "copy\nfile://" + QFile::encodeName(dir.path()) + "/caf%E9%20%231.txt");
    QCOMPARE(pasted, QByteArray("latin"));
}
#else
// Qt 6 takes every file name as UTF-8, whatever the locale says; GLib told
// that the system's names are Latin-1 must not re-encode them on the way.
void tst_GtkFileOperations::copyKeepsUtf8NamesOnALatin1System()
{
    TestDir dir;
    const QByteArray glibEncoding = qgetenv("G_FILENAME_ENCODING");
    qputenv("G_FILENAME_ENCODING", "ISO-8859-1");
    const QString name = QString::fromUtf8("café #1.txt");
    const bool created = createRawFile(QFile::encodeName(dir.path()) + "/caf\xC3\xA9 #1.txt", "utf-8");
    m_copy({ dir.filePath(name) });
    const QByteArray written = clipboardText();
    TestDir target;
    m_paste(target.path());
    const QByteArray pasted = rawContentOf(QFile::encodeName(target.path()) + "/caf\xC3\xA9 #1.txt");
    if (glibEncoding.isNull())
        qunsetenv("G_FILENAME_ENCODING");
    else
        qputenv("G_FILENAME_ENCODING", glibEncoding);

    QVERIFY(created);
    QCOMPARE(written, "copy\nfile://" + QFile::encodeName(dir.path()) + "/caf%C3%A9%20%231.txt");
    QCOMPARE(pasted, QByteArray("utf-8"));
}
#endif

void tst_GtkFileOperations::sparseFileKeepsItsHoles()
{
    TestDir source;
    TestDir target;
    const qint64 size = qint64(256) << 20;
    const QString file = source.filePath(QStringLiteral("disk.img"));
    {
        QFile sparse(file);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.write("start") == 5 && sparse.seek(size / 2) && sparse.write("middle") == 6);
        QVERIFY(sparse.resize(size));
    }
    m_copy({ file });
    m_paste(target.path());

    struct stat status;
    QCOMPARE(stat(QFile::encodeName(target.filePath(QStringLiteral("disk.img"))).constData(), &status), 0);
    QCOMPARE(qint64(status.st_size), size);
    QVERIFY2(
        qint64(status.st_blocks) * 512 < (qint64(1) << 20), QByteArray::number(qint64(status.st_blocks)));
    QFile copy(target.filePath(QStringLiteral("disk.img")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.read(5), QByteArray("start"));
    QVERIFY(copy.seek(size / 2));
    QCOMPARE(copy.read(6), QByteArray("middle"));
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

    QCOMPARE(answerer.texts(), QStringList { QStringLiteral("Move 1 file to the trash?") });
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
