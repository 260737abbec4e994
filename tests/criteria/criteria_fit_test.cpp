// The criteria dialog at the default font and at a larger one, in every state that shows a
// criterion's boxes: every text whole, every control inside its frame and the window, no control
// lying over another, and at the default font the window on the smallest screen the program accepts.
#include <gtest/gtest.h>

#include <QRect>
#include <QSize>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include "core/state.h"
#include "criteria_fixture.h"
#include "support/harness_layout.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

// The smallest screen the program starts on (11500 x 8500 twips), and room for a window manager's
// title bar and borders around the dialog's own area.
constexpr int kScreenWidth = 11500 / kTwipsPerPixel;
constexpr int kScreenHeight = 8500 / kTwipsPerPixel;
constexpr int kBorder = 8;
constexpr int kTitle = 32;

// A place box filled as a user fills it: a count or a string.
void Fill(TextBox* box) {
    if (box) {
        ASSERT_TRUE(type(*box, box->MaxLength() == 2 ? QStringLiteral("2") : QStringLiteral("ab")));
    }
}

// State i (0 to 11) shows Replace kind i + 1, Insert place i % 6 + 1, Remove kind i % 11 + 1 and
// Auto type i % 2 + 1 at place i / 2 + 1, each with every box its choice shows, beside Case, Extension,
// Space and Handle with all of theirs. The twelve states show every choice of every list.
void ShowState(FrmRen& r, int i) {
    ASSERT_TRUE(click(*r.CheckCase));
    ASSERT_TRUE(click(*r.OptionCase[i % 3]));
    ASSERT_TRUE(click(*r.CheckExt));
    ASSERT_TRUE(click(*r.CheckSpace));
    ASSERT_TRUE(click(*r.OptionSpace[1]));
    ASSERT_TRUE(click(*r.CheckHandle));
    ASSERT_TRUE(type(*r.TextHandleThis, QStringLiteral("x")));
    ASSERT_TRUE(click(*r.OptionHandle[2]));

    // The box each place shows first, by list index.
    TextBox* const insertPlace[] = {nullptr,
                                    nullptr,
                                    nullptr,
                                    r.TextInsertAfterNumChar,
                                    r.TextInsertAfterNumChar,
                                    r.TextInsertAfterString,
                                    r.TextInsertAfterString};
    TextBox* const replacePlace[] = {nullptr,
                                     nullptr,
                                     r.TextReplaceString,
                                     r.TextReplaceAfterNumChar,
                                     r.TextReplaceAfterNumChar,
                                     r.TextReplaceAfterString,
                                     r.TextReplaceAfterString,
                                     nullptr,
                                     nullptr,
                                     r.TextReplaceCharAfterNumChar,
                                     r.TextReplaceCharAfterNumChar,
                                     r.TextReplaceCharAfterString,
                                     r.TextReplaceCharAfterString};
    TextBox* const removePlace[] = {nullptr,
                                    r.TextRemoveString,
                                    r.TextRemoveAfterNumChar,
                                    r.TextRemoveAfterNumChar,
                                    r.TextRemoveAfterString,
                                    r.TextRemoveAfterString,
                                    nullptr,
                                    nullptr,
                                    r.TextRemoveCharAfterNumChar,
                                    r.TextRemoveCharAfterNumChar,
                                    r.TextRemoveCharAfterString,
                                    r.TextRemoveCharAfterString};
    TextBox* const autoPlaceBox[] = {nullptr,
                                     nullptr,
                                     nullptr,
                                     r.TextAutoAfterNumChar,
                                     r.TextAutoAfterNumChar,
                                     r.TextAutoAfterString,
                                     r.TextAutoAfterString};

    const int insert = i % 6 + 1, replace = i + 1, remove = i % 11 + 1;
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, insert));
    Fill(insertPlace[insert]);
    ASSERT_TRUE(click(*r.CheckReplace));
    ASSERT_TRUE(choose(*r.ComboReplace, replace));
    Fill(replacePlace[replace]);
    Fill(replace >= 7 ? r.TextReplaceNumChar : nullptr);
    ASSERT_TRUE(click(*r.CheckRemove));
    ASSERT_TRUE(choose(*r.ComboRemove, remove));
    Fill(removePlace[remove]);
    Fill(remove >= 6 ? r.TextRemoveNumChar : nullptr);
    const int autoType = i % 2 + 1, autoPlace = i / 2 + 1;
    ASSERT_TRUE(click(*r.OptionAuto[autoType]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, autoPlace));
    Fill(autoPlaceBox[autoPlace]);
}

// Visible controls of one container that lie over each other.
QStringList overlaps(Form& f) {
    QStringList faults;
    const auto& controls = f.Controls();
    for (size_t a = 0; a < controls.size(); ++a) {
        for (size_t b = a + 1; b < controls.size(); ++b) {
            const Control& x = *controls[a];
            const Control& y = *controls[b];
            if (x.Container() != y.Container() || !x.EffectivelyVisible() || !y.EffectivelyVisible())
                continue;
            if (WidgetOf(x)->geometry().intersects(WidgetOf(y)->geometry()))
                faults << x.Name() + QStringLiteral("(%1) over ").arg(x.Index()) + y.Name() +
                              QStringLiteral("(%1)").arg(y.Index());
        }
    }
    return faults;
}


class CriteriaFit : public CriteriaTest, public ::testing::WithParamInterface<Desktop> {};

