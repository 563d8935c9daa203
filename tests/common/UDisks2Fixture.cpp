// SPDX-License-Identifier: GPL-2.0-or-later
#include "UDisks2Fixture.h"

#include "TiedProcess.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Names of everything the fixture makes carry this mark, so that a later
// run can tell its leftovers from what belongs to the machine.
const QString mark = QStringLiteral("opalo-udisks2-test");
const QString rulePath = QStringLiteral("/run/udev/rules.d/99-opalo-udisks2-test.rules");
const QString udisksd = QStringLiteral("/usr/libexec/udisks2/udisksd");
const QString polkitd = QStringLiteral("/usr/lib/polkit-1/polkitd");
const QString udevd = QStringLiteral("/lib/systemd/systemd-udevd");
const QString udisks2Name = QStringLiteral("org.freedesktop.UDisks2");
const QString polkitName = QStringLiteral("org.freedesktop.PolicyKit1");
// Folders the daemons create when they are missing: their state under /run,
// and where UDisks2 mounts for root. The latter is only ever removed empty,
// lest a mount still inside lose its files.
const char *const daemonFolders[] = { "/run/udev", "/run/udisks2", "/run/mount", "/media/root" };
// Lists, in the fixture's folder, those that this run created.
const QString createdFoldersFile = QStringLiteral("created-folders");
const int timeoutMs = 10000;
const qint64 imageSize = 16 << 20;

// The program's standard output when it ends with status 0.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

bool succeeds(const QString &program, const QStringList &arguments)
{
    return run(program, arguments).has_value();
}

// Daemons tell of trouble on their standard error, which the test's log
// shows.
void startTied(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    TiedProcess::start(process, program, arguments);
}

bool reloadRules()
{
    return succeeds(QStringLiteral("udevadm"), { QStringLiteral("control"), QStringLiteral("--reload") });
}

bool udevdAnswers()
{
    QProcess ping;
    ping.setStandardErrorFile(QProcess::nullDevice());
    ping.start(QStringLiteral("udevadm"), { QStringLiteral("control"), QStringLiteral("--ping") });
    return ping.waitForFinished(timeoutMs) && ping.exitStatus() == QProcess::NormalExit
        && ping.exitCode() == 0;
}

// Mount points by device, from the kernel's table.
QStringList mountPointsOf(const QString &device)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    QStringList points;
    if (!mounts.open(QIODevice::ReadOnly))
        return points;
    for (const QByteArray &line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 1 && QFile::decodeName(fields.at(0)) == device)
            points << QFile::decodeName(fields.at(1));
    }
    return points;
}

} // namespace

UDisks2Fixture::UDisks2Fixture()
    : m_dir(QDir::temp().filePath(mark + QLatin1String("-XXXXXX")))
{
    static int count = 0;
    m_connectionName = QStringLiteral("opalo-udisks2-fixture-%1").arg(++count);
}

UDisks2Fixture::~UDisks2Fixture()
{
    unplugAll();
    QDBusConnection::disconnectFromBus(m_connectionName);
    stop(m_udisksd);
    stop(m_polkitd);
    stop(m_bus);
    QFile::remove(rulePath);
    if (m_udevd.state() != QProcess::NotRunning)
        stop(m_udevd);
    else if (udevdAnswers())
        reloadRules();
    removeFolders(m_createdFolders);
    if (m_loopLock >= 0)
        ::close(m_loopLock);
}

bool UDisks2Fixture::start()
{
    if (!canRun())
        return false;
    if (!lockLoopDevices())
        return false;
    removeLeftovers();
    for (const char *folder : daemonFolders) {
        if (!QFileInfo::exists(QLatin1String(folder)))
            m_createdFolders << QLatin1String(folder);
    }
    // Should this run crash, the next one learns from here what to remove.
    QFile created(m_dir.filePath(createdFoldersFile));
    if (!created.open(QIODevice::WriteOnly)
        || created.write(m_createdFolders.join(QLatin1Char('\n')).toUtf8()) < 0)
        return fail(QStringLiteral("cannot write %1").arg(created.fileName()));
    created.close();
    if (!probeLoopMount())
        return false;
    return startUdevd() && startBus() && startPolkitd() && startDaemon(m_udisksd, udisksd, {}, udisks2Name);
}

