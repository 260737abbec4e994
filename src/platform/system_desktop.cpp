// The machine as a desktop session sees it.
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <cstdio>

#include "platform/services.h"

namespace qv {
namespace {

constexpr int kTwipsPerPixel = 15;

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
        return QDesktopServices::openUrl(target);
    }

    [[noreturn]] void EndProgram(int code) override {
        // No window may get its close handler, so skip Qt and the static destructors; only make sure
        // what was printed reaches its destination.
        std::fflush(nullptr);
        ::_exit(code);
    }

  private:
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
