// The help window driven as a user does: page navigation, the main-button mock-up with its
// sub-pages, and the rules of the working mock-ups.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "help/mockup_rules.h"
#include "help/page_text.h"
#include "help/pictures.h"
#include "help_fixture.h"

namespace qv::test {
namespace {

using HelpNavigation = HelpWindowTest;
using HelpMockups = HelpWindowTest;

void OpenTopic(help::FrmMain& w, int topic) {
    if (!w.FrameTopic->Visible())
        click(*w.CommandTopic);
    click(*w.OptionTopic[topic]);
}

TEST_F(HelpNavigation, ArrowsAndRestartWalkFeaturesAndOptions) {
    OpenTopic(w(), 3);
    EXPECT_EQ(ShownFrame(), 2);
    EXPECT_FALSE(w().ImageGoBack->Enabled());
    ASSERT_TRUE(click(*w().ImageGoContinue));
    ASSERT_TRUE(click(*w().ImageGoContinue));
    EXPECT_EQ(ShownFrame(), 10);
    EXPECT_TRUE(w().FrameRestart->Visible());
    ASSERT_TRUE(click(*w().ImageGoContinue));
    EXPECT_FALSE(w().ImageGoContinue->Enabled());
    EXPECT_EQ(pictureId(*w().ImageGoContinue), ":help/continue-2");
    ASSERT_TRUE(click(*w().CommandRestart));
    EXPECT_EQ(ShownFrame(), 2);
    EXPECT_EQ(help::TS.PageNumber, 0);
    EXPECT_FALSE(w().FrameRestart->Visible());
    // Hiding the list brings back the start page.
    ASSERT_TRUE(click(*w().CommandHide));
    EXPECT_EQ(help::TS.TopicIndex, 0);
    EXPECT_EQ(ShownFrame(), 6);
    EXPECT_EQ(caption(*w().CommandTopic), "Show Topic");
    EXPECT_TRUE(w().FrameHelp->Visible());
}

// The browsing pages and the start page's drawing name Quorvan's buttons by the captions it shows.
TEST_F(HelpNavigation, BrowsingPagesNameTheButtonsAsQuorvanShowsThem) {
    const QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(WidgetOf(*w().ImageIntro[6]));
    ASSERT_NE(picture, nullptr);
    const QString drawing = picture->text(QAccessible::Description);
    EXPECT_TRUE(drawing.contains("File Size")) << drawing.toStdString();
    EXPECT_TRUE(drawing.contains("Start")) << drawing.toStdString();
    OpenTopic(w(), 6);
    QString told;
    for (int page = 0; page < 3; ++page) {
        told += Details() + '\n' + w().LabelInfo->Caption() + '\n';
        if (w().ImageGoContinue->Enabled()) {
            ASSERT_TRUE(click(*w().ImageGoContinue));
        }
    }
    EXPECT_TRUE(told.contains("File Size button")) << told.toStdString();
    EXPECT_TRUE(told.contains("Start: the program's own folder")) << told.toStdString();
    for (const QString& missing : {QStringLiteral("Calculate"), QStringLiteral("Home")})
        EXPECT_FALSE(told.contains(missing) || drawing.contains(missing)) << missing.toStdString();
}

TEST_F(HelpNavigation, PriorityViewsAndTheirHideButtons) {
    OpenTopic(w(), 8);
    ASSERT_TRUE(click(*w().ImageGoContinue));
    EXPECT_EQ(ShownFrame(), 8);
    ASSERT_TRUE(click(*w().CommandView[2]));
    EXPECT_EQ(Details(), "Quorvan - Change/Set User Name/Picture");
    EXPECT_TRUE(w().FramePriority[2]->Visible());
    EXPECT_FALSE(w().FramePriority[0]->Visible());
    ASSERT_TRUE(click(*w().CommandChoice[1]));
    EXPECT_TRUE(w().ImageChoiceDefault->Visible()) << "no user picture: the stand-in shows";
    ASSERT_TRUE(click(*w().ImageGoBack));
    EXPECT_EQ(Details(), "Quorvan - Setting Priority");
    EXPECT_FALSE(w().FramePriority[2]->Visible());
    EXPECT_TRUE(w().FramePriority[0]->Visible());

    // The priority setter: first the default order, then a changed order, a duplicate, Default.
    ASSERT_TRUE(click(*w().CommandView[1]));
    EXPECT_TRUE(w().FramePriority[5]->Visible());
    EXPECT_FALSE(w().CommandPriorityOK[0]->Enabled()) << "nothing to put back yet";
    EXPECT_FALSE(w().CommandPriorityOK[1]->Enabled());
    EXPECT_FALSE(w().LabelPriorityInfo4->Visible()) << "no note asks for an OK that cannot act";
    EXPECT_FALSE(w().LabelPriorityInfo1->Visible());
    ASSERT_TRUE(choose(*w().ComboPriority[0], 1));
    ASSERT_TRUE(choose(*w().ComboPriority[1], 0));
    EXPECT_TRUE(w().CommandPriorityOK[0]->Enabled());
    EXPECT_TRUE(w().CommandPriorityOK[1]->Enabled());
    EXPECT_TRUE(w().LabelPriorityInfo1->Visible() && w().LabelPriorityInfo4->Visible());
    ASSERT_TRUE(click(*w().CommandPriorityOK[1]));
    EXPECT_FALSE(w().CommandPriorityOK[1]->Enabled());
    EXPECT_FALSE(w().LabelPriorityInfo4->Visible());
    EXPECT_EQ(caption(*w().LabelPriority[0]), "Replace");
    EXPECT_EQ(caption(*w().LabelPriority[1]), "Insert");
    ASSERT_TRUE(choose(*w().ComboPriority[1], 1));
    EXPECT_FALSE(w().CommandPriorityOK[1]->Enabled());
    EXPECT_TRUE(w().LabelPriorityInfo3->Visible());
    ASSERT_TRUE(click(*w().CommandPriorityOK[0]));
    EXPECT_EQ(caption(*w().LabelPriority[0]), "Insert");
    EXPECT_EQ(caption(*w().LabelPriority[1]), "Replace");
    EXPECT_FALSE(w().CommandPriorityOK[0]->Enabled());
    ASSERT_TRUE(click(*w().CommandHideView[1]));
    EXPECT_FALSE(w().FramePriority[1]->Visible());
    EXPECT_FALSE(w().FramePriority[5]->Visible());
    EXPECT_EQ(help::TS.PageNumber, 1);
}

TEST_F(HelpNavigation, PutAwayViewButtonsComeBackWithHide) {
    OpenTopic(w(), 8);
    ASSERT_TRUE(click(*w().ImageGoContinue));
    auto& m = w();
    // Six frames share the mock-up; element 4 stands where the view buttons stand.
    ASSERT_EQ(m.FramePriority.Count(), 6);
    ASSERT_NE(m.FramePriority[4], nullptr);
    EXPECT_EQ(m.FramePriority[4]->Left(), m.FramePriority[0]->Left());
    EXPECT_EQ(m.FramePriority[4]->Top(), m.FramePriority[0]->Top());
    EXPECT_FALSE(m.FramePriority[4]->Visible());
    CommandButton* hide = m.CommandHideView[0];
    ASSERT_NE(hide, nullptr);
    EXPECT_EQ(hide->Container(), m.FramePriority[4]);
    EXPECT_EQ(caption(*hide), "Hide");
    EXPECT_EQ(pictureId(*hide), ":help/face-6");

    // The buttons put away: Hide brings them back and the mock-up starts over.
    ASSERT_TRUE(click(*m.CommandView[1]));
    ASSERT_TRUE(choose(*m.ComboPriority[0], 2));
    m.FramePriority[1]->SetVisible(false);
    m.FramePriority[4]->SetVisible(true);
    ASSERT_TRUE(click(*hide));
    EXPECT_FALSE(m.FramePriority[4]->Visible());
    EXPECT_FALSE(m.FramePriority[5]->Visible());
    EXPECT_TRUE(m.FramePriority[0]->Visible());
    EXPECT_EQ(Details(), "Quorvan - Setting Priority");
    EXPECT_EQ(help::TS.PageNumber, 1);
    EXPECT_EQ(m.ComboPriority[0]->ListIndex(), 0);

    // Continue or Back into the first view puts element 4 away again.
    m.FramePriority[4]->SetVisible(true);
    ASSERT_TRUE(click(*m.ImageGoBack));
    ASSERT_TRUE(click(*m.ImageGoContinue));
    EXPECT_FALSE(m.FramePriority[4]->Visible());
}

TEST_F(HelpMockups, HelpFrameHasSixButtonsEachWithTheHelpFramePage) {
    OpenTopic(w(), 5);
    auto& m = w();
    ASSERT_TRUE(click(*m.CommandMain[2]));
    ASSERT_TRUE(m.FrameMain[2]->Visible());
    EXPECT_EQ(caption(*m.LabelHelpOption),
              "To view Little Help from start of the Program please press Options to set that option.");
    const char* const captions[] = {"Help", "Web Site", "About", "Cancel", "Little Help", "Options"};
    ASSERT_EQ(m.CommandHelpOK.Count(), int(std::size(captions)));
    const QString page = help::PageText(help::ButtonPage(21), help::HS.HelpVersion);
    for (int i = 0; i < int(std::size(captions)); ++i) {
        SCOPED_TRACE(i);
        CommandButton* b = m.CommandHelpOK[i];
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(caption(*b), captions[i]);
        m.ShowPage(help::Page::MainButtons);  // another page first, so each click must show its own
        ASSERT_TRUE(click(*b));
        EXPECT_EQ(Details(), "Main Buttons : Help");
        EXPECT_EQ(help::TS.PageNumber, 21);
        EXPECT_EQ(m.LabelInfo->Caption(), page);
        EXPECT_TRUE(m.FrameMain[2]->Visible()) << "the frame stays open";
    }
    // Re-entering the topic gives every Help frame button its normal face again.
    for (CommandButton* b : m.CommandHelpOK.items()) b->SetPicture(help::ButtonFace(3));
    OpenTopic(m, 3);
    OpenTopic(m, 5);
    for (CommandButton* b : m.CommandHelpOK.items()) EXPECT_EQ(pictureId(*b), ":help/face-0");
}

TEST_F(HelpMockups, EveryMockupControlShowsItsSubPage) {
    OpenTopic(w(), 5);
    EXPECT_EQ(ShownFrame(), 5);
    auto& m = w();
    // Focus reaches a control only in the active window.
    QApplication::setActiveWindow(WindowOf(m));
    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowOf(m)));
    // A box reached as an assistive tool reaches it (the focus put on it), or by Tab from the window's
    // first stop.
    const auto focusOn = [&](TextBox* box) {
        WidgetOf(*m.PictureMain)->setFocus();
        WidgetOf(*box)->setFocus();
        EXPECT_EQ(focused(m), box);
    };
    const auto tabTo = [&](TextBox* box) {
        WidgetOf(*m.CommandTopic)->setFocus();
        for (int i = 0; i < 60 && focused(m) != box; ++i) pressKey(m, Qt::Key_Tab);
        EXPECT_EQ(focused(m), box);
    };
    struct Row {
        std::function<void()> act;
        int page;
    };
    const Row rows[] = {
        {[&] { click(*m.CommandMain[0]); }, 1},           {[&] { click(*m.CommandSelectionOK[0]); }, 2},
        {[&] { click(*m.CommandSelectionOK[1]); }, 3},    {[&] { click(*m.OptionSelection[1]); }, 5},
        {[&] { click(*m.CheckSelectionKeep); }, 4},       {[&] { m.TextSelectionMaxFile->Click(); }, 6},
        {[&] { click(*m.OptionSelectionNum[1]); }, 7},    {[&] { m.TextSelectionNumFile->Click(); }, 8},
        {[&] { m.TextSelectionNumSkip->Click(); }, 9},    {[&] { focusOn(m.TextSelectionMaxFile); }, 6},
        {[&] { focusOn(m.TextSelectionNumFile); }, 8},    {[&] { focusOn(m.TextSelectionNumSkip); }, 9},
        {[&] { tabTo(m.TextSelectionNumFile); }, 8},      {[&] { click(*m.OptionSelection[3]); }, 5},
        {[&] { m.TextSelectionString->Click(); }, 10},    {[&] { focusOn(m.TextSelectionString); }, 10},
        {[&] { click(*m.CheckSelectionSensitive); }, 11}, {[&] { click(*m.CommandMain[1]); }, 12},
        {[&] { click(*m.CommandActionOK[0]); }, 13},      {[&] { click(*m.CommandActionOK[1]); }, 14},
        {[&] { click(*m.CommandActionOK[2]); }, 15},      {[&] { click(*m.OptionAction[4]); }, 16},
        {[&] { click(*m.CheckActionOverwrite); }, 18},    {[&] { click(*m.CheckActionMode); }, 19},
        {[&] { click(*m.OptionAction[7]); }, 16},         {[&] { click(*m.OptionAttribute[2]); }, 17},
        {[&] { click(*m.CommandMain[2]); }, 20},          {[&] { click(*m.CommandHelpOK[1]); }, 21},
        {[&] { click(*m.CommandHelpOK[4]); }, 21},        {[&] { click(*m.CommandHelpOK[5]); }, 21},
        {[&] { click(*m.CommandMain[3]); }, 22},          {[&] { click(*m.CommandMain[6]); }, 23},
        {[&] { click(*m.CommandReset[4]); }, 24},         {[&] { click(*m.CommandJob[0]); }, 25},
        {[&] { click(*m.CommandJob[1]); }, 26},           {[&] { click(*m.CommandJob[3]); }, 27},
        {[&] { click(*m.CommandMain[4]); }, 28},          {[&] { click(*m.CommandMain[5]); }, 29},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.page);
        help::TS.PageNumber = -1;  // so that a control showing nothing cannot pass on the last row's page
        r.act();
        EXPECT_EQ(Details(), QLatin1String(help::PageInfo(help::ButtonPage(r.page)).detailsCaption));
        EXPECT_EQ(help::TS.PageNumber, r.page);
        EXPECT_EQ(ShownFrame(), 5);
        EXPECT_EQ(m.FrameIntro[5]->Caption(), "Main Buttons");
        EXPECT_FALSE(m.FrameGo->Visible() || m.FrameRestart->Visible());
    }
}

