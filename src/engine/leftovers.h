// What an interrupted run of the program leaves in a folder. A partial copy is waste (its source is
// still whole) and goes when the program next writes into that folder; a file that a ring of renames
// had stepped aside holds the only copy of a user's file, so it is never touched, only named to the
// user when its folder is opened. Only what processes that no longer run left counts.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// Removes the abandoned partial copies from the folders that `action` (with `undo`, its undo) writes
// into: the work folder `work` and the destination `dest`. Nothing that fails here stops the action.
void RemoveAbandonedCopies(const QString& action, bool undo, const QString& work, const QString& dest);

// The files of the folder that interrupted renames left, by name, sorted.
QStringList InterruptedRenameFiles(const QString& folder);

// Names them to the user in one message ("MessageInterruptedRename"), when there are any.
void TellOfInterruptedRenames(const QString& folder);

}  // namespace qv
