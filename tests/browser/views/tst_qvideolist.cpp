// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "UiTestHelpers.h"
#include "base/BrowserMode.h"
#include "browser/views/FileDetailsView.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/ItemNameLayout.h"
#include "browser/views/ListStatusLine.h"
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <QHeaderView>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr int loadTimeoutMs = 10000;

struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::StandardButton defaultButton;
    // The window the box goes over (on Wayland only a parent keeps it there).
    const QWidget *window;
};

} // namespace

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class TestQVideoList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clicksNeverOpenTheEditor_data();
    void clicksNeverOpenTheEditor();
    void explicitEditOpensTheEditor();
    void renameCommit_data();
    void renameCommit();
    void dropFromAnotherWidget_data();
    void dropFromAnotherWidget();
    void dragCarriesTheSelection();
    void selectedPathsFallBackToTheFolder();
    void navigationKeysMoveWithoutPlugin();
    void rowsInViewAreFound_data();
    void rowsInViewAreFound();
    void fileKeysOnEveryDesktop_data();
    void fileKeysOnEveryDesktop();
    void deleteKeyAsksNamingTheFiles_data();
    void deleteKeyAsksNamingTheFiles();
    void renameSelectsTheNameWithoutExtension_data();
    void renameSelectsTheNameWithoutExtension();
    void screenReadersSeeTheShownFiles();
    void screenReadersSelectRows_data();
    void screenReadersSelectRows();
    void screenReadersActOnItems_data();
    void screenReadersActOnItems();
    void currentItemShowsItsWholeName();
    void wholeNameIsWrittenOnce_data();
    void wholeNameIsWrittenOnce();
    void nameSitsUnderTheIconBox_data();
    void nameSitsUnderTheIconBox();
    void selectedNameLiesInItsHighlight_data();
    void selectedNameLiesInItsHighlight();
    void statusLineCountsAndSizes_data();
    void statusLineCountsAndSizes();
    void detailsSortByEachColumn_data();
    void detailsSortByEachColumn();

private:
    QModelIndex waitForRow(const QString &path);
    // The list itself, or its details view shown in its place.
    QAbstractItemView *shownView(bool details);
    // An icon cell of the list at (0, 0), its name under a 64-pixel icon.
    QStyleOptionViewItem cellOption() const;

    QTranslator m_translator;
    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<VideoModel> m_model;
    std::unique_ptr<QVideoList> m_list;
    std::unique_ptr<FileDetailsView> m_details;
    QList<ShownBox> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
};

void TestQVideoList::initTestCase()
{
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
    MessageBox::setAnswerer([this](MessageBox &box) {
        m_boxes.append({ box.windowTitle(), box.text(), box.standardButton(box.defaultButton()),
            box.parentWidget() ? box.parentWidget()->window() : nullptr });
        return int(m_answer);
    });
}

void TestQVideoList::init()
{
    m_boxes.clear();
    m_answer = QMessageBox::Ok;
    m_dir = std::make_unique<TestDir>();
    m_dir->createFile(QStringLiteral("a.jpg"), "a");
    m_dir->createFile(QStringLiteral("b.jpg"), "b");
    // Files the list does not show, sorted among those it shows: the list's
    // rows are not the file model's.
    m_dir->createFile(QStringLiteral("0.mp3"), "0");
    m_dir->createFile(QStringLiteral("a.txt"), "t");
    m_model = std::make_unique<VideoModel>();
    m_model->setCategory(PicturesMode);
    m_model->setFolder(m_dir->path());
    m_list = std::make_unique<QVideoList>();
    m_list->setModel(m_model.get());
    m_list->setRootIndex(m_model->index(m_dir->path()));
    m_list->setViewMode(QListView::IconMode);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_list->resize(400, 300);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
}

void TestQVideoList::cleanup()
{
    m_details.reset();
    m_list.reset();
    m_model.reset();
    m_dir.reset();
}

QAbstractItemView *TestQVideoList::shownView(bool details)
{
    if (!details)
        return m_list.get();
    m_details = std::make_unique<FileDetailsView>(m_list.get());
    m_details->resize(500, 300);
    m_details->show();
    return QTest::qWaitForWindowExposed(m_details.get()) ? m_details.get() : nullptr;
}

