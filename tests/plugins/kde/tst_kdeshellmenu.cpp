// SPDX-License-Identifier: GPL-2.0-or-later
#include "KdeShellMenuExports.h"
#include "KdeTestSession.h"
#include "ModalDriver.h"
#include "TestDir.h"

#include <KActionCollection>
#include <KConfigGroup>
#include <KNewFileMenu>
#include <KSharedConfig>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

namespace {

using ShowMenu = decltype(&KDEshowContextMenu);
using SelectionCommand = decltype(&KDEcut);

const QStringList fileActions { "cut", "copy", "paste", "rename", "trash", "delete" };

KActionCollection *actionsOf(QWidget *menu)
{
    return menu->parentWidget()->findChild<KActionCollection *>();
}

// The edit entries the menu shows, by their names in the plug-in's collection.
QStringList editEntries(QWidget *menu)
{
    QStringList shown;
    const KActionCollection *collection = actionsOf(menu);
    for (const QString &name : fileActions) {
        if (menu->actions().contains(collection->action(name)))
            shown << name;
    }
    return shown;
}

bool offersCreateNew(QWidget *menu)
{
    const QList<QAction *> actions = menu->actions();
    return std::any_of(actions.cbegin(), actions.cend(),
        [](QAction *action) { return qobject_cast<KNewFileMenu *>(action) != nullptr; });
}

int windowsOfClass(const char *name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(
        windows.cbegin(), windows.cend(), [name](QWidget *window) { return window->inherits(name); }));
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
        && file.write(content) == content.size();
}

} // namespace

class TestKdeShellMenu : public QObject
{
    Q_OBJECT

public:
    explicit TestKdeShellMenu(KdeTestSession &session)
        : m_session(session)
    { }

private slots:
    void initTestCase();
    void menuEntries_data();
    void menuEntries();
    void pasteNeedsUrls_data();
    void pasteNeedsUrls();
    void chosenEntry_data();
    void chosenEntry();
    void cutThenPasteMovesTheFiles();
    void copyThenPasteCopiesTheFiles();
    void folderIntoItselfThroughALinkIsRefused_data();
    void folderIntoItselfThroughALinkIsRefused();
    void removeAfterConfirmation_data();
    void removeAfterConfirmation();
    void renamesShowOneDialogPerFileInOrder();
    void renameOntoTakenName_data();
    void renameOntoTakenName();
    void openFileStartsPreferredApplication();
    void openFileNeverStartsAProgram();
    void catalogueForSystemLanguage_data();
    void catalogueForSystemLanguage();

private:
    int showMenu(const QVector<QString> &paths, bool isFileSelection, ModalDriver::Step step);
    int pasteFromMenu(const QString &folder);
    QString openedCopy() const { return m_session.homePath() + "/opened.txt"; }

    KdeTestSession &m_session;
    ShowMenu m_showMenu = nullptr;
    SelectionCommand m_copy = nullptr;
};

void TestKdeShellMenu::initTestCase()
{
    // KIO asks before trashing only when the user wants it to; this user does.
    KConfigGroup confirmations(KSharedConfig::openConfig(QStringLiteral("kiorc")), "Confirmations");
    confirmations.writeEntry("ConfirmTrash", true);
    confirmations.sync();
    // The user's own choice of application for text, known to KDE's service
    // cache from the start.
    QVERIFY(writeFile(m_session.homePath() + "/.local/share/applications/opalo-opener.desktop",
        "[Desktop Entry]\nType=Application\nName=Opener\nMimeType=text/plain;\nExec=/bin/cp %f "
            + QFile::encodeName(openedCopy()) + "\n"));
    QVERIFY(writeFile(m_session.homePath() + "/.config/mimeapps.list",
        "[Default Applications]\ntext/plain=opalo-opener.desktop\n"));
    QVERIFY2(m_session.load(), qPrintable(m_session.errorString()));
    m_showMenu = m_session.resolve<ShowMenu>("KDEshowContextMenu");
    m_copy = m_session.resolve<SelectionCommand>("KDEcopy_file");
    for (const char *name : { "linguistKDEContextMenu", "KDEshowContextMenu", "KDEcopy_file", "KDEcut",
             "KDEpaste", "KDEtrash", "KDEdel", "KDErename_file", "KDEopen_file" })
        QVERIFY2(m_session.resolve<void *>(name), name);
}

