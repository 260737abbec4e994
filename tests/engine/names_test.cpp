// New-name computation over the selection table, no window needed.
#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "core/state.h"
#include "engine/names.h"
#include "engine/selection.h"

namespace qv {
namespace {

class NamesTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetState(); }
    void TearDown() override { ResetState(); }

    static void Select(const QStringList& files) {
        SelectionTableClear();
        for (int i = 0; i < files.size(); ++i) {
            SelectionTableAppend(files.at(i), i);
        }
        S.SelectedCount = static_cast<int>(files.size());
        S.HasSelection = files.isEmpty() ? 0 : 1;
    }

    static QStringList NewNames() {
        QStringList out;
        for (int i = 0; i < SelectionTableCount(); ++i) {
            out << SelectionNewName(i);
        }
        return out;
    }

    static QString MarkString() {
        QString out;
        for (int i = 0; i < SelectionTableCount(); ++i) {
            out += SelectionRowMarked(i) ? QLatin1Char('#') : QLatin1Char('-');
        }
        return out;
    }
};

TEST_F(NamesTest, SplitKeepsEveryFileInAParallelRow) {
    Select({"a.b.txt", "memo.", ".profile", "README"});
    EXPECT_EQ(S.ComboName, QStringList({"a.b", "memo", "", "README"}));
    EXPECT_EQ(S.ComboDot, QStringList({".", ".", ".", ""}));
    EXPECT_EQ(S.ComboExt, QStringList({"txt", "", "profile", ""}));
    EXPECT_EQ(S.ComboIndex, QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(S.ComboClearString, QStringList({"OK", "OK", "OK", "OK"}));
    // No criterion on: every new name is the file's name.
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"a.b.txt", "memo.", ".profile", "README"}));
    EXPECT_FALSE(S.NamesToBuild);
    EXPECT_TRUE(S.ConflictCheckDue);

    // The extension gives a dotless name its dot; a name ending in "." keeps its one dot.
    S.ExtensionOn = 1;
    S.ExtNew = "txt";
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"a.b.txt", "memo.txt", ".txt", "README.txt"}));
}

TEST_F(NamesTest, WholeNameOperations) {
    struct Case {
        const char* what;
        std::function<void()> set;
        QString in;
        QString out;
    };
    const Case cases[] = {
        {"upper file name", [] { S.CaseOn = 1, S.CaseScope = "FileName", S.CaseTo = "Upper Case"; },
         "ab cd.txt", "AB CD.txt"},
        {"lower first letter", [] { S.CaseOn = 1, S.CaseScope = "FirstLetter", S.CaseTo = "Lower Case"; },
         "ABC.x", "aBC.x"},
        {"first letter on empty name part",
         [] { S.CaseOn = 1, S.CaseScope = "FirstLetter", S.CaseTo = "Upper Case"; }, ".x", ".x"},
        {"words with leading and double spaces",
         [] { S.CaseOn = 1, S.CaseScope = "FirstLetterOfWords", S.CaseTo = "Upper Case"; }, "  ab  cd-ef.g",
         "  Ab  Cd-ef.g"},
        {"no change case", [] { S.CaseOn = 1, S.CaseScope = "FileName", S.CaseTo = "No Change"; }, "aB.c",
         "aB.c"},
        {"switch not exactly 1", [] { S.CaseOn = -1, S.CaseScope = "FileName", S.CaseTo = "Upper Case"; },
         "ab", "ab"},
        {"spaces to one character", [] { S.SpaceOn = 1, S.SpaceWith = "_"; }, "a  b c.t", "a__b_c.t"},
        {"spaces removed", [] { S.SpaceOn = 1, S.SpaceWith = ""; }, " a  b .t", "ab.t"},
        {"spaces to text with spaces", [] { S.SpaceOn = 1, S.SpaceWith = " - "; }, "a b.t", "a - b.t"},
        {"handle aa in aaa",
         [] { S.HandleOn = 1, S.HandleWhat = "aa", S.RenHandleMode = 2, S.HandleWith = "b"; }, "aaa.t",
         "ba.t"},
        {"handled replacement not rescanned",
         [] { S.HandleOn = 1, S.HandleWhat = "a", S.RenHandleMode = 2, S.HandleWith = "aa"; }, "aXa.t",
         "aaXaa.t"},
        {"dots to spaces", [] { S.HandleOn = 1, S.HandleWhat = ".", S.RenHandleMode = 1; }, "a.b.c.txt",
         "a b c.txt"},
        {"dots removed", [] { S.HandleOn = 1, S.HandleWhat = ".", S.RenHandleMode = 0; }, "a.b.c.txt",
         "abc.txt"},
        {"handling is case-sensitive", [] { S.HandleOn = 1, S.HandleWhat = "A", S.RenHandleMode = 0; },
         "aA.t", "a.t"},
        {"empty handled string changes nothing",
         [] { S.HandleOn = 1, S.HandleWhat = "", S.RenHandleMode = 1; }, "abc.t", "abc.t"},
        {"extension on name ending in dot", [] { S.ExtensionOn = 1, S.ExtNew = "md"; }, "memo.", "memo.md"},
    };
    for (const Case& c : cases) {
        ResetState();
        Select({c.in});
        c.set();
        FinalizeNewNames();
        EXPECT_EQ(SelectionNewName(0), c.out) << c.what;
    }
}

