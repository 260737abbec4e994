// The help program as a running process: one copy per user.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString helpProgram() {
    return QStringLiteral(QUORVAN_HELP_PROGRAM);
}

TEST(HelpProgram, SecondStartEndsWhileTheFirstRuns) {
    const QString program = helpProgram();
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();

    QTemporaryDir runtime, config;
    ASSERT_TRUE(runtime.isValid() && config.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", config.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // The first copy is guarding once its socket is there.
    const QString socket = runtime.filePath("quorvan-instance-quorvanhelp");
    for (int i = 0; i < 500 && !QFileInfo::exists(socket); ++i) QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(socket));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy ends by itself";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_FALSE(first.waitForFinished(300)) << "the first copy keeps running";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}

}  // namespace
