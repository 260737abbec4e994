#include "core/message.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "core/panel_calls.h"
#include "core/profile.h"
#include "core/state.h"
#include "core/windows.h"
#include "platform/product.h"
#include "platform/services.h"

namespace qv {

namespace {

const QString kCrlf = QStringLiteral("\r\n");
const QString kPara = QStringLiteral("\r\n\r\n");

// One line per file an interrupted rename left, with what it holds when its record says.
QString HeldFiles() {
    QStringList lines;
    for (qsizetype i = 0; i < S.InterruptedRenameFiles.size(); ++i) {
        const QString held = S.InterruptedRenameHeld.value(i);
        lines << (held.isEmpty()
                      ? S.InterruptedRenameFiles.at(i)
                      : S.InterruptedRenameFiles.at(i) + QStringLiteral(" holds ") + held +
                            QStringLiteral(", which was being renamed to ") + S.InterruptedRenameTo.value(i));
    }
    return lines.join(kCrlf);
}
const QString kAmblet = QStringLiteral("Amblet");

// Where a text names the program file, this platform's file name is meant.
QString ProgFileName(const QString& progName) {
    return progName.toLower();
}

void SetDefaultHead() {
    S.MessageHead = S.UserName.isEmpty() ? kAmblet : S.UserName;
}

// The name rule of the name boxes, applied to the whole text (a paste bypasses the key check).
QString LettersOnly(const QString& text) {
    QString out;
    for (QChar c : text)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            out += c;
    return out;
}

void ClearRequest() {
    S.MessageKey.clear();
    S.MessageHead.clear();
    S.MessageText.clear();
    S.MessageButtons.clear();
    S.MessageInput.clear();
}

// The per-key work after the box is answered, by key. Each subsystem registers its own keys.
struct KeyWork {
    MessageWork ok;
    MessageWork cancel;
};

std::array<KeyWork, KeyTexts<MessageId>::texts.size()>& WorkByKey() {
    static std::array<KeyWork, KeyTexts<MessageId>::texts.size()> table;
    return table;
}

void SaveNameFrom(const MessageAnswer& a) {
    const QString name = LettersOnly(a.input);
    S.UserName = name.isEmpty() ? kAmblet : name;
    ProgSaveUserName();
}

void EndWithoutOwnPath(const MessageAnswer&) {
    // However the box is closed, the program cannot go on without its own path.
    ClearRequest();
    systemServices().EndProgram(0);
}

void KeepUndoQuestionChoice(const MessageAnswer&) {
    S.SkipUndoWarning = S.SkipUndoWarningPending;
}

MessageWork Reply(const char* word) {
    return [word](const MessageAnswer&) { S.MessageReply = QLatin1String(word); };
}

// The program core's own keys.
const bool kCoreKeysRegistered = [] {
    RegisterMessageWork({
        {MessageId::MessageMyPathNotFound, EndWithoutOwnPath, EndWithoutOwnPath},
        {MessageId::MessageGetUserName, SaveNameFrom,
         [](const MessageAnswer&) {
             S.UserName = kAmblet;
             ProgSaveUserName();
         }},
        {MessageId::MessageChangeUserName,
         [](const MessageAnswer& a) {
             SaveNameFrom(a);
             S.SetButKey = SetButId::setButCaptionMain;
             SetButtons();
         },
         {}},
        {MessageId::MessageAutoLetterImpossible, [](const MessageAnswer&) { S.AutoLetterCapacity = 0; }, {}},
        {MessageId::MessageOldUndoExist,
         [](const MessageAnswer& a) {
             S.UndoAvailable = false;
             KeepUndoQuestionChoice(a);
             S.MessageReply = QStringLiteral("ActionContinue");
         },
         KeepUndoQuestionChoice},
        {MessageId::MessageHelpShow, Reply("GoToWebSite"), {}},
        {MessageId::MessageReadyFoundConflict, Reply("ReplyClearConflict"), Reply("ReplyResetConlict")},
    });
    return true;
}();

bool SystemText(const MessageKeyField& field) {
    const QString& prog = S.ProgName;
    const std::optional<MessageId> key = field.id();
    if (!key)
        return false;
    switch (*key) {
        case MessageId::MessageSmallScreen: {
            S.MessageText =
                QStringLiteral("To run the Program Screen Resolution must be 800/600 or higher.") + kPara +
                QStringLiteral(
                    "To set Screen Resolution right click on an empty area of your Desktop, select "
                    "Properties and then click on Settings.");
            return true;
        }
        case MessageId::MessageProgInSystem: {
            const QString file = ProgFileName(prog.isEmpty() ? QStringLiteral("Quorvan") : prog);
            S.MessageText =
                QStringLiteral(
                    "The Program will not run from inside System Folder. Please do the followings :") +
                kPara + QStringLiteral("1. Press OK to exit the Program.") + kCrlf +
                QStringLiteral("2. Copy ") + file +
                QStringLiteral(" to a different Folder outside System Folder.") + kCrlf +
                QStringLiteral("3. Delete ") + file + QStringLiteral(" from within System Folder.") + kCrlf +
                QStringLiteral("4. Run ") + file + QStringLiteral(" that you copied on step 2.");
            return true;
        }
        case MessageId::MessageNeedSriptRuntime: {
            S.MessageText =
                QStringLiteral("Your machine need Microsoft Scripting Runtime update to run this Program.") +
                kPara +
                QStringLiteral(
                    "Please download the installation package of the Program which includes all necessary "
                    "files "
                    "need to run it.") +
                kPara + QStringLiteral("Installation package is available at ") + ProductWebAddress() +
                QStringLiteral(".");
            return true;
        }
        case MessageId::MessageMyPathNotFound: {
            const QString file = ProgFileName(prog);
            S.MessageText =
                QStringLiteral("Did you rename ") + file +
                QStringLiteral(
                    " or renamed or moved the folder that contains the program or any folder on the path?") +
                kPara +
                QStringLiteral(
                    "Are you trying to run the program with a Program Launcher without even using the "
                    "program at "
                    "least once?") +
                kPara +
                QStringLiteral("Whatever the problem is, to solve it you need to do the followings:") +
                kPara + QStringLiteral("     1. Rename back the file name to ") + file +
                QStringLiteral(" in renamed") + kCrlf +
                QStringLiteral("     2. Run the program at least once without using any Program Launcher.");
            return true;
        }
        case MessageId::MessageGetUserName: {
            S.MessageHead = QStringLiteral("Your Name Please");
            S.MessageText =
                QStringLiteral("Thank you for trying ") + prog + QStringLiteral(".") + kPara +
                QStringLiteral(
                    "If you want to be addressed by your name of choice then please enter that name in "
                    "the above box. Use only alphabets please.") +
                kPara + prog + QStringLiteral(" will address you as **Amblet** if you do not enter a name.") +
                kPara + QStringLiteral("The Quorvan team") + kCrlf + ProductWebAddress();
            S.MessageButtons = QStringLiteral("Cancel");
            S.MessageInput = QStringLiteral("Input0");
            return true;
        }
        case MessageId::MessageChangeUserName: {
            S.MessageHead = QStringLiteral("New Name Please");
            S.MessageText = QStringLiteral(
                "To change your user name please type the new name in the above box. Please use only "
                "alphabets.");
            S.MessageButtons = QStringLiteral("Cancel");
            S.MessageInput = QStringLiteral("Input0");
            return true;
        }
        case MessageId::MessageIncorrectPicture: {
            S.MessageText = QStringLiteral(
                "Selected file either not a Picture file, or not a type of file that this Program can "
                "Support. "
                "Try "
                "a .jpg or .bmp file please.");
            return true;
        }
        case MessageId::MessageMustChoosePicture: {
            S.MessageText = QStringLiteral("To change your picture you must choose a Picture file first.");
            return true;
        }
        case MessageId::MessageRunHelpError: {
            S.MessageText =
                QStringLiteral("Could not find Help.") + kPara +
                QStringLiteral("You can download Help from ") + ProductWebAddress() +
                QStringLiteral(" if you do not have it. If you have it please report bug at web site.");
            return true;
        }
        case MessageId::MessageRunHelpSiteError: {
            S.MessageText = QStringLiteral("Could not run the Web Browser to take you to the site ") +
                            ProductWebAddress() + QStringLiteral(".");
            return true;
        }
        case MessageId::MessageRunFamilyError: {
            S.MessageText = QStringLiteral("Could not run the Program.");
            return true;
        }
        case MessageId::MessageAutoLetterImpossible:
        case MessageId::MessageBypassingSystemRigidity:
        case MessageId::MessageDriveNotReady:
        case MessageId::MessageFisrtTimeMode:
        case MessageId::MessageFolderNameSame:
        case MessageId::MessageFolderNotEmpty:
        case MessageId::MessageFolderNotFound:
        case MessageId::MessageFolderNotOpened:
        case MessageId::MessageHelpShow:
        case MessageId::MessageInterruptedRename:
        case MessageId::MessageInterruptedRingKept:
        case MessageId::MessageInterruptedRingPutBack:
        case MessageId::MessageInterruptedRingPutBackDone:
        case MessageId::MessageMultiNameRenOK:
        case MessageId::MessageNeedFreeSpace:
        case MessageId::MessageNewNameChars:
        case MessageId::MessageNoLeadingZero:
        case MessageId::MessageOldUndoExist:
        case MessageId::MessageOnlyReadyMsg:
        case MessageId::MessageReadyFoundConflict:
        case MessageId::MessageReadyIncludeSpace:
        case MessageId::MessageReadyIncompleteRen:
        case MessageId::MessageReadyOnlyAlpha:
        case MessageId::MessageReadyOnlyDigit:
        case MessageId::MessageReplaceMultiName:
        case MessageId::MessageReviewModeOn:
        case MessageId::MessageSingleActionError:
        case MessageId::MessageSingleConflictMove:
        case MessageId::MessageSingleConflictName:
        case MessageId::MessageSingleConflictRenMove:
        case MessageId::MessageSingleNameChars:
        case MessageId::MessageSingleNameLong:
        case MessageId::MessageSourceDestSame:
        case MessageId::MessageUndoResetsFile:
            return false;
    }
    return false;
}

bool WorkText(const MessageKeyField& field) {
    const QString sameFirst =
        QStringLiteral("You have selected to Replace File Name.") + kPara +
        QStringLiteral(
            "This option is not available for multiple files unless Auto Number or Auto "
            "Letter is selected.");
    const std::optional<MessageId> key = field.id();
    if (!key)
        return false;
    switch (*key) {
        case MessageId::MessageFisrtTimeMode: {
            S.MessageText =
                QStringLiteral(
                    "You can set the Program in Review Mode to check out how it works. In this mode Program "
                    "will "
                    "work as usual but will not take final Action on files. Please press Action button and "
                    "then "
                    "check the Review Mode Check Box to set the Program in Review Mode.") +
                kPara +
                QStringLiteral(
                    "Also while working on the Program press Info button at bottom right of the Program "
                    "window "
                    "to "
                    "view short Help on what to do next and how. This is your first use of the Program so "
                    "that "
                    "Help "
                    "is being shown automatically. To view it always please press Options and check the Show "
                    "Little "
                    "Help Check Box.");
            return true;
        }
        case MessageId::MessageReviewModeOn: {
            S.MessageText =
                QStringLiteral("You are running the Program in Review Mode. If you really want to ") +
                S.ActionName + QStringLiteral(" then please turn off Review Mode first.") + kPara +
                QStringLiteral(
                    "To do that please press Action button and then uncheck the Review Mode Check Box.");
            return true;
        }
        case MessageId::MessageBypassingSystemRigidity: {
            S.MessageText =
                QStringLiteral("Working in System folder is not allowed.") + kPara +
                QStringLiteral(
                    "To be able to work in System Folder you need to change option by pressing Options "
                    "button.");
            return true;
        }
        case MessageId::MessageDriveNotReady: {
            S.MessageText = QStringLiteral("The Drive you are trying to select is not ready.");
            return true;
        }
        case MessageId::MessageSourceDestSame: {
            S.MessageText =
                QStringLiteral("You have selected to ") + S.ActionName + QStringLiteral(" files.") + kPara +
                QStringLiteral(
                    "For this action Source and Destination folder must be different. Please change your "
                    "Destination folder by pressing Action | Set Destination.");
            return true;
        }
        case MessageId::MessageFolderNameSame: {
            S.MessageText = QStringLiteral(
                "Here you already have a Folder with same name. Choose a different name please.");
            return true;
        }
        case MessageId::MessageReplaceMultiName: {
            S.MessageText =
                sameFirst + kPara + QStringLiteral("Your Replace option will be set to No Replace.");
            return true;
        }
        case MessageId::MessageMultiNameRenOK: {
            S.MessageText = sameFirst + kPara + QStringLiteral("Do you want to set Auto option?");
            S.MessageButtons = QStringLiteral("YesNo");
            return true;
        }
        case MessageId::MessageAutoLetterImpossible: {
            S.MessageText =
                QStringLiteral("Your selected starting Auto Letter Is :: ") + S.RenAutoStartLetters + kCrlf +
                QStringLiteral("Auto Letter will coninue upto :: ") + S.AutoLetterLast + kPara +
                QStringLiteral("Maximum file names in which Auto Letter can be inserted is :: ") +
                QString::number(S.AutoLetterCapacity) + kCrlf +
                QStringLiteral(" Total number of selected file for ") + S.ActionName +
                QStringLiteral(" is :: ") + QString::number(S.SelectedCount) + kPara +
                QStringLiteral("Auto Letter is possible from AAA to ZZZ or aaa to zzz.") + kCrlf +
                QStringLiteral("Please change starting Auto Letter or select a fewer files to continue.");
            return true;
        }
        case MessageId::MessageNewNameChars: {
            S.MessageText = QStringLiteral("For new name only the following characters can be used :") +
                            kPara + QStringLiteral("1. Dollar sign : $") + kCrlf +
                            QStringLiteral("2. Dash : -") + kCrlf + QStringLiteral("3. Underscore : _") +
                            kCrlf + QStringLiteral("4. Digits : 0 to 9") + kCrlf +
                            QStringLiteral("5. Alphabets");
            return true;
        }
        case MessageId::MessageNeedFreeSpace: {
            S.MessageText = QStringLiteral("Action can not be taken.") + kPara +
                            QStringLiteral(
                                "Total size of selected files is higher than the free space available in the "
                                "Destination Drive. To continue you will need to unselect some files.");
            return true;
        }
        case MessageId::MessageOldUndoExist: {
            S.MessageText = QStringLiteral(
                "You still can Undo your last Action. If you continue you will not be able to Undo that any "
                "more. "
                "Do you want to continue.");
            S.MessageButtons = QStringLiteral("YesNo");
            S.MessageInput = QStringLiteral("InputCheck");
            return true;
        }
        case MessageId::MessageUndoResetsFile: {
            S.MessageText = QStringLiteral(
                "Current file selection most probaly will change or get undone. After this Undo if you want "
                "to "
                "continue your current action then you may have to select files again.");
            return true;
        }
        case MessageId::MessageInterruptedRename: {
            const bool one = S.InterruptedRenameFiles.size() == 1;
            const QString it = one ? QStringLiteral("it") : QStringLiteral("them");
            S.MessageText =
                QStringLiteral("A Rename that was interrupted before it could finish left ") +
                (one ? QStringLiteral("one of your files") : QStringLiteral("some of your files")) +
                QStringLiteral(" in this Folder under the following temporary name") +
                (one ? QString() : QStringLiteral("s")) + QStringLiteral(" :") + kPara + HeldFiles() + kPara +
                (one ? QStringLiteral("The file is hidden") : QStringLiteral("These files are hidden")) +
                QStringLiteral(", so the Program does not show ") + it +
                QStringLiteral(" and will not change or remove ") + it + QStringLiteral(". Please give ") +
                (one ? QStringLiteral("it") : QStringLiteral("each")) +
                QStringLiteral(" its right name again with your file manager.");
            return true;
        }
        case MessageId::MessageInterruptedRingPutBack: {
            S.MessageText =
                QStringLiteral(
                    "A Rename that was interrupted before it could finish left files of yours in this Folder "
                    "under hidden temporary names, with a record of what each holds :") +
                kPara + HeldFiles() + kPara +
                QStringLiteral(
                    "The Program can put every one of these files back under the name it had before that "
                    "Rename, "
                    "without replacing any file. Do you want it to do so?");
            S.MessageButtons = QStringLiteral("YesNo");
            return true;
        }
        case MessageId::MessageInterruptedRingPutBackDone: {
            S.MessageText =
                QStringLiteral("The files of the interrupted Rename were put back :") + kPara + HeldFiles();
            return true;
        }
        case MessageId::MessageInterruptedRingKept: {
            S.MessageText = QStringLiteral("Nothing was renamed. Each file stays where it is :") + kPara +
                            HeldFiles() + kPara +
                            QStringLiteral(
                                "To give the files their names yourself, give each free name to the file "
                                "that was under it, "
                                "one after the other, and never let your file manager replace a file.");
            return true;
        }
        case MessageId::MessageSingleActionError: {
            S.MessageText = QStringLiteral("There was some error. The requested action can not be taken.");
            return true;
        }
        case MessageId::MessageSingleConflictName: {
            S.MessageText = QStringLiteral(
                "Your set new name is conflicting with name of a existing file in the Folder. Select a "
                "different "
                "name please. Please remember, name includes extension too.");
            return true;
        }
        case MessageId::MessageSingleConflictRenMove: {
            S.MessageText = QStringLiteral(
                "Your set new name is conflicting with the name of a existing file in the Destination "
                "Folder. "
                "Please select a different Folder or change the new name of the file.");
            return true;
        }
        case MessageId::MessageSingleConflictMove: {
            S.MessageText = QStringLiteral(
                "Name of the file that you are trying to Move or Copy is conflicting with an existing file "
                "in "
                "the "
                "Destination Folder. To Copy or Move select a different Folder please.");
            return true;
        }
        case MessageId::MessageSingleNameChars: {
            S.MessageText = QStringLiteral(
                "Your set new name can not be a file name. A file name can not hold some characters, such as "
                "\"/\", and can not be empty, \".\" or \"..\". Select a different name please.");
            return true;
        }
        case MessageId::MessageSingleNameLong: {
            S.MessageText =
                QStringLiteral(
                    "The name is longer than the Folder allows. A file name there can be at most ") +
                QString::number(S.SingleNameLimit) +
                QStringLiteral(
                    " bytes long: a letter A to Z, a digit or a sign takes one byte, other characters more. "
                    "Select a shorter name please.");
            return true;
        }
        case MessageId::MessageHelpShow: {
            S.MessageText =
                QStringLiteral(
                    "Could not find Help. You may not have it or you might not run it after downloading. If "
                    "you "
                    "do "
                    "not have it and you are connected to internet then you can download it from website by "
                    "clicking Yes button bellow.") +
                kPara +
                QStringLiteral(
                    "You will need to run the Help by double clicking once on the file name after "
                    "downloading. "
                    "After "
                    "that you will be able to view Help by clicking the same button which is showing you "
                    "this "
                    "message.") +
                kPara +
                QStringLiteral(
                    "If you want to download, Quorvan will Exit. Download the Help, run Help by double "
                    "clicking "
                    "on "
                    "the file name, you will be able to switch back to Quorvan from that Help. Please do not "
                    "change "
                    "the file name while saving.") +
                kPara + QStringLiteral("Do you want to download Help Now?");
            S.MessageButtons = QStringLiteral("YesNo");
            return true;
        }
        case MessageId::MessageChangeUserName:
        case MessageId::MessageFolderNotEmpty:
        case MessageId::MessageFolderNotFound:
        case MessageId::MessageFolderNotOpened:
        case MessageId::MessageGetUserName:
        case MessageId::MessageIncorrectPicture:
        case MessageId::MessageMustChoosePicture:
        case MessageId::MessageMyPathNotFound:
        case MessageId::MessageNeedSriptRuntime:
        case MessageId::MessageNoLeadingZero:
        case MessageId::MessageOnlyReadyMsg:
        case MessageId::MessageProgInSystem:
        case MessageId::MessageReadyFoundConflict:
        case MessageId::MessageReadyIncludeSpace:
        case MessageId::MessageReadyIncompleteRen:
        case MessageId::MessageReadyOnlyAlpha:
        case MessageId::MessageReadyOnlyDigit:
        case MessageId::MessageRunFamilyError:
        case MessageId::MessageRunHelpError:
        case MessageId::MessageRunHelpSiteError:
        case MessageId::MessageSmallScreen:
            return false;
    }
    return false;
}

// What could not be done, by the procedure that tried.
QString TaskOf(const QString& procedure) {
    if (procedure.startsWith(QLatin1String("ActionUndo")) || procedure == QLatin1String("ActionAStartUndo"))
        return QStringLiteral(
            "The Undo could not be finished. It stopped at this file: this file and the "
            "ones after it are left as they are now.");
    if (procedure.startsWith(QLatin1String("ActionDo")) || procedure == QLatin1String("ActionAStartDo"))
        return QStringLiteral(
            "The action could not be finished. It stopped at this file: this file and the "
            "ones after it are left as they were.");
    if (procedure.startsWith(QLatin1String("FindConflict")))
        return QStringLiteral(
            "The files could not be checked before the action, so the action can not be "
            "taken.");
    if (procedure.startsWith(QLatin1String("OnRest")))
        return QStringLiteral(
            "The records that let the programs of the family find one another could not "
            "be read or kept.");
    if (procedure.startsWith(QLatin1String("ProgSave")) || procedure.startsWith(QLatin1String("ProgGet")))
        return QStringLiteral("Your user name or picture could not be read or kept.");
    return QStringLiteral("The requested action can not be taken.");
}

// The system's error number behind a reason given only in words: the "Reason : " line when the
// detail has one (a take-back adds lines after it), else the detail's end.
int ErrorOfReason(const QString& text) {
    QString detail = text;
    const qsizetype at = text.lastIndexOf(QLatin1String("Reason : "));
    if (at >= 0) {
        const qsizetype end = text.indexOf(QLatin1String("\r\n"), at);
        detail = text.mid(at, end < 0 ? -1 : end - at);
    }
    static const int known[] = {ENOSPC, EDQUOT,  EROFS,   EACCES, EPERM,        EEXIST, ENOTEMPTY, EISDIR,
                                ENOENT, ENOTDIR, ENOTSUP, ENOSYS, ENAMETOOLONG, EIO,    EXDEV};
    for (const int error : known)
        if (detail.endsWith(QString::fromLocal8Bit(std::strerror(error))))
            return error;
    if (detail.endsWith(QLatin1String("already exists")))
        return EEXIST;
    if (detail.endsWith(QLatin1String("read-only")))
        return EACCES;
    if (detail.endsWith(QLatin1String("the file has gone")))
        return ENOENT;
    return 0;
}

// What the user can do about a failure of that kind.
QString AdviceFor(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral(
                "The drive is full. Free some space on it, or choose a Destination on "
                "another drive, then try again.");
        case EROFS:
            return QStringLiteral(
                "The drive can only be read. Choose a Folder on another drive, or make "
                "this one writable, then try again.");
        case EACCES:
        case EPERM:
            return QStringLiteral(
                "You are not allowed to change this file or its Folder: it may be "
                "read-only, locked (immutable) or belong to another user. Change that "
                "with your file manager, or choose another Folder, then try again.");
        case EEXIST:
        case ENOTEMPTY:
        case EISDIR:
            return QStringLiteral(
                "Something of that name is already there, and it is left as it is. "
                "Move or rename it with your file manager, or choose another name or "
                "Destination, then try again.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral(
                "A file or Folder named above is not there any more: another program "
                "may have moved, renamed or deleted it. Check the Folders, then try "
                "again.");
        case ENOTSUP:
        case ENOSYS:
            return QStringLiteral(
                "The file system of that drive can not do this. Choose a Folder on "
                "another drive.");
        case ENAMETOOLONG:
            return QStringLiteral("The name is too long for that drive. Choose a shorter name.");
        case ELOOP:
            return QStringLiteral(
                "A symbolic link is given no attributes, and the file it points to, which "
                "may be in another Folder, is not changed through it. Unselect the link, or "
                "set the attributes of that file in its own Folder.");
        case EBADMSG:
            return QStringLiteral(
                "Nothing of the damaged file is lost: it is kept beside the new one, to look "
                "at or delete as you wish.");
        case EIO:
            return QStringLiteral(
                "The drive reported an error while reading or writing. Check the "
                "drive, then try again.");
        default:
            return QStringLiteral(
                "Check the files and Folders named above with your file manager, then "
                "try again.");
    }
}

// A failure of the user's files or drives, in plain words: what could not be done, the file, its
// target and the reason, and what the user can do. The tag stays the request's key, for no reply.
void ShowSystemFailure(const QString& procedure, const QString& detail, int systemError) {
    SetDefaultHead();
    S.MessageButtons = QStringLiteral("OK");
    S.MessageInput.clear();
    S.MessageBugDetail.clear();
    const int error = systemError > 0 ? systemError : ErrorOfReason(detail);
    S.MessageText = TaskOf(procedure);
    if (!detail.isEmpty())
        S.MessageText += kPara + detail;
    S.MessageText += kPara + AdviceFor(error);
    MessageShow(S.MessageHead, S.MessageText, S.MessageButtons, S.MessageInput);
}

}  // namespace

