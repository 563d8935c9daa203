// SPDX-License-Identifier: GPL-2.0-or-later
#include "KdeTestSession.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

KdeTestSession::KdeTestSession()
{
    const QDir home(m_home.path());
    const struct
    {
        const char *variable;
        const char *folder;
    } folders[] = {
        { "XDG_CONFIG_HOME", ".config" },
        { "XDG_DATA_HOME", ".local/share" },
        { "XDG_CACHE_HOME", ".cache" },
        { "XDG_RUNTIME_DIR", "runtime" },
    };
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const auto &folder : folders) {
        const QString path = home.filePath(QLatin1String(folder.folder));
        home.mkpath(path);
        qputenv(folder.variable, QFile::encodeName(path));
    }
    QFile::setPermissions(
        home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // KDE Frameworks 6 know only the applications that the desktop's menu
    // lists (a Plasma session names its own through XDG_MENU_PREFIX): this
    // user's menu lists all of them.
    qunsetenv("XDG_MENU_PREFIX");
    home.mkpath(QStringLiteral(".config/menus"));
    QFile menu(home.filePath(QStringLiteral(".config/menus/applications.menu")));
    if (menu.open(QIODevice::WriteOnly))
        menu.write("<!DOCTYPE Menu>\n"
                   "<Menu><Name>Applications</Name><DefaultAppDirs/><Include><All/></Include></Menu>\n");
}

// The library stays open: widgets it made live until the process ends.
bool KdeTestSession::load()
{
    m_handle = dlopen(KDE_SHELL_MENU_PATH, RTLD_NOW);
    if (!m_handle)
        m_error = QString::fromLocal8Bit(dlerror());
    return m_handle != nullptr;
}

QString KdeTestSession::trashFilesPath() const
{
    return m_home.path() + QStringLiteral("/.local/share/Trash/files");
}

void *KdeTestSession::symbol(const char *name) const
{
    return m_handle ? dlsym(m_handle, name) : nullptr;
}
