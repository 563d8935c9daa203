// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/Firefox.h"
#include "bookmarks/PlacesUrl.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

using namespace BookmarkStores;

Q_DECLARE_METATYPE(BookmarkStores::Schema)

namespace {

BookmarkItem *newBookmark(BookmarkItem *parent, const QString &title, const QString &url)
{
    auto *item = new BookmarkItem({ title, url, UrlItem, -1, false, true });
    parent->appendChild(item);
    return item;
}

BookmarkItem *childTitled(const BookmarkItem *parent, const QString &title)
{
    for (BookmarkItem *child : parent->children()) {
        if (child->title() == title)
            return child;
    }
    return nullptr;
}

QVariant single(const QString &path, const QString &query)
{
    const QVariantList values = column(path, query);
    return values.isEmpty() ? QVariant() : values.first();
}

int rows(const QString &path, const char *table)
{
    return single(path, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt();
}

// A home with a Firefox profile of a schema, read by a Firefox source.
struct Profile
{
    explicit Profile(Schema schema)
        : path(createFirefoxProfile(schema))
    {
        firefox.loadBookmarks();
    }

    PaneTestHome home;
    const QString path;
    Firefox firefox;
};

} // namespace

class TestFirefox : public QObject
{
    Q_OBJECT

private slots:
    void findProfile_data();
    void findProfile();
    void profilesFolder_data();
    void profilesFolder();
    void normalized_data();
    void normalized();
    void urlValues_data();
    void urlValues();
    void load_data();
    void load();
    void loadWithoutProfile();
    void lockedDatabaseNotLoaded();
    void insertsWhatFirefoxFills();
    void existingPlaceIsShared_data();
    void existingPlaceIsShared();
    void folderIntoEmptyFolder_data();
    void folderIntoEmptyFolder();
    void savingTwiceAddsNothing();
    void lockedDatabaseNotWritten();
    void oneFailureKeepsTheOthers();
    void urlsOfEveryScheme_data();
    void urlsOfEveryScheme();
    void tagsNeitherShownNorWritten_data();
    void tagsNeitherShownNorWritten();
    void backupBeforeFirstWrite();
    void notLoadedNotWritten();
};

void TestFirefox::findProfile_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one profile without Default")
        << QByteArray("[General]\nStartWithLastProfile=1\n[Profile0]\nName=a\nPath=abc.default\n")
        << QStringLiteral("abc.default/places.sqlite");
    QTest::newRow("Default=1 in the middle")
        << QByteArray("[Profile0]\nPath=first\n[Profile1]\nPath=chosen\nDefault=1\n[Profile2]\nPath=last\n")
        << QStringLiteral("chosen/places.sqlite");
    QTest::newRow("no Default: the first profile")
        << QByteArray("[Profile0]\nPath=first\n[Profile1]\nPath=second\n")
        << QStringLiteral("first/places.sqlite");
    QTest::newRow("no group") << QByteArray() << QString();
    // As Firefox 67 and later write it: Default=1 marks the old profile.
    QTest::newRow("the installation's profile")
        << QByteArray("[Profile1]\nName=default-esr\nIsRelative=1\nPath=x1.default-esr\n\n"
                      "[Profile0]\nName=default\nIsRelative=1\nPath=x0.default\nDefault=1\n\n"
                      "[General]\nStartWithLastProfile=1\nVersion=2\n\n"
                      "[Install3B6073811A6ABF12]\nDefault=x1.default-esr\nLocked=1\n")
        << QStringLiteral("x1.default-esr/places.sqlite");
    QTest::newRow("an absolute path")
        << QByteArray("[Profile0]\nName=elsewhere\nIsRelative=0\nPath=/srv/profiles/x.elsewhere\n")
        << QStringLiteral("/srv/profiles/x.elsewhere/places.sqlite");
    QTest::newRow("a comma in the path") << QByteArray("[Profile0]\nName=Work, old\nPath=w1.Work, old\n")
                                         << QStringLiteral("w1.Work, old/places.sqlite");
}

