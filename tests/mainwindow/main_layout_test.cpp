// frmMain's layout: where the table puts its frames and lists, every control inside what holds it,
// a name for every control a user can operate on every panel, and the members let go on unload.
#include <QWidget>

#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

class MainLayoutTest : public WindowTest {};

TEST_F(MainLayoutTest, FramesAndListsSitWhereTheTableSays) {
    const struct {
        const char* name;
        int left, top;  // pixels on the window, twips inside a frame
    } table[] = {
        {"FrameDisplaySelection", 8, 16},
        {"FrameSelection", 32, 16},
        {"FrameRigidity", 216, 16},
        {"FrameDisplayAction", 224, 16},
        {"FrameAction", 248, 16},
        {"FrameHelp", 272, 16},
        {"FrameRun", 400, 16},
        {"FrameAttribute", 3120, 240},
        {"LabelActionWarning", 3120, 960},
        {"Dir1", 8, 120},
        {"File1", 224, 112},
        {"File2", 224, 112},
        {"List1", 440, 112},
        {"FrameSingleProcess", 440, 104},
        {"FrameDirDisableInfo", 8, 224},
        {"FrameRenInfo", 8, 368},
        {"FramePriority", 448, 368},
        {"FrameAbout", 448, 368},
        {"FrameInfo", 448, 368},
        {"FrameView", 448, 368},
        {"FrameChoice", 448, 368},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        Control* c = M().Find(QLatin1String(row.name));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Left(), row.left);
        EXPECT_EQ(c->Top(), row.top);
    }
}

TEST_F(MainLayoutTest, EveryControlLiesInsideWhatHoldsIt) {
    for (const auto& c : M().Controls()) {
        // A hidden control may wait outside until its frame grows for it (the Run panel's options).
        if (c->Kind() == ControlKind::Line || !c->Visible())
            continue;
        const QWidget* w = WidgetOf(*c);
        const QRect room = w->parentWidget()->rect();
        EXPECT_TRUE(room.contains(w->geometry()))
            << c->Name().toStdString() << "(" << c->Index() << ") at " << w->x() << "," << w->y() << " "
            << w->width() << "x" << w->height() << " in " << room.width() << "x" << room.height();
    }
}

// An open panel leaves no fragment of what lies under it at its edges, and the free-space line shows.
TEST_F(MainLayoutTest, AnOpenPanelCoversWholeOrNothingAndLeavesTheFreeSpaceLine) {
    OpenWork({"a.txt"});
    M().Show();
    S.RunListLast = 0;
    S.RunListNames = {QStringLiteral("Kastrel")};
    M().FrameShowRun->SetVisible(true);
    for (auto [open, close] : {std::pair{M().CommandSelection, M().CommandSelectionCancel},
                               std::pair{M().CommandAction, M().CommandActionCancel},
                               std::pair{M().CommandRigidity, M().CommandRigidityCancel},
                               std::pair{M().CommandHelp, M().CommandHelpCancel},
                               std::pair{M().CommandRun, M().CommandRunCancel}}) {
        SCOPED_TRACE(open->Name().toStdString());
        ASSERT_TRUE(click(*open));
        const Control* panel = nullptr;
        for (Control* p : std::initializer_list<Control*>{M().FrameSelection, M().FrameAction,
                                                          M().FrameRigidity, M().FrameHelp, M().FrameRun})
            if (shownOnScreen(*p))
                panel = p;
        ASSERT_NE(panel, nullptr);
        const QRect cover = WidgetOf(*panel)->geometry();
        for (const auto& c : M().Controls()) {
            if (c->Container() || c.get() == panel || !shownOnScreen(*c) ||
                c->Kind() == ControlKind::PictureBox)
                continue;
            const QRect r = WidgetOf(*c)->geometry();
            EXPECT_TRUE(!cover.intersects(r) || cover.contains(r))
                << c->Name().toStdString() << " " << r.x() << "," << r.y() << " " << r.width() << "x"
                << r.height();
        }
        EXPECT_TRUE(shownOnScreen(*M().LabelSpaceFree));
        ASSERT_TRUE(click(*close));
    }
    // Closed, everything is back.
    EXPECT_TRUE(shownOnScreen(*M().FrameDisplayAction));
    EXPECT_TRUE(shownOnScreen(*M().File1));
}

TEST_F(MainLayoutTest, EveryOperableControlIsNamedOnEveryPanel) {
    OpenWork({"a.txt"});
    M().Show();
    EXPECT_EQ(unnamedControls(M()), QStringList{});
    for (Frame* panel :
         {M().FrameSelection, M().FrameAction, M().FrameAttribute, M().FrameRigidity, M().FrameHelp,
          M().FrameRun, M().FrameSingleProcess, M().FramePriority, M().FrameInfo, M().FrameChoice}) {
        SCOPED_TRACE(panel->Name().toStdString());
        const bool action = panel == M().FrameAttribute;
        if (action)
            M().FrameAction->SetVisible(true);
        panel->SetVisible(true);
        EXPECT_EQ(unnamedControls(M()), QStringList{});
        panel->SetVisible(false);
        if (action)
            M().FrameAction->SetVisible(false);
    }
    // Uncaptioned controls are described; a caption that does not say which Reset is replaced.
    EXPECT_EQ(M().File1->AccessibleName(), "Files of the work folder");
    EXPECT_EQ(M().CommandClearAction->AccessibleName(), "Reset Action");
    EXPECT_EQ(M().OptionRemoveRigid[0]->AccessibleName(), "Ignore it, Process file as it is.");
    EXPECT_EQ(M().FrameRigidSet[3]->AccessibleName(), "If can not be Replaced :");
    EXPECT_EQ(M().FrameJob->AccessibleName(), caption(*M().FrameJob));
}

TEST_F(MainLayoutTest, PictureButtonsAreNamedByTheirFaces) {
    OpenWork({"a.txt"});
    EXPECT_EQ(M().CommandJob->AccessibleName(), "Rename");
    CommitAction(4);  // Copy: the job button's face changes
    ASSERT_NE(caption(*M().LabelJob), "Rename");
    EXPECT_EQ(M().CommandJob->AccessibleName(), caption(*M().LabelJob));
    EXPECT_EQ(M().CommandSingleProcess->AccessibleName(), caption(*M().LabelSingleProcess));
    EXPECT_EQ(M().CommandInfoHide->AccessibleName(), "Hide");
}

TEST_F(MainLayoutTest, UnloadLetsGoOfEveryControlAndALoadBindsNewOnes) {
    S.SettingsPath.clear();
    try {
        M().Unload();
    } catch (const ProgramEnded&) {
    }
    ASSERT_FALSE(M().Loaded());
    for (Control* c : std::initializer_list<Control*>{M().PictureMain, M().File1, M().List1, M().LabelJob,
                                                      M().CommandChoiceHide, M().LineAction})
        EXPECT_EQ(c, nullptr);
    EXPECT_EQ(M().FrameButHelp.Count(), 0);
    EXPECT_EQ(M().OptionAction.Count(), 0);
    EXPECT_EQ(M().LabelRigidText.Count(), 0);

    M().Load();
    ASSERT_NE(M().File1, nullptr);
    EXPECT_EQ(M().File1, M().Find("File1"));
    EXPECT_EQ(M().FrameButHelp.Count(), 3);
    EXPECT_EQ(M().OptionAction.Count(), 8);
    EXPECT_EQ(M().LabelRigidText.Count(), 10);
}

}  // namespace
}  // namespace qv::test
