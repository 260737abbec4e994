// Actions and their undo on real temporary folders.
#include <gtest/gtest.h>

#include <QFile>

#include "engine/actions.h"
#include "engine/conflicts.h"
#include "engine_fixture.h"

namespace qv::test {
namespace {

class ActionsTest : public EngineTest {
  protected:
    // Preview then Finalize, as the job buttons run them.
    void PreviewAndFinalize() {
        ListWorkFolder();
        FindConflictStart();
        ASSERT_TRUE(S.ReadyToFinalize) << shown.join(',').toStdString();
        S.JobBusy = true;
        ActionAStartDo();
        EXPECT_FALSE(S.JobBusy);
        EXPECT_EQ(S.SelectedCount, 0);
        EXPECT_FALSE(S.ReadyToFinalize);
    }
    void Undo() {
        ASSERT_TRUE(S.UndoAvailable);
        ActionAStartUndo();
        EXPECT_FALSE(S.JobBusy);
        EXPECT_FALSE(S.UndoAvailable);
    }
    QString W(const QString& n) const { return S.WorkPath + n; }
    QString D(const QString& n) const { return S.DestPath + n; }
};

TEST_F(ActionsTest, RenameChainAndItsUndo) {
    MakeWorkFiles({"1", "2"});
    SetAction(0);
    Select({"1", "2"}, {"0", "1"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(work_.path()), QStringList({"0", "1"}));
    EXPECT_EQ(Read(W("0")), "1");
    EXPECT_EQ(Read(W("1")), "2");
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"1", "2"}));
    EXPECT_EQ(S.ComboUndoNewName, QStringList({"0", "1"}));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"1", "2"}));
    EXPECT_EQ(Read(W("1")), "1");
    EXPECT_EQ(Read(W("2")), "2");
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ActionsTest, SwapOfTwoNamesLosesNothing) {
    MakeWorkFiles({"a", "b", "c"});
    SetAction(0);
    Select({"a", "b", "c"}, {"b", "a", "z"});
    PreviewAndFinalize();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoRename"}));
    // The first rename met an existing file; the later rows were not renamed.
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c"}));
    EXPECT_EQ(Read(W("a")), "a");
    EXPECT_EQ(Read(W("b")), "b");
    EXPECT_TRUE(S.UndoAvailable);
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c"}));
}

