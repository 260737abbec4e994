// Buttons and frames in the main states, the automatic rules, the history arrows, keep-selection,
// the file list's keys, and the accessible names and pictures of the window in each state.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>
#include <QWidget>

#include "core/message.h"
#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

class WindowStates : public WindowTest {
  protected:
    // Walks the road to a main state; returns its name for pictures and traces.
    void ToState(int step) {
        OpenWork({"IMG_1.jpg", "IMG_2.jpg", "notes.txt"});
        if (step >= 1) {
            InsertAtStart("2024_");
            RenameSet();
            SelectByHand({"IMG_1.jpg", "IMG_2.jpg"});
        }
        if (step >= 2) {
            ASSERT_TRUE(click(*M().CommandPreview));
        }
        if (step >= 3) {
            ASSERT_TRUE(click(*M().CommandJob));
        }
        if (step >= 4) {
            ASSERT_TRUE(click(*M().CommandUndo));
        }
    }
};

struct StateRow {
    const char* name;
    int step;
    bool preview, job, reject, undo, selection, action, criteria, resetAll, dir, file, dirInfo;
    const char* listHead;
    bool helpRun;
};

TEST_F(WindowStates, ButtonsAndFramesFollowTheRoad) {
    const StateRow rows[] = {
        //                 prev   job    rej    undo   sel    act    crit   reset  dir    file  dirInfo
        {"start", 0, false, false, false, false, true, true, true, false, true, true, false, "", true},
        {"selection", 1, true, false, false, false, true, true, true, true, true, true, false, "", true},
        {"preview", 2, false, true, true, false, false, false, false, false, false, true, true,
         "New Names - Files to be Renamed", false},
        {"after action", 3, false, false, false, true, true, true, true, true, true, true, false, "", true},
        {"after undo", 4, false, false, false, false, true, true, true, true, true, true, false, "", true},
    };
    for (const StateRow& r : rows) {
        SCOPED_TRACE(r.name);
        TearDown();
        SetUp();
        ToState(r.step);
        FrmMain& m = M();
        EXPECT_EQ(m.CommandPreview->Enabled(), r.preview);
        EXPECT_EQ(m.CommandJob->Enabled(), r.job);
        EXPECT_EQ(m.CommandReject->Enabled(), r.reject);
        EXPECT_EQ(m.CommandUndo->Enabled(), r.undo);
        EXPECT_EQ(m.CommandSelection->Enabled(), r.selection);
        EXPECT_EQ(m.CommandAction->Enabled(), r.action);
        EXPECT_EQ(m.CommandRenameCriteria->Enabled(), r.criteria);
        EXPECT_EQ(m.CommandResetAll->Enabled(), r.resetAll);
        EXPECT_EQ(m.Dir1->Enabled(), r.dir);
        EXPECT_EQ(m.Drive1->Enabled(), r.dir);
        EXPECT_EQ(m.File1->Enabled(), r.file);
        EXPECT_EQ(m.FrameDirDisableInfo->Visible(), r.dirInfo);
        EXPECT_EQ(m.FrameHome->Visible(), !r.dirInfo);
        EXPECT_EQ(caption(*m.LabelListFile), QLatin1String(r.listHead));
        // A locked view opens no Help or Run panel: their buttons are off with it.
        EXPECT_EQ(m.CommandHelp->Enabled(), r.helpRun);
        EXPECT_EQ(m.CommandRun->Enabled(), r.helpRun);
        EXPECT_EQ(pictureId(*m.CommandJob), r.job ? "AButton:8" : "AButton:2");
        EXPECT_TRUE(m.FrameView->Visible());
        EXPECT_EQ(m.Caption(), "Quorvan - Mira");
    }
}

TEST_F(WindowStates, CaptionsAndFacesFollowTheAction) {
    OpenWork({"a.txt"});
    struct Row {
        int action;
        const char* frame;
        const char* job;
        const char* face;
        const char* display;
    } rows[] = {
        {4, "Finalize", "Copy", "AButton:5", "Copy"},
        {5, "Finalize", "Move", "AButton:5", "Move"},
        {6, "Preview", "Delete", "AButton:3", "Delete"},
        {1, "Preview", "Rename+Copy", "AButton:5", "Rename And Copy"},
        {0, "Preview", "Rename", "AButton:0", "Rename"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action);
        CommitAction(r.action);
        EXPECT_EQ(caption(*M().FramePreview), r.frame);
        EXPECT_EQ(caption(*M().CommandPreview), r.frame);
        EXPECT_EQ(M().CommandPreview->AccessibleName(), r.frame);
        EXPECT_EQ(caption(*M().LabelJob), r.job);
        EXPECT_EQ(pictureId(*M().CommandAction), r.face);
        EXPECT_EQ(caption(*M().FrameDisplayAction), r.display);
        EXPECT_EQ(WidgetOf(*M().CommandJob)->accessibleName(), r.job);
    }
    // Review mode shows on the action button, the status picture and its label.
    S.ReviewModePending = 1;
    CommitAction(0);
    EXPECT_EQ(pictureId(*M().CommandAction), "AButton:4");
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:4");
    EXPECT_TRUE(shownOnScreen(*M().LabelReviewMode) || !M().Visible());
    EXPECT_TRUE(M().LabelReviewMode->Visible());
}

