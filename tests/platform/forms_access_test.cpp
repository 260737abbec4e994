// What the keyboard and assistive tools reach: names, roles, actions, Tab order and the keys that
// press buttons, each running the same handler a click runs, once.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "support/harness.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

class FormsAccess : public ::testing::Test {
  protected:
    void SetUp() override {
        f.design = [this](TestForm& t) {
            options.clear();
            frame = t.add<Frame>("FrameKind");
            frame->Move(10, 10, 200, 150);
            frame->SetCaption("Kind");
            for (int i = 0; i < 3; ++i) {
                OptionButton* o = t.addTo(options, "OptionKind", i, frame);
                o->Move(150, 300 + i * 400, 2400, 300);
                o->SetCaption(QStringLiteral("Kind &%1").arg(i));
            }
            check = t.add<CheckBox>("CheckKeep", frame);
            check->Move(150, 1500, 2400, 300);
            check->SetCaption("Keep");
            name = t.add<TextBox>("TextName");
            name->Move(220, 10, 90, 24);
            name->SetAccessibleName("Name");
            ok = t.add<CommandButton>("CommandOK");
            ok->Move(220, 50, 90, 30);
            ok->SetCaption("OK");
            cancel = t.add<CommandButton>("CommandCancel");
            cancel->Move(320, 50, 90, 30);
            cancel->SetCaption("Cancel");
            combo = t.add<ComboBox>("ComboPlace");
            combo->Move(220, 90, 190, 24);
            combo->SetAccessibleName("Place");
            back = t.add<Image>("ImageBack");
            back->Move(10, 170, 30, 30);
            back->SetAccessibleName("Back");
            deco = t.add<Image>("ImageDeco");
            deco->Move(50, 170, 30, 30);
        };
        f.Show();
        for (const char* s : {"Select", "At start", "At end", "After"}) combo->AddItem(s);
        cancel->SetCancel(true);
        for (OptionButton* o : options.items()) o->Click = [this, o] { clicks << o->Name() + QString::number(o->Index()); };
        check->Click = [this] { clicks << "CheckKeep"; };
        ok->Click = [this] { clicks << "CommandOK"; };
        cancel->Click = [this] { clicks << "CommandCancel"; };
        combo->Click = [this] { clicks << "ComboPlace"; };
        back->Click = [this] { clicks << "ImageBack"; };
    }
    void TearDown() override {
        if (f.Loaded())
            f.Unload();
    }

    TestForm f{"frmAccess"};
    Frame* frame = nullptr;
    ControlArray<OptionButton> options;
    CheckBox* check = nullptr;
    TextBox* name = nullptr;
    CommandButton *ok = nullptr, *cancel = nullptr;
    ComboBox* combo = nullptr;
    Image *back = nullptr, *deco = nullptr;
    QStringList clicks;
};

// Every state of the form: each control a user can operate has a name and its role, its actions
// run its Click once as a click does, and Tab visits the controls in reading order.
TEST_F(FormsAccess, EveryOperableControlIsNamedActsAndIsReachedInReadingOrder) {
    struct Row {
        const char* state;
        std::function<void()> setUp;
        QStringList tabs;
    };
    const std::vector<Row> rows = {
        {"as designed", [] {},
         {"OptionKind(0)", "CheckKeep", "TextName", "CommandOK", "CommandCancel", "ComboPlace", "ImageBack"}},
        {"an option chosen, OK disabled",
         [this] {
             options[1]->SetValue(true);
             ok->SetEnabled(false);
         },
         {"OptionKind(1)", "CheckKeep", "TextName", "CommandCancel", "ComboPlace", "ImageBack"}},
        {"the frame hidden",
         [this] { frame->SetVisible(false); },
         {"TextName", "CommandOK", "CommandCancel", "ComboPlace", "ImageBack"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        f.Unload();
        SetUp();
        row.setUp();
        clicks.clear();
        EXPECT_EQ(accessibilityProblems(f), QStringList());
        const QStringList reading = readingOrder(f);
        EXPECT_EQ(reading, row.tabs);
        Control* first = f.Find(reading.value(0).section('(', 0, 0),
                                reading.value(0).contains('(') ? reading.value(0).section('(', 1).chopped(1).toInt() : -1);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(tabCycle(*first), reading);
        EXPECT_TRUE(clicks.isEmpty()) << "the walk runs no handler";
    }
}

TEST_F(FormsAccess, ToggleThroughTheAccessibilityInterfaceRunsClickOnce) {
    ASSERT_TRUE(accessibleAction(*check, QAccessibleActionInterface::toggleAction()));
    EXPECT_EQ(check->Value(), 1);
    EXPECT_EQ(clicks, QStringList{"CheckKeep"});
    // The stock toggle a tool reaches through the widget itself is a click as well.
    static_cast<QAbstractButton*>(WidgetOf(*check))->toggle();
    EXPECT_EQ(check->Value(), 0);
    EXPECT_EQ(clicks, (QStringList{"CheckKeep", "CheckKeep"}));

    clicks.clear();
    options[0]->SetValue(true);
    ASSERT_TRUE(accessibleAction(*options[2], QAccessibleActionInterface::toggleAction()));
    static_cast<QAbstractButton*>(WidgetOf(*options[1]))->toggle();
    static_cast<QAbstractButton*>(WidgetOf(*options[1]))->toggle();  // an option is not unchosen so
    EXPECT_EQ(clicks, (QStringList{"OptionKind0", "OptionKind2", "OptionKind1"}));
    EXPECT_FALSE(options[0]->Value());
    EXPECT_FALSE(options[2]->Value());
    EXPECT_TRUE(options[1]->Value());
    int shownChecked = 0;
    for (OptionButton* o : options.items())
        shownChecked += static_cast<QAbstractButton*>(WidgetOf(*o))->isChecked() ? 1 : 0;
    EXPECT_EQ(shownChecked, 1) << "the group stays exclusive on screen";

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*options[1]));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::RadioButton);
    EXPECT_TRUE(a->state().checked);
    EXPECT_EQ(a->text(QAccessible::Name), "Kind 1");
    EXPECT_EQ(a->parent()->role(), QAccessible::Grouping) << "announced as one group, its frame";
}

