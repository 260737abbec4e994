// The main window and its dialogs as a keyboard or screen-reader user meets them, state by state.
#include <QAccessible>
#include <QWidget>
#include <tuple>

#include "folder_dialog_fixture.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

class AccessibilityWalk : public WindowTest {};

TEST_F(AccessibilityWalk, EveryOperableControlIsNamedActsAndIsReached) {
    struct Row {
        const char* state;
        std::function<void()> setUp;
        Form* (*form)();
    };
    auto main = [] { return static_cast<Form*>(&frmMain()); };
    const std::vector<Row> rows = {
        {"just started", [] {}, main},
        {"files chosen by hand",
         [this] {
             OpenWork({"a.txt", "b.txt", "c.txt"}), SelectByHand({"a.txt", "c.txt"});
         },
         main},
        {"ready to preview",
         [this] {
             OpenWork({"a.txt", "b.txt"});
             InsertAtStart("n_");
             RenameSet();
             SelectByHand({"a.txt"});
             ASSERT_TRUE(On(M().CommandPreview));
         },
         main},
        {"File Selection panel open", [this] { ASSERT_TRUE(click(*M().CommandSelection)); }, main},
        {"Easy Process with a file picked",
         [this] {
             OpenWork({"a.txt", "b.txt"});
             ASSERT_TRUE(click(*M().CheckEasyProcess));
             ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
         },
         main},
        {"Action panel open", [this] { ASSERT_TRUE(click(*M().CommandAction)); }, main},
        {"a destination committed",
         [this] {
             dest_ = root_ + "/a destination folder with a long name/and another one below it/and one more";
             QDir().mkpath(dest_);
             CommitAction(2);
             ASSERT_TRUE(readingOrder(M()).contains("TextActionDestination"));
         },
         main},
        {"Options panel open", [this] { ASSERT_TRUE(click(*M().CommandRigidity)); }, main},
        {"Help panel open", [this] { ASSERT_TRUE(click(*M().CommandHelp)); }, main},
        {"Run panel open",
         [this] {
             S.RunListNames = QStringList{QStringLiteral("Member0"), QStringLiteral("Member1")};
             S.RunListPaths =
                 QStringList{QStringLiteral("/opt/m0/Member0"), QStringLiteral("/opt/m1/Member1")};
             S.RunListLast = 1;
             SetButPictures();
             ASSERT_TRUE(click(*M().CommandRun));
         },
         main},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        TearDown();
        SetUp();
        row.setUp();
        Form& f = *row.form();
        EXPECT_EQ(accessibilityProblems(f), QStringList());
        // Tab reaches every control a user can operate, each once.
        const QStringList reading = readingOrder(f);
        ASSERT_FALSE(reading.isEmpty());
        Control* first =
            f.Find(reading[0].section('(', 0, 0),
                   reading[0].contains('(') ? reading[0].section('(', 1).chopped(1).toInt() : -1);
        ASSERT_NE(first, nullptr);
        // In reading order, and round: the Tab after the last stop is on the first again.
        EXPECT_EQ(tabCycle(*first), reading);
        EXPECT_EQ(focused(f), first);
    }
}