void TestFirefox::findProfile()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, expected);
    PaneTestHome home;
    QDir().mkpath(Firefox::firefoxDir());
    QFile file(Firefox::firefoxDir() + QStringLiteral("profiles.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ini);
    file.close();
    Firefox firefox;
    QCOMPARE(firefox.findProfile(), !expected.isEmpty());
    if (!expected.isEmpty())
        QCOMPARE(firefox.placesPath(),
            QDir::isAbsolutePath(expected) ? expected : Firefox::firefoxDir() + expected);
}

void TestFirefox::profilesFolder_data()
{
    QTest::addColumn<QStringList>("withProfiles");
    QTest::addColumn<QString>("expected");
    const QString config = QStringLiteral(".config/mozilla/firefox/");
    const QString legacy = QStringLiteral(".mozilla/firefox/");
    QTest::newRow("made by today's Firefox") << QStringList { config } << config;
    QTest::newRow("both: today's first") << QStringList { legacy, config } << config;
    QTest::newRow("the older one") << QStringList { legacy } << legacy;
    QTest::newRow("none") << QStringList() << legacy;
}

void TestFirefox::profilesFolder()
{
    QFETCH(QStringList, withProfiles);
    QFETCH(QString, expected);
    PaneTestHome home;
    for (const QString &folder : qAsConst(withProfiles)) {
        QDir().mkpath(QDir::homePath() + QLatin1Char('/') + folder);
        QFile ini(QDir::homePath() + QLatin1Char('/') + folder + QStringLiteral("profiles.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
    }
    QCOMPARE(Firefox::firefoxDir(), QDir::homePath() + QLatin1Char('/') + expected);
}

void TestFirefox::normalized_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected");
    QTest::newRow("as Firefox has it")
        << QStringLiteral("https://www.debian.org/") << QStringLiteral("https://www.debian.org/");
    QTest::newRow("no path") << QStringLiteral("https://www.debian.org")
                             << QStringLiteral("https://www.debian.org/");
    QTest::newRow("quotes") << QStringLiteral("https://x.org/a?q=\"1\"")
                            << QStringLiteral("https://x.org/a?q=%221%22");
    QTest::newRow("non-ASCII") << QStringLiteral("https://bücher.de/ünï")
                               << QStringLiteral("https://xn--bcher-kva.de/%C3%BCn%C3%AF");
    QTest::newRow("no host") << QStringLiteral("javascript:void(0)") << QStringLiteral("javascript:void(0)");
    QTest::newRow("http's own port") << QStringLiteral("http://example.com:80/y")
                                     << QStringLiteral("http://example.com/y");
    QTest::newRow("https's own port")
        << QStringLiteral("https://example.com:443") << QStringLiteral("https://example.com/");
    QTest::newRow("another port") << QStringLiteral("http://example.com:443/")
                                  << QStringLiteral("http://example.com:443/");
    // As Firefox 153 stores them.
    QTest::newRow("ftp's own port") << QStringLiteral("ftp://ftp.example.com:21/x")
                                    << QStringLiteral("ftp://ftp.example.com/x");
    QTest::newRow("bookmarklet") << QStringLiteral("javascript:alert('a b')")
                                 << QStringLiteral("javascript:alert('a b')");
    QTest::newRow("data") << QStringLiteral("data:text/html,<b>x y</b>")
                          << QStringLiteral("data:text/html,<b>x y</b>");
    QTest::newRow("mail with a query") << QStringLiteral("mailto:Me@Example.org?subject=hi there")
                                       << QStringLiteral("mailto:Me@Example.org?subject=hi%20there");
}

void TestFirefox::normalized()
{
    QFETCH(QString, url);
    QFETCH(QString, expected);
    QCOMPARE(PlacesUrl::normalized(url), expected);
}

void TestFirefox::urlValues_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<qint64>("hash");
    QTest::addColumn<QString>("revHost");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("host");
    QTest::newRow("https") << QStringLiteral("https://www.example.com/") << Q_INT64_C(47358363573683)
                           << QStringLiteral("moc.elpmaxe.www.") << QStringLiteral("https://")
                           << QStringLiteral("www.example.com");
    QTest::newRow("no scheme") << QStringLiteral("no colon here") << Q_INT64_C(1346982265)
                               << QStringLiteral(".") << QString() << QStringLiteral("no colon here");
    QTest::newRow("utf-8 bytes") << QStringLiteral("http://例え.jp/ä") << Q_INT64_C(125510444621353)
                                 << QStringLiteral("pj.g54zj8r--nx.") << QStringLiteral("http://")
                                 << QStringLiteral("例え.jp");
    QTest::newRow("first 1500 bytes")
        << QStringLiteral("https://x.org/") + QString(2000, QLatin1Char('a')) << Q_INT64_C(47357259026893)
        << QStringLiteral("gro.x.") << QStringLiteral("https://") << QStringLiteral("x.org");
    QTest::newRow("user and port") << QStringLiteral("ftp://me:pw@Files.Example.com:2121/x?y#z")
                                   << PlacesUrl::hash(
                                          QStringLiteral("ftp://me:pw@Files.Example.com:2121/x?y#z"))
                                   << QStringLiteral("moc.elpmaxe.selif.") << QStringLiteral("ftp://")
                                   << QStringLiteral("Files.Example.com:2121");
    QTest::newRow("bookmarklet") << QStringLiteral("javascript:alert(1)/2")
                                 << PlacesUrl::hash(QStringLiteral("javascript:alert(1)/2")) << QString()
                                 << QStringLiteral("javascript:") << QStringLiteral("alert(1)");
    QTest::newRow("mail") << QStringLiteral("mailto:me@example.org?subject=x")
                          << PlacesUrl::hash(QStringLiteral("mailto:me@example.org?subject=x")) << QString()
                          << QStringLiteral("mailto:") << QStringLiteral("example.org");
}

void TestFirefox::urlValues()
{
    QFETCH(QString, url);
    QFETCH(qint64, hash);
    QFETCH(QString, revHost);
    QFETCH(QString, prefix);
    QFETCH(QString, host);
    QCOMPARE(PlacesUrl::hash(url), hash);
    if (!revHost.isNull())
        QCOMPARE(PlacesUrl::reversedHost(url), revHost);
    QCOMPARE(PlacesUrl::originPrefix(url), prefix);
    QCOMPARE(PlacesUrl::originHost(url), host);
}

void TestFirefox::load_data()
{
    QTest::addColumn<Schema>("schema");
    QTest::addColumn<QStringList>("roots");
    QTest::newRow("moz_bookmarks_roots")
        << OldSchema
        << QStringList { QStringLiteral("Bookmarks Menu"), QStringLiteral("Bookmarks Toolbar"),
               QStringLiteral("Unsorted Bookmarks") };
    QTest::newRow("roots by guid") << CurrentSchema
                                   << QStringList { QStringLiteral("IDS_FIREFOX_MENU"),
                                          QStringLiteral("IDS_FIREFOX_TOOLBAR"),
                                          QStringLiteral("IDS_FIREFOX_UNFILED"),
                                          QStringLiteral("IDS_FIREFOX_MOBILE") };
}

void TestFirefox::load()
{
    QFETCH(Schema, schema);
    QFETCH(QStringList, roots);
    const Profile profile(schema);
    QVERIFY(profile.firefox.isLoaded());
    const BookmarkItem *root = profile.firefox.root();
    QCOMPARE(root->title(), QStringLiteral("Firefox"));
    QCOMPARE(root->type(), int(BrowserRootItem));
    QCOMPARE(root->id().toInt(), 1);
    QCOMPARE(childTitles(root), roots);
    QCOMPARE(childTitles(root->child(0)), QStringList { QStringLiteral("Debian in the menu") });
    const BookmarkItem *linux = root->child(1)->child(0);
    QCOMPARE(linux->title(), QStringLiteral("Linux"));
    QCOMPARE(linux->type(), int(FolderItem));
    QCOMPARE(linux->id().toInt(), 7);
    // The separator between the two is left out.
    QCOMPARE(childTitles(linux), (QStringList { QStringLiteral("Debian"), QStringLiteral("Kernel") }));
    QCOMPARE(linux->child(1)->url(), QStringLiteral("https://www.kernel.org/"));
    QCOMPARE(linux->child(1)->id().toInt(), 10);
    QVERIFY(!linux->child(1)->isRenamable());
}

void TestFirefox::loadWithoutProfile()
{
    PaneTestHome home;
    QDir().mkpath(Firefox::firefoxDir());
    Firefox firefox;
    firefox.loadBookmarks();
    QVERIFY(!firefox.isLoaded());
    QCOMPARE(firefox.root()->childCount(), 0);
    // SQLite would have created the missing database.
    QVERIFY(!QFile::exists(Firefox::firefoxDir() + QStringLiteral("places.sqlite")));
}

void TestFirefox::lockedDatabaseNotLoaded()
{
    PaneTestHome home;
    const QString path = createFirefoxProfile(CurrentSchema);
    const DatabaseLock lock(path);
    QVERIFY(lock.isLocked());
    Firefox firefox;
    firefox.loadBookmarks();
    QVERIFY(!firefox.isLoaded());
    QCOMPARE(firefox.root()->childCount(), 0);
}

void TestFirefox::insertsWhatFirefoxFills()
{
    Profile profile(CurrentSchema);
    BookmarkItem *linux = profile.firefox.root()->child(1)->child(0);
    const QString url = QStringLiteral("https://www.example.com/a?\"quoted\"&'single'");
    BookmarkItem *added = newBookmark(linux, QStringLiteral("Example \"1\""), url);
    const qint64 before = QDateTime::currentMSecsSinceEpoch() * 1000;
    profile.firefox.saveBookmarks();
    const qint64 after = QDateTime::currentMSecsSinceEpoch() * 1000;

    const QString stored = PlacesUrl::normalized(url);
    const QString place = QStringLiteral("SELECT %1 FROM moz_places WHERE url='")
        + QString(stored).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    QCOMPARE(column(profile.path, place.arg(QStringLiteral("title"))),
        QVariantList { QStringLiteral("Example \"1\"") });
    QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{12}$"))
            .match(single(profile.path, place.arg(QStringLiteral("guid"))).toString())
            .hasMatch());
    QVERIFY(stored.contains(QStringLiteral("%22quoted%22")));
    QCOMPARE(
        single(profile.path, place.arg(QStringLiteral("url_hash"))).toLongLong(), PlacesUrl::hash(stored));
    QCOMPARE(single(profile.path, place.arg(QStringLiteral("rev_host"))).toString(),
        QStringLiteral("moc.elpmaxe.www."));
    QCOMPARE(single(profile.path, place.arg(QStringLiteral("foreign_count"))).toInt(), 1);
    QCOMPARE(single(profile.path, place.arg(QStringLiteral("frecency"))).toInt(), -1);
    const QVariant origin = single(profile.path, place.arg(QStringLiteral("origin_id")));
    QCOMPARE(column(profile.path,
                 QStringLiteral("SELECT prefix || host FROM moz_origins WHERE id=%1").arg(origin.toInt())),
        QVariantList { QStringLiteral("https://www.example.com") });

    const QString bookmark
        = QStringLiteral("SELECT %1 FROM moz_bookmarks WHERE id=") + QString::number(added->storedId());
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("fk"))),
        single(profile.path, place.arg(QStringLiteral("id"))));
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("parent"))).toInt(), 7);
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("position"))).toInt(), 3);
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("type"))).toInt(), 1);
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("syncStatus"))).toInt(), 1);
    QCOMPARE(single(profile.path, bookmark.arg(QStringLiteral("guid"))).toString().size(), 12);
    const qint64 dateAdded = single(profile.path, bookmark.arg(QStringLiteral("dateAdded"))).toLongLong();
    QVERIFY2(dateAdded >= before && dateAdded <= after, "microseconds since 1970");
    QCOMPARE(single(profile.path, QStringLiteral("SELECT lastModified FROM moz_bookmarks WHERE id=7"))
                 .toLongLong(),
        dateAdded);
}

