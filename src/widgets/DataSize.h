// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// A number of bytes as people read it: in decimal units as the desktop
// shows them ("48.2 MB", "800 MB", "1.23 GB"), three significant digits, in
// the language's number format and unit names.
class DataSize
{
    Q_DECLARE_TR_FUNCTIONS(DataSize)

public:
    static QString text(qint64 bytes);
};
