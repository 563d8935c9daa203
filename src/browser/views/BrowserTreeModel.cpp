// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/BrowserTreeModel.h"
#include "base/DeviceState.h"
#include "base/Logger.h"
#include "base/MediaCategories.h"
#include "browser/views/IconProvider.h"
#include "browser/views/NameOrder.h"
#include "browser/views/QNodeItem.h"
#include "browser/views/SubFolderProber.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QThread>
#include <QUrl>

#include <iterator>
#include <memory>
#include <mntent.h>
#include <utility>

namespace {

// One column: a second one, never filled, would still be read out as an
// empty cell under a header of its own.
constexpr int columns = 1;
// How long a background listing may spend reading whether its sub-folders
// hold folders of their own before it hands the rows over: the rest are
// read afterwards, their answers handed over at least this often.
std::atomic<qint64> listedProbeBudgetMs { 20 };
constexpr qint64 probeBatchMs = 50;

// Nodes made away from the window's thread, deleted with the answer that
// carries them unless the model takes them.
struct ListedNodes
{
    ~ListedNodes() { qDeleteAll(nodes); }
    QList<QNodeItem *> nodes;
};

QStringList &mountTableList()
{
    static QStringList paths { QStringLiteral("/etc/mnttab"), QStringLiteral("/etc/mtab") };
    return paths;
}

bool isInside(const QString &path, const QString &folder)
{
    return path == folder || folder == QLatin1String("/") || path.startsWith(folder + QLatin1Char('/'));
}

// Nodes that stand for a whole side rather than a folder of their own.
bool isLabel(const QNodeItem *node)
{
    return node->kind() == RootNode || node->kind() == LabelNode;
}

} // namespace

BrowserTreeModel::BrowserTreeModel(BrowserMode side, const QString &deviceModel, QObject *parent)
    : QAbstractItemModel(parent)
    , m_side(side)
    , m_deviceModel(deviceModel)
    , m_root(std::make_unique<QNodeItem>(QFileInfo(), this, RootNode))
    , m_prober(new SubFolderProber(this))
{
    connect(m_prober, &SubFolderProber::probed, this, &BrowserTreeModel::applyProbes);
    m_probeStart.setSingleShot(true);
    m_probeStart.setInterval(0);
    connect(&m_probeStart, &QTimer::timeout, this, &BrowserTreeModel::startProbes);
    m_lister.setMaxThreadCount(1);
    m_laterProbes.setMaxThreadCount(1);
    if (side == ExternalDeviceMode)
        buildDeviceTop();
    else
        buildHostTop();
    appendMounts();
    m_root->setPopulated(true);
}

BrowserTreeModel::~BrowserTreeModel()
{
    // No answer may arrive for the nodes about to go.
    delete m_prober;
    m_closing = true;
    for (QThreadPool *pool : { &m_lister, &m_laterProbes }) {
        pool->clear();
        pool->waitForDone();
    }
}

void BrowserTreeModel::setMountTables(const QStringList &paths)
{
    mountTableList() = paths;
}

void BrowserTreeModel::setListedProbeBudget(qint64 ms)
{
    listedProbeBudgetMs = ms;
}

QStringList BrowserTreeModel::mountTables()
{
    return mountTableList();
}

void BrowserTreeModel::buildHostTop()
{
    const QString text = tr("IDS_MY_COMPUTER");
    auto *label = new QNodeItem(text, QFileInfo(text), this, LabelNode);
    m_root->appendChild(label);
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo &drive : drives)
        label->appendChild(new QNodeItem(drive, this, FolderNode));
    label->setPopulated(true);
    appendCategories(HostMode);
}

void BrowserTreeModel::buildDeviceTop()
{
    const QString text = deviceLabel();
    auto *label = new QNodeItem(text, QFileInfo(text), this, LabelNode);
    m_root->appendChild(label);
    label->appendChild(new QNodeItem(QFileInfo(mountPoint()), this, FolderNode));
    label->setPopulated(true);
    appendCategories(ExternalDeviceMode);
}

