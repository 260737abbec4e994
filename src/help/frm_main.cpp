#include "help/frm_main.h"

#include <QCoreApplication>
#include <functional>

#include "help/help_startup.h"
#include "help/help_state.h"
#include "help/page_text.h"
#include "help/pictures.h"
#include "platform/services.h"

namespace qv::help {

namespace {

// Chooses an option button so that its click handling runs even when it is already chosen (writing
// the value it has fires nothing).
void Choose(OptionButton* o, const std::function<void()>& click) {
    if (o->Value())
        click();
    else
        o->SetValue(true);
}

}  // namespace

void FrmMain::Form_Load() {
    const QPoint at = HelpWindowPlace();
    Move(at.x(), at.y(), Width(), Height());
    SetCaption(HS.HelpName);

    ColourText = kSysWindowText;
    ColourHighlight = 0xFF0000;
    ColourDisabled = 0xC0C0C0;
    ColourEnabled = kSysWindowBackground;
    TextInsert[1]->SetBackColor(ColourEnabled);
    TextAuto[1]->SetBackColor(ColourEnabled);
    OpenMainFrame = -1;
    MaxLimitDefault = 40;

    PictureMain->SetBorderStyle(0);
    FrameSelectionString->SetBorderStyle(0);
    LabelInfo->SetTransparent(true);
    LabelIntroMe[0]->SetTransparent(true);
    LabelIntroMe[1]->SetTransparent(true);

    // Button faces: normal, pressed and disabled.
    for (CommandButton* b : {CommandTopic, CommandActivate, CommandExit, CommandEasyOK}) {
        b->SetPicture(ButtonFace(0));
        b->SetDownPicture(ButtonFace(1));
        b->SetDisabledPicture(ButtonFace(2));
    }
    for (CommandButton* b : {CommandRenOK[0], CommandRenOK[1], CommandEasyCancel}) {
        b->SetPicture(ButtonFace(0));
        b->SetDownPicture(ButtonFace(1));
    }
    ImageGoBack->SetPicture(BackArrow(2));
    ImageGoContinue->SetPicture(ContinueArrow(2));

    Filling = true;
    for (int i = 0; i < 3; ++i) {
        ComboBox* c = ComboPriority[i];
        c->AddItem(QStringLiteral("Insert"));
        c->AddItem(QStringLiteral("Replace"));
        c->AddItem(QStringLiteral("Remove"));
        c->SetListIndex(i);
    }
    Filling = false;
    FillRenameCombos();

    CommandActivate->SetCaption(QStringLiteral("Activate - ") + HS.ParentName);
    LabelParent->SetCaption(HS.ParentExePath);
    // A long path shows its start and an ellipsis; the whole of it is told on hover and to screen
    // readers.
    LabelParent->SetCaption(ElidedToFit(*LabelParent, HS.ParentExePath));
    LabelParent->SetToolTipText(HS.ParentExePath);
    SetAccessibleDescription(*LabelParent, HS.ParentExePath);
    CommandActivate->SetVisible(HS.ParentFound);
    LabelParent->SetVisible(HS.ParentFound);

    if (OptionButton* o = OptionTopic[TS.TopicIndex])
        o->SetValue(true);
}

// Closing the window in any way ends the program.
void FrmMain::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    (void)unloadMode;
}

void FrmMain::Form_Unload() {
    QCoreApplication::exit(0);
}

// The controls' members are cleared with the controls; the mock-ups start afresh at the next load.
void FrmMain::Dropped() {
    Filling = false;
    TopicListShown = 0;
    OpenMainFrame = -1;
    ClosingForJob = false;
    MaxLimitDefault = 40;
    RenameCriteriaShown = OptionsShown = false;
    SelectionNumIndex = AttributeIndex = InsertPlace = AutoMode = AutoPlace = SelectedSample = 0;
    InsertAllowSpace = AutoSmall = EasyAllowSpace = EasyMode = false;
    EasyName.clear();
    EasyExt.clear();
}

