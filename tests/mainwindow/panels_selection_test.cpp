// The File Selection panel: when OK may be pressed and what it asks for, the captions and the count of
// settings away from their defaults after a commit, the files it selects, and the rules of its boxes.
#include "panels_fixture.h"

namespace qv::test {
namespace {

const QString kAskNumber = QStringLiteral("Please type the number of files to select.");
const QString kAskString = QStringLiteral("Please type the String to search.");
const QString kAskExtension = QStringLiteral("Please type the Extension to search.");

class SelectionPanel : public PanelsTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        OpenWork({"a1.jpg", "a2.jpg", "b.txt", "c.JPG", "d.png"});
    }
    void Open() { ClickIn(M().CommandSelection); }
    bool OK() { return M().CommandSelectionOK->Enabled(); }
    QString Ask() { return M().LabelSelectionAsk->Caption(); }
};

TEST_F(SelectionPanel, OkAndPromptFollowTheKindAndWhatChanged) {
    struct Row {
        const char* label;
        std::function<void(SelectionPanel&)> committed;  // before the panel opens
        std::function<void(SelectionPanel&)> steps;      // in the open panel
        bool ok;
        QString ask;
    };
    auto commitAll = [this](SelectionPanel&) { CommitRule(1, 0, 100, 0); };
    auto commitExt = [this](SelectionPanel&) { CommitRule(3, -1, 100, 0, 0, "jpg"); };
    auto none = [](SelectionPanel&) {};
    const Row rows[] = {
        {"opening with All committed", commitAll, none, false, {}},
        {"opening with manual committed", none, none, false, {}},
        {"all files chosen",
         none,
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[1]);
             Choose(M().OptionSelectionNum[0]);
         },
         true,
         {}},
        {"number of files, box empty", none,
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[1]);
             Choose(M().OptionSelectionNum[1]);
         },
         false, kAskNumber},
        {"number of files typed",
         none,
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[1]);
             Choose(M().OptionSelectionNum[1]);
             ASSERT_TRUE(type(*M().TextSelectionNumFile, "3"));
         },
         true,
         {}},
        {"by string, nothing typed", none, [this](SelectionPanel&) { Choose(M().OptionSelection[2]); }, false,
         kAskString},
        {"by string typed",
         none,
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[2]);
             ASSERT_TRUE(type(*M().TextSelectionString, "a"));
         },
         true,
         {}},
        {"by extension, none committed", none, [this](SelectionPanel&) { Choose(M().OptionSelection[3]); },
         false, kAskExtension},
        {"by extension typed",
         none,
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[3]);
             ASSERT_TRUE(type(*M().TextSelectionString, "jpg"));
         },
         true,
         {}},
        {"by extension, committed and unchanged", commitExt, none, false, {}},
        {"by extension unchanged, its files no longer selected",
         [this](SelectionPanel&) {
             CommitRule(3, -1, 100, 0, 0, "jpg");
             panels::SetValueClearSelection();  // as an action or an undo leaves the list
             S.SetButKey = "setButGlobal";
             SetButtons();
         },
         none,
         true,
         {}},
        {"all files unchanged, its files no longer selected",
         [this](SelectionPanel&) {
             CommitRule(1, 0, 100, 0);
             panels::SetValueClearSelection();  // as an action or an undo leaves the list
             S.SetButKey = "setButGlobal";
             SetButtons();
         },
         none,
         true,
         {}},
        {"by extension, maximum changed",
         commitExt,
         [this](SelectionPanel&) {
             SelectAllOf(M().TextSelectionMaxFile);
             ASSERT_TRUE(type(*M().TextSelectionMaxFile, "7"));
         },
         true,
         {}},
        {"by extension, case ticked",
         commitExt,
         [this](SelectionPanel&) { ASSERT_TRUE(click(*M().CheckSelectionSensitive)); },
         true,
         {}},
        {"back to manual from a rule",
         commitExt,
         [this](SelectionPanel&) { Choose(M().OptionSelection[0]); },
         true,
         {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        CommitRule(0, -1, 100, 0);
        r.committed(*this);
        Open();
        ASSERT_TRUE(M().FrameSelection->Visible());
        r.steps(*this);
        EXPECT_EQ(OK(), r.ok);
        EXPECT_EQ(Ask(), r.ask);
        ClickIn(M().CommandSelectionCancel);
        EXPECT_FALSE(M().FrameSelection->Visible());
    }
}