void ReportBug(const char* procedure, const QString& detail, int systemError) {
    S.MessageKey = MessageKeyField::FromText(QStringLiteral("Bug-Quorvan-") + QLatin1String(procedure));
    if (systemError != 0) {
        ShowSystemFailure(QLatin1String(procedure), detail, systemError);
        return;
    }
    S.MessageBugDetail = detail;
    MessageShowBug();
}

void ReportStoreNotice(const char* procedure) {
    const QString notice = settingsStore().TakeNotice();
    if (!notice.isEmpty())
        ReportBug(procedure, notice, EBADMSG);
}

QString ProductWebAddress() {
    return QString::fromUtf8(kProductWebAddress);
}

QString BugReportEmail() {
    return QString::fromUtf8(kBugReportEmail);
}

void MessageShowSystem() {
    SetDefaultHead();
    S.MessageButtons = QStringLiteral("OK");
    S.MessageInput.clear();
    if (!SystemText(S.MessageKey))
        S.MessageText.clear();
    MessageShow(S.MessageHead, S.MessageText, S.MessageButtons, S.MessageInput);
}

void MessageShowBug() {
    SetDefaultHead();
    S.MessageButtons = QStringLiteral("OK");
    S.MessageInput.clear();
    S.MessageText = QStringLiteral("There was some error.") + kCrlf +
                    QStringLiteral("It will be helpful if you please report it to ") + BugReportEmail() +
                    QStringLiteral(" . Just include the following message in your email :") + kPara +
                    S.MessageKey.text();
    // What failed and why, so that the user can act on it (and the report can say it).
    if (!S.MessageBugDetail.isEmpty())
        S.MessageText += kPara + S.MessageBugDetail;
    S.MessageBugDetail.clear();
    MessageShow(S.MessageHead, S.MessageText, S.MessageButtons, S.MessageInput);
}

