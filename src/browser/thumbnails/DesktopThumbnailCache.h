// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct stat;

// The thumbnail cache the desktop's file managers share, under
// $XDG_CACHE_HOME/thumbnails: "normal" entries fit 128 × 128, "large" ones
// 256 × 256, each a PNG named after the MD5 of the file's URI and valid only
// while its Thumb::URI and Thumb::MTime match the file. A file that cannot
// be made into a thumbnail gets an empty entry of our own under fail/, so
// that it is not decoded again at every visit.
//
// The program names and writes entries, from what its thumbnail helpers
// made; reading them means decoding what anyone may have put there, which
// only the helpers do, from the entries handed to them (see
// ThumbnailCacheReader). Every call stands alone.
class DesktopThumbnailCache
{
public:
    // The folders of the entries, and the largest edge an entry of each
    // may have.
    enum Folder { Normal, Large, Fail };

    // A file as the cache knows it, taken when the file was looked at.
    struct Key
    {
        QString path;
        QByteArray uri;
        // The entries' file name: MD5 of the URI in hexadecimal + ".png".
        QString entryName;
        qint64 mtime = 0;
        qint64 size = 0;

        bool isValid() const { return !uri.isEmpty(); }
    };

    explicit DesktopThumbnailCache(const QString &root = defaultRoot());

    // $XDG_CACHE_HOME/thumbnails, ~/.cache/thumbnails without it.
    static QString defaultRoot();
    // The file's URI escaped as the desktop's own libraries escape it, so
    // that entries made by either side have the same name.
    static QByteArray fileUri(const QString &absolutePath);
    // Invalid unless the path names a regular file itself, not a link.
    static Key keyOf(const QString &absolutePath);
    // The key of the regular file of that status.
    static Key keyOf(const QString &absolutePath, const struct stat &status);
    static int maxEdge(Folder folder);

    QString root() const { return m_root; }
    QString folderPath(Folder folder) const;
    QString entryPath(Folder folder, const Key &key) const;

    // Saves thumbnail (any size; scaled down to the entry's size) in the
    // folder its size fits. Nothing is written for a file that changed or
    // vanished since key was taken, or that was modified too recently to be
    // complete; false then and on any failure to write.
    bool save(const Key &key, const QImage &thumbnail) const;
    bool saveFailure(const Key &key) const;

private:
    bool mayWrite(const Key &key) const;
    bool writeEntry(Folder folder, const Key &key, const QImage &image) const;

    QString m_root;
};
