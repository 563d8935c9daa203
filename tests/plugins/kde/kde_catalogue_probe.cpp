// SPDX-License-Identifier: GPL-2.0-or-later
// Prints the rename box's title in the catalogue the plug-in picks for the
// system language, which a process reads once, and a text of the KDE menu:
// the test runs this once per language.
#include "KdeShellMenuExports.h"
#include "KdeTestSession.h"

#include <KLocalizedString>

#include <QApplication>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char **argv)
{
    KdeTestSession session;
    QApplication application(argc, argv);
    if (!session.load())
        return 2;
    auto linguist = session.resolve<decltype(&linguistKDEContextMenu)>("linguistKDEContextMenu");
    linguist(new QTranslator(&application));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const char *const kioDomain = "kio6";
#else
    const char *const kioDomain = "kio5";
#endif
    QTextStream(stdout) << QObject::tr("IDS_RENAME_FILE_TITLE") << '\n'
                        << i18nd(kioDomain, "Move to Trash") << '\n';
    return 0;
}
