// The Little Help worked out from the state: each state's lines, plurals, and the one file's size.
#include "core/little_help.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "core/state.h"
#include "support/fake_services.h"
#include "support/recording_windows.h"

namespace qv::test {
namespace {

class LittleHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetState();
        services_.useRealFiles();
    }
    void TearDown() override { ResetState(); }
    RecordingWindows windows;
    ScopedWindows installed{windows};
    ScopedServices services_;
};

TEST_F(LittleHelpTest, LinesByState) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::array<const char*, 4> starts;  // how each line begins; "" for an empty line
    };
    const Case cases[] = {
        {"free, manual, nothing selected",
         [] {},
         {"Select files manually.", "To change Action press :- Action.",
          "To set Rename Criteria press :- Rename Criteria.", "To process single file"}},
        {"free, automatic selection found nothing, Delete, undo possible",
         [] { S.SelKind = 2, S.ActionIndex = 6, S.ActionName = "Delete", S.UndoAvailable = true; },
         {"Change your selection criteria.", "To undo last Action press :- Undo.\r\nTo change Action",
          "You are trying to Delete files.", "To access Easy Process"}},
        {"free, automatic selection still finds files in the list, none selected",
         [this] {
             S.SelKind = 3, S.SelectionMode = "ByExtension", S.SelExtension = "txt";
             windows.ShowList(FileList::Work, {"a.jpg", "b.TXT"}, {});
         },
         {"No file is selected now, but your selection criteria find files.", "To change Action",
          "To set Rename Criteria press", "To access Easy Process"}},
        {"free, automatic selection finds nothing in the list",
         [this] {
             S.SelKind = 3, S.SelectionMode = "ByExtension", S.SelExtension = "png";
             windows.ShowList(FileList::Work, {"a.jpg", "b.TXT"}, {});
         },
         {"Change your selection criteria.", "To change Action", "To set Rename Criteria press",
          "To access Easy Process"}},
        {"free, all files from beyond the end of the list",
         [this] {
             S.SelKind = 1, S.SelectionMode = "All", S.SelSkip = 2;
             windows.ShowList(FileList::Work, {"a.jpg", "b.TXT"}, {});
         },
         {"Change your selection criteria.", "To change Action", "To set Rename Criteria press",
          "To access Easy Process"}},
        {"free, selection, Copy",
         [] { S.HasSelection = 1, S.ActionIndex = 4, S.ActionName = "Copy"; },
         {"To check for possible conflict press :- Finalize.", "To change Action",
          "To change Destination press", "To process single file"}},
        {"free, selection, Rename without criteria",
         [] { S.HasSelection = 1; },
         {"Rename Criteria is not set.", "To change Action", "To set Rename Criteria: press", "To process"}},
        {"free, selection, Rename with criteria",
         [] { S.HasSelection = 1, S.CriteriaCount = 2; },
         {"To Preview Renaming press :- Preview.", "To change Action", "To set Rename Criteria: press",
          "To process"}},
        {"free, selection, Set Attribute",
         [] { S.HasSelection = 1, S.ActionIndex = 7; },
         {"", "To change Action", "", "To process single file"}},
        {"locked, ready to rename",
         [] {
             S.ViewLocked = true, S.ReadyToFinalize = true, S.ActionName = "Move And Rename",
             S.ActionIndex = 3;
         },
         {"", "Press :- Move button to Move And Rename.\r\nPress :- Cancel to cancel.",
          "Everything else is disabled now.", ""}},
        {"locked, Delete ready with files",
         [] {
             S.ViewLocked = true, S.ReadyToFinalize = true, S.ActionName = "Delete", S.ActionIndex = 6;
             S.HasSelection = 1;
         },
         {"", "Press :- Delete button to Delete.", "You can select files.", ""}},
        {"locked, Set Attribute ready in review mode: no Cancel, no action",
         [] {
             S.ViewLocked = true, S.ReadyToFinalize = true, S.ActionName = "Set Attribute", S.ActionIndex = 7;
             S.HasSelection = 1, S.ReviewMode = 1;
         },
         {"", "Review Mode is on: the files are not changed.\r\nTo Set Attribute them press :- Action",
          "You can select files. To cancel reset Action", ""}},
        {"locked, Set Attribute without files",
         [] { S.ViewLocked = true, S.ActionName = "Set Attribute", S.ActionIndex = 7; },
         {"", "Select files to Set Attribute.", "To cancel reset Action", ""}},
        {"panel Family",
         [] { S.PanelOpen = true, S.PanelKey = "Family"; },
         {"", "Select Program if not selected already.", "Quorvan will exit", "You must finish with Run"}},
        {"panel Help, no help at start",
         [] { S.PanelOpen = true, S.PanelKey = "Help"; },
         {"", "", "If you want to view Help", "You must finish with Help"}},
        {"panel Selection",
         [] { S.PanelOpen = true, S.PanelKey = "Selection"; },
         {"While setting File Selection", "1. Current and old", "Pressing Cancel",
          "You must finish or cancel"}},
        {"Easy Process",
         [] { S.EasyProcessMode = true, S.PanelOpen = true, S.PanelKey = "Selection"; },
         {"", "To change Action press :- Action.", "", "To process multiple files"}},
        {"busy",
         [] { S.JobBusy = true, S.EasyProcessMode = true; },
         {"", "", "Working.....Please Wait.", ""}},
        {"criteria dialog wins",
         [] { S.CriteriaHelpShown = true, S.JobBusy = true, S.PanelOpen = true; },
         {"Set renaming options.", "Order of action", "2 :- a.Insert", "To be able to set Priority"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetState();
        windows.ShowList(FileList::Work, {});
        c.set();
        const LittleHelpTexts t = LittleHelp();
        for (int i = 0; i < 4; ++i) {
            const QString want = QString::fromUtf8(c.starts[i]);
            if (want.isEmpty())
                EXPECT_TRUE(t.info[i].isEmpty()) << i << ": " << t.info[i].toStdString();
            else
                EXPECT_TRUE(t.info[i].startsWith(want)) << i << ": " << t.info[i].toStdString();
        }
    }
}

TEST_F(LittleHelpTest, CaptionsPluralsAndTheOneFile) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    S.WorkPath = WithTrailingSlash(work.path());
    QFile f(S.WorkPath + "b.bin");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3000, 'x'));
    f.close();

    EXPECT_EQ(LittleHelp().selection, "Select File");
    EXPECT_FALSE(LittleHelp().resetVisible);
    S.SelectionMode = "All";
    EXPECT_EQ(LittleHelp().selection, "0 File Selected");
    S.HasSelection = 1, S.SelectedCount = 1;
    EXPECT_EQ(LittleHelp().selection, "1 File Selected");
    S.SelectedCount = 2;
    EXPECT_EQ(LittleHelp().selection, "2 Files Selected");
    EXPECT_TRUE(LittleHelp().resetVisible);

    S.ReadyToFinalize = true;
    S.PreviewNames = {"x"};
    EXPECT_EQ(LittleHelp().listHead, "New Name - File to be Renamed");
    S.PreviewNames = {"x", "y"};
    EXPECT_EQ(LittleHelp().listHead, "New Names - Files to be Renamed");
    // Delete and Set Attribute list the selected files, not new names.
    S.ActionName = "Set Attribute";
    EXPECT_EQ(LittleHelp().listHead, "");
    S.ComboFile1 = {"a.txt", "b.bin"};
    EXPECT_EQ(LittleHelp().listHead, "Files Attribute to be changed");
    S.PreviewNames.clear();
    S.ComboFile1 = {"a.txt"};
    S.ActionName = "Delete";
    EXPECT_EQ(LittleHelp().listHead, "File to be Deleted");
    S.ComboFile1.clear();

    // Exactly one selected entry: its own position and size, wherever the focus is.
    windows.ShowList(FileList::Work, {"a.txt", "b.bin", "c.txt"}, {"b.bin"});
    EXPECT_EQ(LittleHelp().fileNum, "File # 2 : 4KB");
    windows.ShowList(FileList::Work, {"a.txt", "b.bin", "c.txt"}, {"a.txt", "b.bin"});
    EXPECT_EQ(LittleHelp().fileNum, "");
    windows.ShowList(FileList::Work, {"a.txt", "b.bin", "c.txt"}, {"c.txt"});  // gone from the disk
    EXPECT_EQ(LittleHelp().fileNum, "File # 3 : 0KB");

    S.FrameKey = "InfoFrame";
    EXPECT_EQ(LittleHelp().priority, "Priority : To access press Hide.");
    EXPECT_TRUE(LittleHelp().head.startsWith("Little Help is being shown"));
    S.ViewLocked = true;
    EXPECT_EQ(LittleHelp().priority, "Priority :");
}

}  // namespace
}  // namespace qv::test
