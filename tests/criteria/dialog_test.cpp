// The criteria dialog driven as a user drives it: loading, the place chains, the input rules, OK
// with its completeness check, Cancel, and the names the engine then builds.
#include <gtest/gtest.h>

#include <QWidget>

#include "core/state.h"
#include "criteria/criteria.h"
#include "criteria/lists.h"
#include "criteria_fixture.h"
#include "engine/names.h"
#include "engine/selection.h"

namespace qv::test {
namespace {

const QString kPara = QStringLiteral("\r\n\r\n");

class CriteriaDialog : public CriteriaTest {
  protected:
    // OK with no message expected; the dialog closes and commits.
    void PressOK(FrmRen& r) {
        const int before = windows_.commits;
        ASSERT_TRUE(click(*r.CommandOK));
        EXPECT_FALSE(r.Visible());
        EXPECT_EQ(windows_.commits, before + 1);
    }
};

TEST_F(CriteriaDialog, OpensWithNothingSetAndEveryListInPlace) {
    FrmRen& r = Open();
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(r.Caption(), QStringLiteral("Set Rename Criteria"));
    for (CheckBox* c :
         {r.CheckCase, r.CheckExt, r.CheckSpace, r.CheckHandle, r.CheckInsert, r.CheckReplace, r.CheckRemove})
        EXPECT_EQ(c->Value(), 0) << c->Name().toStdString();
    for (ComboBox* c :
         {r.ComboInsert, r.ComboReplace, r.ComboRemove, r.ComboAutoPlace, r.ComboCase, r.ComboAutoZeroFill})
        EXPECT_EQ(c->ListIndex(), 0) << c->Name().toStdString();
    EXPECT_TRUE(r.OptionAuto[0]->Value());
    EXPECT_EQ(S.EditCaseOption, -1);
    EXPECT_EQ(S.EditHandleMode, -1);
    EXPECT_EQ(S.EditSpaceMode, -1);
    EXPECT_FALSE(r.ComboAutoPlace->Visible());
    EXPECT_FALSE(r.FrameSpChangeTo->Visible());
    EXPECT_EQ(items(*r.ComboInsert), criteria::InsertPlaces());
    EXPECT_EQ(items(*r.ComboReplace).value(10), QStringLiteral("Num Char. before this num Char :"));
    EXPECT_EQ(items(*r.ComboRemove).value(3), QStringLiteral("All before this number Chars :"));
    EXPECT_EQ(items(*r.ComboAutoPlace).value(0), QStringLiteral("Select where to Add"));
    EXPECT_EQ(items(*r.ComboCase), QStringList({"No Change", "Lower Case", "Upper Case"}));
    EXPECT_EQ(r.TextExt->MaxLength(), 7);
    EXPECT_EQ(r.TextSpaceWith->MaxLength(), 8);
    EXPECT_EQ(r.TextReplaceNumChar->MaxLength(), 2);

    // Every control a user operates has a name for assistive tools.
    for (const auto& c : r.Controls()) {
        const ControlKind k = c->Kind();
        if (k == ControlKind::TextBox || k == ControlKind::ComboBox || k == ControlKind::CheckBox ||
            k == ControlKind::OptionButton || k == ControlKind::CommandButton) {
            EXPECT_FALSE(WidgetOf(*c)->accessibleName().isEmpty()) << c->Name().toStdString();
        }
    }
}

TEST_F(CriteriaDialog, AutoTypeSetsTheStartBoxLimitAndCaptions) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));
    EXPECT_EQ(r.TextAutoStart->MaxLength(), 5);
    EXPECT_EQ(r.FrameAutoStart->Caption(), QStringLiteral("Start From This Number :"));
    EXPECT_EQ(r.LabelAutoMaxLength->Caption(), QStringLiteral("Maximum 5 Digits."));
    EXPECT_TRUE(r.ComboAutoZeroFill->EffectivelyVisible());
    EXPECT_FALSE(r.CheckAutoLetter->EffectivelyVisible());
    ASSERT_TRUE(click(*r.OptionAuto[2]));
    EXPECT_EQ(r.TextAutoStart->MaxLength(), 3);
    EXPECT_EQ(r.FrameAutoStart->Caption(), QStringLiteral("Start From These Letters :"));
    EXPECT_EQ(r.LabelAutoMaxLength->Caption(), QStringLiteral("Maximum 3 Letters."));
    EXPECT_FALSE(r.ComboAutoZeroFill->EffectivelyVisible());
    EXPECT_TRUE(r.CheckAutoLetter->EffectivelyVisible());
}

