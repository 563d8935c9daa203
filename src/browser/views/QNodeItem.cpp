// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/QNodeItem.h"
#include "base/Logger.h"
#include "base/MediaCategories.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/FileListImporter.h"
#include "browser/views/IconProvider.h"
#include "browser/views/NameOrder.h"
#include "browser/views/SubFolderReader.h"

#include <QDir>

namespace {

// The category nodes of both sides show the icon of the PC's category folder.
QString hostCategoryFolder(int kind)
{
    switch (kind) {
    case DocumentsNode:
        return MediaCategories::folder(HostMode, DocumentsMode);
    case MusicNode:
        return MediaCategories::folder(HostMode, MusicMode);
    case VideoNode:
        return MediaCategories::folder(HostMode, MovieMode);
    default:
        return MediaCategories::folder(HostMode, PicturesMode);
    }
}

} // namespace

QNodeItem::QNodeItem(const QFileInfo &fileInfo, BrowserTreeModel *model, int kind, QNodeItem *parent)
    : QNodeItem(QString(), fileInfo, model, kind, parent)
{ }

QNodeItem::QNodeItem(
    const QString &name, const QFileInfo &fileInfo, BrowserTreeModel *model, int kind, QNodeItem *parent)
    : m_name(name)
    , m_fileInfo(fileInfo)
    , m_kind(kind == -1 ? FolderNode : kind)
    , m_model(model)
    , m_parent(parent)
{ }

QNodeItem::~QNodeItem()
{
    qDeleteAll(m_children);
    // Joins the listing, which stops before its next entry.
    delete m_importer;
}

int QNodeItem::row() const
{
    return m_parent ? m_parent->m_children.indexOf(const_cast<QNodeItem *>(this)) : -1;
}

void QNodeItem::appendChild(QNodeItem *child)
{
    insertChild(m_children.size(), child);
}

void QNodeItem::insertChild(int row, QNodeItem *child)
{
    if (!child->m_parent)
        child->m_parent = this;
    m_children.insert(qBound(0, row, m_children.size()), child);
}

void QNodeItem::deleteChildren(int row, int count)
{
    for (int i = 0; i < count && row < m_children.size(); ++i)
        delete m_children.takeAt(row);
}

QString QNodeItem::withoutTrailingSlash(const QString &path)
{
    if (path.length() > 1 && path.endsWith(QLatin1Char('/')))
        return path.left(path.length() - 1);
    return path;
}

QString QNodeItem::folderPath() const
{
    if (isSymLink())
        return withoutTrailingSlash(m_fileInfo.symLinkTarget());
    return m_fileInfo.absoluteFilePath();
}

QString QNodeItem::fullPath() const
{
    if (isSymLink())
        return QDir::cleanPath(m_fileInfo.symLinkTarget());
    return QDir::cleanPath(m_fileInfo.absoluteFilePath());
}

bool QNodeItem::isFileSystemRoot() const
{
    return !m_fileInfo.filePath().isEmpty() && m_fileInfo.isRoot();
}

bool QNodeItem::hasChildren() const
{
    if (m_populated)
        return !m_children.isEmpty();
    if (m_kind != FolderNode)
        return true;
    // Views ask again at every layout, for every row of a folder that may
    // hold thousands: each folder is read once, and the rows of a large
    // folder are read in the background, counting as possible parents
    // until their answer comes.
    if (m_subFolderProbe == Unprobed) {
        if (m_model && m_parent && m_parent->childCount() > BrowserTreeModel::directProbeLimit) {
            m_subFolderProbe = Probing;
            m_model->probeLater(const_cast<QNodeItem *>(this));
        } else {
            setHoldsSubFolder(SubFolderReader::holdsSubFolder(folderPath()));
        }
    }
    return m_subFolderProbe != NoSubFolder;
}

void QNodeItem::setHoldsSubFolder(bool holds) const
{
    m_subFolderProbe = holds ? HasSubFolder : NoSubFolder;
}

QList<QNodeItem *> QNodeItem::listSubFolders()
{
    const QString folder = folderPath();
    Logger::instance()->log("listing %s", qUtf8Printable(folder));
    const QVector<SubFolderReader::SubFolder> found = SubFolderReader::sortedSubFolders(folder);
    QList<QNodeItem *> nodes;
    nodes.reserve(found.size());
    for (const SubFolderReader::SubFolder &subFolder : found) {
        QNodeItem *node = listedChild(folder, subFolder, m_model);
        node->m_parent = this;
        nodes.append(node);
    }
    return nodes;
}

QNodeItem *QNodeItem::listedChild(
    const QString &folder, const SubFolderReader::SubFolder &subFolder, BrowserTreeModel *model)
{
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    auto *node = new QNodeItem(QFileInfo(prefix + subFolder.name), model, FolderNode);
    // Read by the entry's type: no look at the disk to tell it is a folder.
    node->m_listedFolder = !subFolder.link;
    return node;
}

void QNodeItem::populate(bool force)
{
    // One listed in the background brings its sub-folders in itself.
    if ((m_populated || m_listingTicket != 0) && !force)
        return;
    m_listingTicket = 0;
    deleteChildren(0, m_children.size());
    m_children = listSubFolders();
    m_populated = true;
}

void QNodeItem::setFileInfo(const QFileInfo &fileInfo)
{
    m_fileInfo = fileInfo;
    m_listedFolder = false;
}

void QNodeItem::importInBackground()
{
    if (m_importer)
        return;
    m_importer = new FileListImporter(folderPath(), this);
    connect(m_importer, &QThread::finished, this, &QNodeItem::finishUp);
    if (m_model)
        connect(this, &QNodeItem::importSucceeded, m_model, &BrowserTreeModel::refreshOver);
    m_importer->start();
}

void QNodeItem::finishUp()
{
    if (!m_importer)
        return;
    {
        QMutexLocker locker(m_importer->mutex());
        if (m_importer->wasStopped())
            m_importer->node()->setPopulated(false);
        else
            emit importSucceeded(m_importer->node(), m_importer->results());
    }
    disconnect(m_importer, &QThread::finished, this, &QNodeItem::finishUp);
    delete m_importer;
    m_importer = nullptr;
}

QIcon QNodeItem::icon(const IconProvider &provider)
{
    if (!m_icon.isNull())
        return m_icon;
    switch (m_kind) {
    case RootNode:
    case LabelNode:
        m_icon = provider.icon(QFileIconProvider::Computer);
        break;
    case MountNode:
        m_icon = provider.icon(QFileIconProvider::Drive);
        break;
    case DocumentsNode:
    case MusicNode:
    case VideoNode:
    case PicturesNode:
        m_icon = provider.icon(QFileInfo(hostCategoryFolder(m_kind)));
        break;
    default:
        m_icon = provider.icon(m_fileInfo);
        break;
    }
    return m_icon;
}
