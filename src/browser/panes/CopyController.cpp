// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyController.h"

#include "base/MediaCategories.h"
#include "browser/panes/BaseFrame.h"
#include "browser/panes/Browser.h"
#include "browser/panes/CopyReport.h"
#include "browser/panes/CopyWording.h"
#include "browser/panes/OverwriteQuestion.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopySelection.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QItemSelectionModel>

namespace {

// The question before a copy counts the files only as long as the window
// can wait; a larger selection is asked about without its figures.
const int countingMs = 300;

} // namespace

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
        const QString destination = destinationOf(target, destDir);
        m_title = CopyWording::progressTitle(destination);
        auto *question = new MessageBox(
            QMessageBox::Question, confirmation(files, destination), QMessageBox::Yes | QMessageBox::No);
        question->setObjectName(QStringLiteral("CopyConfirmation"));
        const int answer = m_window->runBox(question);
        if (!alive)
            return false;
        if (answer == QMessageBox::Yes && !runCopy(files, target, destDir))
            return false;
    }
    setThumbnailsEnabled(true);
    return true;
}

QString CopyController::confirmation(const QFileInfoList &files, const QString &destination) const
{
    const int category = TL09Engine::instance()->category;
    const std::optional<CopySelection::Tally> counted = CopySelection::tally(
        files, FileNameMatcher(TL09Engine::categoryNameFilters(category)), QDeadlineTimer(countingMs));
    return counted ? CopyWording::confirmation(counted->files, counted->bytes, category, destination)
                   : CopyWording::confirmation(0, 0, category, destination);
}

QString CopyController::destinationOf(BrowserMode target, const QString &destDir) const
{
    const QString folder = QFileInfo(destDir).canonicalFilePath();
    const QString categoryFolder
        = QFileInfo(MediaCategories::folder(target, TL09Engine::instance()->category)).canonicalFilePath();
    return CopyWording::destination(target, destDir, !folder.isEmpty() && folder == categoryFolder);
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
    while (started && reportEnd()) {
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
    progress->setCopyTitle(m_title);
    m_cancelled = false;
    m_declined = false;
    connect(engine, &TL09Engine::progressChanged, progress, &ProgressDialog::receiveProgress,
        Qt::QueuedConnection);
    connect(engine, &TL09Engine::copyFileNameChanged, progress, &ProgressDialog::receiveCurrentFileName,
        Qt::QueuedConnection);
    connect(engine, &TL09Engine::copyFileNumberChanged, progress, &ProgressDialog::receiveFileNumber,
        Qt::QueuedConnection);
    connect(
        engine, &TL09Engine::copyBytesChanged, progress, &ProgressDialog::receiveBytes, Qt::QueuedConnection);
    connect(engine, &TL09Engine::estimatedTimeRemaining, progress, &ProgressDialog::receiveETA,
        Qt::QueuedConnection);
    connect(
        engine, &TL09Engine::copyFileFinished, progress, &ProgressDialog::close_dialog, Qt::QueuedConnection);
    // Told apart from the connections above, which go with the dialog.
    QObject endWatch;
    bool ended = false;
    connect(engine, &TL09Engine::copyFileFinished, &endWatch, [&ended] { ended = true; });
    *started = start();
    if (*started) {
        progress->exec();
        engine->cancelCopy();
        // A cancelled copy still ends its chunk and flushes what it wrote;
        // its report waits for that.
        if (!ended && alive) {
            QEventLoop waiting;
            connect(engine, &TL09Engine::copyFileFinished, &waiting, &QEventLoop::quit);
            waiting.exec();
        }
    }
    if (progress && alive)
        m_cancelled = m_cancelled || progress->wasCancelled();
    delete progress;
    return !alive.isNull();
}

bool CopyController::reportEnd()
{
    TL09Engine *engine = TL09Engine::instance();
    // Read before the box runs: a retry replaces them.
    const CopyFailures failures = engine->copyFailures();
    const CopySummary summary = engine->copySummary();
    if (m_declined || !CopyReport::isDue(failures, summary))
        return false;
    if (!engine->checkDeviceFolders()) {
        // The window goes with the device; the report stays until read, with
        // the main window, which outlives it. It is not the active message
        // box, which giving the device up dismisses.
        const QPointer<CopyReport> report(
            new CopyReport(failures, summary, CopyReport::Ending::DeviceGone, m_window->window()));
        report->exec();
        delete report;
        return false;
    }
    const QPointer<CopyController> alive(this);
    const CopyReport::Ending ending = m_cancelled ? CopyReport::Ending::Cancelled : CopyReport::Ending::Ran;
    const int answer = m_window->runBox(new CopyReport(failures, summary, ending, m_window));
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
    const QPointer<CopyController> alive(this);
    const int answer = m_window->runBox(box);
    if (alive)
        m_declined = answer != QMessageBox::Yes && answer != QMessageBox::Apply;
    TL09Engine::instance()->setDialogAnswer(answer);
}

void CopyController::showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    MessageBox *box = nullptr;
    switch (dlg) {
    case AskOverwrite:
        box = new OverwriteQuestion(fileName, TL09Engine::instance()->overwriteQuestion(), target,
            m_window->pane(HostMode)->listViewModel()->thumbnailWorker(), m_window);
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
