// The picture chooser (the folder dialog in picture mode) and what the main window shows of the
// user's picture.
#pragma once

#include <QString>

#include "forms/forms.h"

namespace qv {

// The clicked file of the dialog's file list, previewed; a file that is not a readable picture is
// refused with "MessageIncorrectPicture".
void PicChoosePreview();
// Drops the chosen file: the default picture will be taken (the caller sets PictureDefaultChosen).
void PicChooseDefault();
// The default picture confirmed: the profile loses its picture and caption, and is saved.
void PicChooseOK();
// The chosen picture and caption confirmed: applied to the profile and saved. False, with the reason
// shown, when there is nothing to apply or the file is not a readable picture; the profile is then
// unchanged.
bool PicApplyUser();
// The chooser cancelled: the default choice goes back to what it was when the chooser opened.
void PicChooseCancel();

// The main window's user picture (ImageUser with the FrameView caption) and the choice frame's
// picture and caption (ImageChoiceDefault, FrameChoice), as the stored profile gives them. A stored
// picture that is gone or unreadable shows as the default picture.
struct MainPicture {
    Picture userImage;
    QString viewCaption;
    Picture choiceImage;
    QString choiceCaption;
};
MainPicture MainPictureFromProfile();

}  // namespace qv
