// SPDX-License-Identifier: GPL-2.0-or-later
// The GNOME plug-in's menus, opened through the real exported function of
// the library loaded with dlopen, against applications, templates and tools
// of the test's own: the machine's desktop set-up plays no part.
#include "TestDir.h"

#include "plugins/ShellMenuApi.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <dlfcn.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using MenuAction = std::function<void(QMenu *menu)>;

const char *const gnomeFormat = "x-special/gnome-copied-files";
// Stands for any name a shell would read as commands or quoting.
const QString hostileName = QStringLiteral("a;$(touch pwned) 'b\"\nc");

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QAction *entry(QMenu *menu, const QString &name)
{
    return menu->findChild<QAction *>(name);
}

void setClipboardFiles(const QByteArray &text)
{
    auto *data = new QMimeData;
    if (!text.isNull())
        data->setData(QString::fromLatin1(gnomeFormat), text);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class tst_GtkShellMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void openWithEntries_data();
    void openWithEntries();
    void openWithLaunchesOnThePath();
    void archiveOffersExtract_data();
    void archiveOffersExtract();
    void pasteNeedsClipboardData_data();
    void pasteNeedsClipboardData();
    void zoomLimits_data();
    void zoomLimits();
    void resultCodes_data();
    void resultCodes();
    void templatesTakeAFreeName();
    void noTemplatesEntry();
    void emptyFileNeverReplaces();
    void archiveManagerFallback_data();
    void archiveManagerFallback();
    void toolEntriesNeedTheirTools_data();
    void toolEntriesNeedTheirTools();
    void archiveCreatedUnderFreeName();
    void extractionStaysInItsFolder();
    void toolsGetEveryPathWhole_data();
    void toolsGetEveryPathWhole();
    void menuWithoutItemInformation();
    void filePermissions_data();
    void filePermissions();
    void backgroundPropertiesShowTheFolder();
    void folderPermissions_data();
    void folderPermissions();
    void enclosedPermissions_data();
    void enclosedPermissions();
    void groupChoice();
    void unprivilegedUser();
    void renameInProperties_data();
    void renameInProperties();
    void openWithDialogLists();

private:
    // Opens a menu through ShowGtkShellMenu, lets act work on it while it
    // is shown, and returns the code; act must end the menu.
    int showMenu(const QVector<QString> &files, bool onItems, const MenuAction &act, int sortBy = 0,
        int iconSize = 64);
    int choose(const QVector<QString> &files, bool onItems, const QString &name, int sortBy = 0);
    // Chooses name in the item menu for path, lets act work on the dialog
    // it opens, then closes the dialog.
    void inDialog(const QString &path, const QString &name, const std::function<void(QDialog *dialog)> &act,
        bool onItems = true);
    QString installTool(const QString &name);
    // The real tar on PATH, without the archive manager.
    void useRealTar();
    void writeApplication(const QString &id, const QString &name, const QString &types);
    QStringList recordOf(const QString &tool) const;

    TestDir m_root;
    QString m_work;
    QString m_bin;
    void *m_library = nullptr;
    ShellMenuApi::ShowGtkShellMenu m_show = nullptr;
};

void tst_GtkShellMenu::writeApplication(const QString &id, const QString &name, const QString &types)
{
    QVERIFY(!m_root
            .createFile(QStringLiteral("data/applications/") + id + QLatin1String(".desktop"),
                "[Desktop Entry]\nType=Application\nName=" + name.toUtf8() + "\nComment=Shows "
                    + name.toUtf8() + "\nExec=" + QFile::encodeName(m_bin) + "/" + id.toUtf8()
                    + " %f\nMimeType=" + types.toUtf8() + "\n")
            .isEmpty());
    installTool(id);
}

