// The folder dialog as destination chooser: browsing, the pending destination, OK and Cancel, the
// system-folder guard, drives and free space, and the folders made, renamed and deleted in it.
#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "folder_dialog_fixture.h"
#include "mainwindow/control_forms.h"

namespace qv::test::dialog {
namespace {

using FolderDialogTest = DialogTest;

FrmMove& M() {
    return frmMove();
}

TEST_F(FolderDialogTest, EveryControlHasItsCaptionAndEveryOperableOneAName) {
    OpenDestination();
    struct Row {
        const char* control;
        const char* caption;
    };
    for (Row r :
         {Row{"LabelActionMoveBrowse", "Browse Folder"}, Row{"LabelActionMoveCreateNew", "Create Folder"},
          Row{"FrameActionMoveCreate", "Folder Name"}, Row{"LabelActionMoveCreateCancel", "Cancel"},
          Row{"LabelActionMoveNewName", "New Name"}, Row{"LabelActionMoveRename", "Rename"},
          Row{"LabelActionMoveDelete", "Delete"}, Row{"LabelActionMoveBrowseAgain", "Activate Directory"},
          Row{"LabelActionMoveUser", "Picture Caption"}, Row{"LabelActionMoveDefault", "Default"},
          Row{"LabelActionMoveSelectFile", "Select picture. To look better make sure it's 180x120 pixel."},
          Row{"Label1",
              "You can Rename or Delete the Folder just created. To browse again please activate "
              "Directory and Drive box with Activate Directory button, but you will not be able to "
              "Delete or Rename the newly created Folder any more."}})
        EXPECT_EQ(caption(ctl("frmMove", r.control)), QString::fromUtf8(r.caption)) << r.control;
    EXPECT_EQ(M().Caption(), "Set Destination");

    int operable = 0;
    for (const auto& c : M().Controls()) {
        switch (c->Kind()) {
            case ControlKind::TextBox:
            case ControlKind::CommandButton:
            case ControlKind::DriveListBox:
            case ControlKind::DirListBox:
            case ControlKind::FileListBox:
                ++operable;
                EXPECT_FALSE(c->AccessibleName().isEmpty()) << c->Name().toStdString();
                break;
            default:
                break;
        }
    }
    EXPECT_EQ(operable, 17);
    EXPECT_EQ(unnamedControls(M()), QStringList{});
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    OpenPictures();
    ASSERT_TRUE(M().File1->EffectivelyVisible());
    EXPECT_EQ(unnamedControls(M()), QStringList{});
}

TEST_F(FolderDialogTest, WorkFolderAsDestinationKeepsOKDisabledThroughARefresh) {
    OpenDestination();
    // No destination yet: the list opens on the work folder, with nothing to confirm.
    EXPECT_EQ(M().Dir1->Path(), Dir("prog"));
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(text(*M().TextActionMovePath), "");

    Browse(Dir("b"));
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "Copy To This Folder :");
    EXPECT_EQ(text(*M().TextActionMovePath), Slash("b"));
    EXPECT_EQ(M().TextActionMovePath->BorderStyle(), 1);

    Browse(Dir("prog"));
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "");
    EXPECT_EQ(text(*M().TextActionMovePath), "");
    EXPECT_EQ(M().TextActionMovePath->BorderStyle(), 0);
    // The button refresh the dialog's opening sends no longer switches OK on.
    S.SetButKey = QStringLiteral("setButOnlyActiveness");
    SetButtons();
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
    EXPECT_FALSE(MoveOKAllowed());

    Browse(Dir("a"));
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(S.DestPath, S.WorkPath);  // browsing commits nothing
}