TEST_F(WindowStates, ALockedViewHidesTheAboutFrameAndShowsItAgain) {
    OpenWork({"a.txt"});
    S.FrameKey = "AboutFrame";
    S.SetButKey = "setButFrame";
    SetButtons();
    EXPECT_TRUE(M().FrameAbout->Visible());
    EXPECT_EQ(caption(*M().LabelAboutProgName), "Quorvan");
    InsertAtStart("X");
    SelectByHand({"a.txt"});
    ASSERT_TRUE(click(*M().CommandPreview));
    EXPECT_FALSE(M().FrameAbout->Visible());
    EXPECT_TRUE(M().FrameView->Visible());
    ASSERT_TRUE(click(*M().CommandReject));
    EXPECT_TRUE(M().FrameAbout->Visible());
    EXPECT_FALSE(M().FrameView->Visible());
}

TEST_F(WindowStates, RefreshLeavesTheKeyWhileTheCriteriaDialogOpens) {
    S.CriteriaDialogLoading = true;
    S.SetButKey = "setButGlobal";
    SetButtons();
    EXPECT_EQ(S.SetButKey, "setButGlobal");
    EXPECT_TRUE(S.CriteriaHelpShown);
    SetButtons();
    EXPECT_TRUE(S.SetButKey.isEmpty());
}

struct RuleRow {
    const char* label;
    QStringList files;
    int kind, numKind, max, skip, number;
    const char* text;
    bool caseSensitive;
    QStringList selected;
};

TEST_F(WindowStates, AutomaticRulesSelect) {
    QStringList ten;
    for (int i = 0; i < 10; ++i) ten << QStringLiteral("f%1.dat").arg(i);
    const RuleRow rows[] = {
        {"All skip 2 max 3", ten, 1, 0, 3, 2, 0, "", false, {"f2.dat", "f3.dat", "f4.dat"}},
        {"All skip 2 no max", ten, 1, 0, 0, 2, 0, "", false, ten.mid(2)},
        {"ByNumber 5 skip 8", ten, 1, 1, 0, 8, 5, "", false, {"f8.dat", "f9.dat"}},
        {"skip past the end", ten, 1, 0, 0, 10, 0, "", false, {}},
        {"ByString any case",
         {"PHOTO1.JPG", "x.jpg", "myphoto.png"},
         2,
         -1,
         0,
         0,
         0,
         "Photo",
         false,
         {"myphoto.png", "PHOTO1.JPG"}},
        {"ByString case-sensitive",
         {"PHOTO1.JPG", "x.jpg", "myPhoto.png"},
         2,
         -1,
         0,
         0,
         0,
         "Photo",
         true,
         {"myPhoto.png"}},
        {"ByString max 2 after skip", {"a1", "a2", "a3", "a4"}, 2, -1, 2, 1, 0, "a", false, {"a2", "a3"}},
        {"ByExtension", {"a.TXT", "atxt", "b.doc"}, 3, -1, 0, 0, 0, "txt", false, {"a.TXT", "atxt"}},
        {"ByExtension case-sensitive",
         {"a.TXT", "atxt", "b.txt"},
         3,
         -1,
         0,
         0,
         0,
         "txt",
         true,
         {"atxt", "b.txt"}},
    };
    for (const RuleRow& r : rows) {
        SCOPED_TRACE(r.label);
        QDir(work_).removeRecursively();
        Go(root_);
        OpenWork(r.files);
        CommitRule(r.kind, r.numKind, r.max, r.skip, r.number, QLatin1String(r.text), r.caseSensitive);
        EXPECT_EQ(selectedItems(*M().File1), r.selected);
        EXPECT_EQ(S.ComboFile1, r.selected);
        EXPECT_EQ(S.SelectedCount, r.selected.size());
        CommitRule(0, -1, 100, 0);
        EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
        EXPECT_EQ(caption(*M().FrameDisplaySelection), "Manual File Selection");
    }
}

