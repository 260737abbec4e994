// What a killed run of the program leaves behind: abandoned partial copies go with the next action
// that writes into their folder; a file an interrupted rename stepped aside is never touched, and
// opening its folder names it to the user.
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "engine/leftovers.h"
#include "platform/services.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

// The id of a process that has run and ended.
qint64 DeadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return child;
}

class Leftovers : public WindowTest {
  protected:
    void Preview() { ASSERT_TRUE(click(*M().CommandPreview)); }
    void Finalize() { ASSERT_TRUE(click(*M().CommandJob)); }
};

TEST_F(Leftovers, AbandonedPartialCopiesGoWithTheNextCopyIntoTheirFolder) {
    const TemporaryOwner dead{DeadPid(), 0};
    // This process's id under another start time: the id has been taken by a later process.
    const TemporaryOwner reused{ThisProcess().pid, ThisProcess().started + 1};
    ASSERT_NE(ThisProcess().started, 0u);
    const QString deadCopy = MakeTemporaryName(TemporaryKind::PartialCopy, 1, dead);
    const QString reusedCopy = MakeTemporaryName(TemporaryKind::PartialCopy, 2, reused);
    const QString liveCopy = MakeTemporaryName(TemporaryKind::PartialCopy, 3);
    const QString deadHolder = MakeTemporaryName(TemporaryKind::RenameHolder, 4, dead);
    for (const QString& n : {deadCopy, reusedCopy, liveCopy, deadHolder}) MakeFile(dest_ + "/" + n, "part");

    OpenWork({"a.txt"});
    CommitAction(4);
    ASSERT_EQ(S.ActionName, QLatin1String("Copy"));
    SelectByHand({"a.txt"});
    Preview();
    Finalize();
    QStringList want{"a.txt", deadHolder, liveCopy};
    want.sort();
    EXPECT_EQ(FilesIn(dest_), want);
}

// Easy Process is an action that writes into the destination too.
TEST_F(Leftovers, AnEasyProcessCopyClearsTheAbandonedCopiesOfItsDestination) {
    const QString deadCopy = MakeTemporaryName(TemporaryKind::PartialCopy, 1, {DeadPid(), 0});
    const QString liveCopy = MakeTemporaryName(TemporaryKind::PartialCopy, 2);
    for (const QString& n : {deadCopy, liveCopy}) MakeFile(dest_ + "/" + n, "part");
    OpenWork({"a.txt"});
    CommitAction(4);
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(click(*M().CommandSingleProcess));
    QStringList want{"a.txt", liveCopy};
    want.sort();
    EXPECT_EQ(FilesIn(dest_), want);
}

TEST_F(Leftovers, OpeningAFolderNamesWhatAnInterruptedRenameLeftThereAndNothingRemovesIt) {
    const qint64 deadPid = DeadPid();
    const QString holder = MakeTemporaryName(TemporaryKind::RenameHolder, 1, {deadPid, 0});
    const QString earlier = QStringLiteral(".quorvan-%1-2.tmp").arg(deadPid);  // an earlier version's
    const QString live = MakeTemporaryName(TemporaryKind::RenameHolder, 3);
    const QString copy = MakeTemporaryName(TemporaryKind::PartialCopy, 4, {deadPid, 0});
    const QString folder = root_ + "/photos";
    MakeFile(folder + "/a.txt", "a");
    for (const QString& n : {holder, earlier, live, copy}) MakeFile(folder + "/" + n, n.toUtf8());

    QStringList said;
    {
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        Go(folder);
        script.verifyDone();
    }
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("interrupted")) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains(holder)) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains(earlier)) << said[0].toStdString();
    EXPECT_FALSE(said[0].contains(live)) << said[0].toStdString();
    EXPECT_FALSE(said[0].contains(copy)) << said[0].toStdString();
    EXPECT_EQ(items(*M().File1), QStringList{"a.txt"});

    // A rename in the folder clears the abandoned copy and leaves the user's files alone.
    CommitAction(0);
    InsertAtStart("2024_");
    RenameSet();
    SelectByHand({"a.txt"});
    Preview();
    Finalize();
    QStringList want{"2024_a.txt", holder, earlier, live};
    want.sort();
    EXPECT_EQ(FilesIn(folder), want);
    EXPECT_EQ(items(*M().File1), QStringList{"2024_a.txt"});
    QFile kept(folder + "/" + holder);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), holder.toUtf8());
}

// A ring cut off after its first step: opening its folder offers to put it back, and the file list
// then shows every file under its own name.
TEST_F(Leftovers, OpeningAFolderWithAnInterruptedRingPutsItBackOnYes) {
    const QString holder = MakeTemporaryName(TemporaryKind::RenameHolder, 1, {DeadPid(), 0});
    const QString folder = root_ + "/ring";
    // "a.txt" -> "b.txt" -> "c.txt" -> "a.txt": "a.txt" aside, then "c.txt" to "a.txt".
    MakeFile(folder + "/" + holder, "a");
    MakeFile(folder + "/a.txt", "c");
    MakeFile(folder + "/b.txt", "b");
    WriteHolderRecord(folder + "/", holder, {{"a.txt", "b.txt"}, {"c.txt", "a.txt"}, {"b.txt", "c.txt"}});
    QStringList said;
    {
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        script.expect(kMessageBox, Note(said));
        Go(folder);
        script.verifyDone();
    }
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].contains(holder + " holds the file that was a.txt (1 of the other 2"))
        << said[0].toStdString();
    EXPECT_EQ(FilesIn(folder), QStringList({"a.txt", "b.txt", "c.txt"}));
    for (const QString n : {"a", "b", "c"}) {
        QFile f(folder + "/" + n + ".txt");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), n.toUtf8());
    }
    EXPECT_EQ(items(*M().File1), QStringList({"a.txt", "b.txt", "c.txt"}));
}

// After a killed run the program starts again in the folder it remembers; it tells there too.
TEST_F(Leftovers, StartingInAFolderNamesWhatAnInterruptedRenameLeftThere) {
    const QString holder = MakeTemporaryName(TemporaryKind::RenameHolder, 1, {DeadPid(), 0});
    MakeFile(work_ + "/" + holder, "a");
    UnloadEveryForm();
    ResetState();
    MakeFile(prog_ + "Quorvan/Set.Kastrel", ("\"100\"\r\n\"0\"\r\n\"0\"\r\n\"" + work_ + "\"\r\n").toUtf8());
    QStringList said;
    ModalScript script;
    script.expect(kMessageBox, Note(said));
    Main();
    script.verifyDone();
    EXPECT_EQ(M().Dir1->Path(), work_);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(holder)) << said[0].toStdString();
    EXPECT_EQ(FilesIn(work_), QStringList{holder});
}

}  // namespace
}  // namespace qv::test
