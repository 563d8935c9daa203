// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/Browser.h"

#include "base/LayoutSettings.h"
#include "bookmarks/ExternalDeviceBookmarkBrowser.h"
#include "bookmarks/HostBookmarkBrowser.h"
#include "browser/panes/CopyController.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/TL09Engine.h"
#include "widgets/Button.h"
#include "widgets/MessageBox.h"
#include "widgets/SkinStyle.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QShortcut>
#include <QShowEvent>
#include <QSysInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const int tabTextOffsetX = 23;
const int tabTextOffsetY = -5;
const int tabPointSize = 9;
const int titlePointSize = 10;
const QColor titleColour(28, 79, 143);

// Tabs have no disabled look: they are never disabled.
void skinTab(Button *tab, const char *up, const char *hover, const char *down)
{
    tab->setStateImages(
        skinImage(QLatin1String(up)), skinImage(QLatin1String(hover)), skinImage(QLatin1String(down)));
    tab->setTextOffset(tabTextOffsetX, tabTextOffsetY);
}

void skinStateButton(
    Button *button, const char *normal, const char *hover, const char *pressed, const char *disabled)
{
    button->setStateImages(skinImage(QLatin1String(normal)), skinImage(QLatin1String(hover)),
        skinImage(QLatin1String(pressed)), skinImage(QLatin1String(disabled)));
}

Button *namedButton(const char *name, const QSize &size, QWidget *parent)
{
    auto *button = new Button(parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setFixedSize(size);
    return button;
}

Button *tabButton(const char *name, QWidget *parent)
{
    Button *tab = namedButton(name, QSize(164, 38), parent);
    tab->setCheckable(true);
    tab->setAutoExclusive(true);
    tab->setFont(skinFont(tabPointSize, QFont::Bold));
    return tab;
}

QLabel *titleLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(skinFont(titlePointSize, QFont::Bold));
    setSkinTextColour(label, titleColour);
    return label;
}

} // namespace

Browser::Browser(TL09Engine &engine, QWidget *parent)
    : ResizableWindow(parent)
    , m_engine(engine)
    , m_copyController(new CopyController(engine, this))
{
    buildForm();
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    skinButtons();
    _pictureTabPushButton->setChecked(true);
    translateTexts();
    nameForScreenReaders();
    connectForm();
    bindTabKeys();
    _copy2ExternalDevice->setEnabled(false);
    _copy2Host->setEnabled(false);
    _OpaloRemovePushButton->setEnabled(false);
    // The bookmark exchange is offered only to whoever asks for it.
    _urlTabPushButton->setVisible(LayoutSettings::bookmarksTabShown());
}

