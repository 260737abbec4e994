#include "engine/leftovers.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/message.h"
#include "core/state.h"
#include "platform/services.h"

namespace qv {

namespace {

const QLatin1String kRecordEnding(".rows");

// The program's temporaries in the folder: as the last read of it saw them (the file list's, or
// Preview's), or read now when it has not been read.
QStringList NamesOf(const QString& folder) {
    QStringList names;
    if (fileSystem().TemporariesSeen(folder, names))
        return names;
    try {
        return fileSystem().FileNames(folder);
    } catch (const PlatformError&) {
        return {};
    }
}

// The holder a record belongs to, or "" for a name that is no record.
QString HolderOfRecord(const QString& name) {
    if (!name.endsWith(kRecordEnding))
        return {};
    const QString holder = name.chopped(kRecordEnding.size());
    return ReadTemporaryName(holder).kind == TemporaryKind::RenameHolder ? holder : QString();
}

// What nobody needs any more: partial copies and records whose held file is back, of makers gone.
QStringList Waste(const QStringList& names) {
    QStringList waste;
    QSet<QString> present;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(".quorvan-")))
            continue;
        if (present.isEmpty())
            present = QSet<QString>(names.begin(), names.end());
        const TemporaryName t = ReadTemporaryName(name);
        if (t.kind == TemporaryKind::PartialCopy && !OwnerRuns(t.owner)) {
            waste << name;
            continue;
        }
        const QString holder = HolderOfRecord(name);
        if (!holder.isEmpty() && !present.contains(holder) && !OwnerRuns(ReadTemporaryName(holder).owner))
            waste << name;
    }
    return waste;
}

void RemoveFrom(const QString& folder) {
    if (folder.isEmpty())
        return;
    for (const QString& name : Waste(NamesOf(folder))) {
        try {
            fileSystem().DeleteFile(folder + name, true);
        } catch (const PlatformError&) {
            // Waste that cannot go now goes another time.
        }
    }
}

// Data to disk, then the name into place; each step waits for the one before to be on disk.
void WriteWhole(const QString& folder, const QString& name, const QByteArray& data) {
    static quint64 counter = 0;
    // A partial record is waste like a partial copy, and goes the same way.
    const QString part = folder + MakeTemporaryName(TemporaryKind::PartialCopy, ++counter);
    const QString what = QStringLiteral("Cannot write %1").arg(folder + name);
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw PlatformError(what + QStringLiteral(": ") + out.errorString());
    const bool written = out.write(data) == data.size() && out.flush() && ::fsync(out.handle()) == 0;
    const QString why = out.errorString();
    out.close();
    if (!written) {
        QFile::remove(part);
        throw PlatformError(what + QStringLiteral(": ") + why);
    }
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(folder + name).constData()) != 0) {
        const int error = errno;
        QFile::remove(part);
        throw PlatformError(what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
    }
    // The record's name must be on disk before the rename it tells of.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

void RemoveAbandonedCopies(const QString& action, bool undo, const QString& work, const QString& dest) {
    if (action.isEmpty() || action == QLatin1String("Delete") || action == QLatin1String("Set Attribute"))
        return;
    // An undo puts files back into the work folder; an action writes new names into the work folder
    // when it renames there, and files into the destination when it copies or moves.
    const bool renamesInPlace = action == QLatin1String("Rename") || action == QLatin1String("Rename And Copy");
    if (undo || renamesInPlace)
        RemoveFrom(work);
    if (!undo && action != QLatin1String("Rename") && dest != work)
        RemoveFrom(dest);
}

QString HolderRecordName(const QString& holder) {
    return holder + kRecordEnding;
}

void WriteHolderRecord(const QString& folder, const QString& holder,
                       const QList<QPair<QString, QString>>& rows) {
    QJsonArray list;
    for (const auto& [old, neu] : rows) list.append(QJsonArray{old, neu});
    QJsonObject record;
    record.insert(QStringLiteral("holder"), holder);
    record.insert(QStringLiteral("rows"), list);
    WriteWhole(folder, HolderRecordName(holder), QJsonDocument(record).toJson(QJsonDocument::Compact));
}

void WriteReplacedRecord(const QString& folder, const QString& holder, const QString& name) {
    QJsonObject record;
    record.insert(QStringLiteral("holder"), holder);
    record.insert(QStringLiteral("replaced"), name);
    WriteWhole(folder, HolderRecordName(holder), QJsonDocument(record).toJson(QJsonDocument::Compact));
}

void RemoveHolderRecord(const QString& folder, const QString& holder) {
    ::unlink(QFile::encodeName(folder + HolderRecordName(holder)).constData());
}

QList<InterruptedRename> InterruptedRenamesAmong(const QString& folder, const QStringList& names) {
    QList<InterruptedRename> found;
    QSet<QString> records;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(".quorvan-")))
            continue;
        const TemporaryName t = ReadTemporaryName(name);
        if (t.kind == TemporaryKind::RenameHolder && !OwnerRuns(t.owner))
            found.append({name, {}, {}});
        else if (t.kind == TemporaryKind::None && name.endsWith(kRecordEnding))
            records.insert(name);
    }
    for (InterruptedRename& r : found) {
        if (!records.contains(HolderRecordName(r.holder)))
            continue;
        QFile file(folder + HolderRecordName(r.holder));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject record = QJsonDocument::fromJson(file.read(1 << 20)).object();
        const QJsonArray first = record.value(QStringLiteral("rows")).toArray().at(0).toArray();
        if (record.value(QStringLiteral("holder")).toString() != r.holder || first.size() != 2)
            continue;
        r.held = first.at(0).toString();
        r.renamedTo = first.at(1).toString();
    }
    std::sort(found.begin(), found.end(),
              [](const InterruptedRename& a, const InterruptedRename& b) { return a.holder < b.holder; });
    return found;
}

void TellOfInterruptedRenames(const QString& folder) {
    const QList<InterruptedRename> found = InterruptedRenamesAmong(folder, NamesOf(folder));
    if (found.isEmpty())
        return;
    for (const InterruptedRename& r : found) {
        S.InterruptedRenameFiles << r.holder;
        S.InterruptedRenameHeld << r.held;
        S.InterruptedRenameTo << r.renamedTo;
    }
    S.MessageKey = QStringLiteral("MessageInterruptedRename");
    MessageShowWork();
    S.InterruptedRenameFiles.clear();
    S.InterruptedRenameHeld.clear();
    S.InterruptedRenameTo.clear();
}

}  // namespace qv
