// The settings file "Set.Kastrel" in the program's settings folder: four quoted lines (selection
// maximum, Little Help at start, skip the undo question, last work folder). Never shows a message.
#pragma once

namespace qv {

void ReadSettingsFile();
// Writes beside the file and renames into place, so a failed write keeps the old file whole.
void WriteSettingsFile();

}  // namespace qv
