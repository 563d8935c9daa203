// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFileIconProvider>

// The icons of the folder tree and the file list. Both views take their
// icons from this one type, so that a desktop-specific look can be given to
// both in one place; today it answers as the toolkit's provider does.
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
};