TEST_F(FolderDialogTest, OKCommitsTheBrowsedFolderWithTheFreeSpaceOfItsDrive) {
    OpenDestination();
    ASSERT_TRUE(M().Visible());
    EXPECT_EQ(caption(*M().LabelMoveSpaceFree), "Drive / : Space Available : 2048 KB");
    Browse(Dir("other"));
    Browse(Dir("other/x"));
    // A folder on another drive: the folder list stays in it (the drive list follows it) and the free
    // space is that drive's.
    EXPECT_EQ(M().Dir1->Path(), Dir("other/x"));
    EXPECT_EQ(M().Drive1->Drive(), Dir("other"));
    EXPECT_EQ(caption(*M().LabelMoveSpaceFree), "Drive " + Dir("other") + " : Space Available : 7168 KB");
    EXPECT_EQ(S.DestPath, S.WorkPath);
    EXPECT_EQ(S.DestPathPending, Slash("other/x"));

    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    EXPECT_FALSE(M().Visible());
    EXPECT_EQ(S.DestPath, Slash("other/x"));
    EXPECT_EQ(S.DestPathUpper, Slash("other/x"));
    EXPECT_EQ(S.MoveLastPath, Dir("other/x"));
    EXPECT_EQ(S.DestFreeKB, 7168);
    EXPECT_EQ(S.DestSpaceCaption, "Drive " + Dir("other") + " : Space Available : 7168 KB");
    EXPECT_EQ(frmMain().LabelSpaceFree->Caption(), S.DestSpaceCaption);
    EXPECT_FALSE(S.MoveDestinationMode);
    EXPECT_FALSE(S.DestInSystemFolder);
    EXPECT_EQ(windows_.calls.filter("SetValueByKey"), QStringList{"SetValueByKey Action"});

    // Opened again: back on the chosen folder, which may be confirmed as it is.
    OpenDestination();
    EXPECT_EQ(M().Dir1->Path(), Dir("other/x"));
    EXPECT_EQ(text(*M().TextActionMovePath), Slash("other/x"));
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
}

TEST_F(FolderDialogTest, CancelPutsBackTheFolderThePendingPathAndThePendingAction) {
    OpenDestination();
    Browse(Dir("a"));
    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    S.ActionIndex = 4;  // what the Action commit made of it
    const QString mainSpace = frmMain().LabelSpaceFree->Caption();

    OpenDestination(5);
    Browse(Dir("other/x"));
    windows_.calls.clear();
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    EXPECT_FALSE(M().Visible());
    EXPECT_EQ(M().Dir1->Path(), Dir("a"));
    EXPECT_EQ(S.DestPath, Slash("a"));
    EXPECT_EQ(S.DestPathPending, Slash("a"));
    EXPECT_EQ(S.MoveSpaceCaption, "Drive / : Space Available : 2048 KB");
    EXPECT_EQ(frmMain().LabelSpaceFree->Caption(), mainSpace);
    EXPECT_FALSE(S.MoveDestinationMode);
    EXPECT_EQ(S.EditActionIndex, 4);
    EXPECT_TRUE(windows_.calls.contains("SetNullByTag setNullIndexAction"));
    EXPECT_TRUE(windows_.calls.filter("SetValueByKey").isEmpty());

    // The window's close command is the same Cancel; the dialog stays loaded.
    OpenDestination();
    Browse(Dir("b"));
    EXPECT_FALSE(closeWindow(M()));  // not unloaded: only hidden
    EXPECT_TRUE(M().Loaded());
    EXPECT_FALSE(M().Visible());
    EXPECT_EQ(S.DestPath, Slash("a"));
    EXPECT_EQ(M().Dir1->Path(), Dir("a"));
}

TEST_F(FolderDialogTest, TheMainWindowCannotBeUsedWhileTheDialogIsOpen) {
    OpenDestination();
    Browse(Dir("b"));
    // The Action panel behind it can neither commit nor cancel while the folder is only pending.
    ASSERT_NE(WindowOf(M())->windowHandle(), nullptr);
    EXPECT_EQ(QGuiApplication::modalWindow(), WindowOf(M())->windowHandle());
    EXPECT_EQ(S.DestPath, S.WorkPath);
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    EXPECT_EQ(S.DestPath, S.WorkPath);
}

