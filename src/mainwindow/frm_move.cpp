#include "mainwindow/frm_move.h"

#include <QDir>

#include "core/folders.h"
#include "core/message.h"
#include "core/state.h"
#include "mainwindow/control_forms.h"
#include "platform/services.h"

namespace qv {

FrmMove::FrmMove() : Form(QStringLiteral("frmMove")) {}

void FrmMove::Design() {
    SetCaption(QStringLiteral("Browse Folder"));
    Move(216, 88, 560, 380);
    PictureMove = Add<PictureBox>(QStringLiteral("PictureMove"));
    PictureMove->Move(0, 0, 8, 8);
    PictureMove->SetBorderStyle(0);
    LabelActionMoveHead = Add<Label>(QStringLiteral("LabelActionMoveHead"));
    LabelActionMoveHead->SetCaption(QStringLiteral("Move to this Folder"));
    LabelActionMoveHead->Move(8, 8, 540, 18);
    TextActionMovePath = Add<TextBox>(QStringLiteral("TextActionMovePath"));
    TextActionMovePath->Move(8, 28, 540, 22);
    TextActionMovePath->SetLocked(true);
    Drive1 = Add<DriveListBox>(QStringLiteral("Drive1"));
    Drive1->Move(8, 60, 160, 24);
    Dir1 = Add<DirListBox>(QStringLiteral("Dir1"));
    Dir1->Move(8, 88, 160, 220);
    File1 = Add<FileListBox>(QStringLiteral("File1"));
    File1->Move(176, 88, 180, 220);
    TextActionMoveCreate = Add<TextBox>(QStringLiteral("TextActionMoveCreate"));
    TextActionMoveCreate->Move(368, 88, 180, 22);
    TextActionMoveNewName = Add<TextBox>(QStringLiteral("TextActionMoveNewName"));
    TextActionMoveNewName->Move(368, 140, 180, 22);
    LabelMoveSpaceFree = Add<Label>(QStringLiteral("LabelMoveSpaceFree"));
    LabelMoveSpaceFree->Move(8, 316, 420, 18);
    CommandActionMoveOK = Add<CommandButton>(QStringLiteral("CommandActionMoveOK"));
    CommandActionMoveOK->SetCaption(QStringLiteral("OK"));
    CommandActionMoveOK->Move(368, 340, 86, 28);
    CommandActionMoveCancel = Add<CommandButton>(QStringLiteral("CommandActionMoveCancel"));
    CommandActionMoveCancel->SetCaption(QStringLiteral("Cancel"));
    CommandActionMoveCancel->Move(462, 340, 86, 28);

    Dir1->Change = [this] { Dir1_Change(); };
    Drive1->Change = [this] { Drive1_Change(); };
}

void FrmMove::Dropped() {
    PictureMove = nullptr;
    Drive1 = nullptr;
    Dir1 = nullptr;
    File1 = nullptr;
    LabelActionMoveHead = LabelMoveSpaceFree = nullptr;
    TextActionMovePath = TextActionMoveCreate = TextActionMoveNewName = nullptr;
    CommandActionMoveOK = CommandActionMoveCancel = nullptr;
}

void FrmMove::Form_Load() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 1020 : 1320;
    const int left = sys.ScreenWidthTwips() < 13000 ? 3240 : 3540;
    Move(left / kTwipsPerPixel, top / kTwipsPerPixel, Width(), Height());
    PictureMove->SetBorderStyle(0);

    Dir1->SetPath(QDir::currentPath());
    S.StartFolder = WithTrailingSlash(Dir1->Path());
    // The root of the start folder's drive: its mount point.
    try {
        S.StartDriveRoot = WithTrailingSlash(fileSystem().GetDriveName(S.StartFolder));
    } catch (const PlatformError&) {
        S.StartDriveRoot = QStringLiteral("/");
    }
    S.FolderHistory = QStringList{Dir1->Path()};
    S.FolderHistoryCount = 0;
    S.FolderHistoryPos = 0;
    TextActionMovePath->SetText(S.StartFolder);
    TextActionMovePath->SetBorderStyle(1);
    S.ProgPathUpper = S.StartFolder;
    try {
        GetPathDrive(Dir1->Path(), S.MoveDriveObject, S.MoveDriveLetter);
    } catch (const PlatformError&) {
        S.MoveDriveObject = S.MoveDriveLetter = S.StartDriveRoot;
    }
}

void FrmMove::Dir1_Change() {
    File1->SetPath(Dir1->Path());
    try {
        Drive1->SetDrive(Dir1->Path());
    } catch (const PlatformError&) {
    }
    if (S.PanelOpen) {
        S.DestPath = WithTrailingSlash(Dir1->Path());
        S.DestPathUpper = S.DestPath;
        if (!S.AllowSystemFolders && S.DestPathUpper == S.WinDirUpper && !S.WinDirUpper.isEmpty()) {
            S.SystemFolderRefused = true;
            Dir1->SetPath(S.MoveLastPath);
            return;
        }
        S.DestInSystemFolder = IsInSystemTree(S.DestPathUpper);
    }
    if (S.MoveDestinationMode) {
        const bool away = S.DestPath != S.WorkPath;
        LabelActionMoveHead->SetCaption(away ? S.DestLabelText : QString());
        TextActionMovePath->SetText(away ? S.DestPath : QString());
        TextActionMovePath->SetBorderStyle(away ? 1 : 0);
        CommandActionMoveOK->SetEnabled(away);
    }
    ReportSystemFolderRefused();
}

void FrmMove::Drive1_Change() {
    if (!FolderListsTakeDrive(*Drive1, *Dir1, S.MoveDriveObject, S.MoveDriveLetter))
        return;
    try {
        S.MoveFreeKB = BytesToKB(fileSystem().AvailableSpace(S.MoveDriveObject));
    } catch (const PlatformError&) {
        S.MoveFreeKB = 0;
    }
    S.MoveSpaceCaption = SpaceCaption(S.MoveDriveLetter, S.MoveFreeKB);
    LabelMoveSpaceFree->SetCaption(S.MoveSpaceCaption);
}

FrmMove& frmMove() {
    static FrmMove form;
    return form;
}

}  // namespace qv
