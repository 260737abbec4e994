// The panel keys: committing and cancelling the open panel, the manual selection taken from the file
// list, the setNull tags that prepare a panel, and the resets.
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/selection.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "panels/panels.h"

namespace qv::panels {

namespace {

void LockView(bool locked) {
    S.ViewLocked = locked;
    S.ViewLockChanged = true;
}

void Refresh(const char* key) {
    S.SetButKey = QLatin1String(key);
    qv::SetButtons();
}

// The panels' preparation is still to come: opening a panel shows it as it stands.
void ShowPanel(Frame* FrmMain::*frame) {
    if (frmMain().Loaded())
        (frmMain().*frame)->SetVisible(true);
}

void SetValueResetRigidity() {
    if (S.OptionsNonDefault == 0)
        return;
    if (S.AllowSystemFolders) {
        ControlFormsSetPaths();
        S.AllowSystemFolders = false;
    }
    S.MarkInsertMissing = true;
    S.MarkReplaceMissing = true;
    S.MarkRemoveMissing = false;
    S.MarkReplaceShort = false;
    S.MarkRemoveShort = false;
    S.OptionsCode = (S.SkipUndoWarning ? 131 : 3) + (S.HelpAtStart ? 32 : 0);
    S.OptionsCodePending = S.OptionsCode;
    S.OptionsNonDefault = 0;
}

}  // namespace

void SetValueByKey() {
    if (S.SelectionByHand) {
        // A finished preview of a renaming, copy or move waits: the click is taken back.
        if (S.ReadyToFinalize && S.ActionIndex < 6) {
            S.FileListByProgram = true;
            SetValueRestoreSelection();
            S.FileListByProgram = false;
            S.SelectionByHand = false;
            Refresh("setButOnlyPicture");
            return;
        }
        S.FileListByProgram = true;
        SetValueCollectFiles();
        qv::SetValueActionFlags();
        S.FileListByProgram = false;
        S.SelectionEmptied = false;
        if (S.ViewLocked) {
            if (S.ActionIndex < 6) {
                LockView(false);
            } else if (S.HasSelection == 0 && frmMain().Loaded()) {
                frmMain().List1->Clear();
                frmMain().List1->SetListIndex(-1);
            }
        }
        S.SelectionByHand = false;
        Refresh("setButGlobal");
        return;
    }

    const QString key = S.PanelKey;
    if (key == QLatin1String("ResetAll"))
        SetValueResetAll();
    else if (key == QLatin1String("Selection"))
        SetValueSelectionOK();
    else if (key == QLatin1String("Action"))
        SetValueActionOK();
    else if (key == QLatin1String("ResetRigidity"))
        SetValueResetRigidity();
    else if (key == QLatin1String("ResetRename"))
        SetValueResetRename();
    // "RenameSet", "Options", "RigidityDefault" and "Priority" commit with their panels, still to come.
    qv::SetValueActionFlags();
    if (S.KeepViewLocked)
        S.KeepViewLocked = false;
    else if (S.ViewLocked)
        LockView(false);
    S.PanelKey.clear();
    S.PanelOpen = false;
    Refresh("setButGlobal");
}

void SetValueCancel() {
    FrmMain& m = frmMain();
    const QString key = S.PanelKey;
    if (m.Loaded()) {
        if (key == QLatin1String("Selection")) {
            if (OptionButton* o = m.OptionSelection[S.SelKind])
                o->SetValue(true);
            m.FrameSelection->SetVisible(false);
        } else if (key == QLatin1String("Action")) {
            if (OptionButton* o = m.OptionAction[S.ActionIndex])
                o->SetValue(true);
            m.CheckActionMode->SetValue(S.ReviewMode == 0 ? 0 : 1);
            m.FrameAction->SetVisible(false);
        } else if (key == QLatin1String("Options")) {
            m.FrameRigidity->SetVisible(false);
        } else if (key == QLatin1String("Help")) {
            m.FrameHelp->SetVisible(false);
        }
    }
    S.PanelKey.clear();
    S.PanelOpen = false;
    if (S.ActionIndex < 6 && S.ViewLocked)
        LockView(false);
    Refresh("setButGlobal");
}

void SetNullByTag() {
    const QString tag = S.SetNullKey;  // a control fired meanwhile may send a tag of its own
    const char* refresh = nullptr;
    if (tag == QLatin1String("setNullSelectionStart")) {
        ShowPanel(&FrmMain::FrameSelection);
        LockView(true);
        refresh = "setButGlobal";
    } else if (tag == QLatin1String("setNullIndexSelection") ||
               tag == QLatin1String("setNullNumIndexNumSelection") ||
               tag == QLatin1String("setNullSelectionOK") || tag == QLatin1String("setNullIndexAction") ||
               tag == QLatin1String("setNullFramesActionMove")) {
        // Laying the open panel out again comes with the panels.
    } else if (tag == QLatin1String("setNullActionStart")) {
        ShowPanel(&FrmMain::FrameAction);
        LockView(true);
        refresh = "setButGlobal";
    } else if (tag == QLatin1String("setNullActionMovePath")) {
        if (frmMove().Loaded()) {
            frmMove().Show();
            frmMove().PictureMove->SetFocus();
        }
        refresh = "setButOnlyActiveness";
    } else if (tag == QLatin1String("setNullRigidity")) {
        ShowPanel(&FrmMain::FrameRigidity);
        LockView(true);
        refresh = "setButGlobal";
    } else if (tag == QLatin1String("setNullHelp")) {
        ShowPanel(&FrmMain::FrameHelp);
        LockView(true);
        refresh = "setButGlobal";
    } else {
        refresh = "setButGlobal";
    }
    S.SetNullKey.clear();
    if (refresh)
        Refresh(refresh);
}

void SetValueResetAll() {
    if (S.SelKind != 0) {
        S.EditSelKind = 0;
        SetValueSelectionOK();
    }
    if (!(S.ActionIndex == 0 && S.ReviewMode != 1)) {
        S.EditActionIndex = 0;
        if (frmMain().Loaded())
            frmMain().CheckActionMode->SetValue(0);
        S.ReviewModePending = 0;
        SetValueActionOK();
    }
    if (S.OptionsCode != 3)
        SetValueResetRigidity();
    SetValueClearSelection();
    SetValueResetRename();
}

void SetValueResetRename() {
    // Every criterion off, pending and committed alike; Insert, Replace, Remove and Auto counted one each.
    const int counted = (S.InsertOn == 1) + (S.ReplaceOn == 1) + (S.RemoveOn == 1) + (S.AutoOn == 1);
    S.NonDefaultCount = std::max(0, S.NonDefaultCount - counted);
    S.ExtNewPending.clear();
    S.EditCaseOption = -1;
    S.EditHandleMode = -1;
    S.EditSpaceMode = -1;
    S.EditInsertPlace = 0;
    S.EditReplaceKind = 0;
    S.EditRemoveKind = 0;
    S.EditAutoType = 0;
    S.ExtensionOn = S.CaseOn = S.HandleOn = S.SpaceOn = 0;
    S.InsertOn = S.ReplaceOn = S.RemoveOn = S.AutoOn = 0;
    S.ExtNew.clear();
    S.CaseScope.clear();
    S.CaseTo.clear();
    S.RenCaseOption = -1;
    S.RenHandleMode = -1;
    S.InsertType.clear();
    S.ReplaceType.clear();
    S.RemoveType.clear();
    S.RenInsertPlace = 0;
    S.RenReplaceKind = 0;
    S.RenRemoveKind = 0;
    S.RenAutoType = 0;
    S.RenAutoKind.clear();
    S.RenAutoPlace.clear();
    SetValuePriorityDefault();
    S.RenSpaceMode = -1;
    S.PriorityCount = 0;
    S.NamesToBuild = false;
    S.ConflictCheckDue = false;
    qv::ShowRenameCriteria();
}

void SetValuePriorityDefault() {
    S.PriorityChoiceIndex1 = 0;
    S.PriorityChoiceIndex2 = 1;
    S.PriorityChoiceIndex3 = 2;
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        m.ComboPriority1st->SetListIndex(0);
        m.ComboPriority2nd->SetListIndex(1);
        m.ComboPriority3rd->SetListIndex(2);
    }
    S.PrioritySlot1 = S.PriorityChoice1 = QStringLiteral("Insert");
    S.PrioritySlot2 = S.PriorityChoice2 = QStringLiteral("Replace");
    S.PrioritySlot3 = S.PriorityChoice3 = QStringLiteral("Remove");
    if (m.Loaded()) {
        m.LabelPriorityInfo4->SetVisible(false);
        m.CommandPriorityDefault->SetEnabled(false);
        m.CommandPriorityOK->SetEnabled(false);
    }
}

}  // namespace qv::panels
