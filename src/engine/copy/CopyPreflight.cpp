// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopyPreflight.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/statfs.h>
#include <sys/statvfs.h>

namespace {

const long msdosMagic = 0x4d44;
const long exfatMagic = 0x2011BAB0;
const long fuseMagic = 0x65735546;
// FAT32 stores a file's size in 32 bits.
const qint64 fatFileLimit = Q_INT64_C(4294967296);
const QString refusedOnFat = QStringLiteral("\"*:<>?\\|");
// Candidates tried for a safe name that is taken.
const int freeNameAttempts = 99;

CopyPreflight::Probe &probeOverride()
{
    static CopyPreflight::Probe probe;
    return probe;
}

// The type the mount table gives the mount that holds path (the longest
// mount point above it): how FAT and exFAT mounted through FUSE are told
// apart, their statfs saying only "FUSE".
QString mountTypeOf(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    QString bestPoint;
    QString bestType;
    // A file of /proc has no size to tell its end by: read as a whole.
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines) {
        // "id parent major:minor root mount-point options [optional...] - type source super"
        const QList<QByteArray> fields = line.split(' ');
        const int separator = int(fields.indexOf("-"));
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        // Spaces and the like are written as octal escapes.
        const QString point = QFile::decodeName(QByteArray(fields.at(4)).replace("\\040", " "));
        const bool above = canonical == point || point == QLatin1String("/")
            || canonical.startsWith(point + QLatin1Char('/'));
        if (above && point.size() >= bestPoint.size()) {
            bestPoint = point;
            bestType = QString::fromLatin1(fields.at(separator + 1));
        }
    }
    return bestType;
}

VolumeFacts::Kind kindOfMountType(const QString &type)
{
    static const QStringList fat { QStringLiteral("vfat"), QStringLiteral("msdos"),
        QStringLiteral("fuse.fusefat"), QStringLiteral("fuse.vfat") };
    static const QStringList exfat { QStringLiteral("exfat"), QStringLiteral("fuse.exfat"),
        QStringLiteral("fuse.exfat-fuse") };
    if (fat.contains(type))
        return VolumeFacts::Fat;
    return exfat.contains(type) ? VolumeFacts::ExFat : VolumeFacts::Other;
}

bool isRefusedCharacter(QChar c)
{
    return c.unicode() < 0x20 || refusedOnFat.contains(c);
}

qint64 roundedUp(qint64 size, qint64 block)
{
    return (size + block - 1) / block * block;
}

} // namespace

VolumeFacts CopyPreflight::probe(const QString &folder)
{
    if (probeOverride())
        return probeOverride()(folder);
    VolumeFacts facts;
    const QByteArray path = QFile::encodeName(folder);
    struct statvfs space;
    if (::statvfs(path.constData(), &space) == 0 && space.f_frsize > 0) {
        facts.freeBytes = qint64(space.f_bavail) * qint64(space.f_frsize);
        facts.blockSize = qint64(space.f_frsize);
    }
    struct statfs kind;
    if (::statfs(path.constData(), &kind) == 0) {
        if (kind.f_type == msdosMagic)
            facts.kind = VolumeFacts::Fat;
        else if (kind.f_type == exfatMagic)
            facts.kind = VolumeFacts::ExFat;
        else if (kind.f_type == fuseMagic)
            facts.kind = kindOfMountType(mountTypeOf(folder));
    }
    return facts;
}

void CopyPreflight::setProbe(Probe probe)
{
    probeOverride() = std::move(probe);
}

bool CopyPreflight::isNameAllowedOnFat(const QString &name)
{
    return fatSafeName(name) == name;
}

QString CopyPreflight::fatSafeName(const QString &name)
{
    QString safe = name;
    for (QChar &c : safe) {
        if (isRefusedCharacter(c))
            c = QLatin1Char('_');
    }
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

CopyPreflight::CopyPreflight(const VolumeFacts &facts)
    : m_facts(facts)
    , m_room(facts.freeBytes)
{ }

void CopyPreflight::addListing(const QFileInfoList &entries, const QString &destDir)
{
    for (const QFileInfo &entry : entries) {
        // A selected link is not followed: it takes no room, and counts as
        // an empty file.
        if (entry.isSymLink()) {
            ++m_bytes;
            continue;
        }
        if (entry.isDir())
            continue;
        m_bytes += qMax<qint64>(entry.size(), 1);
        addFile(entry, destDir);
    }
    if (m_facts.kind == VolumeFacts::Other)
        return;
    // The volume ignores case: of two names differing in case only, the
    // second would land on the first. A file there under another case is
    // another file, neither one to replace nor one already copied.
    QHash<QString, QString> existing;
    for (const QString &name :
        QDir(destDir).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        existing.insert(name.toLower(), name);
    QSet<QString> taken;
    QList<QPair<QFileInfo, CopyOutcome>> refused;
    for (const QFileInfo &entry : entries) {
        const QString folded = entry.fileName().toLower();
        if (!isNameAllowedOnFat(entry.fileName()))
            refused.append({ entry, CopyOutcome::NameNotAllowed });
        else if (taken.contains(folded)
            || (!entry.isDir() && existing.value(folded, entry.fileName()) != entry.fileName()))
            refused.append({ entry, CopyOutcome::SameNameInOtherCase });
        else
            taken.insert(folded);
    }
    // Free names are free of the names there in any case too.
    for (const QString &folded : existing.keys())
        taken.insert(folded);
    for (const auto &[entry, reason] : qAsConst(refused)) {
        const QString safe = freeName(fatSafeName(entry.fileName()), destDir, taken);
        taken.insert(safe.toLower());
        m_safeNames.insert(entry.filePath(), safe);
        m_findings << CopyFailure { entry.filePath(), destDir, reason };
    }
}

void CopyPreflight::addFile(const QFileInfo &file, const QString &destDir)
{
    const qint64 size = file.size();
    if (m_facts.kind == VolumeFacts::Fat && size >= fatFileLimit) {
        m_findings << CopyFailure { file.filePath(), destDir, CopyOutcome::TooLarge };
        return;
    }
    const qint64 needed = roundedUp(size, m_facts.blockSize);
    if (m_facts.freeBytes < 0)
        return;
    if (needed > m_room) {
        m_findings << CopyFailure { file.filePath(), destDir, CopyOutcome::NoSpace };
        return;
    }
    m_room -= needed;
}

// FAT compares names without case, so names are kept in lower case.
QString CopyPreflight::freeName(
    const QString &wanted, const QString &destDir, const QSet<QString> &taken) const
{
    const QDir folder(destDir);
    const int dot = wanted.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? wanted.left(dot) : wanted;
    const QString extension = dot > 0 ? wanted.mid(dot) : QString();
    QString candidate = wanted;
    for (int n = 1; n <= freeNameAttempts; ++n) {
        if (!taken.contains(candidate.toLower()) && !folder.exists(candidate))
            return candidate;
        candidate = stem + QStringLiteral("(copy_%1)").arg(n) + extension;
    }
    return candidate;
}
