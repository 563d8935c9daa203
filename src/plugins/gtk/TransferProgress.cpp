// SPDX-License-Identifier: GPL-2.0-or-later
#include "TransferProgress.h"

#include "plugins/DialogParent.h"

#include <QEventLoop>
#include <QMutexLocker>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

// Shorter transfers show no window at all.
constexpr int windowAfterMs = 1000;
constexpr int updateMs = 100;
constexpr int barSteps = 1000;

} // namespace

TransferProgress::TransferProgress(bool move)
    : m_move(move)
{ }

TransferProgress::~TransferProgress()
{
    delete m_window;
}

void TransferProgress::setCurrent(const QString &name)
{
    QMutexLocker locker(&m_currentLock);
    m_current = name;
}

void TransferProgress::onGui(const std::function<void()> &function)
{
    QMetaObject::invokeMethod(this, function, Qt::BlockingQueuedConnection);
}

void TransferProgress::run(const std::function<void()> &work)
{
    const std::unique_ptr<QThread> worker(QThread::create(work));
    QEventLoop waiting;
    connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    // Painting and the work's questions go on, clicks and keys wait: the
    // user's windows must not start anything while files are on their way.
    QTimer::singleShot(windowAfterMs, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (worker->isRunning()) {
        showWindow();
        waiting.exec();
    }
    worker->wait();
}

void TransferProgress::showWindow()
{
    m_window = new QProgressDialog(dialogParent());
    m_window->setObjectName(QStringLiteral("_transferProgress"));
    m_window->setWindowTitle(m_move ? tr("IDS_MOVING_TITLE") : tr("IDS_COPYING_TITLE"));
    m_window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->setCancelButtonText(tr("IDS_CANCEL"));
    m_window->setRange(0, barSteps);
    m_window->setMinimumDuration(0);
    m_window->setAutoClose(false);
    m_window->setAutoReset(false);
    m_window->setMinimumWidth(m_window->fontMetrics().averageCharWidth() * 60);
    connect(m_window, &QProgressDialog::canceled, this, [this] { m_cancelled = true; });
    auto *ticks = new QTimer(m_window);
    connect(ticks, &QTimer::timeout, this, &TransferProgress::update);
    ticks->start(updateMs);
    update();
    m_window->show();
}

void TransferProgress::update()
{
    if (m_cancelled)
        return;
    const qint64 total = m_total;
    m_window->setValue(total > 0 ? int(qMin<qint64>(barSteps, m_done * barSteps / total)) : 0);
    QMutexLocker locker(&m_currentLock);
    m_window->setLabelText((m_move ? tr("IDS_MOVING_ITEM") : tr("IDS_COPYING_ITEM")).arg(m_current));
}
