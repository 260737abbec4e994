// A work folder that cannot be read (no permission) opens with an empty file list; nothing of the
// folder left behind stays on show or selected, and nothing breaks.
#include <sys/stat.h>

#include <cerrno>

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

// The real file system with one folder whose names can be read but which cannot be entered, as a
// folder of mode r-- is for an ordinary user.
class UnenterableFolder : public PosixFileSystem {
  public:
    QString locked;

  protected:
    int enterFolder(int folderFd) override {
        struct stat st {};
        struct stat lockedSt {};
        if (::fstat(folderFd, &st) == 0 && ::stat(QFile::encodeName(locked).constData(), &lockedSt) == 0 &&
            st.st_dev == lockedSt.st_dev && st.st_ino == lockedSt.st_ino)
            return EACCES;
        return PosixFileSystem::enterFolder(folderFd);
    }
};

class UnreadableFolderTest : public WindowTest {
  protected:
    // Opens entry `at` of the main window's folder list as a double click does (the folder is marked,
    // then opened); the user is told which folder and why, and the program stays where it was.
    void ExpectTheFolderListRefuses(int at, const QString& folder) {
        QStringList said;
        {
            ModalScript script;
            script.expect(kMessageBox, Note(said));
            M().Dir1->UserClicks(at);
            M().Dir1->UserOpens(at);
        }
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith("The Folder " + folder + " can not be opened: Permission denied."))
            << said[0].toStdString();
        EXPECT_EQ(M().Dir1->Path(), work_);
        EXPECT_EQ(items(*M().File1), QStringList{"a.txt"});
        EXPECT_EQ(S.WorkPath, work_ + "/");
    }
    // The same from the folder dialog's list, opened for a Copy's destination.
    void ExpectTheFolderDialogRefuses(const QString& folder) {
        ASSERT_TRUE(click(*M().CommandAction));
        ASSERT_TRUE(click(*M().OptionAction[4]));
        ASSERT_TRUE(click(*M().CommandActionBrowse));
        FrmMove& f = frmMove();
        ASSERT_TRUE(f.Visible());
        f.Dir1->SetPath(dest_);
        const int at = items(*f.Dir1).indexOf(folder);
        ASSERT_GE(at, 0);
        QStringList said;
        {
            ModalScript script;
            script.expect(kMessageBox, Note(said));
            f.Dir1->UserOpens(at);
        }
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith("The Folder " + folder + " can not be opened: Permission denied."))
            << said[0].toStdString();
        EXPECT_EQ(f.Dir1->Path(), dest_);
        EXPECT_EQ(f.TextActionMovePath->Text(), dest_ + "/");
    }
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
    const int historyPos = S.FolderHistoryPos;
    const QStringList history = S.FolderHistory;
    ExpectTheFolderListRefuses(at, work_ + "/locked");
    EXPECT_EQ(M().Dir1->ListIndex(), -1) << "the list marks the folder the program is in";
    EXPECT_EQ(S.FolderHistoryPos, historyPos);
    EXPECT_EQ(S.FolderHistory, history);
}

// The folder dialog's list tells the same when a destination cannot be opened.
TEST_F(UnreadableFolderTest, TheFolderDialogNamesAFolderThatCannotBeOpened) {
    OpenWork({"a.txt"});
    Lock(dest_ + "/locked", /*foldersToo=*/true);
    ExpectTheFolderDialogRefuses(dest_ + "/locked");
}

// A folder that can be listed but not entered is named and not opened, in the main window and as a
// destination in the folder dialog.
TEST_F(UnreadableFolderTest, AFolderThatCanBeListedButNotEnteredIsNotOpened) {
    OpenWork({"a.txt"});
    MakeFile(work_ + "/locked/b.txt");
    MakeFile(dest_ + "/locked/c.txt");
    UnenterableFolder& fs = services_.useFiles<UnenterableFolder>();
    fs.locked = work_ + "/locked";
    M().Dir1->Refresh();
    const int at = items(*M().Dir1).indexOf(work_ + "/locked");
    ASSERT_GE(at, 0);
    ExpectTheFolderListRefuses(at, work_ + "/locked");

    fs.locked = dest_ + "/locked";
    ExpectTheFolderDialogRefuses(dest_ + "/locked");
}

// Back onto a folder that may no longer be opened says which and why, stays where it is, and the
// next Back reaches the folder before it.
TEST_F(UnreadableFolderTest, BackOntoAFolderThatCannotBeOpenedSaysWhyAndStepsOverIt) {
    for (const char* f : {"/a", "/b", "/c"}) QDir().mkpath(root_ + f);
    Go(root_ + "/a");
    Go(root_ + "/b");
    Go(root_ + "/c");
    Lock(root_ + "/b", /*foldersToo=*/true);
    QStringList said;
    {
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        ASSERT_TRUE(click(*M().ImageGoBack));
    }
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("The Folder " + root_ + "/b can not be opened: Permission denied."))
        << said[0].toStdString();
    EXPECT_EQ(M().Dir1->Path(), root_ + "/c");
    EXPECT_EQ(S.FolderHistory.value(S.FolderHistoryPos), root_ + "/c");
    ASSERT_TRUE(click(*M().ImageGoBack));
    EXPECT_EQ(M().Dir1->Path(), root_ + "/a");
}

// A folder removed after the list showed it: the user is told, and the list marks the folder the
// program is in, not a neighbour that took the removed one's row.
TEST_F(UnreadableFolderTest, AFolderRemovedBeforeItIsOpenedIsNamedAndTheListMarksWhereTheProgramIs) {
    OpenWork({"a.txt"});
    QDir().mkpath(work_ + "/gone");
    QDir().mkpath(work_ + "/next");
    M().Dir1->Refresh();
    ASSERT_EQ(M().Dir1->List(0), work_ + "/gone");
    M().Dir1->UserClicks(0);
    QDir(work_ + "/gone").removeRecursively();
    QStringList said;
    {
        ModalScript script;
        script.expect(kMessageBox, Note(said));
        M().Dir1->UserOpens(0);
    }
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("The Folder " + work_ + "/gone does not exist any more."))
        << said[0].toStdString();
    EXPECT_EQ(M().Dir1->Path(), work_);
    EXPECT_EQ(M().Dir1->ListIndex(), -1);
    EXPECT_EQ(items(*M().Dir1), QStringList{work_ + "/next"});
}

}  // namespace
}  // namespace qv::test
