// Drive type names as the user sees them, and the user profile's picture path.
#include <gtest/gtest.h>

#include "core/folders.h"
#include "core/profile.h"
#include "core/state.h"
#include "core_fixture.h"
#include "platform/fs_posix.h"

namespace qv::test {
namespace {

class TableFileSystem : public PosixFileSystem {
  protected:
    QByteArray mountTable() override {
        return "/dev/sda1 / ext4 rw 0 0\n"
               "/dev/sdb1 /media/stick vfat rw 0 0\n"
               "server:/x /mnt/net nfs4 rw 0 0\n"
               "/dev/sr0 /media/disc iso9660 ro 0 0\n"
               "tmpfs /dev/shm tmpfs rw 0 0\n"
               "odd /mnt/odd weirdfs rw 0 0\n";
    }
};

using DrivesProfileTest = CoreTest;

TEST_F(DrivesProfileTest, DriveTypeNamesByPath) {
    services_.useFiles<TableFileSystem>();
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"/home/ann/a.txt", "Fixed"}, {"/media/stick/photos", "Removable"},
        {"/mnt/net/docs", "Remote"},  {"/media/disc", "CDRom"},
        {"/dev/shm/q", "RAMDisk"},    {"/mnt/odd/x", "Unknown"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetDriveTypeName(QString::fromUtf8(c.path)), c.name) << c.path;
    EXPECT_EQ(DriveTypeText(6), "Unknown");
}

TEST_F(DrivesProfileTest, PicturePathSplitsIntoFolderAndFile) {
    const struct {
        const char* stored;
        const char* folder;
        const char* file;
    } cases[] = {
        {"/home/ann/pics/me.png", "/home/ann/pics", "me.png"},
        {"/me.png", "", "me.png"},
        {"me.png", "", ""},  // no folder in it: nothing to split
        {"", "", ""},
    };
    for (const auto& c : cases) {
        ResetState();
        store_->SaveSetting("Holvent", "NidraBhanga", "UserPic", QString::fromUtf8(c.stored));
        ProgGetSettings();
        EXPECT_EQ(S.UserPicPath, c.stored);
        EXPECT_EQ(S.UserPicFolder, c.folder) << c.stored;
        EXPECT_EQ(S.UserPicFile, c.file) << c.stored;
    }
}

}  // namespace
}  // namespace qv::test