TEST_F(CriteriaDialog, ReplaceChoiceFromCodeShowsItsChainOfBoxes) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckReplace));
    r.ComboReplace->SetListIndex(9);  // as a loader does
    EXPECT_EQ(S.EditReplaceKind, 9);
    EXPECT_TRUE(r.TextReplaceCharAfterNumChar->EffectivelyVisible());
    EXPECT_FALSE(r.TextReplaceAfterNumChar->Visible());
    EXPECT_FALSE(r.FrameReplaceNumChar->Visible());
    EXPECT_FALSE(r.FrameReplaceWith->Visible());
    ASSERT_TRUE(type(*r.TextReplaceCharAfterNumChar, QStringLiteral("2")));
    EXPECT_TRUE(r.FrameReplaceNumChar->EffectivelyVisible());
    EXPECT_FALSE(r.FrameReplaceWith->Visible());
    ASSERT_TRUE(type(*r.TextReplaceNumChar, QStringLiteral("3")));
    EXPECT_TRUE(r.FrameReplaceWith->EffectivelyVisible());
    EXPECT_EQ(S.ReplaceCharNPending, 2);
    EXPECT_EQ(S.ReplaceCharCountPending, 3);
    // Emptying the place box hides both follow-on frames again.
    ASSERT_TRUE(key(*r.TextReplaceCharAfterNumChar, 8));
    EXPECT_FALSE(r.FrameReplaceNumChar->Visible());
    EXPECT_FALSE(r.FrameReplaceWith->Visible());

    // "File Names" shows the with-frame at once; another place empties the boxes.
    r.ComboReplace->SetListIndex(1);
    EXPECT_TRUE(r.FrameReplaceWith->EffectivelyVisible());
    EXPECT_FALSE(r.TextReplaceCharAfterNumChar->Visible());
    EXPECT_EQ(r.TextReplaceNumChar->Text(), QString());
    EXPECT_EQ(S.ReplaceCharCountPending, 0);
}

TEST_F(CriteriaDialog, LoadingMovesNoFocusButAChoiceDoes) {
    FrmRen& r = Open();
    r.CheckCase->SetFocus();
    ASSERT_TRUE(r.CheckCase->HasFocus());
    // A commit from elsewhere while the dialog is open reloads it: no focus moves.
    S.EditInsertPlace = 3;
    S.InsertNPending = 2;
    S.InsertTextPending = QStringLiteral("x");
    criteria::SetValueInsertSet();
    criteria::ShowRenameCriteria();
    EXPECT_EQ(r.ComboInsert->ListIndex(), 3);
    EXPECT_EQ(r.TextInsertAfterNumChar->Text(), QStringLiteral("2"));
    EXPECT_TRUE(r.CheckCase->HasFocus());
    // The user's own choice puts the focus in the box to fill first.
    ASSERT_TRUE(choose(*r.ComboInsert, 5));
    EXPECT_TRUE(r.TextInsertAfterString->HasFocus());
}

TEST_F(CriteriaDialog, ZeroIntoAnEmptyCountBoxIsRefusedWithItsSides) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 4));
    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextInsertAfterNumChar, QStringLiteral("0")));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, QStringLiteral("MessageNoLeadingZero"));
    EXPECT_EQ(
        seen[0].text,
        QStringLiteral("This number should not start with a 0 (zero).") + kPara +
            "You have selected to Insert a Text in the file names before a selected number of Character. "
            "Number of Character must be higher than zero." +
            kPara +
            "Inserting before 0(zero) Character will insert at end of file names. If you want exactly that "
            "then select that option instead.");
    EXPECT_EQ(r.TextInsertAfterNumChar->Text(), QString());

    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextInsertAfterNumChar, QStringLiteral("x")));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].key, QStringLiteral("MessageReadyOnlyDigit"));
    EXPECT_EQ(seen[1].text,
              QStringLiteral("Only Digits 0 to 9 is allowed.") + kPara +
                  "You have selected to Insert a Text in the file names before a selected number of "
                  "Character. In this box type only the number of Character before which you want "
                  "to Insert the Text.");

    ASSERT_TRUE(type(*r.TextInsertAfterNumChar, QStringLiteral("10")));
    EXPECT_EQ(S.InsertNPending, 10);
    EXPECT_TRUE(r.FrameInsertThis->EffectivelyVisible());

    // The after places speak of after and start.
    ASSERT_TRUE(click(*r.CheckRemove));
    ASSERT_TRUE(choose(*r.ComboRemove, 8));
    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextRemoveCharAfterNumChar, QStringLiteral("0")));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[2].text.endsWith(QStringLiteral(
        "Removing after zero Character will Remove from start of file names. If you want exactly "
        "that then select that option instead.")));
}

