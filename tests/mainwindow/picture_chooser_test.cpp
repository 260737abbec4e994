// The folder dialog as picture chooser: preview, default, OK that applies and saves the profile,
// Cancel, and files that are not pictures or are gone.
#include <QAccessible>
#include <QColor>
#include <QCoreApplication>
#include <QImage>

#include "folder_dialog_fixture.h"
#include "mainwindow/picture_chooser.h"

namespace qv::test::dialog {
namespace {

const QString kIncorrect = QStringLiteral(
    "Selected file either not a Picture file, or not a type of file that this Program can Support. Try a "
    ".jpg "
    "or .bmp file please.");
const QString kNoPicturePlease = QStringLiteral("Your picture here? press Pembrit");

class PictureChooserTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (const char* name : {"pic.png", "two.png"}) {
            QImage image(18, 12, QImage::Format_RGB32);
            image.fill(QColor(0x40, 0x80, 0xc0));
            ASSERT_TRUE(image.save(Dir("pics/") + name));
        }
        Write(Dir("pics/notes.txt"), "not a picture");
    }
    // A picture chosen and confirmed earlier, as the profile holds it at start.
    void Stored(const QString& file, const QString& caption) {
        S.UserPicPath = Dir("pics/") + file;
        S.UserPicFolder = Dir("pics");
        S.UserPicFile = file;
        S.UserPicCaption = caption;
    }
    QString Saved(const char* key) { return store_->GetSetting("Holvent", "NidraBhanga", key); }
    FrmMove& M() { return frmMove(); }
};

TEST_F(PictureChooserTest, OpensWithoutAPictureOnTheWorkFolder) {
    OpenPictures();
    EXPECT_TRUE(M().Visible());
    EXPECT_EQ(M().Caption(), "Set Picture");
    EXPECT_EQ(M().Dir1->Path(), Dir("prog"));
    EXPECT_EQ(text(*M().TextActionMovePath), "");
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    EXPECT_TRUE(M().File1->Visible());
    EXPECT_TRUE(M().LabelActionMoveSelectFile->Visible());
    EXPECT_TRUE(M().CommandActionMoveDefault->Visible());
    EXPECT_FALSE(M().CommandActionMoveCreateNew->Visible());
    EXPECT_FALSE(M().LabelMoveSpaceFree->Visible());
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
    S.SetButKey = QStringLiteral("setButOnlyActiveness");
    SetButtons();
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
}

TEST_F(PictureChooserTest, APreviewedPictureIsAppliedAndSavedOnOK) {
    OpenPictures();
    Browse(Dir("pics"));
    ASSERT_TRUE(clickFile(*M().File1, "pic.png"));
    const QString path = Dir("pics/pic.png");
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "Select This Picture :");
    EXPECT_EQ(text(*M().TextActionMovePath), path);
    EXPECT_EQ(M().ImageActionMoveUser->GetPicture().id(), path);
    EXPECT_TRUE(M().FrameActionMovePic->Visible());
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(S.UserPicPath, "");  // nothing applied yet

    S.FrameKey = QStringLiteral("ChoiceFrame");
    ASSERT_TRUE(type(*M().TextActionMoveUser, "Me at sea"));
    windows_.calls.clear();
    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    EXPECT_FALSE(M().Visible());
    EXPECT_FALSE(S.MovePictureMode);
    EXPECT_EQ(S.UserPicPath, path);
    EXPECT_EQ(S.UserPicFolder, Dir("pics"));
    EXPECT_EQ(S.UserPicFile, "pic.png");
    EXPECT_EQ(S.UserPicCaption, "Me at sea");
    EXPECT_EQ(Saved("UserPic"), path);
    EXPECT_EQ(Saved("PicCaption"), "Me at sea");
    EXPECT_EQ(S.FrameKey, "");
    EXPECT_EQ(windows_.calls, QStringList{"SetButtons setButFrame"});
    const MainPicture shown = MainPictureFromProfile();
    EXPECT_EQ(shown.userImage.id(), path);
    EXPECT_EQ(shown.choiceImage.id(), path);
    EXPECT_EQ(shown.viewCaption, "Me at sea");
    EXPECT_EQ(shown.choiceCaption, "Wendral");

    // Opened again it shows the stored choice.
    OpenPictures();
    EXPECT_EQ(M().Caption(), "Change Picture");
    EXPECT_EQ(M().Dir1->Path(), Dir("pics"));
    EXPECT_EQ(selectedItems(*M().File1), QStringList{"pic.png"});
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "Picture File");
    EXPECT_EQ(text(*M().TextActionMoveUser), "Me at sea");
    EXPECT_TRUE(M().FrameActionMovePic->Visible());
    EXPECT_TRUE(M().CommandActionMoveDefault->Enabled());
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());
}

