// The main road through the window: select, Preview, the action button, Undo and Reject, for each
// action, on real folders; and the faults of the road that are mended.
#include <QFile>
#include <QFileInfo>

#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

void OK(Form& f) {
    static_cast<FrmMessage&>(f).CommandOK->UserClicks();
}

class JobRoad : public WindowTest {
  protected:
    void Preview() { ASSERT_TRUE(click(*M().CommandPreview)); }
    void Finalize() { ASSERT_TRUE(click(*M().CommandJob)); }
};

struct RoadCase {
    const char* label;
    int action;
    int attribute;
    bool renames;
    QStringList work;  // the work folder afterwards
    QStringList dest;  // the destination afterwards
};

TEST_F(JobRoad, EachActionPreviewsActsAndUndoes) {
    const QStringList start{"IMG_1.jpg", "IMG_2.jpg", "notes.txt"};
    const RoadCase cases[] = {
        {"Rename", 0, 0, true, {"2024_IMG_1.jpg", "2024_IMG_2.jpg", "notes.txt"}, {}},
        {"Rename And Copy",
         1,
         0,
         true,
         {"2024_IMG_1.jpg", "2024_IMG_2.jpg", "notes.txt"},
         {"2024_IMG_1.jpg", "2024_IMG_2.jpg"}},
        {"Copy And Rename", 2, 0, true, start, {"2024_IMG_1.jpg", "2024_IMG_2.jpg"}},
        {"Move And Rename", 3, 0, true, {"notes.txt"}, {"2024_IMG_1.jpg", "2024_IMG_2.jpg"}},
        {"Copy", 4, 0, false, start, {"IMG_1.jpg", "IMG_2.jpg"}},
        {"Move", 5, 0, false, {"notes.txt"}, {"IMG_1.jpg", "IMG_2.jpg"}},
        {"Delete", 6, 0, false, {"notes.txt"}, {}},
        {"Set Attribute", 7, 2, false, start, {}},
    };
    for (const RoadCase& c : cases) {
        SCOPED_TRACE(c.label);
        QDir(work_).removeRecursively();
        QDir(dest_).removeRecursively();
        QDir().mkpath(dest_);
        Go(dest_);
        OpenWork(start);
        CommitAction(c.action, c.attribute);
        ASSERT_EQ(S.ActionName, QLatin1String(c.label));
        if (c.renames) {
            InsertAtStart("2024_");
            RenameSet();
        }
        SelectByHand({"IMG_1.jpg", "IMG_2.jpg"});
        EXPECT_EQ(S.ComboFile1, QStringList({"IMG_1.jpg", "IMG_2.jpg"}));
        ASSERT_TRUE(click(*M().CommandFileSize));
        EXPECT_TRUE(M().LabelSpaceNeed->Visible());
        EXPECT_TRUE(caption(*M().LabelSpaceNeed).startsWith("Selected Files : 2"));
        if (c.action < 6) {
            EXPECT_TRUE(On(M().CommandPreview));
            EXPECT_FALSE(M().CommandJob->Enabled());
            Preview();
            EXPECT_EQ(Listed(), c.renames ? QStringList({"2024_IMG_1.jpg", "2024_IMG_2.jpg"})
                                          : QStringList({"IMG_1.jpg", "IMG_2.jpg"}));
            EXPECT_TRUE(S.ViewLocked);
        } else {
            // Nothing to build or check: the files to act on are listed and the action is ready.
            EXPECT_FALSE(M().CommandPreview->Enabled());
            EXPECT_EQ(Listed(), QStringList({"IMG_1.jpg", "IMG_2.jpg"}));
            EXPECT_EQ(caption(*M().LabelListFile),
                      c.action == 6 ? "Files to be Deleted" : "Files Attribute to be changed");
        }
        ASSERT_TRUE(M().CommandJob->Enabled());
        Finalize();
        EXPECT_EQ(FilesIn(work_), c.work);
        EXPECT_EQ(FilesIn(dest_), c.dest);
        EXPECT_FALSE(S.ViewLocked);
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_TRUE(S.ComboFile1.isEmpty());
        // The size shown was of the files just acted on.
        EXPECT_FALSE(M().LabelSpaceNeed->Visible());
        if (c.action == 7) {
            EXPECT_FALSE((QFileInfo(work_ + "/IMG_1.jpg").permissions() & QFile::WriteOwner));
        }
        if (c.action == 6) {
            // Delete has no undo, and resets every setting.
            EXPECT_FALSE(M().CommandUndo->Enabled());
            EXPECT_EQ(S.ActionIndex, 0);
            continue;
        }
        ASSERT_TRUE(M().CommandUndo->Enabled());
        ASSERT_TRUE(click(*M().CommandUndo));
        EXPECT_EQ(FilesIn(work_), start);
        EXPECT_TRUE(FilesIn(dest_).isEmpty());
        EXPECT_FALSE(M().CommandUndo->Enabled());
        if (c.action == 7) {
            EXPECT_TRUE((QFileInfo(work_ + "/IMG_1.jpg").permissions() & QFile::WriteOwner));
        }
        if (c.renames) {
            ASSERT_TRUE(click(*M().CommandClearRename));
        }
    }
}

