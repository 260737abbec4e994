// The summary of the committed criteria: one line per criterion, coloured by whether it is on.
#include <gtest/gtest.h>

#include "core/state.h"
#include "criteria/criteria.h"
#include "criteria/summary.h"
#include "criteria_fixture.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

using criteria::BuildCriteriaSummary;
using criteria::CriteriaSummary;
using criteria::kCriterionOnColour;

const criteria::SummaryLine& Line(const CriteriaSummary& s, const char* control) {
    for (const auto& l : s.lines)
        if (l.control == QLatin1String(control))
            return l;
    throw std::runtime_error(control);
}

State Fresh() {
    ResetState();
    return S;
}

TEST(CriteriaSummary, NothingSetReadsNoEverywhere) {
    const CriteriaSummary s = BuildCriteriaSummary(Fresh());
    EXPECT_EQ(s.criteriaCount, 0);
    const std::pair<const char*, const char*> expected[] = {
        {"FrameRenInfo", "Rename Criteria : Not Yet Set"},
        {"LabelCriRmvSpace", "Change or Remove Space :: No"},
        {"LabelCriChgCase", "Change Case :: No"},
        {"LabelCriChgExt", "Change Extension :: No"},
        {"LabelCriHandle1", "Handle All Instance of a Char/Str :: No"},
        {"LabelCriHandle2", ""},
        {"LabelCriInsert", "Insert :: No"},
        {"LabelCriReplace", "Replace :: No"},
        {"LabelCriRemove", "Remove :: No"},
        {"LabelCriAuto1", "Auto Number or Letter :: No"},
        {"LabelCriAuto2", ""},
    };
    ASSERT_EQ(s.lines.size(), std::size(expected));
    for (size_t i = 0; i < s.lines.size(); ++i) {
        EXPECT_EQ(s.lines[i].control, QLatin1String(expected[i].first));  // the order captions are written in
        EXPECT_EQ(s.lines[i].caption, QString::fromLatin1(expected[i].second)) << expected[i].first;
        if (s.lines[i].colour) {
            EXPECT_EQ(*s.lines[i].colour, kSysWindowText) << expected[i].first;
        }
    }
    EXPECT_FALSE(Line(s, "LabelCriHandle2").colour.has_value());
    EXPECT_FALSE(Line(s, "LabelCriAuto2").colour.has_value());
}

struct TypeRow {
    const char* type;
    int n;  // the N of the row's place, 0 at the start or end
    const char* expected;
};

TEST(CriteriaSummary, InsertLineForEveryType) {
    const TypeRow rows[] = {
        {"InsertAfterNumChars", 0, "Insert :: ab :: at start of file Name."},
        {"InsertAfterNumChars", 3, "Insert :: ab :: after 3 Characters."},
        {"InsertBeforeNumChars", 0, "Insert :: ab :: at end of file Name."},
        {"InsertBeforeNumChars", 12, "Insert :: ab :: before 12 Characters."},
        {"InsertAfterAString", 0, "Insert :: ab :: after :: xy."},
        {"InsertBeforeAString", 0, "Insert :: ab :: before :: vw."},
    };
    for (const TypeRow& r : rows) {
        State s = Fresh();
        s.InsertType = QString::fromLatin1(r.type);
        s.InsertOn = 1;
        s.InsertText = QStringLiteral("ab");
        s.InsertAfterN = s.InsertBeforeN = r.n;
        s.InsertAfterString = QStringLiteral("xy");
        s.InsertBeforeString = QStringLiteral("vw");
        const CriteriaSummary sum = BuildCriteriaSummary(s);
        EXPECT_EQ(Line(sum, "LabelCriInsert").caption, QString::fromLatin1(r.expected)) << r.type;
        EXPECT_EQ(*Line(sum, "LabelCriInsert").colour, kCriterionOnColour);
        EXPECT_EQ(sum.criteriaCount, 1);
    }
}

TEST(CriteriaSummary, ReplaceLineForEveryType) {
    const TypeRow rows[] = {
        {"ReplaceFileName", 0, "Replace file name with :: W."},
        {"ReplaceAString", 0, "Replace :: str :: with :: W."},
        {"ReplaceAfterNumChars", 4, "Replace all after 4 Characters with :: W."},
        {"ReplaceBeforeNumChars", 5, "Replace all before 5 Characters with :: W."},
        {"ReplaceAfterAString", 0, "Replace all after :: aft :: with :: W."},
        {"ReplaceBeforeAString", 0, "Replace all before :: bef :: with :: W."},
        {"ReplaceCharAfterNumChars", 4, "Replace 3 Chars after 4 Chars with :: W."},
        {"ReplaceCharBeforeNumChars", 5, "Replace 3 Chars Before 5 Chars with :: W."},
        {"ReplaceCharAfterAString", 0, "Replace 3 Chars after :: aft - with :: W."},
        {"ReplaceCharBeforeAString", 0, "Replace 3 Chars before :: bef - with :: W."},
    };
    for (const TypeRow& r : rows) {
        State s = Fresh();
        s.ReplaceType = QString::fromLatin1(r.type);
        s.ReplaceWith = QStringLiteral("W");
        s.ReplaceString = QStringLiteral("str");
        s.ReplaceCharCount = 3;
        s.ReplaceAfterN = 4;
        s.ReplaceBeforeN = 5;
        s.ReplaceAfterString = QStringLiteral("aft");
        s.ReplaceBeforeString = QStringLiteral("bef");
        EXPECT_EQ(Line(BuildCriteriaSummary(s), "LabelCriReplace").caption, QString::fromLatin1(r.expected))
            << r.type;
    }
}

