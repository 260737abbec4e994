// The button pictures of the three windows: which face each button carries normal, pressed and
// disabled, the status picture by state, and that the faces are real, distinct drawings.
#include <QAccessible>
#include <QFontMetrics>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "core/message.h"
#include "core/panel_calls.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

using ButtonPictures = WindowTest;

QString Id(int face) {
    return face < 0 ? QString() : QStringLiteral("AButton:%1").arg(face);
}

TEST_F(ButtonPictures, EveryButtonCarriesItsPressedAndDisabledFaces) {
    FrmMain& m = M();
    FrmRen& r = frmRen();
    FrmMove& d = frmMove();
    struct Row {
        CommandButton* button;
        int down, disabled;
    } rows[] = {
        {m.CommandGoToStart, 1, 2},
        {m.CommandGoodbye, 1, 2},
        {m.CommandRun, 1, 2},
        {m.CommandFileSize, 1, 2},
        {m.CommandClearSelection, 1, 2},
        {m.CommandResetAll, 1, 2},
        {m.CommandPreview, 1, 2},
        {m.CommandJob, 1, 2},
        {m.CommandUndo, 1, 2},
        {m.CommandSelection, 1, 2},
        {m.CommandRigidityCancel, 1, 2},
        {m.CommandRunOK, 1, 2},
        {m.CommandRunCancel, 1, -1},
        {m.CommandSelectionCancel, 1, -1},
        {m.CommandActionCancel, 1, -1},
        {m.CommandSingleProcess, 1, 2},
        {m.CommandSingleCancel, 1, -1},
        {m.CommandHelpAbout, 1, -1},
        {m.CommandHelpShow, 1, -1},
        {m.CommandViewInfo, 1, -1},
        {m.CommandViewChoice, 1, 2},
        {m.CommandChoiceSetPic, 1, 2},
        {m.CommandInfoHide, 1, 2},
        {m.CommandChoiceHide, 1, -1},
        {m.CommandPriorityHide, 1, -1},
        {r.CommandOK, 1, -1},
        {r.CommandCancel, 1, -1},
        {d.CommandActionMoveCreateNew, 1, -1},
        {d.CommandActionMoveCancel, 1, -1},
        {d.CommandActionMoveOK, 1, 2},
        {d.CommandActionMoveDefault, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button->Name().toStdString());
        EXPECT_EQ(row.button->DownPicture().id(), Id(row.down));
        EXPECT_EQ(row.button->DisabledPicture().id(), Id(row.disabled));
        EXPECT_FALSE(row.button->GetPicture().IsEmpty());
    }
}

TEST_F(ButtonPictures, NormalFacesAtStart) {
    FrmMain& m = M();
    struct Row {
        CommandButton* button;
        int face;
    } rows[] = {
        {m.CommandGoToStart, 0},
        {m.CommandFileSize, 8},
        {m.CommandClearAction, 9},
        {m.CommandResetAll, 9},
        {m.CommandUndo, 8},
        {m.CommandSelection, 0},
        {m.CommandHelp, 0},
        {m.CommandSingleCancel, 8},
        {m.CommandInfoHide, 7},
        {m.CommandChoiceHide, 7},
        {m.CommandHelpWebSite, 0},
        {frmRen().CommandOK, 0},
        {frmMove().CommandActionMoveRename, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button->Name().toStdString());
        EXPECT_EQ(row.button->GetPicture().id(), Id(row.face));
    }
}

TEST_F(ButtonPictures, DisabledButtonsShowTheDisabledFaceAndTheOthersTheirOwn) {
    OpenWork({"a.txt"});
    int disabled = 0;
    for (Form* f : std::initializer_list<Form*>{&M(), &frmRen(), &frmMove()}) {
        for (const auto& c : f->Controls()) {
            auto* b = dynamic_cast<CommandButton*>(c.get());
            if (!b)
                continue;
            SCOPED_TRACE(b->Name().toStdString());
            if (!b->Enabled() && !b->DisabledPicture().IsEmpty()) {
                ++disabled;
                EXPECT_EQ(b->ShownPicture().id(), "AButton:2");
            } else {
                EXPECT_EQ(b->ShownPicture().id(), b->GetPicture().id());
            }
        }
    }
    EXPECT_GT(disabled, 5);
}

