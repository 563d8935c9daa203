// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDBusObjectPath>
#include <QMap>
#include <QString>
#include <QVariantMap>

// UDisks2's name on the system bus.
inline constexpr char udisks2Service[] = "org.freedesktop.UDisks2";

// What UDisks2's GetManagedObjects answers: for every object, its
// interfaces and their properties.
using UDisks2Interfaces = QMap<QString, QVariantMap>;
using UDisks2ManagedObjects = QMap<QDBusObjectPath, UDisks2Interfaces>;

// Makes the types above known to QtDBus; safe to call more than once.
void registerUDisks2Types();
