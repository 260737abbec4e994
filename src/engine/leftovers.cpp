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
#include "core/windows.h"
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

// A ring of renames as its record gives it: rows[0] is the file that stepped aside to `holder` and
// the name it goes to last; the rows after it are the ring's other renames in the order they run.
struct RecordRing {
    QString holder;
    QList<QPair<QString, QString>> rows;
};
// What a record says: the rings it tells of, or the file a copy replaced.
struct Record {
    bool readable = false;
    QList<RecordRing> rings;
    QString replacedHolder;
    QString replacedName;
    QStringList holders() const {
        QStringList h;
        for (const RecordRing& r : rings) h << r.holder;
        if (!replacedHolder.isEmpty())
            h << replacedHolder;
        return h;
    }
};

bool ReadRing(const QJsonObject& o, RecordRing& ring) {
    ring.holder = o.value(QStringLiteral("holder")).toString();
    const QJsonArray rows = o.value(QStringLiteral("rows")).toArray();
    if (ReadTemporaryName(ring.holder).kind != TemporaryKind::RenameHolder || rows.isEmpty())
        return false;
    for (const QJsonValue& v : rows) {
        const QJsonArray row = v.toArray();
        if (row.size() != 2 || !row.at(0).isString() || !row.at(1).isString())
            return false;
        ring.rows.append({row.at(0).toString(), row.at(1).toString()});
    }
    return true;
}

Record ReadRecord(const QString& path) {
    Record r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return r;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return r;
    const QJsonObject o = doc.object();
    if (o.contains(QStringLiteral("rings"))) {
        for (const QJsonValue& v : o.value(QStringLiteral("rings")).toArray()) {
            RecordRing ring;
            if (!ReadRing(v.toObject(), ring))
                return r;
            r.rings.append(ring);
        }
    } else if (o.contains(QStringLiteral("replaced"))) {
        r.replacedHolder = o.value(QStringLiteral("holder")).toString();
        r.replacedName = o.value(QStringLiteral("replaced")).toString();
        if (ReadTemporaryName(r.replacedHolder).kind != TemporaryKind::RenameHolder ||
            r.replacedName.isEmpty())
            return r;
    } else {
        RecordRing ring;
        if (!ReadRing(o, ring))
            return r;
        r.rings.append(ring);
    }
    r.readable = !r.rings.isEmpty() || !r.replacedHolder.isEmpty();
    return r;
}

// The records among the names whose maker is gone.
QStringList DeadRecords(const QStringList& names) {
    QStringList records;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(".quorvan-")))
            continue;
        const QString base = HolderOfRecord(name);
        if (!base.isEmpty() && !OwnerRuns(ReadTemporaryName(base).owner))
            records << name;
    }
    return records;
}

// A record is done with once none of the files it tells of is under its temporary name.
bool RecordDone(const Record& record, const QSet<QString>& present) {
    if (!record.readable)
        return false;
    for (const QString& h : record.holders())
        if (present.contains(h))
            return false;
    return true;
}

// What nobody needs any more: partial copies, and records whose held files are back, of makers gone.
QStringList Waste(const QString& folder, const QStringList& names) {
    QStringList waste;
    QSet<QString> present;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(".quorvan-")))
            continue;
        if (present.isEmpty())
            present = QSet<QString>(names.begin(), names.end());
        const TemporaryName t = ReadTemporaryName(name);
        if (t.kind == TemporaryKind::PartialCopy && !OwnerRuns(t.owner))
            waste << name;
    }
    for (const QString& name : DeadRecords(names))
        if (RecordDone(ReadRecord(folder + name), present))
            waste << name;
    return waste;
}

