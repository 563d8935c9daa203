// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <list>

// The thumbnails a file list holds in memory, by file path, bounded by the
// bytes of their pixels. When a new one would pass the bound, those used
// least recently go first; the files in view are never dropped, so what the
// user sees does not flicker back to a file icon. A dropped thumbnail is
// simply made again when its row comes back into view.
class ThumbnailMemoryCache
{
public:
    explicit ThumbnailMemoryCache(qint64 maxBytes);

    qint64 maxBytes() const { return m_maxBytes; }
    // Returns the paths dropped to fit the new bound.
    QStringList setMaxBytes(qint64 maxBytes);
    qint64 bytes() const { return m_bytes; }
    int count() const { return m_entries.size(); }

    // Null when the path has none; does not count as a use.
    QPixmap peek(const QString &path) const;
    // Stores pixmap as the most recent; returns the paths dropped to make
    // room for it.
    QStringList insert(const QString &path, const QPixmap &pixmap);
    void remove(const QString &path);
    void clear();

    // The files in view: they count as just used and are kept whatever the
    // bound.
    void setInView(const QSet<QString> &paths);
    bool isInView(const QString &path) const { return m_inView.contains(path); }

private:
    struct Entry
    {
        QPixmap pixmap;
        std::list<QString>::iterator use;
    };

    void touch(Entry &entry);
    QStringList makeRoom(const QString &kept);

    QHash<QString, Entry> m_entries;
    // Least recently used first.
    std::list<QString> m_uses;
    QSet<QString> m_inView;
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
};
