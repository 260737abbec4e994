// QuorvanHelp: one copy per user, started from its own folder, ends when its window closes.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include "help/frm_main.h"
#include "help/help_state.h"
#include "platform/services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvanHelp"));
    qv::installRealServices();
    QDir::setCurrent(qv::systemServices().ProgramFolder());

    auto& instance = *qv::services().instance;
    if (!instance.Acquire(qv::help::HS.HelpName))
        return 0;

    auto& window = qv::help::frmMain();
    instance.onActivateRequest = [&window] {
        if (QWidget* w = window.Window()) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->raise();
            w->activateWindow();
        }
    };
    window.Show();
    return app.exec();
}
