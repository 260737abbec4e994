// A work folder that cannot be read (no permission) opens with an empty file list; nothing of the
// folder left behind stays on show or selected, and nothing breaks.
#include "core/panel_calls.h"
#include "core/windows.h"
#include "platform/fs_posix.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

// The real file system with one folder whose contents cannot be read, as without permission (the
// tests run as root, who may read everything).
class LockedFolder : public PosixFileSystem {
  public:
    QString locked;
    bool foldersToo = false;
    QStringList FileNames(const QString& folder) override {
        refuse(folder);
        return PosixFileSystem::FileNames(folder);
    }
    QStringList FolderNames(const QString& folder) override {
        if (foldersToo)
            refuse(folder);
        return PosixFileSystem::FolderNames(folder);
    }
    QStringList EntryNames(const QString& folder) override {
        refuse(folder);
        return PosixFileSystem::EntryNames(folder);
    }

  private:
    void refuse(const QString& folder) {
        if (QDir::cleanPath(folder) == QDir::cleanPath(locked))
            throw PlatformError(QStringLiteral("Cannot read the folder %1: Permission denied").arg(folder));
    }
};

class UnreadableFolderTest : public WindowTest {
  protected:
    LockedFolder& Lock(const QString& folder, bool foldersToo = false) {
        MakeFile(folder + "/a.txt");
        MakeFile(folder + "/z.txt");
        LockedFolder& fs = services_.useFiles<LockedFolder>();
        fs.locked = folder;
        fs.foldersToo = foldersToo;
        return fs;
    }
};

TEST_F(UnreadableFolderTest, OpensWithAnEmptyFileList) {
    for (bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "keep-selection on, rule All" : "manual selection");
        services_.useRealFiles();
        OpenWork({"a.txt", "b.txt", "c.txt"});
        if (keep)
            CommitRule(1, 0, 0, 0, 0, {}, false, /*keep=*/true);
        else
            SelectByHand({"a.txt", "b.txt"});
        ASSERT_EQ(S.SelectedCount, keep ? 3 : 2);
        const QString locked = root_ + (keep ? "/locked2" : "/locked");
        Lock(locked);

        Go(locked);
        EXPECT_EQ(M().Dir1->Path(), locked);
        EXPECT_EQ(M().File1->Path(), locked);
        EXPECT_EQ(M().File2->Path(), locked);
        EXPECT_EQ(M().File1->ListCount(), 0) << "no file of the folder left behind stays listed";
        EXPECT_EQ(M().File2->ListCount(), 0);
        EXPECT_EQ(S.WorkPath, locked + "/");
        EXPECT_EQ(S.SelectedCount, 0);
        EXPECT_EQ(M().List1->ListCount(), 0);
        EXPECT_FALSE(On(M().CommandPreview));

        // A refresh tries again and still lists nothing; once readable, the files show.
        windows().RefreshFileLists();
        EXPECT_EQ(M().File1->ListCount(), 0);
        services_.useRealFiles();
        windows().RefreshFileLists();
        EXPECT_EQ(items(*M().File1), (QStringList{"a.txt", "z.txt"}));
        EXPECT_EQ(items(*M().File2), (QStringList{"a.txt", "z.txt"}));
    }
}

TEST_F(UnreadableFolderTest, AFolderThatCannotBeEnteredKeepsTheListWhereItWas) {
    OpenWork({"a.txt"});
    Lock(work_ + "/locked", /*foldersToo=*/true);
    M().Dir1->Refresh();
    const int at = M().Dir1->ListCount() - 1;
    ASSERT_EQ(M().Dir1->List(at), work_ + "/locked");
    M().Dir1->UserOpens(at);
    EXPECT_EQ(M().Dir1->Path(), work_);
    EXPECT_EQ(items(*M().File1), QStringList{"a.txt"});
    EXPECT_EQ(S.WorkPath, work_ + "/");
}

}  // namespace
}  // namespace qv::test