FrmMain& frmMain() {
    static FrmMain form;
    return form;
}

void FrmMain::FocusMain() {
    if (PictureMain)
        PictureMain->SetFocus();
}

// ---- Topic engine, carried out on the window.

void FrmMain::RenderPage(Page page) {
    const PageDef& def = PageInfo(page);
    if (def.page == Page::None)
        return;
    if (Frame* f = FrameIntro[TS.PictureFrameIndex])
        f->SetCaption(QLatin1String(def.pictureCaption));
    FrameInfo->SetCaption(QLatin1String(def.detailsCaption));
    LabelInfo->SetCaption(PageText(page, HS.HelpVersion));
    if (page == Page::GettingHelp || page == Page::UninstallUpdate || page == Page::AboutHelp) {
        const IntroTexts intro = PageIntroTexts(page);
        LabelIntroMe[0]->SetCaption(intro.first);
        LabelIntroMe[1]->SetCaption(intro.second);
    } else if (page == Page::PriorityChoiceInfo) {
        PrepareChoiceInfoMockup();
    } else if (page == Page::SettingPriority1) {
        ResetPriorityMockup();
    } else if (page == Page::MainButtons) {
        ResetMainButtonFaces();
    }
}

void FrmMain::ShowPage(Page page) {
    ApplyPage(TS, page);
    RenderPage(page);
}

void FrmMain::ShowPictureFrame() {
    const auto shown = PictureFrames(TS.PictureFrameIndex);
    for (int i = 0; i < kPictureFrames; ++i) FrameIntro[i]->SetVisible(shown[i]);
}

void FrmMain::UpdateTopicNavigation() {
    const Navigation n = help::UpdateTopicNavigation(TS);
    FrameGo->SetVisible(n.goVisible);
    ImageGoBack->SetEnabled(n.backEnabled);
    ImageGoContinue->SetEnabled(n.continueEnabled);
    FrameRestart->SetVisible(n.restartVisible);
    ImageGoBack->SetPicture(BackArrow(n.backEnabled ? 0 : 2));
    ImageGoContinue->SetPicture(ContinueArrow(n.continueEnabled ? 0 : 2));
}

void FrmMain::ShowTopic() {
    RenderPage(Navigate(TS, Step::Topic));
    ShowPictureFrame();
    UpdateTopicNavigation();
}

void FrmMain::ShowPreviousPage() {
    RenderPage(Navigate(TS, Step::Back));
    ShowPictureFrame();
    UpdateTopicNavigation();
}

void FrmMain::ShowNextPage() {
    RenderPage(Navigate(TS, Step::Continue));
    ShowPictureFrame();
    UpdateTopicNavigation();
}

void FrmMain::ReshowPriorityPage() {
    if (TS.TopicIndex != 8)
        return;
    RenderPage(Navigate(TS, Step::PriorityView));
    ShowPictureFrame();
    UpdateTopicNavigation();
}

// ---- Window buttons.

void FrmMain::CommandTopic_Click() {
    FocusMain();
    FrameHelp->SetVisible(TopicListShown != 0);
    TopicListShown = TopicListShown == 0 ? 1 : 0;
    FrameTopic->SetVisible(TopicListShown == 1);
    FrameHide->SetVisible(TopicListShown == 1);
    CommandTopic->SetCaption(TopicListShown == 1 ? QStringLiteral("Hide Topic")
                                                 : QStringLiteral("Show Topic"));
    OptionTopic[TopicListShown]->SetValue(true);
}

void FrmMain::CommandHide_Click() {
    FocusMain();
    FrameHelp->SetVisible(TopicListShown != 0);
    TopicListShown = 0;
    FrameTopic->SetVisible(false);
    FrameHide->SetVisible(false);
    CommandTopic->SetCaption(QStringLiteral("Show Topic"));
    OptionTopic[0]->SetValue(true);
}

void FrmMain::OptionTopic_Click(int index) {
    TS.TopicIndex = index;
    ShowTopic();
}

