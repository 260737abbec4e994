// frmMain: the main window. Its folder view (drives, folders, files, history arrows), the preview
// list, the job buttons, the panels and information frames that share their places, and its load
// and close. One class in several files: frm_main.cpp (load, close, folder view), frm_main_layout.cpp
// (the controls and where they sit), frm_main_jobs.cpp (Preview, Finalize, Reject, Undo),
// frm_main_panels.cpp (the handlers of the panels' controls).
#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "core/keys.h"
#include "forms/forms.h"

namespace qv {

class FrmMain : public Form {
  public:
    FrmMain();

    // Folder view.
    PictureBox* PictureMain = nullptr;
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;  // multi-select (extended)
    FileListBox* File2 = nullptr;  // Easy Process: one file
    ListBox* List1 = nullptr;
    Frame* FrameHome = nullptr;
    Image* ImageGoBack = nullptr;
    Image* ImageGoForward = nullptr;
    CommandButton* CommandGoToStart = nullptr;
    CommandButton* CommandFileSize = nullptr;
    Frame* FrameDirDisableInfo = nullptr;
    Label* LabelDirDisableInfo = nullptr;
    Label* LabelSpaceFree = nullptr;
    Label* LabelSpaceNeed = nullptr;
    Label* LabelSelectFile = nullptr;
    Label* LabelFileNum = nullptr;
    Label* LabelListFile = nullptr;
    Label* LabelReviewMode = nullptr;
    PictureBox* PictureStatus = nullptr;
    CommandButton* CommandGoodbye = nullptr;
    CheckBox* CheckEasyProcess = nullptr;

    // Committed settings on show.
    Frame* FrameDisplaySelection = nullptr;
    Label* LabelSelectionInfo = nullptr;
    Frame* FrameDisplayAction = nullptr;
    Label* LabelActionDestination = nullptr;
    TextBox* TextActionDestination = nullptr;

    // Panel buttons and the reset row.
    CommandButton* CommandSelection = nullptr;
    CommandButton* CommandAction = nullptr;
    CommandButton* CommandRenameCriteria = nullptr;
    CommandButton* CommandRigidity = nullptr;
    Frame* FrameReset = nullptr;
    CommandButton* CommandClearSelection = nullptr;
    CommandButton* CommandClearAction = nullptr;
    CommandButton* CommandClearRename = nullptr;
    CommandButton* CommandClearRigidity = nullptr;
    CommandButton* CommandResetAll = nullptr;
    ControlArray<Frame> FrameButHelp;  // 0 the Help button, 1 the help picture, 2 the Help panel's buttons
    CommandButton* CommandHelp = nullptr;
    Frame* FrameButRun = nullptr;
    Frame* FrameShowRun = nullptr;
    CommandButton* CommandRun = nullptr;

    // Job buttons.
    Frame* FramePreview = nullptr;
    CommandButton* CommandPreview = nullptr;
    Frame* FrameJob = nullptr;
    CommandButton* CommandJob = nullptr;
    Label* LabelJob = nullptr;  // on CommandJob's face
    CommandButton* CommandReject = nullptr;
    Frame* FrameUndo = nullptr;
    CommandButton* CommandUndo = nullptr;

    // File Selection panel.
    Frame* FrameSelection = nullptr;
    ControlArray<OptionButton> OptionSelection;  // 0 manual, 1 by number, 2 by string, 3 by extension
    Frame* FrameSelectionNum = nullptr;
    ControlArray<OptionButton> OptionSelectionNum;  // 0 all files, 1 number of files
    TextBox* TextSelectionNumFile = nullptr;
    Frame* FrameSelectionSkip = nullptr;
    Label* LabelSelectionNumSkip = nullptr;
    TextBox* TextSelectionNumSkip = nullptr;
    Label* LabelSelectionString = nullptr;
    TextBox* TextSelectionString = nullptr;
    CheckBox* CheckSelectionSensitive = nullptr;
    Line* LineSelection1 = nullptr;
    Label* LabelSelectionMaxA = nullptr;
    TextBox* TextSelectionMaxFile = nullptr;
    Label* LabelSelectionMaxB = nullptr;
    CheckBox* CheckSelectionKeep = nullptr;
    Label* LabelSelectionAsk = nullptr;
    CommandButton* CommandSelectionOK = nullptr;
    CommandButton* CommandSelectionCancel = nullptr;

    // Action panel.
    Frame* FrameAction = nullptr;
    ControlArray<OptionButton> OptionAction;  // 0 Rename ... 7 Set Attribute
    CheckBox* CheckActionMode = nullptr;
    Line* LineAction = nullptr;
    CheckBox* CheckActionOverwrite = nullptr;
    Label* LabelActionOverwrite = nullptr;
    Frame* FrameAttribute = nullptr;
    ControlArray<OptionButton> OptionAttribute;  // 0 don't change ... 5 archive
    Label* LabelActionWarning = nullptr;
    Label* LabelActionMust = nullptr;
    CommandButton* CommandActionBrowse = nullptr;
    CommandButton* CommandActionOK = nullptr;
    CommandButton* CommandActionCancel = nullptr;

