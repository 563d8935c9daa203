// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that builds real file trees for a test and goes away
// with it.
class TestDir
{
public:
    TestDir();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Creates relative (and its parent folders) holding content; returns the
    // full path, or an empty string on failure.
    QString createFile(const QString &relative, const QByteArray &content = QByteArray());
    // Creates a file of exactly size bytes with a repeating pattern.
    QString createFileOfSize(const QString &relative, qint64 size);
    QString createFolder(const QString &relative);
    QString createSymlink(const QString &target, const QString &relative);

private:
    QTemporaryDir m_dir;
};
