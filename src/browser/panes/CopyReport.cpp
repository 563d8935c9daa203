// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyReport.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const int shownLines = 10;

QMessageBox::StandardButtons buttonsFor(const CopyFailures &failures)
{
    const bool retriable = std::any_of(
        failures.begin(), failures.end(), [](const CopyFailure &failure) { return failure.isRetriable(); });
    return retriable ? QMessageBox::Retry | QMessageBox::Close : QMessageBox::Close;
}

// How many did not arrive; when all did, how many came with a warning.
QString headingOf(const CopyFailures &failures)
{
    const auto missing = std::count_if(
        failures.begin(), failures.end(), [](const CopyFailure &failure) { return !failure.isWarning(); });
    if (missing == 0)
        return CopyReport::tr("IDS_COPY_REPORT_WARNINGS").arg(failures.size());
    return CopyReport::tr("IDS_COPY_REPORT").arg(missing);
}

QStringList linesOf(const CopyFailures &failures)
{
    QStringList lines;
    for (const CopyFailure &failure : failures) {
        lines << CopyReport::tr("IDS_REPORT_LINE")
                     .arg(QFileInfo(failure.source).fileName(), CopyReport::reasonText(failure.reason));
    }
    return lines;
}

} // namespace

CopyReport::CopyReport(const CopyFailures &failures, QWidget *parent)
    : MessageBox(QMessageBox::Warning, headingOf(failures), buttonsFor(failures), parent)
{
    setObjectName(QStringLiteral("CopyReport"));
    const QStringList lines = linesOf(failures);
    setInformativeText(shortList(lines));
    if (lines.size() > shownLines)
        setDetailedText(lines.join(QLatin1Char('\n')));
}

QString CopyReport::shortList(const QStringList &lines)
{
    QString text = lines.mid(0, shownLines).join(QLatin1Char('\n'));
    if (lines.size() > shownLines)
        text += QLatin1Char('\n') + tr("IDS_AND_MORE").arg(lines.size() - shownLines);
    return text;
}

QString CopyReport::reasonText(CopyOutcome reason)
{
    switch (reason) {
    case CopyOutcome::ExistsKept:
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
    case CopyOutcome::IsLink:
        return tr("IDS_REASON_LINK");
    case CopyOutcome::WriteError:
        return tr("IDS_REASON_WRITE_ERROR");
    case CopyOutcome::DateNotKept:
        return tr("IDS_REASON_DATE_NOT_KEPT");
    }
    return QString();
}