TEST_F(NamesTest, PositionalOperationsOnAbcdefg) {
    struct Case {
        const char* what;
        std::function<void()> set;
        QString out;
    };
    auto replace = [](const char* type) {
        S.PriorityCount = 1, S.PrioritySlot1 = "Replace", S.ReplaceType = type, S.ReplaceWith = "x";
    };
    auto remove = [](const char* type) {
        S.PriorityCount = 1, S.PrioritySlot1 = "Remove", S.RemoveType = type;
    };
    auto insert = [](const char* type) {
        S.PriorityCount = 1, S.PrioritySlot1 = "Insert", S.InsertType = type;
    };
    const Case cases[] = {
        {"replace 3 after 2",
         [&] { replace("ReplaceCharAfterNumChars"), S.ReplaceAfterN = 2, S.ReplaceCharCount = 3; }, "ABxFG"},
        {"replace 3 before last 2",
         [&] { replace("ReplaceCharBeforeNumChars"), S.ReplaceBeforeN = 2, S.ReplaceCharCount = 3; },
         "ABxFG"},
        {"remove 2 after C",
         [&] { remove("RemoveCharAfterAString"), S.RemoveAfterString = "C", S.RemoveCharCount = 2; },
         "ABCFG"},
        {"replace before DE", [&] { replace("ReplaceBeforeAString"), S.ReplaceBeforeString = "DE"; },
         "xDEFG"},
        {"remove after 3", [&] { remove("RemoveAfterNumChars"), S.RemoveAfterN = 3; }, "ABC"},
        {"remove before last 3", [&] { remove("RemoveBeforeNumChars"), S.RemoveBeforeN = 3; }, "EFG"},
        {"remove string", [&] { remove("RemoveAString"), S.RemoveString = "CD"; }, "ABEFG"},
        {"remove after string", [&] { remove("RemoveAfterAString"), S.RemoveAfterString = "CD"; }, "ABCD"},
        {"remove before string", [&] { remove("RemoveBeforeAString"), S.RemoveBeforeString = "CD"; },
         "CDEFG"},
        {"remove 2 before C",
         [&] { remove("RemoveCharBeforeAString"), S.RemoveBeforeString = "D", S.RemoveCharCount = 2; },
         "ADEFG"},
        {"remove 2 after 1",
         [&] { remove("RemoveCharAfterNumChars"), S.RemoveAfterN = 1, S.RemoveCharCount = 2; }, "ADEFG"},
        {"remove 2 before last 1",
         [&] { remove("RemoveCharBeforeNumChars"), S.RemoveBeforeN = 1, S.RemoveCharCount = 2; }, "ABCDG"},
        {"replace string", [&] { replace("ReplaceAString"), S.ReplaceString = "CD"; }, "ABxEFG"},
        {"replace after 5", [&] { replace("ReplaceAfterNumChars"), S.ReplaceAfterN = 5; }, "ABCDEx"},
        {"replace before last 5", [&] { replace("ReplaceBeforeNumChars"), S.ReplaceBeforeN = 5; }, "xCDEFG"},
        {"replace after string", [&] { replace("ReplaceAfterAString"), S.ReplaceAfterString = "B"; }, "ABx"},
        {"replace 1 after B",
         [&] { replace("ReplaceCharAfterAString"), S.ReplaceAfterString = "B", S.ReplaceCharCount = 1; },
         "ABxDEFG"},
        {"replace 2 before D",
         [&] { replace("ReplaceCharBeforeAString"), S.ReplaceBeforeString = "D", S.ReplaceCharCount = 2; },
         "AxDEFG"},
        {"replace file name", [&] { replace("ReplaceFileName"); }, "x"},
        {"insert after 7 appends",
         [&] { insert("InsertAfterNumChars"), S.InsertAfterN = 7, S.InsertText = "-"; }, "ABCDEFG-"},
        {"insert after 0 in front",
         [&] { insert("InsertAfterNumChars"), S.InsertAfterN = 0, S.InsertText = "-"; }, "-ABCDEFG"},
        {"insert before last 7 in front",
         [&] { insert("InsertBeforeNumChars"), S.InsertBeforeN = 7, S.InsertText = "-"; }, "-ABCDEFG"},
        {"insert before last 0 appends",
         [&] { insert("InsertBeforeNumChars"), S.InsertBeforeN = 0, S.InsertText = "-"; }, "ABCDEFG-"},
        {"insert after string",
         [&] { insert("InsertAfterAString"), S.InsertAfterString = "CD", S.InsertText = "-"; }, "ABCD-EFG"},
        {"insert before string",
         [&] { insert("InsertBeforeAString"), S.InsertBeforeString = "CD", S.InsertText = "-"; }, "AB-CDEFG"},
        {"unknown type does nothing", [&] { insert("InsertSomewhere"), S.InsertText = "-"; }, "ABCDEFG"},
        {"priority count 0 runs no slot",
         [&] { insert("InsertAfterNumChars"), S.InsertText = "-", S.PriorityCount = 0, S.InsertOn = 1; },
         "ABCDEFG"},
    };
    for (const Case& c : cases) {
        ResetState();
        Select({"ABCDEFG.txt"});
        c.set();
        FinalizeNewNames();
        EXPECT_EQ(S.ComboName.at(0), c.out) << c.what;
        EXPECT_EQ(S.ConflictTotal, 0) << c.what;
    }
}

