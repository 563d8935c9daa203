// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/OpaloApplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <unistd.h>

OpaloApplication::OpaloApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_lock(std::make_unique<QLockFile>(lockFilePath()))
{
    // Only the owner's process id decides whether a lock is stale, never its age.
    m_lock->setStaleLockTime(0);
    m_primary = m_lock->tryLock(0);
}

OpaloApplication::~OpaloApplication() = default;

void OpaloApplication::releaseInstanceLock()
{
    m_lock->unlock();
}

QString OpaloApplication::lockFilePath()
{
    // The user's runtime folder when the session has one; Qt would warn and
    // invent one otherwise, so the temporary folder is taken directly.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString folder = runtime.isEmpty() ? QDir::tempPath() : QFile::decodeName(runtime);
    QCryptographicHash identity(QCryptographicHash::Sha256);
    identity.addData(QCoreApplication::applicationFilePath().toUtf8());
    identity.addData(QByteArray::number(qulonglong(getuid())));
    return folder + QLatin1String("/OpaloSync-") + QString::fromLatin1(identity.result().toHex().left(16))
        + QLatin1String(".lock");
}
