// The words the program's parts pass one another: each key reads back as itself from its text, a
// word outside the vocabulary is kept as it came and matches no key, and the action's properties
// follow its place on the Action panel.
#include "core/keys.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace qv::test {
namespace {

template <class E>
void ExpectEveryKeyReadsBack() {
    for (std::size_t i = 0; i < KeyTexts<E>::texts.size(); ++i) {
        const E id = static_cast<E>(i);
        const QString text = Key<E>(id).text();
        EXPECT_EQ(text.toStdString(), std::string(KeyTexts<E>::texts[i]));
        const Key<E> back = Key<E>::FromText(text);
        EXPECT_TRUE(back.id() == id) << text.toStdString();
        EXPECT_TRUE(back == id) << text.toStdString();
        EXPECT_TRUE(Key<E>(id) == text) << text.toStdString();
        EXPECT_FALSE(back.isEmpty());
        Key<E> assigned;
        assigned = text;
        EXPECT_TRUE(assigned == Key<E>(id)) << text.toStdString();
    }
}

TEST(Keys, EveryKeyReadsBackAsItselfFromItsText) {
    ExpectEveryKeyReadsBack<MessageId>();
    ExpectEveryKeyReadsBack<SetButId>();
    ExpectEveryKeyReadsBack<SetNullId>();
    ExpectEveryKeyReadsBack<PanelId>();
    ExpectEveryKeyReadsBack<FrameId>();
    ExpectEveryKeyReadsBack<InsertTypeId>();
    ExpectEveryKeyReadsBack<ReplaceTypeId>();
    ExpectEveryKeyReadsBack<RemoveTypeId>();
    ExpectEveryKeyReadsBack<AutoPlaceId>();
    ExpectEveryKeyReadsBack<SlotId>();
}

TEST(Keys, TheMisspeltKeysAreReadAsSpelt) {
    EXPECT_TRUE(MessageKeyField::FromText(QStringLiteral("MessageNeedSriptRuntime")) ==
                MessageId::MessageNeedSriptRuntime);
    EXPECT_TRUE(MessageKeyField::FromText(QStringLiteral("MessageFisrtTimeMode")) ==
                MessageId::MessageFisrtTimeMode);
    EXPECT_FALSE(MessageKeyField::FromText(QStringLiteral("MessageNeedScriptRuntime")).id());
    EXPECT_FALSE(MessageKeyField::FromText(QStringLiteral("MessageFirstTimeMode")).id());
}

TEST(Keys, AWordOutsideTheVocabularyIsKeptAndMatchesNoKey) {
    SetButKeyField key;
    EXPECT_TRUE(key.isEmpty());
    EXPECT_FALSE(key.id());
    key = QStringLiteral("setButOnlyPictur");
    EXPECT_FALSE(key.isEmpty());
    EXPECT_FALSE(key.id());
    EXPECT_EQ(key.text(), QStringLiteral("setButOnlyPictur"));
    EXPECT_FALSE(key == SetButId::setButOnlyPicture);
    EXPECT_FALSE(key == SetButKeyField(SetButId::setButOnlyPicture));
    // Case counts: keys are compared as whole words.
    key = QStringLiteral("setbutglobal");
    EXPECT_FALSE(key.id());
    key = SetButId::setButGlobal;
    EXPECT_TRUE(key == SetButId::setButGlobal);
    EXPECT_EQ(key.text(), QStringLiteral("setButGlobal"));
    key.clear();
    EXPECT_TRUE(key.isEmpty());
    EXPECT_TRUE(key.text().isEmpty());
    EXPECT_FALSE(key == SetButId::setButGlobal);
}

TEST(Keys, ALiteralKeyIsTheKeyItNames) {
    PanelKeyField key;
    key = "Family";
    EXPECT_TRUE(key == PanelId::Family);
    EXPECT_TRUE(key == "Family");
    EXPECT_FALSE(key == "Help");
}

TEST(Actions, PropertiesFollowThePlaceOnThePanel) {
    struct Row {
        Action action;
        bool renames, needsDestination, hasPreview, copies;
    };
    const Row rows[] = {
        {Action::Rename, true, false, true, false},      {Action::RenameAndCopy, true, true, true, true},
        {Action::CopyAndRename, true, true, true, true}, {Action::MoveAndRename, true, true, true, false},
        {Action::Copy, false, true, true, true},         {Action::Move, false, true, true, false},
        {Action::Delete, false, false, false, false},    {Action::SetAttribute, false, false, false, false},
    };
    for (int index = 0; index < 8; ++index) {
        const Row& r = rows[index];
        EXPECT_EQ(ActionAt(index), r.action) << index;
        EXPECT_EQ(IndexOf(r.action), index);
        EXPECT_EQ(Renames(r.action), r.renames) << index;
        EXPECT_EQ(NeedsDestination(r.action), r.needsDestination) << index;
        EXPECT_EQ(HasPreview(r.action), r.hasPreview) << index;
        EXPECT_EQ(Copies(r.action), r.copies) << index;
    }
    EXPECT_EQ(ActionAt(-1), Action::Rename);
    EXPECT_EQ(ActionAt(8), Action::Rename);
}

}  // namespace
}  // namespace qv::test
