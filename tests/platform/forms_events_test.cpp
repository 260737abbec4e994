// Which writes and which user actions run which handlers, and how often.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>

#include "platform/services.h"
#include "support/harness.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

class FormsEvents : public ::testing::Test {
  protected:
    TestForm f;
    void TearDown() override {
        if (f.Loaded())
            f.Unload();
    }
};

TEST_F(FormsEvents, TextBoxChangeRunsOncePerRealChangeAndMayReenter) {
    TextBox* box = nullptr;
    f.design = [&](TestForm& t) {
        box = t.add<TextBox>("TextName");
        box->Move(10, 10, 200, 24);
    };
    f.Show();
    int changes = 0;
    box->Change = [&] { ++changes; };
    box->SetText("abc");
    EXPECT_EQ(changes, 1);
    box->SetText("abc");
    EXPECT_EQ(changes, 1) << "an unchanged write fires nothing";
    EXPECT_EQ(static_cast<QLineEdit*>(WidgetOf(*box))->text(), "abc");
    box->SetText("");
    EXPECT_EQ(changes, 2);

    // A handler that rewrites the text runs again, inside itself, before the first write returns.
    std::vector<QString> seen;
    box->Change = [&] {
        seen.push_back(box->Text());
        box->SetText(box->Text().toUpper());
    };
    box->SetText("mixed");
    EXPECT_EQ(seen, (std::vector<QString>{"mixed", "MIXED"}));
    EXPECT_EQ(box->Text(), "MIXED");

    // Visible, Enabled, colours, MaxLength and positions fire nothing.
    changes = 0;
    box->Change = [&] { ++changes; };
    box->SetVisible(false);
    box->SetVisible(true);
    box->SetEnabled(false);
    box->SetEnabled(true);
    box->SetBackColor(0xE0E0E0);
    box->SetMaxLength(3);
    box->Move(5, 5, 100, 20);
    EXPECT_EQ(changes, 0);
    // Code may write past MaxLength; only the user is limited.
    box->SetText("longer than three");
    EXPECT_EQ(box->Text(), "longer than three");
}

TEST_F(FormsEvents, TypedKeysPassKeyPressWhichMayDropOrReplaceThem) {
    TextBox* box = nullptr;
    f.design = [&](TestForm& t) {
        box = t.add<TextBox>("TextInput0");
        box->Move(10, 10, 200, 24);
    };
    f.Show();
    std::vector<int> keys;
    int changes = 0;
    box->KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k >= '0' && k <= '9')
            k = 0;  // digits dropped
        if (k == 'x')
            k = 'y';  // x becomes y
        if (k == 13)
            k = 13;  // Enter passes but inserts nothing
    };
    box->Change = [&] { ++changes; };
    ASSERT_TRUE(type(*box, "a1x2b"));
    EXPECT_EQ(box->Text(), "ayb");
    EXPECT_EQ(keys, (std::vector<int>{'a', '1', 'x', '2', 'b'}));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(static_cast<QLineEdit*>(WidgetOf(*box))->text(), "ayb");

    keys.clear();
    ASSERT_TRUE(key(*box, 13));
    EXPECT_EQ(keys, std::vector<int>{13});
    EXPECT_EQ(box->Text(), "ayb");
    EXPECT_EQ(changes, 3);

    ASSERT_TRUE(key(*box, 8));
    EXPECT_EQ(keys.back(), 8);
    EXPECT_EQ(box->Text(), "ay");
    EXPECT_EQ(changes, 4);

    // Backspace itself can be dropped.
    box->KeyPress = [&](int& k) { k = (k == 8) ? 0 : k; };
    ASSERT_TRUE(key(*box, 8));
    EXPECT_EQ(box->Text(), "ay");
    EXPECT_EQ(changes, 4);

    // MaxLength stops typing, but KeyPress still sees every key.
    keys.clear();
    box->KeyPress = [&](int& k) { keys.push_back(k); };
    box->SetMaxLength(4);
    ASSERT_TRUE(type(*box, "cdef"));
    EXPECT_EQ(box->Text(), "aycd");
    EXPECT_EQ(keys.size(), 4u);
    EXPECT_EQ(changes, 6);

    // Locked boxes take no typing.
    box->SetMaxLength(0);
    box->SetLocked(true);
    ASSERT_TRUE(type(*box, "zz"));
    EXPECT_EQ(box->Text(), "aycd");
}

