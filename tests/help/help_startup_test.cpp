// Start-up of the help with fake screen, system folder and settings, and a real program folder.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "help/help_message.h"
#include "help/help_startup.h"
#include "help_fixture.h"

namespace qv::test {
namespace {

class HelpStartup : public HelpTest {
  protected:
    void SetUp() override {
        HelpTest::SetUp();
        parent_ = temp_.path() + "/prog/";
        WriteFile(parent_ + "quorvan");
        WriteFile(parent_ + "Help/quorvanhelp");
    }
    // Runs the start-up; returns false when it ended the program.
    bool Start() {
        try {
            help::Main();
            return true;
        } catch (const ProgramEnded&) {
            return false;
        }
    }
    QString parent_;
};

TEST_F(HelpStartup, FindsQuorvanGreetsTheUserAndOffersToStartIt) {
    Record(0, "Plenvix", "/nowhere/");
    Record(1, "Quorvan", parent_);
    Marker(1);
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    store_->SaveSetting("Holvent", "NidraBhanga", "PicCaption", "Me");
    ModalScript script;  // no box at all
    ASSERT_TRUE(Start());
    EXPECT_TRUE(help::HS.ParentFound);
    EXPECT_EQ(help::HS.ParentExePath, parent_ + "quorvan");
    auto& w = help::frmMain();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), "QuorvanHelp");
    EXPECT_TRUE(shownOnScreen(*w.CommandActivate));
    EXPECT_EQ(caption(*w.CommandActivate), "Activate - Quorvan");
    EXPECT_TRUE(caption(*w.LabelGreeting).contains("Mira"));
    EXPECT_EQ(instance_->acquired, QStringList{"QuorvanHelp"});
    // Start page: frame 6, no arrows.
    EXPECT_TRUE(w.FrameIntro[6]->Visible());
    EXPECT_FALSE(w.FrameGo->Visible());

    ASSERT_TRUE(click(*w.CommandActivate));
    EXPECT_EQ(system_->startedPrograms, QStringList{parent_ + "quorvan"});
    system_->startProgramResult = false;
    std::vector<HelpBoxSeen> seen;
    script.expect("frmMessage", NoteAndOK(seen));
    ASSERT_TRUE(click(*w.CommandActivate));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "There was some error. Could not run the program.");
    EXPECT_EQ(seen[0].caption, "Message For - Mira");
    EXPECT_EQ(seen[0].head, "Mira");
    EXPECT_TRUE(w.Visible()) << "the help goes on";
}

TEST_F(HelpStartup, MarkerBoundsTheSearchAndNamesMatchExactly) {
    struct Case {
        const char* what;
        std::function<void()> setUp;
        bool found;
    };
    const Case cases[] = {
        {"match in slot 5 beyond a marker of slot 3",
         [this] {
             Record(5, "Quorvan", parent_);
             Marker(3);
         },
         false},
        {"match in slot 3 with a marker of slot 3",
         [this] {
             Record(3, "Quorvan", parent_);
             Marker(3);
         },
         true},
        {"name in another case",
         [this] {
             Record(0, "quorvan", parent_);
             Marker(0);
         },
         false},
        {"garbage marker reads as slot 0",
         [this] {
             Record(0, "Quorvan", parent_);
             store_->SaveSetting("Holvent", "NidraGavir", "AnekGuru", "zz");
         },
         true},
        {"garbage marker hides slot 1",
         [this] {
             Record(1, "Quorvan", parent_);
             store_->SaveSetting("Holvent", "NidraGavir", "AnekGuru", "abcdefgh");
         },
         false},
        {"no marker", [this] { Record(0, "Quorvan", parent_); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store_->values.clear();
        help::ResetHelpState();
        c.setUp();
        help::FindParentProgram();
        EXPECT_EQ(help::HS.ParentNotPresent, !c.found);
        EXPECT_FALSE(help::HS.ParentNotFound);
    }
    EXPECT_EQ(help::MarkerSlot(MarkerFor(9, 31)), 9);
    EXPECT_EQ(help::MarkerSlot(""), 0);
    EXPECT_EQ(help::MarkerSlot("12345"), 0);
}

TEST_F(HelpStartup, ProfileIsReadOnlyWhenQuorvanIsThere) {
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    Record(0, "Quorvan", temp_.path() + "/gone/");
    Marker(0);
    std::vector<HelpBoxSeen> seen;
    ModalScript script;
    script.expect("frmMessage", NoteAndOK(seen));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(help::HS.ParentNotFound);
    EXPECT_TRUE(help::HS.ProfileNickName.isEmpty());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains("-Quorvan to find out how"));
    EXPECT_EQ(seen[0].caption, "Zantipo");
    EXPECT_EQ(seen[0].head, "Amblet");
    EXPECT_FALSE(seen[0].cancelShown);
    EXPECT_FALSE(help::frmMain().CommandActivate->Visible());
    EXPECT_FALSE(store_->contains("Holvent", "RoziZidivo", "QuorvanHelp"));
    EXPECT_TRUE(help::HM.MessageKey.isEmpty() && help::HM.MessageText.isEmpty() &&
                help::HM.MessageHead.isEmpty());
}

TEST_F(HelpStartup, EmptyFolderRecordIsAMissingProgramNotAnEmptyStart) {
    Record(0, "Quorvan", "");
    Marker(0);
    std::vector<HelpBoxSeen> seen;
    ModalScript script;
    script.expect("frmMessage", NoteAndOK(seen));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(help::HS.ParentNotFound);
    EXPECT_FALSE(help::HS.ParentFound);
    EXPECT_TRUE(help::HS.ParentExePath.isEmpty());
    EXPECT_FALSE(help::frmMain().CommandActivate->Visible());
    EXPECT_TRUE(system_->startedPrograms.isEmpty());
}

TEST_F(HelpStartup, NoQuorvanAtAll) {
    std::vector<HelpBoxSeen> seen;
    ModalScript script;
    script.expect("frmMessage", NoteAndOK(seen));
    ASSERT_TRUE(Start());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains("the program - Quorva. Since"));
    EXPECT_TRUE(help::frmMain().Visible());
}

