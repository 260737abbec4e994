// Every window in each of its states, at the usual font and at larger ones, on a large screen and on
// the small ones the program accepts: no caption, option text, label or button face cut, no control
// outside its window, and every window with its frame on the screen. The main window's frames keep
// every side at a fractional display scale.
#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSize>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/message.h"
#include "core/panel_calls.h"
#include "support/harness_layout.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

// A user's way into one state of the windows; the form it leaves on show is the one measured.
struct Step {
    const char* name;
    std::function<Form&(FrmMain&)> act;
};

class LayoutFitTest : public WindowTest, public ::testing::WithParamInterface<Desktop> {
  protected:
    void SetUp() override {
        font_ = GetParam().points > 0
                    ? std::make_unique<ScopedAppFont>(ScopedAppFont::Points{GetParam().points})
                    : std::make_unique<ScopedAppFont>(GetParam().factor);
        screen_ = GetParam().screen;
        WindowTest::SetUp();
        OpenWork({"alpha.txt", "beta.txt"});
        M().Show();
    }
    void TearDown() override {
        WindowTest::TearDown();
        font_.reset();
    }

    static void Fits(Form& f, const char* state) {
        SCOPED_TRACE(state);
        EXPECT_EQ(cutTexts(f), QStringList{});
        EXPECT_EQ(shortenedWithoutEllipsis(f), QStringList{});
        EXPECT_EQ(controlsOutside(f), QStringList{});
        EXPECT_EQ(offScreen(f, GetParam().screen), QStringList{});
    }

    // The main window also keeps every side of its frames at a fractional display scale.
    static void FitsWhole(Form& f, const char* state) {
        Fits(f, state);
        SCOPED_TRACE(state);
        for (double scale : {1.25, 1.5})
            EXPECT_EQ(bordersLost(f, scale), QStringList{}) << "at a display scale of " << scale;
    }

    // The Run panel with two family programs, one of them with a long name.
    static void TwoFamilyPrograms(FrmMain& m) {
        S.RunListLast = 1;
        S.RunListNames = {QStringLiteral("Quorvan Sister Program With A Name Longer Than The Panel Is Wide"),
                          QStringLiteral("Kastrel")};
        m.FrameShowRun->SetVisible(true);
    }

    // The Little Help's lines end above its reset note and Hide.
    static void LinesClear(FrmMain& m, const char* state) {
        SCOPED_TRACE(state);
        const int bottomRow = std::min(WidgetOf(*m.LabelInfoReset)->y(), WidgetOf(*m.CommandInfoHide)->y());
        for (Label* line : {m.LabelInfo1, m.LabelInfo2, m.LabelInfo3, m.LabelInfo4})
            if (!caption(*line).isEmpty()) {
                EXPECT_LE(WidgetOf(*line)->geometry().bottom(), bottomRow) << caption(*line).toStdString();
            }
    }

    // What the box shows, which may be less than its text.
    // What the box draws while the user is not in it.
    static QString Shown(const TextBox& box) { return box.ShownText(); }
    // What the box's editor holds: what assistive tools read and the keyboard copies.
    static QString Held(const TextBox& box) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(WidgetOf(box)))
            return edit->toPlainText();
        if (auto* line = qobject_cast<QLineEdit*>(WidgetOf(box)))
            return line->text();
        return {};
    }

    // What the box shows, wrapped to its width, fits its height (one line for a one-line box).
    static bool WholeIn(const TextBox& box) {
        if (auto* line = qobject_cast<QLineEdit*>(WidgetOf(box)))
            return line->fontMetrics().horizontalAdvance(Shown(box)) <= line->width() - 8;
        auto* edit = qobject_cast<QPlainTextEdit*>(WidgetOf(box));
        if (!edit)
            return false;
        // Laid out as the box lays it out: its font, its way of wrapping, its width.
        QTextLayout layout(Shown(box), edit->font());
        QTextOption option;
        option.setWrapMode(edit->wordWrapMode());
        layout.setTextOption(option);
        const qreal margin = edit->document()->documentMargin();
        qreal height = 2 * margin;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(edit->viewport()->width() - 2 * margin);
            height += line.height();
        }
        layout.endLayout();
        return height <= edit->viewport()->height();
    }

    // A path too long for its box shows its end, the folder chosen, whole after an ellipsis; the
    // whole path is at hand.
    static void ShowsItsEnd(const TextBox& box, const QString& path, const QString& folder) {
        EXPECT_EQ(box.Text(), path);
        EXPECT_TRUE(WholeIn(box)) << Shown(box).toStdString();
        EXPECT_TRUE(Shown(box).endsWith(folder)) << Shown(box).toStdString();
        EXPECT_TRUE(Shown(box).contains(QChar(0x2026))) << Shown(box).toStdString();
        EXPECT_EQ(box.ToolTipText(), path);
        EXPECT_EQ(WidgetOf(box)->accessibleDescription(), path);
        // The box itself holds the whole path: it is read out whole, and the keyboard reaches it.
        EXPECT_EQ(Held(box), path);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(box));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Value), path);
        EXPECT_TRUE(readingOrder(*box.ParentForm()).contains(box.Name()));
    }

    std::unique_ptr<ScopedAppFont> font_;
};

