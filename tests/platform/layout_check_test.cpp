// The layout checker the window tests rely on: it finds cut texts and stray controls, and passes
// what shows whole, so a window test that expects nothing from it can fail.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "support/harness.h"
#include "support/harness_layout.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

struct Shown {
    TestForm form;
    explicit Shown(std::function<void(TestForm&)> design) {
        form.design = std::move(design);
        form.Show();
    }
    ~Shown() { form.Unload(); }
};

const QString kLong = QStringLiteral("Copy and Rename the copies only");

TEST(LayoutCheck, FindsEachKindOfCutText) {
    Shown narrow([](TestForm& f) {
        f.add<Label>(QStringLiteral("LabelA"))->Move(0, 0, 30, 40);
        f.add<CheckBox>(QStringLiteral("CheckA"))->Move(0, 50, 40, 30);
        f.add<OptionButton>(QStringLiteral("OptionA"))->Move(0, 90, 40, 30);
        f.add<CommandButton>(QStringLiteral("CommandA"))->Move(0, 130, 40, 30);
        f.add<Frame>(QStringLiteral("FrameA"))->Move(100, 0, 40, 60);
        auto* combo = f.add<ComboBox>(QStringLiteral("ComboA"));
        combo->Move(100, 100, 60, 30);
        combo->AddItem(QStringLiteral("x"));
        combo->AddItem(kLong);
        for (auto* c : {f.Find(QStringLiteral("LabelA")), f.Find(QStringLiteral("CheckA")),
                        f.Find(QStringLiteral("OptionA")), f.Find(QStringLiteral("CommandA")),
                        f.Find(QStringLiteral("FrameA"))}) {
            if (auto* l = dynamic_cast<Label*>(c)) l->SetCaption(kLong);
            if (auto* k = dynamic_cast<CheckBox*>(c)) k->SetCaption(kLong);
            if (auto* o = dynamic_cast<OptionButton*>(c)) o->SetCaption(kLong);
            if (auto* b = dynamic_cast<CommandButton*>(c)) b->SetCaption(kLong);
            if (auto* r = dynamic_cast<Frame*>(c)) r->SetCaption(kLong);
        }
        // Its whole text told, but cut mid-letter where it shows.
        auto* told = f.add<Label>(QStringLiteral("LabelD"));
        told->Move(0, 170, 30, 30);
        told->SetCaption(kLong);
        told->SetToolTipText(kLong);
        WidgetOf(*told)->setAccessibleDescription(kLong);
    });
    const QStringList cut = cutTexts(narrow.form);
    EXPECT_EQ(cut.size(), 6) << cut.join(QLatin1Char('\n')).toStdString();
    for (const char* name : {"LabelA", "CheckA", "OptionA", "CommandA", "FrameA", "ComboA"})
        EXPECT_TRUE(cut.filter(QStringLiteral("frmTest.%1 ").arg(QLatin1String(name))).size() == 1) << name;
    const QStringList midLetter = shortenedWithoutEllipsis(narrow.form);
    EXPECT_EQ(midLetter.size(), 1) << midLetter.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(midLetter.filter(QStringLiteral("frmTest.LabelD ")).size(), 1);
}

TEST(LayoutCheck, PassesTextsThatShowWholeOrWrapOrTellTheirWhole) {
    Shown roomy([](TestForm& f) {
        auto* label = f.add<Label>(QStringLiteral("LabelA"));
        label->Move(0, 0, 300, 40);
        label->SetCaption(kLong);
        auto* wrapped = f.add<Label>(QStringLiteral("LabelB"));
        wrapped->SetWordWrap(true);
        wrapped->Move(0, 50, 120, 120);
        wrapped->SetCaption(kLong);
        auto* told = f.add<Label>(QStringLiteral("LabelC"));
        told->Move(0, 180, 30, 30);
        told->SetCaption(kLong);
        told->SetToolTipText(kLong);
        WidgetOf(*told)->setAccessibleDescription(kLong);
        // Shown shortened, as a control shows a text too long for it.
        auto* shown = qobject_cast<QLabel*>(WidgetOf(*told));
        shown->setText(shown->fontMetrics().elidedText(kLong, Qt::ElideRight, 30));
        auto* hidden = f.add<CheckBox>(QStringLiteral("CheckA"));
        hidden->Move(150, 0, 20, 20);
        hidden->SetCaption(kLong);
        hidden->SetVisible(false);
    });
    EXPECT_EQ(cutTexts(roomy.form), QStringList());
    EXPECT_EQ(shortenedWithoutEllipsis(roomy.form), QStringList());
}

TEST(LayoutCheck, AWrappedLabelTooShortOrAWordTooWideIsCut) {
    Shown tight([](TestForm& f) {
        auto* shortLabel = f.add<Label>(QStringLiteral("LabelA"));
        shortLabel->SetWordWrap(true);
        shortLabel->Move(0, 0, 120, 12);
        shortLabel->SetCaption(kLong);
        auto* narrowWord = f.add<Label>(QStringLiteral("LabelB"));
        narrowWord->SetWordWrap(true);
        narrowWord->Move(0, 50, 20, 200);
        narrowWord->SetCaption(QStringLiteral("Permanently"));
    });
    EXPECT_EQ(cutTexts(tight.form).size(), 2);
}

TEST(LayoutCheck, FindsControlsOutsideTheirContainerOrWindow) {
    Shown stray([](TestForm& f) {
        f.add<Label>(QStringLiteral("LabelIn"))->Move(10, 10, 50, 20);
        f.add<Label>(QStringLiteral("LabelOut"))->Move(300, 230, 50, 20);  // the form is 320 x 240
        auto* frame = f.add<Frame>(QStringLiteral("FrameA"));
        frame->Move(0, 100, 100, 100);
        f.add<Label>(QStringLiteral("LabelSticksOut"), frame)->Move(60 * kTwipsPerPixel, 0, 60 * kTwipsPerPixel, 300);
    });
    const QStringList outside = controlsOutside(stray.form);
    EXPECT_EQ(outside.filter(QStringLiteral("LabelOut")).size(), 1) << outside.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(outside.filter(QStringLiteral("LabelSticksOut")).size(), 1);
    EXPECT_EQ(outside.filter(QStringLiteral("LabelIn")).size(), 0);
}

TEST(LayoutCheck, AScaledFontMakesTextsLonger) {
    const int before = QFontMetrics(QApplication::font()).horizontalAdvance(kLong);
    {
        ScopedAppFont larger(1.25);
        EXPECT_GT(QFontMetrics(QApplication::font()).horizontalAdvance(kLong), before);
    }
    EXPECT_EQ(QFontMetrics(QApplication::font()).horizontalAdvance(kLong), before);
}

}  // namespace
}  // namespace qv::test
