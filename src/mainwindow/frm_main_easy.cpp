// The main window's single-file mode (Easy Process), the Run and Help panels, and the buttons of the
// information frames that share one place (view, choice, little help).
#include <algorithm>

#include "core/family.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/easy_process.h"
#include "forms/forms_fit.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"
#include "platform/services.h"

namespace qv {

namespace {

constexpr Colour kBoxOff = 0xE0E0E0;

// Run panel metrics, in pixels: one row per program, the buttons under the last row.
constexpr int kRunRowTop = 20, kRunRowPitch = 20, kRunButtonHeight = 28;

void Refresh(SetButId key) {
    S.SetButKey = key;
    SetButtons();
}

bool IsAsciiLetterOrDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool NameCharAllowed(char32_t c, bool spaceAllowed) {
    return IsAsciiLetterOrDigit(c) || c == '$' || c == '-' || c == '_' || (c == ' ' && spaceAllowed);
}

// The characters an edit brought into a box. A paste or a key leaves the caret where what it put in
// ends; it begins where the texts before and after stop being alike. An edit that leaves the caret
// elsewhere is taken as the least change between the two texts.
QList<uint> Inserted(const QString& before, const QString& after, int caret) {
    const QList<uint> b = before.toUcs4(), a = after.toUcs4();
    qsizetype head = 0;
    while (head < b.size() && head < a.size() && b[head] == a[head]) ++head;
    const qsizetype end = after.left(caret).toUcs4().size();
    const qsizetype rest = a.size() - end;
    if (rest <= b.size() && a.mid(end) == b.mid(b.size() - rest)) {
        const qsizetype from = std::min({head, end, b.size() - rest});
        return a.mid(from, end - from);
    }
    qsizetype tail = 0;
    while (tail < b.size() - head && tail < a.size() - head &&
           b[b.size() - 1 - tail] == a[a.size() - 1 - tail])
        ++tail;
    return a.mid(head, a.size() - head - tail);
}

void ShowReady(MessageId key, const QString& text) {
    S.MessageKey = key;
    S.MessageReadyText = text;
    MessageShowReady();
}

void ExtensionRefused() {
    ShowReady(
        MessageId::MessageOnlyReadyMsg,
        QStringLiteral("In new Extension you can use only Alphabets and Digits 0 to 9. No other Character "
                       "can be included."));
}

void SpaceRefused() {
    ShowReady(MessageId::MessageReadyIncludeSpace,
              QStringLiteral("Normally space can not be included in this text. To include Space please check "
                             "the Include Space Check Box."));
}

void NameCharRefused() {
    S.MessageKey = MessageId::MessageNewNameChars;
    MessageShowWork();
}

}  // namespace

void FrmMain::WireEasyHandlers() {
    SingleSpaceAllowed = false;
    HelpPictureIndex = 0;
    singleNameTyped_.clear();
    singleExtTyped_.clear();
    // The form holds an option for every entry the Run list can reach; the panel shows what it needs.
    for (int i = OptionRun.Count(); i < kRunEntries; ++i) {
        OptionButton* o = AddTo(OptionRun, QStringLiteral("OptionRun"), i, FrameRun);
        o->Move(12 * kTwipsPerPixel, (kRunRowTop + kRunRowPitch * i) * kTwipsPerPixel, 276 * kTwipsPerPixel,
                kRunRowPitch * kTwipsPerPixel);
        o->SetVisible(false);
        o->Click = [this, i] {
            S.RunChoice = i;
            CommandRunOK->SetEnabled(true);
        };
    }

    CheckEasyProcess->Click = [this] { CheckEasyProcess_Click(); };
    CommandSingleCancel->Click = [this] {
        PictureMain->SetFocus();
        CheckEasyProcess->SetValue(0);
    };
    File2->Click = [this] { File2_Click(); };
    File2->PathChange = [this] { File2_PathChange(); };
    TextSingleProcessName->Change = [this] { SingleProcessReadiness(); };
    TextSingleProcessExt->Change = [this] { SingleProcessReadiness(); };
    TextSingleProcessName->KeyPress = [this](int& k) { SingleProcessKeyPress(TextSingleProcessName, k); };
    TextSingleProcessExt->KeyPress = [this](int& k) { SingleProcessKeyPress(TextSingleProcessExt, k); };
    CheckSingleSpace->Click = [this] { CheckSingleSpace_Click(); };
    CommandSingleProcess->Click = [this] { CommandSingleProcess_Click(); };

    CommandRun->Click = [this] { CommandRun_Click(); };
    CommandRunOK->Click = [this] {
        PictureMain->SetFocus();
        FamilyRunMember();
    };
    CommandRunCancel->Click = [this] {
        PictureMain->SetFocus();
        FamilyRunHide();
    };

    CommandHelp->Click = [this] { CommandHelp_Click(); };
    CommandHelpCancel->Click = [this] {
        PictureMain->SetFocus();
        panels::SetValueCancel();
    };
    CommandHelpShow->Click = [this] {
        PictureMain->SetFocus();
        FamilyRunHelp();
    };
    CommandHelpAbout->Click = [this] {
        PictureMain->SetFocus();
        if (S.FrameKey == FrameId::AboutFrame)
            S.FrameKey.clear();
        else
            S.FrameKey = FrameId::AboutFrame;
        Refresh(SetButId::setButOnlyAbout);
    };
    CommandHelpWebSite->Click = [this] { CommandHelpWebSite_Click(); };

    CommandViewChoice->Click = [this] { ShowInfoFrame(FrameId::ChoiceFrame); };
    CommandViewPriority->Click = [this] { ShowInfoFrame(FrameId::PriorityFrame); };
    CommandViewInfo->Click = [this] {
        S.FrameKeySaved = FrameId::InfoFrame;
        ShowInfoFrame(FrameId::InfoFrame);
    };
    CommandChoiceHide->Click = [this] { ShowInfoFrame({}); };
    CommandInfoHide->Click = [this] { ShowInfoFrame({}); };
    CommandChoiceSetName->Click = [this] {
        PictureMain->SetFocus();
        S.MessageKey = MessageId::MessageChangeUserName;
        MessageShowSystem();
    };
    CommandChoiceSetPic->Click = [this] { CommandChoiceSetPic_Click(); };
}

void FrmMain::ShowInfoFrame(const FrameKeyField& frameKey) {
    PictureMain->SetFocus();
    S.FrameKey = frameKey;
    Refresh(SetButId::setButFrame);
}

// --- Easy Process ---

void FrmMain::CheckEasyProcess_Click() {
    if (CheckEasyProcess->Value() == 1) {
        S.FileListByProgram = true;
        panels::SetValueClearSelection();
        S.FileListByProgram = false;
        S.EasyProcessMode = true;
    } else {
        S.EasyProcessMode = false;
    }
    Refresh(SetButId::setButSingleProcess);
}

void FrmMain::SingleProcessBoxesOff() {
    CheckSingleSpace->SetValue(0);
    CheckSingleSpace->SetEnabled(false);
    for (TextBox* t : {TextSingleProcessName, TextSingleProcessExt}) {
        t->SetBackColor(kBoxOff);
        t->SetEnabled(false);
    }
    SingleProcessLabels(false);
    LabelSingleReady->SetVisible(false);
    CommandSingleProcess->SetEnabled(false);
}

void FrmMain::File2_Click() {
    const int clicked = File2->ListIndex();
    if (clicked < 0 || clicked == S.EasyFileIndex) {
        // A second click on the picked file takes the pick back.
        S.EasyFileIndex = -1;
        File2->SetListIndex(-1);
        File2->Refresh();
    } else {
        S.EasyFileIndex = clicked;
    }
    SingleProcessShowPick(false);
    Refresh(SetButId::setButOnlyInfo);
}

bool FrmMain::SingleProcessShowPick(bool keepTyped) {
    QString name, ext;
    bool usable = false;
    if (S.EasyFileIndex >= 0) {
        const QString file = File2->List(S.EasyFileIndex);
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0) {
            name = file.left(dot);
            ext = file.mid(dot + 1);
            usable = dot > 0;
        }
    }
    const bool renaming = Renames(CurrentAction());
    const bool editable = usable && renaming;
    if (!editable)
        CheckSingleSpace->SetValue(0);  // before the boxes are filled: unticking strips spaces
    // A name typed for a rename stays when the action is still a rename; anything else shows the
    // file's own name, which is the name the other actions use.
    if (!(keepTyped && editable)) {
        singleNameTyped_ = name;
        singleExtTyped_ = ext;
        TextSingleProcessName->SetText(name);
        TextSingleProcessExt->SetText(ext);
    }
    for (TextBox* t : {TextSingleProcessName, TextSingleProcessExt}) {
        t->SetEnabled(editable);
        t->SetBackColor(editable ? kSysWindowBackground : kBoxOff);
    }
    CheckSingleSpace->SetEnabled(editable);
    SingleProcessLabels(editable);
    // A rename waits for a new name; the other actions are ready with the file's own name at once.
    SingleProcessReadiness();
    if (editable) {
        TextSingleProcessName->SetFocus();
        TextSingleProcessName->SetSelStart(0);
        TextSingleProcessName->SetSelLength(static_cast<int>(TextSingleProcessName->Text().size()));
    }
    return editable;
}

