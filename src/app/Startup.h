// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <sys/types.h>

class QTranslator;

// Name of the catalogue for a locale: only the language counts, and any
// language without a catalogue of its own gets the English one.
QString catalogueName(const QLocale &locale);

// Whether a start must be handed over to OpaloSetRights: a KDE 4 session, the
// super-user, and no argument besides the program name (counted after the
// toolkit removed its own options).
bool handOverRequested(int kdeVersion, uid_t realUid, int argumentCount);

// Installs the catalogue of the system's language; a missing one leaves the
// texts as their keys.
void installTranslator(QTranslator &translator);

// The option that shows the media window's Bookmarks tab in this run.
extern const char *const bookmarksOption;

// How many of the arguments count for the hand-over: the program's own
// options do not, so that asking for one neither starts the hand-over nor
// prevents it.
int handOverArgumentCount(const QStringList &arguments);

// Sets the session flags from the environment: KDE 4 or later, an older
// KDE, or any other desktop, which gets the GNOME plug-in's menu. Returns
// whether the start must be handed over.
bool detectKdeSession(uid_t realUid, int argumentCount);

// Replaces the process by the relauncher; ends the process with status 1 when
// that cannot be done, after calling explain (when given) with the error.
[[noreturn]] void runSetRightsHelper(
    const char *relauncherPath, void (*explain)(const char *relauncherPath, int error) = nullptr);

// What the super-user is told when the relauncher cannot be run.
QString failedHandOverText(const char *relauncherPath, int error);
// Says it on standard error and, where a screen shows it, in a message box.
void explainFailedHandOver(const char *relauncherPath, int error);

// The whole program: start-up, event loop and teardown; relauncherPath is
// where OpaloSetRights is installed.
int runOpaloSync(int &argc, char **argv, const char *relauncherPath);
