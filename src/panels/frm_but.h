// frmBut: the hidden form that holds the button pictures (AButton faces, arrows, help and user
// images). Nothing else reads or writes pictures of its own.
#pragma once

#include "platform/forms.h"

namespace qv {

class FrmBut : public Form {
  public:
    FrmBut();

    ControlArray<Image> AButton;       // faces 0 to 9
    ControlArray<Image> ImageBack;     // 0 usable, 1 pressed, 2 unusable
    ControlArray<Image> ImageForward;  // the same
    ControlArray<Image> ImageShow;     // status: 0 plain, 1 settings in effect, 3 warning, 4 review mode
    ControlArray<Image> ImageHelp;
    Image* ImageUser = nullptr;  // the default user picture

    // The plain face of the picture buttons (AButton 0); loads the form when needed.
    Picture ButtonFace();

  protected:
    void Design() override;
    void Dropped() override;
};

FrmBut& frmBut();

}  // namespace qv
