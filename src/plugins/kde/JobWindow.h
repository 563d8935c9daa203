// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class KJob;
class QWidget;

// Makes the program's window (dialogParent(), else window) the parent of the
// job's dialogs (errors, overwrite and skip questions) and deletes window
// once the job has finished, however it ends. The
// commands return before their jobs end, so the window must belong to the
// job rather than to the call.
void giveWindowToJob(KJob *job, QWidget *window);
