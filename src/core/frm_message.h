// frmMessage: the one modal message box of the program. Loaded for every message and unloaded by
// the reply handlers, so each box starts from its design state.
#pragma once

#include "platform/forms.h"

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

    // True when the last direct close of the window counted as OK (Cancel was not offered).
    bool ClosedAsOK() const { return closedAsOK_; }

    void CommandOK_Click();
    void CommandCancel_Click();

    // Grows the box (wider first, then taller) until LabelMessage shows its whole text.
    void FitMessage();

  protected:
    void Design() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Dropped() override;

  private:
    void CheckDoNotShow_Click();
    void TextInput0_Change();
    void TextInput0_KeyPress(int& keyAscii);
    bool closedAsOK_ = false;
};

FrmMessage& frmMessage();

// The OK work that needs the box still loaded, for a box closed by its window (message.cpp).
void MessageClosedWhileLoaded(bool asOK);

}  // namespace qv
