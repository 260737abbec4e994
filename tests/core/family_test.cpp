// Family records: registration, moved programs, the run marker, and the slot a new member takes.
#include "core/family.h"

#include <QDir>
#include <utility>

#include "core/family_codes.h"
#include "core/state.h"
#include "core_fixture.h"

namespace qv::test {
namespace {

const QString kApp = QStringLiteral("Holvent");

class FamilyTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        S.ProgName = QStringLiteral("Quorvan");
        S.HelpProgName = QStringLiteral("QuorvanHelp");
        S.StartFolder = Folder("start");
        WriteFile(S.StartFolder + "quorvan", "prog");
    }
    QString Folder(const QString& name) { return temp_.path() + "/" + name + "/"; }
    void Member(int slot, const QString& name, const QString& folder, bool fileExists = true) {
        store_->SaveSetting(kApp, "GuruNaam", FamilySlotKey(slot), name);
        store_->SaveSetting(kApp, "GuruGhar", FamilySlotKey(slot), folder);
        if (fileExists)
            WriteFile(folder + name.toLower(), "x");
    }
    void Marker(int slot) { store_->SaveSetting(kApp, "NidraGavir", "AnekGuru", FamilyMarker(slot, 15)); }
    QString MarkerNow() { return store_->GetSetting(kApp, "NidraGavir", "AnekGuru"); }
    QString NameIn(int slot) { return store_->GetSetting(kApp, "GuruNaam", FamilySlotKey(slot)); }
    QString FolderIn(int slot) { return store_->GetSetting(kApp, "GuruGhar", FamilySlotKey(slot)); }
};

TEST_F(FamilyTest, SlotKeysAndCodes) {
    EXPECT_EQ(FamilySlotKey(0), "EkaaGuru");
    EXPECT_EQ(FamilySlotKey(4), "PokaGuru");
    EXPECT_EQ(FamilySlotKey(9), "DasaGuru");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(QString::fromLatin1(FamilySlotCodes[i]).size(), 4);
        for (int j = i + 1; j < 10; ++j) EXPECT_STRNE(FamilySlotCodes[i], FamilySlotCodes[j]);
    }
}

TEST_F(FamilyTest, MarkerOnThe5thAndThe25th) {
    const QString code = QLatin1String(FamilySlotCodes[6]);
    const QString m5 = FamilyMarker(6, 5), m25 = FamilyMarker(6, 25);
    EXPECT_EQ(m5, QString(code[0]) + "5" + code[1] + code[2] + "0" + code[3]);
    EXPECT_EQ(m25, QString(code[0]) + "5" + code[1] + code[2] + "2" + code[3]);
    for (int i : {0, 2, 3, 5}) EXPECT_EQ(m5[i], m25[i]);
    EXPECT_NE(m5[4], m25[4]);
    EXPECT_EQ(FamilyMarkerSlot(m5), 6);
    EXPECT_EQ(FamilyMarkerSlot(m25), 6);
    for (int s = 0; s < 10; ++s) EXPECT_EQ(FamilyMarkerSlot(FamilyMarker(s, 31)), s);
}

TEST_F(FamilyTest, FirstMemberOnTheMachine) {
    system_->dayOfMonth = 5;
    OnRestGetFamily();
    EXPECT_TRUE(S.FamilyNewMember);
    EXPECT_EQ(S.ProgFolder, S.StartFolder);
    EXPECT_EQ(S.RunListLast, -1);
    FamilyRegister();
    EXPECT_FALSE(S.FamilyNewMember);
    EXPECT_EQ(NameIn(0), "Quorvan");
    EXPECT_EQ(FolderIn(0), S.StartFolder);
    EXPECT_EQ(MarkerNow(), FamilyMarker(0, 5));

    // The next start finds itself.
    ResetState();
    S.ProgName = QStringLiteral("Quorvan");
    S.StartFolder = Folder("start");
    OnRestGetFamily();
    EXPECT_FALSE(S.FamilyNewMember);
    EXPECT_EQ(S.ProgFolder, Folder("start"));
}

TEST_F(FamilyTest, OtherMembersAndTheHelpProgram) {
    Member(0, "Tarnel", Folder("tarnel"));
    Member(1, "Gone", Folder("gone"), false);
    Member(2, "Quorvan", S.StartFolder, false);
    Member(3, "Brisk", Folder("brisk"));
    Marker(3);
    WriteFile(Folder("help") + "quorvanhelp", "h");
    store_->SaveSetting(kApp, "RoziZidivo", "QuorvanHelp", Folder("help") + "quorvanhelp");
    OnRestGetFamily();
    EXPECT_FALSE(S.FamilyNewMember);
    EXPECT_EQ(S.RunListLast, 1);
    EXPECT_EQ(S.RunListNames, QStringList({"Tarnel", "Brisk"}));
    EXPECT_EQ(S.RunListPaths, QStringList({Folder("tarnel") + "tarnel", Folder("brisk") + "brisk"}));
    EXPECT_TRUE(S.HelpFound);
    EXPECT_EQ(S.HelpPath, Folder("help") + "quorvanhelp");

    // The help program in the program's own Help folder comes first.
    WriteFile(S.StartFolder + "Help/quorvanhelp", "h");
    OnRestCheckBachan();
    EXPECT_EQ(S.HelpPath, S.StartFolder + "Help/quorvanhelp");
}