TEST_F(FormsAccess, KeysPressButtonsAndPictureButtons) {
    WidgetOf(*ok)->setFocus();
    pressKey(f, Qt::Key_Return);
    EXPECT_EQ(clicks, (QStringList{"CommandOK"}));
    pressKey(f, Qt::Key_Space);
    EXPECT_EQ(clicks, (QStringList{"CommandOK", "CommandOK"}));

    clicks.clear();
    int typed27 = 0;
    name->KeyPress = [&](int& k) { typed27 += k == 27; };
    WidgetOf(*name)->setFocus();
    pressKey(f, Qt::Key_Escape);
    WidgetOf(*combo)->setFocus();
    pressKey(f, Qt::Key_Escape);
    EXPECT_EQ(clicks, (QStringList{"CommandCancel", "CommandCancel"})) << "Escape presses Cancel";
    EXPECT_EQ(typed27, 0);
    cancel->SetEnabled(false);
    WidgetOf(*name)->setFocus();
    pressKey(f, Qt::Key_Escape);
    EXPECT_EQ(typed27, 1) << "with no Cancel to press the box has the key";

    clicks.clear();
    options[0]->SetValue(true);
    clicks.clear();
    WidgetOf(*combo)->setFocus();
    pressKey(f, Qt::Key_Tab);
    ASSERT_EQ(focused(f), back) << "the picture button is a tab stop";
    pressKey(f, Qt::Key_Return);
    pressKey(f, Qt::Key_Space);
    EXPECT_EQ(clicks, (QStringList{"ImageBack", "ImageBack"}));
    pressKey(f, Qt::Key_Tab);
    EXPECT_EQ(focused(f), options[0]) << "the plain picture is not";
    pressKey(f, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(f), back);

    // The arrows move through an option group and choose.
    clicks.clear();
    WidgetOf(*options[0])->setFocus();
    pressKey(f, Qt::Key_Down);
    EXPECT_EQ(focused(f), options[1]);
    pressKey(f, Qt::Key_Up);
    pressKey(f, Qt::Key_Up);
    EXPECT_EQ(clicks, (QStringList{"OptionKind1", "OptionKind0", "OptionKind2"}));
}

