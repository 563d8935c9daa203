// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The real UDisks2 service on a private system bus, with polkitd and udevd,
// over loop disks made from ext4 images: a desktop with USB sticks plugged
// in, for tests of the UDisks2 back-end. It needs root and loop devices;
// start() tells why it cannot run where they are missing.
//
// Everything it makes goes with it, also when a test fails: loop devices,
// mounts, the udev rule, the daemons (tied to the test process, so a crash
// takes them along) and the folders they create. Loop devices, mounts and
// the rule are machine-wide, so start() first removes what an earlier run
// that crashed left of them; only one run can go at a time, and start()
// waits for any other to end, also one in another container on the same
// kernel.
class UDisks2Fixture
{
public:
    UDisks2Fixture();
    ~UDisks2Fixture();
    UDisks2Fixture(const UDisks2Fixture &) = delete;
    UDisks2Fixture &operator=(const UDisks2Fixture &) = delete;

    // Points the process's system bus at the private bus; call it before
    // anything touches QDBusConnection::systemBus(). False with
    // skipReason() where the machine cannot run it, with errorString()
    // where it should have and did not.
    bool start();
    QString skipReason() const { return m_skipReason; }
    QString errorString() const { return m_error; }
    QDBusConnection connection() const;

    // Attaches a new ext4 image as a loop disk, labelled name, which udev
    // gives the USB identifiers (none when vendor is 0), and waits until
    // UDisks2 shows its file system. Returns the loop device, or an empty
    // string.
    QString plug(const QString &name, int vendor = 0, int product = 0);
    // Pulls the disk out as far as UDisks2 can tell (udev removes it), then
    // undoes its mount and frees the loop device.
    bool unplug(const QString &device);
    // Frees every disk plugged so far but those kept.
    void unplugAll(const QStringList &kept = QStringList());
    static QString blockObject(const QString &device);

    // Mounts as the desktop's automounter does, through UDisks2; returns the
    // mount point or an empty string.
    QString mountThroughUDisks2(const QString &device);
    // Mounts as an administrator does, without UDisks2.
    bool mountDirectly(const QString &device, const QString &folder);
    // Where the device is mounted, empty when it is not.
    static QString mountPointOf(const QString &device);

    // Replaces polkitd by a stand-in that refuses every action, and back
    // (nothing to do when it is not refusing).
    bool denyAuthorizations();
    bool allowAuthorizations();
    // How often the refusing stand-in was asked.
    int refusedAuthorizations();

private:
    bool canRun();
    bool lockLoopDevices();
    bool probeLoopMount();
    bool startUdevd();
    bool startBus();
    bool startPolkitd();
    bool startDaemon(
        QProcess &process, const QString &program, const QStringList &arguments, const QString &busName);
    bool waitForName(const QString &name, bool owned);
    bool addedWithRule(const QString &device, bool ruled);
    bool waitForFileSystem(const QString &device, bool withDrive);
    bool writeRule(const QString &image, const QString &name, int vendor, int product);
    bool fail(const QString &error);
    QString makeImage(const QString &name);
    void detach(const QString &device);
    void removeLeftovers();
    static void removeFolders(const QStringList &folders);
    void stop(QProcess &process);

    QTemporaryDir m_dir;
    QProcess m_udevd;
    QProcess m_bus;
    QProcess m_polkitd;
    QProcess m_udisksd;
    QString m_address;
    QString m_connectionName;
    QStringList m_devices;
    QStringList m_createdFolders;
    QString m_skipReason;
    QString m_error;
    int m_images = 0;
    int m_loopLock = -1;
    bool m_refusing = false;
};
