#include "help/topic_engine.h"

#include <vector>

namespace qv::help {

namespace {

using P = Page;

constexpr const char* kMainButtons = "Main Buttons";

// Topic pages first, then the Main Buttons topic page and its sub-pages, in enum order.
constexpr PageDef kPages[] = {
    {P::MainWindow, 0, -1, 0, 6, "Quorvan - Main Window", "Detalis Frame"},
    {P::Introduction, 1, -1, 0, 1, "Quorvan and QuorvanHelp", "Quorvan - A Simple File Renaming Utility"},
    {P::Installation1, 2, 0, 1, 0, "Minimum System Requirements", "Installation"},
    {P::Installation2, 2, 1, 3, 0, "Minimum System Requirements", "Installation"},
    {P::Features, 3, 0, 1, 2, "Features", "Options"},
    {P::Options1, 3, 1, 2, 10, "Options", "Options"},
    {P::Options2, 3, 2, 2, 10, "Options", "Options"},
    {P::Options3, 3, 3, 3, 10, "Options", "Options"},
    {P::Browsing1, 6, 0, 1, 6, "Quorvan - Browsing Folders", "Quorvan - Browsing Folders"},
    {P::Browsing2, 6, 1, 2, 6, "Quorvan - Browsing Folders - Selected Files Size",
     "Quorvan : Browsing Folders : Selected Files Size : File Size Button"},
    {P::Browsing3, 6, 2, 3, 6, "Quorvan - Browsing Folders", "Quorvan : Browsing Folders : Browse Buttons"},
    {P::Criteria1, 7, 0, 1, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::Criteria2, 7, 1, 2, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::Criteria3, 7, 2, 2, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::Criteria4, 7, 3, 2, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::Criteria5, 7, 4, 2, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::Criteria6, 7, 5, 3, 7, "Quorvan", "Quorvan - Setting Rename Criteria"},
    {P::PriorityChoiceInfo, 8, 0, 1, 6, "Quorvan", "Quorvan - Priority, Choice and Info"},
    {P::SettingPriority1, 8, 1, 3, 8, "Quorvan", "Quorvan - Setting Priority"},
    {P::SettingPriority2, 8, 2, 3, 8, "Quorvan", "Quorvan - Setting Priority"},
    {P::UserNamePicture, 8, 3, 3, 8, "Quorvan", "Quorvan - Change/Set User Name/Picture"},
    {P::LittleHelp, 8, 4, 3, 8, "Quorvan", "Quorvan - Change/Set User Name/Picture"},
    {P::EasyProcess, 9, 0, 0, 9, "", "Quorvan - Easy Process For Single File"},
    {P::GettingHelp, 10, 0, 0, 3, "Getting Help", "Quorvan - Getting Help"},
    {P::UninstallUpdate, 11, 0, 0, 3, "Unistallation and Update", "Quorvan - Unistallation and Update"},
    {P::AboutHelp, 12, 0, 0, 3, "About QuorvanHelp", "About QuorvanHelp"},
    {P::MainButtons, 5, 0, 0, 5, kMainButtons, kMainButtons},
    {ButtonPage(1), 5, 1, 0, -1, kMainButtons, "Main Buttons : File Selection"},
    {ButtonPage(2), 5, 2, 0, -1, kMainButtons, "Main Buttons : File Selection : OK"},
    {ButtonPage(3), 5, 3, 0, -1, kMainButtons, "Main Buttons : File Selection : Cancel"},
    {ButtonPage(4), 5, 4, 0, -1, kMainButtons,
     "Main Buttons : File Selection : Select File On Folder Change"},
    {ButtonPage(5), 5, 5, 0, -1, kMainButtons, "Main Buttons : File Selection : Selection Options"},
    {ButtonPage(6), 5, 6, 0, -1, kMainButtons, "Main Buttons : File Selection : Maximum Limit"},
    {ButtonPage(7), 5, 7, 0, -1, kMainButtons, "Main Buttons : File Selection : By Number"},
    {ButtonPage(8), 5, 8, 0, -1, kMainButtons, "Main Buttons : File Selection : Number of Files"},
    {ButtonPage(9), 5, 9, 0, -1, kMainButtons, "Main Buttons : File Selection : Number of files to Skip"},
    {ButtonPage(10), 5, 10, 0, -1, kMainButtons, "Main Buttons : File Selection : By String/Extension"},
    {ButtonPage(11), 5, 11, 0, -1, kMainButtons,
     "Main Buttons : File Selection : By String/Extension : Case Sensitive"},
    {ButtonPage(12), 5, 12, 0, -1, kMainButtons, "Main Buttons : Action"},
    {ButtonPage(13), 5, 13, 0, -1, kMainButtons, "Main Buttons : Action : Set Destination"},
    {ButtonPage(14), 5, 14, 0, -1, kMainButtons, "Main Buttons : Action : OK"},
    {ButtonPage(15), 5, 15, 0, -1, kMainButtons, "Main Buttons : Action : Cancel"},
    {ButtonPage(16), 5, 16, 0, -1, kMainButtons, "Main Buttons : Action : Setting Action"},
    {ButtonPage(17), 5, 17, 0, -1, kMainButtons, "Main Buttons : Action : Setting Attribute"},
    {ButtonPage(18), 5, 18, 0, -1, kMainButtons, "Main Buttons : Action : Overwrite Files In Destination"},
    {ButtonPage(19), 5, 19, 0, -1, kMainButtons, "Main Buttons : Action : Review Mode"},
    {ButtonPage(20), 5, 20, 0, -1, kMainButtons, "Main Buttons : Help"},
    {ButtonPage(21), 5, 21, 0, -1, kMainButtons, "Main Buttons : Help"},
    {ButtonPage(22), 5, 22, 0, -1, kMainButtons, "Main Buttons : Run"},
    {ButtonPage(23), 5, 23, 0, -1, kMainButtons, "Main Buttons : Exit"},
    {ButtonPage(24), 5, 24, 0, -1, kMainButtons, "Main Buttons : Reset"},
    {ButtonPage(25), 5, 25, 0, -1, kMainButtons, "Main Buttons : Preview"},
    {ButtonPage(26), 5, 26, 0, -1, kMainButtons, "Main Buttons : Rename"},
    {ButtonPage(27), 5, 27, 0, -1, kMainButtons, "Main Buttons : Cancel and Undo"},
    {ButtonPage(28), 5, 28, 0, -1, kMainButtons, "Main Buttons : Rename Criteria"},
    {ButtonPage(29), 5, 29, 0, -1, kMainButtons, "Main Buttons : Options"},
};
static_assert(sizeof(kPages) / sizeof(kPages[0]) == kPageCount, "one row per page");

constexpr PageDef kNoPage = {P::None, -1, -1, -1, -1, "", ""};

const char* const kTopicCaptions[kTopicSlots] = {
    "Start Page",
    "Introduction",
    "Installation",
    "Features and Options",
    nullptr,
    "Main Buttons",
    "Browsing Folders, Selecting Files",
    "Setting Rename Criteria",
    "Priority, Choice and Info",
    "Easy Process - For Single File",
    "Getting Help",
    "Uninstallation and Update",
    "About QuorvanHelp",
};

// The straight page sequences; topic 8 has its sub-views beside it.
const std::vector<Page>& Sequence(int topic) {
    static const std::vector<Page> none;
    static const std::vector<Page> installation = {P::Installation1, P::Installation2};
    static const std::vector<Page> features = {P::Features, P::Options1, P::Options2, P::Options3};
    static const std::vector<Page> browsing = {P::Browsing1, P::Browsing2, P::Browsing3};
    static const std::vector<Page> criteria = {P::Criteria1, P::Criteria2, P::Criteria3,
                                               P::Criteria4, P::Criteria5, P::Criteria6};
    static const std::vector<Page> priority = {P::PriorityChoiceInfo, P::SettingPriority1};
    switch (topic) {
        case 2:
            return installation;
        case 3:
            return features;
        case 6:
            return browsing;
        case 7:
            return criteria;
        case 8:
            return priority;
        default:
            return none;
    }
}

}  // namespace

const PageDef& PageInfo(Page page) {
    const int i = static_cast<int>(page);
    if (i < 0 || i >= kPageCount)
        return kNoPage;
    return kPages[i];
}

bool IsTopic(int index) {
    return index >= 0 && index < kTopicSlots && kTopicCaptions[index] != nullptr;
}

const char* TopicCaption(int index) {
    return IsTopic(index) ? kTopicCaptions[index] : "";
}

Page FirstPage(int topic) {
    switch (topic) {
        case 0:
            return P::MainWindow;
        case 1:
            return P::Introduction;
        case 5:
            return P::MainButtons;
        case 9:
            return P::EasyProcess;
        case 10:
            return P::GettingHelp;
        case 11:
            return P::UninstallUpdate;
        case 12:
            return P::AboutHelp;
        default: {
            const auto& seq = Sequence(topic);
            return seq.empty() ? P::None : seq.front();
        }
    }
}

Page PreviousPage(const TopicState& s) {
    if (s.TopicIndex == 8 && s.PageNumber >= 2 && s.PageNumber <= 4)
        return P::SettingPriority1;
    const auto& seq = Sequence(s.TopicIndex);
    if (s.PageNumber < 1 || s.PageNumber >= static_cast<int>(seq.size()))
        return P::None;
    return seq[s.PageNumber - 1];
}

Page NextPage(const TopicState& s) {
    const auto& seq = Sequence(s.TopicIndex);
    if (s.PageNumber < 0 || s.PageNumber + 1 >= static_cast<int>(seq.size()))
        return P::None;
    return seq[s.PageNumber + 1];
}

Page PriorityViewPage(const TopicState& s) {
    if (s.TopicIndex != 8)
        return P::None;
    switch (s.PageNumber) {
        case 2:
            return P::SettingPriority2;
        case 3:
            return P::UserNamePicture;
        case 4:
            return P::LittleHelp;
        default:
            return P::None;
    }
}

void ApplyPage(TopicState& s, Page page) {
    const PageDef& def = PageInfo(page);
    if (def.page == P::None)
        return;
    s.PagePosition = def.position;
    if (def.number >= 0)
        s.PageNumber = def.number;
    if (def.frame >= 0)
        s.PictureFrameIndex = def.frame;
}

std::array<bool, kPictureFrames> PictureFrames(int pictureFrameIndex) {
    std::array<bool, kPictureFrames> shown{};
    for (int i = 0; i < kPictureFrames; ++i) shown[i] = (i == pictureFrameIndex);
    return shown;
}

Navigation UpdateTopicNavigation(TopicState& s) {
    Navigation n;
    switch (s.PagePosition) {
        case 0:
            s.PageNumber = 0;
            break;
        case 1:
            n.goVisible = true;
            n.continueEnabled = true;
            break;
        case 2:
            n.goVisible = true;
            n.backEnabled = true;
            n.continueEnabled = true;
            break;
        case 3:
            n.goVisible = true;
            n.backEnabled = true;
            break;
        default:
            break;
    }
    n.restartVisible = s.PageNumber > 1;
    return n;
}

Page Navigate(TopicState& s, Step step) {
    Page page = P::None;
    switch (step) {
        case Step::Topic:
            page = FirstPage(s.TopicIndex);
            break;
        case Step::Back:
            page = PreviousPage(s);
            break;
        case Step::Continue:
            page = NextPage(s);
            break;
        case Step::PriorityView:
            page = PriorityViewPage(s);
            break;
    }
    ApplyPage(s, page);
    return page;
}

}  // namespace qv::help
