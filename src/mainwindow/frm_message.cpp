#include "mainwindow/frm_message.h"

#include <algorithm>
#include <initializer_list>

#include "core/state.h"
#include "forms/forms_box_keys.h"
#include "forms/forms_fit.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_but.h"
#include "platform/services.h"

namespace qv {

FrmMessage::FrmMessage() : Form(QStringLiteral("frmMessage")) {}

void FrmMessage::Design() {
    Move(200, 160, 440, 300);
    Place({
        {&LabelHead, "LabelHead", "", 16, 10, 408, 20},
        {&TextInput0, "TextInput0", "", 16, 34, 408, 24},
        {&LabelMessage, "LabelMessage", "", 16, 66, 408, 156},
        {&CheckDoNotShow, "CheckDoNotShow", "", 16, 226, 300, 22, "Do not show this message again"},
        {&PictureMessage, "PictureMessage", "", 16, 256, 24, 24},
        {&CommandOK, "CommandOK", "", 230, 254, 90, 32},
        {&CommandCancel, "CommandCancel", "", 334, 254, 90, 32},
        // The faces lie over their buttons.
        {&LabelOK, "LabelOK", "", 240, 262, 70, 18},
        {&LabelCancel, "LabelCancel", "", 344, 262, 70, 18},
    });
    TextInput0->SetVisible(false);
    TextInput0->SetTabIndex(5);
    LabelMessage->SetWordWrap(true);
    CheckDoNotShow->SetVisible(false);
    PictureMessage->SetBorderStyle(0);
    // The focus rests on the pane after a click: it is read out as the window it stands for.
    PictureMessage->SetAccessibleName(QStringLiteral("Message box"));
    CommandOK->SetEnabled(false);
    CommandCancel->SetEnabled(false);
    for (Label* face : {LabelOK, LabelCancel}) {
        face->SetAlignment(2);
        face->SetTransparent(true);
    }

    FitForm(*this, {.fixSize = false});

    KeepFocusMark(CommandOK);
    KeepFocusMark(CommandCancel);
    CommandOK->Click = [this] { CommandOK_Click(); };
    CommandCancel->Click = [this] { CommandCancel_Click(); };
    // The faces lie over the buttons: a click on a face is a click on its button.
    LabelOK->Click = [this] {
        if (CommandOK->EffectivelyEnabled())
            CommandOK_Click();
    };
    LabelCancel->Click = [this] {
        if (CommandCancel->EffectivelyEnabled())
            CommandCancel_Click();
    };
    TextInput0->Change = [this] { TextInput0_Change(); };
    TextInput0->KeyPress = [this](int& k) { TextInput0_KeyPress(k); };

    // The name box keeps its own rule for Enter.
    AnswerBoxKeys(*this, CommandOK, [this] { CommandOK_Click(); }, TextInput0);
}

void FrmMessage::FitMessage() {
    if (!LabelMessage)
        return;
    // A box wider than this reads badly (and would leave the smallest screen); beyond it the box only
    // grows taller.
    const int kWidestLabel = static_cast<int>(520 * FontScale());
    int width = LabelMessage->Width();
    int need = TextHeightForWidth(*LabelMessage, width);
    if (need > LabelMessage->Height() && width < kWidestLabel) {
        width = kWidestLabel;
        need = TextHeightForWidth(*LabelMessage, width);
    }
    const int widen = width - LabelMessage->Width();
    const int grow = std::max(0, need - LabelMessage->Height());
    if (widen == 0 && grow == 0) {
        KeepOnScreen();
        return;
    }
    LabelMessage->SetWidth(width);
    LabelMessage->SetHeight(LabelMessage->Height() + grow);
    LabelHead->SetWidth(LabelHead->Width() + widen);
    TextInput0->SetWidth(TextInput0->Width() + widen);
    for (Control* c : std::initializer_list<Control*>{CheckDoNotShow, PictureMessage})
        c->SetTop(c->Top() + grow);
    // The buttons keep to the lower right corner.
    for (Control* c : std::initializer_list<Control*>{CommandOK, CommandCancel, LabelOK, LabelCancel})
        c->Move(c->Left() + widen, c->Top() + grow, c->Width(), c->Height());
    Move(Left(), Top(), Width() + widen, Height() + grow);
    KeepOnScreen();
}

void FrmMessage::KeepOnScreen() {
    // Room for the border and title bar a window manager adds.
    System& sys = systemServices();
    const int right = sys.ScreenWidthTwips() / kTwipsPerPixel - 8,
              bottom = sys.ScreenHeightTwips() / kTwipsPerPixel - 32;
    Move(std::max(0, std::min(Left(), right - Width())), std::max(0, std::min(Top(), bottom - Height())),
         Width(), Height());
    FixFormSize(*this);
}

MessageAnswer FrmMessage::Present(const MessageBoxRequest& r) {
    if (Loaded())
        Unload();
    Load();
    LabelMessage->SetTransparent(true);
    const Picture face = frmBut().ButtonFace();
    // A button that cannot be pressed looks it: the disabled face, and its caption greyed.
    const Picture disabled = frmBut().AButton[2] ? frmBut().AButton[2]->GetPicture() : face;
    for (CommandButton* b : {CommandCancel, CommandOK}) {
        b->SetPicture(face);
        b->SetDownPicture(face);
        b->SetDisabledPicture(disabled);
    }
    SetCaption(r.caption);
    CheckDoNotShow->SetValue(r.checked ? 1 : 0);
    LabelHead->SetCaption(r.head);
    LabelMessage->SetCaption(r.text);
    FitMessage();
    CommandOK->SetEnabled(r.okEnabled);
    CommandCancel->SetEnabled(r.cancelEnabled);
    LabelOK->SetEnabled(r.okEnabled);
    LabelCancel->SetEnabled(r.cancelEnabled);
    LabelOK->SetCaption(r.okFace);
    LabelCancel->SetCaption(r.cancelFace);
    // The faces are labels over the buttons: the buttons carry their names for screen readers.
    CommandOK->SetAccessibleName(r.okFace);
    CommandCancel->SetAccessibleName(r.cancelFace);
    if (r.nameInput) {
        // The box is read out by the question above it.
        SetLabelFor(*LabelHead, *TextInput0);
        TextInput0->SetVisible(true);
        TextInput0->SetTabIndex(0);
    } else if (r.checkInput) {
        CheckDoNotShow->SetVisible(true);
    }
    // A box closed any other way than by its buttons: Cancel when offered, else OK.
    answer_ = MessageAnswer{!r.cancelEnabled, QString(), r.checked};
    ShowModal();
    if (Loaded())
        Unload();
    return answer_;
}

void FrmMessage::Answer(bool ok) {
    answer_.ok = ok;
    answer_.input = TextInput0->Text();
    answer_.checked = CheckDoNotShow->Value() == 1;
    Unload();
}

void FrmMessage::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode != 0)
        return;
    // The window's own close command: Cancel when Cancel is offered, else OK.
    answer_.ok = !(CommandCancel && CommandCancel->Enabled());
    answer_.input = TextInput0 ? TextInput0->Text() : QString();
    answer_.checked = CheckDoNotShow && CheckDoNotShow->Value() == 1;
}

void FrmMessage::CommandOK_Click() {
    if (PictureMessage)
        PictureMessage->SetFocus();
    Answer(true);
}

void FrmMessage::CommandCancel_Click() {
    if (PictureMessage)
        PictureMessage->SetFocus();
    Answer(false);
}

void FrmMessage::TextInput0_Change() {
    CommandOK->SetEnabled(!TextInput0->Text().isEmpty());
    LabelOK->SetEnabled(CommandOK->Enabled());
}

void FrmMessage::TextInput0_KeyPress(int& keyAscii) {
    if (S.MessageKey != MessageId::MessageGetUserName && S.MessageKey != MessageId::MessageChangeUserName)
        return;
    if (keyAscii == 8)
        return;
    if (keyAscii == 13) {
        keyAscii = 0;
        if (TextInput0->Text().isEmpty())
            CommandCancel_Click();
        else
            CommandOK_Click();
        return;
    }
    const bool letter = (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
    if (!letter)
        keyAscii = 0;
}

FrmMessage& frmMessage() {
    static FrmMessage form;
    return form;
}

}  // namespace qv
