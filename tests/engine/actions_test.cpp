// Actions and their undo on real temporary folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>
#include <functional>

#include "engine/actions.h"
#include "engine/conflicts.h"
#include "engine/leftovers.h"
#include "engine_fixture.h"
#include "forwarding_files.h"
#include "platform/fs_posix.h"

namespace qv::test {
namespace {

// Ends the process at its n-th rename, as a kill at that system call would.
class KilledFiles : public ForwardingFiles {
  public:
    KilledFiles(FileSystem& real, int at) : ForwardingFiles(real), at_(at) {}
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        if (++renames_ == at_)
            ::_exit(0);
        return real_.RenameNoReplace(f, t);
    }
    void Rename(const QString& f, const QString& t) override {
        if (++renames_ == at_)
            ::_exit(0);
        real_.Rename(f, t);
    }

  private:
    int at_, renames_ = 0;
};

// The owner of temporary names left by a process that has ended.
TemporaryOwner EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    EXPECT_EQ(::waitpid(child, nullptr, 0), child);
    return TemporaryOwner{child, 0};
}

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
    // The immutable flag, which stops even the owner and root; false where the file system has none.
    static bool MakeImmutable(const QString& path, bool on) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }
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

// Batches whose new names are other rows' old names: each is carried out whole, and undone whole.
TEST_F(ActionsTest, RenamesInAnyOrderAreCarriedOutWholeAndUndoneWhole) {
    struct Case {
        const char* what;
        QStringList files;
        QStringList newNames;
        int action;
    };
    const Case cases[] = {
        {"swap", {"ab.txt", "ba.txt"}, {"ba.txt", "ab.txt"}, 0},
        {"three-cycle", {"b", "c", "d"}, {"c", "d", "b"}, 0},
        {"shift up", {"f1", "f2", "f3", "f4", "f5"}, {"f2", "f3", "f4", "f5", "f6"}, 0},
        {"shift down", {"f2", "f3", "f4", "f5", "f6"}, {"f1", "f2", "f3", "f4", "f5"}, 0},
        {"shift down, rows backwards", {"f6", "f5", "f4", "f3", "f2"}, {"f5", "f4", "f3", "f2", "f1"}, 0},
        {"mix with unrelated rows",
         {"x.t", "a.t", "y.t", "b.t", "c.t", "z.t"},
         {"x2.t", "b.t", "y.t", "a.t", "d.t", "c.t"},
         0},
        {"swap with copies", {"a.t", "b.t", "k.t"}, {"b.t", "a.t", "k.t"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& f : Files(work_.path())) QFile::remove(W(f));
        for (const QString& f : Files(dest_.path())) QFile::remove(D(f));
        shown.clear();
        MakeWorkFiles(c.files);
        SetAction(c.action);
        S.DestFreeKB = 1000000;
        Select(c.files, c.newNames);
        PreviewAndFinalize();
        EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
        QStringList want = c.newNames;
        want.sort();
        EXPECT_EQ(Files(work_.path()), want);
        for (int i = 0; i < c.files.size(); ++i) {
            EXPECT_EQ(Read(W(c.newNames.at(i))), c.files.at(i).toUtf8());
            if (c.action == 1) {
                EXPECT_EQ(Read(D(c.newNames.at(i))), c.files.at(i).toUtf8());
            }
        }
        Undo();
        EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
        QStringList back = c.files;
        back.sort();
        EXPECT_EQ(Files(work_.path()), back);
        for (const QString& f : c.files) EXPECT_EQ(Read(W(f)), f.toUtf8());
        EXPECT_TRUE(Files(dest_.path()).isEmpty());
    }
}

// The journal lists each step taken, a ring's temporary name included, so that it reads as a record
// of what happened; it has no row for a name left as it was but a row for that file.
TEST_F(ActionsTest, JournalHoldsTheStepsOfARing) {
    MakeWorkFiles({"a", "b", "same"});
    SetAction(0);
    Select({"a", "b", "same"}, {"b", "a", "same"});
    PreviewAndFinalize();
    ASSERT_EQ(S.ComboUndoOldName.size(), 4);
    const QString temp = S.ComboUndoNewName.at(0);
    EXPECT_TRUE(temp.startsWith(".quorvan-")) << temp.toStdString();
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"a", "b", temp, "same"}));
    EXPECT_EQ(S.ComboUndoNewName, QStringList({temp, "a", "b", "same"}));
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "same"}));
    EXPECT_EQ(Read(W("a")), "b");
}

