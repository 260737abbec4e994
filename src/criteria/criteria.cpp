#include "criteria/criteria.h"

#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "criteria/frm_ren.h"
#include "criteria/summary.h"

namespace qv::criteria {

namespace {

// A caption on the main window, by control name; the window may not have the control (yet).
void PutCaption(Form& form, const QString& name, const QString& caption, std::optional<Colour> colour) {
    Control* c = form.Find(name);
    if (c == nullptr)
        return;
    if (auto* l = dynamic_cast<Label*>(c))
        l->SetCaption(caption);
    else if (auto* f = dynamic_cast<Frame*>(c))
        f->SetCaption(caption);
    if (colour)
        c->SetForeColor(*colour);
}

}  // namespace

void OpenRenameCriteria() {
    S.CriteriaDialogLoading = true;
    FrmRen& ren = frmRen();
    if (!ren.Loaded())
        ren.Load();
    S.CriteriaDialogLoading = true;  // Form_Load clears it; the next button refresh does so here
    ren.LoadCommitted();
    ren.Show();
    S.SetButKey.clear();
    SetButtons();
}

void ReloadRenameCriteria() {
    FrmRen& ren = frmRen();
    if (ren.Loaded())
        ren.LoadCommitted();
}

void ShowRenameCriteria() {
    const CriteriaSummary summary = BuildCriteriaSummary(S);
    S.CriteriaCount = summary.criteriaCount;
    if (Form* main = FindLoadedForm(QStringLiteral("frmMain")))
        for (const SummaryLine& line : summary.lines)
            PutCaption(*main, line.control, line.caption, line.colour);
    // The dialog shows what is committed now, also when the commit came from the main window.
    ReloadRenameCriteria();
}

void ResetReplaceChoice() {
    S.EditReplaceKind = 0;
    FrmRen& ren = frmRen();
    if (ren.Loaded() && ren.ComboReplace != nullptr && ren.ComboReplace->ListCount() > 0)
        ren.ComboReplace->SetListIndex(0);
    SetValueReplaceSet();
    ShowRenameCriteria();
}

void RegisterMessageWork() {
    qv::RegisterMessageWork({
        {MessageId::MessageReplaceMultiName, [](const MessageAnswer&) { ResetReplaceChoice(); }, {}},
        {MessageId::MessageMultiNameRenOK,
         [](const MessageAnswer&) {
             FrmRen& ren = frmRen();
             if (ren.TextAutoStart && ren.TextAutoStart->EffectivelyVisible() &&
                 ren.TextAutoStart->EffectivelyEnabled())
                 ren.TextAutoStart->SetFocus();
         },
         [](const MessageAnswer&) {
             if (frmRen().CheckReplace)
                 frmRen().CheckReplace->SetValue(0);
             S.MessageReply = QStringLiteral("SetRenameABOKAgain");
         }},
        {MessageId::MessageReadyIncompleteRen,
         [](const MessageAnswer&) { S.MessageReply = QStringLiteral("CriteriaSetAgain"); },
         {}},
    });
}

}  // namespace qv::criteria
