// Easy Process: the committed action on the one file picked in the Easy Process list, at once, with
// its own checks. It uses neither the selection table nor the undo journal.
#pragma once

namespace qv {

void SingleProcessStart();
// Each sets SingleConflictFound when the new name is taken; neither clears it.
void SingleProcessCheckName();
void SingleProcessCheckMove();

// The attribute value a Set Attribute choice (1 to 5) writes; -1 for no choice.
int AttributeForChoice(int choice);

}  // namespace qv