// An action leaves nothing selected: the same automatic rule is offered again and selects again.
TEST_F(JobRoad, TheSameRuleSelectsAgainAfterAnAction) {
    S.SkipUndoWarning = true;
    OpenWork({"a.txt", "b.txt", "c.jpg"});
    CommitRule(3, -1, 100, 0, 0, "txt");
    InsertAtStart("2024_");
    RenameSet();
    ASSERT_EQ(S.SelectedCount, 2);
    Preview();
    Finalize();
    ASSERT_EQ(FilesIn(work_), QStringList({"2024_a.txt", "2024_b.txt", "c.jpg"}));
    EXPECT_EQ(S.HasSelection, 0);
    EXPECT_TRUE(caption(*M().LabelInfo1).startsWith("No file is selected now, but your selection"))
        << caption(*M().LabelInfo1).toStdString();
    ASSERT_TRUE(click(*M().CommandSelection));
    ASSERT_TRUE(M().FrameSelection->Visible());
    ASSERT_TRUE(M().CommandSelectionOK->Enabled());
    ASSERT_TRUE(click(*M().CommandSelectionOK));
    EXPECT_FALSE(M().FrameSelection->Visible());
    EXPECT_EQ(S.ComboFile1, QStringList({"2024_a.txt", "2024_b.txt"}));
    EXPECT_EQ(caption(*M().LabelSelectFile), "2 Files Selected");
    // Selected again, the unchanged rule has nothing new to do.
    ASSERT_TRUE(click(*M().CommandSelection));
    EXPECT_FALSE(M().CommandSelectionOK->Enabled());
}