void MessageShowReady() {
    SetDefaultHead();
    S.MessageButtons = QStringLiteral("OK");
    S.MessageInput.clear();
    QString extra;
    if (S.MessageKey == MessageId::MessageReadyIncompleteRen) {
        S.MessageButtons = QStringLiteral("YesNo");
    } else if (S.MessageKey == MessageId::MessageReadyFoundConflict) {
        S.MessageButtons = QStringLiteral("OKCancel");
    } else if (S.MessageKey == MessageId::MessageReadyOnlyDigit) {
        extra = QStringLiteral("Only Digits 0 to 9 is allowed.");
    } else if (S.MessageKey == MessageId::MessageReadyOnlyAlpha) {
        extra = QStringLiteral("Only Alphabets A to Z or a to z is allowed.");
    }
    if (!extra.isEmpty())
        S.MessageReadyText = extra + kPara + S.MessageReadyText;
    MessageShow(S.MessageHead, S.MessageReadyText, S.MessageButtons, S.MessageInput);
}

void MessageShowWork() {
    SetDefaultHead();
    S.MessageButtons.clear();
    S.MessageInput.clear();
    const QString detail = S.MessageBugDetail;
    S.MessageBugDetail.clear();
    if (!WorkText(S.MessageKey))
        return;
    // What failed and why, so that the user can act on it.
    if (!detail.isEmpty())
        S.MessageText += kPara + detail;
    if (S.MessageButtons.isEmpty())
        S.MessageButtons = QStringLiteral("OK");
    MessageShow(S.MessageHead, S.MessageText, S.MessageButtons, S.MessageInput);
}

