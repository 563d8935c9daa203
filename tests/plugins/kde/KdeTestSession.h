// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A private KDE user for the plug-in's tests: home, configuration, data (and
// so the trash), cache and runtime folders and an applications menu, set
// before the application object exists, and the built plug-in opened as the
// program opens it.
class KdeTestSession
{
public:
    KdeTestSession();
    KdeTestSession(const KdeTestSession &) = delete;
    KdeTestSession &operator=(const KdeTestSession &) = delete;

    // dlopen with RTLD_NOW, like the program; false with errorString() set.
    bool load();
    QString errorString() const { return m_error; }

    QString homePath() const { return m_home.path(); }
    // Where KIO puts what is moved to the trash from the home's file system.
    QString trashFilesPath() const;

    // The entry point of that name, typed like its declaration.
    template<typename Function> Function resolve(const char *name) const
    {
        return reinterpret_cast<Function>(symbol(name));
    }

private:
    void *symbol(const char *name) const;

    QTemporaryDir m_home;
    void *m_handle = nullptr;
    QString m_error;
};
