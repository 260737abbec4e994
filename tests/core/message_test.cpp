// The message box: builders, texts, button and input modes, reply words and the name box.
#include "core/message.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <cerrno>
#include <memory>

#include "core/state.h"
#include "core_fixture.h"

namespace qv::test {
namespace {

using MessageBoxTest = CoreTest;

TEST_F(MessageBoxTest, SystemBuilderHeadCaptionTextAndButtons) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK));

    S.MessageKey = QStringLiteral("MessageSmallScreen");
    MessageShowSystem();
    S.UserName = QStringLiteral("Amblet");
    S.MessageKey = QStringLiteral("MessageRunFamilyError");
    MessageShowSystem();
    S.UserName = QStringLiteral("Mira");
    S.MessageKey = QStringLiteral("MessageRunHelpSiteError");
    MessageShowSystem();

    ASSERT_EQ(seen.size(), 3u);
    const BoxSeen& a = seen[0];
    EXPECT_EQ(a.caption, "Zantipo");
    EXPECT_EQ(a.head, "Amblet");
    EXPECT_EQ(
        a.text,
        "To run the Program Screen Resolution must be 800/600 or higher.\r\n\r\nTo set Screen Resolution "
        "right click on an empty area of your Desktop, select Properties and then click on Settings.");
    EXPECT_TRUE(a.okEnabled);
    EXPECT_FALSE(a.cancelEnabled);
    EXPECT_EQ(a.okFace, "OK");
    EXPECT_EQ(a.cancelFace, "Cancel");
    EXPECT_FALSE(a.inputVisible);
    EXPECT_FALSE(a.checkVisible);

    EXPECT_EQ(seen[1].caption, "Zantipo");
    EXPECT_EQ(seen[1].head, "Amblet");
    EXPECT_EQ(seen[1].text, "Could not run the Program.");

    EXPECT_EQ(seen[2].caption, "Message For - Mira");
    EXPECT_EQ(seen[2].head, "Mira");
    EXPECT_EQ(seen[2].text,
              "Could not run the Web Browser to take you to the site https://quorvan.example.org/.");
    // Every request field is empty once the box is answered.
    EXPECT_TRUE(S.MessageKey.isEmpty());
    EXPECT_TRUE(S.MessageHead.isEmpty());
    EXPECT_TRUE(S.MessageText.isEmpty());
    EXPECT_TRUE(S.MessageButtons.isEmpty());
    EXPECT_TRUE(S.MessageInput.isEmpty());
}

TEST_F(MessageBoxTest, ProgramFileNamesAreThisPlatformsOnes) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    S.ProgName = QStringLiteral("Quorvan");
    S.MessageKey = QStringLiteral("MessageProgInSystem");
    MessageShowSystem();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              "The Program will not run from inside System Folder. Please do the followings :\r\n\r\n"
              "1. Press OK to exit the Program.\r\n2. Copy quorvan to a different Folder outside System "
              "Folder.\r\n3. Delete quorvan from within System Folder.\r\n4. Run quorvan that you copied on "
              "step 2.");
}

TEST_F(MessageBoxTest, UnknownKeysPerBuilder) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK)).expect(kMessageBox, Box(seen, PressOK));

    S.MessageKey = QStringLiteral("MessageNoSuchThing");
    MessageShowSystem();  // a box with the head, OK and no text
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "");
    EXPECT_EQ(seen[0].head, "Amblet");
    EXPECT_TRUE(seen[0].okEnabled);

    S.MessageKey = QStringLiteral("MessageNoSuchThing");
    S.MessageReadyText = QStringLiteral("caller's own words");
    MessageShowReady();  // the caller's text with OK
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "caller's own words");
    EXPECT_FALSE(seen[1].cancelEnabled);
    EXPECT_TRUE(S.MessageReadyText.isEmpty());

    S.MessageKey = QStringLiteral("MessageNoSuchThing");
    MessageShowWork();  // nothing at all
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_FALSE(frmMessage().Loaded());
}