TEST_F(CriteriaDialog, AutoStartNumberRules) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 2));
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextAutoStart, QStringLiteral("007")));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, QStringLiteral("MessageOnlyReadyMsg"));
    EXPECT_TRUE(seen[0].text.startsWith(QStringLiteral("You can have starting Auto Number as 0 (zero).")));
    EXPECT_EQ(r.TextAutoStart->Text(), QStringLiteral("7"));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("7"));

    r.TextAutoStart->SetText(QString());
    ASSERT_TRUE(paste(*r.TextAutoStart, QStringLiteral("0")));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("0"));
    EXPECT_EQ(seen.size(), 1u);

    // The start is a 16-bit number: no key and no paste takes it past 32767.
    r.TextAutoStart->SetText(QString());
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("3276")));
    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("8")));
    EXPECT_EQ(r.TextAutoStart->Text(), QStringLiteral("3276"));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("\b7")));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("3277"));
    r.TextAutoStart->SetText(QString());
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextAutoStart, QStringLiteral("40000")));
    EXPECT_EQ(r.TextAutoStart->Text(), QString());
    EXPECT_EQ(S.EditAutoStart, QString());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].text, QStringLiteral("The starting Auto Number can not be higher than 32767."));

    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextAutoStart, QStringLiteral("1a2")));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("12"));
    EXPECT_EQ(seen.back().key, QStringLiteral("MessageReadyOnlyDigit"));
}

TEST_F(CriteriaDialog, AutoLettersFollowTheSmallLetterBox) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.OptionAuto[2]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("a")));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("A"));
    ASSERT_TRUE(click(*r.CheckAutoLetter));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("a"));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("B")));
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("ab"));
    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("1")));
    EXPECT_EQ(seen.at(0).key, QStringLiteral("MessageReadyOnlyAlpha"));
    ASSERT_TRUE(paste(*r.TextAutoStart, QStringLiteral("QQ")));  // room for one letter only
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("abq"));
}

TEST_F(CriteriaDialog, SwitchingTheAutoTypeWithNoPlaceEmptiesTheStartBox) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("9999")));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 0));
    ASSERT_TRUE(click(*r.OptionAuto[2]));
    EXPECT_EQ(r.TextAutoStart->Text(), QString());
    EXPECT_EQ(S.EditAutoStart, QString());
    // Cancel shows nothing; OK reports the missing start and commits no digits as letters.
    ASSERT_TRUE(click(*r.CommandCancel));
    Open();
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("9999")));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 0));
    ASSERT_TRUE(click(*r.OptionAuto[2]));
    ExpectBox(false);
    ASSERT_TRUE(click(*r.CommandOK));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, QStringLiteral("MessageReadyIncompleteRen"));
    EXPECT_EQ(S.AutoOn, 0);
    EXPECT_EQ(S.RenAutoStartLetters, QString());
}

TEST_F(CriteriaDialog, OKTakesTheNamesOfAFinishedRenamePreviewOffTheList) {
    for (const char* action : {"Rename", "Delete"}) {
        const bool rename = QLatin1String(action) == QLatin1String("Rename");
        S.ActionName = QLatin1String(action);
        S.ReadyToFinalize = true;
        S.PreviewNames = {QStringLiteral("a.md")};
        windows_.listShown.reset();
        FrmRen& r = Open();
        if (r.CheckExt->Value() == 0) {
            ASSERT_TRUE(click(*r.CheckExt));
        }
        ASSERT_TRUE(type(*r.TextExt, QStringLiteral("x")));
        PressOK(r);
        EXPECT_EQ(S.PreviewNames.isEmpty(), rename) << action;
        EXPECT_EQ(windows_.listShown.has_value(), rename) << action;
        if (rename && windows_.listShown) {
            EXPECT_EQ(*windows_.listShown, QStringList());
        }
    }
}