// One long ring of 10,000 files: every file under its new name, one temporary step, and back.
TEST_F(ActionsTest, ALongRingOfTenThousandFiles) {
    constexpr int kFiles = 10000;
    QStringList files, news;
    for (int i = 0; i < kFiles; ++i) {
        files << QStringLiteral("f%1").arg(i);
        news << QStringLiteral("f%1").arg((i + 1) % kFiles);
    }
    MakeWorkFiles(files);
    SetAction(0);
    Select(files, news);
    PreviewAndFinalize();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(S.ComboUndoOldName.size(), kFiles + 1);
    EXPECT_EQ(Files(work_.path()).size(), kFiles);
    for (int i = 0; i < kFiles; i += 997) EXPECT_EQ(Read(W(news.at(i))), files.at(i).toUtf8());
    Undo();
    EXPECT_EQ(Files(work_.path()).size(), kFiles);
    for (int i = 0; i < kFiles; i += 997) EXPECT_EQ(Read(W(files.at(i))), files.at(i).toUtf8());
}

// Something changes between Preview and Finalize: the failing row ends the action, the journal holds
// exactly the rows done, and the undo brings back exactly those.
TEST_F(ActionsTest, TheJournalHoldsOnlyWhatWasDone) {
    struct Case {
        const char* what;
        std::function<bool(const QString& work)> meddle;  // false: cannot be set up here
        QStringList journal;                              // old names journalled
        QString bug;                                      // error reported, or none
        QStringList afterUndo;
    };
    const Case cases[] = {
        {"target created by another program",
         [](const QString& w) { return Write(w + "c.txt", "theirs"), true; },
         {"x.txt"},
         "Bug-Quorvan-ActionDoRename",
         {"a.txt", "c.txt", "x.txt", "z.txt"}},
        {"file removed",
         [](const QString& w) { return QFile::remove(w + "a.txt"); },
         {"x.txt", "z.txt"},
         "",
         {"x.txt", "z.txt"}},
        {"file made immutable",
         [](const QString& w) { return MakeImmutable(w + "a.txt", true); },
         {"x.txt"},
         "Bug-Quorvan-ActionDoRename",
         {"a.txt", "x.txt", "z.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& f : Files(work_.path())) QFile::remove(W(f));
        shown.clear();
        MakeWorkFiles({"x.txt", "a.txt", "z.txt"});
        SetAction(0);
        Select({"x.txt", "a.txt", "z.txt"}, {"y.txt", "c.txt", "w.txt"});
        ListWorkFolder();
        FindConflictStart();
        ASSERT_TRUE(S.ReadyToFinalize);
        if (!c.meddle(S.WorkPath)) {
            std::printf("[ SKIPPED  ] %s: not possible on this machine\n", c.what);
            continue;
        }
        ActionAStartDo();
        EXPECT_EQ(shown, c.bug.isEmpty() ? QStringList() : QStringList({c.bug}));
        EXPECT_EQ(S.ComboUndoOldName, c.journal);
        Undo();
        MakeImmutable(W("a.txt"), false);
        EXPECT_EQ(Files(work_.path()), c.afterUndo);
        for (const QString& f : c.afterUndo) {
            EXPECT_EQ(Read(W(f)), f == "c.txt" ? QByteArray("theirs") : f.toUtf8());
        }
    }
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
    EXPECT_FALSE(S.UndoAvailable);
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

// A file that never had a stored attribute has none again after the undo, not the default written.
TEST_F(ActionsTest, AttributeUndoLeavesNoTrace) {
    MakeWorkFiles({"a.t"});
    const QByteArray path = QFile::encodeName(W("a.t"));
    const auto stored = [&path] {
        char bits[32];
        return ::getxattr(path.constData(), kAttributeXattr, bits, sizeof bits) >= 0;
    };
    ASSERT_FALSE(stored());
    SetAction(7);
    S.ActionAttribute = 3;  // hidden
    Select({"a.t"});
    PreviewAndFinalize();
    ASSERT_TRUE(stored());
    Undo();
    EXPECT_FALSE(stored());
    EXPECT_EQ(fileSystem().GetAttributes(W("a.t")), AttrArchive);
}

// The work folder refuses every rename, as a read-only folder does for anyone but root.
class ReadOnlyFolderFiles : public ForwardingFiles {
  public:
    ReadOnlyFolderFiles(FileSystem& real, QString folder)
        : ForwardingFiles(real), folder_(std::move(folder)) {}
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        if (f.startsWith(folder_))
            throw PlatformError(QStringLiteral("Cannot rename %1 to %2: Permission denied").arg(f, t));
        return real_.RenameNoReplace(f, t);
    }

  private:
    QString folder_;
};

// A failed action says, under its error tag, which file failed, where it was to go and why; with
// nothing done, no undo is offered.
TEST_F(ActionsTest, AFailedActionNamesTheFileItsTargetAndTheReason) {
    struct Case {
        const char* what;
        int action;
        std::function<void()> meddle;  // after Preview
        bool readOnlyFolder;
        QString tag, file, target, reason, advice;
    };
    const QString taken = "Something of that name is already there";
    const QString denied = "You are not allowed to change this file or its Folder";
    const Case cases[] = {
        {"target made by another program", 0, [this] { Write(W("c.t"), "theirs"); }, false,
         "Bug-Quorvan-ActionDoRename", "a.t", "c.t", "the target already exists", taken},
        {"read-only folder", 0, [] {}, true, "Bug-Quorvan-ActionDoRename", "a.t", "c.t", "Permission denied",
         denied},
        {"read-only target", 4,
         [this] {
             Write(D("a.t"), "locked");
             QFile::setPermissions(D("a.t"), QFile::ReadOwner);
         },
         false, "Bug-Quorvan-ActionDoCopy", "a.t", "a.t", "the file is read-only", denied},
        {"a link where the copy would overwrite", 4, [this] { ASSERT_TRUE(QFile::link(W("a.t"), D("a.t"))); },
         false, "Bug-Quorvan-ActionDoCopy", "a.t", "a.t", "it is not a file", taken},
    };
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedServices scope;
        if (c.readOnlyFolder)
            scope.useFiles<ReadOnlyFolderFiles>(*real, S.WorkPath);
        else
            scope.useRealFiles();
        QFile::setPermissions(D("a.t"), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(D("a.t"));
        QFile::remove(W("c.t"));
        windows.boxes.clear();
        MakeWorkFiles({"a.t"});
        S.DestFreeKB = 1000000;
        S.OverwriteConfirmed = true;
        S.UndoAvailable = true;  // an earlier action's
        SetAction(c.action);
        Select({"a.t"}, {"c.t"});
        ListWorkFolder();
        FindConflictStart();
        ASSERT_TRUE(S.ReadyToFinalize);
        c.meddle();
        S.JobBusy = true;
        ActionAStartDo();
        ASSERT_EQ(windows.boxes.size(), 1);
        const QString folderOfTarget = c.action == 0 ? S.WorkPath : S.DestPath;
        // The user's own files stopped it: told plainly, with what to do, and no bug report asked for.
        EXPECT_EQ(shown.last(), c.tag);
        EXPECT_TRUE(windows.boxes.last().text.contains("\r\n\r\nFile : " + W(c.file) +
                                                       "\r\nTarget : " + folderOfTarget + c.target +
                                                       "\r\nReason : " + c.reason + "\r\n\r\n" + c.advice))
            << windows.boxes.last().text.toStdString();
        EXPECT_FALSE(windows.boxes.last().text.contains("report it to"));
        EXPECT_FALSE(S.UndoAvailable);
        EXPECT_EQ(Read(W("a.t")), "a.t");
    }
    QFile::setPermissions(D("a.t"), QFile::ReadOwner | QFile::WriteOwner);
}

// The n-th copy, or the n-th rename, fails as a full disk or a refusing folder makes it fail.
class FailingFiles : public ForwardingFiles {
  public:
    FailingFiles(FileSystem& real, int failCopy, int failRename)
        : ForwardingFiles(real), failCopy_(failCopy), failRename_(failRename) {}
    void CopyFile(const QString& f, const QString& t) override {
        if (++copies_ == failCopy_)
            throw PlatformError(
                QStringLiteral("Cannot write the copy of %1: No space left on device").arg(f));
        real_.CopyFile(f, t);
    }
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        if (++renames_ == failRename_)
            throw PlatformError(QStringLiteral("Cannot rename %1 to %2: Permission denied").arg(f, t));
        return real_.RenameNoReplace(f, t);
    }

  private:
    int failCopy_, failRename_, copies_ = 0, renames_ = 0;
};

// A ring ("a" -> "b" -> "c" -> "a") that cannot go on is taken back to where it began: every file
// under its own name, nothing left under a temporary name, no copy left behind, nothing journalled,
// and the report names the file that failed as it is now, its target and the reason.
TEST_F(ActionsTest, ARingThatCannotGoOnPutsEveryFileBackUnderItsOwnName) {
    struct Case {
        const char* what;
        int action, failCopy, failRename;
        QString file, target, reason;
    };
    // The ring's steps: "a" aside, "c" to "a", "b" to "c", then "a" from aside to "b".
    const Case cases[] = {
        {"first copy", 1, 1, 0, "c", "dest:a", "No space left on device"},
        {"second copy", 1, 2, 0, "b", "dest:c", "No space left on device"},
        {"copy of the file stepped aside", 1, 3, 0, "a", "dest:b", "No space left on device"},
        {"rename inside the ring", 0, 0, 3, "b", "work:c", "Permission denied"},
        {"rename out of the temporary name", 0, 0, 4, "a", "work:b", "Permission denied"},
    };
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedServices scope;
        scope.useFiles<FailingFiles>(*real, c.failCopy, c.failRename);
        for (const QString& f : Files(dest_.path())) QFile::remove(D(f));
        windows.boxes.clear();
        MakeWorkFiles({"a", "b", "c"});
        S.DestFreeKB = 1000000;
        SetAction(c.action);
        Select({"a", "b", "c"}, {"b", "c", "a"});
        S.JobBusy = true;
        ListWorkFolder();
        FindConflictStart();
        ASSERT_TRUE(S.ReadyToFinalize);
        ActionAStartDo();
        EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c"}));
        for (const QString f : {"a", "b", "c"}) EXPECT_EQ(Read(W(f)), f.toUtf8());
        EXPECT_TRUE(Files(dest_.path()).isEmpty());
        EXPECT_TRUE(S.ComboUndoOldName.isEmpty());
        EXPECT_FALSE(S.UndoAvailable);
        ASSERT_EQ(windows.boxes.size(), 1);
        const QString target = c.target.startsWith("dest:") ? D(c.target.mid(5)) : W(c.target.mid(5));
        EXPECT_TRUE(windows.boxes.last().text.contains("\r\n\r\nFile : " + W(c.file) + "\r\nTarget : " +
                                                       target + "\r\nReason : " + c.reason + "\r\n\r\n"))
            << windows.boxes.last().text.toStdString();
    }
}

