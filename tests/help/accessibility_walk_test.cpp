// The help window as a keyboard or screen-reader user meets it: every control named and acting,
// every one reached by Tab, and the topics paged from the keyboard.
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "help_fixture.h"

namespace qv::test {
namespace {

using HelpAccessibility = HelpWindowTest;

// The focus mark of a control in the focus runs round its text, not through it: what the control draws
// without the mark lies inside the mark, clear of its edge.
bool FocusMarkClearOfText(const Control& c) {
    QWidget* w = WidgetOf(c);
    if (!w || !w->hasFocus()) {
        ADD_FAILURE() << controlName(c).toStdString() << " is not in the focus";
        return false;
    }
    const QImage marked = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    w->clearFocus();
    const QImage plain = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    w->setFocus(Qt::OtherFocusReason);
    const QRgb ground = plain.pixel(0, 0);
    QRect text, mark;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != ground)
                text |= QRect(x, y, 1, 1);
            if (marked.pixel(x, y) != plain.pixel(x, y))
                mark |= QRect(x, y, 1, 1);
        }
    const QRect inside = mark.adjusted(2, 2, -2, -2);
    if (text.isEmpty() || mark.isEmpty() || !inside.contains(text)) {
        ADD_FAILURE() << controlName(c).toStdString() << ": text at " << text.x() << "," << text.y() << " "
                      << text.width() << " x " << text.height() << ", focus mark at " << mark.x() << ","
                      << mark.y() << " " << mark.width() << " x " << mark.height();
        return false;
    }
    return true;
}

TEST_F(HelpAccessibility, EveryOperableControlIsNamedActsAndIsReached) {
    struct Row {
        const char* state;
        std::function<void(help::FrmMain&)> setUp;
    };
    const std::vector<Row> rows = {
        {"the start page", [](help::FrmMain&) {}},
        {"a topic of several pages",
         [](help::FrmMain& w) {
             ASSERT_TRUE(click(*w.CommandTopic));
             ASSERT_TRUE(click(*w.OptionTopic[3]));
             ASSERT_TRUE(click(*w.ImageGoContinue));
         }},
        {"the Run mock-up with a program chosen",
         [](help::FrmMain& w) {
             ASSERT_TRUE(click(*w.CommandTopic));
             ASSERT_TRUE(click(*w.OptionTopic[5]));
             ASSERT_TRUE(click(*w.CommandMain[3]));
             ASSERT_TRUE(choose(*w.ComboRun, 0));
         }},
        {"the File Selection mock-up open",
         [](help::FrmMain& w) {
             ASSERT_TRUE(click(*w.CommandTopic));
             ASSERT_TRUE(click(*w.OptionTopic[5]));
             ASSERT_TRUE(click(*w.CommandMain[0]));
             ASSERT_TRUE(click(*w.OptionSelection[1]));
         }},
        {"the Easy Process mock-up, its example files chosen from the keyboard",
         [](help::FrmMain& w) {
             ASSERT_TRUE(click(*w.CommandTopic));
             ASSERT_TRUE(click(*w.OptionTopic[9]));
             ASSERT_TRUE(click(*w.CheckEasyProcess));
             WidgetOf(*w.LabelEasyFile[2])->setFocus();
             pressKey(w, Qt::Key_Space);
             EXPECT_EQ(w.SelectedSample, 2);
             EXPECT_EQ(text(*w.TextEasy[0]), "QuorvanHelp");
             WidgetOf(*w.LabelEasyFile[1])->setFocus();
             pressKey(w, Qt::Key_Return);
             EXPECT_EQ(w.SelectedSample, 1);
             EXPECT_EQ(text(*w.TextEasy[0]), "Plenvix");
             QApplication::setActiveWindow(WindowOf(w));
             ASSERT_TRUE(QTest::qWaitForWindowActive(WindowOf(w)));
             for (Label* l : w.LabelEasyFile.items()) {
                 for (int i = 0; i < 40 && focused(w) != l; ++i) pressKey(w, Qt::Key_Tab);
                 EXPECT_TRUE(FocusMarkClearOfText(*l)) << l->Index();
             }
             WidgetOf(*w.LabelEasyFile[1])->setFocus();
             // The chosen file is read out as chosen, not shown by its colour alone.
             for (Label* l : w.LabelEasyFile.items()) {
                 const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*l));
                 ASSERT_NE(a, nullptr);
                 EXPECT_TRUE(a->state().checkable) << l->Index();
                 EXPECT_EQ(bool(a->state().checked), l->Index() == 1) << l->Index();
             }
         }},
        {"the Rename Criteria mock-up by keyboard: Insert ticked, places chosen with Down, boxes filled",
         [](help::FrmMain& w) {
             ASSERT_TRUE(click(*w.CommandTopic));
             ASSERT_TRUE(click(*w.OptionTopic[7]));
             WidgetOf(*w.CheckInsert)->setFocus();
             pressKey(w, Qt::Key_Space);
             ASSERT_EQ(w.CheckInsert->Value(), 1);
             pressKey(w, Qt::Key_Tab);
             EXPECT_EQ(focused(w), w.ComboInsert) << "the place list follows its switch";
             // Each Down picks the next place; the keyboard stays on the list.
             for (int place = 1; place <= 3; ++place) {
                 pressKey(w, Qt::Key_Down);
                 EXPECT_EQ(w.ComboInsert->ListIndex(), place);
                 EXPECT_EQ(focused(w), w.ComboInsert) << place;
             }
             pressKey(w, Qt::Key_Tab);
             EXPECT_EQ(focused(w), w.TextInsert[1]) << "the count box follows the place list";
             ASSERT_TRUE(type(*w.TextInsert[1], "2"));
             ASSERT_TRUE(w.FrameInsertThis->Visible());
             WidgetOf(*w.TextInsert[1])->setFocus();
             pressKey(w, Qt::Key_Tab);
             EXPECT_EQ(focused(w), w.TextInsert[0]) << "then the text to insert";
             ASSERT_TRUE(click(*w.OptionAuto[1]));
             WidgetOf(*w.ComboAuto)->setFocus();
             for (int i = 0; i < 5; ++i) pressKey(w, Qt::Key_Down);
             EXPECT_EQ(w.ComboAuto->ListIndex(), 5);
             EXPECT_EQ(focused(w), w.ComboAuto);
             pressKey(w, Qt::Key_Tab);
             EXPECT_EQ(focused(w), w.TextAuto[2]);
             ASSERT_TRUE(type(*w.TextAuto[2], "ab"));
             ASSERT_TRUE(w.FrameAutoStart->Visible());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        TearDown();
        SetUp();
        row.setUp(w());
        EXPECT_EQ(accessibilityProblems(w()), QStringList());
        const QStringList reading = readingOrder(w());
        ASSERT_FALSE(reading.isEmpty());
        Control* first = w().Find(reading[0].section('(', 0, 0),
                                  reading[0].contains('(') ? reading[0].section('(', 1).chopped(1).toInt() : -1);
        ASSERT_NE(first, nullptr);
        // In reading order, and round: the Tab after the last stop is on the first again.
        EXPECT_EQ(tabCycle(*first), reading);
        EXPECT_EQ(focused(w()), first);
    }
}