int TestKdeShellMenu::showMenu(const QVector<QString> &paths, bool isFileSelection, ModalDriver::Step step)
{
    ModalDriver driver;
    driver.then(std::move(step));
    QVector<QString> copy = paths;
    QWidget *menu = nullptr;
    const int result = m_showMenu(QPoint(100, 100), copy, isFileSelection, &menu);
    if (driver.pendingSteps() != 0 || !menu)
        qWarning("the menu was not shown");
    delete menu;
    return result;
}

void TestKdeShellMenu::menuEntries_data()
{
    QTest::addColumn<bool>("isFileSelection");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("createNew");
    QTest::newRow("background") << false << QStringList { "paste" } << true;
    QTest::newRow("files") << true << fileActions << false;
}

void TestKdeShellMenu::menuEntries()
{
    QFETCH(bool, isFileSelection);
    QFETCH(QStringList, entries);
    QFETCH(bool, createNew);
    TestDir dir;
    const QVector<QString> paths = isFileSelection
        ? QVector<QString> { dir.createFile("a.txt", "a"), dir.createFile("b.txt", "b") }
        : QVector<QString> { dir.path() };
    QStringList shown;
    bool shownCreateNew = !createNew;
    QAction *last = nullptr;
    // The program's window: the dialogues the menu's entries open go over it.
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget *menuWindow = nullptr;
    const int result = showMenu(paths, isFileSelection, [&](QWidget *menu) {
        menuWindow = menu->parentWidget()->window();
        shown = editEntries(menu);
        shownCreateNew = offersCreateNew(menu);
        last = menu->actions().value(menu->actions().size() - 1);
        last = last == actionsOf(menu)->action("properties") ? last : nullptr;
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    QCOMPARE(shown, entries);
    QCOMPARE(shownCreateNew, createNew);
    QVERIFY2(last, "Properties is not the last entry");
    QCOMPARE(result, -1);
    QCOMPARE(menuWindow, &window);
}

void TestKdeShellMenu::pasteNeedsUrls_data()
{
    QTest::addColumn<bool>("urls");
    QTest::newRow("text without URLs") << false;
    QTest::newRow("file URLs") << true;
}

void TestKdeShellMenu::pasteNeedsUrls()
{
    QFETCH(bool, urls);
    TestDir dir;
    auto *data = new QMimeData;
    data->setText(QStringLiteral("just some words"));
    if (urls)
        data->setUrls({ QUrl::fromLocalFile(dir.createFile("a.txt")) });
    QApplication::clipboard()->setMimeData(data);
    bool enabled = !urls;
    showMenu({ dir.path() }, false, [&](QWidget *menu) {
        enabled = actionsOf(menu)->action("paste")->isEnabled();
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    QCOMPARE(enabled, urls);
}

void TestKdeShellMenu::chosenEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("cutMark");
    // The whole 32-bit value counts: the program compares all of it.
    QTest::newRow("cut") << "cut" << 0x33 << QByteArray("1");
    QTest::newRow("copy") << "copy" << 0x34 << QByteArray("0");
    QTest::newRow("dismissed") << QString() << -1 << QByteArray();
}

void TestKdeShellMenu::chosenEntry()
{
    QFETCH(QString, entry);
    QFETCH(int, result);
    QFETCH(QByteArray, cutMark);
    QApplication::clipboard()->clear();
    TestDir dir;
    const QVector<QString> paths { dir.createFile("a.txt", "a"), dir.createFile("b.txt", "b") };
    const ModalDriver::Step step = entry.isEmpty()
        ? ModalDriver::dismissMenu()
        : ModalDriver::chooseMenuAction([entry](QWidget *menu) { return actionsOf(menu)->action(entry); });

    QCOMPARE(showMenu(paths, true, step), result);

    const QMimeData *data = QApplication::clipboard()->mimeData();
    QCOMPARE(data ? data->data(QStringLiteral("application/x-kde-cutselection")) : QByteArray(), cutMark);
    if (!entry.isEmpty())
        QCOMPARE(
            data->urls(), (QList<QUrl> { QUrl::fromLocalFile(paths[0]), QUrl::fromLocalFile(paths[1]) }));
    // Cut leaves the files where they are until they are pasted.
    for (const QString &path : paths)
        QVERIFY(QFile::exists(path));
}

int TestKdeShellMenu::pasteFromMenu(const QString &folder)
{
    return showMenu({ folder }, false,
        ModalDriver::chooseMenuAction([](QWidget *menu) { return actionsOf(menu)->action("paste"); }));
}

void TestKdeShellMenu::cutThenPasteMovesTheFiles()
{
    TestDir source;
    TestDir target;
    const QVector<QString> paths { source.createFile("one.txt", "1"), source.createFile("two.txt", "2") };
    const int windows = windowsOfClass("KdeShellMenu");
    QCOMPARE(showMenu(paths, true,
                 ModalDriver::chooseMenuAction([](QWidget *menu) { return actionsOf(menu)->action("cut"); })),
        0x33);

    QCOMPARE(pasteFromMenu(target.path()), 0x32);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target.filePath("two.txt")) && !QFile::exists(paths[1]), 30000);
    QVERIFY(QFile::exists(target.filePath("one.txt")));
    QVERIFY(!QFile::exists(paths[0]));
    // Each paste job had a window of its own for its questions, gone with it.
    QTRY_COMPARE(windowsOfClass("KdeShellMenu"), windows + 2);
}

void TestKdeShellMenu::copyThenPasteCopiesTheFiles()
{
    TestDir source;
    TestDir target;
    QVector<QString> paths { source.createFile("photo.jpg", "jpeg"), source.createFile("song.mp3", "mp3") };
    m_copy(&paths, nullptr);

    QCOMPARE(pasteFromMenu(target.path()), 0x32);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target.filePath("song.mp3")), 30000);
    QTRY_VERIFY(QFile::exists(target.filePath("photo.jpg")));
    QVERIFY(QFile::exists(paths[0]));
}