// A copy that replaces a file of the user's keeps that file aside until the journal ends: a ring
// taken back, or an undo, gives it back under its name, and the report says so.
TEST_F(ActionsTest, FilesThatCopiesReplacedComeBackWhenTheCopiesAreTakenBackOrUndone) {
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    {
        ScopedServices scope;
        // The ring's copies: "a", "c", then "b", which finds the destination full.
        scope.useFiles<FailingFiles>(*real, 3, 0);
        MakeWorkFiles({"a", "b", "c"});
        Write(D("a"), "mine a");
        Write(D("c"), "mine c");
        S.DestFreeKB = 1000000;
        S.OverwriteConfirmed = true;
        SetAction(1);
        Select({"a", "b", "c"}, {"b", "c", "a"});
        PreviewAndFinalize();
        EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c"}));
        for (const QString f : {"a", "b", "c"}) EXPECT_EQ(Read(W(f)), f.toUtf8());
        EXPECT_EQ(Files(dest_.path()), QStringList({"a", "c"}));
        EXPECT_EQ(Read(D("a")), "mine a");
        EXPECT_EQ(Read(D("c")), "mine c");
        ASSERT_EQ(windows.boxes.size(), 1);
        EXPECT_TRUE(windows.boxes.last().text.contains(
            "Reason : No space left on device\r\nPut back : " + D("c") + ", " + D("a") + "\r\n"))
            << windows.boxes.last().text.toStdString();
        EXPECT_TRUE(windows.boxes.last().text.contains("The drive is full."))
            << windows.boxes.last().text.toStdString();
    }
    // Each copying action's undo gives the replaced file back.
    for (const int action : {1, 2, 4}) {
        SCOPED_TRACE(action);
        for (const QString& f : Files(work_.path())) QFile::remove(W(f));
        for (const QString& f : Files(dest_.path())) QFile::remove(D(f));
        MakeWorkFiles({"x.t"});
        Write(D("x.t"), "mine");
        SetAction(action);
        Select({"x.t"}, {"x.t"});
        PreviewAndFinalize();
        EXPECT_EQ(Read(D("x.t")), "x.t");
        Undo();
        EXPECT_EQ(Files(dest_.path()), QStringList({"x.t"}));
        EXPECT_EQ(Read(D("x.t")), "mine");
        EXPECT_EQ(Files(work_.path()), QStringList({"x.t"}));
    }
    // Kept, the copy stays and the replaced file goes when the next action ends the journal.
    SetAction(4);
    Select({"x.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(dest_.path()).size(), 3);  // the copy, the held file and its record
    SetAction(0);
    Select({"x.t"}, {"y.t"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(dest_.path()), QStringList({"x.t"}));
    EXPECT_EQ(Read(D("x.t")), "x.t");
}

// An undo that an error stops stays offered for the rows it did not reach, and a later one does
// the rest; a row whose file had gone is not offered again.
TEST_F(ActionsTest, AnUndoStoppedByAnErrorCanBeTriedAgainForTheRowsItLeft) {
    MakeWorkFiles({"f0", "f1", "f2", "f3", "f4"});
    SetAction(0);
    Select({"f0", "f1", "f2", "f3", "f4"}, {"g0", "g1", "g2", "g3", "g4"});
    PreviewAndFinalize();
    QFile::remove(W("g4"));
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    {
        ScopedServices scope;
        // The undo's renames: "g4" (gone), then "g3", which the folder refuses.
        scope.useFiles<FailingFiles>(*real, 0, 2);
        ActionAStartUndo();
    }
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionUndoRename"}));
    EXPECT_EQ(Files(work_.path()), QStringList({"g0", "g1", "g2", "g3"}));
    EXPECT_TRUE(S.UndoAvailable);
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"f0", "f1", "f2", "f3"}));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"f0", "f1", "f2", "f3"}));
    EXPECT_EQ(shown.size(), 1);

    // Stopped inside a ring, the ring's file stays under its temporary name with the record beside
    // it; the undo that finishes the ring leaves nothing of the program's.
    for (const QString& f : Files(work_.path())) QFile::remove(W(f));
    MakeWorkFiles({"a", "b", "c"});
    Select({"a", "b", "c"}, {"b", "c", "a"});
    PreviewAndFinalize();
    {
        ScopedServices scope;
        // The undo's renames: "b" aside, "c" back to "b", then "a" back to "c", which fails.
        scope.useFiles<FailingFiles>(*real, 0, 3);
        ActionAStartUndo();
    }
    EXPECT_TRUE(S.UndoAvailable);
    EXPECT_EQ(Files(work_.path()).filter(QRegularExpression("^\\.quorvan-")).size(), 2);
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c"}));
    for (const QString f : {"a", "b", "c"}) EXPECT_EQ(Read(W(f)), f.toUtf8());
}

