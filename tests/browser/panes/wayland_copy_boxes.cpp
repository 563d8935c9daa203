// SPDX-License-Identifier: GPL-2.0-or-later
// Runs copies in the media sync window with each box really shown, on the
// platform the environment names, and says on standard error which window
// it is about to show ("window: NAME"): tst_waylandparents reads that among
// the Wayland protocol log on the same stream.
#include "PaneTestHome.h"
#include "TestDir.h"

#include "base/BrowserMode.h"
#include "browser/panes/Browser.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

#include <cstdio>

namespace {

// Names each window as it is shown, before the platform makes its surface.
class WindowTeller : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()
            && !(widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip)) {
            const QString name = widget->objectName().isEmpty()
                ? QString::fromLatin1(widget->metaObject()->className())
                : widget->objectName();
            std::fprintf(stderr, "window: %s\n", qPrintable(name));
        }
        return false;
    }
};

// Shows the box until the compositor has put it on screen, then goes on
// with the copy.
int showAndGoOn(MessageBox &box)
{
    box.show();
    const bool shown = QTest::qWaitForWindowExposed(&box);
    box.hide();
    if (!shown)
        return QMessageBox::Cancel;
    return box.button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PaneTestHome home;
    TestDir source;
    if (!home.isValid() || !source.isValid())
        return 2;
    WindowTeller teller;
    app.installEventFilter(&teller);
    MessageBox::setAnswerer(showAndGoOn);
    Browser browser(home.engine());
    browser.show();
    if (!QTest::qWaitForWindowExposed(&browser))
        return 3;

    const QString pictures = home.deviceFolder(PicturesMode);
    // The confirmation and the progress dialog; then the overwrite question
    // too, for another file of that name.
    for (const qint64 size : { 8 * 1024 * 1024, 4 * 1024 * 1024 }) {
        const QString name = QStringLiteral("%1/picture.jpg").arg(size);
        browser.doDrop({ QFileInfo(source.createFileOfSize(name, size)) }, ExternalDeviceMode, pictures);
    }
    // "No supported files" after the confirmation.
    source.createFile(QStringLiteral("notes/readme.unknown"), "x");
    browser.doDrop({ QFileInfo(source.filePath(QStringLiteral("notes"))) }, ExternalDeviceMode, pictures);
    return 0;
}
