#include "core/panel_calls.h"

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

}  // namespace qv
