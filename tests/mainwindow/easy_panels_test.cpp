// Easy Process through the window (tick, pick, type, Process, keys and pastes), the Run panel, the
// Help panel and the buttons of the information frames.
#include <QImage>

#include "core/message.h"
#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

class EasyProcess : public WindowTest {
  protected:
    // Easy Process ticked on a work folder holding these files.
    void Start(const QStringList& files, int action = 0) {
        OpenWork(files);
        if (action != 0)
            CommitAction(action, action == 7 ? 2 : 0);
        ASSERT_TRUE(click(*M().CheckEasyProcess));
    }
    // The Action panel opened, an action chosen and OK pressed, as a user does in Easy Process.
    void ChooseAction(int action) {
        if (action >= 1 && action <= 5) {
            S.DestPath = dest_ + "/";
            S.DestPathChosen = true;
        }
        ASSERT_TRUE(click(*M().CommandAction));
        ASSERT_TRUE(click(*M().OptionAction[action]));
        ASSERT_TRUE(click(*M().CommandActionOK));
        ASSERT_FALSE(M().FrameAction->Visible());
    }
    TextBox& Name() { return *M().TextSingleProcessName; }
    TextBox& Ext() { return *M().TextSingleProcessExt; }
    bool Ready() { return M().CommandSingleProcess->Enabled() && M().LabelSingleReady->Visible(); }
};

TEST_F(EasyProcess, TickPickTypeAndProcessRenamesTheOneFile) {
    Start({"IMG_1.jpg", "notes.txt"});
    FrmMain& m = M();
    EXPECT_TRUE(S.EasyProcessMode);
    EXPECT_TRUE(m.File2->Visible());
    EXPECT_FALSE(m.File1->Visible());
    EXPECT_TRUE(m.FrameSingleProcess->Visible());
    EXPECT_FALSE(Name().Enabled());

    ASSERT_TRUE(clickFile(*m.File2, "notes.txt"));
    EXPECT_EQ(S.EasyFileIndex, 1);
    EXPECT_EQ(text(Name()), "notes");
    EXPECT_EQ(text(Ext()), "txt");
    EXPECT_TRUE(Name().Enabled());
    EXPECT_TRUE(Ext().Enabled());
    EXPECT_EQ(Name().BackColor(), kSysWindowBackground);
    EXPECT_TRUE(m.CheckSingleSpace->Enabled());
    // The whole name is selected, so typing replaces it.
    EXPECT_EQ(Name().SelLength(), 5);
    EXPECT_FALSE(Ready());  // the file's own name: nothing to rename yet
    EXPECT_EQ(caption(*m.LabelFileNum), "File # 2 : 1KB");

    ASSERT_TRUE(type(Name(), "memo"));
    EXPECT_EQ(text(Name()), "memo");
    EXPECT_TRUE(Ready());
    ASSERT_TRUE(click(*m.CommandSingleProcess));

    EXPECT_EQ(FilesIn(work_), (QStringList{"IMG_1.jpg", "memo.txt"}));
    EXPECT_EQ(S.EasyFileIndex, -1);
    EXPECT_EQ(items(*m.File2), (QStringList{"IMG_1.jpg", "memo.txt"}));
    EXPECT_EQ(m.File2->ListIndex(), -1);
    EXPECT_EQ(text(Name()), "");
    EXPECT_EQ(text(Ext()), "");
    EXPECT_FALSE(Name().Enabled());
    EXPECT_FALSE(Ready());
    EXPECT_FALSE(S.UndoAvailable);  // a single-file action cannot be undone
}

// The batch criteria stay as they are behind the Easy Process frame: their reset is off there.
TEST_F(EasyProcess, ResetRenameCriteriaStaysOff) {
    OpenWork({"a.txt", "b.txt"});
    InsertAtStart("X");
    RenameSet();
    ASSERT_TRUE(M().CommandClearRename->Enabled());
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    EXPECT_FALSE(M().CommandClearRename->Enabled());
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    EXPECT_FALSE(M().CommandClearRename->Enabled());
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    EXPECT_TRUE(M().CommandClearRename->Enabled());
}

