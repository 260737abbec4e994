#include "mainwindow/frm_move.h"

#include <QDir>
#include <QTimer>
#include <utility>
#include <vector>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "core/windows.h"
#include "forms/forms_fit.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"
#include "mainwindow/picture_chooser.h"
#include "platform/services.h"

namespace qv {

namespace {

constexpr Colour kListBack = 0xC0C0C0;
constexpr Colour kListLocked = 0x808080;

// The picture buttons of this dialog show their text on a label lying over them; the label follows the
// button's visibility and enabled state, and a click on it is a click on the button.
std::vector<std::pair<CommandButton*, Label*>>& Faces() {
    static std::vector<std::pair<CommandButton*, Label*>> faces;
    return faces;
}

Label* FaceOf(const CommandButton* b) {
    for (const auto& [button, label] : Faces())
        if (button == b)
            return label;
    return nullptr;
}

void ShowButton(CommandButton* b, bool shown) {
    b->SetVisible(shown);
    if (Label* face = FaceOf(b))
        face->SetVisible(shown);
}

void EnableButton(CommandButton* b, bool enabled) {
    b->SetEnabled(enabled);
    if (Label* face = FaceOf(b))
        face->SetEnabled(enabled);
}

void ShowPath(TextBox* box, const QString& path) {
    box->SetText(path);
    box->SetBorderStyle(path.isEmpty() ? 0 : 1);
}

void EnableFolderLists(FrmMove& f, bool enabled) {
    for (Control* c : {static_cast<Control*>(f.Drive1), static_cast<Control*>(f.Dir1)}) {
        c->SetEnabled(enabled);
        c->SetBackColor(enabled ? kListBack : kListLocked);
    }
}

// The first of these folders the list can open; false when none can be.
bool OpenFirst(DirListBox* dir, std::initializer_list<QString> candidates) {
    for (const QString& path : candidates) {
        if (path.isEmpty())
            continue;
        try {
            dir->SetPath(path);
            return true;
        } catch (const PlatformError&) {
        }
    }
    return false;
}

// A refused key is explained once the typing pauses: a box shown at once would take the focus and
// with it the keys that follow. Pauses shorter than this are keys of one run.
constexpr int kTypingPauseMs = 700;

void ExplainRefusal(TextBox* box, const std::weak_ptr<void>& alive) {
    RefuseFolderName();
    if (!alive.expired() && box->EffectivelyVisible() && box->EffectivelyEnabled())
        box->SetFocus();
}

QTimer* RefusalPause(TextBox* box, bool make) {
    QTimer* timer = ControlTimer(*box, QStringLiteral("RefusalPause"), kTypingPauseMs, false);
    if (timer || !make)
        return timer;
    timer = ControlTimer(*box, QStringLiteral("RefusalPause"), kTypingPauseMs, true);
    if (!timer)
        return nullptr;
    QObject::connect(timer, &QTimer::timeout, timer, [box, alive = box->LifeToken()] {
        // A box closed meanwhile (the folder made, the dialog left) has nothing left to explain.
        if (!alive.expired() && box->EffectivelyVisible())
            ExplainRefusal(box, alive);
    });
    return timer;
}

// The key rule of the two folder-name boxes. Enter runs `enter` when the box holds a name.
void FolderNameKey(TextBox* box, int& keyAscii, void (FrmMove::*enter)()) {
    QTimer* pause = RefusalPause(box, false);
    // Still typing: the explanation waits for the pause.
    if (keyAscii != 13 && pause && pause->isActive())
        pause->start();
    if (keyAscii == 8)
        return;
    if (keyAscii == 13) {
        keyAscii = 0;
        // The name is not used before the user has been told what was left out of it.
        if (pause && pause->isActive()) {
            pause->stop();
            ExplainRefusal(box, box->LifeToken());
            return;
        }
        if (!box->Text().isEmpty())
            (frmMove().*enter)();
        return;
    }
    if (keyAscii > 0 && keyAscii < 0x10000 && IsFolderNameLetter(QChar(keyAscii)))
        return;
    keyAscii = 0;
    if ((pause = RefusalPause(box, true)))
        pause->start();
    else
        RefuseFolderName();
}

// A text that arrived without KeyPress (a paste): what breaks the rule is taken out again. True when
// the box had to be rewritten (its Change has run again with the clean text).
bool StripFolderName(TextBox* box) {
    const QString text = box->Text();
    QString clean;
    for (QChar c : text)
        if (IsFolderNameLetter(c))
            clean += c;
    if (clean == text)
        return false;
    box->SetText(clean);
    RefuseFolderName();
    return true;
}

void SetNullTag(SetNullId tag) {
    S.SetNullKey = tag;
    SetNullByTag();
}

void HideMoveForm(FrmMove& f) {
    f.Hide();
    SetApplicationModal(f, false);
}

}  // namespace

bool IsFolderNameLetter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

FrmMove::FrmMove() : Form(QStringLiteral("frmMove")) {}

void FrmMove::Design() {
    SetCaption(QStringLiteral("Set Destination"));
    // Narrow enough to stand beside the main window's left edge on the smallest screen (767 pixels).
    Move(216, 88, 540, 400);
    const QString create = QStringLiteral("FrameActionMoveCreate");
    const QString remove = QStringLiteral("FrameActionMoveRemove");
    const QString pic = QStringLiteral("FrameActionMovePic");
    // The faces of the picture buttons lie over them (a little lower, for the text's sake).
    Place({
        {&PictureMove, "PictureMove", "", 0, 0, 8, 8},
        {&LabelActionMoveHead, "LabelActionMoveHead", "", 8, 8, 360, 18, "Move to this Folder"},
        {&TextActionMovePath, "TextActionMovePath", "", 8, 28, 524, 22},
        {&LabelActionMoveBrowse, "LabelActionMoveBrowse", "", 8, 56, 160, 18, "Browse Folder"},
        {&Drive1, "Drive1", "", 8, 76, 160, 24},
        {&Dir1, "Dir1", "", 8, 104, 160, 220},
        {&CommandActionMoveCreateNew, "CommandActionMoveCreateNew", "", 176, 70, 130, 28},
        {&LabelActionMoveCreateNew, "LabelActionMoveCreateNew", "", 176, 76, 130, 22, "Create Folder"},
        {&LabelActionMoveSelectFile, "LabelActionMoveSelectFile", "", 176, 60, 356, 40,
         "Select picture. To look better make sure it's 180x120 pixel."},
        {&File1, "File1", "", 176, 104, 180, 220},

        {&FrameActionMoveCreate, "FrameActionMoveCreate", "", 176, 104, 356, 100, "Folder Name"},
        {&TextActionMoveCreate, "TextActionMoveCreate", create, 120, 360, 2520, 330},
        {&CommandActionMoveCreateOK, "CommandActionMoveCreateOK", create, 2700, 330, 1200, 420, "OK"},
        {&CommandActionMoveCreateCancel, "CommandActionMoveCreateCancel", create, 3990, 330, 1200, 420},
        {&LabelActionMoveCreateCancel, "LabelActionMoveCreateCancel", create, 3990, 420, 1200, 330, "Cancel"},

        {&FrameActionMoveRemove, "FrameActionMoveRemove", "", 176, 104, 356, 220},
        {&Label1, "Label1", remove, 120, 240, 5100, 1260,
         "You can Rename or Delete the Folder just created. To browse again please activate Directory and "
         "Drive box with Activate Directory button, but you will not be able to Delete or Rename the newly "
         "created Folder any more."},
        {&CommandActionMoveRename, "CommandActionMoveRename", remove, 120, 1560, 1500, 420},
        {&LabelActionMoveRename, "LabelActionMoveRename", remove, 120, 1650, 1500, 330, "Rename"},
        {&CommandActionMoveDelete, "CommandActionMoveDelete", remove, 1680, 1560, 1500, 420},
        {&LabelActionMoveDelete, "LabelActionMoveDelete", remove, 1680, 1650, 1500, 330, "Delete"},
        {&CommandActionMoveBrowseAgain, "CommandActionMoveBrowseAgain", remove, 3240, 1560, 1980, 420},
        {&LabelActionMoveBrowseAgain, "LabelActionMoveBrowseAgain", remove, 3240, 1650, 1980, 330,
         "Activate Directory"},
        {&LabelActionMoveNewName, "LabelActionMoveNewName", remove, 120, 2160, 1500, 270, "New Name"},
        {&TextActionMoveNewName, "TextActionMoveNewName", remove, 120, 2460, 3300, 330},
        {&CommandActionMoveRenameOK, "CommandActionMoveRenameOK", remove, 3540, 2400, 1200, 420},
        {&LabelActionMoveRenameOK, "LabelActionMoveRenameOK", remove, 3540, 2490, 1200, 330, "OK"},

        {&FrameActionMovePic, "FrameActionMovePic", "", 364, 104, 168, 220},
        {&ImageActionMoveUser, "ImageActionMoveUser", pic, 120, 240, 2280, 1520},
        {&LabelActionMoveUser, "LabelActionMoveUser", pic, 120, 1920, 2280, 270, "Picture Caption"},
        {&TextActionMoveUser, "TextActionMoveUser", pic, 120, 2250, 2280, 330},
        {&CommandActionMoveDefault, "CommandActionMoveDefault", "", 364, 330, 90, 28},
        {&LabelActionMoveDefault, "LabelActionMoveDefault", "", 364, 336, 90, 22, "Default"},

        {&LabelMoveSpaceFree, "LabelMoveSpaceFree", "", 8, 334, 350, 18},
        {&CommandActionMoveOK, "CommandActionMoveOK", "", 354, 362, 86, 28, "OK"},
        {&CommandActionMoveCancel, "CommandActionMoveCancel", "", 446, 362, 86, 28, "Cancel"},
    });
    PictureMove->SetBorderStyle(0);
    TextActionMovePath->SetLocked(true);
    TextActionMoveCreate->SetMaxLength(255);
    TextActionMoveNewName->SetMaxLength(255);
    LabelActionMoveSelectFile->SetWordWrap(true);
    Label1->SetWordWrap(true);
    ImageActionMoveUser->SetStretch(true);
    // Where the load puts the dialog.
    System& sys = systemServices();
    FitForm(*this, {.place = QPoint(sys.ScreenWidthTwips() < 13000 ? 216 : 236,
                                    sys.ScreenHeightTwips() < 10000 ? 68 : 88)});
    // A long path shows its end, the folder or picture chosen, and the whole on demand.
    TextActionMovePath->Change = [this] { ShowPathEnd(*TextActionMovePath, TextActionMovePath->Text()); };

    Faces().clear();
    for (auto [button, face] : std::initializer_list<std::pair<CommandButton*, Label*>>{
             {CommandActionMoveCreateNew, LabelActionMoveCreateNew},
             {CommandActionMoveCreateCancel, LabelActionMoveCreateCancel},
             {CommandActionMoveRename, LabelActionMoveRename},
             {CommandActionMoveDelete, LabelActionMoveDelete},
             {CommandActionMoveBrowseAgain, LabelActionMoveBrowseAgain},
             {CommandActionMoveRenameOK, LabelActionMoveRenameOK},
             {CommandActionMoveDefault, LabelActionMoveDefault}}) {
        face->SetAlignment(2);
        face->SetTransparent(true);
        face->Click = [b = button] {
            if (b->EffectivelyEnabled() && b->EffectivelyVisible() && b->Click)
                b->Click();
        };
        button->SetAccessibleName(face->Caption());
        Faces().emplace_back(button, face);
    }
    // Where a face alone would not say which of the dialog's buttons it is.
    CommandActionMoveCreateCancel->SetAccessibleName(QStringLiteral("Cancel Create Folder"));
    CommandActionMoveRenameOK->SetAccessibleName(QStringLiteral("Rename OK"));
    CommandActionMoveCreateOK->SetAccessibleName(QStringLiteral("Create OK"));
    // The focus rests on the pane after a click: it is read out as the window it stands for.
    PictureMove->SetAccessibleName(QStringLiteral("Folder dialog"));
    TextActionMovePath->SetAccessibleName(QStringLiteral("Chosen Folder or Picture"));
    TextActionMoveCreate->SetAccessibleName(QStringLiteral("New Folder Name"));
    TextActionMoveNewName->SetAccessibleName(QStringLiteral("New Name"));
    TextActionMoveUser->SetAccessibleName(QStringLiteral("Picture Caption"));
    Drive1->SetAccessibleName(QStringLiteral("Drive"));
    Dir1->SetAccessibleName(QStringLiteral("Browse Folder"));
    File1->SetAccessibleName(QStringLiteral("Picture File"));

    // Until a mode is prepared nothing but browsing is offered.
    for (Control* c : std::initializer_list<Control*>{FrameActionMoveCreate, FrameActionMoveRemove,
                                                      FrameActionMovePic, File1, LabelActionMoveSelectFile})
        c->SetVisible(false);
    ShowButton(CommandActionMoveDefault, false);
    CommandActionMoveOK->SetEnabled(false);
    EnableButton(CommandActionMoveCreateOK, false);

    Dir1->Change = [this] { Dir1_Change(); };
    Dir1->OpenRefused = [this](const QString& folder, const QString& error) {
        TellFolderNotOpened(*Dir1, folder, error);
    };
    Drive1->Change = [this] { Drive1_Change(); };
    File1->Click = [this] { File1_Click(); };
    File1->SetChooseByKey(true);  // the arrows walk the files; Enter or Space checks the picture
    CommandActionMoveOK->Click = [this] { CommandActionMoveOK_Click(); };
    CommandActionMoveCancel->Click = [this] { CommandActionMoveCancel_Click(); };
    CommandActionMoveCancel->SetCancel(true);
    CommandActionMoveDefault->Click = [this] {
        PictureMove->SetFocus();
        S.PictureDefaultChosen = true;
        PicChooseDefault();
    };
    TextActionMoveUser->Change = [this] { TextActionMoveUser_Change(); };
    CommandActionMoveCreateNew->Click = [this] {
        PictureMove->SetFocus();
        if (!S.MoveCreateMode) {
            S.MoveCreateMode = true;
            SetNullTag(SetNullId::setNullFramesActionMove);
        }
    };
    CommandActionMoveCreateCancel->Click = [this] {
        PictureMove->SetFocus();
        S.MoveCreateMode = false;
        SetNullTag(SetNullId::setNullFramesActionMove);
    };
    TextActionMoveCreate->Change = [this] { TextActionMoveCreate_Change(); };
    TextActionMoveCreate->KeyPress = [this](int& k) { TextActionMoveCreate_KeyPress(k); };
    CommandActionMoveCreateOK->Click = [this] { CommandActionMoveCreateOK_Click(); };
    CommandActionMoveRename->Click = [this] {
        PictureMove->SetFocus();
        if (!S.MoveRenameMode) {
            S.MoveRenameMode = true;
            SetNullTag(SetNullId::setNullFramesActionMove);
        }
    };
    TextActionMoveNewName->Change = [this] { TextActionMoveNewName_Change(); };
    TextActionMoveNewName->KeyPress = [this](int& k) { TextActionMoveNewName_KeyPress(k); };
    CommandActionMoveRenameOK->Click = [this] { CommandActionMoveRenameOK_Click(); };
    CommandActionMoveDelete->Click = [this] {
        PictureMove->SetFocus();
        ControlFormsDeleteFolder();
    };
    CommandActionMoveBrowseAgain->Click = [this] {
        PictureMove->SetFocus();
        S.MoveCreateMode = false;
        S.MoveRenameMode = false;
        S.MadeFolderCount = 0;
        SetNullTag(SetNullId::setNullFramesActionMove);
    };
}

void FrmMove::Dropped() {
    Faces().clear();
}

void FrmMove::Form_Load() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 1020 : 1320;
    const int left = sys.ScreenWidthTwips() < 13000 ? 3240 : 3540;
    Move(left / kTwipsPerPixel, top / kTwipsPerPixel, Width(), Height());
    PictureMove->SetBorderStyle(0);

