#include "help/mockup_rules.h"

namespace qv::help {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsNameChar(QChar c) {
    return IsDigit(c) || IsAsciiLetter(c) || c == QLatin1Char('$') || c == QLatin1Char('-') ||
           c == QLatin1Char('_');
}

namespace {

// The characters of `text` that `keep` accepts, in their order.
template <class Keep>
QString KeepOnly(const QString& text, Keep keep) {
    QString out;
    for (QChar c : text)
        if (keep(c))
            out += c;
    return out;
}

}  // namespace

QString KeepNameChars(const QString& text, bool allowSpace) {
    return KeepOnly(text,
                    [allowSpace](QChar c) { return IsNameChar(c) || (allowSpace && c == QLatin1Char(' ')); });
}

QString KeepDigits(const QString& text) {
    return KeepOnly(text, IsDigit);
}

QString KeepLetters(const QString& text) {
    return KeepOnly(text, IsAsciiLetter);
}

QString TrimAutoNumber(const QString& start) {
    if (start.size() <= 1)
        return start;
    qsizetype i = 0;
    while (i < start.size() - 1 && start[i] == QLatin1Char('0')) ++i;
    return start.mid(i);
}

int CountValue(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return -1;
    for (QChar c : text)
        if (!IsDigit(c))
            return -1;
    return text.toInt();
}

namespace {

// "N Character" with the plural as each summary line writes it.
QString Characters(int count, const char* pluralEnd, const char* singularEnd) {
    return QString::number(count) + QStringLiteral(" Character") +
           QLatin1String(count > 1 ? pluralEnd : singularEnd);
}

// Places 3 and 4 count characters and 5 and 6 look for a string: without it the criterion is
// incomplete. A count box left empty or at 0 is no count.
bool PlaceHasItsValue(int place, const QString& count, const QString& string) {
    if (place == 3 || place == 4)
        return CountValue(count) >= 1;
    if (place == 5 || place == 6)
        return !string.isEmpty();
    return true;
}

}  // namespace

QString InsertSummary(int place, const QString& count, const QString& string, const QString& text) {
    const QString no = QStringLiteral("Insert :: No");
    if (text.isEmpty() || !PlaceHasItsValue(place, count, string))
        return no;
    QString p;
    switch (place) {
        case 1:
            p = QStringLiteral("At start of file names :: ");
            break;
        case 2:
            p = QStringLiteral("At end of file names :: ");
            break;
        case 3:
        case 4:
            p = QLatin1String(place == 3 ? "After " : "Before ") + Characters(CountValue(count), "s", "") +
                QStringLiteral(" :: ");
            break;
        case 5:
        case 6:
            p = QLatin1String(place == 5 ? "After String '" : "Before String'") + string +
                QStringLiteral("' :: ");
            break;
        default:
            return no;
    }
    return QStringLiteral("Insert :: ") + p + text;
}

AutoSummaryLines AutoSummary(int mode, int place, const QString& count, const QString& string,
                             const QString& start) {
    const AutoSummaryLines no{QStringLiteral("Auto Number or Letter :: No"), QString()};
    if (start.isEmpty() || (mode != 1 && mode != 2) || !PlaceHasItsValue(place, count, string))
        return no;
    AutoSummaryLines lines;
    lines.first = QLatin1String(mode == 2 ? "Auto Start Letter :: " : "Auto Start Number :: ") + start;
    switch (place) {
        case 1:
            lines.second = QStringLiteral("Add at start of file names.");
            break;
        case 2:
            lines.second = QStringLiteral("Add at end of file names.");
            break;
        case 3:
        case 4:
            lines.second = QLatin1String(place == 3 ? "Add after " : "Add before ") +
                           Characters(CountValue(count), "s.", ".");
            break;
        case 5:
        case 6:
            lines.second = QLatin1String(place == 5 ? "Add after string '" : "Add before string'") + string +
                           QStringLiteral("'.");
            break;
        default:
            return no;
    }
    return lines;
}

ActionLabels ActionVisibility(int actionIndex, int attributeIndex) {
    ActionLabels v;
    v.mustText = actionIndex == 7 ? QStringLiteral("Must select an Attribute to set Attribute.")
                                  : QStringLiteral("Must select a different Folder to Copy or Move.");
    switch (actionIndex) {
        case 1:
        case 2:
        case 4:
            v.mustVisible = true;
            v.overwriteVisible = true;
            break;
        case 3:
        case 5:
            v.mustVisible = true;
            break;
        case 6:
            v.deleteVisible = true;
            break;
        case 7:
            v.mustVisible = attributeIndex == 0;
            v.attributeVisible = true;
            break;
        default:
            break;
    }
    return v;
}

NameParts SplitAtLastDot(const QString& caption) {
    const qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {caption, QString()};
    return {caption.left(dot), caption.mid(dot + 1)};
}

bool EasyReady(const QString& name, const QString& ext, const QString& oldName, const QString& oldExt) {
    return (!name.isEmpty() && name != oldName) || (!ext.isEmpty() && ext != oldExt);
}

}  // namespace qv::help