    // Options panel.
    Frame* FrameRigidity = nullptr;
    ControlArray<Frame>
        FrameRigidSet;  // one per option pair: insert, replace, remove, char replace, char remove
    ControlArray<Label> LabelRigidHead;
    ControlArray<OptionButton> OptionInsertRigid;
    ControlArray<OptionButton> OptionReplaceRigid;
    ControlArray<OptionButton> OptionRemoveRigid;
    ControlArray<OptionButton> OptionCharReplaceRigid;
    ControlArray<OptionButton> OptionCharRemoveRigid;
    ControlArray<Label> LabelRigidText;  // the text beside each mark option: set * 2 + option index
    CheckBox* CheckHelpRigid = nullptr;
    CheckBox* CheckAllowSystemRigid = nullptr;
    CheckBox* CheckUndoWarnRigid = nullptr;
    Line* LineRigidity = nullptr;  // the line the foot speaks of: session-only settings lie above it
    Label* LabelRigidFoot = nullptr;
    CommandButton* CommandRigidityDefault = nullptr;
    CommandButton* CommandRigidityOK = nullptr;
    CommandButton* CommandRigidityCancel = nullptr;

    // Help panel and About frame.
    Frame* FrameHelp = nullptr;
    Image* ImageHelpDefault = nullptr;
    Label* LabelHelpOption = nullptr;
    CommandButton* CommandHelpShow = nullptr;
    CommandButton* CommandHelpAbout = nullptr;
    CommandButton* CommandHelpWebSite = nullptr;
    CommandButton* CommandHelpCancel = nullptr;

    // Run panel (one OptionRun per family program, added when the panel opens).
    Frame* FrameRun = nullptr;
    ControlArray<OptionButton> OptionRun;
    CommandButton* CommandRunOK = nullptr;
    CommandButton* CommandRunCancel = nullptr;

    // Easy Process.
    Frame* FrameSingleProcess = nullptr;
    Label* LabelSingleInfo1 = nullptr;
    Label* LabelSingleInfo2 = nullptr;
    Label* LabelSingleProcessName = nullptr;
    TextBox* TextSingleProcessName = nullptr;
    Label* LabelSingleProcessExt = nullptr;
    TextBox* TextSingleProcessExt = nullptr;
    CheckBox* CheckSingleSpace = nullptr;
    CommandButton* CommandSingleProcess = nullptr;
    Label* LabelSingleProcess = nullptr;  // on CommandSingleProcess's face
    Label* LabelSingleReady = nullptr;
    Frame* FrameSingleCancel = nullptr;
    CommandButton* CommandSingleCancel = nullptr;
    Label* LabelSingleFoot = nullptr;

    // Rename criteria summary (written by the criteria side) and the priority it runs in.
    Frame* FrameRenInfo = nullptr;
    Label* LabelCriChgCase = nullptr;
    Label* LabelCriChgExt = nullptr;
    Label* LabelCriRmvSpace = nullptr;
    Label* LabelCriHandle1 = nullptr;
    Label* LabelCriHandle2 = nullptr;
    Label* LabelCriInsert = nullptr;
    Label* LabelCriReplace = nullptr;
    Label* LabelCriRemove = nullptr;
    Label* LabelCriAuto1 = nullptr;
    Label* LabelCriAuto2 = nullptr;
    Frame* FramePriInfo = nullptr;
    Label* LabelPriority1st = nullptr;
    Label* LabelPriority2nd = nullptr;
    Label* LabelPriority3rd = nullptr;

    // Information frames sharing one place.
    Frame* FramePriority = nullptr;
    ComboBox* ComboPriority1st = nullptr;
    ComboBox* ComboPriority2nd = nullptr;
    ComboBox* ComboPriority3rd = nullptr;
    Label* LabelPriorityInfo1 = nullptr;
    Label* LabelPriorityInfo2 = nullptr;
    Label* LabelPriorityInfo3 = nullptr;
    Label* LabelPriorityInfo4 = nullptr;
    CommandButton* CommandPriorityOK = nullptr;
    CommandButton* CommandPriorityDefault = nullptr;
    CommandButton* CommandPriorityHide = nullptr;
    Frame* FrameAbout = nullptr;
    Label* LabelAboutProgName = nullptr;
    Label* LabelAboutProgVersion = nullptr;
    Label* LabelAboutInfo = nullptr;
    Frame* FrameInfo = nullptr;
    Label* LabelInfo1 = nullptr;
    Label* LabelInfo2 = nullptr;
    Label* LabelInfo3 = nullptr;
    Label* LabelInfo4 = nullptr;
    Label* LabelInfoReset = nullptr;
    Label* LabelInfoHide = nullptr;
    CommandButton* CommandInfoHide = nullptr;
    Frame* FrameView = nullptr;
    Image* ImageUser = nullptr;
    CommandButton* CommandViewChoice = nullptr;
    CommandButton* CommandViewPriority = nullptr;
    CommandButton* CommandViewInfo = nullptr;
    Frame* FrameChoice = nullptr;
    Image* ImageChoiceDefault = nullptr;
    CommandButton* CommandChoiceSetPic = nullptr;
    CommandButton* CommandChoiceSetName = nullptr;
    CommandButton* CommandChoiceHide = nullptr;

