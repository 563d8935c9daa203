// SPDX-License-Identifier: GPL-2.0-or-later
// What a copy says: the question before it, the overwrite question and the
// report at its end, in the words the user reads.
#include "TestDir.h"
#include "UiTestHelpers.h"

#include "browser/panes/CopyReport.h"
#include "browser/panes/CopyWording.h"
#include "browser/panes/OverwriteQuestion.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(CopyOutcome)
Q_DECLARE_METATYPE(CopySummary)
Q_DECLARE_METATYPE(CopyReport::Ending)
Q_DECLARE_METATYPE(QMessageBox::Icon)

class TestCopyWording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void question_data();
    void question();
    void report_data();
    void report();
    void overwritePictures_data();
    void overwritePictures();
    void overwriteAnswers_data();
    void overwriteAnswers();
    void overwriteReachedByKeyboard();

private:
    QTranslator m_translator;
};

void TestCopyWording::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestCopyWording::question_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("category");
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<bool>("categoryFolder");
    QTest::addColumn<QString>("text");

    QTest::newRow("pictures to the device's category folder")
        << 24 << qint64(48200000) << int(PicturesMode) << ExternalDeviceMode << true
        << "Copy 24 pictures (48.2 MB) to the netbook's Pictures folder?";
    QTest::newRow("one song to a folder of the PC")
        << 1 << qint64(3100000) << int(MusicMode) << HostMode << false
        << "Copy 1 song (3.10 MB) to the folder “Jazz” on this computer?";
    QTest::newRow("documents to the PC's category folder")
        << 1500 << qint64(999) << int(DocumentsMode) << HostMode << true
        << "Copy 1,500 documents (999 bytes) to this computer's Documents folder?";
    QTest::newRow("a selection too large to count")
        << 0 << qint64(0) << int(PicturesMode) << ExternalDeviceMode << true
        << "Copy the selected files to the netbook's Pictures folder?";
}

void TestCopyWording::question()
{
    QFETCH(int, count);
    QFETCH(qint64, bytes);
    QFETCH(int, category);
    QFETCH(BrowserMode, target);
    QFETCH(bool, categoryFolder);
    QFETCH(QString, text);

    const QString folder = categoryFolder ? QStringList { "Documents", "Pictures" }.at(category) : "Jazz";
    const QString destination
        = CopyWording::destination(target, QStringLiteral("/m/") + folder, categoryFolder);
    QCOMPARE(
        CopyWording::confirmation(count, bytes, category, destination).replace(QChar::Nbsp, QLatin1Char(' ')),
        text);
}

void TestCopyWording::report_data()
{
    QTest::addColumn<QList<CopyOutcome>>("outcomes");
    QTest::addColumn<CopySummary>("summary");
    QTest::addColumn<CopyReport::Ending>("ending");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<bool>("retry");

    const auto kept = CopyOutcome::KeptAsAsked;
    QTest::newRow("kept as asked, nothing failed")
        << QVector<CopyOutcome>(6, kept).toList() << CopySummary { 24, 18, 0, true }
        << CopyReport::Ending::Ran << "18 of 24 copied."
        << "6 kept as they were, as you asked." << QMessageBox::Information << false;
    QTest::newRow("one kept, two already there")
        << QList<CopyOutcome> { kept } << CopySummary { 5, 2, 2, true } << CopyReport::Ending::Ran
        << "2 files copied, 2 already there, 0 did not arrive." << "1 kept as it was, as you asked."
        << QMessageBox::Information << false;
    QTest::newRow("one of each") << QList<CopyOutcome> { CopyOutcome::ReadOnly }
                                 << CopySummary { 3, 1, 1, true } << CopyReport::Ending::Ran
                                 << "1 file copied, 1 already there, 1 did not arrive."
                                 << "f0.jpg: read-only" << QMessageBox::Warning << true;
    QTest::newRow("kept and failed") << QList<CopyOutcome> { kept, CopyOutcome::NoSpace, kept }
                                     << CopySummary { 10, 7, 0, true } << CopyReport::Ending::Ran
                                     << "7 files copied, 0 already there, 1 did not arrive."
                                     << "2 kept as they were, as you asked.\nf1.jpg: no space"
                                     << QMessageBox::Warning << true;
    QTest::newRow("cancelled") << QList<CopyOutcome>() << CopySummary { 24, 12, 0, false }
                               << CopyReport::Ending::Cancelled << "12 of 24 copied; the rest were not."
                               << "" << QMessageBox::Information << false;
    QTest::newRow("device pulled") << QList<CopyOutcome> { CopyOutcome::WriteError }
                                   << CopySummary { 24, 12, 0, false } << CopyReport::Ending::DeviceGone
                                   << "12 of 24 copied; the rest were not."
                                   << "f0.jpg: write error" << QMessageBox::Warning << false;
    QTest::newRow("all copied: nothing to report")
        << QList<CopyOutcome>() << CopySummary { 3, 3, 0, true } << CopyReport::Ending::Ran << QString()
        << QString() << QMessageBox::NoIcon << false;
}

