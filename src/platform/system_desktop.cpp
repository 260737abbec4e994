// The machine as a desktop session sees it.
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "platform/services.h"

namespace qv {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kOpenerWaitMs = 5000;

class DesktopSystem : public System {
  public:
    int ScreenWidthTwips() override { return screenSize().width() * kTwipsPerPixel; }
    int ScreenHeightTwips() override { return screenSize().height() * kTwipsPerPixel; }

    QString SystemFolder() override {
        if (!qEnvironmentVariableIsSet("QUORVAN_SYSTEM_FOLDER"))
            return QStringLiteral("/usr/");
        return WithTrailingSlash(qEnvironmentVariable("QUORVAN_SYSTEM_FOLDER"));
    }

    int DayOfMonth() override { return QDate::currentDate().day(); }

    QString ProgramFolder() override { return WithTrailingSlash(QCoreApplication::applicationDirPath()); }

    bool StartProgram(const QString& path) override {
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isFile() || !info.isExecutable())
            return false;
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    }

    bool OpenWebPage(const QString& url) override {
        const QUrl target(url, QUrl::StrictMode);
        if (!target.isValid() || target.isEmpty())
            return false;
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return QDesktopServices::openUrl(target);
        return runOpener(opener, target.toString(QUrl::FullyEncoded));
    }

    [[noreturn]] void EndProgram(int code) override {
        // No window may get its close handler, so skip Qt and the static destructors; only make sure
        // what was printed reaches its destination.
        std::fflush(nullptr);
        ::_exit(code);
    }

  private:
    // The opener hands the address over and ends; its exit status says whether anything took it.
    // One still busy after a while runs the browser itself: the page is on its way, and the opener
    // is left to run.
    static bool runOpener(const QString& opener, const QString& address) {
        auto* process = new QProcess;
        process->setProgram(opener);
        process->setArguments({address});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start();
        if (!process->waitForStarted(kOpenerWaitMs)) {
            delete process;
            return false;
        }
        if (QCoreApplication::instance()) {
            // The windows keep painting meanwhile; what the user does waits until the answer is in.
            QEventLoop loop;
            QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(kOpenerWaitMs, &loop, &QEventLoop::quit);
            if (process->state() != QProcess::NotRunning)
                loop.exec(QEventLoop::ExcludeUserInputEvents);
        } else {
            process->waitForFinished(kOpenerWaitMs);
        }
        if (process->state() != QProcess::NotRunning) {
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            return true;
        }
        const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return opened;
    }

    static QSize screenSize() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }
};

}  // namespace

std::unique_ptr<System> makeDesktopSystem() {
    return std::make_unique<DesktopSystem>();
}

}  // namespace qv
