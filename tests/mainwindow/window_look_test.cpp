// The window as a user sees it: pictures of the main states, and the names accessibility clients find.
#include <QAccessible>
#include <QDir>
#include <QWidget>

#include "window_fixture.h"

namespace qv::test {
namespace {

class WindowLook : public WindowTest {};

TEST_F(WindowLook, Grab) {
    OpenWork({"IMG_1.jpg", "IMG_2.jpg", "notes.txt"});
    M().Show();
    const QString out = qEnvironmentVariable("QUORVAN_SHOTS", QDir::tempPath());
    EXPECT_TRUE(grabToPng(M(), out + "/main-start.png"));
}

}  // namespace
}  // namespace qv::test
