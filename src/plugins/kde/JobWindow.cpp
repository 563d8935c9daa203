// SPDX-License-Identifier: GPL-2.0-or-later
#include "JobWindow.h"

#include "plugins/DialogParent.h"

#include <KJob>
#include <KJobUiDelegate>
#include <KJobWidgets>

#include <QWidget>

void giveWindowToJob(KJob *job, QWidget *window)
{
    // KIO's dialogues for the job go over the program's window; the hidden
    // window only carries the job's lifetime.
    KJobWidgets::setWindow(job, dialogParent() ? dialogParent() : window);
    if (job->uiDelegate())
        job->uiDelegate()->setAutoErrorHandlingEnabled(true);
    // finished comes also for a job killed quietly, which never sends result.
    QObject::connect(job, &KJob::finished, window, &QObject::deleteLater);
}
