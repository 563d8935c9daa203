// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyController.h"

#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "browser/panes/BaseFrame.h"
#include "browser/panes/Browser.h"
#include "browser/panes/CopyReport.h"
#include "browser/panes/CopyWording.h"
#include "browser/panes/OverwriteQuestion.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"
#include "engine/copy/CopyPreflight.h"
#include "engine/copy/CopySelection.h"
#include "widgets/DataSize.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QItemSelectionModel>

#include <algorithm>

namespace {

// The question before a copy counts the files only as long as the window
// can wait; a larger selection is asked about without its figures.
const int countingMs = 300;

} // namespace

CopyController::CopyController(TL09Engine &engine, Browser *window)
    : QObject(window)
    , m_engine(engine)
    , m_window(window)
{ }

void CopyController::copyAcross(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    if (!transferFiles({ files, target, destDir, m_window->category() }))
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

bool CopyController::transferFiles(const CopyRequest &request)
{
    // Rows that appear while files arrive must not each start thumbnail work.
    setThumbnailsEnabled(false);
    if (!request.files.isEmpty() && !request.destDir.isEmpty() && QDir(request.destDir).exists()) {
        const QPointer<CopyController> alive(this);
        const QString destination = destinationOf(request);
        m_title = CopyWording::progressTitle(destination);
        Offer offer = Offer::All;
        const int answer = m_window->runBox(confirmation(request, destination, &offer));
        if (!alive)
            return false;
        m_copyWhatFits = offer == Offer::WhatFits;
        if (answer == QMessageBox::Yes && offer != Offer::Nothing && !runCopy(request))
            return false;
    }
    setThumbnailsEnabled(true);
    return true;
}

MessageBox *CopyController::confirmation(
    const CopyRequest &request, const QString &destination, Offer *offer) const
{
    const std::optional<CopySelection::Tally> counted = CopySelection::tally(request.files,
        FileNameMatcher(MediaCategories::nameFilters(request.category)), QDeadlineTimer(countingMs));
    const int files = counted ? counted->files : 0;
    const qint64 bytes = counted ? counted->bytes : 0;
    const qint64 free = CopyPreflight::probe(request.destDir).freeBytes;
    MessageBox *box = nullptr;
    if (files < 1 || free < 0 || bytes <= free) {
        *offer = Offer::All;
        box = new MessageBox(QMessageBox::Question,
            CopyWording::confirmation(files, bytes, request.category, destination),
            QMessageBox::Yes | QMessageBox::No, m_window);
    } else if (files == 1 || free == 0) {
        *offer = Offer::Nothing;
        box = new MessageBox(QMessageBox::Critical,
            tr("IDS_CONFIRM_NO_ROOM")
                .arg(CopyWording::files(files, request.category), DataSize::text(bytes), destination,
                    DataSize::text(free)),
            QMessageBox::Ok, m_window);
    } else {
        *offer = Offer::WhatFits;
        box = new MessageBox(QMessageBox::Warning,
            CopyWording::confirmation(files, bytes, request.category, destination) + QStringLiteral("\n\n")
                + tr("IDS_CONFIRM_ROOM_FOR_PART")
                    .arg(DataSize::text(bytes), destination, DataSize::text(free)),
            QMessageBox::Yes | QMessageBox::Cancel, m_window);
        box->button(QMessageBox::Yes)->setText(tr("IDS_COPY_WHAT_FITS"));
    }
    box->setObjectName(QStringLiteral("CopyConfirmation"));
    return box;
}

QString CopyController::destinationOf(const CopyRequest &request) const
{
    const QString folder = QFileInfo(request.destDir).canonicalFilePath();
    const QString categoryFolder
        = QFileInfo(MediaCategories::folder(request.target, request.category)).canonicalFilePath();
    return CopyWording::destination(
        request.target, request.destDir, !folder.isEmpty() && folder == categoryFolder);
}

// False when the window went away while a box or the progress dialog ran.
bool CopyController::runCopy(const CopyRequest &request)
{
    const QPointer<CopyController> alive(this);
    // Owned here until the report is read; goes with the window otherwise.
    const std::unique_ptr<CopyJob> job(m_engine.makeCopy(request, nullptr));
    connect(job.get(), &CopyJob::questionAsked, this, [this, job = job.get()](const CopyQuestion &question) {
        const QPointer<CopyJob> asked(job);
        const CopyAnswer answer = ask(question);
        if (asked)
            asked->answer(answer);
    });
    bool started = false;
    if (!followCopy(job.get(), &CopyJob::start, &started))
        return false;
    if (!started || job->foundNothing()) {
        const QString word = MediaCategories::fileWord(request.category);
        m_window->runBox(new MessageBox(
            QMessageBox::Critical, tr("IDS_NO_SUPPORTED_FILES").arg(word), QMessageBox::Ok, m_window));
        return !alive.isNull();
    }
    // Each attempt ends with its own report, until the user closes one.
    while (started && reportEnd(job.get())) {
        if (!followCopy(job.get(), &CopyJob::retry, &started))
            return false;
    }
    return !alive.isNull();
}

bool CopyController::followCopy(CopyJob *job, bool (CopyJob::*start)(), bool *started)
{
    const QPointer<CopyController> alive(this);
    const QPointer<ProgressDialog> progress(new ProgressDialog(m_window));
    progress->setCopyTitle(m_title);
    m_cancelled = false;
    m_declined = false;
    connect(job, &CopyJob::progressChanged, progress,
        [progress](qint64 written, qint64 total, double percent, qint64 rate) {
            progress->receiveProgress(percent);
            progress->receiveBytes(written, total, rate);
        });
    connect(job, &CopyJob::fileNameChanged, progress, &ProgressDialog::receiveCurrentFileName);
    connect(job, &CopyJob::fileNumberChanged, progress, &ProgressDialog::receiveFileNumber);
    connect(job, &CopyJob::timeLeftChanged, progress, &ProgressDialog::receiveETA);
    connect(job, &CopyJob::finished, progress, &ProgressDialog::close_dialog);
    *started = (job->*start)();
    if (*started) {
        progress->exec();
        job->cancel();
        // A cancelled copy still ends its chunk and flushes what it wrote;
        // its report waits for that.
        if (job->isRunning() && alive) {
            QEventLoop waiting;
            connect(job, &CopyJob::finished, &waiting, &QEventLoop::quit);
            waiting.exec();
        }
    }
    if (progress && alive)
        m_cancelled = m_cancelled || progress->wasCancelled();
    delete progress;
    return !alive.isNull();
}

bool CopyController::reportEnd(const CopyJob *job)
{
    // Copied: a retry replaces them while the box is still open.
    const CopyFailures failures = job->failures();
    const CopySummary summary = job->summary();
    if (m_declined || !CopyReport::isDue(failures, summary))
        return false;
    if (!deviceReachable()) {
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

CopyAnswer CopyController::ask(const CopyQuestion &question)
{
    MessageBox *box = nullptr;
    switch (question.kind) {
    case AskBeforeCopy:
        return CopyAnswer(askBeforeCopy(question));
    case AskOverwrite: {
        const QPointer<CopyController> alive(this);
        const int answer = m_window->runBox(new OverwriteQuestion(question,
            m_window->pane(HostMode)->listViewModel()->thumbnailWorker(), m_window->category(), m_window));
        // The report then says the copy was cancelled.
        if (alive && answer == AnswerCancel)
            m_cancelled = true;
        return CopyAnswer(answer);
    }
    case DriveSpaceError:
    case RightsError:
    case CopyError:
        box = new MessageBox(QMessageBox::Critical, failureText(question), QMessageBox::Ok, m_window);
        break;
    }
    return CopyAnswer(m_window->runBox(box));
}

QString CopyController::failureText(const CopyQuestion &question) const
{
    const QString destination = m_window->targetName(question.target);
    const QString source = m_window->targetName(question.target == HostMode ? ExternalDeviceMode : HostMode);
    switch (question.cause) {
    case CopyOutcome::ReadOnly:
        return tr("IDS_ERR_READ_ONLY").arg(destination);
    case CopyOutcome::NoRightsToRead:
        return tr("IDS_ERR_NO_READ_RIGHTS").arg(question.fileName, source);
    case CopyOutcome::NameTooLong:
        return tr("IDS_ERR_NAME_TOO_LONG").arg(question.fileName, destination);
    case CopyOutcome::TooLarge:
        return tr("IDS_ERR_TOO_LARGE").arg(question.fileName, destination);
    case CopyOutcome::ReadError:
        if (!question.fileName.isEmpty())
            return tr("IDS_ERR_READ").arg(question.fileName, source);
        break;
    case CopyOutcome::NoSpace:
        return tr("IDS_ERR_DRIVE_SPACE").arg(destination);
    default:
        break;
    }
    switch (question.kind) {
    case DriveSpaceError:
        return tr("IDS_ERR_DRIVE_SPACE").arg(destination);
    case CopyError:
        return tr("IDS_ERROR_COPY_FILE");
    default:
        return tr("IDS_RIGHTS").arg(destination);
    }
}

int CopyController::askBeforeCopy(const CopyQuestion &question)
{
    const bool onlyNoRoom = std::all_of(question.refused.cbegin(), question.refused.cend(),
        [](const CopyFailure &refused) { return refused.reason == CopyOutcome::NoSpace; });
    if (m_copyWhatFits && onlyNoRoom)
        return QMessageBox::Yes;
    const QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::Cancel
        | (question.offerSafeNames ? QMessageBox::Apply : QMessageBox::NoButton);
    auto *box = new MessageBox(QMessageBox::Question,
        tr("IDS_ASK_BEFORE_COPY", nullptr, question.refused.size())
            .arg(m_window->targetName(question.target)),
        buttons, m_window);
    box->setObjectName(QStringLiteral("AskBeforeCopy"));
    QStringList lines;
    for (const CopyFailure &refused : question.refused)
        lines << CopyReport::lineOf(refused);
    CopyReport::showLines(box, lines);
    box->button(QMessageBox::Yes)->setText(tr("IDS_COPY_THE_REST"));
    if (question.offerSafeNames)
        box->button(QMessageBox::Apply)->setText(tr("IDS_COPY_SAFE_NAMES"));
    const QPointer<CopyController> alive(this);
    const int answer = m_window->runBox(box);
    if (alive)
        m_declined = answer != QMessageBox::Yes && answer != QMessageBox::Apply;
    return answer;
}
