// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The language code of the catalogue for a locale, as in "OpaloSync_fr":
// only the language counts, and any language without a catalogue of its own
// gets the English one. Header-only, for the plug-ins, which carry their own
// catalogues named the same way.
inline QString catalogueLanguage(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Dutch:
        return QStringLiteral("nl");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Italian:
        return QStringLiteral("it");
    case QLocale::Portuguese:
        return QStringLiteral("pt");
    case QLocale::Russian:
        return QStringLiteral("ru");
    case QLocale::Spanish:
        return QStringLiteral("es");
    default:
        return QStringLiteral("en");
    }
}
