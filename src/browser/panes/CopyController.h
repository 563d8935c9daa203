// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "base/CopyDlg.h"

#include <QFileInfoList>
#include <QObject>
#include <QPointer>

#include <functional>

class BaseFrame;
class Browser;

// The media sync window's side of a copy, from the user's question to the
// end report: asks for confirmation, naming what goes where, shows the
// progress dialog while the engine copies, answers the engine's questions
// (overwrite, errors, names the destination refuses), reports how the copy
// ended (what the user kept, what was already there, what did not arrive,
// with a retry), and selects what arrived in the destination pane.
//
// Every box runs as the window's active message box, so that the main
// window can dismiss it when the device goes; the window (and this
// controller with it) may be gone when a box returns, which every step
// checks before it goes on.
class CopyController : public QObject
{
    Q_OBJECT

public:
    explicit CopyController(Browser *window);

    // Copies files into destDir on the target side after the user's
    // confirmation, then refreshes the destination pane and selects what
    // arrived there.
    void copyAcross(const QFileInfoList &files, BrowserMode target, const QString &destDir);

    // The engine's questions while it copies.
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void askBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames);

private:
    // False when the window went away meanwhile.
    bool transferFiles(const QFileInfoList &files, BrowserMode target, const QString &destDir);
    // The question before a copy of files into destDir.
    QString confirmation(const QFileInfoList &files, const QString &destination) const;
    QString destinationOf(BrowserMode target, const QString &destDir) const;
    bool runCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir);
    // Shows the progress of the copy that start starts, until it ends or is
    // cancelled; false when the window went away meanwhile.
    bool followCopy(const std::function<bool()> &start, bool *started);
    // Reports how the last copy ended, when there is anything to say; true
    // when the user asks to retry.
    bool reportEnd();
    void setThumbnailsEnabled(bool enabled);
    void selectArrived(BaseFrame *destination, const QFileInfoList &files, const QString &destDir);

    Browser *m_window;
    // The progress dialog's title for the copy under way.
    QString m_title;
    // Whether the user cancelled the copy, in its progress dialog or in the
    // question before it.
    bool m_cancelled = false;
    bool m_declined = false;
};