TEST_F(NamesTest, MissingAndShortPlacesFollowTheOptions) {
    struct Case {
        const char* what;
        std::function<void()> set;
        QString out;  // name part of "ABCD" after the operation
        bool marked;
        int* counter;
    };
    auto op = [](const char* slot) { S.PriorityCount = 1, S.PrioritySlot1 = slot; };
    const Case cases[] = {
        {"insert after 5 of 4, marked",
         [&] { op("Insert"), S.InsertType = "InsertAfterNumChars", S.InsertAfterN = 5, S.InsertText = "-"; },
         "ABCD", true, &S.ConflictInsert},
        {"insert after 5 of 4, left",
         [&] {
             op("Insert"), S.InsertType = "InsertAfterNumChars", S.InsertAfterN = 5, S.InsertText = "-";
             S.MarkInsertMissing = false;
         },
         "ABCD", false, &S.ConflictInsert},
        {"insert place string in other case is missing",
         [&] {
             op("Insert"), S.InsertType = "InsertAfterAString", S.InsertAfterString = "b", S.InsertText = "-";
         },
         "ABCD", true, &S.ConflictInsert},
        {"replace 3 after 2 of 4, short replaced",
         [&] {
             op("Replace"), S.ReplaceType = "ReplaceCharAfterNumChars", S.ReplaceAfterN = 2,
                            S.ReplaceCharCount = 3;
             S.ReplaceWith = "x";
         },
         "ABx", false, &S.ConflictReplace},
        {"replace 3 after 2 of 4, short marked",
         [&] {
             op("Replace"), S.ReplaceType = "ReplaceCharAfterNumChars", S.ReplaceAfterN = 2,
                            S.ReplaceCharCount = 3;
             S.ReplaceWith = "x", S.MarkReplaceShort = true;
         },
         "ABCD", true, &S.ConflictReplace},
        {"replace string missing, marked by default",
         [&] { op("Replace"), S.ReplaceType = "ReplaceAString", S.ReplaceString = "Q", S.ReplaceWith = "x"; },
         "ABCD", true, &S.ConflictReplace},
        {"replace string missing, left",
         [&] {
             op("Replace"), S.ReplaceType = "ReplaceAString", S.ReplaceString = "Q", S.ReplaceWith = "x";
             S.MarkReplaceMissing = false;
         },
         "ABCD", false, &S.ConflictReplace},
        {"remove string missing, left by default",
         [&] { op("Remove"), S.RemoveType = "RemoveAString", S.RemoveString = "Q"; }, "ABCD", false,
         &S.ConflictRemove},
        {"remove string missing, marked",
         [&] {
             op("Remove"), S.RemoveType = "RemoveAString", S.RemoveString = "Q", S.MarkRemoveMissing = true;
         },
         "ABCD", true, &S.ConflictRemove},
        {"remove chars past the end follows the short flag, not the missing one",
         [&] {
             op("Remove"), S.RemoveType = "RemoveCharAfterNumChars", S.RemoveAfterN = 9,
                           S.RemoveCharCount = 1;
             S.MarkRemoveMissing = true;
         },
         "ABCD", false, &S.ConflictRemove},
        {"remove chars past the end, short flag on",
         [&] {
             op("Remove"), S.RemoveType = "RemoveCharAfterNumChars", S.RemoveAfterN = 9,
                           S.RemoveCharCount = 1;
             S.MarkRemoveShort = true;
         },
         "ABCD", true, &S.ConflictRemove},
        {"remove 3 before last 2 of 4, short removes what is there",
         [&] {
             op("Remove"), S.RemoveType = "RemoveCharBeforeNumChars", S.RemoveBeforeN = 2,
                           S.RemoveCharCount = 3;
         },
         "CD", false, &S.ConflictRemove},
        {"remove after 0 empties the name part",
         [&] { op("Remove"), S.RemoveType = "RemoveAfterNumChars", S.RemoveAfterN = 0; }, "", false,
         &S.ConflictRemove},
        {"auto letters before the last 5 of a 4-char name part are always marked",
         [&] {
             S.AutoOn = 1, S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoBeforeNumChars";
             S.RenAutoBeforeNumChars = 5, S.RenAutoStartLetters = "A";
         },
         "ABCD", true, &S.ConflictAuto},
    };
    for (const Case& c : cases) {
        ResetState();
        Select({"ABCD.txt"});
        c.set();
        FinalizeNewNames();
        EXPECT_EQ(S.ComboName.at(0), c.out) << c.what;
        EXPECT_EQ(SelectionRowMarked(0), c.marked) << c.what;
        EXPECT_EQ(*c.counter, c.marked ? 1 : 0) << c.what;
        EXPECT_EQ(S.ConflictTotal, c.marked ? 1 : 0) << c.what;
    }
}

