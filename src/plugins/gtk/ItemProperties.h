// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/SessionCommands.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QComboBox;
class QLabel;

// What both properties dialogs read from and change on their item. Modes
// are set with chmod(2) and nothing ever reaches a shell.
class ItemProperties
{
    Q_DECLARE_TR_FUNCTIONS(ItemProperties)

public:
    void setPath(const QString &path) { m_path = path; }
    const QString &path() const { return m_path; }

    mode_t mode() const;
    // Whether the user may change the item's permissions.
    bool mayChange() const;
    // Applies change to the item's own mode.
    void change(const ModeChange &change) const;
    // Applies change to everything the folder holds, hidden entries
    // included, from the folder's own descriptor down: links are neither
    // changed nor followed, and a folder swapped for a link meanwhile is
    // left alone. change is given each entry's mode with its type.
    void changeEnclosed(const ModeChange &change) const;

    QString ownerName() const;
    // The user's groups (every group for the super-user), the item's own
    // group among them, selected.
    void fillGroups(QComboBox *groups) const;
    void setGroup(const QString &name) const;

    // Renames the item within its folder, never over another item; false
    // when the name is empty, unchanged or refused.
    bool rename(const QString &name);

    QString dateText(bool accessed) const;
    QString contentType() const;
    QString typeText() const;
    QString location() const;
    QString name() const;

private:
    QString m_path;
};