TEST_F(WindowStates, KeepSelectionAppliesTheRuleInTheNextFolder) {
    MakeFile(root_ + "/second/c.txt");
    MakeFile(root_ + "/second/d.jpg");
    OpenWork({"a.txt", "b.jpg"});
    CommitRule(3, -1, 0, 0, 0, "txt", false, true);
    EXPECT_EQ(selectedItems(*M().File1), QStringList{"a.txt"});
    Go(root_ + "/second");
    EXPECT_EQ(selectedItems(*M().File1), QStringList{"c.txt"});
    EXPECT_EQ(S.ComboFile1, QStringList{"c.txt"});
    EXPECT_EQ(caption(*M().FrameDisplaySelection), "By Extension -> txt.");

    // Without keep, the rule falls back to manual and nothing stays selected.
    CommitRule(3, -1, 0, 0, 0, "txt", false, false);
    Go(work_);
    EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
    EXPECT_EQ(S.SelKind, 0);
    EXPECT_EQ(S.SelectionMode, "Manual");
    EXPECT_TRUE(M().OptionSelection[0]->Value());
}

TEST_F(WindowStates, HistoryArrowsMoveAndShowWhereTheyCan) {
    QDir().mkpath(root_ + "/a");
    QDir().mkpath(root_ + "/b");
    Go(root_ + "/a");
    Go(root_ + "/b");
    EXPECT_TRUE(M().ImageGoBack->Enabled());
    EXPECT_FALSE(M().ImageGoForward->Enabled());
    EXPECT_EQ(pictureId(*M().ImageGoForward), "ImageForward:2");
    ASSERT_TRUE(click(*M().ImageGoBack));
    EXPECT_EQ(M().Dir1->Path(), root_ + "/a");
    EXPECT_TRUE(M().ImageGoForward->Enabled());
    EXPECT_EQ(pictureId(*M().ImageGoForward), "ImageForward:0");
    ASSERT_TRUE(click(*M().ImageGoForward));
    EXPECT_EQ(M().Dir1->Path(), root_ + "/b");
    ASSERT_TRUE(click(*M().CommandGoToStart));
    EXPECT_EQ(M().Dir1->Path(), WithoutTrailingSlash(prog_));
    while (S.FolderHistoryPos != 0) ASSERT_TRUE(click(*M().ImageGoBack));
    EXPECT_FALSE(M().ImageGoBack->Enabled());
    EXPECT_EQ(pictureId(*M().ImageGoBack), "ImageBack:2");
}

// Back onto a folder removed since its visit says so, stays where it is, and the next Back reaches
// the folder before the removed one.
TEST_F(WindowStates, BackOntoARemovedFolderSaysSoAndKeepsThePlace) {
    for (const char* f : {"/a", "/b", "/c"}) QDir().mkpath(root_ + f);
    Go(root_ + "/a");
    Go(root_ + "/b");
    Go(root_ + "/c");
    QDir(root_ + "/b").removeRecursively();
    QString said;
    {
        ModalScript script;
        script.expect(kMessageBox, [&said](Form& f) {
            said = static_cast<FrmMessage&>(f).LabelMessage->Caption();
            static_cast<FrmMessage&>(f).CommandOK->UserClicks();
        });
        ASSERT_TRUE(click(*M().ImageGoBack));
    }
    EXPECT_TRUE(said.startsWith("The Folder " + root_ + "/b does not exist any more.")) << said.toStdString();
    EXPECT_EQ(M().Dir1->Path(), root_ + "/c");
    EXPECT_EQ(S.FolderHistory.value(S.FolderHistoryPos), root_ + "/c");
    ASSERT_TRUE(click(*M().ImageGoBack));
    EXPECT_EQ(M().Dir1->Path(), root_ + "/a");
}

// A second start restores the first copy's window and the message box it shows, both minimised:
// the window alone would take no click under the box that blocks it.
TEST_F(WindowStates, ASecondStartBringsTheMinimisedMessageForward) {
    M().Show();
    QWidget* window = WindowOf(M());
    bool restored = false, windowRestored = false;
    ModalScript script;
    script.expect(kMessageBox, [&](Form& f) {
        QWidget* box = WindowOf(f);
        box->setWindowState(box->windowState() | Qt::WindowMinimized);
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
        services().instance->onActivateRequest();  // what a second start asks of this copy
        restored = !(box->windowState() & Qt::WindowMinimized) && box->isVisible();
        windowRestored = !(window->windowState() & Qt::WindowMinimized);
        static_cast<FrmMessage&>(f).CommandOK->UserClicks();
    });
    S.MessageKey = QStringLiteral("MessageDriveNotReady");
    MessageShowWork();
    script.verifyDone();
    EXPECT_TRUE(restored) << "the message box stays minimised";
    EXPECT_TRUE(windowRestored);
}

