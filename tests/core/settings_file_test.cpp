// The settings file: round trip, damaged files, silent failures, and a write that cannot finish.
#include "core/settings_file.h"

#include <QDir>
#include <QFile>
#include <utility>

#include "core/state.h"
#include "core_fixture.h"

namespace qv::test {
namespace {

class SettingsFileTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        QDir().mkpath(temp_.path() + "/Quorvan");
        S.SettingsPath = temp_.path() + "/Quorvan/Set.Kastrel";
        path_ = S.SettingsPath;
    }
    void Read(const QByteArray& content, bool helpBefore = false) {
        WriteFile(path_, content);
        S.SelMaxFiles = 7;
        S.HelpAtStart = helpBefore;
        S.SkipUndoWarning = true;
        S.LastFolder = QStringLiteral("/before/");
        ReadSettingsFile();
    }
    QString path_;
};

TEST_F(SettingsFileTest, RoundTrip) {
    S.SelMaxFiles = 250;
    S.HelpAtStart = true;
    S.SkipUndoWarning = false;
    S.LastFolder = QStringLiteral("/home/mira/Photos, 2024/");
    WriteSettingsFile();
    EXPECT_EQ(ReadFile(path_), QByteArray("\"250\"\r\n\"1\"\r\n\"0\"\r\n\"/home/mira/Photos, 2024/\"\r\n"));

    ResetState();
    S.SettingsPath = path_;
    ReadSettingsFile();
    EXPECT_EQ(S.SelMaxFiles, 250);
    EXPECT_TRUE(S.HelpAtStart);
    EXPECT_FALSE(S.SkipUndoWarning);
    EXPECT_EQ(S.LastFolder, "/home/mira/Photos, 2024/");
    EXPECT_FALSE(QFile::exists(path_ + ".new"));
}

TEST_F(SettingsFileTest, LineValues) {
    Read("\"0\"\r\n\"\"\r\n\"yes\"\r\n\"\"\r\n");
    EXPECT_EQ(S.SelMaxFiles, 0);     // no maximum, not the default
    EXPECT_FALSE(S.HelpAtStart);     // empty reads as "0"
    EXPECT_TRUE(S.SkipUndoWarning);  // anything but "0" is True
    EXPECT_EQ(S.LastFolder, "");

    Read("\"\"\r\n\"yes\"\r\n\"0\"\r\n\"/srv/x/\"\r\n");
    EXPECT_EQ(S.SelMaxFiles, 100);
    EXPECT_TRUE(S.HelpAtStart);
    EXPECT_FALSE(S.SkipUndoWarning);
    EXPECT_EQ(S.LastFolder, "/srv/x/");
}

// A hand-edited maximum with a fraction is rounded as the runtime's Integer conversion rounds it,
// not taken for a damaged file.
TEST_F(SettingsFileTest, AFractionOnTheFirstLineIsRounded) {
    const std::pair<const char*, int> cases[] = {{"1.5", 2},   {"2.5", 2},         {"7.49", 7},
                                                 {" 12 ", 12}, {"32767.4", 32767}, {"-0.4", 0}};
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        Read(QByteArray("\"") + line + "\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n");
        EXPECT_EQ(S.SelMaxFiles, expected);
        EXPECT_TRUE(S.SkipUndoWarning);
        EXPECT_EQ(S.LastFolder, "/srv/x/");
    }
}

TEST_F(SettingsFileTest, DamagedFilesGiveTheErrorDefaults) {
    for (const QByteArray& content :
         {QByteArray("\"40000\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"),
          QByteArray("\"12\"\r\n\"1\"\r\n\"1\"\r\n"),
          QByteArray("\"many\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"), QByteArray(""),
          QByteArray("\"32767.5\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"),
          QByteArray("\"-3\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"),
          QByteArray("\"nan\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"),
          QByteArray("\"inf\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n"),
          QByteArray("\"1.5.2\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/x/\"\r\n")}) {
        SCOPED_TRACE(content.toStdString());
        Read(content, true);
        EXPECT_EQ(S.SelMaxFiles, 100);
        EXPECT_FALSE(S.SkipUndoWarning);
        EXPECT_EQ(S.LastFolder, "");
        EXPECT_TRUE(S.HelpAtStart);  // not touched by the error path
    }
    QFile::remove(path_);
    S.HelpAtStart = true;
    ReadSettingsFile();  // no file
    EXPECT_EQ(S.SelMaxFiles, 100);
    EXPECT_TRUE(S.HelpAtStart);
}

TEST_F(SettingsFileTest, FolderThatCannotBeQuotedIsNotRemembered) {
    S.SelMaxFiles = 5;
    S.LastFolder = QStringLiteral("/home/a \"quoted\" name/");
    WriteSettingsFile();
    EXPECT_EQ(ReadFile(path_), QByteArray("\"5\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n"));
    S.LastFolder = QStringLiteral("/home/two\nlines/");
    S.SelMaxFiles = 6;
    WriteSettingsFile();
    EXPECT_EQ(ReadFile(path_), QByteArray("\"6\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n"));
    ReadSettingsFile();
    EXPECT_EQ(S.SelMaxFiles, 6);
}

TEST_F(SettingsFileTest, WriteWithoutTheFolderFailsSilently) {
    QDir(temp_.path() + "/Quorvan").removeRecursively();
    S.SelMaxFiles = 9;
    WriteSettingsFile();
    EXPECT_FALSE(QFile::exists(path_));
    ReadSettingsFile();
    EXPECT_EQ(S.SelMaxFiles, 100);
}

TEST_F(SettingsFileTest, AWriteThatCannotFinishKeepsTheOldFile) {
    const QByteArray old("\"42\"\r\n\"1\"\r\n\"1\"\r\n\"/srv/old/\"\r\n");
    WriteFile(path_, old);
    // The new contents cannot be put down beside the file: the old one must stay whole.
    ASSERT_TRUE(QDir().mkpath(path_ + ".new"));
    S.SelMaxFiles = 3;
    S.LastFolder = QStringLiteral("/srv/new/");
    WriteSettingsFile();
    EXPECT_EQ(ReadFile(path_), old);
    QDir(path_ + ".new").removeRecursively();

    // Debris of a write that was cut short does not matter to the next read or write.
    WriteFile(path_ + ".new", "\"1");
    ReadSettingsFile();
    EXPECT_EQ(S.SelMaxFiles, 42);
    EXPECT_EQ(S.LastFolder, "/srv/old/");
    S.SelMaxFiles = 3;
    WriteSettingsFile();
    ReadSettingsFile();
    EXPECT_EQ(S.SelMaxFiles, 3);
    EXPECT_FALSE(QFile::exists(path_ + ".new"));
}

}  // namespace
}  // namespace qv::test
