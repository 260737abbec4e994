// frmRen: what each box takes. Keys are filtered as they are typed; a paste skips the key filter,
// so every Change checks the whole text again and mends it with the message the key would have got.
#include <QString>

#include "core/message.h"
#include "core/state.h"
#include "criteria/frm_ren.h"
#include "engine/filename.h"

namespace qv {

namespace {

const QString kPara = QStringLiteral("\r\n\r\n");
const QString kZeroFirst = QStringLiteral("This number should not start with a 0 (zero).");
constexpr int kBackspace = 8;
// The running number is a 16-bit Integer.
constexpr int kAutoStartMax = 32767;

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsNewNameChar(char32_t c) {
    return c == '$' || c == '-' || c == '_' || IsDigit(c) || IsLetter(c);
}

void Ready(MessageId key, const QString& text) {
    S.MessageKey = key;
    S.MessageReadyText = text;
    MessageShowReady();
}

void Work(MessageId key) {
    S.MessageKey = key;
    MessageShowWork();
}

int CountValue(const TextBox* box) {
    bool ok = false;
    const int v = box->Text().toInt(&ok);
    return ok ? v : 0;
}

const QString& AutoNumberOnlyText() {
    static const QString t = QStringLiteral(
        "For Auto you can have either Number or Alphabets. Not both and nothing else. Since you have "
        "selected "
        "Number you can have only numbers 0 to 9 in this box. Length of the number that you type in this Box "
        "must "
        "not exceed 5 digits. This will be the starting number. This number will increase by 1 for each "
        "additional "
        "file name.");
    return t;
}

const QString& AutoLetterOnlyText() {
    static const QString t = QStringLiteral(
                                 "For Auto you can have either Number or Alphabets. Not both and nothing "
                                 "else. Since you have selected "
                                 "Letter you can have only Alphabets A to Z or a to z. To get small letters "
                                 "you must check the Small "
                                 "Letter Check Box.") +
                             kPara +
                             QStringLiteral(
                                 "You can have combination of upto 3 Alphabets. This will be the starting "
                                 "Text and will increase for "
                                 "each additional file names in Ascending order.");
    return t;
}

const QString& AutoLeadingZeroText() {
    static const QString t = QStringLiteral(
                                 "You can have starting Auto Number as 0 (zero). But if it is not 0(zero) "
                                 "then the number can not have a "
                                 "starting 0(zero). In this box please type the exact starting number. "
                                 "Length of starting number must not "
                                 "exceed 5 digits.") +
                             kPara +
                             QStringLiteral(
                                 "If you want to add zeros preceding the starting number then please click "
                                 "on Zero Fill Combo Box and "
                                 "select how many zeros you want to add. You can add upto 4 zeros. These "
                                 "will be added automatically, "
                                 "there is no need to type these.");
    return t;
}

QString AutoTooHighText() {
    return QStringLiteral("The starting Auto Number can not be higher than ") +
           QString::number(kAutoStartMax) + QStringLiteral(".");
}

const QString& IncludeSpaceText() {
    static const QString t = QStringLiteral(
        "Normally space can not be included in this text. To include Space please check the Include Space "
        "Check "
        "Box.");
    return t;
}

const QString& ExtensionText() {
    static const QString t = QStringLiteral(
        "In new Extension you can use only Alphabets and Digits 0 to 9. Space or any other Character can not "
        "be "
        "included.");
    return t;
}

// The text with the box's selection replaced by one typed character.
QString AfterKey(const TextBox* box, int key) {
    const char32_t cp = static_cast<char32_t>(key);
    QString t = box->Text();
    t.replace(box->SelStart(), box->SelLength(), QString::fromUcs4(&cp, 1));
    return t;
}

}  // namespace

// ---- count boxes ---------------------------------------------------------------------------------

namespace {

struct Sides {
    QString w1, w2;
};

Sides SidesFor(bool before) {
    return before ? Sides{QStringLiteral("before"), QStringLiteral("end")}
                  : Sides{QStringLiteral("after"), QStringLiteral("start")};
}

}  // namespace

QString FrmRen::CountDigitText(const TextBox* box) const {
    if (box == TextInsertAfterNumChar) {
        const QString w1 = SidesFor(S.EditInsertPlace == 4).w1;
        return QStringLiteral("You have selected to Insert a Text in the file names ") + w1 +
               QStringLiteral(
                   " a selected number of Character. In this box type only the number of Character ") +
               w1 + QStringLiteral(" which you want to Insert the Text.");
    }
    if (box == TextAutoAfterNumChar) {
        const QString w1 = SidesFor(S.EditAutoPlaceIndex == 4).w1;
        const QString k = S.EditAutoType == 2 ? QStringLiteral("Letter") : QStringLiteral("Nmber");
        return QStringLiteral("You have selected to insert Auto ") + k +
               QStringLiteral(" in the file names ") + w1 +
               QStringLiteral(
                   " a selected number of Character. In this box type only the number of Character ") +
               w1 + QStringLiteral(" which you want to insert Auto ") + k + QStringLiteral(".");
    }
    if (box == TextRemoveAfterNumChar || box == TextRemoveCharAfterNumChar) {
        const bool chars = box == TextRemoveCharAfterNumChar;
        const int k = S.EditRemoveKind;
        const QString w1 = SidesFor(k == 3 || k == 9).w1;
        return QStringLiteral("You have selected to Remove ") +
               (chars ? QStringLiteral("a number of Character ") : QStringLiteral("everything ")) + w1 +
               QStringLiteral(
                   " a selected number of Character. In this box type only the number of Character ") +
               w1 + QStringLiteral(" which you want to Remove.");
    }
    if (box == TextReplaceAfterNumChar || box == TextReplaceCharAfterNumChar) {
        const bool chars = box == TextReplaceCharAfterNumChar;
        const int k = S.EditReplaceKind;
        const QString w1 = SidesFor(k == 4 || k == 10).w1;
        return QStringLiteral("You have selected to Replace ") +
               (chars ? QStringLiteral("a number of Character ") : QStringLiteral("everything ")) + w1 +
               QStringLiteral(
                   " a selected number of Character. In this box type only the number of Character ") +
               w1 + QStringLiteral(" which you want to Replace.");
    }
    const QString op = box == TextRemoveNumChar ? QStringLiteral("Remove") : QStringLiteral("Replace");
    return QStringLiteral("You have selected to ") + op +
           QStringLiteral(
               " a number of Character. Type in the box the number of Character that you want to ") +
           op + QStringLiteral(".");
}

QString FrmRen::CountZeroText(const TextBox* box) const {
    if (box == TextInsertAfterNumChar) {
        const Sides s = SidesFor(S.EditInsertPlace == 4);
        return kZeroFirst + kPara + QStringLiteral("You have selected to Insert a Text in the file names ") +
               s.w1 +
               QStringLiteral(
                   " a selected number of Character. Number of Character must be higher than zero.") +
               kPara + QStringLiteral("Inserting ") + s.w1 +
               QStringLiteral(" 0(zero) Character will insert at ") + s.w2 +
               QStringLiteral(" of file names. If you want exactly that then select that option instead.");
    }
    if (box == TextAutoAfterNumChar) {
        const Sides s = SidesFor(S.EditAutoPlaceIndex == 4);
        const QString k = S.EditAutoType == 2 ? QStringLiteral("Letter") : QStringLiteral("Nmber");
        return kZeroFirst + kPara + QStringLiteral("You have selected to insert Auto ") + k +
               QStringLiteral(" in the file names ") + s.w1 +
               QStringLiteral(
                   " a selected number of Character. Number of Character must be higher than zero.") +
               kPara + QStringLiteral("Selecting 0 (zero) will insert it at ") + s.w2 +
               QStringLiteral(" of file names. If you want exactly that then select that option instead.");
    }
    if (box == TextRemoveAfterNumChar) {
        const QString w1 = SidesFor(S.EditRemoveKind == 3).w1;
        return kZeroFirst + kPara + QStringLiteral("You have selected to Remove everything ") + w1 +
               QStringLiteral(" a selected number of Character. Number of Character ") + w1 +
               QStringLiteral(" which you want to Remove must be higher than zero. Replacing everything ") +
               w1 + QStringLiteral(" zero Character will Remove the file names which is not allowed.") +
               kPara +
               QStringLiteral(
                   "If you want to Replace file names with a new name then in Replace select File Name "
                   "option "
                   "instead.");
    }
    if (box == TextRemoveCharAfterNumChar) {
        const int k = S.EditRemoveKind;
        const Sides s = SidesFor(k == 3 || k == 9);
        return kZeroFirst + kPara + QStringLiteral("You have selected to Remove a number of Character ") +
               s.w1 + QStringLiteral(" a selected number of Character. Number of Character ") + s.w1 +
               QStringLiteral(" which you want to Remove must be higher than zero.") + kPara +
               QStringLiteral("Removing ") + s.w1 + QStringLiteral(" zero Character will Remove from ") +
               s.w2 +
               QStringLiteral(" of file names. If you want exactly that then select that option instead.");
    }
    if (box == TextReplaceAfterNumChar) {
        const QString w1 = SidesFor(S.EditReplaceKind == 4).w1;
        return kZeroFirst + kPara + QStringLiteral("You have selected to Replace everything ") + w1 +
               QStringLiteral(" a selected number of Character. Number of Character ") + w1 +
               QStringLiteral(" which you want to Replace must be higher than zero.") + kPara +
               QStringLiteral("Replacing everything ") + w1 +
               QStringLiteral(
                   " zero Character will Replace the file names. If you want exactly that then select that "
                   "option "
                   "instead.");
    }
    if (box == TextReplaceCharAfterNumChar) {
        const int k = S.EditReplaceKind;
        const Sides s = SidesFor(k == 4 || k == 10);
        return kZeroFirst + kPara + QStringLiteral("You have selected to Replace a number of Character ") +
               s.w1 + QStringLiteral(" a selected number of Character. Number of Character ") + s.w1 +
               QStringLiteral(" which you want to Replace must be higher than zero.") + kPara +
               QStringLiteral("Replacing ") + s.w1 + QStringLiteral(" zero Character will Replace from ") +
               s.w2 +
               QStringLiteral(" of file names. If you want exactly that then select that option instead.");
    }
    const QString op = box == TextRemoveNumChar ? QStringLiteral("Remove") : QStringLiteral("Replace");
    return kZeroFirst + kPara + QStringLiteral("You have selected to ") + op +
           QStringLiteral(" a number of Character. Number of Character that you want to ") + op +
           QStringLiteral(
               " must be higher than zero. Type in the box the number of Character that you want to ") +
           op + QStringLiteral(".");
}

void FrmRen::CountKeyPress(TextBox* box, int& key) {
    if (key == kBackspace)
        return;
    if (!IsDigit(static_cast<char32_t>(key))) {
        key = 0;
        Ready(MessageId::MessageReadyOnlyDigit, CountDigitText(box));
        return;
    }
    if (key == '0' && box->Text().isEmpty()) {
        key = 0;
        Ready(MessageId::MessageNoLeadingZero, CountZeroText(box));
    }
}

// A count holds at most two digits and never starts with a zero. False when the text had to be
// mended (the mended text has then been written, and its own Change has stored it).
bool FrmRen::CountChange(TextBox* box) {
    const QString t = box->Text();
    QString digits;
    for (char32_t c : t.toUcs4())
        if (IsDigit(c))
            digits += QChar(static_cast<char16_t>(c));
    const bool foreign = digits.size() != t.size();
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == u'0') ++zeros;
    QString fixed = digits.mid(zeros).left(2);
    if (fixed == t)
        return true;
    Put(box, fixed);
    box->SetSelStart(static_cast<int>(fixed.size()));
    if (foreign)
        Ready(MessageId::MessageReadyOnlyDigit, CountDigitText(box));
    else if (zeros > 0)
        Ready(MessageId::MessageNoLeadingZero, CountZeroText(box));
    return false;
}