TEST_F(HelpAccessibility, TheWindowOpensOnItsFirstStopNotOnThePictureBox) {
    w().Hide();
    // As the start-up shows it: the window, then the focus to its picture box.
    w().Show();
    w().PictureMain->SetFocus();
    const QStringList reading = readingOrder(w());
    ASSERT_FALSE(reading.isEmpty());
    ASSERT_NE(focused(w()), nullptr);
    EXPECT_EQ(controlName(*focused(w())), reading[0]);
}

TEST_F(HelpAccessibility, TopicsArePagedFromTheKeyboard) {
    ASSERT_TRUE(click(*w().CommandTopic));
    ASSERT_TRUE(click(*w().OptionTopic[3]));
    const int first = ShownFrame();
    EXPECT_TRUE(tabCycle(*w().CommandTopic).contains("ImageGoContinue"));
    WidgetOf(*w().ImageGoContinue)->setFocus();
    pressKey(w(), Qt::Key_Return);
    EXPECT_NE(ShownFrame(), first);
    EXPECT_EQ(help::TS.PageNumber, 1);
    EXPECT_EQ(focused(w()), w().ImageGoContinue) << "the next page is one more key away";
    ASSERT_TRUE(accessibleAction(*w().ImageGoBack, QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(help::TS.PageNumber, 0);
    EXPECT_EQ(ShownFrame(), first);
    ASSERT_NE(focused(w()), nullptr);
    EXPECT_NE(focused(w()), w().PictureMain);
    EXPECT_TRUE(readingOrder(w()).contains(controlName(*focused(w()))));
}

}  // namespace
}  // namespace qv::test