    // Where the dialog would stand had it been built at start: the folder start-up left it on.
    loading_ = true;
    OpenFirst(Dir1, {S.MoveLastPath, WithoutTrailingSlash(S.StartFolder), QDir::currentPath()});
    loading_ = false;
    TextActionMovePath->SetText(S.StartFolder);
    TextActionMovePath->SetBorderStyle(1);
    ReadFreeSpace();
    LabelMoveSpaceFree->SetCaption(S.DestSpaceCaption.isEmpty() ? S.MoveSpaceCaption : S.DestSpaceCaption);
    CommandActionMoveOK->SetEnabled(MoveOKAllowed());
}

void FrmMove::Form_QueryUnload(int& cancel, int unloadMode) {
    // The window's close command is the dialog's Cancel; the dialog itself stays loaded.
    if (unloadMode == 0) {
        cancel = 1;
        CommandActionMoveCancel_Click();
    }
}

// The free space shown is that of the file system holding the folder on show.
void FrmMove::ReadFreeSpace() {
    try {
        GetPathDrive(Dir1->Path(), S.MoveDriveObject, S.MoveDriveLetter);
        S.MoveFreeKB = BytesToKB(fileSystem().AvailableSpace(S.MoveDriveObject));
    } catch (const PlatformError&) {
        S.MoveFreeKB = 0;
    }
    S.MoveSpaceCaption = SpaceCaption(S.MoveDriveLetter, S.MoveFreeKB);
    LabelMoveSpaceFree->SetCaption(S.MoveSpaceCaption);
}

