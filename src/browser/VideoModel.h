// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFileSystemModel>
#include <QHash>
#include <QPixmap>
#include <QSet>

class CategoryFilterModel;
class ThumbLoaderWorker;

// The file list of a pane: one folder, its sub-folders and the files of the
// current media category, with thumbnails made in the background in place of
// the file-type icons. Symbolic links are never listed.
//
// The model holds every file of the folder; shownFiles() is the view of it
// that a list shows, narrowed to the category's files.
class VideoModel : public QFileSystemModel
{
    Q_OBJECT

public:
    // Whether a row is a folder (bool).
    static constexpr int DirectoryRole = Qt::UserRole + 1;

    explicit VideoModel(QObject *parent = nullptr);
    ~VideoModel() override;

    // The category (FileBrowserMode) whose files are listed; other values
    // keep the current name filters.
    void setCategory(int mode);
    int category() const { return m_mode; }
    // The folders and the category's files, for a view; owned by the model.
    CategoryFilterModel *shownFiles() const { return m_shown; }
    // Shows path; a folder that does not exist empties the list.
    void setFolder(const QString &path);
    // Drops the thumbnails and asks for those of the shown folder again, for
    // the current category.
    void restartThumbnails();
    // Asks thumbnails for single files, in the current category.
    void queueFiles(const QFileInfoList &files);
    ThumbLoaderWorker *thumbnailWorker() const { return m_worker; }
    // Whether the shown folder exists.
    bool isActive() const { return m_active; }
    // Removes a file, or a folder with its contents; an invalid index
    // removes nothing (the base model would take its working folder).
    bool remove(const QModelIndex &index);

    // Cleared by the copy flow while files arrive, so that rows inserted by a
    // copy ask for no thumbnails.
    void setThumbnailsEnabled(bool enabled) { m_thumbnailsEnabled = enabled; }
    bool thumbnailsEnabled() const { return m_thumbnailsEnabled; }

    // The thumbnail received for a file, null when there is none (yet).
    QPixmap thumbnail(const QString &path) const { return m_icons.value(path); }
    // Whether a thumbnail for the file is asked for and not yet received.
    bool isAwaited(const QString &path) const { return m_awaited.contains(path); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    // Only the shown folder is ever listed.
    bool canFetchMore(const QModelIndex &parent) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // A folder appeared, vanished or changed: the pane re-lists its tree.
    void refresh();

public slots:
    void thumbsLoaded();
    // Repaints the list with the thumbnails received so far.
    void UpdateBucket();
    void addIcon(const QString &path, const QImage &image);
    void receivedRowsInserted(const QModelIndex &parent, int start, int end);
    void receivedRowsAboutToBeRemoved(const QModelIndex &parent, int start, int end);
    void refreshTree(const QModelIndex &topLeft, const QModelIndex &bottomRight);

private:
    void stopWorker();
    void clearThumbnails();
    // The files of the category among rows first to last of parent.
    QFileInfoList categoryFiles(const QModelIndex &parent, int first, int last) const;
    void requestThumbnails(const QFileInfoList &files);
    void requestFolderThumbnails();
    void setActive(bool active);
    bool isShownFolder(const QModelIndex &parent) const;

    bool m_thumbnailsEnabled = true;
    QHash<QString, QPixmap> m_icons;
    // Files handed to the worker since the caches were last cleared; an icon
    // for any other file is late (made before a stop) and is dropped.
    QSet<QString> m_awaited;
    ThumbLoaderWorker *m_worker;
    CategoryFilterModel *m_shown;
    int m_mode = 3;
    bool m_active = false;
    // The rows of the shown folder are arriving for the first time, until
    // the model reports the folder loaded.
    bool m_firstListing = false;
};
