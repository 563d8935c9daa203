// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "GioApplications.h"

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QVector>
#include <QWidget>

class QAction;
class QMenu;

// The file manager's context menu for one call of ShowGtkShellMenu: the item
// menu over selected items, the background menu over a pane's folder. What
// the plug-in cannot do itself is left in the flags, from which the caller's
// result code is computed.
class gnomeMenu : public QWidget
{
    Q_OBJECT

public:
    explicit gnomeMenu(QWidget *parent = nullptr);
    ~gnomeMenu() override;

    void CreateMenu(const QString &path, QPoint pos, const QVector<QString> &files, QWidget *parent);
    void CreateOutsideMenu(const QString &path, QPoint pos, int sortBy, const QVector<QString> &files,
        int iconSize, int extra, QWidget *parent);
    // The code ShowGtkShellMenu returns for what was chosen.
    int resultCode() const;

public Q_SLOTS:
    void open();
    void browse();
    void Compress();
    void Extract();
    void createDocument();

private:
    void startMenu(const QString &path, QPoint pos, const QVector<QString> &files, QWidget *parent);
    void clearCommands();
    QAction *addEntry(QMenu *to, const char *key, const QString &name, const QString &icon = QString());
    // Open With entries; false when the item has no content type.
    bool addOpenWith(bool isFolder);
    QAction *addApplication(QMenu *to, const GioApplications::App &app, const QString &name);
    void addTemplates(QMenu *to);
    void addArrange(int current);
    // Shows the menu and returns the entry chosen in it or a submenu.
    QAction *runMenu();
    void actOnItem(QAction *chosen);
    void actOnBackground(QAction *chosen);
    void showProperties();

    QPointer<QMenu> menu;
    QString path;
    QPoint position;
    QVector<QString> files;
    int sortBy = -1;
    int zoom = -1;
    int renameResult = -1;
    bool isMakeLink = false;
    bool isPaste = false;
    bool isCut = false;
    bool isRename = false;
    bool isNewFolder = false;
    QHash<QAction *, QString> templates;
    QHash<QAction *, GioApplications::App> applications;
    QWidget *dialogParent = nullptr;
};