void TestKdeShellMenu::folderIntoItselfThroughALinkIsRefused_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("message");
    const QString itself = QStringLiteral(
        "You cannot copy a folder into itself.\nThe destination folder is inside the source folder.");
    const QString over = QStringLiteral("You cannot copy a folder over one that contains it.\nThe folder to "
                                        "be replaced holds the source folder.");
    QTest::newRow("copy into itself") << QByteArray("KDEcopy_file") << "A"
                                      << "toSub" << itself;
    QTest::newRow("cut into itself") << QByteArray("KDEcut") << "A"
                                     << "toSub" << itself;
    QTest::newRow("cut over its own folder") << QByteArray("KDEcut") << "A/A"
                                             << "toTop" << over;
}

void TestKdeShellMenu::folderIntoItselfThroughALinkIsRefused()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, message);
    TestDir dir;
    dir.createFile("A/sub/inner.txt", "inner");
    dir.createFile("A/A/deep.txt", "deep");
    dir.createSymlink(dir.filePath("A/sub"), "toSub");
    dir.createSymlink(dir.path(), "toTop");
    QVector<QString> paths { dir.filePath(source) };
    m_session.resolve<SelectionCommand>(command.constData())(&paths, nullptr);
    m_session.resolve<decltype(&linguistKDEContextMenu)>("linguistKDEContextMenu")(new QTranslator(this));
    const int windows = windowsOfClass("KdeShellMenu");
    ModalDriver driver;
    QVector<QString> into { dir.filePath(destination) };

    m_session.resolve<decltype(&KDEpaste)>("KDEpaste")(into, nullptr);

    QCOMPARE(driver.texts(), QStringList { message });
    // No job was started (an earlier test's job may end meanwhile, its
    // window with it).
    QVERIFY(windowsOfClass("KdeShellMenu") <= windows);
    QCOMPARE(QDir(dir.filePath("A/sub")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList("inner.txt"));
    QCOMPARE(QDir(dir.filePath("A/A")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList("deep.txt"));
}

void TestKdeShellMenu::removeAfterConfirmation_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("trashed");
    QTest::newRow("trash confirmed") << QByteArray("KDEtrash") << "Move to Trash" << true << true;
    QTest::newRow("trash cancelled") << QByteArray("KDEtrash") << "Cancel" << false << false;
    QTest::newRow("delete confirmed") << QByteArray("KDEdel") << "Delete Permanently" << true << false;
    QTest::newRow("delete cancelled") << QByteArray("KDEdel") << "Cancel" << false << false;
}

