// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/device/UDisks2Backend.h"

#include <QObject>
#include <QThread>

#include <memory>

class QDBusPendingCall;

// Takes the device volume out so that it can be unplugged: writes out what
// is still cached for it, has UDisks2 unmount it, then powers the drive off
// where the drive allows it. Reports once, always from the event loop, and
// then deletes itself.
class SafeRemoval : public QObject
{
    Q_OBJECT

public:
    SafeRemoval(const UDisks2Backend::Volume &volume, QObject *parent = nullptr);
    ~SafeRemoval() override;

    void start();

signals:
    // error is empty when the volume is unmounted and the device may be
    // unplugged; otherwise the name of the error UDisks2 gave.
    void finished(const QString &error);

private:
    void unmount();
    void unmounted(const QDBusPendingCall &reply);
    void poweredOff(const QDBusPendingCall &reply);
    void whenAnswered(const QDBusPendingCall &call, void (SafeRemoval::*handler)(const QDBusPendingCall &));
    void finish(const QString &error);

    UDisks2Backend::Volume m_volume;
    std::unique_ptr<QThread> m_flush;
};
