// SPDX-License-Identifier: GPL-2.0-or-later
#include "PaneTestHome.h"
#include "TestDir.h"
#include "TmpfsMount.h"

#include "base/LayoutSettings.h"
#include "bookmarks/ExternalDeviceBookmarkBrowser.h"
#include "bookmarks/HostBookmarkBrowser.h"
#include "browser/panes/Browser.h"
#include "browser/panes/CopyController.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyPreflight.h"
#include "widgets/Button.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)

namespace {

// What the test saw of the boxes it answered.
struct SeenBox
{
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The window the box goes over (on Wayland only a parent keeps it there).
    const QWidget *window = nullptr;
};

// Answers every box with the next of answers (the last one repeated) and
// records what each box said.
QList<SeenBox> *answerBoxes(QList<QMessageBox::StandardButton> answers)
{
    auto *seen = new QList<SeenBox>;
    MessageBox::setAnswerer([seen, answers](MessageBox &box) mutable {
        seen->append({ box.text(), box.standardButtons(), box.standardButton(box.defaultButton()), box.icon(),
            box.parentWidget() ? box.parentWidget()->window() : nullptr });
        return int(answers.size() > 1 ? answers.takeFirst() : answers.first());
    });
    return seen;
}

bool allOver(const QList<SeenBox> &boxes, const QWidget *window)
{
    return std::all_of(
        boxes.begin(), boxes.end(), [window](const SeenBox &box) { return box.window == window; });
}

void showFolder(BaseFrame *pane, const QString &path)
{
    pane->listViewModel()->setFolder(path);
    pane->listView()->setRootIndex(pane->listViewModel()->index(path));
}

void showLabel(BaseFrame *pane)
{
    pane->treeView()->setCurrentIndex(pane->browserTreeModel()->index(0, 0));
}

bool selectInList(BaseFrame *pane, const QString &path)
{
    const QModelIndex index = pane->listViewModel()->index(path);
    pane->listView()->selectionModel()->select(index, QItemSelectionModel::Select);
    return index.isValid();
}

// A window on screen, its Bookmarks tab shown or not; null if it does not
// show.
std::unique_ptr<Browser> shownBrowser(TL09Engine &engine, bool bookmarksTab)
{
    LayoutSettings::setBookmarksTabRequested(bookmarksTab);
    auto browser = std::make_unique<Browser>(engine);
    LayoutSettings::setBookmarksTabRequested(false);
    browser->show();
    return QTest::qWaitForWindowExposed(browser.get()) ? std::move(browser) : nullptr;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

Q_DECLARE_METATYPE(CopyOutcome)

class tst_Browser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void deviceTitleFollowsModel_data();
    void deviceTitleFollowsModel();
    void buildsWithItsRules();
    void alwaysOpensOnPictures();
    void treeShowsEachFolderOnce_data();
    void treeShowsEachFolderOnce();
    void buttonsFollowSelection_data();
    void buttonsFollowSelection();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void createsWritableFolderOnDevice();
    void createOnDeviceLabelDoesNothing();
    void createFailureIsShown();
    void copyAsksForConfirmation_data();
    void copyAsksForConfirmation();
    void arrowCopiesSelectionAndSelectsArrivals();
    void nothingToCopyNamesCategory_data();
    void nothingToCopyNamesCategory();
    void overwriteQuestionDecides_data();
    void overwriteQuestionDecides();
    void cancelledCopyEndsWithReport();
    void copyBoxesNameTarget_data();
    void copyBoxesNameTarget();
    void dismissClosesOpenQuestion();
    void reportListsWhatFailedAndRetries();
    void refusedNamesAskedBeforeCopy();
    void confirmationWeighsTheFreeSpace_data();
    void confirmationWeighsTheFreeSpace();
    void tabGoesThroughTheWindowInOrder();
    void keysSwitchCategory_data();
    void keysSwitchCategory();
    void clickedTabTakesTheFocusFrame();
    void tabEntersTheRowAtTheChosenCategory_data();
    void tabEntersTheRowAtTheChosenCategory();
    void hiddenPanesShowScreenReadersNothing_data();
    void hiddenPanesShowScreenReadersNothing();
    void picturesHaveNames_data();
    void picturesHaveNames();
    void f5CopiesToTheOtherPane_data();
    void f5CopiesToTheOtherPane();
    void deleteTakesOnePath_data();
    void deleteTakesOnePath();
    void panesShareTheWidth_data();
    void panesShareTheWidth();

private:
    std::unique_ptr<PaneTestHome> home;
    QTranslator catalogue;
    std::unique_ptr<QList<SeenBox>> seen;
};

void tst_Browser::initTestCase()
{
    qRegisterMetaType<QFileInfoList>("QFileInfoList");
    qRegisterMetaType<BrowserMode>("BrowserMode");
    QVERIFY(catalogue.load(QStringLiteral(":/translation/lang/OpaloSync_en.qm")));
    QCoreApplication::installTranslator(&catalogue);
    home = std::make_unique<PaneTestHome>();
    QVERIFY(home->isValid());
}

void tst_Browser::cleanup()
{
    MessageBox::setAnswerer({});
    CopyPreflight::setProbe({});
    seen.reset();
    QFile::remove(home->devicePath() + QStringLiteral("/.opalo"));
    home->engine().wait();
}

void tst_Browser::deviceTitleFollowsModel_data()
{
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QString>("title");
    QTest::newRow("no model") << QByteArray() << QStringLiteral("My OPALO™ netbook");
    QTest::newRow("named model") << QByteArray("Pico\n")
                                 << QStringLiteral("My OPALO™ netbook (OPALO Pico HD)");
}

void tst_Browser::deviceTitleFollowsModel()
{
    QFETCH(QByteArray, marker);
    QFETCH(QString, title);
    if (!marker.isEmpty()) {
        QFile file(home->devicePath() + QStringLiteral("/.opalo"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(marker);
    }
    Browser browser(home->engine());
    QCOMPARE(browser.findChild<QLabel *>(QStringLiteral("label_4"))->text(), title);
    QCOMPARE(browser.findChild<QLabel *>(QStringLiteral("_myComputerLabel"))->text(),
        QStringLiteral("My computer (%1)").arg(QSysInfo::machineHostName()));
}

void tst_Browser::buildsWithItsRules()
{
    Browser browser(home->engine());
    const auto button
        = [&browser](const char *name) { return browser.findChild<Button *>(QLatin1String(name)); };
    QVERIFY(button("_pictureTabPushButton")->isChecked());
    QVERIFY(button("_urlTabPushButton")->isHidden());
    QVERIFY(!button("_copy2ExternalDevice")->isEnabled());
    QVERIFY(!button("_copy2Host")->isEnabled());
    QVERIFY(!button("_OpaloRemovePushButton")->isEnabled());
    QCOMPARE(button("_copy2Host")->toolTip(),
        QStringLiteral("Copy the selected files from your OPALO netbook to your computer.\n"
                       "They stay on your OPALO netbook."));
    QCOMPARE(button("_videoTabPushButton")->text(), QStringLiteral("Videos"));
    QVERIFY(browser.findChild<HostFrame *>(QStringLiteral("_hostFrame")));
    QVERIFY(browser.findChild<ExternalDeviceFrame *>(QStringLiteral("_targetFrame")));
}

void tst_Browser::alwaysOpensOnPictures()
{
    Browser browser(home->engine());
    browser.show();
    auto *music = browser.findChild<Button *>(QStringLiteral("_musicTabPushButton"));
    QTest::mouseClick(music, Qt::LeftButton);
    QCOMPARE(browser.category(), int(MusicMode));
    QCOMPARE(browser.deviceFrame()->currentPath(), home->deviceFolder(MusicMode));

    browser.hide();
    browser.show();
    QVERIFY(browser.findChild<Button *>(QStringLiteral("_pictureTabPushButton"))->isChecked());
    QVERIFY(!music->isChecked());
    QCOMPARE(browser.category(), int(PicturesMode));
    QCOMPARE(browser.deviceFrame()->currentPath(), home->deviceFolder(PicturesMode));
    QCOMPARE(browser.hostFrame()->currentPath(), home->hostFolder(PicturesMode));
}

void tst_Browser::treeShowsEachFolderOnce_data()
{
    QTest::addColumn<int>("tabClicks");
    QTest::newRow("as opened") << 0;
    QTest::newRow("tab clicked") << 1;
    QTest::newRow("tab clicked twice") << 2;
}

// The list's folders arrive after the tree listed them; whatever the
// order, the tree shows each sub-folder once.
void tst_Browser::treeShowsEachFolderOnce()
{
    QFETCH(int, tabClicks);
    // Folders of their own for each row: the home is shared by the tests.
    const QString suffix = QString::number(tabClicks);
    QStringList expected { QStringLiteral("Family ") + suffix, QStringLiteral("Holidays ") + suffix };
    for (int mode : { int(PicturesMode), int(MusicMode) }) {
        for (const QString &name : qAsConst(expected))
            QVERIFY(QDir(home->hostFolder(mode)).mkpath(name));
    }

    Browser browser(home->engine());
    browser.show();
    for (int i = 0; i < tabClicks; ++i)
        browser.findChild<Button *>(QStringLiteral("_pictureTabPushButton"))->click();
    BaseFrame *pane = browser.hostFrame();
    QTRY_VERIFY(pane->listViewModel()->rowCount(pane->listView()->rootIndex()) >= 2);
    // Late rows of the list would make the tree list again.
    QTest::qWait(200);

    const QModelIndex pictures = pane->treeView()->currentIndex();
    QCOMPARE(pictures.data(BrowserTreeModel::FullPathRole).toString(), home->hostFolder(PicturesMode));
    QStringList shown;
    for (QModelIndex row = pane->treeView()->indexBelow(pictures); row.parent() == pictures;
        row = pane->treeView()->indexBelow(row)) {
        const QString name = row.data().toString();
        if (name.endsWith(suffix))
            shown.append(name);
    }
    shown.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(pane->browserTreeModel()->rowCount(pictures),
        int(QDir(home->hostFolder(PicturesMode)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()));
}

void tst_Browser::buttonsFollowSelection_data()
{
    // Events: "H+" host selection made, "H-" emptied, "D+" / "D-" likewise
    // on the device.
    QTest::addColumn<bool>("hostShown");
    QTest::addColumn<bool>("deviceShown");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("toDevice");
    QTest::addColumn<bool>("toHost");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("remove");
    const QStringList hostPick { QStringLiteral("H+") };
    const QStringList devicePick { QStringLiteral("D+") };
    QTest::newRow("my computer, device selection")
        << false << true << devicePick << false << false << false << true;
    QTest::newRow("my computer, device deselected")
        << false << true << QStringList { QStringLiteral("D+"), QStringLiteral("D-") } << false << false
        << false << false;
    QTest::newRow("device label, host selection")
        << true << false << hostPick << false << false << true << false;
    QTest::newRow("both shown, host selection") << true << true << hostPick << true << false << true << false;
    QTest::newRow("both shown, device selection")
        << true << true << devicePick << false << true << true << true;
    QTest::newRow("both shown, both selections")
        << true << true << QStringList { QStringLiteral("H+"), QStringLiteral("D+") } << true << true << true
        << true;
    QTest::newRow("both shown, host deselected after device pick")
        << true << true << QStringList { QStringLiteral("H+"), QStringLiteral("D+"), QStringLiteral("H-") }
        << false << true << true << true;
    QTest::newRow("nothing shown, host selection")
        << false << false << hostPick << false << false << false << false;
}

void tst_Browser::buttonsFollowSelection()
{
    QFETCH(bool, hostShown);
    QFETCH(bool, deviceShown);
    QFETCH(QStringList, events);
    Browser browser(home->engine());
    browser.show();
    if (!hostShown)
        showLabel(browser.hostFrame());
    if (!deviceShown)
        showLabel(browser.deviceFrame());
    const QFileInfoList picked { QFileInfo(home->deviceFolder(PicturesMode)) };
    for (const QString &event : events) {
        const BrowserMode side = event.startsWith(QLatin1Char('H')) ? HostMode : ExternalDeviceMode;
        browser.receiveBrowserSelectionChanged(
            event.endsWith(QLatin1Char('+')) ? picked : QFileInfoList(), side);
    }
    const auto enabled = [&browser](const char *name) {
        return browser.findChild<Button *>(QLatin1String(name))->isEnabled();
    };
    QTEST(enabled("_copy2ExternalDevice"), "toDevice");
    QTEST(enabled("_copy2Host"), "toHost");
    QTEST(enabled("_OpaloAddPushButton"), "add");
    QTEST(enabled("_OpaloRemovePushButton"), "remove");
}

void tst_Browser::deleteAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("declined") << QMessageBox::No << false;
    QTest::newRow("accepted") << QMessageBox::Yes << true;
}

void tst_Browser::deleteAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, deleted);
    TL09Engine *engine = &home->engine();
    const QString folder = home->deviceFolder(PicturesMode);
    const QString first = folder + QStringLiteral("/one.jpg");
    const QString second = folder + QStringLiteral("/two.jpg");
    for (const QString &path : { first, second }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Browser browser(home->engine());
    browser.show();
    QTRY_VERIFY(selectInList(browser.deviceFrame(), first) && selectInList(browser.deviceFrame(), second));
    seen.reset(answerBoxes({ answer }));
    QSignalSpy refreshes(engine, &QThread::started);

    browser.DeleteFromOpalo();
    engine->wait();

    QCOMPARE(seen->size(), 1);
    QCOMPARE(seen->first().text, QStringLiteral("Delete 2 files permanently: one.jpg, two.jpg?"));
    QCOMPARE(seen->first().defaultButton, QMessageBox::No);
    QCOMPARE(QFile::exists(first), !deleted);
    QCOMPARE(QFile::exists(second), !deleted);
    QCOMPARE(refreshes.count(), deleted ? 1 : 0);
    QFile::remove(first);
    QFile::remove(second);
}

void tst_Browser::createsWritableFolderOnDevice()
{
    Browser browser(home->engine());
    browser.show();
    const QString folder = home->deviceFolder(PicturesMode) + QStringLiteral("/Folder");
    QVERIFY(!QFileInfo::exists(folder));
    seen.reset(answerBoxes({ QMessageBox::Ok }));

    browser.findChild<Button *>(QStringLiteral("_OpaloAddPushButton"))->click();

    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QFile::permissions(folder) & QFile::WriteOther, QFile::WriteOther);
    QVERIFY(seen->isEmpty());
    QVERIFY(QDir(folder).removeRecursively());
}

void tst_Browser::createOnDeviceLabelDoesNothing()
{
    Browser browser(home->engine());
    browser.show();
    showLabel(browser.deviceFrame());
    const QStringList before = QDir(home->devicePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    seen.reset(answerBoxes({ QMessageBox::Ok }));

    browser.CreateDirInOpalo();

    QVERIFY(seen->isEmpty());
    QCOMPARE(QDir(home->devicePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void tst_Browser::createFailureIsShown()
{
    TestDir mountDir;
    const QString readOnly = mountDir.createFolder(QStringLiteral("read-only"));
    TmpfsMount mount(readOnly, QStringLiteral("ro,size=1m"));
    if (!mount.isMounted())
        QSKIP("mounting a tmpfs is not allowed here");
    Browser browser(home->engine());
    browser.show();
    showFolder(browser.deviceFrame(), readOnly);
    seen.reset(answerBoxes({ QMessageBox::Ok }));

    browser.CreateDirInOpalo();

    QCOMPARE(seen->size(), 1);
    QCOMPARE(seen->first().text, QStringLiteral("An error occurred. The folder could not be created."));
    QCOMPARE(seen->first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_Browser::copyAsksForConfirmation_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("copied");
    QTest::newRow("declined") << QMessageBox::No << false;
    QTest::newRow("accepted") << QMessageBox::Yes << true;
}

void tst_Browser::copyAsksForConfirmation()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, copied);
    TestDir source;
    TestDir target;
    const QString picture = source.createFileOfSize(QStringLiteral("beach day (1).jpg"), 3 * 1024 * 1024 + 1);
    Browser browser(home->engine());
    browser.show();
    seen.reset(answerBoxes({ answer }));

    browser.doDrop({ QFileInfo(picture) }, ExternalDeviceMode, target.path());

    QCOMPARE(QString(seen->first().text).replace(QChar::Nbsp, QLatin1Char(' ')),
        QStringLiteral("Copy 1 picture (3.15 MB) to the folder “%1” on the netbook?")
            .arg(QFileInfo(target.path()).fileName()));
    QCOMPARE(seen->size(), 1);
    QVERIFY(allOver(*seen, &browser));
    const QString arrived = target.filePath(QStringLiteral("beach day (1).jpg"));
    QCOMPARE(QFileInfo::exists(arrived), copied);
    if (copied)
        QCOMPARE(contents(arrived), contents(picture));
    QVERIFY(browser.deviceFrame()->listViewModel()->thumbnailsEnabled());
    QVERIFY(browser.hostFrame()->listViewModel()->thumbnailsEnabled());
}

void tst_Browser::arrowCopiesSelectionAndSelectsArrivals()
{
    const QString picture = home->hostFolder(PicturesMode) + QStringLiteral("/arrow.jpg");
    {
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("picture");
    }
    Browser browser(home->engine());
    browser.show();
    QTRY_VERIFY(selectInList(browser.hostFrame(), picture));
    auto *arrow = browser.findChild<Button *>(QStringLiteral("_copy2ExternalDevice"));
    QVERIFY(arrow->isEnabled());
    seen.reset(answerBoxes({ QMessageBox::Yes }));

    arrow->click();

    const QString arrived = home->deviceFolder(PicturesMode) + QStringLiteral("/arrow.jpg");
    QCOMPARE(contents(arrived), QByteArray("picture"));
    const QFileInfoList selected = browser.deviceFrame()->selectedFiles();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().absoluteFilePath(), arrived);
    QFile::remove(picture);
    QFile::remove(arrived);
}

void tst_Browser::nothingToCopyNamesCategory_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("word");
    QTest::newRow("documents") << QStringLiteral("_documentsTabPushButton") << QStringLiteral("document");
    QTest::newRow("pictures") << QStringLiteral("_pictureTabPushButton") << QStringLiteral("image");
    QTest::newRow("music") << QStringLiteral("_musicTabPushButton") << QStringLiteral("music");
    QTest::newRow("videos") << QStringLiteral("_videoTabPushButton") << QStringLiteral("video");
}

void tst_Browser::nothingToCopyNamesCategory()
{
    QFETCH(QString, tab);
    QFETCH(QString, word);
    TestDir source;
    TestDir target;
    source.createFile(QStringLiteral("album/notes.unknown"), "x");
    Browser browser(home->engine());
    browser.show();
    QTest::mouseClick(browser.findChild<Button *>(tab), Qt::LeftButton);
    seen.reset(answerBoxes({ QMessageBox::Yes, QMessageBox::Ok }));

    browser.doDrop(
        { QFileInfo(source.filePath(QStringLiteral("album"))) }, ExternalDeviceMode, target.path());

    QCOMPARE(seen->size(), 2);
    QCOMPARE(seen->at(1).text, QStringLiteral("This directory does not contain any %1 files.").arg(word));
    QCOMPARE(seen->at(1).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(allOver(*seen, &browser));
    QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void tst_Browser::overwriteQuestionDecides_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("report");
    // Two files the target has, each answered alike; 0: Escape is pressed.
    const QString skipped = QStringLiteral("0 of 2 copied.");
    QTest::newRow("replace") << int(QMessageBox::Yes) << QByteArray("new") << QStringList() << 2 << QString();
    QTest::newRow("skip") << int(QMessageBox::No) << QByteArray("older") << QStringList() << 2 << skipped;
    QTest::newRow("replace all") << int(QMessageBox::YesToAll) << QByteArray("new") << QStringList() << 1
                                 << QString();
    QTest::newRow("skip all") << int(QMessageBox::NoToAll) << QByteArray("older") << QStringList() << 1
                              << skipped;
    QTest::newRow("keep both") << int(QMessageBox::Save) << QByteArray("older")
                               << QStringList { QStringLiteral("a (2).jpg"), QStringLiteral("b (2).jpg") }
                               << 2 << QString();
    QTest::newRow("escape cancels the copy") << 0 << QByteArray("older") << QStringList() << 1
                                             << QStringLiteral("0 of 2 copied; the rest were not.");
}

void tst_Browser::overwriteQuestionDecides()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, expected);
    QFETCH(QStringList, beside);
    QFETCH(int, questions);
    QFETCH(QString, report);
    TestDir source;
    TestDir target;
    const QFileInfoList pictures { QFileInfo(source.createFile(QStringLiteral("a.jpg"), "new")),
        QFileInfo(source.createFile(QStringLiteral("b.jpg"), "new")) };
    // Another size: a file of the same size and date is taken as a copy
    // already there.
    target.createFile(QStringLiteral("a.jpg"), "older");
    target.createFile(QStringLiteral("b.jpg"), "older");
    Browser browser(home->engine());
    browser.show();
    auto *seen = new QList<SeenBox>;
    this->seen.reset(seen);
    MessageBox::setAnswerer([seen, answer](MessageBox &box) {
        seen->append({ box.text(), box.standardButtons(), QMessageBox::NoButton, box.icon() });
        if (seen->size() == 1)
            return int(QMessageBox::Yes);
        if (answer == 0 && box.objectName() == QLatin1String("OverwriteQuestion")) {
            QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
            return box.QMessageBox::exec();
        }
        return answer;
    });

    browser.doDrop(pictures, HostMode, target.path());

    QCOMPARE(seen->size(), 1 + questions + (report.isEmpty() ? 0 : 1));
    for (int i = 1; i <= questions; ++i) {
        QCOMPARE(seen->at(i).text,
            QStringLiteral("The file %1 already exists in the destination folder. What would you like to do?")
                .arg(pictures.at(i - 1).fileName()));
        QCOMPARE(seen->at(i).buttons,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Save | QMessageBox::Cancel);
    }
    if (!report.isEmpty()) {
        QCOMPARE(seen->last().text, report);
        // Neither what the user kept nor a cancel the user chose is a warning.
        QCOMPARE(seen->last().icon, QMessageBox::Information);
    }
    QCOMPARE(contents(target.filePath(QStringLiteral("a.jpg"))), expected);
    QCOMPARE(contents(target.filePath(QStringLiteral("b.jpg"))), expected);
    for (const QString &name : beside)
        QCOMPARE(contents(target.filePath(name)), QByteArray("new"));
    QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 2 + beside.size());
}