TEST_F(CriteriaDialog, IncludeSpaceBoxesAndNewTextKeys) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 1));
    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("a b")));
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("ab"));
    EXPECT_EQ(seen.at(0).key, QStringLiteral("MessageReadyIncludeSpace"));
    ASSERT_TRUE(click(*r.CheckInsertAddSpace));
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral(" c d")));
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("ab c d"));
    ASSERT_TRUE(click(*r.CheckInsertAddSpace));  // unticked: the spaces go
    EXPECT_EQ(r.TextInsertThis->Text(), QStringLiteral("abcd"));
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("abcd"));
    EXPECT_FALSE(S.InsertAddSpacePending);

    ExpectBox(true);
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("/")));
    EXPECT_EQ(seen.at(1).key, QStringLiteral("MessageNewNameChars"));
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("abcd"));
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("$-_9")));
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("abcd$-_9"));
}

TEST_F(CriteriaDialog, PastesAreCheckedLikeKeys) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckExt));
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextExt, QStringLiteral("t x")));
    EXPECT_EQ(S.ExtNewPending, QStringLiteral("tx"));
    EXPECT_EQ(seen.at(0).key, QStringLiteral("MessageOnlyReadyMsg"));
    EXPECT_EQ(seen.at(0).text,
              QStringLiteral("In new Extension you can use only Alphabets and Digits 0 to 9. Space "
                             "or any other Character can not be included."));

    ASSERT_TRUE(click(*r.CheckReplace));
    ASSERT_TRUE(choose(*r.ComboReplace, 1));
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextReplaceWith, QString::fromUtf8("a/b\0c", 5)));
    EXPECT_EQ(S.ReplaceWithPending, QStringLiteral("abc"));
    EXPECT_EQ(seen.at(1).key, QStringLiteral("MessageNewNameChars"));
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextReplaceWith, QString::fromUtf8("é")));
    EXPECT_EQ(S.ReplaceWithPending, QStringLiteral("abc"));

    ASSERT_TRUE(click(*r.CheckRemove));
    ASSERT_TRUE(choose(*r.ComboRemove, 2));
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextRemoveAfterNumChar, QStringLiteral("1x")));
    EXPECT_EQ(S.EditRemoveAfterNumChars, 1);
    EXPECT_EQ(seen.at(3).key, QStringLiteral("MessageReadyOnlyDigit"));
    r.TextRemoveAfterNumChar->SetText(QString());
    ExpectBox(true);
    ASSERT_TRUE(paste(*r.TextRemoveAfterNumChar, QStringLiteral("05")));
    EXPECT_EQ(S.EditRemoveAfterNumChars, 5);
    EXPECT_EQ(seen.at(4).key, QStringLiteral("MessageNoLeadingZero"));

    // A place string takes any character but no control character.
    ASSERT_TRUE(click(*r.CheckHandle));
    ASSERT_TRUE(paste(*r.TextHandleThis, QString::fromUtf8("a\0b\x7f", 4)));
    EXPECT_EQ(S.HandleWhatPending, QStringLiteral("ab"));
    ASSERT_TRUE(paste(*r.TextHandleThis, QStringLiteral(" /é")));
    EXPECT_EQ(S.HandleWhatPending, QStringLiteral("ab /é"));

    // A space box pasted full is cut at its length in characters.
    ASSERT_TRUE(click(*r.CheckSpace));
    ASSERT_TRUE(click(*r.OptionSpace[1]));
    ASSERT_TRUE(paste(*r.TextSpaceWith, QStringLiteral("abcdefghij")));
    EXPECT_EQ(S.SpaceWithPending, QStringLiteral("abcdefgh"));
}

TEST_F(CriteriaDialog, OneIncompleteCriterionAskedAndCompletedOnYes) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckInsert));
    ExpectBox(true);
    ASSERT_TRUE(click(*r.CommandOK));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, QStringLiteral("MessageReadyIncompleteRen"));
    EXPECT_EQ(seen[0].text,
              QStringLiteral("Criteria settings for Insert is not complete. If incomplete, will be "
                             "unselected. Do you want to complete settings?"));
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(windows_.commits, 0);
    EXPECT_EQ(r.CheckInsert->Value(), 1);
    EXPECT_EQ(S.MessageReply, QString());
}

