// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// One handle on a desktop's context-menu plug-in library, opened on first use
// where ModuleLoader finds it; its functions are looked up by their plain
// names.
//
// A handle is not closed on destruction: the file list keeps its handle for
// the life of the program, because the translator the plug-in installs reads
// the catalogue from the library's own memory. The pane closes its handles
// itself when it goes.
class ShellPlugin
{
public:
    enum Desktop { Kde, Gnome };

    explicit ShellPlugin(Desktop desktop);
    ShellPlugin(const ShellPlugin &) = delete;
    ShellPlugin &operator=(const ShellPlugin &) = delete;

    Desktop desktop() const { return m_desktop; }
    QString fileName() const;
    // Opens the library unless it is open; false when it cannot be loaded.
    // A library that failed once is not tried again (nor logged again).
    bool open();
    bool isOpen() const { return m_handle != nullptr; }
    void close();
    // Logs, once for this handle, why the GIO menu stands in for this one.
    void reportStandIn(const char *why);

    // Null when the library is not open or does not export name.
    template<typename Function> Function resolve(const char *name) const
    {
        return reinterpret_cast<Function>(symbol(name));
    }

private:
    void *symbol(const char *name) const;

    Desktop m_desktop;
    void *m_handle = nullptr;
    bool m_failed = false;
    bool m_standInReported = false;
};
