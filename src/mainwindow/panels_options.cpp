// The Options panel's commit, default, reset and cancel, and the order in which Insert, Replace and
// Remove run: its default, its commit from the three priority lists, its re-slotting when one of them
// is switched on or off, and its labels on the main window.
#include <QStringList>

#include "core/panel_calls.h"
#include "core/state.h"
#include "mainwindow/control_forms.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/panels.h"

namespace qv::panels {

namespace {

const QString kInsert = KeyWord(SlotId::Insert);
const QString kReplace = KeyWord(SlotId::Replace);
const QString kRemove = KeyWord(SlotId::Remove);

void SetMarkControls(bool insert, bool replace, bool remove, bool replaceShort, bool removeShort) {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    const std::pair<ControlArray<OptionButton>*, bool> sets[] = {{&m.OptionInsertRigid, insert},
                                                                 {&m.OptionReplaceRigid, replace},
                                                                 {&m.OptionRemoveRigid, remove},
                                                                 {&m.OptionCharReplaceRigid, replaceShort},
                                                                 {&m.OptionCharRemoveRigid, removeShort}};
    for (const auto& [options, mark] : sets)
        if (OptionButton* o = (*options)[mark ? 1 : 0])
            o->SetValue(true);
}

void DefaultMarks() {
    S.MarkInsertMissing = true;
    S.MarkReplaceMissing = true;
    S.MarkRemoveMissing = false;
    S.MarkReplaceShort = false;
    S.MarkRemoveShort = false;
    SetMarkControls(true, true, false, false, false);
}

// The work folder, its history and the destination leave the system tree before the permission goes.
void SystemFoldersOff() {
    if (!S.AllowSystemFolders)
        return;
    ControlFormsSetPaths();
    S.AllowSystemFolders = false;
    if (frmMain().Loaded())
        frmMain().CheckAllowSystemRigid->SetValue(0);
}

void HideOptions() {
    if (frmMain().Loaded())
        frmMain().FrameRigidity->SetVisible(false);
}

bool IsDefaultCode(int code) {
    return code == 3 || code == 35 || code == 131 || code == 163;
}

}  // namespace

void SetValueRigidityDefault() {
    SystemFoldersOff();
    DefaultMarks();
    S.SkipUndoWarning = false;
    S.HelpAtStart = false;
    if (frmMain().Loaded()) {
        frmMain().CheckUndoWarnRigid->SetValue(0);
        frmMain().CheckHelpRigid->SetValue(0);
    }
    S.OptionsNonDefault = 0;
    S.OptionsCode = 3;
    S.OptionsCodePending = 3;
    HideOptions();
}

void SetValueResetRigidity() {
    if (S.OptionsNonDefault == 0)
        return;
    SystemFoldersOff();
    DefaultMarks();
    S.OptionsCode = (S.SkipUndoWarning ? 131 : 3) + (S.HelpAtStart ? 32 : 0);
    S.OptionsCodePending = S.OptionsCode;
    S.OptionsNonDefault = 0;
}

void SetValueOptionsOK() {
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        S.MarkInsertMissing = m.OptionInsertRigid[1]->Value();
        S.MarkReplaceMissing = m.OptionReplaceRigid[1]->Value();
        S.MarkRemoveMissing = m.OptionRemoveRigid[1]->Value();
        S.MarkReplaceShort = m.OptionCharReplaceRigid[1]->Value();
        S.MarkRemoveShort = m.OptionCharRemoveRigid[1]->Value();
        if (m.CheckAllowSystemRigid->Value() == 1) {
            S.AllowSystemFolders = true;
        } else if (S.AllowSystemFolders) {
            ControlFormsSetPaths();
            S.AllowSystemFolders = false;
        }
    }
    S.SkipUndoWarning = S.SkipUndoWarningPending;
    S.HelpAtStart = S.HelpAtStartPending;
    S.OptionsCode = S.OptionsCodePending;
    S.OptionsNonDefault = IsDefaultCode(S.OptionsCode) ? 0 : 1;
    HideOptions();
}