TEST_F(ActionsTest, MissingFilesAndTakenOldNames) {
    MakeWorkFiles({"a", "b", "c"});
    SetAction(0);
    Select({"a", "b", "c"}, {"x", "y", "z"});
    FindConflictStart();
    ASSERT_TRUE(S.ReadyToFinalize);
    QFile::remove(W("b"));  // by hand, before its turn
    ActionAStartDo();
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"a", "c"}));
    EXPECT_EQ(Files(work_.path()), QStringList({"x", "z"}));
    Write(W("a"), "new a");  // the old name is taken meanwhile
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "c", "x"}));
    EXPECT_EQ(Read(W("a")), "new a");
    EXPECT_EQ(Read(W("x")), "a");
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ActionsTest, RenameAndCopyAndItsUndo) {
    MakeWorkFiles({"keep.t", "old.t"});
    SetAction(1);
    S.DestFreeKB = 1000000;
    Select({"keep.t", "old.t"}, {"keep.t", "new.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(work_.path()), QStringList({"keep.t", "new.t"}));
    EXPECT_EQ(Files(dest_.path()), QStringList({"keep.t", "new.t"}));
    EXPECT_EQ(Read(D("new.t")), "old.t");
    Undo();
    // The unchanged name stays in the work folder, its copy goes; the renamed file comes back.
    EXPECT_EQ(Files(work_.path()), QStringList({"keep.t", "old.t"}));
    EXPECT_TRUE(Files(dest_.path()).isEmpty());
}

TEST_F(ActionsTest, CopyAndRenameMoveAndRenameCopyMoveAndUndo) {
    MakeWorkFiles({"a.t", "b.t"});
    S.DestFreeKB = 1000000;
    SetAction(2);
    Select({"a.t", "b.t"}, {"c.t", "d.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(dest_.path()), QStringList({"c.t", "d.t"}));
    EXPECT_EQ(Read(D("d.t")), "b.t");
    QFile::remove(W("a.t"));  // the source deleted by hand: its copy comes back
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));
    EXPECT_TRUE(Files(dest_.path()).isEmpty());

    SetAction(3);
    Select({"a.t", "b.t"}, {"m.t", "n.t"});
    PreviewAndFinalize();
    EXPECT_TRUE(Files(work_.path()).isEmpty());
    EXPECT_EQ(Files(dest_.path()), QStringList({"m.t", "n.t"}));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));
    EXPECT_EQ(Read(W("a.t")), "a.t");

    SetAction(4);
    Select({"a.t", "b.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(dest_.path()), QStringList({"a.t", "b.t"}));
    Undo();
    EXPECT_TRUE(Files(dest_.path()).isEmpty());
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));

    SetAction(5);
    Select({"a.t", "b.t"});
    PreviewAndFinalize();
    EXPECT_TRUE(Files(work_.path()).isEmpty());
    EXPECT_EQ(S.TextUndoAction, "Move");
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));
    EXPECT_TRUE(Files(dest_.path()).isEmpty());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ActionsTest, CopyOntoAReadOnlyTargetIsReportedAndLeavesIt) {
    MakeWorkFiles({"a.t", "b.t"});
    Write(D("a.t"), "locked");
    QFile::setPermissions(D("a.t"), QFile::ReadOwner);
    S.DestFreeKB = 1000000;
    S.OverwriteConfirmed = true;
    SetAction(4);
    Select({"a.t", "b.t"});
    PreviewAndFinalize();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoCopy"}));
    EXPECT_EQ(Read(D("a.t")), "locked");
    EXPECT_FALSE(QFile::exists(D("b.t")));
    EXPECT_TRUE(S.ComboUndoOldName.isEmpty());
    QFile::setPermissions(D("a.t"), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(ActionsTest, RenameAndCopyOntoAReadOnlyTargetNeverLosesThatTarget) {
    MakeWorkFiles({"a.t", "b.t", "c.t"});
    Write(D("nb.t"), "theirs");
    QFile::setPermissions(D("nb.t"), QFile::ReadOwner);
    S.DestFreeKB = 1000000;
    S.OverwriteConfirmed = true;
    SetAction(1);
    Select({"a.t", "b.t", "c.t"}, {"na.t", "nb.t", "nc.t"});
    PreviewAndFinalize();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoRenCopy"}));
    // The failing row is taken back whole; the rows after it are not touched.
    EXPECT_EQ(Files(work_.path()), QStringList({"b.t", "c.t", "na.t"}));
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"a.t"}));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t", "c.t"}));
    EXPECT_EQ(Files(dest_.path()), QStringList({"nb.t"}));
    EXPECT_EQ(Read(D("nb.t")), "theirs");

    // The same with an unchanged name: nothing to take back but the journal row.
    shown.clear();
    QFile::setPermissions(D("nb.t"), QFile::ReadOwner | QFile::WriteOwner);
    QFile::rename(D("nb.t"), D("b.t"));
    QFile::setPermissions(D("b.t"), QFile::ReadOwner);
    Select({"b.t"}, {"b.t"});
    PreviewAndFinalize();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoRenCopy"}));
    EXPECT_TRUE(S.ComboUndoOldName.isEmpty());
    Undo();
    EXPECT_EQ(Read(D("b.t")), "theirs");
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t", "c.t"}));
    QFile::setPermissions(D("b.t"), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(ActionsTest, SetAttributeAndItsUndo) {
    MakeWorkFiles({"a.t"});
    FileSystem& fs = fileSystem();
    fs.SetAttributes(W("a.t"), AttrReadOnly | AttrArchive);
    ASSERT_EQ(fs.GetAttributes(W("a.t")), AttrReadOnly | AttrArchive);
    SetAction(7);
    S.ActionAttribute = 3;  // hidden
    Select({"a.t"});
    PreviewAndFinalize();
    EXPECT_EQ(fs.GetAttributes(W("a.t")), AttrHidden);
    EXPECT_EQ(S.ComboUndoAttr, QStringList({QString::number(AttrReadOnly | AttrArchive)}));
    Undo();
    EXPECT_EQ(fs.GetAttributes(W("a.t")), AttrReadOnly | AttrArchive);
    fs.SetAttributes(W("a.t"), AttrNormal);
}

TEST_F(ActionsTest, DeleteEndsTheUndo) {
    MakeWorkFiles({"a.t", "b.t"});
    SetAction(0);
    Select({"a.t"}, {"r.t"});
    PreviewAndFinalize();
    ASSERT_TRUE(S.UndoAvailable);
    SetAction(6);
    Select({"r.t", "b.t"});
    PreviewAndFinalize();
    EXPECT_TRUE(Files(work_.path()).isEmpty());
    EXPECT_TRUE(S.ComboUndoOldName.isEmpty());
    EXPECT_FALSE(S.UndoAvailable);
    // Even when asked, an undo of the delete changes no file.
    Write(W("z"), "z");
    ActionAStartUndo();
    EXPECT_EQ(Files(work_.path()), QStringList({"z"}));
}

TEST_F(ActionsTest, ARenameNeverLeavesItsFolder) {
    MakeWorkFiles({"a"});
    QDir(work_.path()).mkdir("sub");
    SetAction(0);
    Select({"a"}, {"sub/a"});
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    EXPECT_EQ(S.SelectedCount, 0);
    // Even a preview list that names another folder is refused at the rename itself.
    shown.clear();
    Select({"a"}, {"b"});
    S.ComboName[0] = "sub/a";
    ActionRebuildNameList();
    ActionAStartDo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a"}));
    SetAction(3);
    ActionDoMovRename();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoRename", "Bug-Quorvan-ActionDoMovRename"}));
    EXPECT_EQ(Files(work_.path()), QStringList({"a"}));
    EXPECT_TRUE(Files(dest_.path()).isEmpty());
}

// Rename fails across file systems; MoveFile copies and removes, as it does between real devices.
class CrossDeviceFiles : public FileSystem {
  public:
    explicit CrossDeviceFiles(FileSystem& real, QString otherDevice)
        : real_(real), other_(std::move(otherDevice)) {}
    int copiedMoves = 0;

    bool FileExists(const QString& p) override { return real_.FileExists(p); }
    bool FolderExists(const QString& p) override { return real_.FolderExists(p); }
    qint64 FileSize(const QString& p) override { return real_.FileSize(p); }
    int GetAttributes(const QString& p) override { return real_.GetAttributes(p); }
    void SetAttributes(const QString& p, int a) override { real_.SetAttributes(p, a); }
    void CopyFile(const QString& f, const QString& t) override { real_.CopyFile(f, t); }
    void DeleteFile(const QString& p, bool force) override { real_.DeleteFile(p, force); }
    void Rename(const QString& f, const QString& t) override {
        if (f.startsWith(other_) != t.startsWith(other_)) {
            throw PlatformError(QStringLiteral("Invalid cross-device link"));
        }
        real_.Rename(f, t);
    }
    void MoveFile(const QString& f, const QString& t) override {
        if (f.startsWith(other_) == t.startsWith(other_)) {
            real_.MoveFile(f, t);
            return;
        }
        if (real_.FileExists(t) || real_.FolderExists(t)) {
            throw PlatformError(QStringLiteral("target exists"));
        }
        real_.CopyFile(f, t);
        real_.DeleteFile(f, true);
        ++copiedMoves;
    }
    void MakeFolder(const QString& p) override { real_.MakeFolder(p); }
    void RemoveFolder(const QString& p) override { real_.RemoveFolder(p); }
    QStringList FileNames(const QString& f) override { return real_.FileNames(f); }
    QStringList FolderNames(const QString& f) override { return real_.FolderNames(f); }
    QStringList Drives() override { return real_.Drives(); }
    QString GetDriveName(const QString& p) override { return real_.GetDriveName(p); }
    int DriveType(const QString& d) override { return real_.DriveType(d); }
    bool DriveIsReady(const QString& d) override { return real_.DriveIsReady(d); }
    qint64 AvailableSpace(const QString& d) override { return real_.AvailableSpace(d); }

  private:
    FileSystem& real_;
    QString other_;
};

TEST_F(ActionsTest, MovesAcrossFileSystems) {
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    ScopedServices scope;
    auto& fake = scope.useFiles<CrossDeviceFiles>(*real, S.DestPath);
    MakeWorkFiles({"a.t", "b.t"});
    S.DestFreeKB = 1000000;
    SetAction(3);
    Select({"a.t", "b.t"}, {"x.t", "y.t"});
    PreviewAndFinalize();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(Files(dest_.path()), QStringList({"x.t", "y.t"}));
    EXPECT_TRUE(Files(work_.path()).isEmpty());
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));
    EXPECT_EQ(Read(W("b.t")), "b.t");
    SetAction(5);
    Select({"a.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(dest_.path()), QStringList({"a.t"}));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t", "b.t"}));
    EXPECT_EQ(fake.copiedMoves, 6);
}

}  // namespace
}  // namespace qv::test
