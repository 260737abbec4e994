#include "core/panel_calls.h"

#include "core/state.h"
#include "core/windows.h"
#include "engine/selection.h"

namespace qv {

// Without windows a key handed over is still consumed, as the controller would.
void SetButtons() {
    // While the criteria dialog opens or has just closed, a refresh only rebuilds the little help and
    // leaves the key as it was.
    const bool helpOnly = S.CriteriaDialogLoading || S.CriteriaDialogClosed;
    windows().SetButtons();
    if (!helpOnly)
        S.SetButKey.clear();
}

void SetNullByTag() {
    windows().SetNullByTag();
    S.SetNullKey.clear();
}

void SetValueByKey() {
    windows().SetValueByKey();
}

void SetButPictures() {
    windows().SetButPictures();
}

void ShowRenameCriteria() {
    windows().ShowRenameCriteria();
}

void SetValueActionFlags() {
    S.NamesToBuild = false;
    S.ConflictCheckDue = false;
    S.ReadyToFinalize = false;
    S.HasSelection = S.SelectedCount == 0 ? 0 : 1;
    if (S.HasSelection == 1) {
        const QString& a = S.ActionName;
        if (a == QLatin1String("Delete") || a == QLatin1String("Set Attribute")) {
            S.ReadyToFinalize = true;
        } else if (a == QLatin1String("Move") || a == QLatin1String("Copy")) {
            S.ConflictCheckDue = true;
        } else if (a == QLatin1String("Rename") || a == QLatin1String("Rename And Copy") ||
                   a == QLatin1String("Copy And Rename") || a == QLatin1String("Move And Rename")) {
            const int on = S.ExtensionOn + S.CaseOn + S.HandleOn + S.SpaceOn + S.InsertOn + S.ReplaceOn +
                           S.RemoveOn + S.AutoOn;
            S.NamesToBuild = on > 0;
        }
    }
    // A table left holding built names (a conflict report answered, a free-space refusal) would have
    // the criteria applied twice by the next Preview.
    if (S.NamesToBuild || S.ConflictCheckDue)
        SelectionTableResplit();
}

void SetValueSplitNames() {
    SelectionTableResplit();
}

}  // namespace qv
