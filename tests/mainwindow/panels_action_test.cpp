// The Action panel: its layout, prompts and OK for each action, the commit's captions and count, the
// overwrite and attribute rules, and the destination chosen in the folder dialog behind it.
#include "panels_fixture.h"

namespace qv::test {
namespace {

const QString kCopyMust =
    QStringLiteral("Must select a different Folder to Copy. Press Set Destination to select Folder.");
const QString kMoveMust =
    QStringLiteral("Must select a different Folder to Move. Press Set Destination to select Folder.");
const QString kAttributeMust = QStringLiteral("Must select an Attribute to set Attribute.");

class ActionPanel : public PanelsTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        OpenWork({"a.txt", "b.txt"});
    }
    void Open() { ClickIn(M().CommandAction); }
    // The folder dialog as the user leaves it: browsed to a folder and confirmed or cancelled.
    void Browse(const QString& folder) { frmMove().Dir1->SetPath(folder); }
};

TEST_F(ActionPanel, LayoutPromptAndOkForEveryAction) {
    struct Row {
        int action;
        QString must;
        bool browse, overwrite, warning, attribute, line, okWithoutDest, okWithDest;
    };
    const Row rows[] = {
        {0, "", false, false, false, false, false, false, false},
        {1, kCopyMust, true, true, false, false, true, false, true},
        {2, kCopyMust, true, true, false, false, true, false, true},
        {3, kMoveMust, true, false, false, false, false, false, true},
        {4, kCopyMust, true, true, false, false, true, false, true},
        {5, kMoveMust, true, false, false, false, false, false, true},
        {6, "", false, false, true, false, true, true, true},
        {7, kAttributeMust, false, false, false, true, true, false, false},
    };
    for (bool destination : {false, true}) {
        S.DestPath = destination ? dest_ + "/" : S.WorkPath;
        S.DestPathChosen = destination;
        for (const Row& r : rows) {
            SCOPED_TRACE(::testing::Message() << "action " << r.action << (destination ? " with" : " without")
                                              << " a destination");
            Open();
            Choose(M().OptionAction[r.action]);
            EXPECT_EQ(M().LabelActionMust->Caption(), destination && r.browse ? QString() : r.must);
            EXPECT_EQ(M().CommandActionBrowse->Enabled(), r.browse);
            EXPECT_EQ(M().CheckActionOverwrite->Visible(), r.overwrite);
            EXPECT_EQ(M().LabelActionOverwrite->Visible(), r.overwrite);
            EXPECT_EQ(M().LabelActionWarning->Visible(), r.warning);
            EXPECT_EQ(M().FrameAttribute->Visible(), r.attribute);
            EXPECT_EQ(M().LineAction->Visible(), r.line);
            EXPECT_EQ(M().CommandActionOK->Enabled(), destination ? r.okWithDest : r.okWithoutDest);
            ClickIn(M().CommandActionCancel);
            EXPECT_TRUE(M().OptionAction[0]->Value());  // the committed action shown again
        }
    }
}

TEST_F(ActionPanel, ReviewModeAndAttributeDecideOk) {
    Open();
    EXPECT_FALSE(M().CommandActionOK->Enabled());
    ASSERT_TRUE(click(*M().CheckActionMode));
    EXPECT_TRUE(M().CommandActionOK->Enabled());  // Rename in review mode is a change
    EXPECT_EQ(M().CheckActionMode->ForeColor(), Colour(0xFF0000));
    Choose(M().OptionAction[6]);
    EXPECT_FALSE(M().LabelActionWarning->Visible());  // no warning when nothing will be deleted
    ASSERT_TRUE(click(*M().CheckActionMode));
    EXPECT_TRUE(M().LabelActionWarning->Visible());
    Choose(M().OptionAction[7]);
    EXPECT_FALSE(M().CommandActionOK->Enabled());
    Choose(M().OptionAttribute[3]);
    EXPECT_TRUE(M().CommandActionOK->Enabled());
    EXPECT_EQ(M().LabelActionMust->Caption(), "");
    Choose(M().OptionAttribute[0]);
    EXPECT_FALSE(M().CommandActionOK->Enabled());
    EXPECT_EQ(M().LabelActionMust->Caption(), "Must select an Attribute to Set Attribute");
    Choose(M().OptionAttribute[3]);
    ClickIn(M().CommandActionOK);
    EXPECT_EQ(S.ActionName, "Set Attribute");
    EXPECT_EQ(M().TextActionDestination->Text(), "Hidden");
    EXPECT_EQ(M().LabelActionDestination->Caption(), "Attribute :");
}

