// frmRen: OK with its completeness check, and Cancel.
#include <QString>

#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "criteria/frm_ren.h"

namespace qv {

namespace {

const QString kCrlf = QStringLiteral("\r\n");

bool In(int v, int a, int b) {
    return v == a || v == b;
}

}  // namespace

void FrmRen::CheckRenameCriteria() {
    incomplete_ = Incomplete{};
    auto found = [this](bool& flag, const char* name) {
        flag = true;
        ++incomplete_.count;
        incomplete_.names << QString::fromLatin1(name);
    };

    // Case
    if (CheckCase->Value() != 1) {
        Choose(OptionCase, -1);
        S.EditCaseOption = -1;
        Put(ComboCase, 0);
    } else if (S.EditCaseChoice == 0) {
        found(incomplete_.caseChange, "Case : Change");
    }

    // Extension
    if (CheckExt->Value() != 1)
        Put(TextExt, QString());
    else if (TextExt->Text().isEmpty())
        found(incomplete_.extension, "Extension : Change");

    // Space
    if (CheckSpace->Value() != 1) {
        Choose(OptionSpace, -1);
        S.EditSpaceMode = -1;
        Put(TextSpaceWith, QString());
        Put(CheckSpaceAddSpace, 0);
    } else if (S.EditSpaceMode == 1 && TextSpaceWith->Text().isEmpty()) {
        found(incomplete_.space, "Space : Change || Replace");
    } else {
        if (S.EditSpaceMode != 1)
            Put(CheckSpaceAddSpace, 0);
        S.SpaceAddSpace = S.SpaceAddSpacePending;
    }

    // Handle
    if (CheckHandle->Value() == 1) {
        if (S.EditHandleMode == -1 || TextHandleThis->Text().isEmpty() ||
            (S.EditHandleMode == 2 && TextHandleWith->Text().isEmpty())) {
            found(incomplete_.handle, "Handle all instances of this Character or String");
        } else {
            if (S.EditHandleMode != 2)
                Put(CheckHandleAddSpace, 0);
            S.HandleAddSpace = S.HandleAddSpacePending;
        }
    } else {
        Choose(OptionHandle, -1);
        S.EditHandleMode = -1;
        Put(TextHandleThis, QString());
        Put(TextHandleWith, QString());
        Put(CheckHandleAddSpace, 0);
    }

    // Insert
    if (CheckInsert->Value() != 1) {
        for (TextBox* b : {TextInsertAfterNumChar, TextInsertAfterString, TextInsertThis}) Put(b, QString());
        Put(CheckInsertAddSpace, 0);
    } else {
        const int k = S.EditInsertPlace;
        if (S.InsertTextPending.isEmpty() || k == 0 || (In(k, 3, 4) && S.InsertNPending < 1) ||
            (In(k, 5, 6) && S.InsertStringPending.isEmpty()))
            found(incomplete_.insert, "Insert");
        else
            S.InsertAddSpace = S.InsertAddSpacePending;
    }

    // Replace
    if (CheckReplace->Value() == 1) {
        const int k = S.EditReplaceKind;
        const bool chars = k >= 7 && k <= 12;
        if (TextReplaceWith->Text().isEmpty() || k == 0 || (k == 2 && S.ReplaceStringPending.isEmpty()) ||
            (In(k, 3, 4) && S.ReplaceNPending < 1) ||
            (In(k, 5, 6) && S.ReplacePlaceStringPending.isEmpty()) ||
            (chars && S.ReplaceCharCountPending == 0) || (In(k, 9, 10) && S.ReplaceCharNPending == 0) ||
            (In(k, 11, 12) && S.ReplaceCharStringPending.isEmpty()))
            found(incomplete_.replace, "Replace");
        else
            S.ReplaceAddSpace = S.ReplaceAddSpacePending;
    } else {
        for (TextBox* b :
             {TextReplaceString, TextReplaceAfterNumChar, TextReplaceAfterString, TextReplaceNumChar,
              TextReplaceCharAfterNumChar, TextReplaceCharAfterString, TextReplaceWith})
            Put(b, QString());
        Put(CheckReplaceAddSpace, 0);
    }

    // Remove
    if (CheckRemove->Value() != 1) {
        for (TextBox* b : {TextRemoveString, TextRemoveAfterNumChar, TextRemoveAfterString, TextRemoveNumChar,
                           TextRemoveCharAfterNumChar, TextRemoveCharAfterString})
            Put(b, QString());
    } else {
        const int k = S.EditRemoveKind;
        const bool chars = k >= 6 && k <= 11;
        if (k == 0 || (k == 1 && S.EditRemoveString.isEmpty()) ||
            (In(k, 2, 3) && S.EditRemoveAfterNumChars == 0) ||
            (In(k, 4, 5) && S.EditRemoveAfterString.isEmpty()) || (chars && S.EditRemoveNumChars == 0) ||
            (In(k, 8, 9) && S.EditRemoveCharAfterNumChars == 0) ||
            (In(k, 10, 11) && S.EditRemoveCharAfterString.isEmpty()))
            found(incomplete_.remove, "Remove");
    }

    // Auto
    if (S.EditAutoType == 0) {
        Put(ComboAutoZeroFill, 0);
        Put(ComboAutoPlace, 0);
        for (TextBox* b : {TextAutoAfterNumChar, TextAutoAfterString, TextAutoStart}) Put(b, QString());
        Put(CheckAutoLetter, 0);
    } else {
        const int p = S.EditAutoPlaceIndex;
        bool ok = false;
        const int start = S.EditAutoStart.toInt(&ok);
        // A start the 16-bit running number cannot hold is as good as none.
        const bool badNumber = S.EditAutoType == 1 && (!ok || start < 0 || start > 32767);
        if (S.EditAutoStart.isEmpty() || badNumber || (In(p, 3, 4) && S.EditAutoNumChars == 0) ||
            (In(p, 5, 6) && S.EditAutoString.isEmpty())) {
            found(incomplete_.autoValue, "Auto");
        } else if (S.EditAutoType == 1) {
            Put(CheckAutoLetter, 0);
        } else {
            Put(ComboAutoZeroFill, 0);
        }
    }

    if (incomplete_.count == 0)
        return;
    if (incomplete_.count == 1) {
        S.MessageReadyText =
            QStringLiteral("Criteria settings for ") + incomplete_.names.front() +
            QStringLiteral(
                " is not complete. If incomplete, will be unselected. Do you want to complete "
                "settings?");
    } else {
        QString text =
            QStringLiteral("You have incomplete criteria settings for the followings :") + kCrlf + kCrlf;
        for (int i = 0; i < incomplete_.names.size(); ++i)
            text += QString::number(i + 1) + QStringLiteral(". ") + incomplete_.names[i] + kCrlf;
        text +=
            kCrlf + QStringLiteral("If incomplete, will be unselected. Do you want to complete settings ?");
        S.MessageReadyText = text;
    }
    S.MessageKey = MessageId::MessageReadyIncompleteRen;
    MessageShowReady();
}

void FrmRen::ClearIncompleteCriteria() {
    if (incomplete_.count == 0)
        return;
    if (incomplete_.caseChange) {
        Choose(OptionCase, -1);
        S.EditCaseOption = -1;
        Put(ComboCase, 0);
        Put(CheckCase, 0);
    }
    if (incomplete_.extension)
        Put(CheckExt, 0);
    if (incomplete_.space) {
        Choose(OptionSpace, -1);
        S.EditSpaceMode = -1;
        Put(TextSpaceWith, QString());
        Put(CheckSpaceAddSpace, 0);
        Put(CheckSpace, 0);
        S.SpaceAddSpace = S.SpaceAddSpacePending;
    }
    if (incomplete_.handle) {
        Choose(OptionHandle, -1);
        S.EditHandleMode = -1;
        Put(TextHandleThis, QString());
        Put(TextHandleWith, QString());
        Put(CheckHandleAddSpace, 0);
        Put(CheckHandle, 0);
        S.HandleAddSpace = S.HandleAddSpacePending;
    }
    if (incomplete_.insert) {
        for (TextBox* b : {TextInsertAfterNumChar, TextInsertAfterString, TextInsertThis}) Put(b, QString());
        Put(CheckInsertAddSpace, 0);
        Put(CheckInsert, 0);
        S.InsertAddSpace = S.InsertAddSpacePending;
    }
    if (incomplete_.replace) {
        for (TextBox* b :
             {TextReplaceString, TextReplaceAfterNumChar, TextReplaceAfterString, TextReplaceNumChar,
              TextReplaceCharAfterNumChar, TextReplaceCharAfterString, TextReplaceWith})
            Put(b, QString());
        Put(CheckReplaceAddSpace, 0);
        Put(CheckReplace, 0);
        S.ReplaceAddSpace = S.ReplaceAddSpacePending;
    }
    if (incomplete_.remove) {
        for (TextBox* b : {TextRemoveString, TextRemoveAfterNumChar, TextRemoveAfterString, TextRemoveNumChar,
                           TextRemoveCharAfterNumChar, TextRemoveCharAfterString})
            Put(b, QString());
        Put(CheckRemove, 0);
    }
    if (incomplete_.autoValue) {
        Put(ComboAutoZeroFill, 0);
        Put(ComboAutoPlace, 0);
        for (TextBox* b : {TextAutoAfterNumChar, TextAutoAfterString, TextAutoStart}) Put(b, QString());
        Put(CheckAutoLetter, 0);
        Choose(OptionAuto, 0);
        // The committed small-letter flag is the commit's to write.
    }
    incomplete_ = Incomplete{};
}

void FrmRen::CommandOK_Click() {
    S.MessageReply.clear();
    CheckRenameCriteria();
    if (S.MessageReply == QLatin1String("CriteriaSetAgain")) {
        S.MessageReply.clear();
        return;  // the user completes the criteria
    }
    ClearIncompleteCriteria();
    if (S.SelectedCount > 1 && S.EditReplaceKind == 1 && S.EditAutoType == 0) {
        S.MessageKey = MessageId::MessageMultiNameRenOK;
        MessageShowWork();
        if (S.MessageReply != QLatin1String("SetRenameABOKAgain"))
            return;  // Yes: the dialog stays open for an Auto choice
        // No: the message's answer has switched Replace off.
        S.MessageReply.clear();
        CheckRenameCriteria();
        if (S.MessageReply == QLatin1String("CriteriaSetAgain")) {
            S.MessageReply.clear();
            return;
        }
        ClearIncompleteCriteria();
    }
    Hide();
    S.CriteriaHelpShown = false;
    S.PanelKey = PanelId::RenameSet;
    SetValueByKey();
}

void FrmRen::CommandCancel_Click() {
    Hide();
    S.CriteriaDialogClosed = true;
    // Nothing pending outlives a Cancel: what the summary, the letter check and a reset read next is
    // the committed state.
    LoadCommitted();
    S.SetButKey.clear();
    SetButtons();
}

}  // namespace qv