QString tst_GtkShellMenu::installTool(const QString &name)
{
    // Records its arguments, each ended by a null byte, for the test to read.
    const QString path = m_root.createFile(QStringLiteral("bin/") + name,
        "#!/bin/bash\nprintf '%s\\0' \"$@\" > \"$0.args.part\"\n/bin/mv \"$0.args.part\" \"$0.args\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList tst_GtkShellMenu::recordOf(const QString &tool) const
{
    QList<QByteArray> arguments
        = contentOf(m_bin + QLatin1Char('/') + tool + QLatin1String(".args")).split('\0');
    arguments.removeLast();
    QStringList record;
    for (const QByteArray &argument : arguments)
        record.append(QString::fromUtf8(argument));
    return record;
}

void tst_GtkShellMenu::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_bin = m_root.createFolder(QStringLiteral("bin"));
    // GIO reads these once, at its first use.
    qputenv("HOME", QFile::encodeName(m_root.createFolder(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("home/.local/share"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.createFolder(QStringLiteral("home/.config"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_root.createFolder(QStringLiteral("config"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_root.createFolder(QStringLiteral("data"))));
    qputenv("PATH", QFile::encodeName(m_bin));
    // Content types still come from the machine's database.
    QVERIFY(QFile::link(QStringLiteral("/usr/share/mime"), m_root.filePath(QStringLiteral("data/mime"))));
    writeApplication(
        QStringLiteral("viewer"), QStringLiteral("Picture Viewer"), QStringLiteral("image/png;"));
    for (const QString letter : { "a", "b", "c", "d" })
        writeApplication(QLatin1String("editor-") + letter, QLatin1String("Editor ") + letter.toUpper(),
            QStringLiteral("text/plain;"));
    QVERIFY(!m_root
            .createFile(QStringLiteral("data/applications/mimeapps.list"),
                "[Default Applications]\ntext/plain=editor-b.desktop\n")
            .isEmpty());
    // What update-desktop-database would write; GIO looks for types here.
    QVERIFY(!m_root
            .createFile(QStringLiteral("data/applications/mimeinfo.cache"),
                "[MIME Cache]\nimage/png=viewer.desktop;\n"
                "text/plain=editor-a.desktop;editor-b.desktop;editor-c.desktop;editor-d.desktop;\n")
            .isEmpty());

    m_library = dlopen(GTK_SHELL_MENU_PATH, RTLD_NOW);
    QVERIFY2(m_library, dlerror());
    m_show = reinterpret_cast<ShellMenuApi::ShowGtkShellMenu>(dlsym(m_library, "ShowGtkShellMenu"));
    QVERIFY(m_show);
    // The menus must fall back to English for a language without catalogue.
    QCOMPARE(QLocale::system().language(), QLocale::Japanese);
}

void tst_GtkShellMenu::cleanupTestCase()
{
    // The plug-in's translators read its memory until the application goes.
}

void tst_GtkShellMenu::init()
{
    m_work = QDir::cleanPath(m_root.createFolder(QStringLiteral("work/") + QTest::currentTestFunction()
        + QLatin1Char('/') + QString::fromUtf8(QTest::currentDataTag())));
    setClipboardFiles(QByteArray());
}

int tst_GtkShellMenu::showMenu(
    const QVector<QString> &files, bool onItems, const MenuAction &act, int sortBy, int iconSize)
{
    QTimer watch;
    bool acted = false;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || acted)
            return;
        acted = true;
        act(menu);
        if (menu->isVisible())
            menu->hide();
    });
    watch.start(10);
    return m_show(10, 10, files, onItems, sortBy, iconSize, iconSize, nullptr);
}

int tst_GtkShellMenu::choose(const QVector<QString> &files, bool onItems, const QString &name, int sortBy)
{
    return showMenu(
        files, onItems,
        [&name](QMenu *menu) {
            QAction *chosen = entry(menu, name);
            QVERIFY2(chosen, qPrintable(name));
            chosen->trigger();
        },
        sortBy);
}

void tst_GtkShellMenu::openWithEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("defaultEntry");
    QTest::addColumn<QString>("directEntry");
    QTest::addColumn<QStringList>("submenu");
    const QString none;
    QTest::newRow("no application") << "manual.pdf" << QByteArray("%PDF-1.4\n%%EOF\n") << none << none
                                    << QStringList();
    QTest::newRow("one application") << "picture.png" << QByteArray() << "Open With \"Picture Viewer\""
                                     << "Open With \"Picture Viewer\"" << QStringList();
    QTest::newRow("several applications")
        << "notes.txt" << QByteArray("notes\n") << "Open With \"Editor B\"" << none
        << QStringList { "Open With \"Editor A\"", "Open With \"Editor B\"", "Open With \"Editor C\"" };
}

void tst_GtkShellMenu::openWithEntries()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, defaultEntry);
    QFETCH(QString, directEntry);
    QFETCH(QStringList, submenu);
    const QString path = m_work + QLatin1Char('/') + name;
    if (content.isNull())
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(path, "PNG"));
    else
        QVERIFY(writeFile(path, content));
    QString shownDefault, shownDirect;
    QStringList shownSubmenu;
    bool hasOther = false;
    QCOMPARE(showMenu({ path }, true,
                 [&](QMenu *menu) {
                     if (QAction *found = entry(menu, QStringLiteral("_openWithDefault")))
                         shownDefault = found->text();
                     if (QAction *found = entry(menu, QStringLiteral("_openWithOnly")))
                         shownDirect = found->text();
                     hasOther = entry(menu, QStringLiteral("_openWithOther")) != nullptr;
                     if (QAction *found = entry(menu, QStringLiteral("_openWith"))) {
                         for (QAction *choice : found->menu()->actions()) {
                             if (choice->objectName().startsWith(QLatin1String("_openWith"))
                                 && choice->objectName() != QLatin1String("_openWithOther"))
                                 shownSubmenu.append(choice->text());
                         }
                     }
                 }),
        -1);
    QCOMPARE(shownDefault, defaultEntry);
    QCOMPARE(shownDirect, directEntry);
    QCOMPARE(shownSubmenu, submenu);
    QCOMPARE(hasOther, !defaultEntry.isEmpty());
}

void tst_GtkShellMenu::openWithLaunchesOnThePath()
{
    const QString path = m_work + QLatin1Char('/') + hostileName + QLatin1String(".png");
    QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(path, "PNG"));
    QCOMPARE(choose({ path }, true, QStringLiteral("_openWithOnly")), -1);
    QTRY_COMPARE(recordOf(QStringLiteral("viewer")), QStringList(path));
    QVERIFY(!QFile::exists(m_work + QLatin1String("/pwned")));
}

void tst_GtkShellMenu::archiveOffersExtract_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("offered");
    QTest::newRow("tar") << "pack.tar" << true;
    QTest::newRow("zip") << "pack.zip" << true;
    QTest::newRow("text") << "pack.txt" << false;
}

void tst_GtkShellMenu::archiveOffersExtract()
{
    QFETCH(QString, name);
    QFETCH(bool, offered);
    // The Part's menu, with the archive manager installed.
    installTool(QStringLiteral("file-roller"));
    const QString path = m_work + QLatin1Char('/') + name;
    const QString member = m_root.createFile(QStringLiteral("member.txt"), "member\n");
    if (name.endsWith(QLatin1String(".tar")))
        QCOMPARE(QProcess::execute(
                     QStringLiteral("/usr/bin/tar"), { "-C", m_root.path(), "-cf", path, "member.txt" }),
            0);
    else
        QVERIFY(writeFile(path,
            name.endsWith(QLatin1String(".zip")) ? QByteArray("PK\x03\x04", 4) + member.toUtf8()
                                                 : QByteArray("text\n")));
    bool shown = false;
    bool archiveEntry = false;
    showMenu({ path }, true, [&](QMenu *menu) {
        QAction *extract = entry(menu, QStringLiteral("_extractHere"));
        shown = extract && extract->text() == QLatin1String("Extract Here");
        archiveEntry = entry(menu, QStringLiteral("_createArchive")) != nullptr;
    });
    QCOMPARE(shown, offered);
    QVERIFY(archiveEntry);
}