TEST_F(FolderDialogTest, ANotReadyDriveLeavesFolderAndDriveAsTheyWere) {
    OpenDestination();
    Browse(Dir("b"));
    files_->otherReady = false;
    QStringList texts;
    ModalScript script;
    script.expect(kMessageBox, NoteAndOK(texts));
    ASSERT_TRUE(chooseDrive(*M().Drive1, Dir("other")));
    EXPECT_EQ(texts, QStringList{"The Drive you are trying to select is not ready."});
    EXPECT_EQ(M().Drive1->Drive(), "/");
    EXPECT_EQ(M().Dir1->Path(), Dir("b"));
    EXPECT_EQ(S.DestPathPending, Slash("b"));
    files_->otherReady = true;
    ASSERT_TRUE(chooseDrive(*M().Drive1, Dir("other")));
    EXPECT_EQ(M().Dir1->Path(), Dir("other"));
    EXPECT_EQ(S.MoveFreeKB, 7168);
}

TEST_F(FolderDialogTest, TheSystemTreeIsRefusedUnlessAllowed) {
    const QString refused = QStringLiteral("Working in System folder is not allowed.");
    for (const char* rel : {"sys", "sys/sub"}) {
        OpenDestination();
        Browse(Dir("b"));
        QStringList texts;
        {
            ModalScript script;
            script.expect(kMessageBox, NoteAndOK(texts));
            Browse(Dir(rel));
        }
        ASSERT_EQ(texts.size(), 1) << rel;
        EXPECT_TRUE(texts[0].startsWith(refused)) << rel;
        EXPECT_EQ(M().Dir1->Path(), Dir("b")) << rel;
        EXPECT_EQ(S.DestPathPending, Slash("b")) << rel;
        EXPECT_FALSE(S.SystemFolderRefused);
        ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    }

    // Allowed: a sub-folder is taken and marked.
    S.AllowSystemFolders = true;
    OpenDestination();
    Browse(Dir("sys/sub"));
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    EXPECT_EQ(S.DestPath, Slash("sys/sub"));
    EXPECT_TRUE(S.DestInSystemFolder);

    // Withdrawn: the destination leaves the tree for the work folder.
    S.AllowSystemFolders = false;
    S.ActionIndex = 4;
    ControlFormsSetPaths();
    EXPECT_EQ(S.DestPath, S.WorkPath);
    EXPECT_EQ(S.DestPathCommitted, S.WorkPath);
    EXPECT_EQ(S.MoveLastPath, Dir("prog"));
    EXPECT_EQ(M().Dir1->Path(), Dir("prog"));
    EXPECT_FALSE(S.DestInSystemFolder);
    EXPECT_EQ(frmMain().TextActionDestination->Text(), S.WorkPath);
    OpenDestination();
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
}

TEST_F(FolderDialogTest, ReopenedOnTheSameFolderItListsWhatIsThereNow) {
    Write(Dir("prog/gone.txt"), "x");
    QDir().mkpath(Dir("prog/gonedir"));
    OpenPictures();
    ASSERT_EQ(M().Dir1->Path(), Dir("prog"));
    // Made after the dialog was loaded on this folder.
    EXPECT_TRUE(items(*M().File1).contains("gone.txt"));
    EXPECT_TRUE(items(*M().Dir1).contains(Dir("prog/gonedir")));
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));

    ASSERT_TRUE(QFile::remove(Dir("prog/gone.txt")));
    ASSERT_TRUE(QDir().rmdir(Dir("prog/gonedir")));
    Write(Dir("prog/fresh.txt"), "x");
    QDir().mkpath(Dir("prog/freshdir"));
    OpenPictures();
    ASSERT_EQ(M().Dir1->Path(), Dir("prog"));
    EXPECT_FALSE(items(*M().File1).contains("gone.txt"));
    EXPECT_TRUE(items(*M().File1).contains("fresh.txt"));
    EXPECT_FALSE(items(*M().Dir1).contains(Dir("prog/gonedir")));
    EXPECT_TRUE(items(*M().Dir1).contains(Dir("prog/freshdir")));
}

