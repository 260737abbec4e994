// frmMove: the folder dialog. It chooses the destination folder of a copy or move (and makes,
// renames and deletes folders there) or the user's picture. Loaded hidden at start-up; its load fixes
// the start folder and begins the main window's folder history. Afterwards it is only shown and hidden.
#pragma once

#include "forms/forms.h"

namespace qv {

class FrmMove : public Form {
  public:
    FrmMove();

    PictureBox* PictureMove = nullptr;
    Label* LabelActionMoveHead = nullptr;
    TextBox* TextActionMovePath = nullptr;
    Label* LabelActionMoveBrowse = nullptr;
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    Label* LabelActionMoveSelectFile = nullptr;
    Label* LabelMoveSpaceFree = nullptr;

    CommandButton* CommandActionMoveCreateNew = nullptr;
    Label* LabelActionMoveCreateNew = nullptr;
    Frame* FrameActionMoveCreate = nullptr;
    TextBox* TextActionMoveCreate = nullptr;
    CommandButton* CommandActionMoveCreateOK = nullptr;
    CommandButton* CommandActionMoveCreateCancel = nullptr;
    Label* LabelActionMoveCreateCancel = nullptr;

    Frame* FrameActionMoveRemove = nullptr;
    Label* Label1 = nullptr;
    CommandButton* CommandActionMoveRename = nullptr;
    Label* LabelActionMoveRename = nullptr;
    CommandButton* CommandActionMoveDelete = nullptr;
    Label* LabelActionMoveDelete = nullptr;
    CommandButton* CommandActionMoveBrowseAgain = nullptr;
    Label* LabelActionMoveBrowseAgain = nullptr;
    Label* LabelActionMoveNewName = nullptr;
    TextBox* TextActionMoveNewName = nullptr;
    CommandButton* CommandActionMoveRenameOK = nullptr;
    Label* LabelActionMoveRenameOK = nullptr;

    Frame* FrameActionMovePic = nullptr;
    Image* ImageActionMoveUser = nullptr;
    Label* LabelActionMoveUser = nullptr;
    TextBox* TextActionMoveUser = nullptr;
    CommandButton* CommandActionMoveDefault = nullptr;
    Label* LabelActionMoveDefault = nullptr;

    CommandButton* CommandActionMoveOK = nullptr;
    CommandButton* CommandActionMoveCancel = nullptr;

    void CommandActionMoveOK_Click();
    void CommandActionMoveCancel_Click();
    void CommandActionMoveCreateOK_Click();
    void CommandActionMoveRenameOK_Click();

  protected:
    void Design() override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Dropped() override;

  private:
    void Dir1_Change();
    void Drive1_Change();
    void File1_Click();
    void TextActionMoveCreate_Change();
    void TextActionMoveCreate_KeyPress(int& keyAscii);
    void TextActionMoveNewName_Change();
    void TextActionMoveNewName_KeyPress(int& keyAscii);
    void TextActionMoveUser_Change();
    void ReadFreeSpace();
    bool syncingDrive_ = false;
    bool loading_ = false;  // the load opens the folder it stands on: nothing the user chose
};

// Built when first reached (start-up leaves it for later); frmMoveAsIs() does not build it.
FrmMove& frmMove();
FrmMove& frmMoveAsIs();

// The dialog's preparation for its mode (tag "setNullActionMovePath"), before it is shown.
void PrepareMoveForm();
// Shows the prepared dialog. It is application-modal (the Action panel cannot be committed or
// cancelled behind it) but does not wait: the caller goes on and the dialog's OK or Cancel ends it.
void ShowMoveForm();
// The create and rename sub-frames (tag "setNullFramesActionMove").
void ShowMoveFrames();
// Whether the dialog's OK may be pressed now, from its mode: destination mode needs a browsed folder
// other than the work folder; picture mode needs a choice made since the chooser opened.
bool MoveOKAllowed();
// Puts MoveOKAllowed() on the OK button. The button refresh calls it for the dialog's OK.
void RefreshMoveOK();

// The folder dialog's rule for folder names (new and renamed): letters and digits only.
bool IsFolderNameLetter(QChar c);

}  // namespace qv