TEST(CriteriaSummary, RemoveLineForEveryType) {
    const TypeRow rows[] = {
        {"RemoveAString", 0, "Remove :: str :: from file name."},
        {"RemoveAfterNumChars", 0, "Remove all after 4 Characters."},
        {"RemoveBeforeNumChars", 0, "Remove all before 5 Characters."},
        {"RemoveAfterAString", 0, "Remove all after :: aft."},
        {"RemoveBeforeAString", 0, "Remove all before :: bef."},
        {"RemoveCharAfterNumChars", 0, "Remove 2 Chars after 4 Chars."},
        {"RemoveCharBeforeNumChars", 0, "Remove 2 Chars Before 5 Chars."},
        {"RemoveCharAfterAString", 0, "Remove 2 Chars after :: aft."},
        {"RemoveCharBeforeAString", 0, "Remove 2 Chars before :: bef."},
    };
    for (const TypeRow& r : rows) {
        State s = Fresh();
        s.RemoveType = QString::fromLatin1(r.type);
        s.RemoveString = QStringLiteral("str");
        s.RemoveCharCount = 2;
        s.RemoveAfterN = 4;
        s.RemoveBeforeN = 5;
        s.RemoveAfterString = QStringLiteral("aft");
        s.RemoveBeforeString = QStringLiteral("bef");
        EXPECT_EQ(Line(BuildCriteriaSummary(s), "LabelCriRemove").caption, QString::fromLatin1(r.expected))
            << r.type;
    }
}

TEST(CriteriaSummary, AutoLinesForEveryKindAndPlace) {
    struct Row {
        const char* kind;
        int zeroFill;
        const char* place;
        int n;
        const char* line1;
        const char* line2;
    };
    const Row rows[] = {
        {"Number", 0, "AutoAfterNumChars", 0, "Auto start number :: 7.", "Add at start of File Names."},
        {"Number", 2, "AutoAfterNumChars", 3, "Auto start number :: 7. Zero fill :: 2.",
         "Add after 3 Characters."},
        {"Capital Letter", 0, "AutoBeforeNumChars", 0, "Auto start Letter(Capital) :: AB.",
         "Add at end of File Names."},
        {"Small Letter", 0, "AutoBeforeNumChars", 4, "Auto start Letter(Small) :: AB.",
         "Add before 4 Characters."},
        {"Number", 0, "AutoAfterAString", 0, "Auto start number :: 7.", "Add after :: aft."},
        {"Number", 0, "AutoBeforeAString", 0, "Auto start number :: 7.", "Add before :: bef."},
        {"Number", 0, "", 0, "Auto start number :: 7.", ""},
    };
    for (const Row& r : rows) {
        State s = Fresh();
        s.RenAutoKind = QString::fromLatin1(r.kind);
        s.AutoOn = 1;
        s.RenAutoZeroFill = r.zeroFill;
        s.RenAutoStartNumber = 7;
        s.RenAutoStartLetters = QStringLiteral("AB");
        s.RenAutoPlace = QString::fromLatin1(r.place);
        s.RenAutoAfterNumChars = s.RenAutoBeforeNumChars = r.n;
        s.RenAutoAfterString = QStringLiteral("aft");
        s.RenAutoBeforeString = QStringLiteral("bef");
        const CriteriaSummary sum = BuildCriteriaSummary(s);
        EXPECT_EQ(Line(sum, "LabelCriAuto1").caption, QString::fromLatin1(r.line1));
        EXPECT_EQ(Line(sum, "LabelCriAuto2").caption, QString::fromLatin1(r.line2)) << r.place;
        EXPECT_EQ(*Line(sum, "LabelCriAuto1").colour, kCriterionOnColour);
    }
}

TEST(CriteriaSummary, HandleNamesTheHardToSeeCharacters) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {".", "", "All Instance Of :: Char-Dot", "Remove"},
        {":", " ", "All Instance of :: Char-Colon", "Change as :: Space"},
        {",", "x", "All Instance of :: Char-Comma", "Replace with :: x"},
        {";", "", "All Instance Of :: Char-Semicolon", "Remove"},
        {"-", "", "All Instance Of :: Char-Dash", "Remove"},
        {"_", "", "All Instance Of :: Char-Underscore", "Remove"},
        {"ab", "", "All Instance Of :: ab", "Remove"},
    };
    for (const auto& [what, with, line1, line2] : rows) {
        State s = Fresh();
        s.HandleOn = 1;
        s.HandleWhat = QString::fromLatin1(what);
        s.HandleWith = QString::fromLatin1(with);
        const CriteriaSummary sum = BuildCriteriaSummary(s);
        EXPECT_EQ(Line(sum, "LabelCriHandle1").caption, QString::fromLatin1(line1));
        EXPECT_EQ(Line(sum, "LabelCriHandle2").caption, QString::fromLatin1(line2));
        EXPECT_EQ(*Line(sum, "LabelCriHandle1").colour, kCriterionOnColour);
    }
}