// A table left with built names (a conflict report answered OK, a free-space refusal) must not have the
// criteria applied twice when the criteria are committed again.
TEST_F(JobRoad, NamesAreNeverBuiltTwice) {
    struct Case {
        const char* label;
        int action;
        std::function<void()> block;
    } cases[] = {
        {"conflict report answered OK", 0, [this] { MakeFile(work_ + "/2024_b.txt"); }},
        {"free space refused", 1, [] { S.DestFreeKB = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        S.SkipUndoWarning = true;
        QDir(work_).removeRecursively();
        QDir(dest_).removeRecursively();
        QDir().mkpath(dest_);
        Go(dest_);
        OpenWork({"a.txt", "b.txt"});
        c.block();
        Go(work_ + "/..");
        Go(work_);
        CommitAction(c.action);
        InsertAtStart("2024_");
        RenameSet();
        SelectByHand({"a.txt", "b.txt"});
        {
            ModalScript script;
            script.expect(kMessageBox, OK);
            Preview();
        }
        ASSERT_FALSE(S.ReadyToFinalize);
        S.DestFreeKB = 1 << 30;
        RenameSet();  // e.g. the criteria dialog's OK again
        Preview();
        ASSERT_TRUE(S.ReadyToFinalize);
        EXPECT_EQ(Listed().first(), "2024_a.txt");
        Finalize();
        EXPECT_TRUE(FilesIn(work_).contains("2024_a.txt"));
        EXPECT_FALSE(FilesIn(work_).contains("2024_2024_a.txt"));
    }
}

TEST_F(JobRoad, FolderChangeInManualModeDropsTheWholeSelection) {
    OpenWork({"a.txt", "b.txt"});
    MakeFile(root_ + "/other/a.txt");
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    ASSERT_TRUE(M().CommandPreview->Enabled());
    Go(root_ + "/other");
    EXPECT_EQ(S.HasSelection, 0);
    EXPECT_TRUE(S.ComboFile1.isEmpty());
    EXPECT_FALSE(S.NamesToBuild);
    EXPECT_FALSE(M().CommandPreview->Enabled());
    M().CommandPreview_Click();
    EXPECT_EQ(FilesIn(root_ + "/other"), QStringList{"a.txt"});
    EXPECT_TRUE(Listed().isEmpty());
}

TEST_F(JobRoad, UndoLeavesNoSelectionBehind) {
    OpenWork({"a.txt", "b.txt"});
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    Preview();
    Finalize();
    SelectByHand({"b.txt"});  // a new selection, then the old action undone
    ASSERT_EQ(S.HasSelection, 1);
    {
        ModalScript script;
        script.expect(kMessageBox, OK);  // the selection will be reset
        ASSERT_TRUE(click(*M().CommandUndo));
    }
    EXPECT_EQ(FilesIn(work_), QStringList({"a.txt", "b.txt"}));
    EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
    EXPECT_EQ(S.HasSelection, 0);
    EXPECT_TRUE(S.ComboFile1.isEmpty());
    EXPECT_FALSE(M().CommandPreview->Enabled());
}

TEST_F(JobRoad, FinalizeWithNothingReadyKeepsTheOldUndoAndAsksNothing) {
    OpenWork({"a.txt", "b.txt"});
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    Preview();
    Finalize();
    ASSERT_TRUE(S.UndoAvailable);
    ASSERT_FALSE(S.ReadyToFinalize);
    M().CommandJob_Click();  // any box shown fails the test
    EXPECT_TRUE(S.UndoAvailable);

    // With a preview ready the question comes, and No keeps both the undo and the preview.
    SelectByHand({"b.txt"});
    Preview();
    {
        ModalScript script;
        script.expect(kMessageBox, [](Form& f) { static_cast<FrmMessage&>(f).CommandCancel->UserClicks(); });
        Finalize();
    }
    EXPECT_TRUE(S.UndoAvailable);
    EXPECT_TRUE(S.ReadyToFinalize);
    EXPECT_EQ(FilesIn(work_), QStringList({"Xa.txt", "b.txt"}));
}

TEST_F(JobRoad, AClickDuringAReadyPreviewIsTakenBackByName) {
    OpenWork({"b.txt", "c.txt", "d.txt"});
    InsertAtStart("X");
    SelectByHand({"c.txt", "d.txt"});
    Preview();
    ASSERT_TRUE(S.ReadyToFinalize);
    MakeFile(work_ + "/a.txt");  // appears on disk before the listed ones
    clickFile(*M().File1, "b.txt");
    EXPECT_EQ(selectedItems(*M().File1), QStringList({"c.txt", "d.txt"}));
    EXPECT_EQ(S.ComboIndex, QStringList({"2", "3"}));
    Finalize();
    EXPECT_EQ(FilesIn(work_), QStringList({"Xc.txt", "Xd.txt", "a.txt", "b.txt"}));
}

TEST_F(JobRoad, RejectTakesEachKindBack) {
    OpenWork({"a.txt", "b.txt"});
    // A rename: the preview list empties and the rows hold the present names again.
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    Preview();
    ASSERT_TRUE(click(*M().CommandReject));
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(S.ComboName, QStringList{"a"});
    EXPECT_TRUE(S.NamesToBuild);
    EXPECT_FALSE(S.ViewLocked);
    EXPECT_EQ(FilesIn(work_), QStringList({"a.txt", "b.txt"}));

    // A copy: checked again on the next Finalize.
    CommitAction(4);
    Preview();
    ASSERT_TRUE(S.ReadyToFinalize);
    ASSERT_TRUE(click(*M().CommandReject));
    EXPECT_TRUE(S.ConflictCheckDue);
    EXPECT_EQ(S.ActionIndex, 4);

    // A delete: back to Rename with nothing selected.
    CommitAction(6);
    ASSERT_TRUE(S.ReadyToFinalize);
    ASSERT_TRUE(click(*M().CommandReject));
    EXPECT_EQ(S.ActionName, "Rename");
    EXPECT_EQ(S.HasSelection, 0);
    EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
    EXPECT_EQ(caption(*M().FrameDisplayAction), "Rename");

    // In review mode a delete cannot be rejected: it keeps its action and its selection.
    S.ReviewModePending = 1;
    CommitAction(6);
    SelectByHand({"b.txt"});
    ASSERT_TRUE(S.ReadyToFinalize);
    EXPECT_FALSE(M().CommandReject->Enabled());
    M().CommandReject_Click();
    EXPECT_EQ(S.ActionIndex, 6);
    EXPECT_EQ(S.HasSelection, 1);
    EXPECT_EQ(FilesIn(work_), QStringList({"a.txt", "b.txt"}));
}

TEST_F(JobRoad, ReviewModeRefusesFinalizeAndUndo) {
    OpenWork({"a.txt"});
    S.ReviewModePending = 1;
    CommitAction(0);
    EXPECT_TRUE(M().LabelReviewMode->Visible());
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    Preview();
    ASSERT_TRUE(S.ReadyToFinalize);
    std::vector<QString> seen;
    ModalScript script;
    auto note = [&seen](Form& f) {
        seen.push_back(static_cast<FrmMessage&>(f).LabelMessage->Caption());
        OK(f);
    };
    script.expect(kMessageBox, note).expect(kMessageBox, note);
    Finalize();
    M().CommandUndo_Click();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].startsWith("You are running the Program in Review Mode."));
    EXPECT_EQ(FilesIn(work_), QStringList{"a.txt"});
}