TEST_F(WindowStates, FileListKeysMoveTheSelectionButTypeNothing) {
    OpenWork({"a.txt", "b.txt", "c.txt"});
    M().Show();
    ASSERT_TRUE(typeInFileList(*M().File1, 'c'));
    EXPECT_TRUE(selectedItems(*M().File1).isEmpty());
    clickFile(*M().File1, "a.txt");
    QTest::keyClick(WidgetOf(*M().File1), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedItems(*M().File1), QStringList({"a.txt", "b.txt"}));
    // The keyboard's selection is taken like the mouse's.
    EXPECT_EQ(S.SelectedCount, 2);
    EXPECT_EQ(S.ComboFile1, QStringList({"a.txt", "b.txt"}));
}

TEST_F(WindowStates, AnUnreadableFolderIsNeverEntered) {
    OpenWork({"a.txt"});
    QDir().mkpath(work_ + "/closed");
    QFile::setPermissions(work_ + "/closed", QFileDevice::WriteOwner);
    openFolder(*M().Dir1, items(*M().Dir1).indexOf(work_ + "/closed"));
    EXPECT_EQ(M().FrameDirDisableInfo->Visible(), false);
    EXPECT_EQ(M().File1->ListCount() == 0, M().Dir1->Path() == work_ + "/closed");
    QFile::setPermissions(work_ + "/closed",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Every control a user can operate now, as accessibility clients find them, has a name.
QStringList Nameless(QWidget* window) {
    QStringList missing;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* a, int depth) {
        if (!a || depth > 40)
            return;
        const auto role = a->role();
        const bool operated = role == QAccessible::PushButton || role == QAccessible::CheckBox ||
                              role == QAccessible::RadioButton || role == QAccessible::EditableText ||
                              role == QAccessible::List || role == QAccessible::ComboBox;
        const auto st = a->state();
        if (operated && !st.invisible && !st.disabled && a->text(QAccessible::Name).isEmpty())
            missing << (a->object() ? a->object()->metaObject()->className() : "?");
        for (int i = 0; i < a->childCount(); ++i) {
            QAccessibleInterface* c = a->child(i);
            if (c && c->object() && c->object()->isWidgetType())
                walk(c, depth + 1);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);
    return missing;
}

TEST_F(WindowStates, EveryStateIsNamedAndPictured) {
    const char* names[] = {"start", "selection", "preview", "after-action", "after-undo"};
    const QString out = qEnvironmentVariable("QUORVAN_SHOTS");
    for (int step = 0; step <= 4; ++step) {
        SCOPED_TRACE(names[step]);
        TearDown();
        SetUp();
        ToState(step);
        M().Show();
        EXPECT_EQ(Nameless(WindowOf(M())), QStringList());
        const QImage shot = grab(M());
        EXPECT_FALSE(isBlank(shot));
        if (!out.isEmpty())
            shot.save(out + "/main-" + names[step] + ".png");
    }
    // Each panel and frame open over the start state.
    const struct {
        const char* name;
        CommandButton* FrmMain::*button;
    } panels[] = {
        {"info", &FrmMain::CommandViewInfo}, {"selection", &FrmMain::CommandSelection},
        {"action", &FrmMain::CommandAction}, {"options", &FrmMain::CommandRigidity},
        {"help", &FrmMain::CommandHelp},
    };
    for (const auto& p : panels) {
        SCOPED_TRACE(p.name);
        TearDown();
        SetUp();
        ToState(1);
        M().Show();
        ASSERT_TRUE(click(*(M().*p.button)));
        EXPECT_EQ(Nameless(WindowOf(M())), QStringList());
        const QImage shot = grab(M());
        if (!out.isEmpty())
            shot.save(out + "/panel-" + p.name + ".png");
    }
    // A conflict report: the box over the window.
    TearDown();
    SetUp();
    OpenWork({"a.txt", "b.txt", "Xb.txt"});
    InsertAtStart("X");
    SelectByHand({"a.txt", "b.txt"});
    M().Show();
    ModalScript script;
    script.expect(kMessageBox, [&](Form& f) {
        EXPECT_EQ(Nameless(WindowOf(f)), QStringList());
        if (!out.isEmpty())
            grab(f).save(out + "/main-conflict-report.png");
        static_cast<FrmMessage&>(f).CommandOK->UserClicks();
    });
    ASSERT_TRUE(click(*M().CommandPreview));
    EXPECT_EQ(S.ComboFile1, QStringList{"a.txt"});
}

}  // namespace
}  // namespace qv::test
