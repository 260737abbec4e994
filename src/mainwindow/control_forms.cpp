#include "mainwindow/control_forms.h"

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "platform/services.h"

namespace qv {

namespace {

// The folder dialog's rule for new folder names: letters and digits only.
bool ValidFolderName(const QString& name) {
    if (name.isEmpty())
        return false;
    for (QChar c : name) {
        const bool ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                        (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                        (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
        if (!ok)
            return false;
    }
    return true;
}

void RefuseFolderName() {
    S.MessageKey = QStringLiteral("MessageOnlyReadyMsg");
    S.MessageReadyText = QStringLiteral(
        "In new Folder name you can use only Alphabets and Digits 0 to 9. No other Character can be "
        "included.");
    MessageShowReady();
}

// A rename takes any name the box lets through, except one that would leave the parent folder.
bool RenameNameRefused(const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/')) ||
        name.contains(QChar(0))) {
        S.MessageKey = QStringLiteral("MessageOnlyReadyMsg");
        S.MessageReadyText =
            QStringLiteral("A Folder name can not include \"/\" and can not be \".\" or \"..\".");
        MessageShowReady();
        return true;
    }
    return false;
}

void ReportFolderActionFailed() {
    S.MessageKey = QStringLiteral("MessageSingleActionError");
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

}  // namespace

bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject,
                          QString& driveLetter) {
    const QString previous = driveObject;
    try {
        dirs.SetPath(drives.Drive());
        GetPathDrive(dirs.Path(), driveObject, driveLetter);
        return true;
    } catch (const PlatformError&) {
        try {
            drives.SetDrive(previous);
        } catch (const PlatformError&) {
        }
        S.MessageKey = QStringLiteral("MessageDriveNotReady");
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
        S.DestPathCommitted = S.DestPath;
        S.DestPathUpper = S.DestPath;
        S.DestInSystemFolder = false;
        if (S.ActionIndex >= 1 && S.ActionIndex <= 5) {
            TextBox* box = frmMain().TextActionDestination;
            box->SetText(box->Text().left(10) + S.DestPath);
        }
    }
}

void ControlFormsCreateFolder(const QString& parent, const QString& name) {
    if (!ValidFolderName(name)) {
        RefuseFolderName();
        return;
    }
    const QString path = WithTrailingSlash(parent) + name;
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(path) || fs.FileExists(path)) {
        S.MessageKey = QStringLiteral("MessageFolderNameSame");
        MessageShowWork();
        return;
    }
    try {
        fs.MakeFolder(path);
    } catch (const PlatformError&) {
        ReportFolderActionFailed();
        return;
    }
    if (S.MadeFolderCount <= 0 || S.MadeFolders.isEmpty()) {
        S.MadeFolderCount = 0;
        S.MadeFolders = QStringList{WithoutTrailingSlash(parent)};
    }
    if (S.WorkPath == S.DestPath)
        frmMain().Dir1->Refresh();
    SetDirPath(frmMove().Dir1, path);
    frmMove().Dir1->Refresh();
    frmMove().TextActionMoveCreate->SetText(QString());
    ShowBorderedPath(frmMove().TextActionMovePath, S.DestPath);
    S.MadeFolderCount += 1;
    while (S.MadeFolders.size() > S.MadeFolderCount) S.MadeFolders.removeLast();
    S.MadeFolders.append(path);
    S.MoveCreateMode = false;
    S.SetNullKey = QStringLiteral("setNullFramesActionMove");
    SetNullByTag();
}

void ControlFormsDeleteFolder() {
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    const QString last = S.MadeFolders.at(S.MadeFolderCount);
    try {
        // A made folder that has been filled meanwhile is not removed with its contents.
        fileSystem().RemoveFolder(last);
    } catch (const PlatformError&) {
        ReportFolderActionFailed();
        return;
    }
    S.MadeFolderCount -= 1;
    while (S.MadeFolders.size() > S.MadeFolderCount + 1) S.MadeFolders.removeLast();
    DirListBox* dir = frmMove().Dir1;
    SetDirPath(dir, S.MadeFolders.at(S.MadeFolderCount));
    dir->Refresh();
    dir->Refresh();
    if (S.WorkPath == S.DestPath)
        frmMain().Dir1->Refresh();
    S.SetNullKey = QStringLiteral("setNullFramesActionMove");
    SetNullByTag();
}

void ControlFormsRenameFolder() {
    const QString name = frmMove().TextActionMoveNewName->Text();
    if (name.isEmpty())
        return;
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    if (RenameNameRefused(name))
        return;
    const QString from = S.MadeFolders.at(S.MadeFolderCount);
    const QString to = WithTrailingSlash(S.MadeFolders.at(S.MadeFolderCount - 1)) + name;
    if (to == from)
        return;
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(to) || fs.FileExists(to)) {
        S.MessageKey = QStringLiteral("MessageFolderNameSame");
        MessageShowWork();
        return;
    }
    try {
        fs.Rename(from, to);  // never replaces an existing folder
    } catch (const PlatformError&) {
        ReportFolderActionFailed();
        return;
    }
    S.MadeFolders[S.MadeFolderCount] = to;
    SetDirPath(frmMove().Dir1, to);
    frmMove().Dir1->Refresh();
    ShowBorderedPath(frmMove().TextActionMovePath, S.DestPath);
    S.MoveRenameMode = false;
    S.SetNullKey = QStringLiteral("setNullFramesActionMove");
    SetNullByTag();
}

}  // namespace qv
