#include "engine/names.h"

#include <optional>

#include "core/state.h"
#include "engine/filename.h"
#include "engine/selection.h"

namespace qv {

namespace {

const QString kSpace = QStringLiteral(" ");

// Every position and length below is in characters, never in UTF-16 units, so no operation can
// split a character in two.

// The number of characters kept in front of the change, or nothing when the place is missing.
using Place = std::optional<qsizetype>;

Place AfterN(const QString& n, int count) {
    if (count < 0 || count > CharCount(n)) {
        return std::nullopt;
    }
    return count;
}

Place BeforeN(const QString& n, int count) {
    const qsizetype length = CharCount(n);
    if (count < 0 || count > length) {
        return std::nullopt;
    }
    return length - count;
}

// Where the first occurrence of s begins; an empty s is found at the start of any non-empty name.
Place BeforeString(const QString& n, const QString& s) {
    if (s.isEmpty()) {
        return n.isEmpty() ? Place() : Place(0);
    }
    const qsizetype at = CharIndexOf(n, s);
    return at < 0 ? Place() : Place(at);
}

Place AfterString(const QString& n, const QString& s) {
    const Place at = BeforeString(n, s);
    return at ? Place(*at + CharCount(s)) : at;
}

enum class Family { Insert, Replace, Remove, Auto };

void MarkRow(int i, Family family) {
    if (!SelectionMarkRow(i)) {
        return;
    }
    ++S.ConflictTotal;
    switch (family) {
        case Family::Insert:
            ++S.ConflictInsert;
            break;
        case Family::Replace:
            ++S.ConflictReplace;
            break;
        case Family::Remove:
            ++S.ConflictRemove;
            break;
        case Family::Auto:
            ++S.ConflictAuto;
            break;
    }
}

struct Result {
    enum Kind { Done, Missing, Short } kind = Done;
    QString name;
};

// The shared row skeleton of the positional operations.
template <class Op>
void EachUnmarkedRow(Family family, bool markMissing, bool markShort, Op op) {
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        if (SelectionRowMarked(i)) {
            continue;
        }
        Result r = op(S.ComboName.at(i));
        if (r.kind == Result::Missing || (r.kind == Result::Short && markShort)) {
            if (r.kind == Result::Short || markMissing) {
                MarkRow(i, family);
            }
            continue;
        }
        S.ComboName[i] = std::move(r.name);
    }
}

template <class PlaceOf>
void InsertAt(PlaceOf placeOf) {
    const QString text = S.InsertText;
    EachUnmarkedRow(Family::Insert, S.MarkInsertMissing, false, [&](const QString& n) {
        const Place p = placeOf(n);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        return Result{Result::Done, CharInsert(n, *p, text)};
    });
}

// Everything after the place becomes `with`.
template <class PlaceOf>
void KeepLeft(Family family, bool markMissing, const QString& with, PlaceOf placeOf) {
    EachUnmarkedRow(family, markMissing, false, [&](const QString& n) {
        const Place p = placeOf(n);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        return Result{Result::Done, CharLeft(n, *p) + with};
    });
}

// Everything before the place becomes `with`.
template <class PlaceOf>
void KeepRight(Family family, bool markMissing, const QString& with, PlaceOf placeOf) {
    EachUnmarkedRow(family, markMissing, false, [&](const QString& n) {
        const Place p = placeOf(n);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        return Result{Result::Done, with + CharMid(n, *p)};
    });
}

// The first occurrence of s becomes `with`.
void SwapString(Family family, bool markMissing, const QString& s, const QString& with) {
    EachUnmarkedRow(family, markMissing, false, [&](const QString& n) {
        const Place p = BeforeString(n, s);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        return Result{Result::Done, CharLeft(n, *p) + with + CharMid(n, *p + CharCount(s))};
    });
}

// The M characters after the place become `with`.
template <class PlaceOf>
void CharsAfter(Family family, bool markMissing, bool markShort, int count, const QString& with,
                PlaceOf placeOf) {
    const qsizetype m = qMax(0, count);
    EachUnmarkedRow(family, markMissing, markShort, [&](const QString& n) {
        const Place p = placeOf(n);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        if (CharCount(n) - *p >= m) {
            return Result{Result::Done, CharLeft(n, *p) + with + CharMid(n, *p + m)};
        }
        return Result{Result::Short, CharLeft(n, *p) + with};
    });
}

// The M characters before the place become `with`.
template <class PlaceOf>
void CharsBefore(Family family, bool markMissing, bool markShort, int count, const QString& with,
                 PlaceOf placeOf) {
    const qsizetype m = qMax(0, count);
    EachUnmarkedRow(family, markMissing, markShort, [&](const QString& n) {
        const Place p = placeOf(n);
        if (!p) {
            return Result{Result::Missing, {}};
        }
        if (*p >= m) {
            return Result{Result::Done, CharLeft(n, *p - m) + with + CharMid(n, *p)};
        }
        return Result{Result::Short, with + CharMid(n, *p)};
    });
}

auto AfterNOf(int count) {
    return [count](const QString& n) { return AfterN(n, count); };
}
auto BeforeNOf(int count) {
    return [count](const QString& n) { return BeforeN(n, count); };
}
auto AfterStringOf(const QString& s) {
    return [s](const QString& n) { return AfterString(n, s); };
}
auto BeforeStringOf(const QString& s) {
    return [s](const QString& n) { return BeforeString(n, s); };
}

// Puts a running value at the place of every unmarked row; the operation ends when the values run out.
template <class PlaceOf, class NextValue>
void AutoAt(PlaceOf placeOf, NextValue&& next) {
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        if (SelectionRowMarked(i)) {
            continue;
        }
        if (next.Ended()) {
            return;
        }
        const QString& n = S.ComboName.at(i);
        const Place p = placeOf(n);
        if (!p) {
            MarkRow(i, Family::Auto);
            continue;
        }
        S.ComboName[i] = CharInsert(n, *p, next());
    }
}