TEST_F(ActionPanel, CommitsCountAndCaptionTheAction) {
    struct Step {
        int action;
        bool overwrite;
        QString caption, job, preview;
        int nonDefault;
        bool overwriteKept;
    };
    const Step steps[] = {
        {4, true, "Copy : Overwrite Confirmed", "Copy", "Finalize", 1, true},
        {5, false, "Move", "Move", "Finalize", 1, false},  // the tick left from Copy does not survive
        {1, false, "Rename And Copy", "Rename+Copy", "Preview", 1, false},
        {0, false, "Rename", "Rename", "Preview", 0, false},
    };
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.caption.toStdString());
        Open();
        Choose(M().OptionAction[s.action]);
        if (s.overwrite) {
            ASSERT_TRUE(click(*M().CheckActionOverwrite));
        }
        ClickIn(M().CommandActionOK);
        EXPECT_FALSE(M().FrameAction->Visible());
        EXPECT_EQ(M().FrameDisplayAction->Caption(), s.caption);
        EXPECT_EQ(M().LabelJob->Caption(), s.job);
        EXPECT_EQ(M().FramePreview->Caption(), s.preview);
        EXPECT_EQ(S.NonDefaultCount, s.nonDefault);
        EXPECT_EQ(S.OverwriteConfirmed, s.overwriteKept);
        EXPECT_FALSE(S.ViewLocked);
    }
}

TEST_F(ActionPanel, AnOverwriteTickedAndCancelledIsNotCommittedLater) {
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    CommitAction(4);
    Open();
    ASSERT_TRUE(click(*M().CheckActionOverwrite));
    ClickIn(M().CommandActionCancel);
    Open();
    EXPECT_EQ(M().CheckActionOverwrite->Value(), 0);
    Choose(M().OptionAction[2]);
    ClickIn(M().CommandActionOK);
    EXPECT_EQ(M().FrameDisplayAction->Caption(), "Copy And Rename");
    EXPECT_FALSE(S.OverwriteConfirmed);
}

TEST_F(ActionPanel, SetAttributeWithoutAnAttributeKeepsTheCommittedAction) {
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    S.OverwritePending = true;
    CommitAction(4);
    Open();
    Choose(M().OptionAction[7]);
    ASSERT_FALSE(M().CommandActionOK->Enabled());
    S.PanelKey = QStringLiteral("Action");
    SetValueByKey();  // a commit that gets here all the same
    EXPECT_EQ(S.ActionIndex, 4);
    EXPECT_EQ(S.ActionName, "Copy");
    EXPECT_EQ(S.EditActionIndex, 4);
    EXPECT_FALSE(S.OverwritePending);
    EXPECT_FALSE(M().FrameAction->Visible());
}

