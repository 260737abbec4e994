// The panel controller's entry points as the logic calls them. The controller lives with the windows;
// most of these forward to the installed Windows (core/windows.h), so a caller stores its key and
// calls, as everywhere else. The two that touch no window are the logic's own.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetButPictures();  // puts the button pictures on the windows
void ShowRenameCriteria();

// Re-derives the progress flags (NamesToBuild, ConflictCheckDue, ReadyToFinalize, HasSelection) from
// the committed action, criteria and count. Whenever names are due to be built or checked again, the
// selection table is first put back to the names its files have now, so that a criterion is never
// applied to names it already built.
void SetValueActionFlags();
// Every selection-table row back to the name its file has now, state "OK".
void SetValueSplitNames();

}  // namespace qv
