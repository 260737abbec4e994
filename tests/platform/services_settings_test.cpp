#include <gtest/gtest.h>
#include <QFile>
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

// A records file that cannot be read as settings is not written over: it is kept beside the new
// one, and the store says which file and where it went, once.
TEST_F(SettingsStoreTest, ADamagedFileIsKeptBesideTheNewOne) {
    QByteArray junk(1 << 20, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((static_cast<unsigned>(i) * 7919u + (i >> 8)) & 0xffu);
    const QString file = dir.filePath("Holvent.ini");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(junk), junk.size());
    }
    auto store = makeIniSettingsStore();
    EXPECT_EQ(store->GetSetting("Holvent", "NidraGavir", "AnekGuru"), "");
    store->SaveSetting("Holvent", "NidraGavir", "AnekGuru", "412345");
    EXPECT_EQ(store->GetSetting("Holvent", "NidraGavir", "AnekGuru"), "412345");
    QFile kept(file + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll() == junk);
    const QString notice = store->TakeNotice();
    EXPECT_TRUE(notice.contains(file + " could not be read")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("It is kept as " + file + ".damaged")) << notice.toStdString();
    EXPECT_EQ(store->TakeNotice(), "");
    EXPECT_LT(QFileInfo(file).size(), 100) << "nothing of the damaged file is in the new one";

    // A second damaged file does not take the place of the first one kept.
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(junk.left(4096)), 4096);
    }
    store->SaveSetting("Holvent", "Profile", "NickName", "Ann");
    EXPECT_EQ(store->GetSetting("Holvent", "Profile", "NickName"), "Ann");
    EXPECT_EQ(QFileInfo(file + ".damaged").size(), junk.size());
    EXPECT_EQ(QFileInfo(file + ".damaged-2").size(), 4096);
    EXPECT_TRUE(store->TakeNotice().contains(file + ".damaged-2"));
}

}  // namespace
}  // namespace qv
