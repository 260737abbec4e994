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

}  // namespace qv