void TestFirefox::existingPlaceIsShared_data()
{
    QTest::addColumn<Schema>("schema");
    QTest::newRow("old") << OldSchema;
    QTest::newRow("current") << CurrentSchema;
}

void TestFirefox::existingPlaceIsShared()
{
    QFETCH(Schema, schema);
    Profile profile(schema);
    BookmarkItem *menu = profile.firefox.root()->child(0);
    BookmarkItem *added
        = newBookmark(menu, QStringLiteral("Debian, renamed"), QStringLiteral("https://www.debian.org/"));
    QVERIFY(profile.firefox.saveBookmarks());
    QCOMPARE(rows(profile.path, "moz_places"), 2);
    // The page's title in the history stays Firefox's.
    QCOMPARE(column(profile.path, QStringLiteral("SELECT title FROM moz_places WHERE id=1")),
        QVariantList { QStringLiteral("Debian") });
    QCOMPARE(column(profile.path,
                 QStringLiteral("SELECT title FROM moz_bookmarks WHERE id=%1").arg(added->storedId())),
        QVariantList { QStringLiteral("Debian, renamed") });
    QCOMPARE(column(profile.path,
                 QStringLiteral("SELECT fk FROM moz_bookmarks WHERE id=%1").arg(added->storedId())),
        QVariantList { 1 });
    if (schema == CurrentSchema)
        QCOMPARE(column(profile.path, QStringLiteral("SELECT foreign_count FROM moz_places WHERE id=1")),
            QVariantList { 3 });
}

