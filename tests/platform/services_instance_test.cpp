#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "platform/services.h"

namespace qv {
namespace {

// Sockets go to a temporary runtime folder, shared with the helper program through the environment.
class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        saved = qgetenv("XDG_RUNTIME_DIR");
        hadValue = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    }
    void TearDown() override {
        if (hadValue)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    static void startHelper(QProcess& process, const QString& name) {
        process.setProgram(QStringLiteral(QUORVAN_INSTANCE_HELPER));
        process.setArguments({name});
        process.start();
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    // Waits for a helper to end while this process keeps serving its own events.
    static bool finishWithEvents(QProcess& process, int ms = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            process.waitForFinished(10);
        }
        return process.state() == QProcess::NotRunning;
    }

    QTemporaryDir dir;
    QByteArray saved;
    bool hadValue = false;
};

TEST_F(SingleInstanceTest, SecondCopyEndsAndTheFirstIsRaised) {
    QProcess first;
    startHelper(first, "QuorvanTest");
    ASSERT_TRUE(first.waitForReadyRead(10000));
    ASSERT_EQ(first.readLine().trimmed(), "first");

    QProcess second;
    startHelper(second, "QuorvanTest");
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 3);  // told another copy runs

    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(first.readAll().trimmed(), "raised");

    // Another program name is another instance; and with the first gone, a new copy starts.
    auto here = makeLocalSocketSingleInstance();
    EXPECT_TRUE(here->Acquire("QuorvanTest"));
    auto other = makeLocalSocketSingleInstance();
    EXPECT_TRUE(other->Acquire("QuorvanHelpTest"));
}

TEST_F(SingleInstanceTest, StaleSocketDoesNotBlockAStartAndRequestsReachThisCopy) {
    // A copy that crashed leaves its socket file behind with nobody listening.
    const QString stale = dir.filePath("quorvan-instance-quorvanstale");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(stale);
    ASSERT_LT(static_cast<size_t>(native.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(stale));

    auto instance = makeLocalSocketSingleInstance();
    int raised = 0;
    instance->onActivateRequest = [&raised] { ++raised; };
    ASSERT_TRUE(instance->Acquire("QuorvanStale"));
    EXPECT_TRUE(instance->Acquire("QuorvanStale"));  // asking again keeps it

    QProcess second;
    startHelper(second, "QuorvanStale");
    ASSERT_TRUE(finishWithEvents(second));
    EXPECT_EQ(second.exitCode(), 3);
    for (int i = 0; i < 50 && raised == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(raised, 1);
}

TEST_F(SingleInstanceTest, AGuardThatCannotBeSetUpDoesNotStopTheStart) {
    // A socket path longer than the system allows: nothing can listen there.
    QString deep = dir.path();
    while (deep.size() < 150) deep += QStringLiteral("/deeper-runtime-folder");
    ASSERT_TRUE(QDir().mkpath(deep));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));

    auto instance = makeLocalSocketSingleInstance();
    EXPECT_TRUE(instance->Acquire("QuorvanUnguarded"));
    auto another = makeLocalSocketSingleInstance();
    EXPECT_TRUE(another->Acquire("QuorvanUnguarded")) << "unguarded copies each run";
}

}  // namespace
}  // namespace qv
