// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/plugins/ShellPlugin.h"

#include "base/LogCategories.h"
#include "base/ModuleLoader.h"

#include <dlfcn.h>

ShellPlugin::ShellPlugin(Desktop desktop)
    : m_desktop(desktop)
{ }

QString ShellPlugin::fileName() const
{
    return m_desktop == Kde ? QStringLiteral("libKdeShellMenu.so") : QStringLiteral("libgtkShellMenu.so");
}

bool ShellPlugin::open()
{
    if (m_handle)
        return true;
    if (m_failed)
        return false;
    m_handle = ModuleLoader::open(fileName(), RTLD_NOW);
    m_failed = m_handle == nullptr;
    return !m_failed;
}

void ShellPlugin::close()
{
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

void ShellPlugin::reportStandIn(const char *why)
{
    if (m_standInReported)
        return;
    m_standInReported = true;
    qCWarning(lcPlugins, "%s %s: the GIO context menu is offered instead", qUtf8Printable(fileName()), why);
}

void *ShellPlugin::symbol(const char *name) const
{
    return ModuleLoader::symbol(m_handle, name);
}
