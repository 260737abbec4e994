// Drive type names as the user sees them, and the user profile's picture path and picture.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>

#include "core/folders.h"
#include "core/profile.h"
#include "core/startup.h"
#include "core/state.h"
#include "core_fixture.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/frm_main.h"
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

// A stored picture that is not a regular file is not opened: a FIFO would wait for a writer for ever,
// before the window ever shows. A hang ends the test program instead.
TEST_F(DrivesProfileTest, AStoredPictureThatIsAFifoStartsWithTheDefaultPicture) {
    const QString prog = temp_.path() + "/prog/";
    WriteFile(prog + "quorvan", "program");
    WriteFile(prog + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
    system_->programFolder = prog;
    QDir::setCurrent(prog);
    const QString fifo = temp_.path() + "/me.png";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
    store_->SaveSetting("Holvent", "NidraBhanga", "UserPic", fifo);
    signal(SIGALRM, [](int) {
        const char said[] = "Start-up blocked on a picture that is a FIFO\n";
        (void)!write(2, said, sizeof said - 1);
        _exit(1);
    });
    alarm(20);
    Main();
    alarm(0);
    signal(SIGALRM, SIG_DFL);
    ASSERT_TRUE(frmMain().Visible());
    EXPECT_EQ(pictureId(*frmMain().ImageUser), "");
    EXPECT_EQ(pictureId(*frmMain().ImageChoiceDefault), pictureId(*frmBut().ImageUser));
    EXPECT_EQ(frmMain().FrameChoice->Caption(), "Your picture here? press Pembrit");
}

}  // namespace
}  // namespace qv::test