TEST_F(EasyProcess, ACaseChangeCountsAsANewName) {
    Start({"notes.txt"});
    ASSERT_TRUE(clickFile(*M().File2, "notes.txt"));
    ASSERT_TRUE(type(Ext(), "\b\b\bTXT"));
    EXPECT_TRUE(Ready());
    ASSERT_TRUE(type(Ext(), "\b\b\btxt"));
    EXPECT_FALSE(Ready());
}

TEST_F(EasyProcess, ASecondClickOnThePickedFileTakesThePickBack) {
    Start({"a.txt", "b.txt"});
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    ASSERT_TRUE(type(Name(), "c"));
    EXPECT_TRUE(Ready());
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    EXPECT_EQ(S.EasyFileIndex, -1);
    EXPECT_EQ(M().File2->ListIndex(), -1);
    EXPECT_EQ(text(Name()), "");
    EXPECT_EQ(text(Ext()), "");
    EXPECT_FALSE(Name().Enabled());
    EXPECT_FALSE(Ready());
    EXPECT_EQ(caption(*M().LabelFileNum), "");
    // Typing without a pick does nothing.
    EXPECT_FALSE(M().CheckSingleSpace->Enabled());
}

TEST_F(EasyProcess, NamesWithoutADotOrWithOnlyALeadingDotEnableNothing) {
    struct Row {
        const char* file;
        int action;
        const char* name;
        const char* ext;
        bool editable;
    } rows[] = {
        {"README", 0, "", "", false},
        {"README", 4, "", "", false},
        {"data.", 0, "data", "", true},   // a name to give an extension to
        {"data.", 4, "data", "", false},  // a copy would lose the dot: not ready
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.file) + " action " + std::to_string(r.action));
        TearDown();
        SetUp();
        Start({r.file, "other.txt"}, r.action);
        ASSERT_TRUE(clickFile(*M().File2, QString::fromLatin1(r.file)));
        EXPECT_EQ(text(Name()), r.name);
        EXPECT_EQ(text(Ext()), r.ext);
        EXPECT_EQ(Name().Enabled(), r.editable);
        EXPECT_EQ(Ext().Enabled(), r.editable);
        EXPECT_EQ(M().CheckSingleSpace->Enabled(), r.editable);
        EXPECT_FALSE(Ready());
        if (r.editable) {
            ASSERT_TRUE(type(Ext(), "csv"));
            EXPECT_TRUE(Ready());
        }
    }
}

TEST_F(EasyProcess, OtherActionsAreReadyAtOnceWithTheFilesOwnName) {
    struct Row {
        int action;
        QStringList work, dest;
    } rows[] = {
        {4, {"a.txt", "b.txt"}, {"b.txt"}},
        {5, {"a.txt"}, {"b.txt"}},
        {6, {"a.txt"}, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action);
        TearDown();
        SetUp();
        QDir(dest_).removeRecursively();
        QDir().mkpath(dest_);
        Start({"a.txt", "b.txt"}, r.action);
        ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
        EXPECT_FALSE(Name().Enabled());
        EXPECT_EQ(Name().BackColor(), 0xE0E0E0u);
        EXPECT_TRUE(Ready());
        ASSERT_TRUE(click(*M().CommandSingleProcess));
        EXPECT_EQ(FilesIn(work_), r.work);
        EXPECT_EQ(FilesIn(dest_), r.dest);
        EXPECT_FALSE(Ready());
    }
}

TEST_F(EasyProcess, CopyOrMoveChosenAfterANewNameTakesTheFileUnderItsOwnName) {
    for (int action : {4, 5}) {
        SCOPED_TRACE(action);
        TearDown();
        SetUp();
        QDir(dest_).removeRecursively();
        QDir().mkpath(dest_);
        Start({"a.txt"});
        ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
        ASSERT_TRUE(type(Name(), "zzz"));
        ASSERT_TRUE(Ready());
        ChooseAction(action);
        FrmMain& m = M();
        EXPECT_EQ(text(Name()), "a");
        EXPECT_EQ(text(Ext()), "txt");
        EXPECT_FALSE(Name().Enabled());
        EXPECT_FALSE(Ext().Enabled());
        EXPECT_FALSE(m.CheckSingleSpace->Enabled());
        EXPECT_EQ(Name().BackColor(), 0xE0E0E0u);
        EXPECT_EQ(caption(*m.LabelSingleProcessName), "Name");
        EXPECT_EQ(caption(*m.LabelSingleProcessExt), "Extension");
        EXPECT_EQ(caption(*m.LabelSingleProcess), S.ActionName);
        EXPECT_TRUE(Ready());
        ASSERT_TRUE(click(*m.CommandSingleProcess));
        EXPECT_EQ(FilesIn(dest_), QStringList{"a.txt"});
        EXPECT_EQ(FilesIn(work_), action == 4 ? QStringList{"a.txt"} : QStringList());
    }
}