TEST_F(CriteriaDialog, SeveralIncompleteAreNumberedAndNoSwitchesThemOff) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));  // no start number
    ASSERT_TRUE(click(*r.CheckExt));            // no extension
    ASSERT_TRUE(click(*r.CheckCase));
    ASSERT_TRUE(click(*r.OptionCase[0]));  // "No Change"
    ASSERT_TRUE(click(*r.CheckRemove));
    ASSERT_TRUE(choose(*r.ComboRemove, 1));
    ASSERT_TRUE(type(*r.TextRemoveString, QStringLiteral("x")));
    ExpectBox(false);
    ASSERT_TRUE(click(*r.CommandOK));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              QStringLiteral("You have incomplete criteria settings for the followings :\r\n\r\n"
                             "1. Case : Change\r\n2. Extension : Change\r\n3. Auto\r\n\r\n"
                             "If incomplete, will be unselected. Do you want to complete settings ?"));
    EXPECT_FALSE(r.Visible());
    EXPECT_EQ(windows_.commits, 1);
    EXPECT_EQ(S.CaseOn + S.ExtensionOn + S.AutoOn, 0);
    EXPECT_EQ(S.RemoveOn, 1);
    EXPECT_EQ(S.RemoveString, QStringLiteral("x"));
    EXPECT_EQ(r.CheckCase->Value(), 0);
    EXPECT_TRUE(r.OptionAuto[0]->Value());
}

TEST_F(CriteriaDialog, ReplaceFileNamesForSeveralFilesAsksForAuto) {
    S.SelectedCount = 2;
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckReplace));
    ASSERT_TRUE(choose(*r.ComboReplace, 1));
    ASSERT_TRUE(type(*r.TextReplaceWith, QStringLiteral("new")));
    ExpectBox(true);  // Yes: the user goes to set Auto
    ASSERT_TRUE(click(*r.CommandOK));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, QStringLiteral("MessageMultiNameRenOK"));
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(windows_.commits, 0);
    EXPECT_EQ(S.ReplaceOn, 0);

    ExpectBox(false);  // No: Replace is switched off and the rest committed
    ASSERT_TRUE(click(*r.CheckExt));
    ASSERT_TRUE(type(*r.TextExt, QStringLiteral("md")));
    ASSERT_TRUE(click(*r.CommandOK));
    EXPECT_FALSE(r.Visible());
    EXPECT_EQ(windows_.commits, 1);
    EXPECT_EQ(S.ReplaceOn, 0);
    EXPECT_EQ(S.ExtNew, QStringLiteral("md"));

    // With Auto set, "File Names" passes for several files.
    Open();
    ASSERT_TRUE(click(*r.CheckReplace));
    ASSERT_TRUE(choose(*r.ComboReplace, 1));
    ASSERT_TRUE(type(*r.TextReplaceWith, QStringLiteral("new")));
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 2));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("1")));
    PressOK(r);
    EXPECT_EQ(S.ReplaceType, QStringLiteral("ReplaceFileName"));
}