// ---- the auto start box --------------------------------------------------------------------------

void FrmRen::AutoStartKeyPress(int& key) {
    if (key == kBackspace)
        return;
    const char32_t c = static_cast<char32_t>(key);
    if (S.EditAutoType == 1) {
        if (!IsDigit(c)) {
            key = 0;
            Ready(MessageId::MessageReadyOnlyDigit, AutoNumberOnlyText());
        } else if (AfterKey(TextAutoStart, key).toInt() > kAutoStartMax) {
            key = 0;
            Ready(MessageId::MessageOnlyReadyMsg, AutoTooHighText());
        }
    } else if (S.EditAutoType == 2) {
        const bool small = CheckAutoLetter->Value() == 1;
        if (c >= 'A' && c <= 'Z') {
            if (small)
                key += 32;
        } else if (c >= 'a' && c <= 'z') {
            if (!small)
                key -= 32;
        } else {
            key = 0;
            Ready(MessageId::MessageReadyOnlyAlpha, AutoLetterOnlyText());
        }
    }
}

void FrmRen::TextAutoStart_Change() {
    const QString t = TextAutoStart->Text();
    if (S.EditAutoType == 1 && !t.isEmpty()) {
        QString digits;
        for (QChar c : t)
            if (IsDigit(c.unicode()))
                digits += c;
        if (digits != t) {
            Put(TextAutoStart, digits.left(5));
            Ready(MessageId::MessageReadyOnlyDigit, AutoNumberOnlyText());
            return;
        }
        bool ok = false;
        const int v = t.toInt(&ok);
        if (!ok || v > kAutoStartMax || t.size() > 5) {
            // Refused whole, as the key that went past the limit would have been.
            const bool acceptedFits = autoStartAccepted_.toInt() <= kAutoStartMax &&
                                      autoStartAccepted_.size() <= 5 && autoStartAccepted_ != t;
            Put(TextAutoStart, acceptedFits ? autoStartAccepted_ : QString());
            Ready(MessageId::MessageOnlyReadyMsg, AutoTooHighText());
            return;
        }
        if (t.size() > 1 && t.front() == u'0') {
            Ready(MessageId::MessageOnlyReadyMsg, AutoLeadingZeroText());
            const QString plain = QString::number(v);
            Put(TextAutoStart, plain);
            TextAutoStart->SetSelStart(static_cast<int>(plain.size()));
            return;
        }
    } else if (S.EditAutoType == 2 && !t.isEmpty()) {
        const bool small = CheckAutoLetter->Value() == 1;
        QString letters;
        bool foreign = false;
        for (QChar c : t) {
            if (IsLetter(c.unicode()))
                letters += small ? c.toLower() : c.toUpper();
            else
                foreign = true;
        }
        letters = letters.left(3);
        if (letters != t) {
            Put(TextAutoStart, letters);
            TextAutoStart->SetSelStart(static_cast<int>(letters.size()));
            if (foreign)
                Ready(MessageId::MessageReadyOnlyAlpha, AutoLetterOnlyText());
            return;
        }
    }
    S.EditAutoStart = t;
    autoStartAccepted_ = t;
}

