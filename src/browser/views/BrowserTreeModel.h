// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <memory>

class QNodeItem;
class QThread;
class SubFolderProber;

// The folder tree of one file pane. Its top level mixes a label ("My
// computer" or the device), the four category folders of the side and the
// volumes the user has mounted; below them come real folders, listed one
// level at a time when a view first opens them.
class BrowserTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // Tool tip and full path of a node.
    static constexpr int FullPathRole = Qt::UserRole + 1;
    // File name of a node (a link's target name).
    static constexpr int FileNameRole = Qt::UserRole + 2;
    // Folders with more sub-folders than this have theirs probed for
    // sub-folders of their own in the background.
    static constexpr int directProbeLimit = 64;

    // deviceModel: the device's model name, shown in its label.
    explicit BrowserTreeModel(
        BrowserMode side, const QString &deviceModel = QString(), QObject *parent = nullptr);
    ~BrowserTreeModel() override;

    // The mount tables read for user-mounted volumes, the first that opens
    // wins; "/etc/mnttab" then "/etc/mtab" unless set otherwise (tests).
    static void setMountTables(const QStringList &paths);
    static QStringList mountTables();
    // How long a background listing reads whether the sub-folders hold
    // folders of their own before it hands the rows over (20 ms); the rest
    // are read afterwards.
    static void setListedProbeBudget(qint64 ms);

    BrowserMode side() const { return m_side; }
    QNodeItem *rootNode() const { return m_root.get(); }
    // The node of index, the root for an invalid index.
    QNodeItem *nodeFromIndex(const QModelIndex &index) const;
    // The top-level row of a category's folder, wherever its name sorts it;
    // invalid when the tree has none.
    QModelIndex categoryIndex(int category) const;

    // Looks info up among the nodes already listed below start, depth first;
    // lists nothing. Invalid when not found.
    QModelIndex findLoadedPath(const QFileInfo &info, const QModelIndex &start) const;
    // Looks path up from the top-level node holding it, listing folders on
    // the way. Invalid when not found.
    QModelIndex findPath(const QString &path);
    // Has node read in the background whether it holds sub-folders; views
    // are told to lay out again when answers change their expanders.
    void probeLater(QNodeItem *node) const;
    // Lists node's sub-folders away from the window's thread, with whether
    // they hold sub-folders of their own; they come in as rows together.
    // Until then the node counts no rows.
    void listInBackground(QNodeItem *node);
    // While held, background listings wait to start (their nodes count no
    // rows meanwhile): the pane's list goes first.
    void holdListings(bool held);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
        const QModelIndex &parent) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

public slots:
    // Lists one folder again; the root and the labels are fixed.
    void refresh(const QModelIndex &index);
    void refresh();
    // Lists a folder that has not been listed yet.
    void expand(const QModelIndex &index);
    void expand();
    // Takes in the sub-folders a node listed in the background.
    void refreshOver(void *node, QStringList *folders);

private:
    void buildHostTop();
    void buildDeviceTop();
    void appendCategories(int side);
    void appendMounts();
    QString deviceLabel() const;
    QModelIndex indexOfNode(QNodeItem *node) const;
    bool isRenameAllowed(const QNodeItem *node, const QString &newName) const;
    bool dropOne(const QString &source, const QString &targetFolder, Qt::DropAction action);
    // Whether a node listed in the background holds sub-folders, read after
    // its rows were handed over.
    struct ProbedNode
    {
        QPointer<QNodeItem> node;
        QString path;
        bool holds;
    };
    void startListing(const QNodeItem *node);
    // On the lister's thread: makes the nodes of folder's sub-folders, living
    // in home's thread, and hands them over.
    void listAway(quint64 ticket, const QString &folder, QThread *home);
    void probeAway(QVector<ProbedNode> nodes);
    // Takes in, or deletes, the nodes a background listing made.
    void takeSubFolders(quint64 ticket, const QList<QNodeItem *> &folders);
    void applyListedProbes(const QVector<ProbedNode> &answers);
    void relayoutExpanders();
    void startProbes();
    void applyProbes(const QStringList &withSubFolders, const QStringList &withoutSubFolders);

    BrowserMode m_side;
    QString m_deviceModel;
    std::unique_ptr<QNodeItem> m_root;
    SubFolderProber *m_prober;
    // Nodes waiting for a probe, by folder; nodes a refresh discards go null.
    mutable QHash<QString, QList<QPointer<QNodeItem>>> m_probing;
    // Folders a layout asked about, handed to the prober together once the
    // layout is done rather than one by one.
    mutable QStringList m_toProbe;
    mutable QTimer m_probeStart;
    // Background listings by ticket; a node gone or listed again since
    // takes no answer.
    QThreadPool m_lister;
    QThreadPool m_laterProbes;
    std::atomic_bool m_closing { false };
    quint64 m_lastTicket = 0;
    QHash<quint64, QPointer<QNodeItem>> m_listing;
    bool m_listingsHeld = false;
    // Tickets of the listings waiting to start.
    QVector<quint64> m_heldListings;
};
