// The help window and its message box on every page and in every mock-up state: every text whole and
// every control inside its window, at the default font and a larger one; and on the smallest screen
// the help accepts, the window and the box fit.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "help/help_startup.h"
#include "help_fixture.h"
#include "support/harness_layout.h"

namespace qv::test {
namespace {

using help::FrmMain;

struct View {
    QString name;
    std::function<void(FrmMain&)> open;
};

void Topic(FrmMain& m, int topic) {
    if (!m.FrameTopic->Visible())
        click(*m.CommandTopic);
    click(*m.OptionTopic[topic]);
}

void MainButton(FrmMain& m, int index) {
    Topic(m, 5);
    click(*m.CommandMain[index]);
}

std::vector<View> Views() {
    std::vector<View> views;
    views.push_back({"start page", [](FrmMain&) {}});
    // Every page of every topic, walked with Continue.
    for (int topic = 1; topic < help::kTopicSlots; ++topic) {
        if (!help::IsTopic(topic))
            continue;
        for (int page = 0; page < 6; ++page)
            views.push_back({QStringLiteral("topic %1 page %2").arg(topic).arg(page), [topic, page](FrmMain& m) {
                                 Topic(m, topic);
                                 for (int i = 0; i < page && m.FrameGo->Visible() && m.ImageGoContinue->Enabled(); ++i)
                                     click(*m.ImageGoContinue);
                             }});
    }
    // The Main Buttons sub-pages, as the mock-up's controls show them.
    for (int n = 1; n <= help::kMainButtonSubPages; ++n)
        views.push_back({QStringLiteral("main buttons sub-page %1").arg(n), [n](FrmMain& m) {
                             Topic(m, 5);
                             m.ShowPage(help::ButtonPage(n));
                         }});
    for (int i = 0; i <= 6; ++i)
        views.push_back({QStringLiteral("main button %1").arg(i), [i](FrmMain& m) { MainButton(m, i); }});
    for (int i = 1; i <= 3; ++i)
        views.push_back({QStringLiteral("selection %1").arg(i), [i](FrmMain& m) {
                             MainButton(m, 0);
                             click(*m.OptionSelection[i]);
                             if (i == 1)
                                 click(*m.OptionSelectionNum[1]);
                         }});
    for (int i = 0; i <= 7; ++i)
        views.push_back({QStringLiteral("action %1").arg(i), [i](FrmMain& m) {
                             MainButton(m, 1);
                             click(*m.OptionAction[i]);
                         }});
    for (int place = 1; place <= 6; ++place)
        views.push_back({QStringLiteral("insert place %1").arg(place), [place](FrmMain& m) {
                             Topic(m, 7);
                             click(*m.CheckInsert);
                             choose(*m.ComboInsert, place);
                             if (place >= 3)
                                 type(place <= 4 ? *m.TextInsert[1] : *m.TextInsert[2], "12");
                             type(*m.TextInsert[0], "abc");
                             click(*m.CheckInsertAddSpace);
                         }});
    for (int mode = 1; mode <= 2; ++mode)
        for (int place : {1, 3, 6})
            views.push_back({QStringLiteral("auto %1 place %2").arg(mode).arg(place), [mode, place](FrmMain& m) {
                                 Topic(m, 7);
                                 click(*m.OptionAuto[mode]);
                                 choose(*m.ComboAuto, place);
                                 if (place >= 3)
                                     type(place <= 4 ? *m.TextAuto[1] : *m.TextAuto[2], "12");
                                 type(*m.TextAuto[0], "12");
                             }});
    views.push_back({"criteria summary", [](FrmMain& m) {
                         Topic(m, 7);
                         click(*m.CheckInsert);
                         choose(*m.ComboInsert, 6);
                         type(*m.TextInsert[2], "somewhere");
                         type(*m.TextInsert[0], "inserted");
                         click(*m.OptionAuto[1]);
                         choose(*m.ComboAuto, 4);
                         type(*m.TextAuto[1], "12");
                         type(*m.TextAuto[0], "12345");
                         click(*m.CommandRenOK[0]);
                     }});
    for (int view = 1; view <= 3; ++view)
        views.push_back({QStringLiteral("priority view %1").arg(view), [view](FrmMain& m) {
                             Topic(m, 8);
                             click(*m.ImageGoContinue);
                             click(*m.CommandView[view]);
                             if (view == 1)
                                 choose(*m.ComboPriority[0], 1);
                             if (view == 2)
                                 click(*m.CommandChoice[1]);
                         }});
    views.push_back({"priority duplicate", [](FrmMain& m) {
                         Topic(m, 8);
                         click(*m.ImageGoContinue);
                         click(*m.CommandView[1]);
                         choose(*m.ComboPriority[0], 1);
                         choose(*m.ComboPriority[2], 1);
                     }});
    views.push_back({"priority put away", [](FrmMain& m) {
                         Topic(m, 8);
                         click(*m.ImageGoContinue);
                         m.FramePriority[0]->SetVisible(false);
                         m.FramePriority[4]->SetVisible(true);
                     }});
    views.push_back({"easy process ready", [](FrmMain& m) {
                         Topic(m, 9);
                         click(*m.CheckEasyProcess);
                         click(*m.LabelEasyFile[2]);
                         type(*m.TextEasy[0], "x");
                     }});
    return views;
}

class HelpFit : public HelpTest {
  protected:
    void SetUp() override {
        HelpTest::SetUp();
        // The crowded case: Quorvan found, a user with a name.
        help::HS.ParentFound = true;
        help::HS.ProfileNickName = QStringLiteral("Mira");
        help::HS.ParentExePath = QStringLiteral("/home/mira/programs/file-tools/renaming/batch-renamers/quorvan-version-1.1.2/quorvan");
    }
    void Open() {
        UnloadEveryForm();
        FrmMain& m = help::frmMain();
        m.Load();
        help::StartHelpWindow();
        m.Show();
    }
};

TEST_F(HelpFit, EveryPageAndMockupShowsWholeAtEitherFont) {
    const std::vector<View> views = Views();
    // The default font and a larger one on a roomy screen; and the smallest screen, where the window
    // takes its layout and its font down to fit.
    const struct {
        double factor;
        int width, height;
    } setups[] = {{1.0, 1280, 1024}, {1.25, 1280, 1024}, {1.0, 767, 567}, {1.25, 767, 567}};
    for (const auto& setup : setups) {
        ScopedAppFont font(setup.factor);
        system_->screenWidthTwips = setup.width * 15;
        system_->screenHeightTwips = setup.height * 15;
        for (const View& v : views) {
            SCOPED_TRACE(QStringLiteral("%1 at font x%2 on %3 x %4")
                             .arg(v.name)
                             .arg(setup.factor)
                             .arg(setup.width)
                             .arg(setup.height)
                             .toStdString());
            Open();
            v.open(help::frmMain());
            EXPECT_EQ(cutTexts(help::frmMain()), QStringList());
            EXPECT_EQ(coveredTexts(help::frmMain()), QStringList());
            EXPECT_EQ(shortenedWithoutEllipsis(help::frmMain()), QStringList());
            EXPECT_EQ(controlsOutside(help::frmMain()), QStringList());
            // Every side of a frame is drawn at a fractional display scale.
            for (const double scale : {1.25, 1.5})
                EXPECT_EQ(bordersLost(help::frmMain(), scale), QStringList())
                    << "at a display scale of " << scale;
        }
    }
}

// What assistive tools are told of an open list's entries and of the drawings is where they are drawn:
// a tool clicking the middle of an entry picks it.
TEST_F(HelpFit, OpenListEntriesAndDrawingsReportWhereTheyAreDrawn) {
    Open();
    FrmMain& m = help::frmMain();
    Topic(m, 7);
    click(*m.OptionAuto[1]);
    choose(*m.ComboAuto, 1);
    for (ComboBox* list : {m.ComboAuto, m.ComboZeroAuto}) {
        SCOPED_TRACE(controlName(*list).toStdString());
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(*list));
        ASSERT_NE(combo, nullptr);
        combo->showPopup();
        QCoreApplication::processEvents();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(combo);
        QAccessibleInterface* entries = a ? a->child(0) : nullptr;
        ASSERT_NE(entries, nullptr);
        const QRect shown = entries->rect();
        ASSERT_GT(entries->childCount(), 0);
        for (int i = 0; i < entries->childCount(); ++i) {
            const QRect at = entries->child(i)->rect();
            EXPECT_TRUE(shown.contains(at))
                << i << ": " << at.x() << "," << at.y() << " " << at.width() << " x " << at.height() << " in "
                << shown.width() << " x " << shown.height();
        }
        combo->hidePopup();
    }
    // A drawing made for a screen of 1.5 device pixels to the pixel keeps its place.
    for (Image* drawing : m.ImageIntro.items()) {
        SCOPED_TRACE(drawing->Index());
        const QSize place = WidgetOf(*drawing)->size();
        QPixmap dense(place * 1.5);
        dense.fill(Qt::white);
        dense.setDevicePixelRatio(1.5);
        drawing->SetPicture(Picture(dense, QStringLiteral("dense")));
        EXPECT_EQ(WidgetOf(*drawing)->size(), place);
    }
    for (int frame : {1, 2, 6, 10}) {
        m.FrameIntro[frame]->SetVisible(true);
        EXPECT_EQ(controlsOutside(m), QStringList()) << frame;
        m.FrameIntro[frame]->SetVisible(false);
    }
}

// The layout does not follow a resize: a user cannot shrink the window until its frames are cut off.
TEST_F(HelpFit, KeepsTheSizeItIsLaidOutFor) {
    for (const double factor : {1.0, 1.25}) {
        SCOPED_TRACE(factor);
        ScopedAppFont font(factor);
        Open();
        FrmMain& m = help::frmMain();
        QWidget* w = WindowOf(m);
        const QSize laidOut(m.Width(), m.Height());
        EXPECT_EQ(w->minimumSize(), laidOut);
        EXPECT_EQ(w->maximumSize(), laidOut);
        w->resize(laidOut - QSize(100, 100));
        EXPECT_EQ(w->size(), laidOut);
        EXPECT_EQ(controlsOutside(m), QStringList());
    }
}

// The window with the title bar and borders a window manager adds, placed where the window is.
constexpr int kTitleBar = 30, kBorder = 4;

bool FitsScreen(Form& f, int width, int height) {
    const QRect outer(f.Left(), f.Top(), f.Width() + 2 * kBorder, f.Height() + kTitleBar + 2 * kBorder);
    return f.Left() >= 0 && f.Top() >= 0 && QRect(0, 0, width, height).contains(outer);
}

TEST_F(HelpFit, WindowAndMessageFitTheSmallestScreen) {
    system_->screenWidthTwips = 767 * 15;
    system_->screenHeightTwips = 567 * 15;
    Open();
    EXPECT_TRUE(FitsScreen(help::frmMain(), 767, 567)) << "window at " << help::frmMain().Left() << ","
                                                       << help::frmMain().Top() << " of "
                                                       << help::frmMain().Width() << " x "
                                                       << help::frmMain().Height();
    // The refusal on a screen too small is itself whole on that screen.
    system_->screenWidthTwips = 640 * 15;
    system_->screenHeightTwips = 480 * 15;
    ModalScript script;
    script.expect("frmMessage", [](Form& f) {
        EXPECT_TRUE(FitsScreen(f, 640, 480))
            << "box at " << f.Left() << "," << f.Top() << " of " << f.Width() << " x " << f.Height();
        EXPECT_EQ(cutTexts(f), QStringList());
        click(*static_cast<help::FrmMessage&>(f).ImageOK);
    });
    help::HM.MessageKey = QStringLiteral("MessageSmallScreen");
    help::ShowProgramMessage();
}

}  // namespace
}  // namespace qv::test
