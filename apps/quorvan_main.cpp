// Quorvan: batch file renamer and file-action tool.
#include <QApplication>
#include <QDir>

#include "core/startup.h"
#include "mainwindow/program_windows.h"
#include "platform/forms.h"
#include "platform/services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    qv::installRealServices();
    // As a desktop launcher does: the program's own folder is the current folder at start.
    QDir::setCurrent(qv::systemServices().ProgramFolder());
    qv::InstallProgramWindows();
    int code = 0;
    try {
        qv::Main();
        code = QApplication::exec();
    } catch (const qv::ProgramEnded& ended) {
        code = ended.code;
    }
    // The hidden forms go while the application still exists; the main window has gone already.
    qv::UnloadAllForms();
    return code;
}
