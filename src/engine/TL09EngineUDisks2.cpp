// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's seam to UDisks2: the back-end is made on first need and
// reports a removal through the same slot as HAL.
#include "engine/TL09Engine.h"

#include "engine/device/UDisks2Backend.h"

UDisks2Backend *TL09Engine::udisks2()
{
    if (!UDisks2Backend::isInCharge())
        return nullptr;
    if (!m_udisks2) {
        m_udisks2 = new UDisks2Backend(this);
        connect(m_udisks2, &UDisks2Backend::deviceRemoved, this, &TL09Engine::delDevice);
    }
    return m_udisks2;
}

SafeRemoval *TL09Engine::safelyRemoveDevice()
{
    UDisks2Backend *backend = udisks2();
    return backend ? backend->safelyRemoveDevice() : nullptr;
}