QModelIndex TestQVideoList::waitForRow(const QString &path)
{
    const VideoModel *shown = m_model.get();
    const bool listed = QTest::qWaitFor([&] { return shown->index(path).isValid(); }, loadTimeoutMs);
    return listed ? shown->index(path) : QModelIndex();
}

QStyleOptionViewItem TestQVideoList::cellOption() const
{
    QStyleOptionViewItem option;
    option.initFrom(m_list.get());
    option.decorationPosition = QStyleOptionViewItem::Top;
    option.decorationSize = QSize(64, 64);
    option.rect = QRect(QPoint(0, 0), ItemNameLayout::cellSize(64, option.fontMetrics));
    return option;
}

void TestQVideoList::clicksNeverOpenTheEditor_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click on the selected item") << false;
    QTest::newRow("double click") << true;
}

void TestQVideoList::clicksNeverOpenTheEditor()
{
    QFETCH(bool, doubleClick);
    const QModelIndex index = waitForRow(m_dir->filePath(QStringLiteral("a.jpg")));
    QVERIFY(index.isValid());
    QTRY_VERIFY(m_list->visualRect(index).isValid());
    m_list->setCurrentIndex(index);
    const QPoint centre = m_list->visualRect(index).center();

    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    if (doubleClick)
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    // An edit on a click on the selected item would start from a coarse
    // timer of the double-click interval (late by up to 5 %): a precise one
    // started after it with a tenth more fires after it.
    bool passed = false;
    QTimer::singleShot(
        QApplication::doubleClickInterval() * 11 / 10, Qt::PreciseTimer, this, [&] { passed = true; });
    QTRY_VERIFY(passed);

    QVERIFY(m_list->findChildren<QLineEdit *>().isEmpty());
}

void TestQVideoList::explicitEditOpensTheEditor()
{
    const QModelIndex index = waitForRow(m_dir->filePath(QStringLiteral("a.jpg")));
    QVERIFY(index.isValid());
    m_list->edit(index);
    QVERIFY(!m_list->findChildren<QLineEdit *>().isEmpty());
}

void TestQVideoList::renameCommit_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("renamedTo");
    // The box's text, none without a box.
    QTest::addColumn<QString>("message");
    const QString taken = QStringLiteral("The file name %1 already exists!");
    QTest::newRow("free name") << QStringLiteral("c d.jpg") << QStringLiteral("c d.jpg") << QString();
    QTest::newRow("name taken") << QStringLiteral("b.jpg") << QString() << taken.arg("b.jpg");
    QTest::newRow("separator") << QStringLiteral("sub/x.jpg") << QString() << taken.arg("sub/x.jpg");
    QTest::newRow("parent folder") << QStringLiteral("../out.jpg") << QString() << taken.arg("../out.jpg");
    QTest::newRow("dot dot") << QStringLiteral("..") << QString() << taken.arg("..");
    QTest::newRow("unchanged") << QStringLiteral("a.jpg") << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    // Told, with the system's reason, rather than left as it was in silence.
    QTest::newRow("name too long") << QString(300, QLatin1Char('x')) << QString()
                                   << QStringLiteral("a.jpg could not be renamed: %1.")
                                          .arg(QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)));
}

void TestQVideoList::renameCommit()
{
    QFETCH(QString, newName);
    QFETCH(QString, renamedTo);
    QFETCH(QString, message);
    m_dir->createFolder(QStringLiteral("sub"));
    const QString original = m_dir->filePath(QStringLiteral("a.jpg"));
    const QModelIndex index = waitForRow(original);
    QVERIFY(index.isValid());
    // As the list's own editor is, inside the list.
    QLineEdit editor(m_list.get());
    editor.setText(newName);

    m_list->itemDelegate()->setModelData(&editor, m_list->model(), index);

    QCOMPARE(m_boxes.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_boxes.first().title, QStringLiteral("Rename the file"));
        QCOMPARE(m_boxes.first().text, message);
        QCOMPARE(m_boxes.first().window, m_list.get());
    }
    QCOMPARE(QFileInfo::exists(original), renamedTo.isEmpty());
    if (!renamedTo.isEmpty())
        QVERIFY(QFileInfo::exists(m_dir->filePath(renamedTo)));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 4);
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("sub"))).isEmpty());
}

