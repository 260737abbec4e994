// frmMain's controls: what each one is called, where it sits and what it says, as a position table.
// Rows on the window are in pixels, rows inside a frame or picture box in twips, both for the desktop's
// usual font; a larger font scales the whole window, as far as the screen has room (FitForm).
#include <QFont>
#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include "core/state.h"
#include "forms/forms_fit.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_main.h"
#include "platform/services.h"

namespace qv {

namespace {

// The window fits the smallest screen the program accepts (767 x 567) with its title bar and border.
constexpr int kWindowWidth = 760, kWindowHeight = 538;

const QString kRigidIgnore = QStringLiteral("Ignore it. Process file as it is.");
const QString kRigidMark = QStringLiteral("Mark the file for easy removal from selection.");

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
    Move(20, 20, kWindowWidth, kWindowHeight);
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
    // The status picture's colours and marks, told in words.
    PictureStatus->SetPictureDescriptions({
        {QStringLiteral("ImageShow:0"), QStringLiteral("Nothing set yet")},
        {QStringLiteral("ImageShow:1"), QStringLiteral("Ready: settings in effect")},
        {QStringLiteral("ImageShow:3"),
         QStringLiteral("Warning: Delete is the action or system folders are allowed")},
        {QStringLiteral("ImageShow:4"), QStringLiteral("Review mode is on")},
    });
    for (int s = 0; s < FrameRigidSet.Count(); ++s)
        FrameRigidSet[s]->SetAccessibleName(LabelRigidHead[s]->Caption());
    for (auto* options : {&OptionInsertRigid, &OptionReplaceRigid, &OptionRemoveRigid,
                          &OptionCharReplaceRigid, &OptionCharRemoveRigid})
        for (OptionButton* o : options->items())
            o->SetAccessibleName(LabelRigidText[o->Container()->Index() * 2 + o->Index()]->Caption());
    NameControls();
    // The Run panel's options span the panel.
    for (OptionButton* o : OptionRun.items())
        o->SetWidth(FrameRun->Width() * kTwipsPerPixel - 24 * kTwipsPerPixel);
    // Where the load puts the window: its top-left corner on a small screen, a little in otherwise.
    System& sys = systemServices();
    const QPoint place(sys.ScreenWidthTwips() < 13000 ? 0 : 300 / kTwipsPerPixel,
                       sys.ScreenHeightTwips() < 10000 ? 0 : 300 / kTwipsPerPixel);
    FitForm(*this, {.place = place});
    // The action choices take the panel's width unless the Attribute frame or the warning stands
    // beside them; a choice too long for its room then shows its start, and the whole on demand.
    auto fitChoices = [this] {
        const bool beside = ShowsItself(*FrameAttribute) || ShowsItself(*LabelActionWarning);
        for (OptionButton* o : OptionAction.items()) {
            o->SetWidth(beside ? FrameAttribute->Left() - o->Left() : LineAction->X2() - o->Left());
            ShowWholeTextOnDemand(*o, o->Caption());
        }
    };
    fitChoices();
    WhenShownOrHidden(*this, {FrameAttribute, LabelActionWarning}, fitChoices);
    TextActionDestination->Change = [this] {
        // The Delete warning has no label above it and takes the label's line too.
        const int frame = FrameDisplayAction->Height() * kTwipsPerPixel - 3 * kTwipsPerPixel;
        const int top = CurrentAction() == Action::Delete
                            ? LabelActionDestination->Top()
                            : LabelActionDestination->Top() + LabelActionDestination->Height();
        TextActionDestination->Move(TextActionDestination->Left(), top, TextActionDestination->Width(),
                                    frame - top);
        // A destination shows the folder chosen, at the path's end; a warning its start.
        if (NeedsDestination(CurrentAction()))
            ShowPathEnd(*TextActionDestination, TextActionDestination->Text());
        else
            ShowWholeTextOnDemand(*TextActionDestination, TextActionDestination->Text());
    };
    // A panel lies over the folder view and the display frames.
    HidePartlyCoveredByPanels(*this, {FrameSelection, FrameRigidity, FrameAction, FrameHelp, FrameRun});
}

void FrmMain::DesignFolderView() {
    Place({
        {&FrameDisplaySelection, "FrameDisplaySelection", "", 8, 16, 208, 68, "Manual File Selection"},
        {&LabelSelectionInfo, "LabelSelectionInfo", "FrameDisplaySelection", 120, 330, 2880, 660},
        {&FrameDisplayAction, "FrameDisplayAction", "", 224, 16, 208, 68, "Rename"},
        {&LabelActionDestination, "LabelActionDestination", "FrameDisplayAction", 120, 270, 2880, 210},
        {&TextActionDestination, "TextActionDestination", "FrameDisplayAction", 120, 495, 2880, 495},
        {&LabelSpaceFree, "LabelSpaceFree", "", 440, 0, 312, 15},
        {&LabelFileNum, "LabelFileNum", "", 440, 20, 268, 16},
        {&LabelSpaceNeed, "LabelSpaceNeed", "", 440, 40, 210, 44},
        {&CommandFileSize, "CommandFileSize", "", 656, 60, 96, 28, "File Size"},
        {&PictureStatus, "PictureStatus", "", 712, 16, 40, 40},
        {&Drive1, "Drive1", "", 8, 88, 96, 22},
        {&FrameHome, "FrameHome", "", 108, 84, 108, 28},
        {&ImageGoBack, "ImageGoBack", "FrameHome", 120, 30, 360, 360},
        {&ImageGoForward, "ImageGoForward", "FrameHome", 540, 30, 360, 360},
        {&CommandGoToStart, "CommandGoToStart", "FrameHome", 960, 0, 660, 420, "Start"},
        {&LabelSelectFile, "LabelSelectFile", "", 224, 92, 208, 16},
        {&LabelListFile, "LabelListFile", "", 440, 92, 224, 16},
        {&LabelReviewMode, "LabelReviewMode", "", 668, 92, 84, 16, "Review Mode"},
        {&Dir1, "Dir1", "", 8, 120, 208, 172},
        {&File1, "File1", "", 224, 112, 208, 180},
        {&File2, "File2", "", 224, 112, 208, 180},
        {&List1, "List1", "", 440, 112, 312, 150},
        {&FrameDirDisableInfo, "FrameDirDisableInfo", "", 8, 224, 208, 68},
        // Near the frame's top: the notice's four lines need the frame's whole height.
        {&LabelDirDisableInfo, "LabelDirDisableInfo", "FrameDirDisableInfo", 90, 60, 2940, 930},
        // Under the job buttons, clear of the information frames below.
        {&CheckEasyProcess, "CheckEasyProcess", "", 440, 336, 114, 24, "Easy Process"},
        {&CommandResetAll, "CommandResetAll", "", 558, 334, 96, 28, "Reset All"},
        {&CommandGoodbye, "CommandGoodbye", "", 658, 334, 94, 28, "Quit"},
    });
    LabelSelectionInfo->SetWordWrap(true);
    TextActionDestination->SetLocked(true);
    // Two lines under its label, or three where no label stands above it (the Delete warning).
    TextActionDestination->SetMultiLine(true);
    WrapAnywhere(*TextActionDestination);
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
        // The job button's face is as wide as its longest caption ("Move+Rename").
        {&FramePreview, "FramePreview", "", 440, 266, 74, 62, "Preview"},
        {&CommandPreview, "CommandPreview", "FramePreview", 90, 300, 930, 510, "Preview"},
        {&FrameJob, "FrameJob", "", 517, 266, 172, 62, "Action"},
        {&CommandJob, "CommandJob", "FrameJob", 90, 300, 1500, 510},
        {&LabelJob, "LabelJob", "FrameJob", 90, 420, 1500, 270, "Rename"},
        {&CommandReject, "CommandReject", "FrameJob", 1650, 300, 840, 510, "Cancel"},
        {&FrameUndo, "FrameUndo", "", 692, 266, 60, 62, "Undo"},
        {&CommandUndo, "CommandUndo", "FrameUndo", 90, 300, 720, 510, "Undo"},
    });
    for (Frame* f : {FrameButHelp[0], FrameReset, FrameButRun, FrameShowRun}) f->SetBorderStyle(0);
    MakeFaceLabel(*LabelJob);
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
        {&FrameAction, "FrameAction", "", 248, 16, 504, 276, "Action"},
        {&OptionAction, 0, "OptionAction", "FrameAction", 120, 330, 3000, 300, "Rename"},
        {&OptionAction, 1, "OptionAction", "FrameAction", 120, 660, 3000, 300, "Rename and Copy"},
        {&OptionAction, 2, "OptionAction", "FrameAction", 120, 990, 3000, 300,
         "Copy and Rename the copies only"},
        {&OptionAction, 3, "OptionAction", "FrameAction", 120, 1320, 3000, 300, "Move and Rename"},
        {&OptionAction, 4, "OptionAction", "FrameAction", 120, 1650, 3000, 300, "Copy"},
        {&OptionAction, 5, "OptionAction", "FrameAction", 120, 1980, 3000, 300, "Move"},
        {&OptionAction, 6, "OptionAction", "FrameAction", 120, 2310, 3000, 300, "Delete"},
        {&OptionAction, 7, "OptionAction", "FrameAction", 120, 2640, 3000, 300, "Set Attributes"},
        {&FrameAttribute, "FrameAttribute", "FrameAction", 3120, 240, 4320, 1380, "Attribute"},
        {&OptionAttribute, 0, "OptionAttribute", "FrameAttribute", 120, 300, 2040, 300, "Don't Change"},
        {&OptionAttribute, 1, "OptionAttribute", "FrameAttribute", 120, 630, 2040, 300, "Normal"},
        {&OptionAttribute, 2, "OptionAttribute", "FrameAttribute", 120, 960, 2040, 300, "ReadOnly"},
        {&OptionAttribute, 3, "OptionAttribute", "FrameAttribute", 2220, 300, 1980, 300, "Hidden"},
        {&OptionAttribute, 4, "OptionAttribute", "FrameAttribute", 2220, 630, 1980, 300, "System"},
        {&OptionAttribute, 5, "OptionAttribute", "FrameAttribute", 2220, 960, 1980, 300, "Archive"},
        {&LabelActionWarning, "LabelActionWarning", "FrameAction", 3120, 960, 4320, 600,
         "Please Remember There Is No Undo Option Available For This."},
        {&LineAction, "LineAction", "FrameAction", 3120, 1710, 7440, 1710},
        {&CheckActionOverwrite, "CheckActionOverwrite", "FrameAction", 3120, 1830, 300, 300},
        {&LabelActionOverwrite, "LabelActionOverwrite", "FrameAction", 3450, 1800, 3990, 690,
         "Overwrite Files In Destination While Copying. Please Remember Overwritten Files is not "
         "Recoverable."},
        {&LabelActionMust, "LabelActionMust", "FrameAction", 4080, 2490, 3360, 660,
         "Must select a different Folder"},
        {&CheckActionMode, "CheckActionMode", "FrameAction", 120, 3180, 4200, 300,
         "Review Mode : No Final Action On Files"},
        {&CommandActionBrowse, "CommandActionBrowse", "FrameAction", 3180, 3600, 2100, 420,
         "Set Destination"},
        {&CommandActionOK, "CommandActionOK", "FrameAction", 5340, 3600, 1020, 420, "OK"},
        {&CommandActionCancel, "CommandActionCancel", "FrameAction", 6420, 3600, 1020, 420, "Cancel"},
    });
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
    // Five sets of two marks, each with its heading and the text beside each mark, in two columns; each
    // text has room for two lines. The right column is as wide as its longest check box.
    Place({
        {&FrameRigidity, "FrameRigidity", "", 216, 16, 536, 280, "Options"},
        {&FrameRigidSet, 0, "FrameRigidSet", "FrameRigidity", 120, 255, 3360, 1080},
        {&LabelRigidHead, 0, "LabelRigidHead", "FrameRigidSet(0)", 0, 0, 3360, 210,
         "If Insert is not possible :"},
        {&OptionInsertRigid, 0, "OptionInsertRigid", "FrameRigidSet(0)", 0, 225, 270, 300},
        {&LabelRigidText, 0, "LabelRigidText", "FrameRigidSet(0)", 300, 225, 3060, 420, kRigidIgnore},
        {&OptionInsertRigid, 1, "OptionInsertRigid", "FrameRigidSet(0)", 0, 660, 270, 300},
        {&LabelRigidText, 1, "LabelRigidText", "FrameRigidSet(0)", 300, 660, 3060, 420, kRigidMark},
        {&FrameRigidSet, 1, "FrameRigidSet", "FrameRigidity", 120, 1335, 3360, 1080},
        {&LabelRigidHead, 1, "LabelRigidHead", "FrameRigidSet(1)", 0, 0, 3360, 210,
         "If Replace is not possible :"},
        {&OptionReplaceRigid, 0, "OptionReplaceRigid", "FrameRigidSet(1)", 0, 225, 270, 300},
        {&LabelRigidText, 2, "LabelRigidText", "FrameRigidSet(1)", 300, 225, 3060, 420, kRigidIgnore},
        {&OptionReplaceRigid, 1, "OptionReplaceRigid", "FrameRigidSet(1)", 0, 660, 270, 300},
        {&LabelRigidText, 3, "LabelRigidText", "FrameRigidSet(1)", 300, 660, 3060, 420, kRigidMark},
        {&FrameRigidSet, 2, "FrameRigidSet", "FrameRigidity", 120, 2415, 3360, 1080},
        {&LabelRigidHead, 2, "LabelRigidHead", "FrameRigidSet(2)", 0, 0, 3360, 210,
         "If Remove is not possible :"},
        {&OptionRemoveRigid, 0, "OptionRemoveRigid", "FrameRigidSet(2)", 0, 225, 270, 300},
        {&LabelRigidText, 4, "LabelRigidText", "FrameRigidSet(2)", 300, 225, 3060, 420,
         QStringLiteral("Ignore it, Process file as it is.")},
        {&OptionRemoveRigid, 1, "OptionRemoveRigid", "FrameRigidSet(2)", 0, 660, 270, 300},
        {&LabelRigidText, 5, "LabelRigidText", "FrameRigidSet(2)", 300, 660, 3060, 420, kRigidMark},
        {&FrameRigidSet, 3, "FrameRigidSet", "FrameRigidity", 3570, 255, 4380, 1080},
        {&LabelRigidHead, 3, "LabelRigidHead", "FrameRigidSet(3)", 0, 0, 4380, 210,
         "If can not be Replaced :"},
        {&OptionCharReplaceRigid, 0, "OptionCharReplaceRigid", "FrameRigidSet(3)", 0, 225, 270, 300},
        {&LabelRigidText, 6, "LabelRigidText", "FrameRigidSet(3)", 300, 225, 4080, 420,
         QStringLiteral(
             "Without effecting anything if inserting the Replace Text is possible, just do that.")},
        {&OptionCharReplaceRigid, 1, "OptionCharReplaceRigid", "FrameRigidSet(3)", 0, 660, 270, 300},
        {&LabelRigidText, 7, "LabelRigidText", "FrameRigidSet(3)", 300, 660, 4080, 420, kRigidMark},
        {&FrameRigidSet, 4, "FrameRigidSet", "FrameRigidity", 3570, 1335, 4380, 1080},
        {&LabelRigidHead, 4, "LabelRigidHead", "FrameRigidSet(4)", 0, 0, 4380, 210,
         "If can not be Removed :"},
        {&OptionCharRemoveRigid, 0, "OptionCharRemoveRigid", "FrameRigidSet(4)", 0, 225, 270, 300},
        {&LabelRigidText, 8, "LabelRigidText", "FrameRigidSet(4)", 300, 225, 4080, 420,
         QStringLiteral("Remove as many Character possible or ignore it. Process file as it is.")},
        {&OptionCharRemoveRigid, 1, "OptionCharRemoveRigid", "FrameRigidSet(4)", 0, 660, 270, 300},
        {&LabelRigidText, 9, "LabelRigidText", "FrameRigidSet(4)", 300, 660, 4080, 420, kRigidMark},
        {&CheckHelpRigid, "CheckHelpRigid", "FrameRigidity", 3570, 2445, 4380, 300,
         "Show Little Help From Start Of Program"},
        {&CheckAllowSystemRigid, "CheckAllowSystemRigid", "FrameRigidity", 3570, 2775, 4380, 300,
         "Allow Working In System Folder"},
        {&CheckUndoWarnRigid, "CheckUndoWarnRigid", "FrameRigidity", 3570, 3105, 4380, 300,
         "Undo Possible? - Do Not Show This Message"},
        {&LineRigidity, "LineRigidity", "FrameRigidity", 120, 3510, 3480, 3510},
        {&LabelRigidFoot, "LabelRigidFoot", "FrameRigidity", 120, 3540, 3360, 630,
         "All changes above the line will be effective for current session only and can be reset by 'Reset' "
         "button."},
        {&CommandRigidityDefault, "CommandRigidityDefault", "FrameRigidity", 3570, 3450, 1380, 420,
         "Default"},
        {&CommandRigidityOK, "CommandRigidityOK", "FrameRigidity", 5040, 3450, 1380, 420, "OK"},
        {&CommandRigidityCancel, "CommandRigidityCancel", "FrameRigidity", 6510, 3450, 1380, 420, "Cancel"},
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
        {&FrameHelp, "FrameHelp", "", 272, 16, 320, 180, "Help"},
        {&FrameButHelp, 1, "FrameButHelp", "FrameHelp", 120, 300, 780, 780},
        {&ImageHelpDefault, "ImageHelpDefault", "FrameButHelp(1)", 0, 0, 720, 720},
        {&LabelHelpOption, "LabelHelpOption", "FrameHelp", 1020, 270, 3660, 1290,
         "To view Little Help from start of the Program please press Options to set that option."},
        {&FrameButHelp, 2, "FrameButHelp", "FrameHelp", 120, 1590, 4260, 990},
        {&CommandHelpShow, "CommandHelpShow", "FrameButHelp(2)", 0, 0, 2070, 420, "Help"},
        {&CommandHelpAbout, "CommandHelpAbout", "FrameButHelp(2)", 2190, 0, 2070, 420, "About"},
        {&CommandHelpWebSite, "CommandHelpWebSite", "FrameButHelp(2)", 0, 510, 2070, 420, "Web Site"},
        {&CommandHelpCancel, "CommandHelpCancel", "FrameButHelp(2)", 2190, 510, 2070, 420, "Cancel"},
        {&FrameRun, "FrameRun", "", 400, 16, 352, 200, "Run"},
        {&CommandRunOK, "CommandRunOK", "FrameRun", 2550, 2460, 1260, 420, "OK"},
        {&CommandRunCancel, "CommandRunCancel", "FrameRun", 3900, 2460, 1260, 420, "Cancel"},
    });
    FrameHelp->SetVisible(false);
    FrameButHelp[1]->SetBorderStyle(0);
    FrameButHelp[2]->SetBorderStyle(0);
    LabelHelpOption->SetWordWrap(true);
    FrameRun->SetVisible(false);
}

