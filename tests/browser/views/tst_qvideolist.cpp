// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "UiTestHelpers.h"
#include "base/BrowserMode.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "widgets/MessageBox.h"

#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int loadTimeoutMs = 10000;

struct ShownBox
{
    QString title;
    QString text;
};

} // namespace

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
    void rowsInViewAreFound();

private:
    QModelIndex waitForRow(const QString &path);

    QTranslator m_translator;
    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<VideoModel> m_model;
    std::unique_ptr<QVideoList> m_list;
    QList<ShownBox> m_boxes;
};

void TestQVideoList::initTestCase()
{
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
    MessageBox::setAnswerer([this](MessageBox &box) {
        m_boxes.append({ box.windowTitle(), box.text() });
        return int(QMessageBox::Ok);
    });
}

void TestQVideoList::init()
{
    m_boxes.clear();
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
    m_list.reset();
    m_model.reset();
    m_dir.reset();
}

QModelIndex TestQVideoList::waitForRow(const QString &path)
{
    const VideoModel *shown = m_model.get();
    const bool listed = QTest::qWaitFor([&] { return shown->index(path).isValid(); }, loadTimeoutMs);
    return listed ? shown->index(path) : QModelIndex();
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
    // An edit on a click on the selected item would start after the
    // double-click interval.
    QTest::qWait(QApplication::doubleClickInterval() + 200);

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
    QTest::addColumn<bool>("message");
    QTest::newRow("free name") << QStringLiteral("c d.jpg") << QStringLiteral("c d.jpg") << false;
    QTest::newRow("name taken") << QStringLiteral("b.jpg") << QString() << true;
    QTest::newRow("separator") << QStringLiteral("sub/x.jpg") << QString() << true;
    QTest::newRow("parent folder") << QStringLiteral("../out.jpg") << QString() << true;
    QTest::newRow("dot dot") << QStringLiteral("..") << QString() << true;
    QTest::newRow("unchanged") << QStringLiteral("a.jpg") << QString() << false;
    QTest::newRow("empty") << QString() << QString() << false;
}

void TestQVideoList::renameCommit()
{
    QFETCH(QString, newName);
    QFETCH(QString, renamedTo);
    QFETCH(bool, message);
    m_dir->createFolder(QStringLiteral("sub"));
    const QString original = m_dir->filePath(QStringLiteral("a.jpg"));
    const QModelIndex index = waitForRow(original);
    QVERIFY(index.isValid());
    QLineEdit editor;
    editor.setText(newName);

    m_list->itemDelegate()->setModelData(&editor, m_list->model(), index);

    QCOMPARE(m_boxes.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(m_boxes.first().title, QStringLiteral("Rename the file"));
        QCOMPARE(m_boxes.first().text, QStringLiteral("The file name %1 already exists!").arg(newName));
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
    connect(
        m_list.get(), &QVideoList::doDrop, this, [&drops](const QFileInfoList &files, const QString &folder) {
            drops.append({ files, folder });
        });
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
    // No desktop plug-in here: the file keys do nothing, navigation works.
    QTest::keyClick(m_list.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_list->selectionModel()->selectedIndexes().size(), 1);
    QTest::keyClick(m_list.get(), Qt::Key_End);
    QCOMPARE(m_list->currentIndex(), m_list->model()->index(1, 0, m_list->rootIndex()));
}

void TestQVideoList::rowsInViewAreFound()
{
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

    m_list->scrollToBottom();
    QTRY_VERIFY(shownNames().contains(rowName(lastRow)));
    QVERIFY(!shownNames().contains(rowName(0)));
}

QTEST_MAIN(TestQVideoList)
#include "tst_qvideolist.moc"
