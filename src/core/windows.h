// The one seam between the program's logic and its windows. The logic (state, engine, message
// protocol, folders) never includes a window: everything it shows or reads on one goes through the
// `Windows` installed here. The program installs its windows at start-up; with none installed the
// logic runs on the state alone (the base class does nothing), which is how the engine is tested.
#pragma once

#include <QString>

namespace qv {

// The file lists the logic reads: the main window's work list (File1) and Easy Process list (File2),
// and the folder dialog's list.
enum class FileList { Work, Easy, Dest };
// The folder lists: the main window's (work folder) and the folder dialog's (destination).
enum class FolderList { Work, Dest };

// Texts the logic writes on a window.
enum class WindowText {
    SpaceNeed,          // main window: count and size of the selected files (shown when written)
    SpaceFree,          // main window: free space of the destination drive
    DestSpaceFree,      // folder dialog: the same
    ActionDestination,  // main window: the destination box of the Action panel
    SingleProcessName,  // main window: Easy Process's new-name box
    SingleProcessExt,   // main window: Easy Process's new-extension box
};

// A message box as the message builders leave it.
struct MessageBoxRequest {
    QString caption;
    QString head;
    QString text;
    QString okFace;      // "OK" or "Yes"
    QString cancelFace;  // "Cancel" or "No"
    bool okEnabled = false;
    bool cancelEnabled = false;
    bool nameInput = false;   // the name box ("Input0")
    bool checkInput = false;  // the "do not show again" box ("InputCheck")
    bool checked = false;     // its start value
};

// How the box was answered. A box closed by its window counts as Cancel when Cancel was offered,
// else as OK, so the per-key work is never skipped.
struct MessageAnswer {
    bool ok = true;
    QString input;
    bool checked = false;
};

class Windows {
  public:
    virtual ~Windows() = default;

    // File lists: entries as listed, their selection, and a fresh read with nothing chosen.
    virtual int FileCount(FileList) { return 0; }
    virtual QString FileEntry(FileList, int) { return {}; }
    virtual bool FileSelected(FileList, int) { return false; }
    virtual void SetFileSelected(FileList, int, bool) {}
    virtual void RefreshFileLists() {}

    // The preview list shows S.PreviewNames again.
    virtual void ShowPreviewNames() {}

    // Folder lists. Setting a path runs the list's change handler; a folder that cannot be opened
    // throws PlatformError. "" when the window is not loaded.
    virtual QString FolderPath(FolderList) { return {}; }
    virtual void SetFolderPath(FolderList, const QString&) {}

    virtual void SetText(WindowText, const QString&) {}
    virtual QString Text(WindowText) { return {}; }

    // Shows the box modally and returns how it was answered.
    virtual MessageAnswer ShowMessage(const MessageBoxRequest& r) {
        MessageAnswer a;
        a.ok = !r.cancelEnabled;
        a.checked = r.checked;
        return a;
    }

    // The panel controller and the criteria summary (they live with the windows).
    virtual void SetButtons() {}
    virtual void SetNullByTag() {}
    virtual void SetValueByKey() {}
    virtual void SetValueCancel() {}
    virtual void SetButPictures() {}
    virtual void ShowRenameCriteria() {}
    virtual void SetValuePriorityLabels() {}

    // Start-up: the windows loaded before the first checks, the rest, and the main window shown.
    virtual void LoadFirstWindows() {}
    virtual void LoadMainWindows() {}
    virtual void ShowMainWindow() {}
    // A second start asked this copy to come forward.
    virtual void RaiseMainWindow() {}
    // Names to the user what a killed run left in the work folder that only the user may put right.
    virtual void TellOfLeftovers() {}
};

// The installed windows, or the do-nothing base when none are.
Windows& windows();
// Installs `w` (not owned; nullptr uninstalls) and returns the one it replaces.
Windows* InstallWindows(Windows* w);

}  // namespace qv
