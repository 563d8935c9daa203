// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class BookmarkItem;

// A browser's bookmark store. loadBookmarks() builds a fresh tree under a
// root of the source's own; the model then moves the tree under its row for
// the browser and points the source's root at that row, which the source
// writes back from in saveBookmarks().
//
// A store whose last reading failed is never written: writing back an empty
// or partial tree would replace the user's bookmarks with it. Nor is one read
// in a form the source does not know how to write.
class IBrowser
{
public:
    // Whether a process of exactly a given name runs; tests put their own in
    // place.
    using ProcessProbe = std::function<bool(const QString &name)>;

    IBrowser() = default;
    virtual ~IBrowser();
    IBrowser(const IBrowser &) = delete;
    IBrowser &operator=(const IBrowser &) = delete;

    virtual bool isInstalled() const = 0;
    virtual bool isRunning() const = 0;
    virtual void loadBookmarks() = 0;
    // False when something under the root could not be written; the items
    // not stored then keep the id -1.
    virtual bool saveBookmarks() = 0;
    // Whether saveBookmarks() may write what is under the root.
    virtual bool isWritable() const { return m_loaded; }

    BookmarkItem *root() const { return m_root; }
    // Makes item, which the caller keeps owning, the tree to write from; the
    // tree the source read is released.
    void setRoot(BookmarkItem *item);
    bool isLoaded() const { return m_loaded; }
    void setLoaded(bool loaded) { m_loaded = loaded; }

    // An empty probe restores the look at /proc.
    static void setProcessProbe(ProcessProbe probe);

protected:
    // Makes item the source's own root until the model takes the tree.
    void setOwnRoot(BookmarkItem *item);
    // Whether a process runs under one of the browser's own names, matched
    // whole: other programs' helpers are named after browsers too
    // ("chrome_crashpad_handler").
    static bool isProcessRunning(const QStringList &names);

private:
    std::unique_ptr<BookmarkItem> m_ownRoot;
    BookmarkItem *m_root = nullptr;
    bool m_loaded = false;
};