void MessageShow(QString& head, QString& text, QString& buttons, QString& input) {
    MessageBoxRequest r;
    r.head = head;
    r.text = text;
    const QString buttonMode = buttons, inputMode = input;
    const bool noName = S.UserName.isEmpty() || S.UserName == kAmblet;
    r.caption = noName ? QStringLiteral("Zantipo") : QStringLiteral("Message For - ") + S.UserName;
    r.okFace = QStringLiteral("OK");
    r.cancelFace = QStringLiteral("Cancel");
    if (buttonMode == QLatin1String("OK")) {
        r.okEnabled = true;
    } else if (buttonMode == QLatin1String("Cancel")) {
        r.cancelEnabled = true;
    } else if (buttonMode == QLatin1String("OKCancel")) {
        r.okEnabled = r.cancelEnabled = true;
    } else if (buttonMode == QLatin1String("YesNo")) {
        r.okEnabled = r.cancelEnabled = true;
        r.okFace = QStringLiteral("Yes");
        r.cancelFace = QStringLiteral("No");
    } else {
        S.MessageReadyText.clear();
        return;
    }
    r.nameInput = inputMode == QLatin1String("Input0");
    r.checkInput = inputMode == QLatin1String("InputCheck");
    r.checked = S.SkipUndoWarning;

    const MessageAnswer answer = windows().ShowMessage(r);
    if (r.checkInput)
        S.SkipUndoWarningPending = answer.checked;
    if (const std::optional<MessageId> key = S.MessageKey.id()) {
        const KeyWork& found = WorkByKey()[static_cast<std::size_t>(*key)];
        const MessageWork& work = answer.ok ? found.ok : found.cancel;
        if (work)
            work(answer);
    }
    ClearRequest();
    S.MessageReadyText.clear();
}

void RegisterMessageWork(std::initializer_list<MessageKeyWork> rows) {
    for (const MessageKeyWork& row : rows)
        WorkByKey()[static_cast<std::size_t>(row.key.id)] = KeyWork{row.ok, row.cancel};
}

}  // namespace qv
