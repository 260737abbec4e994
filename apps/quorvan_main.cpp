// Quorvan: batch file renamer and file-action tool.
#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#ifdef QUORVAN_DBUS
#include <QDBusConnection>
#endif
#ifdef QUORVAN_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#include <cstdio>
#include <memory>

#include "core/startup.h"
#include "forms/forms.h"
#include "mainwindow/program_windows.h"
#include "platform/services.h"
#include "run_program.h"

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

// The first window with words waits for the desktop's font list, and on a desktop with an
// accessibility bus for the session bus (started on demand when there is none). Both are made
// while the hidden windows are built; the windows then find them ready.
class StartupWarmer {
  public:
    StartupWarmer() {
        const QString platform = QGuiApplication::platformName();
        const bool bridge =
            platform.startsWith(QLatin1String("xcb")) || platform.startsWith(QLatin1String("wayland"));
        thread_.reset(QThread::create([bridge] {
#ifdef QUORVAN_FONTCONFIG
            FcInit();
#endif
#ifdef QUORVAN_DBUS
            if (bridge)
                (void)QDBusConnection::sessionBus();
#else
            (void)bridge;
#endif
        }));
        thread_->start();
    }
    ~StartupWarmer() {
        thread_->wait();
    }
    StartupWarmer(const StartupWarmer&) = delete;
    StartupWarmer& operator=(const StartupWarmer&) = delete;

  private:
    std::unique_ptr<QThread> thread_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QUORVAN_TELL_SHOWN"))
        app.installEventFilter(new FirstPaintTeller(&app));
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    const StartupWarmer warmer;
    const int code = qv::RunFromOwnFolder([] {
        qv::InstallProgramWindows();
        qv::Main();
    });
    // The hidden forms go while the application still exists; the main window has gone already.
    qv::UnloadAllForms();
    return code;
}
