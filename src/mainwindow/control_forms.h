// The folder procedures that drive the folder lists of the main window and the folder dialog: the
// work and destination paths, the folder history, and the folders made in the dialog.
#pragma once

#include <QString>

namespace qv {

class DirListBox;
class DriveListBox;

// A drive chosen in a drive list: the folder list goes to it and the drive fields follow. A drive that
// is not ready puts the drive list back on the previous drive and says so; false then.
bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject, QString& driveLetter);
void ControlFormsSetWorkPath();
void ControlFormsWorkDirChange();
void ControlFormsSetPaths();
void ControlFormsCreateFolder(const QString& parent, const QString& name);
void ControlFormsDeleteFolder();
void ControlFormsRenameFolder();
// The ready message for a folder name that breaks the name rule (typed, pasted or made).
void RefuseFolderName();

}  // namespace qv
