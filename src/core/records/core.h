// Records owned by the program core; see core/state.h.
#pragma once

#include <QString>
#include <QStringList>

#include "core/keys.h"

namespace qv {

// "No mark" for SystemHistoryMark: history index 0 is a real entry.
constexpr int kNoHistoryMark = -1;

// Who and where the program is. Set during start-up, then read only.
struct ProgramIdentity {
    QString ProgName;
    QString ProgFolder;  // trailing "/"
    QString ProgVersion;
    QString HelpProgName;
    QString HelpPath;
    bool HelpFound = false;
    qint64 HelpTaskId = 0;  // kept, not read
    int FileNum = 0;
    QString SettingsPath;
    bool FirstStart = false;
    QString StartFolder;  // trailing "/"
    QString StartDriveRoot;
    QString StartDriveType;
    QString WinDir;  // the system folder, trailing "/"
    QString WinDirUpper;
    int WinDirLen = 0;
    QString WinDirDrive;
};

struct FolderState {
    QString LastFolder;
    QString WorkPath;  // trailing "/"
    QString WorkDirPath;
    QString WorkPathUpper;
    QString DestPath;  // trailing "/"
    // The user has taken DestPath in Set Destination in this run. Until then it only holds the
    // folder the program started in, which nobody chose to copy or move into.
    bool DestPathChosen = false;
    QString DestPathCommitted;
    QString DestPathUpper;
    QString MoveLastPath;
    bool DestInSystemFolder = false;
    bool WorkInSystemFolder = false;
    int SystemHistoryMark = kNoHistoryMark;
    QString ProgPathUpper;
    QString DestLabelText;
};

// Drives are mount points; a "drive object" is the mount point's path and its "letter" its name.
struct DriveSpace {
    QString DestSpaceCaption;
    QString MoveSpaceCaption;
    qint64 DestFreeKB = 0;
    qint64 MoveFreeKB = 0;
    QString WorkDriveObject;
    QString MoveDriveObject;
    QString WorkDriveLetter;
    QString MoveDriveLetter;
};

struct OptionsSettings {
    int OptionsCode = 3;
    int OptionsCodePending = 3;
    bool MarkInsertMissing = true;
    bool MarkReplaceMissing = true;
    bool MarkRemoveMissing = false;
    bool MarkReplaceShort = false;
    bool MarkRemoveShort = false;
    bool HelpAtStart = false;
    bool HelpAtStartPending = false;
    bool AllowSystemFolders = false;
    bool SystemFolderRefused = false;
    bool SkipUndoWarning = false;
    bool SkipUndoWarningPending = false;
};

struct UserProfile {
    QString UserName;  // "Amblet": the user declined to give one
    QString UserPicPath;
    QString UserPicCaption;
    QString UserPicFile;
    QString UserPicFolder;  // no trailing "/"
};

struct FamilyRunList {
    int RunListLast = -1;
    int RunChoice = 0;
    QStringList RunListNames;
    QStringList RunListFolders;
    QStringList RunListPaths;
    bool FamilyNewMember = false;
    QString FamilyOwnFolder;
    bool FamilyOwnPathMissing = false;
    qint64 FamilyTaskId = 0;  // kept, not read
};

struct MessageRequest {
    QString MessageReply;
    MessageKeyField MessageKey;
    QString MessageReadyText;
    QString MessageHead;
    QString MessageText;
    QString MessageButtons;
    QString MessageInput;
    QString MessageBugDetail;  // the failed file, its target and the reason, under the error tag or
                               // under the work message of a failed Easy Process
};

struct UserPicturePending {
    QString PicturePathPending;
    QString PictureCaptionPending;
    QString PictureFolderPending;  // trailing "/"
    QString PictureFilePending;
};

struct SizeScratch {
    int SizeListLast = -1;
    int SizeListIndex = 0;
    QString SizeFilePath;
};

struct CoreRecords : ProgramIdentity,
                     FolderState,
                     DriveSpace,
                     OptionsSettings,
                     UserProfile,
                     FamilyRunList,
                     MessageRequest,
                     UserPicturePending,
                     SizeScratch {};

}  // namespace qv
