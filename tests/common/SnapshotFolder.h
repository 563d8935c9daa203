// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDir>
#include <QStringList>
#include <QTranslator>

class QWidget;

// The folder that the snapshot programs, which save pictures of the windows
// for a person to look at, write into. Their command line is
//   PROGRAM OUTPUT_FOLDER [LANGUAGE]
class SnapshotFolder
{
public:
    // Creates the folder and installs the catalogue of the language (English
    // when none is given); prints the usage or the error and returns false
    // when it cannot.
    bool open(const QStringList &arguments);

    // Shows the widget, gives its animations settleMs to reach a later frame
    // and saves what it shows as NAME.png; prints the file's path.
    bool save(QWidget &widget, const QString &name, int settleMs = 400) const;

private:
    QDir m_folder;
    QTranslator m_translator;
};
