// The help program's window: topic list, picture frames with the working mock-ups, the details
// frame with the page arrows, and the button that starts the main program.
#pragma once

#include <QPoint>
#include <QSize>

#include "forms/forms.h"
#include "help/topic_engine.h"

namespace qv::help {

class FrmMain : public Form {
  public:
    FrmMain() : Form(QStringLiteral("frmMain")) {}

    // Window and navigation.
    PictureBox* PictureMain = nullptr;
    CommandButton* CommandTopic = nullptr;  // its caption is the topic label: "Show Topic" / "Hide Topic"
    CommandButton* CommandActivate = nullptr;
    Label* LabelParent = nullptr;
    CommandButton* CommandExit = nullptr;
    Frame* FrameTopic = nullptr;
    ControlArray<OptionButton> OptionTopic;
    Frame* FrameHide = nullptr;
    CommandButton* CommandHide = nullptr;
    Frame* FrameHelp = nullptr;
    Label* LabelHelpOnHelp = nullptr;
    Frame* FrameView = nullptr;
    Image* ImageUser = nullptr;
    Label* LabelGreeting = nullptr;
    ControlArray<Frame> FrameIntro;
    ControlArray<Image> ImageIntro;  // the drawn pictures of frames 1, 2, 6 and 10
    Label* LabelDepends = nullptr;   // frame 0
    ControlArray<Label> LabelIntroMe;
    Frame* FrameInfo = nullptr;
    Label* LabelInfo = nullptr;
    Frame* FrameGo = nullptr;
    Image* ImageGoBack = nullptr;
    Image* ImageGoContinue = nullptr;
    Frame* FrameRestart = nullptr;
    CommandButton* CommandRestart = nullptr;

    // Main-button mock-up (frame 5).
    ControlArray<CommandButton> CommandMain;
    ControlArray<Frame> FrameMain;
    ControlArray<CommandButton> CommandJob;
    ControlArray<CommandButton> CommandReset;
    ControlArray<CommandButton> CommandHelpOK;
    Label* LabelHelpOption = nullptr;
    ControlArray<CommandButton> CommandRunOK;
    ComboBox* ComboRun = nullptr;
    Label* LabelResetTitle = nullptr;
    Label* LabelJobTitle = nullptr;

    // File Selection mock-up.
    ControlArray<OptionButton> OptionSelection;
    ControlArray<OptionButton> OptionSelectionNum;
    ControlArray<CommandButton> CommandSelectionOK;
    Frame* FrameSelectionMax = nullptr;
    Frame* FrameSelectionSkip = nullptr;
    Frame* FrameSelectionNum = nullptr;
    Frame* FrameSelectionString = nullptr;
    TextBox* TextSelectionMaxFile = nullptr;
    TextBox* TextSelectionNumSkip = nullptr;
    TextBox* TextSelectionNumFile = nullptr;
    TextBox* TextSelectionString = nullptr;
    Label* LabelSelectionString = nullptr;
    Label* LabelSelectionAsk = nullptr;
    CheckBox* CheckSelectionKeep = nullptr;
    CheckBox* CheckSelectionSensitive = nullptr;

    // Action mock-up.
    ControlArray<OptionButton> OptionAction;
    ControlArray<OptionButton> OptionAttribute;
    ControlArray<CommandButton> CommandActionOK;
    Frame* FrameAttribute = nullptr;
    Label* LabelActionMust = nullptr;
    Label* LabelActionOverwrite = nullptr;
    CheckBox* CheckActionOverwrite = nullptr;
    Label* LabelActionDelete = nullptr;
    CheckBox* CheckActionMode = nullptr;

    // Priority, Choice and Info mock-up (frame 8).
    ControlArray<Frame> FramePriority;
    ControlArray<CommandButton> CommandView;
    ControlArray<CommandButton> CommandHideView;  // element 0 sits in FramePriority element 4
    Label* LabelViewHidden = nullptr;
    ControlArray<ComboBox> ComboPriority;
    ControlArray<CommandButton> CommandPriorityOK;
    ControlArray<Label> LabelPriority;
    Label* LabelPriorityInfo1 = nullptr;
    Label* LabelPriorityInfo2 = nullptr;
    Label* LabelPriorityInfo3 = nullptr;
    Label* LabelPriorityInfo4 = nullptr;
    ControlArray<CommandButton> CommandChoice;
    Image* ImageChoiceDefault = nullptr;
    Image* ImagePriUser = nullptr;
    Label* LabelLittleHelp = nullptr;

    // Rename Criteria mock-up (frame 7).
    Frame* FrameInsert = nullptr;
    Frame* FrameAuto = nullptr;
    CheckBox* CheckInsert = nullptr;
    ComboBox* ComboInsert = nullptr;
    ControlArray<TextBox> TextInsert;  // 0 the text, 1 the count, 2 the string
    Frame* FrameInsertThis = nullptr;
    Label* LabelMaxInsert = nullptr;
    Label* LabelInsertHighDigit = nullptr;
    CheckBox* CheckInsertAddSpace = nullptr;
    ControlArray<OptionButton> OptionAuto;
    ComboBox* ComboAuto = nullptr;
    ComboBox* ComboZeroAuto = nullptr;
    Label* LabelZeroAuto = nullptr;
    CheckBox* CheckAuto = nullptr;
    ControlArray<TextBox> TextAuto;  // 0 the start, 1 the count, 2 the string
    Frame* FrameAutoStart = nullptr;
    Label* LabelMaxAuto = nullptr;
    Label* LabelAutoHighDigit = nullptr;
    Label* LabelAutoMaxLength = nullptr;
    Label* LabelAutoTitle = nullptr;
    Frame* FrameRen = nullptr;
    ControlArray<Label> LabelRen;
    ControlArray<CommandButton> CommandRenOK;
    Label* LabelCriteriaOnly = nullptr;