TEST_F(FormsAccess, TabIndexIsUniqueAndSettingOneShiftsTheOthers) {
    // Reading order first: the frame with its controls, the column beside it, the pictures below;
    // the frame's controls count on their own.
    EXPECT_LT(frame->TabIndex(), name->TabIndex());
    EXPECT_LT(options[2]->TabIndex(), check->TabIndex());
    EXPECT_LT(combo->TabIndex(), back->TabIndex());
    const int okAt = ok->TabIndex();
    const int nameAt = name->TabIndex();
    combo->SetTabIndex(okAt);  // right after the name box, before OK
    EXPECT_EQ(combo->TabIndex(), okAt);
    EXPECT_EQ(ok->TabIndex(), okAt + 1);
    EXPECT_EQ(name->TabIndex(), nameAt);
    std::vector<int> all;  // unique among the controls on the form itself, the frame's apart
    for (const auto& c : f.Controls())
        if (!c->Container())
            all.push_back(c->TabIndex());
    EXPECT_EQ(options[0]->TabIndex(), 0);
    check->SetTabIndex(0);
    EXPECT_EQ(check->TabIndex(), 0);
    EXPECT_EQ(options[0]->TabIndex(), 1) << "the frame's own order shifts, the form's stays";
    EXPECT_EQ(combo->TabIndex(), okAt);
    check->SetTabIndex(9);
    EXPECT_EQ(check->TabIndex(), 3);
    std::sort(all.begin(), all.end());
    for (size_t k = 0; k < all.size(); ++k) EXPECT_EQ(all[k], static_cast<int>(k));
    EXPECT_EQ(tabCycle(*name), (QStringList{"TextName", "ComboPlace", "CommandOK", "CommandCancel", "ImageBack",
                                            "OptionKind(0)", "CheckKeep"}));
}

TEST_F(FormsAccess, ComboKeysPassKeyPressBeforeTheyChoose) {
    QStringList seen;
    combo->KeyPress = [&](int& k) {
        seen << QString(QChar(k));
        if (k == 'x')
            k = 0;
    };
    WidgetOf(*combo)->setFocus();
    QTest::keyClicks(WidgetOf(*combo), "x");
    EXPECT_EQ(combo->ListIndex(), -1) << "a discarded key chooses nothing";
    EXPECT_TRUE(clicks.isEmpty());
    QTest::keyClicks(WidgetOf(*combo), "a");
    EXPECT_EQ(combo->Text(), "At start");
    EXPECT_EQ(clicks, QStringList{"ComboPlace"});
    EXPECT_EQ(seen, (QStringList{"x", "a"}));
}

// What a screen reader reads of a closed list: the choice as the combo's value, and the one entry of
// its drop-down list read as selected, whoever made the choice.
TEST_F(FormsAccess, AClosedListsChoiceIsItsValueAndItsOneSelectedEntry) {
    auto read = [this] {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*combo));
        QStringList selected;
        if (QAccessibleInterface* list = a ? a->child(0) : nullptr)
            for (int i = 0; i < list->childCount(); ++i)
                if (QAccessibleInterface* item = list->child(i); item && item->state().selected)
                    selected << item->text(QAccessible::Name);
        return QStringList{a ? a->text(QAccessible::Value) : QStringLiteral("?")} + selected;
    };
    combo->SetListIndex(2);
    EXPECT_EQ(read(), (QStringList{"At end", "At end"}));
    WidgetOf(*combo)->setFocus();
    QTest::keyClicks(WidgetOf(*combo), "s");
    EXPECT_EQ(read(), (QStringList{"Select", "Select"}));
    combo->SetListIndex(-1);
    EXPECT_EQ(read(), QStringList{""});
    combo->SetListIndex(3);
    EXPECT_EQ(read(), (QStringList{"After", "After"}));
    // A locked list does not open for a tool either, so nothing can be chosen there.
    combo->SetEnabled(false);
    accessibleAction(*combo, QAccessibleActionInterface::showMenuAction());
    EXPECT_FALSE(qobject_cast<QComboBox*>(WidgetOf(*combo))->view()->isVisible());
}

TEST_F(FormsAccess, AToolsPickOfAnEntryChoosesItAsAClickDoes) {
    auto value = [this] {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*combo));
        return a ? a->text(QAccessible::Value) : QStringLiteral("?");
    };
    combo->SetListIndex(0);
    clicks.clear();
    // The list closed, as a tool finds it.
    ASSERT_TRUE(toggleThroughAccessibility(*combo, 1));
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(clicks, QStringList{"ComboPlace"});
    EXPECT_EQ(value(), "At start");
    EXPECT_EQ(accessibleSelection(*combo), QStringList{"At start"});
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*combo));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->textInterface(), nullptr) << "tools that read a combo's text read its choice";
    EXPECT_EQ(a->textInterface()->text(0, -1), "At start");
    EXPECT_EQ(a->textInterface()->characterCount(), 8);
    // Open.
    accessibleAction(*combo, QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(qobject_cast<QComboBox*>(WidgetOf(*combo))->view()->isVisible());
    ASSERT_TRUE(toggleThroughAccessibility(*combo, 3));
    EXPECT_EQ(combo->ListIndex(), 3);
    EXPECT_EQ(clicks, (QStringList{"ComboPlace", "ComboPlace"}));
    EXPECT_EQ(value(), "After");
    EXPECT_FALSE(qobject_cast<QComboBox*>(WidgetOf(*combo))->view()->isVisible())
        << "closed as after a click";
    // Unselecting the chosen entry chooses nothing: the choice stays, and shows.
    ASSERT_TRUE(toggleThroughAccessibility(*combo, 3));
    EXPECT_EQ(combo->ListIndex(), 3);
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_EQ(accessibleSelection(*combo), QStringList{"After"});
}

