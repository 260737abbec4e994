// frmHid: the hidden form the selection table and the undo journal belong to. The table itself is
// kept as plain lists in the program state; the form only takes its place in start-up.
#pragma once

#include "forms/forms.h"

namespace qv {

class FrmHid : public Form {
  public:
    FrmHid();

  protected:
    void Design() override;
};

FrmHid& frmHid();

}  // namespace qv