void FrmMove::Dir1_Change() {
    const QString path = Dir1->Path();
    try {
        const SharedFolderRead shared;
        File1->SetPath(path);
    } catch (const PlatformError&) {
    }
    syncingDrive_ = true;
    try {
        Drive1->SetDrive(path);
    } catch (const PlatformError&) {
    }
    syncingDrive_ = false;
    ReadFreeSpace();
    if (S.MoveDestinationMode && !loading_) {
        const QString folder = WithTrailingSlash(path);
        // The whole system tree is refused, not only the system folder itself.
        if (!S.AllowSystemFolders && IsInSystemTree(folder)) {
            S.SystemFolderRefused = true;
            auto outside = [](const QString& p) { return p.isEmpty() || IsInSystemTree(p) ? QString() : p; };
            // Back where the user was; the handler runs again there and tells why.
            if (OpenFirst(Dir1,
                          {WithoutTrailingSlash(outside(S.DestPathPending)), outside(S.MoveLastPath),
                           WithoutTrailingSlash(outside(S.WorkPath)), WithoutTrailingSlash(S.StartFolder)}))
                return;
        } else {
            S.DestPathPending = folder;
        }
        const bool away = S.DestPathPending != S.WorkPath;
        LabelActionMoveHead->SetCaption(away ? S.DestLabelText : QString());
        ShowPath(TextActionMovePath, away ? S.DestPathPending : QString());
        RefreshMoveOK();
    }
    ReportSystemFolderRefused();
}

