// What the engine reads and writes on the windows: the main window's file, preview and folder
// lists and the folder dialog's lists. When a window is not loaded the engine works on the state
// alone (the preview names then live in the engine).
#pragma once

#include <QString>
#include <QStringList>

namespace qv::engineview {

// Entries of the main window's file list and their selection; empty when the window is not loaded.
int WorkListCount();
QString WorkListEntry(int i);
bool WorkListSelected(int i);
void WorkListUnselect(int i);

// The preview list: one new name per selection-table row.
void PreviewClear();
void PreviewAdd(const QString& name);
int PreviewCount();
QString PreviewEntry(int i);

// Paths of the folder lists ("" when not loaded) and their change (which runs the list's handler).
QString WorkDirPath();
QString MoveDirPath();
void SetWorkDirPath(const QString& path);
void SetMoveDirPath(const QString& path);

// Re-reads the main window's two file lists and the folder dialog's file list, no entry chosen.
void RefreshFileLists();

}  // namespace qv::engineview
