#include "mainwindow/picture_chooser.h"

#include "core/message.h"
#include "core/profile.h"
#include "core/state.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/frm_but.h"
#include "platform/services.h"

namespace qv {

namespace {

void ShowPath(TextBox* box, const QString& path) {
    box->SetText(path);
    box->SetBorderStyle(path.isEmpty() ? 0 : 1);
}

void ClearPending() {
    S.PicturePathPending.clear();
    S.PictureCaptionPending.clear();
    S.PictureFolderPending.clear();
    S.PictureFilePending.clear();
}

void ShowSystem(MessageId key) {
    S.MessageKey = key;
    MessageShowSystem();
}

void DropPreview(FrmMove& f) {
    f.ImageActionMoveUser->SetPicture(Picture());
    f.FrameActionMovePic->SetVisible(false);
}

}  // namespace

void PicChoosePreview() {
    FrmMove& f = frmMove();
    const int i = f.File1->ListIndex();
    if (i < 0)
        return;
    S.PictureFilePending = f.File1->List(i);
    S.PictureFolderPending = WithTrailingSlash(f.Dir1->Path());
    S.PicturePathPending = S.PictureFolderPending + S.PictureFilePending;
    S.PictureCaptionPending = f.TextActionMoveUser->Text();
    f.LabelActionMoveHead->SetCaption(QStringLiteral("Select This Picture :"));
    ShowPath(f.TextActionMovePath, S.PicturePathPending);
    Picture picture;
    try {
        picture = LoadPicture(S.PicturePathPending);
    } catch (const PlatformError&) {
        S.PicturePathPending.clear();
        DropPreview(f);
        f.LabelActionMoveHead->SetCaption(QString());
        ShowPath(f.TextActionMovePath, QString());
        // Walking the list with the keys passes over what is no picture; a choice of it is told.
        if (f.File1->Browsing()) {
            S.PictureFolderPending.clear();
            S.PictureFilePending.clear();
            return;
        }
        ShowSystem(MessageId::MessageIncorrectPicture);
        return;
    }
    f.ImageActionMoveUser->SetPicture(picture);
    f.FrameActionMovePic->SetVisible(true);
    S.PictureChoiceMade = true;
    RefreshMoveOK();
    // The keys stay in the list while the user walks it.
    if (!f.File1->Browsing())
        f.TextActionMoveUser->SetFocus();
}

void PicChooseDefault() {
    FrmMove& f = frmMove();
    S.MoveListRefreshing = true;
    f.File1->SetListIndex(-1);
    f.File1->Refresh();
    S.MoveListRefreshing = false;
    ClearPending();
    ShowPath(f.TextActionMovePath, QString());
    f.LabelActionMoveHead->SetCaption(QString());
    f.TextActionMoveUser->SetText(QString());
    DropPreview(f);
    S.PictureChoiceMade = true;
    RefreshMoveOK();
    f.PictureMove->SetFocus();
}

void PicChooseOK() {
    ClearPending();
    S.UserPicPath.clear();
    S.UserPicFile.clear();
    S.UserPicFolder.clear();
    S.UserPicCaption.clear();
    FrmMove& f = frmMove();
    ShowPath(f.TextActionMovePath, QString());
    f.TextActionMoveUser->SetText(QString());
    DropPreview(f);
    ProgSaveUserPicture();
}

bool PicApplyUser() {
    if (S.PicturePathPending.isEmpty()) {
        ShowSystem(MessageId::MessageMustChoosePicture);
        return false;
    }
    Picture picture;
    try {
        picture = LoadPicture(S.PicturePathPending);
    } catch (const PlatformError&) {
        ShowSystem(MessageId::MessageIncorrectPicture);
        return false;
    }
    frmMove().ImageActionMoveUser->SetPicture(picture);
    S.UserPicPath = S.PicturePathPending;
    S.UserPicCaption = S.PictureCaptionPending;
    S.UserPicFile = S.PictureFilePending;
    S.UserPicFolder = WithoutTrailingSlash(S.PictureFolderPending);
    ProgSaveUserPicture();
    // The view frame comes forward with the new picture.
    S.FrameKey.clear();
    return true;
}

void PicChooseCancel() {
    S.PictureDefaultChosen = S.PictureDefaultSaved;
}

MainPicture MainPictureFromProfile() {
    MainPicture view;
    if (!S.UserPicPath.isEmpty()) {
        try {
            const Picture picture = LoadPicture(S.UserPicPath);
            view.userImage = picture;
            view.viewCaption = S.UserPicCaption;
            view.choiceImage = picture;
            view.choiceCaption = QStringLiteral("Wendral");
            return view;
        } catch (const PlatformError&) {
        }
    }
    FrmBut& holder = frmBut();
    holder.Load();
    view.choiceImage = holder.ImageUser->GetPicture();
    view.choiceCaption = QStringLiteral("Your picture here? press Pembrit");
    return view;
}

}  // namespace qv
