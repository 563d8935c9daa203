// SPDX-License-Identifier: GPL-2.0-or-later
// What a copy says: the question before it, the overwrite question and the
// report at its end, in the words the user reads.
#include "TestDir.h"
#include "UiTestHelpers.h"

#include "browser/panes/CopyReport.h"
#include "browser/panes/CopyWording.h"
#include "browser/panes/OverwriteQuestion.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

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
    void overwriteThumbnailOnlyFromPc_data();
    void overwriteThumbnailOnlyFromPc();
    void overwriteEscapeMeansNo();

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

void TestCopyWording::overwriteThumbnailOnlyFromPc_data()
{
    QTest::addColumn<BrowserMode>("target");
    QTest::addColumn<bool>("pictureIsSource");
    QTest::addColumn<bool>("shown");

    QTest::newRow("to the device, the PC's picture") << ExternalDeviceMode << true << true;
    QTest::newRow("to the device, the device's picture") << ExternalDeviceMode << false << false;
    QTest::newRow("to the PC, the PC's picture") << HostMode << false << true;
    QTest::newRow("to the PC, the device's picture") << HostMode << true << false;
}

void TestCopyWording::overwriteThumbnailOnlyFromPc()
{
    QFETCH(BrowserMode, target);
    QFETCH(bool, pictureIsSource);
    QFETCH(bool, shown);

    TestDir dir;
    const QString picture = dir.filePath(QStringLiteral("a/beach.png"));
    const QString other = dir.filePath(QStringLiteral("b/beach.png"));
    QVERIFY(
        QDir().mkpath(dir.filePath(QStringLiteral("a"))) && QDir().mkpath(dir.filePath(QStringLiteral("b"))));
    dir.createFile(QStringLiteral("a/beach.png"), "a picture");
    dir.createFile(QStringLiteral("b/beach.png"), "another picture");
    // What the PC's pane has made of its file.
    ThumbLoaderWorker pcThumbnails;
    pcThumbnails.setIcon(picture, solidImage(QSize(200, 100), Qt::blue));
    CopyQuestion question;
    question.target = target;
    question.fileName = QStringLiteral("beach.png");
    question.overwrite.source = pictureIsSource ? picture : other;
    question.overwrite.existing = pictureIsSource ? other : picture;

    const OverwriteQuestion box(question, &pcThumbnails);
    QCOMPARE(box.iconPixmap().size() == QSize(96, 48), shown);
    QCOMPARE(box.informativeText().count(QLatin1Char('\n')), 1);
}

void TestCopyWording::overwriteEscapeMeansNo()
{
    CopyQuestion question;
    question.fileName = QStringLiteral("beach.jpg");
    question.target = ExternalDeviceMode;
    OverwriteQuestion box(question, nullptr);
    QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(box.QMessageBox::exec(), int(QMessageBox::No));
}

QTEST_MAIN(TestCopyWording)
#include "tst_copywording.moc"
