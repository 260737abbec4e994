#include <gtest/gtest.h>
#include <QStorageInfo>
#include <QTemporaryDir>

#include "platform/fs_posix.h"

namespace qv {
namespace {

const QByteArray kTable =
    "sysfs /sys sysfs rw,nosuid 0 0\n"
    "proc /proc proc rw 0 0\n"
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "/dev/sda2 /home xfs rw 0 0\n"
    "server:/export /home/ann/net nfs4 rw 0 0\n"
    "tmpfs /dev/shm tmpfs rw 0 0\n"
    "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
    "/dev/sr0 /run/media/ann/DISC iso9660 ro 0 0\n"
    "/dev/sdc1 /mnt/gone ext4 rw 0 0\n"
    "//nas/share /mnt/share cifs rw 0 0\n"
    "odd /mnt/odd weirdfs rw 0 0\n"
    "overlay /home overlay rw 0 0\n"
    "garbage\n";

class TableFileSystem : public PosixFileSystem {
  protected:
    QByteArray mountTable() override { return kTable; }
};

TEST(MountTable, PseudoFileSystemsAreLeftOutAndEscapesDecoded) {
    const QList<MountEntry> mounts = ParseMounts(kTable);
    QStringList points;
    for (const MountEntry& m : mounts) points.append(m.mountPoint);
    EXPECT_EQ(points, (QStringList{"/", "/home", "/home/ann/net", "/dev/shm", "/media/ann/USB STICK",
                                   "/run/media/ann/DISC", "/mnt/gone", "/mnt/share", "/mnt/odd", "/home"}));
    ASSERT_FALSE(mounts.isEmpty());
    EXPECT_EQ(mounts[0].device, "/dev/sda1");
    EXPECT_EQ(mounts[0].fsType, "ext4");
    EXPECT_TRUE(IsPseudoFileSystem("proc"));
    EXPECT_TRUE(IsPseudoFileSystem("binfmt_misc"));
    EXPECT_FALSE(IsPseudoFileSystem("ext4"));
    EXPECT_TRUE(ParseMounts("").isEmpty());
}

TEST(MountTable, DriveTypesFollowFileSystemAndPlace) {
    auto type = [](const char* point, const char* fs) { return DriveTypeOf(MountEntry{"dev", point, fs}); };
    EXPECT_EQ(type("/", "ext4"), DriveFixed);
    EXPECT_EQ(type("/data", "btrfs"), DriveFixed);
    EXPECT_EQ(type("/", "overlay"), DriveFixed);
    EXPECT_EQ(type("/net", "nfs"), DriveRemote);
    EXPECT_EQ(type("/net", "cifs"), DriveRemote);
    EXPECT_EQ(type("/net", "fuse.sshfs"), DriveRemote);
    EXPECT_EQ(type("/cd", "iso9660"), DriveCDRom);
    EXPECT_EQ(type("/run/media/ann/DISC", "udf"), DriveCDRom);
    EXPECT_EQ(type("/tmp", "tmpfs"), DriveRAMDisk);
    EXPECT_EQ(type("/media/ann/USB", "vfat"), DriveRemovable);
    EXPECT_EQ(type("/run/media/ann/USB", "exfat"), DriveRemovable);
    EXPECT_EQ(type("/mediadata", "ext4"), DriveFixed);  // not under /media
    EXPECT_EQ(type("/mnt/odd", "weirdfs"), DriveUnknown);
}

TEST(MountTable, DriveOfAPathIsTheLongestWholeComponentPrefix) {
    const QStringList points{"/", "/home", "/home/ann/net"};
    EXPECT_EQ(LongestMountPrefix(points, "/"), "/");
    EXPECT_EQ(LongestMountPrefix(points, "/usr/lib"), "/");
    EXPECT_EQ(LongestMountPrefix(points, "/home"), "/home");
    EXPECT_EQ(LongestMountPrefix(points, "/home/ann"), "/home");
    EXPECT_EQ(LongestMountPrefix(points, "/homework/x"), "/");
    EXPECT_EQ(LongestMountPrefix(points, "/home/ann/net/a"), "/home/ann/net");
    EXPECT_EQ(LongestMountPrefix(points, "/home/ann/network"), "/home");
    EXPECT_EQ(LongestMountPrefix({"/home"}, "/usr"), "");
}

TEST(Drives, NamesTypesAndReadinessFromTheMountTable) {
    TableFileSystem fs;
    const QStringList drives = fs.Drives();
    EXPECT_EQ(drives.count("/home"), 1);
    EXPECT_TRUE(drives.contains("/media/ann/USB STICK"));
    EXPECT_FALSE(drives.contains("/proc"));

    EXPECT_EQ(fs.GetDriveName("/nonexistent-q/x"), "/");
    EXPECT_EQ(fs.GetDriveName("/mnt/share/docs/a.txt"), "/mnt/share");
    EXPECT_EQ(fs.GetDriveName("/media/ann/USB STICK/photos"), "/media/ann/USB STICK");
    EXPECT_THROW(fs.GetDriveName(""), PlatformError);

    EXPECT_EQ(fs.DriveType("/"), DriveFixed);
    EXPECT_EQ(fs.DriveType("/mnt/share/"), DriveRemote);
    EXPECT_EQ(fs.DriveType("/media/ann/USB STICK"), DriveRemovable);
    EXPECT_EQ(fs.DriveType("/run/media/ann/DISC"), DriveCDRom);
    EXPECT_EQ(fs.DriveType("/dev/shm"), DriveRAMDisk);
    EXPECT_EQ(fs.DriveType("/mnt/odd"), DriveUnknown);
    // The later mount on a point hides the earlier one.
    EXPECT_EQ(fs.DriveType("/home"), DriveFixed);

    EXPECT_TRUE(fs.DriveIsReady("/"));
    EXPECT_FALSE(fs.DriveIsReady("/mnt/gone"));  // listed, but its root cannot be read
}

// A chroot whose root is no mount point lists nothing that holds its paths; without /proc there is
// no table at all. The root is then the drive.
class SilentTableFileSystem : public PosixFileSystem {
  public:
    bool readable = true;

