// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The one line the process writes to standard error for a Qt message.
QByteArray formatMessageLine(QtMsgType type, const QString &text);

// Process-wide Qt message handler: writes formatMessageLine() to standard
// error and nothing else. A fatal message still ends the process through Qt's
// own handling once this returns.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);
