// Forms: load, show, unload and reload; focus; units, colours and pictures; modal forms.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/services.h"
#include "support/harness.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

TEST(FormsLifecycle, LoadUnloadAndReloadStartFromDesign) {
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    TestForm f;
    TextBox* box = nullptr;
    f.design = [&](TestForm& t) {
        box = t.add<TextBox>("TextName");
        box->SetText("design");
    };
    EXPECT_FALSE(f.Loaded());
    f.Load();
    f.Load();
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(f.designs, 1);
    EXPECT_EQ(f.loads, 1);
    EXPECT_FALSE(f.Visible()) << "Load leaves the form hidden";

    // A hidden form's controls are read and written like any others.
    int changes = 0;
    box->Change = [&] { ++changes; };
    box->SetText("typed while hidden");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(text(ctl("frmTest", "TextName")), "typed while hidden");

    f.Show();
    EXPECT_TRUE(f.Visible());
    f.Hide();
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Loaded());

    // The window and its widgets go at once: no event loop has to run for them.
    const QPointer<QWidget> window = WindowOf(f);
    const QPointer<QWidget> editor = WidgetOf(*box);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore + 1);
    EXPECT_TRUE(f.Unload());
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(f.unloadModes, std::vector<int>{1});
    EXPECT_EQ(f.unloads, 1);
    EXPECT_EQ(f.drops, 1);
    EXPECT_TRUE(f.Controls().empty());
    EXPECT_EQ(f.Find("TextName"), nullptr);

    f.Show();
    EXPECT_EQ(f.designs, 2);
    EXPECT_EQ(f.loads, 2);
    EXPECT_EQ(box->Text(), "design") << "a reload starts from the design state";
    f.Unload();
}

TEST(FormsLifecycle, QueryUnloadCancelsAndTheCloseButtonUsesModeZero) {
    TestForm f;
    f.cancelUnload = 1;
    f.Show();
    EXPECT_FALSE(f.Unload());
    EXPECT_TRUE(f.Loaded());
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.unloads, 0);
    EXPECT_FALSE(closeWindow(f));
    EXPECT_TRUE(f.Visible()) << "a cancelled close leaves the window up";
    EXPECT_EQ(f.unloadModes, (std::vector<int>{1, 0}));

    f.cancelUnload = 0;
    const QPointer<QWidget> window = WindowOf(f);
    EXPECT_TRUE(closeWindow(f));
    EXPECT_TRUE(window.isNull()) << "gone once the close event has returned";
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(f.unloadModes.back(), 0);
    EXPECT_EQ(f.unloads, 1);
}

TEST(FormsLifecycle, FormsAreFoundByNameWhileTheyLive) {
    QPointer<QWidget> window;
    {
        TestForm a(QStringLiteral("frmFindMe"));
        EXPECT_EQ(FindForm("frmFindMe"), &a);
        EXPECT_EQ(&form("frmFindMe"), &a);
        a.Show();
        window = WindowOf(a);
    }
    EXPECT_EQ(FindForm("frmFindMe"), nullptr);
    EXPECT_TRUE(window.isNull()) << "a form that ends loaded takes its window along";
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                form("frmFindMe");
            } catch (const HarnessError&) {
            }
        },
        "No form named frmFindMe");
}

