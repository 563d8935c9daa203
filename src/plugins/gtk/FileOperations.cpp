// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileOperations.h"

#include "GioFiles.h"
#include "NewFiles.h"

#include "plugins/DialogParent.h"
#include "widgets/MessageBox.h"

#include <QFile>
#include <QTextDocument>

#include <cerrno>

FileOperations::Result FileOperations::resultOf(int error)
{
    switch (error) {
    case 0:
        return Ok;
    case ENOENT:
        return NotFound;
    case EFBIG:
        return TooBig;
    case ENOSPC:
    case EDQUOT:
        return NoSpace;
    case EROFS:
        return ReadOnly;
    case EACCES:
        return AccessDenied;
    case EPERM:
        return NotPermitted;
    case EEXIST:
        return FileExists;
    default:
        return GenericError;
    }
}

QString FileOperations::volumeName(const QString &path)
{
    g_autoptr(GFile) file = GioFiles::fileAt(path);
    g_autoptr(GMount) mount = g_file_find_enclosing_mount(file, nullptr, nullptr);
    g_autofree char *name = mount ? g_mount_get_name(mount) : nullptr;
    // Volumes the desktop does not show, such as the system disk, have no
    // name: the folder tells the user where space ran out.
    return name ? QString::fromUtf8(name) : path;
}

void FileOperations::report(int result, const QString &path)
{
    switch (result) {
    case Ok:
        return;
    case TooBig:
    case NoSpace:
        return showError(tr("IDS_ERR_DRIVE_SPACE").arg(volumeName(path)));
    case AccessDenied:
    case NotPermitted:
        return showError(tr("IDS_RIGHTS").arg(path));
    default:
        return showError(tr("IDS_ERROR_COPY_FILE"));
    }
}

void FileOperations::showError(const QString &text)
{
    // Rich text ignores line ends.
    QString shown = text;
    if (Qt::mightBeRichText(shown))
        shown.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    MessageBox box(QMessageBox::Critical, shown, QMessageBox::Ok, dialogParent());
    box.setWindowTitle(QString());
    box.exec();
}

int FileOperations::ask(const QString &text, int mode)
{
    const QMessageBox::StandardButtons buttons = mode == 1
        ? QMessageBox::Yes | QMessageBox::No
        : QMessageBox::YesToAll | QMessageBox::Yes | QMessageBox::NoToAll | QMessageBox::No;
    MessageBox box(QMessageBox::Warning, text, buttons, dialogParent());
    box.setWindowTitle(QString());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::YesToAll:
        return YesToAll;
    case QMessageBox::No:
        return No;
    case QMessageBox::NoToAll:
        return NoToAll;
    default:
        return 0;
    }
}

void FileOperations::createFolder(const QString &folder)
{
    if (NewFiles::createFolder(folder, tr("IDS_FOLDER")).isEmpty())
        showError(tr("IDS_ERROR_CREATING_DIRECTORY"));
}

void FileOperations::makeLink(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString linkPath = path.left(slash + 1) + tr("IDS_LINK_TO ") + path.mid(slash + 1);
    g_autoptr(GFile) link = GioFiles::fileAt(linkPath);
    g_file_make_symbolic_link(link, QFile::encodeName(path).constData(), nullptr, nullptr);
}

void FileOperations::moveToTrash(const QVector<QString> &files)
{
    MessageBox question(QMessageBox::Question, tr("IDS_CONFIRM_DELETE", nullptr, files.size()),
        QMessageBox::Yes | QMessageBox::No, dialogParent());
    if (question.exec() != QMessageBox::Yes)
        return;
    for (const QString &path : files) {
        g_autoptr(GFile) file = GioFiles::fileAt(path);
        if (!g_file_trash(file, nullptr, nullptr))
            showError(tr("IDS_ERROR_MOVE_TO_TRASH").arg(path));
    }
}
