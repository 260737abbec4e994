// Folder bookkeeping of the work and destination folders, the folder history, the system-folder
// guard, folders made in the folder dialog, and the drive and size utilities.
#pragma once

#include <QString>

namespace qv {

class DirListBox;
class DriveListBox;

void GetWindowsDir();
// The drive (mount point) of a path and its name as shown to the user.
void GetPathDrive(const QString& path, QString& drive, QString& letter);
QString GetDriveTypeName(const QString& path);
// Drive type numbers as text: 0 "Unknown" ... 5 "RAMDisk".
QString DriveTypeText(int type);

// True when the folder (with or without its trailing "/") is the system folder or lies below it.
// An empty system folder protects nothing.
bool IsInSystemTree(const QString& folder);

// A drive chosen in a drive list: the folder list goes to it and the drive fields follow. A drive that
// is not ready puts the drive list back on the previous drive and says so; false then.
bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject, QString& driveLetter);
// After a refused move into the system folder: clears the flag and tells the user why.
void ReportSystemFolderRefused();

void ControlFormsSetWorkPath();
void ControlFormsWorkDirChange();
void ControlFormsSetPaths();
void ControlFormsCreateFolder(const QString& parent, const QString& name);
void ControlFormsDeleteFolder();
void ControlFormsRenameFolder();

// Size in KB as shown to the user: bytes / 1024 rounded half up, plus 1; 0 when unreadable.
qint64 GetFileSizeKB(const QString& path);
// Whole KB of a byte count, rounded half up.
qint64 BytesToKB(qint64 bytes);
// Count and total size of the selected files, shown on the main window; the total in KB.
qint64 ShowSelectedFilesSize();

// "Drive <name> : Space Available : <KB> KB"
QString SpaceCaption(const QString& driveName, qint64 freeKB);

}  // namespace qv
