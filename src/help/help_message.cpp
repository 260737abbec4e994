#include "help/help_message.h"

#include <algorithm>
#include <initializer_list>

#include "forms/forms_box_keys.h"
#include "help/frm_main.h"
#include "help/help_state.h"
#include "platform/services.h"

namespace qv::help {

namespace {

const QString kCrlf = QStringLiteral("\r\n");

QString DefaultHead() {
    return HS.ProfileNickName.isEmpty() ? QStringLiteral("Amblet") : HS.ProfileNickName;
}

bool ProgramText(const Key<HelpMessageId>& field, QString& text) {
    const std::optional<HelpMessageId> key = field.id();
    if (!key)
        return false;
    switch (*key) {
        case HelpMessageId::MessageSmallScreen: {
            text = QStringLiteral("To run the Program Screen Resolution must be 800/600 or higher.") + kCrlf +
                   kCrlf +
                   QStringLiteral(
                       "To set Screen Resolution right click on an empty area of your Desktop, select "
                       "Properties and then click on Settings.");
            return true;
        }
        case HelpMessageId::MessageProgInSystem: {
            text = QStringLiteral(
                       "The Program will not run from inside System Folder. Please do the followings :") +
                   kCrlf + kCrlf + QStringLiteral("1. Press OK to exit the Program.") + kCrlf +
                   QStringLiteral("2. Copy Quorvan.exe to a different Folder outside System Folder.") +
                   kCrlf + QStringLiteral("3. Delete Quorvan.exe from within System Folder.") + kCrlf +
                   QStringLiteral("4. Run Quorvan.exe that you copied on step 2.");
            return true;
        }
        case HelpMessageId::MessageMyPathLost: {
            text = QStringLiteral("Did you rename ") + HS.ParentName + QStringLiteral(".exe or ") +
                   HS.HelpName + QStringLiteral(".exe or renamed or moved any folder on their path?") +
                   kCrlf + kCrlf + QStringLiteral("Are you trying to run ") + HS.HelpName +
                   QStringLiteral(" with a Program Launcher before even using it once?") + kCrlf + kCrlf +
                   QStringLiteral(
                       "Whatever the problem is, to solve the problem you need to do the followings:") +
                   kCrlf + kCrlf +
                   QStringLiteral("     1. Rename the files to their original name if renamed.") + kCrlf +
                   QStringLiteral("     2. Run both once by double clicking on the file names.");
            return true;
        }
        case HelpMessageId::MessageNeedSriptRuntime: {
            text = QStringLiteral("It seems that you do not have the program - Quorvan - in your machine.") +
                   kCrlf + kCrlf +
                   QStringLiteral(
                       "This program is the Help file of - Quorvan. Depends on some Runtime files to run, "
                       "which are not included with this Help.");
            return true;
        }
        case HelpMessageId::MessageParentNotPresent:
        case HelpMessageId::MessageParentNotFound:
        case HelpMessageId::MessageRunParentError:
            return false;
    }
    return false;
}

bool ParentText(const Key<HelpMessageId>& field, QString& text) {
    const std::optional<HelpMessageId> key = field.id();
    if (!key)
        return false;
    switch (*key) {
        case HelpMessageId::MessageParentNotPresent: {
            text = QStringLiteral(
                       "Though this is a stand alone program it is actually the Help file of the program "
                       "- Quorva. Since you do not have that program you really have no use of this "
                       "Help.") +
                   kCrlf + kCrlf +
                   QStringLiteral("If you want to, to remove it from your machine just delete the file.");
            return true;
        }
        case HelpMessageId::MessageParentNotFound: {
            text = QStringLiteral(
                "Though this is a stand alone program it is designed to work in harmony with "
                "Quorvan. Please check Using Help With -Quorvan to find out how.");
            return true;
        }
        case HelpMessageId::MessageRunParentError: {
            text = QStringLiteral("There was some error. Could not run the program.");
            return true;
        }
        case HelpMessageId::MessageSmallScreen:
        case HelpMessageId::MessageProgInSystem:
        case HelpMessageId::MessageMyPathLost:
        case HelpMessageId::MessageNeedSriptRuntime:
            return false;
    }
    return false;
}

void Build(bool known, const QString& text) {
    HM.MessageHead = DefaultHead();
    HM.MessageButtons = QStringLiteral("OK");
    if (known)
        HM.MessageText = text;
    ShowMessage(HM.MessageHead, HM.MessageText, HM.MessageButtons, HM.MessageInput);
}

// The box grows to the text it shows, and keeps whole on the screen: a box about a screen too small
// is shown on that very screen.
void FitBox(FrmMessage& f) {
    const int need = TextHeightForWidth(*f.LabelMessage, f.LabelMessage->Width());
    const int grow = std::max(0, need - f.LabelMessage->Height());
    if (grow > 0) {
        f.LabelMessage->SetHeight(f.LabelMessage->Height() + grow);
        for (Control* c :
             std::initializer_list<Control*>{f.ImageOK, f.ImageCancel, f.CheckDoNotShow, f.PictureMessage})
            c->SetTop(c->Top() + grow);
        f.Move(f.Left(), f.Top(), f.Width(), f.Height() + grow);
    }
    System& sys = systemServices();
    const int screenWidth = sys.ScreenWidthTwips() / kTwipsPerPixel;
    const int screenHeight = sys.ScreenHeightTwips() / kTwipsPerPixel;
    const int outerWidth = f.Width() + 2 * kWindowBorder;
    const int outerHeight = f.Height() + kWindowTitleBar + 2 * kWindowBorder;
    const int left = std::max(0, std::min(f.Left(), screenWidth - outerWidth));
    const int top = std::max(0, std::min(f.Top(), screenHeight - outerHeight));
    f.Move(left, top, f.Width(), f.Height());
}

void CloseMessage() {
    FrmMessage& f = frmMessage();
    if (f.Loaded())
        f.Unload();
    HM.MessageKey.clear();
    HM.MessageHead.clear();
    HM.MessageText.clear();
    HM.MessageButtons.clear();
    HM.MessageInput.clear();
}

}  // namespace

void FrmMessage::Design() {
    Move(220, 180, 520, 340);
    Place({
        {&PictureMessage, "PictureMessage", "", 16, 300, 24, 24},
        {&LabelHead, "LabelHead", "", 16, 10, 488, 20},
        {&LabelInput1, "LabelInput1", "", 16, 34, 488, 18},
        {&LabelInput2, "LabelInput2", "", 16, 34, 488, 18},
        {&TextInput0, "TextInput0", "", 16, 34, 488, 24},
        {&TextInput1, "TextInput1", "", 16, 34, 488, 24},
        {&TextInput2, "TextInput2", "", 16, 34, 488, 24},
        {&LabelMessage, "LabelMessage", "", 16, 40, 488, 244},
        {&CheckDoNotShow, "CheckDoNotShow", "", 48, 300, 200, 22},
        {&ImageOK, "ImageOK", "", 310, 294, 90, 32},
        {&ImageCancel, "ImageCancel", "", 414, 294, 90, 32},
    });
    PictureMessage->SetBorderStyle(0);
    // The focus rests on the pane after a click: it is read out as the window it stands for.
    PictureMessage->SetAccessibleName(QStringLiteral("Message box"));
    for (Control* c : std::initializer_list<Control*>{LabelInput1, LabelInput2, TextInput0, TextInput1,
                                                      TextInput2, CheckDoNotShow, ImageCancel})
        c->SetVisible(false);
    LabelMessage->SetWordWrap(true);
    ImageOK->SetEnabled(false);
    ImageCancel->SetEnabled(false);
    KeepFocusMark(ImageOK);
    KeepFocusMark(ImageCancel);
    ImageOK->Click = [] { CloseMessageOK(); };
    ImageCancel->Click = [] { CloseMessageCancel(); };

    AnswerBoxKeys(*this, ImageOK, [] { CloseMessageOK(); });
}

QString FrmMessage::LabelOK() const {
    return ImageOK ? ImageOK->Caption() : QString();
}

QString FrmMessage::LabelCancel() const {
    return ImageCancel ? ImageCancel->Caption() : QString();
}

// The window's own close button closes the box as OK does; the request is cleared either way.
void FrmMessage::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode == 0) {
        HM.MessageKey.clear();
        HM.MessageHead.clear();
        HM.MessageText.clear();
        HM.MessageButtons.clear();
        HM.MessageInput.clear();
    }
}