void SetValueOptionsRestore() {
    SetMarkControls(S.MarkInsertMissing, S.MarkReplaceMissing, S.MarkRemoveMissing, S.MarkReplaceShort,
                    S.MarkRemoveShort);
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        m.CheckAllowSystemRigid->SetValue(S.AllowSystemFolders ? 1 : 0);
        m.CheckUndoWarnRigid->SetValue(S.SkipUndoWarning ? 1 : 0);
        m.CheckHelpRigid->SetValue(S.HelpAtStart ? 1 : 0);
    }
    S.OptionsCodePending = S.OptionsCode;
    // What a cancelled tick wrote into the pending copies goes with it.
    S.SkipUndoWarningPending = S.SkipUndoWarning;
    S.HelpAtStartPending = S.HelpAtStart;
    HideOptions();
}

void SetValuePriorityDefault() {
    S.PriorityChoiceIndex1 = 0;
    S.PriorityChoiceIndex2 = 1;
    S.PriorityChoiceIndex3 = 2;
    FrmMain& m = frmMain();
    if (m.Loaded()) {
        m.ComboPriority1st->SetListIndex(0);
        m.ComboPriority2nd->SetListIndex(1);
        m.ComboPriority3rd->SetListIndex(2);
    }
    S.PrioritySlot1 = S.PriorityChoice1 = kInsert;
    S.PrioritySlot2 = S.PriorityChoice2 = kReplace;
    S.PrioritySlot3 = S.PriorityChoice3 = kRemove;
    if (m.Loaded()) {
        m.LabelPriorityInfo4->SetVisible(false);
        m.CommandPriorityDefault->SetEnabled(false);
        m.CommandPriorityOK->SetEnabled(false);
    }
}

void SetValuePriorityOK() {
    FrmMain& m = frmMain();
    if (!m.Loaded())
        return;
    ComboBox* combos[] = {m.ComboPriority1st, m.ComboPriority2nd, m.ComboPriority3rd};
    int* indexes[] = {&S.PriorityChoiceIndex1, &S.PriorityChoiceIndex2, &S.PriorityChoiceIndex3};
    QString* choices[] = {&S.PriorityChoice1, &S.PriorityChoice2, &S.PriorityChoice3};
    QStringList chosen;
    for (int i = 0; i < 3; ++i) chosen << combos[i]->List(combos[i]->ListIndex());
    // The OK button is off while two lists show the same operation; a key that gets here all the same
    // keeps the order there is.
    if (chosen.removeDuplicates() > 0 || !chosen.contains(kInsert) || !chosen.contains(kReplace) ||
        !chosen.contains(kRemove))
        return;
    S.PriorityChanged = 0;
    for (int i = 0; i < 3; ++i) {
        *indexes[i] = combos[i]->ListIndex();
        *choices[i] = chosen[i];
    }
    S.PriorityChanged =
        S.PriorityChoiceIndex1 != 0 || S.PriorityChoiceIndex2 != 1 || S.PriorityChoiceIndex3 != 2 ? 1 : 0;
    const bool changed = S.PriorityChanged == 1;
    m.CommandPriorityDefault->SetEnabled(changed);
    m.LabelPriorityInfo1->SetVisible(changed);
    m.LabelPriorityInfo2->SetVisible(changed);
    if (S.PriorityCount == 0)
        return;
    qv::SetValuePriorityAdjust();
    S.PriorityFrameDue = false;
    m.CommandPriorityOK->SetEnabled(false);
    m.LabelPriorityInfo4->SetVisible(false);
    SetValuePriorityLabels();
}

void SetValuePriorityLabels() {
    // By name on the loaded main window: the labels are written wherever that window is made from.
    Form* main = FindLoadedForm(QStringLiteral("frmMain"));
    if (main == nullptr)
        return;
    const char* names[] = {"LabelPriority1st", "LabelPriority2nd", "LabelPriority3rd"};
    const QString slots[] = {S.PrioritySlot1, S.PrioritySlot2, S.PrioritySlot3};
    const int shown = S.PriorityCount == 2 || S.PriorityCount == 3 ? S.PriorityCount : 0;
    for (int i = 0; i < 3; ++i)
        if (auto* label = dynamic_cast<Label*>(main->Find(QLatin1String(names[i]))))
            label->SetCaption(i < shown ? QString::number(i + 1) + QStringLiteral(" - ") + slots[i]
                                        : QString());
}

}  // namespace qv::panels