void Browser::buildForm()
{
    setObjectName(QStringLiteral("Browser"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 6, 12, 12);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addLayout(buildTabRow(), 0, 0, 1, 3);

    _myComputerLabel = titleLabel("_myComputerLabel", this);
    grid->addWidget(_myComputerLabel, 1, 0);
    _bookmarkBrowserLeft = new HostBookmarkBrowser(this);
    _bookmarkBrowserLeft->setObjectName(QStringLiteral("_boomarkBrowserLeft"));
    _bookmarkBrowserLeft->hide();
    grid->addWidget(_bookmarkBrowserLeft, 2, 0, 2, 1);
    _hostFrame = new HostFrame(this);
    grid->addWidget(_hostFrame, 2, 0, 2, 1);

    grid->addLayout(buildArrowColumn(), 2, 1);

    label_4 = titleLabel("label_4", this);
    grid->addWidget(label_4, 1, 2);
    grid->addLayout(buildDeviceColumn(), 2, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
}

QLayout *Browser::buildTabRow()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    _pictureTabPushButton = tabButton("_pictureTabPushButton", this);
    _musicTabPushButton = tabButton("_musicTabPushButton", this);
    _videoTabPushButton = tabButton("_videoTabPushButton", this);
    _documentsTabPushButton = tabButton("_documentsTabPushButton", this);
    _urlTabPushButton = tabButton("_urlTabPushButton", this);
    for (Button *tab : tabs())
        row->addWidget(tab);
    row->addStretch();
    return row;
}

QLayout *Browser::buildArrowColumn()
{
    auto *column = new QVBoxLayout;
    column->addStretch();
    _copy2ExternalDevice = namedButton("_copy2ExternalDevice", QSize(44, 44), this);
    _copy2Host = namedButton("_copy2Host", QSize(44, 44), this);
    column->addWidget(_copy2ExternalDevice);
    column->addSpacing(12);
    column->addWidget(_copy2Host);
    column->addStretch();
    return column;
}

QLayout *Browser::buildDeviceColumn()
{
    auto *column = new QVBoxLayout;
    column->setSpacing(4);
    _bookmarkBrowserRight = new ExternalDeviceBookmarkBrowser(this);
    _bookmarkBrowserRight->setObjectName(QStringLiteral("_boomarkBrowserRight"));
    _bookmarkBrowserRight->hide();
    column->addWidget(_bookmarkBrowserRight, 1);
    _targetFrame = new ExternalDeviceFrame(deviceModel(), this);
    column->addWidget(_targetFrame, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    _OpaloAddPushButton = namedButton("_OpaloAddPushButton", QSize(34, 34), this);
    _OpaloRemovePushButton = namedButton("_OpaloRemovePushButton", QSize(34, 34), this);
    buttons->addWidget(_OpaloAddPushButton);
    buttons->addWidget(_OpaloRemovePushButton);
    column->addLayout(buttons);
    return column;
}

void Browser::skinButtons()
{
    skinTab(_pictureTabPushButton, ":/skin/res/pictures_up.png", ":/skin/res/pictures_hover.png",
        ":/skin/res/pictures_down.png");
    skinTab(_musicTabPushButton, ":/skin/res/music_up.png", ":/skin/res/music_hover.png",
        ":/skin/res/music_down.png");
    skinTab(_videoTabPushButton, ":/skin/res/movie_up.png", ":/skin/res/movie_hover.png",
        ":/skin/res/movie_down.png");
    skinTab(_documentsTabPushButton, ":/skin/res/doc_up.png", ":/skin/res/doc_hover.png",
        ":/skin/res/doc_down.png");
    skinTab(_urlTabPushButton, ":/skin/res/favorites_up.png", ":/skin/res/favorites_hover.png",
        ":/skin/res/favorites_down.png");
    skinStateButton(_copy2ExternalDevice, ":/skin/res/right_arrow.png", ":/skin/res/right_arrow_hover.png",
        ":/skin/res/right_arrow_pressed.png", ":/skin/res/right_arrow_disabled.png");
    skinStateButton(_copy2Host, ":/skin/res/left_arrow.png", ":/skin/res/left_arrow_hover.png",
        ":/skin/res/left_arrow_pressed.png", ":/skin/res/left_arrow_disabled.png");
    skinStateButton(_OpaloAddPushButton, ":/skin/res/add_normal.png", ":/skin/res/add_hover.png",
        ":/skin/res/add_pressed.png", ":/skin/res/add_disabled.png");
    skinStateButton(_OpaloRemovePushButton, ":/skin/res/remove_normal.png", ":/skin/res/remove_hover.png",
        ":/skin/res/remove_pressed.png", ":/skin/res/remove_disabled.png");
    const QImage skin = skinImage(QStringLiteral(":/skin/res/media_bg.png"));
    setSkin(skin, skin.width() / 2, skin.height() / 2, 10, 10);
}

void Browser::translateTexts()
{
    setWindowTitle(QStringLiteral("Form"));
    _pictureTabPushButton->setText(tr("IDS_PICTURES"));
    _musicTabPushButton->setText(tr("IDS_MUSIC"));
    _videoTabPushButton->setText(tr("IDS_VIDEO"));
    _documentsTabPushButton->setText(tr("IDS_OFFICE"));
    _urlTabPushButton->setText(tr("IDS_URL"));
    _copy2ExternalDevice->setToolTip(tr("IDS_UPLOAD_TIP"));
    _copy2ExternalDevice->setStatusTip(tr("IDS_UPLOAD_TIP"));
    _copy2Host->setToolTip(tr("IDS_DOWNLOAD_TIP"));
    _copy2Host->setStatusTip(tr("IDS_DOWNLOAD_TIP"));
    _myComputerLabel->setText(targetName(HostMode));
    if (deviceModel().isEmpty()) {
        QString title = tr("IDS_MY_OPALO");
        title.chop(4);
        label_4->setText(title.trimmed());
    } else {
        label_4->setText(targetName(ExternalDeviceMode));
    }
}

void Browser::nameForScreenReaders()
{
    // The arrows and the device's buttons show pictures only.
    _copy2ExternalDevice->setAccessibleName(tr("IDS_COPY_TO_DEVICE_NAME"));
    _copy2Host->setAccessibleName(tr("IDS_COPY_TO_HOST_NAME"));
    _OpaloAddPushButton->setAccessibleName(tr("IDS_NEW_FOLDER_NAME"));
    _OpaloAddPushButton->setToolTip(tr("IDS_NEW_FOLDER_NAME"));
    _OpaloRemovePushButton->setAccessibleName(tr("IDS_DELETE_NAME"));
    _OpaloRemovePushButton->setToolTip(tr("IDS_DELETE_NAME"));
}

QList<Button *> Browser::tabs() const
{
    return { _pictureTabPushButton, _musicTabPushButton, _videoTabPushButton, _documentsTabPushButton,
        _urlTabPushButton };
}

void Browser::copyFromFocusedPane()
{
    const QWidget *focus = QApplication::focusWidget();
    const auto holdsFocus
        = [focus](const QWidget *pane) { return focus && pane->isVisible() && pane->isAncestorOf(focus); };
    if ((holdsFocus(_hostFrame) || holdsFocus(_bookmarkBrowserLeft)) && _copy2ExternalDevice->isEnabled())
        arrowToDevice();
    else if ((holdsFocus(_targetFrame) || holdsFocus(_bookmarkBrowserRight)) && _copy2Host->isEnabled())
        arrowToHost();
}

void Browser::bindTabKeys()
{
    // Ctrl+1 to Ctrl+5 in the order of the tabs; Bookmarks only when shown.
    const QList<Button *> all = tabs();
    for (int i = 0; i < all.size(); ++i) {
        Button *tab = all.at(i);
        connect(new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)), this), &QShortcut::activated, this,
            [this, tab] {
                if (!tab->isHidden())
                    tab->click();
            });
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this), &QShortcut::activated, this,
        [this] { stepTab(1); });
    // As in two-pane file managers: F5 copies the selection of the pane the
    // keyboard is in to the other one, as its arrow does.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
        &Browser::copyFromFocusedPane);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this), &QShortcut::activated, this,
        [this] { stepTab(-1); });
    for (Button *tab : all) {
        connect(tab, &QAbstractButton::toggled, this, [this, tab](bool chosen) {
            if (chosen)
                keepTabStopAt(tab);
        });
    }
    keepTabStopAt(_pictureTabPushButton);
}