TEST_F(MessageBoxTest, ReadyBuilderExtraLinesAndModes) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressCancel));

    S.MessageKey = QStringLiteral("MessageReadyOnlyDigit");
    S.MessageReadyText = QStringLiteral("Skip box.");
    MessageShowReady();
    EXPECT_EQ(seen[0].text, "Only Digits 0 to 9 is allowed.\r\n\r\nSkip box.");
    EXPECT_TRUE(S.MessageReadyText.isEmpty());

    S.MessageKey = QStringLiteral("MessageReadyOnlyAlpha");
    S.MessageReadyText = QStringLiteral("Name.");
    MessageShowReady();
    EXPECT_EQ(seen[1].text, "Only Alphabets A to Z or a to z is allowed.\r\n\r\nName.");

    S.MessageKey = QStringLiteral("MessageReadyIncompleteRen");
    S.MessageReadyText = QStringLiteral("Incomplete.");
    MessageShowReady();
    EXPECT_EQ(seen[2].text, "Incomplete.");
    EXPECT_EQ(seen[2].okFace, "Yes");
    EXPECT_EQ(seen[2].cancelFace, "No");
    EXPECT_EQ(S.MessageReply, "CriteriaSetAgain");
    S.MessageReply.clear();

    S.MessageKey = QStringLiteral("MessageReadyFoundConflict");
    S.MessageReadyText = QStringLiteral("Conflicts.");
    MessageShowReady();
    EXPECT_EQ(seen[3].okFace, "OK");
    EXPECT_TRUE(seen[3].okEnabled);
    EXPECT_TRUE(seen[3].cancelEnabled);
    EXPECT_EQ(S.MessageReply, "ReplyResetConlict");
    EXPECT_TRUE(S.MessageReadyText.isEmpty());
}

TEST_F(MessageBoxTest, ReplyWords) {
    struct Case {
        const char* key;
        bool ready;
        bool ok;
        const char* reply;
    };
    const Case cases[] = {
        {"MessageHelpShow", false, true, "GoToWebSite"},
        {"MessageHelpShow", false, false, ""},
        {"MessageReadyFoundConflict", true, true, "ReplyClearConflict"},
        {"MessageReadyFoundConflict", true, false, "ReplyResetConlict"},
        {"MessageReadyIncompleteRen", true, true, "CriteriaSetAgain"},
        {"MessageReadyIncompleteRen", true, false, ""},
        {"MessageMultiNameRenOK", false, false, "SetRenameABOKAgain"},
        {"MessageMultiNameRenOK", false, true, ""},
        {"MessageOldUndoExist", false, true, "ActionContinue"},
        {"MessageOldUndoExist", false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + (c.ok ? " OK" : " Cancel"));
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, c.ok ? BoxAnswer(PressOK) : BoxAnswer(PressCancel)));
        S.MessageReply.clear();
        S.MessageKey = QLatin1String(c.key);
        if (c.ready)
            MessageShowReady();
        else
            MessageShowWork();
        EXPECT_EQ(S.MessageReply, QLatin1String(c.reply));
        EXPECT_FALSE(frmMessage().Loaded());
    }
}

TEST_F(MessageBoxTest, OldUndoQuestionKeepsTheTickOnBothAnswers) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script
        .expect(kMessageBox, Box(seen,
                                 [](FrmMessage& f) {
                                     f.CheckDoNotShow->UserClicks();
                                     PressCancel(f);
                                 }))
        .expect(kMessageBox, Box(seen, PressOK));
    S.UndoAvailable = true;
    S.MessageKey = QStringLiteral("MessageOldUndoExist");
    MessageShowWork();
    EXPECT_TRUE(seen[0].checkVisible);
    EXPECT_EQ(seen[0].okFace, "Yes");
    EXPECT_TRUE(S.SkipUndoWarning);  // No with the tick still makes it permanent
    EXPECT_TRUE(S.UndoAvailable);

    S.MessageKey = QStringLiteral("MessageOldUndoExist");
    MessageShowWork();
    EXPECT_FALSE(S.UndoAvailable);  // Yes ends the undo
    EXPECT_EQ(S.MessageReply, "ActionContinue");
}

