// Records owned by the rename and action engine; see core/state.h.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qv {

// Row state of a selection-table row that is conflicting or could not be renamed.
inline const QString RowConflictMark = QStringLiteral("#$#");
inline const QString RowOkMark = QStringLiteral("OK");

// One row per selected file; every column always has the same number of rows.
struct SelectionTable {
    QStringList ComboFile1;        // current file name, as listed
    QStringList ComboIndex;        // index in the main window's file list, decimal text
    QStringList ComboName;         // name part of the new name
    QStringList ComboDot;          // "." or "" for a name without a dot
    QStringList ComboExt;          // extension of the new name
    QStringList ComboClearString;  // "OK" or "#$#"
};

// A file that one of the journal's copies replaced, held aside under a hidden name in its own folder
// (with a record beside it) until the journal ends, so that a take-back or an undo gives it back.
struct HeldAsideFile {
    QString folder;
    QString name;
    QString holder;
};

// A rings record kept because a file was left under one of its temporary names: it goes once none is.
struct KeptRingRecord {
    QString folder;
    QString name;
    QStringList holders;
};

// The one-level undo of the last finished action.
struct UndoJournal {
    QString TextUndoAction;
    QString TextUndoWorkDir;
    QString TextUndoMoveDir;
    QString TextUndoWorkPath;
    QString TextUndoMovePath;
    QStringList ComboUndoOldName;
    QStringList ComboUndoNewName;
    QStringList ComboUndoAttr;
    QList<HeldAsideFile> HeldAside;
    QList<KeptRingRecord> KeptRingRecords;
    // The journal row an undo stopped at on an error, or -1: it and the rows before it are still to
    // be undone.
    qsizetype UndoStoppedAt = -1;
};

// Committed rename criteria; a field its criterion does not use is ignored.
struct RenameCriteria {
    QString ExtNew;
    QString CaseScope;
    QString CaseTo;
    QString HandleWhat;
    QString HandleWith;
    int RenHandleMode = -1;  // none
    QString SpaceWith;
    QString InsertType;
    QString InsertText;
    int InsertAfterN = 0;
    int InsertBeforeN = 0;
    QString InsertAfterString;
    QString InsertBeforeString;
    QString ReplaceType;
    QString ReplaceWith;
    QString ReplaceString;
    int ReplaceCharCount = 0;
    int ReplaceAfterN = 0;
    int ReplaceBeforeN = 0;
    QString ReplaceAfterString;
    QString ReplaceBeforeString;
    QString RemoveType;
    QString RemoveString;
    int RemoveCharCount = 0;
    int RemoveAfterN = 0;
    int RemoveBeforeN = 0;
    QString RemoveAfterString;
    QString RemoveBeforeString;
};

struct AutoCriterion {
    int RenAutoType = 0;  // 1 number, 2 letters
    QString RenAutoKind;  // "Number", "Capital Letter", "Small Letter"
    QString RenAutoPlace;
    int RenAutoZeroFill = 0;
    int RenAutoStartNumber = 0;
    QString RenAutoStartLetters;
    int RenAutoAfterNumChars = 0;
    int RenAutoBeforeNumChars = 0;
    QString RenAutoAfterString;
    QString RenAutoBeforeString;
    bool RenAutoSmall = false;
    int AutoLetterCapacity = 0;
    QString AutoLetterLast;
};

struct PriorityOrder {
    int PriorityCount = 0;  // how many of Insert, Replace, Remove are on
    QString PrioritySlot1 = QStringLiteral("Insert");
    QString PrioritySlot2 = QStringLiteral("Replace");
    QString PrioritySlot3 = QStringLiteral("Remove");
};

// Each switch is on only when it holds exactly 1.
struct CriterionSwitches {
    int ExtensionOn = 0;
    int CaseOn = 0;
    int HandleOn = 0;
    int SpaceOn = 0;
    int InsertOn = 0;
    int ReplaceOn = 0;
    int RemoveOn = 0;
    int AutoOn = 0;
};

struct ConflictCounts {
    int ConflictTotal = 0;
    int ConflictInsert = 0;
    int ConflictReplace = 0;
    int ConflictRemove = 0;
    int ConflictAuto = 0;
    int ConflictExistName = 0;
    int ConflictNewName = 0;
    int ConflictMove = 0;
    int ConflictZeroLength = 0;
    // Names no file can have, and names longer than the folders they go to take (counted and zeroed
    // by the name check itself, with the shortest limit it met).
    int ConflictNotAName = 0;
    int ConflictLongName = 0;
    int ConflictNameLimit = 255;
};

struct WorkFlowState {
    bool FileListByProgram = false;
    bool SelectionByHand = false;
    bool NamesToBuild = false;
    bool ConflictCheckDue = false;
    bool ReadyToFinalize = false;
    bool UndoAvailable = false;
    int CriteriaCount = 0;
    int SelectedCount = 0;
    int HasSelection = 0;
    QStringList InterruptedRenameFiles;  // named by "MessageInterruptedRename"
    QStringList InterruptedRenameHeld;   // the file each holds, "" when not known
    QStringList InterruptedRenameTo;     // and the name it was being renamed to
};

// The new names shown in the main window's preview list, one per selection-table row; the list is
// only their view.
struct PreviewNames {
    QStringList PreviewNames;
};

// Easy Process: set by its two checks, read by SingleProcessStart.
struct SingleProcessState {
    bool SingleConflictFound = false;
    int SingleNameLimit = 255;  // bytes a name may have where the refused name was to go
};

struct EngineRecords : SelectionTable,
                       UndoJournal,
                       RenameCriteria,
                       AutoCriterion,
                       PriorityOrder,
                       CriterionSwitches,
                       ConflictCounts,
                       WorkFlowState,
                       PreviewNames,
                       SingleProcessState {};

}  // namespace qv