TEST_F(ButtonPictures, FacesAreDistinctDrawingsOfTheHolder) {
    FrmBut& holder = frmBut();
    ASSERT_TRUE(holder.Loaded());
    QSet<qint64> seen;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Picture p = holder.AButton[i]->GetPicture();
        ASSERT_FALSE(p.IsEmpty());
        EXPECT_EQ(p.id(), Id(i));
        EXPECT_GE(p.pixmap().width(), 90);
        EXPECT_FALSE(isBlank(p.pixmap().toImage()));
        seen.insert(p.pixmap().toImage().cacheKey());
    }
    EXPECT_EQ(seen.size(), 10);
    for (ControlArray<Image> FrmBut::*array : {&FrmBut::ImageBack, &FrmBut::ImageForward, &FrmBut::ImageHelp})
        for (Image* i : (holder.*array).items())
            EXPECT_FALSE(i->GetPicture().IsEmpty()) << i->Name().toStdString();
    for (int i : {0, 1, 3, 4}) EXPECT_FALSE(holder.ImageShow[i]->GetPicture().IsEmpty());
    EXPECT_EQ(holder.ImageUser->GetPicture().id(), "ImageUser:default");
}

TEST_F(ButtonPictures, StatusPictureFollowsTheState) {
    // What a screen reader reads besides the name: the state the picture shows.
    auto said = [this] {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(*M().PictureStatus));
        return a ? a->text(QAccessible::Name) + QStringLiteral(": ") + a->text(QAccessible::Description)
                 : QString();
    };
    OpenWork({"a.txt"});
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:0");
    EXPECT_EQ(said(), "Status: Nothing set yet");
    SelectByHand({"a.txt"});
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:1");
    EXPECT_EQ(said(), "Status: Ready: settings in effect");
    CommitAction(6);
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:3");
    EXPECT_EQ(said(), "Status: Warning: Delete is the action or system folders are allowed");
    S.ReviewModePending = 1;
    CommitAction(0);
    EXPECT_EQ(pictureId(*M().PictureStatus), "ImageShow:4");
    EXPECT_EQ(said(), "Status: Review mode is on");
}

TEST_F(ButtonPictures, HistoryArrowsTakeTheirPictures) {
    EXPECT_EQ(pictureId(*M().ImageGoBack), "ImageBack:2");
    EXPECT_EQ(pictureId(*M().ImageGoForward), "ImageForward:2");
    OpenWork({"a.txt"});
    EXPECT_EQ(pictureId(*M().ImageGoBack), "ImageBack:0");
    ASSERT_TRUE(click(*M().ImageGoBack));
    EXPECT_EQ(pictureId(*M().ImageGoForward), "ImageForward:0");
}

TEST_F(ButtonPictures, LittleHelpOpensAtStartWhenAskedFor) {
    for (bool atStart : {false, true}) {
        SCOPED_TRACE(atStart);
        S.HelpAtStart = atStart;
        S.FirstStart = false;
        S.FrameKey.clear();
        SetButPictures();
        EXPECT_EQ(M().FrameInfo->Visible(), atStart);
        EXPECT_EQ(M().FrameView->Visible(), !atStart);
    }
}