TEST_F(FormsAccess, ACaptionLabelOnADisabledButtonLooksDisabled) {
    Label* face = nullptr;
    CommandButton* job = nullptr;
    f.Unload();
    f.design = [&](TestForm& t) {
        job = t.add<CommandButton>("CommandJob");
        job->Move(20, 20, 120, 40);
        face = t.add<Label>("LabelJob");
        face->Move(30, 28, 100, 24);
        face->SetTransparent(true);
        face->SetForeColor(0x8000);
        face->SetCaption("MMMMMMMM");
    };
    f.Show();
    auto ready = [&] {
        const QImage img = WidgetOf(*face)->grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == QColor(0, 128, 0))
                    return true;
        return false;
    };
    EXPECT_TRUE(ready()) << "enabled: the caption in its colour";
    job->SetEnabled(false);
    EXPECT_FALSE(ready()) << "disabled: the desktop's disabled text";
}

TEST_F(FormsAccess, AWindowIsAnnouncedAsAWindowAndAModalBoxAsADialogByTheirCaptions) {
    f.SetCaption("Access");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(WindowOf(f));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Access");
    TestForm box{"frmBox"};
    box.design = [](TestForm& t) { t.SetCaption("Sure?"); };
    ModalScript script;
    script.expect("frmBox", [](Form& b) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(WindowOf(b));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->role(), QAccessible::Dialog);
        EXPECT_EQ(dialog->text(QAccessible::Name), "Sure?");
        b.Hide();
    });
    box.ShowModal();
    script.verifyDone();
    box.Unload();
}

TEST_F(FormsAccess, AToolActsInNoWindowThatAnOpenModalBoxBlocks) {
    TestForm box{"frmBox"};
    box.design = [](TestForm& t) { t.SetCaption("Sure?"); };
    ModalScript script;
    script.expect("frmBox", [this](Form& b) {
        // As a click there would be, a tool's press or opening of a list is refused.
        accessibleAction(*ok, QAccessibleActionInterface::pressAction());
        accessibleAction(*check, QAccessibleActionInterface::toggleAction());
        accessibleAction(*combo, QAccessibleActionInterface::showMenuAction());
        EXPECT_EQ(clicks, QStringList());
        EXPECT_EQ(check->Value(), 0);
        EXPECT_FALSE(qobject_cast<QComboBox*>(WidgetOf(*combo))->view()->isVisible());
        b.Hide();
    });
    box.ShowModal();
    script.verifyDone();
    box.Unload();
    ASSERT_TRUE(accessibleAction(*ok, QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(clicks, QStringList{"CommandOK"}) << "once the box has gone it acts again";
}

TEST_F(FormsAccess, AToolsPressReturnsBeforeTheBoxItOpensIsAnswered) {
    TestForm box{"frmBox"};
    box.design = [](TestForm& t) { t.SetCaption("Sure?"); };
    ok->Click = [&] { box.ShowModal(); };
    bool returned = false;
    bool returnedWhenShown = false;
    ModalScript script;
    script.expect("frmBox", [&](Form& b) {
        returnedWhenShown = returned;
        b.Hide();
    });
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*ok));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    returned = true;
    QCoreApplication::processEvents();
    script.verifyDone();
    EXPECT_TRUE(returnedWhenShown) << "the tool's call came back before the box was answered";
    box.Unload();
}

