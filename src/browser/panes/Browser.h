// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "widgets/ResizableWindow.h"

#include <QFileInfoList>
#include <QItemSelection>
#include <QPointer>

class BaseFrame;
class Button;
class CopyController;
class ExternalDeviceBookmarkBrowser;
class ExternalDeviceFrame;
class HostBookmarkBrowser;
class HostFrame;
class MessageBox;
class QLabel;
class QMessageBox;
class TL09Engine;

// The media sync window: category tabs over the PC's pane and the device's
// pane, arrows between them to copy the selection across, and buttons to
// create a folder on the device or delete the selected device files. In the
// Bookmarks category the same arrows and buttons work on the two bookmark
// panes instead. That tab is shown only on request (LayoutSettings), but its
// panes are loaded after every data collection all the same.
//
// The copy and delete buttons are enabled only while the selection and the
// destination allow the operation. Every box the window shows is kept as
// activeMessageBox while it runs, so that the main window can dismiss it
// when the device goes away.
//
// Tab goes through the tabs (one stop, at the chosen tab), each pane's tree
// and list, the arrows and the device's buttons in that order; Ctrl+1 to
// Ctrl+5 and Ctrl+Page Up/Down switch category.
class Browser : public ResizableWindow
{
    Q_OBJECT

public:
    explicit Browser(TL09Engine &engine, QWidget *parent = nullptr);

    // The category shown, numbered as FileBrowserMode; the Bookmarks tab
    // keeps the one shown before it.
    int category() const { return m_category; }
    // The device is mounted read-only: nothing is offered that would write
    // to it, and a drop onto it is refused with that reason.
    void setDeviceReadOnly(bool readOnly);

    // Rejects and closes the message box the window is showing, if any.
    void dismissDialog();

    // Runs box as the active message box, deletes it and returns its answer.
    // The window may be gone when it returns: the caller checks before it
    // touches the window again.
    int runBox(MessageBox *box);
    // The PC's or the device's pane, and its name as the window shows it.
    BaseFrame *pane(BrowserMode side) const;
    QString targetName(BrowserMode target) const;

    HostFrame *hostFrame() const { return _hostFrame; }
    ExternalDeviceFrame *deviceFrame() const { return _targetFrame; }
    HostBookmarkBrowser *hostBookmarkBrowser() const { return _bookmarkBrowserLeft; }
    ExternalDeviceBookmarkBrowser *deviceBookmarkBrowser() const { return _bookmarkBrowserRight; }

signals:
    void LeftBrowserSelectionChanged(bool sourceValid, bool destValid);
    void RightBrowserSelectionChanged(bool sourceValid, bool destValid);

public slots:
    void setDocumentsMode();
    void setMovieMode();
    void setPicturesMode();
    void setMusicMode();
    void setURLMode();
    void copy2ExternalDevice();
    void copy2Host();
    void CheckTargetButtons(bool sourceValid, bool destValid);
    void CheckHostButtons(bool sourceValid, bool destValid);
    void DeleteFromOpalo();
    void CreateDirInOpalo();
    void updateBookmarkBrowserLeftArrow();
    void updateBookmarkBrowserRightArrow();
    void receiveBrowserSelectionChanged(const QFileInfoList &files, BrowserMode mode);
    void LeftBrowserListViewSelectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected);
    void RightBrowserListViewSelectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected);
    void LeftBrowserTreeViewSelectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected);
    void RightBrowserTreeViewSelectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected);
    void doDrop(const QFileInfoList &sourceFiles, BrowserMode targetMode, const QString &targetDir);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildForm();
    QLayout *buildTabRow();
    QLayout *buildArrowColumn();
    QLayout *buildDeviceColumn();
    void skinButtons();
    void translateTexts();
    void nameForScreenReaders();
    // The category tabs in their order, the Bookmarks tab last.
    QList<Button *> tabs() const;
    void bindTabKeys();
    // Clicks the tab step places after (or before) the current one, among
    // those shown.
    void stepTab(int step);
    // Makes tab the row's one stop of the Tab key.
    void keepTabStopAt(Button *tab);
    void connectForm();
    void connectBookmarkPanes();
    void setFileMode(FileBrowserMode mode);

    // The arrows copy files, or bookmarks in the Bookmarks category.
    void arrowToDevice();
    void arrowToHost();
    void copyFromFocusedPane();
    void copyBookmarksToDevice();
    void copyBookmarksToHost();
    // Tells the user what a bookmark command could not do; nothing when
    // text is empty.
    void showBookmarkProblem(const QString &text);

    QString deviceModel() const;

    void showError(const char *key);

    Button *_pictureTabPushButton = nullptr;
    Button *_musicTabPushButton = nullptr;
    Button *_videoTabPushButton = nullptr;
    Button *_documentsTabPushButton = nullptr;
    Button *_urlTabPushButton = nullptr;
    QLabel *_myComputerLabel = nullptr;
    HostBookmarkBrowser *_bookmarkBrowserLeft = nullptr;
    HostFrame *_hostFrame = nullptr;
    Button *_copy2ExternalDevice = nullptr;
    Button *_copy2Host = nullptr;
    QLabel *label_4 = nullptr;
    Button *_OpaloAddPushButton = nullptr;
    Button *_OpaloRemovePushButton = nullptr;
    ExternalDeviceBookmarkBrowser *_bookmarkBrowserRight = nullptr;
    ExternalDeviceFrame *_targetFrame = nullptr;

    TL09Engine &m_engine;
    CopyController *m_copyController = nullptr;
    int m_category = PicturesMode;
    bool m_deviceReadOnly = false;
    QPointer<QMessageBox> activeMessageBox;
    bool hostHasSelection = false;
    bool deviceHasSelection = false;
    bool urlMode = false;
};
