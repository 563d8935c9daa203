// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/FileNameMatcher.h"

#include <algorithm>

namespace {

const QLatin1String anyNameDot("*.");

// Whether pattern is "*." followed by a plain extension: no wildcard, no
// further dot (a name's extension is what follows its last dot).
bool isExtensionPattern(const QString &pattern)
{
    if (!pattern.startsWith(anyNameDot))
        return false;
    const auto special = [](QChar c) {
        return c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[')
            || c == QLatin1Char(']') || c == QLatin1Char('.') || c == QLatin1Char('\\');
    };
    return std::none_of(pattern.cbegin() + anyNameDot.size(), pattern.cend(), special);
}

} // namespace

FileNameMatcher::FileNameMatcher(const QStringList &patterns)
    : m_patterns(patterns)
{
    for (const QString &pattern : patterns) {
        if (isExtensionPattern(pattern)) {
            m_extensions.insert(pattern.mid(anyNameDot.size()).toLower());
        } else {
            m_others.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                QRegularExpression::CaseInsensitiveOption));
        }
    }
}

bool FileNameMatcher::matches(const QString &fileName) const
{
    if (m_patterns.isEmpty())
        return true;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && m_extensions.contains(fileName.mid(dot + 1).toLower()))
        return true;
    return std::any_of(m_others.cbegin(), m_others.cend(),
        [&fileName](const QRegularExpression &pattern) { return pattern.match(fileName).hasMatch(); });
}
