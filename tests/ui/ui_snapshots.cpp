// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the skinned widgets into a folder, for looking at them:
//   QT_QPA_PLATFORM=offscreen ui_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "SnapshotFolder.h"
#include "ui/GraphicalStatus.h"
#include "ui/MainMenu.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar.h"
#include "widgets/ProgressDialog.h"
#include "widgets/ResizableWindow.h"
#include "widgets/SkinStyle.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with the main window's skin around a content widget.
class SkinnedFrame : public ResizableWindow
{
public:
    explicit SkinnedFrame(QWidget *content)
    {
        setSkin(QImage(QStringLiteral(":/skin/res/bg.png")), 540, 391, 10, 10);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(8, 110, 8, 40);
        layout->addWidget(content);
        resize(783, 559);
    }
};

bool saveStatusPanel(const SnapshotFolder &folder)
{
    auto *panel = new GraphicalStatus;
    SkinnedFrame frame(panel);
    bool ok = true;
    for (int code = 0; code <= 4; ++code) {
        panel->setStatus(code);
        ok &= folder.save(frame, QStringLiteral("status_%1").arg(code));
    }
    return ok;
}

bool saveButtons(const SnapshotFolder &folder)
{
    Button button;
    button.setStateImages(QImage(QStringLiteral(":/skin/res/disconnect.png")),
        QImage(QStringLiteral(":/skin/res/disconnect_hover.png")),
        QImage(QStringLiteral(":/skin/res/disconnect_pressed.png")));
    button.setFont(skinFont(9, QFont::Bold));
    button.setText(QCoreApplication::translate("ProgressDialog", "IDS_CANCEL"));
    button.resize(150, 30);
    bool ok = folder.save(button, QStringLiteral("button_normal"));
    button.setAttribute(Qt::WA_UnderMouse, true);
    ok &= folder.save(button, QStringLiteral("button_hover"));
    button.setDown(true);
    ok &= folder.save(button, QStringLiteral("button_pressed"));
    return ok;
}

bool saveGauge(const SnapshotFolder &folder)
{
    ProgressBar gauge;
    gauge.resize(420, 23);
    gauge.setSegments(12.5, 6, 20, 9);
    return folder.save(gauge, QStringLiteral("gauge"));
}

bool saveProgressDialog(const SnapshotFolder &folder)
{
    ProgressDialog dialog;
    dialog.show();
    dialog.receiveCurrentFileName(QStringLiteral("Holiday in Brittany 2009 - 042.jpg"));
    dialog.receiveProgress(42.7);
    dialog.receiveETA(125);
    return folder.save(dialog, QStringLiteral("progress_dialog"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;

    auto *menu = new MainMenu;
    SkinnedFrame menuFrame(menu);
    const bool ok = saveStatusPanel(folder) && folder.save(menuFrame, QStringLiteral("main_menu"))
        && saveButtons(folder) && saveGauge(folder) && saveProgressDialog(folder);
    return ok ? 0 : 1;
}
