// The handlers of the panels' controls: File Selection, Action, Options, the priority lists and the
// reset row. They write a pending field and ask the panel controller to prepare the panel again, or
// hand the open panel's key over to be committed or cancelled; the selection boxes keep their input
// rules here.

#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "criteria/criteria.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"

namespace qv {

using panels::kAskExtension;
using panels::kAskNumber;
using panels::kAskString;

namespace {

// The selection's numbers are 16-bit: a larger one would make the settings file read as damaged.
constexpr int kNumberLimit = 32767;
constexpr Colour kRed = 255;
constexpr Colour kButtonText = 0x80000012;

const QString kCrLf2 = QStringLiteral("\r\n\r\n");

void Tag(SetNullId tag) {
    S.SetNullKey = tag;
    SetNullByTag();
}

void Refresh(SetButId key) {
    S.SetButKey = key;
    SetButtons();
}

void Apply(PanelId key) {
    S.PanelKey = key;
    SetValueByKey();
}

void Ready(MessageId key, const QString& text) {
    S.MessageKey = key;
    S.MessageReadyText = text;
    MessageShowReady();
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of a text of digits, or -1 past the limit. An empty text is 0.
int NumberOf(const QString& digits) {
    qsizetype i = 0;
    while (i < digits.size() && digits.at(i) == QLatin1Char('0')) ++i;
    const QString significant = digits.mid(i);
    if (significant.size() > 5)
        return -1;
    const int n = significant.isEmpty() ? 0 : significant.toInt();
    return n > kNumberLimit ? -1 : n;
}

// The box's text after this key, typed over the selection.
QString AfterKey(const TextBox& box, QChar c) {
    const QString t = box.Text();
    const int start = std::clamp(box.SelStart(), 0, static_cast<int>(t.size()));
    return t.left(start) + c + t.mid(start + box.SelLength());
}

void RefuseTooLarge() {
    Ready(MessageId::MessageOnlyReadyMsg,
          QStringLiteral("The number in this box can not be higher than 32767."));
}

// What a number box does with a digit key: false (and the key swallowed) when it would take the
// value past the limit.
bool DigitFits(const TextBox& box, int& keyAscii) {
    if (NumberOf(AfterKey(box, QChar(keyAscii))) >= 0)
        return true;
    keyAscii = 0;
    RefuseTooLarge();
    return false;
}

// A text that did not come through KeyPress (a paste): anything but digits is taken out, and a value
// past the limit puts the last accepted text back. True when the box was rewritten; its Change has
// then run again with the repaired text.
bool RepairPasted(TextBox* box, const QString& digitRule, const QString& accepted) {
    const QString text = box->Text();
    QString digits;
    for (QChar c : text)
        if (IsDigit(c))
            digits += c;
    if (digits != text) {
        Ready(MessageId::MessageReadyOnlyDigit, digitRule);
        box->SetText(digits);
        return true;
    }
    if (NumberOf(digits) < 0) {
        RefuseTooLarge();
        box->SetText(accepted);
        return true;
    }
    return false;
}

void CaretToEnd(TextBox* box) {
    box->SetSelStart(static_cast<int>(box->Text().size()));
}

const QString& MaxDigitRule() {
    static const QString rule =
        QStringLiteral(
            "This box accept only digits. For auto file selection you can set a limit for maximum "
            "files to be selected by typing that number in this box.") +
        kCrLf2 + QStringLiteral("If you do not want a limit then type 0 (zero) or clear the box.");
    return rule;
}

const QString& NumberDigitRule() {
    static const QString rule = QStringLiteral(
        "In this box you need to type the number of files that you want to be selected by the Program "
        "automatically. Please use only digits to type that number.");
    return rule;
}

const QString& SkipDigitRule() {
    static const QString rule =
        QStringLiteral(
            "Program will select files in your current working Folder automatically according to "
            "your set criteria. Program can skip a number of files (whatever number you type in "
            "this box) before starting selection.") +
        kCrLf2 +
        QStringLiteral(
            "If you want to skip some files then please type that number in this box using only "
            "digits.");
    return rule;
}

}  // namespace

void FrmMain::WirePanelHandlers() {
    // File Selection.
    CommandSelection->Click = [this] { CommandSelection_Click(); };
    for (OptionButton* o : OptionSelection.items()) {
        const int i = o->Index();
        o->Click = [i] {
            S.EditSelKind = i;
            Tag(SetNullId::setNullIndexSelection);
        };
    }
    for (OptionButton* o : OptionSelectionNum.items()) {
        const int i = o->Index();
        o->Click = [i] {
            S.EditSelNumKind = i;
            Tag(SetNullId::setNullNumIndexNumSelection);
        };
    }
    CheckSelectionKeep->Click = [this] {
        S.SelKeepPending = CheckSelectionKeep->Value() == 1;
        Tag(SetNullId::setNullSelectionOK);
    };
    CheckSelectionSensitive->Click = [this] {
        S.SelCaseSensitivePending = CheckSelectionSensitive->Value() == 1;
        if (!TextSelectionString->Text().isEmpty())
            Tag(SetNullId::setNullSelectionOK);
        else
            CommandSelectionOK->SetEnabled(false);
    };
    TextSelectionMaxFile->Change = [this] { TextSelectionMaxFile_Change(); };
    TextSelectionMaxFile->KeyPress = [this](int& k) { TextSelectionMaxFile_KeyPress(k); };
    TextSelectionNumFile->Change = [this] { TextSelectionNumFile_Change(); };
    TextSelectionNumFile->KeyPress = [this](int& k) { TextSelectionNumFile_KeyPress(k); };
    TextSelectionNumFile->LostFocus = [this] {
        LabelSelectionAsk->SetCaption(S.SelNumberPending >= 1 ? QString() : kAskNumber);
    };
    TextSelectionNumSkip->Change = [this] { TextSelectionNumSkip_Change(); };
    TextSelectionNumSkip->KeyPress = [this](int& k) { TextSelectionNumSkip_KeyPress(k); };
    TextSelectionString->Change = [this] { TextSelectionString_Change(); };
    TextSelectionString->KeyPress = [this](int& k) {
        if (k != 13)
            return;
        k = 0;
        if (!TextSelectionString->Text().isEmpty() && CommandSelectionOK->Enabled())
            CommandSelectionOK_Click();
    };
    TextSelectionString->LostFocus = [this] {
        if (S.EditSelKind == 2)
            LabelSelectionAsk->SetCaption(S.SelStringPending.isEmpty() ? kAskString : QString());
        else if (S.EditSelKind == 3)
            LabelSelectionAsk->SetCaption(S.SelExtensionPending.isEmpty() ? kAskExtension : QString());
    };
    CommandSelectionOK->Click = [this] { CommandSelectionOK_Click(); };
    CommandSelectionCancel->Click = [this] {
        PictureMain->SetFocus();
        panels::SetValueCancel();
    };

    // Action.
    CommandAction->Click = [this] { CommandAction_Click(); };
    for (OptionButton* o : OptionAction.items()) {
        const int i = o->Index();
        o->Click = [i] {
            S.EditActionIndex = i;
            Tag(SetNullId::setNullIndexAction);
        };
    }
    CheckActionMode->Click = [this] {
        S.ReviewModePending = CheckActionMode->Value() == 1 ? 1 : 0;
        Tag(SetNullId::setNullIndexAction);
    };
    CheckActionOverwrite->Click = [this] {
        S.OverwritePending = CheckActionOverwrite->Value() == 1;
        Tag(SetNullId::setNullIndexAction);
    };
    for (OptionButton* o : OptionAttribute.items()) {
        const int i = o->Index();
        o->Click = [this, i] {
            S.EditActionAttribute = i;
            LabelActionMust->SetCaption(i != 0 ? QString()
                                               : QStringLiteral("Must select an Attribute to Set Attribute"));
            Refresh(SetButId::setButOnlyAction);
        };
    }
    CommandActionBrowse->Click = [this] { CommandActionBrowse_Click(); };
    CommandActionOK->Click = [this] {
        PictureMain->SetFocus();
        // The folder dialog decides first; the panel stays as it is behind it.
        if (S.MoveDestinationMode)
            return;
        SetValueByKey();
    };
    CommandActionCancel->Click = [this] {
        PictureMain->SetFocus();
        if (S.MoveDestinationMode)
            return;
        panels::SetValueCancel();
    };

    // Options.
    CommandRigidity->Click = [this] {
        PictureMain->SetFocus();
        if (S.PanelKey == PanelId::Options) {
            panels::SetValueCancel();
            return;
        }
        if (S.ViewLocked)
            return;
        OpenPanel(PanelId::Options, SetNullId::setNullRigidity);
    };
    const std::pair<ControlArray<OptionButton>*, int*> marks[] = {
        {&OptionInsertRigid, &S.WeightInsertRigid},
        {&OptionReplaceRigid, &S.WeightReplaceRigid},
        {&OptionRemoveRigid, &S.WeightRemoveRigid},
        {&OptionCharReplaceRigid, &S.WeightCharReplaceRigid},
        {&OptionCharRemoveRigid, &S.WeightCharRemoveRigid}};
    int weight = 1;
    for (const auto& [options, slot] : marks) {
        for (OptionButton* o : options->items()) {
            o->Click = [this, own = slot, value = weight * o->Index()] {
                *own = value;
                OptionsChanged();
            };
        }
        weight *= 2;
    }
    CheckHelpRigid->Click = [this] {
        const bool on = CheckHelpRigid->Value() == 1;
        S.WeightHelpRigid = on ? 32 : 0;
        S.HelpAtStartPending = on;
        if (on)
            S.FrameKeySaved = FrameId::InfoFrame;
        OptionsChanged();
    };
    CheckAllowSystemRigid->Click = [this] {
        const bool on = CheckAllowSystemRigid->Value() == 1;
        S.WeightAllowSystemRigid = on ? 64 : 0;
        CheckAllowSystemRigid->SetForeColor(on ? kRed : kButtonText);
        OptionsChanged();
    };
    CheckUndoWarnRigid->Click = [this] {
        const bool on = CheckUndoWarnRigid->Value() == 1;
        S.WeightUndoWarnRigid = on ? 128 : 0;
        S.SkipUndoWarningPending = on;
        OptionsChanged();
    };
    CommandRigidityOK->Click = [this] {
        PictureMain->SetFocus();
        SetValueByKey();
    };
    CommandRigidityCancel->Click = [this] {
        PictureMain->SetFocus();
        panels::SetValueCancel();
    };
    CommandRigidityDefault->Click = [this] {
        PictureMain->SetFocus();
        Apply(PanelId::RigidityDefault);
    };

    // Priority.
    for (ComboBox* c : {ComboPriority1st, ComboPriority2nd, ComboPriority3rd}) {
        // Chosen with the mouse only: typed characters do not pick an entry.
        IgnoreTypedCharacters(*c);
        c->Click = [] {
            if (S.StartUpInProgress)
                return;
            Refresh(SetButId::setButOnlyPriority);
        };
    }
    CommandPriorityOK->Click = [this] {
        PictureMain->SetFocus();
        Apply(PanelId::Priority);
    };
    CommandPriorityDefault->Click = [this] {
        PictureMain->SetFocus();
        ComboPriority1st->SetListIndex(0);
        ComboPriority2nd->SetListIndex(1);
        ComboPriority3rd->SetListIndex(2);
        Apply(PanelId::Priority);
    };
    CommandPriorityHide->Click = [this] {
        PictureMain->SetFocus();
        S.FrameKey.clear();
        Refresh(SetButId::setButFrame);
    };

    // The reset row and the criteria dialog.
    CommandResetAll->Click = [this] {
        PictureMain->SetFocus();
        if (!S.ViewLocked)
            Apply(PanelId::ResetAll);
    };
    CommandClearSelection->Click = [this] {
        PictureMain->SetFocus();
        if (S.SelKind != 0) {
            OptionSelection[0]->SetValue(true);
            S.EditSelKind = 0;
            Apply(PanelId::Selection);
        } else {
            panels::SetValueClearSelection();
            Refresh(SetButId::setButGlobal);
        }
    };
    CommandClearAction->Click = [this] {
        PictureMain->SetFocus();
        OptionAction[0]->SetValue(true);
        CheckActionMode->SetValue(0);
        // Whatever the two buttons showed before, Rename without review mode is what is committed.
        S.EditActionIndex = IndexOf(Action::Rename);
        S.ReviewModePending = 0;
        Apply(PanelId::Action);
    };
    CommandClearRigidity->Click = [this] {
        PictureMain->SetFocus();
        Apply(PanelId::ResetRigidity);
    };
    CommandClearRename->Click = [this] {
        PictureMain->SetFocus();
        Apply(PanelId::ResetRename);
    };
    CommandRenameCriteria->Click = [this] {
        PictureMain->SetFocus();
        if (!S.ViewLocked)
            criteria::OpenRenameCriteria();
    };
}

void FrmMain::OpenPanel(PanelId key, SetNullId tag) {
    S.PanelOpen = true;
    S.PanelKey = key;
    Tag(tag);
}

void FrmMain::CommandSelection_Click() {
    PictureMain->SetFocus();
    if (S.PanelKey == PanelId::Selection) {
        panels::SetValueCancel();
        return;
    }
    // Easy Process works on one picked file: no batch is chosen behind its frame.
    if ((!S.ViewLocked || S.PanelKey.isEmpty()) && !S.EasyProcessMode)
        OpenPanel(PanelId::Selection, SetNullId::setNullSelectionStart);
}

void FrmMain::CommandAction_Click() {
    PictureMain->SetFocus();
    if (S.PanelKey == PanelId::Action) {
        if (!S.MoveDestinationMode)
            panels::SetValueCancel();
        return;
    }
    if (!S.ViewLocked || S.PanelKey.isEmpty())
        OpenPanel(PanelId::Action, SetNullId::setNullActionStart);
}

void FrmMain::CommandActionBrowse_Click() {
    PictureMain->SetFocus();
    if (!NeedsDestination(EditedAction()))
        return;
    S.MoveDestinationMode = true;
    Tag(SetNullId::setNullActionMovePath);
}

void FrmMain::CommandSelectionOK_Click() {
    PictureMain->SetFocus();
    if (S.EditSelKind == 1 && S.EditSelNumKind == 1 && S.SelMaxFilesPending != 0 &&
        S.SelNumberPending > S.SelMaxFilesPending) {
        Ready(MessageId::MessageOnlyReadyMsg,
              QStringLiteral("Limit of maximum file to select is ") + QString::number(S.SelMaxFilesPending) +
                  QStringLiteral(". Number of files you want to be selected is ") +
                  QString::number(S.SelNumberPending) + QStringLiteral(". This can not be done.") + kCrLf2 +
                  QStringLiteral("Either change the number of file you want to select or change the maximum "
                                 "limit of files to be selected."));
        return;
    }
    SetValueByKey();
}

void FrmMain::OptionsChanged() {
    S.OptionsCodePending = S.WeightInsertRigid + S.WeightReplaceRigid + S.WeightRemoveRigid +
                           S.WeightCharReplaceRigid + S.WeightCharRemoveRigid + S.WeightHelpRigid +
                           S.WeightAllowSystemRigid + S.WeightUndoWarnRigid;
    Refresh(SetButId::setButOnlyRigidity);
}

// The Selection panel's number boxes: Enter presses an enabled OK, Backspace passes, any other
// key that is not a digit is refused with the box's rule. True for a digit still to be judged.
bool FrmMain::SelectionDigitKey(int& keyAscii, const QString& rule) {
    if (keyAscii == 13) {
        keyAscii = 0;
        if (CommandSelectionOK->Enabled())
            CommandSelectionOK_Click();
        return false;
    }
    if (keyAscii == 8)
        return false;
    if (keyAscii > 0 && keyAscii < 0x10000 && IsDigit(QChar(keyAscii)))
        return true;
    keyAscii = 0;
    Ready(MessageId::MessageReadyOnlyDigit, rule);
    return false;
}

void FrmMain::TextSelectionMaxFile_KeyPress(int& keyAscii) {
    if (SelectionDigitKey(keyAscii, MaxDigitRule()))
        DigitFits(*TextSelectionMaxFile, keyAscii);
}

void FrmMain::TextSelectionMaxFile_Change() {
    TextBox* box = TextSelectionMaxFile;
    if (RepairPasted(box, MaxDigitRule(), QString::number(S.SelMaxFilesPending)))
        return;
    const int n = NumberOf(box->Text());
    S.SelMaxFilesPending = n;
    if (QString::number(n) != box->Text()) {
        box->SetText(QString::number(n));  // its Change goes on from here
        CaretToEnd(box);
        return;
    }
    Tag(SetNullId::setNullSelectionOK);
}

void FrmMain::TextSelectionNumFile_KeyPress(int& keyAscii) {
    if (!SelectionDigitKey(keyAscii, NumberDigitRule()))
        return;
    if (keyAscii == '0' && S.SelNumberPending == 0) {
        keyAscii = 0;
        Ready(MessageId::MessageNoLeadingZero,
              QStringLiteral("This number should not start with a 0 (zero).") + kCrLf2 +
                  QStringLiteral("In this box please type the exact number how many files you want to be "
                                 "selected. That number should not start with a 0 (zero)."));
        return;
    }
    DigitFits(*TextSelectionNumFile, keyAscii);
}

void FrmMain::TextSelectionNumFile_Change() {
    TextBox* box = TextSelectionNumFile;
    const QString accepted = S.SelNumberPending == 0 ? QString() : QString::number(S.SelNumberPending);
    if (RepairPasted(box, NumberDigitRule(), accepted))
        return;
    const QString text = box->Text();
    const int n = NumberOf(text);
    if (!text.isEmpty() && n == 0) {
        box->SetText(QString());
        return;
    }
    if (!text.isEmpty() && text.size() > QString::number(n).size()) {
        box->SetText(QString::number(n));
        CaretToEnd(box);
        return;
    }
    if (!text.isEmpty()) {
        S.SelNumberPending = n;
        if (S.EditSelKind == 1 && S.EditSelNumKind == 1)
            LabelSelectionAsk->SetCaption(QString());
        Tag(SetNullId::setNullSelectionOK);
        return;
    }
    S.SelNumberPending = 0;
    // Only the by-number panel asks for a number; the box is emptied for the other kinds too.
    if (S.EditSelKind == 1 && S.EditSelNumKind == 1)
        LabelSelectionAsk->SetCaption(kAskNumber);
    CommandSelectionOK->SetEnabled(false);
}

void FrmMain::TextSelectionNumSkip_KeyPress(int& keyAscii) {
    if (SelectionDigitKey(keyAscii, SkipDigitRule()))
        DigitFits(*TextSelectionNumSkip, keyAscii);
}

void FrmMain::TextSelectionNumSkip_Change() {
    TextBox* box = TextSelectionNumSkip;
    if (RepairPasted(box, SkipDigitRule(), QString::number(S.SelSkipPending)))
        return;
    const QString text = box->Text();
    if (text.isEmpty()) {
        S.SelSkipPending = 0;
    } else {
        const int n = NumberOf(text);
        S.SelSkipPending = n;
        if (QString::number(n).size() < text.size()) {
            Ready(MessageId::MessageOnlyReadyMsg,
                  QStringLiteral("If you do not want to skip any file then type 0(zero) in this box or leave "
                                 "the box empty.") +
                      kCrLf2 +
                      QStringLiteral("If you want to skip some file then the number of file you want to skip "
                                     "must be higher than 0(zero) and can not start with a 0(zero)."));
            box->SetText(QString::number(n));
            CaretToEnd(box);
            return;
        }
    }
    Tag(SetNullId::setNullSelectionOK);
}

void FrmMain::TextSelectionString_Change() {
    const QString text = TextSelectionString->Text();
    // The prompt asks for what the box lacks: it goes as soon as something is typed.
    if (S.EditSelKind == 2) {
        S.SelStringPending = text;
        LabelSelectionAsk->SetCaption(text.isEmpty() ? kAskString : QString());
    } else if (S.EditSelKind == 3) {
        S.SelExtensionPending = text;
        LabelSelectionAsk->SetCaption(text.isEmpty() ? kAskExtension : QString());
    }
    if (text.isEmpty() && (S.EditSelKind == 2 || S.EditSelKind == 3))
        CommandSelectionOK->SetEnabled(false);
    else
        Tag(SetNullId::setNullSelectionOK);
}

}  // namespace qv
