// frmMain: the main window. Its folder view (drives, folders, files, history arrows), the preview
// list, the free-space and size captions, and its load and close.
#pragma once

#include "platform/forms.h"

namespace qv {

class FrmMain : public Form {
  public:
    FrmMain();

    PictureBox* PictureMain = nullptr;
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;  // multi-select (extended)
    FileListBox* File2 = nullptr;
    ListBox* List1 = nullptr;
    Image* ImageGoBack = nullptr;
    Image* ImageGoForward = nullptr;
    CommandButton* CommandGoToStart = nullptr;
    CommandButton* CommandFileSize = nullptr;
    Label* LabelSpaceFree = nullptr;
    Label* LabelSpaceNeed = nullptr;
    Label* LabelActionDestination = nullptr;
    TextBox* TextActionDestination = nullptr;
    CommandButton* CommandGoodbye = nullptr;

    void ImageGoBack_Click();
    void ImageGoForward_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload() override;
    void Dropped() override;

  private:
    void Dir1_Change();
    void Drive1_Change();
    void File1_Click();
    void HistoryMoveTo(int target);
};

FrmMain& frmMain();

}  // namespace qv