TEST_F(FormsEvents, PasteArrivesAsOneChangeWithoutKeyPress) {
    TextBox* box = nullptr;
    f.design = [&](TestForm& t) {
        box = t.add<TextBox>("TextPaste");
        box->Move(10, 10, 200, 24);
    };
    f.Show();
    int keys = 0, changes = 0;
    box->KeyPress = [&](int& k) {
        ++keys;
        k = 0;  // would drop every typed key
    };
    box->Change = [&] { ++changes; };
    ASSERT_TRUE(paste(*box, "hello world"));
    EXPECT_EQ(box->Text(), "hello world");
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(changes, 1);

    box->SetText("ab");
    changes = 0;
    box->SetMaxLength(6);
    static_cast<QLineEdit*>(WidgetOf(*box))->setCursorPosition(2);
    ASSERT_TRUE(paste(*box, "cdefgh"));
    EXPECT_EQ(box->Text(), "abcdef") << "MaxLength limits pasting too";
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(paste(*box, "more"));
    EXPECT_EQ(changes, 1) << "nothing fits: no change, no event";

    // A single-line box keeps the first line of what is pasted.
    box->SetMaxLength(0);
    box->SetText("");
    ASSERT_TRUE(paste(*box, "first\nsecond"));
    EXPECT_EQ(box->Text(), "first");
}

TEST_F(FormsEvents, HandlerThatUnloadsItsFormEndsTheUserActionSafely) {
    TextBox* box = nullptr;
    CommandButton* ok = nullptr;
    f.design = [&](TestForm& t) {
        box = t.add<TextBox>("TextInput0");
        box->Move(10, 10, 200, 24);
        ok = t.add<CommandButton>("CommandOK");
        ok->Move(10, 50, 80, 24);
    };
    f.Show();
    std::vector<int> keys;
    box->KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k == 13)
            f.Unload();
    };
    QPointer<QWidget> window = WindowOf(f);
    type(*box, "ab\rcd");
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(keys, (std::vector<int>{'a', 'b', 13})) << "typing stops once the box is gone";
    EXPECT_FALSE(window.isNull()) << "unloaded inside the editor's own key event: left to the event loop";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    f.Show();
    window = WindowOf(f);
    int clicks = 0;
    ok->Click = [&] {
        ++clicks;
        f.Unload();
    };
    ASSERT_TRUE(click(*ok));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(f.Loaded());
    EXPECT_TRUE(f.Controls().empty());
    EXPECT_EQ(f.drops, 2);
    EXPECT_FALSE(window.isNull()) << "unloaded inside the button's own click";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    // The same handler run from code, with no widget event under it: the window goes at once.
    f.Show();
    window = WindowOf(f);
    ok->Click = [&] {
        ++clicks;
        f.Unload();
    };
    ok->UserClicks();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(f.Loaded());
    EXPECT_TRUE(window.isNull());

    // A handler that swaps a text box's editor while the old one's key event runs.
    f.Show();
    const QPointer<QWidget> single = WidgetOf(*box);
    box->KeyPress = [&](int& k) {
        if (k == 'm')
            box->SetMultiLine(true);
    };
    type(*box, "m");
    EXPECT_NE(WidgetOf(*box), single.data());
    EXPECT_FALSE(single.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(single.isNull());
    const QPointer<QWidget> multi = WidgetOf(*box);
    box->SetMultiLine(false);
    EXPECT_TRUE(multi.isNull()) << "swapped from code: the old editor goes at once";
}

TEST_F(FormsEvents, CheckBoxWritesAndClicksFireClickOnce) {
    CheckBox* check = nullptr;
    CheckBox* other = nullptr;
    f.design = [&](TestForm& t) {
        check = t.add<CheckBox>("CheckActionMode");
        check->Move(10, 10, 150, 20);
        other = t.add<CheckBox>("CheckOther");
        other->Move(10, 40, 150, 20);
    };
    f.Show();
    std::vector<QString> log;
    check->Click = [&] {
        log.push_back(QStringLiteral("check %1").arg(check->Value()));
        if (check->Value() == 1)
            other->SetValue(1);  // re-enters before this handler goes on
        log.push_back("check done");
    };
    other->Click = [&] { log.push_back(QStringLiteral("other %1").arg(other->Value())); };

    check->SetValue(1);
    EXPECT_EQ(log, (std::vector<QString>{"check 1", "other 1", "check done"}));
    log.clear();
    check->SetValue(1);
    EXPECT_TRUE(log.empty());
    check->SetValue(2);
    EXPECT_EQ(static_cast<QCheckBox*>(WidgetOf(*check))->checkState(), Qt::PartiallyChecked);
    log.clear();

    ASSERT_TRUE(click(*other));
    EXPECT_EQ(other->Value(), 0);
    EXPECT_EQ(log, std::vector<QString>{"other 0"});
    EXPECT_FALSE(static_cast<QCheckBox*>(WidgetOf(*other))->isChecked());
    log.clear();
    ASSERT_TRUE(click(*other));
    EXPECT_EQ(other->Value(), 1);
    EXPECT_EQ(log, std::vector<QString>{"other 1"});
    EXPECT_TRUE(static_cast<QCheckBox*>(WidgetOf(*other))->isChecked());
    EXPECT_EQ(value(*other), 1);

    EXPECT_THROW(check->SetValue(3), PlatformError);
}

