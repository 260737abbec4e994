#include "mainwindow/control_forms.h"

#include <algorithm>
#include <cmath>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "forms/forms_fit.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "platform/services.h"

namespace qv {

void RefuseFolderName() {
    S.MessageKey = MessageId::MessageOnlyReadyMsg;
    S.MessageReadyText = QStringLiteral(
        "In new Folder name you can use only Alphabets and Digits 0 to 9. No other Character can be "
        "included.");
    MessageShowReady();
}

namespace {

bool ValidFolderName(const QString& name) {
    for (QChar c : name)
        if (!IsFolderNameLetter(c))
            return false;
    return !name.isEmpty();
}

// The folder could not be made, renamed or removed (no permission, gone meanwhile): which folder,
// and the system's words without the paths the platform put before them.
void ReportFolderActionFailed(const QString& folder, const PlatformError& e) {
    const QString text = e.message();
    const qsizetype at = text.lastIndexOf(QStringLiteral(": "));
    S.MessageKey = MessageId::MessageSingleActionError;
    S.MessageBugDetail = QStringLiteral("Folder : ") + folder + QStringLiteral("\r\nReason : ") +
                         (at < 0 ? text : text.mid(at + 2));
    MessageShowWork();
}

void ReportFolderNotEmpty() {
    S.MessageKey = MessageId::MessageFolderNotEmpty;
    S.MessageReadyText = QStringLiteral(
        "The Folder is not empty any more, so it can not be Deleted. Only an empty Folder can be Deleted.");
    MessageShowReady();
}

void ReportNameTaken() {
    S.MessageKey = MessageId::MessageFolderNameSame;
    MessageShowWork();
}

void ShowBorderedPath(TextBox* box, const QString& path) {
    if (!box)
        return;
    box->SetText(path);
    box->SetBorderStyle(path.isEmpty() ? 0 : 1);
}

// A folder list's path, or a safe place when the folder cannot be opened any more.
void SetDirPath(DirListBox* dir, const QString& path) {
    if (!dir)
        return;
    try {
        dir->SetPath(path);
    } catch (const PlatformError&) {
        dir->SetPath(WithoutTrailingSlash(S.StartFolder));
    }
}

// The main window's folder list shows the sub-folders of the work folder: it is read again when one
// of them was made, renamed or removed.
void RefreshWorkFolderListIfIn(const QString& parent) {
    if (WithTrailingSlash(parent) == S.WorkPath && frmMain().Loaded() && frmMain().Dir1)
        frmMain().Dir1->Refresh();
}

void FramesAgain() {
    S.SetNullKey = SetNullId::setNullFramesActionMove;
    SetNullByTag();
}

}  // namespace

bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject,
                          QString& driveLetter) {
    const QString previous = driveObject;
    FileSystem& fs = fileSystem();
    try {
        const QString drive = drives.Drive();
        if (!fs.DriveIsReady(drive))
            throw PlatformError(QStringLiteral("Drive not ready: %1").arg(drive));
        // A folder list already on that drive stays where it is (the drive list follows the folder
        // list as well as leading it).
        QString current;
        try {
            current = fs.GetDriveName(dirs.Path());
        } catch (const PlatformError&) {
        }
        if (current != drive)
            dirs.SetPath(drive);
        GetPathDrive(dirs.Path(), driveObject, driveLetter);
        return true;
    } catch (const PlatformError&) {
        try {
            drives.SetDrive(previous);
        } catch (const PlatformError&) {
        }
        S.MessageKey = MessageId::MessageDriveNotReady;
        MessageShowWork();
        return false;
    }
}

void ControlFormsSetWorkPath() {
    S.WorkDirPath = frmMain().Dir1->Path();
    S.WorkPath = WithTrailingSlash(S.WorkDirPath);
    S.WorkPathUpper = S.WorkPath;
    S.LastFolder = S.WorkDirPath;
    // Neither the system folder tree nor the start folder is remembered for the next start.
    if (IsInSystemTree(S.WorkPathUpper))
        S.LastFolder.clear();
    if (S.WorkPathUpper == S.ProgPathUpper)
        S.LastFolder.clear();
}

void ControlFormsWorkDirChange() {
    DirListBox* dir = frmMain().Dir1;
    // The whole tree below the system folder is refused, not only the folder itself.
    if (!S.AllowSystemFolders && IsInSystemTree(S.WorkPathUpper)) {
        QString back = S.FolderHistoryPos >= 0 && S.FolderHistoryPos < S.FolderHistory.size()
                           ? S.FolderHistory.at(S.FolderHistoryPos)
                           : QString();
        if (back.isEmpty() || IsInSystemTree(back))
            back = WithoutTrailingSlash(S.StartFolder);
        S.SystemFolderRefused = true;
        SetDirPath(dir, back);
        dir->Refresh();
        return;
    }
    const QString path = dir->Path();
    if (S.FolderHistory.isEmpty() || S.FolderHistory.at(0).isEmpty()) {
        S.FolderHistory = QStringList{path};
        S.FolderHistoryCount = 0;
        S.FolderHistoryPos = 0;
        return;
    }
    if (IsInSystemTree(S.WorkPathUpper)) {
        S.WorkInSystemFolder = true;
        if (S.SystemHistoryMark == kNoHistoryMark)
            S.SystemHistoryMark = S.FolderHistoryCount;
    } else {
        S.WorkInSystemFolder = false;
        S.SystemHistoryMark = kNoHistoryMark;
    }
    for (int i = 0; i <= S.FolderHistoryCount && i < S.FolderHistory.size(); ++i) {
        if (S.FolderHistory.at(i) == path) {
            S.FolderHistoryPos = i;
            return;
        }
    }
    const int n = S.FolderHistoryCount + 1;
    S.FolderHistoryCount = n;
    S.FolderHistoryPos = n;
    while (S.FolderHistory.size() > n) S.FolderHistory.removeLast();
    while (S.FolderHistory.size() < n) S.FolderHistory.append(QString());
    S.FolderHistory.append(path);
}