// A batch whose only ring was taken back and whose only other row kept its name changed nothing:
// there is nothing to undo.
TEST_F(ActionsTest, NoUndoIsOfferedForABatchThatChangedNothing) {
    MakeWorkFiles({"a", "b", "c", "d"});
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    ScopedServices scope;
    // "d" keeps its name; the ring's renames: "a" aside, "c" to "a", then "b" to "c" fails.
    scope.useFiles<FailingFiles>(*real, 0, 3);
    SetAction(0);
    Select({"d", "a", "b", "c"}, {"d", "b", "c", "a"});
    PreviewAndFinalize();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-ActionDoRename"}));
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c", "d"}));
    EXPECT_FALSE(S.UndoAvailable);
}

// A run killed inside a ring, or inside the undo of one, leaves the file it stepped aside with a
// record beside it. Opening the folder works out from the record how far the ring went: on No it
// says which name is free and which file goes there, renaming nothing; on Yes every file of the ring
// is put back under the name it had before, and nothing of the program's is left.
TEST_F(ActionsTest, ARingKilledHalfWayLeavesARecordOfWhatItsTemporaryNameHolds) {
    struct Case {
        const char* what;
        int killedAt;
        QString said, free;
        QStringList back;  // the contents of a, b, c and d once put back
        int action = 0;
    };
    // The renames: "a" aside, "c" to "a", "b" to "c", "a" from aside to "b", "d" to "e"; the undo:
    // "e" back to "d", "b" aside, "c" back to "b", "a" back to "c", "b" from aside back to "a".
    const QStringList before{"a", "b", "c", "d"};
    const QStringList renamed{"c", "a", "b", "d"};
    const Case cases[] = {
        {"rename, nothing moved yet", 2, " holds the file that was a (0 of the other 2", "a: %1 holds",
         before},
        {"rename, one file moved", 3, " holds the file that was a (1 of the other 2", "c: a holds", before},
        {"rename, both moved", 4, " holds the file that was a (2 of the other 2", "b: c holds", before},
        {"undo, nothing moved yet", 8, " holds the file that was b (0 of the other 2", "b: %1 holds",
         renamed},
        {"undo, one file moved", 9, " holds the file that was b (1 of the other 2", "c: b holds", renamed},
        {"undo of Rename And Copy, one file moved", 9, " holds the file that was b (1 of the other 2",
         "c: b holds", renamed, 1},
    };
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& f : Files(work_.path())) QFile::remove(W(f));
        for (const QString& f : Files(dest_.path())) QFile::remove(D(f));
        windows.boxes.clear();
        MakeWorkFiles(before);
        S.DestFreeKB = 1000000;
        SetAction(c.action);
        Select({"a", "b", "c", "d"}, {"b", "c", "a", "e"});
        ListWorkFolder();
        FindConflictStart();
        ASSERT_TRUE(S.ReadyToFinalize);
        const pid_t child = ::fork();
        if (child == 0) {
            ScopedServices scope;
            scope.useFiles<KilledFiles>(*real, c.killedAt);
            ActionAStartDo();
            ActionAStartUndo();
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const QStringList left = Files(work_.path());
        const QStringList holders = left.filter(QRegularExpression("^\\.quorvan-rename-.*\\.tmp$"));
        ASSERT_EQ(holders.size(), 1) << left.join(',').toStdString();
        EXPECT_EQ(Read(W(holders[0])), "a");

        // No: nothing renamed, the free name and the file that goes there named.
        answerCancel = true;
        fileSystem().FileNames(S.WorkPath);  // the folder opened again: its file list reads it
        TellOfInterruptedRenames(S.WorkPath);
        answerCancel = false;
        EXPECT_EQ(Files(work_.path()), left);
        ASSERT_EQ(windows.boxes.size(), 2);
        EXPECT_TRUE(windows.boxes.at(0).text.contains(holders[0] + c.said))
            << windows.boxes.at(0).text.toStdString();
        EXPECT_TRUE(windows.boxes.at(1).text.contains("The one free name of its ring is " +
                                                      c.free.arg(holders[0]) + " the file that was"))
            << windows.boxes.at(1).text.toStdString();

        // Yes: every file back under the name it had before the rename that was cut off.
        windows.boxes.clear();
        fileSystem().FileNames(S.WorkPath);
        TellOfInterruptedRenames(S.WorkPath);
        ASSERT_EQ(windows.boxes.size(), 2);
        EXPECT_TRUE(windows.boxes.at(1).text.contains("are back under their names"))
            << windows.boxes.at(1).text.toStdString();
        EXPECT_EQ(Files(work_.path()), before);
        for (int i = 0; i < before.size(); ++i) EXPECT_EQ(Read(W(before[i])), c.back[i].toUtf8()) << i;
    }
}

