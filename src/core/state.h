// The program-wide state of Quorvan: every record, flat, so that procedures read and write the
// fields by their own names (S.WorkPath, S.SelectedCount). Each subsystem declares the records it owns.
#pragma once

#include "core/records/core.h"
#include "core/records/criteria.h"
#include "core/records/engine.h"
#include "core/records/mainwindow.h"
#include "core/records/panels.h"

namespace qv {

struct State : CoreRecords, EngineRecords, MainWindowRecords, PanelRecords, CriteriaRecords {};

extern State S;

// The committed action and the one chosen on the open Action panel.
inline Action CurrentAction() {
    return ActionAt(S.ActionIndex);
}
inline Action EditedAction() {
    return ActionAt(S.EditActionIndex);
}

// Back to the start values of every record (tests).
void ResetState();

}  // namespace qv
