// The order of renames inside a folder, case-blind folders, and the folder's own name limit.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "engine/actions.h"
#include "engine/conflicts.h"
#include "engine/rename_plan.h"
#include "engine_fixture.h"
#include "forwarding_files.h"

namespace qv::test {
namespace {

// Runs the steps over a set of names as a folder would, refusing any step onto a held name.
// Returns the file (by its first name) under each name at the end, or "" on a refused step.
QMap<QString, QString> Simulate(const QStringList& olds, const QList<RenameStep>& steps, bool blind,
                                QString* refused) {
    QMap<QString, QString> held;  // key -> original file
    QMap<QString, QString> spelled;
    for (const QString& o : olds) {
        held.insert(NameKey(o, blind), o);
        spelled.insert(NameKey(o, blind), o);
    }
    for (const RenameStep& s : steps) {
        if (s.from == s.to)
            continue;
        const QString from = NameKey(s.from, blind);
        const QString to = NameKey(s.to, blind);
        if (!held.contains(from) || (held.contains(to) && to != from) || (to == from)) {
            *refused = s.from + " -> " + s.to;
            return {};
        }
        held.insert(to, held.take(from));
        spelled.remove(from);
        spelled.insert(to, s.to);
    }
    QMap<QString, QString> out;
    for (auto it = held.cbegin(); it != held.cend(); ++it) out.insert(spelled.value(it.key()), it.value());
    return out;
}

TEST(RenamePlanTest, NoStepMeetsAHeldNameAndEveryFileEndsUnderItsNewName) {
    struct Case {
        const char* what;
        QStringList olds, news;
        bool blind;
        int temporaries;
    };
    const Case cases[] = {
        {"unrelated, table order kept", {"a", "b"}, {"x", "y"}, false, 0},
        {"swap", {"a", "b"}, {"b", "a"}, false, 1},
        {"three-cycle", {"b", "c", "d"}, {"c", "d", "b"}, false, 1},
        {"shift up", {"f1", "f2", "f3"}, {"f2", "f3", "f4"}, false, 0},
        {"shift down", {"f2", "f3", "f4"}, {"f1", "f2", "f3"}, false, 0},
        {"two rings and a chain", {"a", "b", "c", "d", "e", "g"}, {"b", "a", "d", "e", "c", "h"}, false, 2},
        {"name kept", {"a", "b"}, {"a", "c"}, false, 0},
        {"case only, case-blind", {"a.txt"}, {"A.txt"}, true, 1},
        {"case only, exact folder", {"a.txt"}, {"A.txt"}, false, 0},
        {"waits for a name held in another case", {"b.txt", "a.txt"}, {"A.txt", "c.txt"}, true, 0},
        {"swap in another case", {"a", "b"}, {"B", "A"}, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int made = 0;
        const QList<RenameStep> steps =
            PlanRenames(c.olds, c.news, c.blind, [&] { return QStringLiteral("~t%1").arg(++made); });
        EXPECT_EQ(made, c.temporaries);
        QString refused;
        const QMap<QString, QString> end = Simulate(c.olds, steps, c.blind, &refused);
        ASSERT_TRUE(refused.isEmpty()) << refused.toStdString();
        for (int i = 0; i < c.olds.size(); ++i) EXPECT_EQ(end.value(c.news.at(i)), c.olds.at(i));
        EXPECT_EQ(end.size(), c.olds.size());
        // Each row ends with exactly one last step, onto its new name.
        QMap<int, int> lasts;
        for (const RenameStep& s : steps)
            if (s.last) {
                ++lasts[s.row];
                EXPECT_EQ(s.to, c.news.at(s.row));
            }
        EXPECT_EQ(lasts.size(), c.olds.size());
    }
    // Rows without a link keep the table's order.
    const QList<RenameStep> plain =
        PlanRenames({"a", "b", "c"}, {"x", "y", "z"}, false, [] { return QString(); });
    ASSERT_EQ(plain.size(), 3);
    EXPECT_EQ(plain.at(0).row, 0);
    EXPECT_EQ(plain.at(2).row, 2);
}

// The file a ring steps aside holds a user's only copy: its name says so, and whose it is.
using RingTemporaryTest = EngineTest;
TEST_F(RingTemporaryTest, IsNamedAsARenamesOwnForThisProcess) {
    const QString t = FreeTemporaryName(S.WorkPath, [](const QString&) { return false; });
    const TemporaryName read = ReadTemporaryName(t);
    EXPECT_EQ(read.kind, TemporaryKind::RenameHolder) << t.toStdString();
    EXPECT_EQ(read.owner.pid, ThisProcess().pid);
    EXPECT_NE(read.owner.started, 0u);
    EXPECT_EQ(read.owner.started, ThisProcess().started);
}

class CaseBlindTest : public EngineTest {
  protected:
    void Blind() {
        real_ = makePosixFileSystem();
        scope_.useFiles<CaseBlindFiles>(*real_);
    }
    std::unique_ptr<FileSystem> real_;
    ScopedServices scope_;
};

TEST_F(CaseBlindTest, TheFolderIsAskedWhetherItIgnoresCase) {
    MakeWorkFiles({"a.txt", "123"});
    EXPECT_FALSE(FolderIsCaseBlind(S.WorkPath, {"123", "a.txt"}));
    // Two files in two cases: an exact folder.
    Write(S.WorkPath + "A.TXT", "other");
    EXPECT_FALSE(FolderIsCaseBlind(S.WorkPath, {"a.txt"}));
    QFile::remove(S.WorkPath + "A.TXT");
    Blind();
    EXPECT_TRUE(FolderIsCaseBlind(S.WorkPath, {"123", "a.txt"}));
    // Nothing with a case to change, or nothing there: taken as exact.
    EXPECT_FALSE(FolderIsCaseBlind(S.WorkPath, {"123", "gone.txt"}));
}

TEST_F(CaseBlindTest, ACaseOnlyRenameAndANameHeldInAnotherCase) {
    Blind();
    MakeWorkFiles({"a.txt", "b.txt", "c.txt"});
    SetAction(0);
    // "b.txt" -> "A.txt" next to an unselected "a.txt": found by Preview.
    Select({"b.txt"}, {"A.txt"});
    ListWorkFolder();
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    EXPECT_EQ(S.ConflictTotal, 1);
    EXPECT_EQ(Files(work_.path()), QStringList({"a.txt", "b.txt", "c.txt"}));

    // Selected too and leaving: "b.txt" waits for it; "c.txt" changes only its case.
    shown.clear();
    S.ConflictTotal = 0;
    Select({"b.txt", "a.txt", "c.txt"}, {"A.txt", "d.txt", "C.TXT"});
    ListWorkFolder();
    FindConflictStart();
    ASSERT_TRUE(S.ReadyToFinalize) << shown.join(',').toStdString();
    ActionAStartDo();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(Files(work_.path()), QStringList({"A.txt", "C.TXT", "d.txt"}));
    EXPECT_EQ(Read(S.WorkPath + "A.txt"), "b.txt");
    EXPECT_EQ(Read(S.WorkPath + "C.TXT"), "c.txt");
    ActionAStartUndo();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(Files(work_.path()), QStringList({"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(Read(S.WorkPath + "b.txt"), "b.txt");

    // Two new names that differ only in case are one name here.
    S.ConflictTotal = 0;
    Select({"a.txt", "b.txt"}, {"X.txt", "x.txt"});
    EXPECT_TRUE(FindConflictWithNewName());
    EXPECT_EQ(S.ConflictNewName, 1);
    // And the destination too holds names in any case.
    Write(S.DestPath + "Q.T", "theirs");
    SetAction(3);
    Select({"a.txt"}, {"q.t"});
    EXPECT_TRUE(FindConflictWithMove());
    EXPECT_EQ(S.ConflictMove, 1);
}

// A real case-blind file system: a FAT image through the user-space driver, where the machine has it.
class FatImageTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        const QString mkfs = Find("mkfs.vfat");
        const QString fuse = Find("fusefat");
        const QString unmount = Find("fusermount");
        if (mkfs.isEmpty() || fuse.isEmpty() || unmount.isEmpty() || !QFile::exists("/dev/fuse"))
            GTEST_SKIP()
                << "no FAT image can be mounted here (needs mkfs.vfat, fusefat, fusermount and /dev/fuse)";
        unmount_ = unmount;
        const QString image = box_.path() + "/fat.img";
        mountPoint_ = box_.path() + "/fat";
        QDir().mkpath(mountPoint_);
        if (QProcess::execute(mkfs, {"-C", image, "4096"}) != 0 ||
            QProcess::execute(fuse, {"-o", "rw+", image, mountPoint_}) != 0)
            GTEST_SKIP() << "the FAT image could not be made or mounted here";
        mounted_ = true;
        S.WorkPath = mountPoint_ + "/";
    }
    void TearDown() override {
        if (mounted_)
            QProcess::execute(unmount_, {"-u", mountPoint_});
        EngineTest::TearDown();
    }
    static QString Find(const char* program) {
        QString p = QStandardPaths::findExecutable(program);
        return p.isEmpty() ? QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin"}) : p;
    }
    QTemporaryDir box_;
    QString mountPoint_, unmount_;
    bool mounted_ = false;
};

TEST_F(FatImageTest, CaseOnlyRenamesAndNamesHeldInAnotherCase) {
    MakeWorkFiles({"a.txt", "b.txt"});
    ASSERT_TRUE(FolderIsCaseBlind(S.WorkPath, {"a.txt"}));
    SetAction(0);
    Select({"b.txt"}, {"A.txt"});
    ListWorkFolder();
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));

    shown.clear();
    S.ConflictTotal = 0;
    Select({"a.txt", "b.txt"}, {"A.txt", "B.TXT"});
    ListWorkFolder();
    FindConflictStart();
    ASSERT_TRUE(S.ReadyToFinalize) << shown.join(',').toStdString();
    ActionAStartDo();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(QDir(S.WorkPath).entryList(QDir::Files, QDir::Name), QStringList({"A.txt", "B.TXT"}));
    ActionAStartUndo();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
    EXPECT_EQ(QDir(S.WorkPath).entryList(QDir::Files, QDir::Name), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(Read(S.WorkPath + "b.txt"), "b.txt");
}

// A folder that takes shorter names than 255 bytes says so, and Preview refuses longer ones.
class ShortNames : public ForwardingFiles {
  public:
    using ForwardingFiles::ForwardingFiles;
    int NameMax(const QString&) override { return 12; }
};

TEST_F(CaseBlindTest, NamesLongerThanTheFolderTakesAreConflicts) {
    const QString longest(255, QLatin1Char('n'));
    MakeWorkFiles({longest, "short.t"});
    SetAction(0);
    Select({longest, "short.t"}, {"x_" + longest, "y.t"});
    ListWorkFolder();
    FindConflictStart();
    EXPECT_EQ(S.ConflictLongName, 0);  // cleared with the row
    EXPECT_EQ(S.ComboFile1, QStringList({"short.t"}));
    EXPECT_TRUE(Files(work_.path()).contains(longest));

    real_ = makePosixFileSystem();
    scope_.useFiles<ShortNames>(*real_);
    Select({"short.t", "short.t"}, {"twelve.bytes", "thirteen.byte"});
    EXPECT_TRUE(FindConflictNameZeroLength());
    EXPECT_EQ(S.ConflictLongName, 1);
    EXPECT_EQ(S.ComboClearString, QStringList({"OK", "#$#"}));
}

}  // namespace
}  // namespace qv::test