QString BrowserTreeModel::deviceLabel() const
{
    const QString product = QStringLiteral("OPALO");
    return m_deviceModel.isEmpty() ? product : product + QLatin1Char(' ') + m_deviceModel;
}

void BrowserTreeModel::appendCategories(int side)
{
    struct Category
    {
        QString folder;
        NodeKind kind;
    };
    QVector<Category> categories { { MediaCategories::folder(side, DocumentsMode), DocumentsNode },
        { MediaCategories::folder(side, PicturesMode), PicturesNode },
        { MediaCategories::folder(side, MusicMode), MusicNode } };
    const QString video = MediaCategories::folder(side, MovieMode);
    if (side == ExternalDeviceMode || !video.isEmpty())
        categories.append({ video, VideoNode });
    // In the order of their names, as the folders below them.
    const QCollator order = NameOrder::collator();
    std::sort(categories.begin(), categories.end(), [&order](const Category &left, const Category &right) {
        return order.compare(QFileInfo(left.folder).fileName(), QFileInfo(right.folder).fileName()) < 0;
    });
    for (const Category &category : qAsConst(categories))
        m_root->appendChild(new QNodeItem(QFileInfo(category.folder), this, category.kind));
}

QModelIndex BrowserTreeModel::categoryIndex(int category) const
{
    static const NodeKind kinds[] = { DocumentsNode, PicturesNode, MusicNode, VideoNode };
    if (category < 0 || category >= int(std::size(kinds)))
        return QModelIndex();
    for (int row = 0; row < m_root->childCount(); ++row) {
        if (m_root->child(row)->kind() == kinds[category])
            return index(row, 0);
    }
    return QModelIndex();
}

void BrowserTreeModel::appendMounts()
{
    FILE *table = nullptr;
    for (const QString &path : mountTableList()) {
        table = setmntent(QFile::encodeName(path).constData(), "r");
        if (table)
            break;
    }
    if (!table)
        return;
    while (const mntent *entry = getmntent(table)) {
        // Volumes mounted for a user carry the option uid=; an option that
        // merely ends in it, such as resuid= of the root file system, does not count.
        if (!hasmntopt(entry, "uid"))
            continue;
        const QString dir = QFile::decodeName(entry->mnt_dir);
        const QString name = dir.mid(dir.lastIndexOf(QLatin1Char('/')) + 1);
        m_root->appendChild(new QNodeItem(name, QFileInfo(dir), this, MountNode));
    }
    endmntent(table);
}

QNodeItem *BrowserTreeModel::nodeFromIndex(const QModelIndex &index) const
{
    if (index.isValid() && index.internalPointer())
        return static_cast<QNodeItem *>(index.internalPointer());
    return m_root.get();
}

QModelIndex BrowserTreeModel::indexOfNode(QNodeItem *node) const
{
    if (!node || node == m_root.get())
        return QModelIndex();
    return createIndex(node->row(), 0, node);
}

QModelIndex BrowserTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= columns || parent.column() > 0)
        return QModelIndex();
    QNodeItem *node = nodeFromIndex(parent);
    node->populate();
    QNodeItem *child = node->child(row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex BrowserTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    return indexOfNode(nodeFromIndex(index)->parentNode());
}

int BrowserTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    QNodeItem *node = nodeFromIndex(parent);
    // Listing before the first count is not a change any view could have
    // seen, so it needs no signal.
    node->populate();
    return node->childCount();
}

int BrowserTreeModel::columnCount(const QModelIndex &) const
{
    return columns;
}

bool BrowserTreeModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return true;
    if (parent.column() > 0)
        return false;
    return nodeFromIndex(parent)->hasChildren();
}

