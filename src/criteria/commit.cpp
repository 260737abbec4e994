// Commit of the rename criteria: pending to committed.
#include <QString>
#include <QStringList>

#include "core/panel_calls.h"
#include "core/state.h"
#include "core/windows.h"
#include "criteria/criteria.h"
#include "criteria/lists.h"

namespace qv::criteria {

namespace {

const QString kInsert = KeyWord(SlotId::Insert);
const QString kReplace = KeyWord(SlotId::Replace);
const QString kRemove = KeyWord(SlotId::Remove);

// The committed index went from off to on (+1) or on to off (-1): count it and re-slot.
void Switched(const QString& op, bool on) {
    const int step = on ? 1 : -1;
    S.NonDefaultCount += step;
    S.PriorityCount += step;
    if (!on)
        S.NamesToBuild = S.PriorityCount + S.AutoOn > 0;
    S.PriorityChangeOp = op;
    S.PriorityChangeDir = on ? QStringLiteral("Up") : QStringLiteral("Down");
    SetValuePriorityAdjust();
}

}  // namespace

void SetValueExtensionSet() {
    S.ExtensionOn = S.ExtNewPending.isEmpty() ? 0 : 1;
    S.ExtNew = S.ExtNewPending;
}

void SetValueCaseSet() {
    if (S.EditCaseOption != -1) {
        static const QStringList scopes = {QStringLiteral("FileName"), QStringLiteral("FirstLetter"),
                                           QStringLiteral("FirstLetterOfWords")};
        S.CaseOn = 1;
        S.CaseTo = CaseChoices().value(S.EditCaseChoice);
        S.CaseScope = scopes.value(S.EditCaseOption);
    } else {
        S.CaseOn = 0;
        S.CaseTo.clear();
        S.CaseScope.clear();
        S.EditCaseChoice = 0;
    }
    S.RenCaseOption = S.EditCaseOption;
    S.RenCaseChoice = S.EditCaseChoice;
}

void SetValueHandleSet() {
    if (S.EditHandleMode != -1) {
        S.HandleOn = 1;
        S.HandleWhat = S.HandleWhatPending;
        if (S.EditHandleMode == 0) {
            S.HandleWith.clear();
            S.HandleWithPending.clear();
        } else if (S.EditHandleMode == 1) {
            S.HandleWith = S.HandleWithPending = QStringLiteral(" ");
        } else {
            S.HandleWith = S.HandleWithPending;
        }
    } else {
        S.HandleOn = 0;
        S.HandleWhat.clear();
        S.HandleWith.clear();
        S.HandleWhatPending.clear();
        S.HandleWithPending.clear();
    }
    S.RenHandleMode = S.EditHandleMode;
}

void SetValueSpaceSet() {
    if (S.EditSpaceMode != -1) {
        S.SpaceOn = 1;
        if (S.EditSpaceMode == 0) {
            S.SpaceWith.clear();
            S.SpaceWithPending.clear();
        } else {
            S.SpaceWith = S.SpaceWithPending;
        }
    } else {
        S.SpaceOn = 0;
        S.SpaceWith.clear();
        S.SpaceWithPending.clear();
    }
    S.RenSpaceMode = S.EditSpaceMode;
}

void SetValueInsertSet() {
    S.InsertType.clear();
    S.InsertText.clear();
    S.InsertAfterN = S.InsertBeforeN = 0;
    S.InsertAfterString.clear();
    S.InsertBeforeString.clear();
    const int k = S.EditInsertPlace;
    if (k != 0) {
        S.InsertOn = 1;
        S.InsertText = S.InsertTextPending;
        if (S.RenInsertPlace == 0)
            Switched(kInsert, true);
        switch (k) {
            case 1:
                S.InsertType = KeyWord(InsertTypeId::InsertAfterNumChars);
                break;
            case 2:
                S.InsertType = KeyWord(InsertTypeId::InsertBeforeNumChars);
                break;
            case 3:
                S.InsertType = KeyWord(InsertTypeId::InsertAfterNumChars);
                S.InsertAfterN = S.InsertNPending;
                break;
            case 4:
                S.InsertType = KeyWord(InsertTypeId::InsertBeforeNumChars);
                S.InsertBeforeN = S.InsertNPending;
                break;
            case 5:
                S.InsertType = KeyWord(InsertTypeId::InsertAfterAString);
                S.InsertAfterString = S.InsertStringPending;
                break;
            case 6:
                S.InsertType = KeyWord(InsertTypeId::InsertBeforeAString);
                S.InsertBeforeString = S.InsertStringPending;
                break;
            default:
                break;
        }
        S.RenInsertPlace = k;
    } else {
        S.InsertOn = 0;
        if (S.RenInsertPlace != 0)
            Switched(kInsert, false);
        S.RenInsertPlace = 0;
    }
}

void SetValueReplaceSet() {
    S.ReplaceType.clear();
    S.ReplaceWith.clear();
    S.ReplaceString.clear();
    S.ReplaceCharCount = S.ReplaceAfterN = S.ReplaceBeforeN = 0;
    S.ReplaceAfterString.clear();
    S.ReplaceBeforeString.clear();
    const int k = S.EditReplaceKind;
    if (k != 0) {
        S.ReplaceOn = 1;
        S.ReplaceWith = S.ReplaceWithPending;
        if (S.RenReplaceKind == 0)
            Switched(kReplace, true);
        if (k >= 7 && k <= 12)
            S.ReplaceCharCount = S.ReplaceCharCountPending;
        switch (k) {
            case 1:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceFileName);
                break;
            case 2:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceAString);
                S.ReplaceString = S.ReplaceStringPending;
                break;
            case 3:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceAfterNumChars);
                S.ReplaceAfterN = S.ReplaceNPending;
                break;
            case 4:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceBeforeNumChars);
                S.ReplaceBeforeN = S.ReplaceNPending;
                break;
            case 5:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceAfterAString);
                S.ReplaceAfterString = S.ReplacePlaceStringPending;
                break;
            case 6:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceBeforeAString);
                S.ReplaceBeforeString = S.ReplacePlaceStringPending;
                break;
            case 7:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharAfterNumChars);
                break;
            case 8:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharBeforeNumChars);
                break;
            case 9:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharAfterNumChars);
                S.ReplaceAfterN = S.ReplaceCharNPending;
                break;
            case 10:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharBeforeNumChars);
                S.ReplaceBeforeN = S.ReplaceCharNPending;
                break;
            case 11:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharAfterAString);
                S.ReplaceAfterString = S.ReplaceCharStringPending;
                break;
            case 12:
                S.ReplaceType = KeyWord(ReplaceTypeId::ReplaceCharBeforeAString);
                S.ReplaceBeforeString = S.ReplaceCharStringPending;
                break;
            default:
                break;
        }
        S.RenReplaceKind = k;
    } else {
        S.ReplaceOn = 0;
        if (S.RenReplaceKind != 0)
            Switched(kReplace, false);
        S.RenReplaceKind = 0;
    }
}

