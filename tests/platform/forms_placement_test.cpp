// Forms built from position-table rows: kinds from the members, containers by name, units, captions,
// mistakes in the table, and members set back to nullptr when the controls go.
#include <gtest/gtest.h>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>

#include "support/harness.h"

namespace qv::test {
namespace {

// A form whose members the rows bind, as a real window's are.
class PlacedForm : public Form {
  public:
    PlacedForm() : Form(QStringLiteral("frmPlaced")) {}
    using Form::Add;
    using Form::AddTo;
    using Form::Place;

    PictureBox* PictureMain = nullptr;
    Frame* FrameInfo = nullptr;
    Label* LabelSpaceNeed = nullptr;
    ControlArray<Frame> FrameButHelp;
    CommandButton* CommandHelp = nullptr;
    ControlArray<OptionButton> OptionSelection;
    TextBox* TextName = nullptr;
    Line* LineSplit = nullptr;
    Label* LabelOld = nullptr;  // made by Add(member, ...)
    ControlArray<Image> ImageBack;

    std::function<void(PlacedForm&)> design;
    bool clearedBeforeDropped = false;

  protected:
    void Design() override {
        Move(0, 0, 640, 480);
        design(*this);
    }
    void Dropped() override {
        clearedBeforeDropped = !PictureMain && !FrameInfo && !LabelSpaceNeed && !CommandHelp && !TextName &&
                               !LineSplit && !LabelOld && FrameButHelp.Count() == 0 &&
                               OptionSelection.Count() == 0 && ImageBack.Count() == 0;
    }
};

void placeAll(PlacedForm& f) {
    f.Place({
        {&f.PictureMain, "PictureMain", "", 0, 0, 600, 400},
        {&f.FrameInfo, "FrameInfo", "PictureMain", 150, 300, 4500, 3000, "Info"},
        {&f.LabelSpaceNeed, "LabelSpaceNeed", "FrameInfo", 120, 240, 2400, 255, "Space needed"},
        {&f.FrameButHelp, 0, "FrameButHelp", "", 10, 300, 100, 50},
        {&f.FrameButHelp, 1, "FrameButHelp", "", 120, 300, 100, 50},
        {&f.CommandHelp, "CommandHelp", "FrameButHelp(1)", 150, 150, 1200, 450, "Help"},
        {&f.OptionSelection, 0, "OptionSelection", "FrameInfo", 120, 600, 1500, 255, "Manual"},
        {&f.OptionSelection, 1, "OptionSelection", "FrameInfo", 120, 900, 1500, 255, "All"},
        {&f.TextName, "TextName", "", 300, 420, 200, 24},
        {&f.LineSplit, "LineSplit", "", 10, 450, 610, 450},
    });
    f.Add(f.LabelOld, "LabelOld", f.FrameInfo);
    f.AddTo(f.ImageBack, "ImageBack", 0);
    f.AddTo(f.ImageBack, "ImageBack", 1);
}

TEST(FormsPlacement, RowsMakeBindAndPlaceTheirControls) {
    PlacedForm f;
    f.design = placeAll;
    f.Show();

    QStringList made;
    for (const auto& c : f.Controls())
        made << (c->Index() >= 0 ? QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index()) : c->Name());
    EXPECT_EQ(made, (QStringList{"PictureMain", "FrameInfo", "LabelSpaceNeed", "FrameButHelp(0)",
                                 "FrameButHelp(1)", "CommandHelp", "OptionSelection(0)", "OptionSelection(1)",
                                 "TextName", "LineSplit", "LabelOld", "ImageBack(0)", "ImageBack(1)"}))
        << "rows are made in order";

    // Each member points at the control of its name, of the kind its type says.
    const struct {
        Control* member;
        const char* name;
        int index;
        ControlKind kind;
        Control* container;
    } expected[] = {
        {f.PictureMain, "PictureMain", -1, ControlKind::PictureBox, nullptr},
        {f.FrameInfo, "FrameInfo", -1, ControlKind::Frame, f.PictureMain},
        {f.LabelSpaceNeed, "LabelSpaceNeed", -1, ControlKind::Label, f.FrameInfo},
        {f.FrameButHelp[1], "FrameButHelp", 1, ControlKind::Frame, nullptr},
        {f.CommandHelp, "CommandHelp", -1, ControlKind::CommandButton, f.FrameButHelp[1]},
        {f.OptionSelection[1], "OptionSelection", 1, ControlKind::OptionButton, f.FrameInfo},
        {f.TextName, "TextName", -1, ControlKind::TextBox, nullptr},
        {f.LineSplit, "LineSplit", -1, ControlKind::Line, nullptr},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(e.member, nullptr);
        EXPECT_EQ(f.Find(e.name, e.index), e.member);
        EXPECT_EQ(e.member->Kind(), e.kind);
        EXPECT_EQ(e.member->Container(), e.container);
    }
    EXPECT_EQ(f.OptionSelection.Count(), 2);
    EXPECT_EQ(f.FrameButHelp.Count(), 2);

