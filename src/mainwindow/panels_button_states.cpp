// Button and frame states: the one refresh entry point of the main window (SetButtons) and the state
// procedures it runs. Each reads the program state and writes enabled, visible, picture, caption and
// colour of a fixed set of controls; none of them walks the file lists, so a refresh costs the same
// for ten files as for a hundred thousand.
#include <QFileInfo>
#include <algorithm>

#include "core/folders.h"
#include "core/little_help.h"
#include "core/state.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/picture_chooser.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/panels.h"

#include "platform/services.h"

namespace qv::panels {

namespace {

constexpr Colour kBlue = 0xFF0000;
constexpr Colour kDarkRed = 0xC0;
constexpr Colour kGreen = 0x8000;
constexpr Colour kLightGrey = 0xE0E0E0;
constexpr Colour kGrey = 0x808080;

Picture Face(int n) {
    FrmBut& b = frmBut();
    if (!b.Loaded())
        b.Load();
    Image* i = b.AButton[n];
    return i ? i->GetPicture() : Picture();
}

Picture FromArray(ControlArray<Image> FrmBut::*array, int n) {
    FrmBut& b = frmBut();
    if (!b.Loaded())
        b.Load();
    Image* i = (b.*array)[n];
    return i ? i->GetPicture() : Picture();
}

Picture DefaultUserPicture() {
    FrmBut& b = frmBut();
    if (!b.Loaded())
        b.Load();
    return b.ImageUser ? b.ImageUser->GetPicture() : Picture();
}

// The user's picture as the profile has it now (after the picture chooser).
void SetButFramePictures() {
    FrmMain& m = frmMain();
    const MainPicture view = MainPictureFromProfile();
    m.ImageUser->SetPicture(view.userImage);
    m.FrameView->SetCaption(view.viewCaption);
    m.ImageChoiceDefault->SetPicture(view.choiceImage);
    m.FrameChoice->SetCaption(view.choiceCaption);
}

// The face of the job buttons and the colour of their labels: review mode, warning, ready.
int JobFace() {
    if (S.ReviewMode != 0)
        return 4;
    if (CurrentAction() == Action::Delete || S.AllowSystemFolders)
        return 3;
    return 8;
}

}  // namespace

void SetButtons() {
    if (S.CriteriaDialogLoading) {
        S.CriteriaDialogLoading = false;
        S.CriteriaHelpShown = true;
        SetButInfo();
        return;
    }
    if (S.CriteriaDialogClosed) {
        S.CriteriaDialogClosed = false;
        S.CriteriaHelpShown = false;
        SetButInfo();
        return;
    }
    if (S.ViewLockChanged) {
        S.ViewLockChanged = false;
        if (S.ViewLocked) {
            S.FrameKeySaved = S.FrameKey;
            if (S.FrameKey != FrameId::InfoFrame)
                S.FrameKey.clear();
        } else {
            S.FrameKey = S.FrameKeySaved;
            S.FrameKeySaved.clear();
            if (S.FrameKey == FrameId::PriorityFrame && !Renames(CurrentAction()))
                S.FrameKey.clear();
        }
    }
    // A handler fired by what is written below may refresh again; this call keeps its own key.
    const std::optional<SetButId> key = S.SetButKey.id();
    if (!frmMain().Loaded()) {
        S.SetButKey.clear();
        return;
    }
    bool full = true;
    if (key) {
        switch (*key) {
            case SetButId::setButOnlyDir:
                SetButDir();
                full = false;
                break;
            case SetButId::setButOnlyActiveness:
                SetButActiveness();
                full = false;
                break;
            case SetButId::setButOnlyPicture:
                SetButPicture();
                full = false;
                break;
            case SetButId::setButOnlyAction:
                SetButAction();
                full = false;
                break;
            case SetButId::setButOnlyRigidity:
                SetButRigidity();
                full = false;
                break;
            case SetButId::setButOnlyAbout:
            case SetButId::setButOnlyFrame:
                S.ShowFramePending = true;
                full = false;
                break;
            case SetButId::setButOnlyPriority:
                SetButPriority();
                full = false;
                break;
            case SetButId::setButOnlyInfo:
                full = false;
                break;
            case SetButId::setButCaptionMain:
                SetButCaptionMain();
                break;
            case SetButId::setButFinalize:
                SetButFinalize();
                break;
            case SetButId::setButFrame:
                SetButFramePictures();
                S.ShowFramePending = true;
                break;
            case SetButId::setButSingleProcess:
                SetButSingleProcess();
                SetButInfoFrames();
                break;
            case SetButId::setButGlobal:
                SetButInfoFrames();
                SetButPicture();
                S.ShowFramePending = true;
                break;
        }
    }
    S.SetButKey.clear();
    SetButInfo();
    if (S.ShowFramePending)
        SetButShowFrame();
    if (full) {
        SetButActiveness();
        SetButStatusPicture();
        SetButDir();
        if (S.PriorityFrameDue)
            SetButPriorityFrame();
    }
    frmMain().NameControls();
}

void SetButActiveness() {
    FrmMain& m = frmMain();
    CommandButton* locked[] = {m.CommandFileSize,
                               m.CommandChoiceSetName,
                               m.CommandChoiceSetPic,
                               m.CommandJob,
                               m.CommandReject,
                               m.CommandSelection,
                               m.CommandClearSelection,
                               m.CommandAction,
                               m.CommandClearAction,
                               m.CommandRenameCriteria,
                               m.CommandClearRename,
                               m.CommandRigidity,
                               m.CommandClearRigidity,
                               m.CommandHelp,
                               m.CommandRun,
                               m.CommandResetAll,
                               m.CommandPreview,
                               m.CommandUndo,
                               m.CommandViewPriority,
                               m.CommandViewChoice,
                               m.CommandInfoHide};
    if (S.JobBusy) {
        for (CommandButton* b : locked) b->SetEnabled(false);
        m.CheckEasyProcess->SetEnabled(false);
    } else {
        if (S.SelectedCount < 1) {
            m.CommandFileSize->SetEnabled(false);
            // The size of a selection that is gone (acted on, undone) would be a stale figure.
            m.LabelSpaceNeed->SetVisible(false);
            m.LabelSpaceNeed->SetCaption(QString());
        }
        m.CommandChoiceSetName->SetEnabled(!S.MovePictureMode);
        m.CommandChoiceSetPic->SetEnabled(!S.MovePictureMode);
        m.CommandJob->SetEnabled(S.ReadyToFinalize);
        m.CommandReject->SetEnabled(S.ReadyToFinalize && (S.ReviewMode == 0 || HasPreview(CurrentAction())));

        const bool open = !S.ViewLocked;
        const bool upToMove = HasPreview(CurrentAction());
        const bool noPanel = S.PanelKey.isEmpty();
        // No batch is chosen behind the Easy Process frame, whatever the view lock.
        const bool selection =
            !S.EasyProcessMode && (open || (upToMove ? (S.PanelKey == PanelId::Selection) : noPanel));
        m.CommandSelection->SetEnabled(selection);
        m.CommandClearSelection->SetEnabled(selection && S.HasSelection + S.SelKind != 0);
        const bool action =
            open ? true : (upToMove ? (S.PanelKey == PanelId::Action) || S.EasyProcessMode : noPanel);
        m.CommandAction->SetEnabled(action);
        m.CommandClearAction->SetEnabled(open ? CurrentAction() != Action::Rename
                                              : action && CurrentAction() != Action::Rename);
        m.CommandRenameCriteria->SetEnabled(open && Renames(CurrentAction()) && !S.EasyProcessMode);
        // Easy Process keeps its own names: the batch criteria are not reset behind its frame.
        m.CommandClearRename->SetEnabled(open && S.CriteriaCount != 0 && !S.EasyProcessMode);
        m.CommandRigidity->SetEnabled(open || (S.PanelKey == PanelId::Options));
        m.CommandClearRigidity->SetEnabled(open && S.OptionsNonDefault != 0);
        // A locked view opens no panel (a ready preview included): only the open one can be closed.
        m.CommandHelp->SetEnabled(open || (S.PanelKey == PanelId::Help));
        m.CommandRun->SetEnabled(open || (S.PanelKey == PanelId::Family));
        const int inEffect = S.SpaceOn + S.CaseOn + S.ExtensionOn + S.HandleOn + S.NonDefaultCount +
                             S.SelectedCount + S.OptionsNonDefault;
        m.CommandResetAll->SetEnabled(open && inEffect != 0);
        m.CommandPreview->SetEnabled(open && (S.NamesToBuild || S.ConflictCheckDue) && !S.PanelOpen);
        m.CommandUndo->SetEnabled(open && S.UndoAvailable);
        m.CommandViewPriority->SetEnabled(open && S.PriorityCount > 1);
        m.CommandViewChoice->SetEnabled(open);
        m.CommandInfoHide->SetEnabled(open && S.FrameKey == FrameId::InfoFrame);
        m.CheckEasyProcess->SetEnabled(open ? S.SelKind == 0 : noPanel && S.EasyProcessMode);
    }
    // The folder dialog's OK follows what it has been given to choose, not merely that it is open.
    RefreshMoveOK();
    m.CommandActionBrowse->SetEnabled(NeedsDestination(EditedAction()) && !S.MoveDestinationMode);
}

void SetButPicture() {
    FrmMain& m = frmMain();
    m.CommandHelp->SetPicture(Face(0));
    m.CommandRun->SetPicture(Face(0));
    m.CommandSelection->SetPicture(Face(S.SelKind != 0 || S.HasSelection == 1 ? 5 : 0));
    m.CommandRenameCriteria->SetPicture(Face(S.CriteriaCount > 0 ? 5 : 0));
    m.CommandRigidity->SetPicture(Face(S.OptionsNonDefault == 1 ? (S.AllowSystemFolders ? 3 : 5) : 0));
    int action = 0;
    if (S.ReviewMode != 0)
        action = 4;
    else if (CurrentAction() == Action::Delete)
        action = 3;
    else if (CurrentAction() != Action::Rename)
        action = 5;
    m.CommandAction->SetPicture(Face(action));
    const int job = JobFace();
    m.CommandJob->SetPicture(Face(job));
    m.CommandSingleProcess->SetPicture(Face(job));
    const Colour colour = job == 4 ? kBlue : job == 3 ? kDarkRed : kGreen;
    m.LabelJob->SetForeColor(colour);
    m.LabelSingleProcess->SetForeColor(colour);
    if (S.ViewLocked && !S.PanelKey.isEmpty()) {
        CommandButton* open = nullptr;
        if ((S.PanelKey == PanelId::Family))
            open = m.CommandRun;
        else if ((S.PanelKey == PanelId::Selection))
            open = m.CommandSelection;
        else if ((S.PanelKey == PanelId::Action))
            open = m.CommandAction;
        else if ((S.PanelKey == PanelId::Options))
            open = m.CommandRigidity;
        else if ((S.PanelKey == PanelId::Help))
            open = m.CommandHelp;
        if (open)
            open->SetPicture(Face(6));
    }
}

void SetButPriorityFrame() {
    FrmMain& m = frmMain();
    m.ComboPriority1st->SetListIndex(S.PriorityChoiceIndex1);
    m.ComboPriority2nd->SetListIndex(S.PriorityChoiceIndex2);
    m.ComboPriority3rd->SetListIndex(S.PriorityChoiceIndex3);
    S.PriorityFrameDue = false;
    m.LabelPriorityInfo3->SetVisible(false);
}

void SetButShowFrame() {
    FrmMain& m = frmMain();
    Frame* shown = m.FrameView;
    if (const std::optional<FrameId> key = S.FrameKey.id()) {
        switch (*key) {
            case FrameId::AboutFrame:
                SetButAboutInfo();
                shown = m.FrameAbout;
                break;
            case FrameId::ChoiceFrame:
                shown = m.FrameChoice;
                break;
            case FrameId::InfoFrame:
                shown = m.FrameInfo;
                break;
            case FrameId::PriorityFrame:
                SetButPriorityFrame();
                shown = m.FramePriority;
                break;
            case FrameId::ViewFrame:
                break;
        }
    }
    for (Frame* f : {m.FrameAbout, m.FrameChoice, m.FrameInfo, m.FramePriority, m.FrameView})
        if (f != shown)
            f->SetVisible(false);
    shown->SetVisible(true);
    S.ShowFramePending = false;
}

bool DestinationChosen() {
    return S.DestPathChosen && S.DestPath != S.WorkPath;
}

void SetButAction() {
    FrmMain& m = frmMain();
    const int review = S.ReviewModePending != S.ReviewMode ? 1 : 0;
    const int action = S.EditActionIndex != S.ActionIndex ? 1 : 0;
    const int attribute = S.EditActionAttribute != S.ActionAttribute ? 1 : 0;
    bool ok = false;
    const Action e = EditedAction();
    if (NeedsDestination(e))
        ok = DestinationChosen();
    else if (e == Action::SetAttribute)
        ok = S.EditActionAttribute != 0 && review + attribute > 0;
    else
        ok = review + action > 0;
    m.CommandActionOK->SetEnabled(ok);
    m.CommandActionOK->SetPicture(Face(S.ReviewModePending == 1 ? 4 : e == Action::Delete ? 3 : 0));
}

void SetButSingleProcess() {
    FrmMain& m = frmMain();
    if (!S.EasyProcessMode) {
        S.EasyFileIndex = -1;
        m.File2->Refresh();
        m.File2->SetListIndex(-1);
        m.TextSingleProcessName->SetText(QString());
        m.TextSingleProcessExt->SetText(QString());
    } else {
        m.CommandClearSelection->SetEnabled(false);
        m.CommandClearRename->SetEnabled(false);
        m.TextSingleProcessName->SetTabIndex(0);
        m.TextSingleProcessExt->SetTabIndex(1);
    }
    m.CheckSingleSpace->SetValue(0);
    m.CheckSingleSpace->SetEnabled(false);
    for (TextBox* t : {m.TextSingleProcessName, m.TextSingleProcessExt}) {
        t->SetBackColor(kLightGrey);
        t->SetEnabled(false);
    }
    m.SingleProcessLabels(false);
    for (Control* c : std::initializer_list<Control*>{m.File2, m.FrameSingleCancel, m.FrameSingleProcess})
        c->SetVisible(S.EasyProcessMode);
    m.LabelSpaceNeed->SetVisible(false);
    for (Control* c :
         std::initializer_list<Control*>{m.File1, m.List1, m.FramePreview, m.FrameJob, m.FrameUndo})
        c->SetVisible(!S.EasyProcessMode);
    m.LabelSingleReady->SetVisible(false);
    m.CommandSingleProcess->SetEnabled(false);
}

void SetButRigidity() {
    FrmMain& m = frmMain();
    m.CommandRigidityOK->SetPicture(Face(m.CheckAllowSystemRigid->Value() == 1 ? 3 : 0));
    m.CommandRigidityOK->SetEnabled(S.OptionsCodePending != S.OptionsCode);
    m.CommandRigidityDefault->SetEnabled(S.OptionsCode != 3);
}

void SetButPriority() {
    FrmMain& m = frmMain();
    const QString a = m.ComboPriority1st->Text(), b = m.ComboPriority2nd->Text(),
                  c = m.ComboPriority3rd->Text();
    if (a == b || b == c || a == c) {
        m.LabelPriorityInfo3->SetVisible(true);
        m.LabelPriorityInfo4->SetVisible(false);
        m.CommandPriorityOK->SetEnabled(false);
        S.PriorityFrameDue = true;
    } else if (a == S.PrioritySlot1 && b == S.PrioritySlot2 && c == S.PrioritySlot3) {
        m.LabelPriorityInfo3->SetVisible(false);
        m.LabelPriorityInfo4->SetVisible(false);
        m.CommandPriorityOK->SetEnabled(false);
    } else {
        m.LabelPriorityInfo3->SetVisible(false);
        m.LabelPriorityInfo4->SetVisible(true);
        m.CommandPriorityOK->SetEnabled(true);
        S.PriorityFrameDue = true;
    }
}

void SetButCaptionMain() {
    FrmMain& m = frmMain();
    m.ImageHelpDefault->SetPicture(FromArray(&FrmBut::ImageHelp, 0));
    if (S.UserName.isEmpty())
        S.UserName = QStringLiteral("Amblet");
    m.SetCaption(S.UserName == QLatin1String("Amblet") ? S.ProgName
                                                       : S.ProgName + QStringLiteral(" - ") + S.UserName);
}

void SetButDir() {
    FrmMain& m = frmMain();
    const bool free = !S.PanelOpen && !S.ReadyToFinalize;
    const bool folders = free;
    const bool files = !S.PanelOpen;
    for (Control* c : std::initializer_list<Control*>{m.Drive1, m.Dir1}) {
        c->SetEnabled(folders);
        c->SetBackColor(folders ? kLightGrey : kGrey);
    }
    m.File1->SetEnabled(files);
    m.File1->SetBackColor(files ? kLightGrey : kGrey);
    m.FrameHome->SetVisible(free);
    m.FrameDirDisableInfo->SetVisible(!free);
    m.LabelDirDisableInfo->SetVisible(!free);
    if (S.PanelOpen)
        m.LabelDirDisableInfo->SetCaption(
            QStringLiteral("Drive, Directory and File box.\r\n\r\nWill be Activated "
                           "after finishing your work at hand."));
    else if (S.ReadyToFinalize)
        m.LabelDirDisableInfo->SetCaption(QStringLiteral(
            "Drive and Directory box.\r\n\r\nWill be Activated on completion or cancellation of Action."));
    if (!free)
        return;
    m.CommandGoToStart->SetEnabled(true);
    m.ImageGoBack->SetEnabled(S.FolderHistoryPos != 0);
    m.ImageGoBack->SetPicture(FromArray(&FrmBut::ImageBack, S.FolderHistoryPos >= 1 ? 0 : 2));
    const bool forward = S.FolderHistoryCount != S.FolderHistoryPos;
    m.ImageGoForward->SetEnabled(forward);
    m.ImageGoForward->SetPicture(FromArray(&FrmBut::ImageForward, forward ? 0 : 2));
}

void SetButAboutInfo() {
    FrmMain& m = frmMain();
    if (!S.JobBusy) {
        m.LabelAboutProgName->SetCaption(S.ProgName);
        m.LabelAboutProgVersion->SetCaption(S.ProgVersion);
    } else {
        m.LabelAboutProgName->SetCaption(QStringLiteral("Please Wait"));
        m.LabelAboutProgVersion->SetCaption(QString());
        m.LabelAboutInfo->SetCaption(QStringLiteral("Working..."));
    }
}

void SetButInfo() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const LittleHelpTexts t = LittleHelp();
    Label* lines[] = {m.LabelInfo1, m.LabelInfo2, m.LabelInfo3, m.LabelInfo4};
    for (int i = 0; i < 4; ++i) lines[i]->SetCaption(t.info[static_cast<size_t>(i)]);
    m.FitLittleHelp();
    m.LabelSpaceFree->SetCaption(t.spaceFree);
    m.LabelHelpOption->SetCaption(t.head);
    m.FramePriInfo->SetCaption(t.priority);
    m.LabelSelectFile->SetCaption(t.selection);
    m.LabelFileNum->SetCaption(t.fileNum);
    m.LabelListFile->SetCaption(t.listHead);
    m.LabelInfoReset->SetVisible(t.resetVisible);
    m.ShowWholeTexts();
}