void tst_Browser::cancelledCopyEndsWithReport()
{
    TestDir source;
    TestDir target;
    const QFileInfoList pictures { QFileInfo(source.createFile(QStringLiteral("a.jpg"), "new")),
        QFileInfo(source.createFile(QStringLiteral("b.jpg"), "new")) };
    target.createFile(QStringLiteral("a.jpg"), "older");
    Browser browser(home->engine());
    browser.show();
    auto *seen = new QList<SeenBox>;
    this->seen.reset(seen);
    // The user cancels in the progress dialog while the question is open.
    MessageBox::setAnswerer([this, seen, &browser](MessageBox &box) {
        seen->append({ box.text(), box.standardButtons() });
        if (auto *progress = browser.findChild<ProgressDialog *>()) {
            progress->findChild<QPushButton *>(QStringLiteral("_cancelPushButton"))->click();
            // As the window does once the dialog has closed, before the
            // answer reaches the copy.
            home->engine().cancelCopies();
        }
        return int(seen->size() < 3 ? QMessageBox::Yes : QMessageBox::Close);
    });

    browser.doDrop(pictures, HostMode, target.path());

    QCOMPARE(seen->size(), 3);
    QCOMPARE(seen->at(2).text, QStringLiteral("0 of 2 copied; the rest were not."));
    QVERIFY(!QFileInfo::exists(target.filePath(QStringLiteral("b.jpg"))));
}