void TestFirefox::folderIntoEmptyFolder_data()
{
    existingPlaceIsShared_data();
}

void TestFirefox::folderIntoEmptyFolder()
{
    QFETCH(Schema, schema);
    Profile profile(schema);
    BookmarkItem *unfiled = childTitled(profile.firefox.root(),
        schema == OldSchema ? QStringLiteral("Unsorted Bookmarks") : QStringLiteral("IDS_FIREFOX_UNFILED"));
    QVERIFY(unfiled);
    auto *folder = new BookmarkItem({ QStringLiteral("New"), QString(), FolderItem, QVariant(), true, true });
    unfiled->appendChild(folder);
    newBookmark(folder, QStringLiteral("One"), QStringLiteral("https://one.example/"));
    newBookmark(folder, QStringLiteral("Two"), QStringLiteral("https://two.example/"));
    profile.firefox.saveBookmarks();
    QVERIFY(folder->storedId() > 11);
    QCOMPARE(column(profile.path,
                 QStringLiteral("SELECT position FROM moz_bookmarks WHERE id=%1").arg(folder->storedId())),
        QVariantList { 0 });
    QCOMPARE(column(profile.path,
                 QStringLiteral("SELECT fk IS NULL FROM moz_bookmarks WHERE id=%1").arg(folder->storedId())),
        QVariantList { 1 });
    QCOMPARE(
        column(profile.path,
            QStringLiteral("SELECT title || position FROM moz_bookmarks WHERE parent=%1 ORDER BY position")
                .arg(folder->storedId())),
        (QVariantList { QStringLiteral("One0"), QStringLiteral("Two1") }));
}

