// The panel keys: committing and cancelling the open panel, the manual selection taken from the file
// list, the setNull tags that prepare a panel, and the resets.
#include "core/panel_calls.h"
#include "core/state.h"
#include "criteria/criteria.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/panels.h"

namespace qv::panels {

namespace {

void LockView(bool locked) {
    S.ViewLocked = locked;
    S.ViewLockChanged = true;
}

void Refresh(SetButId key) {
    S.SetButKey = key;
    qv::SetButtons();
}

}  // namespace

void SetValueByKey() {
    if (S.SelectionByHand) {
        // A finished preview of a renaming, copy or move waits: the click is taken back.
        if (S.ReadyToFinalize && HasPreview(CurrentAction())) {
            S.FileListByProgram = true;
            SetValueRestoreSelection();
            S.FileListByProgram = false;
            S.SelectionByHand = false;
            Refresh(SetButId::setButOnlyPicture);
            return;
        }
        S.FileListByProgram = true;
        SetValueCollectFiles();
        qv::SetValueActionFlags();
        S.FileListByProgram = false;
        S.SelectionEmptied = false;
        if (S.ViewLocked) {
            if (HasPreview(CurrentAction())) {
                LockView(false);
            } else if (S.HasSelection == 0 && frmMain().Loaded()) {
                frmMain().List1->Clear();
                frmMain().List1->SetListIndex(-1);
            }
        }
        S.SelectionByHand = false;
        Refresh(SetButId::setButGlobal);
        return;
    }

    if (const std::optional<PanelId> key = S.PanelKey.id()) {
        switch (*key) {
            case PanelId::ResetAll:
                SetValueResetAll();
                break;
            case PanelId::Selection:
                SetValueSelectionOK();
                break;
            case PanelId::Action:
                SetValueActionOK();
                break;
            case PanelId::RenameSet:
                criteria::SetValueRenameSet();
                break;
            case PanelId::Options:
                SetValueOptionsOK();
                break;
            case PanelId::RigidityDefault:
                SetValueRigidityDefault();
                break;
            case PanelId::ResetRigidity:
                SetValueResetRigidity();
                break;
            case PanelId::ResetRename:
                SetValueResetRename();
                break;
            case PanelId::Priority:
                SetValuePriorityOK();
                break;
            case PanelId::Help:
            case PanelId::Family:
                break;
        }
    }
    qv::SetValueActionFlags();
    if (S.KeepViewLocked)
        S.KeepViewLocked = false;
    else if (S.ViewLocked)
        LockView(false);
    S.PanelKey.clear();
    S.PanelOpen = false;
    Refresh(SetButId::setButGlobal);
}

void SetValueCancel() {
    FrmMain& m = frmMain();
    const PanelKeyField key = S.PanelKey;
    if (m.Loaded() && key.id()) {
        switch (*key.id()) {
            case PanelId::Selection:
                if (OptionButton* o = m.OptionSelection[S.SelKind])
                    o->SetValue(true);
                m.FrameSelection->SetVisible(false);
                break;
            case PanelId::Action:
                if (OptionButton* o = m.OptionAction[S.ActionIndex])
                    o->SetValue(true);
                m.CheckActionMode->SetValue(S.ReviewMode == 0 ? 0 : 1);
                m.CheckActionOverwrite->SetValue(S.OverwriteConfirmed ? 1 : 0);
                m.FrameAction->SetVisible(false);
                break;
            case PanelId::Options:
                SetValueOptionsRestore();
                break;
            case PanelId::Help:
                m.FrameHelp->SetVisible(false);
                break;
            case PanelId::ResetAll:
            case PanelId::RenameSet:
            case PanelId::RigidityDefault:
            case PanelId::ResetRigidity:
            case PanelId::ResetRename:
            case PanelId::Priority:
            case PanelId::Family:
                break;
        }
    }
    // What was typed or ticked in a cancelled panel must not ride along with a later commit (a reset
    // commits the pending copies without opening the panel).
    if (key == PanelId::Selection)
        CopySelectionToPending();
    else if (key == PanelId::Action)
        S.OverwritePending = S.OverwriteConfirmed;
    S.PanelKey.clear();
    S.PanelOpen = false;
    if (HasPreview(CurrentAction()) && S.ViewLocked)
        LockView(false);
    Refresh(SetButId::setButGlobal);
}

void SetValueResetAll() {
    if (S.SelKind != 0) {
        S.EditSelKind = 0;
        SetValueSelectionOK();
    }
    if (!(CurrentAction() == Action::Rename && S.ReviewMode != 1)) {
        S.EditActionIndex = IndexOf(Action::Rename);
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
    // Each criterion still set is cleared and committed by its own commit, which keeps the counts and
    // the priority order in step. A committed one counts too: the criteria dialog may be open with
    // pending changes not yet committed.
    if (!S.ExtNewPending.isEmpty() || S.ExtensionOn == 1) {
        S.ExtNewPending.clear();
        criteria::SetValueExtensionSet();
    }
    if (S.EditCaseOption != -1 || S.CaseOn == 1) {
        S.EditCaseOption = -1;
        criteria::SetValueCaseSet();
    }
    if (S.EditHandleMode != -1 || S.HandleOn == 1) {
        S.EditHandleMode = -1;
        criteria::SetValueHandleSet();
    }
    if (S.EditSpaceMode != -1 || S.SpaceOn == 1) {
        S.EditSpaceMode = -1;
        criteria::SetValueSpaceSet();
    }
    if (S.EditInsertPlace != 0 || S.InsertOn == 1) {
        S.EditInsertPlace = 0;
        criteria::SetValueInsertSet();
    }
    if (S.EditReplaceKind != 0 || S.ReplaceOn == 1) {
        S.EditReplaceKind = 0;
        criteria::SetValueReplaceSet();
    }
    if (S.EditRemoveKind != 0 || S.RemoveOn == 1) {
        S.EditRemoveKind = 0;
        criteria::SetValueRemoveSet();
    }
    if (S.EditAutoType != 0 || S.AutoOn == 1) {
        S.EditAutoType = 0;
        criteria::SetValueAutoSet();
    }
    SetValuePriorityDefault();
    S.RenSpaceMode = -1;
    S.PriorityCount = 0;
    S.NamesToBuild = false;
    S.ConflictCheckDue = false;
    qv::ShowRenameCriteria();
}

}  // namespace qv::panels
