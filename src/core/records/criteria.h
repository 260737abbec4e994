// Records owned by the rename-criteria dialog; see core/state.h.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// What the criteria dialog holds until OK.
struct RenameCriteriaPending {
    QString ExtNewPending;
    QString HandleWhatPending;
    QString HandleWithPending;
    bool HandleAddSpacePending = false;
    QString SpaceWithPending;
    bool SpaceAddSpacePending = false;
    QString InsertTextPending;
    int InsertNPending = 0;
    QString InsertStringPending;
    bool InsertAddSpacePending = false;
    QString ReplaceWithPending;
    QString ReplaceStringPending;
    int ReplaceCharCountPending = 0;
    int ReplaceNPending = 0;
    QString ReplacePlaceStringPending;
    int ReplaceCharNPending = 0;
    QString ReplaceCharStringPending;
    bool ReplaceAddSpacePending = false;
    QString EditRemoveString;
    int EditRemoveNumChars = 0;
    int EditRemoveAfterNumChars = 0;
    QString EditRemoveAfterString;
    int EditRemoveCharAfterNumChars = 0;
    QString EditRemoveCharAfterString;
    QString EditAutoStart;
    int EditAutoNumChars = 0;
    QString EditAutoString;
    bool EditAutoSmall = false;
};

// Choice indexes of the dialog; -1 is "no option chosen". RenHandleMode and RenAutoType, the
// committed halves of two of these pairs, are held with the committed criteria (engine records).
struct CriteriaDialogState {
    int RenCaseOption = -1;
    int EditCaseOption = -1;
    int RenCaseChoice = 0;
    int EditCaseChoice = 0;
    int RenSpaceMode = -1;
    int EditSpaceMode = -1;
    int EditHandleMode = -1;
    int RenInsertPlace = 0;
    int EditInsertPlace = 0;
    int RenReplaceKind = 0;
    int EditReplaceKind = 0;
    int RenRemoveKind = 0;
    int EditRemoveKind = 0;
    int EditAutoType = 0;
    int RenAutoPlaceIndex = 0;
    int EditAutoPlaceIndex = 0;
    int RenAutoZeroFillIndex = 0;
    int EditAutoZeroFillIndex = 0;
};

// Committed include-space flags, written only by the completeness check on OK.
struct IncludeSpaceFlags {
    bool HandleAddSpace = false;
    bool SpaceAddSpace = false;
    bool InsertAddSpace = false;
    bool ReplaceAddSpace = false;
};

struct CriteriaRecords : RenameCriteriaPending, CriteriaDialogState, IncludeSpaceFlags {};

}  // namespace qv