    // Units: pixels on the form, twips inside a frame or picture box.
    EXPECT_EQ(WidgetOf(*f.PictureMain)->geometry(), QRect(0, 0, 600, 400));
    EXPECT_EQ(WidgetOf(*f.FrameInfo)->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(WidgetOf(*f.LabelSpaceNeed)->geometry(), QRect(8, 16, 160, 17));
    EXPECT_EQ(f.LabelSpaceNeed->Width(), 2400);
    EXPECT_EQ(WidgetOf(*f.CommandHelp)->geometry(), QRect(10, 10, 80, 30));
    EXPECT_EQ(WidgetOf(*f.TextName)->geometry(), QRect(300, 420, 200, 24));
    EXPECT_EQ(f.LineSplit->X1(), 10);
    EXPECT_EQ(f.LineSplit->Y2(), 450);
    EXPECT_EQ(f.LineSplit->X2(), 610);

    EXPECT_EQ(caption(*f.FrameInfo), "Info");
    EXPECT_EQ(caption(*f.LabelSpaceNeed), "Space needed");
    EXPECT_EQ(caption(*f.CommandHelp), "Help");
    EXPECT_EQ(caption(*f.OptionSelection[0]), "Manual");
    EXPECT_EQ(caption(*f.OptionSelection[1]), "All");
    EXPECT_EQ(f.TextName->Text(), "");

    // What a screen reader finds: a caption names its control; a box has to be given a name.
    EXPECT_EQ(f.CommandHelp->AccessibleName(), "Help");
    EXPECT_EQ(f.OptionSelection[1]->AccessibleName(), "All");
    EXPECT_TRUE(unnamedControls(f).contains("TextName"));
    EXPECT_FALSE(unnamedControls(f).contains("CommandHelp"));
    f.TextName->SetAccessibleName("Your name");
    EXPECT_EQ(f.TextName->AccessibleName(), "Your name");
    EXPECT_FALSE(unnamedControls(f).contains("TextName"));
    // A frame is announced by its caption as it changes, until it is given a name of its own.
    EXPECT_EQ(f.FrameInfo->AccessibleName(), "Info");
    EXPECT_EQ(f.FrameButHelp[0]->AccessibleName(), "");
    f.FrameInfo->SetCaption("More");
    EXPECT_EQ(f.FrameInfo->AccessibleName(), "More");
    f.FrameInfo->SetAccessibleName("Details");
    f.FrameInfo->SetCaption("Less");
    EXPECT_EQ(f.FrameInfo->AccessibleName(), "Details");

    // Dropping the controls sets every bound member back, before Dropped runs.
    ASSERT_TRUE(f.Unload());
    EXPECT_TRUE(f.clearedBeforeDropped);
    EXPECT_EQ(f.PictureMain, nullptr);
    EXPECT_EQ(f.LabelOld, nullptr);
    EXPECT_EQ(f.OptionSelection.Count(), 0);
    EXPECT_EQ(f.ImageBack.Count(), 0);

    // A reload binds them afresh.
    f.Load();
    EXPECT_EQ(f.LabelSpaceNeed, f.Find("LabelSpaceNeed"));
    EXPECT_EQ(f.OptionSelection.Count(), 2);
    EXPECT_EQ(f.ImageBack.Count(), 2);
    EXPECT_EQ(f.LabelOld->Container(), f.FrameInfo);
    f.Unload();
}

// A window laid out from its font names its controls in rows and moves them itself afterwards.
TEST(FormsPlacement, RowsWithoutAPlaceLeaveItToTheLayout) {
    PlacedForm f;
    f.design = [](PlacedForm& f) {
        f.Place({
            {&f.FrameInfo, "FrameInfo", "", "Info"},
            {&f.OptionSelection, 0, "OptionSelection", "FrameInfo", "Manual"},
            {&f.OptionSelection, 1, "OptionSelection", "FrameInfo"},
            {&f.TextName, "TextName", "FrameInfo"},
        });
        f.FrameInfo->Move(10, 20, 300, 200);
    };
    f.Show();
    ASSERT_NE(f.TextName, nullptr);
    EXPECT_EQ(f.TextName->Container(), f.FrameInfo);
    EXPECT_EQ(f.OptionSelection.Count(), 2);
    EXPECT_EQ(caption(*f.FrameInfo), "Info");
    EXPECT_EQ(caption(*f.OptionSelection[0]), "Manual");
    EXPECT_EQ(caption(*f.OptionSelection[1]), "");
    EXPECT_EQ(WidgetOf(*f.FrameInfo)->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(QRect(f.TextName->Left(), f.TextName->Top(), f.TextName->Width(), f.TextName->Height()),
              QRect(0, 0, 0, 0));
    ASSERT_TRUE(f.Unload());
    EXPECT_EQ(f.FrameInfo, nullptr);
    EXPECT_EQ(f.TextName, nullptr);
    EXPECT_EQ(f.OptionSelection.Count(), 0);
}

TEST(FormsPlacement, MistakesInTheTableThrow) {
    const struct {
        const char* mistake;
        std::function<void(PlacedForm&)> rows;
    } cases[] = {
        {"unknown container",
         [](PlacedForm& f) {
             f.Place({{&f.LabelSpaceNeed, "LabelSpaceNeed", "FrameMissing", 0, 0, 10, 10}});
         }},
        {"container made later",
         [](PlacedForm& f) {
             f.Place({{&f.LabelSpaceNeed, "LabelSpaceNeed", "FrameInfo", 0, 0, 10, 10},
                      {&f.FrameInfo, "FrameInfo", "", 0, 0, 100, 100}});
         }},
        {"no container",
         [](PlacedForm& f) {
             f.Place({{&f.TextName, "TextName", "", 0, 0, 10, 10},
                      {&f.LabelSpaceNeed, "LabelSpaceNeed", "TextName", 0, 0, 10, 10}});
         }},
        {"container array item missing",
         [](PlacedForm& f) {
             f.Place({{&f.FrameButHelp, 0, "FrameButHelp", "", 0, 0, 100, 100},
                      {&f.CommandHelp, "CommandHelp", "FrameButHelp(1)", 0, 0, 10, 10}});
         }},
        {"container array without an index",
         [](PlacedForm& f) {
             f.Place({{&f.FrameButHelp, 0, "FrameButHelp", "", 0, 0, 100, 100},
                      {&f.CommandHelp, "CommandHelp", "FrameButHelp", 0, 0, 10, 10}});
         }},
        {"duplicate name",
         [](PlacedForm& f) {
             f.Place({{&f.LabelSpaceNeed, "LabelA", "", 0, 0, 10, 10},
                      {&f.LabelOld, "LabelA", "", 0, 0, 10, 10}});
         }},
        {"duplicate name with Add",
         [](PlacedForm& f) {
             f.Add<Label>(QStringLiteral("LabelA"));
             f.Place({{&f.LabelSpaceNeed, "LabelA", "", 0, 0, 10, 10}});
         }},
        {"duplicate index",
         [](PlacedForm& f) {
             f.Place({{&f.OptionSelection, 0, "OptionSelection", "", 0, 0, 10, 10},
                      {&f.OptionSelection, 0, "OptionSelection", "", 0, 20, 10, 10}});
         }},
        {"one name as control and array",
         [](PlacedForm& f) {
             f.Place({{&f.LabelSpaceNeed, "OptionSelection", "", 0, 0, 10, 10},
                      {&f.OptionSelection, 0, "OptionSelection", "", 0, 20, 10, 10}});
         }},
        {"member bound twice",
         [](PlacedForm& f) {
             f.Place({{&f.LabelOld, "LabelA", "", 0, 0, 10, 10}, {&f.LabelOld, "LabelB", "", 0, 20, 10, 10}});
         }},
        {"caption on a text box",
         [](PlacedForm& f) {
             f.Place({{&f.TextName, "TextName", "", 0, 0, 10, 10, "x"}});
         }},
        {"no name",
         [](PlacedForm& f) {
             f.Place({{&f.TextName, "", "", 0, 0, 10, 10}});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mistake);
        PlacedForm f;
        f.design = c.rows;
        EXPECT_THROW(f.Load(), std::logic_error);
        f.Unload();
    }

    // The same rows without the mistake are fine.
    PlacedForm f;
    f.design = [](PlacedForm& f) {
        f.Place({{&f.FrameButHelp, 0, "FrameButHelp", "", 0, 0, 100, 100},
                 {&f.FrameButHelp, 1, "FrameButHelp", "", 0, 100, 100, 100},
                 {&f.CommandHelp, "CommandHelp", "FrameButHelp(1)", 0, 0, 10, 10},
                 {&f.OptionSelection, 0, "OptionSelection", "", 0, 0, 10, 10},
                 {&f.OptionSelection, 1, "OptionSelection", "", 0, 20, 10, 10}});
    };
    EXPECT_NO_THROW(f.Load());
    EXPECT_EQ(f.CommandHelp->Container(), f.FrameButHelp[1]);
    f.Unload();
}

}  // namespace
}  // namespace qv::test