TEST_F(MessageBoxTest, BugReportEndsWithTheTag) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK));
    S.MessageKey = QStringLiteral("Bug-Quorvan-OnRestCheckFamily");
    MessageShowBug();
    EXPECT_EQ(
        seen[0].text,
        "There was some error.\r\nIt will be helpful if you please report it to bugs@quorvan.example.org . "
        "Just include the following message in your email :\r\n\r\nBug-Quorvan-OnRestCheckFamily");
}

// The user's own files and drives stopping an operation is no program fault: the box says plainly
// what could not be done, which file and why, and what to do, and asks for no bug report. A fault of
// the program itself still gets the bug-report form.
TEST_F(MessageBoxTest, AFailureOfTheUsersFilesIsToldPlainlyAndAFaultOfTheProgramAsksForAReport) {
    std::unique_ptr<FileSystem> files = makePosixFileSystem();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = dir.filePath("a.txt");
    const QString target = dir.filePath("b.txt");
    for (const QString& f : {source, target}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner));
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK));
    EXPECT_FALSE(Trapped("ActionDoCopy", [&] { files->CopyFile(source, target); }));
    EXPECT_FALSE(Trapped("FindConflictWithMove", [&] { files->FileNames(dir.filePath("gone")); }));
    EXPECT_FALSE(Trapped("ActionDoMove", [] {
        throw ExplainedError("File : /w/a\r\nTarget : /d/a\r\nReason : No space left on device", ENOSPC);
    }));
    EXPECT_FALSE(Trapped("ActionDoRename", [] { throw PlatformError("\"a/b\" is not a usable file name"); }));
    ASSERT_EQ(seen.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(seen[i].text.contains("report it to")) << seen[i].text.toStdString();
        EXPECT_FALSE(seen[i].text.contains("Bug-Quorvan-")) << seen[i].text.toStdString();
        EXPECT_FALSE(seen[i].text.startsWith("There was some error")) << seen[i].text.toStdString();
        EXPECT_TRUE(seen[i].okEnabled);
    }
    EXPECT_TRUE(seen[0].text.startsWith("The action could not be finished."));
    EXPECT_TRUE(seen[0].text.contains("Cannot overwrite " + target + ": the file is read-only\r\n\r\n"))
        << seen[0].text.toStdString();
    EXPECT_TRUE(
        seen[0].text.endsWith("Change that with your file manager, or choose another Folder, then "
                              "try again."));
    EXPECT_TRUE(seen[1].text.startsWith("The files could not be checked before the action"));
    EXPECT_TRUE(seen[1].text.contains("Cannot read the folder " + dir.filePath("gone") +
                                      ": No such file or directory"));
    EXPECT_TRUE(seen[1].text.contains("is not there any more"));
    EXPECT_TRUE(seen[2].text.contains("File : /w/a\r\nTarget : /d/a\r\nReason : No space left on device"));
    EXPECT_TRUE(seen[2].text.contains("The drive is full."));
    EXPECT_TRUE(
        seen[3].text.startsWith("There was some error.\r\nIt will be helpful if you please report "
                                "it to bugs@quorvan.example.org"));
    EXPECT_TRUE(seen[3].text.endsWith("Bug-Quorvan-ActionDoRename\r\n\r\n\"a/b\" is not a usable file name"))
        << seen[3].text.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(MessageBoxTest, NameBoxKeyRulesTypedAndPasted) {
    S.ProgName = QStringLiteral("Quorvan");
    {
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) {
                          EXPECT_FALSE(f.CommandOK->Enabled());
                          f.TextInput0->UserTypes(QStringLiteral("Jo 3-e"));
                          EXPECT_EQ(f.TextInput0->Text(), "Joe");
                          EXPECT_TRUE(f.CommandOK->Enabled());
                          PressOK(f);
                      }));
        S.MessageKey = QStringLiteral("MessageGetUserName");
        MessageShowSystem();
        EXPECT_EQ(seen[0].head, "Your Name Please");
        EXPECT_TRUE(seen[0].inputVisible);
        EXPECT_TRUE(seen[0].cancelEnabled);
        EXPECT_TRUE(seen[0].text.startsWith("Thank you for trying Quorvan.\r\n\r\n"));
        EXPECT_EQ(S.UserName, "Joe");
        EXPECT_EQ(store_->GetSetting("Holvent", "NidraBhanga", "NickName"), "Joe");
    }
    {
        // A paste skips the key check; the rule still holds for what is stored.
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) {
                          f.TextInput0->UserPastes(QStringLiteral("Ann 42"));
                          PressOK(f);
                      }));
        S.MessageKey = QStringLiteral("MessageChangeUserName");
        MessageShowSystem();
        EXPECT_EQ(seen[0].head, "New Name Please");
        EXPECT_EQ(S.UserName, "Ann");
        EXPECT_EQ(store_->GetSetting("Holvent", "NidraBhanga", "NickName"), "Ann");
    }
    // Enter in an empty box, the window's close command and Escape all answer Cancel: "Amblet" stored
    // and saved.
    for (BoxAnswer answer : {BoxAnswer([](FrmMessage& f) { f.TextInput0->UserTypes(QStringLiteral("\r")); }),
                             BoxAnswer([](FrmMessage& f) { f.UserCloses(); }), BoxAnswer([](FrmMessage& f) {
                                 f.TextInput0->UserTypes(QStringLiteral("Eve"));
                                 key(*f.TextInput0, 27);
                                 QCoreApplication::processEvents();
                             })}) {
        store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "");
        S.UserName.clear();
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, answer));
        S.MessageKey = QStringLiteral("MessageGetUserName");
        MessageShowSystem();
        EXPECT_EQ(S.UserName, "Amblet");
        EXPECT_EQ(store_->GetSetting("Holvent", "NidraBhanga", "NickName"), "Amblet");
        EXPECT_FALSE(frmMessage().Loaded());
    }
    {
        // Enter with a name is OK; a cancelled change keeps the old name.
        ModalScript script;
        std::vector<BoxSeen> seen;
        script
            .expect(kMessageBox,
                    Box(seen, [](FrmMessage& f) { f.TextInput0->UserTypes(QStringLiteral("Bo\r")); }))
            .expect(kMessageBox, Box(seen, [](FrmMessage& f) {
                        f.TextInput0->UserTypes(QStringLiteral("Zed"));
                        PressCancel(f);
                    }));
        S.MessageKey = QStringLiteral("MessageGetUserName");
        MessageShowSystem();
        EXPECT_EQ(S.UserName, "Bo");
        S.MessageKey = QStringLiteral("MessageChangeUserName");
        MessageShowSystem();
        EXPECT_EQ(S.UserName, "Bo");
    }
}

