// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/CommandLine.h"

#include "app/Startup.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <cstring>

std::optional<int> answerInformationOption(int &argc, char **argv)
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        help = help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        version = version || std::strcmp(argv[i], "--version") == 0;
    }
    if (!help && !version)
        return std::nullopt;
    if (version && !help) {
        std::printf("OpaloSync %s\n", OPALO_VERSION);
        return 0;
    }
    // No screen needed: the catalogue works with a core application.
    QCoreApplication application(argc, argv);
    QTranslator translator;
    installTranslator(translator);
    std::printf("%s\n",
        qUtf8Printable(
            QCoreApplication::translate("CommandLine", "IDS_HELP_TEXT").arg(QLatin1String(bookmarksOption))));
    return 0;
}
