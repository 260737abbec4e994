// File names as characters: counting, cutting and searching that never split a character, and the
// test of whether a name can be one file name on this file system.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace qv {

// A character is one code point: a surrogate pair counts as one. A lone surrogate counts as one of
// its own, so these helpers never drop or split anything; such a name is refused by
// IsUsableFileName instead.
qsizetype CharCount(QStringView s);
// UTF-16 units of the character that starts at `at`: 2 for a surrogate pair, else 1.
qsizetype CharUnitsAt(QStringView s, qsizetype at);
// The UTF-16 offset where character `pos` starts; pos is clamped to 0..CharCount(s).
qsizetype CharOffset(QStringView s, qsizetype pos);
// The first n characters, the last n, and n characters from character pos (n < 0: to the end).
QString CharLeft(QStringView s, qsizetype n);
QString CharRight(QStringView s, qsizetype n);
QString CharMid(QStringView s, qsizetype pos, qsizetype n = -1);
// `text` put in front of character pos.
QString CharInsert(QStringView s, qsizetype pos, QStringView text);
// Each character as its own string.
QStringList Chars(QStringView s);
// Character position of the first occurrence of `what` at or after character `from` that begins and
// ends between characters; -1 when there is none.
qsizetype CharIndexOf(QStringView s, QStringView what, qsizetype from = 0);

// n in decimal digits, as QString::number(n) writes it, without going through the locale's number
// formatting (the names of a whole folder are numbered).
QString DecimalNumber(qint64 n);

// NAME_MAX of the common Linux file systems: the longest name, in encoded bytes.
inline constexpr qsizetype kNameMaxBytes = 255;

// Why a name cannot be one file name in a folder, so each refusal can give its own reason.
enum class NameFault {
    None,
    Empty,
    NotAName,  // ".", "..", or a "/", a NUL or a character the file system's encoding cannot hold
    TooLong,   // more encoded bytes than the folder takes
};
NameFault FileNameFault(const QString& name, qsizetype maxBytes = kNameMaxBytes);

// Whether `name` can be one file name in a folder: not empty, ".", ".." or holding "/" or NUL, it
// comes back unchanged from the file system's encoding, and it fits in `maxBytes` encoded bytes (the
// folder's own limit where the file system tells it).
bool IsUsableFileName(const QString& name, qsizetype maxBytes = kNameMaxBytes);

}  // namespace qv
