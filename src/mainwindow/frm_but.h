// frmBut: the hidden form that holds the button pictures (AButton faces, arrows, help and user
// images), drawn for the program in resources/pictures. Nothing else reads or writes pictures of its
// own: the windows copy them from here.
#pragma once

#include "forms/forms.h"

namespace qv {

class FrmBut : public Form {
  public:
    FrmBut();

    // Faces: 0 normal, 1 pressed, 2 disabled, 3 warning, 4 review mode, 5 setting in effect,
    // 6 panel open, 7 hide button, 8 tool or job button, 9 clear or reset button.
    ControlArray<Image> AButton;
    ControlArray<Image> ImageBack;     // 0 usable, 1 pressed, 2 unusable
    ControlArray<Image> ImageForward;  // the same
    ControlArray<Image> ImageShow;     // status: 0 plain, 1 settings in effect, 3 warning, 4 review mode
    ControlArray<Image> ImageHelp;     // the Help panel's two pictures
    Image* ImageUser = nullptr;        // the default user picture

    // The plain face of the picture buttons (AButton 0); loads the form when needed.
    Picture ButtonFace();

  protected:
    void Design() override;
};

FrmBut& frmBut();

}  // namespace qv
