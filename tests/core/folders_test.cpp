// Folder history, the system-folder guard, and sizes.
#include "core/folders.h"
#include "mainwindow/control_forms.h"

#include <QDir>
#include <QFile>

#include "core/startup.h"
#include "core/state.h"
#include "core_fixture.h"
#include "mainwindow/frm_main.h"

namespace qv::test {
namespace {

class FoldersTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        root_ = temp_.path();
        prog_ = root_ + "/prog/";
        WriteFile(prog_ + "quorvan", "program");
        WriteFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
        for (const char* d : {"a", "b", "c", "sys/sub", "sys/sub/deeper", "sysx"})
            QDir().mkpath(root_ + "/" + d);
        system_->programFolder = prog_;
        system_->systemFolder = root_ + "/sys/";
        store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
        QDir::setCurrent(prog_);
        Main();
    }
    void Go(const QString& rel) { frmMain().Dir1->SetPath(root_ + "/" + rel); }
    QString Here() { return frmMain().Dir1->Path(); }
    QString Dir(const QString& rel) { return root_ + "/" + rel; }
    QString root_, prog_;
};

TEST_F(FoldersTest, HistoryPushesRevisitsAndBackThenNew) {
    const QString start = root_ + "/prog";
    EXPECT_EQ(S.FolderHistory, QStringList{start});
    Go("a");
    Go("b");
    EXPECT_EQ(S.FolderHistory, QStringList({start, Dir("a"), Dir("b")}));
    EXPECT_EQ(S.FolderHistoryPos, 2);
    EXPECT_EQ(S.WorkPath, Dir("b") + "/");
    EXPECT_EQ(S.LastFolder, Dir("b"));

    frmMain().ImageGoBack_Click();
    EXPECT_EQ(Here(), Dir("a"));
    EXPECT_EQ(S.FolderHistoryPos, 1);
    frmMain().ImageGoBack_Click();
    frmMain().ImageGoBack_Click();  // at 0: nothing
    EXPECT_EQ(S.FolderHistoryPos, 0);
    EXPECT_EQ(Here(), start);
    EXPECT_EQ(S.LastFolder, "");  // the start folder is not remembered

    Go("c");  // appended at the end; the later entries stay
    EXPECT_EQ(S.FolderHistory, QStringList({start, Dir("a"), Dir("b"), Dir("c")}));
    EXPECT_EQ(S.FolderHistoryPos, 3);
    frmMain().ImageGoForward_Click();  // at the end: nothing
    EXPECT_EQ(S.FolderHistoryPos, 3);

    Go("a");  // a revisit only moves the position
    EXPECT_EQ(S.FolderHistoryCount, 3);
    EXPECT_EQ(S.FolderHistoryPos, 1);
    frmMain().ImageGoForward_Click();
    EXPECT_EQ(Here(), Dir("b"));
}

TEST_F(FoldersTest, SystemTreeIsRefusedWithoutPermission) {
    Go("a");
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK)).expect(kMessageBox, Box(seen, PressOK));
    Go("sys");
    EXPECT_EQ(Here(), Dir("a"));
    Go("sys/sub");  // below it too
    EXPECT_EQ(Here(), Dir("a"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].text.startsWith("Working in System folder is not allowed."));
    EXPECT_EQ(S.FolderHistory.size(), 2);
    EXPECT_EQ(S.FolderHistoryPos, 1);
    EXPECT_FALSE(S.SystemFolderRefused);
    // A sibling that only begins like the system folder is an ordinary folder.
    Go("sysx");
    EXPECT_EQ(Here(), Dir("sysx"));
    EXPECT_FALSE(S.WorkInSystemFolder);
    EXPECT_EQ(script.count(), 2);
}

TEST_F(FoldersTest, WithdrawingThePermissionLeavesTheTree) {
    const QString start = root_ + "/prog";
    S.AllowSystemFolders = true;
    // Entered straight from the first history entry: the mark is index 0, not "no mark".
    Go("sys");
    Go("sys/sub");
    EXPECT_TRUE(S.WorkInSystemFolder);
    EXPECT_EQ(S.SystemHistoryMark, 0);
    EXPECT_EQ(S.LastFolder, "");  // never remembered
    ControlFormsSetPaths();
    S.AllowSystemFolders = false;
    EXPECT_EQ(Here(), start);
    EXPECT_EQ(S.FolderHistory, QStringList{start});
    EXPECT_FALSE(S.WorkInSystemFolder);

    // From a later entry.
    S.AllowSystemFolders = true;
    Go("a");
    Go("sys/sub");
    Go("sys/sub/deeper");
    ControlFormsSetPaths();
    S.AllowSystemFolders = false;
    EXPECT_EQ(Here(), Dir("a"));
    EXPECT_EQ(S.FolderHistory, QStringList({start, Dir("a")}));
}

// An entry of the tree visited while it was allowed is refused with the reason once it is not, and
// leaves the history, so that the arrows reach the folders beyond it.
TEST_F(FoldersTest, BackAndForwardStayOutOfTheTree) {
    const QString start = root_ + "/prog";
    S.AllowSystemFolders = true;
    Go("a");
    Go("sys/sub");
    Go("b");
    frmMain().ImageGoBack_Click();
    EXPECT_EQ(Here(), Dir("sys/sub"));  // allowed: it moves there
    frmMain().ImageGoForward_Click();
    S.AllowSystemFolders = false;  // withdrawn while outside the tree
    {
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, PressOK));
        frmMain().ImageGoBack_Click();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_TRUE(seen[0].text.startsWith("Working in System folder is not allowed."));
    }
    EXPECT_EQ(Here(), Dir("b"));
    EXPECT_EQ(S.FolderHistory, QStringList({start, Dir("a"), Dir("b")}));
    EXPECT_EQ(S.FolderHistoryPos, 2);
    frmMain().ImageGoBack_Click();
    EXPECT_EQ(Here(), Dir("a"));
}

TEST_F(FoldersTest, FileSizesInKB) {
    const QString f = root_ + "/a/f";
    struct Case {
        int bytes;
        qint64 kb;
    };
    for (Case c : {Case{0, 1}, Case{1024, 2}, Case{1535, 2}, Case{1536, 3}}) {
        WriteFile(f, QByteArray(c.bytes, 'x'));
        EXPECT_EQ(GetFileSizeKB(f), c.kb) << c.bytes;
    }
    EXPECT_EQ(BytesToKB(qint64(5) * 1024 * 1024 * 1024 * 1024), qint64(5) * 1024 * 1024 * 1024);
}

TEST_F(FoldersTest, SelectedSizeSkipsFilesGoneMeanwhile) {
    Go("a");
    WriteFile(Dir("a/one"), QByteArray(2048, 'x'));
    WriteFile(Dir("a/two"), QByteArray(10, 'x'));
    S.ComboFile1 = QStringList({"one", "gone", "two"});
    S.SelectedCount = 3;
    EXPECT_EQ(ShowSelectedFilesSize(), 3 + 1);
    EXPECT_EQ(frmMain().LabelSpaceNeed->Caption(), "Selected Files : 3   Total Size : 4 KB");
    EXPECT_TRUE(frmMain().LabelSpaceNeed->Visible());
    EXPECT_FALSE(frmMain().CommandFileSize->Enabled());
}

}  // namespace
}  // namespace qv::test