TEST_F(PictureChooserTest, AFileThatIsNotAPictureIsRefusedAndChangesNothing) {
    Stored("pic.png", "kept");
    OpenPictures();
    QStringList texts;
    {
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        ASSERT_TRUE(clickFile(*M().File1, "notes.txt"));
    }
    EXPECT_EQ(texts, QStringList{kIncorrect});
    EXPECT_EQ(S.PicturePathPending, "");
    EXPECT_EQ(M().File1->ListIndex(), items(*M().File1).indexOf("notes.txt")) << "the list keeps its place";
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    EXPECT_FALSE(M().CommandActionMoveOK->Enabled());

    // A picture that stops being one between preview and OK: told, nothing saved, still choosing.
    ASSERT_TRUE(clickFile(*M().File1, "two.png"));
    Write(Dir("pics/two.png"), "broken now");
    texts.clear();
    {
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        ASSERT_TRUE(click(*M().CommandActionMoveOK));
    }
    EXPECT_EQ(texts, QStringList{kIncorrect});
    EXPECT_EQ(S.UserPicPath, Dir("pics/pic.png"));
    EXPECT_EQ(S.UserPicCaption, "kept");
    EXPECT_EQ(Saved("UserPic"), "");
    EXPECT_TRUE(M().Visible());
    EXPECT_TRUE(S.MovePictureMode);
}

TEST_F(PictureChooserTest, TheArrowKeysWalkTheFilesAndEnterChecksTheOneChosen) {
    OpenPictures();
    Browse(Dir("pics"));
    ASSERT_EQ(items(*M().File1), (QStringList{"notes.txt", "pic.png", "two.png"}));
    WidgetOf(*M().File1)->setFocus();
    // No box while walking (one that showed would fail the test): what is no picture is passed over.
    pressKey(M(), Qt::Key_Down);
    EXPECT_EQ(M().File1->ListIndex(), 0);
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    pressKey(M(), Qt::Key_Down);
    EXPECT_EQ(M().File1->ListIndex(), 1);
    EXPECT_EQ(M().ImageActionMoveUser->GetPicture().id(), Dir("pics/pic.png"));
    EXPECT_EQ(focused(M()), M().File1) << "the keys stay in the list";
    pressKey(M(), Qt::Key_Up);
    EXPECT_EQ(M().File1->ListIndex(), 0);
    EXPECT_EQ(S.PicturePathPending, "");
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    // Enter chooses the entry walked to: it is checked and told, and the walk goes on from there.
    QStringList texts;
    {
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts));
        pressKey(M(), Qt::Key_Return);
    }
    EXPECT_EQ(texts, QStringList{kIncorrect});
    EXPECT_EQ(M().File1->ListIndex(), 0);
    WidgetOf(*M().File1)->setFocus();
    pressKey(M(), Qt::Key_Down);
    EXPECT_EQ(M().File1->ListIndex(), 1);
    pressKey(M(), Qt::Key_Down);
    EXPECT_EQ(M().File1->ListIndex(), 2);
    pressKey(M(), Qt::Key_Space);
    EXPECT_EQ(S.PicturePathPending, Dir("pics/two.png"));
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    EXPECT_EQ(focused(M()), M().TextActionMoveUser) << "chosen as a click chooses";
}

