// The working mock-ups of the help window: File Selection, Action, Rename Criteria (Insert and Auto)
// and Easy Process. They answer clicks and typing like the real panels, touch no file and keep
// nothing beyond the run.
#include <utility>

#include "help/frm_main.h"
#include "help/help_state.h"
#include "help/mockup_rules.h"

namespace qv::help {

namespace {
constexpr int kBackspace = 8;

// Puts text back into a box when a rule took characters out of it (a paste, or a key that slipped by).
void WriteBack(TextBox* box, const QString& wanted, bool& guard) {
    if (box->Text() == wanted)
        return;
    guard = true;
    box->SetText(wanted);
    box->SetSelStart(static_cast<int>(wanted.size()));
    guard = false;
}
// Puts `next` right after `before` in the window's tab order (a tab index shifts the others).
void TabAfter(const Control* before, Control* next) {
    const int at = before->TabIndex();
    next->SetTabIndex(next->TabIndex() < at ? at : at + 1);
}
}  // namespace

void FrmMain::WireMockups() {
    for (CommandButton* b : CommandMain.items()) b->Click = [this, i = b->Index()] { CommandMain_Click(i); };
    for (CommandButton* b : CommandJob.items()) b->Click = [this, i = b->Index()] { CommandJob_Click(i); };
    for (CommandButton* b : CommandReset.items())
        b->Click = [this, i = b->Index()] { CommandReset_Click(i); };
    for (CommandButton* b : CommandHelpOK.items())
        b->Click = [this, i = b->Index()] { CommandHelpOK_Click(i); };
    for (CommandButton* b : CommandRunOK.items()) b->Click = [] {};  // the Run frame only shows itself

    for (OptionButton* o : OptionSelection.items())
        o->Click = [this, i = o->Index()] { OptionSelection_Click(i); };
    for (OptionButton* o : OptionSelectionNum.items())
        o->Click = [this, i = o->Index()] { OptionSelectionNum_Click(i); };
    CheckSelectionKeep->Click = [this] {
        FocusMain();
        ShowPage(ButtonPage(4));
    };
    CheckSelectionSensitive->Click = [this] {
        FocusMain();
        ShowPage(ButtonPage(11));
    };
    for (CommandButton* b : CommandSelectionOK.items())
        b->Click = [this, i = b->Index()] {
            FocusMain();
            ShowPage(ButtonPage(i == 0 ? 2 : 3));
        };
    // A box reached by Tab or by an assistive tool tells about itself as a click on it does; a click
    // that brings the focus shows the page once.
    const std::pair<TextBox*, int> boxPages[] = {{TextSelectionMaxFile, 6},
                                                 {TextSelectionNumFile, 8},
                                                 {TextSelectionNumSkip, 9},
                                                 {TextSelectionString, 10}};
    for (const auto& [box, number] : boxPages) {
        const auto show = [this, number = number] {
            const Page page = ButtonPage(number);
            const QLatin1String title(PageInfo(page).detailsCaption);
            if (TS.PageNumber != number || FrameInfo->Caption() != title)
                ShowPage(page);
        };
        box->Click = show;
        box->GotFocus = show;
    }
    for (TextBox* t : {TextSelectionMaxFile, TextSelectionNumFile, TextSelectionNumSkip, TextSelectionString})
        t->SetVisible(t != TextSelectionNumFile);
    for (Control* c : {static_cast<Control*>(FrameSelectionMax), static_cast<Control*>(FrameSelectionSkip),
                       static_cast<Control*>(FrameSelectionNum), static_cast<Control*>(FrameSelectionString),
                       static_cast<Control*>(CheckSelectionKeep)})
        c->SetVisible(false);

    for (OptionButton* o : OptionAction.items()) o->Click = [this, i = o->Index()] { OptionAction_Click(i); };
    for (OptionButton* o : OptionAttribute.items())
        o->Click = [this, i = o->Index()] { OptionAttribute_Click(i); };
    CheckActionOverwrite->Click = [this] {
        FocusMain();
        ShowPage(ButtonPage(18));
    };
    CheckActionMode->Click = [this] {
        FocusMain();
        ShowPage(ButtonPage(19));
    };
    for (CommandButton* b : CommandActionOK.items())
        b->Click = [this, i = b->Index()] {
            FocusMain();
            ShowPage(ButtonPage(13 + i));
        };

    for (CommandButton* b : CommandView.items()) b->Click = [this, i = b->Index()] { CommandView_Click(i); };
    for (CommandButton* b : CommandHideView.items())
        b->Click = [this, i = b->Index()] { CommandHideView_Click(i); };
    for (ComboBox* c : ComboPriority.items()) c->Click = [this] { ComboPriority_Click(); };
    for (CommandButton* b : CommandPriorityOK.items())
        b->Click = [this, i = b->Index()] { CommandPriorityOK_Click(i); };
    for (CommandButton* b : CommandChoice.items())
        b->Click = [this, i = b->Index()] { CommandChoice_Click(i); };

    CheckInsert->Click = [this] { CheckInsert_Click(); };
    ComboInsert->Click = [this] { ComboInsert_Click(); };
    for (TextBox* t : TextInsert.items()) {
        t->Change = [this, i = t->Index()] { TextInsert_Change(i); };
        t->KeyPress = [this, i = t->Index()](int& k) { TextInsert_KeyPress(i, k); };
    }
    CheckInsertAddSpace->Click = [this] { CheckInsertAddSpace_Click(); };
    for (OptionButton* o : OptionAuto.items()) o->Click = [this, i = o->Index()] { OptionAuto_Click(i); };
    ComboAuto->Click = [this] { ComboAuto_Click(); };
    ComboZeroAuto->Click = [this] { ComboZeroAuto_Click(); };
    CheckAuto->Click = [this] { CheckAuto_Click(); };
    for (TextBox* t : TextAuto.items()) {
        t->Change = [this, i = t->Index()] { TextAuto_Change(i); };
        t->KeyPress = [this, i = t->Index()](int& k) { TextAuto_KeyPress(i, k); };
    }
    for (CommandButton* b : CommandRenOK.items())
        b->Click = [this, i = b->Index()] { CommandRenOK_Click(i); };

    CheckEasyProcess->Click = [this] { CheckEasyProcess_Click(); };
    for (Label* l : LabelEasyFile.items()) {
        l->Click = [this, i = l->Index()] { LabelEasyFile_Click(i); };
        l->SetChosen(false);
    }
    for (TextBox* t : TextEasy.items()) {
        t->Change = [this, i = t->Index()] { TextEasy_Change(i); };
        t->KeyPress = [this, i = t->Index()](int& k) { TextEasy_KeyPress(i, k); };
        t->SetEnabled(false);
        t->SetBackColor(ColourDisabled);
    }
    CheckEasySpace->Click = [this] { CheckEasySpace_Click(); };
    CheckEasySpace->SetEnabled(false);
    CommandEasyOK->Click = [this] { CommandEasyOK_Click(); };
    CommandEasyOK->SetEnabled(false);
    CommandEasyCancel->Click = [this] { CommandEasyCancel_Click(); };
}

// ---- File Selection.

void FrmMain::OptionSelection_Click(int index) {
    FocusMain();
    const bool criterion = index != 0;
    FrameSelectionMax->SetVisible(criterion);
    FrameSelectionSkip->SetVisible(criterion);
    CheckSelectionKeep->SetVisible(criterion);
    FrameSelectionNum->SetVisible(index == 1);
    FrameSelectionString->SetVisible(index == 2 || index == 3);
    LabelSelectionString->SetCaption(index == 2 ? QStringLiteral("This String")
                                                : QStringLiteral("This Extension"));
    ShowPage(ButtonPage(5));
}

void FrmMain::OptionSelectionNum_Click(int index) {
    FocusMain();
    SelectionNumIndex = index;
    TextSelectionNumFile->SetVisible(index == 1);
    LabelSelectionAsk->SetVisible(index == 1 && TextSelectionNumFile->Text().isEmpty());
    ShowPage(ButtonPage(7));
}

// ---- Action.

void FrmMain::OptionAction_Click(int index) {
    FocusMain();
    const ActionLabels v = ActionVisibility(index, AttributeIndex);
    LabelActionMust->SetCaption(v.mustText);
    LabelActionMust->SetVisible(v.mustVisible);
    LabelActionOverwrite->SetVisible(v.overwriteVisible);
    CheckActionOverwrite->SetVisible(v.overwriteVisible);
    LabelActionDelete->SetVisible(v.deleteVisible);
    FrameAttribute->SetVisible(v.attributeVisible);
    ShowPage(ButtonPage(16));
}

void FrmMain::OptionAttribute_Click(int index) {
    AttributeIndex = index;
    LabelActionMust->SetVisible(index == 0);
    ShowPage(ButtonPage(17));
}

// ---- Rename Criteria: Insert and Auto.

void FrmMain::FillRenameCombos() {
    Filling = true;
    const QStringList places = {QStringLiteral("At start of File names"),
                                QStringLiteral("At end of File names"),
                                QStringLiteral("After this number of Characters :"),
                                QStringLiteral("Before this number of Characters :"),
                                QStringLiteral("After this String :"),
                                QStringLiteral("Before this String :")};
    ComboInsert->AddItem(QStringLiteral("Select where to Insert"));
    ComboAuto->AddItem(QStringLiteral("Select where to add"));
    for (const QString& p : places) {
        ComboInsert->AddItem(p);
        ComboAuto->AddItem(p);
    }
    for (int i = 0; i <= 4; ++i) ComboZeroAuto->AddItem(QString::number(i));
    TextInsert[2]->SetLeft(TextInsert[1]->Left());
    TextAuto[2]->SetLeft(TextAuto[1]->Left());
    ComboInsert->SetListIndex(0);
    ComboAuto->SetListIndex(0);
    ComboZeroAuto->SetListIndex(0);
    Filling = false;

    TextInsert[1]->SetMaxLength(2);
    TextAuto[1]->SetMaxLength(2);
    ComboInsert->SetVisible(false);
    ComboAuto->SetVisible(false);
    ArrangeInsertControls();
    ArrangeAutoControls();
    OptionAuto[0]->SetValue(true);
}

void FrmMain::ArrangeInsertControls() {
    const int place = InsertPlace;
    TextBox* inUse = (place == 3 || place == 4)   ? TextInsert[1]
                     : (place == 5 || place == 6) ? TextInsert[2]
                                                  : nullptr;
    // The box in use follows the place list, and the text follows it.
    if (inUse) {
        TabAfter(ComboInsert, inUse);
        TabAfter(inUse, TextInsert[0]);
    }
    const bool frameShown = (place == 1 || place == 2) || (inUse && !inUse->Text().isEmpty());
    TextInsert[1]->SetVisible(place == 3 || place == 4);
    LabelMaxInsert->SetVisible(place == 3 || place == 4);
    LabelInsertHighDigit->SetVisible(place == 3 || place == 4);
    TextInsert[2]->SetVisible(place == 5 || place == 6);
    FrameInsertThis->SetVisible(frameShown);
    if (!frameShown)
        TextInsert[0]->SetText(QString());
    // A choice made on the list the keyboard is on leaves the keyboard there: the next Down picks
    // the next place, and Tab goes on to the box.
    if (place == 0 || ComboInsert->HasFocus())
        return;
    if (frameShown)
        TextInsert[0]->SetFocus();
    else if (inUse)
        inUse->SetFocus();
}

void FrmMain::ArrangeAutoControls() {
    const int place = AutoPlace;
    TextBox* inUse = (place == 3 || place == 4)   ? TextAuto[1]
                     : (place == 5 || place == 6) ? TextAuto[2]
                                                  : nullptr;
    if (inUse) {
        TabAfter(ComboAuto, inUse);
        TabAfter(inUse, TextAuto[0]);
    }
    const bool frameShown = (place == 1 || place == 2) || (inUse && !inUse->Text().isEmpty());
    TextAuto[1]->SetVisible(place == 3 || place == 4);
    LabelMaxAuto->SetVisible(place == 3 || place == 4);
    LabelAutoHighDigit->SetVisible(place == 3 || place == 4);
    TextAuto[2]->SetVisible(place == 5 || place == 6);
    FrameAutoStart->SetVisible(frameShown);
    LabelZeroAuto->SetVisible(AutoMode == 1 && frameShown);
    ComboZeroAuto->SetVisible(AutoMode == 1 && frameShown);
    CheckAuto->SetVisible(AutoMode == 2 && frameShown);
    if (!frameShown)
        TextAuto[0]->SetText(QString());
    if (place == 0 || ComboAuto->HasFocus())
        return;
    if (frameShown)
        TextAuto[0]->SetFocus();
    else if (inUse)
        inUse->SetFocus();
}

void FrmMain::CheckInsert_Click() {
    const bool ticked = CheckInsert->Value() == 1;
    if (!ticked)
        ComboInsert->SetListIndex(0);
    ComboInsert->SetVisible(ticked);
}

void FrmMain::ComboInsert_Click() {
    if (Filling)
        return;
    InsertPlace = ComboInsert->ListIndex();
    ArrangeInsertControls();
}

void FrmMain::TextInsert_Change(int index) {
    if (fixingText_)
        return;
    TextBox* box = TextInsert[index];
    // Pastes arrive without key presses: the same rules apply to them here.
    if (index == 0) {
        WriteBack(box, KeepNameChars(box->Text(), InsertAllowSpace), fixingText_);
        return;
    }
    if (index == 1)
        WriteBack(box, KeepDigits(box->Text()), fixingText_);
    FrameInsertThis->SetVisible(!box->Text().isEmpty());
}

void FrmMain::TextInsert_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kBackspace)
        return;
    const QChar c(keyAscii);
    bool ok = true;
    if (index == 0)
        ok = c == QLatin1Char(' ') ? InsertAllowSpace : IsNameChar(c);
    else if (index == 1)
        ok = IsDigit(c);
    if (!ok)
        keyAscii = 0;
}