void TestQVideoList::dropFromAnotherWidget_data()
{
    QTest::addColumn<bool>("withUrls");
    QTest::addColumn<bool>("activeFolder");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("files on a folder") << true << true << true;
    QTest::newRow("text only") << false << true << false;
    QTest::newRow("files on the device label") << true << false << false;
}

void TestQVideoList::dropFromAnotherWidget()
{
    QFETCH(bool, withUrls);
    QFETCH(bool, activeFolder);
    QFETCH(bool, dropped);
    TestDir source;
    const QString first = source.createFile(QStringLiteral("one.jpg"), "1");
    const QString second = source.createFile(QStringLiteral("two (2).jpg"), "2");
    if (!activeFolder)
        m_model->setFolder(QStringLiteral(",.?!:"));
    QMimeData data;
    if (withUrls)
        data.setUrls({ QUrl::fromLocalFile(first), QUrl::fromLocalFile(second) });
    else
        data.setText(first);
    QList<QPair<QFileInfoList, QString>> drops;
    connect(m_list.get(), &QVideoList::doDrop, this,
        [&drops](const QFileInfoList &files, const QString &folder) { drops.append({ files, folder }); });
    const QPoint point(10, 10);

    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->viewport(), &enter);
    QCOMPARE(enter.isAccepted(), withUrls);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->viewport(), &drop);

    QCOMPARE(drops.count(), dropped ? 1 : 0);
    if (!dropped)
        return;
    QCOMPARE(drops.first().first, (QFileInfoList { QFileInfo(first), QFileInfo(second) }));
    QCOMPARE(drops.first().second, m_dir->path());
}

void TestQVideoList::dragCarriesTheSelection()
{
    // Rows arriving put themselves in order, moving those before them.
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("b.jpg"))).isValid());
    const QModelIndex a = waitForRow(m_dir->filePath(QStringLiteral("a.jpg")));
    const QModelIndex b = m_model->index(m_dir->filePath(QStringLiteral("b.jpg")));
    m_list->selectionModel()->select(b, QItemSelectionModel::Select);
    m_list->selectionModel()->select(a, QItemSelectionModel::Select);
    std::unique_ptr<QMimeData> data(m_list->selectionMimeData());
    const QList<QUrl> expected { QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("b.jpg"))),
        QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("a.jpg"))) };
    QCOMPARE(data->urls(), expected);
}

void TestQVideoList::selectedPathsFallBackToTheFolder()
{
    const QModelIndex a = waitForRow(m_dir->filePath(QStringLiteral("a.jpg")));
    QCOMPARE(m_list->selectedPaths(), QVector<QString> { m_dir->path() });
    QVERIFY(m_list->selectionWasEmpty());
    m_list->selectionModel()->select(a, QItemSelectionModel::Select);
    QCOMPARE(m_list->selectedPaths(), QVector<QString> { m_dir->filePath(QStringLiteral("a.jpg")) });
    QVERIFY(!m_list->selectionWasEmpty());
}

void TestQVideoList::navigationKeysMoveWithoutPlugin()
{
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("a.jpg"))).isValid());
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("b.jpg"))).isValid());
    const QModelIndex first = m_list->model()->index(0, 0, m_list->rootIndex());
    m_list->setCurrentIndex(first);
    // No desktop plug-in here: navigation works, and select all.
    QTest::keyClick(m_list.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(QVideoList::selectedRows(m_list->selectionModel()).size(), 2);
    QTest::keyClick(m_list.get(), Qt::Key_End);
    QCOMPARE(m_list->currentIndex(), m_list->model()->index(1, 0, m_list->rootIndex()));
}

void TestQVideoList::rowsInViewAreFound_data()
{
    QTest::addColumn<bool>("details");
    QTest::newRow("icons") << false;
    QTest::newRow("details") << true;
}

