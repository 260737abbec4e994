#include "engine/filename.h"

#include <QFile>
#include <algorithm>

namespace qv {

namespace {

// UTF-16 units of the character that starts at `at`.
qsizetype UnitsAt(QStringView s, qsizetype at) {
    return at + 1 < s.size() && s[at].isHighSurrogate() && s[at + 1].isLowSurrogate() ? 2 : 1;
}

// Whether `at` lies between two characters rather than inside a surrogate pair.
bool Between(QStringView s, qsizetype at) {
    return at <= 0 || at >= s.size() || !(s[at - 1].isHighSurrogate() && s[at].isLowSurrogate());
}

}  // namespace

qsizetype CharCount(QStringView s) {
    // Every unit is a character but the low half of a pair.
    qsizetype pairs = 0;
    for (qsizetype at = 1; at < s.size(); ++at) {
        pairs += s[at].isLowSurrogate() && s[at - 1].isHighSurrogate();
    }
    return s.size() - pairs;
}

qsizetype CharUnitsAt(QStringView s, qsizetype at) {
    return UnitsAt(s, at);
}

qsizetype CharOffset(QStringView s, qsizetype pos) {
    // Without a surrogate before it, character pos starts at unit pos.
    const qsizetype plain = qBound<qsizetype>(0, pos, s.size());
    if (std::none_of(s.begin(), s.begin() + plain, [](QChar c) { return c.isSurrogate(); })) {
        return plain;
    }
    qsizetype at = 0;
    for (; pos > 0 && at < s.size(); --pos) {
        at += UnitsAt(s, at);
    }
    return at;
}

QString CharLeft(QStringView s, qsizetype n) {
    return s.left(CharOffset(s, n)).toString();
}

QString CharRight(QStringView s, qsizetype n) {
    return CharMid(s, qMax<qsizetype>(0, CharCount(s) - qMax<qsizetype>(0, n)));
}

QString CharMid(QStringView s, qsizetype pos, qsizetype n) {
    const qsizetype from = CharOffset(s, pos);
    const QStringView rest = s.mid(from);
    if (n < 0) {
        return rest.toString();
    }
    return rest.left(CharOffset(rest, n)).toString();
}

QString CharInsert(QStringView s, qsizetype pos, QStringView text) {
    const qsizetype at = CharOffset(s, pos);
    // One allocation, filled in place.
    QString out(s.size() + text.size(), Qt::Uninitialized);
    QChar* to = std::copy_n(s.data(), at, out.data());
    to = std::copy_n(text.data(), text.size(), to);
    std::copy_n(s.data() + at, s.size() - at, to);
    return out;
}

QStringList Chars(QStringView s) {
    QStringList out;
    for (qsizetype at = 0; at < s.size();) {
        const qsizetype units = UnitsAt(s, at);
        out.append(s.mid(at, units).toString());
        at += units;
    }
    return out;
}

qsizetype CharIndexOf(QStringView s, QStringView what, qsizetype from) {
    for (qsizetype at = s.indexOf(what, CharOffset(s, from)); at >= 0; at = s.indexOf(what, at + 1)) {
        if (Between(s, at) && Between(s, at + what.size())) {
            return CharCount(s.left(at));
        }
    }
    return -1;
}

QString DecimalNumber(qint64 n) {
    char digits[24];
    char* at = digits + sizeof digits;
    // Negative values count down from zero so the smallest one does not overflow.
    qint64 rest = n;
    do {
        const int digit = static_cast<int>(rest % 10);
        *--at = static_cast<char>('0' + (digit < 0 ? -digit : digit));
        rest /= 10;
    } while (rest != 0);
    if (n < 0) {
        *--at = '-';
    }
    return QString::fromLatin1(at, digits + sizeof digits - at);
}

NameFault FileNameFault(const QString& name, qsizetype maxBytes) {
    if (name.isEmpty()) {
        return NameFault::Empty;
    }
    if (name == QStringLiteral(".") || name == QStringLiteral("..")) {
        return NameFault::NotAName;
    }
    bool ascii = true;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c.isNull()) {
            return NameFault::NotAName;
        }
        ascii = ascii && c.unicode() < 0x80;
    }
    // Plain ASCII is the same in every encoding a file name can have: one byte a character.
    if (ascii) {
        return name.size() <= maxBytes ? NameFault::None : NameFault::TooLong;
    }
    // A name the encoding changes would be written under another name than the one previewed.
    const QByteArray encoded = QFile::encodeName(name);
    if (QFile::decodeName(encoded) != name) {
        return NameFault::NotAName;
    }
    return encoded.size() <= maxBytes ? NameFault::None : NameFault::TooLong;
}

bool IsUsableFileName(const QString& name, qsizetype maxBytes) {
    return FileNameFault(name, maxBytes) == NameFault::None;
}

}  // namespace qv
