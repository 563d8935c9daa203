// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

class Button;
class ProgressBar2;
class QLabel;

// The modal dialog shown while files are copied: current file and its
// number, progress, bytes copied, speed, remaining time and a cancel button.
// Its title, which screen readers name it by, says what is copied where.
//
// A copy that ends well leaves the full bar on screen for one second before
// the dialog goes, and is announced to screen readers; cancelling (the
// button, or Escape) or a failed copy closes it at once.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);

    void setCopyTitle(const QString &title);
    // Whether the user cancelled the copy.
    bool wasCancelled() const { return m_cancelled; }

public slots:
    // A percentage.
    void receiveProgress(qreal progress);
    void receiveCurrentFileName(const QString &fileName);
    void receiveFileNumber(int number, int files);
    // rate: bytes per second, 0 while unknown.
    void receiveBytes(qint64 written, qint64 total, qint64 rate);
    void receiveETA(int seconds);
    void close_cancel();
    // succeeded: the copy went through, so the dialog lingers before closing.
    void close_dialog(bool succeeded);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildWidgetTree();
    void nameForScreenReaders();
    // A label of the dialog's font in pointSize.
    QLabel *newLabel(const char *name, int pointSize);

    QLabel *m_filenameLabel = nullptr;
    ProgressBar2 *m_progressBar = nullptr;
    QLabel *m_fileNumberLabel = nullptr;
    QLabel *m_bytesLabel = nullptr;
    QLabel *m_estimatedTimeLabel = nullptr;
    Button *m_cancelPushButton = nullptr;
    QImage m_background;
    QTimer closeTimer;
    bool closeAllowed = true;
    bool m_cancelled = false;
};
