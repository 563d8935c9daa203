// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of a copy between the panes of the media sync window, for
// looking at them: the confirmation, the progress dialog with its remaining
// time, the overwrite question, the copy's error boxes, the question before
// a copy to FAT and the report of what did not arrive.
//   QT_QPA_PLATFORM=offscreen copy_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "browser/panes/Browser.h"
#include "browser/panes/CopyController.h"
#include "browser/panes/CopyReport.h"
#include "browser/panes/OverwriteQuestion.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "engine/copy/CopyPreflight.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const qint64 mib = 1048576;
// The rate of a copy to a netbook's flash memory over USB: the disk here is
// far faster, so the copy's own rates would leave no time to show.
const qint64 deviceBytesPerSecond = 3 * mib;

bool writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// A photo-like picture: a sky over a sea, of width 1600 or less.
bool writePicture(const QString &path, int width = 1600)
{
    QImage picture(1600, 1200, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 1200);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(0.6, QColor(220, 230, 240));
    sky.setColorAt(0.61, QColor(30, 90, 140));
    sky.setColorAt(1, QColor(20, 60, 100));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(250, 210, 80));
    painter.drawEllipse(1100, 250, 220, 220);
    painter.end();
    return picture.scaledToWidth(width).save(path, "JPEG");
}

