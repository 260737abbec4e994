// frmRen: the switches and choices, which boxes each choice shows, and the loaders that put the
// committed criteria back into the dialog.
#include <QRect>
#include <QString>

#include "core/state.h"
#include "criteria/frm_ren.h"
#include "forms/forms_fit.h"
#include "platform/services.h"

namespace qv {

namespace {

QString NumberText(int n) {
    return n == 0 ? QString() : QString::number(n);
}

bool In(int v, std::initializer_list<int> set) {
    for (int s : set)
        if (v == s)
            return true;
    return false;
}

// The little help on the main window says what to do in this dialog. A dialog that would cover it
// opens beside it (right, below, left, above) where the screen has room; else, and wherever the user
// has put it clear of the little help, it stays where it is.
void PlaceClearOfLittleHelp(Form& dialog) {
    const Form* main = FindLoadedForm(QStringLiteral("frmMain"));
    const Control* help = main ? main->Find(QStringLiteral("FrameInfo")) : nullptr;
    if (!help || !main->Loaded() || !dialog.Loaded())
        return;
    const QRect helpRect = PlaceOnScreen(*help);
    const QSize inside(dialog.Width(), dialog.Height());
    const QSize outside(inside.width() + 2 * kFrameBorder, inside.height() + kFrameTitle + 2 * kFrameBorder);
    // The place the load gives the dialog, in twips from the screen's corner; also where a dialog left
    // off the screen (a smaller screen since) comes back to.
    System& sys = systemServices();
    const QPoint usual((sys.ScreenWidthTwips() < 13000 ? 300 : 600) / kTwipsPerPixel,
                       (sys.ScreenHeightTwips() < 10000 ? 300 : 600) / kTwipsPerPixel);
    const bool screenKnown = sys.ScreenWidthTwips() > 0 && sys.ScreenHeightTwips() > 0;
    const auto fits = [&inside, screenKnown](QPoint at) {
        const QSize room = WindowRoom(at);
        return at.x() >= 0 && at.y() >= 0 &&
               (!screenKnown || (room.width() >= inside.width() && room.height() >= inside.height()));
    };
    if (!fits(QPoint(dialog.Left(), dialog.Top())))
        dialog.Move(usual.x(), usual.y(), inside.width(), inside.height());
    if (!QRect(QPoint(dialog.Left(), dialog.Top()), outside).intersects(helpRect))
        return;
    constexpr int gap = 8;
    const QPoint beside[] = {
        {helpRect.right() + 1 + gap, usual.y()},
        {usual.x(), helpRect.bottom() + 1 + gap},
        {helpRect.left() - gap - outside.width(), usual.y()},
        {usual.x(), helpRect.top() - gap - outside.height()},
    };
    for (const QPoint& at : beside) {
        if (fits(at) && !QRect(at, outside).intersects(helpRect)) {
            dialog.Move(at.x(), at.y(), inside.width(), inside.height());
            return;
        }
    }
}

bool Filled(const TextBox* b) {
    return !b->Text().isEmpty();
}

// Puts `next` right after `before` in the form's tab order (a TabIndex shifts the others).
void TabAfter(const Control* before, Control* next) {
    const int at = before->TabIndex();
    next->SetTabIndex(next->TabIndex() < at ? at : at + 1);
}

}  // namespace

// ---- writes that always run the handler -------------------------------------------------------

void FrmRen::Put(CheckBox* c, int v) {
    if (c->Value() == v) {
        if (c->Click)
            c->Click();
    } else {
        c->SetValue(v);
    }
}

void FrmRen::Put(ListControl* c, int i) {
    if (i < -1 || i >= c->ListCount())
        i = c->ListCount() > 0 ? 0 : -1;  // a stored index the list does not have
    if (c->ListIndex() == i) {
        if (c->Click)
            c->Click();
    } else {
        c->SetListIndex(i);
    }
}

void FrmRen::Put(TextBox* c, const QString& t) {
    if (c->Text() == t) {
        if (c->Change)
            c->Change();
    } else {
        c->SetText(t);
    }
}

void FrmRen::Choose(ControlArray<OptionButton>& group, int index) {
    OptionButton* chosen = group[index];
    if (chosen == nullptr) {
        for (OptionButton* o : group.items()) o->SetValue(false);
        return;
    }
    if (chosen->Value()) {
        if (chosen->Click)
            chosen->Click();
    } else {
        chosen->SetValue(true);
    }
}

void FrmRen::Focus(Control* c) {
    if (S.CriteriaDialogLoading || c == nullptr)
        return;
    if (c->EffectivelyVisible() && c->EffectivelyEnabled())
        c->SetFocus();
}

int FrmRen::CommittedHandleMode() {
    return S.HandleOn == 1 ? S.RenHandleMode : -1;
}

// ---- Case ----------------------------------------------------------------------------------------

void FrmRen::CheckCase_Click() {
    if (CheckCase->Value() == 1) {
        FrameCaseOption->SetVisible(true);
        FrameCaseSelect->SetVisible(S.EditCaseOption != -1);
        if (S.EditCaseOption != -1 && S.EditCaseOption == S.RenCaseOption)
            Put(ComboCase, S.RenCaseChoice);
    } else {
        FrameCaseOption->SetVisible(false);
        FrameCaseSelect->SetVisible(false);
    }
}

void FrmRen::OptionCase_Click(int index) {
    S.EditCaseOption = index;
    if (index == S.RenCaseOption)
        Put(ComboCase, S.RenCaseChoice);
    FrameCaseSelect->SetVisible(true);
}

void FrmRen::ComboCase_Click() {
    S.EditCaseChoice = ComboCase->ListIndex();
}

// ---- Extension -----------------------------------------------------------------------------------

void FrmRen::CheckExt_Click() {
    const bool on = CheckExt->Value() == 1;
    LabelMaxExt->SetVisible(on);
    LabelExt->SetVisible(on);
    TextExt->SetVisible(on);
    if (on) {
        Put(TextExt, S.ExtNew);
        Focus(TextExt);
    }
}

// ---- Space ---------------------------------------------------------------------------------------

void FrmRen::CheckSpace_Click() {
    const bool on = CheckSpace->Value() == 1;
    for (OptionButton* o : OptionSpace.items()) o->SetVisible(on);
    FrameSpaceReplace->SetVisible(on && S.EditSpaceMode == 1);
}

void FrmRen::OptionSpace_Click(int index) {
    S.EditSpaceMode = index;
    if (index == 1) {
        FrameSpaceReplace->SetVisible(CheckSpace->Value() == 1);
        if (S.SpaceOn == 1 && S.RenSpaceMode == 1)
            Put(TextSpaceWith, S.SpaceWith);
        Focus(TextSpaceWith);
    } else {
        FrameSpaceReplace->SetVisible(false);
    }
}

// ---- Handle --------------------------------------------------------------------------------------

void FrmRen::HandleChain() {
    const bool on = CheckHandle->Value() == 1;
    TextHandleThis->SetVisible(on);
    FrameSpChangeTo->SetVisible(on && Filled(TextHandleThis));
    const bool with = S.EditHandleMode == 2;
    LabelMaxHandle->SetVisible(with);
    CheckHandleAddSpace->SetVisible(with);
    TextHandleWith->SetVisible(with);
}

void FrmRen::CheckHandle_Click() {
    if (CheckHandle->Value() == 1) {
        // The handled string right after the switch, its replacement right after it.
        TabAfter(CheckHandle, TextHandleThis);
        TabAfter(TextHandleThis, TextHandleWith);
        if (S.EditHandleMode != -1 && S.EditHandleMode == CommittedHandleMode())
            Put(TextHandleThis, S.HandleWhat);
        if (Filled(TextHandleThis) && S.EditHandleMode == 2 && CommittedHandleMode() == 2)
            Put(TextHandleWith, S.HandleWith);
        HandleChain();
        Focus(TextHandleThis);
    } else {
        HandleChain();
    }
}

void FrmRen::OptionHandle_Click(int index) {
    S.EditHandleMode = index;
    if (index == 2 && CommittedHandleMode() == 2 && !Filled(TextHandleWith))
        Put(TextHandleWith, S.HandleWith);
    HandleChain();
    if (index == 2)
        Focus(TextHandleWith);
}

void FrmRen::TextHandleThis_Change() {
    if (!StringChange(TextHandleThis))
        return;
    S.HandleWhatPending = TextHandleThis->Text();
    // The with-box is filled from the committed text only while it is empty: a user's own text in
    // it is never overwritten by typing here.
    if (Filled(TextHandleThis) && S.EditHandleMode == 2 && CommittedHandleMode() == 2 &&
        !Filled(TextHandleWith))
        Put(TextHandleWith, S.HandleWith);
    HandleChain();
}

// ---- Insert, Replace, Remove: switches and choices ---------------------------------------------

void FrmRen::CheckInsert_Click() {
    if (CheckInsert->Value() == 1) {
        ComboInsert->SetVisible(true);
    } else {
        Put(ComboInsert, 0);
        ComboInsert->SetVisible(false);
    }
}

void FrmRen::CheckReplace_Click() {
    if (CheckReplace->Value() == 1) {
        ComboReplace->SetVisible(true);
    } else {
        Put(ComboReplace, 0);
        ComboReplace->SetVisible(false);
    }
}

void FrmRen::CheckRemove_Click() {
    if (CheckRemove->Value() == 1) {
        ComboRemove->SetVisible(true);
    } else {
        Put(ComboRemove, 0);
        ComboRemove->SetVisible(false);
    }
}

void FrmRen::ComboInsert_Click() {
    S.EditInsertPlace = ComboInsert->ListIndex() < 0 ? 0 : ComboInsert->ListIndex();
    ShowRenInsertPlace();
}

void FrmRen::ComboReplace_Click() {
    S.EditReplaceKind = ComboReplace->ListIndex() < 0 ? 0 : ComboReplace->ListIndex();
    ShowRenReplacePlace();
}

void FrmRen::ComboRemove_Click() {
    S.EditRemoveKind = ComboRemove->ListIndex() < 0 ? 0 : ComboRemove->ListIndex();
    ShowRenRemovePlace();
}

// ---- place chains --------------------------------------------------------------------------------

void FrmRen::InsertChain() {
    const int k = S.EditInsertPlace;
    const bool n = In(k, {3, 4}), s = In(k, {5, 6});
    TextInsertAfterNumChar->SetVisible(n);
    LabelMaxInsert->SetVisible(n);
    LabelInsertHighDigit->SetVisible(n);
    TextInsertAfterString->SetVisible(s);
    const bool first =
        In(k, {1, 2}) || (n && Filled(TextInsertAfterNumChar)) || (s && Filled(TextInsertAfterString));
    FrameInsertThis->SetVisible(first);
}

void FrmRen::ReplaceChain() {
    const int k = S.EditReplaceKind;
    TextReplaceString->SetVisible(k == 2);
    TextReplaceAfterNumChar->SetVisible(In(k, {3, 4}));
    TextReplaceAfterString->SetVisible(In(k, {5, 6}));
    TextReplaceCharAfterNumChar->SetVisible(In(k, {9, 10}));
    TextReplaceCharAfterString->SetVisible(In(k, {11, 12}));
    const bool counts = In(k, {3, 4, 9, 10});
    LabelMaxReplace->SetVisible(counts);
    LabelReplaceHighDigit->SetVisible(counts);
    bool first = false;
    switch (k) {
        case 1:
        case 7:
        case 8:
            first = true;
            break;
        case 2:
            first = Filled(TextReplaceString);
            break;
        case 3:
        case 4:
            first = Filled(TextReplaceAfterNumChar);
            break;
        case 5:
        case 6:
            first = Filled(TextReplaceAfterString);
            break;
        case 9:
        case 10:
            first = Filled(TextReplaceCharAfterNumChar);
            break;
        case 11:
        case 12:
            first = Filled(TextReplaceCharAfterString);
            break;
        default:
            break;
    }
    const bool chars = k >= 7 && k <= 12;
    FrameReplaceNumChar->SetVisible(chars && first);
    FrameReplaceWith->SetVisible(first && (!chars || Filled(TextReplaceNumChar)));
}

void FrmRen::RemoveChain() {
    const int k = S.EditRemoveKind;
    TextRemoveString->SetVisible(k == 1);
    TextRemoveAfterNumChar->SetVisible(In(k, {2, 3}));
    TextRemoveAfterString->SetVisible(In(k, {4, 5}));
    TextRemoveCharAfterNumChar->SetVisible(In(k, {8, 9}));
    TextRemoveCharAfterString->SetVisible(In(k, {10, 11}));
    const bool counts = In(k, {2, 3, 8, 9});
    LabelMaxRemove->SetVisible(counts);
    LabelRemoveHighDigit->SetVisible(counts);
    bool first = false;
    switch (k) {
        case 6:
        case 7:
            first = true;
            break;
        case 8:
        case 9:
            first = Filled(TextRemoveCharAfterNumChar);
            break;
        case 10:
        case 11:
            first = Filled(TextRemoveCharAfterString);
            break;
        default:
            break;
    }
    FrameRemoveNumChar->SetVisible(k >= 6 && k <= 11 && first);
}

void FrmRen::AutoChain() {
    const int t = S.EditAutoType;
    const int p = t == 0 ? 0 : S.EditAutoPlaceIndex;
    ComboAutoPlace->SetVisible(t != 0);
    const bool n = In(p, {3, 4}), s = In(p, {5, 6});
    TextAutoAfterNumChar->SetVisible(n);
    LabelMaxAuto->SetVisible(n);
    LabelAutoHighDigit->SetVisible(n);
    TextAutoAfterString->SetVisible(s);
    const bool start =
        In(p, {1, 2}) || (n && Filled(TextAutoAfterNumChar)) || (s && Filled(TextAutoAfterString));
    FrameAutoStart->SetVisible(start);
    LabelAutoZeroFill->SetVisible(start && t == 1);
    ComboAutoZeroFill->SetVisible(start && t == 1);
    CheckAutoLetter->SetVisible(start && t == 2);
}

void FrmRen::ShowRenInsertPlace() {
    if (S.EditInsertPlace != 0)
        SetRenInsertTexts();
    InsertChain();
    if (S.EditInsertPlace != 0)
        SetRenInsertTabOrder();
}

void FrmRen::ShowRenReplacePlace() {
    if (S.EditReplaceKind != 0)
        SetRenReplaceTexts();
    ReplaceChain();
    if (S.EditReplaceKind != 0)
        SetRenReplaceTabOrder();
}

void FrmRen::ShowRenRemovePlace() {
    if (S.EditRemoveKind != 0)
        SetRenRemoveTexts();
    RemoveChain();
    if (S.EditRemoveKind != 0)
        SetRenRemoveTabOrder();
}

void FrmRen::ShowRenAutoOption() {
    // A start typed for one type is no start for the other: with no place chosen the place handler
    // leaves the boxes alone, so the type refills or empties them here, as a place change does.
    if (S.EditAutoType != 0 && S.EditAutoPlaceIndex == 0)
        SetRenAutoTexts();
    else if (S.EditAutoType != 0)
        SetRenAutoLimits();
    ShowRenAutoPlace();
}

void FrmRen::ShowRenAutoPlace() {
    if (S.EditAutoType != 0 && S.EditAutoPlaceIndex != 0)
        SetRenAutoTexts();
    AutoChain();
    if (S.EditAutoType != 0 && S.EditAutoPlaceIndex != 0)
        SetRenAutoTabOrder();
}

// ---- boxes filled from the committed criteria ---------------------------------------------------

void FrmRen::SetRenInsertTexts() {
    const int k = S.EditInsertPlace;
    const bool same = k != 0 && k == S.RenInsertPlace;
    Put(TextInsertThis, same ? S.InsertText : QString());
    Put(TextInsertAfterNumChar, same && k == 3   ? NumberText(S.InsertAfterN)
                                : same && k == 4 ? NumberText(S.InsertBeforeN)
                                                 : QString());
    Put(TextInsertAfterString, same && k == 5   ? S.InsertAfterString
                               : same && k == 6 ? S.InsertBeforeString
                                                : QString());
}

void FrmRen::SetRenReplaceTexts() {
    const int k = S.EditReplaceKind;
    const bool same = k != 0 && k == S.RenReplaceKind;
    auto pick = [&](std::initializer_list<int> kinds, const QString& value) {
        return same && In(k, kinds) ? value : QString();
    };
    Put(TextReplaceWith, same ? S.ReplaceWith : QString());
    Put(TextReplaceString, pick({2}, S.ReplaceString));
    Put(TextReplaceAfterNumChar,
        pick({3}, NumberText(S.ReplaceAfterN)) + pick({4}, NumberText(S.ReplaceBeforeN)));
    Put(TextReplaceAfterString, pick({5}, S.ReplaceAfterString) + pick({6}, S.ReplaceBeforeString));
    Put(TextReplaceNumChar, pick({7, 8, 9, 10, 11, 12}, NumberText(S.ReplaceCharCount)));
    Put(TextReplaceCharAfterNumChar,
        pick({9}, NumberText(S.ReplaceAfterN)) + pick({10}, NumberText(S.ReplaceBeforeN)));
    Put(TextReplaceCharAfterString, pick({11}, S.ReplaceAfterString) + pick({12}, S.ReplaceBeforeString));
}

void FrmRen::SetRenRemoveTexts() {
    const int k = S.EditRemoveKind;
    const bool same = k != 0 && k == S.RenRemoveKind;
    auto pick = [&](std::initializer_list<int> kinds, const QString& value) {
        return same && In(k, kinds) ? value : QString();
    };
    Put(TextRemoveString, pick({1}, S.RemoveString));
    Put(TextRemoveAfterNumChar,
        pick({2}, NumberText(S.RemoveAfterN)) + pick({3}, NumberText(S.RemoveBeforeN)));
    Put(TextRemoveAfterString, pick({4}, S.RemoveAfterString) + pick({5}, S.RemoveBeforeString));
    Put(TextRemoveNumChar, pick({6, 7, 8, 9, 10, 11}, NumberText(S.RemoveCharCount)));
    Put(TextRemoveCharAfterNumChar,
        pick({8}, NumberText(S.RemoveAfterN)) + pick({9}, NumberText(S.RemoveBeforeN)));
    Put(TextRemoveCharAfterString, pick({10}, S.RemoveAfterString) + pick({11}, S.RemoveBeforeString));
}

void FrmRen::SetRenAutoLimits() {
    if (S.EditAutoType == 1) {
        TextAutoStart->SetMaxLength(5);
        FrameAutoStart->SetCaption(QStringLiteral("Start From This Number :"));
        LabelAutoMaxLength->SetCaption(QStringLiteral("Maximum 5 Digits."));
    } else if (S.EditAutoType == 2) {
        TextAutoStart->SetMaxLength(3);
        FrameAutoStart->SetCaption(QStringLiteral("Start From These Letters :"));
        LabelAutoMaxLength->SetCaption(QStringLiteral("Maximum 3 Letters."));
    }
}

void FrmRen::SetRenAutoTexts() {
    if (S.EditAutoType == 0)
        return;
    SetRenAutoLimits();
    const int p = S.EditAutoPlaceIndex;
    const bool same = S.EditAutoType == S.RenAutoType && p == S.RenAutoPlaceIndex;
    QString start;
    if (same)
        start = S.RenAutoType == 1 ? QString::number(S.RenAutoStartNumber) : S.RenAutoStartLetters;
    Put(TextAutoStart, start);
    Put(TextAutoAfterNumChar, !same    ? QString()
                              : p == 3 ? NumberText(S.RenAutoAfterNumChars)
                              : p == 4 ? NumberText(S.RenAutoBeforeNumChars)
                                       : QString());
    Put(TextAutoAfterString, !same    ? QString()
                             : p == 5 ? S.RenAutoAfterString
                             : p == 6 ? S.RenAutoBeforeString
                                      : QString());
}

// ---- tab order: inside the criterion's frame, after its list, the box filled first comes first ----

void FrmRen::SetRenInsertTabOrder() {
    const int k = S.EditInsertPlace;
    Control* first = In(k, {3, 4})   ? static_cast<Control*>(TextInsertAfterNumChar)
                     : In(k, {5, 6}) ? static_cast<Control*>(TextInsertAfterString)
                                     : static_cast<Control*>(TextInsertThis);
    TabAfter(ComboInsert, first);
    if (first != TextInsertThis)
        TabAfter(first, TextInsertThis);
    TabAfter(TextInsertThis, CheckInsertAddSpace);
    Focus(first);
}

void FrmRen::SetRenReplaceTabOrder() {
    const int k = S.EditReplaceKind;
    Control* place = nullptr;
    switch (k) {
        case 2:
            place = TextReplaceString;
            break;
        case 3:
        case 4:
            place = TextReplaceAfterNumChar;
            break;
        case 5:
        case 6:
            place = TextReplaceAfterString;
            break;
        case 9:
        case 10:
            place = TextReplaceCharAfterNumChar;
            break;
        case 11:
        case 12:
            place = TextReplaceCharAfterString;
            break;
        default:
            break;
    }
    Control* last = ComboReplace;
    for (Control* box : {place, k >= 7 ? static_cast<Control*>(TextReplaceNumChar) : nullptr,
                         static_cast<Control*>(TextReplaceWith), static_cast<Control*>(CheckReplaceAddSpace)})
        if (box) {
            TabAfter(last, box);
            last = box;
        }
    Focus(place ? place : k >= 7 ? static_cast<Control*>(TextReplaceNumChar) : TextReplaceWith);
}

void FrmRen::SetRenRemoveTabOrder() {
    const int k = S.EditRemoveKind;
    Control* place = nullptr;
    switch (k) {
        case 1:
            place = TextRemoveString;
            break;
        case 2:
        case 3:
            place = TextRemoveAfterNumChar;
            break;
        case 4:
        case 5:
            place = TextRemoveAfterString;
            break;
        case 8:
        case 9:
            place = TextRemoveCharAfterNumChar;
            break;
        case 10:
        case 11:
            place = TextRemoveCharAfterString;
            break;
        default:
            break;
    }
    if (place)
        TabAfter(ComboRemove, place);
    if (k >= 6)
        TabAfter(place ? place : static_cast<Control*>(ComboRemove), TextRemoveNumChar);
    Focus(place ? place : TextRemoveNumChar);
}

void FrmRen::SetRenAutoTabOrder() {
    const int p = S.EditAutoPlaceIndex;
    Control* first = In(p, {3, 4})   ? static_cast<Control*>(TextAutoAfterNumChar)
                     : In(p, {5, 6}) ? static_cast<Control*>(TextAutoAfterString)
                                     : static_cast<Control*>(TextAutoStart);
    TabAfter(ComboAutoPlace, first);
    if (first != TextAutoStart)
        TabAfter(first, TextAutoStart);
    Focus(first);
}

// ---- Auto ----------------------------------------------------------------------------------------

void FrmRen::OptionAuto_Click(int index) {
    S.EditAutoType = index;
    ShowRenAutoOption();
}

void FrmRen::ComboAutoPlace_Click() {
    S.EditAutoPlaceIndex = ComboAutoPlace->ListIndex() < 0 ? 0 : ComboAutoPlace->ListIndex();
    ShowRenAutoPlace();
}

void FrmRen::ComboAutoZeroFill_Click() {
    S.EditAutoZeroFillIndex = ComboAutoZeroFill->ListIndex() < 0 ? 0 : ComboAutoZeroFill->ListIndex();
    Focus(TextAutoStart);
}

void FrmRen::CheckAutoLetter_Click() {
    S.EditAutoSmall = CheckAutoLetter->Value() == 1;
    const QString t = TextAutoStart->Text();
    Put(TextAutoStart, S.EditAutoSmall ? t.toLower() : t.toUpper());
    Focus(TextAutoStart);
}

// ---- loaders -------------------------------------------------------------------------------------

void FrmRen::ShowRenExtension() {
    if (S.ExtensionOn == 1) {
        Put(CheckExt, 1);
        Put(TextExt, S.ExtNew);
    } else {
        Put(CheckExt, 0);
        Put(TextExt, QString());
    }
}

void FrmRen::ShowRenCase() {
    if (S.RenCaseOption != -1) {
        Put(CheckCase, 1);
        Choose(OptionCase, S.RenCaseOption);
    } else {
        Put(CheckCase, 0);
        Choose(OptionCase, -1);
        S.EditCaseOption = -1;
    }
    Put(ComboCase, S.RenCaseChoice);
}

void FrmRen::ShowRenHandle() {
    const int mode = CommittedHandleMode();
    if (mode != -1) {
        Put(CheckHandleAddSpace, S.HandleAddSpace ? 1 : 0);
        Put(CheckHandle, 1);
        Put(TextHandleThis, S.HandleWhat);
        Choose(OptionHandle, mode);
        Put(TextHandleWith, mode == 2 ? S.HandleWith : QString());
    } else {
        Put(CheckHandleAddSpace, 0);
        Put(CheckHandle, 0);
        Choose(OptionHandle, -1);
        S.EditHandleMode = -1;
        Put(TextHandleThis, QString());
        Put(TextHandleWith, QString());
    }
    HandleChain();
}

void FrmRen::ShowRenSpace() {
    const int mode = S.SpaceOn == 1 ? S.RenSpaceMode : -1;
    if (mode != -1) {
        Put(CheckSpaceAddSpace, S.SpaceAddSpace ? 1 : 0);
        Put(CheckSpace, 1);
        Choose(OptionSpace, mode);
        Put(TextSpaceWith, mode == 1 ? S.SpaceWith : QString());
    } else {
        Put(CheckSpaceAddSpace, 0);
        Put(CheckSpace, 0);
        Choose(OptionSpace, -1);
        S.EditSpaceMode = -1;
        Put(TextSpaceWith, QString());
    }
    CheckSpace_Click();
}

void FrmRen::ShowRenInsert() {
    if (S.RenInsertPlace != 0) {
        Put(CheckInsertAddSpace, S.InsertAddSpace ? 1 : 0);
        Put(CheckInsert, 1);
        Put(ComboInsert, S.RenInsertPlace);
    } else {
        Put(CheckInsertAddSpace, 0);
        Put(CheckInsert, 0);
    }
    SetRenInsertTexts();
    InsertChain();
    SetRenInsertTabOrder();
}

void FrmRen::ShowRenReplace() {
    if (S.RenReplaceKind != 0) {
        Put(CheckReplaceAddSpace, S.ReplaceAddSpace ? 1 : 0);
        Put(CheckReplace, 1);
        Put(ComboReplace, S.RenReplaceKind);
    } else {
        Put(CheckReplaceAddSpace, 0);
        Put(CheckReplace, 0);
    }
    SetRenReplaceTexts();
    ReplaceChain();
    SetRenReplaceTabOrder();
}

void FrmRen::ShowRenRemove() {
    if (S.RenRemoveKind != 0) {
        Put(CheckRemove, 1);
        Put(ComboRemove, S.RenRemoveKind);
    } else {
        Put(CheckRemove, 0);
    }
    SetRenRemoveTexts();
    RemoveChain();
    SetRenRemoveTabOrder();
}

void FrmRen::ShowRenAuto() {
    // Set both ways: a dialog left with the box ticked must not turn committed capitals small.
    Put(CheckAutoLetter, S.RenAutoSmall ? 1 : 0);
    Choose(OptionAuto, S.RenAutoType);
    Put(ComboAutoPlace, S.RenAutoPlaceIndex);
    Put(ComboAutoZeroFill, S.RenAutoZeroFillIndex);
    SetRenAutoTexts();
    AutoChain();
    SetRenAutoTabOrder();
}

void FrmRen::LoadCommitted() {
    if (!Visible())
        PlaceClearOfLittleHelp(*this);
    const bool wasLoading = S.CriteriaDialogLoading;
    S.CriteriaDialogLoading = true;
    ShowRenExtension();
    ShowRenCase();
    ShowRenHandle();
    ShowRenSpace();
    ShowRenInsert();
    ShowRenReplace();
    ShowRenRemove();
    ShowRenAuto();
    S.CriteriaDialogLoading = wasLoading;
}

}  // namespace qv