TEST_P(LayoutFitTest, EveryStateOfTheMainWindowShowsItsTextsWhole) {
    FitsWhole(M(), "start");
    for (int kind = 0; kind < 4; ++kind) {
        click(*M().CommandSelection);
        click(*M().OptionSelection[kind]);
        if (kind == 1)
            click(*M().OptionSelectionNum[1]);
        FitsWhole(M(), qPrintable(QStringLiteral("File Selection, kind %1").arg(kind)));
        click(*M().CommandSelectionCancel);
    }
    for (int action = 0; action < 8; ++action) {
        click(*M().CommandAction);
        click(*M().OptionAction[action]);
        FitsWhole(M(), qPrintable(QStringLiteral("Action panel, action %1").arg(action)));
        // Shown shortened or not, a choice is read out whole.
        EXPECT_EQ(M().OptionAction[2]->AccessibleName(), caption(*M().OptionAction[2])) << action;
        click(*M().CommandActionCancel);
    }
    // Committed, the Delete warning and a long destination take the display frame.
    // The Delete warning shows whole in its box; a destination too long for it shows its end, and
    // the whole on demand.
    CommitAction(6);
    FitsWhole(M(), "Delete committed");
    EXPECT_TRUE(WholeIn(*M().TextActionDestination)) << text(*M().TextActionDestination).toStdString();
    EXPECT_EQ(Shown(*M().TextActionDestination), text(*M().TextActionDestination));
    dest_ = root_ + "/a destination folder with a long name/and another one below it/and one more";
    QDir().mkpath(dest_);
    CommitAction(2);
    FitsWhole(M(), "Copy and Rename committed");
    ShowsItsEnd(*M().TextActionDestination, dest_ + "/", QStringLiteral("/and one more/"));
    EXPECT_EQ(M().TextActionDestination->SelStart(), 0);
    CommitAction(0);

    click(*M().CommandRigidity);
    FitsWhole(M(), "Options");
    click(*M().CommandRigidityCancel);

    // The Little Help's longest texts: with each panel open and with the criteria dialog open.
    click(*M().CommandViewInfo);
    FitsWhole(M(), "Little Help");
    for (auto [open, close] : {std::pair{M().CommandSelection, M().CommandSelectionCancel},
                               std::pair{M().CommandAction, M().CommandActionCancel},
                               std::pair{M().CommandRigidity, M().CommandRigidityCancel},
                               std::pair{M().CommandHelp, M().CommandHelpCancel}}) {
        click(*open);
        FitsWhole(M(), qPrintable(QStringLiteral("Little Help with %1 open").arg(open->Name())));
        LinesClear(M(), qPrintable(open->Name()));
        click(*close);
    }
    click(*M().CommandRenameCriteria);
    ASSERT_TRUE(frmRen().Visible());
    FitsWhole(M(), "Little Help with the criteria dialog open");
    LinesClear(M(), "criteria dialog open");
    click(ctl(QStringLiteral("frmRen"), QStringLiteral("CommandCancel")));
    click(*M().CommandInfoHide);

    S.PriorityCount = 2;
    S.SetButKey = QStringLiteral("setButGlobal");
    SetButtons();
    click(*M().CommandViewPriority);
    FitsWhole(M(), "Priority");
    click(*M().CommandPriorityHide);

    click(*M().CommandViewChoice);
    FitsWhole(M(), "Choice");
    click(*M().CommandChoiceHide);

    // The user's picture under a caption longer than its frame: named by it, the whole at hand.
    const QString picture = root_ + "/me.png";
    QImage(180, 120, QImage::Format_RGB32).save(picture);
    S.UserPicPath = picture;
    S.UserPicCaption = QStringLiteral("The picture of the user with a caption longer than its frame");
    S.SetButKey = QStringLiteral("setButFrame");
    SetButtons();
    ASSERT_TRUE(M().FrameView->EffectivelyVisible());
    FitsWhole(M(), "user picture");
    EXPECT_EQ(M().FrameView->AccessibleName(), S.UserPicCaption);
    EXPECT_EQ(M().FrameView->ToolTipText(), S.UserPicCaption);

    click(*M().CommandHelp);
    FitsWhole(M(), "Help");
    click(*M().CommandHelpAbout);
    FitsWhole(M(), "Help and About");
    click(*M().CommandHelpCancel);

    TwoFamilyPrograms(M());
    click(*M().CommandRun);
    FitsWhole(M(), "Run");
    EXPECT_EQ(M().OptionRun[0]->AccessibleName(), S.RunListNames.value(0));
    click(*M().CommandRunCancel);

    click(*M().CheckEasyProcess);
    clickFile(*M().File2, "alpha.txt");
    FitsWhole(M(), "Easy Process");
    click(*M().CheckEasyProcess);

    // A criterion whose text is longer than the summary's line.
    InsertAtStart(QStringLiteral("a_text_to_insert_that_is_longer_than_the_summary_line_has_room_for_"));
    RenameSet();
    FitsWhole(M(), "criteria summary");
}

