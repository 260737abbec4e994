// Preparing the panels: the committed settings copied into their pending copies when a panel opens,
// the controls laid out for the chosen kind or action, the prompts, and whether OK may be pressed.
#include "core/panel_calls.h"
#include "core/state.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/panels.h"

namespace qv::panels {

namespace {

constexpr Colour kBlue = 0xFF0000;
constexpr Colour kButtonText = 0x80000012;

void LockView() {
    S.ViewLocked = true;
    S.ViewLockChanged = true;
}

void Refresh(SetButId key) {
    S.SetButKey = key;
    qv::SetButtons();
}

void SelectAll(TextBox* box) {
    box->SetSelStart(0);
    box->SetSelLength(static_cast<int>(box->Text().size()));
}

void FocusIfShown(TextBox* box) {
    if (box->EffectivelyVisible() && box->EffectivelyEnabled())
        box->SetFocus();
}

void ResetSelectionFrame() {
    CopySelectionToPending();
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.TextSelectionMaxFile->SetText(QString::number(S.SelMaxFiles));
    m.CheckSelectionSensitive->SetValue(S.SelCaseSensitive ? 1 : 0);
    m.CheckSelectionKeep->SetValue(S.SelKeep ? 1 : 0);
    m.FrameSelection->SetVisible(true);
    if (OptionButton* o = m.OptionSelection[S.EditSelKind])
        o->SetValue(true);
    ShowSelectionIndex();
    CheckSelectionOK();
}

void ResetActionFrame() {
    S.EditActionIndex = S.ActionIndex;
    S.EditActionAttribute = S.ActionAttribute;
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.CheckActionOverwrite->SetValue(S.OverwritePending ? 1 : 0);
    // The attribute shown is the one pending, not one picked before a Cancel.
    if (OptionButton* o = m.OptionAttribute[S.EditActionAttribute])
        o->SetValue(true);
    m.FrameAction->SetVisible(true);
    if (OptionButton* o = m.OptionAction[S.EditActionIndex])
        o->SetValue(true);
    ShowActionIndex();
    m.LabelActionMust->SetCaption(QString());
    m.CommandActionOK->SetEnabled(false);
}

void ResetRigidityFrame() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    m.CheckUndoWarnRigid->SetValue(S.SkipUndoWarning ? 1 : 0);
    S.SkipUndoWarningPending = S.SkipUndoWarning;
    S.HelpAtStartPending = S.HelpAtStart;
    m.CheckHelpRigid->SetValue(S.HelpAtStart ? 1 : 0);
    m.CommandRigidityDefault->SetEnabled(S.OptionsCode != 3);
    m.CommandRigidityOK->SetEnabled(false);
    m.FrameRigidity->SetVisible(true);
}

}  // namespace

namespace {

// Each committed File Selection setting with its pending copy: opening the panel and committing it
// move the same settings.
template <class Each>
void EachSelectionSetting(Each each) {
    each(S.SelMaxFiles, S.SelMaxFilesPending);
    each(S.SelSkip, S.SelSkipPending);
    each(S.SelNumber, S.SelNumberPending);
    each(S.SelKeep, S.SelKeepPending);
    each(S.SelString, S.SelStringPending);
    each(S.SelExtension, S.SelExtensionPending);
    each(S.SelCaseSensitive, S.SelCaseSensitivePending);
}

}  // namespace

void CopySelectionToPending() {
    S.EditSelKind = S.SelKind;
    S.EditSelNumKind = S.SelNumKind;
    EachSelectionSetting([](const auto& committed, auto& pending) { pending = committed; });
}

void CommitSelectionPending() {
    EachSelectionSetting([](auto& committed, const auto& pending) { committed = pending; });
}

