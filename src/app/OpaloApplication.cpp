// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/OpaloApplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Without a runtime folder the lock goes into a folder of this user's own in
// the shared temporary folder: a lock at a fixed name there could be made
// first by any other local user, who would then keep this one from starting.
QString privateTemporaryFolder()
{
    const QString folder = QDir::tempPath() + QLatin1String("/OpaloSync-") + QString::number(getuid());
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return QString();
    struct stat status;
    if (lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != geteuid()
        || (status.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return QString();
    return folder;
}

// The super-user started with sudo may still name the user's runtime folder:
// a file of the super-user's there would be in that user's way.
bool ownedByThisUser(const QByteArray &folder)
{
    struct stat status;
    return stat(folder.constData(), &status) == 0 && status.st_uid == geteuid();
}

// What a second start says to the running instance, and its answer once
// its window has been brought forward.
const char callRequest[] = "forward\n";
const char callAnswer[] = "done\n";
const int callTimeoutMs = 3000;

const char *lockErrorText(QLockFile::LockError error)
{
    return error == QLockFile::LockFailedError ? "it names no owner" : "it cannot be written";
}

} // namespace

OpaloApplication::OpaloApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    takeInstanceLock();
}

OpaloApplication::~OpaloApplication() = default;

void OpaloApplication::takeInstanceLock()
{
    const QString path = lockFilePath();
    if (path.isEmpty()) {
        qWarning("No private folder for the single-instance lock in %s; going on without single-instance "
                 "protection",
            qUtf8Printable(QDir::tempPath()));
        return;
    }
    auto lock = std::make_unique<QLockFile>(path);
    // Only the owner's process id decides whether a lock is stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        listenForCalls();
        return;
    }
    qint64 owner = 0;
    QString host;
    QString application;
    // A lock that is not stale and names its owner belongs to a live instance.
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&owner, &host, &application)) {
        m_running = true;
        return;
    }
    qWarning("Cannot take the single-instance lock %s (%s); going on without single-instance protection",
        qUtf8Printable(path), lockErrorText(lock->error()));
}

QString OpaloApplication::callPath()
{
    QString path = lockFilePath();
    if (!path.isEmpty())
        path.replace(path.size() - int(qstrlen(".lock")), int(qstrlen(".lock")), QLatin1String(".call"));
    return path;
}

void OpaloApplication::listenForCalls()
{
    const QString path = callPath();
    // One left by an instance that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(path);
    m_calls = new QLocalServer(this);
    m_calls->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_calls->listen(path))
        qWarning("A second start cannot call this instance: %s", qUtf8Printable(m_calls->errorString()));
    connect(m_calls, &QLocalServer::newConnection, this, &OpaloApplication::answerCall);
}

void OpaloApplication::answerCall()
{
    while (QLocalSocket *call = m_calls->nextPendingConnection()) {
        connect(call, &QLocalSocket::disconnected, call, &QObject::deleteLater);
        connect(call, &QLocalSocket::readyRead, this, [this, call] {
            if (!call->canReadLine())
                return;
            if (call->readLine() == callRequest) {
                emit secondStart();
                call->write(callAnswer);
            }
            call->disconnectFromServer();
        });
    }
}

bool OpaloApplication::callRunningInstance() const
{
    QLocalSocket call;
    call.connectToServer(callPath());
    if (!call.waitForConnected(callTimeoutMs))
        return false;
    call.write(callRequest);
    return call.waitForBytesWritten(callTimeoutMs) && call.waitForReadyRead(callTimeoutMs)
        && call.readLine() == callAnswer;
}

void OpaloApplication::releaseInstanceLock()
{
    if (m_lock)
        m_lock->unlock();
}

QString OpaloApplication::lockFilePath()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString folder = runtime.isEmpty() || (geteuid() == 0 && !ownedByThisUser(runtime))
        ? privateTemporaryFolder()
        : QFile::decodeName(runtime);
    if (folder.isEmpty())
        return QString();
    QCryptographicHash identity(QCryptographicHash::Sha256);
    identity.addData(QCoreApplication::applicationFilePath().toUtf8());
    identity.addData(QByteArray::number(qulonglong(getuid())));
    return folder + QLatin1String("/OpaloSync-") + QString::fromLatin1(identity.result().toHex().left(16))
        + QLatin1String(".lock");
}