TEST_F(CriteriaDialog, CancelPutsTheCommittedStateBackIntoDialogAndPending) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 3));
    ASSERT_TRUE(type(*r.TextInsertAfterNumChar, QStringLiteral("2")));
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("A")));
    ASSERT_TRUE(click(*r.OptionAuto[2]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 1));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("c")));
    PressOK(r);
    EXPECT_EQ(S.RenAutoStartLetters, QStringLiteral("C"));

    Open();
    EXPECT_EQ(r.CheckAutoLetter->Value(), 0);
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("B")));
    ASSERT_TRUE(click(*r.CheckAutoLetter));
    ASSERT_TRUE(click(*r.CheckSpace));
    ASSERT_TRUE(click(*r.OptionSpace[0]));
    ASSERT_TRUE(click(*r.CommandCancel));
    EXPECT_FALSE(r.Visible());
    EXPECT_TRUE(S.CriteriaDialogClosed);
    // Nothing of the cancelled edit is left pending.
    EXPECT_EQ(S.InsertTextPending, QStringLiteral("A"));
    EXPECT_FALSE(S.EditAutoSmall);
    EXPECT_EQ(S.EditAutoStart, QStringLiteral("C"));
    EXPECT_EQ(S.EditSpaceMode, -1);

    Open();
    EXPECT_EQ(r.TextInsertThis->Text(), QStringLiteral("A"));
    EXPECT_EQ(r.TextInsertAfterNumChar->Text(), QStringLiteral("2"));
    EXPECT_EQ(r.CheckAutoLetter->Value(), 0);  // unticked again, not left as the cancel found it
    EXPECT_EQ(r.TextAutoStart->Text(), QStringLiteral("C"));
    EXPECT_EQ(r.CheckSpace->Value(), 0);

    // Small letters committed tick the box; capitals committed later untick it.
    ASSERT_TRUE(click(*r.CheckAutoLetter));
    PressOK(r);
    EXPECT_EQ(S.RenAutoKind, QStringLiteral("Small Letter"));
    Open();
    EXPECT_EQ(r.CheckAutoLetter->Value(), 1);
    ASSERT_TRUE(click(*r.CheckAutoLetter));
    PressOK(r);
    EXPECT_EQ(S.RenAutoStartLetters, QStringLiteral("C"));
    Open();
    EXPECT_EQ(r.CheckAutoLetter->Value(), 0);
}

TEST_F(CriteriaDialog, ACommitFromTheMainWindowWhileOpenShowsInTheDialog) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckReplace));
    ASSERT_TRUE(choose(*r.ComboReplace, 1));
    ASSERT_TRUE(type(*r.TextReplaceWith, QStringLiteral("n")));
    PressOK(r);
    Open();
    ASSERT_TRUE(click(*r.CheckExt));
    ASSERT_TRUE(type(*r.TextExt, QStringLiteral("zz")));
    // The selection's check switches Replace off while the dialog is open.
    criteria::ResetReplaceChoice();
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(r.CheckReplace->Value(), 0);
    EXPECT_FALSE(r.ComboReplace->Visible());
    EXPECT_EQ(S.EditReplaceKind, 0);
    // What the dialog shows is the committed state: the unsaved extension is gone too.
    EXPECT_EQ(r.CheckExt->Value(), 0);
    EXPECT_EQ(S.ExtNewPending, QString());
    PressOK(r);
    EXPECT_EQ(S.ReplaceOn, 0);
    EXPECT_EQ(S.ExtensionOn, 0);
}

TEST_F(CriteriaDialog, CriteriaSetInTheDialogBuildTheEnginesNames) {
    FrmRen& r = Open();
    ASSERT_TRUE(click(*r.CheckCase));
    ASSERT_TRUE(click(*r.OptionCase[0]));
    ASSERT_TRUE(choose(*r.ComboCase, 2));
    ASSERT_TRUE(click(*r.CheckInsert));
    ASSERT_TRUE(choose(*r.ComboInsert, 1));
    ASSERT_TRUE(type(*r.TextInsertThis, QStringLiteral("x_")));
    ASSERT_TRUE(click(*r.CheckRemove));
    ASSERT_TRUE(choose(*r.ComboRemove, 1));
    ASSERT_TRUE(type(*r.TextRemoveString, QStringLiteral("CD")));
    ASSERT_TRUE(click(*r.CheckHandle));
    ASSERT_TRUE(type(*r.TextHandleThis, QStringLiteral(" ")));
    ASSERT_TRUE(click(*r.OptionHandle[2]));
    ASSERT_TRUE(type(*r.TextHandleWith, QStringLiteral("-")));
    ASSERT_TRUE(click(*r.OptionAuto[1]));
    ASSERT_TRUE(choose(*r.ComboAutoPlace, 2));
    ASSERT_TRUE(type(*r.TextAutoStart, QStringLiteral("9")));
    ASSERT_TRUE(choose(*r.ComboAutoZeroFill, 1));
    PressOK(r);

    SelectionTableClear();
    SelectionTableAppend(QStringLiteral("ab cd.txt"), 0);
    SelectionTableAppend(QStringLiteral("ef.txt"), 1);
    FinalizeNewNames();
    // Case, then the handled space, then Insert and Remove, then the running number.
    EXPECT_EQ(S.ComboName, QStringList({"x_AB-09", "x_EF10"}));
    EXPECT_EQ(S.ComboExt, QStringList({"txt", "txt"}));
}

}  // namespace
}  // namespace qv::test
