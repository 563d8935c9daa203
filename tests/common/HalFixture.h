// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "HalDescription.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A private D-Bus bus standing in for the system bus, and the HAL simulator
// on it, for tests that talk to HAL. Create it in initTestCase and call
// startBus() before anything in the process touches
// QDBusConnection::systemBus(): the process's system bus address is pointed
// at the private bus. Both processes end with the fixture, and with the test
// process should it die.
class HalFixture
{
public:
    HalFixture();
    ~HalFixture();
    HalFixture(const HalFixture &) = delete;
    HalFixture &operator=(const HalFixture &) = delete;

    bool startBus();
    // Starts (or restarts) the simulator with the device tree and waits until
    // it serves.
    bool startSimulator(const HalDescription &description);
    bool startSimulator(const QByteArray &descriptionJson);
    void stopSimulator();

    QString busAddress() const { return m_address; }
    // Why the last start or control call failed.
    QString errorString() const { return m_error; }
    // The fixture's own connection to the private bus.
    QDBusConnection connection() const;

    // The simulator's control interface; device names as in the description.
    bool plug(const QString &device);
    bool unplug(const QString &device);
    bool mount(const QString &device);
    bool unmount(const QString &device);
    QStringList list();
    QStringList mountOptions(const QString &device);
    // While held, the simulator answers no Mount call; releasing answers them.
    bool holdMounts(bool hold);

private:
    bool control(const QString &method, const QString &device);
    QStringList controlList(const QString &method, const QVariantList &arguments);
    QDBusMessage callControl(const QString &method, const QVariantList &arguments);
    static void stop(QProcess &process);
    void waitUntilNameReleased();

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_simulator;
    QString m_address;
    QString m_connectionName;
    QString m_error;
};
