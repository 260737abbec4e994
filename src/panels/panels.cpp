#include "panels/panels.h"

#include "core/state.h"

namespace qv {

// The callers' contract is kept: a key handed over is consumed.
void SetButtons() {
    S.SetButKey.clear();
}

void SetNullByTag() {
    S.SetNullKey.clear();
}

void SetValueByKey() {}

void SetValueCancel() {}

void SetButPictures() {}

void SetValueActionFlags() {}

void SetValueSplitNames() {}

}  // namespace qv
