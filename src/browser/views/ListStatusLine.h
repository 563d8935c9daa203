// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

class QVideoList;

// The line under a file list: how many files the list shows, and how many
// of its items are selected with the size of the selected files ("24 files,
// 3 selected (48.2 MB)"). It follows the list's rows and selection, once
// per pass of the event loop however many changes come.
class ListStatusLine : public QLabel
{
    Q_OBJECT

public:
    ListStatusLine(QVideoList *list, QWidget *parent);

    // The size is told when the selection holds files.
    static QString describe(int files, int selected, int selectedFiles, quint64 selectedBytes);

    // Counts again at the next pass of the event loop (the list shows
    // another folder, say).
    void refresh();

private:
    void watch();
    void count();

    QPointer<QVideoList> m_list;
    QTimer m_pending;
};