  protected:
    QByteArray mountTable() override {
        if (!readable)
            throw PlatformError(QStringLiteral("Cannot read the mount table: No such file or directory"));
        return "proc /proc proc rw 0 0\n/dev/sda2 /home xfs rw 0 0\n";
    }
};

TEST(Drives, TheRootHoldsWhatTheMountTableIsSilentAbout) {
    SilentTableFileSystem fs;
    for (bool readable : {true, false}) {
        SCOPED_TRACE(readable);
        fs.readable = readable;
        EXPECT_EQ(fs.GetDriveName("/usr/lib"), "/");
        EXPECT_EQ(fs.GetDriveName("/"), "/");
        EXPECT_EQ(fs.GetDriveName("/home/ann"), readable ? "/home" : "/");
        EXPECT_EQ(fs.Drives(), readable ? QStringList({"/", "/home"}) : QStringList({"/"}));
        EXPECT_EQ(fs.DriveType("/"), DriveUnknown);
        EXPECT_TRUE(fs.DriveIsReady("/"));
    }
}

TEST(Drives, FreeSpaceOfARealMount) {
    PosixFileSystem fs;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString drive = fs.GetDriveName(dir.path());
    EXPECT_TRUE(fs.Drives().contains(drive));
    EXPECT_TRUE(fs.DriveIsReady(drive));
    EXPECT_NE(fs.DriveType(drive), DriveUnknown);

    const qint64 free = fs.AvailableSpace(drive);
    const qint64 expected = QStorageInfo(dir.path()).bytesAvailable();
    EXPECT_GT(free, 0);
    // Other programs write meanwhile; the figures agree to within 256 MB.
    EXPECT_LT(std::llabs(free - expected), qint64{256} << 20);
    EXPECT_THROW(fs.AvailableSpace("/nonexistent-q/x"), PlatformError);
}

}  // namespace
}  // namespace qv
