// SPDX-License-Identifier: GPL-2.0-or-later
#include "PaneTestHome.h"

#include "FakeDeviceBackend.h"
#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "browser/views/BrowserTreeModel.h"
#include "engine/TL09Engine.h"

#include <QDir>
#include <QFile>

PaneTestHome::PaneTestHome()
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".cache"))));
    m_mountTable = m_home.createFile(QStringLiteral("mtab"));
    BrowserTreeModel::setMountTables({ m_mountTable });
    setMountPoint(m_device.path());
    auto *backend = new FakeDeviceBackend;
    m_engine = std::make_unique<TL09Engine>(backend);
    backend->plug(m_device.path());
    m_engine->checkDeviceFolders();
}

PaneTestHome::~PaneTestHome()
{
    m_engine.reset();
    setMountPoint(QString());
}

bool PaneTestHome::isValid() const
{
    return m_home.isValid() && m_device.isValid() && !m_mountTable.isEmpty();
}

namespace {

QString categoryFolder(int side, int mode)
{
    switch (mode) {
    case DocumentsMode:
        return MediaCategories::folder(side, DocumentsMode);
    case PicturesMode:
        return MediaCategories::folder(side, PicturesMode);
    case MusicMode:
        return MediaCategories::folder(side, MusicMode);
    default:
        return MediaCategories::folder(side, MovieMode);
    }
}

} // namespace

QString PaneTestHome::deviceFolder(int mode) const
{
    return QDir::cleanPath(categoryFolder(ExternalDeviceMode, mode));
}

QString PaneTestHome::hostFolder(int mode) const
{
    return QDir::cleanPath(categoryFolder(HostMode, mode));
}