void FrmMove::Drive1_Change() {
    if (syncingDrive_)
        return;
    FolderListsTakeDrive(*Drive1, *Dir1, S.MoveDriveObject, S.MoveDriveLetter);
}

void FrmMove::File1_Click() {
    if (!S.MovePictureMode || S.MoveListRefreshing)
        return;
    S.PictureDefaultChosen = false;
    PicChoosePreview();
}

void FrmMove::TextActionMoveUser_Change() {
    S.PictureCaptionPending = TextActionMoveUser->Text();
    if (S.MovePictureMode) {
        S.PictureChoiceMade = true;
        RefreshMoveOK();
    }
}

void FrmMove::TextActionMoveCreate_Change() {
    if (StripFolderName(TextActionMoveCreate))
        return;
    EnableButton(CommandActionMoveCreateOK, !TextActionMoveCreate->Text().isEmpty());
}

void FrmMove::TextActionMoveCreate_KeyPress(int& keyAscii) {
    FolderNameKey(TextActionMoveCreate, keyAscii, &FrmMove::CommandActionMoveCreateOK_Click);
}

void FrmMove::TextActionMoveNewName_Change() {
    if (StripFolderName(TextActionMoveNewName))
        return;
    EnableButton(CommandActionMoveRenameOK, !TextActionMoveNewName->Text().isEmpty());
}