TEST_F(EasyProcess, RenameChosenAfterAPickUnderMoveWaitsForANewName) {
    Start({"a.txt"}, 5);
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(Ready());
    ChooseAction(0);
    FrmMain& m = M();
    EXPECT_TRUE(Name().Enabled());
    EXPECT_TRUE(Ext().Enabled());
    EXPECT_TRUE(m.CheckSingleSpace->Enabled());
    EXPECT_EQ(Name().BackColor(), kSysWindowBackground);
    EXPECT_EQ(caption(*m.LabelSingleProcessName), "New Name");
    EXPECT_EQ(caption(*m.LabelSingleProcessExt), "And New Extension");
    EXPECT_EQ(caption(*m.LabelSingleProcess), "Rename");
    EXPECT_EQ(Name().SelLength(), 1);  // the name part selected: typing replaces it
    EXPECT_FALSE(Ready());
    ASSERT_TRUE(type(Name(), "b"));
    EXPECT_TRUE(Ready());
    ASSERT_TRUE(click(*m.CommandSingleProcess));
    EXPECT_EQ(FilesIn(work_), QStringList{"b.txt"});
    EXPECT_EQ(FilesIn(dest_), QStringList());
}

TEST_F(EasyProcess, ANameLongerThanTheFolderTakesIsToldSo) {
    Start({"a.txt"});
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(type(Name(), QString(256, QLatin1Char('n'))));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    ASSERT_TRUE(click(*M().CommandSingleProcess));
    script.verifyDone();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(
        said[0].startsWith("The name is longer than the Folder allows. A file name there can be at most "
                           "255 bytes long"))
        << said[0].toStdString();
    EXPECT_EQ(FilesIn(work_), QStringList{"a.txt"});
}

TEST_F(EasyProcess, SetAttributeWritesTheChosenAttribute) {
    Start({"a.txt"}, 7);  // attribute choice 2: read-only
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(click(*M().CommandSingleProcess));
    EXPECT_FALSE(QFileInfo(work_ + "/a.txt").permissions() & QFile::WriteOwner);
    QFile::setPermissions(work_ + "/a.txt", QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(EasyProcess, ConflictsAreReportedAndNothingIsTouched) {
    struct Row {
        int action;
        const char* typed;
        const char* said;
    } rows[] = {
        {0, "b", "conflicting with name of a existing file in the Folder"},
        {1, "c", "conflicting with the name of a existing file in the Destination Folder"},
        {3, "c", "conflicting with the name of a existing file in the Destination Folder"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action);
        TearDown();
        SetUp();
        MakeFile(dest_ + "/c.txt", "dest");
        Start({"a.txt", "b.txt"}, r.action);
        ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
        QStringList said;
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        ASSERT_TRUE(type(Name(), QString::fromLatin1(r.typed)));
        ASSERT_TRUE(click(*M().CommandSingleProcess));
        script.verifyDone();
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].contains(QLatin1String(r.said))) << said[0].toStdString();
        EXPECT_EQ(FilesIn(work_), (QStringList{"a.txt", "b.txt"}));
        EXPECT_EQ(FilesIn(dest_), QStringList{"c.txt"});
        EXPECT_EQ(S.EasyFileIndex, 0);  // the pick and the boxes stay
        EXPECT_EQ(text(Ext()), "txt");
    }
}