// Running number with the zero fill that keeps the starting width until the digits outgrow it.
class NumberRun {
  public:
    NumberRun()
        : value_(S.RenAutoStartNumber),
          zeros_(qBound(0, S.RenAutoZeroFill, 16), QLatin1Char('0')),
          width_(DecimalNumber(value_).size() + zeros_.size()) {}

    bool Ended() const { return false; }

    QString operator()() {
        QString s;
        if (!zeros_.isEmpty()) {
            s = zeros_ + DecimalNumber(value_);
            if (s.size() > width_ && s.startsWith(QLatin1Char('0'))) {
                s.remove(0, 1);
                zeros_.chop(1);
            }
        } else {
            s = DecimalNumber(value_);
        }
        ++value_;
        return s;
    }

  private:
    qint64 value_;
    QString zeros_;
    qsizetype width_;
};

// Odometer of one to three letters; ends after the top letters.
class LetterRun {
  public:
    LetterRun() : top_(S.RenAutoKind == QStringLiteral("Small Letter") ? U'z' : U'Z') {
        const auto start = S.RenAutoStartLetters.toUcs4();
        k_ = static_cast<int>(start.size());
        if (k_ >= 1 && k_ <= 3) {
            c1_ = static_cast<char32_t>(start.at(k_ - 1));
            c2_ = k_ >= 2 ? static_cast<char32_t>(start.at(k_ - 2)) : 0;
            c3_ = k_ == 3 ? static_cast<char32_t>(start.at(0)) : 0;
        } else {
            ended_ = true;
        }
    }

    bool Ended() const { return ended_; }

    QString operator()() {
        const char32_t all[3] = {c3_, c2_, c1_};
        const QString s = QString::fromUcs4(all + 3 - k_, k_);
        advance();
        return s;
    }

  private:
    void advance() {
        if (++c1_ <= top_) {
            return;
        }
        if (k_ == 1) {
            ended_ = true;
            return;
        }
        c1_ = top_ - 25;
        if (++c2_ <= top_) {
            return;
        }
        if (k_ == 2) {
            ended_ = true;
            return;
        }
        c2_ = top_ - 25;
        if (++c3_ > top_) {
            ended_ = true;
        }
    }

    char32_t top_;
    int k_ = 0;
    char32_t c1_ = 0, c2_ = 0, c3_ = 0;
    bool ended_ = false;
};

