// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QThread>

// Lets a folder just created under GNOME be laid out in the list before the
// pane starts renaming it: it only waits 100 ms, and the pane starts the
// editor when it finishes.
class RenameThread : public QThread
{
    Q_OBJECT

public:
    explicit RenameThread(QObject *parent = nullptr);
    ~RenameThread() override;

protected:
    void run() override;
};