void tst_GtkShellMenu::pasteNeedsClipboardData_data()
{
    QTest::addColumn<bool>("onItems");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<bool>("enabled");
    const QByteArray files("copy\nfile:///tmp/x");
    QTest::newRow("background, empty") << false << "_paste" << QByteArray() << false;
    QTest::newRow("background, files") << false << "_paste" << files << true;
    QTest::newRow("folder, empty") << true << "_pasteIntoFolder" << QByteArray() << false;
    QTest::newRow("folder, files") << true << "_pasteIntoFolder" << files << true;
}

void tst_GtkShellMenu::pasteNeedsClipboardData()
{
    QFETCH(bool, onItems);
    QFETCH(QString, name);
    QFETCH(QByteArray, clipboard);
    QFETCH(bool, enabled);
    setClipboardFiles(clipboard);
    int found = -1;
    showMenu({ m_work }, onItems, [&](QMenu *menu) {
        if (QAction *paste = entry(menu, name))
            found = paste->isEnabled();
    });
    QCOMPARE(found, int(enabled));
}

void tst_GtkShellMenu::zoomLimits_data()
{
    QTest::addColumn<int>("iconSize");
    QTest::addColumn<bool>("zoomIn");
    QTest::addColumn<bool>("zoomOut");
    QTest::newRow("256") << 256 << false << true;
    QTest::newRow("255") << 255 << true << true;
    QTest::newRow("22") << 22 << true << true;
    QTest::newRow("16") << 16 << true << false;
}

void tst_GtkShellMenu::zoomLimits()
{
    QFETCH(int, iconSize);
    QFETCH(bool, zoomIn);
    QFETCH(bool, zoomOut);
    bool inEnabled = !zoomIn;
    bool outEnabled = !zoomOut;
    showMenu(
        { m_work }, false,
        [&](QMenu *menu) {
            inEnabled = entry(menu, QStringLiteral("_zoomIn"))->isEnabled();
            outEnabled = entry(menu, QStringLiteral("_zoomOut"))->isEnabled();
        },
        0, iconSize);
    QCOMPARE(inEnabled, zoomIn);
    QCOMPARE(outEnabled, zoomOut);
}

void tst_GtkShellMenu::resultCodes_data()
{
    QTest::addColumn<bool>("onItems");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sortBy");
    QTest::addColumn<int>("code");
    QTest::newRow("by name") << false << "_arrange0"
                             << "By Name" << 2 << 0;
    QTest::newRow("by size") << false << "_arrange1"
                             << "By Size" << 0 << 1;
    QTest::newRow("by type") << false << "_arrange2"
                             << "By Type" << 0 << 2;
    QTest::newRow("by date") << false << "_arrange3"
                             << "By Modification Date" << 0 << 3;
    QTest::newRow("zoom in") << false << "_zoomIn"
                             << "Zoom In" << 1 << 10;
    QTest::newRow("zoom out") << false << "_zoomOut"
                              << "Zoom Out" << 1 << 11;
    QTest::newRow("normal size") << false << "_normalSize"
                                 << "Normal Size" << 1 << 12;
    QTest::newRow("create folder") << false << "_createFolder"
                                   << "Create Folder" << 1 << 13;
    QTest::newRow("background paste") << false << "_paste"
                                      << "Paste" << 1 << 50;
    QTest::newRow("empty file") << false << "_emptyFile"
                                << "Empty File" << 1 << -1;
    QTest::newRow("background dismissed") << false << QString() << QString() << 2 << -1;
    QTest::newRow("rename") << true << "_rename"
                            << "Rename..." << 0 << 20;
    QTest::newRow("make link") << true << "_makeLink"
                               << "Make Link" << 0 << 30;
    QTest::newRow("paste into folder") << true << "_pasteIntoFolder"
                                       << "Paste Into Folder" << 0 << 50;
    QTest::newRow("cut") << true << "_cut"
                         << "Cut" << 0 << 51;
    QTest::newRow("copy") << true << "_copy"
                          << "Copy" << 0 << -1;
    QTest::newRow("item dismissed") << true << QString() << QString() << 0 << -1;
}

void tst_GtkShellMenu::resultCodes()
{
    QFETCH(bool, onItems);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, sortBy);
    QFETCH(int, code);
    const QString folder
        = m_root.createFolder(QStringLiteral("sources/") + QString::fromUtf8(QTest::currentDataTag()));
    const QString source = folder + QLatin1String("/source.txt");
    QVERIFY(writeFile(source, "source\n"));
    setClipboardFiles("copy\nfile://" + QFile::encodeName(source));
    const QString item = m_work + QLatin1String("/item");
    QVERIFY(QDir().mkpath(item));
    QString shownText;
    const int result = showMenu(
        { onItems ? item : m_work }, onItems,
        [&](QMenu *menu) {
            if (name.isEmpty())
                return;
            QAction *chosen = entry(menu, name);
            QVERIFY2(chosen, qPrintable(name));
            shownText = chosen->text();
            chosen->trigger();
        },
        sortBy);
    QCOMPARE(result, code);
    QCOMPARE(shownText, text);
    const QString clipboard
        = QString::fromUtf8(QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(gnomeFormat)));
    if (name == QLatin1String("_makeLink"))
        QCOMPARE(QFile::symLinkTarget(m_work + QLatin1String("/Link To item")), item);
    if (name == QLatin1String("_paste"))
        QCOMPARE(contentOf(m_work + QLatin1String("/source.txt")), QByteArray("source\n"));
    if (name == QLatin1String("_pasteIntoFolder"))
        QCOMPARE(contentOf(item + QLatin1String("/source.txt")), QByteArray("source\n"));
    if (name == QLatin1String("_cut") || name == QLatin1String("_copy"))
        QCOMPARE(clipboard, name.mid(1) + QLatin1String("\nfile://") + item);
    if (name == QLatin1String("_emptyFile"))
        QCOMPARE(contentOf(m_work + QLatin1String("/new file.txt")), QByteArray());
}

