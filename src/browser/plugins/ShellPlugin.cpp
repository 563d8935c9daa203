// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/plugins/ShellPlugin.h"

#include "base/Logger.h"

#include <QFile>

#include <dlfcn.h>

ShellPlugin::ShellPlugin(Desktop desktop)
    : m_desktop(desktop)
{ }

QString ShellPlugin::folder()
{
    const QString fromEnvironment = qEnvironmentVariable("OPALO_PLUGIN_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment + QLatin1Char('/');
    return QStringLiteral(OPALO_LIB_DIR);
}

QString ShellPlugin::libraryPath() const
{
    return folder()
        + (m_desktop == Kde ? QLatin1String("libKdeShellMenu.so") : QLatin1String("libgtkShellMenu.so"));
}

bool ShellPlugin::open()
{
    if (m_handle)
        return true;
    m_handle = dlopen(QFile::encodeName(libraryPath()).constData(), RTLD_NOW);
    if (!m_handle)
        Logger::instance()->log("plug-in not loaded: %s", dlerror());
    return m_handle != nullptr;
}

void ShellPlugin::close()
{
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

void *ShellPlugin::symbol(const char *name) const
{
    if (!m_handle)
        return nullptr;
    dlerror();
    void *found = dlsym(m_handle, name);
    if (const char *error = dlerror()) {
        Logger::instance()->log("plug-in symbol missing: %s", error);
        return nullptr;
    }
    return found;
}