void RunSlot(const QString& slot) {
    const std::optional<SlotId> op = KeyFromQString<SlotId>(slot);
    if (!op)
        return;
    switch (*op) {
        case SlotId::Insert:
            ApplyInsert();
            break;
        case SlotId::Replace:
            ApplyReplace();
            break;
        case SlotId::Remove:
            ApplyRemove();
            break;
        case SlotId::Auto:
            ApplyAuto();
            break;
    }
}

QString ConvertCase(const QString& s, bool upper) {
    return upper ? s.toUpper() : s.toLower();
}

// The first character of each word converted, on its own as a one-character string would be.
QString WordStartsConverted(const QString& n, bool upper) {
    const QChar space = kSpace.front();
    // Plain ASCII at every word start keeps the length: those letters change in place in a copy.
    QString out = n;
    bool wordStart = true;
    for (qsizetype at = 0; at < n.size(); ++at) {
        const QChar c = n.at(at);
        if (c == space) {
            wordStart = true;
        } else if (wordStart) {
            if (c.unicode() >= 0x80) {
                out.clear();
                break;
            }
            const QChar to = upper ? c.toUpper() : c.toLower();
            if (to != c) {
                out[at] = to;
            }
            wordStart = false;
        }
    }
    if (!out.isNull() || n.isNull()) {
        return out;
    }
    // Otherwise unchanged stretches are copied whole between the converted characters.
    out.reserve(n.size());
    wordStart = true;
    qsizetype copied = 0;
    for (qsizetype at = 0; at < n.size();) {
        const QChar c = n.at(at);
        if (c == space) {
            wordStart = true;
            ++at;
            continue;
        }
        const qsizetype units = CharUnitsAt(n, at);
        if (wordStart) {
            out.append(QStringView(n).mid(copied, at - copied));
            if (c.unicode() < 0x80) {
                out.append(upper ? c.toUpper() : c.toLower());
            } else {
                out.append(ConvertCase(n.mid(at, units), upper));
            }
            copied = at + units;
            wordStart = false;
        }
        at += units;
    }
    out.append(QStringView(n).mid(copied));
    return out;
}

}  // namespace

void FinalizeNewNames() {
    if (S.CaseOn == 1) {
        ApplyChangeCase();
    }
    if (S.ExtensionOn == 1) {
        ApplyChangeExtension();
    }
    if (S.SpaceOn == 1) {
        ApplySpace();
    }
    if (S.HandleOn == 1) {
        ApplyHandleCharString();
    }
    if (S.PriorityCount >= 1 && S.PriorityCount <= 3) {
        ApplyPriority1();
        if (S.PriorityCount >= 2) {
            ApplyPriority2();
        }
        if (S.PriorityCount == 3) {
            ApplyPriority3();
        }
    }
    if (S.AutoOn == 1) {
        ApplyAuto();
    }
    S.NamesToBuild = false;
    S.ConflictCheckDue = true;
}

void ApplyPriority1() {
    RunSlot(S.PrioritySlot1);
}
void ApplyPriority2() {
    RunSlot(S.PrioritySlot2);
}
void ApplyPriority3() {
    RunSlot(S.PrioritySlot3);
}

void ApplyInsert() {
    const std::optional<InsertTypeId> type = KeyFromQString<InsertTypeId>(S.InsertType);
    if (!type)
        return;
    switch (*type) {
        case InsertTypeId::InsertAfterNumChars:
            ApplyInsertAfterNumChars();
            break;
        case InsertTypeId::InsertBeforeNumChars:
            ApplyInsertBeforeNumChars();
            break;
        case InsertTypeId::InsertAfterAString:
            ApplyInsertAfterAString();
            break;
        case InsertTypeId::InsertBeforeAString:
            ApplyInsertBeforeAString();
            break;
    }
}

void ApplyReplace() {
    const std::optional<ReplaceTypeId> type = KeyFromQString<ReplaceTypeId>(S.ReplaceType);
    if (!type)
        return;
    switch (*type) {
        case ReplaceTypeId::ReplaceFileName:
            ApplyReplaceFileName();
            break;
        case ReplaceTypeId::ReplaceAString:
            ApplyReplaceAString();
            break;
        case ReplaceTypeId::ReplaceAfterNumChars:
            ApplyReplaceAfterNumChars();
            break;
        case ReplaceTypeId::ReplaceBeforeNumChars:
            ApplyReplaceBeforeNumChars();
            break;
        case ReplaceTypeId::ReplaceAfterAString:
            ApplyReplaceAfterAString();
            break;
        case ReplaceTypeId::ReplaceBeforeAString:
            ApplyReplaceBeforeAString();
            break;
        case ReplaceTypeId::ReplaceCharAfterNumChars:
            ApplyReplaceCharAfterNumChars();
            break;
        case ReplaceTypeId::ReplaceCharBeforeNumChars:
            ApplyReplaceCharBeforeNumChars();
            break;
        case ReplaceTypeId::ReplaceCharAfterAString:
            ApplyReplaceCharAfterAString();
            break;
        case ReplaceTypeId::ReplaceCharBeforeAString:
            ApplyReplaceCharBeforeAString();
            break;
    }
}