void FrmMove::TextActionMoveNewName_KeyPress(int& keyAscii) {
    FolderNameKey(TextActionMoveNewName, keyAscii, &FrmMove::CommandActionMoveRenameOK_Click);
}

void FrmMove::CommandActionMoveCreateOK_Click() {
    PictureMove->SetFocus();
    ControlFormsCreateFolder(S.DestPathPending, TextActionMoveCreate->Text());
}

void FrmMove::CommandActionMoveRenameOK_Click() {
    PictureMove->SetFocus();
    ControlFormsRenameFolder();
}

void FrmMove::CommandActionMoveOK_Click() {
    PictureMove->SetFocus();
    if (!MoveOKAllowed())
        return;
    if (S.MovePictureMode) {
        const bool applied = S.PictureDefaultChosen ? (PicChooseOK(), true) : PicApplyUser();
        // A choice that could not be applied leaves the chooser open for another.
        if (!applied)
            return;
        S.MoveListRefreshing = true;
        File1->SetListIndex(-1);
        File1->Refresh();
        S.MoveListRefreshing = false;
        S.MovePictureMode = false;
        S.PictureChoiceMade = false;
        HideMoveForm(*this);
        S.SetButKey = SetButId::setButFrame;
        SetButtons();
        return;
    }
    // Destination mode: the browsed folder becomes the destination only now.
    S.DestPath = S.DestPathPending;
    S.DestPathChosen = true;
    S.DestPathUpper = S.DestPath;
    S.DestPathCommitted = S.DestPath;
    S.DestInSystemFolder = IsInSystemTree(S.DestPath);
    S.MoveLastPath = Dir1->Path();
    S.DestFreeKB = S.MoveFreeKB;
    S.DestSpaceCaption = S.MoveSpaceCaption;
    windows().SetText(WindowText::SpaceFree, S.DestSpaceCaption);
    S.MoveDestinationMode = false;
    S.MoveCreateMode = S.MoveRenameMode = false;
    HideMoveForm(*this);
    SetValueByKey();
}

