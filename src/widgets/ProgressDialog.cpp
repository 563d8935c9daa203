// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ProgressDialog.h"

#include "widgets/Announcer.h"
#include "widgets/Button.h"
#include "widgets/DataSize.h"
#include "widgets/ProgressBar2.h"
#include "widgets/SkinStyle.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const int dialogWidth = 570;
const int dialogHeight = 185;
const int barMaximum = 1000;
const int closeDelayMs = 1000;
// The speed shown is that of this last stretch of the copy, and is shown
// once the stretch measured is this long.

// A row of two labels: the left one takes the room the right one leaves.
void addRow(QVBoxLayout *layout, QLabel *left, QLabel *right)
{
    auto *row = new QHBoxLayout;
    row->addWidget(left, 1);
    row->addWidget(right);
    layout->addLayout(row);
}

QString minutesAndSeconds(int seconds)
{
    // The estimate can only be late, never negative.
    seconds = qMax(0, seconds);
    return QString::number(seconds / 60) + QLatin1Char(':')
        + QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_background(skinImage(QStringLiteral(":/skin/res/copy_progress_bg.png")))
{
    buildWidgetTree();
    setWindowTitle(tr("IDS_COPY_PROGRESS_TITLE"));
    nameForScreenReaders();
    resize(dialogWidth, dialogHeight);
    setFixedHeight(dialogHeight);

    closeTimer.setSingleShot(true);
    closeTimer.setInterval(closeDelayMs);
    connect(&closeTimer, &QTimer::timeout, this, &QWidget::close);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &ProgressDialog::close_cancel);
}

void ProgressDialog::buildWidgetTree()
{
    setSkinPalette(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(26, 6, 26, 6);

    auto *label = new QLabel(tr("IDS_MEDIA_TRANSFER_IN_PROGRESS"), this);
    label->setObjectName(QStringLiteral("label"));
    label->setFixedHeight(40);
    label->setFont(skinFont(10, QFont::Bold));
    setSkinTextColour(label, QColor(99, 99, 99));
    layout->addWidget(label);

    m_filenameLabel = newLabel("_filenameLabel", 9);
    // A long name is cut off rather than widening the dialog.
    m_filenameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_fileNumberLabel = newLabel("_fileNumberLabel", 9);
    addRow(layout, m_filenameLabel, m_fileNumberLabel);

    m_progressBar = new ProgressBar2(this);
    m_progressBar->setObjectName(QStringLiteral("_progressBar"));
    m_progressBar->setFixedSize(518, 40);
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, barMaximum);
    m_progressBar->setValue(0);
    m_progressBar->setImages(skinImage(QStringLiteral(":/skin/res/bar_empty.png")),
        skinImage(QStringLiteral(":/skin/res/bar_full.png")));
    m_progressBar->setAccessibleName(tr("IDS_COPY_PROGRESS"));
    layout->addWidget(m_progressBar);

    m_bytesLabel = newLabel("_bytesLabel", 10);
    m_estimatedTimeLabel = newLabel("_estimatedTimeLabel", 10);
    addRow(layout, m_bytesLabel, m_estimatedTimeLabel);

    m_cancelPushButton = new Button(this);
    m_cancelPushButton->setObjectName(QStringLiteral("_cancelPushButton"));
    m_cancelPushButton->setMinimumSize(137, 30);
    m_cancelPushButton->setFont(skinFont(9, QFont::Bold));
    m_cancelPushButton->setText(tr("IDS_CANCEL"));
    m_cancelPushButton->setStateImages(skinImage(QStringLiteral(":/skin/res/disconnect.png")),
        skinImage(QStringLiteral(":/skin/res/disconnect_hover.png")),
        skinImage(QStringLiteral(":/skin/res/disconnect_pressed.png")));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancelPushButton);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
}

QLabel *ProgressDialog::newLabel(const char *name, int pointSize)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFont(skinFont(pointSize));
    return label;
}

void ProgressDialog::setCopyTitle(const QString &title)
{
    // Screen readers follow through changeEvent().
    setWindowTitle(title);
}

void ProgressDialog::receiveProgress(qreal progress)
{
    if (isVisible())
        m_progressBar->setValue(int(progress * 10));
}

void ProgressDialog::receiveCurrentFileName(const QString &fileName)
{
    if (isVisible())
        m_filenameLabel->setText(fileName);
}

void ProgressDialog::receiveFileNumber(int number, int files)
{
    if (isVisible() && files > 0)
        m_fileNumberLabel->setText(
            tr("IDS_FILE_NUMBER").arg(QLocale().toString(number), QLocale().toString(files)));
}

void ProgressDialog::receiveBytes(qint64 written, qint64 total, qint64 rate)
{
    if (!isVisible())
        return;
    const QString done = DataSize::text(written);
    const QString all = DataSize::text(total);
    m_bytesLabel->setText(rate > 0 ? tr("IDS_COPIED_BYTES_SPEED").arg(done, all, DataSize::text(rate))
                                   : tr("IDS_COPIED_BYTES").arg(done, all));
}

void ProgressDialog::receiveETA(int seconds)
{
    if (isVisible())
        m_estimatedTimeLabel->setText(tr("IDS_ESTIMATED_TIME").arg(minutesAndSeconds(seconds)));
}

void ProgressDialog::close_cancel()
{
    m_cancelled = true;
    closeAllowed = true;
    close();
}

void ProgressDialog::close_dialog(bool succeeded)
{
    closeAllowed = !succeeded;
    if (succeeded)
        Announcer::announce(parentWidget(), tr("IDS_COPY_FINISHED"));
    close();
}

void ProgressDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange)
        nameForScreenReaders();
}

void ProgressDialog::nameForScreenReaders()
{
    setAccessibleName(windowTitle());
}

void ProgressDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
}

void ProgressDialog::closeEvent(QCloseEvent *event)
{
    if (closeAllowed) {
        closeAllowed = false;
        event->accept();
        return;
    }
    closeAllowed = true;
    closeTimer.start();
    event->ignore();
    if (isVisible())
        m_progressBar->setValue(barMaximum);
}