void FrmMain::CommandRestart_Click() {
    FocusMain();
    ShowTopic();
}

void FrmMain::ImageGoBack_Click() {
    FocusMain();
    ShowPreviousPage();
}

void FrmMain::ImageGoContinue_Click() {
    FocusMain();
    ShowNextPage();
}

void FrmMain::CommandActivate_Click() {
    FocusMain();
    RunParentProgram();
}

void FrmMain::CommandExit_Click() {
    Unload();
}

// ---- Main-button mock-up.

void FrmMain::ResetMainButtonFaces() {
    for (int i = 0; i <= 6; ++i) {
        for (const ControlArray<CommandButton>* a : {&CommandMain, &CommandHelpOK, &CommandReset, &CommandJob,
                                                     &CommandActionOK, &CommandSelectionOK, &CommandRunOK}) {
            if (CommandButton* b = (*a)[i]) {
                b->SetPicture(ButtonFace(0));
                b->SetDownPicture(ButtonFace(1));
            }
        }
    }
    FrameSelectionMax->SetBorderStyle(0);
}

void FrmMain::CommandMain_Click(int index) {
    FocusMain();
    const bool wasRenameCriteria = index == 4 && RenameCriteriaShown;
    const bool wasOptions = index == 5 && OptionsShown;
    OpenMainFrame = OpenMainFrame == index ? -1 : index;
    for (int i = 0; i <= 3; ++i) {
        CommandMain[i]->SetPicture(ButtonFace(i == OpenMainFrame ? 3 : 0));
        FrameMain[i]->SetVisible(i == OpenMainFrame);
    }
    switch (OpenMainFrame) {
        case -1: {
            const bool forJob = ClosingForJob;
            ClosingForJob = false;
            RenameCriteriaShown = false;
            OptionsShown = false;
            if (forJob)
                break;
            if (wasRenameCriteria)
                OptionTopic[7]->SetValue(true);
            else if (wasOptions)
                OptionTopic[3]->SetValue(true);
            else
                ShowPage(Page::MainButtons);
            break;
        }
        case 0:
            SelectionNumIndex = -1;
            OptionSelectionNum[0]->SetValue(false);
            OptionSelectionNum[1]->SetValue(false);
            Choose(OptionSelection[0], [this] { OptionSelection_Click(0); });
            TextSelectionMaxFile->SetText(QString::number(MaxLimitDefault));
            ShowPage(ButtonPage(1));
            break;
        case 1:
            Choose(OptionAttribute[0], [this] { OptionAttribute_Click(0); });
            Choose(OptionAction[0], [this] { OptionAction_Click(0); });
            ShowPage(ButtonPage(12));
            break;
        case 2:
            ShowPage(ButtonPage(20));
            break;
        case 3:
            ShowPage(ButtonPage(22));
            break;
        case 4:
            RenameCriteriaShown = true;
            ShowPage(ButtonPage(28));
            break;
        case 5:
            OptionsShown = true;
            ShowPage(ButtonPage(29));
            break;
        case 6:
            ShowPage(ButtonPage(23));
            break;
        default:
            break;
    }
}

void FrmMain::CommandJob_Click(int index) {
    FocusMain();
    ClosingForJob = OpenMainFrame != -1;
    if (ClosingForJob)
        CommandMain_Click(OpenMainFrame);
    ShowPage(ButtonPage(index == 0 ? 25 : index == 1 ? 26 : 27));
}

void FrmMain::CommandReset_Click(int index) {
    (void)index;
    FocusMain();
    ClosingForJob = OpenMainFrame != -1;
    if (ClosingForJob)
        CommandMain_Click(OpenMainFrame);
    ShowPage(ButtonPage(24));
}

void FrmMain::CommandHelpOK_Click(int index) {
    (void)index;
    FocusMain();
    ShowPage(ButtonPage(21));
}

// ---- Priority, Choice and Info mock-up.

