// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/Chrome.h"

#include "base/DeviceState.h"
#include "bookmarks/BookmarkItem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QUuid>

#include <optional>

namespace {

// The roots Chromium needs: a file lacking one of them loads as empty.
const char *const permanentRoots[][2] = {
    { "bookmark_bar", "Bookmarks bar" },
    { "other", "Other bookmarks" },
    { "synced", "Mobile bookmarks" },
};

// Chrome's clock: microseconds since 1601-01-01, as text.
QString chromeNow()
{
    const qint64 epochOffset = Q_INT64_C(11644473600000000);
    return QString::number(QDateTime::currentMSecsSinceEpoch() * 1000 + epochOffset);
}

std::optional<int> numericId(const QJsonValue &value)
{
    bool ok = false;
    const int id = value.toVariant().toString().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return id;
}

// Writes data beside path and renames it over; false leaves path as it was.
// Unbuffered: QSaveFile does not notice a failure of its closing flush and
// would rename a cut-off file over the good one on a full device.
bool replaceFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(data) == data.size()
        && file.commit();
}

} // namespace

Chrome::Chrome(int mode)
    : m_mode(mode)
{ }

QString Chrome::bookmarksDir(int mode)
{
    if (mode != 0)
        return mountPoint() + QLatin1String("/.config/chromium/Default/");
    const QString home = QDir::homePath();
    if (QDir(home + QLatin1String("/.config/google-chrome")).exists())
        return home + QLatin1String("/.config/google-chrome/Default/");
    return home + QLatin1String("/.config/chromium/Default/");
}

QString Chrome::bookmarksPath() const
{
    return bookmarksDir(m_mode) + QLatin1String("Bookmarks");
}

bool Chrome::isInstalled() const
{
    return QDir(bookmarksDir(0)).exists();
}

bool Chrome::isRunning() const
{
    // Chromium's processes are named "chromium", which "chrome" does not match.
    return isProcessRunning(QStringLiteral("chrome")) || isProcessRunning(QStringLiteral("chromium"));
}

bool Chrome::isBookmarksFileWritable() const
{
    const QString path = bookmarksPath();
    QFile file(path);
    // The file is replaced by a new one beside it, so its folder must take one.
    return file.exists() && file.open(QIODevice::ReadWrite) && QFileInfo(QFileInfo(path).path()).isWritable();
}

