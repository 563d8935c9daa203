// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ProgressDialog.h"

#include "widgets/Announcer.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar2.h"
#include "widgets/SkinStyle.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const int dialogWidth = 570;
const int dialogHeight = 185;
const int barMaximum = 1000;
const int closeDelayMs = 1000;

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
    setWindowTitle(QStringLiteral(" "));
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
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(26, 6, 26, 6);

    m_label = new QLabel(tr("IDS_MEDIA_TRANSFER_IN_PROGRESS"), this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setFixedHeight(40);
    m_label->setFont(skinFont(10, QFont::Bold));
    setSkinTextColour(m_label, QColor(99, 99, 99));
    layout->addWidget(m_label);

    m_filenameLabel = new QLabel(this);
    m_filenameLabel->setObjectName(QStringLiteral("_filenameLabel"));
    m_filenameLabel->setFont(skinFont(9));
    // A long name is cut off rather than widening the dialog.
    m_filenameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_filenameLabel);

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

    m_estimatedTimeLabel = new QLabel(this);
    m_estimatedTimeLabel->setObjectName(QStringLiteral("_estimatedTimeLabel"));
    m_estimatedTimeLabel->setFont(skinFont(10));
    layout->addWidget(m_estimatedTimeLabel);

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

void ProgressDialog::receiveETA(int seconds)
{
    if (isVisible())
        m_estimatedTimeLabel->setText(tr("IDS_ESTIMATED_TIME").arg(minutesAndSeconds(seconds)));
}

void ProgressDialog::close_cancel()
{
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
    const QString title = windowTitle().trimmed();
    setAccessibleName(title.isEmpty() ? m_label->text().section(QLatin1Char('\n'), 0, 0) : title);
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
