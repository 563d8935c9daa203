// SPDX-License-Identifier: GPL-2.0-or-later
#include "NewFiles.h"

#include "GioFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int lastNumber = 99;

} // namespace

QString NewFiles::firstFree(const Candidate &candidate, const Create &create)
{
    for (int n = 0; n <= lastNumber; ++n) {
        const QString path = candidate(n);
        switch (create(path)) {
        case Outcome::Created:
            return path;
        case Outcome::Failed:
            return QString();
        case Outcome::Taken:
            break;
        }
    }
    return QString();
}

NewFiles::Candidate NewFiles::numbered(const QString &stem, const QString &extension)
{
    return [stem, extension](
               int n) { return (n == 0 ? stem : stem + QLatin1Char(' ') + QString::number(n)) + extension; };
}

NewFiles::Outcome NewFiles::outcomeOf(bool created)
{
    if (created)
        return Outcome::Created;
    return errno == EEXIST ? Outcome::Taken : Outcome::Failed;
}

QString NewFiles::createEmpty(const QString &folder, const QString &name, const QString &extension)
{
    return firstFree(numbered(folder + QLatin1Char('/') + name, extension), [](const QString &path) {
        const int file
            = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0)
            close(file);
        return outcomeOf(file >= 0);
    });
}

QString NewFiles::createFolder(const QString &folder, const QString &name)
{
    return firstFree(numbered(folder + QLatin1Char('/') + name, QString()),
        [](const QString &path) { return outcomeOf(mkdir(QFile::encodeName(path).constData(), 0777) == 0); });
}

QString NewFiles::copyTemplate(const QString &folder, const QString &templatePath)
{
    const QString name = QFileInfo(templatePath).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    g_autoptr(GFile) source = GioFiles::fileAt(templatePath);
    return firstFree(
        [&](int n) {
            return folder + QLatin1Char('/') + (n == 0 ? name : stem + QString::number(n) + extension);
        },
        [&source](const QString &path) {
            // Without G_FILE_COPY_OVERWRITE GIO creates the target exclusively.
            g_autoptr(GFile) target = GioFiles::fileAt(path);
            g_autoptr(GError) error = nullptr;
            if (g_file_copy(source, target, G_FILE_COPY_NONE, nullptr, nullptr, nullptr, &error))
                return Outcome::Created;
            return g_error_matches(error, G_IO_ERROR, G_IO_ERROR_EXISTS) ? Outcome::Taken : Outcome::Failed;
        });
}
