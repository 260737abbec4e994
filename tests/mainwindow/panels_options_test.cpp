// The Options panel's code and what counts as changed, its default, reset and cancel, the system-folder
// permission withdrawn, and the order in which Insert, Replace and Remove run.
#include <QSet>
#include <QWidget>
#include <algorithm>

#include "criteria/criteria.h"
#include "panels_fixture.h"

namespace qv::test {
namespace {

class OptionsPanel : public PanelsTest {
  protected:
    void Open() { ClickIn(M().CommandRigidity); }
};

TEST_F(OptionsPanel, CodesAtDefaultAndAway) {
    struct Row {
        const char* label;
        std::vector<Control*> clicks;
        int code;
        int nonDefault;
    };
    const Row rows[] = {
        {"little help", {M().CheckHelpRigid}, 35, 0},
        {"no undo question", {M().CheckUndoWarnRigid}, 131, 0},
        {"both", {M().CheckHelpRigid, M().CheckUndoWarnRigid}, 163, 0},
        {"every mark",
         {M().OptionRemoveRigid[1], M().OptionCharReplaceRigid[1], M().OptionCharRemoveRigid[1]},
         31,
         1},
        {"insert not marked", {M().OptionInsertRigid[0]}, 2, 1},
        {"system folders", {M().CheckAllowSystemRigid}, 67, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        Apply("RigidityDefault");
        Open();
        EXPECT_FALSE(M().CommandRigidityOK->Enabled());  // nothing changed yet
        for (Control* c : r.clicks) ASSERT_TRUE(click(*c));
        EXPECT_EQ(S.OptionsCodePending, r.code);
        ASSERT_TRUE(M().CommandRigidityOK->Enabled());
        ClickIn(M().CommandRigidityOK);
        EXPECT_FALSE(M().FrameRigidity->Visible());
        EXPECT_EQ(S.OptionsCode, r.code);
        EXPECT_EQ(S.OptionsNonDefault, r.nonDefault);
        EXPECT_EQ(M().CommandClearRigidity->Enabled(), r.nonDefault == 1);
        EXPECT_EQ(S.MarkRemoveShort, (r.code & 16) != 0);
        EXPECT_EQ(S.MarkInsertMissing, (r.code & 1) != 0);
        EXPECT_EQ(S.HelpAtStart, (r.code & 32) != 0);
        EXPECT_EQ(S.SkipUndoWarning, (r.code & 128) != 0);
        EXPECT_EQ(S.AllowSystemFolders, (r.code & 64) != 0);
        EXPECT_EQ(M().CheckAllowSystemRigid->ForeColor(),
                  (r.code & 64) != 0 ? Colour(255) : Colour(0x80000012));
    }
}

TEST_F(OptionsPanel, ResetKeepsHelpAndUndoQuestionDefaultDropsThem) {
    Open();
    for (Control* c : std::initializer_list<Control*>{M().CheckHelpRigid, M().CheckUndoWarnRigid,
                                                      M().OptionRemoveRigid[1]})
        ASSERT_TRUE(click(*c));
    ClickIn(M().CommandRigidityOK);
    ASSERT_EQ(S.OptionsCode, 167);
    ClickIn(M().CommandClearRigidity);
    EXPECT_EQ(S.OptionsCode, 163);
    EXPECT_EQ(S.OptionsNonDefault, 0);
    EXPECT_FALSE(S.MarkRemoveMissing);
    EXPECT_TRUE(M().OptionRemoveRigid[0]->Value());
    EXPECT_TRUE(S.HelpAtStart);
    EXPECT_TRUE(S.SkipUndoWarning);

    Open();
    ASSERT_TRUE(M().CommandRigidityDefault->Enabled());
    ClickIn(M().CommandRigidityDefault);
    EXPECT_EQ(S.OptionsCode, 3);
    EXPECT_FALSE(S.HelpAtStart);
    EXPECT_FALSE(S.SkipUndoWarning);
    EXPECT_EQ(M().CheckHelpRigid->Value(), 0);
    EXPECT_EQ(M().CheckUndoWarnRigid->Value(), 0);
    EXPECT_FALSE(M().FrameRigidity->Visible());
    EXPECT_FALSE(S.ViewLocked);
}

// The foot speaks of "the line" above it: the line is drawn, between the marks and the foot, as wide as
// the foot, and no text lies over it.
TEST_F(OptionsPanel, TheFootHasItsLine) {
    M().Show();
    Open();
    ASSERT_NE(M().LineRigidity, nullptr);
    QWidget* line = WidgetOf(*M().LineRigidity);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    const QRect drawn = line->geometry();
    const QRect foot = WidgetOf(*M().LabelRigidFoot)->geometry();
    const QRect marks = WidgetOf(*M().FrameRigidSet[2])->geometry();
    EXPECT_FALSE(drawn.intersects(foot));
    EXPECT_FALSE(drawn.intersects(marks));
    EXPECT_GE(drawn.top(), marks.bottom());
    EXPECT_LE(drawn.bottom(), foot.top());
    EXPECT_LE(drawn.left(), foot.left());
    EXPECT_GE(drawn.right(), foot.left() + foot.width() * 3 / 4);
}

TEST_F(OptionsPanel, CancelPutsTheCommittedOptionsBack) {
    Open();
    for (Control* c : std::initializer_list<Control*>{M().CheckAllowSystemRigid, M().OptionInsertRigid[0],
                                                      M().CheckHelpRigid})
        ASSERT_TRUE(click(*c));
    ClickIn(M().CommandRigidityCancel);
    EXPECT_EQ(S.OptionsCode, 3);
    EXPECT_EQ(S.OptionsCodePending, 3);
    EXPECT_FALSE(S.HelpAtStartPending);
    EXPECT_TRUE(M().OptionInsertRigid[1]->Value());
    EXPECT_EQ(M().CheckAllowSystemRigid->Value(), 0);
    EXPECT_EQ(M().CheckHelpRigid->Value(), 0);
    Open();
    EXPECT_FALSE(M().CommandRigidityOK->Enabled());
}

TEST_F(OptionsPanel, WithdrawingTheSystemFolderPermissionMovesTheWorkFolderOut) {
    const QString sys = root_ + "/sys";
    MakeFile(sys + "/inside.txt");
    Open();
    ASSERT_TRUE(click(*M().CheckAllowSystemRigid));
    ClickIn(M().CommandRigidityOK);
    ASSERT_TRUE(S.AllowSystemFolders);
    Go(sys);
    ASSERT_EQ(S.WorkPath, sys + "/");
    Open();
    ASSERT_TRUE(click(*M().CheckAllowSystemRigid));
    ClickIn(M().CommandRigidityOK);
    EXPECT_FALSE(S.AllowSystemFolders);
    EXPECT_FALSE(S.WorkPath.startsWith(sys + "/")) << S.WorkPath.toStdString();
    EXPECT_FALSE(M().Dir1->Path().startsWith(sys)) << M().Dir1->Path().toStdString();
}

TEST_F(OptionsPanel, WithdrawingTheSystemFolderPermissionShowsTheDestinationInForce) {
    OpenWork({"a.txt"});
    const QString sys = root_ + "/sys";
    Open();
    ASSERT_TRUE(click(*M().CheckAllowSystemRigid));
    ClickIn(M().CommandRigidityOK);
    ClickIn(M().CommandAction);
    Choose(M().OptionAction[4]);
    ClickIn(M().CommandActionBrowse);
    frmMove().Dir1->SetPath(sys);
    ASSERT_TRUE(click(*frmMove().CommandActionMoveOK));
    ASSERT_EQ(M().TextActionDestination->Text(), sys + "/");
    Open();
    ASSERT_TRUE(click(*M().CheckAllowSystemRigid));
    ClickIn(M().CommandRigidityOK);
    EXPECT_EQ(S.DestPath, S.WorkPath);
    EXPECT_EQ(M().TextActionDestination->Text(), S.DestPath);
}

// Switching one of the three operations on or off as the criteria dialog's commit does.
void Switch(const QString& op, bool on) {
    if (op == "Insert") {
        S.EditInsertPlace = on ? 1 : 0;
        S.InsertTextPending = QStringLiteral("i");
        criteria::SetValueInsertSet();
    } else if (op == "Replace") {
        S.EditReplaceKind = on ? 1 : 0;
        S.ReplaceWithPending = QStringLiteral("r");
        criteria::SetValueReplaceSet();
    } else {
        S.EditRemoveKind = on ? 1 : 0;
        S.EditRemoveString = QStringLiteral("x");
        criteria::SetValueRemoveSet();
    }
}

TEST_F(OptionsPanel, SlotsHoldTheOperationsThatAreOnInTheChosenOrder) {
    const QStringList ops{"Insert", "Replace", "Remove"};
    QStringList order = ops;
    std::sort(order.begin(), order.end());
    do {
        // Every sequence of four switches of one operation each (on when off, off when on).
        for (int seq = 0; seq < 81; ++seq) {
            SCOPED_TRACE((order.join(",") + " #" + QString::number(seq)).toStdString());
            Apply("ResetRename");
            ASSERT_EQ(S.PriorityCount, 0);
            for (int i = 0; i < 3; ++i) {
                ComboBox* c = i == 0   ? M().ComboPriority1st
                              : i == 1 ? M().ComboPriority2nd
                                       : M().ComboPriority3rd;
                c->SetListIndex(static_cast<int>(ops.indexOf(order[i])));
            }
            Apply("Priority");
            QSet<QString> on;
            int code = seq;
            for (int step = 0; step < 4; ++step, code /= 3) {
                const QString& op = ops[code % 3];
                const bool nowOn = !on.contains(op);
                if (nowOn)
                    on.insert(op);
                else
                    on.remove(op);
                Switch(op, nowOn);
                QStringList expected;
                for (const QString& o : order)
                    if (on.contains(o))
                        expected << o;
                const QStringList slots = QStringList{S.PrioritySlot1, S.PrioritySlot2, S.PrioritySlot3};
                ASSERT_EQ(S.PriorityCount, expected.size());
                ASSERT_EQ(slots.mid(0, S.PriorityCount), expected);
                ASSERT_EQ(QSet<QString>(slots.begin(), slots.end()).size(), 3);  // each once
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(OptionsPanel, PriorityExamplesAndLabels) {
    // Choice Remove, Insert, Replace with Insert and Remove on.
    Switch("Insert", true);
    Switch("Remove", true);
    M().ComboPriority1st->SetListIndex(2);
    M().ComboPriority2nd->SetListIndex(0);
    M().ComboPriority3rd->SetListIndex(1);
    EXPECT_TRUE(M().CommandPriorityOK->Enabled());
    Apply("Priority");
    EXPECT_EQ(S.PrioritySlot1, "Remove");
    EXPECT_EQ(S.PrioritySlot2, "Insert");
    EXPECT_EQ(M().LabelPriority1st->Caption(), "1 - Remove");
    EXPECT_EQ(M().LabelPriority2nd->Caption(), "2 - Insert");
    EXPECT_EQ(M().LabelPriority3rd->Caption(), "");
    EXPECT_EQ(S.PriorityChanged, 1);
    EXPECT_TRUE(M().CommandPriorityDefault->Enabled());
    EXPECT_FALSE(M().CommandPriorityOK->Enabled());

    // Two lists showing one operation: no OK, and a key that gets through changes nothing.
    M().ComboPriority2nd->SetListIndex(2);
    EXPECT_FALSE(M().CommandPriorityOK->Enabled());
    EXPECT_TRUE(M().LabelPriorityInfo3->Visible());
    Apply("Priority");
    EXPECT_EQ(S.PriorityChoice1, "Remove");
    EXPECT_EQ(S.PriorityChoice2, "Insert");

    // With one operation on there is no order to show.
    Switch("Remove", false);
    EXPECT_EQ(S.PrioritySlot1, "Insert");
    S.PanelKey = QStringLiteral("RenameSet");
    S.EditInsertPlace = 1;
    SetValueByKey();
    EXPECT_EQ(M().LabelPriority1st->Caption(), "");
}

}  // namespace
}  // namespace qv::test
