// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyReport.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {

const int shownLines = 10;

bool isKept(const CopyFailure &failure)
{
    return failure.reason == CopyOutcome::KeptAsAsked;
}

bool isFailed(const CopyFailure &failure)
{
    return !failure.isWarning() && !isKept(failure);
}

int countOf(const CopyFailures &failures, bool (*which)(const CopyFailure &))
{
    return int(std::count_if(failures.begin(), failures.end(), which));
}

QString number(int count)
{
    return QLocale().toString(count);
}

QMessageBox::Icon iconFor(const CopyFailures &failures, const CopySummary &summary, CopyReport::Ending ending)
{
    const bool cutShort = !summary.complete && ending != CopyReport::Ending::Cancelled;
    return countOf(failures, isFailed) > 0 || cutShort ? QMessageBox::Warning : QMessageBox::Information;
}

QMessageBox::StandardButtons buttonsFor(const CopyFailures &failures, CopyReport::Ending ending)
{
    const bool retriable = std::any_of(
        failures.begin(), failures.end(), [](const CopyFailure &failure) { return failure.isRetriable(); });
    return retriable && ending != CopyReport::Ending::DeviceGone ? QMessageBox::Retry | QMessageBox::Close
                                                                 : QMessageBox::Close;
}

// How far the copy went; when it went through, how many files were
// copied, were there already and did not arrive, or, all there, how many
// came with a warning.
QString headingOf(const CopyFailures &failures, const CopySummary &summary)
{
    if (!summary.complete)
        return CopyReport::tr("IDS_COPY_REPORT_STOPPED").arg(number(summary.copied), number(summary.files));
    const int failed = countOf(failures, isFailed);
    const int warned = countOf(failures, [](const CopyFailure &failure) { return failure.isWarning(); });
    if (failed == 0 && summary.alreadyThere == 0 && warned > 0)
        return CopyReport::tr("IDS_COPY_REPORT_WARNINGS", nullptr, warned);
    if (failed == 0 && summary.alreadyThere == 0)
        return CopyReport::tr("IDS_COPY_REPORT_DONE").arg(number(summary.copied), number(summary.files));
    return CopyReport::tr("IDS_REPORT_COUNTS")
        .arg(CopyReport::tr("IDS_REPORT_N_COPIED", nullptr, summary.copied),
            CopyReport::tr("IDS_REPORT_N_THERE", nullptr, summary.alreadyThere),
            CopyReport::tr("IDS_REPORT_N_FAILED", nullptr, failed));
}

// What the user kept, then each file that did not arrive or came with a
// warning.
QStringList linesOf(const CopyFailures &failures)
{
    QStringList lines;
    const int kept = countOf(failures, isKept);
    if (kept == 1)
        lines << CopyReport::tr("IDS_REPORT_KEPT_ONE");
    else if (kept > 1)
        lines << CopyReport::tr("IDS_REPORT_KEPT_AS_ASKED").arg(number(kept));
    for (const CopyFailure &failure : failures) {
        if (!isKept(failure))
            lines << CopyReport::lineOf(failure);
    }
    return lines;
}

} // namespace

CopyReport::CopyReport(
    const CopyFailures &failures, const CopySummary &summary, Ending ending, QWidget *parent)
    : MessageBox(iconFor(failures, summary, ending), headingOf(failures, summary),
          buttonsFor(failures, ending), parent)
{
    setObjectName(QStringLiteral("CopyReport"));
    showLines(this, linesOf(failures));
}

void CopyReport::showLines(MessageBox *box, const QStringList &lines)
{
    QString shown = lines.mid(0, shownLines).join(QLatin1Char('\n'));
    if (lines.size() > shownLines)
        shown += QLatin1Char('\n') + tr("IDS_AND_MORE").arg(lines.size() - shownLines);
    box->setInformativeText(shown);
    if (lines.size() > shownLines)
        box->setDetailedText(lines.join(QLatin1Char('\n')));
}

bool CopyReport::isDue(const CopyFailures &failures, const CopySummary &summary)
{
    return !summary.complete || !failures.isEmpty() || summary.alreadyThere > 0;
}

QString CopyReport::lineOf(const CopyFailure &failure)
{
    return tr("IDS_REPORT_LINE").arg(QFileInfo(failure.source).fileName(), reasonText(failure.reason));
}

QString CopyReport::reasonText(CopyOutcome reason)
{
    switch (reason) {
    case CopyOutcome::ExistsKept:
    case CopyOutcome::KeptAsAsked:
        return tr("IDS_REASON_EXISTS_KEPT");
    case CopyOutcome::NoSpace:
        return tr("IDS_REASON_NO_SPACE");
    case CopyOutcome::NoRights:
        return tr("IDS_REASON_NO_RIGHTS");
    case CopyOutcome::NameNotAllowed:
        return tr("IDS_REASON_NAME");
    case CopyOutcome::TooLarge:
        return tr("IDS_REASON_TOO_LARGE");
    case CopyOutcome::ReadError:
        return tr("IDS_REASON_READ_ERROR");
    case CopyOutcome::ListingRefused:
        return tr("IDS_REASON_LISTING_REFUSED");
    case CopyOutcome::ListingFailed:
        return tr("IDS_REASON_LISTING_FAILED");
    case CopyOutcome::ChangedWhileCopied:
        return tr("IDS_REASON_CHANGED");
    case CopyOutcome::IsLink:
        return tr("IDS_REASON_LINK");
    case CopyOutcome::WriteError:
        return tr("IDS_REASON_WRITE_ERROR");
    case CopyOutcome::DateNotKept:
        return tr("IDS_REASON_DATE_NOT_KEPT");
    case CopyOutcome::ReadOnly:
        return tr("IDS_REASON_READ_ONLY");
    case CopyOutcome::NoRightsToRead:
        return tr("IDS_REASON_NO_READ_RIGHTS");
    case CopyOutcome::NameTooLong:
        return tr("IDS_REASON_NAME_TOO_LONG");
    case CopyOutcome::DeviceGone:
        return tr("IDS_REASON_DEVICE_GONE");
    case CopyOutcome::SameNameInOtherCase:
        return tr("IDS_REASON_SAME_NAME_OTHER_CASE");
    }
    return QString();
}