QVariant BrowserTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    QNodeItem *node = nodeFromIndex(index);
    const QFileInfo &info = node->fileInfo();
    switch (role) {
    case Qt::ToolTipRole:
    case FullPathRole:
        return node->kind() == LabelNode ? node->name() : node->fullPath();
    case Qt::DecorationRole:
        return node->icon(*IconProvider::shared());
    case FileNameRole:
        if (node->isFileSystemRoot())
            return info.absoluteFilePath();
        return node->isSymLink() ? QFileInfo(info.symLinkTarget()).fileName() : info.fileName();
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (node->kind() == MountNode || node->kind() == LabelNode)
            return node->name();
        return node->isFileSystemRoot() ? info.absoluteFilePath() : info.fileName();
    default:
        return QVariant();
    }
}

Qt::ItemFlags BrowserTreeModel::flags(const QModelIndex &index) const
{
    // Nothing is dropped on the empty area below the rows.
    if (!index.isValid())
        return Qt::NoItemFlags;
    QNodeItem *node = nodeFromIndex(index);
    if (node->cachedFlags())
        return Qt::ItemFlags(node->cachedFlags());
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // "My computer" and the device label stand for whole disks: dragging
    // one would copy everything under it.
    if (!isLabel(node))
        result |= Qt::ItemIsDragEnabled;
    // On the device the label, the mount point and the category folders
    // are the device's fixed layout.
    const bool fixedOnDevice = m_side == ExternalDeviceMode && !index.parent().parent().isValid();
    if (!fixedOnDevice)
        result |= Qt::ItemIsEditable;
    if (node->isDir())
        result |= Qt::ItemIsDropEnabled;
    node->setCachedFlags(int(result));
    return result;
}

bool BrowserTreeModel::isRenameAllowed(const QNodeItem *node, const QString &newName) const
{
    if (newName.isEmpty() || newName.contains(QLatin1Char('/')) || newName == QLatin1String(".")
        || newName == QLatin1String(".."))
        return false;
    if (node->kind() == RootNode || node->kind() == LabelNode)
        return false;
    if (m_side != ExternalDeviceMode)
        return true;
    // Nodes below a linked folder live where the link points; a rename
    // must not reach out of the device through one.
    const QString device = QFileInfo(mountPoint()).canonicalFilePath();
    const QString folder = QFileInfo(node->fileInfo().absolutePath()).canonicalFilePath();
    return !device.isEmpty() && !folder.isEmpty() && isInside(folder, device);
}

bool BrowserTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole
        || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QNodeItem *node = nodeFromIndex(index);
    const QString newName = value.toString();
    if (!isRenameAllowed(node, newName))
        return false;
    QDir folder = node->fileInfo().dir();
    if (!folder.rename(node->fileInfo().fileName(), newName))
        return false;
    node->setFileInfo(QFileInfo(folder, newName));
    emit dataChanged(index, index.sibling(index.row(), columns - 1));
    // The listed sub-folders still carry the old path.
    if (node->isPopulated())
        refresh(index);
    return true;
}

QStringList BrowserTreeModel::mimeTypes() const
{
    return { QStringLiteral("text/uri-list") };
}

QMimeData *BrowserTreeModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QUrl> urls;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && index.column() == 0 && !isLabel(nodeFromIndex(index)))
            urls.append(QUrl::fromLocalFile(nodeFromIndex(index)->fullPath()));
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

Qt::DropActions BrowserTreeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool BrowserTreeModel::dropOne(const QString &source, const QString &targetFolder, Qt::DropAction action)
{
    if (source.isEmpty())
        return false;
    const QFileInfo sourceInfo(source);
    const QString destination = targetFolder + QLatin1Char('/') + sourceInfo.fileName();
    switch (action) {
    case Qt::MoveAction:
        if (!QFile::copy(source, destination) || !QFile::remove(source))
            return false;
        refresh(findPath(sourceInfo.absolutePath()));
        return true;
    case Qt::LinkAction:
        return QFile::link(source, destination);
    default:
        return QFile::copy(source, destination);
    }
}