void tst_GtkShellMenu::templatesTakeAFreeName()
{
    m_root.createFile(QStringLiteral("home/Templates/Letter.txt"), "Dear\n");
    m_root.createFile(QStringLiteral("home/Templates/Page.html"), "<html></html>\n");
    QVERIFY(writeFile(m_work + QLatin1String("/Letter.txt"), "mine\n"));
    QVERIFY(writeFile(m_work + QLatin1String("/Letter1.txt"), "mine too\n"));
    QStringList labels;
    const int result = showMenu({ m_work }, false, [&](QMenu *menu) {
        QMenu *documents = entry(menu, QStringLiteral("_createDocument"))->menu();
        QAction *letter = nullptr;
        for (QAction *template_ : documents->actions()) {
            if (!template_->isSeparator())
                labels.append(template_->text());
            if (template_->text() == QLatin1String("Letter"))
                letter = template_;
        }
        QVERIFY(letter && !letter->icon().isNull());
        letter->trigger();
    });
    QFile::remove(m_root.filePath(QStringLiteral("home/Templates/Letter.txt")));
    QFile::remove(m_root.filePath(QStringLiteral("home/Templates/Page.html")));
    QCOMPARE(result, -1);
    QCOMPARE(labels, QStringList({ "Letter", "Page", "Empty File" }));
    QCOMPARE(contentOf(m_work + QLatin1String("/Letter.txt")), QByteArray("mine\n"));
    QCOMPARE(contentOf(m_work + QLatin1String("/Letter1.txt")), QByteArray("mine too\n"));
    QCOMPARE(contentOf(m_work + QLatin1String("/Letter2.txt")), QByteArray("Dear\n"));
}

void tst_GtkShellMenu::noTemplatesEntry()
{
    QString shown;
    const int result = showMenu({ m_work }, false, [&](QMenu *menu) {
        QAction *none = entry(menu, QStringLiteral("_noTemplates"));
        QVERIFY(none);
        shown = none->text();
        none->trigger();
    });
    QCOMPARE(result, -1);
    QCOMPARE(shown, QStringLiteral("No templates installed"));
    QVERIFY(QDir(m_work).isEmpty());
}

void tst_GtkShellMenu::emptyFileNeverReplaces()
{
    QVERIFY(writeFile(m_work + QLatin1String("/new file.txt"), "kept\n"));
    // A dangling link takes the name as surely as a file does.
    QVERIFY(QFile::link(m_work + QLatin1String("/nowhere"), m_work + QLatin1String("/new file 1.txt")));
    QCOMPARE(choose({ m_work }, false, QStringLiteral("_emptyFile")), -1);
    QCOMPARE(contentOf(m_work + QLatin1String("/new file.txt")), QByteArray("kept\n"));
    QVERIFY(!QFile::exists(m_work + QLatin1String("/nowhere")));
    QCOMPARE(contentOf(m_work + QLatin1String("/new file 2.txt")), QByteArray());
}

void tst_GtkShellMenu::archiveManagerFallback_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("managerInstalled");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    // ARCHIVE stands for the archive's path, FOLDER and NAME for its folder
    // and name.
    QTest::newRow("compress with manager")
        << "_createArchive" << true << "file-roller" << QStringList { "-d", "ARCHIVE" };
    QTest::newRow("compress without manager")
        << "_createArchive" << false << "tar"
        << QStringList { "-cf", "ARCHIVE.tar", "-C", "FOLDER", "--", "NAME" };
    QTest::newRow("extract with manager")
        << "_extractHere" << true << "file-roller" << QStringList { "-h", "ARCHIVE" };
    QTest::newRow("extract without manager")
        << "_extractHere" << false << "tar"
        << QStringList { "-xf", "ARCHIVE", "--no-same-owner", "--no-same-permissions" };
}

void tst_GtkShellMenu::archiveManagerFallback()
{
    QFETCH(QString, name);
    QFETCH(bool, managerInstalled);
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QString archive = m_work + QLatin1Char('/') + hostileName + QLatin1String(".tar");
    const QString member = m_root.createFile(QStringLiteral("member.txt"), "member\n");
    QCOMPARE(QProcess::execute(
                 QStringLiteral("/usr/bin/tar"), { "-C", m_root.path(), "-cf", archive, "member.txt" }),
        0);
    for (const QString standIn : { "file-roller", "tar" }) {
        QFile::remove(m_bin + QLatin1Char('/') + standIn);
        QFile::remove(m_bin + QLatin1Char('/') + standIn + QLatin1String(".args"));
    }
    installTool(QStringLiteral("tar"));
    if (managerInstalled)
        installTool(QStringLiteral("file-roller"));
    QCOMPARE(choose({ archive }, true, name), -1);
    arguments.replaceInStrings(QStringLiteral("ARCHIVE"), archive);
    arguments.replaceInStrings(QStringLiteral("FOLDER"), m_work);
    arguments.replaceInStrings(QStringLiteral("NAME"), QFileInfo(archive).fileName());
    QTRY_COMPARE(recordOf(tool), arguments);
    if (managerInstalled) {
        // Nothing signals that a program was not started: give a wrongly
        // started tar the time its stand-in needs to leave its record.
        QTest::qWait(500);
        QVERIFY(!QFile::exists(m_bin + QLatin1String("/tar.args")));
    }
    QVERIFY(!QFile::exists(m_work + QLatin1String("/pwned")));
}

