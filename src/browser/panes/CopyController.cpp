// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyController.h"

#include "base/MediaCategories.h"
#include "browser/panes/BaseFrame.h"
#include "browser/panes/Browser.h"
#include "browser/panes/CopyReport.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/TL09Engine.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QItemSelectionModel>

CopyController::CopyController(Browser *window)
    : QObject(window)
    , m_window(window)
{ }

void CopyController::copyAcross(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    if (!transferFiles(files, target, destDir))
        return;
    BaseFrame *destination = m_window->pane(target);
    destination->refreshTree();
    selectArrived(destination, files, destDir);
}

void CopyController::selectArrived(BaseFrame *destination, const QFileInfoList &files, const QString &destDir)
{
    const VideoModel *shown = destination->listViewModel();
    QItemSelectionModel *selection = destination->listView()->selectionModel();
    const QDir folder(destDir);
    for (const QFileInfo &file : files) {
        const QFileInfo arrived(folder.filePath(file.fileName()));
        if (arrived.isFile() && !arrived.isSymLink())
            selection->select(shown->index(arrived.absoluteFilePath()), QItemSelectionModel::Select);
    }
}

void CopyController::setThumbnailsEnabled(bool enabled)
{
    for (const BrowserMode side : { HostMode, ExternalDeviceMode })
        m_window->pane(side)->listViewModel()->setThumbnailsEnabled(enabled);
}

bool CopyController::transferFiles(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    // Rows that appear while files arrive must not each start thumbnail work.
    setThumbnailsEnabled(false);
    if (!files.isEmpty() && !destDir.isEmpty() && QDir(destDir).exists()) {
        const QPointer<CopyController> alive(this);
        const int answer = m_window->runBox(new MessageBox(
            QMessageBox::Question, tr("IDS_CONFIRM_TRANSFER"), QMessageBox::Yes | QMessageBox::No));
        if (!alive)
            return false;
        if (answer == QMessageBox::Yes && !runCopy(files, target, destDir))
            return false;
    }
    setThumbnailsEnabled(true);
    return true;
}

// False when the window went away while a box or the progress dialog ran.
bool CopyController::runCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    TL09Engine *engine = TL09Engine::instance();
    const QPointer<CopyController> alive(this);
    bool started = false;
    if (!followCopy([&] { return engine->startCopy(files, target, destDir); }, &started))
        return false;
    if (!started || engine->copyFoundNothing()) {
        const QString word = MediaCategories::fileWord(engine->category);
        m_window->runBox(
            new MessageBox(QMessageBox::Critical, tr("IDS_NO_SUPPORTED_FILES").arg(word), QMessageBox::Ok));
        return !alive.isNull();
    }
    // Each attempt ends with its own report, until the user closes one.
    while (started && reportFailures()) {
        if (!followCopy([&] { return engine->retryCopy(target); }, &started))
            return false;
    }
    return !alive.isNull();
}

bool CopyController::followCopy(const std::function<bool()> &start, bool *started)
{
    TL09Engine *engine = TL09Engine::instance();
    const QPointer<CopyController> alive(this);
    const QPointer<ProgressDialog> progress(new ProgressDialog(m_window));
    connect(engine, &TL09Engine::progressChanged, progress, &ProgressDialog::receiveProgress,
        Qt::QueuedConnection);
    connect(engine, &TL09Engine::copyFileNameChanged, progress, &ProgressDialog::receiveCurrentFileName,
        Qt::QueuedConnection);
    connect(engine, &TL09Engine::estimatedTimeReamining, progress, &ProgressDialog::receiveETA,
        Qt::QueuedConnection);
    connect(
        engine, &TL09Engine::copyFileFinished, progress, &ProgressDialog::close_dialog, Qt::QueuedConnection);
    *started = start();
    if (*started) {
        progress->exec();
        engine->cancelCopy();
    }
    delete progress;
    return !alive.isNull();
}

bool CopyController::reportFailures()
{
    // Read before the box runs: a retry replaces them.
    const CopyFailures failures = TL09Engine::instance()->copyFailures();
    if (failures.isEmpty())
        return false;
    const QPointer<CopyController> alive(this);
    const int answer = m_window->runBox(new CopyReport(failures, m_window));
    return alive && answer == QMessageBox::Retry;
}

void CopyController::askBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames)
{
    const QStringList listed = names.split(QLatin1Char('\n'));
    const QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::Cancel
        | (offerSafeNames ? QMessageBox::Apply : QMessageBox::NoButton);
    auto *box = new MessageBox(QMessageBox::Question,
        tr("IDS_ASK_BEFORE_COPY").arg(listed.size()).arg(m_window->targetName(target)), buttons, m_window);
    box->setObjectName(QStringLiteral("AskBeforeCopy"));
    box->setInformativeText(CopyReport::shortList(listed));
    box->button(QMessageBox::Yes)->setText(tr("IDS_COPY_THE_REST"));
    if (offerSafeNames)
        box->button(QMessageBox::Apply)->setText(tr("IDS_COPY_SAFE_NAMES"));
    TL09Engine::instance()->setDialogAnswer(m_window->runBox(box));
}

void CopyController::showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    MessageBox *box = nullptr;
    switch (dlg) {
    case AskOverwrite:
        box = new MessageBox(QMessageBox::Question, tr("IDS_ASKOVERWRITE").arg(fileName),
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll, m_window);
        break;
    case DriveSpaceError:
        box = new MessageBox(QMessageBox::Critical,
            tr("IDS_ERR_DRIVE_SPACE").arg(m_window->targetName(target)), QMessageBox::Ok, m_window);
        break;
    case RightsError:
        box = new MessageBox(QMessageBox::Critical, tr("IDS_RIGHTS").arg(m_window->targetName(target)),
            QMessageBox::Ok, m_window);
        break;
    case CopyError:
        box = new MessageBox(QMessageBox::Critical, tr("IDS_ERROR_COPY_FILE"), QMessageBox::Ok, m_window);
        break;
    }
    if (box)
        TL09Engine::instance()->setDialogAnswer(m_window->runBox(box));
}
