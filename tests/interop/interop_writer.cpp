// SPDX-License-Identifier: GPL-2.0-or-later
// Adds a few bookmarks to the current user's Firefox or Chromium store
// through the program's own writers, for check_browsers.py to look for with
// the real browsers:
//   interop_writer firefox|chrome
#include "bookmarks/BookmarkItem.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/Firefox.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

BookmarkItem *childTitled(BookmarkItem *parent, const QString &title)
{
    for (BookmarkItem *child : parent->children()) {
        if (child->title() == title)
            return child;
    }
    return nullptr;
}

void addBookmark(BookmarkItem *parent, const char *title, const char *url)
{
    parent->appendChild(
        new BookmarkItem({ QString::fromUtf8(title), QString::fromUtf8(url), UrlItem, -1, false, true }));
}

// The same additions in both browsers: a folder of two bookmarks, one of them
// at an address the store may hold already, and a bookmark beside it.
void addSamples(BookmarkItem *folderParent, const char *existingUrl)
{
    auto *folder
        = new BookmarkItem({ QStringLiteral("OpaloSync folder"), QString(), FolderItem, -1, true, true });
    folderParent->appendChild(folder);
    addBookmark(folder, "OpaloSync one", "https://one.opalosync.example/page?a=1&b=\"2\"");
    addBookmark(folder, "OpaloSync existing", existingUrl);
    addBookmark(folderParent, "OpaloSync Ünïcode ✓", "https://www.example.org/ünï");
}

int writeFirefox()
{
    Firefox firefox;
    firefox.loadBookmarks();
    BookmarkItem *toolbar = firefox.isLoaded()
        ? childTitled(firefox.root(), QCoreApplication::translate("Firefox", "IDS_FIREFOX_TOOLBAR"))
        : nullptr;
    if (!toolbar) {
        QTextStream(stderr) << "Firefox's bookmarks could not be read\n";
        return 1;
    }
    addSamples(toolbar, "https://www.mozilla.org/");
    firefox.saveBookmarks();
    return toolbar->children().last()->storedId() == -1 ? 1 : 0;
}

int writeChrome()
{
    Chrome chrome(0);
    chrome.loadBookmarks();
    if (!chrome.isLoaded() || chrome.root()->childCount() == 0) {
        QTextStream(stderr) << "Chromium's bookmarks could not be read\n";
        return 1;
    }
    BookmarkItem *bar = chrome.root()->child(0);
    addSamples(bar, "https://www.debian.org/");
    if (BookmarkItem *first = bar->child(0))
        first->setTitle(first->title() + QStringLiteral(" (renamed)"));
    chrome.saveBookmarks();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("firefox"))
        return writeFirefox();
    if (arguments.value(1) == QLatin1String("chrome"))
        return writeChrome();
    QTextStream(stderr) << "usage: interop_writer firefox|chrome\n";
    return 2;
}