TEST_F(FormsEvents, OptionButtonsAreExclusiveWithinTheirContainer) {
    Frame* frame = nullptr;
    ControlArray<OptionButton> inFrame;
    OptionButton* onForm = nullptr;
    f.design = [&](TestForm& t) {
        inFrame.clear();
        frame = t.add<Frame>("FrameSelection");
        frame->Move(10, 10, 200, 150);
        for (int i = 0; i < 3; ++i)
            t.addTo(inFrame, "OptionSelection", i, frame)->Move(150, 300 + i * 450, 2400, 300);
        onForm = t.add<OptionButton>("OptionOutside");
        onForm->Move(10, 180, 150, 20);
    };
    f.Show();
    std::vector<QString> clicks;
    for (OptionButton* o : inFrame.items())
        o->Click = [&clicks, o] { clicks.push_back(QString::number(o->Index())); };
    onForm->Click = [&] { clicks.push_back("outside"); };

    onForm->SetValue(true);
    inFrame[0]->SetValue(true);
    inFrame[1]->SetValue(true);
    EXPECT_EQ(clicks, (std::vector<QString>{"outside", "0", "1"}));
    EXPECT_FALSE(inFrame[0]->Value()) << "cleared without an event";
    EXPECT_TRUE(inFrame[1]->Value());
    EXPECT_TRUE(onForm->Value()) << "another container is another group";

    clicks.clear();
    inFrame[1]->SetValue(true);
    inFrame[0]->SetValue(false);
    inFrame[1]->SetValue(false);
    EXPECT_TRUE(clicks.empty()) << "unchanged and False writes fire nothing";
    EXPECT_FALSE(inFrame[1]->Value());

    ASSERT_TRUE(click(*inFrame[2]));
    ASSERT_TRUE(click(*inFrame[2]));
    EXPECT_EQ(clicks, std::vector<QString>{"2"}) << "a click on the chosen option changes nothing";
    EXPECT_TRUE(static_cast<QRadioButton*>(WidgetOf(*inFrame[2]))->isChecked());
    ASSERT_TRUE(click(*inFrame[0]));
    EXPECT_FALSE(static_cast<QRadioButton*>(WidgetOf(*inFrame[2]))->isChecked());
    EXPECT_EQ(value(*inFrame[0]), -1);
    EXPECT_EQ(value(*inFrame[2]), 0);
}

TEST_F(FormsEvents, ClicksReachOnlyUsableControls) {
    Frame* frame = nullptr;
    CommandButton* inside = nullptr;
    CommandButton* button = nullptr;
    Label* label = nullptr;
    Image* image = nullptr;
    PictureBox* picture = nullptr;
    f.design = [&](TestForm& t) {
        frame = t.add<Frame>("FrameAction");
        frame->Move(10, 10, 150, 100);
        inside = t.add<CommandButton>("CommandInside", frame);
        inside->Move(150, 300, 1200, 450);
        button = t.add<CommandButton>("CommandPreview");
        button->Move(170, 10, 80, 24);
        label = t.add<Label>("LabelInfo");
        label->Move(170, 40, 80, 20);
        image = t.add<Image>("ImageGoBack");
        image->SetStretch(true);
        image->Move(170, 70, 30, 30);
        picture = t.add<PictureBox>("PictureMain");
        picture->Move(210, 70, 40, 40);
    };
    f.Show();
    std::vector<QString> log;
    inside->Click = [&] { log.push_back("inside"); };
    button->Click = [&] { log.push_back("button"); };
    label->Click = [&] { log.push_back("label"); };
    image->MouseDown = [&](int b) { log.push_back(QStringLiteral("down %1").arg(b)); };
    image->MouseUp = [&](int b) { log.push_back(QStringLiteral("up %1").arg(b)); };
    image->Click = [&] { log.push_back("image"); };
    picture->Click = [&] { log.push_back("picture"); };

    EXPECT_TRUE(click(*inside));
    EXPECT_TRUE(click(*button));
    EXPECT_TRUE(click(*label));
    EXPECT_TRUE(click(*image));
    EXPECT_TRUE(click(*picture));
    EXPECT_EQ(log, (std::vector<QString>{"inside", "button", "label", "down 1", "up 1", "image", "picture"}));

    log.clear();
    frame->SetEnabled(false);
    EXPECT_NONFATAL_FAILURE(click(*inside), "container");
    EXPECT_TRUE(inside->Enabled());
    EXPECT_FALSE(inside->EffectivelyEnabled());
    frame->SetEnabled(true);
    frame->SetVisible(false);
    EXPECT_NONFATAL_FAILURE(click(*inside), "hidden");
    EXPECT_FALSE(shownOnScreen(*inside));
    button->SetEnabled(false);
    EXPECT_NONFATAL_FAILURE(click(*button), "disabled");
    button->SetEnabled(true);
    f.Hide();
    EXPECT_NONFATAL_FAILURE(click(*button), "hidden");
    EXPECT_TRUE(log.empty());
    // The control's own user path refuses as well.
    button->UserClicks();
    EXPECT_TRUE(log.empty());
}