bool UDisks2Fixture::canRun()
{
    if (geteuid() != 0) {
        m_skipReason = QStringLiteral("needs root: loop devices, mounts and udevd");
        return false;
    }
    const QStringList needed = { udisksd, polkitd, QStringLiteral("/dev/loop-control") };
    for (const QString &file : needed) {
        if (!QFileInfo::exists(file)) {
            m_skipReason = QStringLiteral("%1 is missing").arg(file);
            return false;
        }
    }
    if (!udevdAnswers() && !QFileInfo::exists(udevd)) {
        m_skipReason = QStringLiteral("no udevd answers and %1 is missing").arg(udevd);
        return false;
    }
    return true;
}

// Loop devices and their uevents are the kernel's: a run in another
// container on this machine (CI runs two distributions side by side) sees
// this run's disks, and its udev and UDisks2 act on them, or its start
// takes them for leftovers. Containers that may attach loop devices share
// the machine's /dev/loop-control, and a lock on it lets one run go at a
// time.
bool UDisks2Fixture::lockLoopDevices()
{
    m_loopLock = ::open("/dev/loop-control", O_RDONLY | O_CLOEXEC);
    while (m_loopLock < 0 || ::flock(m_loopLock, LOCK_EX) != 0) {
        if (m_loopLock < 0 || errno != EINTR)
            return fail(QStringLiteral("cannot lock /dev/loop-control: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    return true;
}

// Where loop devices cannot be attached or ext4 cannot be mounted (a
// container without the rights), nothing else could work.
bool UDisks2Fixture::probeLoopMount()
{
    const QString image = makeImage(QStringLiteral("probe"));
    const std::optional<QByteArray> device = image.isEmpty()
        ? std::nullopt
        : run(QStringLiteral("losetup"), { QStringLiteral("-f"), QStringLiteral("--show"), image });
    if (!device) {
        m_skipReason = QStringLiteral("no loop device can be attached here");
        return false;
    }
    const QString loop = QString::fromLocal8Bit(*device).trimmed();
    const QString folder = m_dir.filePath(QStringLiteral("probe"));
    QDir().mkpath(folder);
    const bool mounted = succeeds(QStringLiteral("mount"), { loop, folder });
    detach(loop);
    if (!mounted)
        m_skipReason = QStringLiteral("ext4 on a loop device cannot be mounted here");
    return mounted;
}

bool UDisks2Fixture::startUdevd()
{
    QDir().mkpath(QFileInfo(rulePath).path());
    if (!udevdAnswers()) {
        startTied(m_udevd, udevd, {});
        QElapsedTimer timer;
        timer.start();
        while (!udevdAnswers()) {
            if (timer.hasExpired(timeoutMs))
                return fail(QStringLiteral("udevd did not start"));
            QThread::msleep(50);
        }
    }
    return true;
}

bool UDisks2Fixture::startBus()
{
    // polkitd gives up root, and must still reach the bus's socket here.
    QFile::setPermissions(m_dir.path(),
        QFile::permissions(m_dir.path()) | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::ExeOther);
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(config));
    file.write(
        QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                       " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                       "<busconfig><type>system</type><listen>unix:dir=%1</listen><auth>EXTERNAL</auth>\n"
                       "<policy context=\"default\"><allow user=\"*\"/><allow own=\"*\"/>"
                       "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/></policy></busconfig>\n")
            .arg(m_dir.path())
            .toUtf8());
    file.close();
    startTied(m_bus, QStringLiteral("dbus-daemon"),
        { QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
            QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1") });
    m_address = TiedProcess::firstLine(m_bus, timeoutMs);
    if (m_address.isEmpty())
        return fail(QStringLiteral("dbus-daemon did not start"));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}

bool UDisks2Fixture::startPolkitd()
{
    return startDaemon(m_polkitd, polkitd, { QStringLiteral("--no-debug") }, polkitName);
}

bool UDisks2Fixture::startDaemon(
    QProcess &process, const QString &program, const QStringList &arguments, const QString &busName)
{
    startTied(process, program, arguments);
    if (!waitForName(busName, true))
        return fail(QStringLiteral("%1 did not take %2 on the bus").arg(program, busName));
    return true;
}

bool UDisks2Fixture::waitForName(const QString &name, bool owned)
{
    QDBusConnectionInterface *bus = connection().interface();
    QElapsedTimer timer;
    timer.start();
    while (bus->isServiceRegistered(name).value() != owned) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(20);
    }
    return true;
}

QDBusConnection UDisks2Fixture::connection() const
{
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

QString UDisks2Fixture::makeImage(const QString &name)
{
    const QString image = m_dir.filePath(QStringLiteral("%1-%2-%3.img").arg(mark, name).arg(++m_images));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(imageSize))
        return QString();
    file.close();
    if (!succeeds(QStringLiteral("mkfs.ext4"), { QStringLiteral("-q"), QStringLiteral("-L"), name, image }))
        return QString();
    return image;
}

QString UDisks2Fixture::plug(const QString &name, int vendor, int product)
{
    const QString image = makeImage(name);
    if (image.isEmpty() || (vendor != 0 && !writeRule(image, name, vendor, product))) {
        fail(QStringLiteral("cannot make the image of %1").arg(name));
        return QString();
    }
    const std::optional<QByteArray> attached
        = run(QStringLiteral("losetup"), { QStringLiteral("-f"), QStringLiteral("--show"), image });
    if (!attached) {
        fail(QStringLiteral("cannot attach %1").arg(image));
        return QString();
    }
    const QString device = QString::fromLocal8Bit(*attached).trimmed();
    m_devices << device;
    if (!addedWithRule(device, vendor != 0) || !waitForFileSystem(device, vendor != 0)) {
        fail(QStringLiteral("UDisks2 does not show the file system of %1").arg(device));
        return QString();
    }
    return device;
}

// Every disk gets a rule matching its own image; the rules of disks gone
// meanwhile match nothing any more.
bool UDisks2Fixture::writeRule(const QString &image, const QString &name, int vendor, int product)
{
    QFile rules(rulePath);
    if (!rules.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    rules.write(QStringLiteral("SUBSYSTEM==\"block\", KERNEL==\"loop*\", ENV{DEVTYPE}==\"disk\", "
                               "ATTR{loop/backing_file}==\"%1\", ENV{ID_VENDOR}=\"Vantora\", "
                               "ENV{ID_MODEL}=\"OPALO\", ENV{ID_SERIAL}=\"Vantora_OPALO_%2\", "
                               "ENV{ID_VENDOR_ID}=\"%3\", ENV{ID_MODEL_ID}=\"%4\", ENV{UDISKS_AUTO}=\"1\", "
                               "ENV{UDISKS_SYSTEM}=\"0\"\n")
            .arg(image, name + QString::number(m_images))
            .arg(vendor, 4, 16, QLatin1Char('0'))
            .arg(product, 4, 16, QLatin1Char('0'))
            .toUtf8());
    rules.close();
    return reloadRules();
}

// udevd now and then drops a control message (the reload of the rules) that
// reaches it before it has asked for the sender's credentials on the new
// connection; the disk then comes without its USB identity, and the reload
// is sent again.
bool UDisks2Fixture::addedWithRule(const QString &device, bool ruled)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0 && !reloadRules())
            return false;
        succeeds(QStringLiteral("udevadm"),
            { QStringLiteral("trigger"), QStringLiteral("--action=add"), QStringLiteral("--settle"),
                device });
        const std::optional<QByteArray> properties = run(QStringLiteral("udevadm"),
            { QStringLiteral("info"), QStringLiteral("--query=property"), device });
        if (!ruled || properties.value_or(QByteArray()).contains("\nID_VENDOR_ID="))
            return true;
    }
    return false;
}