void tst_GtkShellMenu::toolEntriesNeedTheirTools_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("entries");
    const QStringList none;
    const QStringList archiveEntries { "_extractHere", "_createArchive" };
    QTest::newRow("nothing installed") << none << "pack.tar" << none;
    QTest::newRow("tar, tar archive") << QStringList { "tar" } << "pack.tar" << archiveEntries;
    QTest::newRow("tar, zip archive")
        << QStringList { "tar" } << "pack.zip" << QStringList { "_createArchive" };
    QTest::newRow("archive manager, zip archive")
        << QStringList { "file-roller" } << "pack.zip" << archiveEntries;
    QTest::newRow("key tool") << QStringList { "seahorse-tool" } << "pack.txt"
                              << QStringList { "_encrypt", "_sign" };
    QTest::newRow("sharing tool") << QStringList { "shares-admin", "pkexec" } << "folder"
                                  << QStringList { "_shareFolder" };
    QTest::newRow("sharing tool, folder not alone")
        << QStringList { "shares-admin", "pkexec" } << "folder+" << none;
}

void tst_GtkShellMenu::toolEntriesNeedTheirTools()
{
    QFETCH(QStringList, tools);
    QFETCH(QString, item);
    QFETCH(QStringList, entries);
    const QString bin
        = m_root.createFolder(QStringLiteral("paths/") + QString::fromUtf8(QTest::currentDataTag()));
    for (const QString &tool : tools) {
        const QString path = m_root.createFile(
            QStringLiteral("paths/%1/%2").arg(QTest::currentDataTag(), tool), "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    }
    QVector<QString> files;
    if (item.startsWith(QLatin1String("folder"))) {
        files.append(m_root.createFolder(
            QStringLiteral("work/") + QTest::currentTestFunction() + QLatin1String("/shared")));
        if (item.endsWith(QLatin1Char('+')))
            files.append(m_root.createFolder(
                QStringLiteral("work/") + QTest::currentTestFunction() + QLatin1String("/other")));
    } else {
        files.append(m_work + QLatin1Char('/') + item);
        const QByteArray content = item.endsWith(QLatin1String(".zip"))
            ? QByteArray("PK\x03\x04", 4) + "member"
            : QByteArray("text\n");
        if (item.endsWith(QLatin1String(".tar")))
            QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/tar"),
                         { "-C", m_root.path(), "-cf", files.first(), "bin" }),
                0);
        else
            QVERIFY(writeFile(files.first(), content));
    }
    // Looked up when the menu opens.
    qputenv("PATH", QFile::encodeName(bin));
    QStringList shown;
    showMenu(files, true, [&](QMenu *menu) {
        for (const QString name : { "_extractHere", "_createArchive", "_shareFolder", "_encrypt", "_sign" }) {
            if (entry(menu, name))
                shown.append(name);
        }
    });
    qputenv("PATH", QFile::encodeName(m_bin));
    QCOMPARE(shown, entries);
}

void tst_GtkShellMenu::useRealTar()
{
    QFile::remove(m_bin + QLatin1String("/file-roller"));
    QFile::remove(m_bin + QLatin1String("/tar"));
    QVERIFY(QFile::link(QStringLiteral("/usr/bin/tar"), m_bin + QLatin1String("/tar")));
}

void tst_GtkShellMenu::archiveCreatedUnderFreeName()
{
    useRealTar();
    const QString photos = m_root.createFolder(QStringLiteral("work/archiveCreatedUnderFreeName/photos"));
    QVERIFY(writeFile(photos + QLatin1String("/beach.jpg"), "jpeg"));
    QVERIFY(writeFile(m_work + QLatin1String("/photos.tar"), "an unrelated archive"));
    QCOMPARE(choose({ photos }, true, QStringLiteral("_createArchive")), -1);
    const QString created = m_work + QLatin1String("/photos 1.tar");
    QTRY_VERIFY(QFileInfo(created).size() > 0);
    QProcess listing;
    listing.start(QStringLiteral("/usr/bin/tar"), { QStringLiteral("-tf"), created });
    QVERIFY(listing.waitForFinished());
    QCOMPARE(listing.readAllStandardOutput(), QByteArray("photos/\nphotos/beach.jpg\n"));
    QCOMPARE(contentOf(m_work + QLatin1String("/photos.tar")), QByteArray("an unrelated archive"));
    QFile::remove(m_bin + QLatin1String("/tar"));
}

void tst_GtkShellMenu::extractionStaysInItsFolder()
{
    useRealTar();
    const QString victim = m_root.createFolder(QStringLiteral("work/extractionStaysInItsFolder/victim"));
    QVERIFY(writeFile(victim + QLatin1String("/keep.txt"), "kept"));
    const QString stage = m_root.createFolder(QStringLiteral("stage"));
    for (const char *name : { "absolute.txt", "up.txt", "through.txt", "ok.txt" })
        QVERIFY(writeFile(stage + QLatin1Char('/') + QLatin1String(name), "from the archive"));
    QVERIFY(QFile::link(victim, stage + QLatin1String("/lnk")));
    // Members named as an attacker names them: an absolute path, a way up,
    // a link out and a file behind that link, and a plain one last.
    const QString archive = m_work + QLatin1String("/crafted.tar");
    const QList<QStringList> members {
        { "--transform", "s,^," + victim + "/,", "absolute.txt" },
        { "--transform", "s,^,../,", "up.txt" },
        { "lnk" },
        { "--transform", "s,^,lnk/,", "through.txt" },
        { "ok.txt" },
    };
    for (const QStringList &member : members) {
        const QString mode = QFile::exists(archive) ? QStringLiteral("-rPf") : QStringLiteral("-cPf");
        QCOMPARE(QProcess::execute(
                     QStringLiteral("/usr/bin/tar"), QStringList { mode, archive, "-C", stage } + member),
            0);
    }
    QCOMPARE(choose({ archive }, true, QStringLiteral("_extractHere")), -1);
    const QString folder = m_work + QLatin1String("/crafted");
    // tar makes the link last, once every member is out.
    QTRY_VERIFY(QFileInfo(folder + QLatin1String("/lnk")).isSymLink());
    QCOMPARE(contentOf(folder + QLatin1String("/ok.txt")), QByteArray("from the archive"));
    QCOMPARE(QDir(victim).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList("keep.txt"));
    QCOMPARE(contentOf(victim + QLatin1String("/keep.txt")), QByteArray("kept"));
    QVERIFY(!QFile::exists(m_work + QLatin1String("/up.txt")));
    QVERIFY(!QFile::exists(m_root.filePath(QStringLiteral("work/up.txt"))));
    QFile::remove(m_bin + QLatin1String("/tar"));
}