bool BrowserTreeModel::dropMimeData(
    const QMimeData *data, Qt::DropAction action, int, int, const QModelIndex &parent)
{
    if (!parent.isValid() || !data || !nodeFromIndex(parent)->fileInfo().isWritable())
        return false;
    if (action != Qt::CopyAction && action != Qt::MoveAction && action != Qt::LinkAction)
        return false;
    const QString target = nodeFromIndex(parent)->fullPath();
    bool allDone = true;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls)
        allDone = dropOne(url.toLocalFile(), target, action) && allDone;
    if (!allDone)
        return false;
    // A move may have replaced the target's node while its source folder
    // was listed again.
    refresh(findPath(target));
    return true;
}

bool BrowserTreeModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (!parent.isValid() || count < 1)
        return false;
    QNodeItem *node = nodeFromIndex(parent);
    const int first = qBound(0, row, node->childCount());
    beginInsertRows(parent, first, first + count - 1);
    for (int i = 0; i < count; ++i)
        node->insertChild(first + i, new QNodeItem(QFileInfo(), this, FolderNode, node));
    endInsertRows();
    return true;
}

bool BrowserTreeModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (!parent.isValid() || count < 1 || row < 0)
        return false;
    QNodeItem *node = nodeFromIndex(parent);
    if (row + count > node->childCount())
        return false;
    for (int i = row; i < row + count; ++i) {
        if (!node->child(i)->fileInfo().isWritable())
            return false;
    }
    beginRemoveRows(parent, row, row + count - 1);
    node->deleteChildren(row, count);
    endRemoveRows();
    return true;
}

void BrowserTreeModel::refresh(const QModelIndex &index)
{
    const QModelIndex first = index.sibling(index.row(), 0);
    QNodeItem *node = nodeFromIndex(first);
    if (node->kind() <= LabelNode)
        return;
    node->setModel(this);
    node->setListingTicket(0);
    // Views count the rows while they are told of the change; an unlisted
    // node would then list itself on top of the rows inserted here.
    node->setPopulated(true);
    if (node->childCount() > 0) {
        beginRemoveRows(first, 0, node->childCount() - 1);
        node->deleteChildren(0, node->childCount());
        endRemoveRows();
    }
    const QList<QNodeItem *> folders = node->listSubFolders();
    if (!folders.isEmpty()) {
        beginInsertRows(first, 0, folders.size() - 1);
        for (QNodeItem *folder : folders)
            node->appendChild(folder);
        endInsertRows();
    }
}

void BrowserTreeModel::refreshOver(void *listed, QStringList *folders)
{
    auto *node = static_cast<QNodeItem *>(listed);
    disconnect(node, &QNodeItem::importSucceeded, this, &BrowserTreeModel::refreshOver);
    const QModelIndex parent = indexOfNode(node);
    if (node->childCount() > 0) {
        beginRemoveRows(parent, 0, node->childCount() - 1);
        node->deleteChildren(0, node->childCount());
        endRemoveRows();
    }
    if (!folders->isEmpty()) {
        beginInsertRows(parent, 0, folders->size() - 1);
        for (const QString &folder : qAsConst(*folders))
            node->appendChild(new QNodeItem(QFileInfo(folder), this, FolderNode, node));
        endInsertRows();
    }
    node->setPopulated(true);
}

void BrowserTreeModel::refresh()
{
    refresh(QModelIndex());
}

void BrowserTreeModel::expand(const QModelIndex &index)
{
    QNodeItem *node = nodeFromIndex(index.sibling(index.row(), 0));
    if (node->kind() > LabelNode && !node->isPopulated() && node->listingTicket() == 0)
        listInBackground(node);
}