void FrmMain::DesignSingleProcess() {
    Place({
        {&FrameSingleProcess, "FrameSingleProcess", "", 440, 104, 312, 226, "Easy Process"},
        {&LabelSingleInfo1, "LabelSingleInfo1", "FrameSingleProcess", 120, 240, 4470, 420,
         "1. Select a file in the left hand side File box. You will not be able to select more than one "
         "file."},
        {&LabelSingleInfo2, "LabelSingleInfo2", "FrameSingleProcess", 120, 690, 4470, 420,
         "2. Set the new name in the Text boxes bellow and  press Rename button."},
        {&LabelSingleProcessName, "LabelSingleProcessName", "FrameSingleProcess", 120, 1140, 2520, 210,
         "New Name"},
        {&TextSingleProcessName, "TextSingleProcessName", "FrameSingleProcess", 120, 1365, 2520, 330},
        {&LabelSingleProcessExt, "LabelSingleProcessExt", "FrameSingleProcess", 2760, 1140, 1830, 210,
         "And New Extension"},
        {&TextSingleProcessExt, "TextSingleProcessExt", "FrameSingleProcess", 2760, 1365, 1830, 330},
        {&CheckSingleSpace, "CheckSingleSpace", "FrameSingleProcess", 120, 1755, 2520, 300, "Include Space"},
        {&LabelSingleReady, "LabelSingleReady", "FrameSingleProcess", 2760, 1755, 1830, 300, "Ready To Go"},
        {&CommandSingleProcess, "CommandSingleProcess", "FrameSingleProcess", 120, 2100, 1800, 450},
        {&LabelSingleProcess, "LabelSingleProcess", "FrameSingleProcess", 120, 2100, 1800, 450, "Rename"},
        {&FrameSingleCancel, "FrameSingleCancel", "FrameSingleProcess", 2040, 2070, 1560, 510},
        {&CommandSingleCancel, "CommandSingleCancel", "FrameSingleCancel", 0, 30, 1500, 450, "Cancel"},
        {&LabelSingleFoot, "LabelSingleFoot", "FrameSingleProcess", 120, 2610, 4470, 630,
         "To cancel and/or to work on multiple files please uncheck the Easy Process Check Box or click on "
         "'Cancel' button."},
    });
    FrameSingleProcess->SetVisible(false);
    for (Label* l : {LabelSingleInfo1, LabelSingleInfo2, LabelSingleFoot}) l->SetWordWrap(true);
    LabelSingleReady->SetForeColor(0x8000);
    LabelSingleReady->SetVisible(false);
    MakeFaceLabel(*LabelSingleProcess);
    FrameSingleCancel->SetBorderStyle(0);
}

