// The message box's keys: Enter presses an enabled OK (or Yes), Escape the enabled Cancel (or No);
// the name box keeps its own rule for Enter.
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include "core/message.h"
#include "window_fixture.h"

namespace qv::test {
namespace {

using Answer = std::function<void(FrmMessage&)>;

// A key as the user presses it, to the control that has it (the window when none is named).
void Press(FrmMessage& f, Qt::Key k, Control* at = nullptr) {
    if (at)
        at->SetFocus();
    QTest::keyClick(at ? WidgetOf(*at) : WindowOf(f), k);
    QCoreApplication::processEvents();
}

class MessageKeysTest : public WindowTest {
  protected:
    enum Builder { Work, Ready, System };
    void Show(const char* key, Builder builder, const Answer& answer) {
        ModalScript script;
        script.expect(kMessageBox, [answer](Form& f) { answer(static_cast<FrmMessage&>(f)); });
        S.MessageReply.clear();
        S.MessageKey = QLatin1String(key);
        if (builder == Ready)
            MessageShowReady();
        else if (builder == System)
            MessageShowSystem();
        else
            MessageShowWork();
        script.verifyDone();
        EXPECT_FALSE(frmMessage().Loaded());
        EXPECT_EQ(frmMessage().CommandOK, nullptr) << "the unloaded box points at nothing it dropped";
    }
};

TEST_F(MessageKeysTest, EnterPressesOKAndEscapeCancel) {
    const struct {
        const char* key;
        bool ready;
        Qt::Key press;
        bool onCancel;  // the key goes to a focused Cancel button
        const char* reply;
    } cases[] = {
        {"MessageReadyFoundConflict", true, Qt::Key_Return, false, "ReplyClearConflict"},
        {"MessageReadyFoundConflict", true, Qt::Key_Enter, false, "ReplyClearConflict"},
        {"MessageReadyFoundConflict", true, Qt::Key_Return, true, "ReplyClearConflict"},
        {"MessageReadyFoundConflict", true, Qt::Key_Escape, false, "ReplyResetConlict"},
        {"MessageHelpShow", false, Qt::Key_Return, false, "GoToWebSite"},  // Yes
        {"MessageHelpShow", false, Qt::Key_Escape, false, ""},             // No
        {"MessageReadyIncompleteRen", true, Qt::Key_Return, true, "CriteriaSetAgain"},
        {"MessageReadyIncompleteRen", true, Qt::Key_Escape, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " key " + std::to_string(c.press) +
                     (c.onCancel ? " on Cancel" : ""));
        Show(c.key, c.ready ? Ready : Work,
             [&](FrmMessage& f) { Press(f, c.press, c.onCancel ? f.CommandCancel : nullptr); });
        EXPECT_EQ(S.MessageReply, QLatin1String(c.reply));
    }
}

TEST_F(MessageKeysTest, OnlyOKOfferedEscapeClosesAsOK) {
    S.AutoLetterCapacity = 12;
    Show("MessageAutoLetterImpossible", Work, [](FrmMessage& f) {
        ASSERT_FALSE(f.CommandCancel->Enabled());
        Press(f, Qt::Key_Escape);
    });
    EXPECT_EQ(S.AutoLetterCapacity, 0) << "the OK of this box clears the capacity";
}

TEST_F(MessageKeysTest, NameBoxKeepsItsOwnEnterAndDisabledOKIgnoresIt) {
    auto asked = [this](const Answer& answer) {
        store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "");
        S.UserName.clear();
        Show("MessageGetUserName", System, answer);
    };
    // Enter in the name box: OK with a name, Cancel (the default name) without one.
    asked([](FrmMessage& f) {
        ASSERT_TRUE(type(*f.TextInput0, "Bo"));
        Press(f, Qt::Key_Return, f.TextInput0);
    });
    EXPECT_EQ(S.UserName, "Bo");
    asked([](FrmMessage& f) { Press(f, Qt::Key_Return, f.TextInput0); });
    EXPECT_EQ(S.UserName, "Amblet");
    // Enter elsewhere while OK is disabled presses nothing; Escape is Cancel.
    asked([](FrmMessage& f) {
        ASSERT_FALSE(f.CommandOK->Enabled());
        Press(f, Qt::Key_Return);
        ASSERT_TRUE(f.Loaded()) << "a disabled OK is not pressed";
        Press(f, Qt::Key_Escape);
    });
    EXPECT_EQ(S.UserName, "Amblet");
    // With a name typed, Enter on the window presses OK.
    asked([](FrmMessage& f) {
        ASSERT_TRUE(type(*f.TextInput0, "Cy"));
        Press(f, Qt::Key_Return, f.CommandCancel);
    });
    EXPECT_EQ(S.UserName, "Cy");
}

TEST_F(MessageKeysTest, TheBoxOpensOnItsFirstControlAndTheNameBoxIsReadByItsQuestion) {
    // Space at once presses OK: the focus is on it, not on a pane.
    Show("MessageReadyFoundConflict", Ready, [](FrmMessage& f) {
        QApplication::setActiveWindow(WindowOf(f));
        EXPECT_TRUE(QTest::qWaitForWindowActive(WindowOf(f)));
        EXPECT_EQ(focused(f), f.CommandOK);
        // The keyboard user sees where the key goes.
        EXPECT_TRUE(drawsFocusMark(*f.CommandOK));
        // The pane where the focus rests after a click is read out by a name, not as nothing.
        EXPECT_FALSE(f.PictureMessage->AccessibleName().isEmpty());
        pressKey(f, Qt::Key_Space);
    });
    EXPECT_EQ(S.MessageReply, QLatin1String("ReplyClearConflict"));
    for (const char* key : {"MessageGetUserName", "MessageChangeUserName"}) {
        SCOPED_TRACE(key);
        Show(key, System, [](FrmMessage& f) {
            EXPECT_EQ(focused(f), f.TextInput0);
            EXPECT_EQ(f.TextInput0->AccessibleName(), caption(*f.LabelHead));
            EXPECT_EQ(accessibilityProblems(f), QStringList());
            Press(f, Qt::Key_Escape);
        });
    }
}

}  // namespace
}  // namespace qv::test