void FrmMain::SingleProcessPrepareForAction() {
    const bool renaming = Renames(CurrentAction());
    LabelSingleProcess->SetCaption(S.ActionName);
    LabelSingleInfo2->SetCaption(
        renaming ? QStringLiteral("2. Set the new name in the Text boxes bellow and press ") + S.ActionName +
                       QStringLiteral(" button.")
                 : QStringLiteral("2. Press ") + S.ActionName + QStringLiteral(" button bellow."));
    if (!S.EasyProcessMode)
        return;
    SingleProcessShowPick(true);
}

void FrmMain::SingleProcessLabels(bool editable) {
    // Boxes that take a new name say so; read-only ones show the file's own name.
    LabelSingleProcessName->SetCaption(editable ? QStringLiteral("New Name") : QStringLiteral("Name"));
    LabelSingleProcessExt->SetCaption(editable ? QStringLiteral("And New Extension")
                                               : QStringLiteral("Extension"));
    TextSingleProcessName->SetAccessibleName(editable ? QStringLiteral("New Name") : QStringLiteral("Name"));
    TextSingleProcessExt->SetAccessibleName(editable ? QStringLiteral("New Extension")
                                                     : QStringLiteral("Extension"));
}

void FrmMain::File2_PathChange() {
    if (S.StartUpInProgress)
        return;
    // The pick was an index into the folder left behind: in this one it would name another file.
    S.EasyFileIndex = -1;
    if (File2->ListIndex() != -1)
        return;
    singleNameTyped_.clear();
    singleExtTyped_.clear();
    TextSingleProcessName->SetText(QString());
    TextSingleProcessExt->SetText(QString());
    SingleProcessBoxesOff();
}