TEST_F(FolderDialogTest, FoldersMadeInTheDialogAreRenamedAndDeletedInnermostFirst) {
    OpenDestination();
    Browse(Dir("b"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    EXPECT_TRUE(M().FrameActionMoveCreate->Visible());
    EXPECT_FALSE(M().CommandActionMoveCreateOK->Enabled());
    ASSERT_TRUE(type(*M().TextActionMoveCreate, "n1"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));
    EXPECT_TRUE(QDir(Dir("b/n1")).exists());
    EXPECT_EQ(M().Dir1->Path(), Dir("b/n1"));
    EXPECT_EQ(text(*M().TextActionMovePath), Slash("b/n1"));
    EXPECT_EQ(text(*M().TextActionMoveCreate), "");
    // With a made folder the lists are held and the remove frame offered.
    EXPECT_FALSE(M().Dir1->Enabled());
    EXPECT_FALSE(M().Drive1->Enabled());
    EXPECT_TRUE(M().FrameActionMoveRemove->Visible());
    EXPECT_FALSE(M().FrameActionMoveCreate->Visible());

    // A second one inside it, by Enter; the lists stay held while its name is typed.
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    EXPECT_FALSE(M().Dir1->Enabled());
    ASSERT_TRUE(type(*M().TextActionMoveCreate, "n2"));
    ASSERT_TRUE(key(*M().TextActionMoveCreate, 13));
    EXPECT_EQ(S.MadeFolders, QStringList({Dir("b"), Dir("b/n1"), Dir("b/n1/n2")}));
    EXPECT_EQ(S.DestPathPending, Slash("b/n1/n2"));

    // Rename: onto a name that exists, refused; then the innermost folder in its parent.
    QDir().mkpath(Dir("b/n1/other"));
    ASSERT_TRUE(click(*M().CommandActionMoveRename));
    ASSERT_TRUE(M().TextActionMoveNewName->EffectivelyVisible());
    EXPECT_FALSE(M().CommandActionMoveRenameOK->Enabled());
    {
        QStringList texts;
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        ASSERT_TRUE(type(*M().TextActionMoveNewName, "other"));
        ASSERT_TRUE(click(*M().CommandActionMoveRenameOK));
        EXPECT_EQ(texts, QStringList{kNameTaken});
    }
    EXPECT_TRUE(QDir(Dir("b/n1/n2")).exists());
    EXPECT_TRUE(QDir(Dir("b/n1/other")).exists());
    M().TextActionMoveNewName->SetText("");
    ASSERT_TRUE(type(*M().TextActionMoveNewName, "renamed"));
    ASSERT_TRUE(key(*M().TextActionMoveNewName, 13));
    EXPECT_FALSE(QDir(Dir("b/n1/n2")).exists());
    EXPECT_TRUE(QDir(Dir("b/n1/renamed")).exists());
    EXPECT_EQ(S.MadeFolders.last(), Dir("b/n1/renamed"));
    EXPECT_EQ(M().Dir1->Path(), Dir("b/n1/renamed"));
    EXPECT_EQ(S.DestPathPending, Slash("b/n1/renamed"));
    EXPECT_FALSE(M().TextActionMoveNewName->Visible());

    // A made folder that has been filled meanwhile is not deleted, and the user is told.
    Write(Dir("b/n1/renamed/keep"), "data");
    {
        QStringList texts;
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        ASSERT_TRUE(click(*M().CommandActionMoveDelete));
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].contains("not empty"));
    }
    EXPECT_TRUE(QFile::exists(Dir("b/n1/renamed/keep")));
    EXPECT_EQ(S.MadeFolderCount, 2);
    QFile::remove(Dir("b/n1/renamed/keep"));
    ASSERT_TRUE(click(*M().CommandActionMoveDelete));
    EXPECT_FALSE(QDir(Dir("b/n1/renamed")).exists());
    EXPECT_EQ(M().Dir1->Path(), Dir("b/n1"));
    EXPECT_EQ(S.MadeFolderCount, 1);
    ASSERT_TRUE(QDir().rmdir(Dir("b/n1/other")));
    ASSERT_TRUE(click(*M().CommandActionMoveDelete));
    EXPECT_FALSE(QDir(Dir("b/n1")).exists());
    EXPECT_EQ(M().Dir1->Path(), Dir("b"));
    EXPECT_EQ(S.DestPathPending, Slash("b"));
    // None left: browsing is free again.
    EXPECT_TRUE(M().Dir1->Enabled());
    EXPECT_FALSE(M().FrameActionMoveRemove->Visible());
}

