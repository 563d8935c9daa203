// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QVector>

// Tells whether a file name matches one of a list of wildcard patterns,
// ignoring case as QDir does, with the patterns prepared once: every "*.ext"
// pattern goes into one set of extensions looked up by the name's extension,
// any other pattern is compiled once. The toolkit's file model builds a
// regular expression per pattern for every name it tests, which takes
// seconds in a folder of thousands of files.
class FileNameMatcher
{
public:
    // Without patterns every name matches.
    explicit FileNameMatcher(const QStringList &patterns = QStringList());

    const QStringList &patterns() const { return m_patterns; }
    bool matches(const QString &fileName) const;

private:
    QStringList m_patterns;
    QSet<QString> m_extensions;
    QVector<QRegularExpression> m_others;
};
