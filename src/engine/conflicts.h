// Conflict finding after the new names are built, its report and the clearing of conflicting rows.
#pragma once

#include <QString>

namespace qv {

// The checks that fit the committed action, then the report or the free-space check and the
// preview list. Runs only while ConflictCheckDue is True.
void FindConflictStart();

// Each check marks and counts its hits. A check that traps an error reports it and returns false.
bool FindConflictNameZeroLength();
bool FindConflictWithExistName();
bool FindConflictWithNewName();
bool FindConflictWithMove();
bool FindConflictSetAttribute();

QString FindConflictReport();
// Removes every marked row and unselects its file.
void FindConflictClear();

}  // namespace qv