void TestQVideoList::rowsInViewAreFound()
{
    QFETCH(bool, details);
    QAbstractItemView *view = shownView(details);
    QVERIFY(view);
    QStringList names;
    for (int i = 0; i < 80; ++i)
        names.append(
            QFileInfo(m_dir->createFile(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')), "x"))
                .fileName());
    m_list->setGridSize(QSize(80, 80));
    QTRY_COMPARE_WITH_TIMEOUT(m_list->model()->rowCount(m_list->rootIndex()), 82, loadTimeoutMs);
    const auto shownNames = [this] {
        QStringList shown;
        for (const QString &path : m_list->visibleFiles())
            shown.append(QFileInfo(path).fileName());
        return shown;
    };
    const auto rowName
        = [this](int row) { return m_list->model()->index(row, 0, m_list->rootIndex()).data().toString(); };
    const int lastRow = m_list->model()->rowCount(m_list->rootIndex()) - 1;
    QTRY_VERIFY(shownNames().value(0) == rowName(0));
    QVERIFY(!shownNames().contains(rowName(lastRow)));

    view->scrollToBottom();
    QTRY_VERIFY(shownNames().contains(rowName(lastRow)));
    QVERIFY(!shownNames().contains(rowName(0)));
}

void TestQVideoList::fileKeysOnEveryDesktop_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("details");
    QTest::newRow("Enter opens") << int(Qt::Key_Return) << int(Qt::NoModifier) << "open" << false;
    QTest::newRow("keypad Enter opens") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "open" << false;
    QTest::newRow("Backspace goes up") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << "parent" << false;
    QTest::newRow("Alt+Up goes up") << int(Qt::Key_Up) << int(Qt::AltModifier) << "parent" << false;
    QTest::newRow("Up alone moves") << int(Qt::Key_Up) << int(Qt::NoModifier) << "" << false;
    QTest::newRow("Enter opens in the details")
        << int(Qt::Key_Return) << int(Qt::NoModifier) << "open" << true;
    QTest::newRow("Alt+Up goes up in the details")
        << int(Qt::Key_Up) << int(Qt::AltModifier) << "parent" << true;
    QTest::newRow("Up alone moves in the details") << int(Qt::Key_Up) << int(Qt::NoModifier) << "" << true;
}

void TestQVideoList::fileKeysOnEveryDesktop()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, request);
    QFETCH(bool, details);
    const QModelIndex b = waitForRow(m_dir->filePath(QStringLiteral("b.jpg")));
    QVERIFY(b.isValid());
    QAbstractItemView *view = shownView(details);
    QVERIFY(view);
    m_list->setCurrentIndex(b);
    QSignalSpy opened(m_list.get(), &QVideoList::openRequested);
    QSignalSpy parent(m_list.get(), &QVideoList::parentRequested);
    QTest::keyClick(view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(opened.count(), request == QLatin1String("open") ? 1 : 0);
    QCOMPARE(parent.count(), request == QLatin1String("parent") ? 1 : 0);
    if (!opened.isEmpty())
        QCOMPARE(opened.first().first().toModelIndex(), b);
    // The details view moves to the row above, for both views.
    if (request.isEmpty() && details)
        QCOMPARE(m_list->currentIndex(), m_model->index(m_dir->filePath(QStringLiteral("a.jpg"))));
}

void TestQVideoList::deleteKeyAsksNamingTheFiles_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("question");
    QTest::newRow("one file, kept") << QStringList { "a.jpg" } << "Delete a.jpg permanently?";
    QTest::newRow("two files, deleted")
        << QStringList { "a.jpg", "b.jpg" } << "Delete 2 files permanently: a.jpg, b.jpg?";
    QTest::newRow("more than three, the rest counted") << QStringList { "a.jpg", "b.jpg", "c.jpg", "d.jpg",
        "e.jpg" } << "Delete 5 files permanently: a.jpg, b.jpg, c.jpg, …?";
}

void TestQVideoList::deleteKeyAsksNamingTheFiles()
{
    QFETCH(QStringList, names);
    QFETCH(QString, question);
    QSignalSpy requested(m_list.get(), &QVideoList::deleteRequested);
    // Nothing selected: the shown folder itself is never offered.
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    QCOMPARE(requested.count(), 0);
    QStringList paths;
    for (const QString &name : names) {
        if (!QFile::exists(m_dir->filePath(name)))
            m_dir->createFile(name, "x");
        paths << m_dir->filePath(name);
    }
    for (const QString &path : qAsConst(paths)) {
        const QModelIndex row = waitForRow(path);
        QVERIFY(row.isValid());
        m_list->selectionModel()->select(row, QItemSelectionModel::Select);
    }
    // The window asks and deletes, as its delete button does.
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    QCOMPARE(requested.count(), 1);
    const std::unique_ptr<MessageBox> box(QVideoList::deleteQuestion(paths, nullptr));
    QCOMPARE(box->text(), question);
    // A key pressed once too often loses nothing.
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
}