TEST_P(CriteriaFit, EveryStateShowsWholeAndFitsTheSmallestScreen) {
    FakeSystem& system = services_.useSystem<FakeSystem>();
    system.screenWidthTwips = GetParam().screen.width() * kTwipsPerPixel;
    system.screenHeightTwips = GetParam().screen.height() * kTwipsPerPixel;
    frmRen().Unload();
    const auto font = GetParam().points > 0
                          ? std::make_unique<ScopedAppFont>(ScopedAppFont::Points{GetParam().points})
                          : std::make_unique<ScopedAppFont>(GetParam().factor);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        FrmRen& r = Open();
        ShowState(r, i);
        if (HasFatalFailure())
            return;
        EXPECT_EQ(cutTexts(r), QStringList());
        EXPECT_EQ(controlsOutside(r), QStringList());
        EXPECT_EQ(overlaps(r), QStringList());
        for (const double scale : {1.25, 1.5}) {
            EXPECT_EQ(bordersLost(r, scale), QStringList()) << "at a display scale of " << scale;
        }
        EXPECT_EQ(offScreen(r, GetParam().screen), QStringList());
        // At the default font the whole window, with a window manager's frame, is on the screen.
        const QRect window(r.Left(), r.Top(), r.Width() + 2 * kBorder, r.Height() + kTitle + kBorder);
        if (GetParam().factor == 1.0) {
            EXPECT_TRUE(QRect(0, 0, kScreenWidth, kScreenHeight).contains(window))
                << r.Left() << "," << r.Top() << " " << r.Width() << " x " << r.Height();
        }
        ASSERT_TRUE(click(*r.CommandCancel));
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, CriteriaFit,
                         ::testing::Values(Desktop{"Usual", 1.0, 0, {kScreenWidth, kScreenHeight}},
                                           Desktop{"Larger", 1.25, 0, {kScreenWidth, kScreenHeight}},
                                           Desktop{"Points12", 0, 12, {kScreenWidth, kScreenHeight}},
                                           Desktop{"Points12On1024x768", 0, 12, {1024, 768}}),
                         [](const ::testing::TestParamInfo<Desktop>& info) {
                             return std::string(info.param.name);
                         });

class CriteriaDialogSize : public CriteriaTest {};

// A user cannot shrink the dialog until OK and Cancel are out of sight, nor reopen it so.
TEST_F(CriteriaDialogSize, KeepsTheSizeItIsLaidOutFor) {
    FrmRen& r = Open();
    QWidget* w = WindowOf(r);
    const QSize laidOut(r.Width(), r.Height());
    EXPECT_EQ(w->minimumSize(), laidOut);
    EXPECT_EQ(w->maximumSize(), laidOut);
    w->resize(laidOut / 2);
    ASSERT_TRUE(click(*r.CommandCancel));
    Open();
    EXPECT_EQ(w->size(), laidOut);
    EXPECT_TRUE(QRect(QPoint(), w->size()).contains(WidgetOf(*r.CommandOK)->geometry()));
    ASSERT_TRUE(click(*r.CommandCancel));
}

// The little help on the main window tells what to do in the dialog: a screen with room shows both.
TEST_F(CriteriaDialogSize, OpensClearOfTheLittleHelpWhereTheScreenHasRoom) {
    struct Row {
        QSize screen;
        bool room;
    };
    const Row rows[] = {{{1920, 1080}, true}, {{1600, 1200}, true}, {{1280, 1024}, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen.width());
        auto& system = dynamic_cast<FakeSystem&>(systemServices());
        system.screenWidthTwips = row.screen.width() * kTwipsPerPixel;
        system.screenHeightTwips = row.screen.height() * kTwipsPerPixel;
        // The main window's place and its little help's, as the program lays them out.
        TestForm main(QStringLiteral("frmMain"));
        main.design = [](TestForm& f) {
            f.Move(20, 20, 760, 538);
            f.add<Frame>(QStringLiteral("FrameInfo"))->Move(448, 368, 304, 164);
        };
        main.Show();
        const QWidget* window = WindowOf(main);
        const QWidget* help = WidgetOf(*main.Find(QStringLiteral("FrameInfo")));
        const QRect helpRect(window->geometry().topLeft() + help->mapTo(window, QPoint()), help->size());

        FrmRen& r = Open();
        const QRect dialog(r.Left(), r.Top(), r.Width() + 2 * kBorder, r.Height() + kTitle + kBorder);
        if (row.room) {
            EXPECT_FALSE(dialog.intersects(helpRect)) << r.Left() << "," << r.Top();
            EXPECT_TRUE(QRect(QPoint(), row.screen).contains(dialog)) << r.Left() << "," << r.Top();
        } else {
            EXPECT_EQ(QPoint(r.Left(), r.Top()), QPoint(40, 40)) << "no room: the usual place";
        }
        ASSERT_TRUE(click(*r.CommandCancel));
        // Where the user has put it clear of the little help, it opens again.
        if (row.room) {
            r.Move(helpRect.right() + 20, 10, r.Width(), r.Height());
            Open();
            EXPECT_EQ(QPoint(r.Left(), r.Top()), QPoint(helpRect.right() + 20, 10));
            ASSERT_TRUE(click(*r.CommandCancel));
        }
        main.Unload();
    }
}

}  // namespace
}  // namespace qv::test
