// SPDX-License-Identifier: GPL-2.0-or-later
#include "ItemProperties.h"

#include "GioApplications.h"
#include "GioFiles.h"
#include "SafeTree.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString groupName(gid_t id)
{
    const group *entry = getgrgid(id);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(id);
}

QVector<gid_t> groupsOfUser()
{
    QVector<gid_t> ids;
    if (geteuid() == 0) {
        setgrent();
        while (const group *entry = getgrent())
            ids.append(entry->gr_gid);
        endgrent();
        return ids;
    }
    ids.resize(getgroups(0, nullptr));
    ids.resize(qMax(0, getgroups(ids.size(), ids.data())));
    ids.append(getegid());
    return ids;
}

} // namespace

mode_t ItemProperties::mode() const
{
    struct stat status;
    return stat(QFile::encodeName(m_path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

bool ItemProperties::mayChange() const
{
    struct stat status;
    return stat(QFile::encodeName(m_path).constData(), &status) == 0
        && (geteuid() == 0 || geteuid() == status.st_uid);
}

void ItemProperties::change(const ModeChange &change) const
{
    chmod(QFile::encodeName(m_path).constData(), change(mode()));
}

void ItemProperties::changeEnclosed(const ModeChange &change) const
{
    const QFileInfo item(m_path);
    const SafeTree::Fd parent = SafeTree::openFolderPath(QFile::encodeName(item.absolutePath()));
    if (!parent.isValid())
        return;
    const SafeTree::Fd folder = SafeTree::openFolder(parent.get(), QFile::encodeName(item.fileName()));
    if (folder.isValid())
        SafeTree::changeModesBelow(folder.get(), change);
}

QString ItemProperties::ownerName() const
{
    struct stat status;
    if (stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return QString();
    const passwd *entry = getpwuid(status.st_uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(status.st_uid);
}

void ItemProperties::fillGroups(QComboBox *groups) const
{
    struct stat status;
    if (stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return;
    QStringList names;
    for (gid_t id : groupsOfUser())
        names.append(groupName(id));
    names.append(groupName(status.st_gid));
    names.removeDuplicates();
    names.sort();
    groups->addItems(names);
    groups->setCurrentText(groupName(status.st_gid));
}

void ItemProperties::setGroup(const QString &name) const
{
    const group *entry = getgrnam(name.toLocal8Bit().constData());
    if (!entry)
        return;
    g_autoptr(GFile) file = GioFiles::fileAt(m_path);
    g_file_set_attribute_uint32(
        file, G_FILE_ATTRIBUTE_UNIX_GID, entry->gr_gid, G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
}

bool ItemProperties::rename(const QString &name)
{
    const QFileInfo item(m_path);
    if (name.isEmpty() || name == item.fileName() || name.contains(QLatin1Char('/')))
        return false;
    const QString renamed = item.absolutePath() + QLatin1Char('/') + name;
    // QFile::rename refuses an existing target, so nothing is replaced.
    if (!QFile::rename(m_path, renamed))
        return false;
    m_path = renamed;
    return true;
}

QString ItemProperties::dateText(bool accessed) const
{
    const QFileInfo item(m_path);
    return QLocale().toString(accessed ? item.lastRead() : item.lastModified(), QLocale::LongFormat);
}

QString ItemProperties::contentType() const
{
    return GioApplications::contentTypeOf(m_path);
}

QString ItemProperties::typeText() const
{
    return GioApplications::descriptionOf(contentType());
}

QString ItemProperties::location() const
{
    return QFileInfo(m_path).absolutePath();
}

QString ItemProperties::name() const
{
    return QFileInfo(m_path).fileName();
}
