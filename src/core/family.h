// The family records in the per-user settings store (application "Holvent"): ten slots naming
// each member program and its folder, the help program's path, and the run marker that carries the
// code of the highest slot in use.
#pragma once

#include <QString>

namespace qv {

QString FamilySlotKey(int slot);  // "EkaaGuru" ... "DasaGuru"
// The run marker of a slot for a day of the month; the slot of a marker (0 when no code matches).
QString FamilyMarker(int slot, int dayOfMonth);
int FamilyMarkerSlot(const QString& marker);

void OnRestGetFamily();
void OnRestCheckFamily();
void OnRestCheckBachan();
void OnRestSaveAnek(int slot);
void OnRestSaveMember(int slot, const QString& name, const QString& folder);

// The slot a new member takes: the first whose record is empty, is this program's own, or names a
// program file that no longer exists; -1 when all ten hold live members.
int FamilyRegistrationSlot();
// The highest slot holding a record once `slot` is written.
int FamilyHighestSlotInUse(int slot);
// Registers this program when it is a new member (start-up).
void FamilyRegister();

// Starts the help program; without one, offers the product's web page (which ends this program).
void FamilyRunHelp();
// Starts the Run list's chosen member (RunChoice) and ends this program; a failed start is reported.
void FamilyRunMember();

}  // namespace qv
