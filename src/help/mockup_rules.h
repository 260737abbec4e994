// The rules of the help's working mock-ups, apart from their controls: what a key may put into a
// box, how the Auto start is tidied, the criteria summary lines, the Action frame's labels and the
// Easy Process name split. The mock-ups touch no file; these only compute.
#pragma once

#include <QString>

namespace qv::help {

// Characters a new name may hold besides a space: "$", "-", "_", digits and ASCII letters.
bool IsNameChar(QChar c);
bool IsDigit(QChar c);
bool IsAsciiLetter(QChar c);

// What is left of a typed or pasted text under each rule (the same rule for keys and pastes).
QString KeepNameChars(const QString& text, bool allowSpace);
QString KeepDigits(const QString& text);
QString KeepLetters(const QString& text);

// An Auto Number start without its leading zeros, keeping at least the last character.
QString TrimAutoNumber(const QString& start);

// A count box's number: -1 when it holds none (empty, not digits, or too long to be a count).
int CountValue(const QString& text);

// The Insert line of the summary ("Insert :: No" when the criterion is not complete).
QString InsertSummary(int place, const QString& count, const QString& string, const QString& text);

struct AutoSummaryLines {
    QString first;
    QString second;
};
// The two Auto lines: mode 2 letters, otherwise numbers.
AutoSummaryLines AutoSummary(int mode, int place, const QString& count, const QString& string,
                             const QString& start);

// What the Action frame shows for an action and the chosen attribute.
struct ActionLabels {
    bool mustVisible = false;
    QString mustText;
    bool overwriteVisible = false;
    bool deleteVisible = false;
    bool attributeVisible = false;
};
ActionLabels ActionVisibility(int actionIndex, int attributeIndex);

// A file caption split at its last ".": name before, extension after ("" when there is no dot).
struct NameParts {
    QString name;
    QString ext;
};
NameParts SplitAtLastDot(const QString& caption);

// Easy Process is ready when either box holds something new.
bool EasyReady(const QString& name, const QString& ext, const QString& oldName, const QString& oldExt);

}  // namespace qv::help
