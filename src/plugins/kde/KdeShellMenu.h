// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

class KActionCollection;
class QAction;

// Dolphin's context menu for a selection of local paths, or for the
// background of a folder (then the selection is the folder alone). Never
// shown itself: it parents the menu, its actions and the dialogs they open.
// Inside the program's window when given one, so that those dialogs go over
// that window (on Wayland a hidden parent window is no parent at all).
class KdeShellMenu : public QWidget
{
    Q_OBJECT

public:
    KdeShellMenu(const QVector<QString> &paths, bool isFileSelection, QWidget *window = nullptr);

    // Runs the menu modally at pos and carries out what was chosen; returns
    // one of the KdeMenuResult codes. The menu is stored in *menuOut before it
    // is shown; the caller owns it afterwards.
    int OnContextMenu(QPoint pos, QWidget **menuOut);

public slots:
    void properties();

private:
    KActionCollection *createActions();
    QAction *addEditAction(KActionCollection *collection, const QString &name, const QString &text,
        const QString &icon, const QKeySequence &shortcut);
    int carryOut(const KActionCollection &collection, const QAction *chosen);

    QVector<QString> m_paths;
    const bool m_isFileSelection;
};