TEST_F(HelpMockups, SecondClickJumpsOnlyFromTheSameButton) {
    OpenTopic(w(), 5);
    auto& m = w();
    click(*m.CommandMain[4]);
    click(*m.CommandMain[4]);
    EXPECT_EQ(help::TS.TopicIndex, 7);
    EXPECT_EQ(ShownFrame(), 7);

    OpenTopic(m, 5);
    click(*m.CommandMain[4]);
    click(*m.CommandJob[0]);  // closes the frame for the job: no jump
    EXPECT_EQ(help::TS.TopicIndex, 5);
    EXPECT_EQ(Details(), "Main Buttons : Preview");
    click(*m.CommandMain[1]);
    click(*m.CommandMain[1]);
    EXPECT_EQ(help::TS.TopicIndex, 5);
    EXPECT_EQ(Details(), "Main Buttons");

    click(*m.CommandMain[5]);
    click(*m.CommandMain[5]);
    EXPECT_EQ(help::TS.TopicIndex, 3);
    // Re-entering the topic puts the faces back.
    OpenTopic(m, 5);
    for (CommandButton* b : m.CommandMain.items()) EXPECT_EQ(pictureId(*b), ":help/face-0");
}

TEST_F(HelpMockups, FileSelectionAndActionFrames) {
    OpenTopic(w(), 5);
    auto& m = w();
    click(*m.CommandMain[0]);
    EXPECT_EQ(text(*m.TextSelectionMaxFile), "40");
    EXPECT_FALSE(m.FrameSelectionMax->Visible());
    click(*m.OptionSelection[2]);
    EXPECT_TRUE(m.FrameSelectionString->Visible());
    EXPECT_EQ(caption(*m.LabelSelectionString), "This String");
    click(*m.OptionSelection[1]);
    click(*m.OptionSelectionNum[1]);
    EXPECT_TRUE(m.LabelSelectionAsk->Visible());

    click(*m.CommandMain[1]);
    struct Row {
        int action;
        bool must, overwrite, del, attribute;
    };
    const Row rows[] = {{0, false, false, false, false},
                        {2, true, true, false, false},
                        {5, true, false, false, false},
                        {6, false, false, true, false},
                        {7, true, false, false, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action);
        click(*m.OptionAction[r.action]);
        EXPECT_EQ(m.LabelActionMust->Visible(), r.must);
        EXPECT_EQ(m.LabelActionOverwrite->Visible(), r.overwrite);
        EXPECT_EQ(m.CheckActionOverwrite->Visible(), r.overwrite);
        EXPECT_EQ(m.LabelActionDelete->Visible(), r.del);
        EXPECT_EQ(m.FrameAttribute->Visible(), r.attribute);
    }
    EXPECT_EQ(caption(*m.LabelActionMust), "Must select an Attribute to set Attribute.");
    click(*m.OptionAttribute[1]);
    EXPECT_FALSE(m.LabelActionMust->Visible());
    click(*m.OptionAction[1]);
    EXPECT_EQ(caption(*m.LabelActionMust), "Must select a different Folder to Copy or Move.");
}

