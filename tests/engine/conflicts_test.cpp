// Conflict checks, their counters, the report and what the user's answer does.
#include <gtest/gtest.h>

#include "core/folders.h"
#include "core/records/engine.h"
#include "engine/conflicts.h"
#include "engine/names.h"
#include "engine_fixture.h"
#include "forwarding_files.h"

namespace qv::test {
namespace {

using ConflictsTest = EngineTest;

QString MarkString() {
    QString out;
    for (int i = 0; i < SelectionTableCount(); ++i) {
        out += SelectionRowMarked(i) ? QLatin1Char('#') : QLatin1Char('-');
    }
    return out;
}

TEST_F(ConflictsTest, RenameChecksAndTheirCounters) {
    // "hid.txt" is on the disk but in no list; "b.txt" is selected.
    MakeWorkFiles({"a.txt", "b.txt", "hid.txt", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt"});
    SetAction(0);
    Select({"a.txt", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt", "b.txt"},
           {"b.txt", "hid.txt", "same.txt", "same.txt", "same.txt", ".txt", "x.txt"});
    EXPECT_TRUE(FindConflictNameZeroLength());
    EXPECT_TRUE(FindConflictWithExistName());
    EXPECT_TRUE(FindConflictWithNewName());
    // Row 0 may take the selected "b.txt"; row 1 hits the hidden file; rows 2 and 3 share a name with a
    // later row; row 5 has an empty name part.
    EXPECT_EQ(MarkString(), "-###-#-");
    EXPECT_EQ(S.ConflictExistName, 1);
    EXPECT_EQ(S.ConflictNewName, 2);
    EXPECT_EQ(S.ConflictZeroLength, 1);
    EXPECT_EQ(S.ConflictTotal, 4);
}

TEST_F(ConflictsTest, NamesThatCannotStayInTheFolderAreConflicts) {
    MakeWorkFiles({"a", "b", "c", "d", "e"});
    SetAction(0);
    Select({"a", "b", "c", "d", "e"},
           {"sub/a", "..", "ok", QString("n") + QChar(u'\0'), QString(256, QLatin1Char('n'))});
    EXPECT_TRUE(FindConflictNameZeroLength());
    EXPECT_EQ(MarkString(), "##-##");
    EXPECT_EQ(S.ConflictZeroLength, 0);
    EXPECT_EQ(S.ConflictNotAName, 3);
    EXPECT_EQ(S.ConflictLongName, 1);
    EXPECT_EQ(S.ConflictTotal, 4);
    const QString report = FindConflictReport();
    EXPECT_FALSE(report.contains("zero length")) << report.toStdString();
    EXPECT_TRUE(
        report.contains("Number of new name holding a character that file names can not hold (or being "
                        "\".\" or \"..\") is : 3\r\n"))
        << report.toStdString();
    EXPECT_TRUE(
        report.contains("Number of new name longer than the Folder allows (at most 255 bytes) is : 1\r\n"))
        << report.toStdString();
}

TEST_F(ConflictsTest, CountersCountEveryHitButTheTotalOnlyNewMarks) {
    MakeWorkFiles({"a.t", "b.t", "taken.t"});
    SetAction(0);
    Select({"a.t", "b.t"}, {"taken.t", "taken.t"});
    FindConflictWithExistName();
    FindConflictWithNewName();
    EXPECT_EQ(S.ConflictExistName, 2);
    EXPECT_EQ(S.ConflictNewName, 1);
    EXPECT_EQ(S.ConflictTotal, 2);
    EXPECT_EQ(MarkString(), "##");
}

TEST_F(ConflictsTest, DestinationIsCheckedOnTheDiskAndSkippedWhenOverwriting) {
    MakeWorkFiles({"a.t", "b.t"});
    Write(S.DestPath + "b.t", "old");
    SetAction(4);  // Copy
    Select({"a.t", "b.t"});
    EXPECT_TRUE(FindConflictWithMove());
    EXPECT_EQ(MarkString(), "-#");
    EXPECT_EQ(S.ConflictMove, 1);

    // The overwrite option skips it for the copies, never for the moves.
    ResetState();
    S.WorkPath = WithTrailingSlash(work_.path());
    S.DestPath = WithTrailingSlash(dest_.path());
    SetAction(4);
    S.OverwriteConfirmed = true;
    Select({"a.t", "b.t"});
    ListWorkFolder();
    S.DestFreeKB = 1000000;
    FindConflictStart();
    EXPECT_EQ(S.ConflictTotal, 0);
    EXPECT_TRUE(S.ReadyToFinalize);
    SetAction(5);  // Move
    Select({"a.t", "b.t"});
    S.ReadyToFinalize = false;
    FindConflictStart();
    // Reported, and OK unselected the one file whose name the destination holds.
    EXPECT_EQ(S.ConflictTotal, 1);
    EXPECT_EQ(S.ComboFile1, QStringList({"a.t"}));
    EXPECT_FALSE(S.ReadyToFinalize);
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
}

// Each action that writes into the destination, and the name it checks there: Copy and Move the
// file's own name whatever names were built, the renaming ones the new name; a folder takes a name
// as a file does; the overwrite option never lets a move replace.
TEST_F(ConflictsTest, TheNameEachActionPutsInTheDestination) {
    struct Case {
        const char* what;
        int action;
        bool overwrite;
        QString marks;
    };
    const Case cases[] = {
        {"copy: own names", 4, false, "#-#"},
        {"move: own names", 5, false, "#-#"},
        {"move with overwrite on", 5, true, "#-#"},
        {"copy and rename: new names", 2, false, "-##"},
        {"move and rename with overwrite on", 3, true, "-##"},
    };
    MakeWorkFiles({"a.t", "b.t", "c.t"});
    Write(S.DestPath + "a.t", "theirs");
    QDir(dest_.path()).mkdir("c.t");  // a folder of the name
    Write(S.DestPath + "nb.t", "theirs");
    QDir(dest_.path()).mkdir("nc.t");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        shown.clear();
        S.ConflictTotal = 0;
        S.ConflictMove = 0;
        answerCancel = true;
        SetAction(c.action);
        S.OverwriteConfirmed = c.overwrite;
        S.DestFreeKB = 1000000;
        Select({"a.t", "b.t", "c.t"}, {"na.t", "nb.t", "nc.t"});
        ListWorkFolder();
        if (c.action == 4 || c.action == 5) {
            EXPECT_TRUE(FindConflictWithMove());
            EXPECT_EQ(MarkString(), c.marks);
        }
        Select({"a.t", "b.t", "c.t"}, {"na.t", "nb.t", "nc.t"});
        S.ConflictTotal = 0;
        S.ConflictMove = 0;
        FindConflictStart();
        EXPECT_EQ(S.ConflictMove, 2);
        EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
        EXPECT_FALSE(S.ReadyToFinalize);
    }
    answerCancel = false;
}

TEST_F(ConflictsTest, ReportTextSingularPluralAndClosingPhrase) {
    S.ConflictTotal = 1;
    S.ConflictInsert = 1;
    EXPECT_EQ(
        FindConflictReport(),
        "Total 1 conflicting file found.\r\n\r\n"
        "Number of selection for which Insert is not possible is : 1\r\n\r\n"
        " To change Renaming options please press Cancel. To unselect the conflicting files please press OK, "
        "it will be done automatically.");
    S.ConflictTotal = 3;
    S.ConflictInsert = 0;
    S.ConflictMove = 2;
    S.ConflictNewName = 1;
    const QString both = FindConflictReport();
    EXPECT_TRUE(both.startsWith("Total 3 conflicting files found.\r\n\r\n"));
    EXPECT_TRUE(
        both.contains("Number of new name conflicting with other new name is : 1\r\n"
                      "Number of new name conflicting with files in Destination Folder is : 2\r\n\r\n"
                      " To change Renaming options and/or Destination Folder please press Cancel."));
    S.ConflictNewName = 0;
    EXPECT_TRUE(FindConflictReport().contains("\r\n\r\n To change Destination Folder please press Cancel."));
    S.ConflictMove = 0;
    S.ConflictAuto = 2;
    S.ConflictReplace = 1;
    S.ConflictRemove = 4;
    S.ConflictExistName = 5;
    const QString order = FindConflictReport();
    EXPECT_LT(order.indexOf("Replace is not"), order.indexOf("Remove is not"));
    EXPECT_LT(order.indexOf("Remove is not"), order.indexOf("Auto is not"));
    EXPECT_LT(order.indexOf("Auto is not"), order.indexOf("existing file name is : 5"));
    EXPECT_TRUE(order.contains(" To change Renaming options please"));
}

TEST_F(ConflictsTest, OkClearsMarkedRowsAndKeepsTheRestParallel) {
    MakeWorkFiles({"a.t", "b.t", "c.t", "d.t", "e.t"});
    SetAction(0);
    Select({"a.t", "b.t", "c.t", "d.t", "e.t"}, {"n.t", "p.t", "n.t", "q.t", ".t"});
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    EXPECT_EQ(S.ComboFile1, QStringList({"b.t", "c.t", "d.t"}));
    EXPECT_EQ(S.ComboIndex, QStringList({"1", "2", "3"}));
    EXPECT_EQ(S.ComboName, QStringList({"p", "n", "q"}));
    EXPECT_EQ(S.ComboDot.size(), 3);
    EXPECT_EQ(S.ComboExt, QStringList({"t", "t", "t"}));
    EXPECT_EQ(S.ComboClearString, QStringList({"OK", "OK", "OK"}));
    EXPECT_EQ(S.SelectedCount, 3);
    EXPECT_EQ(S.HasSelection, 1);
    EXPECT_EQ(S.ConflictNewName, 0);
    EXPECT_EQ(S.ConflictZeroLength, 0);
    EXPECT_EQ(S.ConflictTotal, 2);  // left as it was
    EXPECT_TRUE(S.ConflictCheckDue);
    EXPECT_FALSE(S.ReadyToFinalize);
    EXPECT_TRUE(S.MessageReply.isEmpty());

    // The next preview checks the remaining rows again and becomes ready.
    S.ConflictTotal = 0;
    FindConflictStart();
    EXPECT_TRUE(S.ReadyToFinalize);
    EXPECT_FALSE(S.ConflictCheckDue);
}

TEST_F(ConflictsTest, CancelRestoresEveryRow) {
    MakeWorkFiles({"a.t", "b.t", "c"});
    SetAction(0);
    Select({"a.t", "b.t", "c"});
    S.PriorityCount = 1;
    S.PrioritySlot1 = "Replace";
    S.ReplaceType = "ReplaceFileName";
    S.ReplaceWith = "same";
    FinalizeNewNames();
    answerCancel = true;
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    EXPECT_EQ(S.ComboFile1, QStringList({"a.t", "b.t", "c"}));
    EXPECT_EQ(S.ComboName, QStringList({"a", "b", "c"}));
    EXPECT_EQ(S.ComboExt, QStringList({"t", "t", ""}));
    EXPECT_EQ(S.ComboClearString, QStringList({"OK", "OK", "OK"}));
    EXPECT_FALSE(S.ReadyToFinalize);
    EXPECT_TRUE(S.MessageReply.isEmpty());
}

TEST_F(ConflictsTest, FreeSpaceExactlyEqualIsEnough) {
    MakeWorkFiles({"a.t"});
    Write(S.WorkPath + "big.t", QByteArray(5000, 'x'));
    SetAction(4);
    Select({"a.t", "big.t"});
    ListWorkFolder();
    const qint64 need = ShowSelectedFilesSize();
    ASSERT_GT(need, 0);
    S.DestFreeKB = need - 1;
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageNeedFreeSpace"}));
    EXPECT_FALSE(S.ReadyToFinalize);
    S.DestFreeKB = need;
    FindConflictStart();
    EXPECT_TRUE(S.ReadyToFinalize);
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(ConflictsTest, SetAttributeAndAFailingCheckKeepThePreviewFromReady) {
    MakeWorkFiles({"a.t", "sys.t", "c.t"});
    fileSystem().SetAttributes(S.WorkPath + "sys.t", AttrSystem);
    SetAction(7);
    Select({"a.t", "sys.t", "c.t"});
    EXPECT_TRUE(FindConflictSetAttribute());
    EXPECT_EQ(MarkString(), "-#-");
    EXPECT_EQ(S.ConflictTotal, 1);

    // A file gone before the check: reported, later rows not checked, and no ready preview.
    ResetState();
    S.WorkPath = WithTrailingSlash(work_.path());
    SetAction(7);
    Select({"a.t", "gone.t", "sys.t"});
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-FindConflictSetAttribute"}));
    EXPECT_EQ(MarkString(), "---");
    EXPECT_FALSE(S.ReadyToFinalize);

    // Delete checks nothing and is ready at once.
    ResetState();
    S.WorkPath = WithTrailingSlash(work_.path());
    SetAction(6);
    Select({"a.t", "gone.t"});
    FindConflictStart();
    EXPECT_TRUE(S.ReadyToFinalize);
}

TEST_F(ConflictsTest, HiddenFileTakesItsNameThoughTheListDoesNotShowIt) {
    MakeWorkFiles({"a.t", "b.t", ".seen.t"});
    SetAction(0);
    Select({"a.t", "b.t"}, {".seen.t", "c.t"});
    ListWorkFolder();
    ASSERT_EQ(windows.lists[FileList::Work].entries, QStringList({"a.t", "b.t"}));
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    // OK took the one conflicting file out of the table and out of the list's selection.
    EXPECT_EQ(S.ComboFile1, QStringList({"b.t"}));
    EXPECT_EQ(windows.lists[FileList::Work].selected, QVector<bool>({false, true}));
    EXPECT_EQ(Read(S.WorkPath + ".seen.t"), ".seen.t");
}

TEST_F(ConflictsTest, DestinationIsCheckedWhateverTheFolderDialogShows) {
    MakeWorkFiles({"a.t", "b.t"});
    Write(S.DestPath + "b.t", "theirs");
    // The dialog's file list shows another, empty folder.
    windows.ShowList(FileList::Dest, {});
    SetAction(4);  // Copy, overwrite off
    S.DestFreeKB = 1000000;
    Select({"a.t", "b.t"});
    FindConflictStart();
    EXPECT_EQ(S.ConflictMove, 0);  // cleared with the row
    EXPECT_EQ(shown, QStringList({"MessageReadyFoundConflict"}));
    EXPECT_EQ(S.ComboFile1, QStringList({"a.t"}));
    EXPECT_EQ(Read(S.DestPath + "b.t"), "theirs");
}

// A destination that takes files but does not let its names be read: one report, that names the
// folder and the reason.
class UnlistedDestination : public ForwardingFiles {
  public:
    UnlistedDestination(FileSystem& real, QString dest) : ForwardingFiles(real), dest_(std::move(dest)) {}
    QStringList EntryNames(const QString& f) override {
        if (f == dest_)
            throw PlatformError(QStringLiteral("Cannot read the folder %1: Permission denied").arg(f));
        return real_.EntryNames(f);
    }

  private:
    QString dest_;
};

TEST_F(ConflictsTest, ADestinationThatCannotBeListedIsNamedWithTheReason) {
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    ScopedServices scope;
    scope.useFiles<UnlistedDestination>(*real, S.DestPath);
    MakeWorkFiles({"a.t", "b.t"});
    SetAction(2);  // Copy And Rename: both the new-name check and the destination check look there
    S.DestFreeKB = 1000000;
    Select({"a.t", "b.t"}, {"na.t", "nb.t"});
    ListWorkFolder();
    FindConflictStart();
    EXPECT_EQ(shown, QStringList({"Bug-Quorvan-FindConflictWithMove"}));
    ASSERT_FALSE(windows.boxes.isEmpty());
    const QString said = QStringLiteral("Bug-Quorvan-FindConflictWithMove\r\n\r\nCannot read the folder ") +
                         S.DestPath + QStringLiteral(": Permission denied");
    EXPECT_TRUE(windows.boxes.last().text.endsWith(said)) << windows.boxes.last().text.toStdString();
    EXPECT_FALSE(S.ReadyToFinalize);
}

}  // namespace
}  // namespace qv::test
