// Folder bookkeeping that touches no window: the system-folder guard, drives, and file sizes.
#pragma once

#include <QString>

namespace qv {

void GetWindowsDir();
// The drive (mount point) of a path and its name as shown to the user.
void GetPathDrive(const QString& path, QString& drive, QString& letter);
QString GetDriveTypeName(const QString& path);
// Drive type numbers as text: 0 "Unknown" ... 5 "RAMDisk".
QString DriveTypeText(int type);

// True when the folder (with or without its trailing "/") is the system folder or lies below it.
// An empty system folder protects nothing.
bool IsInSystemTree(const QString& folder);

// After a refused move into the system folder: clears the flag and tells the user why.
void ReportSystemFolderRefused();

// Size in KB as shown to the user: bytes / 1024 rounded half up, plus 1; 0 when unreadable.
qint64 GetFileSizeKB(const QString& path);
// Whole KB of a byte count, rounded half up.
qint64 BytesToKB(qint64 bytes);
// Count and total size of the selected files, shown on the main window; the total in KB.
qint64 ShowSelectedFilesSize();

// "Drive <name> : Space Available : <KB> KB"
QString SpaceCaption(const QString& driveName, qint64 freeKB);

}  // namespace qv