// The caption written on a picture button's face is as wide as the face allows: each word whole.
TEST_F(ButtonPictures, EveryJobCaptionFitsOnItsFace) {
    for (int action = 0; action < 8; ++action) {
        CommitAction(action);
        for (Label* face : {M().LabelJob, M().LabelSingleProcess}) {
            SCOPED_TRACE(caption(*face).toStdString());
            const QFontMetrics fm = WidgetOf(*face)->fontMetrics();
            for (const QString& word : caption(*face).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_LE(fm.horizontalAdvance(word), WidgetOf(*face)->width()) << word.toStdString();
        }
    }
}

// Relative luminance of a colour as drawn on screen, and the contrast of two such colours.
double Luminance(QColor c) {
    auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of a caption colour against the face, over the face inside its border.
double LowestContrast(const Picture& face, QColor caption) {
    const QImage image = face.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    double lowest = 100;
    const int w = image.width(), h = image.height();
    for (int y = h / 8; y < h - h / 8; ++y)
        for (int x = w / 16; x < w - w / 16; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255)
                lowest = std::min(lowest, Contrast(pixel, caption));
        }
    return lowest;
}

// Every caption a user can press reads at 4.5:1 or more on its face, normal and pressed, in every
// state that colours the job buttons' captions.
TEST_F(ButtonPictures, EveryCaptionReadsClearlyOnItsFace) {
    OpenWork({"a.txt", "b.txt"});
    auto check = [this](const char* state) {
        SCOPED_TRACE(state);
        for (const auto& owned : M().Controls()) {
            if (owned->Kind() != ControlKind::CommandButton || !owned->EffectivelyVisible() ||
                !owned->EffectivelyEnabled())
                continue;
            auto* button = static_cast<CommandButton*>(owned.get());
            // The caption is the button's own text or a label lying on its face.
            QColor colour = WidgetOf(*button)->palette().color(QPalette::Active, QPalette::ButtonText);
            const QRect place(button->Left(), button->Top(), button->Width(), button->Height());
            for (const auto& other : M().Controls())
                if (auto* label = dynamic_cast<Label*>(other.get());
                    label && label->Transparent() && label->Visible() &&
                    label->Container() == button->Container() &&
                    place.contains(QRect(label->Left(), label->Top(), label->Width(), label->Height())))
                    colour = ToQColor(label->ForeColor());
            for (const Picture& face : {button->ShownPicture(), button->DownPicture()}) {
                if (face.IsEmpty())
                    continue;
                EXPECT_GE(LowestContrast(face, colour), 4.5)
                    << controlName(*button).toStdString() << " on " << face.id().toStdString() << " in "
                    << colour.name().toStdString();
            }
        }
    };
    check("at rest");
    SelectByHand({"a.txt"});
    InsertAtStart("x");
    RenameSet();
    ASSERT_TRUE(M().CommandPreview->EffectivelyEnabled());
    check("ready to preview");
    ASSERT_TRUE(click(*M().CommandPreview));
    ASSERT_TRUE(M().CommandJob->EffectivelyEnabled());
    WidgetOf(*M().CommandJob)->setFocus();
    check("ready to rename, the job button in the focus");
    ASSERT_TRUE(click(*M().CommandReject));
    CommitAction(6);
    check("Delete committed");
    S.ReviewModePending = 1;
    CommitAction(0);
    check("review mode");
    ASSERT_TRUE(click(*M().CommandPreview));
    check("review mode, previewed");
    ASSERT_TRUE(click(*M().CommandReject));
    S.ReviewModePending = 0;
    CommitAction(0);
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    ASSERT_TRUE(type(*M().TextSingleProcessName, "z"));
    ASSERT_TRUE(M().CommandSingleProcess->EffectivelyEnabled());
    check("Easy Process ready");
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    ASSERT_TRUE(click(*M().CommandRigidity));
    check("a panel open");
}

// A box that offers only OK shows its Cancel as one that cannot be pressed.
TEST_F(ButtonPictures, TheMessageBoxShowsItsDisabledButtonDisabled) {
    ModalScript script;
    script.expect(kMessageBox, [](Form&) {
        auto& cancel = ctlAs<CommandButton>(kMessageBox, "CommandCancel");
        EXPECT_EQ(cancel.ShownPicture().id(), Id(2));
        EXPECT_FALSE(ctl(kMessageBox, "LabelCancel").EffectivelyEnabled());
        EXPECT_EQ(ctlAs<CommandButton>(kMessageBox, "CommandOK").ShownPicture().id(), Id(0));
        EXPECT_TRUE(ctl(kMessageBox, "LabelOK").EffectivelyEnabled());
        click(ctl(kMessageBox, "CommandOK"));
    });
    S.MessageKey = QStringLiteral("MessageDriveNotReady");
    MessageShowWork();
    script.verifyDone();
}

TEST_F(ButtonPictures, PictureButtonsAreNamedByTheirFaces) {
    OpenWork({"a.txt"});
    EXPECT_EQ(M().CommandSingleProcess->AccessibleName(), caption(*M().LabelSingleProcess));
    EXPECT_EQ(M().CommandInfoHide->AccessibleName(), "Hide");
    EXPECT_TRUE(unnamedControls(M()).isEmpty()) << unnamedControls(M()).join(", ").toStdString();
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    ASSERT_TRUE(clickFile(*M().File2, "a.txt"));
    EXPECT_TRUE(unnamedControls(M()).isEmpty()) << unnamedControls(M()).join(", ").toStdString();
    ASSERT_TRUE(click(*M().CheckEasyProcess));
    ASSERT_TRUE(click(*M().CommandHelp));
    EXPECT_TRUE(unnamedControls(M()).isEmpty()) << unnamedControls(M()).join(", ").toStdString();
}

}  // namespace
}  // namespace qv::test
