// Start-up as a whole, through Main with fake screen, system folder, settings store and exit, and
// a real temporary program folder.
#include "core/startup.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include "core/family.h"
#include "core/state.h"
#include "core_fixture.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/frm_but.h"

namespace qv::test {
namespace {

class StartupTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        UseProgramFolder(temp_.path() + "/prog/");
    }
    void UseProgramFolder(const QString& folder) {
        prog_ = folder;
        WriteFile(prog_ + "quorvan", "program");
        QDir().mkpath(prog_ + "Quorvan");
        system_->programFolder = prog_;
        QDir::setCurrent(prog_);
    }
    QString prog_;
};

TEST_F(StartupTest, ScreenIsRefusedBeforeTheSystemFolder) {
    system_->systemFolder = temp_.path() + "/";  // the program lies below it
    system_->screenWidthTwips = 11499;
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    EXPECT_THROW(Main(), ProgramEnded);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.startsWith("To run the Program Screen Resolution"));
    EXPECT_FALSE(frmMain().Loaded());
}

TEST_F(StartupTest, ScreenLimitsInTwips) {
    // A named user with a settings file: an accepted start shows no box at all.
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    for (auto [w, h, ok] :
         {std::tuple{11500, 8500, true}, std::tuple{11499, 8500, false}, std::tuple{11500, 8499, false}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        UnloadEveryForm();
        ResetState();
        system_->screenWidthTwips = w;
        system_->screenHeightTwips = h;
        system_->endCode.reset();
        ModalScript script;
        std::vector<BoxSeen> seen;
        if (ok) {
            EXPECT_NO_THROW(Main());
            EXPECT_TRUE(frmMain().Visible());
            EXPECT_FALSE(system_->endCode.has_value());
        } else {
            script.expect(kMessageBox, Box(seen, PressOK));
            EXPECT_THROW(Main(), ProgramEnded);
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].text.startsWith("To run the Program Screen Resolution"));
            EXPECT_FALSE(frmMain().Loaded());
        }
    }
}

TEST_F(StartupTest, SystemFolderAndItsSiblings) {
    // Inside the system folder: refused.
    system_->systemFolder = temp_.path() + "/sys";
    UseProgramFolder(temp_.path() + "/sys/prog/");
    {
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, PressOK));
        EXPECT_THROW(Main(), ProgramEnded);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_TRUE(seen[0].text.startsWith("The Program will not run from inside System Folder."));
        EXPECT_FALSE(frmMain().Loaded());
    }
    // A sibling whose name only begins like the system folder: accepted.
    UnloadEveryForm();
    ResetState();
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    UseProgramFolder(temp_.path() + "/sysextra/");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    {
        ModalScript script;
        EXPECT_NO_THROW(Main());
        EXPECT_TRUE(frmMain().Visible());
        EXPECT_EQ(S.ProgFolder, prog_);
    }
    // No system folder at all protects nothing: not the start, not a folder change.
    UnloadEveryForm();
    ResetState();
    system_->systemFolder = QString();
    UseProgramFolder(temp_.path() + "/sys/prog/");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    ModalScript script;
    EXPECT_NO_THROW(Main());
    EXPECT_TRUE(frmMain().Visible());
    frmMain().Dir1->SetPath(temp_.path() + "/sys");
    EXPECT_EQ(frmMain().Dir1->Path(), temp_.path() + "/sys");
    EXPECT_FALSE(S.WorkInSystemFolder);
    EXPECT_EQ(script.count(), 0);
}

TEST_F(StartupTest, SecondInstanceHandsOver) {
    instance_->acquireResult = false;
    ModalScript script;
    EXPECT_THROW(Main(), ProgramEnded);
    EXPECT_EQ(instance_->acquired, QStringList{"Quorvan"});
    // Ends before loading any form.
    EXPECT_FALSE(frmBut().Loaded());
    EXPECT_FALSE(frmMove().Loaded());
    EXPECT_FALSE(frmMain().Loaded());
    EXPECT_TRUE(system_->endCode.has_value());
}

TEST_F(StartupTest, FirstStartAsksTheNameThenShowsTheWindowThenTheFirstStartMessage) {
    system_->dayOfMonth = 25;
    ModalScript script;
    std::vector<BoxSeen> seen;
    script
        .expect(kMessageBox, Box(seen,
                                 [](FrmMessage& f) {
                                     EXPECT_FALSE(frmMain().Visible());
                                     f.TextInput0->UserTypes(QStringLiteral("Mira"));
                                     PressOK(f);
                                 }))
        .expect(kMessageBox, Box(seen, [](FrmMessage& f) {
                    EXPECT_TRUE(frmMain().Visible());
                    EXPECT_FALSE(S.StartUpInProgress);
                    PressOK(f);
                }));
    Main();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].head, "Your Name Please");
    EXPECT_TRUE(seen[1].text.startsWith("You can set the Program in Review Mode"));
    EXPECT_EQ(seen[1].caption, "Message For - Mira");
    EXPECT_EQ(store_->GetSetting("Holvent", "NidraBhanga", "NickName"), "Mira");
    // Registered in the family records.
    EXPECT_EQ(store_->GetSetting("Holvent", "GuruNaam", "EkaaGuru"), "Quorvan");
    EXPECT_EQ(store_->GetSetting("Holvent", "GuruGhar", "EkaaGuru"), prog_);
    EXPECT_EQ(store_->GetSetting("Holvent", "NidraGavir", "AnekGuru"), FamilyMarker(0, 25));
    // Defaults, and the work folder is the program folder.
    EXPECT_EQ(S.SelMaxFiles, 100);
    EXPECT_EQ(S.OptionsCode, 3);
    EXPECT_FALSE(S.FirstStart);
    EXPECT_EQ(S.WorkPath, prog_);
    EXPECT_EQ(S.DestPath, prog_);
    EXPECT_EQ(S.SettingsPath, prog_ + "Quorvan/Set.Kastrel");
    EXPECT_EQ(frmMain().LabelSpaceFree->Caption(), S.DestSpaceCaption);
    EXPECT_TRUE(S.DestSpaceCaption.startsWith("Drive " + S.MoveDriveLetter + " : Space Available : "));
    EXPECT_TRUE(S.DestSpaceCaption.endsWith(" KB"));
    EXPECT_GT(S.DestFreeKB, 0);
    EXPECT_FALSE(QFile::exists(S.SettingsPath));  // written at close only
}

