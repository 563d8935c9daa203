// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "TestDir.h"

#include <QString>

#include <memory>

class TL09Engine;

// A user and a device for the pane tests: a private home with its own
// configuration folder, an empty mount table, and a device mount point with
// its category folders, and an engine whose device back-end needs no bus.
// Built before any pane, so that the panes' settings and category folders
// land in it.
class PaneTestHome
{
public:
    PaneTestHome();
    ~PaneTestHome();

    bool isValid() const;
    QString homePath() const { return m_home.path(); }
    QString devicePath() const { return m_device.path(); }
    // The device's category folder of a FileBrowserMode (tr keys stand for
    // the names, as no catalogue is installed).
    QString deviceFolder(int mode) const;
    QString hostFolder(int mode) const;
    TL09Engine &engine() const { return *m_engine; }

private:
    TestDir m_home;
    TestDir m_device;
    QString m_mountTable;
    std::unique_ptr<TL09Engine> m_engine;
};