void ApplyRemove() {
    const std::optional<RemoveTypeId> type = KeyFromQString<RemoveTypeId>(S.RemoveType);
    if (!type)
        return;
    switch (*type) {
        case RemoveTypeId::RemoveAString:
            ApplyRemoveAString();
            break;
        case RemoveTypeId::RemoveAfterNumChars:
            ApplyRemoveAfterNumChars();
            break;
        case RemoveTypeId::RemoveBeforeNumChars:
            ApplyRemoveBeforeNumChars();
            break;
        case RemoveTypeId::RemoveAfterAString:
            ApplyRemoveAfterAString();
            break;
        case RemoveTypeId::RemoveBeforeAString:
            ApplyRemoveBeforeAString();
            break;
        case RemoveTypeId::RemoveCharAfterNumChars:
            ApplyRemoveCharAfterNumChars();
            break;
        case RemoveTypeId::RemoveCharBeforeNumChars:
            ApplyRemoveCharBeforeNumChars();
            break;
        case RemoveTypeId::RemoveCharAfterAString:
            ApplyRemoveCharAfterAString();
            break;
        case RemoveTypeId::RemoveCharBeforeAString:
            ApplyRemoveCharBeforeAString();
            break;
    }
}

void ApplyAuto() {
    const std::optional<AutoPlaceId> place = KeyFromQString<AutoPlaceId>(S.RenAutoPlace);
    if (!place)
        return;
    const bool number = S.RenAutoKind == QStringLiteral("Number");
    switch (*place) {
        case AutoPlaceId::AutoAfterNumChars:
            if (number)
                ApplyAutoNumberAfterNumChars();
            else
                ApplyAutoLetterNumChars();
            break;
        case AutoPlaceId::AutoBeforeNumChars:
            if (number)
                ApplyAutoNumberBeforeNumChars();
            else
                ApplyAutoLetterNumChars();
            break;
        case AutoPlaceId::AutoAfterAString:
            if (number)
                ApplyAutoNumberAfterAString();
            else
                ApplyAutoLetterAString();
            break;
        case AutoPlaceId::AutoBeforeAString:
            if (number)
                ApplyAutoNumberBeforeAString();
            else
                ApplyAutoLetterAString();
            break;
    }
}

void ApplyChangeCase() {
    bool upper;
    if (S.CaseTo == QStringLiteral("Upper Case")) {
        upper = true;
    } else if (S.CaseTo == QStringLiteral("Lower Case")) {
        upper = false;
    } else {
        return;
    }
    const QString& scope = S.CaseScope;
    enum { WholeName, FirstLetter, FirstLetterOfWords } what;
    if (scope == QStringLiteral("FileName")) {
        what = WholeName;
    } else if (scope == QStringLiteral("FirstLetter")) {
        what = FirstLetter;
    } else if (scope == QStringLiteral("FirstLetterOfWords")) {
        what = FirstLetterOfWords;
    } else {
        return;
    }
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        const QString n = S.ComboName.at(i);
        QString out;
        if (what == WholeName) {
            out = ConvertCase(n, upper);
        } else if (what == FirstLetter) {
            out = ConvertCase(CharLeft(n, 1), upper) + CharMid(n, 1);
        } else {
            out = WordStartsConverted(n, upper);
        }
        S.ComboName[i] = out;
    }
}

void ApplyChangeExtension() {
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        S.ComboExt[i] = S.ExtNew;
        // A name without a dot gains one with its new extension: "README" -> "README.txt".
        if (S.ComboDot.at(i).isEmpty() && !S.ExtNew.isEmpty()) {
            S.ComboDot[i] = QStringLiteral(".");
        }
    }
}

