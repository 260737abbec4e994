#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>

#include "platform/fs_posix.h"

namespace qv {
namespace {

// The real file system with its kernel calls replaceable.
class ScriptedFileSystem : public PosixFileSystem {
  public:
    std::function<int(const QByteArray&, const QByteArray&)> rename;
    std::function<void(int, int, const QString&)> copy;
    std::function<int(int, unsigned)> mode;

    int realRename(const QByteArray& from, const QByteArray& to) {
        return PosixFileSystem::renameNoReplace(from, to);
    }

  protected:
    int changeMode(int fd, unsigned bits) override {
        return mode ? mode(fd, bits) : PosixFileSystem::changeMode(fd, bits);
    }
    int renameNoReplace(const QByteArray& from, const QByteArray& to) override {
        return rename ? rename(from, to) : PosixFileSystem::renameNoReplace(from, to);
    }
    void copyData(int in, int out, const QString& from) override {
        if (copy)
            copy(in, out, from);
        else
            PosixFileSystem::copyData(in, out, from);
    }
};

QByteArray folderOf(const QByteArray& path) {
    return path.left(path.lastIndexOf('/'));
}

// Copies half of the data, then fails as a full disk would.
void failHalfWay(int in, int out, const QString&) {
    char buffer[4];
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got > 0) {
        EXPECT_EQ(::write(out, buffer, static_cast<size_t>(got)), got);
    }
    throw PlatformError("No space left on device");
}

class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString& name) const { return dir.filePath(name); }

    QString write(const QString& name, const QByteArray& contents) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path(name);
    }

    static QByteArray read(const QString& p) {
        QFile file(p);
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll();
    }

    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static mode_t modeOf(const QString& p) {
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(p).constData(), &st), 0);
        return st.st_mode & 07777;
    }

    QTemporaryDir dir;
    ScriptedFileSystem fs;
};

TEST_F(FileSystemTest, RenameAndMoveNeverReplaceATarget) {
    const QString a = write("a.txt", "alpha");
    const QString b = write("b.txt", "beta");
    EXPECT_THROW(fs.Rename(a, b), PlatformError);
    EXPECT_THROW(fs.MoveFile(a, b), PlatformError);
    EXPECT_EQ(read(a), "alpha");
    EXPECT_EQ(read(b), "beta");

    // A swap through a third name loses nothing.
    fs.Rename(a, path("t.txt"));
    fs.Rename(b, a);
    fs.MoveFile(path("t.txt"), b);
    EXPECT_EQ(read(a), "beta");
    EXPECT_EQ(read(b), "alpha");
    EXPECT_FALSE(fs.FileExists(path("t.txt")));

    // Folders too.
    fs.MakeFolder(path("one"));
    fs.MakeFolder(path("two"));
    EXPECT_THROW(fs.Rename(path("one"), path("two")), PlatformError);
    fs.Rename(path("one"), path("three"));
    EXPECT_TRUE(fs.FolderExists(path("three")));
    EXPECT_FALSE(fs.FolderExists(path("one")));

    EXPECT_THROW(fs.Rename(path("missing"), path("x")), PlatformError);
    EXPECT_THROW(fs.MoveFile(path("two"), path("four")), PlatformError);  // moves files only
}

TEST_F(FileSystemTest, WithoutNoReplaceRenameFilesAreLinkedAndFoldersChecked) {
    int calls = 0;
    fs.rename = [&calls](const QByteArray&, const QByteArray&) {
        ++calls;
        return EINVAL;
    };
    const QString a = write("a", "alpha");
    const QString b = write("b", "beta");
    EXPECT_THROW(fs.Rename(a, b), PlatformError);
    EXPECT_THROW(fs.MoveFile(a, b), PlatformError);
    EXPECT_EQ(read(a), "alpha");
    EXPECT_EQ(read(b), "beta");

    fs.Rename(a, path("c"));
    EXPECT_FALSE(fs.FileExists(a));
    EXPECT_EQ(read(path("c")), "alpha");
    fs.MoveFile(path("c"), a);
    EXPECT_EQ(read(a), "alpha");
    EXPECT_FALSE(fs.FileExists(path("c")));

    fs.MakeFolder(path("one"));
    fs.MakeFolder(path("two"));
    EXPECT_THROW(fs.Rename(path("one"), path("two")), PlatformError);
    EXPECT_TRUE(fs.FolderExists(path("one")));
    fs.Rename(path("one"), path("three"));
    EXPECT_TRUE(fs.FolderExists(path("three")));
    EXPECT_FALSE(fs.FolderExists(path("one")));
    EXPECT_GT(calls, 0);
}

