// The rename-criteria dialog's procedures that others call: opening the dialog, the commit of the
// criteria, the summary on the main window, the Replace choice reset, and the dialog's message keys.
#pragma once

namespace qv::criteria {

// The main window's rename-criteria button: loads the committed criteria into frmRen and shows it
// (modeless), then refreshes the buttons.
void OpenRenameCriteria();

// Puts the committed criteria back into the dialog and so into the pending fields, with no focus
// moved. Run by Cancel and by every redraw of the summary, so that a commit or reset made from the
// main window while the dialog is open leaves the dialog showing the committed state.
void ReloadRenameCriteria();

// Commit of the criteria (panel key "RenameSet"): pending to committed, type strings from the list
// positions, the priority order kept in step; then the summary and the priority labels.
void SetValueRenameSet();
void SetValueExtensionSet();
void SetValueCaseSet();
void SetValueHandleSet();
void SetValueSpaceSet();
void SetValueAutoSet();
void SetValueInsertSet();
void SetValueReplaceSet();
void SetValueRemoveSet();

// The priority order kept in step with the switches is the panel controller's, reached through
// core/panel_calls.h: SetValuePriorityAdjust (state only) and SetValuePriorityLabels (the window).

// Writes the readable summary of the committed criteria on the main window and CriteriaCount.
void ShowRenameCriteria();

// Sets the Replace choice back to none and commits Replace (asked by "MessageReplaceMultiName").
void ResetReplaceChoice();

// What the answers to the dialog's own message keys do.
void RegisterMessageWork();

}  // namespace qv::criteria