// The boxes' labels and the names assistive tools read follow what the boxes are: editable for a new
// name under a renaming action once a file is picked, read-only with the file's own name otherwise.
TEST_F(EasyProcess, LabelsAndNamesFollowWhatTheBoxesAre) {
    for (int action : {0, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(action);
        TearDown();
        SetUp();
        Start({"a.txt"}, action);
        FrmMain& m = M();
        auto expectLabels = [&](bool editable) {
            EXPECT_EQ(Name().Enabled(), editable);
            EXPECT_EQ(caption(*m.LabelSingleProcessName), editable ? "New Name" : "Name");
            EXPECT_EQ(caption(*m.LabelSingleProcessExt), editable ? "And New Extension" : "Extension");
            EXPECT_EQ(Name().AccessibleName(), editable ? "New Name" : "Name");
            EXPECT_EQ(Ext().AccessibleName(), editable ? "New Extension" : "Extension");
        };
        expectLabels(false);  // nothing picked yet
        ASSERT_TRUE(clickFile(*m.File2, "a.txt"));
        expectLabels(action <= 3);
        ASSERT_TRUE(clickFile(*m.File2, "a.txt"));  // the pick taken back
        expectLabels(false);
    }
}

// Delete or Set Attribute committed in Easy Process keeps File Selection off: no batch can be
// chosen behind the frame, and leaving the mode shows no batch ready to act on.
TEST_F(EasyProcess, DeleteOrSetAttributeLeavesFileSelectionOff) {
    for (int action : {6, 7}) {
        SCOPED_TRACE(action);
        TearDown();
        SetUp();
        Start({"a.txt", "b.txt"});
        ASSERT_TRUE(click(*M().CommandAction));
        ASSERT_TRUE(click(*M().OptionAction[action]));
        if (action == 7) {
            ASSERT_TRUE(click(*M().OptionAttribute[2]));
        }
        ASSERT_TRUE(click(*M().CommandActionOK));
        ASSERT_EQ(S.ActionIndex, action);
        EXPECT_FALSE(M().CommandSelection->Enabled());
        EXPECT_FALSE(M().CommandClearSelection->Enabled());
        EXPECT_FALSE(S.ViewLocked);
        EXPECT_TRUE(M().CommandRigidity->Enabled());
        EXPECT_TRUE(M().CommandAction->Enabled());
        M().CommandSelection->Click();  // whatever reaches it
        EXPECT_FALSE(M().FrameSelection->Visible());
        ASSERT_TRUE(click(*M().CheckEasyProcess));
        EXPECT_FALSE(S.EasyProcessMode);
        EXPECT_EQ(S.HasSelection, 0);
        EXPECT_FALSE(M().CommandPreview->Enabled());
        EXPECT_TRUE(M().CommandSelection->Enabled());
        EXPECT_TRUE(M().CheckEasyProcess->Enabled());
    }
}

TEST_F(EasyProcess, KeyRulesOfTheBoxes) {
    struct Row {
        bool extBox;
        const char* typed;
        const char* kept;
        const char* said;  // part of the message, "" for none
    } rows[] = {
        {false, "my_file-2$", "my_file-2$", ""},
        {false, "a b", "ab", "To include Space please check the Include Space Check Box."},
        {false, "a.b", "ab", "For new name only the following characters can be used"},
        {false, "é", "a", "For new name only the following characters can be used"},
        {true, "\b\b\bJp9", "Jp9", ""},
        {true, "\b\b\bj-g", "jg", "In new Extension you can use only Alphabets and Digits 0 to 9."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        TearDown();
        SetUp();
        Start({"a.txt"});
        ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
        QStringList said;
        ModalScript script;
        if (*r.said)
            script.expect(kMessageBox, Note(said));
        TextBox& box = r.extBox ? Ext() : Name();
        ASSERT_TRUE(reachable(box, "type into"));
        box.UserTypes(QString::fromUtf8(r.typed));
        script.verifyDone();
        EXPECT_EQ(text(box), QString::fromUtf8(r.kept));
        if (*r.said) {
            ASSERT_EQ(said.size(), 1);
            EXPECT_TRUE(said[0].contains(QLatin1String(r.said))) << said[0].toStdString();
        }
    }
}

TEST_F(EasyProcess, PastesPassTheSameRules) {
    Start({"a.txt"});
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said)).expect(kMessageBox, Note(said)).expect(kMessageBox, Note(said));
    ASSERT_TRUE(paste(Name(), "x/y"));
    EXPECT_EQ(text(Name()), "a");
    ASSERT_TRUE(paste(Name(), "x y"));
    EXPECT_EQ(text(Name()), "a");
    ASSERT_TRUE(paste(Ext(), "t.t"));
    EXPECT_EQ(text(Ext()), "txt");
    script.verifyDone();
    Name().SetSelStart(0);
    Name().SetSelLength(1);
    ASSERT_TRUE(paste(Name(), "new"));
    EXPECT_EQ(text(Name()), "new");
    EXPECT_TRUE(Ready());
}

