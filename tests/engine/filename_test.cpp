// File names as characters, and which names the file system can hold unchanged.
#include <gtest/gtest.h>

#include "engine/filename.h"

namespace qv {
namespace {

const QString kFace = QStringLiteral("\U0001F600");  // 4 bytes in UTF-8, 2 UTF-16 units
const QChar kHigh(char16_t(0xD83D));                 // the first half of kFace
const QChar kLow(char16_t(0xDE00));                  // the second half

QString Repeat(const QString& s, int times) {
    return s.repeated(times);
}

TEST(FileNameTest, UsableFileNames) {
    struct Case {
        const char* what;
        QString name;
        bool usable;
    };
    const Case cases[] = {
        {"plain", "a.txt", true},
        {"three dots", "...", true},
        {"hidden", ".profile", true},
        {"emoji and letters", kFace + "a.txt", true},
        {"empty", "", false},
        {"dot", ".", false},
        {"dot dot", "..", false},
        {"slash", "a/b", false},
        {"NUL", QStringLiteral("a") + QChar(u'\0') + "b", false},
        {"lone first half", QStringLiteral("a") + kHigh + "b", false},
        {"lone second half", QStringLiteral("a") + kLow + "b", false},
        {"halves in the wrong order", QString(kLow) + kHigh, false},
        {"first half at the end", QStringLiteral("ab") + kHigh, false},
        {"255 ASCII bytes", Repeat("a", 255), true},
        {"256 ASCII bytes", Repeat("a", 256), false},
        {"255 bytes of 4-byte and 3-byte characters", Repeat(kFace, 63) + QStringLiteral("\u20AC"), true},
        {"256 bytes of 4-byte characters", Repeat(kFace, 64), false},
        {"255 bytes of 2-byte characters and one ASCII", Repeat(QStringLiteral("\u00E9"), 127) + "a", true},
        {"256 bytes of 2-byte characters", Repeat(QStringLiteral("\u00E9"), 128), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsUsableFileName(c.name), c.usable) << c.what;
    }
}

TEST(FileNameTest, CharactersAreCodePoints) {
    const QString n = QStringLiteral("a") + kFace + "b";  // three characters, four units
    EXPECT_EQ(CharCount(n), 3);
    EXPECT_EQ(CharCount(QString(kHigh) + "a"), 2);  // a lone half still counts, as one
    EXPECT_EQ(CharOffset(n, 2), 3);
    EXPECT_EQ(CharOffset(n, 9), 4);

    struct Case {
        const char* what;
        QString got;
        QString want;
    };
    const Case cases[] = {
        {"left 2", CharLeft(n, 2), "a" + kFace},
        {"left past the end", CharLeft(n, 5), n},
        {"right 2", CharRight(n, 2), kFace + "b"},
        {"right past the start", CharRight(n, 7), n},
        {"mid 1, 1", CharMid(n, 1, 1), kFace},
        {"mid 2 to the end", CharMid(n, 2), "b"},
        {"insert at 2", CharInsert(n, 2, QStringLiteral("-")), "a" + kFace + "-b"},
        {"each character", Chars(n).join(QLatin1Char('|')), "a|" + kFace + "|b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.want) << c.what;
    }

    EXPECT_EQ(CharIndexOf(n, QStringLiteral("b")), 2);
    EXPECT_EQ(CharIndexOf(n + "b", QStringLiteral("b"), 3), 3);
    EXPECT_EQ(CharIndexOf(n, kFace), 1);
    // Half a character is never found inside a whole one; a lone half on its own is.
    EXPECT_EQ(CharIndexOf(n, QString(kLow)), -1);
    EXPECT_EQ(CharIndexOf(n, QString(kHigh)), -1);
    EXPECT_EQ(CharIndexOf(n + kLow, QString(kLow)), 3);
}

}  // namespace
}  // namespace qv