void TestQVideoList::renameSelectsTheNameWithoutExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("details");
    QTest::newRow("picture") << "IMG_20250712_183401.jpg" << false << "IMG_20250712_183401" << false;
    QTest::newRow("dots in the name") << "party.2025.final.png" << false << "party.2025.final" << false;
    QTest::newRow("folder") << "Holidays 2.5" << true << "Holidays 2.5" << false;
    QTest::newRow("picture in the details") << "IMG_1.jpg" << false << "IMG_1" << true;
}

void TestQVideoList::renameSelectsTheNameWithoutExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(QString, selected);
    if (folder)
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    else
        m_dir->createFile(name, "x");
    const QModelIndex row = waitForRow(m_dir->filePath(name));
    QVERIFY(row.isValid());
    QFETCH(bool, details);
    QAbstractItemView *view = shownView(details);
    QVERIFY(view);
    m_list->setCurrentIndex(row);
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(row));
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), selected);
    // Opaque: the names under it do not show through.
    QVERIFY(editor->autoFillBackground());
}

void TestQVideoList::screenReadersSeeTheShownFiles()
{
    const QModelIndex b = waitForRow(m_dir->filePath(QStringLiteral("b.jpg")));
    QVERIFY(b.isValid());
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("a.jpg"))).isValid());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_list.get());
    QCOMPARE(list->role(), QAccessible::List);
    // The files of the folder shown, not the file model's top.
    QCOMPARE(list->childCount(), 2);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *item = list->child(i);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(list->indexOfChild(item), i);
        QCOMPARE(item->parent(), list);
        names << item->text(QAccessible::Name);
    }
    QCOMPARE(names, (QStringList { "a.jpg", "b.jpg" }));

    m_list->selectionModel()->select(b, QItemSelectionModel::Select);
    QVERIFY(list->child(b.row())->state().selected);
    QVERIFY(!list->child(1 - b.row())->state().selected);
    const QRect shown = list->child(b.row())->rect();
    QCOMPARE(list->childAt(shown.center().x(), shown.center().y()), list->child(b.row()));

    // A file that arrives takes its row; the items follow.
    m_dir->createFile(QStringLiteral("0a.jpg"), "x");
    QTRY_COMPARE(list->childCount(), 3);
    QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("0a.jpg"));
    QCOMPARE(list->child(2)->text(QAccessible::Name), QStringLiteral("b.jpg"));
}

void TestQVideoList::screenReadersSelectRows_data()
{
    // Rows to select (n) or unselect (-n - 1), in order.
    QTest::addColumn<QList<int>>("changes");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("one row") << QList<int> { 1 } << QList<int> { 1 };
    QTest::newRow("a second row adds to it") << QList<int> { 1, 0 } << QList<int> { 0, 1 };
    QTest::newRow("unselected again") << QList<int> { 1, 0, -2 } << QList<int> { 0 };
    QTest::newRow("a row beyond the folder") << QList<int> { 2 } << QList<int> {};
}

// The list is a table of one column, whose rows a screen reader selects.
void TestQVideoList::screenReadersSelectRows()
{
    QFETCH(QList<int>, changes);
    QFETCH(QList<int>, selected);
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("a.jpg"))).isValid());
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("b.jpg"))).isValid());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_list.get());
    QAccessibleTableInterface *table = list->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 1);

    for (const int change : changes) {
        if (change >= 0)
            QCOMPARE(table->selectRow(change), change < table->rowCount());
        else
            QVERIFY(table->unselectRow(-change - 1));
    }

    QCOMPARE(table->selectedRows(), selected);
    QCOMPARE(table->selectedCellCount(), selected.size());
    for (int row = 0; row < table->rowCount(); ++row) {
        QAccessibleTableCellInterface *cell = table->cellAt(row, 0)->tableCellInterface();
        QCOMPARE(cell->rowIndex(), row);
        QCOMPARE(cell->isSelected(), selected.contains(row));
    }
}

