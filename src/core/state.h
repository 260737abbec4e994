// The program-wide state of Quorvan: every record, flat, so that procedures read and write the
// fields by their own names (S.WorkPath, S.SelectedCount). Each subsystem declares the records it owns.
#pragma once

#include "core/records.h"
#include "criteria/records.h"
#include "engine/records.h"
#include "mainwindow/records.h"
#include "panels/records.h"

namespace qv {

struct State : CoreRecords, EngineRecords, MainWindowRecords, PanelRecords, CriteriaRecords {};

extern State S;

// Back to the start values of every record (tests).
void ResetState();

}  // namespace qv
