// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/UDisks2Types.h"

#include <QDBusMetaType>

void registerUDisks2Types()
{
    qDBusRegisterMetaType<UDisks2Interfaces>();
    qDBusRegisterMetaType<UDisks2ManagedObjects>();
    qDBusRegisterMetaType<QByteArrayList>();
}