TEST(FormsLifecycle, UnloadAllFormsUnloadsNewestFirstAndFollowsUp) {
    TestForm a(QStringLiteral("frmA")), b(QStringLiteral("frmB")), c(QStringLiteral("frmC")),
        d(QStringLiteral("frmD"));
    QStringList order;
    for (TestForm* t : {&a, &b, &c, &d}) t->onUnload = [&order](TestForm& self) { order << self.Name(); };
    c.onUnload = [&](TestForm& self) {
        order << self.Name();
        d.Load();  // an unload handler that loads another form
    };
    a.Load();
    c.Show();
    EXPECT_TRUE(UnloadAllForms());
    EXPECT_EQ(order, (QStringList{"frmC", "frmA", "frmD"}));
    for (TestForm* t : {&a, &b, &c, &d}) EXPECT_FALSE(t->Loaded()) << t->Name().toStdString();
    EXPECT_EQ(b.unloads, 0) << "a form that is not loaded is not asked";

    // A refusal keeps its form and is reported; the others go.
    a.cancelUnload = 1;
    a.Load();
    b.Load();
    EXPECT_FALSE(UnloadAllForms());
    EXPECT_TRUE(a.Loaded());
    EXPECT_FALSE(b.Loaded());
    a.cancelUnload = 0;

    // An unload that throws does not stop the others; its exception comes out at the end.
    b.onUnload = [](TestForm&) { throw ProgramEnded{3}; };
    for (TestForm* t : {&b, &c, &d}) t->Load();
    try {
        UnloadAllForms();
        ADD_FAILURE() << "the exception was lost";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.code, 3);
    }
    EXPECT_FALSE(a.Loaded());
    EXPECT_FALSE(c.Loaded());
    EXPECT_FALSE(d.Loaded());
    EXPECT_TRUE(b.Loaded());
    b.onUnload = {};
    EXPECT_TRUE(UnloadAllForms());
    EXPECT_FALSE(b.Loaded());
}

TEST(FormsLifecycle, SetFocusIgnoresHiddenAndDisabledControls) {
    TestForm f;
    Frame* frame = nullptr;
    TextBox* inFrame = nullptr;
    TextBox* plain = nullptr;
    f.design = [&](TestForm& t) {
        frame = t.add<Frame>("FrameInput");
        frame->Move(10, 10, 200, 100);
        inFrame = t.add<TextBox>("TextInFrame", frame);
        inFrame->Move(150, 300, 1500, 300);
        plain = t.add<TextBox>("TextPlain");
        plain->Move(10, 150, 100, 20);
    };
    f.Load();
    plain->SetFocus();
    EXPECT_FALSE(plain->HasFocus()) << "the form is hidden";
    f.Show();
    plain->SetFocus();
    EXPECT_TRUE(plain->HasFocus());

    frame->SetEnabled(false);
    inFrame->SetFocus();
    EXPECT_FALSE(inFrame->HasFocus());
    EXPECT_TRUE(plain->HasFocus());
    frame->SetEnabled(true);
    frame->SetVisible(false);
    inFrame->SetFocus();
    EXPECT_FALSE(inFrame->HasFocus());
    frame->SetVisible(true);
    inFrame->SetEnabled(false);
    inFrame->SetFocus();
    EXPECT_FALSE(inFrame->HasFocus());
    inFrame->SetEnabled(true);
    inFrame->SetFocus();
    EXPECT_TRUE(inFrame->HasFocus());
    f.Unload();
}

