// The panel controller's entry points as the logic calls them. The controller lives with the windows;
// these forward to the installed Windows (core/windows.h), so a caller stores its key and calls, as
// everywhere else.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetButPictures();  // puts the button pictures on the windows
void ShowRenameCriteria();

}  // namespace qv