void FrmMain::SingleProcessReadiness() {
    const QString name = TextSingleProcessName->Text(), ext = TextSingleProcessExt->Text();
    // What is pasted passes the same rules as what is typed: a change that brings in a character the
    // keys would refuse is taken back. Characters the file's own name brought along may stay.
    const QList<uint> intoName = Inserted(singleNameTyped_, name, TextSingleProcessName->SelStart());
    if (!SingleSpaceAllowed && intoName.contains(uint(' '))) {
        TextSingleProcessName->SetText(singleNameTyped_);
        SpaceRefused();
        return;
    }
    for (char32_t c : intoName) {
        if (!NameCharAllowed(c, SingleSpaceAllowed)) {
            TextSingleProcessName->SetText(singleNameTyped_);
            NameCharRefused();
            return;
        }
    }
    for (char32_t c : Inserted(singleExtTyped_, ext, TextSingleProcessExt->SelStart())) {
        if (!IsAsciiLetterOrDigit(c)) {
            TextSingleProcessExt->SetText(singleExtTyped_);
            ExtensionRefused();
            return;
        }
    }
    singleNameTyped_ = name;
    singleExtTyped_ = ext;

    bool ready = false;
    if (!name.isEmpty() && !ext.isEmpty() && S.EasyFileIndex >= 0) {
        const bool same = name + QLatin1Char('.') + ext == File2->List(S.EasyFileIndex);
        ready = Renames(CurrentAction()) ? !same : same;
    }
    LabelSingleReady->SetVisible(ready);
    CommandSingleProcess->SetEnabled(ready);
}

void FrmMain::SingleProcessKeyPress(TextBox* box, int& k) {
    if (File2->ListIndex() == -1) {
        k = 0;
        return;
    }
    if (k == 13) {
        k = 0;
        // Enter is the Process button, and only when that button could be pressed.
        if (!TextSingleProcessName->Text().isEmpty() && !TextSingleProcessExt->Text().isEmpty() &&
            CommandSingleProcess->Enabled())
            CommandSingleProcess_Click();
        return;
    }
    if (k == 8)
        return;
    const auto c = static_cast<char32_t>(k);
    if (box == TextSingleProcessExt) {
        if (!IsAsciiLetterOrDigit(c)) {
            k = 0;
            ExtensionRefused();
        }
        return;
    }
    if (c == ' ' && !SingleSpaceAllowed) {
        k = 0;
        SpaceRefused();
    } else if (!NameCharAllowed(c, SingleSpaceAllowed)) {
        k = 0;
        NameCharRefused();
    }
}

