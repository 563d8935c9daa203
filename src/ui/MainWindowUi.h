// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class Button;
class GraphicalStatus;
class ProgressBar;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QVBoxLayout;
class QWidget;

// The main window's widget tree. The window owns it; the widgets themselves
// are children of the window and go with it.
struct MainWindowUi
{
    void setupUi(QMainWindow *window);
    void retranslateUi();

    QWidget *_stupidCentralWidget = nullptr;
    QVBoxLayout *_mainVerticalLayout = nullptr;
    QHBoxLayout *_progressHBox = nullptr;
    QLabel *_pictureProgressLabel = nullptr;
    QLabel *_cathegoryMainLabel = nullptr;
    ProgressBar *_mainProgressBar = nullptr;
    QLabel *_memoryTotalLabel = nullptr;
    QLabel *_usedMemoryLabel = nullptr;
    QLabel *_legendPicturesLabel = nullptr;
    QLabel *_legendMusicLabel = nullptr;
    QLabel *_legendVideoLabel = nullptr;
    QLabel *_legendOtherLabel = nullptr;
    QLabel *_legendFreeLabel = nullptr;
    QLabel *_cathegoryLabel = nullptr;
    Button *_back2MainPushButton = nullptr;
    Button *_optionsPushButton = nullptr;
    QHBoxLayout *_contentHBox = nullptr;
    GraphicalStatus *_graphicalStatus = nullptr;
    QHBoxLayout *_statusHBox = nullptr;
    QLabel *_appVersionLabel = nullptr;
    QLabel *_statusLabel = nullptr;
    Button *_disconnectPushButton = nullptr;
};