void TestFirefox::savingTwiceAddsNothing()
{
    Profile profile(CurrentSchema);
    newBookmark(
        profile.firefox.root()->child(0), QStringLiteral("Once"), QStringLiteral("https://once.example/"));
    profile.firefox.saveBookmarks();
    const int before = rows(profile.path, "moz_bookmarks");
    profile.firefox.saveBookmarks();
    QCOMPARE(rows(profile.path, "moz_bookmarks"), before);
}

void TestFirefox::lockedDatabaseNotWritten()
{
    Profile profile(CurrentSchema);
    BookmarkItem *added = newBookmark(
        profile.firefox.root()->child(0), QStringLiteral("Late"), QStringLiteral("https://late.example/"));
    {
        const DatabaseLock lock(profile.path);
        QVERIFY(lock.isLocked());
        QVERIFY(!profile.firefox.saveBookmarks());
    }
    QCOMPARE(added->storedId(), -1);
    QCOMPARE(rows(profile.path, "moz_bookmarks"), 11);
    QCOMPARE(rows(profile.path, "moz_places"), 2);
}

void TestFirefox::oneFailureKeepsTheOthers()
{
    Profile profile(CurrentSchema);
    QVERIFY(execute(profile.path,
        { QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON moz_bookmarks WHEN NEW.title LIKE 'boom%' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END") }));
    auto *folder = new BookmarkItem({ QStringLiteral("Kept"), QString(), FolderItem, -1, true, true });
    profile.firefox.root()->child(0)->appendChild(folder);
    BookmarkItem *failed
        = newBookmark(folder, QStringLiteral("boom"), QStringLiteral("https://boom.example/"));
    BookmarkItem *first
        = newBookmark(folder, QStringLiteral("fine"), QStringLiteral("https://fine.example/"));
    auto *failedFolder
        = new BookmarkItem({ QStringLiteral("boom folder"), QString(), FolderItem, -1, true, true });
    profile.firefox.root()->child(0)->appendChild(failedFolder);
    BookmarkItem *inside
        = newBookmark(failedFolder, QStringLiteral("inside"), QStringLiteral("https://inside.example/"));
    BookmarkItem *last = newBookmark(
        profile.firefox.root()->child(0), QStringLiteral("last"), QStringLiteral("https://last.example/"));
    QVERIFY(!profile.firefox.saveBookmarks());
    QCOMPARE(rows(profile.path, "moz_bookmarks"), 14);
    // Nothing of what failed stays: neither its place nor its origin.
    QCOMPARE(rows(profile.path, "moz_places"), 4);
    QCOMPARE(rows(profile.path, "moz_origins"), 4);
    QVERIFY(last->storedId() > first->storedId());
    QVERIFY(folder->storedId() > 11);
    QVERIFY(first->storedId() > folder->storedId());
    QCOMPARE(failed->storedId(), -1);
    QCOMPARE(failedFolder->storedId(), -1);
    QCOMPARE(inside->storedId(), -1);
}

void TestFirefox::urlsOfEveryScheme_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("origin");
    QTest::newRow("bookmarklet") << QStringLiteral("javascript:void(document.title)")
                                 << QStringLiteral("javascript: void(document.title)");
    QTest::newRow("data") << QStringLiteral("data:text/plain,hello") << QStringLiteral("data: text");
    QTest::newRow("place") << QStringLiteral("place:parent=toolbar_____")
                           << QStringLiteral("place: parent=toolbar_____");
    QTest::newRow("mail") << QStringLiteral("mailto:me@example.org") << QStringLiteral("mailto: example.org");
    QTest::newRow("http's own port") << QStringLiteral("http://example.com:80/y")
                                     << QStringLiteral("http:// example.com");
}

void TestFirefox::urlsOfEveryScheme()
{
    QFETCH(QString, url);
    QFETCH(QString, origin);
    Profile profile(CurrentSchema);
    BookmarkItem *added = newBookmark(profile.firefox.root()->child(0), QStringLiteral("Special"), url);
    // A bookmark after it is stored all the same.
    BookmarkItem *after = newBookmark(
        profile.firefox.root()->child(0), QStringLiteral("After"), QStringLiteral("https://after.example/"));
    QVERIFY(profile.firefox.saveBookmarks());
    QVERIFY(added->storedId() != -1 && after->storedId() != -1);
    const QString place = QStringLiteral("(SELECT fk FROM moz_bookmarks WHERE id=%1)").arg(added->storedId());
    QCOMPARE(single(profile.path, QStringLiteral("SELECT url FROM moz_places WHERE id=") + place).toString(),
        PlacesUrl::normalized(url));
    QCOMPARE(
        single(profile.path,
            QStringLiteral("SELECT prefix || ' ' || host FROM moz_origins WHERE id=(SELECT origin_id FROM "
                           "moz_places WHERE id=%1)")
                .arg(place))
            .toString(),
        origin);
}

void TestFirefox::tagsNeitherShownNorWritten_data()
{
    existingPlaceIsShared_data();
}

void TestFirefox::tagsNeitherShownNorWritten()
{
    QFETCH(Schema, schema);
    PaneTestHome home;
    const QString path = createFirefoxProfile(schema);
    // A tag "linux" on the Debian page, as Firefox makes one.
    QVERIFY(execute(path,
        { QStringLiteral("INSERT INTO moz_bookmarks (id,type,fk,parent,position,title) VALUES"
                         " (20,2,NULL,4,0,'linux'),(21,1,1,20,0,NULL)") }));
    const int before = rows(path, "moz_bookmarks");
    Firefox firefox;
    firefox.loadBookmarks();
    QVERIFY(firefox.isLoaded());
    const QStringList roots = childTitles(firefox.root());
    QVERIFY(!roots.contains(QStringLiteral("Tags")) && !roots.contains(QStringLiteral("tags")));
    QVERIFY(std::none_of(firefox.root()->children().cbegin(), firefox.root()->children().cend(),
        [](const BookmarkItem *root) { return root->storedId() == 4; }));
    // Should a tag folder be offered all the same, nothing goes into it.
    for (const qint64 folderId : { 4, 20 }) {
        auto *tagFolder
            = new BookmarkItem({ QStringLiteral("tag"), QString(), FolderItem, folderId, false, true });
        firefox.root()->appendChild(tagFolder);
        newBookmark(tagFolder, QStringLiteral("Tagged"), QStringLiteral("https://tagged.example/"));
    }
    QVERIFY(!firefox.saveBookmarks());
    QCOMPARE(rows(path, "moz_bookmarks"), before);
}

void TestFirefox::backupBeforeFirstWrite()
{
    Profile profile(OldSchema);
    newBookmark(
        profile.firefox.root()->child(0), QStringLiteral("First"), QStringLiteral("https://first.example/"));
    profile.firefox.saveBookmarks();
    const QString backup = profile.path + QStringLiteral(".bak");
    QCOMPARE(rows(backup, "moz_bookmarks"), 10);
    // Only the first write of a session is preceded by a copy.
    newBookmark(profile.firefox.root()->child(0), QStringLiteral("Second"),
        QStringLiteral("https://second.example/"));
    profile.firefox.saveBookmarks();
    QCOMPARE(rows(backup, "moz_bookmarks"), 10);
    QCOMPARE(rows(profile.path, "moz_bookmarks"), 12);
}

void TestFirefox::notLoadedNotWritten()
{
    Profile profile(CurrentSchema);
    profile.firefox.setLoaded(false);
    newBookmark(profile.firefox.root()->child(0), QStringLiteral("Unseen"),
        QStringLiteral("https://unseen.example/"));
    profile.firefox.saveBookmarks();
    QCOMPARE(rows(profile.path, "moz_bookmarks"), 11);
}

QTEST_MAIN(TestFirefox)
#include "tst_firefox.moc"
