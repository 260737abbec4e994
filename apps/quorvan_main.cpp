// Quorvan: batch file renamer and file-action tool.
#include <QApplication>
#include <QDir>

#include "core/frm_message.h"
#include "core/startup.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_hid.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "panels/frm_but.h"
#include "platform/services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    qv::installRealServices();
    // As a desktop launcher does: the program's own folder is the current folder at start.
    QDir::setCurrent(qv::systemServices().ProgramFolder());
    int code = 0;
    try {
        qv::Main();
        code = QApplication::exec();
    } catch (const qv::ProgramEnded& ended) {
        code = ended.code;
    }
    // The hidden forms go while the application still exists; the main window has gone already.
    for (qv::Form* f : {static_cast<qv::Form*>(&qv::frmMessage()), static_cast<qv::Form*>(&qv::frmMove()),
                        static_cast<qv::Form*>(&qv::frmRen()), static_cast<qv::Form*>(&qv::frmHid()),
                        static_cast<qv::Form*>(&qv::frmBut())})
        f->Unload();
    return code;
}
