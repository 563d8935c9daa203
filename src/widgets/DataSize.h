// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Sizes as the desktop writes them: decimal units (1 kB is 1000 bytes), the
// numbers in the format of the default locale and the units in the user's
// language.
class DataSize
{
    Q_DECLARE_TR_FUNCTIONS(DataSize)

public:
    // With three significant digits from a kilobyte on: "512 bytes",
    // "3.15 MB", "48.2 MB", "120 MB", "1.23 GB".
    static QString text(quint64 bytes);
    // With two significant digits, in megabytes below a gigabyte, as a
    // desktop gives the space of a disk: "850 MB", "1.2 GB", "12 GB"; less
    // than a megabyte, but not nothing, as text() writes it.
    static QString storage(quint64 bytes);
};