void FrmMain::CheckInsertAddSpace_Click() {
    TextInsert[0]->SetFocus();
    InsertAllowSpace = CheckInsertAddSpace->Value() == 1;
    if (!InsertAllowSpace)
        TextInsert[0]->SetText(TextInsert[0]->Text().remove(QLatin1Char(' ')));
}

void FrmMain::OptionAuto_Click(int index) {
    AutoMode = index;
    if (index == 1 || index == 2) {
        const int length = index == 1 ? 5 : 3;
        TextAuto[0]->SetMaxLength(length);
        LabelAutoMaxLength->SetCaption(QStringLiteral("Maximum ") + QString::number(length) +
                                       QLatin1String(index == 1 ? " Digits." : " Letters."));
    } else {
        ComboAuto->SetListIndex(0);
    }
    ComboAuto->SetVisible(AutoMode != 0);
    TextAuto[0]->SetText(QString());
    if (AutoMode == 1 || AutoMode == 2)
        ArrangeAutoControls();
}

void FrmMain::ComboAuto_Click() {
    if (Filling)
        return;
    AutoPlace = ComboAuto->ListIndex();
    ArrangeAutoControls();
}

void FrmMain::ComboZeroAuto_Click() {
    if (!Filling && !ComboZeroAuto->HasFocus())
        TextAuto[0]->SetFocus();
}