void TestQVideoList::screenReadersActOnItems_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("opens");
    QTest::newRow("press opens it") << QAccessibleActionInterface::pressAction() << true;
    QTest::newRow("focus makes it current") << QAccessibleActionInterface::setFocusAction() << false;
}

void TestQVideoList::screenReadersActOnItems()
{
    QFETCH(QString, action);
    QFETCH(bool, opens);
    const QModelIndex a = waitForRow(m_dir->filePath(QStringLiteral("a.jpg")));
    const QModelIndex b = waitForRow(m_dir->filePath(QStringLiteral("b.jpg")));
    QVERIFY(a.isValid() && b.isValid());
    m_list->selectionModel()->setCurrentIndex(a, QItemSelectionModel::ClearAndSelect);
    QAccessibleActionInterface *item
        = QAccessible::queryAccessibleInterface(m_list.get())->child(b.row())->actionInterface();
    QVERIFY(item);
    QVERIFY(item->actionNames().contains(action));
    QSignalSpy opened(m_list.get(), &QVideoList::openRequested);

    item->doAction(action);

    QCOMPARE(opened.count(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(opened.first().first().toModelIndex(), b);
    QCOMPARE(m_list->currentIndex(), opens ? a : b);
    // The selection is the user's: neither action changes it.
    QCOMPARE(m_list->selectionModel()->selectedIndexes(), QModelIndexList { a });
}

void TestQVideoList::currentItemShowsItsWholeName()
{
    const QString name = QStringLiteral("PXL_20250801_101530123_PORTRAIT_BURST_COVER_EDITED_FINAL.jpg");
    m_dir->createFile(name, "x");
    const QModelIndex row = waitForRow(m_dir->filePath(name));
    QVERIFY(row.isValid());
    QStyleOptionViewItem option = cellOption();
    option.state |= QStyle::State_Selected;
    QImage image(option.rect.width(), option.rect.height() * 3, QImage::Format_ARGB32);
    // Whether anything is painted below row from, the name ending above bottom.
    const auto paintedBelow = [&](int from, int bottom) {
        image.fill(Qt::white);
        QPainter painter(&image);
        if (!m_list->itemDelegate()->paintWholeName(&painter, option, row, bottom))
            return false;
        painter.end();
        for (int y = from + 1; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
            }
        }
        return false;
    };
    // Written on past the cell, where its neighbour below lies; near the
    // view's lower edge, up over its own icon instead (a pixel of
    // antialiasing or of an underscore's descent aside).
    QVERIFY(paintedBelow(option.rect.bottom(), image.height() - 1));
    const int edge = option.rect.bottom() + option.rect.height() / 2;
    QVERIFY(paintedBelow(option.rect.bottom(), edge));
    QVERIFY(!paintedBelow(edge + 2, edge));
    // A name its three lines hold is written by the cell alone.
    QPainter painter(&image);
    QVERIFY(!m_list->itemDelegate()->paintWholeName(
        &painter, option, waitForRow(m_dir->filePath(QStringLiteral("a.jpg"))), image.height() - 1));
}

void TestQVideoList::wholeNameIsWrittenOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("current");
    QTest::addColumn<bool>("cellWritesName");
    const QString longName = QStringLiteral("IMG_20250801_101530123_SLOW_MOTION_BEACH_SUNSET_FINAL.jpg");
    QTest::newRow("long, current: the list writes it") << longName << true << false;
    QTest::newRow("long, not current") << longName << false << true;
    QTest::newRow("short, current") << QStringLiteral("a.jpg") << true << true;
}

void TestQVideoList::nameSitsUnderTheIconBox_data()
{
    QTest::addColumn<QSize>("thumbnail");
    QTest::newRow("video frame") << QSize(64, 36);
    QTest::newRow("portrait") << QSize(36, 64);
    QTest::newRow("small picture") << QSize(16, 16);
}