TEST_F(FolderDialogTest, BadNamesAreRefusedTypedOrPastedInBothBoxes) {
    OpenDestination();
    Browse(Dir("b"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    ASSERT_TRUE(type(*M().TextActionMoveCreate, "m"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));

    struct Case {
        const char* input;
        bool pasted;
        const char* lands;
        int messages;
    };
    for (TextBox* box : {M().TextActionMoveCreate, M().TextActionMoveNewName}) {
        for (Case c :
             {Case{"a b", false, "ab", 1}, Case{"x-y", false, "xy", 1}, Case{"../up", false, "up", 1},
              Case{"q/r", false, "qr", 1}, Case{"Z9", false, "Z9", 0}, Case{"../up", true, "up", 1},
              Case{"a/b c", true, "abc", 1}, Case{"\xc3\xa9t\xc3\xa9", true, "t", 1}}) {
            if (box == M().TextActionMoveCreate && !box->EffectivelyVisible()) {
                ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
            }
            if (box == M().TextActionMoveNewName && !box->EffectivelyVisible()) {
                ASSERT_TRUE(click(*M().CommandActionMoveCreateCancel));
                ASSERT_TRUE(click(*M().CommandActionMoveRename));
            }
            box->SetText("");
            QStringList texts;
            ModalScript script;
            for (int i = 0; i < c.messages; ++i) script.expect(kMessageBox, NoteAndOK(texts));
            if (c.pasted)
                ASSERT_TRUE(paste(*box, QString::fromUtf8(c.input)));
            else
                ASSERT_TRUE(type(*box, QString::fromUtf8(c.input)));
            // Typed keys are explained once for the run, when the typing pauses or at the latest when
            // Enter would use the name.
            if (!c.pasted && c.messages > 0) {
                ASSERT_TRUE(key(*box, 13));
            }
            script.verifyDone();
            EXPECT_EQ(box->Text(), QString::fromUtf8(c.lands)) << box->Name().toStdString() << " " << c.input;
            for (const QString& t : texts) EXPECT_EQ(t, kNameRule);
        }
    }
    // Backspace passes.
    M().TextActionMoveNewName->SetText("ab");
    ASSERT_TRUE(key(*M().TextActionMoveNewName, 8));
    EXPECT_EQ(M().TextActionMoveNewName->Text(), "a");
    // Nothing but "m" was ever made or renamed.
    EXPECT_EQ(QDir(Dir("b")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"m"});
}

// Keys typed on after a refused one reach the box, as they would on a screen: wherever the keyboard
// focus is when each arrives (a message box, if one is up).
TEST_F(FolderDialogTest, ARefusedKeyDropsItselfAloneAndTheBoxKeepsTheFocus) {
    OpenDestination();
    Browse(Dir("b"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    TextBox& box = *M().TextActionMoveCreate;
    ASSERT_EQ(focused(M()), &box);
    QString rest = QStringLiteral("pdf-copies");
    auto typeOn = [&rest, this] {
        while (!rest.isEmpty()) {
            const QString one = rest.left(1);
            rest.remove(0, 1);
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* target =
                modal ? (modal->focusWidget() ? modal->focusWidget() : modal) : WindowOf(M())->focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::keyClicks(target, one);
        }
    };
    QStringList texts;
    ModalScript script;
    script.expect(kMessageBox, [&](Form& f) {
        typeOn();
        NoteAndOK(texts)(f);
    });
    typeOn();
    QTRY_VERIFY_WITH_TIMEOUT(script.pending() == 0, 10000);
    script.verifyDone();
    EXPECT_EQ(texts, QStringList{kNameRule});
    EXPECT_EQ(box.Text(), "pdfcopies");
    EXPECT_EQ(focused(M()), &box);
    // Enter makes the folder under the name as it stands.
    ASSERT_TRUE(key(box, 13));
    EXPECT_TRUE(QDir(Dir("b") + "/pdfcopies").exists());
}

TEST_F(FolderDialogTest, TakenNamesAndRefusedOperationsAreReportedAndChangeNothing) {
    OpenDestination();
    Browse(Dir("b"));
    Write(Dir("b/taken"), "a file");
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    struct Case {
        const char* name;
        bool failMake;
        QString says;
    };
    // A refusal names the folder and the system's reason.
    const auto failed = [](const QString& folder) {
        return kFailed + QStringLiteral("\r\n\r\nFolder : ") + folder +
               QStringLiteral("\r\nReason : Permission denied");
    };
    for (const Case& c : {Case{"taken", false, kNameTaken}, Case{"fresh", true, failed(Dir("b/fresh"))}}) {
        files_->failMake = c.failMake;
        QStringList texts;
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        M().TextActionMoveCreate->SetText(QString::fromUtf8(c.name));
        ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));
        EXPECT_EQ(texts, QStringList{c.says}) << c.name;
        EXPECT_EQ(S.MadeFolderCount, 0) << c.name;
        EXPECT_TRUE(M().FrameActionMoveCreate->Visible()) << c.name;
        EXPECT_EQ(M().Dir1->Path(), Dir("b"));
    }
    EXPECT_FALSE(QDir(Dir("b/fresh")).exists());
    files_->failMake = false;
    M().TextActionMoveCreate->SetText("made");
    ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));
    ASSERT_EQ(S.MadeFolderCount, 1);

    // Renaming and removing without permission: said, and the list still names the folder.
    files_->failRename = files_->failRemove = true;
    ASSERT_TRUE(click(*M().CommandActionMoveRename));
    {
        QStringList texts;
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts)).expect(kMessageBox, NoteAndOK(texts));
        M().TextActionMoveNewName->SetText("other");
        ASSERT_TRUE(click(*M().CommandActionMoveRenameOK));
        ASSERT_TRUE(click(*M().CommandActionMoveDelete));
        EXPECT_EQ(texts, QStringList({failed(Dir("b/made")), failed(Dir("b/made"))}));
    }
    EXPECT_TRUE(QDir(Dir("b/made")).exists());
    EXPECT_EQ(S.MadeFolders.last(), Dir("b/made"));
    EXPECT_EQ(S.MadeFolderCount, 1);
}

