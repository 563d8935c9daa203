// SPDX-License-Identifier: GPL-2.0-or-later
// The skinned windows on a screen scaled to 200 %: every skin image has a
// rendering at twice its size, the widgets paint from it pixel for pixel,
// and the windows keep the layout they have at 100 % (measured in a second
// run of this program at 100 %).
#include "ui/GraphicalStatus.h"
#include "ui/MainMenu.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar2.h"
#include "widgets/ProgressDialog.h"
#include "widgets/ResizableWindow.h"
#include "widgets/SkinStyle.h"

#include <QApplication>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

const char *const layoutVariable = "TST_HIDPI_LAYOUT";

std::unique_ptr<QWidget> makeWindow(const QString &name)
{
    if (name == QLatin1String("ProgressDialog"))
        return std::make_unique<ProgressDialog>();
    if (name == QLatin1String("MainMenu"))
        return std::make_unique<MainMenu>();
    return std::make_unique<GraphicalStatus>();
}

// Every named widget's place in its window, in logical pixels.
QJsonObject layoutOf(const QString &name)
{
    const std::unique_ptr<QWidget> window = makeWindow(name);
    window->show();
    QCoreApplication::processEvents();
    QJsonObject layout;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (int i = 0; i < children.size(); ++i) {
        const QWidget *child = children.at(i);
        const QRect place(child->mapTo(window.get(), QPoint()), child->size());
        layout.insert(
            QStringLiteral("%1 %2 %3").arg(i).arg(child->metaObject()->className(), child->objectName()),
            QStringLiteral("%1,%2 %3x%4")
                .arg(place.x())
                .arg(place.y())
                .arg(place.width())
                .arg(place.height()));
    }
    return layout;
}

QImage grabbed(QWidget &widget)
{
    widget.show();
    QImage pixels = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

// The image's own pixels as a window shows them: over its background.
QImage shownOver(const QImage &image, const QColor &background)
{
    QImage pixels = image;
    pixels.setDevicePixelRatio(1);
    QImage shown(pixels.size(), QImage::Format_RGB32);
    shown.fill(background);
    QPainter(&shown).drawImage(0, 0, pixels);
    return shown;
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void everyImageHasItsDoubleRendering_data();
    void everyImageHasItsDoubleRendering();
    void widgetsPaintTheDoubleRendering_data();
    void widgetsPaintTheDoubleRendering();
    void windowsKeepTheirLayout_data();
    void windowsKeepTheirLayout();
};

void TestHiDpi::everyImageHasItsDoubleRendering_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator images(QStringLiteral(":/skin/res"), { QStringLiteral("*.png"), QStringLiteral("*.gif") },
        QDir::Files, QDirIterator::Subdirectories);
    while (images.hasNext()) {
        const QString path = images.next();
        // The application icons come in sizes of their own.
        if (!path.contains(QLatin1String("@2x")) && !path.contains(QLatin1String("/icon_")))
            QTest::newRow(qPrintable(path)) << path;
    }
}

void TestHiDpi::everyImageHasItsDoubleRendering()
{
    QFETCH(QString, path);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const QImage single(path);
    const QImage twice = skinImage(path);
    QVERIFY2(skinFile(path).contains(QLatin1String("@2x")), qPrintable(skinFile(path)));
    QCOMPARE(twice.size(), single.size() * 2);
    QCOMPARE(twice.devicePixelRatio(), 2.0);
    QCOMPARE(skinSize(twice), single.size());
}

// Each widget is given its image's own logical size, so that a sharp
// painting is exactly the "@2x" file; one scaled up from the 100 % image
// would differ.
void TestHiDpi::widgetsPaintTheDoubleRendering_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("path");
    QTest::newRow("button") << "button"
                            << ":/skin/res/disconnect.png";
    QTest::newRow("tab") << "button"
                         << ":/skin/res/pictures_up.png";
    QTest::newRow("window background") << "window"
                                       << ":/skin/res/bg.png";
    QTest::newRow("media window background") << "window"
                                             << ":/skin/res/media_bg.png";
    QTest::newRow("progress bar") << "bar"
                                  << ":/skin/res/bar_full.png";
}

void TestHiDpi::widgetsPaintTheDoubleRendering()
{
    QFETCH(QString, widget);
    QFETCH(QString, path);
    const QImage image = skinImage(path);
    std::unique_ptr<QWidget> painted;
    if (widget == QLatin1String("button")) {
        auto *button = new Button;
        button->setStateImages(image, image, image, image);
        painted.reset(button);
    } else if (widget == QLatin1String("window")) {
        auto *window = new ResizableWindow;
        const QSize size = skinSize(image);
        window->setSkin(image, size.width() / 2, size.height() / 2, 10, 10);
        painted.reset(window);
    } else {
        auto *bar = new ProgressBar2;
        bar->setImages(image, image);
        bar->setRange(0, 10);
        bar->setValue(10);
        painted.reset(bar);
    }
    painted->setFixedSize(skinSize(image));
    QCOMPARE(grabbed(*painted), shownOver(image, painted->palette().window().color()));
}

void TestHiDpi::windowsKeepTheirLayout_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : { "ProgressDialog", "MainMenu", "GraphicalStatus" })
        QTest::newRow(name) << name;
}

void TestHiDpi::windowsKeepTheirLayout()
{
    QFETCH(QString, window);
    QProcess singleScale;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(layoutVariable), window);
    singleScale.setProcessEnvironment(environment);
    singleScale.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(singleScale.waitForFinished(60000));
    QCOMPARE(singleScale.exitCode(), 0);
    const QJsonObject atSingleScale = QJsonDocument::fromJson(singleScale.readAllStandardOutput()).object();
    QVERIFY(!atSingleScale.isEmpty());
    QCOMPARE(layoutOf(window), atSingleScale);
}

// Run as a test at 200 %; run with TST_HIDPI_LAYOUT=WINDOW, prints that
// window's layout at 100 % instead.
int main(int argc, char **argv)
{
    const QString layoutOnly = qEnvironmentVariable(layoutVariable);
    qputenv("QT_SCALE_FACTOR", layoutOnly.isEmpty() ? "2" : "1");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    if (!layoutOnly.isEmpty()) {
        std::fputs(QJsonDocument(layoutOf(layoutOnly)).toJson().constData(), stdout);
        return 0;
    }
    TestHiDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