TEST_F(FormsEvents, ListWritesAndChoicesFireClickOnce) {
    ComboBox* combo = nullptr;
    ListBox* list = nullptr;
    ListBox* multi = nullptr;
    f.design = [&](TestForm& t) {
        combo = t.add<ComboBox>("ComboPriority1st");
        combo->Move(10, 10, 120, 24);
        list = t.add<ListBox>("List1");
        list->Move(10, 40, 120, 100);
        multi = t.add<ListBox>("ListMulti");
        multi->SetMultiSelect(2);
        multi->Move(140, 40, 120, 100);
    };
    f.Show();
    int comboClicks = 0, listClicks = 0, multiClicks = 0;
    combo->Click = [&] { ++comboClicks; };
    list->Click = [&] { ++listClicks; };
    multi->Click = [&] { ++multiClicks; };
    for (const char* s : {"Insert", "Replace", "Remove"}) {
        combo->AddItem(s);
        list->AddItem(s);
        multi->AddItem(s);
    }
    EXPECT_EQ(comboClicks + listClicks + multiClicks, 0) << "adding items fires nothing";
    EXPECT_EQ(items(*combo), (QStringList{"Insert", "Replace", "Remove"}));

    combo->SetListIndex(1);
    combo->SetListIndex(1);
    EXPECT_EQ(comboClicks, 1);
    EXPECT_EQ(combo->Text(), "Replace");
    EXPECT_EQ(static_cast<QComboBox*>(WidgetOf(*combo))->currentIndex(), 1);
    ASSERT_TRUE(choose(*combo, "Remove"));
    EXPECT_EQ(comboClicks, 2);
    EXPECT_EQ(combo->ListIndex(), 2);
    combo->AddItem("First", 0);
    EXPECT_EQ(combo->ListIndex(), 3) << "the chosen entry stays chosen";
    EXPECT_EQ(combo->Text(), "Remove");
    combo->RemoveItem(3);
    EXPECT_EQ(combo->ListIndex(), -1);
    combo->Clear();
    EXPECT_EQ(combo->ListCount(), 0);
    EXPECT_EQ(comboClicks, 2);
    EXPECT_THROW(combo->SetListIndex(0), PlatformError);

    ASSERT_TRUE(choose(*list, 2));
    EXPECT_EQ(listClicks, 1);
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_TRUE(list->Selected(2));
    ASSERT_TRUE(choose(*list, 2));
    EXPECT_EQ(listClicks, 1) << "the same entry again changes nothing";
    list->SetListIndex(-1);
    EXPECT_EQ(listClicks, 2);
    EXPECT_TRUE(static_cast<QListWidget*>(WidgetOf(*list))->selectedItems().isEmpty());

    multi->SetSelected(0, true);
    multi->SetSelected(2, true);
    multi->SetSelected(2, true);
    EXPECT_EQ(multiClicks, 2);
    EXPECT_EQ(multi->SelCount(), 2);
    ASSERT_TRUE(choose(*multi, 1));
    EXPECT_EQ(multiClicks, 3);
    EXPECT_FALSE(multi->Selected(0));
    EXPECT_TRUE(multi->Selected(1));
    EXPECT_EQ(multi->SelCount(), 1);
}

}  // namespace
}  // namespace qv::test