void Browser::keepTabStopAt(Button *tab)
{
    // Qt leaves the stop of a row of exclusive buttons at the one that last
    // had the focus: a category chosen with a shortcut or a click, the focus
    // elsewhere, would be entered at the former one.
    // The focus frame, when it is on the row, goes to the chosen tab
    // however it was chosen.
    const QList<Button *> all = tabs();
    const bool rowHasFocus
        = std::any_of(all.cbegin(), all.cend(), [](const Button *other) { return other->hasFocus(); });
    for (Button *other : all)
        other->setFocusPolicy(other == tab ? Qt::TabFocus : Qt::NoFocus);
    if (rowHasFocus)
        tab->setFocus(Qt::TabFocusReason);
}

void Browser::stepTab(int step)
{
    QList<Button *> shown = tabs();
    shown.erase(std::remove_if(shown.begin(), shown.end(), [](const Button *tab) { return tab->isHidden(); }),
        shown.end());
    const auto checked
        = std::find_if(shown.cbegin(), shown.cend(), [](const Button *tab) { return tab->isChecked(); });
    const int current = checked == shown.cend() ? 0 : int(checked - shown.cbegin());
    shown.at((current + step + shown.size()) % shown.size())->click();
}

QString Browser::targetName(BrowserMode target) const
{
    if (target == HostMode)
        return tr("IDS_MY_COMPUTER").arg(QSysInfo::machineHostName());
    return tr("IDS_MY_OPALO").arg(QLatin1String("OPALO ") + deviceModel());
}

