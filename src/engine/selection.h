// The selection table: one row per selected file, six parallel columns in qv::S.
#pragma once

#include <QString>

namespace qv {

// Splits a file name at its last ".": "a.b.txt" -> "a.b", ".", "txt"; "memo." -> "memo", ".", "";
// a name without a dot keeps the whole name with an empty dot and extension.
void SplitFileName(const QString& file, QString& name, QString& dot, QString& ext);

// Appends a row for a file of the work folder's list at `listIndex`; the row starts "OK".
void SelectionTableAppend(const QString& file, int listIndex);
void SelectionTableClear();
// Every row back to the current file name, state "OK".
void SelectionTableResplit();
// Removes row i from all six columns together.
void SelectionTableRemoveRow(int i);
int SelectionTableCount();
QString SelectionNewName(int i);
bool SelectionRowMarked(int i);
// Marks row i; returns true when it was not marked before.
bool SelectionMarkRow(int i);

// The panel controller's two steps that touch no window live with the table they work on.
// Re-derives the progress flags (NamesToBuild, ConflictCheckDue, ReadyToFinalize, HasSelection) from
// the committed action, criteria and count. Whenever names are due to be built or checked again, the
// selection table is first put back to the names its files have now, so that a criterion is never
// applied to names it already built.
void SetValueActionFlags();
// Every selection-table row back to the name its file has now, state "OK".
void SetValueSplitNames();

}  // namespace qv
