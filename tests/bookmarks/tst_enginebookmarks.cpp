// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/IBrowser.h"
#include "engine/TL09Engine.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace BookmarkStores;

class TestEngineBookmarks : public QObject
{
    Q_OBJECT

private slots:
    // Whatever runs on this machine, the tests decide which browser runs.
    void init() { IBrowser::setProcessProbe(nothingRuns); }
    void collectionReloadsBothModels();
    void refreshAfterCopyLeavesThem();
};

void TestEngineBookmarks::collectionReloadsBothModels()
{
    PaneTestHome home;
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel host(0);
    BookmarkTreeModel device(1);
    QStringList order;
    connect(
        &host, &BookmarkTreeModel::hostDeviceBookmarksLoaded, [&order] { order << QStringLiteral("host"); });
    connect(&device, &BookmarkTreeModel::extDeviceBookmarksLoaded,
        [&order] { order << QStringLiteral("device"); });
    TL09Engine *engine = TL09Engine::instance();
    QSignalSpy finished(engine, &TL09Engine::dataCollectionFinished);
    connect(engine, &TL09Engine::dataCollectionFinished, &host,
        [&order] { order << QStringLiteral("finished"); });
    engine->startDataCollection();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(order,
        (QStringList { QStringLiteral("host"), QStringLiteral("device"), QStringLiteral("finished") }));
    QCOMPARE(host.headerItem()->child(0)->childCount(), 3);
    QCOMPARE(device.headerItem()->child(0)->childCount(), 3);
}

void TestEngineBookmarks::refreshAfterCopyLeavesThem()
{
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel device(1);
    QSignalSpy loaded(&device, &BookmarkTreeModel::extDeviceBookmarksLoaded);
    TL09Engine *engine = TL09Engine::instance();
    engine->startRefreshAfterCopy();
    QVERIFY(engine->wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(device.headerItem()->child(0)->childCount(), 0);
}

QTEST_MAIN(TestEngineBookmarks)
#include "tst_enginebookmarks.moc"
