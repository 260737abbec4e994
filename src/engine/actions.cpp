#include "engine/actions.h"

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
    Trapped(procedure, [&] {
        for (qsizetype i = S.ComboUndoOldName.size() - 1; i >= 0; --i) {
            row(i, S.ComboUndoOldName.at(i), S.ComboUndoNewName.value(i));
        }
    });
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
bool TakeBackRing(const Ring& ring, const QString& w, const QString& copyTo) {
    FileSystem& fs = fileSystem();
    try {
        for (qsizetype j = S.ComboUndoOldName.size() - 1; j >= ring.journalStart; --j) {
            const QString from = S.ComboUndoOldName.at(j);
            const QString to = S.ComboUndoNewName.at(j);
            if (ring.copied.at(static_cast<size_t>(j - ring.journalStart)))
                fs.DeleteFile(copyTo + to, true);
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
        begun[step.row] = 1;
        const bool moved = step.from != step.to;
        if (!step.last) {
            // The file steps aside: what it is and where the ring's files go is on disk first, so
            // that a run killed before the ring closes can tell the user.
            QList<QPair<QString, QString>> ringRows{{olds.at(step.row), news.at(step.row)}};
            for (qsizetype j = k + 1; j < plan.size() && plan.at(j).from != step.to; ++j) {
                ringRows.append({olds.at(plan.at(j).row), news.at(plan.at(j).row)});
            }
            try {
                WriteHolderRecord(w, step.to, ringRows);
            } catch (const std::exception& e) {
                Failed(w + step.from, w + news.at(step.row),
                       QStringLiteral("no record of the ring of renames could be kept: ") + ReasonOf(e));
            }
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
                                RemoveHolderRecord(w, step.to);
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
                    fs.CopyFile(w + step.to, copyTo + step.to);
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
                RemoveHolderRecord(w, ring->holder);
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
        if (ring) {
            if (!TakeBackRing(*ring, w, copyTo)) {
                Failed(w + olds.at(step.row), target,
                       reason + QStringLiteral("\r\nHeld : ") + w + ring->holder + QStringLiteral(" holds ") +
                           olds.at(ring->row));
            }
            RemoveHolderRecord(w, ring->holder);
        } else if (inPlace) {
            S.ComboUndoOldName.removeLast();
            S.ComboUndoNewName.removeLast();
            if (moved) {
                OnFile(w + step.to, w + step.from, [&] { fs.Rename(w + step.to, w + step.from); });
            }
        }
        Failed(w + olds.at(step.row), target, reason);
    }
}

bool IsHolderName(const QString& name) {
    return name.startsWith(QLatin1String(".quorvan-")) &&
           ReadTemporaryName(name).kind == TemporaryKind::RenameHolder;
}

// The record of a ring the undo opens at journal row `i`, whose temporary name is that row's old
// name: the file it holds, the name the undo takes it back to, and the ring's other rows as the undo
// renames them.
void RecordUndoneRing(const QString& jw, qsizetype i) {
    const QString holder = S.ComboUndoOldName.at(i);
    qsizetype first = i - 1;
    while (first >= 0 && S.ComboUndoNewName.at(first) != holder) {
        --first;
    }
    if (first < 0) {
        return;
    }
    QList<QPair<QString, QString>> rows{{S.ComboUndoNewName.at(i), S.ComboUndoOldName.at(first)}};
    for (qsizetype k = i - 1; k > first; --k) {
        rows.append({S.ComboUndoNewName.at(k), S.ComboUndoOldName.at(k)});
    }
    try {
        WriteHolderRecord(jw, holder, rows);
    } catch (const std::exception& e) {
        Failed(jw + S.ComboUndoNewName.at(i), jw + S.ComboUndoOldName.at(first),
               QStringLiteral("no record of the ring of renames could be kept: ") + ReasonOf(e));
    }
}

// Copy undo: the copy in the destination goes; when the source has gone, the copy comes back.
void UndoCopyRows(const char* procedure) {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    EachJournalRowBackwards(procedure, [&](qsizetype, const QString& old, const QString& neu) {
        if (!Exists(jm + neu)) {
            return;
        }
        if (Exists(jw + old)) {
            OnFile(jm + neu, QString(), [&] { fileSystem().DeleteFile(jm + neu, true); });
        } else if (!Taken(jw + old)) {
            OnFile(jm + neu, jw + old, [&] { fileSystem().MoveFile(jm + neu, jw + CheckedName(old)); });
        }
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
        S.PanelKey = QStringLiteral("ResetAll");
        SetValueByKey();
    } else {
        // Nothing done (the first file failed, or every file had gone): there is nothing to undo.
        S.UndoAvailable = !S.ComboUndoOldName.isEmpty();
    }
}

void ActionAStartUndo() {
    S.JobBusy = true;
    Trapped("ActionAStartUndo", [] {
        S.SetButKey = QStringLiteral("setButGlobal");
        SetButtons();
        if (S.WorkPath == S.TextUndoWorkPath && S.HasSelection == 1) {
            S.MessageKey = QStringLiteral("MessageUndoResetsFile");
            MessageShowWork();
        }
        RemoveAbandonedCopies(S.TextUndoAction, true, S.TextUndoWorkPath, S.TextUndoMovePath);
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
    Trapped("ActionAStartUndo", [] { windows().RefreshFileLists(); });
    S.UndoAvailable = false;
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
        OnFile(w + old, d + neu, [&] { fileSystem().CopyFile(w + old, d + CheckedName(neu)); });
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
        OnFile(w + old, d + old, [&] { fileSystem().CopyFile(w + old, d + old); });
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
    EachJournalRowBackwards("ActionUndoRename", [&](qsizetype i, const QString& old, const QString& neu) {
        // A file gone or an old name taken leaves the row as it is; nothing is overwritten.
        if (neu == old) {
            return;
        }
        const QString from = Joined(jw, neu);
        const QString to = Joined(jw, old);
        // Undone, a ring steps a file aside again: the record goes first here too.
        const bool stepsAside = IsHolderName(old);
        if (stepsAside) {
            RecordUndoneRing(jw, i);
        }
        FileSystem::RenameResult result = FileSystem::RenameResult::SourceMissing;
        OnFile(from, to, [&] {
            CheckedName(old);
            result = fileSystem().RenameNoReplace(from, to);
        });
        if (stepsAside && result != FileSystem::RenameResult::Done) {
            RemoveHolderRecord(jw, old);
        } else if (IsHolderName(neu) && result == FileSystem::RenameResult::Done) {
            RemoveHolderRecord(jw, neu);
        }
    });
}

void ActionUndoRenCopy() {
    const QString jw = S.TextUndoWorkPath;
    const QString jm = S.TextUndoMovePath;
    EachJournalRowBackwards("ActionUndoRenCopy", [&](qsizetype, const QString& old, const QString& neu) {
        FileSystem& fs = fileSystem();
        if (Exists(jw + old)) {
            if (neu == old && Exists(jm + neu)) {
                OnFile(jm + neu, QString(), [&] { fs.DeleteFile(jm + neu, true); });
            }
        } else if (Taken(jw + old)) {
            return;
        } else if (Exists(jw + neu)) {
            OnFile(jw + neu, jw + old, [&] { fs.Rename(jw + neu, jw + CheckedName(old)); });
            if (Exists(jm + neu)) {
                OnFile(jm + neu, QString(), [&] { fs.DeleteFile(jm + neu, true); });
            }
        } else if (Exists(jm + neu)) {
            OnFile(jm + neu, jw + old, [&] { fs.MoveFile(jm + neu, jw + CheckedName(old)); });
        }
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