TEST_F(NamesTest, CharactersOutsideTheBasicPlaneStayWhole) {
    const QString e = QStringLiteral("\U0001F600");      // one character, two UTF-16 units
    const QString small = QStringLiteral("\U00010428");  // DESERET SMALL LETTER LONG I
    const QString capital = QStringLiteral("\U00010400");
    struct Case {
        const char* what;
        QString in;  // name part; the file is in + ".t"
        std::function<void()> set;
        QString out;
        bool marked = false;
    };
    auto slot = [](const char* s) { S.PriorityCount = 1, S.PrioritySlot1 = s; };
    auto replace = [&](const char* type) { slot("Replace"), S.ReplaceType = type, S.ReplaceWith = "x"; };
    auto remove = [&](const char* type) { slot("Remove"), S.RemoveType = type; };
    auto insert = [&](const char* type) { slot("Insert"), S.InsertType = type, S.InsertText = "-"; };
    auto cased = [](const char* scope, const char* to) { S.CaseOn = 1, S.CaseScope = scope, S.CaseTo = to; };
    const Case cases[] = {
        {"insert after 1", e + "a", [&] { insert("InsertAfterNumChars"), S.InsertAfterN = 1; }, e + "-a"},
        {"insert before last 1", "a" + e, [&] { insert("InsertBeforeNumChars"), S.InsertBeforeN = 1; },
         "a-" + e},
        {"insert after 3 of 3 characters appends", e + "ab",
         [&] { insert("InsertAfterNumChars"), S.InsertAfterN = 3; }, e + "ab-"},
        {"insert after 4 of 3 characters is missing", e + "ab",
         [&] { insert("InsertAfterNumChars"), S.InsertAfterN = 4; }, e + "ab", true},
        {"replace 1 after 0", e + "a",
         [&] { replace("ReplaceCharAfterNumChars"), S.ReplaceAfterN = 0, S.ReplaceCharCount = 1; }, "xa"},
        {"replace 1 before last 0", "a" + e,
         [&] { replace("ReplaceCharBeforeNumChars"), S.ReplaceBeforeN = 0, S.ReplaceCharCount = 1; }, "ax"},
        {"replace 2 after 1 of 2 characters is short", "a" + e,
         [&] {
             replace("ReplaceCharAfterNumChars"), S.ReplaceAfterN = 1, S.ReplaceCharCount = 2;
             S.MarkReplaceShort = true;
         },
         "a" + e, true},
        {"replace after 1", e + "ab", [&] { replace("ReplaceAfterNumChars"), S.ReplaceAfterN = 1; }, e + "x"},
        {"replace before last 1", "ab" + e, [&] { replace("ReplaceBeforeNumChars"), S.ReplaceBeforeN = 1; },
         "x" + e},
        {"replace 1 after a string", "a" + e + "b",
         [&] { replace("ReplaceCharAfterAString"), S.ReplaceAfterString = "a", S.ReplaceCharCount = 1; },
         "axb"},
        {"replace 1 before a string", "a" + e + "b",
         [&] { replace("ReplaceCharBeforeAString"), S.ReplaceBeforeString = "b", S.ReplaceCharCount = 1; },
         "axb"},
        {"remove 1 after 1", "a" + e + "b",
         [&] { remove("RemoveCharAfterNumChars"), S.RemoveAfterN = 1, S.RemoveCharCount = 1; }, "ab"},
        {"remove 1 before last 1", "a" + e + "b",
         [&] { remove("RemoveCharBeforeNumChars"), S.RemoveBeforeN = 1, S.RemoveCharCount = 1; }, "ab"},
        {"remove after 1", e + "ab", [&] { remove("RemoveAfterNumChars"), S.RemoveAfterN = 1; }, e},
        {"remove before last 1", "ab" + e, [&] { remove("RemoveBeforeNumChars"), S.RemoveBeforeN = 1; }, e},
        {"remove 1 after a string", "a" + e + "b",
         [&] { remove("RemoveCharAfterAString"), S.RemoveAfterString = "a", S.RemoveCharCount = 1; }, "ab"},
        {"remove 1 before a string", "a" + e + "b",
         [&] { remove("RemoveCharBeforeAString"), S.RemoveBeforeString = "b", S.RemoveCharCount = 1; }, "ab"},
        {"half a character is no place to remove", "a" + e + "b",
         [&] { remove("RemoveAString"), S.RemoveString = e.left(1), S.MarkRemoveMissing = true; },
         "a" + e + "b", true},
        {"half a character is not handled", e + "a",
         [&] { S.HandleOn = 1, S.HandleWhat = e.left(1), S.RenHandleMode = 0; }, e + "a"},
        {"auto number after 1", e + "a",
         [&] {
             S.AutoOn = 1, S.RenAutoKind = "Number", S.RenAutoPlace = "AutoAfterNumChars";
             S.RenAutoAfterNumChars = 1, S.RenAutoStartNumber = 7;
         },
         e + "7a"},
        {"auto letters before last 1", "a" + e,
         [&] {
             S.AutoOn = 1, S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoBeforeNumChars";
             S.RenAutoBeforeNumChars = 1, S.RenAutoStartLetters = "K";
         },
         "aK" + e},
        {"auto letters after 3 of 2 characters are missing", "a" + e,
         [&] {
             S.AutoOn = 1, S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoAfterNumChars";
             S.RenAutoAfterNumChars = 3, S.RenAutoStartLetters = "K";
         },
         "a" + e, true},
        {"upper first letter", small + "ab", [&] { cased("FirstLetter", "Upper Case"); }, capital + "ab"},
        {"lower first letter", capital + "AB", [&] { cased("FirstLetter", "Lower Case"); }, small + "AB"},
        {"upper first letter of words", small + "a " + small + "b",
         [&] { cased("FirstLetterOfWords", "Upper Case"); }, capital + "a " + capital + "b"},
        {"upper whole name", small + "a", [&] { cased("FileName", "Upper Case"); }, capital + "A"},
    };
    for (const Case& c : cases) {
        ResetState();
        Select({c.in + ".t"});
        c.set();
        FinalizeNewNames();
        EXPECT_EQ(S.ComboName.at(0), c.out) << c.what;
        EXPECT_EQ(SelectionRowMarked(0), c.marked) << c.what;
    }
}