void FrmMove::CommandActionMoveCancel_Click() {
    PictureMove->SetFocus();
    TextActionMoveCreate->SetText(QString());
    if (S.MovePictureMode) {
        S.MovePictureMode = false;
        S.PicturePathPending.clear();
        S.PictureCaptionPending.clear();
        S.PictureFolderPending.clear();
        S.PictureFilePending.clear();
        S.MoveListRefreshing = true;
        File1->SetListIndex(-1);
        S.MoveListRefreshing = false;
        ShowPath(TextActionMovePath, QString());
        ImageActionMoveUser->SetPicture(Picture());
        PicChooseCancel();
        S.PictureChoiceMade = false;
        HideMoveForm(*this);
        S.SetButKey = SetButId::setButFrame;
        SetButtons();
        return;
    }
    if (S.MoveDestinationMode) {
        OpenFirst(Dir1,
                  {S.MoveLastPath, WithoutTrailingSlash(S.WorkPath), WithoutTrailingSlash(S.StartFolder)});
        S.DestPathPending = S.DestPath;
        S.MadeFolders = QStringList{QString()};
        if (S.MadeFolderCount > 0) {
            S.MadeFolderCount = 0;
            EnableFolderLists(*this, true);
        }
        S.MoveCreateMode = S.MoveRenameMode = false;
        S.MoveDestinationMode = false;
        HideMoveForm(*this);
        // The Action panel stays open with the committed action chosen again.
        S.EditActionIndex = S.ActionIndex;
        SetNullTag(SetNullId::setNullIndexAction);
        S.SetButKey = SetButId::setButOnlyActiveness;
        SetButtons();
        return;
    }
    HideMoveForm(*this);
}