TEST_F(FileSystemTest, MoveToAnotherFileSystemCopiesThenRemovesTheSource) {
    // Every rename between two folders acts as if they were on different file systems.
    fs.rename = [this](const QByteArray& from, const QByteArray& to) {
        return folderOf(from) != folderOf(to) ? EXDEV : fs.realRename(from, to);
    };
    fs.MakeFolder(path("there"));
    const QString source = write("data.bin", QByteArray(300000, 'x') + "end");
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0640), 0);
    const QString target = path("there/data.bin");

    fs.MoveFile(source, target);
    EXPECT_FALSE(fs.FileExists(source));
    EXPECT_EQ(read(target), QByteArray(300000, 'x') + "end");
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(QDir(path("there")).entryList(QDir::Files | QDir::Hidden), QStringList{"data.bin"});

    // An existing target stops the move before anything is copied.
    const QString other = write("other.bin", "other");
    EXPECT_THROW(fs.MoveFile(other, target), PlatformError);
    EXPECT_EQ(read(other), "other");
    EXPECT_EQ(read(target), QByteArray(300000, 'x') + "end");
}

TEST_F(FileSystemTest, MoveThatFailsHalfWayLeavesTheSourceAndNoTarget) {
    fs.rename = [this](const QByteArray& from, const QByteArray& to) {
        return folderOf(from) != folderOf(to) ? EXDEV : fs.realRename(from, to);
    };
    fs.copy = failHalfWay;
    fs.MakeFolder(path("there"));
    const QString source = write("data.bin", "0123456789");
    EXPECT_THROW(fs.MoveFile(source, path("there/data.bin")), PlatformError);
    EXPECT_EQ(read(source), "0123456789");
    EXPECT_TRUE(
        QDir(path("there")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(FileSystemTest, CopyOverwritesAndKeepsTimeAndPermissions) {
    const QString source = write("src.txt", "new contents");
    const QString target = write("dst.txt", "old");
    const QByteArray native = QFile::encodeName(source);
    ASSERT_EQ(::chmod(native.constData(), 0604), 0);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);

    fs.CopyFile(source, target);
    EXPECT_EQ(read(target), "new contents");
    EXPECT_EQ(read(source), "new contents");
    EXPECT_EQ(modeOf(target), 0604u);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500000000);
    EXPECT_EQ(entries().size(), 2);  // no temporary left behind

    fs.CopyFile(source, path("fresh.txt"));
    EXPECT_EQ(read(path("fresh.txt")), "new contents");

    EXPECT_THROW(fs.CopyFile(source, source), PlatformError);
    EXPECT_EQ(read(source), "new contents");
    EXPECT_THROW(fs.CopyFile(path("missing"), target), PlatformError);
    EXPECT_EQ(read(target), "new contents");
}

// A file system that holds no permission bits (FAT through FUSE answers ENOSYS) still takes copies
// and moves; a real failure to set them still stops the copy.
TEST_F(FileSystemTest, CopyOntoAFileSystemWithoutPermissionBits) {
    for (const int refusal : {ENOSYS, ENOTSUP, EPERM}) {
        SCOPED_TRACE(refusal);
        fs.mode = [refusal](int, unsigned) { return refusal; };
        const QString source = write("src.txt", "contents");
        fs.CopyFile(source, path("copy.txt"));
        EXPECT_EQ(read(path("copy.txt")), "contents");
        fs.rename = [this](const QByteArray& from, const QByteArray& to) {
            return folderOf(from) != folderOf(to) ? EXDEV : fs.realRename(from, to);
        };
        QDir(dir.path()).mkpath("there");
        fs.MoveFile(source, path("there/moved.txt"));
        EXPECT_EQ(read(path("there/moved.txt")), "contents");
        EXPECT_FALSE(QFile::exists(source));
        EXPECT_EQ(entries(), (QStringList{"copy.txt", "there"}));
        QFile::remove(path("copy.txt"));
        QFile::remove(path("there/moved.txt"));
        fs.rename = nullptr;
    }
    fs.mode = [](int, unsigned) { return EIO; };
    const QString source = write("src.txt", "contents");
    EXPECT_THROW(fs.CopyFile(source, path("copy.txt")), PlatformError);
    EXPECT_EQ(entries(), (QStringList{"src.txt", "there"}));
}

// Runs a program to its end; false when it cannot be found, does not start or does not succeed.
bool RunTool(const QString& program, const QStringList& arguments) {
    const QString found =
        QStandardPaths::findExecutable(program).isEmpty()
            ? QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"})
            : QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return false;
    QProcess tool;
    tool.start(found, arguments);
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// The same on a real FAT image mounted through FUSE, where the machine can mount one.
TEST_F(FileSystemTest, CopyAndMoveOntoAFatDriveMountedThroughFuse) {
    if (!QFileInfo::exists("/dev/fuse"))
        GTEST_SKIP() << "no /dev/fuse";
    const QString image = path("fat.img");
    {
        QFile file(image);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(4 << 20));
    }
    QDir(dir.path()).mkpath("mnt");
    const QString mount = path("mnt");
    if (!RunTool("mkfs.vfat", {image}) || !RunTool("fusefat", {"-o", "rw+", image, mount}))
        GTEST_SKIP() << "no FAT image can be made and mounted through FUSE here";
    struct Unmount {
        QString at;
        ~Unmount() {
            if (!RunTool("fusermount", {"-u", at}))
                RunTool("umount", {at});
        }
    } unmount{mount};
    QFile mounts("/proc/self/mounts");
    ASSERT_TRUE(mounts.open(QIODevice::ReadOnly));
    if (!mounts.readAll().contains(QFile::encodeName(mount) + " fuse"))
        GTEST_SKIP() << "the image did not mount";

    const QString source = write("src.txt", "contents");
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0640), 0);
    fs.CopyFile(source, mount + "/copy.txt");
    EXPECT_EQ(read(mount + "/copy.txt"), "contents");
    EXPECT_EQ(read(source), "contents");
    fs.MoveFile(source, mount + "/moved.txt");
    EXPECT_EQ(read(mount + "/moved.txt"), "contents");
    EXPECT_FALSE(QFile::exists(source));
    QStringList onDrive = QDir(mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    onDrive.sort();
    EXPECT_EQ(onDrive, (QStringList{"copy.txt", "moved.txt"}));
}