// Names stay in one row whatever the shape of each thumbnail, and a
// thumbnail that arrives leaves its cell's size alone: a cell that shrank
// left its name painted a line lower as well.
void TestQVideoList::nameSitsUnderTheIconBox()
{
    QFETCH(QSize, thumbnail);
    const QStyleOptionViewItem option = cellOption();
    const auto cellWith = [&](const QString &name, const QSize &size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        m_model->addIcon(m_dir->filePath(name), image);
        return m_list->itemDelegate()->sizeHint(option, waitForRow(m_dir->filePath(name)));
    };
    QCOMPARE(cellWith(QStringLiteral("a.jpg"), thumbnail), cellWith(QStringLiteral("b.jpg"), QSize(64, 64)));
}

void TestQVideoList::selectedNameLiesInItsHighlight_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("underscore") << QStringLiteral("DSC_2000.jpg");
    QTest::newRow("descenders on two lines") << QStringLiteral("gypsy_jpg_quality_typography.png");
}

// Drawn on red, in green on a blue highlight: a pixel that mixes red and
// green is a piece of the name outside its highlight.
void TestQVideoList::selectedNameLiesInItsHighlight()
{
    QFETCH(QString, name);
    m_dir->createFile(name, "x");
    const QModelIndex row = waitForRow(m_dir->filePath(name));
    QStyleOptionViewItem option = cellOption();
    // The focus frame, drawn in the style's own colours, is not the name.
    option.state = (option.state | QStyle::State_Selected) & ~QStyle::State_HasFocus;
    option.palette.setColor(QPalette::Highlight, Qt::blue);
    option.palette.setColor(QPalette::HighlightedText, Qt::green);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    m_list->itemDelegate()->paint(&painter, option, row);
    painter.end();
    int greenPixels = 0;
    for (int y = option.decorationSize.height(); y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            QVERIFY2(
                pixel.red() == 0 || pixel.green() == 0, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            greenPixels += pixel.green() > 0;
        }
    }
    QVERIFY(greenPixels > 0);
}

void TestQVideoList::wholeNameIsWrittenOnce()
{
    QFETCH(QString, name);
    QFETCH(bool, current);
    QFETCH(bool, cellWritesName);
    m_dir->createFile(name, "x");
    const QModelIndex row = waitForRow(m_dir->filePath(name));
    QVERIFY(row.isValid());
    QStyleOptionViewItem option = cellOption();
    m_list->setIconSize(option.decorationSize);
    m_list->setGridSize(option.rect.size());
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_list->setCurrentIndex(current ? row : waitForRow(m_dir->filePath(QStringLiteral("b.jpg"))));
    // The list tells the delegate which name it writes as it paints.
    m_list->viewport()->grab();
    // Selected, as the list paints its current item.
    option.state |= QStyle::State_Selected;
    QImage image(option.rect.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_list->itemDelegate()->paint(&painter, option, row);
    painter.end();
    // The name's lines fill the lower part of the cell, under the icon.
    bool written = false;
    const int top
        = option.rect.bottom() - ItemNameLayout::shownLines * ItemNameLayout::lineHeight(option.fontMetrics);
    for (int y = top; y < image.height() && !written; ++y) {
        for (int x = 0; x < image.width() && !written; ++x)
            written = image.pixel(x, y) != qRgb(255, 255, 255);
    }
    QCOMPARE(written, cellWritesName);
}

void TestQVideoList::statusLineCountsAndSizes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    // counts: files shown, items selected, files among them.
    QTest::newRow("nothing selected") << "en" << QList<int> { 24, 0, 0 } << quint64(0) << "24 files";
    QTest::newRow("one file") << "en" << QList<int> { 1, 0, 0 } << quint64(0) << "1 file";
    QTest::newRow("a selection") << "en" << QList<int> { 24, 3, 3 } << quint64(48200000)
                                 << "24 files, 3 selected (48.2 MB)";
    QTest::newRow("folders alone have no size")
        << "en" << QList<int> { 24, 2, 0 } << quint64(0) << "24 files, 2 selected";
    QTest::newRow("German") << "de" << QList<int> { 1200, 3, 3 } << quint64(48200000)
                            << "1.200 Dateien, 3 ausgewählt (48,2 MB)";
}