void TestCopyWording::report()
{
    QFETCH(QList<CopyOutcome>, outcomes);
    QFETCH(CopySummary, summary);
    QFETCH(CopyReport::Ending, ending);
    QFETCH(QString, heading);
    QFETCH(QString, lines);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(bool, retry);

    CopyFailures failures;
    for (int i = 0; i < outcomes.size(); ++i)
        failures << CopyFailure { QStringLiteral("/pc/f%1.jpg").arg(i), QStringLiteral("/m"),
            outcomes.at(i) };
    QCOMPARE(CopyReport::isDue(failures, summary), !heading.isNull());
    if (heading.isNull())
        return;
    CopyReport report(failures, summary, ending);
    QCOMPARE(report.text(), heading);
    QCOMPARE(report.informativeText(), lines);
    QCOMPARE(report.icon(), icon);
    QCOMPARE(report.button(QMessageBox::Retry) != nullptr, retry);
}

namespace {

// A question about beach.png, copied from the source folder to the
// destination folder of dir.
CopyQuestion beachQuestion(const TestDir &dir, BrowserMode target)
{
    CopyQuestion question;
    question.target = target;
    question.fileName = QStringLiteral("beach.png");
    question.overwrite.source = dir.filePath(QStringLiteral("source/beach.png"));
    question.overwrite.sourceSize = 2000;
    question.overwrite.sourceDate = QDateTime::fromMSecsSinceEpoch(Q_INT64_C(1700000000000));
    question.overwrite.existing = dir.filePath(QStringLiteral("destination/beach.png"));
    question.overwrite.existingSize = 1000;
    question.overwrite.existingDate = question.overwrite.sourceDate.addDays(1);
    return question;
}

QLabel *labelNamed(const QWidget &box, const QString &accessibleName)
{
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->accessibleName() == accessibleName)
            return label;
    }
    return nullptr;
}

QColor centreOf(const QLabel *picture)
{
    const QImage image = picture->pixmap(Qt::ReturnByValue).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

void TestCopyWording::overwritePictures_data()
{
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<bool>("devicePicture");
    QTest::addColumn<QColor>("existing");
    QTest::addColumn<QColor>("copied");

    // The PC pane holds a blue picture of its file; the device's file is a
    // red picture, or no picture at all. An invalid colour: the type's icon.
    QTest::newRow("to the device") << ExternalDeviceMode << true << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("to the PC") << HostMode << true << QColor(Qt::blue) << QColor(Qt::red);
    QTest::newRow("to the device, over no picture")
        << ExternalDeviceMode << false << QColor() << QColor(Qt::blue);
}

void TestCopyWording::overwritePictures()
{
    QFETCH(BrowserMode, target);
    QFETCH(bool, devicePicture);
    QFETCH(QColor, existing);
    QFETCH(QColor, copied);

    TestDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("source")))
        && QDir().mkpath(dir.filePath(QStringLiteral("destination"))));
    const CopyQuestion question = beachQuestion(dir, target);
    const QString pcFile
        = dir.createFile(target == ExternalDeviceMode ? QStringLiteral("source/beach.png")
                                                      : QStringLiteral("destination/beach.png"),
            "a picture");
    const QString deviceFile
        = dir.createFile(target == ExternalDeviceMode ? QStringLiteral("destination/beach.png")
                                                      : QStringLiteral("source/beach.png"),
            "no picture");
    if (devicePicture)
        QVERIFY(solidImage(QSize(200, 200), Qt::red).save(deviceFile, "PNG"));
    ThumbLoaderWorker pcThumbnails;
    pcThumbnails.setIcon(pcFile, solidImage(QSize(200, 100), Qt::blue));

    OverwriteQuestion box(question, &pcThumbnails, PicturesMode);
    QLabel *existingPicture = labelNamed(box, QStringLiteral("Picture: Already there"));
    QLabel *copiedPicture = labelNamed(box, QStringLiteral("Picture: To be copied"));
    QVERIFY(existingPicture && copiedPicture);
    const QImage typeIcon = (target == ExternalDeviceMode ? existingPicture : copiedPicture)
                                ->pixmap(Qt::ReturnByValue)
                                .toImage();
    QVERIFY(!typeIcon.isNull());
    // The helpers have done with the device's file when its worker says so.
    auto *helpers = box.findChild<ThumbLoaderWorker *>();
    QVERIFY(helpers);
    QSignalSpy done(helpers, &ThumbLoaderWorker::updateIcons);
    QVERIFY(done.wait(20000));
    for (const auto &[picture, colour] :
        { std::make_pair(existingPicture, existing), std::make_pair(copiedPicture, copied) }) {
        if (colour.isValid())
            QCOMPARE(centreOf(picture), colour);
        else
            QCOMPARE(picture->pixmap(Qt::ReturnByValue).toImage(), typeIcon);
    }
    // Which is newer, which larger.
    QVERIFY(labelNamed(box, QStringLiteral("Already there"))
            ->accessibleDescription()
            .endsWith(QLatin1String(", Newer")));
    QVERIFY(labelNamed(box, QStringLiteral("To be copied"))
            ->accessibleDescription()
            .endsWith(QLatin1String(", Larger")));
}