TEST_F(EasyProcess, APasteOverTheFilesOwnNamePassesOnlyCharactersTheKeysPass) {
    struct Row {
        const char* file;
        const char* pasted;
        const char* kept;
        const char* said;
    } rows[] = {
        {"a.b.c.txt", "x..y", "a.b.c", "For new name only the following characters can be used"},
        {"a b.txt", "x y", "a b", "To include Space please check the Include Space Check Box."},
        {"café.txt", "thé", "café", "For new name only the following characters can be used"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        TearDown();
        SetUp();
        const QString file = QString::fromUtf8(r.file);
        Start({file});
        ASSERT_TRUE(clickFile(*M().File2, file));
        ASSERT_EQ(Name().SelLength(), Name().Text().size());  // the whole name part
        QStringList said;
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        ASSERT_TRUE(paste(Name(), QString::fromUtf8(r.pasted)));
        script.verifyDone();
        EXPECT_EQ(text(Name()), QString::fromUtf8(r.kept));
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].contains(QLatin1String(r.said))) << said[0].toStdString();
        ASSERT_TRUE(key(Name(), 13));
        EXPECT_EQ(FilesIn(work_), QStringList{file});
    }
}

TEST_F(EasyProcess, UntickingIncludeSpaceStripsTheSpaces) {
    Start({"a.txt"});
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(click(*M().CheckSingleSpace));
    EXPECT_TRUE(M().SingleSpaceAllowed);
    ASSERT_TRUE(type(Name(), "my new"));
    EXPECT_EQ(text(Name()), "my new");
    ASSERT_TRUE(click(*M().CheckSingleSpace));
    EXPECT_FALSE(M().SingleSpaceAllowed);
    EXPECT_EQ(text(Name()), "mynew");
    EXPECT_TRUE(Ready());
}

TEST_F(EasyProcess, EnterRunsTheActionOnlyWhenProcessIsEnabled) {
    Start({"a.txt"}, 1);  // Rename And Copy
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_FALSE(Ready());
    // Both boxes hold the file's own name: the button is off, and so is Enter.
    ASSERT_TRUE(key(Name(), 13));
    EXPECT_EQ(FilesIn(dest_), QStringList());
    EXPECT_EQ(S.EasyFileIndex, 0);
    EXPECT_EQ(text(Name()), "a");
    ASSERT_TRUE(type(Name(), "b"));
    ASSERT_TRUE(key(Name(), 13));
    EXPECT_EQ(FilesIn(work_), QStringList{"b.txt"});
    EXPECT_EQ(FilesIn(dest_), QStringList{"b.txt"});
}

TEST_F(EasyProcess, ReviewModeRefusesTheAction) {
    Start({"a.txt"});
    S.ReviewMode = 1;
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(type(Name(), "b"));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    ASSERT_TRUE(click(*M().CommandSingleProcess));
    script.verifyDone();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("Review Mode"));
    EXPECT_EQ(FilesIn(work_), QStringList{"a.txt"});
}

TEST_F(EasyProcess, AFolderChangeDropsThePick) {
    MakeFile(dest_ + "/keep.txt", "keep");
    MakeFile(dest_ + "/other.txt", "other");
    Start({"a.txt", "b.txt"}, 6);
    ASSERT_TRUE(clickFile(*M().File2, "b.txt"));
    ASSERT_TRUE(Ready());
    Go(dest_);
    EXPECT_EQ(S.EasyFileIndex, -1);
    EXPECT_FALSE(Ready());
    EXPECT_EQ(text(Name()), "");
    EXPECT_FALSE(Name().Enabled());
    // Nothing in the new folder can be deleted by the old pick.
    S.ReviewMode = 0;
    M().CommandSingleProcess->UserClicks();
    EXPECT_EQ(FilesIn(dest_), (QStringList{"keep.txt", "other.txt"}));
}