// A file a copy replaced, left aside by a run that was killed, is offered back when its name is free
// and only named when the copy holds that name.
TEST_F(ActionsTest, AReplacedFileLeftAsideByAKilledRunIsOfferedBack) {
    const TemporaryOwner dead = EndedProcess();
    const QString free = MakeTemporaryName(TemporaryKind::RenameHolder, 1, dead);
    const QString taken = MakeTemporaryName(TemporaryKind::RenameHolder, 2, dead);
    Write(W(free), "mine a");
    WriteReplacedRecord(S.WorkPath, free, "a.t");
    Write(W(taken), "mine b");
    WriteReplacedRecord(S.WorkPath, taken, "b.t");
    Write(W("b.t"), "copy");
    fileSystem().FileNames(S.WorkPath);
    TellOfInterruptedRenames(S.WorkPath);
    ASSERT_EQ(windows.boxes.size(), 3);  // the offer, what was done, and what is only named
    EXPECT_TRUE(windows.boxes.at(0).text.contains(free + " holds your earlier a.t, and a.t is free"))
        << windows.boxes.at(0).text.toStdString();
    EXPECT_TRUE(
        windows.boxes.at(2).text.contains(taken + " holds your earlier b.t, which a copy has replaced"))
        << windows.boxes.at(2).text.toStdString();
    EXPECT_EQ(Read(W("a.t")), "mine a");
    EXPECT_EQ(Read(W("b.t")), "copy");
    EXPECT_EQ(Files(work_.path()), QStringList({taken, HolderRecordName(taken), "a.t", "b.t"}));
}

