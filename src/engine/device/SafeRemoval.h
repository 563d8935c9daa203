// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDBusPendingCall>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// Takes the device volume out so that it can be unplugged: writes out what
// is still cached for it, has the device service (UDisks2 or HAL) unmount
// it, then powers the drive off where the drive allows it. Reports once,
// always from the event loop, and then deletes itself.
class SafeRemoval : public QObject
{
    Q_OBJECT

public:
    // The service's calls: unmount, and power off (empty where the drive
    // cannot); and the error unmount answers for a volume not mounted,
    // which is as good as unmounted.
    struct Calls
    {
        std::function<QDBusPendingCall()> unmount;
        std::function<QDBusPendingCall()> powerOff;
        QString notMounted;
    };

    SafeRemoval(const QString &mountPoint, const Calls &calls, QObject *parent = nullptr);
    ~SafeRemoval() override;

    void start();

signals:
    // error is empty when the volume is unmounted and the device may be
    // unplugged; otherwise the name of the error the service gave.
    void finished(const QString &error);

private:
    void unmount();
    void unmounted(const QDBusPendingCall &reply);
    void poweredOff(const QDBusPendingCall &reply);
    void whenAnswered(const QDBusPendingCall &call, void (SafeRemoval::*handler)(const QDBusPendingCall &));
    void finish(const QString &error);

    const QString m_mountPoint;
    const Calls m_calls;
    std::unique_ptr<QThread> m_flush;
};