QString Browser::deviceModel() const
{
    return m_engine.deviceModel();
}

void Browser::connectForm()
{
    connect(_videoTabPushButton, &QPushButton::clicked, this, &Browser::setMovieMode);
    connect(_pictureTabPushButton, &QPushButton::clicked, this, &Browser::setPicturesMode);
    connect(_musicTabPushButton, &QPushButton::clicked, this, &Browser::setMusicMode);
    connect(_documentsTabPushButton, &QPushButton::clicked, this, &Browser::setDocumentsMode);
    connect(_urlTabPushButton, &QPushButton::clicked, this, &Browser::setURLMode);
    connect(_copy2ExternalDevice, &QPushButton::clicked, this, &Browser::arrowToDevice);
    connect(_copy2Host, &QPushButton::clicked, this, &Browser::arrowToHost);
    for (BaseFrame *frame :
        { static_cast<BaseFrame *>(_hostFrame), static_cast<BaseFrame *>(_targetFrame) }) {
        connect(frame, &BaseFrame::BrowserSelectionChanged, this, &Browser::receiveBrowserSelectionChanged);
        connect(frame, &BaseFrame::SignalDoDrop, this, &Browser::doDrop);
    }
    connect(_OpaloAddPushButton, &QPushButton::clicked, this, &Browser::CreateDirInOpalo);
    connect(_OpaloRemovePushButton, &QPushButton::clicked, this, &Browser::DeleteFromOpalo);
    for (const BrowserMode side : { HostMode, ExternalDeviceMode })
        pane(side)->setBoxRunner([this](MessageBox *box) { return runBox(box); });
    // What the device holds has changed, whether by the key or the button.
    connect(_targetFrame, &BaseFrame::filesDeleted, &m_engine, &TL09Engine::startDataCollection);
    connect(this, &Browser::LeftBrowserSelectionChanged, this, &Browser::CheckHostButtons);
    connect(this, &Browser::RightBrowserSelectionChanged, this, &Browser::CheckTargetButtons);
    connectBookmarkPanes();
}

void Browser::showEvent(QShowEvent *event)
{
    ResizableWindow::showEvent(event);
    if (event->spontaneous())
        return;
    _pictureTabPushButton->setChecked(true);
    setPicturesMode();
    // Where the keyboard starts in the window.
    _pictureTabPushButton->setFocus();
}

void Browser::setDocumentsMode()
{
    setFileMode(DocumentsMode);
}

void Browser::setMovieMode()
{
    setFileMode(MovieMode);
}

void Browser::setPicturesMode()
{
    setFileMode(PicturesMode);
}

void Browser::setMusicMode()
{
    setFileMode(MusicMode);
}

void Browser::setFileMode(FileBrowserMode mode)
{
    setUpdatesEnabled(false);
    urlMode = false;
    _bookmarkBrowserLeft->hide();
    _bookmarkBrowserRight->hide();
    _hostFrame->show();
    _targetFrame->show();
    _hostFrame->SelectMode(mode);
    _targetFrame->SelectMode(mode);
    m_category = mode;
    setUpdatesEnabled(true);
}

void Browser::CheckHostButtons(bool sourceValid, bool destValid)
{
    _copy2ExternalDevice->setEnabled(sourceValid && destValid && !m_deviceReadOnly);
}

