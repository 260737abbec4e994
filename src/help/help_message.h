// The help's own message box: the caller stores a key in HM.MessageKey and calls a builder; the box
// shows modally with a single OK and returns nothing.
#pragma once

#include "forms/forms.h"

namespace qv::help {

class FrmMessage : public Form {
  public:
    FrmMessage() : Form(QStringLiteral("frmMessage")) {}

    Label* LabelHead = nullptr;
    Label* LabelMessage = nullptr;
    CommandButton* ImageOK = nullptr;
    CommandButton* ImageCancel = nullptr;
    Label* LabelInput1 = nullptr;
    Label* LabelInput2 = nullptr;
    TextBox* TextInput0 = nullptr;
    TextBox* TextInput1 = nullptr;
    TextBox* TextInput2 = nullptr;
    CheckBox* CheckDoNotShow = nullptr;
    PictureBox* PictureMessage = nullptr;

    // The face texts of the two buttons.
    QString LabelOK() const;
    QString LabelCancel() const;

  protected:
    void Design() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

FrmMessage& frmMessage();

// Builder for the help's own start-up keys: an unknown key shows whatever text the request holds.
void ShowProgramMessage();
// Builder for the keys about the main program: an unknown key shows nothing.
void ShowParentMessage();
// Lays out the box and shows it modally; an unknown button mode shows nothing.
void ShowMessage(const QString& head, const QString& text, const QString& buttons, const QString& input);
// Both buttons close the box the same way.
void CloseMessageOK();
void CloseMessageCancel();

}  // namespace qv::help