void FrmMain::CheckAuto_Click() {
    AutoSmall = CheckAuto->Value() == 1;
    const QString start = TextAuto[0]->Text();
    if (!start.isEmpty())
        TextAuto[0]->SetText(AutoSmall ? start.toLower() : start.toUpper());
    TextAuto[0]->SetFocus();
}

void FrmMain::TextAuto_Change(int index) {
    if (fixingText_)
        return;
    TextBox* box = TextAuto[index];
    if (index == 0) {
        QString t = box->Text();
        if (AutoMode == 1) {
            t = KeepDigits(t);
            if (t.size() > 1)
                t = TrimAutoNumber(t);
        } else if (AutoMode == 2) {
            t = KeepLetters(t);
            t = AutoSmall ? t.toLower() : t.toUpper();
        } else {
            t.clear();
        }
        WriteBack(box, t, fixingText_);
        if (AutoMode == 2 && !t.isEmpty())
            box->SetSelStart(static_cast<int>(t.size()));
        return;
    }
    if (index == 1)
        WriteBack(box, KeepDigits(box->Text()), fixingText_);
    const bool filled = !box->Text().isEmpty();
    FrameAutoStart->SetVisible(filled);
    LabelZeroAuto->SetVisible(filled && AutoMode == 1);
    ComboZeroAuto->SetVisible(filled && AutoMode == 1);
    CheckAuto->SetVisible(filled && AutoMode == 2);
}