void tst_Browser::copyBoxesNameTarget_data()
{
    QTest::addColumn<CopyDlg>("dlg");
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<CopyOutcome>("cause");
    QTest::addColumn<QString>("text");
    const QString computer = QStringLiteral("My computer (%1)").arg(QSysInfo::machineHostName());
    const QString device = QStringLiteral("My OPALO™ netbook (OPALO )");
    QTest::newRow("space on the computer")
        << DriveSpaceError << HostMode << CopyOutcome::NoSpace
        << QStringLiteral("There is not enough free space on %1.").arg(computer);
    QTest::newRow("space on the device")
        << DriveSpaceError << ExternalDeviceMode << CopyOutcome::NoSpace
        << QStringLiteral("There is not enough free space on %1.").arg(device);
    QTest::newRow("rights on the device")
        << RightsError << ExternalDeviceMode << CopyOutcome::NoRights
        << QStringLiteral(
               "Failed to copy data to %1.\nPlease make sure you have the rights to perform this operation.")
               .arg(device);
    QTest::newRow("copy error") << CopyError << HostMode << CopyOutcome::WriteError
                                << QStringLiteral("An error occurred while copying.");
    QTest::newRow("a read-only netbook")
        << RightsError << ExternalDeviceMode << CopyOutcome::ReadOnly
        << QStringLiteral("%1 is read-only: nothing can be written to it.").arg(device);
    QTest::newRow("a PC file the user may not read")
        << RightsError << ExternalDeviceMode << CopyOutcome::NoRightsToRead
        << QStringLiteral("You may not read file.jpg on %1.").arg(computer);
}