TEST_F(HelpMockups, AutoStartTidiesNumbersAndLetterCase) {
    OpenTopic(w(), 7);
    auto& m = w();
    click(*m.OptionAuto[1]);
    choose(*m.ComboAuto, 1);
    for (auto [typed, shown] : {std::pair{"007", "7"}, std::pair{"100", "100"}, std::pair{"0", "0"},
                                std::pair{"00", "0"}, std::pair{"4x2", "42"}}) {
        m.TextAuto[0]->SetText(QString());
        type(*m.TextAuto[0], typed);
        EXPECT_EQ(text(*m.TextAuto[0]), shown) << typed;
    }
    paste(*m.TextAuto[0], "");
    m.TextAuto[0]->SetText(QString());
    paste(*m.TextAuto[0], "0a09");
    EXPECT_EQ(text(*m.TextAuto[0]), "9") << "a paste follows the key rules";

    click(*m.OptionAuto[2]);
    EXPECT_EQ(caption(*m.LabelAutoMaxLength), "Maximum 3 Letters.");
    choose(*m.ComboAuto, 2);
    type(*m.TextAuto[0], "ab1");
    EXPECT_EQ(text(*m.TextAuto[0]), "AB");
    click(*m.CheckAuto);
    EXPECT_EQ(text(*m.TextAuto[0]), "ab");
    type(*m.TextAuto[0], "C");
    EXPECT_EQ(text(*m.TextAuto[0]), "abc");
}