void FrmMain::TextAuto_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kBackspace)
        return;
    const QChar c(keyAscii);
    bool ok = true;
    if (index == 0)
        ok = (AutoMode == 1 && IsDigit(c)) || (AutoMode == 2 && IsAsciiLetter(c));
    else if (index == 1)
        ok = IsDigit(c);
    if (!ok)
        keyAscii = 0;
}

void FrmMain::CommandRenOK_Click(int index) {
    FocusMain();
    if (index == 1) {
        CheckInsert->SetValue(0);
        OptionAuto[0]->SetValue(true);
        return;
    }
    const QString insert =
        InsertSummary(InsertPlace, TextInsert[1]->Text(), TextInsert[2]->Text(), TextInsert[0]->Text());
    const AutoSummaryLines autoLines =
        AutoSummary(AutoMode, AutoPlace, TextAuto[1]->Text(), TextAuto[2]->Text(), TextAuto[0]->Text());
    const bool insertSet = insert != QLatin1String("Insert :: No");
    const bool autoSet = !autoLines.second.isEmpty();
    LabelRen[4]->SetCaption(insert);
    LabelRen[7]->SetCaption(autoLines.first);
    LabelRen[8]->SetCaption(autoLines.second);
    LabelRen[4]->SetForeColor(insertSet ? ColourHighlight : ColourText);
    LabelRen[7]->SetForeColor(autoSet ? ColourHighlight : ColourText);
    LabelRen[8]->SetForeColor(autoSet ? ColourHighlight : ColourText);
    FrameRen->SetForeColor(insertSet || autoSet ? ColourHighlight : ColourText);
}