void Chrome::loadBookmarks()
{
    auto *root
        = new BookmarkItem({ QStringLiteral("Chrome"), QString(), BrowserRootItem, QVariant(), false, true });
    setOwnRoot(root);
    setLoaded(false);
    m_document = QJsonObject();
    m_rootKeys.clear();
    QFile file(bookmarksPath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return;
    m_document = document.object();
    const QJsonObject roots = m_document.value(QLatin1String("roots")).toObject();
    for (auto it = roots.constBegin(); it != roots.constEnd(); ++it) {
        const QJsonObject node = it.value().toObject();
        const QJsonValue idValue = node.value(QLatin1String("id"));
        if (idValue.isDouble())
            m_textIds = false;
        // Root ids count too: a new item must never take the id of a root.
        const int id = numericId(idValue).value_or(0);
        m_lastId = qMax(m_lastId, id);
        m_rootKeys.insert(id, it.key());
        auto *folder = new BookmarkItem(
            { node.value(QLatin1String("name")).toString(), QString(), FolderItem, id, false, false });
        folder->setStoreData(node);
        root->appendChild(folder);
        readChildren(folder, node.value(QLatin1String("children")).toArray());
    }
    setLoaded(true);
    if (const std::optional<int> version = numericId(m_document.value(QLatin1String("version"))))
        m_version = *version;
}

void Chrome::readChildren(BookmarkItem *parent, const QJsonArray &children)
{
    for (const QJsonValue &value : children) {
        const QJsonObject node = value.toObject();
        int id = 0;
        if (const std::optional<int> read = numericId(node.value(QLatin1String("id")))) {
            id = *read;
            m_lastId = qMax(m_lastId, id);
        } else {
            id = ++m_lastId;
        }
        const QString name = node.value(QLatin1String("name")).toString();
        BookmarkItem *item = nullptr;
        if (node.value(QLatin1String("type")).toString() == QLatin1String("folder")) {
            item = new BookmarkItem({ name, QString(), FolderItem, id, true, true });
            readChildren(item, node.value(QLatin1String("children")).toArray());
        } else {
            item = new BookmarkItem(
                { name, node.value(QLatin1String("url")).toString(), UrlItem, id, false, true });
        }
        item->setStoreData(node);
        parent->appendChild(item);
    }
}

void Chrome::saveBookmarks()
{
    // A file not read whole would be replaced by the little that was read.
    if (!isLoaded() || !root())
        return;
    QJsonObject document = m_document;
    document.remove(QLatin1String("checksum"));
    document.insert(QLatin1String("roots"), serialisedRoots());
    if (!document.contains(QLatin1String("version")))
        document.insert(QLatin1String("version"), m_version);
    const QString path = bookmarksPath();
    QFile previous(path);
    if (previous.open(QIODevice::ReadOnly)
        && !replaceFile(bookmarksDir(m_mode) + QLatin1String("Bookmarks.bak"), previous.readAll()))
        return;
    previous.close();
    if (!replaceFile(path, QJsonDocument(document).toJson()))
        return;
    m_document = document;
    if (m_mode != 0) {
        QFile::setPermissions(path,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
                | QFile::WriteOther);
    }
}

QJsonObject Chrome::serialisedRoots()
{
    QJsonObject roots = m_document.value(QLatin1String("roots")).toObject();
    QJsonArray strays;
    for (BookmarkItem *child : root()->children()) {
        const QString key = child->type() == FolderItem ? m_rootKeys.value(child->storedId()) : QString();
        if (key.isEmpty())
            strays.append(node(child));
        else
            roots.insert(key, node(child));
    }
    for (const auto &permanent : permanentRoots) {
        if (!roots.contains(QLatin1String(permanent[0])))
            roots.insert(QLatin1String(permanent[0]), newRootFolder(QLatin1String(permanent[1])));
    }
    // Anything placed beside the roots lands in "other" rather than nowhere.
    if (!strays.isEmpty()) {
        QJsonObject other = roots.value(QLatin1String("other")).toObject();
        QJsonArray children = other.value(QLatin1String("children")).toArray();
        for (const QJsonValue &stray : qAsConst(strays))
            children.append(stray);
        other.insert(QLatin1String("children"), children);
        roots.insert(QLatin1String("other"), other);
    }
    return roots;
}

QJsonObject Chrome::node(BookmarkItem *item)
{
    QJsonObject node = item->storeData().toJsonObject();
    const bool isNew = node.isEmpty();
    int id = item->storedId();
    if (id == -1) {
        id = ++m_lastId;
        item->setId(id);
    }
    if (isNew) {
        node.insert(QLatin1String("guid"), QUuid::createUuid().toString(QUuid::WithoutBraces));
        node.insert(QLatin1String("date_added"), chromeNow());
    }
    node.insert(QLatin1String("id"), idValue(id, node));
    node.insert(QLatin1String("name"), item->title());
    if (item->type() == FolderItem) {
        node.insert(QLatin1String("type"), QStringLiteral("folder"));
    } else {
        node.insert(QLatin1String("type"), QStringLiteral("url"));
        node.insert(QLatin1String("url"), item->url());
    }
    // The identity given now is kept for the saves to come.
    if (isNew)
        item->setStoreData(node);
    if (item->type() == FolderItem)
        node.insert(QLatin1String("children"), childNodes(item));
    return node;
}

QJsonArray Chrome::childNodes(BookmarkItem *folder)
{
    QJsonArray children;
    for (BookmarkItem *child : folder->children())
        children.append(node(child));
    return children;
}

QJsonValue Chrome::idValue(int id, const QJsonObject &original) const
{
    const QJsonValue read = original.value(QLatin1String("id"));
    const bool asText = read.isUndefined() ? m_textIds : read.isString();
    if (asText)
        return QString::number(id);
    return id;
}

QJsonObject Chrome::newRootFolder(const QString &name)
{
    const int id = ++m_lastId;
    return QJsonObject { { QLatin1String("children"), QJsonArray() },
        { QLatin1String("date_added"), chromeNow() }, { QLatin1String("date_modified"), QStringLiteral("0") },
        { QLatin1String("id"), idValue(id, QJsonObject()) }, { QLatin1String("name"), name },
        { QLatin1String("type"), QStringLiteral("folder") } };
}