// A destination folder moved away while a copy is written: the partial copy goes with the folder and
// is removed there, and the reason says it is the destination that is missing, not the source.
TEST_F(FileSystemTest, ADestinationMovedAwayDuringACopyKeepsNoPartialCopy) {
    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "move to another file system" : "copy");
        const QString source = write("src.txt", "0123456789");
        QDir(dir.path()).mkpath("there");
        fs.rename = [this](const QByteArray& from, const QByteArray& to) {
            return folderOf(from) != folderOf(to) ? EXDEV : fs.realRename(from, to);
        };
        fs.copy = [this](int in, int out, const QString&) {
            ASSERT_TRUE(QDir(dir.path()).rename("there", "moved"));
            fs.copy = nullptr;
            char buffer[16];
            const ssize_t got = ::read(in, buffer, sizeof buffer);
            ASSERT_EQ(::write(out, buffer, static_cast<size_t>(got)), got);
        };
        try {
            if (move)
                fs.MoveFile(source, path("there/dst.txt"));
            else
                fs.CopyFile(source, path("there/dst.txt"));
            ADD_FAILURE() << "the copy went into a folder that had gone";
        } catch (const PlatformError& e) {
            EXPECT_TRUE(e.message().endsWith(": the folder " + path("there") + " is not there any more"))
                << e.message().toStdString();
            EXPECT_EQ(e.systemError(), ENOENT);
        }
        EXPECT_TRUE(
            QDir(path("moved")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
            << QDir(path("moved")).entryList(QDir::AllEntries | QDir::Hidden).join(' ').toStdString();
        EXPECT_EQ(read(source), "0123456789");
        QDir(path("moved")).removeRecursively();
        fs.rename = nullptr;
    }
    // A source that has gone is named as the source.
    try {
        fs.CopyFile(path("gone.txt"), path("dst.txt"));
        ADD_FAILURE() << "a missing file was copied";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.message(), "Cannot read " + path("gone.txt") + ": No such file or directory");
    }
}