TEST(CriteriaSummary, CaseExtensionSpaceAndTheCount) {
    State s = Fresh();
    s.CaseOn = 1;
    s.CaseScope = QStringLiteral("FirstLetterOfWords");
    s.CaseTo = QStringLiteral("Upper Case");
    s.ExtensionOn = 1;
    s.ExtNew = QStringLiteral("txt");
    s.SpaceOn = 1;
    s.RenSpaceMode = 1;
    s.SpaceWith = QStringLiteral("_");
    s.RemoveType = QStringLiteral("RemoveAString");
    s.RemoveOn = 1;
    CriteriaSummary sum = BuildCriteriaSummary(s);
    EXPECT_EQ(Line(sum, "LabelCriChgCase").caption,
              QStringLiteral("First letter of all words :: Upper Case."));
    EXPECT_EQ(Line(sum, "LabelCriChgExt").caption, QStringLiteral("Extension change to :: txt."));
    EXPECT_EQ(Line(sum, "LabelCriRmvSpace").caption, QStringLiteral("Space :: Replace With :: _"));
    EXPECT_EQ(Line(sum, "FrameRenInfo").caption, QStringLiteral("Rename Criteria :"));
    EXPECT_EQ(*Line(sum, "FrameRenInfo").colour, kCriterionOnColour);
    EXPECT_EQ(sum.criteriaCount, 4);

    s.CaseScope = QStringLiteral("FileName");
    s.CaseTo = QStringLiteral("Lower Case");
    EXPECT_EQ(Line(BuildCriteriaSummary(s), "LabelCriChgCase").caption,
              QStringLiteral("File Name :: Lower Case."));
    s.CaseScope = QStringLiteral("FirstLetter");
    EXPECT_EQ(Line(BuildCriteriaSummary(s), "LabelCriChgCase").caption,
              QStringLiteral("First letter of File Name :: Lower Case."));

    // The space line follows the committed mode, not what a cancelled dialog left pending.
    s.RenSpaceMode = 0;
    s.EditSpaceMode = 1;
    EXPECT_EQ(Line(BuildCriteriaSummary(s), "LabelCriRmvSpace").caption, QStringLiteral("Space :: Remove"));

    // Every criterion on counts once: eight at most.
    s.HandleOn = 1;
    s.InsertType = QStringLiteral("InsertAfterNumChars");
    s.ReplaceType = QStringLiteral("ReplaceFileName");
    s.RenAutoKind = QStringLiteral("Number");
    EXPECT_EQ(BuildCriteriaSummary(s).criteriaCount, 8);
}

class SummaryOnMainWindow : public CriteriaTest {};

TEST_F(SummaryOnMainWindow, CaptionsColoursAndCriteriaCountReachTheWindow) {
    TestForm main(QStringLiteral("frmMain"));
    main.design = [](TestForm& f) {
        f.add<Frame>(QStringLiteral("FrameRenInfo"));
        for (const char* n :
             {"LabelCriRmvSpace", "LabelCriChgCase", "LabelCriChgExt", "LabelCriHandle1", "LabelCriHandle2",
              "LabelCriInsert", "LabelCriReplace", "LabelCriRemove", "LabelCriAuto1", "LabelCriAuto2",
              "LabelPriority1st", "LabelPriority2nd", "LabelPriority3rd"})
            f.add<Label>(QString::fromLatin1(n));
    };
    main.Load();
    S.EditInsertPlace = 1;
    S.InsertTextPending = QStringLiteral("X");
    S.EditRemoveKind = 1;
    S.EditRemoveString = QStringLiteral("y");
    criteria::SetValueRenameSet();
    EXPECT_EQ(S.CriteriaCount, 2);
    EXPECT_EQ(caption(*main.Find(QStringLiteral("FrameRenInfo"))), QStringLiteral("Rename Criteria :"));
    EXPECT_EQ(main.Find(QStringLiteral("FrameRenInfo"))->ForeColor(), kCriterionOnColour);
    EXPECT_EQ(caption(*main.Find(QStringLiteral("LabelCriInsert"))),
              QStringLiteral("Insert :: X :: at start of file Name."));
    EXPECT_EQ(main.Find(QStringLiteral("LabelCriInsert"))->ForeColor(), kCriterionOnColour);
    EXPECT_EQ(main.Find(QStringLiteral("LabelCriReplace"))->ForeColor(), kSysWindowText);
    EXPECT_EQ(caption(*main.Find(QStringLiteral("LabelPriority1st"))), QStringLiteral("1 - Insert"));
    EXPECT_EQ(caption(*main.Find(QStringLiteral("LabelPriority2nd"))), QStringLiteral("2 - Remove"));
    EXPECT_EQ(caption(*main.Find(QStringLiteral("LabelPriority3rd"))), QString());
    main.Unload();
}

}  // namespace
}  // namespace qv::test
