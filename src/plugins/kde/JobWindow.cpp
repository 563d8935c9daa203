// SPDX-License-Identifier: GPL-2.0-or-later
#include "JobWindow.h"

#include <KJob>
#include <KJobUiDelegate>
#include <KJobWidgets>

#include <QWidget>

void giveWindowToJob(KJob *job, QWidget *window)
{
    KJobWidgets::setWindow(job, window);
    if (job->uiDelegate())
        job->uiDelegate()->setAutoErrorHandlingEnabled(true);
    // finished comes also for a job killed quietly, which never sends result.
    QObject::connect(job, &KJob::finished, window, &QObject::deleteLater);
}