void SetValueRemoveSet() {
    S.RemoveType.clear();
    S.RemoveString.clear();
    S.RemoveCharCount = S.RemoveAfterN = S.RemoveBeforeN = 0;
    S.RemoveAfterString.clear();
    S.RemoveBeforeString.clear();
    const int k = S.EditRemoveKind;
    if (k != 0) {
        S.RemoveOn = 1;
        if (S.RenRemoveKind == 0)
            Switched(kRemove, true);
        if (k >= 6 && k <= 11)
            S.RemoveCharCount = S.EditRemoveNumChars;
        switch (k) {
            case 1:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveAString);
                S.RemoveString = S.EditRemoveString;
                break;
            case 2:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveAfterNumChars);
                S.RemoveAfterN = S.EditRemoveAfterNumChars;
                break;
            case 3:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveBeforeNumChars);
                S.RemoveBeforeN = S.EditRemoveAfterNumChars;
                break;
            case 4:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveAfterAString);
                S.RemoveAfterString = S.EditRemoveAfterString;
                break;
            case 5:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveBeforeAString);
                S.RemoveBeforeString = S.EditRemoveAfterString;
                break;
            case 6:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharAfterNumChars);
                break;
            case 7:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharBeforeNumChars);
                break;
            case 8:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharAfterNumChars);
                S.RemoveAfterN = S.EditRemoveCharAfterNumChars;
                break;
            case 9:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharBeforeNumChars);
                S.RemoveBeforeN = S.EditRemoveCharAfterNumChars;
                break;
            case 10:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharAfterAString);
                S.RemoveAfterString = S.EditRemoveCharAfterString;
                break;
            case 11:
                S.RemoveType = KeyWord(RemoveTypeId::RemoveCharBeforeAString);
                S.RemoveBeforeString = S.EditRemoveCharAfterString;
                break;
            default:
                break;
        }
        S.RenRemoveKind = k;
    } else {
        S.RemoveOn = 0;
        if (S.RenRemoveKind != 0)
            Switched(kRemove, false);
        S.RenRemoveKind = 0;
    }
}