    // Handlers that other windows and the tests reach.
    void ImageGoBack_Click();
    void ImageGoForward_Click();
    void CommandPreview_Click();
    void CommandJob_Click();
    void CommandReject_Click();
    void CommandUndo_Click();
    void CommandGoToStart_Click();

    // A work or destination folder removed since it was chosen: the user is told, the prepared
    // preview and the selection go, and the lists show what is there now. False when one has gone.
    bool FoldersStillThere();
    // A work folder removed meanwhile lists no files, so that no rule selects what it held.
    void ForgetVanishedWorkFolder();

    // Panel handlers (frm_main_panels.cpp).
    void CommandSelection_Click();
    void CommandAction_Click();
    void CommandActionBrowse_Click();
    void CommandSelectionOK_Click();
    bool SelectionDigitKey(int& keyAscii, const QString& rule);
    void TextSelectionMaxFile_KeyPress(int& keyAscii);
    void TextSelectionMaxFile_Change();
    void TextSelectionNumFile_KeyPress(int& keyAscii);
    void TextSelectionNumFile_Change();
    void TextSelectionNumSkip_KeyPress(int& keyAscii);
    void TextSelectionNumSkip_Change();
    void TextSelectionString_Change();
    void OpenPanel(PanelId key, SetNullId tag);
    void OptionsChanged();  // OptionsCodePending from the Options panel's weights

    // Every control's accessible name again: its caption, the label on its face, or a description.
    void NameControls();
    // The Little Help's lines one under another above its bottom row, in a smaller font when their
    // texts need more room than the frame has.
    void FitLittleHelp();
    // The one-line texts that change with the state (free space, file, priority, criteria summary): a
    // text longer than its place shows its start, and the whole on demand.
    void ShowWholeTexts();

    // Easy Process, Run, Help, Choice and info (frm_main_easy.cpp).
    bool SingleSpaceAllowed = false;        // "Include Space" ticked
    int HelpPictureIndex = 0;               // which help picture the Help panel shows; flips at each opening
    static constexpr int kRunEntries = 10;  // OptionRun items: every entry the Run list can reach
    // The Run panel with one option per other family program, and its closing.
    void FamilyRunShow();
    void FamilyRunHide();
    void CheckEasyProcess_Click();
    void File2_Click();
    void CommandSingleProcess_Click();
    void CommandHelp_Click();
    void CommandRun_Click();
    // The single-file boxes, captions and readiness for the action just committed.
    void SingleProcessPrepareForAction();
    // The boxes' labels and accessible names: a new name for editable boxes, the file's own otherwise.
    void SingleProcessLabels(bool editable);
    // Wires the handlers above and makes the Run panel's options (called while the form is designed).
    void WireEasyHandlers();

  private:
    void File2_PathChange();
    void SingleProcessReadiness();
    void SingleProcessKeyPress(TextBox* box, int& keyAscii);
    void SingleProcessBoxesOff();
    bool SingleProcessShowPick(bool keepTyped);  // true when the boxes are editable
    void CheckSingleSpace_Click();
    void CommandHelpWebSite_Click();
    void CommandChoiceSetPic_Click();
    void ShowInfoFrame(const FrameKeyField& frameKey);
    QString singleNameTyped_, singleExtTyped_;  // the boxes' last accepted texts (a paste is checked)

  public:
  protected:
    void Design() override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload() override;

  private:
    // Layout (frm_main_layout.cpp): position tables, bound to the members above.
    void DesignFolderView();
    void DesignButtons();
    void DesignSelectionPanel();
    void DesignActionPanel();
    void DesignOptionsPanel();
    void DesignHelpAndRun();
    void DesignSingleProcess();
    void DesignInfoFrames();
    void WireHandlers();
    void WirePanelHandlers();  // frm_main_panels.cpp

    // Folder view (frm_main.cpp).
    void Dir1_Change();
    void Drive1_Change();
    void File1_Click();
    void FillPriorityCombos();
    void HistoryMoveTo(int target);
};

FrmMain& frmMain();

// A folder list's open refused: names the folder and why (or that it has gone); the list stays.
void TellFolderNotOpened(DirListBox& list, const QString& folder, const QString& error);

}  // namespace qv
