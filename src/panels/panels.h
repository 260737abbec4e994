// The panel controller of the main window. The logic reaches it through core/panel_calls.h, which
// forwards here by way of the installed windows; window code calls those same entry points.
//
// Built: the key dispatch (SetValueByKey, SetValueCancel, SetNullByTag's tag table and view lock),
// the selection processing and automatic selection, the commits of the selection and action settings,
// the default priority, and every button and frame state (SetButtons). Entry points kept for later,
// with minimal bodies: the panels' preparation (the SetNull procedures), the Options and Priority
// commits, the little help's texts (SetButInfo) and the button faces (SetButPictures).
#pragma once

namespace qv::panels {

// Key dispatch.
void SetButtons();      // refreshes by SetButKey
void SetNullByTag();    // prepares by SetNullKey
void SetValueByKey();   // commits by PanelKey, or takes the manual selection
void SetValueCancel();  // cancels the open panel
void SetValueResetAll();
void SetValueResetRename();

// Commits.
void SetValueSelectionOK();
void SetValueActionOK();
void SetValuePriorityDefault();

// Selection processing.
void SetValueCollectFiles();
void SetValueAutoSelect();
void SetValueShowSpaceNeed();
void SetValueListSelected();
void SetValueListForDelete();
void SetValueClearSelection();
void SetValueRestoreSelection();

// Button and frame states.
void SetButActiveness();
void SetButPicture();
void SetButPriorityFrame();
void SetButShowFrame();
void SetButAction();
void SetButSingleProcess();
void SetButRigidity();
void SetButPriority();
void SetButCaptionMain();
void SetButDir();
void SetButAboutInfo();
void SetButInfo();
void SetButStatusPicture();
void SetButFinalize();
void SetButInfoFrames();
void SetButChoicePicture();
void SetButPictures();  // puts the button pictures on the windows

}  // namespace qv::panels