TEST(FormsLifecycle, UnitsColoursAndPictures) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TestForm f;
    Frame* frame = nullptr;
    Label* inFrame = nullptr;
    Label* onForm = nullptr;
    CommandButton* button = nullptr;
    f.design = [&](TestForm& t) {
        frame = t.add<Frame>("FrameInfo");
        frame->Move(20, 30, 200, 100);
        inFrame = t.add<Label>("LabelInFrame", frame);
        inFrame->Move(150, 300, 1500, 450);
        onForm = t.add<Label>("LabelOnForm");
        onForm->Move(150, 300, 15, 45);
        button = t.add<CommandButton>("CommandOK");
        button->Move(240, 30, 60, 30);
    };
    f.Show();
    EXPECT_EQ(WidgetOf(*inFrame)->geometry(), QRect(10, 20, 100, 30)) << "twips inside a frame";
    EXPECT_EQ(WidgetOf(*onForm)->geometry(), QRect(150, 300, 15, 45)) << "pixels on the form";
    EXPECT_EQ(inFrame->Left(), 150) << "the control keeps the units it was given";

    onForm->SetBackColor(0x0000FF);
    onForm->SetForeColor(0xFF0000);
    EXPECT_EQ(shownBackColour(*onForm), QColor(255, 0, 0)) << "&HBBGGRR: red";
    EXPECT_EQ(shownForeColour(*onForm), QColor(0, 0, 255));
    onForm->SetForeColor(kSysWindowText);
    EXPECT_EQ(shownForeColour(*onForm), QGuiApplication::palette().color(QPalette::WindowText));
    EXPECT_EQ(ToQColor(kSysWindowBackground), QGuiApplication::palette().color(QPalette::Base));
    EXPECT_EQ(ToQColor(0x008000), QColor(0, 0x80, 0));

    // Pictures in the usual formats, identified by the path they came from.
    QImage red(8, 8, QImage::Format_RGB32), blue(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    const QString png = dir.filePath("up.png"), bmp = dir.filePath("down.bmp"), jpg = dir.filePath("off.jpg"),
                  gif = dir.filePath("gif.gif");
    ASSERT_TRUE(red.save(png));
    ASSERT_TRUE(blue.save(bmp));
    ASSERT_TRUE(blue.save(jpg));
    const Picture up = LoadPicture(png), down = LoadPicture(bmp), off = LoadPicture(jpg);
    EXPECT_EQ(up.id(), png);
    EXPECT_FALSE(down.IsEmpty());
    EXPECT_EQ(off.pixmap().size(), QSize(8, 8));
    {
        // Qt writes no GIF: a one-pixel GIF by hand.
        static const char kGif[] =
            "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00"
            ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;";
        QFile out(gif);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(kGif, sizeof(kGif) - 1);
    }
    EXPECT_EQ(LoadPicture(gif).pixmap().size(), QSize(1, 1));
    // The program's own drawings: their size on screen whatever the pixel density.
    const Picture drawn = LoadPicture(QStringLiteral(":/pictures/face-0.svg"));
    EXPECT_EQ(drawn.pixmap().deviceIndependentSize().toSize(), QSize(96, 32));
    EXPECT_FALSE(isBlank(drawn.pixmap().toImage()));

    QFile junk(dir.filePath("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    EXPECT_THROW(LoadPicture(junk.fileName()), PlatformError);
    EXPECT_THROW(LoadPicture(dir.filePath("missing.png")), PlatformError);

    button->SetPicture(up);
    button->SetDownPicture(down);
    button->SetDisabledPicture(off);
    EXPECT_EQ(pictureId(*button), png);
    button->SetEnabled(false);
    EXPECT_EQ(pictureId(*button), jpg);
    button->SetEnabled(true);
    EXPECT_TRUE(button->ShownPicture() == up);

    // A graphical button paints its picture: the grab is not blank, and neither is the form's.
    const QImage face = WidgetOf(*button)->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(face.width() / 2, 2)), QColor(Qt::red));
    const QString shot = dir.filePath("form.png");
    ASSERT_TRUE(grabToPng(f, shot));
    QImage saved(shot);
    ASSERT_FALSE(saved.isNull());
    EXPECT_FALSE(isBlank(saved));
    EXPECT_TRUE(isBlank(red));
    EXPECT_TRUE(isBlank(QImage()));
    f.Unload();
}

class Box : public TestForm {
  public:
    Box() : TestForm(QStringLiteral("frmMessage")) {
        design = [this](TestForm& t) {
            ok = t.add<CommandButton>("CommandOK");
            ok->Move(10, 10, 80, 24);
            ok->Click = [this] {
                reply = "ok";
                Unload();
            };
            input = t.add<TextBox>("TextInput0");
            input->Move(10, 40, 120, 24);
        };
    }
    CommandButton* ok = nullptr;
    TextBox* input = nullptr;
    QString reply;
};