void tst_GtkShellMenu::toolsGetEveryPathWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("option");
    // Far beyond the 512 bytes a command line once had.
    QTest::newRow("encrypt") << "_encrypt" << 40 << "seahorse-tool"
                             << "-e";
    QTest::newRow("sign") << "_sign" << 40 << "seahorse-tool"
                          << "-s";
    QTest::newRow("share") << "_shareFolder" << 1 << "shares-admin" << QString();
}

void tst_GtkShellMenu::toolsGetEveryPathWhole()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, tool);
    QFETCH(QString, option);
    QVERIFY2(geteuid() == 0 || tool != QLatin1String("shares-admin"), "the super-user shares directly");
    installTool(tool);
    QFile::remove(m_bin + QLatin1Char('/') + tool + QLatin1String(".args"));
    QVector<QString> files;
    for (int i = 0; i < count; ++i)
        files.append(m_root.createFolder(
            QStringLiteral("work/long/") + hostileName + QString(20, QLatin1Char('x')) + QString::number(i)));
    QCOMPARE(choose(files, true, name), -1);
    QStringList expected = option.isEmpty() ? QStringList() : QStringList(option);
    for (const QString &path : files)
        expected.append(option.isEmpty() ? QLatin1String("--add-share=") + path : path);
    QTRY_COMPARE(recordOf(tool), expected);
}

void tst_GtkShellMenu::menuWithoutItemInformation()
{
    // Runs in the menu's own loop if it opens one, else once it returns: a
    // menu shown either way is up when it looks.
    bool looked = false;
    bool shown = false;
    QTimer::singleShot(0, this, [&] {
        looked = true;
        shown = QApplication::activePopupWidget() != nullptr;
    });
    QCOMPARE(m_show(10, 10, { m_work + QLatin1String("/gone") }, true, 0, 64, 64, nullptr), -1);
    QTRY_VERIFY(looked);
    QVERIFY(!shown);
}

void tst_GtkShellMenu::inDialog(
    const QString &path, const QString &name, const std::function<void(QDialog *dialog)> &act, bool onItems)
{
    QTimer watch;
    bool acted = false;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || acted)
            return;
        acted = true;
        act(dialog);
        dialog->reject();
    });
    watch.start(10);
    QCOMPARE(choose({ path }, onItems, name), -1);
    QVERIFY(acted);
}

namespace {

mode_t modeOf(const QString &path)
{
    struct stat status;
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool setMode(const QString &path, mode_t mode)
{
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Chooses index in the control: a combo box's entry, or for a check box
// 1 checked and 0 not.
void chooseIn(QDialog *dialog, const QString &control, int index)
{
    if (auto *box = dialog->findChild<QCheckBox *>(control)) {
        QVERIFY(box->isEnabled());
        box->setChecked(index == 1);
        return;
    }
    auto *combo = dialog->findChild<QComboBox *>(control);
    QVERIFY2(combo && combo->isEnabled(), qPrintable(control));
    QVERIFY2(combo->currentIndex() != index, "the row must change the choice");
    combo->setCurrentIndex(index);
}

} // namespace

void tst_GtkShellMenu::filePermissions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");
    QTest::newRow("owner read-only") << "accOwnercomboBox" << 0644 << 0 << 0444;
    QTest::newRow("owner read and write") << "accOwnercomboBox" << 0444 << 1 << 0644;
    QTest::newRow("group none") << "accessGroupcomboBox" << 0674 << 0 << 0604;
    QTest::newRow("group read-only") << "accessGroupcomboBox" << 0664 << 1 << 0644;
    QTest::newRow("group read and write") << "accessGroupcomboBox" << 0604 << 2 << 0664;
    QTest::newRow("others none") << "accessOtherscomboBox" << 0667 << 0 << 0660;
    QTest::newRow("others read-only") << "accessOtherscomboBox" << 0600 << 1 << 0604;
    QTest::newRow("others read and write") << "accessOtherscomboBox" << 0600 << 2 << 0606;
    QTest::newRow("execute allowed") << "execCheckBox" << 0644 << 1 << 0755;
    QTest::newRow("execute refused") << "execCheckBox" << 0751 << 0 << 0640;
}

void tst_GtkShellMenu::filePermissions()
{
    QFETCH(QString, control);
    QFETCH(int, before);
    QFETCH(int, index);
    QFETCH(int, after);
    const QString path = m_work + QLatin1Char('/') + hostileName + QLatin1String(".txt");
    QVERIFY(writeFile(path, "text\n"));
    QVERIFY(setMode(path, before));
    QString title;
    inDialog(path, QStringLiteral("_properties"), [&](QDialog *dialog) {
        title = dialog->windowTitle();
        QCOMPARE(dialog->metaObject()->className(), "propDialogFiles");
        chooseIn(dialog, control, index);
    });
    QCOMPARE(title, QStringLiteral("Properties"));
    QCOMPARE(QString::number(modeOf(path), 8), QString::number(after, 8));
    QVERIFY(!QFile::exists(m_work + QLatin1String("/pwned")));
}

void tst_GtkShellMenu::backgroundPropertiesShowTheFolder()
{
    QString shownName;
    inDialog(
        m_work, QStringLiteral("_properties"),
        [&](QDialog *dialog) {
            QCOMPARE(dialog->metaObject()->className(), "propDialogFolder");
            shownName = dialog->findChild<QLineEdit *>(QStringLiteral("namelineEdit_2"))->text();
        },
        false);
    QCOMPARE(shownName, QStringLiteral("backgroundPropertiesShowTheFolder"));
}

void tst_GtkShellMenu::folderPermissions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");
    QTest::newRow("owner list only") << "accOwnerComboFolder" << 0755 << 0 << 0455;
    QTest::newRow("owner access") << "accOwnerComboFolder" << 0755 << 1 << 0555;
    QTest::newRow("owner create and delete") << "accOwnerComboFolder" << 0555 << 2 << 0755;
    QTest::newRow("owner unchanged") << "accOwnerComboFolder" << 0755 << 3 << 0755;
    QTest::newRow("group none") << "accessGroupComboFolder" << 0775 << 0 << 0705;
    QTest::newRow("group list only") << "accessGroupComboFolder" << 0775 << 1 << 0745;
    QTest::newRow("group access") << "accessGroupComboFolder" << 0775 << 2 << 0755;
    QTest::newRow("group create and delete") << "accessGroupComboFolder" << 0705 << 3 << 0775;
    QTest::newRow("group unchanged") << "accessGroupComboFolder" << 0755 << 4 << 0755;
    QTest::newRow("others none") << "accOthersComboFolder" << 0777 << 0 << 0770;
    QTest::newRow("others list only") << "accOthersComboFolder" << 0770 << 1 << 0774;
    QTest::newRow("others access") << "accOthersComboFolder" << 0770 << 2 << 0775;
    QTest::newRow("others create and delete") << "accOthersComboFolder" << 0770 << 3 << 0777;
    QTest::newRow("execute refused") << "execCheckBox" << 0755 << 0 << 0644;
}

