// The panel controller of the main window. The logic reaches it through core/panel_calls.h, which
// forwards here by way of the installed windows; window code calls those same entry points.
//
// The panels are prepared from setNull tags, committed and cancelled by the open-panel key, and
// refreshed through SetButtons with a setBut key.
#pragma once

#include <QString>

namespace qv::panels {

// The File Selection panel's prompts under its box, shown while the box lacks what they ask for.
inline const QString kAskNumber = QStringLiteral("Please type the number of files to select.");
inline const QString kAskString = QStringLiteral("Please type the String to search.");
inline const QString kAskExtension = QStringLiteral("Please type the Extension to search.");

// Key dispatch.
void SetButtons();      // refreshes by SetButKey
void SetNullByTag();    // prepares by SetNullKey
void SetValueByKey();   // commits by PanelKey, or takes the manual selection
void SetValueCancel();  // cancels the open panel
void SetValueResetAll();
void SetValueResetRename();

// Preparation of the open panel (the setNull tags).
void CopySelectionToPending();  // the committed selection settings into their pending copies
void CommitSelectionPending();  // and back, when the panel's OK commits them
void ShowSelectionIndex();
void ShowSelectionNumIndex();
void FillSelectionTexts();
void CheckSelectionOK();
void ShowActionIndex();

// Commits.
void SetValueSelectionOK();
void SetValueActionOK();
void SetValueRigidityDefault();
void SetValueResetRigidity();
void SetValueOptionsOK();
void SetValueOptionsRestore();

// The order of Insert, Replace and Remove: slots 1 to PriorityCount hold the operations that are on,
// in the order of the user's choice in the priority lists.
void SetValuePriorityDefault();
void SetValuePriorityOK();
void SetValuePriorityLabels();  // "1 - Insert" ..., shown only when there is an order to show

// Selection processing.
void SetValueCollectFiles();
void SetValueAutoSelect();
void SetValueShowSpaceNeed();
void SetValueListSelected();
void SetValueListForDelete();
void SetValueClearSelection();
void SetValueRestoreSelection();

// A copy or move has somewhere to go: a destination the user chose, other than the work folder.
bool DestinationChosen();

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
void SetButPictures();             // puts the button pictures on the windows
void SetCriteriaDialogPictures();  // the criteria dialog's share of them
void SetFolderDialogPictures();    // the folder dialog's share of them

}  // namespace qv::panels
