// The words the program's parts pass one another: message keys, setBut keys, setNull tags, panel
// and frame keys, and the criteria's type words. Each is an enumeration whose names are the words
// themselves, so a key reads (and is found) as it is spelled, and a misspelt one does not compile.
// The action chosen on the Action panel is here too, with what follows from it.
#pragma once

#include <QLatin1String>
#include <QString>
#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string_view>

namespace qv {

#define QV_MESSAGE_KEYS(X)               \
    X(MessageAutoLetterImpossible)       \
    X(MessageBypassingSystemRigidity)    \
    X(MessageChangeUserName)             \
    X(MessageDriveNotReady)              \
    X(MessageFisrtTimeMode)              \
    X(MessageFolderNameSame)             \
    X(MessageFolderNotEmpty)             \
    X(MessageFolderNotFound)             \
    X(MessageFolderNotOpened)            \
    X(MessageGetUserName)                \
    X(MessageHelpShow)                   \
    X(MessageIncorrectPicture)           \
    X(MessageInterruptedRename)          \
    X(MessageInterruptedRingKept)        \
    X(MessageInterruptedRingPutBack)     \
    X(MessageInterruptedRingPutBackDone) \
    X(MessageMultiNameRenOK)             \
    X(MessageMustChoosePicture)          \
    X(MessageMyPathNotFound)             \
    X(MessageNeedFreeSpace)              \
    X(MessageNeedSriptRuntime)           \
    X(MessageNewNameChars)               \
    X(MessageNoLeadingZero)              \
    X(MessageOldUndoExist)               \
    X(MessageOnlyReadyMsg)               \
    X(MessageProgInSystem)               \
    X(MessageReadyFoundConflict)         \
    X(MessageReadyIncludeSpace)          \
    X(MessageReadyIncompleteRen)         \
    X(MessageReadyOnlyAlpha)             \
    X(MessageReadyOnlyDigit)             \
    X(MessageReplaceMultiName)           \
    X(MessageReviewModeOn)               \
    X(MessageRunFamilyError)             \
    X(MessageRunHelpError)               \
    X(MessageRunHelpSiteError)           \
    X(MessageSingleActionError)          \
    X(MessageSingleConflictMove)         \
    X(MessageSingleConflictName)         \
    X(MessageSingleConflictRenMove)      \
    X(MessageSingleNameChars)            \
    X(MessageSingleNameLong)             \
    X(MessageSmallScreen)                \
    X(MessageSourceDestSame)             \
    X(MessageUndoResetsFile)

#define QV_SETBUT_KEYS(X)   \
    X(setButGlobal)         \
    X(setButFrame)          \
    X(setButOnlyDir)        \
    X(setButOnlyActiveness) \
    X(setButOnlyPicture)    \
    X(setButOnlyAction)     \
    X(setButOnlyRigidity)   \
    X(setButOnlyAbout)      \
    X(setButOnlyFrame)      \
    X(setButOnlyPriority)   \
    X(setButOnlyInfo)       \
    X(setButCaptionMain)    \
    X(setButFinalize)       \
    X(setButSingleProcess)

// In the order in which the preparation tests them.
#define QV_SETNULL_TAGS(X)         \
    X(setNullSelectionStart)       \
    X(setNullIndexSelection)       \
    X(setNullNumIndexNumSelection) \
    X(setNullSelectionOK)          \
    X(setNullActionStart)          \
    X(setNullIndexAction)          \
    X(setNullActionMovePath)       \
    X(setNullFramesActionMove)     \
    X(setNullRigidity)             \
    X(setNullHelp)

// In the order in which a commit tests them.
#define QV_PANEL_KEYS(X) \
    X(ResetAll)          \
    X(Selection)         \
    X(Action)            \
    X(RenameSet)         \
    X(Options)           \
    X(RigidityDefault)   \
    X(ResetRigidity)     \
    X(ResetRename)       \
    X(Priority)          \
    X(Help)              \
    X(Family)

// The criteria's type words: where Insert, Replace, Remove and Auto act (the start and the end are
// the after and before N-characters types with N = 0).
#define QV_INSERT_TYPES(X)  \
    X(InsertAfterNumChars)  \
    X(InsertBeforeNumChars) \
    X(InsertAfterAString)   \
    X(InsertBeforeAString)

#define QV_REPLACE_TYPES(X)      \
    X(ReplaceFileName)           \
    X(ReplaceAString)            \
    X(ReplaceAfterNumChars)      \
    X(ReplaceBeforeNumChars)     \
    X(ReplaceAfterAString)       \
    X(ReplaceBeforeAString)      \
    X(ReplaceCharAfterNumChars)  \
    X(ReplaceCharBeforeNumChars) \
    X(ReplaceCharAfterAString)   \
    X(ReplaceCharBeforeAString)

#define QV_REMOVE_TYPES(X)      \
    X(RemoveAString)            \
    X(RemoveAfterNumChars)      \
    X(RemoveBeforeNumChars)     \
    X(RemoveAfterAString)       \
    X(RemoveBeforeAString)      \
    X(RemoveCharAfterNumChars)  \
    X(RemoveCharBeforeNumChars) \
    X(RemoveCharAfterAString)   \
    X(RemoveCharBeforeAString)

#define QV_AUTO_PLACES(X) \
    X(AutoAfterNumChars)  \
    X(AutoBeforeNumChars) \
    X(AutoAfterAString)   \
    X(AutoBeforeAString)

// What a priority slot holds ("Auto" is run but never stored).
#define QV_SLOT_WORDS(X) \
    X(Insert)            \
    X(Replace)           \
    X(Remove)            \
    X(Auto)

// The information frame shown in place of the view ("" for the view itself).
#define QV_FRAME_KEYS(X) \
    X(AboutFrame)        \
    X(ChoiceFrame)       \
    X(InfoFrame)         \
    X(PriorityFrame)     \
    X(ViewFrame)

// An enumeration's names and its table of texts from one list (the help's own keys use them too).
#define QV_KEY_NAME(name) name,
#define QV_KEY_TEXT(name) std::string_view(#name),

enum class MessageId { QV_MESSAGE_KEYS(QV_KEY_NAME) };
enum class SetButId { QV_SETBUT_KEYS(QV_KEY_NAME) };
enum class SetNullId { QV_SETNULL_TAGS(QV_KEY_NAME) };
enum class PanelId { QV_PANEL_KEYS(QV_KEY_NAME) };
enum class FrameId { QV_FRAME_KEYS(QV_KEY_NAME) };
enum class InsertTypeId { QV_INSERT_TYPES(QV_KEY_NAME) };
enum class ReplaceTypeId { QV_REPLACE_TYPES(QV_KEY_NAME) };
enum class RemoveTypeId { QV_REMOVE_TYPES(QV_KEY_NAME) };
enum class AutoPlaceId { QV_AUTO_PLACES(QV_KEY_NAME) };
enum class SlotId { QV_SLOT_WORDS(QV_KEY_NAME) };

template <class E>
struct KeyTexts;
template <>
struct KeyTexts<MessageId> {
    static constexpr std::array texts{QV_MESSAGE_KEYS(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<SetButId> {
    static constexpr std::array texts{QV_SETBUT_KEYS(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<SetNullId> {
    static constexpr std::array texts{QV_SETNULL_TAGS(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<PanelId> {
    static constexpr std::array texts{QV_PANEL_KEYS(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<FrameId> {
    static constexpr std::array texts{QV_FRAME_KEYS(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<InsertTypeId> {
    static constexpr std::array texts{QV_INSERT_TYPES(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<ReplaceTypeId> {
    static constexpr std::array texts{QV_REPLACE_TYPES(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<RemoveTypeId> {
    static constexpr std::array texts{QV_REMOVE_TYPES(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<AutoPlaceId> {
    static constexpr std::array texts{QV_AUTO_PLACES(QV_KEY_TEXT)};
};
template <>
struct KeyTexts<SlotId> {
    static constexpr std::array texts{QV_SLOT_WORDS(QV_KEY_TEXT)};
};

template <class E>
constexpr std::string_view KeyText(E id) {
    return KeyTexts<E>::texts[static_cast<std::size_t>(id)];
}

template <class E>
constexpr std::optional<E> KeyFromText(std::string_view text) {
    const auto& texts = KeyTexts<E>::texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text)
            return static_cast<E>(i);
    return std::nullopt;
}

template <class E>
std::optional<E> KeyFromQString(const QString& text) {
    const auto& texts = KeyTexts<E>::texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (text == QLatin1String(texts[i].data(), static_cast<qsizetype>(texts[i].size())))
            return static_cast<E>(i);
    return std::nullopt;
}

// A word as the records store it (the criteria's type words are kept as text).
template <class E>
QString KeyWord(E id) {
    const std::string_view t = KeyText(id);
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

namespace detail {
void UnknownKeyWord();  // never defined: naming it in a constant evaluation stops the build
}

// A key by its name, or written as a string literal and checked while compiling: a word outside the
// vocabulary does not build.
template <class E>
struct KeyName {
    constexpr KeyName(E key) : id(key) {}                                                       // NOLINT
    consteval KeyName(const char* text) : id(Check(KeyFromText<E>(std::string_view(text)))) {}  // NOLINT
    E id;

  private:
    static consteval E Check(std::optional<E> found) {
        if (!found)
            detail::UnknownKeyWord();
        return *found;
    }
};

// A field holding one key, or none (""). A word from outside the program (a script, an older
// caller) is taken as text and kept as it came: it matches no key, so it runs nothing.
template <class E>
class Key {
  public:
    Key() = default;
    Key(E id) : id_(id) {}  // NOLINT: a key is written by its name

    Key& operator=(E id) {
        id_ = id;
        other_.clear();
        return *this;
    }
    Key& operator=(KeyName<E> name) { return *this = name.id; }
    template <class T>
    requires std::same_as<T, QString> Key& operator=(const T& text) {
        *this = FromText(text);
        return *this;
    }
    Key& operator=(QLatin1String text) { return *this = QString(text); }

    static Key FromText(const QString& text) {
        Key key;
        if (const std::optional<E> id = KeyFromQString<E>(text))
            key.id_ = *id;
        else
            key.other_ = text;
        return key;
    }

    // The key, when the field holds one of the vocabulary.
    std::optional<E> id() const { return id_; }
    bool isEmpty() const { return !id_ && other_.isEmpty(); }
    void clear() { *this = Key(); }
    QString text() const {
        if (!id_)
            return other_;
        return KeyWord(*id_);
    }

    friend bool operator==(const Key& a, const Key& b) { return a.id_ == b.id_ && a.other_ == b.other_; }
    friend bool operator==(const Key& a, E b) { return a.id_ == b; }
    friend bool operator==(const Key& a, const QString& b) { return a.text() == b; }
    friend bool operator==(const Key& a, QLatin1String b) { return a.text() == b; }
    friend bool operator==(const Key& a, const char* b) { return a.text() == QLatin1String(b); }
    // How a test's report shows the key.
    friend void PrintTo(const Key& key, std::ostream* os) { *os << '"' << key.text().toStdString() << '"'; }

  private:
    std::optional<E> id_;
    QString other_;
};

using MessageKeyField = Key<MessageId>;
using SetButKeyField = Key<SetButId>;
using SetNullKeyField = Key<SetNullId>;
using PanelKeyField = Key<PanelId>;
using FrameKeyField = Key<FrameId>;

// The eight actions of the Action panel, by their place on it (ActionIndex).
enum class Action {
    Rename = 0,
    RenameAndCopy = 1,
    CopyAndRename = 2,
    MoveAndRename = 3,
    Copy = 4,
    Move = 5,
    Delete = 6,
    SetAttribute = 7,
};

// An index outside the panel's eight is read as Rename, the start value.
constexpr Action ActionAt(int index) {
    return index >= 0 && index <= 7 ? static_cast<Action>(index) : Action::Rename;
}
constexpr int IndexOf(Action a) {
    return static_cast<int>(a);
}

// What each action does with the files, one row per action.
struct ActionNature {
    bool renames;           // builds new names for the files
    bool needsDestination;  // puts files into a destination folder
    bool copies;            // leaves the files where they are and puts copies in the destination
    bool hasPreview;        // names built or conflicts checked before it is taken; Delete and Set
                            // Attribute are taken on the selection as it stands
};

constexpr ActionNature NatureOf(Action a) {
    // clang-format off
    switch (a) {
        //                                  renames needsDestination copies hasPreview
        case Action::Rename:        return {true,   false,           false, true};
        case Action::RenameAndCopy: return {true,   true,            true,  true};
        case Action::CopyAndRename: return {true,   true,            true,  true};
        case Action::MoveAndRename: return {true,   true,            false, true};
        case Action::Copy:          return {false,  true,            true,  true};
        case Action::Move:          return {false,  true,            false, true};
        case Action::Delete:        return {false,  false,           false, false};
        case Action::SetAttribute:  return {false,  false,           false, false};
    }
    // clang-format on
    return {false, false, false, false};
}

constexpr bool Renames(Action a) {
    return NatureOf(a).renames;
}
constexpr bool NeedsDestination(Action a) {
    return NatureOf(a).needsDestination;
}
constexpr bool Copies(Action a) {
    return NatureOf(a).copies;
}
constexpr bool HasPreview(Action a) {
    return NatureOf(a).hasPreview;
}

}  // namespace qv