TEST_F(StartupTest, LaterStartReadsTheSettingsAndCloseWritesThem) {
    const QString work = temp_.path() + "/work";
    QDir().mkpath(work);
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Amblet");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", ("\"7\"\r\n\"1\"\r\n\"1\"\r\n\"" + work + "\"\r\n").toUtf8());
    ModalScript script;
    std::vector<BoxSeen> seen;  // no box at all
    Main();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(S.SelMaxFiles, 7);
    EXPECT_TRUE(S.HelpAtStart);
    EXPECT_TRUE(S.SkipUndoWarning);
    EXPECT_EQ(S.OptionsCode, 163);
    EXPECT_EQ(S.OptionsCodePending, 163);
    EXPECT_EQ(S.WorkPath, work + "/");
    EXPECT_EQ(frmMain().Dir1->Path(), work);

    S.SelMaxFiles = 12;
    frmMain().UserCloses();
    EXPECT_FALSE(frmMain().Loaded());
    EXPECT_EQ(ReadFile(prog_ + "Quorvan/Set.Kastrel"),
              ("\"12\"\r\n\"1\"\r\n\"1\"\r\n\"" + work + "\"\r\n").toUtf8());
}

TEST_F(StartupTest, TheFolderDialogIsBuiltWhenFirstReachedWhereStartUpLeftIt) {
    const QString work = temp_.path() + "/work";
    QDir().mkpath(work + "/inner");
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Amblet");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", ("\"7\"\r\n\"0\"\r\n\"0\"\r\n\"" + work + "\"\r\n").toUtf8());
    ModalScript script;
    Main();
    ASSERT_TRUE(frmMain().Visible());
    EXPECT_FALSE(frmMoveAsIs().Loaded()) << "the first window does not wait for the folder dialog";
    EXPECT_TRUE(frmMoveAsIs().LoadPending());
    // What start-up took from the dialog's load it has without it.
    EXPECT_EQ(S.StartFolder, prog_);
    EXPECT_EQ(S.ProgPathUpper, prog_);
    ASSERT_FALSE(S.FolderHistory.isEmpty());
    EXPECT_EQ(S.FolderHistory.first(), WithoutTrailingSlash(prog_));
    EXPECT_FALSE(S.StartDriveRoot.isEmpty());
    EXPECT_EQ(S.MoveLastPath, work);
    EXPECT_TRUE(S.DestSpaceCaption.startsWith("Drive " + S.MoveDriveLetter + " : Space Available : "));

    FrmMove& d = frmMove();
    ASSERT_TRUE(d.Loaded());
    EXPECT_EQ(d.Dir1->Path(), work) << "on the work folder, as start-up left it";
    EXPECT_EQ(d.LabelMoveSpaceFree->Caption(), S.DestSpaceCaption);
    EXPECT_FALSE(d.CommandActionMoveOK->GetPicture().IsEmpty()) << "with its faces";
    EXPECT_EQ(S.StartFolder, prog_) << "its load changes no start value";
    EXPECT_EQ(S.FolderHistory.first(), WithoutTrailingSlash(prog_));
}

TEST_F(StartupTest, RememberedFolderThatIsGoneStartsInTheProgramFolder) {
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    WriteFile(prog_ + "Quorvan/Set.Kastrel",
              ("\"100\"\r\n\"0\"\r\n\"0\"\r\n\"" + temp_.path() + "/gone/\"\r\n").toUtf8());
    ModalScript script;
    Main();
    EXPECT_EQ(S.WorkPath, prog_);
    // The program folder itself is never remembered.
    EXPECT_EQ(S.LastFolder, "");
}

TEST_F(StartupTest, MainWindowAfterStartUpIsDrawn) {
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    WriteFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    ModalScript script;
    Main();
    ASSERT_TRUE(frmMain().Visible());
    EXPECT_FALSE(frmMain().Caption().isEmpty());
    const QString png = temp_.filePath("frmMain.png");
    ASSERT_TRUE(grabToPng(frmMain(), png));
    const QImage image(png);
    EXPECT_GT(image.width(), 100);
    EXPECT_GT(image.height(), 100);
    EXPECT_FALSE(isBlank(image));
}

}  // namespace
}  // namespace qv::test
