// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDBusObjectPath>
#include <QMap>
#include <QString>
#include <QVariantMap>

// What UDisks2's GetManagedObjects answers: for every object, its
// interfaces and their properties.
using UDisks2Interfaces = QMap<QString, QVariantMap>;
using UDisks2ManagedObjects = QMap<QDBusObjectPath, UDisks2Interfaces>;

// Makes the types above known to QtDBus; safe to call more than once.
void registerUDisks2Types();
