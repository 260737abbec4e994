#include "mainwindow/frm_main.h"

#include <QCoreApplication>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "mainwindow/control_forms.h"
#include "panels/frm_but.h"
#include "platform/services.h"

namespace qv {

FrmMain::FrmMain() : Form(QStringLiteral("frmMain")) {}

void FrmMain::Design() {
    SetCaption(QStringLiteral("Quorvan"));
    Move(20, 20, 800, 560);
    PictureMain = Add<PictureBox>(QStringLiteral("PictureMain"));
    PictureMain->Move(0, 0, 8, 8);
    Drive1 = Add<DriveListBox>(QStringLiteral("Drive1"));
    Drive1->Move(8, 88, 104, 24);
    ImageGoBack = Add<Image>(QStringLiteral("ImageGoBack"));
    ImageGoBack->Move(120, 88, 24, 24);
    ImageGoForward = Add<Image>(QStringLiteral("ImageGoForward"));
    ImageGoForward->Move(150, 88, 24, 24);
    CommandGoToStart = Add<CommandButton>(QStringLiteral("CommandGoToStart"));
    CommandGoToStart->SetCaption(QStringLiteral("Start"));
    CommandGoToStart->Move(178, 88, 38, 24);
    Dir1 = Add<DirListBox>(QStringLiteral("Dir1"));
    Dir1->Move(8, 120, 208, 240);
    File1 = Add<FileListBox>(QStringLiteral("File1"));
    File1->Move(224, 112, 208, 248);
    File1->SetMultiSelect(2);
    File2 = Add<FileListBox>(QStringLiteral("File2"));
    File2->Move(224, 112, 208, 248);
    File2->SetVisible(false);
    List1 = Add<ListBox>(QStringLiteral("List1"));
    List1->Move(440, 112, 344, 248);
    LabelSpaceFree = Add<Label>(QStringLiteral("LabelSpaceFree"));
    LabelSpaceFree->Move(8, 372, 424, 18);
    LabelSpaceNeed = Add<Label>(QStringLiteral("LabelSpaceNeed"));
    LabelSpaceNeed->Move(8, 394, 424, 18);
    LabelSpaceNeed->SetVisible(false);
    CommandFileSize = Add<CommandButton>(QStringLiteral("CommandFileSize"));
    CommandFileSize->SetCaption(QStringLiteral("File Size"));
    CommandFileSize->Move(440, 368, 100, 26);
    LabelActionDestination = Add<Label>(QStringLiteral("LabelActionDestination"));
    LabelActionDestination->Move(440, 402, 80, 18);
    TextActionDestination = Add<TextBox>(QStringLiteral("TextActionDestination"));
    TextActionDestination->Move(524, 400, 260, 22);
    TextActionDestination->SetLocked(true);
    CommandGoodbye = Add<CommandButton>(QStringLiteral("CommandGoodbye"));
    CommandGoodbye->SetCaption(QStringLiteral("Quit"));
    CommandGoodbye->Move(684, 516, 100, 30);

    Dir1->Change = [this] { Dir1_Change(); };
    Drive1->Change = [this] { Drive1_Change(); };
    File1->Click = [this] { File1_Click(); };
    File1->KeyPress = [](int& k) { k = 0; };  // the list is driven by the mouse only
    List1->Click = [this] { List1->SetListIndex(-1); };
    CommandFileSize->Click = [this] {
        PictureMain->SetFocus();
        ShowSelectedFilesSize();
    };
    CommandGoToStart->Click = [this] {
        PictureMain->SetFocus();
        try {
            Dir1->SetPath(WithoutTrailingSlash(S.ProgFolder));
        } catch (const PlatformError&) {
        }
        Dir1->Refresh();
        S.SetButKey = QStringLiteral("setButOnlyDir");
        SetButtons();
    };
    CommandGoodbye->Click = [this] {
        PictureMain->SetFocus();
        if (!S.JobBusy)
            Unload();
    };
    ImageGoBack->Click = [this] { ImageGoBack_Click(); };
    ImageGoForward->Click = [this] { ImageGoForward_Click(); };
    ImageGoBack->MouseDown = [this](int) {
        ImageGoBack->SetLeft(116);  // pressed: a little to the left
        if (frmBut().Loaded())
            ImageGoBack->SetPicture(frmBut().ImageBack[1]->GetPicture());
    };
    ImageGoBack->MouseUp = [this](int) {
        ImageGoBack->SetLeft(120);
        if (frmBut().Loaded())
            ImageGoBack->SetPicture(frmBut().ImageBack[0]->GetPicture());
    };
    ImageGoForward->MouseDown = [this](int) {
        if (frmBut().Loaded())
            ImageGoForward->SetPicture(frmBut().ImageForward[1]->GetPicture());
    };
    ImageGoForward->MouseUp = [this](int) {
        if (frmBut().Loaded())
            ImageGoForward->SetPicture(frmBut().ImageForward[0]->GetPicture());
    };
}

void FrmMain::Dropped() {
    PictureMain = nullptr;
    Drive1 = nullptr;
    Dir1 = nullptr;
    File1 = File2 = nullptr;
    List1 = nullptr;
    ImageGoBack = ImageGoForward = nullptr;
    CommandGoToStart = CommandFileSize = CommandGoodbye = nullptr;
    LabelSpaceFree = LabelSpaceNeed = LabelActionDestination = nullptr;
    TextActionDestination = nullptr;
}

void FrmMain::Form_Load() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 0 : 300;
    const int left = sys.ScreenWidthTwips() < 13000 ? 0 : 300;
    Move(left / kTwipsPerPixel, top / kTwipsPerPixel, Width(), Height());
    PictureMain->SetBorderStyle(0);
    S.WeightInsertRigid = 1;
    S.WeightReplaceRigid = 2;
    S.EasyFileIndex = -1;
    LabelActionDestination->SetCaption(QString());
    TextActionDestination->SetBorderStyle(0);
    if (frmBut().Loaded()) {
        ImageGoBack->SetPicture(frmBut().ImageBack[0]->GetPicture());
        ImageGoForward->SetPicture(frmBut().ImageForward[0]->GetPicture());
    }

