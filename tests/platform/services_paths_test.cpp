#include <gtest/gtest.h>

#include "platform/services.h"
#include "support/fake_services.h"

namespace qv {
namespace {

TEST(PathHelpers, TrailingSlashIsAddedOrRemovedOnce) {
    EXPECT_EQ(WithTrailingSlash("/home/ann"), "/home/ann/");
    EXPECT_EQ(WithTrailingSlash("/home/ann/"), "/home/ann/");
    EXPECT_EQ(WithTrailingSlash("/"), "/");
    EXPECT_EQ(WithTrailingSlash(""), "");
    EXPECT_EQ(WithoutTrailingSlash("/home/ann/"), "/home/ann");
    EXPECT_EQ(WithoutTrailingSlash("/home/ann//"), "/home/ann");
    EXPECT_EQ(WithoutTrailingSlash("/home/ann"), "/home/ann");
    EXPECT_EQ(WithoutTrailingSlash("/"), "/");
    EXPECT_EQ(WithoutTrailingSlash("//"), "/");
}

TEST(PathHelpers, ProgramFilesAreLowerCaseInTheirFolder) {
    EXPECT_EQ(ProgramFilePath("/opt/Quorvan/", "QuorvanHelp"), "/opt/Quorvan/quorvanhelp");
    EXPECT_EQ(ProgramFilePath("/opt/Quorvan", "Quorvan"), "/opt/Quorvan/quorvan");
}

TEST(ScopedServices, SwapsOnlyTheGivenServicesAndRestoresThem) {
    auto* settingsBefore = services().settings.get();
    auto* systemBefore = services().system.get();
    auto* filesBefore = services().files.get();
    {
        test::ScopedServices scope;
        auto& store = scope.useSettings();
        auto& system = scope.useSystem();
        EXPECT_EQ(&settingsStore(), &store);
        EXPECT_EQ(&systemServices(), &system);
        EXPECT_EQ(services().files.get(), filesBefore);

        settingsStore().SaveSetting("Holvent", "Profile", "NickName", "Ann");
        EXPECT_EQ(settingsStore().GetSetting("Holvent", "Profile", "NickName"), "Ann");
        EXPECT_EQ(settingsStore().GetSetting("Holvent", "Profile", "UserPic"), "");

        system.startProgramResult = false;
        EXPECT_FALSE(systemServices().StartProgram("/opt/x/quorvanhelp"));
        EXPECT_EQ(system.startedPrograms, QStringList{"/opt/x/quorvanhelp"});
        try {
            systemServices().EndProgram(3);
            ADD_FAILURE() << "EndProgram returned";
        } catch (const ProgramEnded& ended) {
            EXPECT_EQ(ended.code, 3);
        }
        EXPECT_EQ(system.endCode, 3);

        // A second swap inside the same scope still restores the original at the end.
        scope.useSystem();
        EXPECT_NE(&systemServices(), &system);
    }
    EXPECT_EQ(services().settings.get(), settingsBefore);
    EXPECT_EQ(services().system.get(), systemBefore);
    EXPECT_EQ(services().files.get(), filesBefore);
}

// A path or a name read from the records leads only to the program it names.
TEST(ProgramPaths, RecordsLeadOnlyToTheProgramTheyName) {
    EXPECT_TRUE(NamesProgramFile("/opt/q/Help/quorvanhelp", "QuorvanHelp"));
    EXPECT_TRUE(NamesProgramFile("/quorvanhelp", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("/bin/sh", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("/opt/quorvanhelp/sh", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("/opt/q/quorvanhelp.sh", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("quorvanhelp", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("", "QuorvanHelp"));
    EXPECT_FALSE(NamesProgramFile("/opt/q/", ""));
    EXPECT_TRUE(IsPlainProgramName("Tarnel"));
    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."),
                                QStringLiteral("../bin/sh"), QStringLiteral("/bin/sh"), QStringLiteral("a/")})
        EXPECT_FALSE(IsPlainProgramName(name)) << name.toStdString();
}

}  // namespace
}  // namespace qv