TEST(FormsModal, ScriptAnswersBoxesInOrder) {
    Box box;
    ModalScript script;
    script.expect("frmMessage", [](Form& f) {
        EXPECT_TRUE(f.Visible());
        EXPECT_TRUE(f.IsModal());
        type(ctlAs<TextBox>("frmMessage", "TextInput0"), "Amy");
        click(ctl("frmMessage", "CommandOK"));
    });
    script.expect("frmMessage", [](Form&) { click(ctl("frmMessage", "CommandOK")); });
    box.ShowModal();
    EXPECT_EQ(box.reply, "ok");
    EXPECT_FALSE(box.Loaded());
    EXPECT_FALSE(box.IsModal());
    box.reply.clear();
    box.ShowModal();
    EXPECT_EQ(box.reply, "ok");
    EXPECT_EQ(script.count(), 2);
    script.verifyDone();
}

TEST(FormsModal, UnexpectedMissingOrUnansweredBoxesFail) {
    Box box;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript script;
            box.ShowModal();
        },
        "did not expect");
    EXPECT_FALSE(box.Visible());
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript script;
            script.expect("frmMessage", [](Form&) {});
        },
        "never showed");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript script;
            script.expect("frmMessage", [](Form&) {});
            box.ShowModal();
        },
        "left frmMessage on show");
    EXPECT_FALSE(box.Visible()) << "a box the answer left up is hidden";
    EXPECT_NONFATAL_FAILURE(box.ShowModal(), "no script expected");

    ModalScript quiet;
    EXPECT_EQ(quiet.count(), 0);
    box.Unload();
}

TEST(FormsModal, RealModalLoopRunsUntilTheBoxCloses) {
    Box box;
    SetModalResponder({});
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(box.Visible());
        EXPECT_EQ(WindowOf(box)->windowModality(), Qt::ApplicationModal);
        box.ok->UserClicks();
    });
    box.ShowModal();
    EXPECT_EQ(box.reply, "ok");
    EXPECT_FALSE(box.Loaded());

    // Hiding (not unloading) ends the loop as well.
    QTimer::singleShot(0, [&] { box.Hide(); });
    box.ShowModal();
    EXPECT_TRUE(box.Loaded());
    EXPECT_FALSE(box.Visible());
    box.Unload();
}

TEST(FormsModal, BoxIsOwnedByTheWindowItBlocks) {
    TestForm main(QStringLiteral("frmOwner"));
    main.Show();
    QApplication::setActiveWindow(WindowOf(main));
    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowOf(main)));
    Box box;
    QWindow* owner = nullptr;
    {
        ModalScript script;
        script.expect("frmMessage", [&](Form& f) {
            owner = WindowOf(f)->windowHandle()->transientParent();
            EXPECT_EQ(WindowOf(f)->windowModality(), Qt::ApplicationModal);
            click(ctl("frmMessage", "CommandOK"));
        });
        box.ShowModal();
    }
    EXPECT_EQ(owner, WindowOf(main)->windowHandle());
    EXPECT_EQ(box.reply, "ok");

    // Without an active window the box still goes with a window on show.
    QApplication::setActiveWindow(nullptr);
    TestForm other(QStringLiteral("frmOther"));
    other.Show();
    owner = nullptr;
    {
        ModalScript script;
        script.expect("frmMessage", [&](Form& f) {
            owner = WindowOf(f)->windowHandle()->transientParent();
            click(ctl("frmMessage", "CommandOK"));
        });
        box.ShowModal();
    }
    EXPECT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_EQ(owner, WindowOf(other)->windowHandle());
    other.Unload();
    main.Unload();
}

TEST(FormsHarness, ClipboardPasteUsesTheRealKeyPath) {
    // The harness pastes with Ctrl+V when the platform keeps a clipboard; make sure it does here,
    // so that the paste tests drive the editor's own key handling.
    QGuiApplication::clipboard()->setText("clip");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "clip");
}

}  // namespace
}  // namespace qv::test