TEST_F(FolderDialogTest, BrowseAgainAndCancelGiveUpTheMadeFoldersButLeaveThemOnDisk) {
    OpenDestination();
    Browse(Dir("b"));
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    M().TextActionMoveCreate->SetText("kept");
    ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));
    ASSERT_TRUE(click(*M().CommandActionMoveBrowseAgain));
    EXPECT_EQ(S.MadeFolderCount, 0);
    EXPECT_FALSE(M().FrameActionMoveRemove->Visible());
    EXPECT_FALSE(M().CommandActionMoveDelete->EffectivelyVisible());
    EXPECT_TRUE(M().Dir1->Enabled());
    EXPECT_TRUE(M().Drive1->Enabled());
    Browse(Dir("a"));
    EXPECT_EQ(S.DestPathPending, Slash("a"));
    // A new folder starts a new chain where the user is now.
    ASSERT_TRUE(click(*M().CommandActionMoveCreateNew));
    M().TextActionMoveCreate->SetText("fresh");
    ASSERT_TRUE(click(*M().CommandActionMoveCreateOK));
    EXPECT_EQ(S.MadeFolders, QStringList({Dir("a"), Dir("a/fresh")}));

    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    EXPECT_EQ(S.MadeFolderCount, 0);
    EXPECT_TRUE(M().Dir1->Enabled());
    EXPECT_EQ(S.DestPath, S.WorkPath);
    EXPECT_TRUE(QDir(Dir("b/kept")).exists());
    EXPECT_TRUE(QDir(Dir("a/fresh")).exists());
    OpenDestination();
    EXPECT_FALSE(M().FrameActionMoveRemove->Visible());
    EXPECT_FALSE(M().FrameActionMoveCreate->Visible());
    EXPECT_TRUE(M().Dir1->Enabled());
}

}  // namespace
}  // namespace qv::test::dialog