void ApplySpace() {
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        const QString& n = S.ComboName.at(i);
        if (!n.contains(kSpace)) {
            continue;
        }
        // One pass over the name: the replacement is never scanned again.
        QString out = n;
        S.ComboName[i] = out.replace(kSpace.front(), S.SpaceWith);
    }
}

void ApplyHandleCharString() {
    const QString what = S.HandleWhat;
    // An empty string would never advance the scan; it handles nothing.
    if (what.isEmpty()) {
        return;
    }
    QString with;
    if (S.RenHandleMode == 1) {
        with = kSpace;
    } else if (S.RenHandleMode == 2) {
        with = S.HandleWith;
    }
    const qsizetype whatLength = CharCount(what);
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        const QString& n = S.ComboName.at(i);
        qsizetype at = CharIndexOf(n, what);
        if (at < 0) {
            continue;
        }
        QString done;
        qsizetype from = 0;
        for (; at >= 0; at = CharIndexOf(n, what, from)) {
            done.append(CharMid(n, from, at - from));
            done.append(with);
            from = at + whatLength;
        }
        done.append(CharMid(n, from));
        S.ComboName[i] = done;
    }
}

void ApplyInsertAfterNumChars() {
    InsertAt(AfterNOf(S.InsertAfterN));
}
void ApplyInsertBeforeNumChars() {
    InsertAt(BeforeNOf(S.InsertBeforeN));
}
void ApplyInsertAfterAString() {
    InsertAt(AfterStringOf(S.InsertAfterString));
}
void ApplyInsertBeforeAString() {
    InsertAt(BeforeStringOf(S.InsertBeforeString));
}

void ApplyReplaceFileName() {
    const int rows = SelectionTableCount();
    for (int i = 0; i < rows; ++i) {
        S.ComboName[i] = S.ReplaceWith;
    }
}

void ApplyReplaceAString() {
    SwapString(Family::Replace, S.MarkReplaceMissing, S.ReplaceString, S.ReplaceWith);
}
void ApplyReplaceAfterNumChars() {
    KeepLeft(Family::Replace, S.MarkReplaceMissing, S.ReplaceWith, AfterNOf(S.ReplaceAfterN));
}
void ApplyReplaceBeforeNumChars() {
    KeepRight(Family::Replace, S.MarkReplaceMissing, S.ReplaceWith, BeforeNOf(S.ReplaceBeforeN));
}
void ApplyReplaceAfterAString() {
    KeepLeft(Family::Replace, S.MarkReplaceMissing, S.ReplaceWith, AfterStringOf(S.ReplaceAfterString));
}
void ApplyReplaceBeforeAString() {
    KeepRight(Family::Replace, S.MarkReplaceMissing, S.ReplaceWith, BeforeStringOf(S.ReplaceBeforeString));
}
void ApplyReplaceCharAfterNumChars() {
    CharsAfter(Family::Replace, S.MarkReplaceMissing, S.MarkReplaceShort, S.ReplaceCharCount, S.ReplaceWith,
               AfterNOf(S.ReplaceAfterN));
}
void ApplyReplaceCharBeforeNumChars() {
    CharsBefore(Family::Replace, S.MarkReplaceMissing, S.MarkReplaceShort, S.ReplaceCharCount, S.ReplaceWith,
                BeforeNOf(S.ReplaceBeforeN));
}
void ApplyReplaceCharAfterAString() {
    CharsAfter(Family::Replace, S.MarkReplaceMissing, S.MarkReplaceShort, S.ReplaceCharCount, S.ReplaceWith,
               AfterStringOf(S.ReplaceAfterString));
}
void ApplyReplaceCharBeforeAString() {
    CharsBefore(Family::Replace, S.MarkReplaceMissing, S.MarkReplaceShort, S.ReplaceCharCount, S.ReplaceWith,
                BeforeStringOf(S.ReplaceBeforeString));
}

