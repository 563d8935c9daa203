// SPDX-License-Identifier: GPL-2.0-or-later
#include "KdeShellMenuExports.h"

#include "JobWindow.h"
#include "KdeShellMenu.h"
#include "base/CatalogueLanguage.h"
#include "plugins/DialogParent.h"
#include "plugins/PasteRefusal.h"

#include <KFileItem>
#include <KIO/CopyJob>
#include <KIO/DeleteJob>
#include <KIO/JobUiDelegate>
#include <KIO/JobUiDelegateFactory>
#include <KIO/OpenUrlJob>
#include <KIO/Paste>
#include <KIO/PasteJob>
#include <KIO/RenameDialog>
#include <KLocalizedString>
#include <KUrlMimeData>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>

#include <memory>

namespace {

QList<QUrl> urlsOf(const QVector<QString> &paths)
{
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

void putOnClipboard(const QVector<QString> &paths, bool cut)
{
    auto *data = new QMimeData;
    data->setUrls(urlsOf(paths));
    KIO::setClipboardDataCut(data, cut);
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

// Asks KIO's own question (which honours the user's "do not ask again"),
// then starts the job with a window of its own.
void deleteOrTrash(const QVector<QString> &paths, KIO::JobUiDelegate::DeletionType type)
{
    if (paths.isEmpty())
        return;
    const QList<QUrl> urls = urlsOf(paths);
    auto *window = new KdeShellMenu(paths, true);
    std::unique_ptr<KJobUiDelegate> question(
        KIO::createDefaultJobUiDelegate(KJobUiDelegate::AutoHandlingDisabled, dialogParent()));
    auto *delegate = qobject_cast<KIO::JobUiDelegate *>(question.get());
    if (!delegate || !delegate->askDeleteConfirmation(urls, type, KIO::JobUiDelegate::DefaultConfirmation)) {
        delete window;
        return;
    }
    KIO::Job *job = type == KIO::JobUiDelegate::Trash ? static_cast<KIO::Job *>(KIO::trash(urls))
                                                      : static_cast<KIO::Job *>(KIO::del(urls));
    giveWindowToJob(job, window);
}

// Whether a name is taken, by anything: a dangling link counts too.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void showNameTaken(const QString &path)
{
    QMessageBox box(QMessageBox::Information, QObject::tr("IDS_RENAME_FILE_TITLE"),
        QObject::tr("IDS_RENAME_FILE").arg(QFileInfo(path).fileName()), QMessageBox::Ok, dialogParent(),
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.button(QMessageBox::Ok)->setText(QObject::tr("IDS_OK"));
    box.exec();
}

void renameOne(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    KIO::RenameDialog dialog(dialogParent(), QString(), url, url, KIO::RenameDialog_OverwriteItself);
    if (dialog.exec() != KIO::Result_Rename)
        return;
    const QString newPath = dialog.newDestUrl().toLocalFile();
    // Asked before, as QFile::rename's own refusal misses a dangling link.
    if (nameTaken(newPath))
        showNameTaken(newPath);
    else
        QFile::rename(path, newPath);
}

// KIO compares paths as they are spelled: a folder pasted into itself
// through a link would be copied into its own copy, or moved away under
// itself. Such a paste is refused whole, before anything starts.
bool refusedPaste(const QList<QUrl> &urls, const QString &destination)
{
    PasteRefusal::Reason reason = PasteRefusal::None;
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && reason == PasteRefusal::None)
            reason = PasteRefusal::of(url.toLocalFile(), destination);
    }
    if (reason == PasteRefusal::None)
        return false;
    QMessageBox box(QMessageBox::Critical, QString(),
        reason == PasteRefusal::IntoItself ? QObject::tr("IDS_PASTE_ITSELF_ERROR")
                                           : QObject::tr("IDS_PASTE_OVER_ANCESTOR_ERROR"),
        QMessageBox::Ok, dialogParent(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.button(QMessageBox::Ok)->setText(QObject::tr("IDS_OK"));
    box.exec();
    return true;
}

// The menus' widgets live as long as the application; the library is never
// unloaded, so this still runs when the application object goes.
void deleteMenuWidgets()
{
    // Their popup menus are top-level windows too, and go with them.
    QList<QPointer<KdeShellMenu>> menus;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *menu = qobject_cast<KdeShellMenu *>(window))
            menus.append(menu);
    }
    for (const QPointer<KdeShellMenu> &menu : qAsConst(menus))
        delete menu.data();
}

} // namespace

void linguistKDEContextMenu(QTranslator *translator)
{
    KLocalizedString::setApplicationDomain("konqueror");
    const QString catalogue = QLatin1String(":translation//lang//KDEContextMenu_")
        + catalogueLanguage(QLocale::system()) + QLatin1String(".qm");
    if (!translator->load(catalogue, QString(), QString(), QString()))
        qWarning("%s cannot be read: the menu shows its texts' keys", qPrintable(catalogue));
    QCoreApplication::installTranslator(translator);
}

int KDEshowContextMenu(QPoint pos, QVector<QString> &paths, bool isFileSelection, QWidget **menuOut)
{
    // One catalogue for the process, installed on the first menu.
    static QPointer<QTranslator> translator;
    if (!translator) {
        translator = new QTranslator(QCoreApplication::instance());
        linguistKDEContextMenu(translator);
        qAddPostRoutine(deleteMenuWidgets);
    }
    // Lives on with the program's window (or the process): the menu it
    // parents belongs to the caller.
    auto *menu = new KdeShellMenu(paths, isFileSelection, dialogParent());
    return menu->OnContextMenu(pos, menuOut);
}

void KDEcopy_file(QVector<QString> *paths, QWidget *)
{
    putOnClipboard(*paths, false);
}

void KDEcut(QVector<QString> *paths, QWidget *)
{
    putOnClipboard(*paths, true);
}

void KDEpaste(QVector<QString> &paths, QWidget *)
{
    const QMimeData *data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (paths.isEmpty() || !data || refusedPaste(KUrlMimeData::urlsFromMimeData(data), paths.first()))
        return;
    KIO::Job *job = KIO::paste(data, QUrl::fromLocalFile(paths.first()));
    giveWindowToJob(job, new KdeShellMenu(paths, false));
}

void KDEtrash(QVector<QString> *paths, QWidget *)
{
    deleteOrTrash(*paths, KIO::JobUiDelegate::Trash);
}

void KDEdel(QVector<QString> *paths, QWidget *)
{
    deleteOrTrash(*paths, KIO::JobUiDelegate::Delete);
}

void KDErename_file(QVector<QString> *paths, QWidget *)
{
    for (const QString &path : qAsConst(*paths))
        renameOne(path);
}

void KDEopen_file(QString &path, QWidget *window)
{
    const QUrl url = QUrl::fromLocalFile(path);
    auto *job = new KIO::OpenUrlJob(url, KFileItem(url).mimetype());
    job->setUiDelegate(KIO::createDefaultJobUiDelegate(KJobUiDelegate::AutoHandlingEnabled, window));
    // A program on the device is opened as a document, never started: KIO
    // treats it as it treats any file it does not trust.
    job->setRunExecutables(false);
    job->start();
}
