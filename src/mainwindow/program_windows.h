// The program's windows as the logic sees them (core/windows.h): installed by the program at start-up
// and by the window tests.
#pragma once

#include "core/windows.h"

namespace qv {

class ProgramWindows : public Windows {
  public:
    int FileCount(FileList list) override;
    QString FileEntry(FileList list, int i) override;
    bool FileSelected(FileList list, int i) override;
    void SetFileSelected(FileList list, int i, bool selected) override;
    void RefreshFileLists() override;
    void ShowPreviewNames() override;
    QString FolderPath(FolderList list) override;
    void SetFolderPath(FolderList list, const QString& path) override;
    void SetText(WindowText which, const QString& text) override;
    QString Text(WindowText which) override;
    MessageAnswer ShowMessage(const MessageBoxRequest& r) override;
    void SetButtons() override;
    void SetNullByTag() override;
    void SetValueByKey() override;
    void SetValueCancel() override;
    void SetButPictures() override;
    void ShowRenameCriteria() override;
    void SetValuePriorityLabels() override;
    void LoadFirstWindows() override;
    void LoadMainWindows() override;
    void ShowMainWindow() override;
    void RaiseMainWindow() override;
    void TellOfLeftovers() override;
};

// Installs the program's windows (once) and registers the message keys the windows act on.
void InstallProgramWindows();

}  // namespace qv