void ApplyRemoveAString() {
    SwapString(Family::Remove, S.MarkRemoveMissing, S.RemoveString, QString());
}
void ApplyRemoveAfterNumChars() {
    KeepLeft(Family::Remove, S.MarkRemoveMissing, QString(), AfterNOf(S.RemoveAfterN));
}
void ApplyRemoveBeforeNumChars() {
    KeepRight(Family::Remove, S.MarkRemoveMissing, QString(), BeforeNOf(S.RemoveBeforeN));
}
void ApplyRemoveAfterAString() {
    KeepLeft(Family::Remove, S.MarkRemoveMissing, QString(), AfterStringOf(S.RemoveAfterString));
}
void ApplyRemoveBeforeAString() {
    KeepRight(Family::Remove, S.MarkRemoveMissing, QString(), BeforeStringOf(S.RemoveBeforeString));
}
// The "RemoveChar..." misses follow the short flag, not the missing one.
void ApplyRemoveCharAfterNumChars() {
    CharsAfter(Family::Remove, S.MarkRemoveShort, S.MarkRemoveShort, S.RemoveCharCount, QString(),
               AfterNOf(S.RemoveAfterN));
}
void ApplyRemoveCharBeforeNumChars() {
    CharsBefore(Family::Remove, S.MarkRemoveShort, S.MarkRemoveShort, S.RemoveCharCount, QString(),
                BeforeNOf(S.RemoveBeforeN));
}
void ApplyRemoveCharAfterAString() {
    CharsAfter(Family::Remove, S.MarkRemoveShort, S.MarkRemoveShort, S.RemoveCharCount, QString(),
               AfterStringOf(S.RemoveAfterString));
}
void ApplyRemoveCharBeforeAString() {
    CharsBefore(Family::Remove, S.MarkRemoveShort, S.MarkRemoveShort, S.RemoveCharCount, QString(),
                BeforeStringOf(S.RemoveBeforeString));
}

void ApplyAutoNumberAfterNumChars() {
    AutoAt(AfterNOf(S.RenAutoAfterNumChars), NumberRun());
}
void ApplyAutoNumberBeforeNumChars() {
    AutoAt(BeforeNOf(S.RenAutoBeforeNumChars), NumberRun());
}
void ApplyAutoNumberAfterAString() {
    AutoAt(AfterStringOf(S.RenAutoAfterString), NumberRun());
}
void ApplyAutoNumberBeforeAString() {
    AutoAt(BeforeStringOf(S.RenAutoBeforeString), NumberRun());
}

void ApplyAutoLetterNumChars() {
    if (S.RenAutoPlace == KeyWord(AutoPlaceId::AutoAfterNumChars)) {
        AutoAt(AfterNOf(S.RenAutoAfterNumChars), LetterRun());
    } else if (S.RenAutoPlace == KeyWord(AutoPlaceId::AutoBeforeNumChars)) {
        AutoAt(BeforeNOf(S.RenAutoBeforeNumChars), LetterRun());
    }
}

void ApplyAutoLetterAString() {
    if (S.RenAutoPlace == KeyWord(AutoPlaceId::AutoAfterAString)) {
        AutoAt(AfterStringOf(S.RenAutoAfterString), LetterRun());
    } else if (S.RenAutoPlace == KeyWord(AutoPlaceId::AutoBeforeAString)) {
        AutoAt(BeforeStringOf(S.RenAutoBeforeString), LetterRun());
    }
}

bool CheckAutoLetterRange() {
    // The committed letters, the ones the names are built from; never an edit still in the dialog.
    const auto start = S.RenAutoStartLetters.toUcs4();
    const bool small = S.RenAutoKind == QStringLiteral("Small Letter");
    const int top = small ? 122 : 90;
    const qsizetype k = start.size();
    QString last;
    int capacity = 0;
    if (k >= 1 && k <= 3) {
        const int c1 = static_cast<int>(start.at(k - 1));
        const int c2 = k >= 2 ? static_cast<int>(start.at(k - 2)) : 0;
        const int c3 = k == 3 ? static_cast<int>(start.at(0)) : 0;
        last = QString(k, QLatin1Char(small ? 'z' : 'Z'));
        if (k == 1) {
            capacity = top - c1 + 1;
        } else if (k == 2) {
            capacity = (top - c2) * 26 + (top - c1 + 1);
        } else {
            capacity = (top - c3) * 676 + (top - c2) * 26 + (top - c1 + 1);
        }
    }
    S.AutoLetterLast = last;
    S.AutoLetterCapacity = capacity;
    return capacity >= S.SelectedCount;
}

}  // namespace qv
