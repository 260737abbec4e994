#include "criteria/summary.h"

#include "core/state.h"

namespace qv::criteria {

namespace {

QString Num(int n) {
    return QString::number(n);
}

Colour ColourOf(bool on) {
    return on ? kCriterionOnColour : kSysWindowText;
}

// How the handled character is named when it is one that is hard to see.
QString HandleName(const QString& what) {
    static const std::pair<const char*, const char*> names[] = {
        {".", "Char-Dot"},       {":", "Char-Colon"}, {",", "Char-Comma"},
        {";", "Char-Semicolon"}, {"-", "Char-Dash"},  {"_", "Char-Underscore"},
    };
    for (const auto& [c, name] : names)
        if (what == QLatin1String(c))
            return QString::fromLatin1(name);
    return what;
}

QString CaseLine(const State& s) {
    if (s.CaseOn != 1)
        return QStringLiteral("Change Case :: No");
    QString prefix;
    if (s.CaseScope == QLatin1String("FileName"))
        prefix = QStringLiteral("File Name :: ");
    else if (s.CaseScope == QLatin1String("FirstLetter"))
        prefix = QStringLiteral("First letter of File Name :: ");
    else if (s.CaseScope == QLatin1String("FirstLetterOfWords"))
        prefix = QStringLiteral("First letter of all words :: ");
    return prefix + s.CaseTo + QStringLiteral(".");
}

QString SpaceLine(const State& s) {
    if (s.SpaceOn != 1)
        return QStringLiteral("Change or Remove Space :: No");
    if (s.RenSpaceMode == 1)
        return QStringLiteral("Space :: Replace With :: ") + s.SpaceWith;
    return QStringLiteral("Space :: Remove");
}

QString InsertLine(const State& s) {
    const QString& t = s.InsertType;
    const QString head = QStringLiteral("Insert :: ") + s.InsertText;
    if (const std::optional<InsertTypeId> type = KeyFromQString<InsertTypeId>(t)) {
        switch (*type) {
            case InsertTypeId::InsertAfterNumChars:
                return s.InsertAfterN == 0 ? head + QStringLiteral(" :: at start of file Name.")
                                           : head + QStringLiteral(" :: after ") + Num(s.InsertAfterN) +
                                                 QStringLiteral(" Characters.");
            case InsertTypeId::InsertBeforeNumChars:
                return s.InsertBeforeN == 0 ? head + QStringLiteral(" :: at end of file Name.")
                                            : head + QStringLiteral(" :: before ") + Num(s.InsertBeforeN) +
                                                  QStringLiteral(" Characters.");
            case InsertTypeId::InsertAfterAString:
                return head + QStringLiteral(" :: after :: ") + s.InsertAfterString + QStringLiteral(".");
            case InsertTypeId::InsertBeforeAString:
                return head + QStringLiteral(" :: before :: ") + s.InsertBeforeString + QStringLiteral(".");
        }
    }
    return QStringLiteral("Insert :: No");
}

QString ReplaceLine(const State& s) {
    const QString& t = s.ReplaceType;
    const QString with = QStringLiteral(" :: ") + s.ReplaceWith + QStringLiteral(".");
    const QString m = Num(s.ReplaceCharCount);
    if (const std::optional<ReplaceTypeId> type = KeyFromQString<ReplaceTypeId>(t)) {
        switch (*type) {
            case ReplaceTypeId::ReplaceFileName:
                return QStringLiteral("Replace file name with") + with;
            case ReplaceTypeId::ReplaceAString:
                return QStringLiteral("Replace :: ") + s.ReplaceString + QStringLiteral(" :: with") + with;
            case ReplaceTypeId::ReplaceAfterNumChars:
                return QStringLiteral("Replace all after ") + Num(s.ReplaceAfterN) +
                       QStringLiteral(" Characters with") + with;
            case ReplaceTypeId::ReplaceBeforeNumChars:
                return QStringLiteral("Replace all before ") + Num(s.ReplaceBeforeN) +
                       QStringLiteral(" Characters with") + with;
            case ReplaceTypeId::ReplaceAfterAString:
                return QStringLiteral("Replace all after :: ") + s.ReplaceAfterString +
                       QStringLiteral(" :: with") + with;
            case ReplaceTypeId::ReplaceBeforeAString:
                return QStringLiteral("Replace all before :: ") + s.ReplaceBeforeString +
                       QStringLiteral(" :: with") + with;
            case ReplaceTypeId::ReplaceCharAfterNumChars:
                return QStringLiteral("Replace ") + m + QStringLiteral(" Chars after ") +
                       Num(s.ReplaceAfterN) + QStringLiteral(" Chars with") + with;
            case ReplaceTypeId::ReplaceCharBeforeNumChars:
                return QStringLiteral("Replace ") + m + QStringLiteral(" Chars Before ") +
                       Num(s.ReplaceBeforeN) + QStringLiteral(" Chars with") + with;
            case ReplaceTypeId::ReplaceCharAfterAString:
                return QStringLiteral("Replace ") + m + QStringLiteral(" Chars after :: ") +
                       s.ReplaceAfterString + QStringLiteral(" - with") + with;
            case ReplaceTypeId::ReplaceCharBeforeAString:
                return QStringLiteral("Replace ") + m + QStringLiteral(" Chars before :: ") +
                       s.ReplaceBeforeString + QStringLiteral(" - with") + with;
        }
    }
    return QStringLiteral("Replace :: No");
}

QString RemoveLine(const State& s) {
    const QString& t = s.RemoveType;
    const QString m = Num(s.RemoveCharCount);
    if (const std::optional<RemoveTypeId> type = KeyFromQString<RemoveTypeId>(t)) {
        switch (*type) {
            case RemoveTypeId::RemoveAString:
                return QStringLiteral("Remove :: ") + s.RemoveString + QStringLiteral(" :: from file name.");
            case RemoveTypeId::RemoveAfterNumChars:
                return QStringLiteral("Remove all after ") + Num(s.RemoveAfterN) +
                       QStringLiteral(" Characters.");
            case RemoveTypeId::RemoveBeforeNumChars:
                return QStringLiteral("Remove all before ") + Num(s.RemoveBeforeN) +
                       QStringLiteral(" Characters.");
            case RemoveTypeId::RemoveAfterAString:
                return QStringLiteral("Remove all after :: ") + s.RemoveAfterString + QStringLiteral(".");
            case RemoveTypeId::RemoveBeforeAString:
                return QStringLiteral("Remove all before :: ") + s.RemoveBeforeString + QStringLiteral(".");
            case RemoveTypeId::RemoveCharAfterNumChars:
                return QStringLiteral("Remove ") + m + QStringLiteral(" Chars after ") + Num(s.RemoveAfterN) +
                       QStringLiteral(" Chars.");
            case RemoveTypeId::RemoveCharBeforeNumChars:
                return QStringLiteral("Remove ") + m + QStringLiteral(" Chars Before ") +
                       Num(s.RemoveBeforeN) + QStringLiteral(" Chars.");
            case RemoveTypeId::RemoveCharAfterAString:
                return QStringLiteral("Remove ") + m + QStringLiteral(" Chars after :: ") +
                       s.RemoveAfterString + QStringLiteral(".");
            case RemoveTypeId::RemoveCharBeforeAString:
                return QStringLiteral("Remove ") + m + QStringLiteral(" Chars before :: ") +
                       s.RemoveBeforeString + QStringLiteral(".");
        }
    }
    return QStringLiteral("Remove :: No");
}

QString AutoLine1(const State& s) {
    if (s.RenAutoKind == QLatin1String("Number")) {
        const QString head = QStringLiteral("Auto start number :: ") + Num(s.RenAutoStartNumber);
        return s.RenAutoZeroFill == 0
                   ? head + QStringLiteral(".")
                   : head + QStringLiteral(". Zero fill :: ") + Num(s.RenAutoZeroFill) + QStringLiteral(".");
    }
    if (s.RenAutoKind == QLatin1String("Capital Letter"))
        return QStringLiteral("Auto start Letter(Capital) :: ") + s.RenAutoStartLetters + QStringLiteral(".");
    if (s.RenAutoKind == QLatin1String("Small Letter"))
        return QStringLiteral("Auto start Letter(Small) :: ") + s.RenAutoStartLetters + QStringLiteral(".");
    return QStringLiteral("Auto Number or Letter :: No");
}

QString AutoLine2(const State& s) {
    const QString& p = s.RenAutoPlace;
    if (const std::optional<AutoPlaceId> type = KeyFromQString<AutoPlaceId>(p)) {
        switch (*type) {
            case AutoPlaceId::AutoAfterNumChars:
                return s.RenAutoAfterNumChars == 0
                           ? QStringLiteral("Add at start of File Names.")
                           : QStringLiteral("Add after ") + Num(s.RenAutoAfterNumChars) +
                                 QStringLiteral(" Characters.");
            case AutoPlaceId::AutoBeforeNumChars:
                return s.RenAutoBeforeNumChars == 0
                           ? QStringLiteral("Add at end of File Names.")
                           : QStringLiteral("Add before ") + Num(s.RenAutoBeforeNumChars) +
                                 QStringLiteral(" Characters.");
            case AutoPlaceId::AutoAfterAString:
                return QStringLiteral("Add after :: ") + s.RenAutoAfterString + QStringLiteral(".");
            case AutoPlaceId::AutoBeforeAString:
                return QStringLiteral("Add before :: ") + s.RenAutoBeforeString + QStringLiteral(".");
        }
    }
    return QString();
}

}  // namespace

CriteriaSummary BuildCriteriaSummary(const State& s) {
    CriteriaSummary out;
    const bool on[] = {s.CaseOn == 1,           s.ExtensionOn == 1,      s.SpaceOn == 1,
                       s.HandleOn == 1,         !s.InsertType.isEmpty(), !s.ReplaceType.isEmpty(),
                       !s.RemoveType.isEmpty(), !s.RenAutoKind.isEmpty()};
    for (bool b : on) out.criteriaCount += b ? 1 : 0;
    const bool any = out.criteriaCount > 0;

    QString handle1, handle2;
    if (s.HandleOn == 1) {
        const QString c = HandleName(s.HandleWhat);
        if (s.HandleWith.isEmpty()) {
            handle1 = QStringLiteral("All Instance Of :: ") + c;
            handle2 = QStringLiteral("Remove");
        } else if (s.HandleWith == QLatin1String(" ")) {
            handle1 = QStringLiteral("All Instance of :: ") + c;
            handle2 = QStringLiteral("Change as :: Space");
        } else {
            handle1 = QStringLiteral("All Instance of :: ") + c;
            handle2 = QStringLiteral("Replace with :: ") + s.HandleWith;
        }
    } else {
        handle1 = QStringLiteral("Handle All Instance of a Char/Str :: No");
    }

    out.lines = {
        {QStringLiteral("FrameRenInfo"),
         any ? QStringLiteral("Rename Criteria :") : QStringLiteral("Rename Criteria : Not Yet Set"),
         ColourOf(any)},
        {QStringLiteral("LabelCriRmvSpace"), SpaceLine(s), ColourOf(s.SpaceOn == 1)},
        {QStringLiteral("LabelCriChgCase"), CaseLine(s), ColourOf(s.CaseOn == 1)},
        {QStringLiteral("LabelCriChgExt"),
         s.ExtensionOn == 1 ? QStringLiteral("Extension change to :: ") + s.ExtNew + QStringLiteral(".")
                            : QStringLiteral("Change Extension :: No"),
         ColourOf(s.ExtensionOn == 1)},
        {QStringLiteral("LabelCriHandle1"), handle1, ColourOf(s.HandleOn == 1)},
        {QStringLiteral("LabelCriHandle2"), handle2, std::nullopt},
        {QStringLiteral("LabelCriInsert"), InsertLine(s), ColourOf(s.InsertOn == 1)},
        {QStringLiteral("LabelCriReplace"), ReplaceLine(s), ColourOf(s.ReplaceOn == 1)},
        {QStringLiteral("LabelCriRemove"), RemoveLine(s), ColourOf(s.RemoveOn == 1)},
        {QStringLiteral("LabelCriAuto1"), AutoLine1(s), ColourOf(s.AutoOn == 1)},
        {QStringLiteral("LabelCriAuto2"), AutoLine2(s), std::nullopt},
    };
    return out;
}

}  // namespace qv::criteria