TEST_F(MessageBoxTest, ClosingTheWindowAnswersTheBox) {
    {
        // Cancel offered: a close is Cancel.
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) { f.UserCloses(); }));
        S.MessageKey = QStringLiteral("MessageReadyFoundConflict");
        MessageShowReady();
        EXPECT_EQ(S.MessageReply, "ReplyResetConlict");
        EXPECT_TRUE(S.MessageKey.isEmpty());
    }
    {
        // Only OK offered: a close is OK.
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) { f.UserCloses(); }));
        S.MessageReply.clear();
        S.MessageKey = QStringLiteral("MessageHelpShow");  // Yes/No: Cancel offered
        MessageShowWork();
        EXPECT_EQ(S.MessageReply, "");
        S.AutoLetterCapacity = 12;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) { f.UserCloses(); }));
        S.MessageKey = QStringLiteral("MessageAutoLetterImpossible");
        MessageShowWork();
        EXPECT_EQ(S.AutoLetterCapacity, 0);
    }
    {
        // The program cannot go on without its own path, however the box goes.
        ModalScript script;
        std::vector<BoxSeen> seen;
        script.expect(kMessageBox, Box(seen, [](FrmMessage& f) { f.UserCloses(); }));
        S.ProgName = QStringLiteral("Quorvan");
        S.MessageKey = QStringLiteral("MessageMyPathNotFound");
        EXPECT_THROW(MessageShowSystem(), ProgramEnded);
        EXPECT_TRUE(system_->endCode.has_value());
    }
}