TEST_F(HelpStartup, RegistersItsOwnPathOnlyWhenQuorvanCannotFindIt) {
    const QString stored = temp_.path() + "/elsewhere/quorvanhelp";
    const QString own = temp_.path() + "/prog/Help/quorvanhelp";
    struct Case {
        const char* what;
        bool defaultThere;
        QString storedValue;
        bool storedThere;
        bool ownThere;
        QString expectStored;  // "" untouched
        bool ends;
    };
    const Case cases[] = {
        {"beside Quorvan: nothing written", true, "/old/path", false, true, "/old/path", false},
        {"stored path alive: nothing written", false, stored, true, true, stored, false},
        {"stored path dead: own path replaces it", false, stored, false, true, own, false},
        {"lost everywhere: refused", false, "", false, false, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnloadEveryForm();
        help::ResetHelpState();
        store_->values.clear();
        QDir(temp_.path()).removeRecursively();
        QDir().mkpath(temp_.path());
        // The help runs from a folder of its own; Quorvan's default place may or may not hold it.
        const QString helpFolder = temp_.path() + "/prog/Help/";
        system_->programFolder = c.defaultThere ? helpFolder : temp_.path() + "/other/";
        WriteFile(parent_ + "quorvan");
        if (c.defaultThere)
            WriteFile(own);
        const QString ownPath = c.defaultThere ? own : temp_.path() + "/other/quorvanhelp";
        if (c.ownThere && !c.defaultThere)
            WriteFile(ownPath);
        if (c.storedThere)
            WriteFile(stored);
        if (!c.storedValue.isEmpty())
            store_->SaveSetting("Holvent", "RoziZidivo", "QuorvanHelp", c.storedValue);
        Record(0, "Quorvan", parent_);
        Marker(0);
        std::vector<HelpBoxSeen> seen;
        ModalScript script;
        if (c.ends)
            script.expect("frmMessage", NoteAndOK(seen));
        EXPECT_EQ(Start(), !c.ends);
        const QString expected = c.expectStored == own && !c.defaultThere ? ownPath : c.expectStored;
        EXPECT_EQ(Value("RoziZidivo", "QuorvanHelp"), expected);
        if (c.ends) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].text.startsWith("Did you rename Quorvan.exe or QuorvanHelp.exe"));
            EXPECT_TRUE(seen[0].text.contains("\r\n     1. Rename the files"));
            EXPECT_FALSE(help::frmMain().Loaded());
        }
    }
}

TEST_F(HelpStartup, OwnFolderIsTheProgramsNotTheCurrentOne) {
    Record(0, "Quorvan", parent_);
    Marker(0);
    QFile::remove(parent_ + "Help/quorvanhelp");  // the help lies apart from Quorvan
    QDir::setCurrent(QDir::homePath());           // as a desktop launcher would leave it
    system_->programFolder = temp_.path() + "/apart/";
    WriteFile(temp_.path() + "/apart/quorvanhelp");
    ModalScript script;
    ASSERT_TRUE(Start());
    EXPECT_EQ(help::HS.HelpFolder, temp_.path() + "/apart/");
    EXPECT_EQ(Value("RoziZidivo", "QuorvanHelp"), temp_.path() + "/apart/quorvanhelp");
}