void TestQVideoList::statusLineCountsAndSizes()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, counts);
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QTranslator catalogue;
    QVERIFY(installCatalogue(catalogue, language));
    QLocale::setDefault(QLocale(language));
    QCOMPARE(ListStatusLine::describe(counts.at(0), counts.at(1), counts.at(2), bytes), text);
    QLocale::setDefault(QLocale::c());

    // Under a list: the shown files (not the folder's other ones) and the
    // selection, a folder counted as an item without a size.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("album")));
    QWidget area;
    ListStatusLine line(m_list.get(), &area);
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("a.jpg"))).isValid());
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("b.jpg"))).isValid());
    QVERIFY(waitForRow(m_dir->filePath(QStringLiteral("album"))).isValid());
    QTRY_COMPARE(line.text(), ListStatusLine::describe(2, 0, 0, 0));
    // The file model may list the new folder again meanwhile, which drops
    // its selection: select until all three stay selected.
    QTRY_COMPARE((m_list->selectAllRows(), line.text()), ListStatusLine::describe(2, 3, 2, 2));
}

QTEST_MAIN(TestQVideoList)
void TestQVideoList::detailsSortByEachColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");
    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    // Sizes 1000, 300, 20; written a second apart in the order of the names
    // the dates sort them in; the folders an hour before and after.
    QTest::newRow("names, naturally")
        << int(FolderListModel::NameColumn) << up
        << QStringList { "album 9", "album 10", "File1.jpg", "file2.jpg", "file10.jpg" };
    QTest::newRow("names, backwards, folders first")
        << int(FolderListModel::NameColumn) << down
        << QStringList { "album 10", "album 9", "file10.jpg", "file2.jpg", "File1.jpg" };
    QTest::newRow("sizes, as numbers")
        << int(FolderListModel::SizeColumn) << up
        << QStringList { "album 9", "album 10", "file10.jpg", "file2.jpg", "File1.jpg" };
    QTest::newRow("sizes, largest first")
        << int(FolderListModel::SizeColumn) << down
        << QStringList { "album 10", "album 9", "File1.jpg", "file2.jpg", "file10.jpg" };
    QTest::newRow("dates, oldest first")
        << int(FolderListModel::DateColumn) << up
        << QStringList { "album 10", "file2.jpg", "File1.jpg", "file10.jpg", "album 9" };
    QTest::newRow("dates, newest first")
        << int(FolderListModel::DateColumn) << down
        << QStringList { "album 9", "file10.jpg", "File1.jpg", "file2.jpg", "album 10" };
}

void TestQVideoList::detailsSortByEachColumn()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    // Natural order is the collator's of a language; the C locale has none.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    TestDir dir;
    const QDateTime noon(QDate(2024, 5, 1), QTime(12, 0));
    const struct
    {
        const char *name;
        qint64 size;
        qint64 minute;
    } files[] = { { "File1.jpg", 1000, 1 }, { "file2.jpg", 300, 0 }, { "file10.jpg", 20, 2 } };
    for (const auto &file : files) {
        QFile written(dir.createFileOfSize(QString::fromLatin1(file.name), file.size));
        QVERIFY(written.open(QIODevice::ReadWrite));
        QVERIFY(written.setFileTime(noon.addSecs(file.minute * 60), QFileDevice::FileModificationTime));
    }
    const auto setFolderTime = [](const QString &path, const QDateTime &time) {
        const timespec times[2] = { { time.toSecsSinceEpoch(), 0 }, { time.toSecsSinceEpoch(), 0 } };
        return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
    };
    QVERIFY(setFolderTime(dir.createFolder(QStringLiteral("album 9")), noon.addSecs(3600)));
    QVERIFY(setFolderTime(dir.createFolder(QStringLiteral("album 10")), noon.addSecs(-3600)));
    VideoModel model;
    model.setCategory(PicturesMode);
    model.setFolder(dir.path());
    QVideoList list;
    list.setModel(&model);
    FileDetailsView details(&list);
    details.resize(500, 300);
    details.show();
    QVERIFY(QTest::qWaitForWindowExposed(&details));
    QTRY_COMPARE(model.rowCount(), expected.size());
    QHeaderView *header = details.header();

    // As the user does: a click on the header, another one to turn the order.
    for (int click = 0;
        click < 2 && !(header->sortIndicatorSection() == column && header->sortIndicatorOrder() == order);
        ++click) {
        const QPoint inside(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, inside);
    }

    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.index(row, FolderListModel::NameColumn).data().toString());
    QCOMPARE(shown, expected);
}

#include "tst_qvideolist.moc"
