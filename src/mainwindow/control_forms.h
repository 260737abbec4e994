// The folder procedures that drive the folder lists of the main window and the folder dialog: the
// work and destination paths, the folder history, and the folders made in the dialog.
#pragma once

#include <QPoint>
#include <QString>

namespace qv {

class Control;
class DirListBox;
class DriveListBox;
class Form;

// A drive chosen in a drive list: the folder list goes to it and the drive fields follow. A drive that
// is not ready puts the drive list back on the previous drive and says so; false then.
bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject, QString& driveLetter);
void ControlFormsSetWorkPath();
void ControlFormsWorkDirChange();
void ControlFormsSetPaths();
void ControlFormsCreateFolder(const QString& parent, const QString& name);
void ControlFormsDeleteFolder();
void ControlFormsRenameFolder();

// Window sizes follow the font. The windows are drawn for the desktop's usual font (a line 14 pixels
// high); a larger font makes every place and size of the window larger in step, so no text is cut.
double FontScale();
// Scales the form's size and every control's place and size by FontScale() and fixes the window at
// that size (unless told not to yet): a window whose layout is fixed is never made so small that a
// control is out of reach.
void FitFormToFont(Form& form, bool fixSize = true);
// The same for a window whose frame will stand at `place` (pixels): when the grown window would not
// fit the screen there, it grows less and its font shrinks in step, so that it fits.
void FitFormToFontAndScreen(Form& form, QPoint place);
// Fixes the window at the form's size.
void FixFormSize(Form& form);
// A one-line text that may not fit its control shows its start, ended with an ellipsis; then its
// whole text is the control's tooltip and accessible description (and neither when it fits).
void ShowWholeTextOnDemand(Control& control, const QString& text);
// A path that may not fit its locked box shows its end (the folder or file chosen) whole and as much
// of its start as fits, an ellipsis between them; the whole path on demand, as above.
void ShowPathEnd(Control& control, const QString& path);

}  // namespace qv
