// Reading folders for the drive, folder and file lists: what a list shows of a folder, and the paths
// and typed keys the lists share. No widget here: the lists' controls put what is read on show.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

enum class EntryKind { Files, Folders };

// An absolute path without "." and ".." steps and without a trailing "/" (but the root).
QString normalisedPath(const QString& path);
QString joinPath(const QString& folder, const QString& name);

// What a typed character picks in a list: after `current`, round to the start, the next entry that
// begins with it; -1 for none (or a key that is no character).
int NextEntryStartingWith(const QStringList& entries, int current, int keyAscii);

// What the lists show of a folder, read through the file system in force so that the user sees the
// names the program's checks see: no hidden entries (a leading dot, or the hidden or system
// attribute), sorted ignoring case with the exact name breaking ties.
// Throws PlatformError when the folder cannot be read.
QStringList readFolder(const QString& folder, EntryKind kind);

}  // namespace qv
