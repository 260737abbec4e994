// The panel controller of the main window. The logic reaches it through core/panel_calls.h, which
// forwards here by way of the installed windows; window code calls those same entry points.
// The key dispatch, the panel preparation, the button states and pictures are not built yet: each
// entry point only keeps its calling convention (the logic's forwarder consumes the key).
#pragma once

namespace qv::panels {

void SetButtons();      // refreshes by SetButKey
void SetNullByTag();    // prepares by SetNullKey
void SetValueByKey();   // commits by PanelKey
void SetValueCancel();  // cancels the open panel
void SetButPictures();  // puts the button pictures on the windows
void SetValueActionFlags();

}  // namespace qv::panels