// ---- Easy Process.

void FrmMain::CheckEasyProcess_Click() {
    EasyMode = CheckEasyProcess->Value() == 1;
    SelectedSample = -1;
    if (EasyMode) {
        for (Label* l : LabelEasyFile.items()) l->SetForeColor(ColourText);
        for (TextBox* t : TextEasy.items()) {
            t->SetText(QString());
            t->SetEnabled(false);
            t->SetBackColor(ColourDisabled);
        }
    }
    for (Label* l : LabelEasyFile.items()) l->SetChosen(false);
    for (Frame* f : FrameEasy.items()) f->SetVisible(EasyMode);
    CheckEasySpace->SetEnabled(false);
    LabelEasyReady->SetVisible(false);
    CommandEasyOK->SetEnabled(false);
}

void FrmMain::LabelEasyFile_Click(int index) {
    SelectedSample = SelectedSample == index ? -1 : index;
    // The colour shows the chosen file; a screen reader is told as well.
    for (Label* l : LabelEasyFile.items()) l->SetChosen(l->Index() == SelectedSample);
    if (SelectedSample < 0) {
        for (Label* l : LabelEasyFile.items()) l->SetForeColor(ColourText);
        for (TextBox* t : TextEasy.items()) {
            t->SetText(QString());
            t->SetEnabled(false);
            t->SetBackColor(ColourDisabled);
        }
        CheckEasySpace->SetEnabled(false);
    } else {
        for (Label* l : LabelEasyFile.items())
            l->SetForeColor(l->Index() == index ? ColourHighlight : ColourText);
        const NameParts parts = SplitAtLastDot(LabelEasyFile[index]->Caption());
        EasyName = parts.name;
        EasyExt = parts.ext;
        TextEasy[0]->SetText(EasyName);
        TextEasy[1]->SetText(EasyExt);
        for (TextBox* t : TextEasy.items()) {
            t->SetEnabled(true);
            t->SetBackColor(ColourEnabled);
        }
        CheckEasySpace->SetEnabled(true);
    }
    // A name whose spaces the box may not hold shows without them: that name is a new one.
    const bool ready = SelectedSample >= 0 &&
                       EasyReady(TextEasy[0]->Text(), TextEasy[1]->Text(), EasyName, EasyExt);
    LabelEasyReady->SetVisible(ready);
    CommandEasyOK->SetEnabled(ready);
}

void FrmMain::TextEasy_Change(int index) {
    if (fixingText_)
        return;
    TextBox* box = TextEasy[index];
    WriteBack(box, KeepNameChars(box->Text(), index == 0 && EasyAllowSpace), fixingText_);
    const bool ready = EasyReady(TextEasy[0]->Text(), TextEasy[1]->Text(), EasyName, EasyExt);
    LabelEasyReady->SetVisible(ready);
    CommandEasyOK->SetEnabled(ready);
}

void FrmMain::TextEasy_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kBackspace)
        return;
    const QChar c(keyAscii);
    const bool ok = c == QLatin1Char(' ') ? (index == 0 && EasyAllowSpace) : IsNameChar(c);
    if (!ok)
        keyAscii = 0;
}

void FrmMain::CheckEasySpace_Click() {
    EasyAllowSpace = CheckEasySpace->Value() == 1;
    if (!EasyAllowSpace)
        TextEasy[0]->SetText(TextEasy[0]->Text().remove(QLatin1Char(' ')));
}

void FrmMain::CommandEasyOK_Click() {
    if (SelectedSample < 0)
        return;
    // An empty box keeps that part of the old name: no example becomes "name." or ".ext".
    const QString name = TextEasy[0]->Text().isEmpty() ? EasyName : TextEasy[0]->Text();
    const QString ext = TextEasy[1]->Text().isEmpty() ? EasyExt : TextEasy[1]->Text();
    LabelEasyFile[SelectedSample]->SetCaption(ext.isEmpty() ? name : name + QLatin1Char('.') + ext);
    LabelEasyFile_Click(SelectedSample);
}

void FrmMain::CommandEasyCancel_Click() {
    CheckEasyProcess->SetValue(0);
}

}  // namespace qv::help
