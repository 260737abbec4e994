// What an interrupted run of the program leaves in a folder. A partial copy is waste (its source is
// still whole) and goes when the program next writes into that folder; a file that a ring of renames
// had stepped aside holds the only copy of a user's file, so it is never touched, only named to the
// user when its folder is opened, with what its record beside it says it holds. Only what processes
// that no longer run left counts.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace qv {

// Removes the abandoned partial copies (and records whose held file is back) from the folders that
// `action` (with `undo`, its undo) writes into: the work folder `work` and the destination `dest`.
// They are found in the last read of each folder (Preview's, or the file list's); a folder not read
// yet is read once. Nothing that fails here stops the action.
void RemoveAbandonedCopies(const QString& action, bool undo, const QString& work, const QString& dest);

// The record kept beside a ring's temporary name while the ring runs: the file it holds, what that
// file was being renamed to, and the ring's other rows.
QString HolderRecordName(const QString& holder);
// Writes the record whole (a crash leaves it complete or absent) before the holder is made; throws
// PlatformError when it cannot. `rows` are (old, new) pairs, the held file's row first.
void WriteHolderRecord(const QString& folder, const QString& holder,
                       const QList<QPair<QString, QString>>& rows);
// One record for every ring of a batch, written whole once before the first ring begins, under
// HolderRecordName(`name`), where `name` is a temporary name no file takes. Each ring is its
// temporary name and its rows as WriteHolderRecord takes them. Throws PlatformError when it cannot.
struct RecordedRing {
    QString holder;
    QList<QPair<QString, QString>> rows;
};
void WriteRingsRecord(const QString& folder, const QString& name, const QList<RecordedRing>& rings);
// The record of a file that a copy replaced, held aside under `holder` in the same folder: `name` is
// where it was. Written whole before the file is moved aside; throws PlatformError when it cannot.
void WriteReplacedRecord(const QString& folder, const QString& holder, const QString& name);
// Removes it once the ring is whole again; a record that will not go is removed another time.
void RemoveHolderRecord(const QString& folder, const QString& holder);

// Tells the user of what an interrupted run left in `folder` (found in the last read of the folder,
// the file list's, or in a read of its own when none was made). A ring of renames whose record says
// how far it went is offered to be put back, every file under the name it had before, with renames
// that never replace a file; on No the user learns which name is free and which file goes there.
// A record whose files are all back is removed; one that cannot be read is named, and then nothing
// is renamed.
void TellOfInterruptedRenames(const QString& folder);

}  // namespace qv