void tst_GtkShellMenu::folderPermissions()
{
    QFETCH(QString, control);
    QFETCH(int, before);
    QFETCH(int, index);
    QFETCH(int, after);
    const QString folder
        = m_root.createFolder(QStringLiteral("work/") + QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(setMode(folder, before));
    inDialog(folder, QStringLiteral("_properties"), [&](QDialog *dialog) {
        QCOMPARE(dialog->metaObject()->className(), "propDialogFolder");
        chooseIn(dialog, control, index);
    });
    QCOMPARE(QString::number(modeOf(folder), 8), QString::number(after, 8));
}

void tst_GtkShellMenu::enclosedPermissions_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("others");
    QTest::addColumn<bool>("execute");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    // Of a program (0700) and of a folder (0700) inside.
    QTest::addColumn<int>("executableAfter");
    QTest::newRow("read-only, none, none") << 0 << 0 << 0 << false << 0666 << 0400 << 0500;
    QTest::newRow("read and write, read-only, read and write")
        << 1 << 1 << 2 << false << 0600 << 0646 << 0746;
    // Execution for documents only where it was before, as chmod's X.
    QTest::newRow("read and write, read and write, read-only, execute")
        << 1 << 2 << 1 << true << 0600 << 0664 << 0775;
}

void tst_GtkShellMenu::enclosedPermissions()
{
    QFETCH(int, owner);
    QFETCH(int, group);
    QFETCH(int, others);
    QFETCH(bool, execute);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, executableAfter);
    const QString outside = m_work + QLatin1String("/outside.txt");
    const QString folder = m_work + QLatin1String("/folder");
    QVERIFY(QDir().mkpath(folder + QLatin1String("/inner")));
    QVERIFY(writeFile(outside, "outside\n") && setMode(outside, 0600));
    QVERIFY(QFile::link(outside, folder + QLatin1String("/link")));
    const QStringList files { folder + QLatin1String("/top.txt"), folder + QLatin1String("/.hidden"),
        folder + QLatin1String("/inner/deep.txt") };
    for (const QString &file : files)
        QVERIFY(writeFile(file, "x") && setMode(file, before));
    const QStringList executables { folder + QLatin1String("/inner/run.sh"),
        folder + QLatin1String("/inner") };
    QVERIFY(writeFile(executables.first(), "#!/bin/sh\n"));
    for (const QString &executable : executables)
        QVERIFY(setMode(executable, 0700));
    QVERIFY(setMode(folder, 0751));
    inDialog(folder, QStringLiteral("_properties"), [&](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("accOwnerComboFiles"))->setCurrentIndex(owner);
        dialog->findChild<QComboBox *>(QStringLiteral("accessGroupComboFiles"))->setCurrentIndex(group);
        dialog->findChild<QComboBox *>(QStringLiteral("accessOthersComboFiles"))->setCurrentIndex(others);
        // The box changes the folder at once; what it holds waits for the button.
        dialog->findChild<QCheckBox *>(QStringLiteral("execCheckBox"))->setChecked(execute);
        QCOMPARE(modeOf(files.first()), mode_t(before));
        auto *apply = dialog->findChild<QPushButton *>(QStringLiteral("ApplyPermissionsToFiles"));
        QCOMPARE(apply->text(), QStringLiteral("&Apply permissions to enclosed files"));
        apply->click();
    });
    for (const QString &file : files)
        QCOMPARE(QString::number(modeOf(file), 8), QString::number(after, 8));
    for (const QString &executable : executables)
        QCOMPARE(QString::number(modeOf(executable), 8), QString::number(executableAfter, 8));
    QCOMPARE(QString::number(modeOf(folder), 8), QString::number(execute ? 0751 : 0640, 8));
    QCOMPARE(modeOf(outside), mode_t(0600));
}

