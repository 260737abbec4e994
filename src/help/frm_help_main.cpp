#include "help/frm_help_main.h"

#include <QCoreApplication>

#include "help/help_state.h"

namespace qv::help {

void FrmHelpMain::Design() {
    SetCaption(HS.HelpName);
    Move(0, 0, 800, 560);
    FrameTopic = Add<Frame>(QStringLiteral("FrameTopic"));
    FrameTopic->Move(8, 8, 200, 360);
    FrameTopic->SetCaption(QStringLiteral("Topics"));
    FrameInfo = Add<Frame>(QStringLiteral("FrameInfo"));
    FrameInfo->Move(8, 376, 784, 176);
}

// The window is the program: closing it ends the run.
void FrmHelpMain::Form_Unload() {
    QCoreApplication::exit(0);
}

void FrmHelpMain::Dropped() {
    FrameTopic = nullptr;
    FrameInfo = nullptr;
}

FrmHelpMain& frmHelpMain() {
    static FrmHelpMain form;
    return form;
}

}  // namespace qv::help
