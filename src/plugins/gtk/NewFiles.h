// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

// New documents in a folder. A name is taken by creating the file
// exclusively, so an item that appears meanwhile under the same name is
// never replaced: the next free name is used instead.
class NewFiles
{
public:
    // An empty "name.txt", or "name n.txt" for the first free n (1-99), or
    // the same with another extension. Returns the path created, empty when
    // none was.
    static QString createEmpty(
        const QString &folder, const QString &name, const QString &extension = QStringLiteral(".txt"));
    // A folder "name", or "name n" for the first free n (1-99). Returns the
    // path created, empty when none was.
    static QString createFolder(const QString &folder, const QString &name);
    // A copy of the template under its name, or with n (1-99) inserted
    // before its extension. Returns the path created, empty when none was.
    static QString copyTemplate(const QString &folder, const QString &templatePath);

private:
    enum class Outcome { Created, Taken, Failed };
    using Candidate = std::function<QString(int n)>;
    using Create = std::function<Outcome(const QString &path)>;
    // Tries candidate(0), then candidate(1) to candidate(99).
    static QString firstFree(const Candidate &candidate, const Create &create);
    // "stem extension", or "stem n extension" from n = 1 on.
    static Candidate numbered(const QString &stem, const QString &extension);
    // The outcome of a system call that creates exclusively.
    static Outcome outcomeOf(bool created);
};
