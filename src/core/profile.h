// The user profile in the per-user settings store (application "Holvent", section "NidraBhanga").
#pragma once

namespace qv {

void ProgGetSettings();
void ProgSaveUserName();
void ProgSaveUserPicture();

}  // namespace qv