bool UDisks2Fixture::waitForFileSystem(const QString &device, bool withDrive)
{
    auto property = [this, &device](const QString &name) {
        QDBusMessage get = QDBusMessage::createMethodCall(udisks2Name, blockObject(device),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get.setArguments({ QStringLiteral("org.freedesktop.UDisks2.Block"), name });
        const QDBusMessage reply = connection().call(get);
        return reply.arguments().isEmpty() ? QVariant()
                                           : reply.arguments().constFirst().value<QDBusVariant>().variant();
    };
    QElapsedTimer timer;
    timer.start();
    while (property(QStringLiteral("IdUsage")).toString() != QLatin1String("filesystem")
        || (withDrive
            && property(QStringLiteral("Drive")).value<QDBusObjectPath>().path() == QLatin1String("/"))) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool UDisks2Fixture::unplug(const QString &device)
{
    const bool removed = succeeds(QStringLiteral("udevadm"),
        { QStringLiteral("trigger"), QStringLiteral("--action=remove"), QStringLiteral("--settle"), device });
    detach(device);
    m_devices.removeAll(device);
    return removed;
}

void UDisks2Fixture::unplugAll(const QStringList &kept)
{
    const QStringList devices = m_devices;
    for (const QString &device : devices) {
        if (!kept.contains(device))
            unplug(device);
    }
}

// Undoes the device's mounts, with the folders UDisks2 made for them, and
// frees the loop device.
void UDisks2Fixture::detach(const QString &device)
{
    for (const QString &point : mountPointsOf(device)) {
        QProcess::execute(QStringLiteral("umount"), { QStringLiteral("-l"), point });
        if (point.startsWith(QLatin1String("/media/")))
            QDir().rmdir(point);
    }
    QProcess::execute(QStringLiteral("losetup"), { QStringLiteral("-d"), device });
}

void UDisks2Fixture::removeLeftovers()
{
    const std::optional<QByteArray> loops = run(QStringLiteral("losetup"),
        { QStringLiteral("-n"), QStringLiteral("-l"), QStringLiteral("-O"),
            QStringLiteral("NAME,BACK-FILE") });
    for (const QByteArray &line : loops.value_or(QByteArray()).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 1 && fields.at(1).contains(mark.toLatin1()))
            detach(QString::fromLocal8Bit(fields.at(0)));
    }
    QFile::remove(rulePath);
    const QDir temp = QDir::temp();
    for (const QString &name : temp.entryList({ mark + QLatin1String("-*") }, QDir::Dirs)) {
        const QString folder = temp.filePath(name);
        if (folder == m_dir.path())
            continue;
        QFile created(QDir(folder).filePath(createdFoldersFile));
        if (created.open(QIODevice::ReadOnly)) {
            QStringList folders
                = QString::fromUtf8(created.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            // A udevd that answers now is somebody else's, and so is its folder.
            if (udevdAnswers())
                folders.removeAll(QStringLiteral("/run/udev"));
            removeFolders(folders);
        }
        QDir(folder).removeRecursively();
    }
}

void UDisks2Fixture::removeFolders(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (folder.startsWith(QLatin1String("/run/")))
            QDir(folder).removeRecursively();
        else
            QDir().rmdir(folder);
    }
}

QString UDisks2Fixture::blockObject(const QString &device)
{
    return QLatin1String("/org/freedesktop/UDisks2/block_devices/") + QFileInfo(device).fileName();
}

QString UDisks2Fixture::mountThroughUDisks2(const QString &device)
{
    QDBusMessage mount = QDBusMessage::createMethodCall(udisks2Name, blockObject(device),
        QStringLiteral("org.freedesktop.UDisks2.Filesystem"), QStringLiteral("Mount"));
    mount.setArguments({ QVariantMap() });
    const QDBusMessage reply = connection().call(mount);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        fail(reply.errorName() + QLatin1String(": ") + reply.errorMessage());
        return QString();
    }
    return reply.arguments().constFirst().toString();
}