void Browser::CheckTargetButtons(bool sourceValid, bool destValid)
{
    _copy2Host->setEnabled(sourceValid && destValid);
    _OpaloRemovePushButton->setEnabled(sourceValid && !m_deviceReadOnly);
    _OpaloAddPushButton->setEnabled(destValid && !m_deviceReadOnly);
}

void Browser::setDeviceReadOnly(bool readOnly)
{
    m_deviceReadOnly = readOnly;
    _targetFrame->listViewModel()->setWritable(!readOnly);
    if (readOnly) {
        _copy2ExternalDevice->setEnabled(false);
        _OpaloAddPushButton->setEnabled(false);
        _OpaloRemovePushButton->setEnabled(false);
    }
}

void Browser::receiveBrowserSelectionChanged(const QFileInfoList &files, BrowserMode mode)
{
    const bool hostShown = !_hostFrame->currentPath().isEmpty();
    const bool deviceShown = !_targetFrame->currentPath().isEmpty();
    const bool hasFiles = !files.isEmpty();
    _OpaloAddPushButton->setEnabled(deviceShown && !m_deviceReadOnly);
    if (!hostShown) {
        CheckTargetButtons(false, false);
    } else if (mode == HostMode) {
        CheckHostButtons(hasFiles, deviceShown);
        CheckTargetButtons(deviceHasSelection, true);
        hostHasSelection = hasFiles;
    }
    if (!deviceShown) {
        CheckHostButtons(false, false);
    } else if (mode == ExternalDeviceMode) {
        CheckTargetButtons(hasFiles, hostShown);
        CheckHostButtons(hostHasSelection, true);
        deviceHasSelection = hasFiles;
    }
}

BaseFrame *Browser::pane(BrowserMode side) const
{
    if (side == HostMode)
        return _hostFrame;
    return _targetFrame;
}

void Browser::copy2ExternalDevice()
{
    m_copyController->copyAcross(
        _hostFrame->selectedFiles(), ExternalDeviceMode, _targetFrame->currentPath());
}

void Browser::copy2Host()
{
    m_copyController->copyAcross(_targetFrame->selectedFiles(), HostMode, _hostFrame->currentPath());
}

void Browser::doDrop(const QFileInfoList &sourceFiles, BrowserMode targetMode, const QString &targetDir)
{
    if (targetMode == ExternalDeviceMode && m_deviceReadOnly) {
        runBox(new MessageBox(QMessageBox::Critical,
            tr("IDS_DEVICE_READ_ONLY").arg(targetName(ExternalDeviceMode)), QMessageBox::Ok, this));
        return;
    }
    m_copyController->copyAcross(sourceFiles, targetMode, targetDir);
}

int Browser::runBox(MessageBox *box)
{
    activeMessageBox = box;
    // A window given up while the box runs deletes the box with itself.
    const QPointer<MessageBox> alive(box);
    const int answer = box->exec();
    delete alive;
    return answer;
}

void Browser::showError(const char *key)
{
    runBox(new MessageBox(QMessageBox::Critical, tr(key), QMessageBox::Ok, this));
}

void Browser::CreateDirInOpalo()
{
    if (urlMode) {
        if (!_bookmarkBrowserRight->createFolder())
            showError(QT_TR_NOOP("IDS_ERROR_CREATING_DIRECTORY"));
        return;
    }
    const QString folder = _targetFrame->currentPath();
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    if (!_targetFrame->createFolder(tr("IDS_FOLDER"), true))
        showError(QT_TR_NOOP("IDS_ERROR_CREATING_DIRECTORY"));
}

void Browser::DeleteFromOpalo()
{
    if (urlMode) {
        if (!_bookmarkBrowserRight->deleteSelected())
            showError(QT_TR_NOOP("IDS_DELETE_ERROR"));
        return;
    }
    _targetFrame->deleteSelected();
}

void Browser::dismissDialog()
{
    if (!activeMessageBox)
        return;
    activeMessageBox->reject();
    activeMessageBox->close();
}
