// frmMain's controls: what each one is called, where it sits and what it says, as a position table.
// Rows on the window are in pixels, rows inside a frame or picture box in twips.
#include <QWidget>

#include "mainwindow/frm_main.h"

namespace qv {

namespace {

const QString kRigidIgnore = QStringLiteral("Ignore it. Process file as it is.");
const QString kRigidMark = QStringLiteral("Mark the file for easy removal from selection.");

// A label that sits on a picture button's face: the clicks go to the button.
void OnFace(Label* l) {
    l->SetTransparent(true);
    l->SetAlignment(2);
    l->SetWordWrap(true);
    l->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// What a screen reader calls the controls that show no caption of their own (or one that would not
// say which of several it is). The rigidity options are named by the text beside them.
struct Description {
    const char* name;
    int index;
    const char* text;
};
constexpr Description kDescriptions[] = {
    {"PictureMain", -1, "Main window"},
    {"TextActionDestination", -1, "Destination of the action"},
    {"PictureStatus", -1, "Status"},
    {"Drive1", -1, "Drives"},
    {"FrameHome", -1, "Folder history"},
    {"ImageGoBack", -1, "Back"},
    {"ImageGoForward", -1, "Forward"},
    {"Dir1", -1, "Folders"},
    {"File1", -1, "Files of the work folder"},
    {"File2", -1, "Files of the work folder, one to process"},
    {"List1", -1, "New names"},
    {"FrameDirDisableInfo", -1, "Folder boxes locked"},
    {"FrameButHelp", 0, "Help button"},
    {"FrameButHelp", 1, "Help picture"},
    {"FrameButHelp", 2, "Help buttons"},
    {"ImageHelpDefault", -1, "Help picture"},
    {"CommandHelpShow", -1, "Help program"},
    {"FrameReset", -1, "Reset buttons"},
    {"CommandClearSelection", -1, "Reset File Selection"},
    {"CommandClearAction", -1, "Reset Action"},
    {"CommandClearRename", -1, "Reset Rename Criteria"},
    {"CommandClearRigidity", -1, "Reset Options"},
    {"FrameButRun", -1, "Run button"},
    {"FrameShowRun", -1, "Run button"},
    {"FrameSelectionNum", -1, "Number of files"},
    {"TextSelectionNumFile", -1, "Number of files to select"},
    {"TextSelectionString", -1, "String or extension to search"},
    {"FrameSelectionSkip", -1, "Files to skip"},
    {"TextSelectionNumSkip", -1, "Number of files to skip"},
    {"TextSelectionMaxFile", -1, "Maximum number of files"},
    {"CheckActionOverwrite", -1, "Overwrite Files In Destination While Copying"},
    {"TextSingleProcessName", -1, "New Name"},
    {"TextSingleProcessExt", -1, "New Extension"},
    {"FrameSingleCancel", -1, "Leave Easy Process"},
    {"ComboPriority1st", -1, "First priority"},
    {"ComboPriority2nd", -1, "Second priority"},
    {"ComboPriority3rd", -1, "Third priority"},
    {"FrameView", -1, "User picture"},
    {"ImageUser", -1, "User picture"},
    {"ImageChoiceDefault", -1, "User picture"},
};

}  // namespace

void FrmMain::Design() {
    SetCaption(QStringLiteral("Quorvan"));
    Move(20, 20, 792, 564);
    Place({{&PictureMain, "PictureMain", "", 0, 0, 1, 1}});
    DesignInfoFrames();
    DesignFolderView();
    DesignButtons();
    DesignSingleProcess();
    // The panels come last so that they lie over what they share their place with.
    DesignSelectionPanel();
    DesignOptionsPanel();
    DesignActionPanel();
    DesignHelpAndRun();
    WireHandlers();
    WirePanelHandlers();
    for (const Description& d : kDescriptions)
        Find(QLatin1String(d.name), d.index)->SetAccessibleName(QLatin1String(d.text));
    for (int s = 0; s < FrameRigidSet.Count(); ++s)
        FrameRigidSet[s]->SetAccessibleName(LabelRigidHead[s]->Caption());
    for (auto* options : {&OptionInsertRigid, &OptionReplaceRigid, &OptionRemoveRigid,
                          &OptionCharReplaceRigid, &OptionCharRemoveRigid})
        for (OptionButton* o : options->items())
            o->SetAccessibleName(LabelRigidText[o->Container()->Index() * 2 + o->Index()]->Caption());
    NameControls();
}

void FrmMain::DesignFolderView() {
    Place({
        {&FrameDisplaySelection, "FrameDisplaySelection", "", 8, 16, 208, 68, "Manual File Selection"},
        {&LabelSelectionInfo, "LabelSelectionInfo", "FrameDisplaySelection", 120, 330, 2880, 660},
        {&FrameDisplayAction, "FrameDisplayAction", "", 224, 16, 208, 68, "Rename"},
        {&LabelActionDestination, "LabelActionDestination", "FrameDisplayAction", 120, 330, 2880, 240},
        {&TextActionDestination, "TextActionDestination", "FrameDisplayAction", 120, 630, 2880, 330},
        {&LabelSpaceFree, "LabelSpaceFree", "", 440, 14, 296, 16},
        {&LabelFileNum, "LabelFileNum", "", 440, 32, 296, 16},
        {&LabelSpaceNeed, "LabelSpaceNeed", "", 440, 50, 196, 32},
        {&CommandFileSize, "CommandFileSize", "", 640, 52, 96, 28, "File Size"},
        {&PictureStatus, "PictureStatus", "", 744, 14, 40, 40},
        {&Drive1, "Drive1", "", 8, 88, 96, 22},
        {&FrameHome, "FrameHome", "", 108, 84, 108, 28},
        {&ImageGoBack, "ImageGoBack", "FrameHome", 120, 30, 360, 360},
        {&ImageGoForward, "ImageGoForward", "FrameHome", 540, 30, 360, 360},
        {&CommandGoToStart, "CommandGoToStart", "FrameHome", 960, 0, 660, 420, "Start"},
        {&LabelSelectFile, "LabelSelectFile", "", 224, 92, 208, 16},
        {&LabelListFile, "LabelListFile", "", 440, 92, 224, 16},
        {&LabelReviewMode, "LabelReviewMode", "", 668, 92, 116, 16, "Review Mode"},
        {&Dir1, "Dir1", "", 8, 120, 208, 172},
        {&File1, "File1", "", 224, 112, 208, 180},
        {&File2, "File2", "", 224, 112, 208, 180},
        {&List1, "List1", "", 440, 112, 344, 180},
        {&FrameDirDisableInfo, "FrameDirDisableInfo", "", 8, 224, 208, 68},
        // Near the frame's top: the notice's four lines need the frame's whole height.
        {&LabelDirDisableInfo, "LabelDirDisableInfo", "FrameDirDisableInfo", 90, 60, 2940, 930},
        {&CheckEasyProcess, "CheckEasyProcess", "", 448, 530, 124, 24, "Easy Process"},
        {&CommandResetAll, "CommandResetAll", "", 580, 528, 100, 28, "Reset All"},
        {&CommandGoodbye, "CommandGoodbye", "", 688, 528, 96, 28, "Quit"},
    });
    LabelSelectionInfo->SetWordWrap(true);
    TextActionDestination->SetLocked(true);
    LabelSpaceNeed->SetWordWrap(true);
    LabelSpaceNeed->SetVisible(false);
    FrameHome->SetBorderStyle(0);
    LabelReviewMode->SetForeColor(0xFF0000);
    File1->SetMultiSelect(2);
    File2->SetVisible(false);
    FrameDirDisableInfo->SetVisible(false);
    LabelDirDisableInfo->SetWordWrap(true);
    LabelDirDisableInfo->SetTransparent(true);
}

void FrmMain::DesignButtons() {
    Place({
        {&CommandSelection, "CommandSelection", "", 8, 298, 104, 28, "File Selection"},
        {&CommandAction, "CommandAction", "", 116, 298, 80, 28, "Action"},
        {&CommandRenameCriteria, "CommandRenameCriteria", "", 200, 298, 116, 28, "Rename Criteria"},
        {&CommandRigidity, "CommandRigidity", "", 320, 298, 64, 28, "Options"},
        {&FrameButHelp, 0, "FrameButHelp", "", 388, 296, 44, 32},
        {&CommandHelp, "CommandHelp", "FrameButHelp(0)", 0, 30, 660, 420, "Help"},
        {&FrameReset, "FrameReset", "", 8, 330, 376, 32},
        {&CommandClearSelection, "CommandClearSelection", "FrameReset", 0, 0, 1560, 420, "Reset"},
        {&CommandClearAction, "CommandClearAction", "FrameReset", 1620, 0, 1200, 420, "Reset"},
        {&CommandClearRename, "CommandClearRename", "FrameReset", 2880, 0, 1740, 420, "Reset"},
        {&CommandClearRigidity, "CommandClearRigidity", "FrameReset", 4680, 0, 960, 420, "Reset"},
        {&FrameButRun, "FrameButRun", "", 388, 328, 44, 32},
        {&FrameShowRun, "FrameShowRun", "FrameButRun", 0, 0, 660, 480},
        {&CommandRun, "CommandRun", "FrameShowRun", 0, 30, 660, 420, "Run"},
        {&FramePreview, "FramePreview", "", 440, 298, 96, 62, "Preview"},
        {&CommandPreview, "CommandPreview", "FramePreview", 120, 300, 1200, 510, "Preview"},
        {&FrameJob, "FrameJob", "", 540, 298, 170, 62, "Action"},
        {&CommandJob, "CommandJob", "FrameJob", 120, 300, 1200, 510},
        {&LabelJob, "LabelJob", "FrameJob", 120, 420, 1200, 270, "Rename"},
        {&CommandReject, "CommandReject", "FrameJob", 1380, 300, 1050, 510, "Cancel"},
        {&FrameUndo, "FrameUndo", "", 714, 298, 70, 62, "Undo"},
        {&CommandUndo, "CommandUndo", "FrameUndo", 120, 300, 810, 510, "Undo"},
    });
    for (Frame* f : {FrameButHelp[0], FrameReset, FrameButRun, FrameShowRun}) f->SetBorderStyle(0);
    OnFace(LabelJob);
}

void FrmMain::DesignSelectionPanel() {
    Place({
        {&FrameSelection, "FrameSelection", "", 32, 16, 400, 276, "File Selection"},
        {&OptionSelection, 0, "OptionSelection", "FrameSelection", 180, 330, 1800, 300, "Manual"},
        {&OptionSelection, 1, "OptionSelection", "FrameSelection", 180, 660, 1800, 300, "By Number"},
        {&OptionSelection, 2, "OptionSelection", "FrameSelection", 180, 990, 1800, 300, "By String"},
        {&OptionSelection, 3, "OptionSelection", "FrameSelection", 180, 1320, 1800, 300, "By Extension"},
        {&FrameSelectionNum, "FrameSelectionNum", "FrameSelection", 2100, 270, 3750, 750},
        {&OptionSelectionNum, 0, "OptionSelectionNum", "FrameSelectionNum", 0, 30, 1920, 300, "All Files"},
        {&OptionSelectionNum, 1, "OptionSelectionNum", "FrameSelectionNum", 0, 360, 1920, 300,
         "Number of Files"},
        {&TextSelectionNumFile, "TextSelectionNumFile", "FrameSelectionNum", 2040, 330, 1200, 330},
        {&LabelSelectionString, "LabelSelectionString", "FrameSelection", 2100, 1080, 3000, 240,
         "This Extension"},
        {&TextSelectionString, "TextSelectionString", "FrameSelection", 2100, 1350, 3000, 330},
        {&CheckSelectionSensitive, "CheckSelectionSensitive", "FrameSelection", 2100, 1740, 3000, 300,
         "Case Sensitive"},
        {&FrameSelectionSkip, "FrameSelectionSkip", "FrameSelection", 180, 2100, 5640, 720},
        {&LabelSelectionNumSkip, "LabelSelectionNumSkip", "FrameSelectionSkip", 0, 0, 4440, 510,
         "Skip following number of files before starting selection"},
        {&TextSelectionNumSkip, "TextSelectionNumSkip", "FrameSelectionSkip", 4560, 60, 960, 330},
        {&LineSelection1, "LineSelection1", "FrameSelection", 180, 2910, 5820, 2910},
        {&LabelSelectionMaxA, "LabelSelectionMaxA", "FrameSelection", 180, 3030, 1500, 240, "Maximum Limit"},
        {&TextSelectionMaxFile, "TextSelectionMaxFile", "FrameSelection", 1680, 2970, 900, 330},
        {&LabelSelectionMaxB, "LabelSelectionMaxB", "FrameSelection", 2670, 3030, 3210, 240,
         "File. For no limit type 0 (zero)."},
        {&CheckSelectionKeep, "CheckSelectionKeep", "FrameSelection", 180, 3360, 3900, 300,
         "Select File On Folder Change"},
        {&LabelSelectionAsk, "LabelSelectionAsk", "FrameSelection", 180, 3660, 3060, 450},
        {&CommandSelectionOK, "CommandSelectionOK", "FrameSelection", 3330, 3660, 1200, 420, "OK"},
        {&CommandSelectionCancel, "CommandSelectionCancel", "FrameSelection", 4620, 3660, 1200, 420,
         "Cancel"},
    });
    FrameSelection->SetVisible(false);
    FrameSelectionNum->SetBorderStyle(0);
    FrameSelectionSkip->SetBorderStyle(0);
    LabelSelectionNumSkip->SetWordWrap(true);
    LabelSelectionAsk->SetWordWrap(true);
    LabelSelectionAsk->SetForeColor(0xC0);
    OptionSelection[0]->SetValue(true);
}

void FrmMain::DesignActionPanel() {
    Place({
        {&FrameAction, "FrameAction", "", 248, 16, 536, 276, "Action"},
        {&OptionAction, 0, "OptionAction", "FrameAction", 120, 330, 3000, 300, "Rename"},
        {&OptionAction, 1, "OptionAction", "FrameAction", 120, 660, 3000, 300, "Rename and Copy"},
        {&OptionAction, 2, "OptionAction", "FrameAction", 120, 990, 3000, 300,
         "Copy and Rename the copies only"},
        {&OptionAction, 3, "OptionAction", "FrameAction", 120, 1320, 3000, 300, "Move and Rename"},
        {&OptionAction, 4, "OptionAction", "FrameAction", 120, 1650, 3000, 300, "Copy"},
        {&OptionAction, 5, "OptionAction", "FrameAction", 120, 1980, 3000, 300, "Move"},
        {&OptionAction, 6, "OptionAction", "FrameAction", 120, 2310, 3000, 300, "Delete"},
        {&OptionAction, 7, "OptionAction", "FrameAction", 120, 2640, 3000, 300, "Set Attributes"},
        {&FrameAttribute, "FrameAttribute", "FrameAction", 3120, 240, 4740, 1380, "Attribute"},
        {&OptionAttribute, 0, "OptionAttribute", "FrameAttribute", 120, 300, 2160, 300, "Don't Change"},
        {&OptionAttribute, 1, "OptionAttribute", "FrameAttribute", 120, 630, 2160, 300, "Normal"},
        {&OptionAttribute, 2, "OptionAttribute", "FrameAttribute", 120, 960, 2160, 300, "ReadOnly"},
        {&OptionAttribute, 3, "OptionAttribute", "FrameAttribute", 2400, 300, 2160, 300, "Hidden"},
        {&OptionAttribute, 4, "OptionAttribute", "FrameAttribute", 2400, 630, 2160, 300, "System"},
        {&OptionAttribute, 5, "OptionAttribute", "FrameAttribute", 2400, 960, 2160, 300, "Archive"},
        {&LabelActionWarning, "LabelActionWarning", "FrameAction", 3120, 960, 4740, 600,
         "Please Remember There Is No Undo Option Available For This."},
        {&LineAction, "LineAction", "FrameAction", 3120, 1710, 7860, 1710},
        {&CheckActionOverwrite, "CheckActionOverwrite", "FrameAction", 3120, 1830, 300, 300},
        {&LabelActionOverwrite, "LabelActionOverwrite", "FrameAction", 3450, 1800, 4410, 690,
         "Overwrite Files In Destination While Copying. Please Remember Overwritten Files is not "
         "Recoverable."},
        {&LabelActionMust, "LabelActionMust", "FrameAction", 4080, 2520, 3780, 600,
         "Must select a different Folder"},
        {&CheckActionMode, "CheckActionMode", "FrameAction", 120, 3180, 3900, 300,
         "Review Mode : No Final Action On Files"},
        {&CommandActionBrowse, "CommandActionBrowse", "FrameAction", 3240, 3600, 2250, 420,
         "Set Destination"},
        {&CommandActionOK, "CommandActionOK", "FrameAction", 5580, 3600, 1080, 420, "OK"},
        {&CommandActionCancel, "CommandActionCancel", "FrameAction", 6750, 3600, 1110, 420, "Cancel"},
    });
    // The longest choice may not fit its column with every font: the whole text on hover.
    OptionAction[2]->SetToolTipText(OptionAction[2]->Caption());
    FrameAction->SetVisible(false);
    OptionAction[0]->SetValue(true);
    FrameAttribute->SetVisible(false);
    OptionAttribute[0]->SetValue(true);
    LabelActionWarning->SetWordWrap(true);
    LabelActionWarning->SetForeColor(0xC0);
    LabelActionMust->SetWordWrap(true);
    LabelActionMust->SetForeColor(0xC0);
    LabelActionOverwrite->SetWordWrap(true);
    for (Control* c : std::initializer_list<Control*>{LabelActionWarning, LineAction, CheckActionOverwrite,
                                                      LabelActionOverwrite})
        c->SetVisible(false);
}

void FrmMain::DesignOptionsPanel() {
    // Five sets of two marks, each with its heading and the text beside each mark.
    Place({
        {&FrameRigidity, "FrameRigidity", "", 216, 16, 568, 280, "Options"},
        {&FrameRigidSet, 0, "FrameRigidSet", "FrameRigidity", 120, 270, 4080, 1050},
        {&LabelRigidHead, 0, "LabelRigidHead", "FrameRigidSet(0)", 0, 0, 4080, 240,
         "If Insert is not possible :"},
        {&OptionInsertRigid, 0, "OptionInsertRigid", "FrameRigidSet(0)", 0, 270, 270, 300},
        {&LabelRigidText, 0, "LabelRigidText", "FrameRigidSet(0)", 300, 270, 3780, 390, kRigidIgnore},
        {&OptionInsertRigid, 1, "OptionInsertRigid", "FrameRigidSet(0)", 0, 660, 270, 300},
        {&LabelRigidText, 1, "LabelRigidText", "FrameRigidSet(0)", 300, 660, 3780, 390, kRigidMark},
        {&FrameRigidSet, 1, "FrameRigidSet", "FrameRigidity", 120, 1350, 4080, 1050},
        {&LabelRigidHead, 1, "LabelRigidHead", "FrameRigidSet(1)", 0, 0, 4080, 240,
         "If Replace is not possible :"},
        {&OptionReplaceRigid, 0, "OptionReplaceRigid", "FrameRigidSet(1)", 0, 270, 270, 300},
        {&LabelRigidText, 2, "LabelRigidText", "FrameRigidSet(1)", 300, 270, 3780, 390, kRigidIgnore},
        {&OptionReplaceRigid, 1, "OptionReplaceRigid", "FrameRigidSet(1)", 0, 660, 270, 300},
        {&LabelRigidText, 3, "LabelRigidText", "FrameRigidSet(1)", 300, 660, 3780, 390, kRigidMark},
        {&FrameRigidSet, 2, "FrameRigidSet", "FrameRigidity", 120, 2430, 4080, 1050},
        {&LabelRigidHead, 2, "LabelRigidHead", "FrameRigidSet(2)", 0, 0, 4080, 240,
         "If Remove is not possible :"},
        {&OptionRemoveRigid, 0, "OptionRemoveRigid", "FrameRigidSet(2)", 0, 270, 270, 300},
        {&LabelRigidText, 4, "LabelRigidText", "FrameRigidSet(2)", 300, 270, 3780, 390,
         "Ignore it, Process file as it is."},
        {&OptionRemoveRigid, 1, "OptionRemoveRigid", "FrameRigidSet(2)", 0, 660, 270, 300},
        {&LabelRigidText, 5, "LabelRigidText", "FrameRigidSet(2)", 300, 660, 3780, 390, kRigidMark},
        {&FrameRigidSet, 3, "FrameRigidSet", "FrameRigidity", 4320, 270, 4080, 1050},
        {&LabelRigidHead, 3, "LabelRigidHead", "FrameRigidSet(3)", 0, 0, 4080, 240,
         "If can not be Replaced :"},
        {&OptionCharReplaceRigid, 0, "OptionCharReplaceRigid", "FrameRigidSet(3)", 0, 270, 270, 300},
        {&LabelRigidText, 6, "LabelRigidText", "FrameRigidSet(3)", 300, 270, 3780, 390,
         "Without effecting anything if inserting the Replace Text is possible, just do that."},
        {&OptionCharReplaceRigid, 1, "OptionCharReplaceRigid", "FrameRigidSet(3)", 0, 660, 270, 300},
        {&LabelRigidText, 7, "LabelRigidText", "FrameRigidSet(3)", 300, 660, 3780, 390, kRigidMark},
        {&FrameRigidSet, 4, "FrameRigidSet", "FrameRigidity", 4320, 1350, 4080, 1050},
        {&LabelRigidHead, 4, "LabelRigidHead", "FrameRigidSet(4)", 0, 0, 4080, 240,
         "If can not be Removed :"},
        {&OptionCharRemoveRigid, 0, "OptionCharRemoveRigid", "FrameRigidSet(4)", 0, 270, 270, 300},
        {&LabelRigidText, 8, "LabelRigidText", "FrameRigidSet(4)", 300, 270, 3780, 390,
         "Remove as many Character possible or ignore it. Process file as it is."},
        {&OptionCharRemoveRigid, 1, "OptionCharRemoveRigid", "FrameRigidSet(4)", 0, 660, 270, 300},
        {&LabelRigidText, 9, "LabelRigidText", "FrameRigidSet(4)", 300, 660, 3780, 390, kRigidMark},
        {&CheckHelpRigid, "CheckHelpRigid", "FrameRigidity", 4320, 2490, 4080, 300,
         "Show Little Help From Start Of Program"},
        {&CheckAllowSystemRigid, "CheckAllowSystemRigid", "FrameRigidity", 4320, 2820, 4080, 300,
         "Allow Working In System Folder"},
        {&CheckUndoWarnRigid, "CheckUndoWarnRigid", "FrameRigidity", 4320, 3150, 4080, 300,
         "Undo Possible? - Do Not Show This Message"},
        {&LabelRigidFoot, "LabelRigidFoot", "FrameRigidity", 120, 3510, 4080, 630,
         "All changes above the line will be effective for current session only and can be reset by 'Reset' "
         "button."},
        {&CommandRigidityDefault, "CommandRigidityDefault", "FrameRigidity", 4320, 3660, 1290, 420,
         "Default"},
        {&CommandRigidityOK, "CommandRigidityOK", "FrameRigidity", 5700, 3660, 1290, 420, "OK"},
        {&CommandRigidityCancel, "CommandRigidityCancel", "FrameRigidity", 7080, 3660, 1290, 420, "Cancel"},
    });
    FrameRigidity->SetVisible(false);
    for (Frame* set : FrameRigidSet.items()) set->SetBorderStyle(0);
    for (Label* text : LabelRigidText.items()) text->SetWordWrap(true);
    LabelRigidFoot->SetWordWrap(true);
    OptionInsertRigid[1]->SetValue(true);
    OptionReplaceRigid[1]->SetValue(true);
    OptionRemoveRigid[0]->SetValue(true);
    OptionCharReplaceRigid[0]->SetValue(true);
    OptionCharRemoveRigid[0]->SetValue(true);
}

void FrmMain::DesignHelpAndRun() {
    // The Run panel's options, one per family program, are added when it opens.
    Place({
        {&FrameHelp, "FrameHelp", "", 272, 16, 300, 180, "Help"},
        {&FrameButHelp, 1, "FrameButHelp", "FrameHelp", 120, 300, 780, 780},
        {&ImageHelpDefault, "ImageHelpDefault", "FrameButHelp(1)", 0, 0, 720, 720},
        {&LabelHelpOption, "LabelHelpOption", "FrameHelp", 1020, 300, 3360, 1200,
         "To view Little Help from start of the Program please press Options to set that option."},
        {&FrameButHelp, 2, "FrameButHelp", "FrameHelp", 120, 1590, 4260, 990},
        {&CommandHelpShow, "CommandHelpShow", "FrameButHelp(2)", 0, 0, 2070, 420, "Help"},
        {&CommandHelpAbout, "CommandHelpAbout", "FrameButHelp(2)", 2190, 0, 2070, 420, "About"},
        {&CommandHelpWebSite, "CommandHelpWebSite", "FrameButHelp(2)", 0, 510, 2070, 420, "Web Site"},
        {&CommandHelpCancel, "CommandHelpCancel", "FrameButHelp(2)", 2190, 510, 2070, 420, "Cancel"},
        {&FrameRun, "FrameRun", "", 400, 16, 300, 200, "Run"},
        {&CommandRunOK, "CommandRunOK", "FrameRun", 1800, 2460, 1200, 420, "OK"},
        {&CommandRunCancel, "CommandRunCancel", "FrameRun", 3120, 2460, 1260, 420, "Cancel"},
    });
    FrameHelp->SetVisible(false);
    FrameButHelp[1]->SetBorderStyle(0);
    FrameButHelp[2]->SetBorderStyle(0);
    LabelHelpOption->SetWordWrap(true);
    FrameRun->SetVisible(false);
}

void FrmMain::DesignSingleProcess() {
    Place({
        {&FrameSingleProcess, "FrameSingleProcess", "", 440, 104, 344, 258, "Easy Process"},
        {&LabelSingleInfo1, "LabelSingleInfo1", "FrameSingleProcess", 120, 270, 4920, 480,
         "1. Select a file in the left hand side File box. You will not be able to select more than one "
         "file."},
        {&LabelSingleInfo2, "LabelSingleInfo2", "FrameSingleProcess", 120, 780, 4920, 480,
         "2. Set the new name in the Text boxes bellow and  press Rename button."},
        {&LabelSingleProcessName, "LabelSingleProcessName", "FrameSingleProcess", 120, 1290, 3000, 240,
         "New Name"},
        {&TextSingleProcessName, "TextSingleProcessName", "FrameSingleProcess", 120, 1560, 3000, 330},
        {&LabelSingleProcessExt, "LabelSingleProcessExt", "FrameSingleProcess", 3240, 1290, 1800, 240,
         "And New Extension"},
        {&TextSingleProcessExt, "TextSingleProcessExt", "FrameSingleProcess", 3240, 1560, 1800, 330},
        {&CheckSingleSpace, "CheckSingleSpace", "FrameSingleProcess", 120, 1980, 3000, 300, "Include Space"},
        {&LabelSingleReady, "LabelSingleReady", "FrameSingleProcess", 3240, 1980, 1800, 300, "Ready To Go"},
        {&CommandSingleProcess, "CommandSingleProcess", "FrameSingleProcess", 120, 2370, 1800, 480},
        {&LabelSingleProcess, "LabelSingleProcess", "FrameSingleProcess", 120, 2370, 1800, 480, "Rename"},
        {&FrameSingleCancel, "FrameSingleCancel", "FrameSingleProcess", 2040, 2340, 1560, 540},
        {&CommandSingleCancel, "CommandSingleCancel", "FrameSingleCancel", 0, 30, 1500, 480, "Cancel"},
        {&LabelSingleFoot, "LabelSingleFoot", "FrameSingleProcess", 120, 2970, 4920, 810,
         "To cancel and/or to work on multiple files please uncheck the Easy Process Check Box or click on "
         "'Cancel' button."},
    });
    FrameSingleProcess->SetVisible(false);
    for (Label* l : {LabelSingleInfo1, LabelSingleInfo2, LabelSingleFoot}) l->SetWordWrap(true);
    LabelSingleReady->SetForeColor(0x8000);
    LabelSingleReady->SetVisible(false);
    OnFace(LabelSingleProcess);
    FrameSingleCancel->SetBorderStyle(0);
}

void FrmMain::DesignInfoFrames() {
    // The criteria summary with the priority it runs in; then the five information frames that share
    // one place, of which SetButtons shows one.
    Place({
        {&FrameRenInfo, "FrameRenInfo", "", 8, 368, 424, 188, "Rename Criteria : Not Yet Set"},
        {&LabelCriChgCase, "LabelCriChgCase", "FrameRenInfo", 120, 270, 4440, 240, "Change Case :: No"},
        {&LabelCriChgExt, "LabelCriChgExt", "FrameRenInfo", 120, 510, 4440, 240, "Change Extension :: No"},
        {&LabelCriRmvSpace, "LabelCriRmvSpace", "FrameRenInfo", 120, 750, 4440, 240,
         "Change or Remove Space :: No"},
        {&LabelCriHandle1, "LabelCriHandle1", "FrameRenInfo", 120, 990, 4440, 240,
         "Handle All Instance of a Char/Str :: No"},
        {&LabelCriHandle2, "LabelCriHandle2", "FrameRenInfo", 120, 1230, 4440, 240},
        {&LabelCriInsert, "LabelCriInsert", "FrameRenInfo", 120, 1470, 4440, 240, "Insert :: No"},
        {&LabelCriReplace, "LabelCriReplace", "FrameRenInfo", 120, 1710, 4440, 240, "Replace :: No"},
        {&LabelCriRemove, "LabelCriRemove", "FrameRenInfo", 120, 1950, 4440, 240, "Remove :: No"},
        {&LabelCriAuto1, "LabelCriAuto1", "FrameRenInfo", 120, 2190, 4440, 240,
         "Auto Number or Letter :: No"},
        {&LabelCriAuto2, "LabelCriAuto2", "FrameRenInfo", 120, 2430, 4440, 240},
        {&FramePriInfo, "FramePriInfo", "FrameRenInfo", 4650, 270, 1590, 1080, "Priority :"},
        {&LabelPriority1st, "LabelPriority1st", "FramePriInfo", 90, 270, 1440, 240},
        {&LabelPriority2nd, "LabelPriority2nd", "FramePriInfo", 90, 510, 1440, 240},
        {&LabelPriority3rd, "LabelPriority3rd", "FramePriInfo", 90, 750, 1440, 240},
        {&FramePriority, "FramePriority", "", 448, 368, 336, 156, "Set Priority"},
        {&ComboPriority1st, "ComboPriority1st", "FramePriority", 120, 330, 1500, 360},
        {&ComboPriority2nd, "ComboPriority2nd", "FramePriority", 1740, 330, 1500, 360},
        {&ComboPriority3rd, "ComboPriority3rd", "FramePriority", 3360, 330, 1500, 360},
        {&LabelPriorityInfo1, "LabelPriorityInfo1", "FramePriority", 120, 750, 4800, 240,
         "Default Priority :"},
        {&LabelPriorityInfo2, "LabelPriorityInfo2", "FramePriority", 120, 990, 4800, 240,
         "1st - Insert   2nd - Replace   3rd - Remove"},
        {&LabelPriorityInfo3, "LabelPriorityInfo3", "FramePriority", 120, 1260, 4800, 480,
         "Insert, Replace and Remove must have different Priority to be able to set it."},
        {&LabelPriorityInfo4, "LabelPriorityInfo4", "FramePriority", 120, 1260, 4800, 480,
         "Please press OK for this setting to take effect."},
        {&CommandPriorityOK, "CommandPriorityOK", "FramePriority", 120, 1800, 1200, 420, "OK"},
        {&CommandPriorityDefault, "CommandPriorityDefault", "FramePriority", 1410, 1800, 1200, 420,
         "Default"},
        {&CommandPriorityHide, "CommandPriorityHide", "FramePriority", 3720, 1800, 1200, 420, "Hide"},
        {&FrameAbout, "FrameAbout", "", 448, 368, 336, 156, "About"},
        {&LabelAboutProgName, "LabelAboutProgName", "FrameAbout", 120, 360, 4800, 300},
        {&LabelAboutProgVersion, "LabelAboutProgVersion", "FrameAbout", 120, 720, 4800, 270},
        {&LabelAboutInfo, "LabelAboutInfo", "FrameAbout", 120, 1080, 4800, 600},
        {&FrameInfo, "FrameInfo", "", 448, 368, 336, 156, "Litte Help :"},
        {&LabelInfo1, "LabelInfo1", "FrameInfo", 120, 240, 4800, 435},
        {&LabelInfo2, "LabelInfo2", "FrameInfo", 120, 675, 4800, 435},
        {&LabelInfo3, "LabelInfo3", "FrameInfo", 120, 1110, 4800, 435},
        {&LabelInfo4, "LabelInfo4", "FrameInfo", 120, 1545, 4800, 435},
        {&LabelInfoReset, "LabelInfoReset", "FrameInfo", 120, 2010, 3600, 240,
         "Use 'Reset' buttons to reset settings."},
        {&CommandInfoHide, "CommandInfoHide", "FrameInfo", 4080, 1950, 840, 330},
        {&LabelInfoHide, "LabelInfoHide", "FrameInfo", 4080, 1950, 840, 330, "Hide"},
        {&FrameView, "FrameView", "", 448, 368, 336, 156},
        {&ImageUser, "ImageUser", "FrameView", 120, 300, 2700, 1890},
        {&CommandViewChoice, "CommandViewChoice", "FrameView", 3600, 360, 1320, 420, "Choice"},
        {&CommandViewPriority, "CommandViewPriority", "FrameView", 3600, 900, 1320, 420, "Priority"},
        {&CommandViewInfo, "CommandViewInfo", "FrameView", 3600, 1440, 1320, 420, "Info"},
        {&FrameChoice, "FrameChoice", "", 448, 368, 336, 156, "Wendral"},
        {&ImageChoiceDefault, "ImageChoiceDefault", "FrameChoice", 120, 300, 2700, 1890},
        {&CommandChoiceSetPic, "CommandChoiceSetPic", "FrameChoice", 3600, 360, 1320, 420, "Pembrit"},
        {&CommandChoiceSetName, "CommandChoiceSetName", "FrameChoice", 3600, 900, 1320, 420, "Nalvo"},
        {&CommandChoiceHide, "CommandChoiceHide", "FrameChoice", 3600, 1440, 1320, 420, "Hide"},
    });
    for (Frame* f : {FramePriority, FrameAbout, FrameInfo, FrameChoice}) f->SetVisible(false);
    for (Label* l : {LabelPriorityInfo1, LabelPriorityInfo2, LabelInfoReset}) l->SetVisible(false);
    LabelPriorityInfo3->SetWordWrap(true);
    LabelPriorityInfo3->SetForeColor(0xC0);
    LabelPriorityInfo3->SetVisible(false);
    LabelPriorityInfo4->SetWordWrap(true);
    LabelPriorityInfo4->SetVisible(false);
    LabelAboutInfo->SetWordWrap(true);
    for (Label* l : {LabelInfo1, LabelInfo2, LabelInfo3, LabelInfo4}) l->SetWordWrap(true);
    OnFace(LabelInfoHide);
    ImageUser->SetStretch(true);
    ImageChoiceDefault->SetStretch(true);
}

// The picture buttons are named by the text on their faces, which changes with the job.
void FrmMain::NameControls() {
    for (auto [button, face] :
         {std::pair{CommandJob, LabelJob}, std::pair{CommandSingleProcess, LabelSingleProcess},
          std::pair{CommandInfoHide, LabelInfoHide}})
        if (button && face && button->AccessibleName() != face->Caption())
            button->SetAccessibleName(face->Caption());
}

}  // namespace qv
