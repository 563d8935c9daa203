// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/Chrome.h"

#include "base/DeviceState.h"
#include "bookmarks/BookmarkFolder.h"
#include "bookmarks/BookmarkItem.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QUuid>

#include <limits>

const int Chrome::maxItemLevel = 99;

namespace {

const char *const fileName = "Bookmarks";
const char *const backupName = "Bookmarks.bak";
const char *const deviceFolder = ".config/chromium/Default";
// The mode Chromium gives the file it makes; the device's is for everyone.
const mode_t pcFileMode = 0600;
const mode_t deviceFileMode = 0666;

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

std::optional<qint64> numericId(const QJsonValue &value)
{
    bool ok = false;
    const qint64 id = value.toVariant().toString().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return id;
}

// The nodes this program shows and writes itself; any other is kept as read.
bool isKnownNode(const QJsonValue &value)
{
    const QString type = value.toObject().value(QLatin1String("type")).toString();
    return type == QLatin1String("folder") || type == QLatin1String("url");
}

// Google's build wins where both browsers keep a profile.
bool googleChromeInstalled()
{
    return QDir(QDir::homePath() + QLatin1String("/.config/google-chrome")).exists();
}

} // namespace

Chrome::Chrome(int mode)
    : m_mode(mode)
{ }

Chrome::~Chrome() = default;

QString Chrome::bookmarksDir(int mode)
{
    if (mode != 0)
        return mountPoint() + QLatin1Char('/') + QLatin1String(deviceFolder) + QLatin1Char('/');
    const QString home = QDir::homePath();
    if (googleChromeInstalled())
        return home + QLatin1String("/.config/google-chrome/Default/");
    return home + QLatin1String("/.config/chromium/Default/");
}

QString Chrome::label() const
{
    return m_mode == 0 && googleChromeInstalled() ? QStringLiteral("Chrome") : QStringLiteral("Chromium");
}

QString Chrome::bookmarksPath() const
{
    return bookmarksDir(m_mode) + QLatin1String(fileName);
}

BookmarkFolder Chrome::folder() const
{
    if (m_mode != 0)
        return BookmarkFolder(mountPoint(), QLatin1String(deviceFolder), false);
    return BookmarkFolder(bookmarksDir(0), QString(), true);
}

bool Chrome::isInstalled() const
{
    return QDir(bookmarksDir(0)).exists();
}

bool Chrome::isRunning() const
{
    return isProcessRunning({ QStringLiteral("chrome"), QStringLiteral("chromium") });
}

bool Chrome::isBookmarksFileWritable() const
{
    const BookmarkFolder folder = this->folder();
    // The file is replaced by a new one beside it, so its folder must take one.
    return folder.isRegularFile(fileName) && folder.isWritable();
}

bool Chrome::isWritable() const
{
    return isLoaded() && m_understood;
}

void Chrome::loadBookmarks()
{
    auto *root
        = new BookmarkItem({ QStringLiteral("Chrome"), QString(), BrowserRootItem, QVariant(), false, true });
    setOwnRoot(root);
    setLoaded(false);
    m_understood = false;
    m_document = QJsonObject();
    m_rootKeys.clear();
    const std::optional<QByteArray> data = folder().read(fileName);
    if (!data)
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return;
    m_document = document.object();
    if (const std::optional<qint64> version = numericId(m_document.value(QLatin1String("version"))))
        m_version = static_cast<int>(qBound(qint64(0), *version, qint64(std::numeric_limits<int>::max())));
    const QJsonValue roots = m_document.value(QLatin1String("roots"));
    m_understood = m_version == 1 && roots.isObject();
    readRoots(roots.toObject());
    setLoaded(true);
}

void Chrome::readRoots(const QJsonObject &roots)
{
    for (auto it = roots.constBegin(); it != roots.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        const QJsonObject node = it.value().toObject();
        const QJsonValue idValue = node.value(QLatin1String("id"));
        if (idValue.isDouble())
            m_textIds = false;
        // Root ids count too: a new item must never take the id of a root.
        const qint64 id = numericId(idValue).value_or(0);
        m_lastId = qMax(m_lastId, id);
        auto *folder = new BookmarkItem(
            { node.value(QLatin1String("name")).toString(), QString(), FolderItem, id, false, false });
        folder->setStoreData(node);
        m_rootKeys.insert(folder, it.key());
        root()->appendChild(folder);
        readChildren(folder, node.value(QLatin1String("children")).toArray());
    }
}