void BrowserTreeModel::listInBackground(QNodeItem *node)
{
    if (node->childCount() > 0) {
        const QModelIndex parent = indexOfNode(node);
        beginRemoveRows(parent, 0, node->childCount() - 1);
        node->deleteChildren(0, node->childCount());
        endRemoveRows();
    }
    node->setModel(this);
    const quint64 ticket = ++m_lastTicket;
    node->setListingTicket(ticket);
    m_listing.insert(ticket, node);
    Logger::instance()->log("listing %s", qUtf8Printable(node->folderPath()));
    if (m_listingsHeld)
        m_heldListings.append(ticket);
    else
        startListing(node);
}

void BrowserTreeModel::holdListings(bool held)
{
    m_listingsHeld = held;
    if (held)
        return;
    for (const quint64 ticket : std::exchange(m_heldListings, {})) {
        // Not when the node went or was listed again meanwhile.
        const QNodeItem *node = m_listing.value(ticket);
        if (node && node->listingTicket() == ticket)
            startListing(node);
        else
            m_listing.remove(ticket);
    }
}

void BrowserTreeModel::startListing(const QNodeItem *node)
{
    m_lister.start([this, ticket = node->listingTicket(), folder = node->folderPath(), home = thread()] {
        listAway(ticket, folder, home);
    });
}

void BrowserTreeModel::listAway(quint64 ticket, const QString &folder, QThread *home)
{
    const QVector<SubFolderReader::SubFolder> found = SubFolderReader::sortedSubFolders(folder);
    auto listed = std::make_shared<ListedNodes>();
    listed->nodes.reserve(found.size());
    QVector<ProbedNode> later;
    const qint64 budgetMs = listedProbeBudgetMs;
    QElapsedTimer clock;
    clock.start();
    // Views ask every row whether it has sub-folders: answered here, that
    // costs the window nothing.
    for (const SubFolderReader::SubFolder &subFolder : found) {
        QNodeItem *node = QNodeItem::listedChild(folder, subFolder, this);
        if (clock.elapsed() < budgetMs) {
            node->setHoldsSubFolder(SubFolderReader::holdsSubFolder(node->folderPath()));
        } else {
            node->setProbing();
            later.append({ node, node->folderPath(), false });
        }
        node->moveToThread(home);
        listed->nodes.append(node);
    }
    QMetaObject::invokeMethod(
        this, [this, ticket, listed] { takeSubFolders(ticket, std::exchange(listed->nodes, {})); },
        Qt::QueuedConnection);
    if (!later.isEmpty())
        m_laterProbes.start([this, later] { probeAway(later); });
}

void BrowserTreeModel::probeAway(QVector<ProbedNode> nodes)
{
    // Expanders can wait: the rows of the list being read meanwhile cannot.
    QThread::currentThread()->setPriority(QThread::IdlePriority);
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    int handed = 0;
    for (int i = 0; i < nodes.size() && !m_closing; ++i) {
        nodes[i].holds = SubFolderReader::holdsSubFolder(nodes.at(i).path);
        if (sinceBatch.elapsed() >= probeBatchMs || i + 1 == nodes.size()) {
            const QVector<ProbedNode> batch = nodes.mid(handed, i + 1 - handed);
            QMetaObject::invokeMethod(
                this, [this, batch] { applyListedProbes(batch); }, Qt::QueuedConnection);
            handed = i + 1;
            sinceBatch.restart();
        }
    }
}

void BrowserTreeModel::applyListedProbes(const QVector<ProbedNode> &answers)
{
    bool expandersGone = false;
    for (const ProbedNode &answer : answers) {
        if (!answer.node)
            continue;
        answer.node->setHoldsSubFolder(answer.holds);
        expandersGone = expandersGone || !answer.holds;
    }
    if (expandersGone)
        relayoutExpanders();
}