void FrmMain::CheckSingleSpace_Click() {
    SingleSpaceAllowed = CheckSingleSpace->Value() == 1;
    if (!SingleSpaceAllowed && !TextSingleProcessName->Text().isEmpty()) {
        singleNameTyped_ = TextSingleProcessName->Text().remove(QLatin1Char(' '));
        TextSingleProcessName->SetText(singleNameTyped_);
    }
    if (TextSingleProcessName->EffectivelyVisible() && TextSingleProcessName->EffectivelyEnabled())
        TextSingleProcessName->SetFocus();
}

void FrmMain::CommandSingleProcess_Click() {
    PictureMain->SetFocus();
    if (S.ReviewMode == 1) {
        S.MessageKey = MessageId::MessageReviewModeOn;
        MessageShowWork();
        return;
    }
    SingleProcessStart();
    if (S.EasyFileIndex == -1) {
        // Done: nothing is picked any more, so nothing can be typed or run until the next pick.
        singleNameTyped_.clear();
        singleExtTyped_.clear();
        SingleProcessBoxesOff();
        Refresh(SetButId::setButGlobal);
    }
}

// --- Run panel ---

void FrmMain::CommandRun_Click() {
    PictureMain->SetFocus();
    if (S.PanelKey == PanelId::Family) {
        FamilyRunHide();
        return;
    }
    if (S.ViewLocked)
        return;
    S.PanelOpen = true;
    S.PanelKey = PanelId::Family;
    FamilyRunShow();
}

void FrmMain::FamilyRunShow() {
    const int n = std::min(S.RunListLast, kRunEntries - 1);
    const int buttonsTop = kRunRowTop + kRunRowPitch * (n + 1) + 4;
    const int buttonHeight = std::max(kRunButtonHeight, CommandRunOK->Height() / kTwipsPerPixel);
    FrameRun->SetHeight(buttonsTop + buttonHeight + 10);
    for (CommandButton* b : {CommandRunOK, CommandRunCancel}) b->SetTop(buttonsTop * kTwipsPerPixel);
    CommandRunOK->SetEnabled(false);
    for (OptionButton* o : OptionRun.items()) {
        const int i = o->Index();
        o->SetValue(false);
        o->SetVisible(i <= n);
        o->SetCaption(i <= n ? S.RunListNames.value(i) : QString());
        ShowWholeTextOnDemand(*o, o->Caption());
    }
    // A single program is chosen already: OK starts it.
    if (n == 0)
        OptionRun[0]->SetValue(true);
    FrameRun->SetVisible(true);
    S.ViewLocked = true;
    S.ViewLockChanged = true;
    Refresh(SetButId::setButGlobal);
}

void FrmMain::FamilyRunHide() {
    FrameRun->SetVisible(false);
    S.PanelKey.clear();
    S.PanelOpen = false;
    S.ViewLocked = false;
    S.ViewLockChanged = true;
    Refresh(SetButId::setButGlobal);
}

// --- Help panel ---

void FrmMain::CommandHelp_Click() {
    PictureMain->SetFocus();
    if (S.PanelKey == PanelId::Help) {
        panels::SetValueCancel();
        return;
    }
    if (S.ViewLocked)
        return;
    HelpPictureIndex = HelpPictureIndex == 0 ? 1 : 0;
    FrmBut& holder = frmBut();
    if (!holder.Loaded())
        holder.Load();
    if (Image* picture = holder.ImageHelp[HelpPictureIndex])
        ImageHelpDefault->SetPicture(picture->GetPicture());
    S.PanelOpen = true;
    S.PanelKey = PanelId::Help;
    S.SetNullKey = SetNullId::setNullHelp;
    SetNullByTag();
}

void FrmMain::CommandHelpWebSite_Click() {
    PictureMain->SetFocus();
    if (!systemServices().OpenWebPage(ProductWebAddress())) {
        S.MessageKey = MessageId::MessageRunHelpSiteError;
        MessageShowSystem();
        return;
    }
    panels::SetValueCancel();
}

// --- Choice frame ---

void FrmMain::CommandChoiceSetPic_Click() {
    PictureMain->SetFocus();
    if (S.PanelOpen) {
        if (S.PanelKey == PanelId::Family)
            FamilyRunHide();
        else
            panels::SetValueCancel();
    }
    S.PictureDefaultSaved = S.PictureDefaultChosen;
    S.MoveListRefreshing = true;
    S.MovePictureMode = true;
    S.SetNullKey = SetNullId::setNullActionMovePath;
    SetNullByTag();
}

}  // namespace qv
