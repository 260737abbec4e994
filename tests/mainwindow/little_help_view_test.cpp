// The little help as the window shows it: each text of the state lands on its own control.
#include "core/little_help.h"
#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

class LittleHelpView : public WindowTest {
  protected:
    void Refresh() {
        S.SetButKey = "setButGlobal";
        SetButtons();
    }
    QStringList Lines() {
        return {caption(*M().LabelInfo1), caption(*M().LabelInfo2), caption(*M().LabelInfo3),
                caption(*M().LabelInfo4)};
    }
};

TEST_F(LittleHelpView, EachStateWritesItsLinesOnTheFourLabels) {
    struct Row {
        const char* state;
        std::function<void()> into;
        int line;  // 0 to 3
        const char* text;
    } rows[] = {
        {"A criteria dialog open", [] { S.CriteriaDialogLoading = true; }, 3,
         "To be able to set Priority of Insert, Replace and Remove at least two of those must be selected."},
        {"B job busy", [] { S.JobBusy = true; }, 2, "Working.....Please Wait."},
        {"C easy process", [this] { click(*M().CheckEasyProcess); }, 3,
         "To process multiple files press 'Cancel' button or uncheck the Easy Process Check Box."},
        {"D help panel", [this] { click(*M().CommandHelp); }, 3, "You must finish with Help to continue."},
        {"E preview locked",
         [this] {
             InsertAtStart("x_");
             RenameSet();
             SelectByHand({"a.txt"});
             click(*M().CommandPreview);
         },
         1, "Press :- Rename button to Rename.\r\nPress :- Cancel to cancel."},
        {"F free", [] {}, 0,
         "Select files manually. For auto selection depending on specific criteria press :- File Selection."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.state);
        TearDown();
        SetUp();
        OpenWork({"a.txt", "b.txt"});
        r.into();
        Refresh();
        const LittleHelpTexts t = LittleHelp();
        EXPECT_EQ(Lines()[r.line], r.text);
        EXPECT_EQ(Lines(), (QStringList{t.info[0], t.info[1], t.info[2], t.info[3]}));
        EXPECT_EQ(caption(*M().LabelHelpOption), t.head);
        EXPECT_EQ(caption(*M().FramePriInfo), t.priority);
        EXPECT_EQ(caption(*M().LabelSelectFile), t.selection);
        EXPECT_EQ(M().LabelInfoReset->Visible(), t.resetVisible);
        S.JobBusy = false;
    }
}

TEST_F(LittleHelpView, HeadAndPriorityTextsFollowTheShownFrame) {
    OpenWork({"a.txt"});
    ASSERT_TRUE(click(*M().CommandViewInfo));
    EXPECT_EQ(
        caption(*M().LabelHelpOption),
        "Little Help is being shown at the bottom right of the window.\r\n\r\nLittle help will tell you "
        "what you can do or what you need to do.");
    EXPECT_EQ(caption(*M().FramePriInfo), "Priority : To access press Hide.");
    ASSERT_TRUE(click(*M().CommandInfoHide));
    EXPECT_EQ(caption(*M().LabelHelpOption),
              "To view Little Help please press Info button at bottom right of the main window.");
    EXPECT_EQ(caption(*M().FramePriInfo), "Priority : To change press Priority.");
}

TEST_F(LittleHelpView, TheOneFileIsTheSelectedEntryAndAVanishedFileWeighsNothing) {
    OpenWork({"a.txt", "b.txt", "c.txt"});
    MakeFile(work_ + "/b.txt", QByteArray(2100, 'x'));
    M().File1->Refresh();
    SelectByHand({"a.txt", "b.txt"});
    EXPECT_EQ(caption(*M().LabelFileNum), "");
    // The last click takes a.txt out again: the focus stays on it, the selection is b.txt.
    ASSERT_TRUE(clickFile(*M().File1, "a.txt", true));
    ASSERT_EQ(M().File1->ListIndex(), 0);
    EXPECT_EQ(caption(*M().LabelFileNum), "File # 2 : 3KB");
    EXPECT_EQ(caption(*M().LabelSelectFile), "1 File Selected");
    QFile::remove(work_ + "/b.txt");
    Refresh();
    EXPECT_EQ(caption(*M().LabelFileNum), "File # 2 : 0KB");
}

TEST_F(LittleHelpView, ListHeadAfterAPreview) {
    OpenWork({"a.txt", "b.txt"});
    InsertAtStart("x_");
    RenameSet();
    SelectByHand({"a.txt", "b.txt"});
    EXPECT_EQ(caption(*M().LabelListFile), "");
    ASSERT_TRUE(click(*M().CommandPreview));
    EXPECT_EQ(caption(*M().LabelListFile), "New Names - Files to be Renamed");
}

}  // namespace
}  // namespace qv::test