TEST_F(JobRoad, PreviewIsOffOnceTheConflictReportUnselectedEveryFile) {
    OpenWork({"Xa.txt", "Xb.txt", "a.txt", "b.txt"});
    InsertAtStart("X");
    SelectByHand({"a.txt", "b.txt"});
    {
        ModalScript script;
        script.expect(kMessageBox, OK);  // the conflicts are unselected
        Preview();
    }
    EXPECT_EQ(S.SelectedCount, 0);
    EXPECT_FALSE(M().CommandPreview->Enabled());
    EXPECT_FALSE(M().CommandJob->Enabled());
}

// A work or destination folder removed by another program before the action: the user is told which,
// nothing is acted on, and the lists show what is there now.
TEST_F(JobRoad, AFolderRemovedBeforeTheActionIsNamed) {
    struct Case {
        const char* label;
        int action;
        bool destination;    // the destination goes, else the work folder
        bool beforePreview;  // removed before Preview, else between Preview and the action
    } cases[] = {
        {"work folder after Preview", 0, false, false},
        {"destination after Preview", 4, true, false},
        {"destination before Preview", 5, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QDir().mkpath(dest_);
        Go(root_);
        OpenWork({"a.txt", "b.txt"});
        CommitAction(c.action);
        if (c.action == 0)
            InsertAtStart("X");
        SelectByHand({"a.txt"});
        const QString gone = c.destination ? dest_ : work_;
        if (c.beforePreview)
            QDir(gone).removeRecursively();
        else
            Preview();
        QStringList said;
        {
            ModalScript script;
            script.expect(kMessageBox, [&said](Form& f) {
                said << static_cast<FrmMessage&>(f).LabelMessage->Caption();
                OK(f);
            });
            if (c.beforePreview) {
                Preview();
            } else {
                ASSERT_TRUE(S.ReadyToFinalize);
                QDir(gone).removeRecursively();
                Finalize();
            }
        }
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith("The Folder " + gone + " does not exist any more."))
            << said[0].toStdString();
        EXPECT_FALSE(S.ReadyToFinalize);
        EXPECT_FALSE(S.ViewLocked);
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_EQ(S.HasSelection, 0);
        EXPECT_FALSE(M().CommandPreview->Enabled());
        EXPECT_FALSE(M().CommandJob->Enabled());
        EXPECT_FALSE(S.UndoAvailable);
        EXPECT_EQ(M().File1->ListCount(), c.destination ? 2 : 0);
        // The folder list shows the folder the program is in, not the removed one.
        EXPECT_EQ(M().Dir1->Path(), c.destination ? work_ : root_);
        EXPECT_EQ(S.WorkPath, (c.destination ? work_ : root_) + "/");
        if (c.destination) {
            EXPECT_EQ(FilesIn(work_), QStringList({"a.txt", "b.txt"}));
        }
    }
}

TEST_F(JobRoad, ARuleAppliedAfterTheWorkFolderWentSelectsNothing) {
    OpenWork({"a.txt", "b.txt"});
    QDir(work_).removeRecursively();
    CommitRule(1, 0, 0, 0);  // every file
    EXPECT_EQ(S.SelectedCount, 0);
    EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
    EXPECT_TRUE(S.ComboFile1.isEmpty());
    EXPECT_FALSE(M().CommandPreview->Enabled());
}

TEST_F(JobRoad, CopyIntoTheWorkFolderIsRefused) {
    OpenWork({"a.txt"});
    CommitAction(4);
    S.DestPath = S.WorkPath;
    SelectByHand({"a.txt"});
    std::vector<QString> seen;
    ModalScript script;
    script.expect(kMessageBox, [&seen](Form& f) {
        seen.push_back(static_cast<FrmMessage&>(f).LabelMessage->Caption());
        OK(f);
    });
    Preview();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].contains("Source and Destination folder must be different"));
    EXPECT_FALSE(S.ReadyToFinalize);
}

}  // namespace
}  // namespace qv::test
