// SPDX-License-Identifier: GPL-2.0-or-later
#include "PasteOperation.h"

#include "FileOperations.h"
#include "GioTransfer.h"
#include "GnomeClipboard.h"

#include <QDir>

namespace {

constexpr int lastCopyNumber = 99;

} // namespace

PasteOperation::PasteOperation(const QString &destination)
    : m_destination(QDir::cleanPath(destination))
{ }

void PasteOperation::run()
{
    const GnomeClipboard::Content content = GnomeClipboard::take();
    m_move = content.cut;
    for (int i = 0; i < content.paths.size(); ++i)
        pasteItem(QDir::cleanPath(content.paths.at(i)), i == content.paths.size() - 1);
    // Cut files that stayed where they were can still be pasted again.
    if (m_move && !content.paths.isEmpty() && !m_moveFailed)
        GnomeClipboard::clear();
}

bool PasteOperation::isInside(const QString &folder) const
{
    return m_destination == folder || m_destination.startsWith(folder + QLatin1Char('/'));
}

void PasteOperation::pasteItem(const QString &source, bool last)
{
    if (isInside(source)) {
        FileOperations::showError(tr("IDS_PASTE_ITSELF_ERROR"));
        return;
    }
    const QString name = source.mid(source.lastIndexOf(QLatin1Char('/')) + 1);
    QString target = m_destination + QLatin1Char('/') + name;
    g_autoptr(GFile) sourceFile = GioTransfer::fileAt(source);
    if (target == source) {
        // A cut pasted where it already is stays there.
        if (m_move)
            return;
        target = freeCopyName(target, GioTransfer::typeOf(sourceFile) == G_FILE_TYPE_DIRECTORY);
        if (target.isEmpty())
            return;
    } else if (GioTransfer::exists(target) && !replaceExisting(name, last)) {
        return;
    }
    g_autoptr(GFile) targetFile = GioTransfer::fileAt(target);
    g_autoptr(GError) error = GioTransfer::transfer(sourceFile, targetFile, m_move);
    if (error && m_move)
        m_moveFailed = true;
    FileOperations::report(FileOperations::resultOf(error), m_destination);
}

bool PasteOperation::replaceExisting(const QString &name, bool last)
{
    if (!m_asking)
        return m_replaceAll;
    switch (FileOperations::ask(tr("IDS_ASKOVERWRITE").arg(name), last ? 1 : 2)) {
    case FileOperations::YesToAll:
        m_asking = false;
        m_replaceAll = true;
        return true;
    case FileOperations::NoToAll:
        m_asking = false;
        m_replaceAll = false;
        return false;
    case FileOperations::Yes:
        return true;
    default:
        return false;
    }
}

QString PasteOperation::freeCopyName(const QString &target, bool folder)
{
    const int slash = target.lastIndexOf(QLatin1Char('/'));
    const int dot = target.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = !folder && dot > slash;
    const QString stem = hasExtension ? target.left(dot) : target;
    const QString extension = hasExtension ? target.mid(dot) : QString();
    for (int n = 1; n <= lastCopyNumber; ++n) {
        const QString candidate = stem + QStringLiteral("(copy_%1)").arg(n) + extension;
        if (!GioTransfer::exists(candidate))
            return candidate;
    }
    return QString();
}