TEST_F(NamesTest, MarkedRowsSkippedByPositionalButRewrittenByWholeName) {
    Select({"ABCD.t", "ABCDEF.t", "ZZZZZZ.t"});
    S.PriorityCount = 2;
    S.PrioritySlot1 = "Insert";
    S.PrioritySlot2 = "Replace";
    S.InsertType = "InsertAfterNumChars";
    S.InsertAfterN = 5;
    S.InsertText = "+";
    S.ReplaceType = "ReplaceAString";
    S.ReplaceString = "A";
    S.ReplaceWith = "a";
    FinalizeNewNames();
    // Row 0 is marked by Insert and then skipped by Replace; row 2 is marked by Replace.
    EXPECT_EQ(NewNames(), QStringList({"ABCD.t", "aBCDE+F.t", "ZZZZZ+Z.t"}));
    EXPECT_EQ(MarkString(), "#-#");
    EXPECT_EQ(S.ConflictInsert, 1);
    EXPECT_EQ(S.ConflictReplace, 1);
    EXPECT_EQ(S.ConflictTotal, 2);

    // A whole-name pass still rewrites marked rows; ReplaceFileName too.
    ResetState();
    Select({"ab.t", "cd.t"});
    S.ComboClearString[0] = "#$#";
    S.CaseOn = 1;
    S.CaseScope = "FileName";
    S.CaseTo = "Upper Case";
    S.AutoOn = 1;
    S.RenAutoKind = "Number";
    S.RenAutoPlace = "AutoAfterNumChars";
    S.RenAutoAfterNumChars = 0;
    S.RenAutoStartNumber = 1;
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"AB.t", "1CD.t"}));
    ResetState();
    Select({"ab.t", "cd.t"});
    S.ComboClearString[1] = "#$#";
    S.PriorityCount = 1;
    S.PrioritySlot1 = "Replace";
    S.ReplaceType = "ReplaceFileName";
    S.ReplaceWith = "n";
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"n.t", "n.t"}));
}