void SetButStatusPicture() {
    int n = 0;
    if (S.ReviewMode == 1)
        n = 4;
    else if (CurrentAction() == Action::Delete || S.AllowSystemFolders)
        n = 3;
    else if (S.SpaceOn + S.CaseOn + S.ExtensionOn + S.HandleOn + S.NonDefaultCount + S.SelectedCount +
                     S.OptionsNonDefault >
                 0 ||
             S.EasyProcessMode)
        n = 1;
    frmMain().PictureStatus->SetPicture(FromArray(&FrmBut::ImageShow, n));
}

void SetButFinalize() {
    if (!S.ReadyToFinalize)
        return;
    static const char* words[][2] = {{"Rename", "Rename"},
                                     {"Copy.", "Rename And Copy"},
                                     {"Copy.", "Copy And Rename"},
                                     {"Move.", "Move And Rename"},
                                     {"Copy.", "Copy"},
                                     {"Move", "Move"},
                                     {"Delete.", "Delete"},
                                     {"", ""}};
    const int i = IndexOf(CurrentAction());
    const QString word = QLatin1String(words[i][0]), text = QLatin1String(words[i][1]);
    FrmMain& m = frmMain();
    m.LabelInfo1->SetCaption(QStringLiteral("To ") + text + QStringLiteral(" please press :- ") + word);
    m.LabelInfo2->SetCaption(QStringLiteral("To Cancel please press :- Cancel."));
    m.LabelInfo3->SetCaption(QStringLiteral("You must ") + text +
                             QStringLiteral(" files or Cancel it to continue."));
}

