// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

// The icons of the folder tree and the file list. Both views take their
// icons from this one type, so that a desktop-specific look can be given to
// both in one place. Folders, drives and the computer look as the toolkit
// has them; a file shows the desktop's icon of its type.
class IconProvider : public QFileIconProvider
{
public:
    IconProvider() = default;

    // The one provider of the program. The file lists' background listers
    // ask it for icons until their models are gone, so it is never freed.
    static IconProvider *shared()
    {
        static auto *provider = new IconProvider;
        return provider;
    }

    using QFileIconProvider::icon;
    // A file's type is told by its name alone: a device's files are never
    // opened for an icon. The icon theme's icon of the type, else of its
    // kind (audio, document ...), else our own file icon.
    QIcon icon(const QFileInfo &info) const override;

private:
    QMimeDatabase m_types;
};