TEST_F(AccessibilityWalk, ToolsSeeAndMakeWhatTheUserSees) {
    OpenWork({"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
    SelectByHand({"a.txt", "b.txt", "d.txt", "e.txt"});
    EXPECT_EQ(accessibleSelection(*M().File1), (QStringList{"a.txt", "b.txt", "d.txt", "e.txt"}));
    ASSERT_TRUE(toggleThroughAccessibility(*M().File1, 2));
    EXPECT_EQ(selectedItems(*M().File1), (QStringList{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}));

    // Easy Process switched on by a tool's toggle shows its frame, as a click does.
    ASSERT_TRUE(accessibleAction(*M().CheckEasyProcess, QAccessibleActionInterface::toggleAction()));
    EXPECT_TRUE(S.EasyProcessMode);
    EXPECT_TRUE(M().FrameSingleProcess->Visible());
    EXPECT_EQ(accessibleShowing(*M().File1), QStringList()) << "the batch list is hidden";
    EXPECT_FALSE(accessibleShowing(*M().File2).isEmpty());
    // A tool's pick in the Easy Process list moves the pick, as one click on the entry does.
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    ASSERT_TRUE(toggleThroughAccessibility(*M().File2, 0));
    EXPECT_EQ(selectedItems(*M().File2), QStringList{"a.txt"});
    EXPECT_EQ(accessibleSelection(*M().File2), QStringList{"a.txt"});
    EXPECT_EQ(text(*M().TextSingleProcessName), "a");
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    ASSERT_TRUE(type(*M().TextSingleProcessName, "x"));
    // The extension box comes before the buttons that act on the name.
    EXPECT_EQ(tabCycle(*M().TextSingleProcessName).mid(0, 5),
              (QStringList{"TextSingleProcessName", "TextSingleProcessExt", "CheckSingleSpace",
                           "CommandSingleProcess", "CommandSingleCancel"}));
}

TEST_F(AccessibilityWalk, AKeyOrToolPressKeepsTheUsersPlaceAMouseClickRestsTheFocus) {
    // Options opens its panel and closes it again, staying where it is.
    WidgetOf(*M().CommandRigidity)->setFocus();
    pressKey(M(), Qt::Key_Space);
    ASSERT_TRUE(M().FrameRigidity->Visible());
    EXPECT_EQ(focused(M()), M().CommandRigidity);
    pressKey(M(), Qt::Key_Return);
    ASSERT_FALSE(M().FrameRigidity->Visible());
    EXPECT_EQ(focused(M()), M().CommandRigidity);
    ASSERT_TRUE(accessibleAction(*M().CommandRigidity, QAccessibleActionInterface::pressAction()));
    ASSERT_TRUE(M().FrameRigidity->Visible());
    EXPECT_EQ(focused(M()), M().CommandRigidity);
    // Cancel goes with its panel: the focus goes back to the button that opened it.
    WidgetOf(*M().CommandRigidityCancel)->setFocus();
    pressKey(M(), Qt::Key_Space);
    ASSERT_FALSE(M().FrameRigidity->Visible());
    ASSERT_NE(focused(M()), nullptr);
    EXPECT_TRUE(readingOrder(M()).contains(controlName(*focused(M()))));
    EXPECT_EQ(focused(M()), M().CommandRigidity);
    // A tool's press on a button that cannot act is refused, and the user keeps the place.
    WidgetOf(*M().CommandRigidity)->setFocus();
    ASSERT_FALSE(M().CommandUndo->EffectivelyEnabled());
    accessibleAction(*M().CommandUndo, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(focused(M()), M().CommandRigidity);
    // A click rests the focus on the window's picture box, off the clicked button.
    ASSERT_TRUE(click(*M().CommandRigidity));
    EXPECT_EQ(focused(M()), M().PictureMain);
}

bool isInsideFrame(const Control& c, const Control* frame) {
    for (const Control* up = c.Container(); up; up = up->Container())
        if (up == frame)
            return true;
    return false;
}

TEST_F(AccessibilityWalk, AKeyPressThatClosesAPanelOrDialogGivesTheFocusBackToItsOpener) {
    auto press = [](Control& c, Qt::Key k = Qt::Key_Return) {
        ASSERT_TRUE(c.EffectivelyEnabled() && c.EffectivelyVisible()) << controlName(c).toStdString();
        WidgetOf(c)->setFocus();
        ASSERT_TRUE(c.HasFocus()) << controlName(c).toStdString();
        pressKey(*c.ParentForm(), k);
    };
    auto on = [](Form& f) {
        Control* c = focused(f);
        return c ? controlName(*c) : QStringLiteral("(nothing)");
    };
    OpenWork({"a.txt", "b.txt"});
    S.RunListNames = QStringList{QStringLiteral("Member0"), QStringLiteral("Member1")};
    S.RunListPaths = QStringList{QStringLiteral("/opt/m0/Member0"), QStringLiteral("/opt/m1/Member1")};
    S.RunListLast = 1;
    SetButPictures();

    press(*M().CommandSelection);
    ASSERT_TRUE(M().FrameSelection->Visible());
    press(*M().CommandSelectionCancel);
    ASSERT_FALSE(M().FrameSelection->Visible());
    EXPECT_EQ(on(M()), "CommandSelection");
    press(*M().CommandSelection);
    ASSERT_TRUE(click(*M().OptionSelection[3]));
    ASSERT_TRUE(type(*M().TextSelectionString, "txt"));
    press(*M().CommandSelectionOK);
    ASSERT_FALSE(M().FrameSelection->Visible());
    EXPECT_EQ(on(M()), "CommandSelection");

    for (auto [open, cancel, frame] :
         {std::tuple{M().CommandAction, M().CommandActionCancel, M().FrameAction},
          std::tuple{M().CommandRigidity, M().CommandRigidityCancel, M().FrameRigidity},
          std::tuple{M().CommandRun, M().CommandRunCancel, M().FrameRun}}) {
        SCOPED_TRACE(controlName(*open).toStdString());
        press(*open);
        ASSERT_TRUE(frame->Visible());
        press(*cancel);
        ASSERT_FALSE(frame->Visible());
        EXPECT_EQ(on(M()), controlName(*open));
    }

    // The information frames: one that opens takes the focus on its first control; Hide hands it back.
    press(*M().CommandViewChoice);
    ASSERT_TRUE(M().FrameChoice->Visible());
    press(*M().CommandChoiceHide);
    EXPECT_EQ(on(M()), "CommandViewChoice");
    S.PriorityCount = 2;
    S.SetButKey = QStringLiteral("setButGlobal");
    SetButtons();
    press(*M().CommandViewPriority);
    ASSERT_TRUE(M().FramePriority->Visible());
    EXPECT_EQ(on(M()), "ComboPriority1st");
    press(*M().CommandPriorityHide);
    EXPECT_EQ(on(M()), "CommandViewPriority");

    // The picture chooser, left with Escape.
    press(*M().CommandViewChoice);
    press(*M().CommandChoiceSetPic);
    ASSERT_TRUE(frmMove().Visible());
    press(*frmMove().CommandActionMoveCancel, Qt::Key_Escape);
    ASSERT_FALSE(frmMove().Visible());
    EXPECT_EQ(on(M()), "CommandChoiceSetPic");
    press(*M().CommandChoiceHide);

    // The criteria dialog, left with Escape, and with OK.
    press(*M().CommandRenameCriteria);
    ASSERT_TRUE(frmRen().Visible());
    press(*frmRen().CommandCancel, Qt::Key_Escape);
    ASSERT_FALSE(frmRen().Visible());
    EXPECT_EQ(on(M()), "CommandRenameCriteria");
    ASSERT_TRUE(click(*M().CommandRenameCriteria));
    ASSERT_TRUE(frmRen().Visible());
    press(*frmRen().CommandOK);
    ASSERT_FALSE(frmRen().Visible());
    EXPECT_EQ(on(M()), "CommandRenameCriteria");
    // Escape from one of its boxes, the dialog opened by a click.
    ASSERT_TRUE(click(*M().CommandRenameCriteria));
    ASSERT_TRUE(frmRen().Visible());
    ASSERT_EQ(focused(M()), M().PictureMain);
    ASSERT_TRUE(click(*frmRen().CheckExt));
    TextBox* box = frmRen().TextExt;
    ASSERT_TRUE(box->EffectivelyEnabled() && box->EffectivelyVisible());
    WidgetOf(*box)->setFocus();
    pressKey(frmRen(), Qt::Key_Escape);
    ASSERT_FALSE(frmRen().Visible());
    EXPECT_EQ(on(M()), "CommandRenameCriteria");

    // Set Destination, left with Escape from its path box, then confirmed with Enter.
    press(*M().CommandAction);
    ASSERT_TRUE(click(*M().OptionAction[4]));
    press(*M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    frmMove().Dir1->SetPath(dest_);
    WidgetOf(*frmMove().TextActionMovePath)->setFocus();
    ASSERT_TRUE(frmMove().TextActionMovePath->HasFocus());
    pressKey(frmMove(), Qt::Key_Escape);
    ASSERT_FALSE(frmMove().Visible());
    // Set Destination cannot act again until an action is chosen anew: the focus goes to the first
    // stop of its panel.
    ASSERT_FALSE(M().CommandActionBrowse->Enabled());
    ASSERT_TRUE(focused(M()) && isInsideFrame(*focused(M()), M().FrameAction));
    EXPECT_EQ(on(M()), "OptionAction(0)");
    ASSERT_TRUE(click(*M().OptionAction[4]));
    press(*M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    frmMove().Dir1->SetPath(dest_);
    press(*frmMove().CommandActionMoveOK);
    ASSERT_FALSE(frmMove().Visible());
    // OK commits the destination and closes the Action panel with it: the focus goes to its button.
    ASSERT_FALSE(M().FrameAction->Visible());
    EXPECT_EQ(on(M()), "CommandAction");

    // A mouse click keeps resting the focus on the window's pane.
    ASSERT_TRUE(click(*M().CommandSelection));
    ASSERT_TRUE(click(*M().CommandSelectionCancel));
    EXPECT_EQ(focused(M()), M().PictureMain);
}

TEST_F(AccessibilityWalk, AnEmptyFrameIsNotReportedAsShowing) {
    auto showing = [](const Control& c) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(c));
        return a && !a->state().invisible;
    };
    // No other program of the family: the Run button's frame holds nothing that shows.
    ASSERT_EQ(S.RunListLast, -1);
    ASSERT_TRUE(M().FrameButRun->EffectivelyVisible());
    ASSERT_FALSE(M().FrameShowRun->Visible());
    EXPECT_FALSE(showing(*M().FrameButRun));
    EXPECT_TRUE(showing(*M().FrameView)) << "a frame with a border shows";
    S.RunListNames = QStringList{QStringLiteral("Member0")};
    S.RunListPaths = QStringList{QStringLiteral("/opt/m0/Member0")};
    S.RunListLast = 0;
    SetButPictures();
    ASSERT_TRUE(M().CommandRun->EffectivelyVisible());
    EXPECT_TRUE(showing(*M().FrameButRun));
    EXPECT_TRUE(showing(*M().FrameShowRun));
}

TEST_F(AccessibilityWalk, AButtonThatDisablesItselfUnderEnterLeavesTheFocusOffQuit) {
    OpenWork({"a.txt", "b.txt"});
    ASSERT_TRUE(click(*M().CommandSelection));
    ASSERT_TRUE(click(*M().OptionSelection[3]));
    ASSERT_TRUE(type(*M().TextSelectionString, "txt"));
    ASSERT_TRUE(click(*M().CommandSelectionOK));
    ASSERT_TRUE(M().CommandResetAll->EffectivelyEnabled());
    WidgetOf(*M().CommandResetAll)->setFocus();
    pressKey(M(), Qt::Key_Return);
    ASSERT_FALSE(M().CommandResetAll->EffectivelyEnabled());
    EXPECT_EQ(S.SelKind, 0);
    ASSERT_NE(focused(M()), nullptr);
    EXPECT_NE(focused(M()), M().CommandGoodbye);
    EXPECT_EQ(controlName(*focused(M())), readingOrder(M()).value(0));
    // A second Enter does not end the program.
    pressKey(M(), Qt::Key_Return);
    EXPECT_TRUE(M().Loaded());
    EXPECT_TRUE(M().Visible());
}

TEST_F(AccessibilityWalk, PreviewIsReadInTheRowOfTheButtonsBesideIt) {
    OpenWork({"a.txt", "b.txt"});
    InsertAtStart("n_");
    RenameSet();
    SelectByHand({"a.txt"});
    ASSERT_TRUE(On(M().CommandPreview));
    // Its frame's caption stands higher, but the button itself lies in the row of File Selection.
    const QStringList cycle = tabCycle(*M().CommandSelection);
    ASSERT_TRUE(cycle.contains("CommandPreview"));
    EXPECT_EQ(cycle.mid(0, 6), (QStringList{"CommandSelection", "CommandAction", "CommandRenameCriteria",
                                            "CommandRigidity", "CommandHelp", "CommandPreview"}));
}

TEST_F(AccessibilityWalk, AToolOpensAFolderByItsEntrysDefaultAction) {
    QDir().mkpath(work_ + "/sub");
    Go(work_);
    const int row = accessibleItems(*M().Dir1).indexOf("sub");
    ASSERT_GE(row, 0);
    // Its selection is still there, and selects without opening.
    ASSERT_TRUE(toggleThroughAccessibility(*M().Dir1, row));
    EXPECT_EQ(M().Dir1->Path(), work_);
    ASSERT_TRUE(activateThroughAccessibility(*M().Dir1, row));
    EXPECT_EQ(M().Dir1->Path(), work_ + "/sub");
    EXPECT_EQ(M().File1->Path(), work_ + "/sub") << "as a double click, the window follows";
}

TEST_F(AccessibilityWalk, BackAndForwardArePictureButtonsToTheKeyboard) {
    QDir().mkpath(work_ + "/sub");
    Go(work_);
    Go(work_ + "/sub");
    ASSERT_TRUE(M().ImageGoBack->EffectivelyEnabled());
    EXPECT_TRUE(tabCycle(*M().Dir1).contains("ImageGoBack"));
    WidgetOf(*M().ImageGoBack)->setFocus();
    pressKey(M(), Qt::Key_Return);
    EXPECT_EQ(M().Dir1->Path(), work_);
    ASSERT_TRUE(accessibleAction(*M().ImageGoForward, QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(M().Dir1->Path(), work_ + "/sub");
}

TEST_F(AccessibilityWalk, DisabledButtonsShowTheirCaptionsDisabled) {
    ASSERT_FALSE(M().CommandJob->Enabled());
    EXPECT_TRUE(M().LabelJob->OnDisabledFace());
    // A message box offering OK alone: its Cancel face does not look like OK's.
    bool answered = false;
    ModalScript script;
    script.expect(kMessageBox, [&](Form& f) {
        auto& box = static_cast<FrmMessage&>(f);
        EXPECT_FALSE(box.LabelOK->OnDisabledFace());
        EXPECT_TRUE(box.LabelCancel->OnDisabledFace());
        EXPECT_EQ(accessibilityProblems(box), QStringList());
        answered = click(*box.CommandOK);
    });
    MessageBoxRequest request;
    request.caption = request.head = request.text = QStringLiteral("Note");
    request.okFace = QStringLiteral("OK");
    request.cancelFace = QStringLiteral("Cancel");
    request.okEnabled = true;
    frmMessage().Present(request);
    EXPECT_TRUE(answered);
}

using FolderDialogWalk = dialog::DialogTest;

TEST_F(FolderDialogWalk, TheFolderDialogIsWalkedAndEscapeCancelsIt) {
    OpenDestination();
    // It opens on its first control, one that can be read out and used, and Tab goes round it.
    const QStringList reading = readingOrder(frmMove());
    ASSERT_FALSE(reading.isEmpty());
    Control* first = focused(frmMove());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(controlName(*first), reading[0]);
    EXPECT_EQ(accessibilityProblems(frmMove()), QStringList());
    EXPECT_EQ(tabCycle(*first), reading);
    EXPECT_EQ(focused(frmMove()), first);
    // The pane where the focus rests after a click is read out by a name, not as nothing.
    EXPECT_FALSE(frmMove().PictureMove->AccessibleName().isEmpty());
    // A tool opens a folder as a double click does.
    ASSERT_GT(frmMove().Dir1->ListCount(), 0);
    const QString target = frmMove().Dir1->List(0);
    const int row = accessibleItems(*frmMove().Dir1).indexOf(target.section('/', -1));
    ASSERT_GE(row, 0);
    ASSERT_TRUE(activateThroughAccessibility(*frmMove().Dir1, row));
    EXPECT_EQ(frmMove().Dir1->Path(), target);
    WidgetOf(*frmMove().TextActionMovePath)->setFocus();
    pressKey(frmMove(), Qt::Key_Escape);
    EXPECT_FALSE(frmMove().Visible()) << "Escape leaves as Cancel does";
}

}  // namespace
}  // namespace qv::test