TEST_F(EasyProcess, UntickingOrCancelLeavesTheModeAndTickingEmptiesTheSelection) {
    OpenWork({"a.txt", "b.txt"});
    SelectByHand({"a.txt", "b.txt"});
    ASSERT_EQ(S.SelectedCount, 2);
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    EXPECT_EQ(S.SelectedCount, 0);
    EXPECT_EQ(M().File1->SelCount(), 0);
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:1");
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(click(*M().CommandSingleCancel));
    EXPECT_FALSE(S.EasyProcessMode);
    EXPECT_EQ(value(*M().CheckEasyProcess), 0);
    EXPECT_EQ(S.EasyFileIndex, -1);
    EXPECT_TRUE(M().File1->Visible());
    EXPECT_FALSE(M().FrameSingleProcess->Visible());
    EXPECT_EQ(text(Name()), "");
}

// --- Run panel ---

class RunPanel : public WindowTest {
  protected:
    void Family(int count) {
        S.RunListNames.clear();
        S.RunListPaths.clear();
        for (int i = 0; i < count; ++i) {
            S.RunListNames << QStringLiteral("Member%1").arg(i);
            S.RunListPaths << QStringLiteral("/opt/m%1/Member%1").arg(i);
        }
        S.RunListLast = count - 1;
        SetButPictures();
    }
    QStringList Shown() {
        QStringList names;
        for (OptionButton* o : M().OptionRun.items())
            if (o->Visible())
                names << o->Caption();
        return names;
    }
};

TEST_F(RunPanel, NoFamilyProgramKeepsTheRunButtonHidden) {
    Family(0);
    EXPECT_FALSE(M().FrameShowRun->Visible());
    EXPECT_FALSE(M().CommandRun->EffectivelyVisible());
    Family(1);
    EXPECT_TRUE(M().CommandRun->EffectivelyVisible());
}

TEST_F(RunPanel, OneEntryPerProgramASingleOnePreselected) {
    int heights[2] = {0, 0};
    int k = 0;
    for (int count : {1, 10}) {
        SCOPED_TRACE(count);
        TearDown();
        SetUp();
        Family(count);
        ASSERT_TRUE(click(*M().CommandRun));
        FrmMain& m = M();
        EXPECT_TRUE(m.FrameRun->Visible());
        EXPECT_TRUE(S.ViewLocked);
        EXPECT_EQ(S.PanelKey, "Family");
        EXPECT_EQ(pictureId(*m.CommandRun), "AButton:6");
        EXPECT_EQ(Shown(), S.RunListNames);
        // The buttons lie under the last entry and inside the frame; the frame inside the window.
        OptionButton* last = m.OptionRun[count - 1];
        EXPECT_GE(m.CommandRunOK->Top(), last->Top() + last->Height());
        EXPECT_LE(m.CommandRunOK->Top() + m.CommandRunOK->Height(), m.FrameRun->Height() * kTwipsPerPixel);
        EXPECT_LE(m.FrameRun->Top() + m.FrameRun->Height(), m.Height());
        EXPECT_EQ(caption(*m.LabelInfo4), "You must finish with Run to continue.");
        EXPECT_TRUE(unnamedControls(m).isEmpty()) << unnamedControls(m).join(", ").toStdString();
        heights[k++] = m.FrameRun->Height();
        if (count == 1) {
            EXPECT_EQ(value(*m.OptionRun[0]), -1);
            EXPECT_TRUE(m.CommandRunOK->Enabled());
        } else {
            EXPECT_FALSE(m.CommandRunOK->Enabled());
            ASSERT_TRUE(click(*m.OptionRun[7]));
            EXPECT_EQ(S.RunChoice, 7);
            EXPECT_TRUE(m.CommandRunOK->Enabled());
            EXPECT_THROW(click(*m.CommandRunOK), ProgramEnded);
            EXPECT_EQ(system_->startedPrograms, QStringList{"/opt/m7/Member7"});
        }
    }
    EXPECT_EQ(heights[1] - heights[0],
              9 * (M().OptionRun[1]->Top() - M().OptionRun[0]->Top()) / kTwipsPerPixel);
}

