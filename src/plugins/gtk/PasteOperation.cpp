// SPDX-License-Identifier: GPL-2.0-or-later
#include "PasteOperation.h"

#include "FileOperations.h"
#include "GnomeClipboard.h"
#include "ItemTransfer.h"
#include "TransferProgress.h"

#include "plugins/PasteRefusal.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace {

constexpr int lastCopyNumber = 99;

// The folder an item is in, opened, and the item's name in it.
SafeTree::Fd openParent(QByteArray path, QByteArray &name)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const int slash = path.lastIndexOf('/');
    name = path.mid(slash + 1);
    return SafeTree::openFolderPath(path.left(qMax(1, slash)));
}

} // namespace

PasteOperation::PasteOperation(const QString &destination)
    : m_destinationPath(QDir::cleanPath(destination))
{ }

void PasteOperation::run()
{
    const GnomeClipboard::Content content = GnomeClipboard::take();
    if (content.paths.isEmpty())
        return;
    m_move = content.cut;
    TransferProgress progress(m_move);
    m_progress = &progress;
    progress.run([this, &content] { pasteAll(content.paths); });
    m_progress = nullptr;
    if (m_move && m_movedAny && !m_moveFailed)
        GnomeClipboard::clear();
}

void PasteOperation::pasteAll(const QVector<QByteArray> &sources)
{
    m_destination = SafeTree::openFolderPath(QFile::encodeName(m_destinationPath));
    if (!m_destination.isValid()) {
        report(errno);
        return;
    }
    qint64 total = 0;
    for (const QByteArray &source : sources) {
        QByteArray name;
        const SafeTree::Fd folder = openParent(source, name);
        total += folder.isValid() ? SafeTree::sizeOf(folder.get(), name) : 0;
    }
    m_progress->setTotal(total);
    for (int i = 0; i < sources.size() && !m_progress->cancelled(); ++i)
        pasteItem(sources.at(i), i == sources.size() - 1);
}

void PasteOperation::showError(const QString &text)
{
    m_progress->onGui([&text] { FileOperations::showError(text); });
}

void PasteOperation::report(int error)
{
    m_progress->onGui(
        [this, error] { FileOperations::report(FileOperations::resultOf(error), m_destinationPath); });
}

void PasteOperation::pasteItem(const QByteArray &source, bool last)
{
    QByteArray name;
    const SafeTree::Fd folder = openParent(source, name);
    struct stat item;
    const int missing = name.isEmpty() ? EINVAL
        : !folder.isValid()            ? errno
                                       : SafeTree::statEntry(folder.get(), name, item);
    if (missing) {
        report(missing);
        return;
    }
    switch (PasteRefusal::of(folder.get(), name, m_destination.get())) {
    case PasteRefusal::IntoItself:
        return showError(tr("IDS_PASTE_ITSELF_ERROR"));
    case PasteRefusal::OverItsFolder:
        return showError(tr("IDS_PASTE_OVER_ANCESTOR_ERROR"));
    case PasteRefusal::None:
        break;
    }
    QByteArray targetName = name;
    if (chooseTarget(folder.get(), name, item, last, targetName))
        transferItem(folder.get(), name, targetName);
}

bool PasteOperation::chooseTarget(
    int folder, const QByteArray &name, const struct stat &item, bool last, QByteArray &targetName)
{
    struct stat target;
    if (SafeTree::statEntry(m_destination.get(), name, target) != 0)
        return true;
    struct stat source;
    struct stat destination;
    const bool sameEntry = PasteRefusal::sameFile(item, target) && fstat(folder, &source) == 0
        && fstat(m_destination.get(), &destination) == 0 && PasteRefusal::sameFile(source, destination);
    if (!sameEntry)
        return replaceExisting(QFile::decodeName(name), last);
    // A cut pasted where it already is stays there.
    if (m_move)
        return false;
    targetName = freeCopyName(name, S_ISDIR(item.st_mode));
    return !targetName.isEmpty();
}

void PasteOperation::transferItem(int folder, const QByteArray &name, const QByteArray &targetName)
{
    const QString shownName = QFile::decodeName(name);
    m_progress->setCurrent(shownName);
    ItemTransfer::Hooks hooks;
    hooks.replace = [this](const QString &shown) { return replaceExisting(shown, false); };
    hooks.copy.advanced = [this](qint64 bytes) { m_progress->advance(bytes); };
    hooks.copy.cancelled = [this] { return m_progress->cancelled(); };
    ItemTransfer transfer(m_move, hooks);
    const int error = transfer.run(folder, name, m_destination.get(), targetName, shownName);
    m_movedAny = m_movedAny || transfer.movedAny();
    if (error && m_move)
        m_moveFailed = true;
    if (error != ECANCELED)
        report(error);
}

bool PasteOperation::replaceExisting(const QString &name, bool last)
{
    if (!m_asking)
        return m_replaceAll;
    int answer = 0;
    m_progress->onGui([&] { answer = FileOperations::ask(tr("IDS_ASKOVERWRITE").arg(name), last ? 1 : 2); });
    switch (answer) {
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

QByteArray PasteOperation::freeCopyName(const QByteArray &name, bool folder) const
{
    const int dot = name.lastIndexOf('.');
    const bool hasExtension = !folder && dot >= 0;
    const QByteArray stem = hasExtension ? name.left(dot) : name;
    const QByteArray extension = hasExtension ? name.mid(dot) : QByteArray();
    for (int n = 1; n <= lastCopyNumber; ++n) {
        const QByteArray candidate = stem + "(copy_" + QByteArray::number(n) + ')' + extension;
        struct stat status;
        if (SafeTree::statEntry(m_destination.get(), candidate, status) == ENOENT)
            return candidate;
    }
    return QByteArray();
}