TEST_F(HelpMockups, SummaryLinesFromInsertAndAuto) {
    OpenTopic(w(), 7);
    auto& m = w();
    click(*m.CheckInsert);
    choose(*m.ComboInsert, 3);
    type(*m.TextInsert[1], "1");
    ASSERT_TRUE(m.FrameInsertThis->Visible());
    type(*m.TextInsert[0], "x y");
    EXPECT_EQ(text(*m.TextInsert[0]), "xy") << "no space without Include Space";
    click(*m.OptionAuto[1]);
    choose(*m.ComboAuto, 6);
    type(*m.TextAuto[2], "ab");
    type(*m.TextAuto[0], "5");
    click(*m.CommandRenOK[0]);
    EXPECT_EQ(caption(*m.LabelRen[4]), "Insert :: After 1 Character :: xy");
    EXPECT_EQ(caption(*m.LabelRen[7]), "Auto Start Number :: 5");
    EXPECT_EQ(caption(*m.LabelRen[8]), "Add before string'ab'.");
    EXPECT_EQ(m.LabelRen[4]->ForeColor(), m.ColourHighlight);
    EXPECT_EQ(m.FrameRen->ForeColor(), m.ColourHighlight);

    m.TextInsert[1]->SetText(QString());
    type(*m.TextInsert[1], "12");
    click(*m.CommandRenOK[0]);
    EXPECT_EQ(caption(*m.LabelRen[4]), "Insert :: After 12 Characters :: xy");

    // Count boxes: cleared, a pasted 20-digit number, letters: never a crash, never a count.
    m.TextInsert[1]->SetText(QString());
    click(*m.CommandRenOK[0]);
    EXPECT_EQ(caption(*m.LabelRen[4]), "Insert :: No");
    paste(*m.TextInsert[1], "12345678901234567890");
    EXPECT_EQ(text(*m.TextInsert[1]), "12") << "the box holds two digits";
    m.TextInsert[1]->SetText(QString());
    paste(*m.TextInsert[1], "ab");
    EXPECT_EQ(text(*m.TextInsert[1]), "");
    EXPECT_EQ(help::CountValue("12345678901234567890"), -1);
    EXPECT_EQ(help::InsertSummary(3, "12345678901234567890", "", "x"), "Insert :: No");
    EXPECT_EQ(help::InsertSummary(6, "", "ab", "x"), "Insert :: Before String'ab' :: x");
    EXPECT_EQ(help::AutoSummary(1, 4, "1", "", "3").second, "Add before 1 Character.");
    EXPECT_EQ(help::AutoSummary(2, 3, "2", "", "B").second, "Add after 2 Characters.");
    EXPECT_EQ(help::AutoSummary(2, 3, "", "", "B").first, "Auto Number or Letter :: No");

    click(*m.CommandRenOK[1]);
    EXPECT_EQ(m.CheckInsert->Value(), 0);
    EXPECT_TRUE(m.OptionAuto[0]->Value());
    EXPECT_EQ(text(*m.TextAuto[0]), "");
    EXPECT_EQ(caption(*m.LabelRen[7]), "Auto Start Number :: 5")
        << "Cancel leaves the summary as the last OK made it";
}