FrmMessage& frmMessage() {
    static FrmMessage form;
    return form;
}

void ShowProgramMessage() {
    QString text;
    Build(ProgramText(HM.MessageKey, text), text);
}

void ShowParentMessage() {
    QString text;
    if (!ParentText(HM.MessageKey, text))
        return;
    Build(true, text);
}

void ShowMessage(const QString& head, const QString& text, const QString& buttons, const QString& input) {
    // Copies: closing the box empties the request these may refer to.
    const QString headText = head, bodyText = text, mode = buttons, inputMode = input;
    const bool okOnly = mode == QLatin1String("OK");
    const bool known = okOnly || mode == QLatin1String("Cancel") || mode == QLatin1String("OKCancel") ||
                       mode == QLatin1String("YesNo");
    if (!known)
        return;
    FrmMessage& f = frmMessage();
    if (f.Loaded())
        f.Unload();
    f.Load();
    f.LabelMessage->SetTransparent(true);
    const QString& nick = HS.ProfileNickName;
    f.SetCaption(nick.isEmpty() || nick == QLatin1String("Amblet") ? QStringLiteral("Zantipo")
                                                                   : QStringLiteral("Message For - ") + nick);
    f.LabelInput1->SetCaption(QString());
    f.LabelInput2->SetCaption(QString());
    f.LabelHead->SetCaption(headText);
    f.LabelMessage->SetCaption(bodyText);
    FitBox(f);

    // Every caller of the help asks for OK alone; the other modes lay out the main program's way.
    QString okFace = QStringLiteral("OK"), cancelFace = QStringLiteral("Cancel");
    if (mode == QLatin1String("YesNo")) {
        okFace = QStringLiteral("Yes");
        cancelFace = QStringLiteral("No");
    }
    f.ImageOK->SetCaption(okFace);
    f.ImageCancel->SetCaption(cancelFace);
    f.ImageOK->SetEnabled(mode != QLatin1String("Cancel"));
    f.ImageOK->SetVisible(mode != QLatin1String("Cancel"));
    f.ImageCancel->SetEnabled(!okOnly);
    f.ImageCancel->SetVisible(!okOnly);
    (void)inputMode;  // no help caller asks for input
    f.ImageOK->SetAccessibleName(okFace);
    f.ImageCancel->SetAccessibleName(cancelFace);

    // The box opens with OK in the focus, so that the keyboard answers it at once.
    GiveFocusNow(f.ImageOK->Enabled() ? static_cast<Control&>(*f.ImageOK) : *f.ImageCancel);
    f.ShowModal();
    if (f.Loaded())
        f.Unload();
    HM.MessageReply.clear();
}

void CloseMessageOK() {
    CloseMessage();
}

void CloseMessageCancel() {
    CloseMessage();
}

}  // namespace qv::help
