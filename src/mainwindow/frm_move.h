// frmMove: the folder dialog (destination folder or user picture). Loaded hidden at start-up; its
// load fixes the start folder and begins the main window's folder history.
#pragma once

#include "platform/forms.h"

namespace qv {

class FrmMove : public Form {
  public:
    FrmMove();

    PictureBox* PictureMove = nullptr;
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    Label* LabelActionMoveHead = nullptr;
    Label* LabelMoveSpaceFree = nullptr;
    TextBox* TextActionMovePath = nullptr;
    TextBox* TextActionMoveCreate = nullptr;
    TextBox* TextActionMoveNewName = nullptr;
    CommandButton* CommandActionMoveOK = nullptr;
    CommandButton* CommandActionMoveCancel = nullptr;

  protected:
    void Design() override;
    void Form_Load() override;
    void Dropped() override;

  private:
    void Dir1_Change();
    void Drive1_Change();
};

FrmMove& frmMove();

}  // namespace qv
