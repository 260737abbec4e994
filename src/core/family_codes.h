// The family's slot codes: one four-digit code per registration slot 0 to 9, the same table in
// every program of the family (the run marker carries the code of the highest slot in use).
#pragma once

#include <array>

namespace qv {

inline constexpr std::array<const char*, 10> FamilySlotCodes = {
    "4817", "2953", "7306", "1642", "8275", "3590", "6128", "9461", "5034", "2789",
};

// Slot keys of the family records: slot prefix followed by "Guru".
inline constexpr std::array<const char*, 10> FamilySlotPrefixes = {
    "Ekaa", "Doka", "Teka", "Coka", "Poka", "Soka", "Sata", "Aata", "Naya", "Dasa",
};

}  // namespace qv
