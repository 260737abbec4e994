// The help program's window: it shows, it draws something, and closing it ends the program.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <initializer_list>

#include "help_fixture.h"

namespace qv::test {
namespace {

using HelpWindow = HelpTest;

TEST_F(HelpWindow, ShowsTitledAndDrawsAPicture) {
    auto& window = help::frmMain();
    window.Show();
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Caption(), "QuorvanHelp");
    EXPECT_EQ(WindowOf(window)->windowTitle(), "QuorvanHelp");
    EXPECT_EQ(&form("frmMain"), &window);

    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString shot = tmp.filePath("help.png");
    ASSERT_TRUE(grabToPng(window, shot));
    ASSERT_GT(QFileInfo(shot).size(), 0);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull()) << "the file is a readable PNG";
    EXPECT_EQ(image.size(), WindowOf(window)->size() * WindowOf(window)->devicePixelRatio());
    EXPECT_FALSE(isBlank(image));
}

TEST_F(HelpWindow, ClosingTheWindowEndsTheEventLoop) {
    auto& window = help::frmMain();
    window.Show();
    ASSERT_TRUE(window.Visible());

    bool closed = false;
    QTimer::singleShot(0, [&] { closed = closeWindow(window); });
    // Should the close not end the loop, this ends it with a code the test rejects.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    const int code = QCoreApplication::exec();
    watchdog.stop();

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.Loaded()) << "the window's unload ran";
    // Nothing keeps pointing at a control the unload dropped.
    for (const Control* c : std::initializer_list<const Control*>{
             window.FrameTopic, window.CommandRestart, window.LabelDepends, window.LabelPriorityInfo4,
             window.CheckEasyProcess, window.ComboZeroAuto})
        EXPECT_EQ(c, nullptr);
    EXPECT_EQ(window.TextEasy.Count(), 0);

    // The next start builds the window from its design again.
    window.Show();
    EXPECT_TRUE(window.Visible());
    EXPECT_NE(window.FrameTopic, nullptr);
}

}  // namespace
}  // namespace qv::test
