#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "platform/services.h"

namespace qv {
namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray* value) : name_(name) {
        had_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(DesktopSystem, SystemFolderFromTheEnvironment) {
    auto system = makeDesktopSystem();
    {
        ScopedEnv env("QUORVAN_SYSTEM_FOLDER", nullptr);
        EXPECT_EQ(system->SystemFolder(), "/usr/");
    }
    {
        const QByteArray value = "/opt/winlike";
        ScopedEnv env("QUORVAN_SYSTEM_FOLDER", &value);
        EXPECT_EQ(system->SystemFolder(), "/opt/winlike/");
    }
    {
        const QByteArray value = "/srv/sys/";
        ScopedEnv env("QUORVAN_SYSTEM_FOLDER", &value);
        EXPECT_EQ(system->SystemFolder(), "/srv/sys/");
    }
    {
        const QByteArray value = "";
        ScopedEnv env("QUORVAN_SYSTEM_FOLDER", &value);
        EXPECT_EQ(system->SystemFolder(), "");
    }
}

TEST(DesktopSystem, MachineFacts) {
    auto system = makeDesktopSystem();
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(system->ScreenWidthTwips(), screen->size().width() * 15);
    EXPECT_EQ(system->ScreenHeightTwips(), screen->size().height() * 15);
    EXPECT_GT(system->ScreenWidthTwips(), 0);

    const int before = QDate::currentDate().day();
    const int day = system->DayOfMonth();
    EXPECT_TRUE(day == before || day == QDate::currentDate().day());

    EXPECT_EQ(system->ProgramFolder(), QCoreApplication::applicationDirPath() + "/");
    EXPECT_TRUE(
        QFileInfo(system->ProgramFolder() + QFileInfo(QCoreApplication::applicationFilePath()).fileName())
            .isExecutable());
}

TEST(DesktopSystem, StartProgramRunsInTheProgramsOwnFolder) {
    auto system = makeDesktopSystem();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(system->StartProgram(dir.filePath("missing")));
    EXPECT_FALSE(system->StartProgram(""));
    EXPECT_FALSE(system->StartProgram(dir.path()));

    QFile script(dir.filePath("prog"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\npwd > started.txt\necho \"$#\" >> started.txt\n");
    script.close();
    EXPECT_FALSE(system->StartProgram(script.fileName()));  // not executable yet
    ASSERT_TRUE(script.setPermissions(script.permissions() | QFile::ExeOwner));
    EXPECT_TRUE(system->StartProgram(script.fileName()));

    QFile marker(dir.filePath("started.txt"));
    QElapsedTimer clock;
    clock.start();
    QByteArray text;
    while (clock.elapsed() < 10000) {
        if (marker.open(QIODevice::ReadOnly)) {
            text = marker.readAll();
            marker.close();
            if (text.count('\n') >= 2)
                break;
        }
        QThread::msleep(20);
    }
    EXPECT_EQ(text, QFile::encodeName(QFileInfo(dir.path()).canonicalFilePath()) + "\n0\n");
    EXPECT_FALSE(system->OpenWebPage("not a url ::"));
}

// The desktop's opener may start and still find nothing to show the page with: its exit status is
// the answer.
TEST(DesktopSystem, OpenWebPageTakesTheOpenersExitStatus) {
    auto system = makeDesktopSystem();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.path());
    ScopedEnv env("PATH", &path);
    for (int code : {0, 3}) {
        SCOPED_TRACE(code);
        QFile opener(dir.filePath("xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write("#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + QFile::encodeName(dir.filePath("asked.txt")) +
                     "'\nexit " + QByteArray::number(code) + "\n");
        opener.close();
        ASSERT_TRUE(opener.setPermissions(opener.permissions() | QFile::ExeOwner));
        EXPECT_EQ(system->OpenWebPage("https://www.example.org/quorvan"), code == 0);
        QFile asked(dir.filePath("asked.txt"));
        ASSERT_TRUE(asked.open(QIODevice::ReadOnly));
        EXPECT_EQ(asked.readAll(), "https://www.example.org/quorvan\n");
        asked.close();
        asked.remove();
    }
}

TEST(DesktopSystem, EndProgramEndsAtOnceWithItsCodeAndFlushesOutput) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        std::printf("pending output");  // a pipe is fully buffered: only a flush sends this
        makeDesktopSystem()->EndProgram(7);
    }
    ::close(pipeEnds[1]);
    QByteArray output;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) output.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(output, "pending output");
}

}  // namespace
}  // namespace qv