TEST_F(SelectionPanel, AnotherKindStartsWithEmptyBoxesAndItsOwnTextComesBack) {
    CommitRule(2, -1, 100, 2, 0, "abc");
    Open();
    EXPECT_EQ(M().TextSelectionString->Text(), "abc");
    EXPECT_EQ(M().TextSelectionNumSkip->Text(), "2");
    Choose(M().OptionSelection[3]);
    EXPECT_EQ(M().TextSelectionString->Text(), "");
    EXPECT_EQ(M().TextSelectionNumSkip->Text(), "0");
    EXPECT_EQ(Ask(), kAskExtension);
    ASSERT_TRUE(type(*M().TextSelectionString, "png"));
    Choose(M().OptionSelection[2]);
    EXPECT_EQ(M().TextSelectionString->Text(), "abc");
    EXPECT_EQ(S.SelStringPending, "abc");
    EXPECT_EQ(S.SelExtensionPending, "png");  // kept apart from the string
}

TEST_F(SelectionPanel, CommitsWriteCaptionsCountAndSelectTheFiles) {
    struct Step {
        const char* label;
        std::function<void(SelectionPanel&)> steps;
        QString caption, info;
        int nonDefault;
        QStringList selected;
    };
    auto maxTo = [this](SelectionPanel&, const char* n) {
        SelectAllOf(M().TextSelectionMaxFile);
        ASSERT_TRUE(type(*M().TextSelectionMaxFile, n));
    };
    const Step steps[] = {
        {"all files",
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[1]);
             Choose(M().OptionSelectionNum[0]);
         },
         "By Number -> All Files.",
         "Selection Start From File #1.",
         1,
         {"a1.jpg", "a2.jpg", "b.txt", "c.JPG", "d.png"}},
        {"one file",
         [this](SelectionPanel&) {
             Choose(M().OptionSelectionNum[1]);
             ASSERT_TRUE(type(*M().TextSelectionNumFile, "1"));
         },
         "By Number -> 1 File.",
         "Selection Start From File #1.",
         1,
         {"a1.jpg"}},
        {"by string with maximum and skip",
         [&, this](SelectionPanel&) {
             Choose(M().OptionSelection[2]);
             ASSERT_TRUE(type(*M().TextSelectionString, "a"));
             SelectAllOf(M().TextSelectionNumSkip);
             ASSERT_TRUE(type(*M().TextSelectionNumSkip, "1"));
             maxTo(*this, "10");
         },
         "By String -> a.",
         "Max. 10 Files. Start from File# 2",
         1,
         {"a2.jpg"}},
        {"by string, no skip, no maximum",
         [&, this](SelectionPanel&) {
             SelectAllOf(M().TextSelectionNumSkip);
             ASSERT_TRUE(type(*M().TextSelectionNumSkip, "0"));
             maxTo(*this, "0");
         },
         "By String -> a.",
         "",
         1,
         {"a1.jpg", "a2.jpg"}},
        {"by extension, any case",
         [this](SelectionPanel&) {
             Choose(M().OptionSelection[3]);
             ASSERT_TRUE(type(*M().TextSelectionString, "jpg"));
         },
         "By Extension -> jpg.",
         "",
         1,
         {"a1.jpg", "a2.jpg", "c.JPG"}},
        {"manual again",
         [this](SelectionPanel&) { Choose(M().OptionSelection[0]); },
         "Manual File Selection",
         "",
         0,
         {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.label);
        Open();
        s.steps(*this);
        ASSERT_TRUE(OK());
        ClickIn(M().CommandSelectionOK);
        EXPECT_FALSE(M().FrameSelection->Visible());
        EXPECT_EQ(M().FrameDisplaySelection->Caption(), s.caption);
        EXPECT_EQ(M().LabelSelectionInfo->Caption(), s.info);
        EXPECT_EQ(S.NonDefaultCount, s.nonDefault);
        EXPECT_EQ(selectedItems(*M().File1), s.selected);
        EXPECT_FALSE(S.ViewLocked);
    }
}

TEST_F(SelectionPanel, ANumberPastTheMaximumIsRefusedInThePanelAndCappedAtCommit) {
    Open();
    Choose(M().OptionSelection[1]);
    Choose(M().OptionSelectionNum[1]);
    SelectAllOf(M().TextSelectionMaxFile);
    ASSERT_TRUE(type(*M().TextSelectionMaxFile, "2"));
    ASSERT_TRUE(type(*M().TextSelectionNumFile, "3"));
    {
        Messages m;
        m.expect();
        ClickIn(M().CommandSelectionOK);
        ASSERT_EQ(m.texts.size(), 1);
        EXPECT_TRUE(m.texts[0].startsWith(
            "Limit of maximum file to select is 2. Number of files you want to be selected is 3."));
    }
    EXPECT_TRUE(M().FrameSelection->Visible());
    EXPECT_EQ(S.SelKind, 0);
    ClickIn(M().CommandSelectionCancel);

    // A commit by its key (as Reset All and the folder change make) caps the number instead.
    CommitRule(1, 1, 20, 0, 50);
    EXPECT_EQ(S.SelNumber, 20);
    EXPECT_EQ(M().FrameDisplaySelection->Caption(), "By Number -> 20 Files.");
}