void RemoveFrom(const QString& folder) {
    if (folder.isEmpty())
        return;
    for (const QString& name : Waste(folder, NamesOf(folder))) {
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
    const bool renamesInPlace =
        action == QLatin1String("Rename") || action == QLatin1String("Rename And Copy");
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

void WriteRingsRecord(const QString& folder, const QString& name, const QList<RecordedRing>& rings) {
    QJsonArray list;
    for (const RecordedRing& ring : rings) {
        QJsonArray rows;
        for (const auto& [old, neu] : ring.rows) rows.append(QJsonArray{old, neu});
        list.append(QJsonObject{{QStringLiteral("holder"), ring.holder}, {QStringLiteral("rows"), rows}});
    }
    const QJsonObject record{{QStringLiteral("rings"), list}};
    WriteWhole(folder, HolderRecordName(name), QJsonDocument(record).toJson(QJsonDocument::Compact));
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

namespace {

// A ring found open: where its renames stand on disk.
struct OpenRing {
    QString holder;
    QStringList names;  // the names of its files before the Rename, the one stepped aside first
    int done = -1;      // how many of the other files have their new names; -1 when the disk says otherwise
};

// The names of the ring's files before the Rename, in the order of its renames, when its rows are a
// ring: each rename takes the name the one before it freed, and the last frees the held file's target.
QStringList RingNames(const RecordRing& ring) {
    const auto& rows = ring.rows;
    // A change of case through a temporary name: one file, one name.
    if (rows.size() == 1)
        return {rows.at(0).first};
    if (rows.size() < 2 || rows.at(1).second != rows.at(0).first || rows.last().first != rows.at(0).second)
        return {};
    QStringList names{rows.at(0).first};
    for (qsizetype k = 1; k < rows.size(); ++k) {
        if (k > 1 && rows.at(k).second != rows.at(k - 1).first)
            return {};
        names << rows.at(k).first;
    }
    return names;
}

// After k of the ring's renames every name of the ring is taken but the k-th, which the last of them
// freed (the first name when none ran): so the one free name says how far the ring went.
OpenRing Progress(const QString& folder, const RecordRing& ring) {
    OpenRing open{ring.holder, RingNames(ring), -1};
    FileSystem& fs = fileSystem();
    int free = -1;
    for (int k = 0; k < open.names.size(); ++k) {
        if (fs.Stat(folder + open.names.at(k)).exists())
            continue;
        if (free >= 0)
            return open;
        free = k;
    }
    open.done = free;
    return open;
}

// The name that is free, and the file that was under it before the Rename, as one line.
QString FreeNameLine(const OpenRing& r) {
    const QString free = r.names.at(r.done);
    const QString holds = r.done == 0 ? r.holder : r.names.at(r.done - 1);
    return r.holder + QStringLiteral(" holds ") + r.names.at(0) +
           QStringLiteral(". The one free name of its ring is ") + free + QStringLiteral(": ") + holds +
           QStringLiteral(" holds the file that was ") + free + QStringLiteral(".");
}

// Every file of the ring back under its name from before the Rename, the last rename first, never
// onto a taken name. "" when done, else why not.
QString PutRingBack(const QString& folder, const OpenRing& r) {
    FileSystem& fs = fileSystem();
    try {
        for (int k = r.done; k >= 0; --k) {
            const QString from = k == 0 ? r.holder : r.names.at(k - 1);
            if (fs.RenameNoReplace(folder + from, folder + r.names.at(k)) != FileSystem::RenameResult::Done)
                return QStringLiteral("the name ") + r.names.at(k) + QStringLiteral(" is taken or ") + from +
                       QStringLiteral(" has gone");
        }
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

void Show(MessageId key, const QStringList& lines) {
    S.InterruptedRenameFiles = lines;
    S.InterruptedRenameHeld.clear();
    S.InterruptedRenameTo.clear();
    S.MessageKey = key;
    MessageShowWork();
    S.InterruptedRenameFiles.clear();
}

const bool kRecoveryKeysRegistered = [] {
    RegisterMessageWork({{MessageId::MessageInterruptedRingPutBack,
                          [](const MessageAnswer&) { S.MessageReply = QStringLiteral("PutRingBack"); },
                          {}}});
    return true;
}();

}  // namespace

void TellOfInterruptedRenames(const QString& folder) {
    (void)kRecoveryKeysRegistered;
    QStringList names = NamesOf(folder);
    names.sort();
    QSet<QString> present;
    QStringList holders;  // of makers gone
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(".quorvan-")))
            continue;
        present.insert(name);
        const TemporaryName t = ReadTemporaryName(name);
        if (t.kind == TemporaryKind::RenameHolder && !OwnerRuns(t.owner))
            holders << name;
    }
    if (present.isEmpty())
        return;

    QList<OpenRing> rings;                    // that can be put back
    QList<QPair<QString, QString>> replaced;  // holder, the free name its file goes back to
    QStringList plain;                        // lines of what is only named
    QSet<QString> explained;
    bool unreadable = false;
    FileSystem& fs = fileSystem();
    for (const QString& name : DeadRecords(names)) {
        const Record record = ReadRecord(folder + name);
        if (!record.readable) {
            unreadable = true;
            plain << name + QStringLiteral(" is a record of an interrupted Rename that cannot be read.");
            continue;
        }
        if (RecordDone(record, present)) {
            // Its files are all back under their names: the record tells of nothing any more.
            ::unlink(QFile::encodeName(folder + name).constData());
            continue;
        }
        for (const RecordRing& ring : record.rings) {
            if (!present.contains(ring.holder))
                continue;
            explained.insert(ring.holder);
            const OpenRing open = Progress(folder, ring);
            if (open.done >= 0) {
                rings << open;
            } else {
                plain << ring.holder + QStringLiteral(" holds the file that was ") + ring.rows.at(0).first +
                             QStringLiteral(
                                 ". The files of its ring of renames have changed since, so the "
                                 "Program renames nothing there.");
            }
        }
        if (!record.replacedHolder.isEmpty() && present.contains(record.replacedHolder)) {
            explained.insert(record.replacedHolder);
            if (fs.Stat(folder + record.replacedName).exists())
                plain << record.replacedHolder + QStringLiteral(" holds your earlier ") +
                             record.replacedName + QStringLiteral(", which a copy has replaced.");
            else
                replaced.append({record.replacedHolder, record.replacedName});
        }
    }
    for (const QString& h : holders)
        if (!explained.contains(h))
            plain << h;

    if (!unreadable && (!rings.isEmpty() || !replaced.isEmpty())) {
        QStringList offer;
        for (const OpenRing& r : rings)
            offer << r.holder + QStringLiteral(" holds the file that was ") + r.names.at(0) +
                         QStringLiteral(" (") + QString::number(r.done) + QStringLiteral(" of the other ") +
                         QString::number(r.names.size() - 1) +
                         QStringLiteral(" files of its ring of renames have their new names).");
        for (const auto& [holder, name] : replaced)
            offer << holder + QStringLiteral(" holds your earlier ") + name + QStringLiteral(", and ") +
                         name + QStringLiteral(" is free.");
        S.MessageReply.clear();
        Show(MessageId::MessageInterruptedRingPutBack, offer);
        const bool yes = S.MessageReply == QLatin1String("PutRingBack");
        S.MessageReply.clear();
        QStringList told;
        if (yes) {
            bool renamed = false;
            for (const OpenRing& r : rings) {
                const QString why = PutRingBack(folder, r);
                if (why.isEmpty()) {
                    renamed = true;
                    told << r.names.at(0) + QStringLiteral(" and the other ") +
                                QString::number(r.names.size() - 1) +
                                QStringLiteral(" files of its ring are back under their names.");
                } else {
                    told << r.holder + QStringLiteral(" could not be put back: ") + why + QStringLiteral(".");
                }
            }
            for (const auto& [holder, name] : replaced) {
                FileSystem::RenameResult result = FileSystem::RenameResult::TargetTaken;
                try {
                    result = fs.RenameNoReplace(folder + holder, folder + name);
                } catch (const std::exception&) {
                }
                if (result == FileSystem::RenameResult::Done) {
                    renamed = true;
                    told << name + QStringLiteral(" is back.");
                } else {
                    told << holder + QStringLiteral(" could not be put back as ") + name +
                                QStringLiteral(".");
                }
            }
            // Records whose files are all back go.
            QSet<QString> now;
            try {
                const QStringList after = fs.FileNames(folder);
                now = QSet<QString>(after.begin(), after.end());
            } catch (const PlatformError&) {
                now = present;
            }
            for (const QString& name : DeadRecords(names))
                if (RecordDone(ReadRecord(folder + name), now))
                    ::unlink(QFile::encodeName(folder + name).constData());
            Show(MessageId::MessageInterruptedRingPutBackDone, told);
            if (renamed)
                windows().RefreshFileLists();
        } else {
            for (const OpenRing& r : rings) told << FreeNameLine(r);
            for (const auto& [holder, name] : replaced)
                told << holder + QStringLiteral(" holds your earlier ") + name + QStringLiteral("; ") + name +
                            QStringLiteral(" is free.");
            Show(MessageId::MessageInterruptedRingKept, told);
        }
    } else if (unreadable) {
        for (const OpenRing& r : rings) plain << FreeNameLine(r);
        for (const auto& [holder, name] : replaced)
            plain << holder + QStringLiteral(" holds your earlier ") + name + QStringLiteral("; ") + name +
                         QStringLiteral(" is free.");
    }
    if (!plain.isEmpty())
        Show(MessageId::MessageInterruptedRename, plain);
}

}  // namespace qv
