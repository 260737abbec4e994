// The help program's window.
#pragma once

#include "platform/forms.h"

namespace qv::help {

class FrmHelpMain : public Form {
  public:
    FrmHelpMain() : Form(QStringLiteral("frmHelpMain")) {}
    Frame* FrameTopic = nullptr;
    Frame* FrameInfo = nullptr;

  protected:
    void Design() override;
    void Form_Unload() override;
    void Dropped() override;
};

FrmHelpMain& frmHelpMain();

}  // namespace qv::help
