// The family records as every program of the family reads and writes them: the per-user settings
// application and its sections, and the slot codes (one four-digit code per registration slot 0 to
// 9; the run marker carries the code of the highest slot in use).
#pragma once

#include <QString>
#include <array>

namespace qv {

inline constexpr std::array<const char*, 10> FamilySlotCodes = {
    "4817", "2953", "7306", "1642", "8275", "3590", "6128", "9461", "5034", "2789",
};

// Slot keys of the family records: slot prefix followed by "Guru".
inline constexpr std::array<const char*, 10> FamilySlotPrefixes = {
    "Ekaa", "Doka", "Teka", "Coka", "Poka", "Soka", "Sata", "Aata", "Naya", "Dasa",
};

namespace family {
inline const QString kApp = QStringLiteral("Holvent");
inline const QString kNames = QStringLiteral("GuruNaam");            // slot key: member program name
inline const QString kFolders = QStringLiteral("GuruGhar");          // slot key: member folder
inline const QString kHelpPaths = QStringLiteral("RoziZidivo");      // help name: help program file
inline const QString kMarkerSection = QStringLiteral("NidraGavir");  // the run marker
inline const QString kMarkerKey = QStringLiteral("AnekGuru");
inline const QString kProfile = QStringLiteral("NidraBhanga");  // the user profile
}  // namespace family

}  // namespace qv
