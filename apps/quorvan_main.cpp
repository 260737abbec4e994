// Quorvan: batch file renamer and file-action tool.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "core/startup.h"
#include "mainwindow/program_windows.h"
#include "platform/forms.h"
#include "platform/services.h"

namespace {

// The start-up benchmark times the program to its first painted window: with QUORVAN_TELL_SHOWN
// set, "shown" and the window's title go to stdout once, when that paint is done.
class FirstPaintTeller : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            const QByteArray title = static_cast<QWidget*>(watched)->windowTitle().toUtf8();
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, [title] {
                std::printf("shown %s\n", title.constData());
                std::fflush(stdout);
            });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QUORVAN_TELL_SHOWN"))
        app.installEventFilter(new FirstPaintTeller(&app));
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