// Waits until the overwrite question has the pictures of files that the
// thumbnail helpers make, or they have given up.
bool waitForPictures(const Browser &browser, const QStringList &files)
{
    const auto *question = browser.findChild<OverwriteQuestion *>();
    const auto *helpers = question ? question->findChild<ThumbLoaderWorker *>() : nullptr;
    if (!helpers) {
        std::fprintf(stderr, "no picture is made for the overwrite question\n");
        return false;
    }
    const auto awaited = [helpers, &files] {
        return std::any_of(
            files.begin(), files.end(), [helpers](const QString &file) { return helpers->isAwaited(file); });
    };
    QDeadlineTimer deadline(20000);
    while (awaited() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !awaited();
}

// Answers the window's boxes in order: each one is saved under its name
// and answered as given. Boxes beyond the list are saved, answered OK and
// make the program fail.
class BoxAnswers
{
public:
    struct Answer
    {
        QString name;
        QMessageBox::StandardButton button;
        // Runs before the box is saved, while the copy waits for it.
        std::function<bool()> before;
    };

    BoxAnswers(const SnapshotFolder &folder, QList<Answer> answers)
        : m_folder(folder)
        , m_answers(std::move(answers))
    {
        MessageBox::setAnswerer([this](MessageBox &box) { return answer(box); });
    }
    ~BoxAnswers() { MessageBox::setAnswerer({}); }
    BoxAnswers(const BoxAnswers &) = delete;
    BoxAnswers &operator=(const BoxAnswers &) = delete;

    // Whether every box was saved, and every expected one came.
    bool succeeded() const { return m_ok && m_answers.isEmpty(); }

private:
    int answer(MessageBox &box)
    {
        m_ok &= !m_answers.isEmpty();
        const Answer next = m_answers.isEmpty()
            ? Answer { QStringLiteral("unexpected_box_%1").arg(++m_unexpected), QMessageBox::Ok, {} }
            : m_answers.takeFirst();
        if (next.before)
            m_ok &= next.before();
        // A picture of the widget leaves out the frame the title is in.
        std::printf("%s: title \"%s\"\n", qPrintable(next.name), qPrintable(box.windowTitle()));
        m_ok &= m_folder.save(box, next.name);
        box.hide();
        return next.button;
    }

    const SnapshotFolder &m_folder;
    QList<Answer> m_answers;
    int m_unexpected = 0;
    bool m_ok = true;
};

// Shows the figures of a copy to the device at its rate, so that the speed
// and the remaining time show, and saves the progress dialog behind the
// question.
bool saveProgress(const SnapshotFolder &folder, const Browser &browser)
{
    auto *progress = browser.findChild<ProgressDialog *>();
    if (!progress) {
        std::fprintf(stderr, "no progress dialog during the copy\n");
        return false;
    }
    const qint64 written = 12 * mib;
    const qint64 total = 40 * mib;
    progress->receiveProgress(100.0 * double(written) / double(total));
    progress->receiveBytes(written, total, deviceBytesPerSecond);
    progress->receiveETA(int((total - written) / deviceBytesPerSecond));
    return folder.save(*progress, QStringLiteral("copy_progress"));
}

// A copy to the device of a large new picture, then of one the device
// already has: the question about it comes while the progress dialog shows
// the first file done.
bool saveCopy(const SnapshotFolder &folder, Browser &browser, const PaneTestHome &home)
{
    const QString source = home.hostFolder(PicturesMode);
    const QString target = home.deviceFolder(PicturesMode);
    const QString large = source + QStringLiteral("/Holidays in Brittany, summer 2009 - 042.jpg");
    const QString existing = source + QStringLiteral("/Family dinner at grandmother's house.jpg");
    const QString replaced = target + QLatin1Char('/') + QFileInfo(existing).fileName();
    if (!writeFile(large, 60 * mib) || !writePicture(existing) || !writePicture(replaced, 800)) {
        std::fprintf(stderr, "cannot create the pictures to copy\n");
        return false;
    }
    BoxAnswers boxes(folder,
        { { QStringLiteral("copy_confirm"), QMessageBox::Yes, {} },
            { QStringLiteral("copy_overwrite"), QMessageBox::YesToAll, [&] {
                 return waitForPictures(browser, { existing, replaced }) && saveProgress(folder, browser);
             } } });
    browser.doDrop({ QFileInfo(large), QFileInfo(existing) }, ExternalDeviceMode, target);
    return boxes.succeeded();
}

// A folder without pictures: nothing to copy.
bool saveNothingToCopy(const SnapshotFolder &folder, Browser &browser, const PaneTestHome &home)
{
    const QString empty = home.hostFolder(PicturesMode) + QStringLiteral("/Letters");
    if (!QDir().mkpath(empty) || !writeFile(empty + QStringLiteral("/letter.txt"), 100))
        return false;
    BoxAnswers boxes(folder,
        { { QStringLiteral("copy_confirm_folder"), QMessageBox::Yes, {} },
            { QStringLiteral("copy_nothing_to_copy"), QMessageBox::Ok, {} } });
    browser.doDrop({ QFileInfo(empty) }, ExternalDeviceMode, home.deviceFolder(PicturesMode));
    return boxes.succeeded();
}

// Two pictures and room for one, then for none: what the confirmation
// offers.
bool saveNoRoom(const SnapshotFolder &folder, Browser &browser, const PaneTestHome &home)
{
    const QString first = home.hostFolder(PicturesMode) + QStringLiteral("/Room/first.jpg");
    const QString second = home.hostFolder(PicturesMode) + QStringLiteral("/Room/second.jpg");
    if (!QDir().mkpath(QFileInfo(first).path()) || !writeFile(first, 3000000) || !writeFile(second, 3000000))
        return false;
    bool ok = true;
    for (const qint64 free : { qint64(4000000), qint64(0) }) {
        CopyPreflight::setProbe([free](const QString &) {
            VolumeFacts facts;
            facts.freeBytes = free;
            return facts;
        });
        BoxAnswers boxes(folder,
            { { free > 0 ? QStringLiteral("copy_confirm_what_fits") : QStringLiteral("copy_confirm_no_room"),
                QMessageBox::Cancel, {} } });
        browser.doDrop(
            { QFileInfo(first), QFileInfo(second) }, ExternalDeviceMode, home.deviceFolder(PicturesMode));
        ok &= boxes.succeeded();
    }
    CopyPreflight::setProbe({});
    return ok;
}

bool saveErrors(const SnapshotFolder &folder, Browser &browser)
{
    const struct
    {
        const char *name;
        BrowserMode target;
        CopyDlg dlg;
    } errors[] = {
        { "copy_drive_space_device", ExternalDeviceMode, DriveSpaceError },
        { "copy_drive_space_computer", HostMode, DriveSpaceError },
        { "copy_rights", ExternalDeviceMode, RightsError },
        { "copy_error", HostMode, CopyError },
    };
    bool ok = true;
    for (const auto &error : errors) {
        BoxAnswers boxes(folder, { { QLatin1String(error.name), QMessageBox::Ok, {} } });
        CopyQuestion question;
        question.kind = error.dlg;
        question.target = error.target;
        question.fileName = QStringLiteral("photo.jpg");
        browser.findChild<CopyController *>()->ask(question);
        ok &= boxes.succeeded();
    }
    return ok;
}

// Names a FAT volume refuses, more than the question lists.
bool saveQuestionBeforeCopy(const SnapshotFolder &folder, Browser &browser)
{
    QStringList names { QStringLiteral("Meeting: notes?.doc"), QStringLiteral("Best of \"2009\".mp3"),
        QStringLiteral("Holidays in Brittany, summer 2009 - 042.jpg"), QStringLiteral("draft.") };
    for (int i = 1; names.size() < 14; ++i)
        names << QStringLiteral("Scan <%1>.jpg").arg(i);
    BoxAnswers boxes(folder, { { QStringLiteral("copy_before_names"), QMessageBox::Cancel, {} } });
    CopyQuestion question;
    question.kind = AskBeforeCopy;
    question.target = ExternalDeviceMode;
    for (const QString &name : names)
        question.refused << CopyFailure { QStringLiteral("/home/user/") + name, QString(),
            CopyOutcome::NameNotAllowed };
    question.offerSafeNames = true;
    browser.findChild<CopyController *>()->ask(question);
    return boxes.succeeded();
}

// The end of a copy: what the user kept and what failed, a cancel, and a
// device pulled out.
bool saveReport(const SnapshotFolder &folder, Browser &browser, const PaneTestHome &home)
{
    const QString source = home.hostFolder(PicturesMode) + QLatin1Char('/');
    const QString dest = home.deviceFolder(PicturesMode);
    CopyFailures failures {
        { source + QStringLiteral("Holidays in Brittany, summer 2009 - 042.jpg"), dest,
            CopyOutcome::NoSpace },
        { source + QStringLiteral("Scanned letters"), dest, CopyOutcome::NoRights },
        { source + QStringLiteral("Meeting: notes?.doc"), dest, CopyOutcome::NameNotAllowed },
        { source + QStringLiteral("Wedding video.avi"), dest, CopyOutcome::TooLarge },
        { source + QStringLiteral("photo 017.jpg"), dest, CopyOutcome::ReadError },
    };
    for (int i = 0; i < 6; ++i)
        failures << CopyFailure { source + QStringLiteral("kept %1.jpg").arg(i), dest,
            CopyOutcome::KeptAsAsked };
    const CopyFailures kept = failures.mid(5);
    const struct
    {
        const char *name;
        CopyFailures failures;
        CopySummary summary;
        CopyReport::Ending ending;
    } reports[] = {
        { "copy_report", failures, { 24, 13, 0, true }, CopyReport::Ending::Ran },
        { "copy_report_kept", kept, { 24, 15, 3, true }, CopyReport::Ending::Ran },
        { "copy_report_cancelled", {}, { 24, 12, 0, false }, CopyReport::Ending::Cancelled },
        { "copy_report_unplugged",
            { { source + QStringLiteral("Family dinner at grandmother's house.jpg"), dest,
                CopyOutcome::WriteError } },
            { 24, 12, 0, false }, CopyReport::Ending::DeviceGone },
    };
    bool ok = true;
    for (const auto &report : reports) {
        BoxAnswers boxes(folder, { { QLatin1String(report.name), QMessageBox::Close, {} } });
        CopyReport(report.failures, report.summary, report.ending, &browser).exec();
        ok &= boxes.succeeded();
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;

    PaneTestHome home;
    QFile model(home.devicePath() + QStringLiteral("/.opalo"));
    if (!model.open(QIODevice::WriteOnly) || model.write("Pico\n") < 0)
        return 1;
    model.close();

    // It opens on the pictures.
    Browser browser(home.engine());
    browser.resize(1100, 640);
    browser.show();
    const bool ok = saveCopy(folder, browser, home) && saveNothingToCopy(folder, browser, home)
        && saveNoRoom(folder, browser, home) && saveErrors(folder, browser)
        && saveQuestionBeforeCopy(folder, browser) && saveReport(folder, browser, home);
    return ok ? 0 : 1;
}