void Chrome::readChildren(BookmarkItem *parent, const QJsonArray &children)
{
    for (const QJsonValue &value : children) {
        if (!isKnownNode(value))
            continue;
        const QJsonObject node = value.toObject();
        qint64 id = 0;
        if (const std::optional<qint64> read = numericId(node.value(QLatin1String("id")))) {
            id = *read;
            m_lastId = qMax(m_lastId, id);
        } else if (const std::optional<qint64> given = nextId()) {
            id = *given;
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

std::optional<qint64> Chrome::nextId()
{
    // Past the largest id there is none left to give; wrapping round would
    // give one that Chromium takes for another node's.
    if (m_lastId == std::numeric_limits<qint64>::max())
        return std::nullopt;
    return ++m_lastId;
}

bool Chrome::saveBookmarks()
{
    // A file not read whole would be replaced by the little that was read.
    if (!isWritable() || !root())
        return false;
    const qint64 lastId = m_lastId;
    m_given.clear();
    const std::optional<QJsonObject> roots = serialisedRoots();
    QJsonObject document = m_document;
    document.remove(QLatin1String("checksum"));
    if (roots)
        document.insert(QLatin1String("roots"), *roots);
    if (!roots || !write(document)) {
        m_lastId = lastId;
        m_given.clear();
        return false;
    }
    m_document = document;
    // The identities given are kept for the saves to come.
    for (const Given &given : qAsConst(m_given)) {
        given.item->setId(given.id);
        if (!given.node.isEmpty())
            given.item->setStoreData(given.node);
    }
    m_given.clear();
    return true;
}

bool Chrome::write(const QJsonObject &document)
{
    const BookmarkFolder folder = this->folder();
    // Anything but a regular file in the way was not read, so is not ours to
    // replace; the file read is kept.
    std::optional<QByteArray> previous;
    if (folder.exists(fileName)) {
        previous = folder.read(fileName);
        if (!previous)
            return false;
    }
    const mode_t mode = m_mode != 0 ? deviceFileMode : folder.permissions(fileName, pcFileMode);
    if (previous && !folder.replace(backupName, *previous, mode))
        return false;
    return folder.replace(fileName, QJsonDocument(document).toJson(), mode);
}

std::optional<QJsonObject> Chrome::serialisedRoots()
{
    QJsonObject roots = m_document.value(QLatin1String("roots")).toObject();
    QJsonArray strays;
    for (BookmarkItem *child : root()->children()) {
        const std::optional<QJsonObject> written = node(child);
        if (!written)
            return std::nullopt;
        const QString key = m_rootKeys.value(child);
        if (key.isEmpty())
            strays.append(*written);
        else
            roots.insert(key, *written);
    }
    for (const auto &permanent : permanentRoots) {
        if (roots.contains(QLatin1String(permanent[0])))
            continue;
        const std::optional<QJsonObject> added = newRootFolder(QLatin1String(permanent[1]));
        if (!added)
            return std::nullopt;
        roots.insert(QLatin1String(permanent[0]), *added);
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

std::optional<QJsonObject> Chrome::node(BookmarkItem *item)
{
    QJsonObject node = item->storeData().toJsonObject();
    const bool isNew = node.isEmpty();
    qint64 id = item->storedId();
    if (id == -1) {
        const std::optional<qint64> given = nextId();
        if (!given)
            return std::nullopt;
        id = *given;
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
    if (isNew || id != item->storedId())
        m_given.append({ item, id, isNew ? node : QJsonObject() });
    if (item->type() == FolderItem) {
        const std::optional<QJsonArray> children = childNodes(item);
        if (!children)
            return std::nullopt;
        node.insert(QLatin1String("children"), *children);
    }
    return node;
}

std::optional<QJsonArray> Chrome::childNodes(BookmarkItem *folder)
{
    QJsonArray children;
    for (BookmarkItem *child : folder->children()) {
        const std::optional<QJsonObject> written = node(child);
        if (!written)
            return std::nullopt;
        children.append(*written);
    }
    // Nodes of kinds not shown stay at the places they were read from.
    const QJsonArray read = folder->storeData().toJsonObject().value(QLatin1String("children")).toArray();
    for (int i = 0; i < read.size(); ++i) {
        if (!isKnownNode(read.at(i)))
            children.insert(qMin(i, children.size()), read.at(i));
    }
    return children;
}

QJsonValue Chrome::idValue(qint64 id, const QJsonObject &original) const
{
    const QJsonValue read = original.value(QLatin1String("id"));
    const bool asText = read.isUndefined() ? m_textIds : read.isString();
    if (asText)
        return QString::number(id);
    return id;
}

std::optional<QJsonObject> Chrome::newRootFolder(const QString &name)
{
    const std::optional<qint64> id = nextId();
    if (!id)
        return std::nullopt;
    return QJsonObject { { QLatin1String("children"), QJsonArray() },
        { QLatin1String("date_added"), chromeNow() }, { QLatin1String("date_modified"), QStringLiteral("0") },
        { QLatin1String("id"), idValue(*id, QJsonObject()) }, { QLatin1String("name"), name },
        { QLatin1String("type"), QStringLiteral("folder") } };
}
