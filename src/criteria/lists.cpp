#include "criteria/lists.h"

namespace qv::criteria {

const QStringList& InsertPlaces() {
    static const QStringList l = {
        QStringLiteral("Select where to Insert"),
        QStringLiteral("At start of file names"),
        QStringLiteral("At end of file names"),
        QStringLiteral("After this number of Characters :"),
        QStringLiteral("Before this number of Characters :"),
        QStringLiteral("After this String :"),
        QStringLiteral("Before this String :"),
    };
    return l;
}

const QStringList& ReplaceKinds() {
    static const QStringList l = {
        QStringLiteral("Select what to Replace"),
        QStringLiteral("File Names"),
        QStringLiteral("This String :"),
        QStringLiteral("All after this number of Chars :"),
        QStringLiteral("All before this number of Chars :"),
        QStringLiteral("All after this String :"),
        QStringLiteral("All before this String :"),
        QStringLiteral("Num Char. from start of file names"),
        QStringLiteral("Num Char. from end of file names"),
        QStringLiteral("Num Char. after this num Chars :"),
        QStringLiteral("Num Char. before this num Char :"),
        QStringLiteral("Num Char. after this String :"),
        QStringLiteral("Num Char. before this String :"),
    };
    return l;
}

const QStringList& RemoveKinds() {
    static const QStringList l = {
        QStringLiteral("Select what to Remove"),
        QStringLiteral("This String :"),
        QStringLiteral("All after this number of Chars :"),
        QStringLiteral("All before this number Chars :"),
        QStringLiteral("All after this String :"),
        QStringLiteral("All before this String :"),
        QStringLiteral("Num Char. from start of file names"),
        QStringLiteral("Num Char. from end of file names"),
        QStringLiteral("Num Char. after this num Chars :"),
        QStringLiteral("Num Char. before this num Chars :"),
        QStringLiteral("Num Char. after this String :"),
        QStringLiteral("Num Char. before this String :"),
    };
    return l;
}

const QStringList& AutoPlaces() {
    static const QStringList l = {
        QStringLiteral("Select where to Add"),           QStringLiteral("At start of file names"),
        QStringLiteral("At end of file names"),          QStringLiteral("After this number of Chars :"),
        QStringLiteral("Before this number of Chars :"), QStringLiteral("After this String :"),
        QStringLiteral("Before this String :"),
    };
    return l;
}

const QStringList& ZeroFills() {
    static const QStringList l = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                  QStringLiteral("3"), QStringLiteral("4")};
    return l;
}

const QStringList& CaseChoices() {
    static const QStringList l = {QStringLiteral("No Change"), QStringLiteral("Lower Case"),
                                  QStringLiteral("Upper Case")};
    return l;
}

}  // namespace qv::criteria
