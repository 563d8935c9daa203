// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the skinned widgets into a folder, for looking at them:
//   QT_QPA_PLATFORM=offscreen ui_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "ui/Button.h"
#include "ui/GraphicalStatus.h"
#include "ui/MainMenu.h"
#include "ui/ProgressBar.h"
#include "ui/ProgressDialog.h"
#include "ui/ResizableWindow.h"
#include "ui/SkinStyle.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Saves what a widget shows; animations get time to reach a later frame.
bool save(QWidget &widget, const QDir &folder, const QString &name)
{
    widget.show();
    QTest::qWait(400);
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

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

bool saveStatusPanel(const QDir &folder)
{
    auto *panel = new GraphicalStatus;
    SkinnedFrame frame(panel);
    bool ok = true;
    for (int code = 0; code <= 4; ++code) {
        panel->setStatus(code);
        ok &= save(frame, folder, QStringLiteral("status_%1").arg(code));
    }
    return ok;
}

bool saveButtons(const QDir &folder)
{
    Button button;
    button.setStateImages(QImage(QStringLiteral(":/skin/res/disconnect.png")),
        QImage(QStringLiteral(":/skin/res/disconnect_hover.png")),
        QImage(QStringLiteral(":/skin/res/disconnect_pressed.png")));
    button.setFont(skinFont(9, QFont::Bold));
    button.setText(QCoreApplication::translate("ProgressDialog", "IDS_CANCEL"));
    button.resize(150, 30);
    bool ok = save(button, folder, QStringLiteral("button_normal"));
    button.setAttribute(Qt::WA_UnderMouse, true);
    ok &= save(button, folder, QStringLiteral("button_hover"));
    button.setDown(true);
    ok &= save(button, folder, QStringLiteral("button_pressed"));
    return ok;
}

bool saveGauge(const QDir &folder)
{
    ProgressBar gauge;
    gauge.resize(420, 23);
    gauge.setSegments(12.5, 6, 20, 9);
    return save(gauge, folder, QStringLiteral("gauge"));
}

bool saveProgressDialog(const QDir &folder)
{
    ProgressDialog dialog;
    dialog.show();
    dialog.receiveCurrentFileName(QStringLiteral("Holiday in Brittany 2009 - 042.jpg"));
    dialog.receiveProgress(42.7);
    dialog.receiveETA(125);
    return save(dialog, folder, QStringLiteral("progress_dialog"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [LANGUAGE]\n", argv[0]);
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    QTranslator translator;
    const QString language = arguments.value(2, QStringLiteral("en"));
    if (translator.load(QStringLiteral(":/translation/lang/OpaloSync_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&translator);

    auto *menu = new MainMenu;
    SkinnedFrame menuFrame(menu);
    const bool ok = saveStatusPanel(folder) && save(menuFrame, folder, QStringLiteral("main_menu"))
        && saveButtons(folder) && saveGauge(folder) && saveProgressDialog(folder);
    return ok ? 0 : 1;
}