void TestKdeShellMenu::removeAfterConfirmation()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, answer);
    QFETCH(bool, removed);
    QFETCH(bool, trashed);
    TestDir dir;
    const QString name = QStringLiteral("remove-me-%1.txt").arg(QTest::currentDataTag()).replace(' ', '-');
    QVector<QString> paths { dir.createFile(name, "bye") };
    const QString inTrash = m_session.trashFilesPath() + QLatin1Char('/') + name;
    const int windows = windowsOfClass("KdeShellMenu");
    ModalDriver driver;
    driver.then(ModalDriver::clickButton(answer));

    m_session.resolve<SelectionCommand>(command.constData())(&paths, nullptr);

    QCOMPARE(driver.pendingSteps(), 0);
    // The job runs on after the call, with its window.
    QCOMPARE(windowsOfClass("KdeShellMenu"), windows + (removed ? 1 : 0));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(paths[0]) != removed, 30000);
    QCOMPARE(QFile::exists(inTrash), trashed);
    QTRY_COMPARE(windowsOfClass("KdeShellMenu"), windows);
}

void TestKdeShellMenu::renamesShowOneDialogPerFileInOrder()
{
    TestDir dir;
    QVector<QString> paths { dir.createFile("a.txt", "a"), dir.createFile("b.txt", "b"),
        dir.createFile("c.txt", "c") };
    QStringList offered;
    const auto renameTo = [&offered](const QString &name) {
        return [&offered, name](QWidget *dialog) {
            QLineEdit *edit = dialog->findChild<QLineEdit *>();
            offered << edit->text();
            edit->setText(name);
            findButton(dialog, name.isEmpty() ? QStringLiteral("Cancel") : QStringLiteral("Continue"))
                ->click();
        };
    };
    ModalDriver driver;
    driver.then(renameTo(QStringLiteral("a2.txt")));
    driver.then(renameTo(QString()));
    driver.then(renameTo(QStringLiteral("c2.txt")));

    m_session.resolve<SelectionCommand>("KDErename_file")(&paths, nullptr);

    QCOMPARE(offered, (QStringList { "a.txt", "b.txt", "c.txt" }));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList { "a2.txt", "b.txt", "c2.txt" }));
}

void TestKdeShellMenu::renameOntoTakenName_data()
{
    QTest::addColumn<bool>("danglingLink");
    QTest::newRow("existing file") << false;
    // A dangling link does not "exist" for QFile, whose fallback would then
    // write through it and remove the original.
    QTest::newRow("dangling link") << true;
}

