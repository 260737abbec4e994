#include "mainwindow/program_windows.h"

#include "core/message.h"
#include "core/state.h"
#include "criteria/criteria.h"
#include "criteria/frm_ren.h"
#include "engine/leftovers.h"
#include "mainwindow/frm_hid.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/panels.h"

namespace qv {

namespace {

// A list of a window that is not loaded has no entries.
FileListBox* List(FileList which) {
    switch (which) {
        case FileList::Work:
            return frmMain().Loaded() ? frmMain().File1 : nullptr;
        case FileList::Easy:
            return frmMain().Loaded() ? frmMain().File2 : nullptr;
        case FileList::Dest:
            return frmMove().Loaded() ? frmMove().File1 : nullptr;
    }
    return nullptr;
}

DirListBox* Folders(FolderList which) {
    Form& f = which == FolderList::Work ? static_cast<Form&>(frmMain()) : static_cast<Form&>(frmMove());
    if (!f.Loaded())
        return nullptr;
    return which == FolderList::Work ? frmMain().Dir1 : frmMove().Dir1;
}

void RegisterFolderDialogWork() {
    RegisterMessageWork({
        {MessageId::MessageIncorrectPicture,
         [](const MessageAnswer&) {
             // The list keeps its place: the next arrow goes on from the entry refused.
             S.PicturePathPending.clear();
             S.PictureFolderPending.clear();
             S.PictureFilePending.clear();
         },
         {}},
    });
}

}  // namespace

int ProgramWindows::FileCount(FileList list) {
    FileListBox* l = List(list);
    return l ? l->ListCount() : 0;
}

QString ProgramWindows::FileEntry(FileList list, int i) {
    FileListBox* l = List(list);
    return l && i >= 0 && i < l->ListCount() ? l->List(i) : QString();
}

bool ProgramWindows::FileSelected(FileList list, int i) {
    FileListBox* l = List(list);
    return l && i >= 0 && i < l->ListCount() && l->Selected(i);
}

void ProgramWindows::SetFileSelected(FileList list, int i, bool selected) {
    FileListBox* l = List(list);
    if (l && i >= 0 && i < l->ListCount())
        l->SetSelected(i, selected);
}

void ProgramWindows::RefreshFileLists() {
    // A list of the folder the work list has just read takes its entries rather than read again.
    FileListBox* work = List(FileList::Work);
    for (FileList which : {FileList::Work, FileList::Easy, FileList::Dest}) {
        // A folder dialog still to be built reads its list when it is.
        if (which == FileList::Dest && frmMoveAsIs().LoadPending())
            continue;
        if (FileListBox* l = List(which)) {
            if (work && l != work)
                l->RefreshAs(*work);
            else
                l->Refresh();
            l->SetListIndex(-1);
        }
    }
}

void ProgramWindows::ShowPreviewNames() {
    FrmMain& m = frmMain();
    if (!m.Loaded() || !m.List1)
        return;
    m.List1->SetItems(S.PreviewNames);
    m.List1->SetListIndex(-1);
}

QString ProgramWindows::FolderPath(FolderList list) {
    DirListBox* d = Folders(list);
    return d ? d->Path() : QString();
}

void ProgramWindows::SetFolderPath(FolderList list, const QString& path) {
    DirListBox* d = Folders(list);
    if (d && !path.isEmpty())
        d->SetPath(path);
}

void ProgramWindows::SetText(WindowText which, const QString& text) {
    FrmMain& m = frmMain();
    switch (which) {
        case WindowText::SpaceNeed:
            if (m.Loaded()) {
                m.LabelSpaceNeed->SetCaption(text);
                m.LabelSpaceNeed->SetVisible(true);
                m.CommandFileSize->SetEnabled(false);
            }
            break;
        case WindowText::SpaceFree:
            if (m.Loaded())
                m.LabelSpaceFree->SetCaption(text);
            break;
        case WindowText::DestSpaceFree:
            // A dialog still to be built shows the start's caption when it is.
            if (frmMoveAsIs().Loaded())
                frmMoveAsIs().LabelMoveSpaceFree->SetCaption(text);
            break;
        case WindowText::ActionDestination:
            if (m.Loaded())
                m.TextActionDestination->SetText(text);
            break;
        case WindowText::SingleProcessName:
            if (m.Loaded())
                m.TextSingleProcessName->SetText(text);
            break;
        case WindowText::SingleProcessExt:
            if (m.Loaded())
                m.TextSingleProcessExt->SetText(text);
            break;
    }
}

QString ProgramWindows::Text(WindowText which) {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return {};
    switch (which) {
        case WindowText::SingleProcessName:
            return m.TextSingleProcessName->Text();
        case WindowText::SingleProcessExt:
            return m.TextSingleProcessExt->Text();
        default:
            return {};
    }
}

MessageAnswer ProgramWindows::ShowMessage(const MessageBoxRequest& r) {
    return frmMessage().Present(r);
}

void ProgramWindows::SetButtons() {
    panels::SetButtons();
}

void ProgramWindows::SetNullByTag() {
    panels::SetNullByTag();
}

void ProgramWindows::SetValueByKey() {
    panels::SetValueByKey();
}

void ProgramWindows::SetValueCancel() {
    panels::SetValueCancel();
}

void ProgramWindows::SetButPictures() {
    panels::SetButPictures();
}

void ProgramWindows::ShowRenameCriteria() {
    criteria::ShowRenameCriteria();
}

void ProgramWindows::SetValuePriorityLabels() {
    panels::SetValuePriorityLabels();
}

void ProgramWindows::LoadFirstWindows() {
    frmBut().Load();
    // The folder dialog is not on the first window: it is built when it is first reached.
    frmMoveAsIs().LoadLater([] { panels::SetFolderDialogPictures(); });
}

void ProgramWindows::LoadMainWindows() {
    frmHid().Load();
    // The criteria dialog is not on the first window: it is built once that window has painted.
    frmRen().LoadLater([] { panels::SetCriteriaDialogPictures(); });
    frmMain().Load();
}

void ProgramWindows::ShowMainWindow() {
    frmMain().Show();
    if (frmMain().Loaded() && frmRenAsIs().LoadPending())
        AfterFirstPaint(frmMain(), [] { frmRen(); });
}

void ProgramWindows::TellOfLeftovers() {
    TellOfInterruptedRenames(S.WorkPath);
}

void ProgramWindows::RaiseMainWindow() {
    FrmMain& m = frmMain();
    // A main window that start-up has not shown yet stays hidden; only what is on screen comes forward.
    if (m.Loaded() && m.Visible()) {
        BringToFront(m);
    }
    // An open message box (or dialog) comes back from an icon with the window it blocks: left
    // minimised, it would keep the restored window from taking any click. It stays on top.
    RestoreModalWindows();
}

void InstallProgramWindows() {
    static ProgramWindows programWindows;
    static const bool registered = [] {
        RegisterFolderDialogWork();
        criteria::RegisterMessageWork();
        return true;
    }();
    (void)registered;
    InstallWindows(&programWindows);
}

}  // namespace qv