TEST_F(PictureChooserTest, AToolsPickOfAFileReturnsBeforeTheRefusalIsAnswered) {
    OpenPictures();
    Browse(Dir("pics"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(WidgetOf(*M().File1));
    QAccessibleInterface* entry = list ? list->child(items(*M().File1).indexOf("notes.txt")) : nullptr;
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(entry->actionInterface(), nullptr);
    bool returned = false, returnedWhenShown = false;
    QStringList texts;
    ModalScript script;
    script.expect(kMessageBox, [&](Form& box) {
        returnedWhenShown = returned;
        NoteAndOK(texts)(box);
    });
    entry->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    returned = true;
    QCoreApplication::processEvents();
    script.verifyDone();
    EXPECT_EQ(texts, QStringList{kIncorrect});
    EXPECT_TRUE(returnedWhenShown);
}

TEST_F(PictureChooserTest, DefaultConfirmedEmptiesTheStoredPicture) {
    Stored("pic.png", "old");
    OpenPictures();
    ASSERT_TRUE(click(*M().CommandActionMoveDefault));
    EXPECT_TRUE(S.PictureDefaultChosen);
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    EXPECT_EQ(text(*M().TextActionMovePath), "");
    EXPECT_EQ(text(*M().TextActionMoveUser), "");
    EXPECT_EQ(M().File1->ListIndex(), -1);
    EXPECT_TRUE(M().CommandActionMoveOK->Enabled());
    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    EXPECT_FALSE(M().Visible());
    for (const QString* field : {&S.UserPicPath, &S.UserPicFile, &S.UserPicFolder, &S.UserPicCaption})
        EXPECT_EQ(*field, "");
    EXPECT_TRUE(store_->contains("Holvent", "NidraBhanga", "UserPic"));
    EXPECT_EQ(Saved("UserPic"), "");
    EXPECT_EQ(Saved("PicCaption"), "");
    const MainPicture shown = MainPictureFromProfile();
    EXPECT_TRUE(shown.userImage.IsEmpty());
    EXPECT_EQ(shown.choiceImage.id(), frmBut().ImageUser->GetPicture().id());
    EXPECT_FALSE(shown.choiceImage.IsEmpty());
    EXPECT_EQ(shown.choiceCaption, kNoPicturePlease);
}

TEST_F(PictureChooserTest, CancelWithTheStoredPictureDeletedShowsTheDefault) {
    Stored("pic.png", "gone");
    ASSERT_TRUE(QFile::remove(Dir("pics/pic.png")));
    OpenPictures();  // nothing to show, and no crash
    EXPECT_EQ(M().Caption(), "Change Picture");
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "");
    EXPECT_FALSE(M().FrameActionMovePic->Visible());
    EXPECT_FALSE(M().CommandActionMoveDefault->Enabled());
    EXPECT_TRUE(M().ImageActionMoveUser->GetPicture().IsEmpty());

    ASSERT_TRUE(clickFile(*M().File1, "two.png"));
    EXPECT_FALSE(S.PictureDefaultChosen);
    S.PictureDefaultSaved = true;  // as it was when the chooser opened
    windows_.calls.clear();
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    EXPECT_FALSE(M().Visible());
    EXPECT_FALSE(S.MovePictureMode);
    EXPECT_TRUE(S.PictureDefaultChosen);
    for (const QString* field :
         {&S.PicturePathPending, &S.PictureCaptionPending, &S.PictureFolderPending, &S.PictureFilePending})
        EXPECT_EQ(*field, "");
    EXPECT_EQ(S.UserPicPath, Dir("pics/pic.png"));  // the stored choice stands
    EXPECT_EQ(windows_.calls, QStringList{"SetButtons setButFrame"});
    const MainPicture shown = MainPictureFromProfile();
    EXPECT_TRUE(shown.userImage.IsEmpty());
    EXPECT_EQ(shown.viewCaption, "");
    EXPECT_EQ(shown.choiceImage.id(), frmBut().ImageUser->GetPicture().id());
    EXPECT_EQ(shown.choiceCaption, kNoPicturePlease);
}

TEST_F(PictureChooserTest, AStoredPictureMovedAwayIsNoLongerFound) {
    Stored("pic.png", "mine");
    OpenPictures();
    ASSERT_EQ(caption(*M().LabelActionMoveHead), "Picture File");
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    ASSERT_TRUE(QFile::rename(Dir("pics/pic.png"), Dir("pic.png")));
    OpenPictures();
    EXPECT_EQ(caption(*M().LabelActionMoveHead), "");
    EXPECT_FALSE(M().CommandActionMoveDefault->Enabled());
    EXPECT_EQ(M().File1->ListIndex(), -1);
    EXPECT_FALSE(items(*M().File1).contains("pic.png"));
}

TEST_F(PictureChooserTest, OKWithoutAPictureAsksForOne) {
    OpenPictures();
    Browse(Dir("pics"));
    ASSERT_TRUE(clickFile(*M().File1, "two.png"));
    QStringList texts;
    {
        ModalScript script;
        script.expect(kMessageBox, NoteAndOK(texts)).expect(kMessageBox, NoteAndOK(texts));
        ASSERT_TRUE(clickFile(*M().File1, "notes.txt"));
        ASSERT_TRUE(click(*M().CommandActionMoveOK));
    }
    EXPECT_EQ(texts,
              QStringList({kIncorrect, "To change your picture you must choose a Picture file first."}));
    EXPECT_TRUE(M().Visible());
    EXPECT_EQ(Saved("UserPic"), "");
    // With a stored picture the caption alone is a change.
    ASSERT_TRUE(click(*M().CommandActionMoveCancel));
    Stored("pic.png", "old");
    OpenPictures();
    M().TextActionMoveUser->SetText("");
    ASSERT_TRUE(type(*M().TextActionMoveUser, "new"));
    ASSERT_TRUE(click(*M().CommandActionMoveOK));
    EXPECT_EQ(S.UserPicPath, Dir("pics/pic.png"));
    EXPECT_EQ(Saved("PicCaption"), "new");
}

}  // namespace
}  // namespace qv::test::dialog
