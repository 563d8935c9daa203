// SPDX-License-Identifier: GPL-2.0-or-later
// Copies a few bookmarks into the current user's Firefox or Chromium through
// the program's own PC model, as the PC pane does, for check_browsers.py to
// look for with the real browsers:
//   interop_writer firefox|chrome [HOLD]
// It prints the root folders it read ("root ID TITLE") and what could not be
// written ("unwritten TITLE"). With HOLD it makes HOLD.ready once it has read
// the stores, and waits for HOLD to appear before it writes, so that a browser
// may be started in between. Exit status: 0 written, 1 not read, 3 not
// written.
#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <memory>

namespace {

const int holdPollMs = 100;
const int holdLimitMs = 120000;

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

// What the PC pane would copy: a folder of two bookmarks, one of them at an
// address the store holds already, a bookmark beside it, and, for Firefox,
// addresses of every kind a bookmark may hold.
std::unique_ptr<BookmarkItem> samples(bool firefox)
{
    auto scratch = std::make_unique<BookmarkItem>(
        BookmarkItem::Record { QString(), QString(), FolderItem, QVariant(), false, true });
    auto *folder
        = new BookmarkItem({ QStringLiteral("OpaloSync folder"), QString(), FolderItem, -1, true, true });
    scratch->appendChild(folder);
    addBookmark(folder, "OpaloSync one", "https://one.opalosync.example/page?a=1&b=\"2\"");
    addBookmark(folder, "OpaloSync existing",
        firefox ? "https://history.opalosync.example/" : "https://www.debian.org/");
    addBookmark(scratch.get(), "OpaloSync Ünïcode ✓", "https://www.example.org/ünï");
    if (firefox) {
        addBookmark(scratch.get(), "OpaloSync bookmarklet", "javascript:alert('a b')");
        addBookmark(scratch.get(), "OpaloSync data", "data:text/html,<b>x y</b>");
        addBookmark(scratch.get(), "OpaloSync place", "place:parent=toolbar_____&sort=8");
        addBookmark(scratch.get(), "OpaloSync mail", "mailto:Me@Example.org?subject=hi there");
        addBookmark(scratch.get(), "OpaloSync port", "http://example.com:80/y");
    }
    return scratch;
}

bool hold(const QString &path)
{
    QFile ready(path + QStringLiteral(".ready"));
    if (!ready.open(QIODevice::WriteOnly))
        return false;
    ready.close();
    for (int waited = 0; waited < holdLimitMs; waited += holdPollMs) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(holdPollMs);
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QCoreApplication::arguments();
    const bool firefox = arguments.value(1) == QLatin1String("firefox");
    if (!firefox && arguments.value(1) != QLatin1String("chrome")) {
        QTextStream(stderr) << "usage: interop_writer firefox|chrome [HOLD]\n";
        return 2;
    }
    BookmarkTreeModel model(0);
    model.reload();
    BookmarkItem *row
        = childTitled(model.headerItem(), firefox ? QStringLiteral("Firefox") : QStringLiteral("Chrome"));
    if (!row || row->childCount() == 0) {
        QTextStream(stderr) << "the bookmarks could not be read\n";
        return 1;
    }
    for (const BookmarkItem *root : row->children())
        out << "root " << root->storedId() << ' ' << root->title() << '\n';
    const std::unique_ptr<BookmarkItem> scratch = samples(firefox);
    BookmarkItem *target = firefox
        ? childTitled(row, QCoreApplication::translate("Firefox", "IDS_FIREFOX_TOOLBAR"))
        : row->child(0);
    if (!target)
        return 1;
    for (const BookmarkItem *sample : scratch->children())
        model.copyItem(sample, target);
    // Chromium's other roots get one each, whatever their ids.
    for (int i = 1; !firefox && i < row->childCount(); ++i) {
        const QString title = QStringLiteral("OpaloSync in root %1").arg(i);
        const BookmarkItem one(
            { title, QStringLiteral("https://root%1.opalosync.example/").arg(i), UrlItem, -1, false, true });
        model.copyItem(&one, row->child(i));
    }
    if (arguments.size() > 2 && !hold(arguments.at(2)))
        return 2;
    QStringList unwritten;
    const bool written = model.save(&unwritten);
    for (const QString &title : qAsConst(unwritten))
        out << "unwritten " << title << '\n';
    return written ? 0 : 3;
}