// The priority beside the criteria summary is sized by us: it shows each of its captions whole, not
// only on demand.
TEST_P(LayoutFitTest, ThePriorityBesideTheCriteriaShowsEachCaptionWhole) {
    S.PriorityCount = 2;
    S.SetButKey = QStringLiteral("setButGlobal");
    SetButtons();
    Frame& priority = *M().FramePriInfo;
    ASSERT_TRUE(priority.EffectivelyVisible());
    const std::pair<CommandButton*, const char*> ways[] = {
        {M().CommandViewInfo, "Priority : To access press Hide."},
        {M().CommandInfoHide, "Priority : To change press Priority."},
    };
    for (const auto& [button, shown] : ways) {
        click(*button);
        ASSERT_EQ(caption(priority), QLatin1String(shown));
        Fits(M(), shown);
        // Measured as if it did not tell its whole text on demand.
        priority.SetToolTipText(QString());
        WidgetOf(priority)->setAccessibleDescription(QString());
        EXPECT_EQ(cutTexts(M()).filter(QStringLiteral("FramePriInfo")), QStringList()) << shown;
    }
}

TEST_P(LayoutFitTest, TheFolderDialogInBothModesShowsItsTextsWhole) {
    click(*M().CommandAction);
    click(*M().OptionAction[4]);
    click(*M().CommandActionBrowse);
    ASSERT_TRUE(frmMove().Visible());
    Fits(frmMove(), "destination");
    // A folder deep down: the path box shows the folder chosen.
    const QString deep = root_ + "/a destination folder with a long name/and another one below it" +
                         "/and one more below that/and the folder chosen";
    QDir().mkpath(deep);
    frmMove().Dir1->SetPath(deep);
    Fits(frmMove(), "destination deep down");
    ShowsItsEnd(*frmMove().TextActionMovePath, deep + "/", QStringLiteral("/and the folder chosen/"));
    click(*frmMove().CommandActionMoveCreateNew);
    Fits(frmMove(), "destination, new folder");
    click(*frmMove().CommandActionMoveCancel);
    click(*M().CommandActionCancel);

    click(*M().CommandViewChoice);
    click(*M().CommandChoiceSetPic);
    ASSERT_TRUE(frmMove().Visible());
    Fits(frmMove(), "picture");
    click(*frmMove().CommandActionMoveCancel);
}

TEST_P(LayoutFitTest, TheMessageBoxShowsALongMessageWhole) {
    ModalScript script;
    script.expect(kMessageBox, [](Form& box) {
        Fits(box, "long message");
        // At the usual font it stays on the smallest screen where it is put.
        if (GetParam().factor == 1.0 && GetParam().screen == QSize(1280, 1024)) {
            EXPECT_LE(box.Left() + box.Width(), 763);
            EXPECT_LE(box.Top() + box.Height(), 540);
        }
        click(ctl(kMessageBox, "CommandCancel"));
    });
    S.MessageKey = QStringLiteral("MessageHelpShow");
    MessageShowWork();
    script.verifyDone();
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutFitTest,
                         ::testing::Values(Desktop{"Usual", 1.0, 0, {1280, 1024}},
                                           Desktop{"Larger", 1.25, 0, {1280, 1024}},
                                           Desktop{"UsualOnTheSmallestScreen", 1.0, 0, {767, 567}},
                                           Desktop{"Points12OnTheSmallestScreen", 0, 12, {767, 567}},
                                           Desktop{"Points12On1024x768", 0, 12, {1024, 768}},
                                           Desktop{"Points10On800x600", 0, 10, {800, 600}}),
                         [](const ::testing::TestParamInfo<Desktop>& info) {
                             return std::string(info.param.name);
                         });

class MainWindowSize : public WindowTest {};

// 767 x 567 pixels less the title bar and border a window manager adds.
TEST_F(MainWindowSize, FitsTheSmallestScreenAndKeepsItsSize) {
    const QWidget* w = WindowOf(M());
    EXPECT_LE(w->width(), 763);
    EXPECT_LE(w->height(), 540);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->size(), w->minimumSize());
}

}  // namespace
}  // namespace qv::test
