// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/ModuleLoader.h"

#include "base/LogCategories.h"
#include "base/SessionCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

bool ModuleLoader::runsInstalled()
{
    const QFileInfo program(QStringLiteral("/proc/self/exe"));
    return QFileInfo(program.symLinkTarget()).absolutePath()
        == QDir::cleanPath(QStringLiteral(OPALO_BIN_DIR));
}

QString ModuleLoader::folder()
{
    const QString fromEnvironment = qEnvironmentVariable("OPALO_PLUGIN_DIR");
    if (!fromEnvironment.isEmpty() && !(isRootUser() && runsInstalled()))
        return fromEnvironment + QLatin1Char('/');
    return QStringLiteral(OPALO_LIB_DIR);
}

QString ModuleLoader::path(const QString &fileName)
{
    return folder() + fileName;
}

void *ModuleLoader::open(const QString &fileName, int flags)
{
    const QString file = path(fileName);
    void *handle = dlopen(QFile::encodeName(file).constData(), flags);
    if (!handle)
        qCWarning(lcPlugins, "%s not loaded: %s", qUtf8Printable(file), dlerror());
    return handle;
}

void *ModuleLoader::symbol(void *handle, const char *name)
{
    if (!handle)
        return nullptr;
    dlerror();
    void *found = dlsym(handle, name);
    if (const char *error = dlerror()) {
        qCWarning(lcPlugins, "%s", error);
        return nullptr;
    }
    return found;
}
