// Start-up of Quorvan: single instance, the refusals, family registration, profile and settings,
// the forms, and the start values.
#pragma once

namespace qv {

void Main();
void ActivatePrevInstance();
void CheckScreenSize();
void SetStartValues();
// The folder the program starts in and its drive, as the folder lists show them; and the free space
// of the destination's drive, the work folder's at start.
void ReadStartFolder();
void ReadStartDestination();

// The minimum screen, in twips.
constexpr int kMinScreenWidthTwips = 11500;
constexpr int kMinScreenHeightTwips = 8500;

}  // namespace qv
