// The help program's window.
#pragma once

#include "platform/forms.h"

namespace qv::help {

class FrmMain : public Form {
  public:
    FrmMain() : Form(QStringLiteral("frmMain")) {}
    Frame* FrameTopic = nullptr;
    Frame* FrameInfo = nullptr;

  protected:
    void Design() override;
    void Form_Unload() override;
    void Dropped() override;
};

FrmMain& frmMain();

}  // namespace qv::help