TEST_F(RunPanel, AFailedStartIsReportedAndTheProgramStays) {
    Family(2);
    system_->startProgramResult = false;
    ASSERT_TRUE(click(*M().CommandRun));
    ASSERT_TRUE(click(*M().OptionRun[1]));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    ASSERT_TRUE(click(*M().CommandRunOK));
    script.verifyDone();
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0], "Could not run the Program.");
    EXPECT_FALSE(system_->endCode.has_value());
    EXPECT_TRUE(M().FrameRun->Visible());
}

TEST_F(RunPanel, CancelOrASecondClickClosesIt) {
    Family(3);
    for (CommandButton* closer : {M().CommandRunCancel, M().CommandRun}) {
        ASSERT_TRUE(click(*M().CommandRun));
        ASSERT_TRUE(M().FrameRun->Visible());
        EXPECT_FALSE(M().CommandSelection->Enabled());
        ASSERT_TRUE(click(*closer));
        EXPECT_FALSE(M().FrameRun->Visible());
        EXPECT_FALSE(S.ViewLocked);
        EXPECT_FALSE(S.PanelOpen);
        EXPECT_TRUE(S.PanelKey.isEmpty());
        EXPECT_TRUE(M().CommandSelection->Enabled());
        EXPECT_EQ(pictureId(*M().CommandRun), "AButton:0");
    }
}

// --- Help panel ---

using HelpPanel = WindowTest;

TEST_F(HelpPanel, PictureAlternatesAndASecondClickCloses) {
    QStringList pictures;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(click(*M().CommandHelp));
        EXPECT_TRUE(M().FrameHelp->Visible());
        EXPECT_EQ(S.PanelKey, "Help");
        pictures << pictureId(*M().ImageHelpDefault);
        EXPECT_EQ(caption(*M().LabelInfo4), "You must finish with Help to continue.");
        ASSERT_TRUE(click(i == 0 ? *M().CommandHelpCancel : *M().CommandHelp));
        EXPECT_FALSE(M().FrameHelp->Visible());
        EXPECT_FALSE(S.ViewLocked);
    }
    EXPECT_EQ(pictures, (QStringList{"ImageHelp:1", "ImageHelp:0", "ImageHelp:1"}));
}

TEST_F(HelpPanel, AboutShowsOnTheFirstClickAndHidesOnTheSecond) {
    ASSERT_TRUE(click(*M().CommandHelp));
    ASSERT_TRUE(click(*M().CommandHelpAbout));
    EXPECT_TRUE(M().FrameAbout->Visible());
    EXPECT_EQ(caption(*M().LabelAboutProgName), "Quorvan");
    ASSERT_TRUE(click(*M().CommandHelpAbout));
    EXPECT_FALSE(M().FrameAbout->Visible());
    EXPECT_TRUE(M().FrameView->Visible());
}

TEST_F(HelpPanel, HelpProgramStartsOrTheFailureIsReported) {
    S.HelpFound = true;
    S.HelpPath = prog_ + "Help/QuorvanHelp";
    ASSERT_TRUE(click(*M().CommandHelp));
    ASSERT_TRUE(click(*M().CommandHelpShow));
    EXPECT_EQ(system_->startedPrograms, QStringList{S.HelpPath});
    EXPECT_FALSE(M().FrameHelp->Visible());
    EXPECT_FALSE(system_->endCode.has_value());

    system_->startProgramResult = false;
    ASSERT_TRUE(click(*M().CommandHelp));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    ASSERT_TRUE(click(*M().CommandHelpShow));
    script.verifyDone();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("Could not find Help."));
}