    // The folder list opens where the folder dialog opened: the start folder.
    try {
        Dir1->SetPath(WithoutTrailingSlash(S.StartFolder));
    } catch (const PlatformError&) {
    }
    try {
        GetPathDrive(Dir1->Path(), S.WorkDriveObject, S.WorkDriveLetter);
    } catch (const PlatformError&) {
    }
    if (!S.LastFolder.isEmpty()) {
        try {
            Dir1->SetPath(WithoutTrailingSlash(S.LastFolder));
        } catch (const PlatformError&) {
            // Gone or not ready: start in the current folder, without a message.
            try {
                Drive1->SetDrive(S.WorkDriveObject);
            } catch (const PlatformError&) {
            }
        }
    }
    ControlFormsSetWorkPath();
}

void FrmMain::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == 0 && S.JobBusy)
        cancel = 1;
}

void FrmMain::Form_Unload() {
    WriteSettingsFile();
    // The main window is the program: its event loop ends with it.
    QCoreApplication::exit(0);
}

void FrmMain::Dir1_Change() {
    const QString path = Dir1->Path();
    File1->SetPath(path);
    File2->SetPath(path);
    try {
        Drive1->SetDrive(path);
    } catch (const PlatformError&) {
    }
    ControlFormsSetWorkPath();
    ControlFormsWorkDirChange();
    if (S.StartUpInProgress)
        return;
    ReportSystemFolderRefused();
    S.SetButKey = QStringLiteral("setButGlobal");
    SetButtons();
}

void FrmMain::Drive1_Change() {
    FolderListsTakeDrive(*Drive1, *Dir1, S.WorkDriveObject, S.WorkDriveLetter);
}

void FrmMain::File1_Click() {
    S.SelectionByHand = !S.FileListByProgram;
    if (S.SelectionByHand)
        SetValueByKey();
}

void FrmMain::HistoryMoveTo(int target) {
    if (target < 0 || target > S.FolderHistoryCount || target >= S.FolderHistory.size())
        return;
    const QString entry = S.FolderHistory.at(target);
    // A folder of the system tree visited while it was allowed stays out of reach once it is not.
    if (!S.AllowSystemFolders && IsInSystemTree(entry))
        return;
    S.FolderHistoryPos = target;
    try {
        Dir1->SetPath(entry);
    } catch (const PlatformError&) {
    }
    Dir1->Refresh();
    S.SetButKey = QStringLiteral("setButOnlyDir");
    SetButtons();
}

void FrmMain::ImageGoBack_Click() {
    PictureMain->SetFocus();
    if (S.FolderHistoryPos != 0)
        HistoryMoveTo(S.FolderHistoryPos - 1);
}

void FrmMain::ImageGoForward_Click() {
    PictureMain->SetFocus();
    if (S.FolderHistoryPos != S.FolderHistoryCount)
        HistoryMoveTo(S.FolderHistoryPos + 1);
}

FrmMain& frmMain() {
    static FrmMain form;
    return form;
}

}  // namespace qv
