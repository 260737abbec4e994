// The whole road from the window's own buttons, for every action: an automatic selection from the
// File Selection panel, the action and its destination from the Action panel and the folder dialog,
// the criteria, Preview, the action, the folders on disk, Undo and the folders again.
#include "panels_fixture.h"

namespace qv::test {
namespace {

class PanelRoad : public PanelsTest {};

TEST_F(PanelRoad, EveryActionFromThePanels) {
    struct Case {
        const char* label;
        int action;
        bool renames;
        QStringList work, dest;
    };
    const QStringList start{"IMG_1.jpg", "IMG_2.jpg", "notes.txt"};
    const QStringList renamed{"2024_IMG_1.jpg", "2024_IMG_2.jpg"};
    const QStringList plain{"IMG_1.jpg", "IMG_2.jpg"};
    const Case cases[] = {
        {"Rename", 0, true, {"2024_IMG_1.jpg", "2024_IMG_2.jpg", "notes.txt"}, {}},
        {"Rename And Copy", 1, true, {"2024_IMG_1.jpg", "2024_IMG_2.jpg", "notes.txt"}, renamed},
        {"Copy And Rename", 2, true, start, renamed},
        {"Move And Rename", 3, true, {"notes.txt"}, renamed},
        {"Copy", 4, false, start, plain},
        {"Move", 5, false, {"notes.txt"}, plain},
        {"Delete", 6, false, {"notes.txt"}, {}},
        {"Set Attribute", 7, false, start, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QDir(dest_).removeRecursively();
        QDir().mkpath(dest_);
        Go(dest_);  // away first, so that the work folder is read afresh
        OpenWork(start);

        // The files: by extension.
        ClickIn(M().CommandSelection);
        Choose(M().OptionSelection[3]);
        ASSERT_TRUE(type(*M().TextSelectionString, "jpg"));
        ClickIn(M().CommandSelectionOK);
        ASSERT_EQ(selectedItems(*M().File1), plain);

        // The action, with its destination chosen in the folder dialog.
        ClickIn(M().CommandAction);
        Choose(M().OptionAction[c.action]);
        if (c.action >= 1 && c.action <= 5) {
            ClickIn(M().CommandActionBrowse);
            ASSERT_TRUE(frmMove().Visible());
            frmMove().Dir1->SetPath(dest_);
            ASSERT_TRUE(click(*frmMove().CommandActionMoveOK));
        } else if (c.action == 7) {
            Choose(M().OptionAttribute[2]);
            ClickIn(M().CommandActionOK);
        } else if (c.action == 6) {
            ClickIn(M().CommandActionOK);
        } else {
            ClickIn(M().CommandActionCancel);  // Rename is already the action
        }
        ASSERT_EQ(S.ActionName, QLatin1String(c.label));
        ASSERT_FALSE(M().FrameAction->Visible());

        if (c.renames) {
            ClickIn(M().CommandRenameCriteria);
            ASSERT_TRUE(frmRen().Visible());
            ASSERT_TRUE(click(*frmRen().CommandCancel));
            InsertAtStart("2024_");
            RenameSet();
        } else {
            EXPECT_FALSE(M().CommandRenameCriteria->Enabled());
        }
        EXPECT_EQ(S.ComboFile1, plain);

        if (c.action < 6) {
            ASSERT_TRUE(click(*M().CommandPreview));
            EXPECT_EQ(Listed(), c.renames ? renamed : plain);
        } else {
            EXPECT_EQ(Listed(), plain);
        }
        ASSERT_TRUE(click(*M().CommandJob));
        EXPECT_EQ(FilesIn(work_), c.work);
        EXPECT_EQ(FilesIn(dest_), c.dest);
        if (c.action == 7) {
            EXPECT_FALSE((QFileInfo(work_ + "/IMG_1.jpg").permissions() & QFile::WriteOwner));
        }
        if (c.action == 6) {
            EXPECT_FALSE(M().CommandUndo->Enabled());
            continue;
        }
        ASSERT_TRUE(click(*M().CommandUndo));
        EXPECT_EQ(FilesIn(work_), start);
        EXPECT_TRUE(FilesIn(dest_).isEmpty());
        if (c.action == 7) {
            EXPECT_TRUE((QFileInfo(work_ + "/IMG_1.jpg").permissions() & QFile::WriteOwner));
        }

        // Everything back to its default for the next action.
        ClickIn(M().CommandResetAll);
        EXPECT_EQ(S.ActionIndex, 0);
        EXPECT_EQ(S.SelKind, 0);
        EXPECT_EQ(S.CriteriaCount, 0);
        EXPECT_EQ(S.NonDefaultCount, 0);
    }
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

TEST_F(PanelRoad, EveryOperableControlOfAnOpenPanelHasAName) {
    OpenWork({"a.txt"});
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    struct Panel {
        const char* label;
        CommandButton* FrmMain::*button;
        std::function<void()> inside;
    };
    const Panel panels[] = {
        {"selection", &FrmMain::CommandSelection, [this] { Choose(M().OptionSelection[2]); }},
        {"action", &FrmMain::CommandAction, [this] { Choose(M().OptionAction[4]); }},
        {"attribute", &FrmMain::CommandAction, [this] { Choose(M().OptionAction[7]); }},
        {"options", &FrmMain::CommandRigidity, [] {}},
    };
    for (const Panel& p : panels) {
        SCOPED_TRACE(p.label);
        ClickIn(M().*p.button);
        p.inside();
        EXPECT_EQ(unnamedControls(M()), QStringList());
        ClickIn(M().*p.button);
    }
    ClickIn(M().CommandAction);
    Choose(M().OptionAction[4]);
    ClickIn(M().CommandActionBrowse);
    EXPECT_EQ(unnamedControls(frmMove()), QStringList());
    ASSERT_TRUE(click(*frmMove().CommandActionMoveCancel));
}

}  // namespace
}  // namespace qv::test
