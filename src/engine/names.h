// New-name computation over the selection table from the committed rename criteria.
#pragma once

namespace qv {

// Runs every criterion in its fixed order, then NamesToBuild := False, ConflictCheckDue := True.
void FinalizeNewNames();

void ApplyPriority1();
void ApplyPriority2();
void ApplyPriority3();

// Dispatch by type string; an unknown string does nothing.
void ApplyInsert();
void ApplyReplace();
void ApplyRemove();
void ApplyAuto();

// Whole-name operations: they rewrite marked rows too.
void ApplyChangeCase();
void ApplyChangeExtension();
void ApplySpace();
void ApplyHandleCharString();

// Positional operations: marked rows are skipped, a missing place is counted and marked as the
// options say.
void ApplyInsertAfterNumChars();
void ApplyInsertBeforeNumChars();
void ApplyInsertAfterAString();
void ApplyInsertBeforeAString();
void ApplyReplaceFileName();
void ApplyReplaceAString();
void ApplyReplaceAfterNumChars();
void ApplyReplaceBeforeNumChars();
void ApplyReplaceAfterAString();
void ApplyReplaceBeforeAString();
void ApplyReplaceCharAfterNumChars();
void ApplyReplaceCharBeforeNumChars();
void ApplyReplaceCharAfterAString();
void ApplyReplaceCharBeforeAString();
void ApplyRemoveAString();
void ApplyRemoveAfterNumChars();
void ApplyRemoveBeforeNumChars();
void ApplyRemoveAfterAString();
void ApplyRemoveBeforeAString();
void ApplyRemoveCharAfterNumChars();
void ApplyRemoveCharBeforeNumChars();
void ApplyRemoveCharAfterAString();
void ApplyRemoveCharBeforeAString();

void ApplyAutoNumberAfterNumChars();
void ApplyAutoNumberBeforeNumChars();
void ApplyAutoNumberAfterAString();
void ApplyAutoNumberBeforeAString();
void ApplyAutoLetterNumChars();
void ApplyAutoLetterAString();

// Whether the committed start letters can name every selected file; writes AutoLetterCapacity and
// AutoLetterLast.
bool CheckAutoLetterRange();

}  // namespace qv