void SetButInfoFrames() {
    FrmMain& m = frmMain();
    const bool renaming = !S.EasyProcessMode && Renames(CurrentAction());
    m.FrameRenInfo->SetVisible(renaming);
    m.FramePriInfo->SetVisible(renaming && S.PriorityCount > 1);
}

void SetButChoicePicture() {
    FrmMain& m = frmMain();
    if (!S.UserPicPath.isEmpty()) {
        try {
            m.ImageUser->SetPicture(LoadPicture(S.UserPicPath));
            m.FrameChoice->SetCaption(QStringLiteral("Wendral"));
            m.FrameView->SetCaption(S.UserPicCaption);
            m.ImageChoiceDefault->SetPicture(m.ImageUser->GetPicture());
            return;
        } catch (const PlatformError&) {
            // Gone or unreadable: the profile forgets it, without a message.
            S.UserPicPath.clear();
            S.UserPicCaption.clear();
        }
    }
    m.FrameView->SetCaption(QString());
    m.ImageChoiceDefault->SetPicture(DefaultUserPicture());
    m.FrameChoice->SetCaption(QStringLiteral("Your picture here? press Pembrit"));
}

void SetCriteriaDialogPictures() {
    FrmRen& r = frmRen();
    if (!r.Loaded())
        return;
    for (CommandButton* b : {r.CommandOK, r.CommandCancel}) {
        if (!b)
            continue;
        b->SetPicture(Face(0));
        b->SetDownPicture(Face(1));
    }
}