// Records made by hand cannot make Help or the Run panel start another program: a help path must
// name the help program's own file, and a member's name must be a plain file name.
TEST_F(FamilyTest, CraftedRecordsStartNoOtherProgram) {
    WriteFile(Folder("tools") + "shell", "not help");
    Member(0, "Quorvan", S.StartFolder, false);
    Member(2, "Tarnel", Folder("tarnel"));
    Member(1, "../tools/shell", Folder("tarnel"));
    Marker(2);
    store_->SaveSetting(kApp, "RoziZidivo", "QuorvanHelp", Folder("tools") + "shell");
    OnRestGetFamily();
    EXPECT_EQ(S.RunListNames, QStringList({"Tarnel"}));
    EXPECT_EQ(S.RunListPaths, QStringList({Folder("tarnel") + "tarnel"}));
    EXPECT_FALSE(S.HelpFound);
    EXPECT_TRUE(S.HelpPath.isEmpty());

    // A relative path is no path to the help program either, even where it would reach one.
    WriteFile(Folder("help") + "quorvanhelp", "h");
    ASSERT_TRUE(QDir::setCurrent(Folder("help")));
    store_->SaveSetting(kApp, "RoziZidivo", "QuorvanHelp", "quorvanhelp");
    OnRestCheckBachan();
    EXPECT_FALSE(S.HelpFound);
    store_->SaveSetting(kApp, "RoziZidivo", "QuorvanHelp", Folder("help") + "quorvanhelp");
    OnRestCheckBachan();
    EXPECT_TRUE(S.HelpFound);
    EXPECT_EQ(S.HelpPath, Folder("help") + "quorvanhelp");
}

// A store that had to set a damaged records file aside, and says so once.
class NoticingStore : public MemorySettingsStore {
  public:
    QString notice;
    QString TakeNotice() override { return std::exchange(notice, QString()); }
};

// The user is told which records file was damaged and where it is kept, in plain words.
TEST_F(FamilyTest, ADamagedRecordsFileIsNamedWithWhereItIsKept) {
    NoticingStore& store = services_.useSettings<NoticingStore>();
    store.notice =
        "The file /home/u/.config/Holvent.ini could not be read: it is not a settings file (it may "
        "have been damaged). It is kept as /home/u/.config/Holvent.ini.damaged, and a new one is "
        "begun in its place.";
    const QString said = store.notice;
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    OnRestGetFamily();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains(said)) << seen[0].text.toStdString();
    EXPECT_FALSE(seen[0].text.contains("report it to")) << seen[0].text.toStdString();
    EXPECT_TRUE(S.FamilyNewMember);
    EXPECT_EQ(S.ProgFolder, S.StartFolder);
}

TEST_F(FamilyTest, MovedProgramRewritesItsFolder) {
    Member(0, "Quorvan", Folder("old"), false);
    Marker(0);
    OnRestGetFamily();
    EXPECT_EQ(FolderIn(0), S.StartFolder);
    EXPECT_EQ(S.ProgFolder, S.StartFolder);

    // Started from elsewhere while the recorded folder still has it: the recorded folder stands.
    Member(0, "Quorvan", Folder("home"));
    ResetState();
    S.ProgName = QStringLiteral("Quorvan");
    S.StartFolder = Folder("nowhere");
    OnRestGetFamily();
    EXPECT_EQ(S.ProgFolder, Folder("home"));

    // Neither: the program cannot find itself and ends.
    Member(0, "Quorvan", Folder("lost"), false);
    ResetState();
    S.ProgName = QStringLiteral("Quorvan");
    S.StartFolder = Folder("nowhere");
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    EXPECT_THROW(OnRestGetFamily(), ProgramEnded);
    EXPECT_TRUE(seen[0].text.startsWith("Did you rename quorvan or renamed"));
}

TEST_F(FamilyTest, UnknownMarkerCodeReadsSlotZeroOnly) {
    Member(0, "Tarnel", Folder("tarnel"));
    Member(1, "Brisk", Folder("brisk"));
    store_->SaveSetting(kApp, "NidraGavir", "AnekGuru", "000000");
    OnRestGetFamily();
    EXPECT_EQ(S.RunListNames, QStringList({"Tarnel"}));
    EXPECT_TRUE(S.FamilyNewMember);
}

