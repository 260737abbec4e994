// The topic engine as a state machine, without a window, and the page table it works from.
#include <gtest/gtest.h>

#include <QSet>
#include <QString>

#include "help/topic_engine.h"

namespace qv::help {
namespace {

struct Shown {
    Page page;
    int number;
    int frame;
    Navigation nav;
};

Shown Do(TopicState& s, Step step) {
    const Page p = Navigate(s, step);
    const Navigation n = UpdateTopicNavigation(s);
    return {p, s.PageNumber, s.PictureFrameIndex, n};
}

TopicState At(int topic) {
    TopicState s;
    s.TopicIndex = topic;
    return s;
}

TEST(TopicEngine, FeaturesWalksFourPagesWithArrowsAndRestart) {
    TopicState s = At(3);
    struct Row {
        Page page;
        bool back, cont, restart;
        int frame;
    };
    const Row rows[] = {{Page::Features, false, true, false, 2},
                        {Page::Options1, true, true, false, 10},
                        {Page::Options2, true, true, true, 10},
                        {Page::Options3, true, false, true, 10}};
    Shown shown = Do(s, Step::Topic);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shown.page, rows[i].page);
        EXPECT_EQ(shown.number, i);
        EXPECT_EQ(shown.frame, rows[i].frame);
        EXPECT_TRUE(shown.nav.goVisible);
        EXPECT_EQ(shown.nav.backEnabled, rows[i].back);
        EXPECT_EQ(shown.nav.continueEnabled, rows[i].cont);
        EXPECT_EQ(shown.nav.restartVisible, rows[i].restart);
        if (i < 3)
            shown = Do(s, Step::Continue);
    }
    // Continue on the last page shows nothing and changes nothing.
    EXPECT_EQ(Do(s, Step::Continue).page, Page::None);
    EXPECT_EQ(s.PageNumber, 3);
    // Back walks down again; Restart goes to the first page with its frame.
    EXPECT_EQ(Do(s, Step::Back).page, Page::Options2);
    EXPECT_EQ(Do(s, Step::Continue).page, Page::Options3);
    shown = Do(s, Step::Topic);
    EXPECT_EQ(shown.page, Page::Features);
    EXPECT_EQ(shown.number, 0);
    EXPECT_EQ(shown.frame, 2);
    EXPECT_FALSE(shown.nav.restartVisible);
}

TEST(TopicEngine, InstallationNeverOffersRestart) {
    TopicState s = At(2);
    EXPECT_FALSE(Do(s, Step::Topic).nav.restartVisible);
    const Shown second = Do(s, Step::Continue);
    EXPECT_EQ(second.page, Page::Installation2);
    EXPECT_EQ(second.number, 1);
    EXPECT_TRUE(second.nav.backEnabled);
    EXPECT_FALSE(second.nav.continueEnabled);
    EXPECT_FALSE(second.nav.restartVisible);
}

TEST(TopicEngine, PrioritySubViewsGoBackToTheirFirstView) {
    TopicState s = At(8);
    EXPECT_EQ(Do(s, Step::Topic).frame, 6);
    Shown p1 = Do(s, Step::Continue);
    EXPECT_EQ(p1.page, Page::SettingPriority1);
    EXPECT_EQ(p1.number, 1);
    EXPECT_EQ(p1.frame, 8);
    EXPECT_FALSE(p1.nav.continueEnabled);
    EXPECT_EQ(Do(s, Step::Continue).page, Page::None);

    const Page views[] = {Page::SettingPriority2, Page::UserNamePicture, Page::LittleHelp};
    for (int n = 2; n <= 4; ++n) {
        SCOPED_TRACE(n);
        s.PageNumber = n;  // the view button's own number
        const Shown v = Do(s, Step::PriorityView);
        EXPECT_EQ(v.page, views[n - 2]);
        EXPECT_TRUE(v.nav.backEnabled);
        EXPECT_FALSE(v.nav.continueEnabled);
        EXPECT_TRUE(v.nav.restartVisible);
        EXPECT_EQ(Do(s, Step::Back).page, Page::SettingPriority1);
    }
    const Shown first = Do(s, Step::Back);
    EXPECT_EQ(first.page, Page::PriorityChoiceInfo);
    EXPECT_EQ(first.frame, 6);
}

TEST(TopicEngine, PriorityViewOutsideItsTopicChangesNothing) {
    TopicState s = At(7);
    Do(s, Step::Topic);
    s.PageNumber = 3;
    const TopicState before = s;
    EXPECT_EQ(Navigate(s, Step::PriorityView), Page::None);
    EXPECT_EQ(s.PictureFrameIndex, before.PictureFrameIndex);
    EXPECT_EQ(s.PagePosition, before.PagePosition);
}

TEST(TopicEngine, SinglePagesHideTheArrowsAndResetThePageNumber) {
    for (int topic : {0, 1, 5, 9, 10, 11, 12}) {
        SCOPED_TRACE(topic);
        TopicState s = At(topic);
        s.PageNumber = 7;  // left over from a sub-page
        const Shown shown = Do(s, Step::Topic);
        EXPECT_NE(shown.page, Page::None);
        EXPECT_EQ(shown.number, 0);
        EXPECT_FALSE(shown.nav.goVisible || shown.nav.backEnabled || shown.nav.continueEnabled ||
                     shown.nav.restartVisible);
        // Back and Continue find nothing: only the refresh remains.
        EXPECT_EQ(Do(s, Step::Back).page, Page::None);
        EXPECT_EQ(Do(s, Step::Continue).page, Page::None);
    }
}

