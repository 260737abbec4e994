// The help program's start-up and its links to the main program: single instance, screen size,
// the system folder, the family records, the help's own path and the user profile.
#pragma once

#include <QString>

namespace qv::help {

inline constexpr int kMinScreenWidthTwips = 11500;
inline constexpr int kMinScreenHeightTwips = 8500;

// The whole start-up, up to the shown window. Ends the program (System::EndProgram) on a second
// copy, a small screen, a start inside the system folder and a lost own path.
void Main();

void CheckScreenSize();
// The help's own folder: where its program file lies, whatever the current folder is.
void GetHelpFolder();
void GetWindowsFolder();
// True when the help's folder is the system folder or lies inside it.
bool InsideSystemFolder();
// The highest family slot in use according to a run marker; 0 for a marker that names none.
int MarkerSlot(const QString& marker);
void FindParentProgram();
void RegisterHelpPath();
void StartHelpWindow();
void ShowUserPicture();
void RunParentProgram();

}  // namespace qv::help