void tst_Browser::copyBoxesNameTarget()
{
    QFETCH(CopyDlg, dlg);
    QFETCH(BrowserMode, target);
    QFETCH(CopyOutcome, cause);
    QFETCH(QString, text);
    Browser browser(home->engine());
    seen.reset(answerBoxes({ QMessageBox::Ok }));

    CopyQuestion question;
    question.kind = dlg;
    question.target = target;
    question.fileName = QStringLiteral("file.jpg");
    question.cause = cause;
    browser.findChild<CopyController *>()->ask(question);

    QCOMPARE(seen->size(), 1);
    QCOMPARE(seen->first().text, text);
    QCOMPARE(seen->first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(allOver(*seen, &browser));
}

void tst_Browser::dismissClosesOpenQuestion()
{
    const QString folder = home->deviceFolder(PicturesMode);
    const QString picture = folder + QStringLiteral("/keep.jpg");
    {
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Browser browser(home->engine());
    browser.show();
    QTRY_VERIFY(selectInList(browser.deviceFrame(), picture));
    // The box really runs: the main window gives the device up meanwhile.
    QTimer::singleShot(0, &browser, &Browser::dismissDialog);

    browser.DeleteFromOpalo();

    QVERIFY(QFile::exists(picture));
    QVERIFY(QFile::remove(picture));
}

void tst_Browser::reportListsWhatFailedAndRetries()
{
    TestDir source;
    TestDir target;
    source.createFile(QStringLiteral("album/photo.jpg"), "photo");
    const QString blocker = target.createFile(QStringLiteral("album"), "not a folder");
    Browser browser(home->engine());
    browser.show();
    QList<SeenBox> reports;
    QStringList lines;
    MessageBox::setAnswerer([&](MessageBox &box) {
        if (box.objectName() != QLatin1String("CopyReport"))
            return int(box.standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
        reports.append({ box.text(), box.standardButtons() });
        lines << box.informativeText();
        // The cause goes before the user retries.
        QFile::remove(blocker);
        return int(QMessageBox::Retry);
    });

    browser.doDrop({ QFileInfo(source.filePath(QStringLiteral("album"))) }, HostMode, target.path());

    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first().text, QStringLiteral("0 files copied, 0 already there, 1 did not arrive."));
    QCOMPARE(reports.first().buttons, QMessageBox::Retry | QMessageBox::Close);
    QCOMPARE(lines, QStringList { QStringLiteral("album: no rights") });
    QFile arrived(target.filePath(QStringLiteral("album/photo.jpg")));
    QVERIFY(arrived.open(QIODevice::ReadOnly));
    QCOMPARE(arrived.readAll(), QByteArray("photo"));
}

void tst_Browser::refusedNamesAskedBeforeCopy()
{
    TestDir source;
    TestDir target;
    const QString picture = source.createFile(QStringLiteral("what?.jpg"), "picture");
    CopyPreflight::setProbe([](const QString &) {
        VolumeFacts facts;
        facts.kind = VolumeFacts::Fat;
        return facts;
    });
    Browser browser(home->engine());
    browser.show();
    QList<SeenBox> questions;
    QStringList names;
    MessageBox::setAnswerer([&](MessageBox &box) {
        if (box.objectName() != QLatin1String("AskBeforeCopy"))
            return int(QMessageBox::Yes);
        questions.append({ box.text(), box.standardButtons() });
        names << box.informativeText();
        return int(QMessageBox::Apply);
    });

    browser.doDrop({ QFileInfo(picture) }, ExternalDeviceMode, target.path());

    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.first().text.startsWith(QStringLiteral("1 file cannot be copied to ")));
    QCOMPARE(questions.first().buttons, QMessageBox::Yes | QMessageBox::Apply | QMessageBox::Cancel);
    QCOMPARE(names, QStringList { QStringLiteral("what?.jpg: name not allowed") });
    QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList { QStringLiteral("what_.jpg") });
}

