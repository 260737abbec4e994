// The topic engine: which page of which topic shows, which picture frame goes with it, and which
// of the arrows and the Restart button are offered. Pure state, no window: the help window renders
// what these functions decide.
#pragma once

#include <array>

namespace qv::help {

// Every page of the help, in table order. The 29 Main Buttons sub-pages follow MainButtons.
enum class Page : int {
    None = -1,
    MainWindow = 0,
    Introduction,
    Installation1,
    Installation2,
    Features,
    Options1,
    Options2,
    Options3,
    Browsing1,
    Browsing2,
    Browsing3,
    Criteria1,
    Criteria2,
    Criteria3,
    Criteria4,
    Criteria5,
    Criteria6,
    PriorityChoiceInfo,
    SettingPriority1,
    SettingPriority2,
    UserNamePicture,
    LittleHelp,
    EasyProcess,
    GettingHelp,
    UninstallUpdate,
    AboutHelp,
    MainButtons,
    ButtonFileSelection,  // sub-page 1; the others follow in order up to 29
    ButtonOptions = ButtonFileSelection + 28,
};

inline constexpr int kPageCount = static_cast<int>(Page::ButtonOptions) + 1;
inline constexpr int kPictureFrames = 11;
inline constexpr int kMainButtonSubPages = 29;

// Main Buttons sub-page n (1..29); None outside.
constexpr Page ButtonPage(int n) {
    if (n < 1 || n > kMainButtonSubPages)
        return Page::None;
    return static_cast<Page>(static_cast<int>(Page::MainButtons) + n);
}

struct PageDef {
    Page page;
    int topic;     // the topic list entry the page belongs to
    int number;    // PageNumber the page writes; -1 when it leaves it alone
    int position;  // 0 single, 1 first, 2 middle, 3 last
    int frame;     // picture frame it names; -1 when it leaves it alone
    const char* pictureCaption;
    const char* detailsCaption;
};

// The definition of a page; a page outside the table gets a blank definition with topic -1.
const PageDef& PageInfo(Page page);

struct TopicState {
    int TopicIndex = 0;
    int PictureFrameIndex = 0;
    int PageNumber = 0;
    int PagePosition = 0;
};

// The topic list: indexes that name a topic (4 names none), and each one's caption.
bool IsTopic(int index);
const char* TopicCaption(int index);
inline constexpr int kTopicSlots = 13;

// The page each step leads to from the state given; None when the step shows no page.
Page FirstPage(int topic);
Page PreviousPage(const TopicState& s);
Page NextPage(const TopicState& s);
Page PriorityViewPage(const TopicState& s);  // the sub-view PageNumber names, in topic 8 only

// Writes the page's position, number and frame into the state.
void ApplyPage(TopicState& s, Page page);

// Which picture frame shows: exactly the one PictureFrameIndex names, none when it is out of range.
std::array<bool, kPictureFrames> PictureFrames(int pictureFrameIndex);

struct Navigation {
    bool goVisible = false;
    bool backEnabled = false;
    bool continueEnabled = false;
    bool restartVisible = false;
};

// The arrows and Restart for the page shown; a single page also puts PageNumber back to 0.
Navigation UpdateTopicNavigation(TopicState& s);

enum class Step { Topic, Back, Continue, PriorityView };

// One navigation step as a whole: finds the page, applies it. The caller then renders the page (when
// not None), the picture frames and the navigation. PriorityView outside topic 8 changes nothing and
// the caller shows nothing at all.
Page Navigate(TopicState& s, Step step);

}  // namespace qv::help
