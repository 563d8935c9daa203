// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

class Button;
class ProgressBar2;
class QLabel;

// The modal dialog shown while files are copied: current file, progress,
// remaining time and a cancel button.
//
// A copy that ends well leaves the full bar on screen for one second before
// the dialog goes, and is announced to screen readers; cancelling (the
// button, or Escape) or a failed copy closes it at once. Screen readers
// know the dialog by its title, or by the first line of its text while the
// title is blank.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);

public slots:
    // A percentage.
    void receiveProgress(qreal progress);
    void receiveCurrentFileName(const QString &fileName);
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

    QLabel *m_label = nullptr;
    QLabel *m_filenameLabel = nullptr;
    ProgressBar2 *m_progressBar = nullptr;
    QLabel *m_estimatedTimeLabel = nullptr;
    Button *m_cancelPushButton = nullptr;
    QImage m_background;
    QTimer closeTimer;
    bool closeAllowed = true;
};