void tst_Browser::confirmationWeighsTheFreeSpace_data()
{
    QTest::addColumn<qint64>("free");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<int>("arrived");
    QTest::newRow("room for all") << qint64(1 << 20) << QStringLiteral("Copy 2 pictures")
                                  << (QMessageBox::Yes | QMessageBox::No) << 2;
    QTest::newRow("room for one") << qint64(1500) << QStringLiteral("what fits will be copied")
                                  << (QMessageBox::Yes | QMessageBox::Cancel) << 1;
    QTest::newRow("no room") << qint64(0) << QStringLiteral("2 pictures cannot be copied")
                             << QMessageBox::StandardButtons(QMessageBox::Ok) << 0;
}

// The confirmation says what the copy needs and what is free, and offers
// what fits; the check before the copy then asks nothing more about room.
void tst_Browser::confirmationWeighsTheFreeSpace()
{
    QFETCH(qint64, free);
    QFETCH(QString, said);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(int, arrived);
    TestDir source;
    TestDir target;
    const QFileInfoList pictures { QFileInfo(
                                       source.createFile(QStringLiteral("a.jpg"), QByteArray(1000, 'a'))),
        QFileInfo(source.createFile(QStringLiteral("b.jpg"), QByteArray(1000, 'b'))) };
    CopyPreflight::setProbe([free](const QString &) {
        VolumeFacts facts;
        facts.freeBytes = free;
        return facts;
    });
    Browser browser(home->engine());
    seen.reset(answerBoxes({ QMessageBox::Yes }));

    browser.doDrop(pictures, ExternalDeviceMode, target.path());

    QVERIFY2(seen->first().text.contains(said), qPrintable(seen->first().text));
    QCOMPARE(seen->first().buttons, buttons);
    QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), arrived);
    // Then only the report of what did not fit.
    QCOMPARE(seen->size(), arrived == 1 ? 2 : 1);
    QVERIFY(allOver(*seen, &browser));
}