void SetValueAutoSet() {
    S.RenAutoPlace.clear();
    S.RenAutoKind.clear();
    S.RenAutoStartLetters.clear();
    S.RenAutoAfterString.clear();
    S.RenAutoBeforeString.clear();
    S.RenAutoZeroFill = S.RenAutoStartNumber = S.RenAutoAfterNumChars = S.RenAutoBeforeNumChars = 0;
    S.RenAutoSmall = false;
    const int t = S.EditAutoType;
    if (t != 0) {
        S.AutoOn = 1;
        if (S.RenAutoType == 0)
            S.NonDefaultCount += 1;
        if (t == 1) {
            S.RenAutoKind = QStringLiteral("Number");
            // The dialog lets no start past the 16-bit limit through; anything else counts as 0.
            bool ok = false;
            const int n = S.EditAutoStart.toInt(&ok);
            S.RenAutoStartNumber = ok && n >= 0 && n <= 32767 ? n : 0;
            S.RenAutoZeroFill = S.EditAutoZeroFillIndex;
        } else {
            S.RenAutoSmall = S.EditAutoSmall;
            S.RenAutoKind =
                S.RenAutoSmall ? QStringLiteral("Small Letter") : QStringLiteral("Capital Letter");
            // The letters' case follows the small-letter choice, whatever the box was left holding.
            S.RenAutoStartLetters = S.RenAutoSmall ? S.EditAutoStart.toLower() : S.EditAutoStart.toUpper();
        }
        switch (S.EditAutoPlaceIndex) {
            case 1:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoAfterNumChars);
                break;
            case 2:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoBeforeNumChars);
                break;
            case 3:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoAfterNumChars);
                S.RenAutoAfterNumChars = S.EditAutoNumChars;
                break;
            case 4:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoBeforeNumChars);
                S.RenAutoBeforeNumChars = S.EditAutoNumChars;
                break;
            case 5:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoAfterAString);
                S.RenAutoAfterString = S.EditAutoString;
                break;
            case 6:
                S.RenAutoPlace = KeyWord(AutoPlaceId::AutoBeforeAString);
                S.RenAutoBeforeString = S.EditAutoString;
                break;
            default:
                break;
        }
    } else {
        S.AutoOn = 0;
        if (S.RenAutoType != 0) {
            S.NonDefaultCount -= 1;
            S.NamesToBuild = S.PriorityCount != 0;
        }
    }
    S.RenAutoType = t;
    S.RenAutoZeroFillIndex = S.EditAutoZeroFillIndex;
    S.RenAutoPlaceIndex = t != 0 ? S.EditAutoPlaceIndex : 0;
}

void SetValueRenameSet() {
    // A finished preview was built from the criteria being replaced: the commit takes it back, so its
    // names leave the list. Delete and Set Attribute list the files themselves, which still hold.
    if (S.ReadyToFinalize && S.ActionName != QLatin1String("Delete") &&
        S.ActionName != QLatin1String("Set Attribute")) {
        S.PreviewNames.clear();
        windows().ShowPreviewNames();
    }
    SetValueExtensionSet();
    SetValueCaseSet();
    SetValueHandleSet();
    SetValueSpaceSet();
    SetValueAutoSet();  // before the three below: their switch-off reads AutoOn
    SetValueInsertSet();
    SetValueReplaceSet();
    SetValueRemoveSet();
    ShowRenameCriteria();
    SetValuePriorityLabels();
}

}  // namespace qv::criteria