void SetFolderDialogPictures() {
    FrmMove& d = frmMoveAsIs();
    if (!d.Loaded())
        return;
    auto put = [](std::initializer_list<CommandButton*> buttons, int disabled) {
        for (CommandButton* b : buttons) {
            if (!b)
                continue;
            b->SetPicture(Face(0));
            b->SetDownPicture(Face(1));
            if (disabled >= 0)
                b->SetDisabledPicture(Face(disabled));
        }
    };
    put({d.CommandActionMoveCreateNew, d.CommandActionMoveCreateCancel, d.CommandActionMoveDelete,
         d.CommandActionMoveRename, d.CommandActionMoveBrowseAgain, d.CommandActionMoveCancel},
        -1);
    put({d.CommandActionMoveCreateOK, d.CommandActionMoveRenameOK, d.CommandActionMoveDefault,
         d.CommandActionMoveOK},
        2);
}

void SetButPictures() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.FrameShowRun->SetVisible(S.RunListLast != -1);
    // The button faces: picture, pressed picture, disabled picture (-1: the platform's own look).
    struct Faces {
        std::initializer_list<CommandButton*> buttons;
        int picture, down, disabled;
    };
    const Faces faces[] = {
        {{m.CommandGoToStart, m.CommandGoodbye, m.CommandRun}, 0, 1, 2},
        {{m.CommandFileSize}, 8, 1, 2},
        {{m.CommandClearSelection, m.CommandClearAction, m.CommandClearRename, m.CommandClearRigidity,
          m.CommandResetAll},
         9,
         1,
         2},
        {{m.CommandPreview, m.CommandJob, m.CommandReject, m.CommandUndo}, 8, 1, 2},
        {{m.CommandSelection, m.CommandAction, m.CommandRenameCriteria, m.CommandRigidity,
          m.CommandRigidityDefault, m.CommandRigidityOK, m.CommandRigidityCancel, m.CommandHelp,
          m.CommandPriorityDefault, m.CommandPriorityOK, m.CommandRunOK, m.CommandSelectionOK,
          m.CommandActionBrowse, m.CommandActionOK, m.CommandViewChoice, m.CommandViewPriority,
          m.CommandChoiceSetName, m.CommandChoiceSetPic},
         0,
         1,
         2},
        {{m.CommandRunCancel, m.CommandSelectionCancel, m.CommandActionCancel, m.CommandHelpAbout,
          m.CommandHelpWebSite, m.CommandHelpShow, m.CommandHelpCancel, m.CommandViewInfo},
         0,
         1,
         -1},
        {{m.CommandSingleProcess}, 8, 1, 2},
        {{m.CommandSingleCancel}, 8, 1, -1},
        {{m.CommandInfoHide}, 7, 1, 2},
        {{m.CommandChoiceHide, m.CommandPriorityHide}, 7, 1, -1},
    };
    auto put = [](const Faces& f) {
        for (CommandButton* b : f.buttons) {
            if (!b)
                continue;
            b->SetPicture(Face(f.picture));
            b->SetDownPicture(Face(f.down));
            if (f.disabled >= 0)
                b->SetDisabledPicture(Face(f.disabled));
        }
    };
    for (const Faces& f : faces) put(f);
    m.ImageGoBack->SetEnabled(S.FolderHistoryPos != 0);
    m.ImageGoBack->SetPicture(FromArray(&FrmBut::ImageBack, S.FolderHistoryPos >= 1 ? 0 : 2));
    m.ImageGoForward->SetEnabled(false);
    m.ImageGoForward->SetPicture(FromArray(&FrmBut::ImageForward, 2));
    // The criteria dialog and the folder dialog.
    // A criteria dialog left for later takes its faces once it is built.
    if (!frmRenAsIs().LoadPending())
        SetCriteriaDialogPictures();
    // A folder dialog left for later takes its faces once it is built.
    if (!frmMoveAsIs().LoadPending())
        SetFolderDialogPictures();
    m.CommandClearRigidity->SetEnabled(false);
    m.FrameShowRun->SetVisible(S.RunListLast != -1);
    SetButCaptionMain();
    SetButChoicePicture();
    SetButDir();
    if (S.FirstStart || S.HelpAtStart) {
        S.FrameKey = FrameId::InfoFrame;
        SetButInfo();
        SetButShowFrame();
    }
    m.PictureStatus->SetPicture(FromArray(&FrmBut::ImageShow, 0));
    // Every button and frame in its first state.
    S.SetButKey = SetButId::setButGlobal;
    SetButtons();
}

}  // namespace qv::panels