void tst_Browser::tabGoesThroughTheWindowInOrder()
{
    const QString picture = home->hostFolder(PicturesMode) + QStringLiteral("/tab.jpg");
    QVERIFY(QFile(picture).open(QIODevice::WriteOnly));
    Browser browser(home->engine());
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QApplication::setActiveWindow(&browser);
    // With a picture selected on the PC, its arrow can be reached; the
    // other arrow and "delete" are disabled and skipped.
    QTRY_VERIFY(selectInList(browser.hostFrame(), picture));
    const auto button
        = [&browser](const char *name) { return browser.findChild<Button *>(QLatin1String(name)); };
    const QList<QWidget *> expected { button("_pictureTabPushButton"), browser.hostFrame()->treeView(),
        browser.hostFrame()->listView(), button("_copy2ExternalDevice"), browser.deviceFrame()->treeView(),
        browser.deviceFrame()->listView(), button("_OpaloAddPushButton") };
    QTRY_COMPARE(QApplication::focusWidget(), expected.first());
    for (int i = 1; i <= expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected.at(i % expected.size()));
    }
    QVERIFY(QFile::remove(picture));
}

void tst_Browser::keysSwitchCategory_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("bookmarksShown");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("tab");
    QTest::newRow("Ctrl+2") << QList<int> { Qt::Key_2 } << false << int(MusicMode) << "_musicTabPushButton";
    QTest::newRow("Ctrl+4") << QList<int> { Qt::Key_4 } << false << int(DocumentsMode)
                            << "_documentsTabPushButton";
    QTest::newRow("Ctrl+Page Down twice") << QList<int> { Qt::Key_PageDown, Qt::Key_PageDown } << false
                                          << int(MovieMode) << "_videoTabPushButton";
    QTest::newRow("Ctrl+Page Up goes round")
        << QList<int> { Qt::Key_PageUp } << false << int(DocumentsMode) << "_documentsTabPushButton";
    QTest::newRow("Ctrl+3, then back with Ctrl+1")
        << QList<int> { Qt::Key_3, Qt::Key_1 } << false << int(PicturesMode) << "_pictureTabPushButton";
    QTest::newRow("Ctrl+5, Bookmarks shown")
        << QList<int> { Qt::Key_5 } << true << int(PicturesMode) << "_urlTabPushButton";
    QTest::newRow("Ctrl+5, Bookmarks hidden")
        << QList<int> { Qt::Key_5 } << false << int(PicturesMode) << "_pictureTabPushButton";
    QTest::newRow("Ctrl+Page Up to Bookmarks")
        << QList<int> { Qt::Key_PageUp } << true << int(PicturesMode) << "_urlTabPushButton";
}