TEST_F(FormsAccess, APictureBoxIsAPaneWhereTheFocusRestsAndAButtonWhenItActs) {
    PictureBox* picture = nullptr;
    f.Unload();
    f.design = [&](TestForm& t) {
        picture = t.add<PictureBox>("PictureMain");
        picture->Move(10, 10, 40, 40);
        picture->SetAccessibleName("Help window");
    };
    f.Show();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*picture));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Pane);
    EXPECT_EQ(a->text(QAccessible::Name), "Help window");
    int clicked = 0;
    picture->Click = [&] { ++clicked; };
    EXPECT_EQ(a->role(), QAccessible::Button);
    ASSERT_TRUE(accessibleAction(*picture, QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(clicked, 1);
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

TEST(FormsAccessShowing, AFrameThatDrawsNothingIsNotShowingAndAPictureBoxSaysWhatItsPictureShows) {
    TestForm f{"frmShowing"};
    Frame *bare = nullptr, *boxed = nullptr;
    CommandButton* inside = nullptr;
    PictureBox* status = nullptr;
    f.design = [&](TestForm& t) {
        bare = t.add<Frame>("FrameBare");
        bare->Move(10, 10, 100, 40);
        bare->SetBorderStyle(0);
        inside = t.add<CommandButton>("CommandInside", bare);
        inside->Move(0, 0, 1200, 420);
        inside->SetCaption("Go");
        boxed = t.add<Frame>("FrameBoxed");
        boxed->Move(10, 60, 100, 40);
        boxed->SetCaption("Boxed");
        status = t.add<PictureBox>("PictureStatus");
        status->Move(120, 10, 20, 20);
        status->SetAccessibleName("Status");
    };
    f.Show();
    auto state = [](const Control& c) { return QAccessible::queryAccessibleInterface(WidgetOf(c))->state(); };
    auto description = [](const Control& c) {
        return QAccessible::queryAccessibleInterface(WidgetOf(c))->text(QAccessible::Description);
    };
    EXPECT_FALSE(state(*bare).invisible);
    inside->SetVisible(false);
    EXPECT_TRUE(state(*bare).invisible) << "nothing is drawn there";
    EXPECT_FALSE(state(*boxed).invisible) << "its border and caption are drawn";
    inside->SetVisible(true);
    EXPECT_FALSE(state(*bare).invisible);

    QPixmap dot(4, 4);
    dot.fill(Qt::green);
    status->SetPicture(Picture(dot, "Dot:1"));
    EXPECT_EQ(description(*status), "");
    status->SetPictureDescriptions({{"Dot:0", "At rest"}, {"Dot:1", "Ready"}});
    EXPECT_EQ(description(*status), "Ready");
    status->SetPicture(Picture(dot, "Dot:0"));
    EXPECT_EQ(description(*status), "At rest");
    status->SetPicture(Picture(dot, "Dot:2"));
    EXPECT_EQ(description(*status), "") << "a picture given no words has no description";
    f.Unload();
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

// A read-only box that shows a shortened form of its text holds the whole: it draws the short form,
// Tab reaches it while it holds a text, and there the keyboard copies the whole.
TEST(FormsAccessShowing, ABoxDrawsItsShortenedTextAndHoldsTheWhole) {
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi ? "several lines" : "one line");
        TestForm f{"frmShortened"};
        TextBox *plain = nullptr, *path = nullptr;
        CommandButton* ok = nullptr;
        f.design = [&](TestForm& t) {
            plain = t.add<TextBox>("TextPlain");
            path = t.add<TextBox>("TextPath");
            for (TextBox* b : {plain, path}) {
                b->SetMultiLine(multi);
                b->SetLocked(true);
                b->SetAccessibleName(b->Name());
            }
            plain->Move(10, 10, 200, multi ? 40 : 24);
            path->Move(10, 60, 200, multi ? 40 : 24);
            ok = t.add<CommandButton>("CommandOK");
            ok->Move(10, 110, 90, 30);
            ok->SetCaption("OK");
        };
        f.Show();
        const QString whole = QStringLiteral("/home/someone/a long folder name/the end/");
        const QString shortened = QStringLiteral("/home/…/the end/");
        plain->SetText(shortened);
        path->SetText(whole);
        path->SetShownText(shortened);
        path->SetReadStop(true);
        EXPECT_EQ(path->ShownText(), shortened);
        EXPECT_EQ(path->Text(), whole);
        // Drawn as the box that holds the short form draws it.
        WidgetOf(*ok)->setFocus();
        auto drawn = [](const TextBox* b) {
            return WidgetOf(*b)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        EXPECT_EQ(drawn(path), drawn(plain));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(WidgetOf(*path))->text(QAccessible::Value), whole);
        // Tab stops on it, not on the plain read-only box.
        EXPECT_EQ(tabCycle(*ok), (QStringList{"CommandOK", "TextPath"}));
        pressKey(f, Qt::Key_Tab);
        ASSERT_EQ(focused(f), path);
        pressKey(f, Qt::Key_A, Qt::ControlModifier);
        pressKey(f, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);
        EXPECT_EQ(path->Text(), whole) << "copying changes nothing";
        // A new text drops the short form; an empty box is no stop.
        path->SetText(QStringLiteral("/x/"));
        EXPECT_EQ(path->ShownText(), "/x/");
        path->SetText(QString());
        EXPECT_EQ(tabCycle(*ok), QStringList{"CommandOK"});
        f.Unload();
    }
}

}  // namespace
}  // namespace qv::test
