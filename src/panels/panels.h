// The panel controller's entry points. The key dispatch, the panel preparation, the button states
// and pictures are not built yet: each entry point only keeps its calling convention.
#pragma once

namespace qv {

void SetButtons();      // refreshes by SetButKey, clears it
void SetNullByTag();    // prepares by SetNullKey, clears it
void SetValueByKey();   // commits by PanelKey
void SetValueCancel();  // cancels the open panel
void SetButPictures();  // puts the button pictures on the windows
void SetValueActionFlags();
void SetValueSplitNames();

}  // namespace qv