TEST_F(HelpMockups, EasyProcessSplitsAndRenamesTheExampleOnly) {
    OpenTopic(w(), 9);
    auto& m = w();
    EXPECT_EQ(m.FrameIntro[9]->Caption(), "");
    click(*m.CheckEasyProcess);
    ASSERT_TRUE(m.FrameEasy[0]->Visible());
    click(*m.LabelEasyFile[0]);
    EXPECT_EQ(text(*m.TextEasy[0]), "Quorvan");
    EXPECT_EQ(text(*m.TextEasy[1]), "exe");
    EXPECT_FALSE(m.CommandEasyOK->Enabled());
    type(*m.TextEasy[1], " ");
    EXPECT_EQ(text(*m.TextEasy[1]), "exe") << "no space in an extension";
    m.TextEasy[0]->SetText(QString());
    type(*m.TextEasy[0], "Tool 2");
    EXPECT_EQ(text(*m.TextEasy[0]), "Tool2");
    EXPECT_TRUE(m.LabelEasyReady->Visible());
    ASSERT_TRUE(click(*m.CommandEasyOK));
    EXPECT_EQ(caption(*m.LabelEasyFile[0]), "Tool2.exe");
    EXPECT_EQ(m.SelectedSample, -1);
    EXPECT_FALSE(m.TextEasy[0]->Enabled());

    click(*m.LabelEasyFile[2]);
    paste(*m.TextEasy[0], "é/x");
    EXPECT_EQ(text(*m.TextEasy[0]), "QuorvanHelpx") << "a paste follows the name rules";
    click(*m.LabelEasyFile[2]);
    EXPECT_EQ(m.SelectedSample, -1);
    EXPECT_EQ(text(*m.TextEasy[0]), "");
    EXPECT_FALSE(m.TextEasy[1]->Enabled());
    ASSERT_TRUE(click(*m.LabelEasyFile[1]));
    ASSERT_TRUE(click(*m.CommandEasyCancel));
    EXPECT_FALSE(m.FrameEasy[0]->Visible());
    EXPECT_EQ(help::SplitAtLastDot("a.b.c").name, "a.b");
}

TEST_F(HelpMockups, EasyProcessNameShownWithoutItsSpacesIsReadyToGo) {
    OpenTopic(w(), 9);
    auto& m = w();
    click(*m.CheckEasyProcess);
    click(*m.LabelEasyFile[0]);
    click(*m.CheckEasySpace);
    m.TextEasy[0]->SetText(QString());
    type(*m.TextEasy[0], "My Tool");
    ASSERT_TRUE(click(*m.CommandEasyOK));
    ASSERT_EQ(caption(*m.LabelEasyFile[0]), "My Tool.exe");
    click(*m.LabelEasyFile[0]);
    click(*m.CheckEasySpace);  // unticked: the spaces go
    click(*m.LabelEasyFile[0]);
    click(*m.LabelEasyFile[0]);  // picked again
    EXPECT_EQ(text(*m.TextEasy[0]), "MyTool");
    EXPECT_TRUE(m.LabelEasyReady->Visible());
    ASSERT_TRUE(click(*m.CommandEasyOK));
    EXPECT_EQ(caption(*m.LabelEasyFile[0]), "MyTool.exe");
}

}  // namespace
}  // namespace qv::test