// ---- new-name text boxes -------------------------------------------------------------------------

void FrmRen::NewTextKeyPress(TextBox* box, bool spaceAllowed, int& key) {
    (void)box;
    if (key == kBackspace)
        return;
    if (key == ' ') {
        if (!spaceAllowed) {
            key = 0;
            Ready(MessageId::MessageReadyIncludeSpace, IncludeSpaceText());
        }
        return;
    }
    if (!IsNewNameChar(static_cast<char32_t>(key))) {
        key = 0;
        Work(MessageId::MessageNewNameChars);
    }
}

// Only the characters a key may add, at most maxChars of them (0: no limit). False when mended.
bool FrmRen::NewTextChange(TextBox* box, bool spaceAllowed, int maxChars) {
    const QString t = box->Text();
    QString kept;
    bool space = false, other = false;
    for (char32_t c : t.toUcs4()) {
        if (c == ' ' && !spaceAllowed)
            space = true;
        else if (c != ' ' && !IsNewNameChar(c))
            other = true;
        else
            kept += QChar(static_cast<char16_t>(c));
    }
    if (maxChars > 0)
        kept = CharLeft(kept, maxChars);
    if (kept == t)
        return true;
    Put(box, kept);
    box->SetSelStart(static_cast<int>(kept.size()));
    if (other)
        Work(MessageId::MessageNewNameChars);
    else if (space)
        Ready(MessageId::MessageReadyIncludeSpace, IncludeSpaceText());
    return false;
}

