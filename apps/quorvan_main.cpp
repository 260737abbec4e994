// Quorvan: one copy per user, started from its own folder, ends when its window closes.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include "platform/forms.h"
#include "platform/services.h"

namespace {

class MainWindow : public qv::Form {
public:
    MainWindow() : qv::Form(QStringLiteral("frmMain")) {}

protected:
    void Design() override {
        SetCaption(QStringLiteral("Quorvan"));
        Move(0, 0, 760, 560);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvan"));
    qv::installRealServices();
    QDir::setCurrent(qv::systemServices().ProgramFolder());

    auto& instance = *qv::services().instance;
    if (!instance.Acquire(QStringLiteral("Quorvan"))) return 0;

    MainWindow window;
    instance.onActivateRequest = [&window] {
        if (QWidget* w = window.Window()) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->show();
            w->raise();
            w->activateWindow();
        }
    };
    window.Show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