void tst_Browser::keysSwitchCategory()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, category);
    QFETCH(QString, tab);
    QFETCH(bool, bookmarksShown);
    const std::unique_ptr<Browser> shown = shownBrowser(home->engine(), bookmarksShown);
    QVERIFY(shown);
    Browser &browser = *shown;
    QApplication::setActiveWindow(&browser);
    QTRY_VERIFY(QApplication::focusWidget());
    for (const int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(browser.category(), category);
    auto *chosen = browser.findChild<Button *>(tab);
    QVERIFY(chosen->isChecked());
    // The focus was on the tabs: it goes with the chosen one.
    QCOMPARE(QApplication::focusWidget(), chosen);
}

// A tab chosen with the mouse while the focus is on the row takes the
// focus frame with it.
void tst_Browser::clickedTabTakesTheFocusFrame()
{
    const std::unique_ptr<Browser> shown = shownBrowser(home->engine(), true);
    QVERIFY(shown);
    Browser &browser = *shown;
    QApplication::setActiveWindow(&browser);
    QTRY_COMPARE(
        QApplication::focusWidget(), browser.findChild<Button *>(QStringLiteral("_pictureTabPushButton")));
    auto *bookmarks = browser.findChild<Button *>(QStringLiteral("_urlTabPushButton"));
    QTest::mouseClick(bookmarks, Qt::LeftButton);
    QVERIFY(bookmarks->isChecked());
    QCOMPARE(QApplication::focusWidget(), bookmarks);
}

void tst_Browser::tabEntersTheRowAtTheChosenCategory_data()
{
    QTest::addColumn<bool>("click");
    QTest::newRow("Ctrl+3") << false;
    QTest::newRow("a click") << true;
}

// The category is chosen while the focus is in the PC's tree: going back to
// the row, the focus lands on the chosen tab, not on the one it left.
void tst_Browser::tabEntersTheRowAtTheChosenCategory()
{
    QFETCH(bool, click);
    Browser browser(home->engine());
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QApplication::setActiveWindow(&browser);
    QTRY_COMPARE(
        QApplication::focusWidget(), browser.findChild<Button *>(QStringLiteral("_pictureTabPushButton")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), browser.hostFrame()->treeView());
    auto *videos = browser.findChild<Button *>(QStringLiteral("_videoTabPushButton"));
    if (click)
        QTest::mouseClick(videos, Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
    QVERIFY(videos->isChecked());
    QCOMPARE(QApplication::focusWidget(), browser.hostFrame()->treeView());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), videos);
}

void tst_Browser::hiddenPanesShowScreenReadersNothing_data()
{
    QTest::addColumn<bool>("bookmarks");
    QTest::newRow("a file category") << false;
    QTest::newRow("Bookmarks") << true;
}

