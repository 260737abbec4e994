#include "criteria/criteria.h"

#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "criteria/frm_ren.h"

namespace qv::criteria {

void ShowRenameCriteria() {}

void ResetReplaceChoice() {
    S.EditReplaceKind = 0;
    FrmRen& ren = frmRen();
    // An empty combo has no "no Replace" entry to choose.
    if (ren.Loaded() && ren.ComboReplace != nullptr && ren.ComboReplace->ListCount() > 0) {
        ren.ComboReplace->SetListIndex(0);
    }
    qv::ShowRenameCriteria();
}

void RegisterMessageWork() {
    qv::RegisterMessageWork({
        {"MessageReplaceMultiName", [](const MessageAnswer&) { ResetReplaceChoice(); }, {}},
        {"MessageMultiNameRenOK",
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
        {"MessageReadyIncompleteRen",
         [](const MessageAnswer&) { S.MessageReply = QStringLiteral("CriteriaSetAgain"); },
         {}},
    });
}

}  // namespace qv::criteria
