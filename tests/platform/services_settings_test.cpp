#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/services.h"

namespace qv {
namespace {

// Points the settings at a temporary configuration folder for the test's lifetime.
class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        saved = qgetenv("XDG_CONFIG_HOME");
        hadValue = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    }
    void TearDown() override {
        if (hadValue)
            qputenv("XDG_CONFIG_HOME", saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QTemporaryDir dir;
    QByteArray saved;
    bool hadValue = false;
};

TEST_F(SettingsStoreTest, TwoStoresShareOneFile) {
    auto writer = makeIniSettingsStore();
    auto reader = makeIniSettingsStore();
    EXPECT_EQ(reader->GetSetting("Holvent", "Profile", "NickName"), "");

    writer->SaveSetting("Holvent", "Profile", "NickName", "Ann");
    EXPECT_EQ(reader->GetSetting("Holvent", "Profile", "NickName"), "Ann");
    writer->SaveSetting("Holvent", "Profile", "NickName", "Bea");
    EXPECT_EQ(reader->GetSetting("Holvent", "Profile", "NickName"), "Bea");
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("Holvent.ini")));

    // Both keep their own values when they write in turn.
    reader->SaveSetting("Holvent", "Family", "Quorvan", "/opt/q/");
    EXPECT_EQ(writer->GetSetting("Holvent", "Profile", "NickName"), "Bea");
    EXPECT_EQ(writer->GetSetting("Holvent", "Family", "Quorvan"), "/opt/q/");

    // Missing section, key or application read "".
    EXPECT_EQ(reader->GetSetting("Holvent", "Profile", "UserPic"), "");
    EXPECT_EQ(reader->GetSetting("Holvent", "Nothing", "NickName"), "");
    EXPECT_EQ(reader->GetSetting("Other", "Profile", "NickName"), "");
}

TEST_F(SettingsStoreTest, ValuesComeBackAsWritten) {
    auto store = makeIniSettingsStore();
    const QStringList values{"a, b, c",    "x = y", "@Variant(1)", "  padded  ", "Ünïcødé ☃",
                             "semi;colon", "",      "quote \"q\"", "back\\slash"};
    for (int i = 0; i < values.size(); ++i)
        store->SaveSetting("Holvent", "Values", QString::number(i), values[i]);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(store->GetSetting("Holvent", "Values", QString::number(i)), values[i]) << i;

    // Names cannot reach outside the configuration folder or into each other's groups.
    store->SaveSetting("../escape", "a/b", "c/d", "kept");
    EXPECT_EQ(store->GetSetting("../escape", "a/b", "c/d"), "kept");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("../escape.ini")));
    EXPECT_EQ(store->GetSetting("../escape", "a", "b/c/d"), "");
}

}  // namespace
}  // namespace qv