void tst_Browser::hiddenPanesShowScreenReadersNothing()
{
    QFETCH(bool, bookmarks);
    const std::unique_ptr<Browser> shown = shownBrowser(home->engine(), true);
    QVERIFY(shown);
    Browser &browser = *shown;
    if (bookmarks)
        browser.setURLMode();
    const auto exposed
        = [](QWidget *pane) { return QAccessible::queryAccessibleInterface(pane)->childCount() > 0; };
    for (QWidget *files :
        { static_cast<QWidget *>(browser.hostFrame()), static_cast<QWidget *>(browser.deviceFrame()) })
        QCOMPARE(exposed(files), !bookmarks);
    // The shown folder trees have one column, no empty cell beside each folder.
    QCOMPARE(QAccessible::queryAccessibleInterface(browser.hostFrame()->treeView())
                 ->tableInterface()
                 ->columnCount(),
        1);
    for (QWidget *marks : { static_cast<QWidget *>(browser.hostBookmarkBrowser()),
             static_cast<QWidget *>(browser.deviceBookmarkBrowser()) })
        QCOMPARE(exposed(marks), bookmarks);
}

void tst_Browser::picturesHaveNames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("arrow right") << "_copy2ExternalDevice"
                                 << "Copy to the netbook";
    QTest::newRow("arrow left") << "_copy2Host"
                                << "Copy to this computer";
    QTest::newRow("new folder") << "_OpaloAddPushButton"
                                << "New folder on the netbook";
    QTest::newRow("delete") << "_OpaloRemovePushButton"
                            << "Delete from the netbook";
}

void tst_Browser::picturesHaveNames()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    Browser browser(home->engine());
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(browser.findChild<Button *>(button));
    QCOMPARE(shown->text(QAccessible::Name), name);
    QCOMPARE(shown->role(), QAccessible::Button);
}

void tst_Browser::f5CopiesToTheOtherPane_data()
{
    QTest::addColumn<BrowserMode>("from");
    QTest::newRow("from the computer") << HostMode;
    QTest::newRow("from the netbook") << ExternalDeviceMode;
}

void tst_Browser::f5CopiesToTheOtherPane()
{
    QFETCH(BrowserMode, from);
    const BrowserMode to = from == HostMode ? ExternalDeviceMode : HostMode;
    const auto folderOf = [this](BrowserMode side) {
        return side == HostMode ? home->hostFolder(PicturesMode) : home->deviceFolder(PicturesMode);
    };
    const QString picture = folderOf(from) + QStringLiteral("/f5.jpg");
    QVERIFY(QFile(picture).open(QIODevice::WriteOnly));
    const QString arrived = folderOf(to) + QStringLiteral("/f5.jpg");
    Browser browser(home->engine());
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QApplication::setActiveWindow(&browser);
    QTRY_VERIFY(selectInList(browser.pane(from), picture));
    browser.pane(from)->listView()->setFocus();
    QTRY_VERIFY(browser.pane(from)->listView()->hasFocus());
    seen.reset(answerBoxes({ QMessageBox::Yes }));

    QTest::keyClick(browser.pane(from)->listView(), Qt::Key_F5);

    // Through the same confirmation as the arrow.
    QCOMPARE(seen->size(), 1);
    QVERIFY(QFile::exists(arrived));
    QFile::remove(picture);
    QFile::remove(arrived);
}

void tst_Browser::deleteTakesOnePath_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("the Delete key") << true;
    QTest::newRow("the delete button") << false;
}

void tst_Browser::deleteTakesOnePath()
{
    QFETCH(bool, byKey);
    // A folder something is mounted on cannot go, even for root.
    const QString busy = home->deviceFolder(PicturesMode) + QStringLiteral("/busy");
    QVERIFY(QDir().mkpath(busy));
    TmpfsMount mount(busy, QStringLiteral("size=1m"));
    if (!mount.isMounted())
        QSKIP("mounting a tmpfs is not allowed here");
    TL09Engine &engine = home->engine();
    Browser browser(engine);
    browser.show();
    QTRY_VERIFY(selectInList(browser.deviceFrame(), busy));
    seen.reset(answerBoxes({ QMessageBox::Yes, QMessageBox::Ok }));
    QSignalSpy refreshes(&engine, &QThread::started);

    if (byKey)
        QTest::keyClick(browser.deviceFrame()->listView(), Qt::Key_Delete);
    else
        browser.DeleteFromOpalo();
    engine.wait();

    QCOMPARE(seen->size(), 2);
    QCOMPARE(seen->first().text, QStringLiteral("Delete busy permanently?"));
    QCOMPARE(seen->at(1).text,
        QStringLiteral("This file is already opened by another application. Unable to delete it."));
    QCOMPARE(refreshes.count(), 1);
    QVERIFY(mount.unmount());
    QVERIFY(QDir(busy).removeRecursively());
}

QTEST_MAIN(tst_Browser)
void tst_Browser::panesShareTheWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("smallest") << QSize(1300, 700);
    QTest::newRow("wide") << QSize(1600, 900);
    QTest::newRow("maximised on a large screen") << QSize(2500, 1400);
}

void tst_Browser::panesShareTheWidth()
{
    QFETCH(QSize, size);
    const auto browser = shownBrowser(home->engine(), false);
    QVERIFY(browser);
    browser->resize(size);
    QTRY_COMPARE(browser->size(), size);
    const auto listWidth = [](BaseFrame *pane) { return pane->listView()->parentWidget()->width(); };
    QTRY_VERIFY(qAbs(browser->hostFrame()->width() - browser->deviceFrame()->width()) <= 1);
    QVERIFY(qAbs(listWidth(browser->hostFrame()) - listWidth(browser->deviceFrame())) <= 1);
}

#include "tst_browser.moc"