// A copy on its way in is named for the process that makes it, so that one left by a process that
// has ended can be told from one under way; a process ended but not yet reaped runs no more.
TEST_F(FileSystemTest, ACopyOnItsWayIsNamedForItsMaker) {
    const QString source = write("src.txt", "0123456789");
    QStringList during;
    bool inner = false;
    fs.copy = [&](int in, int out, const QString& from) {
        if (!inner) {
            during = entries();
            inner = true;
            fs.CopyFile(source, path("other.txt"));  // no name of this copy is taken by another
            during += entries();
        }
        char buffer[16];
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        ASSERT_EQ(::write(out, buffer, static_cast<size_t>(got)), got) << from.toStdString();
    };
    fs.CopyFile(source, path("dst.txt"));
    during.removeAll("src.txt");
    during.removeAll("other.txt");
    during.removeDuplicates();
    ASSERT_EQ(during.size(), 1);
    const TemporaryName made = ReadTemporaryName(during.at(0));
    EXPECT_EQ(made.kind, TemporaryKind::PartialCopy) << during.at(0).toStdString();
    EXPECT_EQ(made.owner.pid, ::getpid());
    EXPECT_EQ(made.owner.started, ThisProcess().started);
    EXPECT_TRUE(OwnerRuns(made.owner));
    EXPECT_EQ(entries(), (QStringList{"dst.txt", "other.txt", "src.txt"}));

    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    siginfo_t ended {};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT), 0);  // not reaped
    EXPECT_FALSE(OwnerRuns({child, 0}));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(OwnerRuns({child, 0}));
}