TEST_F(ActionPanel, TheDestinationIsChosenInTheFolderDialog) {
    S.DestPath = S.WorkPath;  // none chosen yet
    Open();
    Choose(M().OptionAction[5]);
    ClickIn(M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    EXPECT_EQ(frmMove().Caption(), "Set Destination");
    EXPECT_TRUE(S.MoveDestinationMode);
    EXPECT_FALSE(M().CommandActionBrowse->Enabled());
    EXPECT_EQ(frmMove().TextActionMovePath->Text(), "");  // no destination yet
    EXPECT_FALSE(frmMove().CommandActionMoveOK->Enabled());
    Browse(dest_);
    EXPECT_EQ(frmMove().LabelActionMoveHead->Caption(), "Move To This Folder :");
    ASSERT_TRUE(click(*frmMove().CommandActionMoveOK));
    EXPECT_FALSE(frmMove().Visible());
    // The dialog's OK commits the open panel.
    EXPECT_EQ(S.DestPath, dest_ + "/");
    EXPECT_EQ(S.ActionName, "Move");
    EXPECT_EQ(M().TextActionDestination->Text(), dest_ + "/");
    EXPECT_EQ(M().LabelActionDestination->Caption(), "Move To :");
    EXPECT_FALSE(M().FrameAction->Visible());
    EXPECT_FALSE(S.ViewLocked);
    EXPECT_TRUE(S.PanelKey.isEmpty());
}

// The folder the program started in is no destination: Copy and Move wait until the user chooses
// one, and one chosen for an earlier commit serves the later ones.
TEST_F(ActionPanel, TheStartFolderIsNoDestinationUntilChosen) {
    ASSERT_EQ(S.DestPath, prog_);
    ASSERT_NE(S.DestPath, S.WorkPath);
    for (int action : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(action);
        Open();
        Choose(M().OptionAction[action]);
        EXPECT_FALSE(M().CommandActionOK->Enabled());
        EXPECT_EQ(M().LabelActionMust->Caption(), action == 3 || action == 5 ? kMoveMust : kCopyMust);
        ClickIn(M().CommandActionCancel);
    }
    Open();
    Choose(M().OptionAction[5]);
    ClickIn(M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    EXPECT_EQ(frmMove().Dir1->Path(), work_);
    EXPECT_EQ(frmMove().TextActionMovePath->Text(), "");
    EXPECT_FALSE(frmMove().CommandActionMoveOK->Enabled());
    Browse(dest_);
    ASSERT_TRUE(click(*frmMove().CommandActionMoveOK));
    ASSERT_EQ(S.ActionName, "Move");
    Open();
    Choose(M().OptionAction[4]);
    EXPECT_TRUE(M().CommandActionOK->Enabled());
    EXPECT_EQ(M().LabelActionMust->Caption(), "");
    ClickIn(M().CommandActionOK);
    EXPECT_EQ(M().TextActionDestination->Text(), dest_ + "/");
}

TEST_F(ActionPanel, WhileTheDialogIsOpenThePanelWaitsAndCancelRestoresFolderAndAction) {
    QDir().mkpath(root_ + "/other");
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    CommitAction(4);
    frmMove().Dir1->SetPath(dest_);
    S.MoveLastPath = dest_;
    Open();
    Choose(M().OptionAction[5]);
    ClickIn(M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    Browse(root_ + "/other");
    // OK and Cancel of the panel behind the dialog do nothing, whatever reaches them.
    ASSERT_TRUE(M().CommandActionOK->Enabled());
    M().CommandActionOK->Click();
    M().CommandActionCancel->Click();
    M().CommandAction->Click();
    EXPECT_TRUE(M().FrameAction->Visible());
    EXPECT_EQ(S.PanelKey, "Action");
    EXPECT_EQ(S.ActionName, "Copy");
    ASSERT_TRUE(click(*frmMove().CommandActionMoveCancel));
    EXPECT_FALSE(frmMove().Visible());
    EXPECT_EQ(S.DestPath, dest_ + "/");
    EXPECT_EQ(frmMove().Dir1->Path(), dest_);
    EXPECT_EQ(S.EditActionIndex, 4);
    EXPECT_TRUE(M().OptionAction[4]->Value());
    EXPECT_TRUE(M().FrameAction->Visible());
    EXPECT_TRUE(M().CommandActionBrowse->Enabled());
    EXPECT_FALSE(S.MoveDestinationMode);
    ClickIn(M().CommandActionCancel);
    EXPECT_EQ(S.ActionName, "Copy");
    EXPECT_FALSE(M().FrameAction->Visible());
}

TEST_F(ActionPanel, SetDestinationOpensOnTheDestinationNotOnThePictureFolder) {
    const QString pics = root_ + "/pics";
    QDir().mkpath(pics);
    Open();
    Choose(M().OptionAction[4]);
    ClickIn(M().CommandActionBrowse);
    Browse(dest_);
    ASSERT_TRUE(click(*frmMove().CommandActionMoveOK));
    ASSERT_EQ(S.DestPath, dest_ + "/");

    ASSERT_TRUE(click(*M().CommandViewChoice));
    ASSERT_TRUE(click(*M().CommandChoiceSetPic));
    ASSERT_TRUE(frmMove().Visible());
    Browse(pics);
    ASSERT_TRUE(click(*frmMove().CommandActionMoveCancel));

    Open();
    Choose(M().OptionAction[5]);
    ClickIn(M().CommandActionOK);
    ASSERT_EQ(S.ActionName, "Move");
    Open();
    ClickIn(M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    EXPECT_EQ(frmMove().Dir1->Path(), dest_);
    EXPECT_EQ(frmMove().TextActionMovePath->Text(), dest_ + "/");
}

TEST_F(ActionPanel, SetDestinationDoesNothingForActionsWithoutOne) {
    for (int action : {0, 6, 7}) {
        SCOPED_TRACE(action);
        Open();
        Choose(M().OptionAction[action]);
        M().CommandActionBrowse->Click();
        EXPECT_FALSE(frmMove().Visible());
        EXPECT_FALSE(S.MoveDestinationMode);
        ClickIn(M().CommandActionCancel);
    }
}

TEST_F(ActionPanel, ClearActionCommitsRenameWithoutReviewMode) {
    S.DestPath = dest_ + "/";
    S.DestPathChosen = true;
    S.ReviewModePending = 1;
    CommitAction(4);
    ASSERT_EQ(S.NonDefaultCount, 1);
    ClickIn(M().CommandClearAction);
    EXPECT_EQ(S.ActionName, "Rename");
    EXPECT_EQ(S.ReviewMode, 0);
    EXPECT_EQ(S.NonDefaultCount, 0);
    EXPECT_FALSE(M().LabelReviewMode->Visible());
}

}  // namespace
}  // namespace qv::test
