// The panel controller's entry points as the logic calls them. The controller lives with the windows;
// most of these forward to the installed Windows (core/windows.h), so a caller stores its key and
// calls, as everywhere else. The one that touches no window is the logic's own.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetButPictures();  // puts the button pictures on the windows
void ShowRenameCriteria();
// The order of Insert, Replace and Remove on the main window: "1 - Insert" ..., when there is one.
void SetValuePriorityLabels();

// The run order of Insert, Replace and Remove (PrioritySlot1-3) from the user's priority choice and
// the switches; after one of them went on or off, or the choice was committed.
void SetValuePriorityAdjust();

}  // namespace qv
