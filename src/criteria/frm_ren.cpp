#include "criteria/frm_ren.h"

namespace qv {

FrmRen::FrmRen() : Form(QStringLiteral("frmRen")) {}

void FrmRen::Design() {
    SetCaption(QStringLiteral("Set Rename Criteria"));
    Move(120, 80, 640, 480);
    CheckReplace = Add<CheckBox>(QStringLiteral("CheckReplace"));
    CheckReplace->SetCaption(QStringLiteral("Replace :"));
    CheckReplace->Move(16, 16, 120, 22);
    ComboReplace = Add<ComboBox>(QStringLiteral("ComboReplace"));
    ComboReplace->Move(140, 16, 240, 24);
    TextAutoStart = Add<TextBox>(QStringLiteral("TextAutoStart"));
    TextAutoStart->Move(140, 56, 80, 24);
    TextAutoStart->SetVisible(false);
}

void FrmRen::Dropped() {
    CheckReplace = nullptr;
    ComboReplace = nullptr;
    TextAutoStart = nullptr;
}

FrmRen& frmRen() {
    static FrmRen form;
    return form;
}

}  // namespace qv
