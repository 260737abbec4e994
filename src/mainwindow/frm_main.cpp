#include "mainwindow/frm_main.h"

#include <QCoreApplication>
#include <QDir>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "engine/leftovers.h"
#include "engine/selection.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/panels.h"
#include "platform/services.h"

namespace qv {

FrmMain::FrmMain() : Form(QStringLiteral("frmMain")) {}

void FrmMain::WireHandlers() {
    Dir1->Change = [this] { Dir1_Change(); };
    Dir1->OpenRefused = [this](const QString& folder, const QString& error) {
        TellFolderNotOpened(*Dir1, folder, error);
    };
    Drive1->Change = [this] { Drive1_Change(); };
    File1->Click = [this] { File1_Click(); };
    // Characters only: arrows, Home and End still move the selection and Shift extends it. Ctrl+A
    // selects nothing.
    File1->KeyPress = [](int& k) { k = 0; };
    List1->Click = [this] {
        if (List1->ListIndex() != -1)
            List1->SetListIndex(-1);  // the preview list keeps no selection
    };
    CommandFileSize->Click = [this] {
        PictureMain->SetFocus();
        ShowSelectedFilesSize();
    };
    CommandGoToStart->Click = [this] { CommandGoToStart_Click(); };
    CommandGoodbye->Click = [this] {
        PictureMain->SetFocus();
        if (!S.JobBusy)
            Unload();
    };
    ImageGoBack->Click = [this] { ImageGoBack_Click(); };
    ImageGoForward->Click = [this] { ImageGoForward_Click(); };
    ImageGoBack->MouseDown = [this](int) {
        ImageGoBack->SetLeft(60);  // pressed: a little to the left
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
    CommandPreview->Click = [this] { CommandPreview_Click(); };
    CommandJob->Click = [this] { CommandJob_Click(); };
    CommandReject->Click = [this] { CommandReject_Click(); };
    CommandUndo->Click = [this] { CommandUndo_Click(); };
    WireEasyHandlers();
}

void FrmMain::Form_Load() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 0 : 300;
    const int left = sys.ScreenWidthTwips() < 13000 ? 0 : 300;
    Move(left / kTwipsPerPixel, top / kTwipsPerPixel, Width(), Height());
    for (Control* c : std::initializer_list<Control*>{PictureMain, FrameButRun, FrameShowRun, FrameButHelp[0],
                                                      FrameButHelp[1], FrameButHelp[2]}) {
        if (auto* p = dynamic_cast<PictureBox*>(c))
            p->SetBorderStyle(0);
        else if (auto* f = dynamic_cast<Frame*>(c))
            f->SetBorderStyle(0);
    }
    S.WeightInsertRigid = 1;
    S.WeightReplaceRigid = 2;
    S.EasyFileIndex = -1;
    for (Label* l : {LabelFileNum, LabelListFile, LabelSelectionInfo, LabelCriHandle2, LabelCriAuto2})
        l->SetCaption(QString());
    LabelReviewMode->SetVisible(S.ReviewMode != 0);
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
    FillPriorityCombos();
    panels::SetValuePriorityDefault();
    ControlFormsSetWorkPath();
}

void FrmMain::FillPriorityCombos() {
    for (ComboBox* c : {ComboPriority1st, ComboPriority2nd, ComboPriority3rd}) {
        c->Clear();
        for (const char* op : {"Insert", "Replace", "Remove"}) c->AddItem(QLatin1String(op));
    }
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
    for (FileListBox* files : {File1, File2}) {
        const SharedFolderRead shared;
        try {
            // The second list shows what the first has just read of the same folder.
            if (files == File2 && File1->Path() == path)
                files->SetPathAs(*File1);
            else
                files->SetPath(path);
        } catch (const PlatformError&) {
            // A folder that cannot be read lists no files (not those of the folder left behind).
            files->SetPathUnread(path);
        }
    }
    try {
        Drive1->SetDrive(path);
    } catch (const PlatformError&) {
    }
    ControlFormsSetWorkPath();
    ControlFormsWorkDirChange();
    if (S.StartUpInProgress)
        return;
    if (S.SelKeep) {
        S.FileListByProgram = true;
        panels::SetValueAutoSelect();
        panels::SetValueShowSpaceNeed();
        SetValueActionFlags();
        if (S.HasSelection == 1) {
            panels::SetValueListSelected();
            if (S.ActionName == QLatin1String("Delete") || S.ActionName == QLatin1String("Set Attribute"))
                panels::SetValueListForDelete();
            else
                SetValueSplitNames();
        } else {
            // Rows and listed files of the folder left behind are not this folder's.
            SelectionTableClear();
            List1->Clear();
            S.PreviewNames.clear();
        }
        S.FileListByProgram = false;
    } else if (!OptionSelection[0]->Value()) {
        OptionSelection[0]->SetValue(true);
        S.EditSelKind = 0;
        S.FileListByProgram = true;
        panels::SetValueSelectionOK();
        S.FileListByProgram = false;
    } else {
        // Manual already: the whole selection goes, not just its count, or the next Preview would act
        // on same-named files of this folder that nobody selected.
        panels::SetValueClearSelection();
    }
    if (S.SystemFolderRefused)
        ReportSystemFolderRefused();
    S.SetButKey = SetButId::setButGlobal;
    SetButtons();
    // A refused folder has already been left for another, whose own change told of it.
    if (Dir1->Path() == path)
        TellOfInterruptedRenames(S.WorkPath);
}

void FrmMain::Drive1_Change() {
    FolderListsTakeDrive(*Drive1, *Dir1, S.WorkDriveObject, S.WorkDriveLetter);
}

void FrmMain::File1_Click() {
    S.SelectionByHand = !S.FileListByProgram;
    if (S.SelectionByHand)
        SetValueByKey();
}

namespace {

// The system's words, without the path the platform put before them.
QString ReasonOf(const QString& error) {
    const qsizetype at = error.lastIndexOf(QStringLiteral(": "));
    return at < 0 ? error : error.mid(at + 2);
}

void TellFolderGone(const QString& folder, const QString& advice) {
    S.MessageKey = MessageId::MessageFolderNotFound;
    S.MessageReadyText = QStringLiteral("The Folder ") + WithoutTrailingSlash(folder) +
                         QStringLiteral(" does not exist any more.") + QStringLiteral("\r\n\r\n") + advice;
    MessageShowReady();
}

void TellFolderRefused(const QString& folder, const QString& error, const QString& advice) {
    S.MessageKey = MessageId::MessageFolderNotOpened;
    S.MessageReadyText = QStringLiteral("The Folder ") + WithoutTrailingSlash(folder) +
                         QStringLiteral(" can not be opened: ") + ReasonOf(error) + QStringLiteral(".") +
                         QStringLiteral("\r\n\r\n") + advice;
    MessageShowReady();
}

}  // namespace

void FrmMain::CommandGoToStart_Click() {
    PictureMain->SetFocus();
    try {
        Dir1->SetPath(WithoutTrailingSlash(S.ProgFolder));
    } catch (const PlatformError& e) {
        if (fileSystem().FolderExists(S.ProgFolder))
            TellFolderRefused(
                S.ProgFolder, e.message(),
                QStringLiteral("You stay in the Folder ") + S.WorkDirPath + QStringLiteral("."));
        else
            TellFolderGone(S.ProgFolder,
                           QStringLiteral("You stay in the Folder ") + S.WorkDirPath + QStringLiteral("."));
    }
    Dir1->Refresh();
    S.SetButKey = SetButId::setButOnlyDir;
    SetButtons();
}

void TellFolderNotOpened(DirListBox& list, const QString& folder, const QString& error) {
    if (!fileSystem().FolderExists(folder))
        TellFolderGone(folder,
                       QStringLiteral("It may have been deleted, moved or renamed by another program."));
    else
        TellFolderRefused(folder, error,
                          QStringLiteral("You stay in the Folder ") + list.Path() + QStringLiteral("."));
    // The one marked is the folder the list is in, not the one that could not be opened.
    list.SetListIndex(-1);
}

bool FrmMain::FoldersStillThere() {
    FileSystem& fs = fileSystem();
    const bool toDestination = NeedsDestination(CurrentAction());
    const bool workGone = !fs.FolderExists(S.WorkPath);
    if (!workGone && !(toDestination && !fs.FolderExists(S.DestPath)))
        return true;
    TellFolderGone(
        workGone ? S.WorkPath : S.DestPath,
        workGone ? QStringLiteral("It may have been deleted, moved or renamed by another program. Please "
                                  "choose a Folder and select the files again.")
                 : QStringLiteral("It may have been deleted, moved or renamed by another program. Please "
                                  "change your Destination folder by pressing Action | Set Destination."));
    S.ReadyToFinalize = false;
    S.PreviewNames.clear();
    panels::SetValueClearSelection();
    if (S.ViewLocked) {
        S.ViewLocked = false;
        S.ViewLockChanged = true;
    }
    windows().RefreshFileLists();
    if (workGone) {
        // The folder list shows where the program is now: the nearest folder above the removed one.
        QString up = WithoutTrailingSlash(S.WorkPath);
        for (QString parent;
             !fs.FolderExists(up) && (parent = QDir::cleanPath(up + QStringLiteral("/.."))) != up;)
            up = parent;
        try {
            Dir1->SetPath(up);
        } catch (const PlatformError&) {
        }
    }
    Dir1->Refresh();
    if (frmMove().Loaded())
        frmMove().Dir1->Refresh();
    S.SetButKey = SetButId::setButGlobal;
    SetButtons();
    return false;
}

void FrmMain::ForgetVanishedWorkFolder() {
    if (S.WorkPath.isEmpty() || fileSystem().FolderExists(S.WorkPath))
        return;
    File1->Refresh();
    File2->Refresh();
}

void FrmMain::HistoryMoveTo(int target) {
    if (target < 0 || target > S.FolderHistoryCount || target >= S.FolderHistory.size())
        return;
    const QString entry = S.FolderHistory.at(target);
    // An entry that cannot be entered now leaves the history, so that the arrows reach the folders
    // beyond it; the position stays on the folder shown.
    auto forget = [target] {
        S.FolderHistory.removeAt(target);
        --S.FolderHistoryCount;
        if (target < S.FolderHistoryPos)
            --S.FolderHistoryPos;
        if (target < S.SystemHistoryMark)
            --S.SystemHistoryMark;
    };
    const QString forgotten = QStringLiteral("It is taken off the list of visited Folders.");
    if (!S.AllowSystemFolders && IsInSystemTree(entry)) {
        // A folder of the system tree visited while it was allowed is out of reach once it is not.
        forget();
        S.SystemFolderRefused = true;
        ReportSystemFolderRefused();
    } else {
        const int from = S.FolderHistoryPos;
        S.FolderHistoryPos = target;
        try {
            Dir1->SetPath(entry);
        } catch (const PlatformError& e) {
            S.FolderHistoryPos = from;
            forget();
            if (fileSystem().FolderExists(entry))
                TellFolderRefused(entry, e.message(), forgotten);
            else
                TellFolderGone(entry, forgotten);
        }
    }
    Dir1->Refresh();
    S.SetButKey = SetButId::setButOnlyDir;
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
