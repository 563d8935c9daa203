// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/ThumbLoaderWorker.h"

#include "browser/views/FolderListModel.h"

#include <QPixmap>

// The file list of a pane: one folder, its sub-folders and the files of the
// current media category, with thumbnails made in the background in place of
// the file-type icons. Symbolic links are never listed.
//
// Thumbnails of the files in view are made first (the list reports them
// through setVisibleFiles), those of the rest of the folder afterwards. The
// model only asks for them and shows them: their state, and the memory bound
// they are kept within, belong to its ThumbLoaderWorker.
class VideoModel : public FolderListModel
{
    Q_OBJECT

public:
    // Whether a row is a folder (bool).
    static constexpr int DirectoryRole = Qt::UserRole + 1;
    static constexpr qint64 defaultThumbnailMemory = ThumbLoaderWorker::defaultMemory;

    explicit VideoModel(QObject *parent = nullptr);
    ~VideoModel() override;

    // The category (FileBrowserMode) whose files are listed; other values
    // keep the current name filters.
    void setCategory(int mode);
    int category() const { return m_mode; }
    // Shows path; a folder that does not exist empties the list.
    void setFolder(const QString &path);
    // Whether the folders shown may be changed (renamed, dropped into);
    // kept from folder to folder.
    void setWritable(bool writable);
    // Drops the thumbnails and asks for those of the shown folder again, for
    // the current category.
    void restartThumbnails();
    // Asks thumbnails for single files, in the current category.
    void queueFiles(const QFileInfoList &files);
    // The files whose rows a view shows now, top left first: their
    // thumbnails are made before all others and kept in memory. Folders
    // are left out by the caller.
    void setVisibleFiles(const QStringList &paths);
    // Bytes of pixels the thumbnails may take.
    void setThumbnailMemoryLimit(qint64 bytes);
    qint64 thumbnailMemoryLimit() const { return m_worker->memoryLimit(); }
    qint64 thumbnailMemory() const { return m_worker->memoryUsed(); }
    ThumbLoaderWorker *thumbnailWorker() const { return m_worker; }
    // Whether the shown folder exists.
    bool isActive() const { return m_active; }

    // Cleared by the copy flow while files arrive: a file that arrives then
    // is asked for once it has stopped growing, or when the flag is set
    // again, so that no thumbnail is made of half a file.
    void setThumbnailsEnabled(bool enabled);
    bool thumbnailsEnabled() const { return m_thumbnailsEnabled; }

    // The thumbnail received for a file, null when there is none (yet, or
    // any more).
    QPixmap thumbnail(const QString &path) const { return QPixmap::fromImage(m_worker->thumbnail(path)); }
    // Whether a thumbnail for the file is asked for and not yet received.
    bool isAwaited(const QString &path) const { return m_worker->isAwaited(path); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // A folder appeared, vanished or changed: the pane re-lists its tree.
    void refresh();

public slots:
    // An icon made elsewhere for a file: the worker holds it from now on.
    void addIcon(const QString &path, const QImage &image);
    void receivedRowsInserted(const QModelIndex &parent, int start, int end);
    void receivedRowsAboutToBeRemoved(const QModelIndex &parent, int start, int end);
    void refreshTree(const QModelIndex &topLeft, const QModelIndex &bottomRight);

private:
    // The files among rows first to last.
    QFileInfoList categoryFiles(int first, int last) const;
    void requestFolderThumbnails();
    // While a copy runs, files are asked for once they stop growing.
    void askForThumbnails(const QFileInfoList &files);
    void setActive(bool active);
    bool isShownFolder(const QModelIndex &parent) const;
    // Tells the file's row to show its icon.
    void announceThumbnail(const QString &path);

    bool m_thumbnailsEnabled = true;
    bool m_writable = true;
    ThumbLoaderWorker *m_worker;
    int m_mode = 3;
    bool m_active = false;
};
