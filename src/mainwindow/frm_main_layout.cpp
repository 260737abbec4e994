// frmMain's controls: what each one is called, where it sits and what it says. Positions are given
// in pixels throughout; Place converts them to twips inside frames and picture boxes.
#include <QWidget>

#include "mainwindow/frm_main.h"

namespace qv {

namespace {

const QString kRigidIgnore = QStringLiteral("Ignore it. Process file as it is.");
const QString kRigidIgnoreRemove = QStringLiteral("Ignore it, Process file as it is.");
const QString kRigidMark = QStringLiteral("Mark the file for easy removal from selection.");

// A label that sits on a picture button's face: the clicks go to the button.
void OnFace(Label* l) {
    l->SetTransparent(true);
    l->SetAlignment(2);
    l->SetWordWrap(true);
    l->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
}

int Unit(const Control* in) {
    return in && (in->Kind() == ControlKind::Frame || in->Kind() == ControlKind::PictureBox) ? kTwipsPerPixel
                                                                                             : 1;
}

void SetCaptionOf(Control* c, const QString& caption) {
    if (caption.isEmpty())
        return;
    if (auto* l = dynamic_cast<Label*>(c))
        l->SetCaption(caption);
    else if (auto* b = dynamic_cast<CommandButton*>(c))
        b->SetCaption(caption);
    else if (auto* k = dynamic_cast<CheckBox*>(c))
        k->SetCaption(caption);
    else if (auto* o = dynamic_cast<OptionButton*>(c))
        o->SetCaption(caption);
    else if (auto* f = dynamic_cast<Frame*>(c))
        f->SetCaption(caption);
}

}  // namespace

template <class T>
T* FrmMain::Place(T* FrmMain::*member, const char* name, Control* in, int left, int top, int width,
                  int height, const QString& caption) {
    T* c = Add<T>(QLatin1String(name), in);
    this->*member = c;
    clearers_.push_back([this, member] { this->*member = nullptr; });
    const int u = Unit(in);
    c->Move(left * u, top * u, width * u, height * u);
    SetCaptionOf(c, caption);
    return c;
}

template <class T>
T* FrmMain::PlaceIn(ControlArray<T> FrmMain::*array, const char* name, int index, Control* in, int left,
                    int top, int width, int height, const QString& caption) {
    T* c = AddTo(this->*array, QLatin1String(name), index, in);
    if (index == 0)
        clearers_.push_back([this, array] { (this->*array).clear(); });
    const int u = Unit(in);
    c->Move(left * u, top * u, width * u, height * u);
    SetCaptionOf(c, caption);
    return c;
}

void FrmMain::Describe(Control* c, const QString& description) {
    descriptions_.emplace_back(c, description);
}

void FrmMain::Design() {
    clearers_.clear();
    descriptions_.clear();
    SetCaption(QStringLiteral("Quorvan"));
    Move(20, 20, 792, 564);
    Place(&FrmMain::PictureMain, "PictureMain", nullptr, 0, 0, 1, 1);
    Describe(PictureMain, QStringLiteral("Main window"));
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
    NameControls();
}

void FrmMain::DesignFolderView() {
    Place(&FrmMain::FrameDisplaySelection, "FrameDisplaySelection", nullptr, 8, 12, 208, 72,
          QStringLiteral("Manual File Selection"));
    Place(&FrmMain::LabelSelectionInfo, "LabelSelectionInfo", FrameDisplaySelection, 8, 22, 192, 44)
        ->SetWordWrap(true);
    Place(&FrmMain::FrameDisplayAction, "FrameDisplayAction", nullptr, 224, 12, 208, 72,
          QStringLiteral("Rename"));
    Place(&FrmMain::LabelActionDestination, "LabelActionDestination", FrameDisplayAction, 8, 22, 192, 16);
    Place(&FrmMain::TextActionDestination, "TextActionDestination", FrameDisplayAction, 8, 42, 192, 22)
        ->SetLocked(true);
    Describe(TextActionDestination, QStringLiteral("Destination of the action"));

    Place(&FrmMain::LabelSpaceFree, "LabelSpaceFree", nullptr, 440, 14, 296, 16);
    Place(&FrmMain::LabelFileNum, "LabelFileNum", nullptr, 440, 32, 296, 16);
    Place(&FrmMain::LabelSpaceNeed, "LabelSpaceNeed", nullptr, 440, 50, 196, 32)->SetWordWrap(true);
    LabelSpaceNeed->SetVisible(false);
    Place(&FrmMain::CommandFileSize, "CommandFileSize", nullptr, 640, 52, 96, 28,
          QStringLiteral("File Size"));
    Place(&FrmMain::PictureStatus, "PictureStatus", nullptr, 744, 14, 40, 40);
    Describe(PictureStatus, QStringLiteral("Status"));

    Place(&FrmMain::Drive1, "Drive1", nullptr, 8, 88, 96, 22);
    Describe(Drive1, QStringLiteral("Drives"));
    Place(&FrmMain::FrameHome, "FrameHome", nullptr, 108, 84, 108, 28)->SetBorderStyle(0);
    Describe(FrameHome, QStringLiteral("Folder history"));
    Place(&FrmMain::ImageGoBack, "ImageGoBack", FrameHome, 8, 2, 24, 24);
    Describe(ImageGoBack, QStringLiteral("Back"));
    Place(&FrmMain::ImageGoForward, "ImageGoForward", FrameHome, 36, 2, 24, 24);
    Describe(ImageGoForward, QStringLiteral("Forward"));
    Place(&FrmMain::CommandGoToStart, "CommandGoToStart", FrameHome, 64, 0, 44, 28, QStringLiteral("Start"));
    Place(&FrmMain::LabelSelectFile, "LabelSelectFile", nullptr, 224, 92, 208, 16);
    Place(&FrmMain::LabelListFile, "LabelListFile", nullptr, 440, 92, 224, 16);
    Place(&FrmMain::LabelReviewMode, "LabelReviewMode", nullptr, 668, 92, 116, 16,
          QStringLiteral("Review Mode"))
        ->SetForeColor(0xFF0000);

    Place(&FrmMain::Dir1, "Dir1", nullptr, 8, 120, 208, 172);
    Describe(Dir1, QStringLiteral("Folders"));
    Place(&FrmMain::File1, "File1", nullptr, 224, 112, 208, 180)->SetMultiSelect(2);
    Describe(File1, QStringLiteral("Files of the work folder"));
    Place(&FrmMain::File2, "File2", nullptr, 224, 112, 208, 180)->SetVisible(false);
    Describe(File2, QStringLiteral("Files of the work folder, one to process"));
    Place(&FrmMain::List1, "List1", nullptr, 440, 112, 344, 180);
    Describe(List1, QStringLiteral("New names"));
    Place(&FrmMain::FrameDirDisableInfo, "FrameDirDisableInfo", nullptr, 8, 224, 208, 68)->SetVisible(false);
    Place(&FrmMain::LabelDirDisableInfo, "LabelDirDisableInfo", FrameDirDisableInfo, 6, 4, 196, 62)
        ->SetWordWrap(true);
    LabelDirDisableInfo->SetTransparent(true);
    Describe(FrameDirDisableInfo, QStringLiteral("Folder boxes locked"));

    Place(&FrmMain::CheckEasyProcess, "CheckEasyProcess", nullptr, 448, 530, 124, 24,
          QStringLiteral("Easy Process"));
    Place(&FrmMain::CommandResetAll, "CommandResetAll", nullptr, 580, 528, 100, 28,
          QStringLiteral("Reset All"));
    Place(&FrmMain::CommandGoodbye, "CommandGoodbye", nullptr, 688, 528, 96, 28, QStringLiteral("Quit"));
}

void FrmMain::DesignButtons() {
    Place(&FrmMain::CommandSelection, "CommandSelection", nullptr, 8, 298, 104, 28,
          QStringLiteral("File Selection"));
    Place(&FrmMain::CommandAction, "CommandAction", nullptr, 116, 298, 80, 28, QStringLiteral("Action"));
    Place(&FrmMain::CommandRenameCriteria, "CommandRenameCriteria", nullptr, 200, 298, 116, 28,
          QStringLiteral("Rename Criteria"));
    Place(&FrmMain::CommandRigidity, "CommandRigidity", nullptr, 320, 298, 64, 28, QStringLiteral("Options"));
    PlaceIn(&FrmMain::FrameButHelp, "FrameButHelp", 0, nullptr, 388, 296, 44, 32)->SetBorderStyle(0);
    Describe(FrameButHelp[0], QStringLiteral("Help button"));
    Place(&FrmMain::CommandHelp, "CommandHelp", FrameButHelp[0], 0, 2, 44, 28, QStringLiteral("Help"));

    Place(&FrmMain::FrameReset, "FrameReset", nullptr, 8, 330, 376, 32)->SetBorderStyle(0);
    Describe(FrameReset, QStringLiteral("Reset buttons"));
    Place(&FrmMain::CommandClearSelection, "CommandClearSelection", FrameReset, 0, 0, 104, 28,
          QStringLiteral("Reset"));
    Describe(CommandClearSelection, QStringLiteral("Reset File Selection"));
    Place(&FrmMain::CommandClearAction, "CommandClearAction", FrameReset, 108, 0, 80, 28,
          QStringLiteral("Reset"));
    Describe(CommandClearAction, QStringLiteral("Reset Action"));
    Place(&FrmMain::CommandClearRename, "CommandClearRename", FrameReset, 192, 0, 116, 28,
          QStringLiteral("Reset"));
    Describe(CommandClearRename, QStringLiteral("Reset Rename Criteria"));
    Place(&FrmMain::CommandClearRigidity, "CommandClearRigidity", FrameReset, 312, 0, 64, 28,
          QStringLiteral("Reset"));
    Describe(CommandClearRigidity, QStringLiteral("Reset Options"));
    Place(&FrmMain::FrameButRun, "FrameButRun", nullptr, 388, 328, 44, 32)->SetBorderStyle(0);
    Place(&FrmMain::FrameShowRun, "FrameShowRun", FrameButRun, 0, 0, 44, 32)->SetBorderStyle(0);
    Describe(FrameButRun, QStringLiteral("Run button"));
    Describe(FrameShowRun, QStringLiteral("Run button"));
    Place(&FrmMain::CommandRun, "CommandRun", FrameShowRun, 0, 2, 44, 28, QStringLiteral("Run"));

    Place(&FrmMain::FramePreview, "FramePreview", nullptr, 440, 298, 96, 62, QStringLiteral("Preview"));
    Place(&FrmMain::CommandPreview, "CommandPreview", FramePreview, 8, 20, 80, 34, QStringLiteral("Preview"));
    Place(&FrmMain::FrameJob, "FrameJob", nullptr, 540, 298, 170, 62, QStringLiteral("Action"));
    Place(&FrmMain::CommandJob, "CommandJob", FrameJob, 8, 20, 80, 34);
    OnFace(Place(&FrmMain::LabelJob, "LabelJob", FrameJob, 8, 28, 80, 18, QStringLiteral("Rename")));
    Place(&FrmMain::CommandReject, "CommandReject", FrameJob, 92, 20, 70, 34, QStringLiteral("Cancel"));
    Place(&FrmMain::FrameUndo, "FrameUndo", nullptr, 714, 298, 70, 62, QStringLiteral("Undo"));
    Place(&FrmMain::CommandUndo, "CommandUndo", FrameUndo, 8, 20, 54, 34, QStringLiteral("Undo"));
}

void FrmMain::DesignSelectionPanel() {
    Place(&FrmMain::FrameSelection, "FrameSelection", nullptr, 32, 16, 400, 276,
          QStringLiteral("File Selection"))
        ->SetVisible(false);
    Frame* f = FrameSelection;
    const char* kinds[] = {"Manual", "By Number", "By String", "By Extension"};
    for (int i = 0; i < 4; ++i)
        PlaceIn(&FrmMain::OptionSelection, "OptionSelection", i, f, 12, 22 + 22 * i, 120, 20,
                QLatin1String(kinds[i]));
    Place(&FrmMain::FrameSelectionNum, "FrameSelectionNum", f, 140, 18, 250, 50)->SetBorderStyle(0);
    Describe(FrameSelectionNum, QStringLiteral("Number of files"));
    PlaceIn(&FrmMain::OptionSelectionNum, "OptionSelectionNum", 0, FrameSelectionNum, 0, 2, 128, 20,
            QStringLiteral("All Files"));
    PlaceIn(&FrmMain::OptionSelectionNum, "OptionSelectionNum", 1, FrameSelectionNum, 0, 24, 128, 20,
            QStringLiteral("Number of Files"));
    Place(&FrmMain::TextSelectionNumFile, "TextSelectionNumFile", FrameSelectionNum, 136, 22, 80, 22);
    Describe(TextSelectionNumFile, QStringLiteral("Number of files to select"));
    Place(&FrmMain::LabelSelectionString, "LabelSelectionString", f, 140, 72, 200, 16,
          QStringLiteral("This Extension"));
    Place(&FrmMain::TextSelectionString, "TextSelectionString", f, 140, 90, 200, 22);
    Describe(TextSelectionString, QStringLiteral("String or extension to search"));
    Place(&FrmMain::CheckSelectionSensitive, "CheckSelectionSensitive", f, 140, 116, 200, 20,
          QStringLiteral("Case Sensitive"));
    Place(&FrmMain::FrameSelectionSkip, "FrameSelectionSkip", f, 12, 140, 376, 48)->SetBorderStyle(0);
    Describe(FrameSelectionSkip, QStringLiteral("Files to skip"));
    Place(&FrmMain::LabelSelectionNumSkip, "LabelSelectionNumSkip", FrameSelectionSkip, 0, 0, 296, 34,
          QStringLiteral("Skip following number of files before starting selection"))
        ->SetWordWrap(true);
    Place(&FrmMain::TextSelectionNumSkip, "TextSelectionNumSkip", FrameSelectionSkip, 304, 4, 64, 22);
    Describe(TextSelectionNumSkip, QStringLiteral("Number of files to skip"));
    Place(&FrmMain::LineSelection1, "LineSelection1", f, 12, 194, 376, 1)
        ->SetPoints(12 * 15, 194 * 15, 388 * 15, 194 * 15);
    Place(&FrmMain::LabelSelectionMaxA, "LabelSelectionMaxA", f, 12, 202, 100, 16,
          QStringLiteral("Maximum Limit"));
    Place(&FrmMain::TextSelectionMaxFile, "TextSelectionMaxFile", f, 112, 198, 60, 22);
    Describe(TextSelectionMaxFile, QStringLiteral("Maximum number of files"));
    Place(&FrmMain::LabelSelectionMaxB, "LabelSelectionMaxB", f, 178, 202, 214, 16,
          QStringLiteral("File. For no limit type 0 (zero)."));
    Place(&FrmMain::CheckSelectionKeep, "CheckSelectionKeep", f, 12, 224, 260, 20,
          QStringLiteral("Select File On Folder Change"));
    Place(&FrmMain::LabelSelectionAsk, "LabelSelectionAsk", f, 12, 244, 204, 30)->SetWordWrap(true);
    LabelSelectionAsk->SetForeColor(0xC0);
    Place(&FrmMain::CommandSelectionOK, "CommandSelectionOK", f, 222, 244, 80, 28, QStringLiteral("OK"));
    Place(&FrmMain::CommandSelectionCancel, "CommandSelectionCancel", f, 308, 244, 80, 28,
          QStringLiteral("Cancel"));
    OptionSelection[0]->SetValue(true);
}

void FrmMain::DesignActionPanel() {
    Place(&FrmMain::FrameAction, "FrameAction", nullptr, 248, 16, 536, 276, QStringLiteral("Action"))
        ->SetVisible(false);
    Frame* f = FrameAction;
    const char* actions[] = {
        "Rename", "Rename and Copy", "Copy and Rename the copies only", "Move and Rename", "Copy", "Move",
        "Delete", "Set Attributes"};
    for (int i = 0; i < 8; ++i)
        PlaceIn(&FrmMain::OptionAction, "OptionAction", i, f, 12, 22 + 22 * i, 192, 20,
                QLatin1String(actions[i]));
    OptionAction[0]->SetValue(true);
    Place(&FrmMain::FrameAttribute, "FrameAttribute", f, 208, 16, 316, 92, QStringLiteral("Attribute"))
        ->SetVisible(false);
    const char* attributes[] = {"Don't Change", "Normal", "ReadOnly", "Hidden", "System", "Archive"};
    for (int i = 0; i < 6; ++i)
        PlaceIn(&FrmMain::OptionAttribute, "OptionAttribute", i, FrameAttribute, i < 3 ? 8 : 160,
                20 + 22 * (i % 3), 144, 20, QLatin1String(attributes[i]));
    OptionAttribute[0]->SetValue(true);
    Place(&FrmMain::LabelActionWarning, "LabelActionWarning", f, 208, 64, 316, 40,
          QStringLiteral("Please Remember There Is No Undo Option Available For This."))
        ->SetWordWrap(true);
    LabelActionWarning->SetForeColor(0xC0);
    LabelActionWarning->SetVisible(false);
    Place(&FrmMain::LineAction, "LineAction", f, 208, 114, 316, 1)
        ->SetPoints(208 * 15, 114 * 15, 524 * 15, 114 * 15);
    LineAction->SetVisible(false);
    Place(&FrmMain::CheckActionOverwrite, "CheckActionOverwrite", f, 208, 122, 20, 20)->SetVisible(false);
    Describe(CheckActionOverwrite, QStringLiteral("Overwrite Files In Destination While Copying"));
    Place(&FrmMain::LabelActionOverwrite, "LabelActionOverwrite", f, 230, 120, 294, 46,
          QStringLiteral(
              "Overwrite Files In Destination While Copying. Please Remember Overwritten Files is not "
              "Recoverable."))
        ->SetWordWrap(true);
    LabelActionOverwrite->SetVisible(false);
    Place(&FrmMain::LabelActionMust, "LabelActionMust", f, 208, 172, 316, 60,
          QStringLiteral("Must select a different Folder"))
        ->SetWordWrap(true);
    LabelActionMust->SetForeColor(0xC0);
    Place(&FrmMain::CheckActionMode, "CheckActionMode", f, 12, 210, 192, 40,
          QStringLiteral("Review Mode : No Final Action On Files"));
    Place(&FrmMain::CommandActionBrowse, "CommandActionBrowse", f, 216, 240, 150, 28,
          QStringLiteral("Set Destination"));
    Place(&FrmMain::CommandActionOK, "CommandActionOK", f, 372, 240, 72, 28, QStringLiteral("OK"));
    Place(&FrmMain::CommandActionCancel, "CommandActionCancel", f, 450, 240, 74, 28,
          QStringLiteral("Cancel"));
}

void FrmMain::DesignOptionsPanel() {
    Place(&FrmMain::FrameRigidity, "FrameRigidity", nullptr, 216, 16, 568, 280, QStringLiteral("Options"))
        ->SetVisible(false);
    Frame* f = FrameRigidity;
    struct Set {
        ControlArray<OptionButton> FrmMain::*options;
        const char* name;
        QString head, ignore, mark;
    };
    const Set sets[] = {
        {&FrmMain::OptionInsertRigid, "OptionInsertRigid", QStringLiteral("If Insert is not possible :"),
         kRigidIgnore, kRigidMark},
        {&FrmMain::OptionReplaceRigid, "OptionReplaceRigid", QStringLiteral("If Replace is not possible :"),
         kRigidIgnore, kRigidMark},
        {&FrmMain::OptionRemoveRigid, "OptionRemoveRigid", QStringLiteral("If Remove is not possible :"),
         kRigidIgnoreRemove, kRigidMark},
        {&FrmMain::OptionCharReplaceRigid, "OptionCharReplaceRigid",
         QStringLiteral("If can not be Replaced :"),
         QStringLiteral(
             "Without effecting anything if inserting the Replace Text is possible, just do that."),
         kRigidMark},
        {&FrmMain::OptionCharRemoveRigid, "OptionCharRemoveRigid", QStringLiteral("If can not be Removed :"),
         QStringLiteral("Remove as many Character possible or ignore it. Process file as it is."),
         kRigidMark},
    };
    for (int s = 0; s < 5; ++s) {
        const int left = s < 3 ? 8 : 288, top = 18 + 72 * (s % 3);
        Frame* set = PlaceIn(&FrmMain::FrameRigidSet, "FrameRigidSet", s, f, left, top, 272, 70);
        set->SetBorderStyle(0);
        Describe(set, sets[s].head);
        PlaceIn(&FrmMain::LabelRigidHead, "LabelRigidHead", s, set, 0, 0, 272, 16, sets[s].head);
        for (int k = 0; k < 2; ++k) {
            OptionButton* o = PlaceIn(sets[s].options, sets[s].name, k, set, 0, 18 + 26 * k, 18, 20);
            const QString& text = k == 0 ? sets[s].ignore : sets[s].mark;
            Describe(o, text);
            PlaceIn(&FrmMain::LabelRigidText, "LabelRigidText", s * 2 + k, set, 20, 18 + 26 * k, 252, 26,
                    text)
                ->SetWordWrap(true);
        }
    }
    OptionInsertRigid[1]->SetValue(true);
    OptionReplaceRigid[1]->SetValue(true);
    OptionRemoveRigid[0]->SetValue(true);
    OptionCharReplaceRigid[0]->SetValue(true);
    OptionCharRemoveRigid[0]->SetValue(true);
    Place(&FrmMain::CheckHelpRigid, "CheckHelpRigid", f, 288, 166, 272, 20,
          QStringLiteral("Show Little Help From Start Of Program"));
    Place(&FrmMain::CheckAllowSystemRigid, "CheckAllowSystemRigid", f, 288, 188, 272, 20,
          QStringLiteral("Allow Working In System Folder"));
    Place(&FrmMain::CheckUndoWarnRigid, "CheckUndoWarnRigid", f, 288, 210, 272, 20,
          QStringLiteral("Undo Possible? - Do Not Show This Message"));
    Place(&FrmMain::LabelRigidFoot, "LabelRigidFoot", f, 8, 234, 272, 42,
          QStringLiteral("All changes above the line will be effective for current session only and can be "
                         "reset by 'Reset' button."))
        ->SetWordWrap(true);
    Place(&FrmMain::CommandRigidityDefault, "CommandRigidityDefault", f, 288, 244, 86, 28,
          QStringLiteral("Default"));
    Place(&FrmMain::CommandRigidityOK, "CommandRigidityOK", f, 380, 244, 86, 28, QStringLiteral("OK"));
    Place(&FrmMain::CommandRigidityCancel, "CommandRigidityCancel", f, 472, 244, 86, 28,
          QStringLiteral("Cancel"));
}

void FrmMain::DesignHelpAndRun() {
    Place(&FrmMain::FrameHelp, "FrameHelp", nullptr, 272, 16, 300, 180, QStringLiteral("Help"))
        ->SetVisible(false);
    PlaceIn(&FrmMain::FrameButHelp, "FrameButHelp", 1, FrameHelp, 8, 20, 52, 52)->SetBorderStyle(0);
    Describe(FrameButHelp[1], QStringLiteral("Help picture"));
    Place(&FrmMain::ImageHelpDefault, "ImageHelpDefault", FrameButHelp[1], 0, 0, 48, 48);
    Describe(ImageHelpDefault, QStringLiteral("Help picture"));
    Place(&FrmMain::LabelHelpOption, "LabelHelpOption", FrameHelp, 68, 20, 224, 80,
          QStringLiteral("To view Little Help from start of the Program please press Options to set that "
                         "option."))
        ->SetWordWrap(true);
    PlaceIn(&FrmMain::FrameButHelp, "FrameButHelp", 2, FrameHelp, 8, 106, 284, 66)->SetBorderStyle(0);
    Describe(FrameButHelp[2], QStringLiteral("Help buttons"));
    Place(&FrmMain::CommandHelpShow, "CommandHelpShow", FrameButHelp[2], 0, 0, 138, 28,
          QStringLiteral("Help"));
    Describe(CommandHelpShow, QStringLiteral("Help program"));
    Place(&FrmMain::CommandHelpAbout, "CommandHelpAbout", FrameButHelp[2], 146, 0, 138, 28,
          QStringLiteral("About"));
    Place(&FrmMain::CommandHelpWebSite, "CommandHelpWebSite", FrameButHelp[2], 0, 34, 138, 28,
          QStringLiteral("Web Site"));
    Place(&FrmMain::CommandHelpCancel, "CommandHelpCancel", FrameButHelp[2], 146, 34, 138, 28,
          QStringLiteral("Cancel"));

    Place(&FrmMain::FrameRun, "FrameRun", nullptr, 400, 16, 300, 200, QStringLiteral("Run"))
        ->SetVisible(false);
    Place(&FrmMain::CommandRunOK, "CommandRunOK", FrameRun, 120, 164, 80, 28, QStringLiteral("OK"));
    Place(&FrmMain::CommandRunCancel, "CommandRunCancel", FrameRun, 208, 164, 84, 28,
          QStringLiteral("Cancel"));
}

void FrmMain::DesignSingleProcess() {
    Place(&FrmMain::FrameSingleProcess, "FrameSingleProcess", nullptr, 440, 104, 344, 258,
          QStringLiteral("Easy Process"))
        ->SetVisible(false);
    Frame* f = FrameSingleProcess;
    Place(
        &FrmMain::LabelSingleInfo1, "LabelSingleInfo1", f, 8, 18, 328, 32,
        QStringLiteral("1. Select a file in the left hand side File box. You will not be able to select more "
                       "than one file."))
        ->SetWordWrap(true);
    Place(&FrmMain::LabelSingleInfo2, "LabelSingleInfo2", f, 8, 52, 328, 32,
          QStringLiteral("2. Set the new name in the Text boxes bellow and  press Rename button."))
        ->SetWordWrap(true);
    Place(&FrmMain::LabelSingleProcessName, "LabelSingleProcessName", f, 8, 86, 200, 16,
          QStringLiteral("New Name"));
    Place(&FrmMain::TextSingleProcessName, "TextSingleProcessName", f, 8, 104, 200, 22);
    Describe(TextSingleProcessName, QStringLiteral("New Name"));
    Place(&FrmMain::LabelSingleProcessExt, "LabelSingleProcessExt", f, 216, 86, 120, 16,
          QStringLiteral("And New Extension"));
    Place(&FrmMain::TextSingleProcessExt, "TextSingleProcessExt", f, 216, 104, 120, 22);
    Describe(TextSingleProcessExt, QStringLiteral("New Extension"));
    Place(&FrmMain::CheckSingleSpace, "CheckSingleSpace", f, 8, 132, 200, 20,
          QStringLiteral("Include Space"));
    Place(&FrmMain::LabelSingleReady, "LabelSingleReady", f, 216, 132, 120, 20, QStringLiteral("Ready To Go"))
        ->SetForeColor(0x8000);
    LabelSingleReady->SetVisible(false);
    Place(&FrmMain::CommandSingleProcess, "CommandSingleProcess", f, 8, 158, 120, 32);
    OnFace(Place(&FrmMain::LabelSingleProcess, "LabelSingleProcess", f, 8, 158, 120, 32,
                 QStringLiteral("Rename")));
    Place(&FrmMain::FrameSingleCancel, "FrameSingleCancel", f, 136, 156, 104, 36)->SetBorderStyle(0);
    Describe(FrameSingleCancel, QStringLiteral("Leave Easy Process"));
    Place(&FrmMain::CommandSingleCancel, "CommandSingleCancel", FrameSingleCancel, 0, 2, 100, 32,
          QStringLiteral("Cancel"));
    Place(
        &FrmMain::LabelSingleFoot, "LabelSingleFoot", f, 8, 198, 328, 54,
        QStringLiteral("To cancel and/or to work on multiple files please uncheck the Easy Process Check Box "
                       "or click on 'Cancel' button."))
        ->SetWordWrap(true);
}

void FrmMain::DesignInfoFrames() {
    Place(&FrmMain::FrameRenInfo, "FrameRenInfo", nullptr, 8, 366, 424, 190,
          QStringLiteral("Rename Criteria : Not Yet Set"));
    Label* FrmMain::*lines[] = {&FrmMain::LabelCriChgCase,  &FrmMain::LabelCriChgExt,
                                &FrmMain::LabelCriRmvSpace, &FrmMain::LabelCriHandle1,
                                &FrmMain::LabelCriHandle2,  &FrmMain::LabelCriInsert,
                                &FrmMain::LabelCriReplace,  &FrmMain::LabelCriRemove,
                                &FrmMain::LabelCriAuto1,    &FrmMain::LabelCriAuto2};
    const char* names[] = {"LabelCriChgCase", "LabelCriChgExt", "LabelCriRmvSpace", "LabelCriHandle1",
                           "LabelCriHandle2", "LabelCriInsert", "LabelCriReplace",  "LabelCriRemove",
                           "LabelCriAuto1",   "LabelCriAuto2"};
    const char* off[] = {"Change Case :: No",
                         "Change Extension :: No",
                         "Change or Remove Space :: No",
                         "Handle All Instance of a Char/Str :: No",
                         "",
                         "Insert :: No",
                         "Replace :: No",
                         "Remove :: No",
                         "Auto Number or Letter :: No",
                         ""};
    for (int i = 0; i < 10; ++i)
        Place(lines[i], names[i], FrameRenInfo, 8, 18 + 16 * i, 296, 16, QLatin1String(off[i]));
    Place(&FrmMain::FramePriInfo, "FramePriInfo", FrameRenInfo, 310, 18, 106, 72,
          QStringLiteral("Priority :"));
    Place(&FrmMain::LabelPriority1st, "LabelPriority1st", FramePriInfo, 6, 18, 96, 16);
    Place(&FrmMain::LabelPriority2nd, "LabelPriority2nd", FramePriInfo, 6, 34, 96, 16);
    Place(&FrmMain::LabelPriority3rd, "LabelPriority3rd", FramePriInfo, 6, 50, 96, 16);

    // The five information frames share one place; SetButtons shows one of them.
    const int L = 448, T = 366, W = 336, H = 156;
    Place(&FrmMain::FramePriority, "FramePriority", nullptr, L, T, W, H, QStringLiteral("Set Priority"))
        ->SetVisible(false);
    Place(&FrmMain::ComboPriority1st, "ComboPriority1st", FramePriority, 8, 22, 100, 24);
    Describe(ComboPriority1st, QStringLiteral("First priority"));
    Place(&FrmMain::ComboPriority2nd, "ComboPriority2nd", FramePriority, 116, 22, 100, 24);
    Describe(ComboPriority2nd, QStringLiteral("Second priority"));
    Place(&FrmMain::ComboPriority3rd, "ComboPriority3rd", FramePriority, 224, 22, 100, 24);
    Describe(ComboPriority3rd, QStringLiteral("Third priority"));
    Place(&FrmMain::LabelPriorityInfo1, "LabelPriorityInfo1", FramePriority, 8, 50, 320, 16,
          QStringLiteral("Default Priority :"))
        ->SetVisible(false);
    Place(&FrmMain::LabelPriorityInfo2, "LabelPriorityInfo2", FramePriority, 8, 66, 320, 16,
          QStringLiteral("1st - Insert   2nd - Replace   3rd - Remove"))
        ->SetVisible(false);
    Place(&FrmMain::LabelPriorityInfo3, "LabelPriorityInfo3", FramePriority, 8, 84, 320, 32,
          QStringLiteral("Insert, Replace and Remove must have different Priority to be able to set it."))
        ->SetWordWrap(true);
    LabelPriorityInfo3->SetForeColor(0xC0);
    LabelPriorityInfo3->SetVisible(false);
    Place(&FrmMain::LabelPriorityInfo4, "LabelPriorityInfo4", FramePriority, 8, 84, 320, 32,
          QStringLiteral("Please press OK for this setting to take effect."))
        ->SetWordWrap(true);
    LabelPriorityInfo4->SetVisible(false);
    Place(&FrmMain::CommandPriorityOK, "CommandPriorityOK", FramePriority, 8, 120, 80, 28,
          QStringLiteral("OK"));
    Place(&FrmMain::CommandPriorityDefault, "CommandPriorityDefault", FramePriority, 94, 120, 80, 28,
          QStringLiteral("Default"));
    Place(&FrmMain::CommandPriorityHide, "CommandPriorityHide", FramePriority, 248, 120, 80, 28,
          QStringLiteral("Hide"));

    Place(&FrmMain::FrameAbout, "FrameAbout", nullptr, L, T, W, H, QStringLiteral("About"))
        ->SetVisible(false);
    Place(&FrmMain::LabelAboutProgName, "LabelAboutProgName", FrameAbout, 8, 24, 320, 20);
    Place(&FrmMain::LabelAboutProgVersion, "LabelAboutProgVersion", FrameAbout, 8, 48, 320, 18);
    Place(&FrmMain::LabelAboutInfo, "LabelAboutInfo", FrameAbout, 8, 72, 320, 40)->SetWordWrap(true);

    Place(&FrmMain::FrameInfo, "FrameInfo", nullptr, L, T, W, H, QStringLiteral("Litte Help :"))
        ->SetVisible(false);
    Label* FrmMain::*info[] = {&FrmMain::LabelInfo1, &FrmMain::LabelInfo2, &FrmMain::LabelInfo3,
                               &FrmMain::LabelInfo4};
    const char* infoNames[] = {"LabelInfo1", "LabelInfo2", "LabelInfo3", "LabelInfo4"};
    for (int i = 0; i < 4; ++i)
        Place(info[i], infoNames[i], FrameInfo, 8, 16 + 29 * i, 320, 29)->SetWordWrap(true);
    Place(&FrmMain::LabelInfoReset, "LabelInfoReset", FrameInfo, 8, 134, 240, 16,
          QStringLiteral("Use 'Reset' buttons to reset settings."))
        ->SetVisible(false);
    Place(&FrmMain::CommandInfoHide, "CommandInfoHide", FrameInfo, 272, 130, 56, 22);
    OnFace(
        Place(&FrmMain::LabelInfoHide, "LabelInfoHide", FrameInfo, 272, 130, 56, 22, QStringLiteral("Hide")));

    Place(&FrmMain::FrameView, "FrameView", nullptr, L, T, W, H);
    Describe(FrameView, QStringLiteral("User picture"));
    Place(&FrmMain::ImageUser, "ImageUser", FrameView, 8, 20, 180, 126)->SetStretch(true);
    Describe(ImageUser, QStringLiteral("User picture"));
    Place(&FrmMain::CommandViewChoice, "CommandViewChoice", FrameView, 240, 24, 88, 28,
          QStringLiteral("Choice"));
    Place(&FrmMain::CommandViewPriority, "CommandViewPriority", FrameView, 240, 60, 88, 28,
          QStringLiteral("Priority"));
    Place(&FrmMain::CommandViewInfo, "CommandViewInfo", FrameView, 240, 96, 88, 28, QStringLiteral("Info"));

    Place(&FrmMain::FrameChoice, "FrameChoice", nullptr, L, T, W, H, QStringLiteral("Wendral"))
        ->SetVisible(false);
    Place(&FrmMain::ImageChoiceDefault, "ImageChoiceDefault", FrameChoice, 8, 20, 180, 126)->SetStretch(true);
    Describe(ImageChoiceDefault, QStringLiteral("User picture"));
    Place(&FrmMain::CommandChoiceSetPic, "CommandChoiceSetPic", FrameChoice, 240, 24, 88, 28,
          QStringLiteral("Pembrit"));
    Place(&FrmMain::CommandChoiceSetName, "CommandChoiceSetName", FrameChoice, 240, 60, 88, 28,
          QStringLiteral("Nalvo"));
    Place(&FrmMain::CommandChoiceHide, "CommandChoiceHide", FrameChoice, 240, 96, 88, 28,
          QStringLiteral("Hide"));
}

void FrmMain::NameControls() {
    auto captionOf = [](const Control* c) -> QString {
        if (auto* l = dynamic_cast<const Label*>(c))
            return l->Caption();
        if (auto* b = dynamic_cast<const CommandButton*>(c))
            return b->Caption();
        if (auto* k = dynamic_cast<const CheckBox*>(c))
            return k->Caption();
        if (auto* o = dynamic_cast<const OptionButton*>(c))
            return o->Caption();
        if (auto* f = dynamic_cast<const Frame*>(c))
            return f->Caption();
        return {};
    };
    for (const auto& c : Controls()) {
        QString name = captionOf(c.get());
        if (c.get() == CommandJob && LabelJob)
            name = LabelJob->Caption();
        else if (c.get() == CommandSingleProcess && LabelSingleProcess)
            name = LabelSingleProcess->Caption();
        else if (c.get() == CommandInfoHide && LabelInfoHide)
            name = LabelInfoHide->Caption();
        for (const auto& [control, description] : descriptions_)
            if (control == c.get())
                name = description;
        if (c->Widget() && c->Widget()->accessibleName() != name)
            c->Widget()->setAccessibleName(name);
    }
}

}  // namespace qv