TEST_F(FamilyTest, NewMemberNeverTakesALiveRecord) {
    // Slot 1 (RunListLast + 1 with one listed member) holds a member whose file is there, but that
    // the marker hides; slot 2 is empty.
    Member(0, "Tarnel", Folder("tarnel"));
    Member(1, "Brisk", Folder("brisk"));
    Marker(0);
    OnRestGetFamily();
    ASSERT_EQ(S.RunListLast, 0);
    ASSERT_TRUE(S.FamilyNewMember);
    FamilyRegister();
    EXPECT_EQ(NameIn(1), "Brisk");
    EXPECT_EQ(NameIn(2), "Quorvan");
    EXPECT_EQ(FamilyMarkerSlot(MarkerNow()), 2);  // the highest slot in use

    // A stale record (its program is gone) is taken, and the marker still names the highest slot.
    store_->values.clear();
    Member(0, "Gone", Folder("gone"), false);
    Member(5, "Brisk", Folder("brisk"));
    Marker(5);
    ResetState();
    S.ProgName = QStringLiteral("Quorvan");
    S.StartFolder = Folder("start");
    OnRestGetFamily();
    FamilyRegister();
    EXPECT_EQ(NameIn(0), "Quorvan");
    EXPECT_EQ(NameIn(5), "Brisk");
    EXPECT_EQ(FamilyMarkerSlot(MarkerNow()), 5);
}

TEST_F(FamilyTest, TenLiveSlotsSkipTheRegistration) {
    for (int i = 0; i < 10; ++i)
        Member(i, QStringLiteral("Prog%1").arg(i), Folder(QStringLiteral("p%1").arg(i)));
    Marker(9);
    const QString marker = MarkerNow();
    OnRestGetFamily();
    EXPECT_EQ(S.RunListLast, 9);
    EXPECT_TRUE(S.FamilyNewMember);
    EXPECT_EQ(S.ProgFolder, S.StartFolder);
    FamilyRegister();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(NameIn(i), QStringLiteral("Prog%1").arg(i));
    EXPECT_EQ(MarkerNow(), marker);
}

TEST_F(FamilyTest, HelpAndMemberLaunchers) {
    struct Case {
        bool helpFound;
        bool starts;
        bool answerYes;
        QStringList boxes;
        bool ends;
        int pages;
    };
    const Case cases[] = {
        {true, true, true, {}, false, 0},                                      // help starts, we stay
        {true, false, true, {"Could not find Help."}, false, 0},               // it cannot start
        {false, true, true, {"Could not find Help. You may not"}, true, 1},    // Yes: web page, end
        {false, true, false, {"Could not find Help. You may not"}, false, 0},  // No: nothing more
        {false,
         false,
         true,
         {"Could not find Help. You may not", "Could not run the Web Browser to take you to the site "},
         false,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes.join('|').toStdString());
        system_->startedPrograms.clear();
        system_->openedPages.clear();
        system_->startProgramResult = c.starts;
        system_->openWebPageResult = c.starts;
        S.HelpFound = c.helpFound;
        S.HelpPath = c.helpFound ? Folder("start") + "Help/quorvanhelp" : QString();
        ModalScript script;
        std::vector<BoxSeen> seen;
        for (int i = 0; i < c.boxes.size(); ++i)
            script.expect(kMessageBox, Box(seen, c.answerYes ? BoxAnswer(PressOK) : BoxAnswer(PressCancel)));
        bool ended = false;
        try {
            FamilyRunHelp();
        } catch (const ProgramEnded&) {
            ended = true;
        }
        EXPECT_EQ(ended, c.ends);
        ASSERT_EQ(seen.size(), static_cast<size_t>(c.boxes.size()));
        for (int i = 0; i < c.boxes.size(); ++i) EXPECT_TRUE(seen[i].text.startsWith(c.boxes[i])) << i;
        EXPECT_EQ(system_->openedPages.size(), c.pages);
        EXPECT_EQ(system_->startedPrograms, c.helpFound ? QStringList{S.HelpPath} : QStringList{});
    }

    // A member that starts ends this program; one that does not is reported and we stay.
    S.RunListPaths = QStringList{Folder("m") + "member"};
    S.RunChoice = 0;
    system_->startProgramResult = true;
    EXPECT_THROW(FamilyRunMember(), ProgramEnded);
    system_->startProgramResult = false;
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    EXPECT_NO_THROW(FamilyRunMember());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Could not run the Program.");
}

// Handing over to a family program or to the web page ends the program without the main window's
// unload: the settings of this run are written first.
TEST_F(FamilyTest, AHandOverKeepsThisRunsSettings) {
    S.SettingsPath = Folder("start") + "Quorvan/Set.Kastrel";
    WriteFile(S.SettingsPath, "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    S.SelMaxFiles = 100;
    S.HelpAtStart = true;
    S.LastFolder = QStringLiteral("/home/mira/Photos");
    const QByteArray kept("\"100\"\r\n\"1\"\r\n\"0\"\r\n\"/home/mira/Photos\"\r\n");

    S.RunListPaths = QStringList{Folder("m") + "member"};
    S.RunChoice = 0;
    EXPECT_THROW(FamilyRunMember(), ProgramEnded);
    EXPECT_EQ(ReadFile(S.SettingsPath), kept);

    WriteFile(S.SettingsPath, "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    S.HelpFound = false;
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    EXPECT_THROW(FamilyRunHelp(), ProgramEnded);
    EXPECT_EQ(ReadFile(S.SettingsPath), kept);
}

}  // namespace
}  // namespace qv::test