void TestKdeShellMenu::renameOntoTakenName()
{
    QFETCH(bool, danglingLink);
    TestDir dir;
    QVector<QString> paths { dir.createFile("a.txt", "mine") };
    const QString linkTarget = dir.filePath("nowhere.txt");
    const QString taken
        = danglingLink ? dir.createSymlink(linkTarget, "b.txt") : dir.createFile("b.txt", "theirs");
    m_session.resolve<decltype(&linguistKDEContextMenu)>("linguistKDEContextMenu")(new QTranslator(this));
    QString boxText;
    ModalDriver driver;
    driver.then([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("b.txt"));
        findButton(dialog, QStringLiteral("Continue"))->click();
    });
    driver.then([&boxText](QWidget *box) {
        boxText = box->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox *>(box)->text();
        findButton(box, QStringLiteral("OK"))->click();
    });

    m_session.resolve<SelectionCommand>("KDErename_file")(&paths, nullptr);

    QCOMPARE(boxText, QStringLiteral("Rename the file|The file name b.txt already exists!"));
    QFile mine(paths[0]);
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
    QVERIFY(QFileInfo(taken).isSymLink() == danglingLink);
    QVERIFY(!QFile::exists(linkTarget));
}

void TestKdeShellMenu::openFileStartsPreferredApplication()
{
    TestDir dir;
    QString path = dir.createFile("letter.txt", "Dear reader");
    QWidget pane;

    m_session.resolve<decltype(&KDEopen_file)>("KDEopen_file")(path, &pane);

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(openedCopy()).size() == 11, 30000);
}

void TestKdeShellMenu::openFileNeverStartsAProgram()
{
    TestDir dir;
    const QString mark = dir.filePath("started");
    const QByteArray script = "#!/bin/sh\ntouch '" + QFile::encodeName(mark) + "'\n";
    QString path = dir.createFile("setup.sh", script);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QFile::remove(openedCopy());
    QWidget pane;

    m_session.resolve<decltype(&KDEopen_file)>("KDEopen_file")(path, &pane);

    // Handed to the user's application for text, as a document.
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(openedCopy()).size(), qint64(script.size()), 30000);
    QVERIFY(!QFile::exists(mark));
}

void TestKdeShellMenu::catalogueForSystemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("kdeText");
    QTest::newRow("Japanese falls back to English") << "ja_JP"
                                                    << "Rename the file" << QString();
    QTest::newRow("French") << "fr_FR"
                            << "Renommer le fichier"
                            << "Mettre dans la corbeille";
    QTest::newRow("Russian") << "ru_RU" << QString::fromUtf8("Переименовать файл")
                             << QString::fromUtf8("Удалить в корзину");
    QTest::newRow("Portuguese") << "pt_BR"
                                << "Mudar o nome do ficheiro" << QString();
}

void TestKdeShellMenu::catalogueForSystemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, title);
    QFETCH(QString, kdeText);
    // The user's locale, made for the test as the machine may have no data
    // for it: gettext, and so KDE's texts, ignores the LANGUAGE variable
    // under the C locale, and Debian 13's glibc under C.UTF-8 too.
    const QTemporaryDir locales;
    const QString name = locale + QStringLiteral(".UTF-8");
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
        { QStringLiteral("-i"), locale, QStringLiteral("-f"), QStringLiteral("UTF-8"),
            locales.filePath(name) });
    QVERIFY2(localedef.waitForFinished(60000) && localedef.exitCode() == 0,
        qPrintable(QStringLiteral("localedef (package locales): ") + localedef.errorString()
            + QString::fromLocal8Bit(localedef.readAllStandardError())));
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LOCPATH"), locales.path());
    environment.insert(QStringLiteral("LC_ALL"), name);
    environment.remove(QStringLiteral("LANGUAGE"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(KDE_CATALOGUE_PROBE_PATH), {});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), title);
    // The menu's KDE entries speak the same language.
    if (!kdeText.isNull())
        QCOMPARE(lines.value(1), kdeText);
}

int main(int argc, char **argv)
{
    KdeTestSession session;
    QApplication application(argc, argv);
    TestKdeShellMenu test(session);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kdeshellmenu.moc"