FrmMove& frmMoveAsIs() {
    static FrmMove form;
    return form;
}

FrmMove& frmMove() {
    FrmMove& form = frmMoveAsIs();
    form.FinishLoad();
    return form;
}

bool MoveOKAllowed() {
    if (S.MovePictureMode)
        return S.PictureChoiceMade;
    if (S.MoveDestinationMode)
        return !S.DestPathPending.isEmpty() && S.DestPathPending != S.WorkPath &&
               (S.AllowSystemFolders || !IsInSystemTree(S.DestPathPending));
    return false;
}

void RefreshMoveOK() {
    // A dialog still to be built takes its state at its load.
    FrmMove& f = frmMoveAsIs();
    if (f.Loaded() && f.CommandActionMoveOK)
        f.CommandActionMoveOK->SetEnabled(MoveOKAllowed());
}

void PrepareMoveForm() {
    FrmMove& f = frmMove();
    f.Load();
    S.MadeFolderCount = 0;
    S.MadeFolders.clear();
    S.MoveCreateMode = S.MoveRenameMode = false;
    S.MoveSpaceCaption = S.DestSpaceCaption;
    S.MoveFreeKB = S.DestFreeKB;
    f.LabelMoveSpaceFree->SetCaption(S.MoveSpaceCaption);
    // Writes to the file list below are the program's, not the user's.
    S.MoveListRefreshing = true;
    f.ImageActionMoveUser->SetPicture(Picture());
    f.TextActionMoveUser->SetText(QString());

    const bool picture = S.MovePictureMode && !S.MoveDestinationMode;
    QString caption, head, pathText;
    if (!picture) {
        caption = QStringLiteral("Set Destination");
        S.DestPathPending = S.DestPath;
        // On the committed destination, not wherever the picture chooser was left; with none chosen yet
        // the list opens on the work folder.
        const QString open = panels::DestinationChosen() ? WithoutTrailingSlash(S.DestPath) : S.WorkDirPath;
        OpenFirst(f.Dir1, {open, WithoutTrailingSlash(S.WorkPath), WithoutTrailingSlash(S.StartFolder)});
        S.DestPathPending = WithTrailingSlash(f.Dir1->Path());
        if (S.DestPathPending != S.WorkPath) {
            head = S.DestLabelText;
            pathText = S.DestPathPending;
        }
    } else {
        S.PicturePathPending = S.UserPicPath;
        caption = S.UserPicPath.isEmpty() ? QStringLiteral("Set Picture") : QStringLiteral("Change Picture");
        pathText = S.UserPicPath;
        S.PictureFilePending = S.UserPicFile;
        S.PictureCaptionPending = S.UserPicCaption;
        S.PictureFolderPending = S.UserPicFolder.isEmpty() ? S.WorkPath : WithTrailingSlash(S.UserPicFolder);
        OpenFirst(f.Dir1, {WithoutTrailingSlash(S.PictureFolderPending), WithoutTrailingSlash(S.WorkPath),
                           WithoutTrailingSlash(S.StartFolder)});
    }
    // Reopened on the folder it was left on, the lists are not read again by the path alone: files and
    // folders made or removed meanwhile would be missing or still listed.
    f.Dir1->Refresh();
    try {
        f.File1->SetPath(f.Dir1->Path());
    } catch (const PlatformError&) {
    }
    f.File1->Refresh();
    f.SetCaption(caption);
    EnableFolderLists(f, true);

    f.File1->SetVisible(picture);
    f.LabelActionMoveSelectFile->SetVisible(picture);
    ShowButton(f.CommandActionMoveDefault, picture);
    f.LabelMoveSpaceFree->SetVisible(!picture);
    ShowButton(f.CommandActionMoveCreateNew, !picture);
    f.FrameActionMoveCreate->SetVisible(false);
    f.FrameActionMoveRemove->SetVisible(false);

    bool pictureShown = false;
    EnableButton(f.CommandActionMoveDefault, true);
    if (picture && !S.PictureFolderPending.isEmpty() && !S.PictureFilePending.isEmpty()) {
        int found = -1;
        for (int i = 0; i < f.File1->ListCount(); ++i)
            if (f.File1->List(i) == S.PictureFilePending)
                found = i;
        if (found >= 0) {
            f.File1->SetListIndex(found);
            head = QStringLiteral("Picture File");
            f.TextActionMoveUser->SetText(S.PictureCaptionPending);
        }
        EnableButton(f.CommandActionMoveDefault, found >= 0);
        // A stored picture that is gone or no longer readable shows nothing.
        try {
            f.ImageActionMoveUser->SetPicture(LoadPicture(S.PicturePathPending));
            pictureShown = found >= 0;
        } catch (const PlatformError&) {
        }
    }
    f.LabelActionMoveHead->SetCaption(head);
    ShowPath(f.TextActionMovePath, pathText);
    f.FrameActionMovePic->SetVisible(pictureShown);

    S.PictureChoiceMade = false;
    RefreshMoveOK();
    S.MoveListRefreshing = false;
}

