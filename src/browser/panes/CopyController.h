// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "engine/copy/CopyQuestion.h"
#include "engine/copy/CopyRequest.h"

#include <QObject>

class BaseFrame;
class MessageBox;
class Browser;
class CopyJob;
class TL09Engine;

// The media sync window's side of a copy, from the user's question to the
// end report: asks for confirmation, naming what goes where, runs the copy
// as a job of the engine's, shows its progress, answers its questions
// (overwrite, errors, names the destination refuses), reports how it ended
// (what the user kept, what was already there, what did not arrive, with a
// retry), and selects what arrived in the destination pane.
//
// Every box runs as the window's active message box, so that the main
// window can dismiss it when the device goes; the window (and this
// controller with it) may be gone when a box returns, which every step
// checks before it goes on.
class CopyController : public QObject
{
    Q_OBJECT

public:
    CopyController(TL09Engine &engine, Browser *window);

    // Copies files into destDir on the target side, of the window's current
    // category, after the user's confirmation, then refreshes the
    // destination pane and selects what arrived there.
    void copyAcross(const QFileInfoList &files, BrowserMode target, const QString &destDir);
    // Shows the box for a copy's question and returns the user's answer.
    CopyAnswer ask(const CopyQuestion &question);

private:
    // False when the window went away meanwhile.
    bool transferFiles(const CopyRequest &request);
    // What the question before a copy offers, after weighing it against the
    // free space.
    enum class Offer { All, WhatFits, Nothing };
    // The question before a copy of request into destination, with what it
    // needs and what is free when not all of it fits.
    MessageBox *confirmation(const CopyRequest &request, const QString &destination, Offer *offer) const;
    QString destinationOf(const CopyRequest &request) const;
    bool runCopy(const CopyRequest &request);
    // Shows the progress of the run that start starts, until it ends or is
    // cancelled; false when the window went away meanwhile.
    bool followCopy(CopyJob *job, bool (CopyJob::*start)(), bool *started);
    // Reports how the job's last run ended, when there is anything to say;
    // true when the user asks to retry.
    bool reportEnd(const CopyJob *job);
    int askBeforeCopy(const CopyQuestion &question);
    // What a failure's box says: its cause where the cause is known, else
    // what the kind of failure says of itself.
    QString failureText(const CopyQuestion &question) const;
    void setThumbnailsEnabled(bool enabled);
    void selectArrived(BaseFrame *destination, const QFileInfoList &files, const QString &destDir);

    TL09Engine &m_engine;
    Browser *m_window;
    // The progress dialog's title for the copy under way.
    QString m_title;
    // Whether the user cancelled the copy, in its progress dialog or in the
    // question before it.
    bool m_cancelled = false;
    bool m_declined = false;
    // The user chose, at the confirmation, to copy only what fits: the
    // files the check before the copy finds no room for are not asked about.
    bool m_copyWhatFits = false;
};
