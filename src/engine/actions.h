// The eight actions over the selection table, the one-level undo journal they write, and its undo.
#pragma once

namespace qv {

// Shows the built new names in the preview list and lets Finalize run.
void ActionRebuildNameList();

// Finalize: writes the journal header, acts on every row whose file still exists, cleans up.
void ActionAStartDo();
// Undoes the journal, last row first, never overwriting a file.
void ActionAStartUndo();

void ActionDoRename();
void ActionDoRenCopy();
void ActionDoCpyRename();
void ActionDoMovRename();
void ActionDoCopy();
void ActionDoMove();
void ActionDoDelete();
void ActionDoAttribute();

void ActionUndoRename();
void ActionUndoRenCopy();
void ActionUndoCpyRename();
void ActionUndoMovRename();
void ActionUndoCopy();
void ActionUndoMove();
void ActionUndoAttribute();

}  // namespace qv