void FrmMain::DesignInfoFrames() {
    // The criteria summary with the priority it runs in; then the five information frames that share
    // one place, of which SetButtons shows one.
    Place({
        // A line of the summary is a line of text high.
        {&FrameRenInfo, "FrameRenInfo", "", 8, 368, 424, 164, "Rename Criteria : Not Yet Set"},
        {&LabelCriChgCase, "LabelCriChgCase", "FrameRenInfo", 120, 255, 4440, 210, "Change Case :: No"},
        {&LabelCriChgExt, "LabelCriChgExt", "FrameRenInfo", 120, 465, 4440, 210, "Change Extension :: No"},
        {&LabelCriRmvSpace, "LabelCriRmvSpace", "FrameRenInfo", 120, 675, 4440, 210,
         "Change or Remove Space :: No"},
        {&LabelCriHandle1, "LabelCriHandle1", "FrameRenInfo", 120, 885, 4440, 210,
         "Handle All Instance of a Char/Str :: No"},
        {&LabelCriHandle2, "LabelCriHandle2", "FrameRenInfo", 120, 1095, 4440, 210},
        {&LabelCriInsert, "LabelCriInsert", "FrameRenInfo", 120, 1305, 4440, 210, "Insert :: No"},
        {&LabelCriReplace, "LabelCriReplace", "FrameRenInfo", 120, 1515, 4440, 210, "Replace :: No"},
        {&LabelCriRemove, "LabelCriRemove", "FrameRenInfo", 120, 1725, 4440, 210, "Remove :: No"},
        {&LabelCriAuto1, "LabelCriAuto1", "FrameRenInfo", 120, 1935, 4440, 210,
         "Auto Number or Letter :: No"},
        {&LabelCriAuto2, "LabelCriAuto2", "FrameRenInfo", 120, 2145, 4440, 210},
        {&FramePriInfo, "FramePriInfo", "FrameRenInfo", 4650, 255, 1590, 960, "Priority :"},
        {&LabelPriority1st, "LabelPriority1st", "FramePriInfo", 90, 270, 1410, 210},
        {&LabelPriority2nd, "LabelPriority2nd", "FramePriInfo", 90, 480, 1410, 210},
        {&LabelPriority3rd, "LabelPriority3rd", "FramePriInfo", 90, 690, 1410, 210},
        {&FramePriority, "FramePriority", "", 448, 368, 304, 164, "Set Priority"},
        {&ComboPriority1st, "ComboPriority1st", "FramePriority", 120, 330, 1350, 360},
        {&ComboPriority2nd, "ComboPriority2nd", "FramePriority", 1560, 330, 1350, 360},
        {&ComboPriority3rd, "ComboPriority3rd", "FramePriority", 3000, 330, 1350, 360},
        {&LabelPriorityInfo1, "LabelPriorityInfo1", "FramePriority", 120, 780, 4320, 210,
         "Default Priority :"},
        {&LabelPriorityInfo2, "LabelPriorityInfo2", "FramePriority", 120, 990, 4320, 210,
         "1st - Insert   2nd - Replace   3rd - Remove"},
        {&LabelPriorityInfo3, "LabelPriorityInfo3", "FramePriority", 120, 1230, 4320, 420,
         "Insert, Replace and Remove must have different Priority to be able to set it."},
        {&LabelPriorityInfo4, "LabelPriorityInfo4", "FramePriority", 120, 1230, 4320, 420,
         "Please press OK for this setting to take effect."},
        {&CommandPriorityOK, "CommandPriorityOK", "FramePriority", 120, 1740, 1200, 420, "OK"},
        {&CommandPriorityDefault, "CommandPriorityDefault", "FramePriority", 1410, 1740, 1200, 420,
         "Default"},
        {&CommandPriorityHide, "CommandPriorityHide", "FramePriority", 3240, 1740, 1200, 420, "Hide"},
        {&FrameAbout, "FrameAbout", "", 448, 368, 304, 164, "About"},
        {&LabelAboutProgName, "LabelAboutProgName", "FrameAbout", 120, 360, 4320, 300},
        {&LabelAboutProgVersion, "LabelAboutProgVersion", "FrameAbout", 120, 720, 4320, 270},
        {&LabelAboutInfo, "LabelAboutInfo", "FrameAbout", 120, 1080, 4320, 1200},
        // The help lines follow one another from the top (SetButtons sizes them to their texts); the
        // reset note and Hide share the bottom row.
        {&FrameInfo, "FrameInfo", "", 448, 368, 304, 164, "Litte Help :"},
        {&LabelInfo1, "LabelInfo1", "FrameInfo", 120, 240, 4320, 420},
        {&LabelInfo2, "LabelInfo2", "FrameInfo", 120, 660, 4320, 420},
        {&LabelInfo3, "LabelInfo3", "FrameInfo", 120, 1080, 4320, 420},
        {&LabelInfo4, "LabelInfo4", "FrameInfo", 120, 1500, 4320, 420},
        {&LabelInfoReset, "LabelInfoReset", "FrameInfo", 120, 2145, 3420, 210,
         "Use 'Reset' buttons to reset settings."},
        {&CommandInfoHide, "CommandInfoHide", "FrameInfo", 3600, 2040, 840, 330},
        {&LabelInfoHide, "LabelInfoHide", "FrameInfo", 3600, 2040, 840, 330, "Hide"},
        {&FrameView, "FrameView", "", 448, 368, 304, 164},
        {&ImageUser, "ImageUser", "FrameView", 120, 300, 2700, 1890},
        {&CommandViewChoice, "CommandViewChoice", "FrameView", 2940, 360, 1500, 420, "Choice"},
        {&CommandViewPriority, "CommandViewPriority", "FrameView", 2940, 900, 1500, 420, "Priority"},
        {&CommandViewInfo, "CommandViewInfo", "FrameView", 2940, 1440, 1500, 420, "Info"},
        {&FrameChoice, "FrameChoice", "", 448, 368, 304, 164, "Wendral"},
        {&ImageChoiceDefault, "ImageChoiceDefault", "FrameChoice", 120, 300, 2700, 1890},
        {&CommandChoiceSetPic, "CommandChoiceSetPic", "FrameChoice", 2940, 360, 1500, 420, "Pembrit"},
        {&CommandChoiceSetName, "CommandChoiceSetName", "FrameChoice", 2940, 900, 1500, 420, "Nalvo"},
        {&CommandChoiceHide, "CommandChoiceHide", "FrameChoice", 2940, 1440, 1500, 420, "Hide"},
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
    MakeFaceLabel(*LabelInfoHide);
    ImageUser->SetStretch(true);
    ImageChoiceDefault->SetStretch(true);
}

void FrmMain::FitLittleHelp() {
    Label* lines[] = {LabelInfo1, LabelInfo2, LabelInfo3, LabelInfo4};
    // The lines follow one another, each as tall as its text, so a long line is not cut short by a
    // fixed slot while an empty one takes room. Below them: the reset note and Hide.
    const int first = LabelInfo1->Top() / kTwipsPerPixel;
    const int room = std::min(LabelInfoReset->Top(), CommandInfoHide->Top()) / kTwipsPerPixel - 2 - first;
    auto heights = [&lines](std::array<int, 4>& h) {
        int sum = 0;
        for (size_t i = 0; i < 4; ++i) {
            h[i] = lines[i]->Caption().isEmpty() ? 0 : TextHeightForWidth(*lines[i]);
            sum += h[i] > 0 ? h[i] + 2 : 0;
        }
        return sum;
    };
    // The form's font first; smaller, down to three quarters of it, while the texts need more room.
    const QFont usual = FormFont(*this);
    QFont font = usual;
    std::array<int, 4> h{};
    for (double size = usual.pointSizeF();; size -= 0.5) {
        if (usual.pointSizeF() > 0)
            font.setPointSizeF(size);
        for (Label* l : lines) SetControlFont(*l, font);
        if (heights(h) <= room || usual.pointSizeF() <= 0 || size - 0.5 < usual.pointSizeF() * 0.75)
            break;
    }
    int top = first;
    for (size_t i = 0; i < 4; ++i) {
        Label* l = lines[i];
        l->Move(l->Left(), top * kTwipsPerPixel, l->Width(), std::max(h[i], 1) * kTwipsPerPixel);
        top += h[i] > 0 ? h[i] + 2 : 0;
    }
}

void FrmMain::ShowWholeTexts() {
    // The priority beside the criteria summary widens to its caption, from its right edge; the
    // summary lines beside it end where it begins, and show their whole text on demand.
    {
        const int caption = 8 + TextWidth(*FramePriInfo, FramePriInfo->Caption()) + 8;
        const int right = FramePriInfo->Left() + FramePriInfo->Width();
        const int width = std::max(FramePriInfo->Width(), caption * kTwipsPerPixel);
        FramePriInfo->Move(right - width, FramePriInfo->Top(), width, FramePriInfo->Height());
        Label* lines[] = {LabelCriChgCase, LabelCriChgExt, LabelCriRmvSpace, LabelCriHandle1,
                          LabelCriHandle2, LabelCriInsert, LabelCriReplace,  LabelCriRemove,
                          LabelCriAuto1,   LabelCriAuto2};
        int whole = 0;
        for (Label* l : lines) whole = std::max(whole, l->Width());
        const bool beside = FramePriInfo->Visible();
        for (Label* l : lines) {
            const bool level = l->Top() < FramePriInfo->Top() + FramePriInfo->Height() &&
                               l->Top() + l->Height() > FramePriInfo->Top();
            const int room = beside && level ? FramePriInfo->Left() - 4 * kTwipsPerPixel - l->Left() : whole;
            if (l->Width() != room)
                l->SetWidth(room);
        }
    }
    for (Label* l :
         {LabelSpaceFree, LabelFileNum, LabelListFile, LabelSelectFile, LabelCriChgCase, LabelCriChgExt,
          LabelCriRmvSpace, LabelCriHandle1, LabelCriHandle2, LabelCriInsert, LabelCriReplace, LabelCriRemove,
          LabelCriAuto1, LabelCriAuto2, LabelPriority1st, LabelPriority2nd, LabelPriority3rd})
        ShowWholeTextOnDemand(*l, l->Caption());
    for (Frame* f :
         {FramePriInfo, FrameRenInfo, FrameDisplayAction, FrameDisplaySelection, FrameView, FrameChoice})
        ShowWholeTextOnDemand(*f, f->Caption());
    // The user's picture is named by the caption the user gave it.
    FrameView->SetAccessibleName(FrameView->Caption().isEmpty() ? QStringLiteral("User picture")
                                                                : FrameView->Caption());
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
