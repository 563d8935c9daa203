// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Work that a higher layer has the engine's thread do after each data
// collection (not after the silent refresh that follows a copy): the
// bookmark models read their stores there. The engine knows only this hook,
// never the models behind it.
class CollectionHook
{
public:
    virtual ~CollectionHook() = default;

    // Runs on the engine's thread while the hook stays registered: the
    // engine holds unregistering back until it returns.
    virtual void reload() = 0;
};