void tst_GtkShellMenu::groupChoice()
{
    if (geteuid() != 0)
        QSKIP("only the super-user may give a file any group");
    const QString path = m_work + QLatin1String("/grouped.txt");
    QVERIFY(writeFile(path, "x"));
    const group *other = getgrnam("daemon");
    QVERIFY(other);
    QStringList shown;
    inDialog(path, QStringLiteral("_properties"), [&](QDialog *dialog) {
        auto *groups = dialog->findChild<QComboBox *>(QStringLiteral("groupcomboBox"));
        for (int i = 0; i < groups->count(); ++i)
            shown.append(groups->itemText(i));
        groups->setCurrentText(QStringLiteral("daemon"));
    });
    QVERIFY(shown.contains(QStringLiteral("root")));
    struct stat status;
    QCOMPARE(stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_gid, other->gr_gid);
}

void tst_GtkShellMenu::unprivilegedUser()
{
    const char *const foreignVariable = "OPALO_TEST_FOREIGN_FILE";
    if (geteuid() == 0) {
        // The super-user may change anything: ask again as user nobody.
        const QString path = m_work + QLatin1String("/foreign.txt");
        QVERIFY(writeFile(path, "x") && setMode(path, 0644));
        for (QString folder = m_work; folder.startsWith(m_root.path()); folder = QFileInfo(folder).path())
            QVERIFY(setMode(folder, 0755));
        QProcess asNobody;
        asNobody.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(foreignVariable), path);
        asNobody.setProcessEnvironment(environment);
        asNobody.start(QStringLiteral("/usr/bin/setpriv"),
            { "--reuid=65534", "--regid=65534", "--clear-groups", QCoreApplication::applicationFilePath(),
                QTest::currentTestFunction() });
        if (!asNobody.waitForStarted())
            QSKIP("setpriv cannot be started");
        QVERIFY(asNobody.waitForFinished(120000));
        QCOMPARE(asNobody.exitCode(), 0);
        QCOMPARE(modeOf(path), mode_t(0644));
        return;
    }
    const QString path = qEnvironmentVariable(foreignVariable);
    if (path.isEmpty())
        QSKIP("needs a file of another user, given by a run as the super-user");
    bool refused = false;
    inDialog(path, QStringLiteral("_properties"), [&](QDialog *dialog) {
        refused = !dialog->findChild<QLabel *>(QStringLiteral("notOwnerLabel"))->isHidden()
            && !dialog->findChild<QComboBox *>(QStringLiteral("accOwnercomboBox"))->isEnabled()
            && !dialog->findChild<QCheckBox *>(QStringLiteral("execCheckBox"))->isEnabled();
    });
    QVERIFY(refused);
    // Nor may this user share a folder without asking for the rights.
    installTool(QStringLiteral("shares-admin"));
    installTool(QStringLiteral("pkexec"));
    QCOMPARE(choose({ m_work }, true, QStringLiteral("_shareFolder")), -1);
    QTRY_COMPARE(recordOf(QStringLiteral("pkexec")),
        QStringList({ QStringLiteral("shares-admin"), QLatin1String("--add-share=") + m_work }));
}

void tst_GtkShellMenu::renameInProperties_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free name") << "renamed.txt"
                               << "renamed.txt";
    QTest::newRow("taken name") << "taken.txt"
                                << "item.txt";
    QTest::newRow("empty name") << ""
                                << "item.txt";
}

void tst_GtkShellMenu::renameInProperties()
{
    QFETCH(QString, newName);
    QFETCH(QString, expected);
    QVERIFY(writeFile(m_work + QLatin1String("/item.txt"), "item"));
    QVERIFY(writeFile(m_work + QLatin1String("/taken.txt"), "taken"));
    inDialog(m_work + QLatin1String("/item.txt"), QStringLiteral("_properties"), [&](QDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("nameLineEdit"));
        QCOMPARE(name->text(), QStringLiteral("item.txt"));
        name->setText(newName);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(contentOf(m_work + QLatin1Char('/') + expected), QByteArray("item"));
    QCOMPARE(contentOf(m_work + QLatin1String("/taken.txt")),
        expected == QLatin1String("taken.txt") ? QByteArray("item") : QByteArray("taken"));
}

void tst_GtkShellMenu::openWithDialogLists()
{
    const QString path = m_work + QLatin1String("/notes.txt");
    QVERIFY(writeFile(path, "notes\n"));
    QFile::remove(m_bin + QLatin1String("/editor-c.args"));
    QString caption, description;
    int available = 0;
    int installed = 0;
    inDialog(path, QStringLiteral("_openWithOther"), [&](QDialog *dialog) {
        caption = dialog->findChild<QLabel *>(QStringLiteral("captionLabel"))->text();
        auto *registered = dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
        available = registered->count();
        installed = dialog->findChild<QListWidget *>(QStringLiteral("listWidget_2"))->count();
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QVERIFY(!buttons->button(QDialogButtonBox::Open)->isEnabled());
        const QList<QListWidgetItem *> rows
            = registered->findItems(QStringLiteral("Editor C"), Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        Q_EMIT registered->itemClicked(rows.first());
        description = dialog->findChild<QLabel *>(QStringLiteral("descriptionLabel"))->text();
        buttons->button(QDialogButtonBox::Open)->click();
    });
    QVERIFY2(
        caption.startsWith(QLatin1String("Open notes.txt and other files of type ")), qPrintable(caption));
    QCOMPARE(available, 4);
    QCOMPARE(installed, 5);
    QCOMPARE(description, QStringLiteral("Shows Editor C"));
    QTRY_COMPARE(recordOf(QStringLiteral("editor-c")), QStringList(path));
}

QTEST_MAIN(tst_GtkShellMenu)
#include "tst_gtkshellmenu.moc"