TEST_F(NamesTest, PriorityOrderChangesTheResult) {
    auto run = [&](const char* first, const char* second) {
        ResetState();
        Select({"abc.t"});
        S.PriorityCount = 2;
        S.PrioritySlot1 = first;
        S.PrioritySlot2 = second;
        S.InsertType = "InsertAfterNumChars";
        S.InsertAfterN = 0;
        S.InsertText = "x";
        S.RemoveType = "RemoveAString";
        S.RemoveString = "xa";
        FinalizeNewNames();
        return SelectionNewName(0);
    };
    EXPECT_EQ(run("Insert", "Remove"), "bc.t");
    EXPECT_EQ(run("Remove", "Insert"), "xabc.t");
    // Case runs before Auto, so the running value is never case-converted; a slot "Auto" runs it too.
    ResetState();
    Select({"ab.t"});
    S.CaseOn = 1, S.CaseScope = "FileName", S.CaseTo = "Lower Case";
    S.PriorityCount = 1, S.PrioritySlot1 = "Auto";
    S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoAfterNumChars", S.RenAutoStartLetters = "Q";
    FinalizeNewNames();
    EXPECT_EQ(SelectionNewName(0), "Qab.t");
}

TEST_F(NamesTest, AutoNumbersAndLetters) {
    auto numbers = [&](int start, int zeros, int count) {
        ResetState();
        QStringList files;
        for (int i = 0; i < count; ++i) {
            files << QStringLiteral("f%1.t").arg(i);
        }
        Select(files);
        S.AutoOn = 1;
        S.RenAutoKind = "Number";
        S.RenAutoPlace = "AutoBeforeNumChars";
        S.RenAutoBeforeNumChars = 0;
        S.RenAutoStartNumber = start;
        S.RenAutoZeroFill = zeros;
        FinalizeNewNames();
        QStringList values;
        for (int i = 0; i < count; ++i) {
            values << S.ComboName.at(i).mid(QStringLiteral("f%1").arg(i).size());
        }
        return values;
    };
    EXPECT_EQ(numbers(1, 0, 10), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(numbers(98, 1, 4), QStringList({"098", "099", "100", "101"}));
    const QStringList eight = numbers(8, 2, 94);
    EXPECT_EQ(eight.mid(0, 4), QStringList({"008", "009", "010", "011"}));
    EXPECT_EQ(eight.mid(91), QStringList({"099", "100", "101"}));
    EXPECT_EQ(numbers(9, 1, 3), QStringList({"09", "10", "11"}));

    // A row too short for its place takes no number; the next row gets it.
    ResetState();
    Select({"abcd.t", "a.t", "wxyz.t"});
    S.AutoOn = 1, S.RenAutoKind = "Number", S.RenAutoPlace = "AutoAfterNumChars", S.RenAutoAfterNumChars = 2;
    S.RenAutoStartNumber = 5;
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"ab5cd.t", "a.t", "wx6yz.t"}));
    EXPECT_EQ(S.ConflictAuto, 1);
    EXPECT_EQ(S.ConflictTotal, 1);

    // Letters count like an odometer and stop after the top, leaving later rows unmarked.
    ResetState();
    Select({"a.t", "b.t", "c.t", "d.t"});
    S.AutoOn = 1, S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoAfterAString";
    S.RenAutoAfterString = ".", S.RenAutoStartLetters = "YZ";
    S.ComboName = QStringList({"a_", "b_", "c_", "d_"});
    S.RenAutoAfterString = "_";
    FinalizeNewNames();
    EXPECT_EQ(S.ComboName, QStringList({"a_YZ", "b_ZA", "c_ZB", "d_ZC"}));
    ResetState();
    Select({"a.t", "b.t", "c.t"});
    S.AutoOn = 1, S.RenAutoKind = "Small Letter", S.RenAutoPlace = "AutoBeforeAString";
    S.RenAutoBeforeString = "a", S.RenAutoStartLetters = "zz";
    S.ComboName = QStringList({"a", "xa", "ya"});
    FinalizeNewNames();
    EXPECT_EQ(S.ComboName, QStringList({"zza", "xa", "ya"}));
    EXPECT_EQ(MarkString(), "---");
}

