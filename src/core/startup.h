// Start-up of Quorvan: single instance, the refusals, family registration, profile and settings,
// the forms, and the start values.
#pragma once

namespace qv {

void Main();
void ActivatePrevInstance();
void CheckScreenSize();
void SetStartValues();

// The minimum screen, in twips.
constexpr int kMinScreenWidthTwips = 11500;
constexpr int kMinScreenHeightTwips = 8500;

}  // namespace qv
