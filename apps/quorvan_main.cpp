// Quorvan: batch file renamer and file-action tool.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "core/startup.h"
#include "mainwindow/program_windows.h"
#include "platform/forms.h"
#include "platform/services.h"

namespace {

// Nothing may end the program unexplained: what failed, on the terminal and in a box.
void ReportFatal(const std::exception& e) {
    const QString what = QString::fromUtf8(e.what());
    std::fprintf(stderr, "Quorvan: %s\n", what.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, QStringLiteral("Quorvan"),
                          QStringLiteral("Quorvan cannot go on:\n\n") + what);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    int code = 0;
    try {
        qv::installRealServices();
        // As a desktop launcher does: the program's own folder is the current folder at start.
        QDir::setCurrent(qv::systemServices().ProgramFolder());
        qv::InstallProgramWindows();
        qv::Main();
        code = QApplication::exec();
    } catch (const qv::ProgramEnded& ended) {
        code = ended.code;
    } catch (const std::exception& e) {
        ReportFatal(e);
        code = 1;
    }
    // The hidden forms go while the application still exists; the main window has gone already.
    qv::UnloadAllForms();
    return code;
}
