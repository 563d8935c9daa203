// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileTree.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace FileTree {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList treeOf(const QString &folder)
{
    QStringList tree;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString name = entry.filePath().mid(folder.size() + 1);
        tree.append(entry.isSymLink() ? name + QLatin1String(" -> ") + entry.symLinkTarget()
                : entry.isDir()
                ? name + QLatin1Char('/')
                : name + QLatin1String(": ") + QString::fromUtf8(contentOf(entry.filePath())));
    }
    tree.sort();
    return tree;
}

} // namespace FileTree