void ControlFormsSetPaths() {
    if (S.WorkInSystemFolder) {
        int mark = S.SystemHistoryMark;
        if (mark == kNoHistoryMark || mark < 0)
            mark = 0;
        if (mark >= S.FolderHistory.size())
            mark = S.FolderHistory.size() - 1;
        S.FolderHistoryCount = mark;
        S.FolderHistoryPos = mark;
        while (S.FolderHistory.size() > mark + 1) S.FolderHistory.removeLast();
        S.SystemHistoryMark = kNoHistoryMark;
        S.WorkInSystemFolder = false;
        QString target = mark >= 0 ? S.FolderHistory.value(mark) : QString();
        // Never back into the tree that is being closed.
        if (target.isEmpty() || IsInSystemTree(target))
            target = WithoutTrailingSlash(S.StartFolder);
        SetDirPath(frmMain().Dir1, target);
        frmMain().Dir1->Refresh();
    }
    if (S.DestInSystemFolder) {
        S.MoveLastPath = frmMain().Dir1->Path();
        SetDirPath(frmMove().Dir1, S.MoveLastPath);
        S.DestPath = S.WorkPath;
        S.DestPathChosen = false;
        S.DestPathCommitted = S.DestPath;
        S.DestPathUpper = S.DestPath;
        S.DestInSystemFolder = false;
        if (NeedsDestination(CurrentAction())) {
            frmMain().TextActionDestination->SetText(S.DestPath);
        }
    }
}

void ControlFormsCreateFolder(const QString& parent, const QString& name) {
    if (name.isEmpty())
        return;
    if (!ValidFolderName(name)) {
        RefuseFolderName();
        return;
    }
    const QString path = WithTrailingSlash(parent) + name;
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(path) || fs.FileExists(path)) {
        ReportNameTaken();
        return;
    }
    try {
        fs.MakeFolder(path);
    } catch (const PlatformError& e) {
        ReportFolderActionFailed(path, e);
        return;
    }
    // The list holds a chain: each made folder lies in the one before it.
    const QString parentFolder = WithoutTrailingSlash(parent);
    if (S.MadeFolderCount <= 0 || S.MadeFolders.size() <= S.MadeFolderCount ||
        S.MadeFolders.at(S.MadeFolderCount) != parentFolder) {
        S.MadeFolderCount = 0;
        S.MadeFolders = QStringList{parentFolder};
    }
    RefreshWorkFolderListIfIn(parent);
    FrmMove& f = frmMove();
    SetDirPath(f.Dir1, path);
    f.Dir1->Refresh();
    f.TextActionMoveCreate->SetText(QString());
    ShowBorderedPath(f.TextActionMovePath, S.DestPathPending);
    S.MadeFolderCount += 1;
    while (S.MadeFolders.size() > S.MadeFolderCount) S.MadeFolders.removeLast();
    S.MadeFolders.append(path);
    S.MoveCreateMode = false;
    FramesAgain();
}

void ControlFormsDeleteFolder() {
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    // Only the innermost made folder, and only while it is empty.
    const QString last = S.MadeFolders.at(S.MadeFolderCount);
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(last)) {
        try {
            if (!fs.FileNames(last).isEmpty() || !fs.FolderNames(last).isEmpty()) {
                ReportFolderNotEmpty();
                return;
            }
            fs.RemoveFolder(last);
        } catch (const PlatformError& e) {
            ReportFolderActionFailed(last, e);
            return;
        }
    }
    // (A made folder that is gone already only leaves the list.)
    S.MadeFolderCount -= 1;
    while (S.MadeFolders.size() > S.MadeFolderCount + 1) S.MadeFolders.removeLast();
    const QString parent = S.MadeFolders.at(S.MadeFolderCount);
    DirListBox* dir = frmMove().Dir1;
    SetDirPath(dir, parent);
    dir->Refresh();
    RefreshWorkFolderListIfIn(parent);
    FramesAgain();
}

void ControlFormsRenameFolder() {
    FrmMove& f = frmMove();
    const QString name = f.TextActionMoveNewName->Text();
    if (name.isEmpty())
        return;
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    // The same rule as for a new folder: a name with "/" or ".." would move the folder elsewhere.
    if (!ValidFolderName(name)) {
        RefuseFolderName();
        return;
    }
    const QString from = S.MadeFolders.at(S.MadeFolderCount);
    const QString parent = S.MadeFolders.at(S.MadeFolderCount - 1);
    const QString to = WithTrailingSlash(parent) + name;
    if (to != from) {
        FileSystem& fs = fileSystem();
        // A rename onto an existing empty folder would replace it.
        if (fs.FolderExists(to) || fs.FileExists(to)) {
            ReportNameTaken();
            return;
        }
        try {
            fs.Rename(from, to);  // never replaces an existing folder
        } catch (const PlatformError& e) {
            ReportFolderActionFailed(from, e);
            return;
        }
        S.MadeFolders[S.MadeFolderCount] = to;
        SetDirPath(f.Dir1, to);
        f.Dir1->Refresh();
        RefreshWorkFolderListIfIn(parent);
    }
    f.TextActionMoveNewName->SetText(QString());
    ShowBorderedPath(f.TextActionMovePath, S.DestPathPending);
    S.MoveRenameMode = false;
    FramesAgain();
}

}  // namespace qv