void FrmRen::TextExt_KeyPress(int& key) {
    if (key == kBackspace)
        return;
    const char32_t c = static_cast<char32_t>(key);
    if (!IsDigit(c) && !IsLetter(c)) {
        key = 0;
        Ready(MessageId::MessageOnlyReadyMsg, ExtensionText());
    }
}

// Place strings take any character a user can type; a pasted control character (a line break, a
// NUL) could never be in a file name, so it is dropped. False when mended.
bool FrmRen::StringChange(TextBox* box) {
    const QString t = box->Text();
    QString kept;
    for (char32_t c : t.toUcs4())
        if (c >= 32 && c != 127)
            kept += QString::fromUcs4(&c, 1);
    if (kept == t)
        return true;
    Put(box, kept);
    return false;
}

void FrmRen::AddSpaceClick(CheckBox* check, TextBox* box, bool& pending) {
    pending = check->Value() == 1;
    if (!pending && !box->Text().isEmpty()) {
        QString stripped = box->Text();
        stripped.remove(u' ');
        Put(box, stripped);
    }
    Focus(box);
}

// ---- wiring --------------------------------------------------------------------------------------

void FrmRen::WireRules() {
    struct Count {
        TextBox* box;
        int* pending;
        void (FrmRen::*chain)();
    };
    const Count counts[] = {
        {TextInsertAfterNumChar, &S.InsertNPending, &FrmRen::InsertChain},
        {TextReplaceAfterNumChar, &S.ReplaceNPending, &FrmRen::ReplaceChain},
        {TextReplaceCharAfterNumChar, &S.ReplaceCharNPending, &FrmRen::ReplaceChain},
        {TextReplaceNumChar, &S.ReplaceCharCountPending, &FrmRen::ReplaceChain},
        {TextRemoveAfterNumChar, &S.EditRemoveAfterNumChars, &FrmRen::RemoveChain},
        {TextRemoveCharAfterNumChar, &S.EditRemoveCharAfterNumChars, &FrmRen::RemoveChain},
        {TextRemoveNumChar, &S.EditRemoveNumChars, &FrmRen::RemoveChain},
        {TextAutoAfterNumChar, &S.EditAutoNumChars, &FrmRen::AutoChain},
    };
    for (const Count& c : counts) {
        c.box->KeyPress = [this, box = c.box](int& key) { CountKeyPress(box, key); };
        c.box->Change = [this, c] {
            if (!CountChange(c.box))
                return;
            *c.pending = CountValue(c.box);
            (this->*c.chain)();
        };
    }

    struct Str {
        TextBox* box;
        QString* pending;
        void (FrmRen::*chain)();
    };
    const Str strings[] = {
        {TextInsertAfterString, &S.InsertStringPending, &FrmRen::InsertChain},
        {TextReplaceString, &S.ReplaceStringPending, &FrmRen::ReplaceChain},
        {TextReplaceAfterString, &S.ReplacePlaceStringPending, &FrmRen::ReplaceChain},
        {TextReplaceCharAfterString, &S.ReplaceCharStringPending, &FrmRen::ReplaceChain},
        {TextRemoveString, &S.EditRemoveString, &FrmRen::RemoveChain},
        {TextRemoveAfterString, &S.EditRemoveAfterString, &FrmRen::RemoveChain},
        {TextRemoveCharAfterString, &S.EditRemoveCharAfterString, &FrmRen::RemoveChain},
        {TextAutoAfterString, &S.EditAutoString, &FrmRen::AutoChain},
    };
    for (const Str& s : strings) {
        s.box->Change = [this, s] {
            if (!StringChange(s.box))
                return;
            *s.pending = s.box->Text();
            (this->*s.chain)();
        };
    }
    TextHandleThis->Change = [this] { TextHandleThis_Change(); };

    struct NewText {
        TextBox* box;
        QString* pending;
        bool* spaceAllowed;
        CheckBox* check;
        int maxChars;
    };
    const NewText texts[] = {
        {TextInsertThis, &S.InsertTextPending, &S.InsertAddSpacePending, CheckInsertAddSpace, 0},
        {TextReplaceWith, &S.ReplaceWithPending, &S.ReplaceAddSpacePending, CheckReplaceAddSpace, 0},
        {TextSpaceWith, &S.SpaceWithPending, &S.SpaceAddSpacePending, CheckSpaceAddSpace, 8},
        {TextHandleWith, &S.HandleWithPending, &S.HandleAddSpacePending, CheckHandleAddSpace, 8},
    };
    for (const NewText& n : texts) {
        n.box->KeyPress = [this, n](int& key) { NewTextKeyPress(n.box, *n.spaceAllowed, key); };
        n.box->Change = [this, n] {
            if (!NewTextChange(n.box, *n.spaceAllowed, n.maxChars))
                return;
            *n.pending = n.box->Text();
        };
        n.check->Click = [this, n] { AddSpaceClick(n.check, n.box, *n.spaceAllowed); };
    }

    TextExt->KeyPress = [this](int& key) { TextExt_KeyPress(key); };
    TextExt->Change = [this] {
        const QString t = TextExt->Text();
        QString kept;
        bool foreign = false;
        for (QChar c : t) {
            if (IsDigit(c.unicode()) || IsLetter(c.unicode()))
                kept += c;
            else
                foreign = true;
        }
        kept = kept.left(7);
        if (kept != t) {
            Put(TextExt, kept);
            TextExt->SetSelStart(static_cast<int>(kept.size()));
            if (foreign)
                Ready(MessageId::MessageOnlyReadyMsg, ExtensionText());
            return;
        }
        S.ExtNewPending = t;
    };

    TextAutoStart->KeyPress = [this](int& key) { AutoStartKeyPress(key); };
    TextAutoStart->Change = [this] { TextAutoStart_Change(); };
}

}  // namespace qv