TEST_F(HelpStartup, SystemFolderAndScreenRefusals) {
    struct Case {
        const char* what;
        QString system;
        int width, height;
        const char* textStart;  // "" accepted
    };
    const QString prog = temp_.path() + "/prog/Help/";
    const Case cases[] = {
        {"inside", temp_.path() + "/prog", 19200, 15360,
         "The Program will not run from inside System Folder."},
        {"equal", prog, 19200, 15360, "The Program will not run from inside System Folder."},
        {"look-alike sibling", temp_.path() + "/pro", 19200, 15360, ""},
        {"empty protects nothing", "", 19200, 15360, ""},
        {"narrow", "/usr/", 11499, 8500, "To run the Program Screen Resolution"},
        {"low", "/usr/", 11500, 8499, "To run the Program Screen Resolution"},
        {"smallest accepted", "/usr/", 11500, 8500, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnloadEveryForm();
        help::ResetHelpState();
        store_->values.clear();
        Record(0, "Quorvan", parent_);
        Marker(0);
        system_->systemFolder = c.system;
        system_->screenWidthTwips = c.width;
        system_->screenHeightTwips = c.height;
        std::vector<HelpBoxSeen> seen;
        ModalScript script;
        const bool refused = *c.textStart != 0;
        if (refused)
            script.expect("frmMessage", NoteAndOK(seen));
        EXPECT_EQ(Start(), !refused);
        if (refused) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].text.startsWith(c.textStart));
            EXPECT_FALSE(help::frmMain().Loaded());
        }
    }
}

TEST_F(HelpStartup, SecondStartBringsTheStartUpMessageForward) {
    bool restored = false;
    ModalScript script;
    script.expect("frmMessage", [&](Form& f) {
        QWidget* box = WindowOf(f);
        box->setWindowState(box->windowState() | Qt::WindowMinimized);
        instance_->requestActivation();
        restored = !(box->windowState() & Qt::WindowMinimized) && box->isVisible();
        click(*static_cast<help::FrmMessage&>(f).ImageOK);
    });
    ASSERT_TRUE(Start());  // no family records: the box about the missing Quorvan comes first
    EXPECT_TRUE(restored) << "the message stays minimised";
}

TEST_F(HelpStartup, SecondCopyEndsAndTheFirstComesForward) {
    instance_->acquireResult = false;
    ModalScript script;
    EXPECT_FALSE(Start());
    EXPECT_FALSE(help::frmMain().Loaded());
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

using HelpMessageBox = HelpTest;

TEST_F(HelpMessageBox, CaptionHeadAndUnknownKeys) {
    std::vector<HelpBoxSeen> seen;
    ModalScript script;
    script.expect("frmMessage", NoteAndOK(seen));
    help::HS.ProfileNickName = "Amblet";
    help::HM.MessageKey = "MessageRunParentError";
    help::ShowParentMessage();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Zantipo");
    EXPECT_EQ(seen[0].head, "Amblet");
    EXPECT_EQ(seen[0].okFace, "OK");
    EXPECT_TRUE(help::HM.MessageKey.isEmpty() && help::HM.MessageButtons.isEmpty() &&
                help::HM.MessageReply.isEmpty());
    // The parent builder shows nothing for a key it does not know.
    help::HM.MessageKey = "MessageSmallScreen";
    help::ShowParentMessage();
    EXPECT_EQ(script.count(), 1);
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

// The button as it draws now, and as it draws once the focus has left it.
bool DrawsFocusMark(QWidget* button) {
    const QImage focused = button->grab().toImage();
    QWidget* keep = button->window()->focusWidget();
    button->clearFocus();
    const QImage unfocused = button->grab().toImage();
    if (keep)
        keep->setFocus(Qt::OtherFocusReason);
    return focused != unfocused;
}

TEST_F(HelpMessageBox, KeyboardAnswersTheBoxAsItOpens) {
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        SCOPED_TRACE(k);
        ModalScript script;
        script.expect("frmMessage", [k](Form& f) {
            // The keyboard user sees where the key goes.
            auto& box = static_cast<help::FrmMessage&>(f);
            QApplication::setActiveWindow(WindowOf(f));
            EXPECT_TRUE(QTest::qWaitForWindowActive(WindowOf(f)));
            EXPECT_EQ(focused(f), box.ImageOK);
            EXPECT_TRUE(DrawsFocusMark(WidgetOf(*box.ImageOK)));
            // The pane where the focus rests after a click is read out by a name, not as nothing.
            EXPECT_FALSE(box.PictureMessage->AccessibleName().isEmpty());
            // The key goes where the user's key goes: the control in the focus, else the window.
            QWidget* target = WindowOf(f)->focusWidget();
            QTest::keyClick(target ? target : WindowOf(f), k);
            QCoreApplication::processEvents();
        });
        help::HM.MessageKey = "MessageRunParentError";
        help::ShowParentMessage();
        script.verifyDone();
        EXPECT_FALSE(help::frmMessage().Loaded());
        EXPECT_TRUE(help::HM.MessageKey.isEmpty() && help::HM.MessageText.isEmpty());
    }
}

}  // namespace
}  // namespace qv::test
