#include "help/frm_main.h"

#include <QCoreApplication>

#include "help/help_state.h"

namespace qv::help {

void FrmMain::Design() {
    SetCaption(HS.HelpName);
    Move(0, 0, 800, 560);
    FrameTopic = Add<Frame>(QStringLiteral("FrameTopic"));
    FrameTopic->Move(8, 8, 200, 360);
    FrameTopic->SetCaption(QStringLiteral("Topics"));
    FrameInfo = Add<Frame>(QStringLiteral("FrameInfo"));
    FrameInfo->Move(8, 376, 784, 176);
}

// The window is the program: closing it ends the run.
void FrmMain::Form_Unload() {
    QCoreApplication::exit(0);
}

void FrmMain::Dropped() {
    FrameTopic = nullptr;
    FrameInfo = nullptr;
}

FrmMain& frmMain() {
    static FrmMain form;
    return form;
}

}  // namespace qv::help