// A batch of rings keeps one record on disk while it runs, naming every ring's temporary name, so
// that a kill in any ring leaves the disk saying what each holds; and it goes with the batch.
TEST_F(ActionsTest, OneRecordNamesEveryRingOfTheBatch) {
    // Three swaps: "a" <-> "b", "c" <-> "d", "e" <-> "f"; each takes three renames.
    MakeWorkFiles({"a", "b", "c", "d", "e", "f"});
    SetAction(0);
    Select({"a", "b", "c", "d", "e", "f"}, {"b", "a", "d", "c", "f", "e"});
    ListWorkFolder();
    FindConflictStart();
    ASSERT_TRUE(S.ReadyToFinalize);
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    const pid_t child = ::fork();
    if (child == 0) {
        ScopedServices scope;
        scope.useFiles<KilledFiles>(*real, 5);  // inside the second swap
        ActionAStartDo();
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const QStringList records = Files(work_.path()).filter(QRegularExpression("\\.rows$"));
    ASSERT_EQ(records.size(), 1) << Files(work_.path()).join(',').toStdString();
    QFile file(W(records[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray rings = QJsonDocument::fromJson(file.readAll()).object().value("rings").toArray();
    ASSERT_EQ(rings.size(), 3);
    const QStringList holders =
        Files(work_.path()).filter(QRegularExpression("^\\.quorvan-rename-.*\\.tmp$"));
    ASSERT_EQ(holders.size(), 1);
    EXPECT_EQ(rings.at(1).toObject().value("holder").toString(), holders[0]);

    // Run whole, nothing of the program's is left.
    for (const QString& f : Files(work_.path())) QFile::remove(W(f));
    MakeWorkFiles({"a", "b", "c", "d", "e", "f"});
    Select({"a", "b", "c", "d", "e", "f"}, {"b", "a", "d", "c", "f", "e"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(Read(W("a")), "b");
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(Read(W("a")), "a");
}

// On a full disk the rings' record cannot be written: the rings are left as they are and named,
// and the renames that need no record still go.
TEST_F(ActionsTest, AFullDiskRefusesOnlyTheRingsNotThePlainRenames) {
    const QString mount = work_.path() + "/full";
    ASSERT_TRUE(QDir().mkdir(mount));
    if (::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(mount)};
    S.WorkPath = mount + "/";
    MakeWorkFiles({"a", "b", "c", "p"});
    {
        QFile fill(mount + "/fill");
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    SetAction(0);
    Select({"a", "b", "c", "p"}, {"b", "c", "a", "q"});
    PreviewAndFinalize();
    EXPECT_EQ(Files(mount), QStringList({"a", "b", "c", "fill", "q"}));
    for (const QString f : {"a", "b", "c"}) EXPECT_EQ(Read(W(f)), f.toUtf8());
    EXPECT_EQ(Read(W("q")), "p");
    ASSERT_EQ(windows.boxes.size(), 1);
    EXPECT_TRUE(
        windows.boxes.last().text.contains("no record of the ring of renames could be kept: No space left"))
        << windows.boxes.last().text.toStdString();
    EXPECT_TRUE(S.UndoAvailable);
}

// A record whose temporary file is gone goes when its folder is opened; one that cannot be read is
// named, and nothing is renamed.
TEST_F(ActionsTest, RecordsOfInterruptedRingsThatAreDoneGoAndUnreadableOnesAreNamed) {
    const TemporaryOwner dead = EndedProcess();
    const QString gone = MakeTemporaryName(TemporaryKind::RenameHolder, 1, dead);
    const QString held = MakeTemporaryName(TemporaryKind::RenameHolder, 2, dead);
    MakeWorkFiles({"b", "c"});
    WriteHolderRecord(S.WorkPath, gone, {{"x", "y"}, {"y", "x"}});
    fileSystem().FileNames(S.WorkPath);
    TellOfInterruptedRenames(S.WorkPath);
    EXPECT_EQ(Files(work_.path()), QStringList({"b", "c"}));
    EXPECT_TRUE(windows.boxes.isEmpty());

    Write(W(held), "a");
    Write(W(HolderRecordName(held)), "{\"holder\": \"");
    fileSystem().FileNames(S.WorkPath);
    TellOfInterruptedRenames(S.WorkPath);
    EXPECT_EQ(Files(work_.path()), QStringList({held, HolderRecordName(held), "b", "c"}));
    ASSERT_EQ(windows.boxes.size(), 1);
    EXPECT_TRUE(windows.boxes.at(0).text.contains(HolderRecordName(held) +
                                                  " is a record of an interrupted Rename "
                                                  "that cannot be read"))
        << windows.boxes.at(0).text.toStdString();
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

TEST_F(ActionsTest, ANameLeftAsItWasIsNotRenamedButJournalled) {
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    ScopedServices scope;
    auto& counting = scope.useFiles<CountingFiles>(*real);
    MakeWorkFiles({"a", "b"});
    SetAction(0);
    Select({"a", "b"}, {"a", "c"});
    PreviewAndFinalize();
    EXPECT_EQ(counting.calls.value("RenameNoReplace"), 1);
    EXPECT_EQ(counting.calls.value("Rename"), 0);
    EXPECT_EQ(S.ComboUndoOldName, QStringList({"a", "b"}));
    EXPECT_EQ(S.ComboUndoNewName, QStringList({"a", "c"}));
    counting.calls.clear();
    Undo();
    EXPECT_EQ(counting.calls.value("RenameNoReplace"), 1);
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b"}));
}

TEST_F(ActionsTest, RenameAndCopyUndoTakesTheCopyBackWhenTheRenamedFileHasGone) {
    MakeWorkFiles({"a.t"});
    SetAction(1);
    S.DestFreeKB = 1000000;
    Select({"a.t"}, {"n.t"});
    PreviewAndFinalize();
    QFile::remove(W("n.t"));
    Undo();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.t"}));
    EXPECT_EQ(Read(W("a.t")), "a.t");
    EXPECT_TRUE(Files(dest_.path()).isEmpty());
}

TEST_F(ActionsTest, EverySetAttributeValueAndItsUndo) {
    struct Case {
        int choice;
        int value;
    };
    const Case cases[] = {
        {1, AttrNormal}, {2, AttrReadOnly}, {3, AttrHidden}, {4, AttrSystem}, {5, AttrArchive}};
    FileSystem& fs = fileSystem();
    MakeWorkFiles({"a.t"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        fs.SetAttributes(W("a.t"), AttrHidden | AttrArchive);
        SetAction(7);
        S.ActionAttribute = c.choice;
        Select({"a.t"});
        PreviewAndFinalize();
        EXPECT_EQ(fs.GetAttributes(W("a.t")), c.value);
        Undo();
        EXPECT_EQ(fs.GetAttributes(W("a.t")), AttrHidden | AttrArchive);
    }
    // Any other choice changes nothing and journals nothing.
    SetAction(7);
    S.ActionAttribute = 6;
    Select({"a.t"});
    PreviewAndFinalize();
    EXPECT_TRUE(S.ComboUndoOldName.isEmpty());
    EXPECT_EQ(fs.GetAttributes(W("a.t")), AttrHidden | AttrArchive);
    fs.SetAttributes(W("a.t"), AttrNormal);
}

TEST_F(ActionsTest, FileListsAreRefreshedAndTheUndoWarnsOfTheSelectionOnlyWhenItMay) {
    MakeWorkFiles({"a", "b"});
    SetAction(0);
    Select({"a"}, {"x"});
    windows.refreshes = 0;
    PreviewAndFinalize();
    EXPECT_EQ(windows.refreshes, 1);
    // A new selection in the same folder: the undo may change it, and says so.
    Select({"b"});
    S.HasSelection = 1;
    Undo();
    EXPECT_EQ(windows.refreshes, 2);
    EXPECT_EQ(shown, QStringList({"MessageUndoResetsFile"}));

    // No selection, or another folder: no warning.
    shown.clear();
    Select({"a"}, {"x"});
    PreviewAndFinalize();
    S.HasSelection = 0;
    Undo();
    EXPECT_TRUE(shown.isEmpty());
    Select({"a"}, {"x"});
    PreviewAndFinalize();
    S.HasSelection = 1;
    S.WorkPath = S.DestPath;
    Undo();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(Files(work_.path()), QStringList({"a", "b"}));
}

// Rename fails across file systems; MoveFile copies and removes, as it does between real devices.
class CrossDeviceFiles : public ForwardingFiles {
  public:
    CrossDeviceFiles(FileSystem& real, QString otherDevice)
        : ForwardingFiles(real), other_(std::move(otherDevice)) {}
    int copiedMoves = 0;

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

  private:
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
