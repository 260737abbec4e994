// frmRen: the rename-criteria dialog (loaded hidden at start-up).
#pragma once

#include "platform/forms.h"

namespace qv {

class FrmRen : public Form {
  public:
    FrmRen();

    CheckBox* CheckReplace = nullptr;
    ComboBox* ComboReplace = nullptr;
    TextBox* TextAutoStart = nullptr;

  protected:
    void Design() override;
    void Dropped() override;
};

FrmRen& frmRen();

}  // namespace qv
