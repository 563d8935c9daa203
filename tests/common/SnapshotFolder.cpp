// SPDX-License-Identifier: GPL-2.0-or-later
#include "SnapshotFolder.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <cstdio>

bool SnapshotFolder::open(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [LANGUAGE]\n", qPrintable(arguments.value(0)));
        return false;
    }
    m_folder = QDir(arguments.at(1));
    if (!m_folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(m_folder.path()));
        return false;
    }
    // As the program itself does, so that point sizes look as they do there.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    const QString language = arguments.value(2, QStringLiteral("en"));
    if (m_translator.load(QStringLiteral(":/translation/lang/OpaloSync_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&m_translator);
    return true;
}

bool SnapshotFolder::save(QWidget &widget, const QString &name, int settleMs) const
{
    widget.show();
    QTest::qWait(settleMs);
    const QString path = m_folder.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