TEST_F(HelpPanel, WebSiteOpensThePageOrReportsAndStaysOpen) {
    ASSERT_TRUE(click(*M().CommandHelp));
    ASSERT_TRUE(click(*M().CommandHelpWebSite));
    EXPECT_EQ(system_->openedPages, QStringList{ProductWebAddress()});
    EXPECT_FALSE(M().FrameHelp->Visible());

    system_->openWebPageResult = false;
    ASSERT_TRUE(click(*M().CommandHelp));
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    ASSERT_TRUE(click(*M().CommandHelpWebSite));
    script.verifyDone();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("Could not run the Web Browser"));
    EXPECT_TRUE(M().FrameHelp->Visible());
    EXPECT_EQ(S.PanelKey, "Help");
}

// --- Information frames ---

using InfoFrames = WindowTest;

TEST_F(InfoFrames, TheViewButtonsShowOneFrameAndHideBringsTheViewBack) {
    struct Row {
        CommandButton* FrmMain::*show;
        Frame* FrmMain::*frame;
        CommandButton* FrmMain::*hide;
    } rows[] = {
        {&FrmMain::CommandViewInfo, &FrmMain::FrameInfo, &FrmMain::CommandInfoHide},
        {&FrmMain::CommandViewChoice, &FrmMain::FrameChoice, &FrmMain::CommandChoiceHide},
    };
    FrmMain& m = M();
    for (const Row& r : rows) {
        ASSERT_TRUE(click(*(m.*r.show)));
        for (Frame* f : {m.FrameAbout, m.FrameChoice, m.FrameInfo, m.FramePriority, m.FrameView})
            EXPECT_EQ(f->Visible(), f == m.*r.frame) << f->Name().toStdString();
        ASSERT_TRUE(click(*(m.*r.hide)));
        EXPECT_TRUE(m.FrameView->Visible());
        EXPECT_FALSE((m.*r.frame)->Visible());
    }
    EXPECT_EQ(S.FrameKeySaved, "InfoFrame");
}

TEST_F(InfoFrames, NalvoChangesTheUserName) {
    ASSERT_TRUE(click(*M().CommandViewChoice));
    ModalScript script;
    script.expect(kMessageBox, [](Form& f) {
        auto& box = static_cast<FrmMessage&>(f);
        type(*box.TextInput0, "Zora");
        box.CommandOK->UserClicks();
    });
    ASSERT_TRUE(click(*M().CommandChoiceSetName));
    script.verifyDone();
    EXPECT_EQ(S.UserName, "Zora");
    EXPECT_EQ(M().Caption(), "Quorvan - Zora");
}

TEST_F(InfoFrames, PembritOpensThePictureChooser) {
    ASSERT_TRUE(click(*M().CommandViewChoice));
    S.PictureDefaultChosen = true;
    ASSERT_TRUE(click(*M().CommandChoiceSetPic));
    EXPECT_TRUE(S.MovePictureMode);
    EXPECT_TRUE(S.PictureDefaultSaved);
    EXPECT_TRUE(frmMove().Visible());
}

TEST_F(InfoFrames, AChosenPictureShowsAfterTheChooserAndAGoneOneShowsTheDefault) {
    const QString pic = root_ + "/me.png";
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(pic));
    EXPECT_EQ(pictureId(*M().ImageChoiceDefault), "ImageUser:default");
    EXPECT_EQ(caption(*M().FrameChoice), "Your picture here? press Pembrit");

    S.UserPicPath = pic;
    S.UserPicCaption = "Me";
    S.SetButKey = "setButFrame";
    SetButtons();
    EXPECT_EQ(pictureId(*M().ImageUser), pic);
    EXPECT_EQ(pictureId(*M().ImageChoiceDefault), pic);
    EXPECT_EQ(caption(*M().FrameView), "Me");
    EXPECT_EQ(caption(*M().FrameChoice), "Wendral");

    QFile::remove(pic);
    S.SetButKey = "setButFrame";
    SetButtons();
    EXPECT_EQ(pictureId(*M().ImageChoiceDefault), "ImageUser:default");
    EXPECT_EQ(pictureId(*M().ImageUser), "");
    EXPECT_EQ(caption(*M().FrameView), "");
    EXPECT_EQ(caption(*M().FrameChoice), "Your picture here? press Pembrit");
}

}  // namespace
}  // namespace qv::test
