#include "core/panel_calls.h"

#include <QStringList>

#include "core/state.h"
#include "core/windows.h"

namespace qv {

// Without windows a key handed over is still consumed, as the controller would.
void SetButtons() {
    // While the criteria dialog opens or has just closed, a refresh only rebuilds the little help and
    // leaves the key as it was.
    const bool helpOnly = S.CriteriaDialogLoading || S.CriteriaDialogClosed;
    windows().SetButtons();
    if (!helpOnly)
        S.SetButKey.clear();
}

void SetNullByTag() {
    windows().SetNullByTag();
    S.SetNullKey.clear();
}

void SetValueByKey() {
    windows().SetValueByKey();
}

void SetButPictures() {
    windows().SetButPictures();
}

void ShowRenameCriteria() {
    windows().ShowRenameCriteria();
}

namespace {

const QString kInsert = KeyWord(SlotId::Insert);
const QString kReplace = KeyWord(SlotId::Replace);
const QString kRemove = KeyWord(SlotId::Remove);

bool IsOn(const QString& op) {
    if (op == kInsert)
        return S.InsertOn == 1;
    if (op == kReplace)
        return S.ReplaceOn == 1;
    if (op == kRemove)
        return S.RemoveOn == 1;
    return false;
}

// The committed choice as an order of the three operations; a damaged choice falls back on the
// default order for what it lacks, so that every operation has its place.
QStringList ChoiceOrder() {
    QStringList order;
    for (const QString& op :
         {S.PriorityChoice1, S.PriorityChoice2, S.PriorityChoice3, kInsert, kReplace, kRemove})
        if ((op == kInsert || op == kReplace || op == kRemove) && !order.contains(op))
            order << op;
    return order;
}

}  // namespace

// Slots from the choice: the operations that are on, in the chosen order; after them the others,
// continuing the choice cyclically after the last one that is on. With none on nothing changes.
void SetValuePriorityAdjust() {
    const QStringList order = ChoiceOrder();
    QStringList slots;
    int last = -1;
    for (int i = 0; i < 3; ++i) {
        if (IsOn(order[i])) {
            slots << order[i];
            last = i;
        }
    }
    if (last < 0)
        return;
    for (int k = 1; k <= 3; ++k) {
        const QString& op = order[(last + k) % 3];
        if (!slots.contains(op))
            slots << op;
    }
    S.PrioritySlot1 = slots[0];
    S.PrioritySlot2 = slots[1];
    S.PrioritySlot3 = slots[2];
}

void SetValuePriorityLabels() {
    windows().SetValuePriorityLabels();
}

}  // namespace qv