TEST_F(SelectionPanel, BoxesTakeDigitsOnlyWithinSixteenBitsTypedOrPasted) {
    enum Box { Max, Number, Skip };
    struct Row {
        const char* label;
        Box box;
        bool paste;
        QString input;
        QString shown;
        QString message;  // part of what the message box said; empty: no message
        int pending;
    };
    const Row rows[] = {
        {"0 first in the number box", Number, false, "0", "", "This number should not start with a 0", 0},
        {"10 in the number box", Number, false, "10", "10", "", 10},
        {"a letter in the number box", Number, false, "x", "", "In this box you need to type", 0},
        {"05 in the skip box", Skip, false, "05", "5", "If you do not want to skip any file", 5},
        {"0 in the skip box", Skip, false, "0", "0", "", 0},
        {"32768 in the maximum box", Max, false, "32768", "3276", "The number in this box can not be higher",
         3276},
        {"32767 in the maximum box", Max, false, "32767", "32767", "", 32767},
        {"99999 in the skip box", Skip, false, "99999", "9999", "The number in this box can not be higher",
         9999},
        {"1a pasted in the number box", Number, true, "1a", "1", "In this box you need to type", 1},
        {"x7y pasted in the skip box", Skip, true, "x7y", "7", "Program will select files", 7},
        {"40000 pasted in the maximum box", Max, true, "40000", "100",
         "The number in this box can not be higher", 100},
        {"007 pasted in the number box", Number, true, "007", "7", "", 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        Open();
        Choose(M().OptionSelection[1]);
        Choose(M().OptionSelectionNum[1]);
        TextBox* box = r.box == Max      ? M().TextSelectionMaxFile
                       : r.box == Number ? M().TextSelectionNumFile
                                         : M().TextSelectionNumSkip;
        SelectAllOf(box);
        Messages m;
        if (!r.message.isEmpty())
            m.expect();
        if (r.paste)
            ASSERT_TRUE(paste(*box, r.input));
        else
            ASSERT_TRUE(type(*box, r.input));
        m.script.verifyDone();
        EXPECT_EQ(box->Text(), r.shown);
        if (!r.message.isEmpty()) {
            ASSERT_EQ(m.texts.size(), 1);
            EXPECT_TRUE(m.texts[0].contains(r.message)) << m.texts[0].toStdString();
        }
        const int pending = r.box == Max      ? S.SelMaxFilesPending
                            : r.box == Number ? S.SelNumberPending
                                              : S.SelSkipPending;
        EXPECT_EQ(pending, r.pending);
        ClickIn(M().CommandSelectionCancel);
    }
}

TEST_F(SelectionPanel, AMaximumTypedAndCancelledIsNotCommittedByAReset) {
    for (CommandButton* reset : {M().CommandClearSelection, M().CommandResetAll}) {
        SCOPED_TRACE(reset->Name().toStdString());
        Open();
        Choose(M().OptionSelection[3]);
        ASSERT_TRUE(type(*M().TextSelectionString, "txt"));
        ClickIn(M().CommandSelectionOK);
        ASSERT_EQ(S.SelExtension, "txt");
        Open();
        SelectAllOf(M().TextSelectionMaxFile);
        ASSERT_TRUE(type(*M().TextSelectionMaxFile, "7"));
        ClickIn(M().CommandSelectionCancel);
        ClickIn(reset);
        EXPECT_EQ(S.SelKind, 0);
        EXPECT_EQ(S.SelMaxFiles, 100);
        Open();
        EXPECT_EQ(M().TextSelectionMaxFile->Text(), "100");
        ClickIn(M().CommandSelectionCancel);
    }
}

TEST_F(SelectionPanel, AnEmptiedMaximumShowsZero) {
    Open();
    Choose(M().OptionSelection[2]);
    SelectAllOf(M().TextSelectionMaxFile);
    ASSERT_TRUE(key(*M().TextSelectionMaxFile, 8));
    EXPECT_EQ(M().TextSelectionMaxFile->Text(), "0");
    EXPECT_EQ(S.SelMaxFilesPending, 0);
}

TEST_F(SelectionPanel, TheButtonClosesItsOwnPanelAndOpensOnlyWhenNothingElseIsOpen) {
    Open();
    EXPECT_EQ(S.PanelKey, "Selection");
    EXPECT_TRUE(S.ViewLocked);
    Open();  // second click: cancel
    EXPECT_FALSE(M().FrameSelection->Visible());
    EXPECT_TRUE(S.PanelKey.isEmpty());
    EXPECT_FALSE(S.ViewLocked);
    ClickIn(M().CommandRigidity);
    ASSERT_TRUE(M().FrameRigidity->Visible());
    M().CommandSelection->Click();  // a click that reaches it all the same
    EXPECT_FALSE(M().FrameSelection->Visible());
    EXPECT_EQ(S.PanelKey, "Options");
}

}  // namespace
}  // namespace qv::test