TEST_F(FileSystemTest, FailedCopyLeavesTheOldTargetUntouched) {
    const QString source = write("src.txt", "0123456789");
    const QString target = write("dst.txt", "old target");
    fs.copy = failHalfWay;
    EXPECT_THROW(fs.CopyFile(source, target), PlatformError);
    EXPECT_EQ(read(target), "old target");
    EXPECT_EQ(entries().size(), 2);

    // A read-only target is refused, as the desktop file tools do.
    fs.copy = nullptr;
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    EXPECT_THROW(fs.CopyFile(source, target), PlatformError);
    EXPECT_EQ(read(target), "old target");

    // Only a file is overwritten: a link, dangling or not, or a pipe of the name stays as it is.
    const QByteArray link = QFile::encodeName(path("link"));
    const QByteArray pipe = QFile::encodeName(path("pipe"));
    ASSERT_EQ(::symlink("nowhere", link.constData()), 0);
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    for (const QByteArray& taken : {link, pipe}) {
        SCOPED_TRACE(taken.constData());
        struct stat before {};
        ASSERT_EQ(::lstat(taken.constData(), &before), 0);
        EXPECT_THROW(fs.CopyFile(source, QFile::decodeName(taken)), PlatformError);
        struct stat after {};
        ASSERT_EQ(::lstat(taken.constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    }
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
}

TEST_F(FileSystemTest, DeleteOfReadOnlyFilesNeedsForce) {
    const QString file = write("ro.txt", "keep");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    EXPECT_THROW(fs.DeleteFile(file, false), PlatformError);
    EXPECT_TRUE(fs.FileExists(file));
    fs.DeleteFile(file, true);
    EXPECT_FALSE(fs.FileExists(file));
    EXPECT_THROW(fs.DeleteFile(file, true), PlatformError);

    const QString plain = write("plain.txt", "x");
    fs.DeleteFile(plain, false);
    EXPECT_FALSE(fs.FileExists(plain));

    fs.MakeFolder(path("sub"));
    EXPECT_THROW(fs.DeleteFile(path("sub"), true), PlatformError);
    EXPECT_TRUE(fs.FolderExists(path("sub")));
}

TEST_F(FileSystemTest, FoldersAndTheirContents) {
    fs.MakeFolder(path("sub"));
    EXPECT_THROW(fs.MakeFolder(path("sub")), PlatformError);
    write("sub/.hidden", "h");
    write("sub/visible.txt", "v");
    fs.MakeFolder(path("sub/inner"));
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(path("sub/dangling")).constData()), 0);

    QStringList files = fs.FileNames(path("sub"));
    files.sort();
    EXPECT_EQ(files, (QStringList{".hidden", "visible.txt"}));
    EXPECT_EQ(fs.FolderNames(path("sub")), QStringList{"inner"});
    EXPECT_TRUE(fs.FolderExists(path("sub/inner")));
    EXPECT_FALSE(fs.FileExists(path("sub/inner")));
    EXPECT_FALSE(fs.FolderExists(path("sub/visible.txt")));
    EXPECT_FALSE(fs.FileExists(""));

    EXPECT_THROW(fs.RemoveFolder(path("sub")), PlatformError);

    // A name that is not UTF-8 is never listed, yet it is there.
    const QByteArray sub = QFile::encodeName(path("sub"));
    const int fd = ::open((sub + "/bad\xff.txt").constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::mkdir((sub + "/bad\xfe").constData(), 0755), 0);
    files = fs.FileNames(path("sub"));
    files.sort();
    EXPECT_EQ(files, (QStringList{".hidden", "visible.txt"}));
    EXPECT_EQ(fs.FolderNames(path("sub")), QStringList{"inner"});
    EXPECT_TRUE(fs.FileExists(path("sub/visible.txt")));
    ASSERT_EQ(::unlink((sub + "/visible.txt").constData()), 0);
    ASSERT_EQ(::unlink((sub + "/.hidden").constData()), 0);
    ASSERT_EQ(::unlink((sub + "/dangling").constData()), 0);
    ASSERT_EQ(::rmdir((sub + "/bad\xfe").constData()), 0);
    EXPECT_TRUE(fs.FileNames(path("sub")).isEmpty());
    fs.RemoveFolder(path("sub/inner"));
    EXPECT_FALSE(fs.FolderExists(path("sub/inner")));
    EXPECT_THROW(fs.RemoveFolder(path("sub")), PlatformError) << "the unlisted file still holds it";
    ASSERT_EQ(::unlink((sub + "/bad\xff.txt").constData()), 0);
    fs.RemoveFolder(path("sub"));
    EXPECT_FALSE(fs.FolderExists(path("sub")));
    EXPECT_THROW(fs.FileNames(path("nothere")), PlatformError);

    // A dangling link read last is no read error.
    fs.MakeFolder(path("links"));
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(path("links/dangling")).constData()), 0);
    EXPECT_TRUE(fs.FileNames(path("links")).isEmpty());
    EXPECT_TRUE(fs.FolderNames(path("links")).isEmpty());
}

