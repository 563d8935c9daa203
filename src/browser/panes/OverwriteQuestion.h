// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/CopyQuestion.h"
#include "widgets/MessageBox.h"

#include <QHash>

class QCheckBox;
class QLabel;
class ThumbLoaderWorker;

// The question about a file the destination already has: both files side
// by side, each with its picture, size and date, the newer and the larger
// marked. Replace, Skip and Keep both (the copy under a free name beside
// the file there) answer for this file or, checked so, for every remaining
// one; Cancel copy, also Escape, stops the whole copy.
//
// No file is decoded here: the PC's file shows the picture its pane holds;
// a file without one there, and the device's always, the picture the
// program's thumbnail helpers make of it, once it comes. Until then, or
// when none can be made, a file shows its type's icon.
class OverwriteQuestion : public MessageBox
{
    Q_OBJECT

public:
    // category: the copy's, which says what the helpers make pictures of.
    OverwriteQuestion(const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, int category,
        QWidget *parent = nullptr);

    // The copy's answer (a CopyAnswer): Replace, Skip and Keep both count
    // for every remaining file when so checked.
    int exec() override;

private:
    struct Side
    {
        QString path;
        BrowserMode place;
        qint64 size;
        QDateTime date;
        bool newer;
        bool larger;
    };

    QWidget *makeSides(const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, int category);
    void addSide(QWidget *sides, int column, const Side &side, const QString &heading,
        const ThumbLoaderWorker *pcThumbnails, QStringList *toMake);
    void nameButtons();
    void arrange(QWidget *sides);
    void showPicture(const QString &path, const QImage &picture);

    QCheckBox *m_forAll;
    // The pictures the thumbnail helpers are asked for, by path.
    QHash<QString, QLabel *> m_pictures;
    QList<QWidget *> m_tabOrder;
};
