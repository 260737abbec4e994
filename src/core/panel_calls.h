// The panel controller's entry points as the logic calls them. The controller lives with the windows;
// most of these forward to the installed Windows (core/windows.h), so a caller stores its key and
// calls, as everywhere else. The three that touch no window are the logic's own.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetButPictures();  // puts the button pictures on the windows
void ShowRenameCriteria();
// The order of Insert, Replace and Remove on the main window: "1 - Insert" ..., when there is one.
void SetValuePriorityLabels();

// Re-derives the progress flags (NamesToBuild, ConflictCheckDue, ReadyToFinalize, HasSelection) from
// the committed action, criteria and count. Whenever names are due to be built or checked again, the
// selection table is first put back to the names its files have now, so that a criterion is never
// applied to names it already built.
void SetValueActionFlags();
// Every selection-table row back to the name its file has now, state "OK".
void SetValueSplitNames();
// The run order of Insert, Replace and Remove (PrioritySlot1-3) from the user's priority choice and
// the switches; after one of them went on or off, or the choice was committed.
void SetValuePriorityAdjust();

}  // namespace qv
