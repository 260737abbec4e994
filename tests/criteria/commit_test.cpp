// The commit of the criteria: list positions to the engine's type strings, counters and priority.
#include <gtest/gtest.h>

#include "core/state.h"
#include "criteria/criteria.h"

namespace qv::test {
namespace {

using namespace qv::criteria;

class CriteriaCommit : public ::testing::Test {
  protected:
    void SetUp() override { ResetState(); }
    void TearDown() override { ResetState(); }
};

TEST_F(CriteriaCommit, InsertPositionsToTypes) {
    struct Row {
        int index;
        const char* type;
        int after, before;
        const char* afterString;
        const char* beforeString;
    };
    const Row rows[] = {
        {1, "InsertAfterNumChars", 0, 0, "", ""}, {2, "InsertBeforeNumChars", 0, 0, "", ""},
        {3, "InsertAfterNumChars", 5, 0, "", ""}, {4, "InsertBeforeNumChars", 0, 5, "", ""},
        {5, "InsertAfterAString", 0, 0, "s", ""}, {6, "InsertBeforeAString", 0, 0, "", "s"},
    };
    for (const Row& r : rows) {
        ResetState();
        S.EditInsertPlace = r.index;
        S.InsertTextPending = QStringLiteral("T");
        S.InsertNPending = 5;
        S.InsertStringPending = QStringLiteral("s");
        SetValueInsertSet();
        EXPECT_EQ(S.InsertType, QString::fromLatin1(r.type)) << r.index;
        EXPECT_EQ(S.InsertText, QStringLiteral("T"));
        EXPECT_EQ(S.InsertAfterN, r.after) << r.index;
        EXPECT_EQ(S.InsertBeforeN, r.before) << r.index;
        EXPECT_EQ(S.InsertAfterString, QString::fromLatin1(r.afterString)) << r.index;
        EXPECT_EQ(S.InsertBeforeString, QString::fromLatin1(r.beforeString)) << r.index;
        EXPECT_EQ(S.InsertOn, 1);
        EXPECT_EQ(S.RenInsertPlace, r.index);
    }
}

TEST_F(CriteriaCommit, ReplacePositionsToTypes) {
    struct Row {
        int index;
        const char* type;
        int m, after, before;
        const char* str;
        const char* afterString;
        const char* beforeString;
    };
    const Row rows[] = {
        {1, "ReplaceFileName", 0, 0, 0, "", "", ""},
        {2, "ReplaceAString", 0, 0, 0, "rs", "", ""},
        {3, "ReplaceAfterNumChars", 0, 4, 0, "", "", ""},
        {4, "ReplaceBeforeNumChars", 0, 0, 4, "", "", ""},
        {5, "ReplaceAfterAString", 0, 0, 0, "", "ps", ""},
        {6, "ReplaceBeforeAString", 0, 0, 0, "", "", "ps"},
        {7, "ReplaceCharAfterNumChars", 3, 0, 0, "", "", ""},
        {8, "ReplaceCharBeforeNumChars", 3, 0, 0, "", "", ""},
        {9, "ReplaceCharAfterNumChars", 3, 6, 0, "", "", ""},
        {10, "ReplaceCharBeforeNumChars", 3, 0, 6, "", "", ""},
        {11, "ReplaceCharAfterAString", 3, 0, 0, "", "cs", ""},
        {12, "ReplaceCharBeforeAString", 3, 0, 0, "", "", "cs"},
    };
    for (const Row& r : rows) {
        ResetState();
        S.EditReplaceKind = r.index;
        S.ReplaceWithPending = QStringLiteral("W");
        S.ReplaceStringPending = QStringLiteral("rs");
        S.ReplaceNPending = 4;
        S.ReplacePlaceStringPending = QStringLiteral("ps");
        S.ReplaceCharCountPending = 3;
        S.ReplaceCharNPending = 6;
        S.ReplaceCharStringPending = QStringLiteral("cs");
        SetValueReplaceSet();
        EXPECT_EQ(S.ReplaceType, QString::fromLatin1(r.type)) << r.index;
        EXPECT_EQ(S.ReplaceWith, QStringLiteral("W"));
        EXPECT_EQ(S.ReplaceCharCount, r.m) << r.index;
        EXPECT_EQ(S.ReplaceAfterN, r.after) << r.index;
        EXPECT_EQ(S.ReplaceBeforeN, r.before) << r.index;
        EXPECT_EQ(S.ReplaceString, QString::fromLatin1(r.str)) << r.index;
        EXPECT_EQ(S.ReplaceAfterString, QString::fromLatin1(r.afterString)) << r.index;
        EXPECT_EQ(S.ReplaceBeforeString, QString::fromLatin1(r.beforeString)) << r.index;
    }
}

TEST_F(CriteriaCommit, RemovePositionsToTypes) {
    struct Row {
        int index;
        const char* type;
        int m, after, before;
        const char* str;
        const char* afterString;
        const char* beforeString;
    };
    const Row rows[] = {
        {1, "RemoveAString", 0, 0, 0, "rs", "", ""},
        {2, "RemoveAfterNumChars", 0, 4, 0, "", "", ""},
        {3, "RemoveBeforeNumChars", 0, 0, 4, "", "", ""},
        {4, "RemoveAfterAString", 0, 0, 0, "", "ps", ""},
        {5, "RemoveBeforeAString", 0, 0, 0, "", "", "ps"},
        {6, "RemoveCharAfterNumChars", 2, 0, 0, "", "", ""},
        {7, "RemoveCharBeforeNumChars", 2, 0, 0, "", "", ""},
        {8, "RemoveCharAfterNumChars", 2, 6, 0, "", "", ""},
        {9, "RemoveCharBeforeNumChars", 2, 0, 6, "", "", ""},
        {10, "RemoveCharAfterAString", 2, 0, 0, "", "cs", ""},
        {11, "RemoveCharBeforeAString", 2, 0, 0, "", "", "cs"},
    };
    for (const Row& r : rows) {
        ResetState();
        S.EditRemoveKind = r.index;
        S.EditRemoveString = QStringLiteral("rs");
        S.EditRemoveAfterNumChars = 4;
        S.EditRemoveAfterString = QStringLiteral("ps");
        S.EditRemoveNumChars = 2;
        S.EditRemoveCharAfterNumChars = 6;
        S.EditRemoveCharAfterString = QStringLiteral("cs");
        SetValueRemoveSet();
        EXPECT_EQ(S.RemoveType, QString::fromLatin1(r.type)) << r.index;
        EXPECT_EQ(S.RemoveCharCount, r.m) << r.index;
        EXPECT_EQ(S.RemoveAfterN, r.after) << r.index;
        EXPECT_EQ(S.RemoveBeforeN, r.before) << r.index;
        EXPECT_EQ(S.RemoveString, QString::fromLatin1(r.str)) << r.index;
        EXPECT_EQ(S.RemoveAfterString, QString::fromLatin1(r.afterString)) << r.index;
        EXPECT_EQ(S.RemoveBeforeString, QString::fromLatin1(r.beforeString)) << r.index;
    }
}

TEST_F(CriteriaCommit, AutoPlacesKindsAndLetterCase) {
    const std::tuple<int, const char*, int, int, const char*, const char*> places[] = {
        {1, "AutoAfterNumChars", 0, 0, "", ""}, {2, "AutoBeforeNumChars", 0, 0, "", ""},
        {3, "AutoAfterNumChars", 7, 0, "", ""}, {4, "AutoBeforeNumChars", 0, 7, "", ""},
        {5, "AutoAfterAString", 0, 0, "s", ""}, {6, "AutoBeforeAString", 0, 0, "", "s"},
    };
    for (const auto& [index, place, after, before, afterString, beforeString] : places) {
        ResetState();
        S.EditAutoType = 1;
        S.EditAutoStart = QStringLiteral("98");
        S.EditAutoZeroFillIndex = 1;
        S.EditAutoPlaceIndex = index;
        S.EditAutoNumChars = 7;
        S.EditAutoString = QStringLiteral("s");
        SetValueAutoSet();
        EXPECT_EQ(S.RenAutoPlace, QString::fromLatin1(place));
        EXPECT_EQ(S.RenAutoAfterNumChars, after);
        EXPECT_EQ(S.RenAutoBeforeNumChars, before);
        EXPECT_EQ(S.RenAutoAfterString, QString::fromLatin1(afterString));
        EXPECT_EQ(S.RenAutoBeforeString, QString::fromLatin1(beforeString));
        EXPECT_EQ(S.RenAutoKind, QStringLiteral("Number"));
        EXPECT_EQ(S.RenAutoStartNumber, 98);
        EXPECT_EQ(S.RenAutoZeroFill, 1);
        EXPECT_EQ(S.RenAutoPlaceIndex, index);
        EXPECT_EQ(S.AutoOn, 1);
        EXPECT_EQ(S.NonDefaultCount, 1);
    }

    // Letters take the case of the small-letter choice, whatever the box held.
    ResetState();
    S.EditAutoType = 2;
    S.EditAutoPlaceIndex = 1;
    S.EditAutoSmall = true;
    S.EditAutoStart = QStringLiteral("Ab");
    SetValueAutoSet();
    EXPECT_EQ(S.RenAutoKind, QStringLiteral("Small Letter"));
    EXPECT_TRUE(S.RenAutoSmall);
    EXPECT_EQ(S.RenAutoStartLetters, QStringLiteral("ab"));
    S.EditAutoSmall = false;
    SetValueAutoSet();
    EXPECT_EQ(S.RenAutoKind, QStringLiteral("Capital Letter"));
    EXPECT_EQ(S.RenAutoStartLetters, QStringLiteral("AB"));
    EXPECT_EQ(S.NonDefaultCount, 1);  // committed twice, counted once

    // Switching Auto off clears it and counts it out.
    S.EditAutoType = 0;
    SetValueAutoSet();
    EXPECT_EQ(S.AutoOn, 0);
    EXPECT_FALSE(S.RenAutoSmall);
    EXPECT_EQ(S.RenAutoKind, QString());
    EXPECT_EQ(S.RenAutoPlaceIndex, 0);
    EXPECT_EQ(S.NonDefaultCount, 0);

    // A start past the 16-bit running number never reaches the engine.
    S.EditAutoType = 1;
    S.EditAutoStart = QStringLiteral("99999");
    SetValueAutoSet();
    EXPECT_EQ(S.RenAutoStartNumber, 0);
}

TEST_F(CriteriaCommit, CaseHandleSpaceAndExtension) {
    S.EditCaseOption = 2;
    S.EditCaseChoice = 2;
    S.EditHandleMode = 1;
    S.HandleWhatPending = QStringLiteral(".");
    S.HandleWithPending = QStringLiteral("zz");
    S.EditSpaceMode = 0;
    S.SpaceWithPending = QStringLiteral("q");
    S.ExtNewPending = QStringLiteral("txt");
    SetValueRenameSet();
    EXPECT_EQ(S.CaseOn, 1);
    EXPECT_EQ(S.CaseScope, QStringLiteral("FirstLetterOfWords"));
    EXPECT_EQ(S.CaseTo, QStringLiteral("Upper Case"));
    EXPECT_EQ(S.HandleOn, 1);
    EXPECT_EQ(S.HandleWith, QStringLiteral(" "));
    EXPECT_EQ(S.HandleWithPending, QStringLiteral(" "));
    EXPECT_EQ(S.SpaceOn, 1);
    EXPECT_EQ(S.SpaceWith, QString());
    EXPECT_EQ(S.SpaceWithPending, QString());
    EXPECT_EQ(S.ExtensionOn, 1);
    EXPECT_EQ(S.ExtNew, QStringLiteral("txt"));
    EXPECT_EQ(S.CriteriaCount, 4);

    S.EditCaseOption = -1;
    S.EditHandleMode = -1;
    S.EditSpaceMode = -1;
    S.ExtNewPending.clear();
    SetValueRenameSet();
    EXPECT_EQ(S.CaseOn + S.HandleOn + S.SpaceOn + S.ExtensionOn, 0);
    EXPECT_EQ(S.EditCaseChoice, 0);
    EXPECT_EQ(S.RenHandleMode, -1);
    EXPECT_EQ(S.RenSpaceMode, -1);
    EXPECT_EQ(S.CriteriaCount, 0);
}

TEST_F(CriteriaCommit, PriorityFollowsTheSwitchesAndIsNotCountedTwice) {
    S.EditReplaceKind = 1;
    S.ReplaceWithPending = QStringLiteral("W");
    SetValueRenameSet();
    EXPECT_EQ(S.PriorityCount, 1);
    EXPECT_EQ(S.PrioritySlot1, QStringLiteral("Replace"));

    S.EditInsertPlace = 1;
    S.InsertTextPending = QStringLiteral("T");
    SetValueRenameSet();
    EXPECT_EQ(S.PriorityCount, 2);
    EXPECT_EQ(S.NonDefaultCount, 2);
    EXPECT_EQ(S.PrioritySlot1, QStringLiteral("Insert"));
    EXPECT_EQ(S.PrioritySlot2, QStringLiteral("Replace"));

    SetValueRenameSet();  // the same criteria again
    EXPECT_EQ(S.PriorityCount, 2);
    EXPECT_EQ(S.NonDefaultCount, 2);

    // The user's choice orders them: Remove, Insert, Replace.
    S.PriorityChoice1 = QStringLiteral("Remove");
    S.PriorityChoice2 = QStringLiteral("Insert");
    S.PriorityChoice3 = QStringLiteral("Replace");
    S.EditReplaceKind = 0;
    S.EditRemoveKind = 1;
    S.EditRemoveString = QStringLiteral("x");
    SetValueRenameSet();
    EXPECT_EQ(S.PriorityCount, 2);
    EXPECT_EQ(S.PrioritySlot1, QStringLiteral("Remove"));
    EXPECT_EQ(S.PrioritySlot2, QStringLiteral("Insert"));

    // Switching one off leaves the other in slot 1.
    S.EditRemoveKind = 0;
    SetValueRenameSet();
    EXPECT_EQ(S.PriorityCount, 1);
    EXPECT_EQ(S.PrioritySlot1, QStringLiteral("Insert"));
    EXPECT_TRUE(S.NamesToBuild);
    S.EditInsertPlace = 0;
    SetValueRenameSet();
    EXPECT_EQ(S.PriorityCount, 0);
    EXPECT_EQ(S.NonDefaultCount, 0);
    EXPECT_FALSE(S.NamesToBuild);
}

TEST_F(CriteriaCommit, ResettingTheReplaceChoiceWithAutoOnKeepsNamesToBuild) {
    S.EditReplaceKind = 1;
    S.ReplaceWithPending = QStringLiteral("W");
    S.EditAutoType = 1;
    S.EditAutoStart = QStringLiteral("1");
    S.EditAutoPlaceIndex = 2;
    SetValueRenameSet();
    ResetReplaceChoice();
    EXPECT_EQ(S.ReplaceOn, 0);
    EXPECT_EQ(S.ReplaceType, QString());
    EXPECT_EQ(S.PriorityCount, 0);
    EXPECT_TRUE(S.NamesToBuild);
    EXPECT_EQ(S.CriteriaCount, 1);
}

}  // namespace
}  // namespace qv::test
