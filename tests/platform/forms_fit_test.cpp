// Fitting a window to its font and its screen: a window drawn at design size grows with the font; one
// that would not fit its room takes its layout and its font down together, frame included; a window
// laid out from its font is laid out again at smaller fonts until it fits.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <cmath>
#include <functional>

#include "forms/forms_fit.h"
#include "support/fake_services.h"
#include "support/harness.h"
#include "support/harness_layout.h"

namespace qv::test {
namespace {

class FittedForm : public Form {
  public:
    FittedForm() : Form(QStringLiteral("frmFitted")) {}

    Label* LabelName = nullptr;
    std::function<void(FittedForm&)> fit;

    // A layout of so many lines of the window's font.
    void ArrangeByLines() {
        ++arranged;
        const int line = QFontMetrics(FormFont(*this)).lineSpacing();
        LabelName->Move(line, line, 20 * line, line);
        Move(0, 0, 30 * line, 20 * line);
    }
    int arranged = 0;

  protected:
    void Design() override {
        Move(0, 0, 400, 300);
        Place({{&LabelName, "LabelName", "", 10, 20, 101, 17, "Name"}});
        fit(*this);
    }
};

double PointSize(Form& f) {
    return FormFont(f).pointSizeF();
}

class FormsFit : public ::testing::Test {
  protected:
    void SetScreen(int width, int height) {
        system_.screenWidthTwips = width * kTwipsPerPixel;
        system_.screenHeightTwips = height * kTwipsPerPixel;
    }
    // The window and the frame a window manager adds, at its top-left corner `at`, on the screen.
    static bool FitsScreen(const Form& f, QPoint at, int width, int height) {
        return at.x() + f.Width() + 2 * kFrameBorder <= width &&
               at.y() + f.Height() + kFrameTitle + 2 * kFrameBorder <= height;
    }
    ScopedServices services_;
    FakeSystem& system_ = services_.useSystem<FakeSystem>();
};

TEST_F(FormsFit, WithoutABoundTheWindowGrowsWithTheFontAndKeepsIt) {
    ScopedAppFont font(1.5);
    const double grow = FontScale();
    ASSERT_GT(grow, 1.0);
    FittedForm f;
    f.fit = [](FittedForm& w) { FitForm(w, {.fixSize = false}); };
    f.Load();
    EXPECT_EQ(f.Width(), static_cast<int>(std::floor(400 * grow)));
    EXPECT_EQ(f.Height(), static_cast<int>(std::floor(300 * grow)));
    const int left = static_cast<int>(std::floor(10 * grow));
    EXPECT_EQ(f.LabelName->Left(), left);
    EXPECT_EQ(f.LabelName->Width(), static_cast<int>(std::floor(111 * grow)) - left);
    EXPECT_DOUBLE_EQ(PointSize(f), QApplication::font().pointSizeF());
    f.Unload();
}

TEST_F(FormsFit, AWindowTooBigForItsRoomTakesLayoutAndFontDownTogether) {
    ScopedAppFont font(1.5);
    SetScreen(500, 380);
    const QPoint at(20, 20);
    FittedForm f;
    f.fit = [at](FittedForm& w) { FitForm(w, {.place = at}); };
    f.Load();
    EXPECT_TRUE(FitsScreen(f, at, 500, 380)) << f.Width() << " x " << f.Height();
    EXPECT_LT(f.Width(), static_cast<int>(400 * FontScale()));
    EXPECT_LT(PointSize(f), QApplication::font().pointSizeF());
    f.Show();
    EXPECT_EQ(WindowOf(f)->minimumSize(), QSize(f.Width(), f.Height()));
    EXPECT_EQ(WindowOf(f)->maximumSize(), QSize(f.Width(), f.Height()));
    f.Unload();
}

TEST_F(FormsFit, ALargerFrameAllowanceLeavesASmallerWindow) {
    SetScreen(400, 300);
    FittedForm usual, framed;
    usual.fit = [](FittedForm& w) { FitForm(w, {.place = QPoint(0, 0)}); };
    framed.fit = [](FittedForm& w) { FitForm(w, {.place = QPoint(0, 0), .border = 10, .title = 40}); };
    usual.Load();
    framed.Load();
    EXPECT_LT(framed.Height(), usual.Height());
    EXPECT_LE(framed.Height() + 40 + 2 * 10, 300);
    usual.Unload();
    framed.Unload();
}

TEST_F(FormsFit, AWindowLaidOutFromItsFontIsLaidOutAgainAtSmallerFontsUntilItFits) {
    ScopedAppFont font(1.5);
    SetScreen(420, 320);
    const QPoint at(10, 10);
    FittedForm f;
    f.fit = [at](FittedForm& w) {
        w.ArrangeByLines();
        FitForm(w, {.place = at, .arrange = [&w] { w.ArrangeByLines(); }});
    };
    f.Load();
    EXPECT_GT(f.arranged, 1);
    EXPECT_TRUE(FitsScreen(f, at, 420, 320)) << f.Width() << " x " << f.Height();
    EXPECT_LT(PointSize(f), QApplication::font().pointSizeF());
    f.Unload();
}

}  // namespace
}  // namespace qv::test
