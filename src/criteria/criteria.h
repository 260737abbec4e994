#pragma once

namespace qv {

// Writes the readable summary of the committed criteria on the main window (not built yet).
void ShowRenameCriteria();

}  // namespace qv
