// QuorvanHelp: one copy per user, started from its own folder, ends when its window closes.
#include <QApplication>
#include <QDir>
#include <exception>

#include "help/frm_main.h"
#include "help/help_message.h"
#include "help/help_startup.h"
#include "forms/forms.h"
#include "platform/services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvanHelp"));
    int code = 0;
    try {
        qv::installRealServices();
        // A desktop launcher usually starts programs in the home folder: the help works from its own.
        QDir::setCurrent(qv::systemServices().ProgramFolder());
        qv::help::Main();
        code = QApplication::exec();
    } catch (const qv::ProgramEnded& ended) {
        code = ended.code;
    } catch (const std::exception& e) {
        qv::ReportFatal(e);
        code = 1;
    }
    qv::help::frmMessage().Unload();
    return code;
}
