// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/OverwriteQuestion.h"

#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/views/IconProvider.h"
#include "widgets/DataSize.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>

namespace {

const int pictureEdge = 96;
// FAT keeps modification times in steps of 2 seconds: dates closer than
// that are the same.
const qint64 sameDateMs = 2000;

QString factsLine(BrowserMode place, qint64 size, const QDateTime &date)
{
    const char *key = place == ExternalDeviceMode
        ? QT_TRANSLATE_NOOP("OverwriteQuestion", "IDS_FILE_ON_DEVICE")
        : QT_TRANSLATE_NOOP("OverwriteQuestion", "IDS_FILE_ON_HOST");
    // The size and the date each kept on one line.
    const auto unbroken = [](QString text) { return text.replace(QLatin1Char(' '), QChar::Nbsp); };
    return OverwriteQuestion::tr(key).arg(unbroken(DataSize::text(size)),
        unbroken(QLocale().toString(date.toLocalTime(), QLocale::ShortFormat)));
}

QPixmap fitted(const QImage &picture)
{
    return QPixmap::fromImage(
        picture.scaled(pictureEdge, pictureEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The icon of the file's type, known from its name alone: the device's
// files are not read here.
QPixmap typeIcon(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const QIcon fallback = IconProvider::shared()->icon(QFileIconProvider::File);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback))
        .pixmap(pictureEdge, pictureEdge);
}

} // namespace

OverwriteQuestion::OverwriteQuestion(
    const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, int category, QWidget *parent)
    : MessageBox(QMessageBox::NoIcon, tr("IDS_OVERWRITE_CLASH").arg(question.fileName),
          QMessageBox::Yes | QMessageBox::No | QMessageBox::Save | QMessageBox::Cancel, parent)
    , m_forAll(new QCheckBox(tr("IDS_FOR_ALL_REMAINING"), this))
{
    setObjectName(QStringLiteral("OverwriteQuestion"));
    nameButtons();
    // Enter keeps what is there; Escape (Cancel) stops the copy.
    setDefaultButton(QMessageBox::No);
    // Without both files' facts (the worker always sends them) the box
    // asks about the name alone.
    const bool known = QFileInfo(question.overwrite.existing).fileName() == question.fileName;
    arrange(known ? makeSides(question, pcThumbnails, category) : nullptr);
}

int OverwriteQuestion::exec()
{
    const int chosen = MessageBox::exec();
    if (!m_forAll->isChecked())
        return chosen;
    switch (chosen) {
    case QMessageBox::Yes:
        return AnswerYesToAll;
    case QMessageBox::No:
        return AnswerNoToAll;
    case QMessageBox::Save:
        return AnswerKeepBothToAll;
    default:
        return chosen;
    }
}

void OverwriteQuestion::nameButtons()
{
    const struct
    {
        StandardButton button;
        const char *text;
        const char *description;
    } names[] = {
        { Yes, QT_TR_NOOP("IDS_REPLACE"), QT_TR_NOOP("IDS_REPLACE_TIP") },
        { No, QT_TR_NOOP("IDS_SKIP"), QT_TR_NOOP("IDS_SKIP_TIP") },
        { Save, QT_TR_NOOP("IDS_KEEP_BOTH"), QT_TR_NOOP("IDS_KEEP_BOTH_TIP") },
        { Cancel, QT_TR_NOOP("IDS_CANCEL_COPY"), QT_TR_NOOP("IDS_CANCEL_COPY_TIP") },
    };
    for (const auto &name : names) {
        QAbstractButton *shown = button(name.button);
        shown->setText(tr(name.text));
        shown->setToolTip(tr(name.description));
        shown->setAccessibleDescription(tr(name.description));
    }
}

QWidget *OverwriteQuestion::makeSides(
    const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, int category)
{
    const CopyQuestion::Overwrite &files = question.overwrite;
    const BrowserMode target = question.target;
    const BrowserMode origin = target == ExternalDeviceMode ? HostMode : ExternalDeviceMode;
    const qint64 apart = files.existingDate.msecsTo(files.sourceDate);
    const bool existingNewer = apart < -sameDateMs;
    const bool existingLarger = files.existingSize > files.sourceSize;
    const Side existing { files.existing, target, files.existingSize, files.existingDate, existingNewer,
        existingLarger };
    const Side copied { files.source, origin, files.sourceSize, files.sourceDate, apart > sameDateMs,
        files.sourceSize > files.existingSize };
    auto *sides = new QWidget(this);
    new QGridLayout(sides);
    QStringList toMake;
    addSide(sides, 0, existing, tr("IDS_CLASH_EXISTING"), pcThumbnails, &toMake);
    addSide(sides, 1, copied, tr("IDS_CLASH_NEW"), pcThumbnails, &toMake);
    if (!toMake.isEmpty()) {
        // Goes with the box, and stops the helpers' work for it then.
        auto *helpers = new ThumbLoaderWorker(this);
        connect(helpers, &ThumbLoaderWorker::sendIcon, this, &OverwriteQuestion::showPicture);
        QList<QFileInfo> asked;
        for (const QString &path : qAsConst(toMake))
            asked << QFileInfo(path);
        helpers->addFiles(asked, category);
    }
    return sides;
}

void OverwriteQuestion::addSide(QWidget *sides, int column, const Side &side, const QString &heading,
    const ThumbLoaderWorker *pcThumbnails, QStringList *toMake)
{
    auto *grid = static_cast<QGridLayout *>(sides->layout());
    const QString path = QFileInfo(side.path).absoluteFilePath();
    auto *picture = new QLabel(sides);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(pictureEdge, pictureEdge);
    picture->setAccessibleName(tr("IDS_CLASH_PICTURE").arg(heading));
    const QImage held = side.place == HostMode && pcThumbnails ? pcThumbnails->thumbnail(path) : QImage();
    picture->setPixmap(held.isNull() ? typeIcon(path) : fitted(held));
    if (held.isNull()) {
        m_pictures.insert(path, picture);
        *toMake << path;
    }
    grid->addWidget(picture, 0, column, Qt::AlignHCenter);

    QStringList lines { factsLine(side.place, side.size, side.date) };
    if (side.newer)
        lines << tr("IDS_CLASH_NEWER");
    if (side.larger)
        lines << tr("IDS_CLASH_LARGER");
    // The heading in the same label, which a screen reader reads as one.
    QStringList shown { QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()) };
    for (const QString &line : qAsConst(lines))
        shown << line.toHtmlEscaped();
    auto *facts = new QLabel(shown.join(QLatin1String("<br>")), sides);
    facts->setTextFormat(Qt::RichText);
    facts->setWordWrap(true);
    facts->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Reached by Tab, so that a screen reader reads each file's facts.
    facts->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    facts->setFocusPolicy(Qt::StrongFocus);
    facts->setAccessibleName(heading);
    facts->setAccessibleDescription(lines.join(QLatin1String(", ")));
    m_tabOrder << facts;
    grid->addWidget(facts, 1, column);
    grid->setColumnStretch(column, 1);
}

void OverwriteQuestion::arrange(QWidget *sides)
{
    // The message box lays out only the parts it knows: this box has a
    // layout of its own, which nothing replaces later, as it has no icon
    // for a change of style to set again.
    QWidget *text = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QWidget *buttons = findChild<QDialogButtonBox *>(QStringLiteral("qt_msgbox_buttonbox"));
    delete layout();
    auto *column = new QVBoxLayout(this);
    column->addWidget(text);
    if (sides)
        column->addWidget(sides);
    column->addWidget(m_forAll);
    column->addWidget(buttons);
    // Tab goes from the files' facts to the check box that applies to the
    // choices; the button box orders the buttons itself.
    m_tabOrder << m_forAll;
    for (int i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
}

void OverwriteQuestion::showPicture(const QString &path, const QImage &picture)
{
    if (QLabel *label = m_pictures.value(path); label && !picture.isNull())
        label->setPixmap(fitted(picture));
}