void SetNullByTag() {
    // A control fired meanwhile may send a tag of its own.
    const std::optional<SetNullId> tag = S.SetNullKey.id();
    std::optional<SetButId> refresh = SetButId::setButGlobal;  // also for a tag outside the vocabulary
    if (tag) {
        switch (*tag) {
            case SetNullId::setNullSelectionStart:
                ResetSelectionFrame();
                LockView();
                break;
            case SetNullId::setNullIndexSelection:
                ShowSelectionIndex();
                refresh.reset();
                break;
            case SetNullId::setNullNumIndexNumSelection:
                ShowSelectionNumIndex();
                refresh.reset();
                break;
            case SetNullId::setNullSelectionOK:
                CheckSelectionOK();
                refresh.reset();
                break;
            case SetNullId::setNullActionStart:
                ResetActionFrame();
                LockView();
                break;
            case SetNullId::setNullIndexAction:
                ShowActionIndex();
                refresh.reset();
                break;
            case SetNullId::setNullActionMovePath:
                PrepareMoveForm();
                ShowMoveForm();
                refresh = SetButId::setButOnlyActiveness;
                break;
            case SetNullId::setNullFramesActionMove:
                ShowMoveFrames();
                refresh.reset();
                break;
            case SetNullId::setNullRigidity:
                ResetRigidityFrame();
                LockView();
                break;
            case SetNullId::setNullHelp:
                if (frmMain().Loaded())
                    frmMain().FrameHelp->SetVisible(true);
                LockView();
                break;
        }
    }
    S.SetNullKey.clear();
    if (refresh)
        Refresh(*refresh);
}

void ShowSelectionIndex() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const int kind = S.EditSelKind;
    const bool maximum = kind >= 1 && kind <= 3, search = kind == 2 || kind == 3;
    for (Control* c :
         std::initializer_list<Control*>{m.LabelSelectionMaxA, m.LabelSelectionMaxB, m.TextSelectionMaxFile,
                                         m.LineSelection1, m.CheckSelectionKeep})
        c->SetVisible(maximum);
    for (Control* c : std::initializer_list<Control*>{m.LabelSelectionString, m.TextSelectionString,
                                                      m.CheckSelectionSensitive})
        c->SetVisible(search);
    m.FrameSelectionNum->SetVisible(kind == 1);
    m.FrameSelectionSkip->SetVisible(search);
    m.LabelSelectionString->SetCaption(kind == 2   ? QStringLiteral("This String")
                                       : kind == 3 ? QStringLiteral("This Extension")
                                                   : QString());
    QString ask;
    if (kind == 2 && S.SelString.isEmpty())
        ask = kAskString;
    else if (kind == 3 && S.SelExtension.isEmpty())
        ask = kAskExtension;
    m.LabelSelectionAsk->SetCaption(ask);
    if (kind == 0) {
        m.CommandSelectionOK->SetEnabled(S.SelKind != 0);
    } else if (kind == 1) {
        m.TextSelectionNumFile->SetTabIndex(0);
        m.TextSelectionNumSkip->SetTabIndex(1);
        m.CommandSelectionOK->SetEnabled(false);
        ShowSelectionNumIndex();
    } else if (search) {
        m.TextSelectionString->SetTabIndex(0);
        m.TextSelectionNumSkip->SetTabIndex(1);
        m.CommandSelectionOK->SetEnabled(false);
        FillSelectionTexts();
        CheckSelectionOK();
        FocusIfShown(m.TextSelectionString);
    }
}

void ShowSelectionNumIndex() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const int sub = S.EditSelNumKind;
    if (sub == 0 || sub == 1) {
        if (OptionButton* o = m.OptionSelectionNum[sub])
            o->SetValue(true);
        m.TextSelectionNumFile->SetVisible(sub == 1);
        m.FrameSelectionSkip->SetVisible(true);
        m.LabelSelectionAsk->SetCaption(sub == 1 && S.SelNumberPending == 0 ? kAskNumber : QString());
        FillSelectionTexts();
        if (sub == 0) {
            m.CommandSelectionOK->SetEnabled(true);
            FocusIfShown(m.TextSelectionNumSkip);
        } else {
            m.CommandSelectionOK->SetEnabled(false);
            CheckSelectionOK();
            FocusIfShown(m.TextSelectionNumFile);
        }
        return;
    }
    for (OptionButton* o : m.OptionSelectionNum.items()) o->SetValue(false);
    m.TextSelectionNumFile->SetVisible(false);
    m.FrameSelectionSkip->SetVisible(false);
    m.CommandSelectionOK->SetEnabled(false);
}

