// frmMessage: the one modal message box of the program. Loaded for every message and unloaded by
// the reply handlers, so each box starts from its design state.
#pragma once

#include "core/windows.h"
#include "forms/forms.h"

namespace qv {

class FrmMessage : public Form {
  public:
    FrmMessage();

    Label* LabelHead = nullptr;
    Label* LabelMessage = nullptr;
    CommandButton* CommandOK = nullptr;
    CommandButton* CommandCancel = nullptr;
    Label* LabelOK = nullptr;
    Label* LabelCancel = nullptr;
    TextBox* TextInput0 = nullptr;
    CheckBox* CheckDoNotShow = nullptr;
    PictureBox* PictureMessage = nullptr;

    // Loads the box afresh, shows the request modally and returns how it was answered.
    MessageAnswer Present(const MessageBoxRequest& r);

    void CommandOK_Click();
    void CommandCancel_Click();

    // Grows the box (wider first, then taller) until LabelMessage shows its whole text.
    void FitMessage();
    void KeepOnScreen();  // moved up and left as far as the screen needs

  protected:
    void Design() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

  private:
    void TextInput0_Change();
    void TextInput0_KeyPress(int& keyAscii);
    void Answer(bool ok);
    MessageAnswer answer_;
};

FrmMessage& frmMessage();

}  // namespace qv