void FrmMain::PrepareChoiceInfoMockup() {
    for (int i = 0; i <= 4; ++i) {
        if (Frame* f = FramePriority[i])
            f->Move(U(2400), U(1680), f->Width(), f->Height());
        if (i <= 3) {
            for (CommandButton* b : {CommandView[i], CommandHideView[i]}) {
                if (!b)
                    continue;
                b->SetPicture(ButtonFace(b == CommandView[i] ? 0 : 6));
                b->SetDownPicture(ButtonFace(1));
            }
        }
        if (i <= 1) {
            CommandChoice[i]->SetPicture(ButtonFace(0));
            CommandChoice[i]->SetDownPicture(ButtonFace(1));
            CommandPriorityOK[i]->SetPicture(ButtonFace(0));
            CommandPriorityOK[i]->SetDownPicture(ButtonFace(1));
            CommandPriorityOK[i]->SetDisabledPicture(ButtonFace(2));
        }
    }
    EnablePriorityOK(false);
    if (HS.ProfileUserPic.isEmpty()) {
        ImagePriUser->SetPicture(Picture());
        return;
    }
    try {
        ImagePriUser->SetPicture(LoadPicture(HS.ProfileUserPic));
    } catch (const PlatformError&) {
        // A picture that cannot be read leaves the one shown.
    }
}

void FrmMain::ResetPriorityMockup() {
    for (int i = 0; i <= 5; ++i) {
        if (Frame* f = FramePriority[i])
            f->SetVisible(i == 0);
        if (i <= 2) {
            // Each assignment runs the combo handling, also when the combo already reads its default.
            if (ComboPriority[i]->ListIndex() == i)
                ComboPriority_Click();
            else
                ComboPriority[i]->SetListIndex(i);
        }
    }
    EnablePriorityOK(false);
}

// The note that asks for OK shows only while OK can act.
void FrmMain::EnablePriorityOK(bool enabled) {
    CommandPriorityOK[1]->SetEnabled(enabled);
    LabelPriorityInfo4->SetVisible(enabled);
}

void FrmMain::CommandView_Click(int index) {
    FramePriority[5]->SetVisible(index == 1);
    FramePriority[0]->SetVisible(false);
    FramePriority[index]->SetVisible(true);
    TS.PageNumber = index + 1;
    ReshowPriorityPage();
}

void FrmMain::CommandHideView_Click(int index) {
    FocusMain();
    FramePriority[index]->SetVisible(false);
    FramePriority[5]->SetVisible(false);
    FramePriority[0]->SetVisible(true);
    ShowPage(Page::SettingPriority1);
}

void FrmMain::ComboPriority_Click() {
    if (Filling)
        return;
    const int a = ComboPriority[0]->ListIndex(), b = ComboPriority[1]->ListIndex(),
              c = ComboPriority[2]->ListIndex();
    const bool isDefault = a == 0 && b == 1 && c == 2;
    const bool duplicate = a == b || b == c || c == a;
    CommandPriorityOK[0]->SetEnabled(!isDefault);
    EnablePriorityOK(!duplicate);
    LabelPriorityInfo1->SetVisible(!isDefault);
    LabelPriorityInfo2->SetVisible(!isDefault);
    LabelPriorityInfo3->SetVisible(duplicate);
}

void FrmMain::CommandPriorityOK_Click(int index) {
    FocusMain();
    bool differs = false;
    for (int i = 0; i < 3; ++i) {
        if (index == 0)
            ComboPriority[i]->SetListIndex(i);
        LabelPriority[i]->SetCaption(ComboPriority[i]->Text());
        differs = differs || ComboPriority[i]->ListIndex() != i;
    }
    CommandPriorityOK[0]->SetEnabled(differs);
    EnablePriorityOK(false);
}

void FrmMain::CommandChoice_Click(int index) {
    FocusMain();
    if (HS.ProfileUserPic.isEmpty())
        ImageChoiceDefault->SetVisible(index != 0);
}

}  // namespace qv::help
