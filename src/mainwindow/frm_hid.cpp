#include "mainwindow/frm_hid.h"

namespace qv {

FrmHid::FrmHid() : Form(QStringLiteral("frmHid")) {}

void FrmHid::Design() {
    Move(0, 0, 120, 60);
}

FrmHid& frmHid() {
    static FrmHid form;
    return form;
}

}  // namespace qv
