#include "core/panel_calls.h"

#include "core/state.h"
#include "core/windows.h"
#include "engine/selection.h"

namespace qv {

// Without windows a key handed over is still consumed, as the controller would.
void SetButtons() {
    windows().SetButtons();
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

void SetValueActionFlags() {
    windows().SetValueActionFlags();
}

void SetValueSplitNames() {
    SelectionTableResplit();
}

}  // namespace qv
