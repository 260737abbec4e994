#include "core/startup.h"

#include <QDir>

#include "core/family.h"
#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/profile.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "core/windows.h"
#include "platform/services.h"
#include "platform/version.h"

namespace qv {

namespace {

void Refuse(MessageId key) {
    S.MessageKey = key;
    MessageShowSystem();
    systemServices().EndProgram(0);
}

}  // namespace

void ActivatePrevInstance() {
    // The single-instance service has already told the running copy to come forward.
    systemServices().EndProgram(0);
}

void CheckScreenSize() {
    System& sys = systemServices();
    if (sys.ScreenWidthTwips() < kMinScreenWidthTwips || sys.ScreenHeightTwips() < kMinScreenHeightTwips)
        Refuse(MessageId::MessageSmallScreen);
}

namespace {

// The drive of the folder the folder dialog stands on, and its free space.
void ReadDestinationDrive(const QString& folder) {
    try {
        GetPathDrive(folder, S.MoveDriveObject, S.MoveDriveLetter);
        S.MoveFreeKB = BytesToKB(fileSystem().AvailableSpace(S.MoveDriveObject));
    } catch (const PlatformError&) {
        S.MoveFreeKB = 0;
    }
    S.MoveSpaceCaption = SpaceCaption(S.MoveDriveLetter, S.MoveFreeKB);
}

}  // namespace

void ReadStartFolder() {
    const QString current = QDir::cleanPath(QDir::current().absolutePath());
    const QString start = current.isEmpty() ? QStringLiteral("/") : current;
    S.StartFolder = WithTrailingSlash(start);
    // The root of the start folder's drive: its mount point.
    try {
        S.StartDriveRoot = WithTrailingSlash(fileSystem().GetDriveName(S.StartFolder));
    } catch (const PlatformError&) {
        S.StartDriveRoot = QStringLiteral("/");
    }
    S.FolderHistory = QStringList{start};
    S.FolderHistoryCount = 0;
    S.FolderHistoryPos = 0;
    S.ProgPathUpper = S.StartFolder;
    ReadDestinationDrive(start);
}

void ReadStartDestination() {
    // The folder dialog is built when it is first reached; until then it stands on the work folder.
    S.MoveLastPath = windows().FolderPath(FolderList::Work);
    if (!S.MoveLastPath.isEmpty())
        ReadDestinationDrive(S.MoveLastPath);
}

void SetStartValues() {
    S.SelectionMode = QStringLiteral("Manual");
    S.ActionName = QStringLiteral("Rename");
    S.SelKind = 0;
    S.ActionIndex = IndexOf(Action::Rename);
    S.ActionAttribute = 0;
    S.RenCaseChoice = 0;
    S.EditCaseChoice = 0;
    S.RenInsertPlace = 0;
    S.RenReplaceKind = 0;
    S.RenRemoveKind = 0;
    S.RenAutoType = 0;
    S.RenAutoPlaceIndex = 0;
    S.RenAutoZeroFillIndex = 0;
    S.SelNumKind = -1;
    S.RenCaseOption = -1;
    S.EditCaseOption = -1;
    S.RenSpaceMode = -1;
    S.EditSpaceMode = -1;
    S.RenHandleMode = -1;
    S.EditHandleMode = -1;
    S.MarkInsertMissing = true;
    S.MarkReplaceMissing = true;
    S.OptionsCode = 3 + (S.HelpAtStart ? 32 : 0) + (S.SkipUndoWarning ? 128 : 0);
    S.OptionsCodePending = S.OptionsCode;
}

void Main() {
    SingleInstance* instance = services().instance.get();
    if (instance) {
        instance->onActivateRequest = [] { windows().RaiseMainWindow(); };
        if (!instance->Acquire(QStringLiteral("Quorvan")))
            ActivatePrevInstance();
    }

    windows().LoadFirstWindows();
    ReadStartFolder();

    CheckScreenSize();
    S.StartUpInProgress = true;
    S.FileNum = 1;
    S.ProgName = QStringLiteral("Quorvan");
    S.ProgVersion = QStringLiteral("Version " QUORVAN_VERSION);
    S.HelpProgName = QStringLiteral("QuorvanHelp");

    GetWindowsDir();
    if (S.WinDirLen > 0 && S.WinDirLen <= S.ProgPathUpper.size() &&
        S.ProgPathUpper.left(S.WinDirLen) == S.WinDirUpper)
        Refuse(MessageId::MessageProgInSystem);

    S.StartDriveType = GetDriveTypeName(S.StartDriveRoot);
    OnRestGetFamily();

    S.SettingsPath = S.ProgFolder + S.ProgName + QStringLiteral("/Set.Kastrel");
    S.FirstStart = !fileSystem().FileExists(S.SettingsPath);
    ProgGetSettings();
    FamilyRegister();

    if (S.UserName.isEmpty()) {
        S.MessageKey = MessageId::MessageGetUserName;
        MessageShowSystem();
    }
    if (!S.FirstStart)
        ReadSettingsFile();

    windows().LoadMainWindows();

    ReadStartDestination();

    S.DestPath = S.WorkPath;
    S.DestPathCommitted = S.DestPath;
    S.DestPathUpper = S.DestPath;

    try {
        S.DestFreeKB = BytesToKB(fileSystem().AvailableSpace(S.MoveDriveObject));
    } catch (const PlatformError&) {
        S.DestFreeKB = 0;
    }
    S.DestSpaceCaption = SpaceCaption(S.MoveDriveLetter, S.DestFreeKB);
    windows().SetText(WindowText::DestSpaceFree, S.DestSpaceCaption);
    windows().SetText(WindowText::SpaceFree, S.DestSpaceCaption);

    SetStartValues();
    SetButPictures();
    windows().ShowMainWindow();
    S.StartUpInProgress = false;

    if (S.FirstStart) {
        S.FirstStart = false;
        S.MessageKey = MessageId::MessageFisrtTimeMode;
        MessageShowWork();
    }
    // After a run that was killed the program opens where it may have left a user's file.
    windows().TellOfLeftovers();
}

}  // namespace qv
