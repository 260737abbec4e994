// QuorvanHelp: one copy per user, started from its own folder, ends when its window closes.
#include <QApplication>

#include "forms/forms.h"
#include "help/frm_main.h"
#include "help/help_message.h"
#include "help/help_startup.h"
#include "platform/services.h"
#include "run_program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvanHelp"));
    const int code = qv::RunFromOwnFolder([] { qv::help::Main(); });
    qv::help::frmMessage().Unload();
    return code;
}
