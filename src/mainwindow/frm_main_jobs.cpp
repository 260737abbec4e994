// The job buttons: Preview builds and checks the new names, Finalize runs the action, Reject throws a
// ready preview away, Undo reverses the last action. Each makes its own checks, whatever SetButtons
// has enabled.
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/actions.h"
#include "engine/conflicts.h"
#include "engine/names.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"

namespace qv {

namespace {

void WorkMessage(MessageId key) {
    S.MessageKey = key;
    MessageShowWork();
}

void UnlockView() {
    if (S.ViewLocked) {
        S.ViewLocked = false;
        S.ViewLockChanged = true;
    }
}

void RefreshAll() {
    S.SetButKey = SetButId::setButGlobal;
    SetButtons();
}

// Finalize and Undo change files: neither starts while a job runs, nor in review mode.
bool MayChangeFiles() {
    if (S.JobBusy)
        return false;
    if (S.ReviewMode == 1) {
        WorkMessage(MessageId::MessageReviewModeOn);
        return false;
    }
    return true;
}

}  // namespace

void FrmMain::CommandPreview_Click() {
    PictureMain->SetFocus();
    if (S.PanelOpen || S.JobBusy)
        return;
    if (!S.NamesToBuild && !S.ConflictCheckDue)
        return;  // nothing new to preview
    if (NeedsDestination(CurrentAction()) && S.WorkPath == S.DestPath) {
        WorkMessage(MessageId::MessageSourceDestSame);
        return;
    }
    if (!FoldersStillThere())
        return;
    S.ConflictTotal = S.ConflictInsert = S.ConflictReplace = S.ConflictRemove = S.ConflictAuto = 0;
    S.ConflictExistName = S.ConflictNewName = S.ConflictMove = S.ConflictZeroLength = 0;
    if (S.NamesToBuild) {
        if (S.RenAutoType == 2 && !CheckAutoLetterRange()) {
            WorkMessage(MessageId::MessageAutoLetterImpossible);
            return;
        }
        FinalizeNewNames();
    }
    if (S.ConflictCheckDue)
        FindConflictStart();
    // The conflict report's OK may have unselected every file: nothing is left to preview.
    if (S.HasSelection == 0)
        SetValueActionFlags();
    if (S.ReadyToFinalize) {
        S.ViewLocked = true;
        S.ViewLockChanged = true;
    }
    RefreshAll();
}

void FrmMain::CommandJob_Click() {
    PictureMain->SetFocus();
    if (!MayChangeFiles())
        return;
    // Readiness first: a Yes to the old-undo question must not drop the undo when nothing will run.
    if (S.ReadyToFinalize) {
        if (!FoldersStillThere())
            return;
        if (!S.SkipUndoWarning && S.UndoAvailable) {
            WorkMessage(MessageId::MessageOldUndoExist);
            if (S.MessageReply != QLatin1String("ActionContinue"))
                return;
            S.MessageReply.clear();
        }
        S.JobBusy = true;
        ActionAStartDo();
        // The files acted on are no longer selected in the refreshed list: no row may stay for them.
        if (S.HasSelection == 0)
            SelectionTableClear();
    }
    UnlockView();
    RefreshAll();
}

void FrmMain::CommandReject_Click() {
    PictureMain->SetFocus();
    if (S.JobBusy)
        return;
    if (S.ReadyToFinalize) {
        S.ReadyToFinalize = false;
        if (S.ActionName != QLatin1String("Set Attribute") && S.ActionName != QLatin1String("Delete")) {
            List1->Clear();
            List1->SetListIndex(-1);
            S.PreviewNames.clear();
        } else if (S.ReviewMode == 0) {
            OptionAction[0]->SetValue(true);
            S.EditActionIndex = IndexOf(Action::Rename);
            panels::SetValueActionOK();
            if (S.HasSelection == 1)
                panels::SetValueClearSelection();
        }
    }
    SetValueActionFlags();
    if (S.NamesToBuild || S.ConflictCheckDue)
        SetValueSplitNames();
    UnlockView();
    RefreshAll();
}

void FrmMain::CommandUndo_Click() {
    PictureMain->SetFocus();
    if (!MayChangeFiles())
        return;
    ActionAStartUndo();
    // The undo refreshed the file list and its selection with it: the table and flags follow, or
    // Preview would stay on over files the list no longer shows as selected.
    panels::SetValueClearSelection();
    UnlockView();
    RefreshAll();
}

}  // namespace qv
