#include "engine/actions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "core/windows.h"
#include "engine/conflicts.h"
#include "engine/dispatch.h"
#include "engine/filename.h"
#include "engine/leftovers.h"
#include "engine/rename_plan.h"
#include "engine/selection.h"
#include "platform/services.h"

namespace qv {

namespace {

void JournalRow(const QString& oldName, const QString& newName) {
    S.ComboUndoOldName.append(oldName);
    S.ComboUndoNewName.append(newName);
}

// Most names are plain ASCII, which the encoding keeps as it is: no trip through it is needed to
// know them usable.
bool PlainUsableName(const QString& name) {
    const qsizetype n = name.size();
    if (n == 0 || n > kNameMaxBytes || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == 0 || u > 0x7f || u == u'/') {
            return false;
        }
    }
    return true;
}

// A rename target must stay in its folder: a name with "/" (or none at all) is refused.
QString CheckedName(const QString& name) {
    if (!PlainUsableName(name) && !IsUsableFileName(name)) {
        throw PlatformError(QStringLiteral("\"%1\" is not a usable file name").arg(name));
    }
    return name;
}

// A failed operation on a file, as the error report tells it: the file, where it was to go, and the
// system's reason. Unless told otherwise, the file system refused it (see PlatformError).
[[noreturn]] void Failed(const QString& file, const QString& target, const QString& reason,
                         int systemError = kSystemRefused) {
    QString detail = QStringLiteral("File : ") + file;
    if (!target.isEmpty()) {
        detail += QStringLiteral("\r\nTarget : ") + target;
    }
    detail += QStringLiteral("\r\nReason : ") + reason;
    throw ExplainedError(detail, systemError);
}

int SystemErrorOf(const std::exception& e) {
    const auto* platform = dynamic_cast<const PlatformError*>(&e);
    return platform ? platform->systemError() : 0;
}

// The system's words, without the paths the platform put before them.
QString ReasonOf(const std::exception& e) {
    const QString text = QString::fromStdString(e.what());
    const qsizetype at = text.lastIndexOf(QStringLiteral(": "));
    return at < 0 ? text : text.mid(at + 2);
}

template <class Op>
void OnFile(const QString& file, const QString& target, Op&& op) {
    try {
        op();
    } catch (const ExplainedError&) {
        throw;
    } catch (const std::exception& e) {
        Failed(file, target, ReasonOf(e), SystemErrorOf(e));
    }
}

// A folder and a name as one path, in one allocation: the renames build two for every file.
QString Joined(const QString& folder, const QString& name) {
    QString path(folder.size() + name.size(), Qt::Uninitialized);
    std::copy_n(folder.constData(), folder.size(), path.data());
    std::copy_n(name.constData(), name.size(), path.data() + folder.size());
    return path;
}

bool Exists(const QString& path) {
    return fileSystem().FileExists(path);
}

// Taken by a file or a folder: nothing may be put there.
bool Taken(const QString& path) {
    FileSystem& fs = fileSystem();
    return fs.FileExists(path) || fs.FolderExists(path);
}

// The Do procedures: rows in order, rows whose file has gone are skipped.
template <class Row>
void EachExistingRow(const char* procedure, Row row) {
    Trapped(procedure, [&] {
        const int rows = SelectionTableCount();
        for (int i = 0; i < rows; ++i) {
            const QString old = S.ComboFile1.at(i);
            if (!Exists(S.WorkPath + old)) {
                continue;
            }
            row(i, old);
        }
    });
}

// The undo procedures walk the journal from its last row back, the reverse of what was done, so a
// chain of renames ("1" -> "0", "2" -> "1") comes apart in the order it can.
template <class Row>
void EachJournalRowBackwards(const char* procedure, Row row) {
    S.UndoStoppedAt = -1;
    Trapped(procedure, [&] {
        for (qsizetype i = S.ComboUndoOldName.size() - 1; i >= 0; --i) {
            S.UndoStoppedAt = i;
            row(i, S.ComboUndoOldName.at(i), S.ComboUndoNewName.value(i));
        }
        S.UndoStoppedAt = -1;
    });
}

// Whether undoing the journal would change a file: a renamed row that kept its name changed none.
bool JournalChangesAFile() {
    if (S.TextUndoAction != QLatin1String("Rename")) {
        return !S.ComboUndoOldName.isEmpty();
    }
    for (qsizetype i = 0; i < S.ComboUndoOldName.size(); ++i) {
        if (S.ComboUndoOldName.at(i) != S.ComboUndoNewName.value(i)) {
            return true;
        }
    }
    return false;
}

qsizetype HeldIndex(const QString& folder, const QString& name) {
    const QList<HeldAsideFile>& held = S.HeldAside;
    for (qsizetype i = held.size() - 1; i >= 0; --i) {
        if (held.at(i).folder == folder && held.at(i).name == name) {
            return i;
        }
    }
    return -1;
}

// Gives the file held for folder + name its name again, when that name is free. True when it did.
bool PutBack(const QString& folder, const QString& name) {
    const qsizetype i = HeldIndex(folder, name);
    if (i < 0) {
        return false;
    }
    const HeldAsideFile h = S.HeldAside.at(i);
    FileSystem& fs = fileSystem();
    try {
        if (fs.Stat(folder + name).exists() ||
            fs.RenameNoReplace(folder + h.holder, folder + name) != FileSystem::RenameResult::Done) {
            return false;
        }
    } catch (const std::exception&) {
        return false;
    }
    RemoveHolderRecord(folder, h.holder);
    S.HeldAside.removeAt(i);
    return true;
}

// The journal ends: a replaced file whose copy is still in its place goes, as the overwrite asked;
// one whose place is free again comes back.
void EndHeldAside() {
    const QList<HeldAsideFile> held = S.HeldAside;
    for (const HeldAsideFile& h : held) {
        if (PutBack(h.folder, h.name)) {
            continue;
        }
        try {
            fileSystem().DeleteFile(h.folder + h.holder, true);
            RemoveHolderRecord(h.folder, h.holder);
        } catch (const std::exception&) {
            // Still findable by its record.
        }
    }
    S.HeldAside.clear();
}

void EndKeptRecords() {
    QList<KeptRingRecord>& kept = S.KeptRingRecords;
    for (qsizetype i = kept.size() - 1; i >= 0; --i) {
        const KeptRingRecord& k = kept.at(i);
        const bool held = std::any_of(k.holders.begin(), k.holders.end(), [&](const QString& h) {
            return fileSystem().Stat(k.folder + h).exists();
        });
        if (!held) {
            RemoveHolderRecord(k.folder, k.name);
            kept.removeAt(i);
        }
    }
}

void KeepRecordWhileHeld(const QString& folder, const QString& name, const QList<RecordedRing>& rings) {
    KeptRingRecord k{folder, name, {}};
    for (const RecordedRing& r : rings) {
        k.holders << r.holder;
    }
    S.KeptRingRecords.append(std::move(k));
    EndKeptRecords();
}

// Only a plain writable file that is not the source itself is replaced; the copy refuses the rest.
bool Replaceable(const QString& from, const QString& to) {
    FileSystem& fs = fileSystem();
    const FileSystem::Entry target = fs.Stat(to);
    if (target.kind != FileSystem::Entry::File || target.sameAs(fs.Stat(from)) || QFileInfo(to).isSymLink()) {
        return false;
    }
    try {
        return (fs.GetAttributes(to) & AttrReadOnly) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

// Copies `from` to folder + name. A file already there is held aside first, and comes back at once
// when the copy fails.
void CopyKeepingReplaced(const QString& from, const QString& folder, const QString& name) {
    FileSystem& fs = fileSystem();
    const QString to = folder + name;
    QString holder;
    if (Replaceable(from, to)) {
        holder = FreeTemporaryName(folder, [](const QString&) { return false; });
        WriteReplacedRecord(folder, holder, name);
        if (fs.RenameNoReplace(to, folder + holder) != FileSystem::RenameResult::Done) {
            RemoveHolderRecord(folder, holder);
            holder.clear();
        }
    }
    if (holder.isEmpty()) {
        fs.CopyFile(from, to);
        return;
    }
    S.HeldAside.append({folder, name, holder});
    try {
        fs.CopyFile(from, to);
    } catch (const std::exception&) {
        PutBack(folder, name);
        throw;
    }
    static const bool endsWithTheRun = [] {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { EndHeldAside(); });
        }
        return true;
    }();
    (void)endsWithTheRun;
}

// A ring under way: the row whose file stepped aside, the temporary name that holds it, where its
// steps begin in the journal, and which of its journalled steps were copied too.
struct Ring {
    int row = -1;
    QString holder;
    qsizetype journalStart = 0;
    std::vector<char> copied;
};

// Takes back the steps of a ring that cannot go on, last first, so that the held file is under its
// own name again and the journal holds only what stays done. False when a step will not go back; the
// steps before it stay done and journalled.
bool TakeBackRing(const Ring& ring, const QString& w, const QString& copyTo, QStringList& putBack) {
    FileSystem& fs = fileSystem();
    try {
        for (qsizetype j = S.ComboUndoOldName.size() - 1; j >= ring.journalStart; --j) {
            const QString from = S.ComboUndoOldName.at(j);
            const QString to = S.ComboUndoNewName.at(j);
            if (ring.copied.at(static_cast<size_t>(j - ring.journalStart))) {
                fs.DeleteFile(copyTo + to, true);
                if (PutBack(copyTo, to)) {
                    putBack << copyTo + to;
                }
            }
            if (from != to && fs.RenameNoReplace(w + to, w + from) != FileSystem::RenameResult::Done)
                return false;
            S.ComboUndoOldName.removeLast();
            S.ComboUndoNewName.removeLast();
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Renames the rows inside the work folder in an order that never meets a name another row's file
// still holds (rings through a temporary name, with a record beside it of what it holds). Each step
// is journalled once it has happened, so the journal walked backwards undoes exactly what was done.
// With `copyTo`, each row's file is copied there once it has its new name. A row that fails is taken
// back whole, and a ring that cannot go on is taken back to where it began, before the report.
void RenameInWorkFolder(const QString& copyTo) {
    const QString w = S.WorkPath;
    FileSystem& fs = fileSystem();
    const int rows = SelectionTableCount();
    const QStringList olds = S.ComboFile1.mid(0, rows);
    QStringList news;
    news.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const QString neu = S.PreviewNames.value(i);
        if (!PlainUsableName(neu)) {
            OnFile(w + olds.at(i), w + neu, [&] { CheckedName(neu); });
        }
        news.append(neu);
    }
    const bool blind = FolderIsCaseBlind(w, olds);
    // The rows' names, gathered only when a temporary name is wanted (a ring, or a change of case).
    QSet<QString> keys;
    const auto temporary = [&] {
        if (keys.isEmpty()) {
            keys.reserve(2 * rows);
            for (int i = 0; i < rows; ++i) {
                keys.insert(NameKey(olds.at(i), blind));
                keys.insert(NameKey(news.at(i), blind));
            }
        }
        return FreeTemporaryName(w, [&](const QString& n) { return keys.contains(NameKey(n, blind)); });
    };
    const QList<RenameStep> plan = PlanRenames(olds, news, blind, temporary);

    // Every ring of the batch (and every change of case through a temporary name), for the one
    // record that says, after a kill, what each temporary name holds and where its ring stands.
    QList<RecordedRing> rings;
    std::vector<int> ringRowList;  // the rows of every ring, for skipping them all
    for (qsizetype k = 0; k < plan.size(); ++k) {
        const RenameStep& step = plan.at(k);
        if (step.last) {
            continue;
        }
        RecordedRing r{step.to, {{olds.at(step.row), news.at(step.row)}}};
        ringRowList.push_back(step.row);
        for (qsizetype j = k + 1; j < plan.size() && plan.at(j).from != step.to; ++j) {
            r.rows.append({olds.at(plan.at(j).row), news.at(plan.at(j).row)});
            ringRowList.push_back(plan.at(j).row);
        }
        rings.append(std::move(r));
    }
    // The record goes once the batch is over, unless a file is left under a temporary name.
    QString recordName;
    bool keepRecord = false;
    QString ringsRefused;  // why the record could not be written
    struct RecordGuard {
        std::function<void()> end;
        ~RecordGuard() { end(); }
    } recordGuard{[&] {
        if (recordName.isEmpty()) {
            return;
        }
        if (keepRecord) {
            KeepRecordWhileHeld(w, recordName, rings);
        } else {
            RemoveHolderRecord(w, recordName);
        }
    }};

    S.ComboUndoOldName.reserve(S.ComboUndoOldName.size() + rows + 1);
    S.ComboUndoNewName.reserve(S.ComboUndoNewName.size() + rows + 1);
    std::vector<char> begun(static_cast<size_t>(rows), 0);
    std::vector<char> skipped(static_cast<size_t>(rows), 0);
    std::optional<Ring> ring;
    for (qsizetype k = 0; k < plan.size(); ++k) {
        const RenameStep& step = plan.at(k);
        if (skipped[step.row]) {
            continue;
        }
        const bool first = !begun[step.row];
        const bool moved = step.from != step.to;
        if (!step.last && recordName.isEmpty()) {
            // The first file steps aside: what every ring's temporary name will hold is on disk
            // first, so that a run killed before a ring closes can tell the user. Without it the
            // rings are left out; the other renames need no record.
            const QString name = temporary();
            try {
                WriteRingsRecord(w, name, rings);
                recordName = name;
            } catch (const std::exception& e) {
                ringsRefused = ReasonOf(e);
                for (const int r : ringRowList) {
                    skipped[r] = 1;
                }
                continue;
            }
        }
        begun[step.row] = 1;
        if (!step.last) {
            ring = Ring{step.row, step.to, S.ComboUndoOldName.size(), {}};
        }
        QString reason;        // empty while the step goes well
        bool inPlace = false;  // the step's rename has happened
        if (!moved) {
            // A name left as it was needs no rename; the file only has to be there.
            if (fs.Stat(w + step.from).kind != FileSystem::Entry::File) {
                skipped[step.row] = 1;
                continue;
            }
            inPlace = true;
        } else {
            FileSystem::RenameResult result = FileSystem::RenameResult::Done;
            try {
                result = fs.RenameNoReplace(Joined(w, step.from), Joined(w, step.to));
            } catch (const std::exception& e) {
                reason = ReasonOf(e);
            }
            if (reason.isEmpty()) {
                switch (result) {
                    case FileSystem::RenameResult::Done:
                        inPlace = true;
                        break;
                    case FileSystem::RenameResult::SourceMissing:
                        if (first) {
                            skipped[step.row] = 1;
                            if (!step.last) {
                                ring.reset();
                            }
                            continue;
                        }
                        reason = QStringLiteral("the file has gone");
                        break;
                    case FileSystem::RenameResult::TargetTaken:
                        reason = QStringLiteral("the target already exists");
                        break;
                }
            }
        }
        QString target;  // where the failing row was to go, when not its new name here
        if (inPlace) {
            JournalRow(step.from, step.to);
            if (ring) {
                ring->copied.push_back(0);
            }
            if (step.last && !copyTo.isEmpty()) {
                try {
                    CopyKeepingReplaced(w + step.to, copyTo, step.to);
                    if (ring) {
                        ring->copied.back() = 1;
                    }
                } catch (const std::exception& e) {
                    reason = ReasonOf(e);
                    target = copyTo + step.to;
                }
            }
        }
        if (reason.isEmpty()) {
            if (ring && step.from == ring->holder) {
                ring.reset();
            }
            continue;
        }
        if (target.isEmpty()) {
            target = w + news.at(step.row);
        }
        // The row cannot be done. Undo would delete a destination file this row never wrote, so a
        // row renamed but not copied is taken back, journal row first, so that a failing take-back
        // deletes nothing later; inside a ring the whole ring goes back.
        QStringList putBack;
        const auto withPutBack = [&putBack](const QString& why) {
            return putBack.isEmpty()
                       ? why
                       : why + QStringLiteral("\r\nPut back : ") + putBack.join(QStringLiteral(", "));
        };
        if (ring) {
            if (!TakeBackRing(*ring, w, copyTo, putBack)) {
                keepRecord = true;
                Failed(w + olds.at(step.row), target,
                       withPutBack(reason + QStringLiteral("\r\nHeld : ") + w + ring->holder +
                                   QStringLiteral(" holds ") + olds.at(ring->row)));
            }
            reason = withPutBack(reason);
        } else if (inPlace) {
            S.ComboUndoOldName.removeLast();
            S.ComboUndoNewName.removeLast();
            if (moved) {
                OnFile(w + step.to, w + step.from, [&] { fs.Rename(w + step.to, w + step.from); });
            }
        }
        Failed(w + olds.at(step.row), target, reason);
    }
    if (!ringsRefused.isEmpty()) {
        const auto& [old, neu] = rings.first().rows.first();
        Failed(w + old, w + neu,
               QStringLiteral("no record of the ring of renames could be kept: ") + ringsRefused);
    }
}

bool IsHolderName(const QString& name) {
    return name.startsWith(QLatin1String(".quorvan-")) &&
           ReadTemporaryName(name).kind == TemporaryKind::RenameHolder;
}

// The ring the undo opens at journal row `i`, whose temporary name is that row's old name: the file
// it holds with the name the undo takes it back to, then the ring's other rows as the undo renames
// them. Empty when the journal holds no start of it.
QList<QPair<QString, QString>> UndoneRingRows(qsizetype i) {
    const QString holder = S.ComboUndoOldName.at(i);
    qsizetype first = i - 1;
    while (first >= 0 && S.ComboUndoNewName.at(first) != holder) {
        --first;
    }
    if (first < 0) {
        return {};
    }
    QList<QPair<QString, QString>> rows{{S.ComboUndoNewName.at(i), S.ComboUndoOldName.at(first)}};
    for (qsizetype k = i - 1; k > first; --k) {
        rows.append({S.ComboUndoNewName.at(k), S.ComboUndoOldName.at(k)});
    }
    return rows;
}

// Undone, a ring steps a file aside again: one record of every ring the undo opens goes to disk
// before the first of them, and goes once no file is left under a temporary name.
class UndoRingsRecord {
  public:
    explicit UndoRingsRecord(const QString& jw) : jw_(jw) {
        for (qsizetype i = S.ComboUndoOldName.size() - 1; i >= 0; --i) {
            const QString& old = S.ComboUndoOldName.at(i);
            if (old != S.ComboUndoNewName.value(i) && IsHolderName(old)) {
                QList<QPair<QString, QString>> rows = UndoneRingRows(i);
                if (!rows.isEmpty()) {
                    rings_.append({old, std::move(rows)});
                }
            }
        }
    }
    ~UndoRingsRecord() {
        if (!name_.isEmpty()) {
            KeepRecordWhileHeld(jw_, name_, rings_);
        }
    }
    UndoRingsRecord(const UndoRingsRecord&) = delete;
    UndoRingsRecord& operator=(const UndoRingsRecord&) = delete;

    // Before the file at `from` goes to `to`, the undo's name `old` for it: the record first when
    // that name is a ring's temporary name.
    void Before(const QString& from, const QString& to, const QString& old) {
        if (!name_.isEmpty() || rings_.isEmpty() || !IsHolderName(old)) {
            return;
        }
        const QString name = FreeTemporaryName(jw_, [](const QString&) { return false; });
        try {
            WriteRingsRecord(jw_, name, rings_);
        } catch (const std::exception& e) {
            Failed(from, to,
                   QStringLiteral("no record of the ring of renames could be kept: ") + ReasonOf(e));
        }
        name_ = name;
    }

  private:
    QString jw_;
    QList<RecordedRing> rings_;
    QString name_;
};

// Copy undo: the copy in the destination goes; when the source has gone, the copy comes back.
void UndoCopyRows(const char* procedure) {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    EachJournalRowBackwards(procedure, [&](qsizetype, const QString& old, const QString& neu) {
        if (!Exists(jm + neu)) {
            PutBack(jm, neu);
            return;
        }
        if (Exists(jw + old)) {
            OnFile(jm + neu, QString(), [&] { fileSystem().DeleteFile(jm + neu, true); });
        } else if (!Taken(jw + old)) {
            OnFile(jm + neu, jw + old, [&] { fileSystem().MoveFile(jm + neu, jw + CheckedName(old)); });
        }
        PutBack(jm, neu);
    });
}

}  // namespace

void ActionRebuildNameList() {
    const int rows = SelectionTableCount();
    if (rows < 1) {
        return;
    }
    S.PreviewNames.clear();
    S.PreviewNames.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        S.PreviewNames.append(SelectionNewName(i));
    }
    windows().ShowPreviewNames();
    S.ReadyToFinalize = true;
    S.ConflictCheckDue = false;
    S.NamesToBuild = false;
}

void ActionAStartDo() {
    const QString action = S.ActionName;
    Trapped("ActionAStartDo", [&] {
        S.TextUndoAction = action;
        S.TextUndoWorkDir = windows().FolderPath(FolderList::Work);
        S.TextUndoMoveDir = windows().FolderPath(FolderList::Dest);
        S.TextUndoWorkPath = S.WorkPath;
        S.TextUndoMovePath = S.DestPath;
        S.ComboUndoOldName.clear();
        S.ComboUndoNewName.clear();
        S.ComboUndoAttr.clear();
        EndHeldAside();
        RemoveAbandonedCopies(action, false, S.WorkPath, S.DestPath);
        RunRoute(action, {{"Rename", ActionDoRename},
                          {"Rename And Copy", ActionDoRenCopy},
                          {"Copy And Rename", ActionDoCpyRename},
                          {"Move And Rename", ActionDoMovRename},
                          {"Move", ActionDoMove},
                          {"Copy", ActionDoCopy},
                          {"Delete", ActionDoDelete},
                          {"Set Attribute", ActionDoAttribute}});
    });
    S.JobBusy = false;
    EndKeptRecords();
    S.HasSelection = 0;
    S.SelectedCount = 0;
    S.ReadyToFinalize = false;
    Trapped("ActionAStartDo", [] {
        S.PreviewNames.clear();
        windows().ShowPreviewNames();
        windows().RefreshFileLists();
    });
    if (action == QStringLiteral("Delete")) {
        // The journal now holds no rows: the previous action's undo is gone.
        S.UndoAvailable = false;
        S.PanelKey = PanelId::ResetAll;
        SetValueByKey();
    } else {
        // Nothing done (the first file failed, every file had gone, or no row changed its file):
        // there is nothing to undo.
        S.UndoAvailable = JournalChangesAFile();
    }
}

void ActionAStartUndo() {
    S.JobBusy = true;
    Trapped("ActionAStartUndo", [] {
        S.SetButKey = SetButId::setButGlobal;
        SetButtons();
        if (S.WorkPath == S.TextUndoWorkPath && S.HasSelection == 1) {
            S.MessageKey = MessageId::MessageUndoResetsFile;
            MessageShowWork();
        }
        RemoveAbandonedCopies(S.TextUndoAction, true, S.TextUndoWorkPath, S.TextUndoMovePath);
        S.UndoStoppedAt = -1;
        // "Delete" has no undo.
        RunRoute(S.TextUndoAction, {{"Rename", ActionUndoRename},
                                    {"Rename And Copy", ActionUndoRenCopy},
                                    {"Copy And Rename", ActionUndoCpyRename},
                                    {"Move And Rename", ActionUndoMovRename},
                                    {"Move", ActionUndoMove},
                                    {"Copy", ActionUndoCopy},
                                    {"Set Attribute", ActionUndoAttribute}});
    });
    S.JobBusy = false;
    EndKeptRecords();
    Trapped("ActionAStartUndo", [] { windows().RefreshFileLists(); });
    // An undo stopped by an error keeps the rows it did not reach, so that it can be tried again;
    // the rows it undid or found gone are done with.
    const qsizetype stopped = S.UndoStoppedAt;
    S.UndoStoppedAt = -1;
    if (stopped >= 0 && stopped < S.ComboUndoOldName.size()) {
        const qsizetype keep = stopped + 1;
        S.ComboUndoOldName.resize(keep);
        S.ComboUndoNewName.resize(std::min(keep, S.ComboUndoNewName.size()));
        S.ComboUndoAttr.resize(std::min(keep, S.ComboUndoAttr.size()));
        S.UndoAvailable = JournalChangesAFile();
    } else {
        S.UndoAvailable = false;
    }
}

void ActionDoRename() {
    Trapped("ActionDoRename", [] { RenameInWorkFolder(QString()); });
}

void ActionDoRenCopy() {
    Trapped("ActionDoRenCopy", [] { RenameInWorkFolder(S.DestPath); });
}

void ActionDoCpyRename() {
    const QString w = S.WorkPath;
    const QString d = S.DestPath;
    EachExistingRow("ActionDoCpyRename", [&](int i, const QString& old) {
        const QString neu = SelectionNewName(i);
        OnFile(w + old, d + neu, [&] { CopyKeepingReplaced(w + old, d, CheckedName(neu)); });
        JournalRow(old, neu);
    });
}

void ActionDoMovRename() {
    const QString w = S.WorkPath;
    const QString d = S.DestPath;
    EachExistingRow("ActionDoMovRename", [&](int i, const QString& old) {
        const QString neu = SelectionNewName(i);
        OnFile(w + old, d + neu, [&] { fileSystem().MoveFile(w + old, d + CheckedName(neu)); });
        JournalRow(old, neu);
    });
}

void ActionDoCopy() {
    const QString w = S.WorkPath;
    const QString d = S.DestPath;
    EachExistingRow("ActionDoCopy", [&](int, const QString& old) {
        OnFile(w + old, d + old, [&] { CopyKeepingReplaced(w + old, d, old); });
        JournalRow(old, old);
    });
}

void ActionDoMove() {
    const QString w = S.WorkPath;
    const QString d = S.DestPath;
    EachExistingRow("ActionDoMove", [&](int, const QString& old) {
        OnFile(w + old, d + old, [&] { fileSystem().MoveFile(w + old, d + old); });
        JournalRow(old, old);
    });
}

void ActionDoDelete() {
    const QString w = S.WorkPath;
    EachExistingRow("ActionDoDelete", [&](int, const QString& old) {
        OnFile(w + old, QString(), [&] { fileSystem().DeleteFile(w + old, true); });
    });
}

void ActionDoAttribute() {
    int value;
    switch (S.ActionAttribute) {
        case 1:
            value = AttrNormal;
            break;
        case 2:
            value = AttrReadOnly;
            break;
        case 3:
            value = AttrHidden;
            break;
        case 4:
            value = AttrSystem;
            break;
        case 5:
            value = AttrArchive;
            break;
        default:
            return;
    }
    const QString w = S.WorkPath;
    EachExistingRow("ActionDoAttribute", [&](int, const QString& old) {
        FileSystem& fs = fileSystem();
        int before = 0;
        OnFile(w + old, QString(), [&] {
            before = fs.GetAttributes(w + old);
            fs.SetAttributes(w + old, value);
        });
        JournalRow(old, old);
        S.ComboUndoAttr.append(QString::number(before));
    });
}

void ActionUndoRename() {
    const QString jw = S.TextUndoWorkPath;
    UndoRingsRecord record(jw);
    EachJournalRowBackwards("ActionUndoRename", [&](qsizetype, const QString& old, const QString& neu) {
        // A file gone or an old name taken leaves the row as it is; nothing is overwritten.
        if (neu == old) {
            return;
        }
        const QString from = Joined(jw, neu);
        const QString to = Joined(jw, old);
        record.Before(from, to, old);
        OnFile(from, to, [&] {
            CheckedName(old);
            fileSystem().RenameNoReplace(from, to);
        });
    });
}

void ActionUndoRenCopy() {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    UndoRingsRecord record(jw);
    EachJournalRowBackwards("ActionUndoRenCopy", [&](qsizetype, const QString& old, const QString& neu) {
        FileSystem& fs = fileSystem();
        if (Exists(jw + old)) {
            if (neu == old && Exists(jm + neu)) {
                OnFile(jm + neu, QString(), [&] { fs.DeleteFile(jm + neu, true); });
            }
        } else if (Taken(jw + old)) {
            return;
        } else if (Exists(jw + neu)) {
            record.Before(jw + neu, jw + old, old);
            OnFile(jw + neu, jw + old, [&] { fs.Rename(jw + neu, jw + CheckedName(old)); });
            if (Exists(jm + neu)) {
                OnFile(jm + neu, QString(), [&] { fs.DeleteFile(jm + neu, true); });
            }
        } else if (Exists(jm + neu)) {
            record.Before(jm + neu, jw + old, old);
            OnFile(jm + neu, jw + old, [&] { fs.MoveFile(jm + neu, jw + CheckedName(old)); });
        }
        PutBack(jm, neu);
    });
}

void ActionUndoCpyRename() {
    UndoCopyRows("ActionUndoCpyRename");
}

void ActionUndoCopy() {
    UndoCopyRows("ActionUndoCopy");
}

void ActionUndoMovRename() {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    EachJournalRowBackwards("ActionUndoMovRename", [&](qsizetype, const QString& old, const QString& neu) {
        if (!Exists(jm + neu) || Taken(jw + old)) {
            return;
        }
        OnFile(jm + neu, jw + old, [&] { fileSystem().MoveFile(jm + neu, jw + CheckedName(old)); });
    });
    Trapped("ActionUndoMovRename", [] {
        windows().SetFolderPath(FolderList::Work, S.TextUndoWorkDir);
        windows().SetFolderPath(FolderList::Dest, S.TextUndoMoveDir);
    });
}

void ActionUndoMove() {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    EachJournalRowBackwards("ActionUndoMove", [&](qsizetype, const QString& old, const QString&) {
        if (!Exists(jm + old) || Taken(jw + old)) {
            return;
        }
        OnFile(jm + old, jw + old, [&] { fileSystem().MoveFile(jm + old, jw + CheckedName(old)); });
    });
}

void ActionUndoAttribute() {
    const QString jw = S.TextUndoWorkPath;
    EachJournalRowBackwards("ActionDoAttribute", [&](qsizetype i, const QString& old, const QString&) {
        if (!Exists(jw + old)) {
            return;
        }
        bool ok = false;
        const int value = S.ComboUndoAttr.value(i).toInt(&ok);
        if (!ok) {
            Failed(jw + old, QString(), QStringLiteral("no attribute value was kept"), 0);
        }
        OnFile(jw + old, QString(), [&] { fileSystem().SetAttributes(jw + old, value); });
    });
}

}  // namespace qv
