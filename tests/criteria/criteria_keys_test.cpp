// The criteria dialog from the keyboard: Tab goes from the box filled first to the next one of the
// criterion, typed keys do not change a list's choice, and Escape leaves the dialog as Cancel does.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>

#include "core/state.h"
#include "criteria_fixture.h"

namespace qv::test {
namespace {

class CriteriaKeys : public CriteriaTest {};

struct TabRow {
    const char* choice;
    std::function<void(FrmRen&)> choose;                         // as the user does, switch then list
    std::vector<std::pair<TextBox * FrmRen::*, QString>> fills;  // each box typed into, then Tab
    TextBox* FrmRen::*last;                                      // where the last Tab lands
    QString typed = QStringLiteral("x");                         // a key that box takes
    ComboBox* FrmRen::*list = nullptr;                           // the criterion's list: Shift+Tab's end
    CheckBox* FrmRen::*check = nullptr;                          // or its switch, when it has no list
};

void Pick(CheckBox* check, ComboBox* combo, int index) {
    ASSERT_TRUE(click(*check));
    ASSERT_TRUE(choose(*combo, index));
}

TEST_F(CriteriaKeys, TabGoesToTheNextBoxOfTheCriterion) {
    const std::vector<TabRow> rows = {
        {"Insert after N",
         [](FrmRen& r) { Pick(r.CheckInsert, r.ComboInsert, 3); },
         {{&FrmRen::TextInsertAfterNumChar, "1"}},
         &FrmRen::TextInsertThis,
         "x",
         &FrmRen::ComboInsert},
        {"Insert before a string",
         [](FrmRen& r) { Pick(r.CheckInsert, r.ComboInsert, 6); },
         {{&FrmRen::TextInsertAfterString, "ab"}},
         &FrmRen::TextInsertThis,
         "x",
         &FrmRen::ComboInsert},
        {"Replace this string",
         [](FrmRen& r) { Pick(r.CheckReplace, r.ComboReplace, 2); },
         {{&FrmRen::TextReplaceString, "ab"}},
         &FrmRen::TextReplaceWith,
         "x",
         &FrmRen::ComboReplace},
        {"Replace all after N",
         [](FrmRen& r) { Pick(r.CheckReplace, r.ComboReplace, 3); },
         {{&FrmRen::TextReplaceAfterNumChar, "1"}},
         &FrmRen::TextReplaceWith,
         "x",
         &FrmRen::ComboReplace},
        {"Replace M after N",
         [](FrmRen& r) { Pick(r.CheckReplace, r.ComboReplace, 9); },
         {{&FrmRen::TextReplaceCharAfterNumChar, "1"}, {&FrmRen::TextReplaceNumChar, "2"}},
         &FrmRen::TextReplaceWith,
         "x",
         &FrmRen::ComboReplace},
        {"Replace M before a string",
         [](FrmRen& r) { Pick(r.CheckReplace, r.ComboReplace, 12); },
         {{&FrmRen::TextReplaceCharAfterString, "ab"}, {&FrmRen::TextReplaceNumChar, "2"}},
         &FrmRen::TextReplaceWith,
         "x",
         &FrmRen::ComboReplace},
        {"Remove M after N",
         [](FrmRen& r) { Pick(r.CheckRemove, r.ComboRemove, 8); },
         {{&FrmRen::TextRemoveCharAfterNumChar, "1"}},
         &FrmRen::TextRemoveNumChar,
         "3",
         &FrmRen::ComboRemove},
        {"Remove M before a string",
         [](FrmRen& r) { Pick(r.CheckRemove, r.ComboRemove, 11); },
         {{&FrmRen::TextRemoveCharAfterString, "ab"}},
         &FrmRen::TextRemoveNumChar,
         "3",
         &FrmRen::ComboRemove},
        {"Auto number after N",
         [](FrmRen& r) {
             ASSERT_TRUE(click(*r.OptionAuto[1]));
             ASSERT_TRUE(choose(*r.ComboAutoPlace, 3));
         },
         {{&FrmRen::TextAutoAfterNumChar, "1"}},
         &FrmRen::TextAutoStart,
         "3",
         &FrmRen::ComboAutoPlace},
        {"Auto letters before a string",
         [](FrmRen& r) {
             ASSERT_TRUE(click(*r.OptionAuto[2]));
             ASSERT_TRUE(choose(*r.ComboAutoPlace, 6));
         },
         {{&FrmRen::TextAutoAfterString, "ab"}},
         &FrmRen::TextAutoStart,
         "X",
         &FrmRen::ComboAutoPlace},
        {"Handle, replaced with",
         [](FrmRen& r) {
             ASSERT_TRUE(click(*r.CheckHandle));
             ASSERT_TRUE(type(*r.TextHandleThis, "a"));
             ASSERT_TRUE(click(*r.OptionHandle[2]));
             QTest::mouseClick(WidgetOf(*r.TextHandleThis), Qt::LeftButton);  // back, to change it
         },
         {{&FrmRen::TextHandleThis, "b"}},
         &FrmRen::TextHandleWith,
         "x",
         nullptr,
         &FrmRen::CheckHandle},
    };
    for (const TabRow& row : rows) {
        SCOPED_TRACE(row.choice);
        TearDown();
        SetUp();
        FrmRen& r = Open();
        S.CriteriaDialogLoading = false;
        row.choose(r);
        for (const auto& [box, text] : row.fills) {
            ASSERT_EQ(focused(r), r.*box) << "the box the user fills next has the focus";
            ASSERT_TRUE(type(*(r.*box), text));
            pressKey(r, Qt::Key_Tab);
        }
        ASSERT_EQ(focused(r), r.*row.last) << (focused(r) ? focused(r)->Name().toStdString() : "none");
        QTest::keyClicks(WindowOf(r)->focusWidget(), row.typed);
        EXPECT_EQ((r.*row.last)->Text(), row.typed) << "the typed key reaches the next box";
        // Back again: the boxes, then the criterion's list, inside its frame.
        for (size_t k = 0; k <= row.fills.size(); ++k) pressKey(r, Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(r), row.list ? static_cast<Control*>(r.*row.list) : r.*row.check);
    }
}

TEST_F(CriteriaKeys, TheDialogOpensWithItsFocusMarkOnItsFirstStop) {
    FrmRen& r = Open();
    QApplication::setActiveWindow(WindowOf(r));
    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowOf(r)));
    Control* first = focused(r);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(controlName(*first), readingOrder(r).value(0));
    // The keyboard user sees where the keys go before any key is pressed.
    EXPECT_TRUE(drawsFocusMark(*first)) << controlName(*first).toStdString();
}