void TestCopyWording::overwriteAnswers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("forAll");
    QTest::addColumn<int>("answer");

    // Each choice by its mnemonic, alone or for all remaining files.
    QTest::newRow("replace") << int(Qt::Key_R) << false << int(AnswerYes);
    QTest::newRow("replace all") << int(Qt::Key_R) << true << int(AnswerYesToAll);
    QTest::newRow("skip") << int(Qt::Key_S) << false << int(AnswerNo);
    QTest::newRow("skip all") << int(Qt::Key_S) << true << int(AnswerNoToAll);
    QTest::newRow("keep both") << int(Qt::Key_K) << false << int(AnswerKeepBoth);
    QTest::newRow("keep both for all") << int(Qt::Key_K) << true << int(AnswerKeepBothToAll);
    QTest::newRow("cancel copy") << int(Qt::Key_C) << true << int(AnswerCancel);
    QTest::newRow("escape") << int(Qt::Key_Escape) << true << int(AnswerCancel);
    QTest::newRow("enter skips") << int(Qt::Key_Return) << false << int(AnswerNo);
}

void TestCopyWording::overwriteAnswers()
{
    QFETCH(int, key);
    QFETCH(bool, forAll);
    QFETCH(int, answer);

    TestDir dir;
    OverwriteQuestion box(beachQuestion(dir, ExternalDeviceMode), nullptr, DocumentsMode);
    const Qt::KeyboardModifiers withAlt
        = key == Qt::Key_Escape || key == Qt::Key_Return ? Qt::NoModifier : Qt::AltModifier;
    QTimer::singleShot(0, &box, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&box));
        if (forAll)
            QTest::keyClick(&box, Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(&box, Qt::Key(key), withAlt);
    });
    QCOMPARE(box.exec(), answer);
}

void TestCopyWording::overwriteReachedByKeyboard()
{
    TestDir dir;
    OverwriteQuestion box(beachQuestion(dir, ExternalDeviceMode), nullptr, DocumentsMode);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    // Tab goes round every control once, from Skip, the default: the
    // buttons as they stand, both files' facts, the check box; each is named
    // for a screen reader.
    QStringList reached;
    for (int step = 0; step < 20; ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(focus);
        const QString name = accessible->text(QAccessible::Name);
        if (reached.contains(name))
            break;
        reached << name;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(reached,
        QStringList({ QStringLiteral("Skip"), QStringLiteral("Cancel copy"), QStringLiteral("Already there"),
            QStringLiteral("To be copied"), QStringLiteral("Do the same for all remaining files"),
            QStringLiteral("Replace"), QStringLiteral("Keep both") }));
}

QTEST_MAIN(TestCopyWording)
#include "tst_copywording.moc"