void BrowserTreeModel::takeSubFolders(quint64 ticket, const QList<QNodeItem *> &folders)
{
    const QPointer<QNodeItem> node = m_listing.take(ticket);
    if (!node || node->listingTicket() != ticket) {
        qDeleteAll(folders);
        return;
    }
    // A view lays the whole tree out again for every insertion under an
    // open folder, so the rows, made and probed already, come in at once.
    if (!folders.isEmpty()) {
        beginInsertRows(indexOfNode(node), node->childCount(), node->childCount() + folders.size() - 1);
        for (QNodeItem *folder : folders)
            node->appendChild(folder);
        endInsertRows();
    }
    node->setListingTicket(0);
    node->setPopulated(true);
}

void BrowserTreeModel::expand()
{
    expand(QModelIndex());
}

void BrowserTreeModel::probeLater(QNodeItem *node) const
{
    const QString folder = node->folderPath();
    m_probing[folder].append(node);
    m_toProbe.append(folder);
    if (!m_probeStart.isActive())
        m_probeStart.start();
}

void BrowserTreeModel::startProbes()
{
    m_prober->probe(m_toProbe);
    m_toProbe.clear();
}

void BrowserTreeModel::applyProbes(const QStringList &withSubFolders, const QStringList &withoutSubFolders)
{
    bool expandersGone = false;
    for (const QStringList *answers : { &withSubFolders, &withoutSubFolders }) {
        const bool holds = answers == &withSubFolders;
        for (const QString &folder : *answers) {
            const QList<QPointer<QNodeItem>> nodes = m_probing.take(folder);
            for (QNodeItem *node : nodes) {
                if (!node)
                    continue;
                node->setHoldsSubFolder(holds);
                expandersGone = expandersGone || !holds;
            }
        }
    }
    if (expandersGone)
        relayoutExpanders();
}

void BrowserTreeModel::relayoutExpanders()
{
    // Views keep what they learnt at their last layout.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

QModelIndex BrowserTreeModel::findLoadedPath(const QFileInfo &info, const QModelIndex &start) const
{
    const QString wanted = QNodeItem::withoutTrailingSlash(info.canonicalFilePath());
    if (wanted.isEmpty())
        return QModelIndex();
    QNodeItem *node = nodeFromIndex(start);
    for (QNodeItem *child : node->childNodes()) {
        if (QNodeItem::withoutTrailingSlash(child->fileInfo().canonicalFilePath()) == wanted)
            return indexOfNode(child);
    }
    for (QNodeItem *child : node->childNodes()) {
        if (!child->isDir())
            continue;
        const QModelIndex found = findLoadedPath(info, indexOfNode(child));
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

QModelIndex BrowserTreeModel::findPath(const QString &path)
{
    const QString wanted = QDir::cleanPath(QDir(path).absolutePath());
    // Start from the deepest listed top-level folder holding the path: "/"
    // on the PC, the mount point or a category folder on the device.
    QNodeItem *start = nullptr;
    QString startPath;
    const QList<QNodeItem *> candidates = m_root->childNodes() + m_root->child(0)->childNodes();
    for (QNodeItem *candidate : candidates) {
        if (candidate->kind() == LabelNode || candidate->fileInfo().filePath().isEmpty())
            continue;
        const QString candidatePath = candidate->fullPath();
        if (isInside(wanted, candidatePath) && candidatePath.length() > startPath.length()) {
            start = candidate;
            startPath = candidatePath;
        }
    }
    if (!start)
        return QModelIndex();
    QNodeItem *node = start;
    QString reached = startPath;
    const QStringList parts = wanted.mid(startPath.length()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        reached = reached == QLatin1String("/") ? reached + part : reached + QLatin1Char('/') + part;
        // A folder still being listed in the background is needed now.
        if (node->listingTicket() != 0)
            refresh(indexOfNode(node));
        node->populate();
        QNodeItem *next = nullptr;
        for (QNodeItem *child : node->childNodes()) {
            if (child->fileInfo().absoluteFilePath() == reached) {
                next = child;
                break;
            }
        }
        if (!next)
            return QModelIndex();
        node = next;
    }
    return indexOfNode(node);
}