    // Easy Process mock-up (frame 9).
    CheckBox* CheckEasyProcess = nullptr;
    ControlArray<Frame> FrameEasy;
    ControlArray<Label> LabelEasyFile;
    ControlArray<TextBox> TextEasy;  // 0 the name, 1 the extension
    Label* LabelEasyDot = nullptr;
    CheckBox* CheckEasySpace = nullptr;
    Label* LabelEasyReady = nullptr;
    CommandButton* CommandEasyOK = nullptr;
    CommandButton* CommandEasyCancel = nullptr;

    // Form-level state.
    bool Filling = false;
    Colour ColourText = kSysWindowText;
    Colour ColourHighlight = 0xFF0000;
    Colour ColourDisabled = 0xC0C0C0;
    Colour ColourEnabled = kSysWindowBackground;
    int TopicListShown = 0;
    int OpenMainFrame = -1;
    bool ClosingForJob = false;
    int MaxLimitDefault = 40;
    bool RenameCriteriaShown = false;
    bool OptionsShown = false;
    int SelectionNumIndex = 0;
    int AttributeIndex = 0;
    int InsertPlace = 0;
    bool InsertAllowSpace = false;
    int AutoMode = 0;
    int AutoPlace = 0;
    bool AutoSmall = false;
    int SelectedSample = 0;
    bool EasyAllowSpace = false;
    bool EasyMode = false;
    QString EasyName;
    QString EasyExt;

    // The topic engine's steps as the window carries them out.
    void ShowTopic();
    void ShowPreviousPage();
    void ShowNextPage();
    void ReshowPriorityPage();
    // A page shown straight from a mock-up control: captions and text, no frame or arrow change.
    void ShowPage(Page page);

    // Event handlers a user reaches.
    void CommandTopic_Click();
    void CommandHide_Click();
    void OptionTopic_Click(int index);
    void CommandRestart_Click();
    void ImageGoBack_Click();
    void ImageGoContinue_Click();
    void CommandActivate_Click();
    void CommandExit_Click();
    void CommandMain_Click(int index);
    void CommandJob_Click(int index);
    void CommandReset_Click(int index);
    void CommandHelpOK_Click(int index);
    void CommandView_Click(int index);
    void CommandHideView_Click(int index);
    void ComboPriority_Click();
    void CommandPriorityOK_Click(int index);
    void CommandChoice_Click(int index);

  protected:
    void Design() override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload() override;
    void Dropped() override;

  private:
    // Layout, one part of the window each (frm_main_design.cpp).
    void DesignWindow();
    void DesignPictureFrames();
    void DesignMainButtons(Frame* host);
    void DesignSelection(Frame* host);
    void DesignAction(Frame* host);
    void DesignPriority(Frame* host);
    void DesignCriteria(Frame* host);
    void DesignEasy(Frame* host);
    void WireMockups();
    void ScaleLayout();
    // Every control's place and size, and the window's size, times k (the layout unit).
    void ScaleControls(double k);
    // A design length (pixels on the window, twips in a frame) at the window's scale.
    int U(int length) const;
    double layoutUnit_ = 1.0;

    void ShowPictureFrame();
    void UpdateTopicNavigation();
    void RenderPage(Page page);
    void ResetMainButtonFaces();
    void PrepareChoiceInfoMockup();
    void ResetPriorityMockup();
    void EnablePriorityOK(bool enabled);
    void FocusMain();

    // Working mock-ups (frm_main_mockups.cpp).
    void OptionSelection_Click(int index);
    void OptionSelectionNum_Click(int index);
    void OptionAction_Click(int index);
    void OptionAttribute_Click(int index);
    void FillRenameCombos();
    void ArrangeInsertControls();
    void ArrangeAutoControls();
    void CheckInsert_Click();
    void ComboInsert_Click();
    void TextInsert_Change(int index);
    void TextInsert_KeyPress(int index, int& keyAscii);
    void CheckInsertAddSpace_Click();
    void OptionAuto_Click(int index);
    void ComboAuto_Click();
    void ComboZeroAuto_Click();
    void CheckAuto_Click();
    void TextAuto_Change(int index);
    void TextAuto_KeyPress(int index, int& keyAscii);
    void CommandRenOK_Click(int index);
    void CheckEasyProcess_Click();
    void LabelEasyFile_Click(int index);
    void TextEasy_Change(int index);
    void TextEasy_KeyPress(int index, int& keyAscii);
    void CheckEasySpace_Click();
    void CommandEasyOK_Click();
    void CommandEasyCancel_Click();
    bool fixingText_ = false;
};

FrmMain& frmMain();

// Where the window opens (by the screen's size), and the frame the room the screen leaves it must
// keep free: a title bar and borders.
inline constexpr int kWindowTitleBar = 30, kWindowBorder = 4;
QPoint HelpWindowPlace();

// The font the layout is drawn for: its line height, and the width of a sample text in it.
inline constexpr double kDesignFontHeight = 14.0;
inline constexpr const char* kDesignSample = "Select Files On Folder Change";
inline constexpr double kDesignSampleWidth = 179.0;

}  // namespace qv::help
