// The rename-criteria dialog's procedures that others call: the summary of the committed criteria on
// the main window, the Replace choice reset, and the dialog's message keys.
#pragma once

namespace qv::criteria {

// Writes the readable summary of the committed criteria on the main window (not built yet).
void ShowRenameCriteria();

// Sets the pending Replace choice back to "no Replace" (asked by "MessageReplaceMultiName").
void ResetReplaceChoice();

// What the answers to the dialog's own message keys do.
void RegisterMessageWork();

}  // namespace qv::criteria
