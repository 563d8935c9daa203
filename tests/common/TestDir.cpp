// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestDir::TestDir() = default;

QString TestDir::createFile(const QString &relative, const QByteArray &content)
{
    const QString full = filePath(relative);
    if (!QDir().mkpath(QFileInfo(full).absolutePath()))
        return QString();
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return QString();
    return full;
}

QString TestDir::createFileOfSize(const QString &relative, qint64 size)
{
    QByteArray content(int(size), Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        content[int(i)] = char('a' + i % 23);
    return createFile(relative, content);
}

QString TestDir::createFolder(const QString &relative)
{
    const QString full = filePath(relative);
    return QDir().mkpath(full) ? full : QString();
}

QString TestDir::createSymlink(const QString &target, const QString &relative)
{
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    return QFile::link(target, full) ? full : QString();
}
