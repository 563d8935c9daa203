// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/views/SubFolderReader.h"

#include <QFileInfo>
#include <QIcon>
#include <QList>
#include <QObject>

class BrowserTreeModel;
class FileListImporter;
class IconProvider;

// What a folder tree node stands for. The numbers are part of the tree's
// contract (the pane compares them).
enum NodeKind {
    RootNode = 0,
    LabelNode = 1,
    DocumentsNode = 2,
    MusicNode = 3,
    VideoNode = 4,
    PicturesNode = 5,
    FolderNode = 6,
    MountNode = 9,
};

// One node of the folder tree. A node owns its children and lists them from
// disk the first time they are asked for, one level at a time.
class QNodeItem : public QObject
{
    Q_OBJECT

public:
    // A kind of -1 stands for FolderNode.
    QNodeItem(const QFileInfo &fileInfo, BrowserTreeModel *model, int kind = FolderNode,
        QNodeItem *parent = nullptr);
    QNodeItem(const QString &name, const QFileInfo &fileInfo, BrowserTreeModel *model, int kind,
        QNodeItem *parent = nullptr);
    ~QNodeItem() override;

    QString name() const { return m_name; }
    const QFileInfo &fileInfo() const { return m_fileInfo; }
    void setFileInfo(const QFileInfo &fileInfo);
    // As fileInfo() says, without a look at the disk for a node its parent
    // listed as a folder.
    bool isDir() const { return m_listedFolder || m_fileInfo.isDir(); }
    bool isSymLink() const { return !m_listedFolder && m_fileInfo.isSymLink(); }
    int kind() const { return m_kind; }
    BrowserTreeModel *model() const { return m_model; }
    void setModel(BrowserTreeModel *model) { m_model = model; }
    QNodeItem *parentNode() const { return m_parent; }

    bool isPopulated() const { return m_populated; }
    void setPopulated(bool populated) { m_populated = populated; }
    int childCount() const { return m_children.size(); }
    QNodeItem *child(int row) const { return m_children.value(row); }
    const QList<QNodeItem *> &childNodes() const { return m_children; }
    // Position among the parent's children, -1 without a parent.
    int row() const;

    // Takes ownership; becomes the child's parent when it has none.
    void appendChild(QNodeItem *child);
    void insertChild(int row, QNodeItem *child);
    // Deletes the children in [row, row + count).
    void deleteChildren(int row, int count);

    // The folder listed for this node: a symbolic link's target, else the
    // absolute path.
    QString folderPath() const;
    // The clean full path shown as tool tip (a link's target).
    QString fullPath() const;
    // path without a trailing "/", unless it is "/" itself.
    static QString withoutTrailingSlash(const QString &path);
    // Whether the node is a file-system root such as "/".
    bool isFileSystemRoot() const;

    // Whether the node has (or, before listing, would have) sub-folders; an
    // unlisted folder is read once, only up to its first sub-folder. Among
    // many siblings it is read in the background (see SubFolderProber) and
    // counts as having sub-folders until then.
    bool hasChildren() const;
    // The answer of a read in the background.
    void setHoldsSubFolder(bool holds) const;
    // Counts as having sub-folders until that answer comes.
    void setProbing() const { m_subFolderProbe = Probing; }
    // Lists the sub-folders; a listed node, or one being listed in the
    // background, is left alone unless forced.
    void populate(bool force = false);
    // Which background listing of the model is to bring the sub-folders in;
    // 0 when none is.
    quint64 listingTicket() const { return m_listingTicket; }
    void setListingTicket(quint64 ticket) { m_listingTicket = ticket; }
    // A node for one of folder's sub-folders, not yet appended; any thread.
    static QNodeItem *listedChild(
        const QString &folder, const SubFolderReader::SubFolder &subFolder, BrowserTreeModel *model);
    // New nodes for the sub-folders of folderPath(), sorted by name; hidden
    // ones are not listed.
    QList<QNodeItem *> listSubFolders();

    // Lists the sub-folders in a FileListImporter; the model takes them in
    // through importSucceeded once the listing is complete. A listing still
    // running is stopped when the node goes.
    void importInBackground();

    // Computed on first use, then kept.
    QIcon icon(const IconProvider &provider);
    int cachedFlags() const { return m_cachedFlags; }
    void setCachedFlags(int flags) { m_cachedFlags = flags; }

signals:
    // node is the QNodeItem listed; folders are valid during the call only.
    void importSucceeded(void *node, QStringList *folders);

public slots:
    // Hands a finished listing on and lets go of the importer.
    void finishUp();

private:
    QString m_name;
    QFileInfo m_fileInfo;
    QIcon m_icon;
    int m_kind;
    // Found a folder, not a link, when its parent was listed.
    bool m_listedFolder = false;
    bool m_populated = false;
    quint64 m_listingTicket = 0;
    int m_cachedFlags = 0;
    enum SubFolderProbe { Unprobed, Probing, HasSubFolder, NoSubFolder };
    mutable SubFolderProbe m_subFolderProbe = Unprobed;
    BrowserTreeModel *m_model;
    QNodeItem *m_parent;
    FileListImporter *m_importer = nullptr;
    QList<QNodeItem *> m_children;
};
