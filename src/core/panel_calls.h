// The panel controller's entry points as the logic calls them. The controller lives with the windows;
// these forward to the installed Windows (core/windows.h), so a caller stores its key and calls, as
// everywhere else. The two that touch no window are the logic's own.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetButPictures();  // puts the button pictures on the windows
void ShowRenameCriteria();

// Re-derives the progress flags from the committed state.
void SetValueActionFlags();
// Every selection-table row back to the name its file has now, state "OK".
void SetValueSplitNames();

}  // namespace qv