// A link is not given attributes through the file it points to, which may be in any other folder.
TEST_F(FileSystemTest, ALinkGetsNoAttributesThroughItsTarget) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString target = elsewhere.filePath("theirs.txt");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0644), 0);
    const QString link = path("link.txt");
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    ASSERT_TRUE(fs.FileExists(link));
    for (const int value : {int(AttrReadOnly), int(AttrHidden), int(AttrNormal)}) {
        SCOPED_TRACE(value);
        try {
            fs.SetAttributes(link, value);
            ADD_FAILURE() << "the link was given attributes";
        } catch (const PlatformError& e) {
            EXPECT_TRUE(
                e.message().endsWith("it is a symbolic link, and the file it points to is left alone"))
                << e.message().toStdString();
            EXPECT_EQ(e.systemError(), ELOOP) << "the user's own link, no fault of the program";
        }
        EXPECT_EQ(modeOf(target), 0644u);
        char bits[32];
        EXPECT_LT(::getxattr(QFile::encodeName(target).constData(), kAttributeXattr, bits, sizeof bits), 0);
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    }
}

TEST_F(FileSystemTest, SizesBeyondFourGigabytes) {
    const QString file = write("sparse.bin", "");
    const qint64 size = (qint64{5} << 30) + 7;
    ASSERT_EQ(::truncate(QFile::encodeName(file).constData(), size), 0);
    EXPECT_EQ(fs.FileSize(file), size);
    EXPECT_EQ(fs.FileSize(write("small", "abc")), 3);
    EXPECT_THROW(fs.FileSize(path("missing")), PlatformError);
    EXPECT_THROW(fs.FileSize(dir.path()), PlatformError);
}

TEST_F(FileSystemTest, AttributesRoundTrip) {
    const QString file = write("f.txt", "x");
    EXPECT_EQ(fs.GetAttributes(file), AttrArchive);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    EXPECT_EQ(fs.GetAttributes(file), AttrArchive | AttrReadOnly);
    EXPECT_EQ(fs.GetAttributes(dir.path()), AttrDirectory);
    EXPECT_THROW(fs.GetAttributes(path("missing")), PlatformError);

    const QByteArray probe = QFile::encodeName(write("probe", ""));
    if (::setxattr(probe.constData(), "user.probe", "1", 1, 0) != 0 && (errno == ENOTSUP || errno == EPERM))
        GTEST_SKIP() << "the temporary folder's file system keeps no user extended attributes";

    fs.SetAttributes(file, AttrReadOnly | AttrHidden | AttrArchive);
    EXPECT_EQ(fs.GetAttributes(file), AttrReadOnly | AttrHidden | AttrArchive);
    EXPECT_EQ(modeOf(file) & S_IWUSR, 0u);

    fs.SetAttributes(file, AttrSystem);
    EXPECT_EQ(fs.GetAttributes(file), AttrSystem);
    EXPECT_NE(modeOf(file) & S_IWUSR, 0u);

    fs.SetAttributes(file, AttrNormal);
    EXPECT_EQ(fs.GetAttributes(file), AttrNormal);

    fs.SetAttributes(file, AttrArchive);
    EXPECT_EQ(fs.GetAttributes(file), AttrArchive);

    // A copy keeps the attributes; folders keep theirs beside the folder bit.
    fs.SetAttributes(file, AttrHidden | AttrReadOnly);
    fs.CopyFile(file, path("copy.txt"));
    EXPECT_EQ(fs.GetAttributes(path("copy.txt")), AttrHidden | AttrReadOnly);
    fs.MakeFolder(path("sub"));
    fs.SetAttributes(path("sub"), AttrHidden | AttrDirectory | AttrReadOnly);
    EXPECT_EQ(fs.GetAttributes(path("sub")), AttrDirectory | AttrHidden);
    EXPECT_NE(modeOf(path("sub")) & S_IWUSR, 0u);
    EXPECT_THROW(fs.SetAttributes(path("missing"), AttrHidden), PlatformError);
}

}  // namespace
}  // namespace qv