TEST(TopicEngine, UnknownTopicsAndPositionsShowNothing) {
    for (int topic : {-1, 4, 13, 99}) {
        TopicState s = At(topic);
        s.PictureFrameIndex = 3;
        s.PagePosition = 2;
        EXPECT_EQ(Navigate(s, Step::Topic), Page::None);
        EXPECT_EQ(s.PictureFrameIndex, 3);
        EXPECT_EQ(s.PagePosition, 2);
    }
    TopicState s;
    s.PagePosition = 4;
    s.PageNumber = 5;
    const Navigation n = UpdateTopicNavigation(s);
    EXPECT_FALSE(n.goVisible || n.backEnabled || n.continueEnabled);
    EXPECT_EQ(s.PageNumber, 5);
    EXPECT_TRUE(n.restartVisible);
}

TEST(TopicEngine, PictureFramesShowOneOrNone) {
    for (int index : {0, 6, 10}) {
        const auto shown = PictureFrames(index);
        for (int i = 0; i < kPictureFrames; ++i) EXPECT_EQ(shown[i], i == index) << index << " " << i;
    }
    for (int index : {-1, 11, 50}) {
        const auto shown = PictureFrames(index);
        for (bool b : shown) EXPECT_FALSE(b) << index;
    }
}

TEST(PageTable, NumbersPositionsFramesAndCaptions) {
    struct Row {
        Page page;
        int number, position, frame;
        const char* picture;
        const char* details;
    };
    const Row rows[] = {
        {Page::MainWindow, -1, 0, 6, "Quorvan - Main Window", "Detalis Frame"},
        {Page::Introduction, -1, 0, 1, "Quorvan and QuorvanHelp", "Quorvan - A Simple File Renaming Utility"},
        {Page::Installation2, 1, 3, 0, "Minimum System Requirements", "Installation"},
        {Page::Features, 0, 1, 2, "Features", "Options"},
        {Page::Options2, 2, 2, 10, "Options", "Options"},
        {Page::Browsing2, 1, 2, 6, "Quorvan - Browsing Folders - Selected Files Size",
         "Quorvan : Browsing Folders : Selected Files Size : File Size Button"},
        {Page::Browsing3, 2, 3, 6, "Quorvan - Browsing Folders",
         "Quorvan : Browsing Folders : Browse Buttons"},
        {Page::Criteria6, 5, 3, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
        {Page::SettingPriority1, 1, 3, 8, "Quorvan", "Quorvan - Setting Priority"},
        {Page::UserNamePicture, 3, 3, 8, "Quorvan", "Quorvan - Change/Set User Name/Picture"},
        {Page::LittleHelp, 4, 3, 8, "Quorvan", "Quorvan - Change/Set User Name/Picture"},
        {Page::EasyProcess, 0, 0, 9, "", "Quorvan - Easy Process For Single File"},
        {Page::UninstallUpdate, 0, 0, 3, "Unistallation and Update", "Quorvan - Unistallation and Update"},
        {Page::AboutHelp, 0, 0, 3, "About QuorvanHelp", "About QuorvanHelp"},
        {Page::MainButtons, 0, 0, 5, "Main Buttons", "Main Buttons"},
        {ButtonPage(9), 9, 0, -1, "Main Buttons", "Main Buttons : File Selection : Number of files to Skip"},
        {ButtonPage(11), 11, 0, -1, "Main Buttons",
         "Main Buttons : File Selection : By String/Extension : Case Sensitive"},
        {ButtonPage(20), 20, 0, -1, "Main Buttons", "Main Buttons : Help"},
        {ButtonPage(21), 21, 0, -1, "Main Buttons", "Main Buttons : Help"},
        {ButtonPage(27), 27, 0, -1, "Main Buttons", "Main Buttons : Cancel and Undo"},
    };
    for (const Row& r : rows) {
        const PageDef& d = PageInfo(r.page);
        SCOPED_TRACE(d.detailsCaption);
        EXPECT_EQ(d.page, r.page);
        EXPECT_EQ(d.number, r.number);
        EXPECT_EQ(d.position, r.position);
        EXPECT_EQ(d.frame, r.frame);
        EXPECT_STREQ(d.pictureCaption, r.picture);
        EXPECT_STREQ(d.detailsCaption, r.details);
    }
    // Every page of topic 7 shares its captions; every sub-page is numbered by its place.
    for (int i = 0; i < kPageCount; ++i) {
        const PageDef& d = PageInfo(static_cast<Page>(i));
        ASSERT_EQ(static_cast<int>(d.page), i);
        if (d.topic == 7) {
            EXPECT_STREQ(d.pictureCaption, "Quorvan");
            EXPECT_STREQ(d.detailsCaption, "Quorvan - Setting Rename Criteria");
        }
    }
    QSet<QString> titles;
    for (int n = 1; n <= kMainButtonSubPages; ++n) {
        const PageDef& d = PageInfo(ButtonPage(n));
        EXPECT_EQ(d.number, n);
        EXPECT_EQ(d.frame, -1) << "a sub-page captions the frame that shows";
        titles.insert(QLatin1String(d.detailsCaption));
    }
    EXPECT_EQ(titles.size(), kMainButtonSubPages - 1) << "only sub-pages 20 and 21 share a title";
    EXPECT_EQ(ButtonPage(0), Page::None);
    EXPECT_EQ(ButtonPage(30), Page::None);
    EXPECT_EQ(PageInfo(Page::None).topic, -1);
}

}  // namespace
}  // namespace qv::help