void ShowMoveForm() {
    FrmMove& f = frmMove();
    f.Load();
    if (!f.Visible() && f.Loaded()) {
        SetApplicationModal(f, true);
        FrmMain& m = frmMain();
        if (m.Loaded())
            SetTransientFor(f, m);
    }
    f.Show();
    f.PictureMove->SetFocus();
}

void ShowMoveFrames() {
    FrmMove& f = frmMove();
    if (!f.Loaded())
        return;
    EnableFolderLists(f, true);
    f.FrameActionMoveCreate->SetVisible(false);
    f.FrameActionMoveRemove->SetVisible(false);
    f.LabelActionMoveNewName->SetVisible(false);
    f.TextActionMoveNewName->SetVisible(false);
    ShowButton(f.CommandActionMoveRenameOK, false);
    EnableButton(f.CommandActionMoveCreateOK, false);
    EnableButton(f.CommandActionMoveRenameOK, false);
    if (S.MoveCreateMode) {
        if (S.MadeFolderCount == 0)
            S.MadeFolders = QStringList{WithoutTrailingSlash(S.DestPathPending)};
        // A folder made inside the last one keeps the chain: no browsing away meanwhile.
        else
            EnableFolderLists(f, false);
        f.FrameActionMoveCreate->SetVisible(true);
        EnableButton(f.CommandActionMoveCreateOK, !f.TextActionMoveCreate->Text().isEmpty());
        f.TextActionMoveCreate->SetFocus();
    } else if (S.MadeFolderCount > 0) {
        EnableFolderLists(f, false);
        f.FrameActionMoveRemove->SetVisible(true);
        if (S.MoveRenameMode) {
            f.LabelActionMoveNewName->SetVisible(true);
            f.TextActionMoveNewName->SetVisible(true);
            ShowButton(f.CommandActionMoveRenameOK, true);
            EnableButton(f.CommandActionMoveRenameOK, !f.TextActionMoveNewName->Text().isEmpty());
            f.TextActionMoveNewName->SetFocus();
        }
    }
}

}  // namespace qv
