// Criteria set in the dialog as a user sets them, then Preview and the action in the main window:
// the window shows, and the disk gets, exactly the names the committed criteria build.
#include "criteria/frm_ren.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

using CriteriaRoad = WindowTest;

TEST_F(CriteriaRoad, DialogCriteriaPreviewAndRenameFromTheWindow) {
    OpenWork({"a.txt", "b.txt", "c.log"});
    SelectByHand({"a.txt", "c.log"});
    ASSERT_TRUE(click(*M().CommandRenameCriteria));
    FrmRen& r = frmRen();
    ASSERT_TRUE(r.Visible());
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 1));  // at start of file names
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("x_")));
    ASSERT_TRUE(click(*r.CheckExt));
    ASSERT_TRUE(type(*r.TextExt, QStringLiteral("md")));
    ASSERT_TRUE(click(*r.CommandOK));
    EXPECT_FALSE(r.Visible());
    EXPECT_NE(M().LabelCriInsert->Caption(), M().LabelCriChgExt->Caption());
    EXPECT_TRUE(M().LabelCriChgExt->Caption().contains(QStringLiteral("md")));

    ASSERT_TRUE(click(*M().CommandPreview));
    const QStringList expected{"x_a.md", "x_c.md"};
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(S.PreviewNames, expected);

    ASSERT_TRUE(click(*M().CommandJob));
    EXPECT_EQ(FilesIn(work_), QStringList({"b.txt", "x_a.md", "x_c.md"}));
}

}  // namespace
}  // namespace qv::test