TEST_F(NamesTest, LetterCapacityCheckUsesTheCommittedLetters) {
    struct Case {
        QString kind;
        QString start;
        int selected;
        int capacity;
        QString last;
        bool ok;
    };
    const Case cases[] = {
        {"Capital Letter", "Y", 3, 2, "Z", false},
        {"Capital Letter", "Z", 1, 1, "Z", true},
        {"Small Letter", "ab", 675, 675, "zz", true},
        {"Small Letter", "ab", 676, 675, "zz", false},
        {"Capital Letter", "AAA", 17576, 17576, "ZZZ", true},
        {"Capital Letter", "ZZZ", 1, 1, "ZZZ", true},
        {"Capital Letter", "ZZZ", 2, 1, "ZZZ", false},
        {"Capital Letter", "ZZY", 2, 2, "ZZZ", true},
        {"Capital Letter", "", 1, 0, "", false},
        // The start is counted in characters: one letter, however it is stored.
        {"Capital Letter", "\U0001F600", 1, 'Z' - 0x1F600 + 1, "Z", false},
    };
    for (const Case& c : cases) {
        ResetState();
        S.RenAutoType = 2;
        S.RenAutoKind = c.kind;
        S.RenAutoStartLetters = c.start;
        S.SelectedCount = c.selected;
        EXPECT_EQ(CheckAutoLetterRange(), c.ok) << c.start.toStdString();
        EXPECT_EQ(S.AutoLetterCapacity, c.capacity) << c.start.toStdString();
        EXPECT_EQ(S.AutoLetterLast, c.last) << c.start.toStdString();
    }
    // The capacity matches what the letters really give: "ZZY" names two rows, then the run ends.
    ResetState();
    Select({"a.t", "b.t", "c.t"});
    S.AutoOn = 1, S.RenAutoKind = "Capital Letter", S.RenAutoPlace = "AutoAfterNumChars";
    S.RenAutoStartLetters = "ZZY";
    FinalizeNewNames();
    EXPECT_EQ(NewNames(), QStringList({"ZZYa.t", "ZZZb.t", "c.t"}));
}

TEST_F(NamesTest, SmallLettersAbNameExactly675Files) {
    QStringList files;
    for (int i = 0; i < 676; ++i) {
        files << QStringLiteral("f%1.t").arg(i);
    }
    Select(files);
    S.AutoOn = 1, S.RenAutoKind = "Small Letter", S.RenAutoPlace = "AutoAfterNumChars";
    S.RenAutoAfterNumChars = 0, S.RenAutoStartLetters = "ab";
    FinalizeNewNames();
    QSet<QString> letters;
    for (int i = 0; i < 675; ++i) {
        letters.insert(S.ComboName.at(i).left(2));
    }
    EXPECT_EQ(letters.size(), 675);
    EXPECT_EQ(S.ComboName.at(0), "abf0");
    EXPECT_EQ(S.ComboName.at(25), "baf25");  // "az" then the odometer carries
    EXPECT_EQ(S.ComboName.at(674), "zzf674");
    // The letters have run out: the last file keeps its name and is not marked.
    EXPECT_EQ(S.ComboName.at(675), "f675");
    EXPECT_FALSE(SelectionRowMarked(675));
    EXPECT_EQ(S.ConflictTotal, 0);
}

}  // namespace
}  // namespace qv