bool UDisks2Fixture::mountDirectly(const QString &device, const QString &folder)
{
    return succeeds(QStringLiteral("mount"), { device, folder });
}

QString UDisks2Fixture::mountPointOf(const QString &device)
{
    return mountPointsOf(device).value(0);
}

bool UDisks2Fixture::denyAuthorizations()
{
    stop(m_polkitd);
    if (!waitForName(polkitName, false))
        return fail(QStringLiteral("polkitd did not leave the bus"));
    // The template refuses every action it is not told to allow.
    m_refusing = true;
    return startDaemon(m_polkitd, QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
            QStringLiteral("polkitd"), QStringLiteral("--system") },
        polkitName);
}

bool UDisks2Fixture::allowAuthorizations()
{
    if (!m_refusing)
        return true;
    m_refusing = false;
    stop(m_polkitd);
    return waitForName(polkitName, false) && startPolkitd();
}

int UDisks2Fixture::refusedAuthorizations()
{
    QDBusMessage get
        = QDBusMessage::createMethodCall(polkitName, QStringLiteral("/org/freedesktop/PolicyKit1/Authority"),
            QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetMethodCalls"));
    get.setArguments({ QStringLiteral("CheckAuthorization") });
    const QDBusMessage reply = connection().call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    // An array of (time, arguments) pairs: only their number counts.
    const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
    int count = 0;
    calls.beginArray();
    while (!calls.atEnd()) {
        calls.beginStructure();
        quint64 time;
        QVariantList arguments;
        calls >> time >> arguments;
        calls.endStructure();
        ++count;
    }
    calls.endArray();
    return count;
}

bool UDisks2Fixture::fail(const QString &error)
{
    m_error = error;
    return false;
}

void UDisks2Fixture::stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}