TEST_F(MessageBoxTest, WorkTextsInsertTheirValues) {
    ModalScript script;
    std::vector<BoxSeen> seen;
    script.expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressOK))
        .expect(kMessageBox, Box(seen, PressCancel));
    S.ActionName = QStringLiteral("Move");
    S.MessageKey = QStringLiteral("MessageSourceDestSame");
    MessageShowWork();
    EXPECT_EQ(seen[0].text,
              "You have selected to Move files.\r\n\r\nFor this action Source and Destination folder must be "
              "different. Please change your Destination folder by pressing Action | Set Destination.");
    S.MessageKey = QStringLiteral("MessageNewNameChars");
    MessageShowWork();
    EXPECT_EQ(
        seen[1].text,
        "For new name only the following characters can be used :\r\n\r\n1. Dollar sign : $\r\n2. Dash : "
        "-\r\n3. Underscore : _\r\n4. Digits : 0 to 9\r\n5. Alphabets");
    S.MessageKey = QStringLiteral("MessageMultiNameRenOK");
    MessageShowWork();
    EXPECT_EQ(seen[2].okFace, "Yes");
    EXPECT_TRUE(seen[2].text.endsWith("\r\n\r\nDo you want to set Auto option?"));
    EXPECT_EQ(S.MessageReply, "SetRenameABOKAgain");
}

TEST_F(MessageBoxTest, LongTextsAreShownWhole) {
    S.ProgName = QStringLiteral("Quorvan");
    struct Case {
        const char* key;
        void (*builder)();
    };
    for (const Case& c :
         {Case{"MessageHelpShow", MessageShowWork}, Case{"MessageMyPathNotFound", MessageShowSystem},
          Case{"MessageGetUserName", MessageShowSystem}}) {
        SCOPED_TRACE(c.key);
        ModalScript script;
        script.expect(kMessageBox, [&](Form& form) {
            auto& f = static_cast<FrmMessage&>(form);
            QWidget* label = WidgetOf(*f.LabelMessage);
            EXPECT_LE(label->heightForWidth(f.LabelMessage->Width()), f.LabelMessage->Height());
            // Text, input box and buttons do not overlap, and all lie inside the window.
            EXPECT_LE(f.LabelMessage->Top() + f.LabelMessage->Height(), f.CommandOK->Top());
            EXPECT_LE(f.TextInput0->Top() + f.TextInput0->Height(), f.LabelMessage->Top());
            EXPECT_LE(f.CommandCancel->Left() + f.CommandCancel->Width(), WindowOf(f)->width());
            EXPECT_LE(f.CommandOK->Top() + f.CommandOK->Height(), WindowOf(f)->height());
            const QString png = temp_.filePath(QString::fromLatin1(c.key) + ".png");
            EXPECT_TRUE(grabToPng(f, png));
            EXPECT_FALSE(isBlank(QImage(png)));
            if (f.CommandCancel->Enabled())
                PressCancel(f);
            else
                PressOK(f);
        });
        S.MessageKey = QString::fromLatin1(c.key);
        if (S.MessageKey == QLatin1String("MessageMyPathNotFound")) {
            EXPECT_THROW(c.builder(), ProgramEnded);
        } else {
            c.builder();
        }
    }
    // A short text keeps the box at its designed size.
    ModalScript script;
    script.expect(kMessageBox, [](Form& form) {
        EXPECT_EQ(form.Width(), 440);
        EXPECT_EQ(form.Height(), 300);
        PressOK(static_cast<FrmMessage&>(form));
    });
    S.MessageKey = QStringLiteral("MessageRunFamilyError");
    MessageShowSystem();
}

}  // namespace
}  // namespace qv::test
