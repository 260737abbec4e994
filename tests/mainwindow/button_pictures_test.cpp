// The button pictures of the three windows: which face each button carries normal, pressed and
// disabled, the status picture by state, and that the faces are real, distinct drawings.
#include <QAccessible>
#include <QFontMetrics>
#include <QSet>
#include <QWidget>

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
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(M().PictureStatus->Widget());
        return a ? a->text(QAccessible::Name) + QStringLiteral(": ") + a->text(QAccessible::Description) : QString();
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
            const QFontMetrics fm = face->Widget()->fontMetrics();
            for (const QString& word : caption(*face).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_LE(fm.horizontalAdvance(word), face->Widget()->width()) << word.toStdString();
        }
    }
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