void FillSelectionTexts() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    QString number, skip = QStringLiteral("0"), search;
    const int kind = S.EditSelKind;
    if (kind == 1 && S.SelKind == 1 && S.EditSelNumKind == S.SelNumKind &&
        (S.SelNumKind == 0 || S.SelNumKind == 1)) {
        skip = QString::number(S.SelSkip);
        if (S.SelNumKind == 1)
            number = QString::number(S.SelNumber);
    } else if ((kind == 2 || kind == 3) && S.SelKind == kind) {
        search = kind == 2 ? S.SelString : S.SelExtension;
        skip = QString::number(S.SelSkip);
    }
    m.TextSelectionNumFile->SetText(number);
    m.TextSelectionNumSkip->SetText(skip);
    m.TextSelectionString->SetText(search);
    for (TextBox* box : {m.TextSelectionNumFile, m.TextSelectionNumSkip, m.TextSelectionString})
        SelectAll(box);
}

void CheckSelectionOK() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const bool kind = S.EditSelKind != S.SelKind, maximum = S.SelMaxFilesPending != S.SelMaxFiles,
               keep = S.SelKeepPending != S.SelKeep, skip = S.SelSkipPending != S.SelSkip,
               number = S.SelNumberPending != S.SelNumber, string = S.SelStringPending != S.SelString,
               extension = S.SelExtensionPending != S.SelExtension,
               sensitive = S.SelCaseSensitivePending != S.SelCaseSensitive;
    // With nothing selected (after an action, say) the same rule may be applied again.
    const bool again = S.HasSelection == 0;
    bool ok = false;
    switch (S.EditSelKind) {
        case 0:
            ok = kind;
            break;
        case 1:
            if (S.EditSelNumKind == 0)
                ok = again || maximum || keep || skip;
            else if (S.EditSelNumKind == 1)
                ok = S.SelNumberPending != 0 && (again || maximum || keep || skip || number);
            break;
        case 2:
            ok = !S.SelStringPending.isEmpty() && (again || maximum || keep || skip || string || sensitive);
            break;
        case 3:
            ok = !S.SelExtensionPending.isEmpty() &&
                 (again || maximum || keep || skip || extension || sensitive);
            break;
        default:
            break;
    }
    m.CommandSelectionOK->SetEnabled(ok);
}

void ShowActionIndex() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const int a = S.EditActionIndex;
    // The pending action set from code (the folder dialog's Cancel) is shown chosen; the button's
    // click lays the panel out for it.
    if (OptionButton* o = m.OptionAction[a]; o && !o->Value()) {
        o->SetValue(true);
        return;
    }
    const Action action = ActionAt(a);
    const bool destination = NeedsDestination(action), copy = Copies(action);
    const bool warn = action == Action::Delete && m.CheckActionMode->Value() == 0;
    QString verb;
    if (copy) {
        S.DestLabelText = QStringLiteral("Copy To This Folder :");
        verb = QStringLiteral("Copy");
    } else if (destination) {
        S.DestLabelText = QStringLiteral("Move To This Folder :");
        verb = QStringLiteral("Move");
    } else if (action == Action::SetAttribute) {
        verb = QStringLiteral("Attribute");
    }
    m.LineAction->SetVisible(copy || action == Action::SetAttribute || warn);
    m.CheckActionOverwrite->SetVisible(copy);
    m.LabelActionOverwrite->SetVisible(copy);
    m.LabelActionWarning->SetVisible(warn);
    m.FrameAttribute->SetVisible(action == Action::SetAttribute);
    QString must;
    if (destination && !DestinationChosen())
        must = QStringLiteral("Must select a different Folder to ") + verb +
               QStringLiteral(". Press Set Destination to select Folder.");
    else if (action == Action::SetAttribute && S.EditActionAttribute == 0)
        must = QStringLiteral("Must select an Attribute to set ") + verb + QStringLiteral(".");
    m.LabelActionMust->SetCaption(must);
    m.CommandActionBrowse->SetEnabled(destination && !S.MoveDestinationMode);
    m.CheckActionMode->SetForeColor(S.ReviewModePending == 1 ? kBlue : kButtonText);
    Refresh(SetButId::setButOnlyAction);
}

}  // namespace qv::panels