TEST_F(CriteriaKeys, KeysTypedIntoAListAreDiscarded) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open ? "list open" : "list closed");
        for (ComboBox* combo : {r.ComboInsert, r.ComboAutoPlace, r.ComboAutoZeroFill}) {
            if (!combo->EffectivelyVisible())
                continue;
            // The closed list's choice, as a screen reader reads it from the drop-down entries.
            if (!open) {
                EXPECT_EQ(accessibleSelection(*combo), QStringList{text(*combo)})
                    << combo->Name().toStdString();
            }
            // Its entries are out of sight until it opens, and again once it has closed.
            EXPECT_EQ(accessibleShowing(*combo), QStringList()) << combo->Name().toStdString();
            const int before = combo->ListIndex();
            WidgetOf(*combo)->setFocus();
            if (open) {
                // Typed into the open list, then Return, which takes the entry highlighted.
                auto* box = qobject_cast<QComboBox*>(WidgetOf(*combo));
                box->showPopup();
                EXPECT_FALSE(accessibleShowing(*combo).isEmpty()) << combo->Name().toStdString();
                QTest::keyClicks(box->view(), "A1a");
                QTest::keyClick(box->view(), Qt::Key_Return);
                // Out of sight once closed, in sight again when it opens once more.
                EXPECT_EQ(accessibleShowing(*combo), QStringList()) << combo->Name().toStdString();
                box->showPopup();
                EXPECT_FALSE(accessibleShowing(*combo).isEmpty()) << combo->Name().toStdString();
                box->hidePopup();
            } else {
                QTest::keyClicks(WidgetOf(*combo), "A1a");
            }
            EXPECT_EQ(combo->ListIndex(), before) << combo->Name().toStdString();
        }
    }
    EXPECT_EQ(S.EditInsertPlace, 0);
}

TEST_F(CriteriaKeys, AToolsPickInAClosedListIsTheChoiceAClickMakes) {
    FrmRen& r = Open();
    S.CriteriaDialogLoading = false;
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 3));
    const QStringList afterN = {QString::number(S.EditInsertPlace), text(*r.ComboInsert)};
    ASSERT_TRUE(choose(*r.ComboInsert, 1));
    const QStringList atStart = {QString::number(S.EditInsertPlace), text(*r.ComboInsert)};
    ASSERT_NE(afterN, atStart);
    ASSERT_TRUE(choose(*r.ComboInsert, 0));
    ASSERT_TRUE(toggleThroughAccessibility(*r.ComboInsert, 1));
    EXPECT_EQ((QStringList{QString::number(S.EditInsertPlace), text(*r.ComboInsert)}), atStart);
    EXPECT_EQ(text(*r.ComboInsert), "At start of file names");
    EXPECT_EQ(accessibleSelection(*r.ComboInsert), QStringList{"At start of file names"});
    EXPECT_EQ(accessibilityProblems(r), QStringList());
    ASSERT_TRUE(toggleThroughAccessibility(*r.ComboInsert, 3));
    EXPECT_EQ((QStringList{QString::number(S.EditInsertPlace), text(*r.ComboInsert)}), afterN);
}

TEST_F(CriteriaKeys, EscapeLeavesTheDialogAsCancelDoes) {
    FrmRen& r = Open();
    S.CriteriaDialogLoading = false;
    ASSERT_TRUE(click(*r.CheckExt));
    ASSERT_TRUE(type(*r.TextExt, "txt"));
    WidgetOf(*r.TextExt)->setFocus();
    pressKey(r, Qt::Key_Escape);
    EXPECT_FALSE(r.Visible());
    EXPECT_TRUE(S.CriteriaDialogClosed);
    EXPECT_EQ(S.ExtNewPending, QString()) << "nothing pending outlives it";
}

}  // namespace
}  // namespace qv::test
