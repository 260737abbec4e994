// POSIX file system. Renames and moves never replace a target; copies land whole or not at all.
#include "platform/fs_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace qv {
namespace {

constexpr int kStoredBits = AttrHidden | AttrSystem | AttrArchive;

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString& what, int error) {
    throw PlatformError(QStringLiteral("%1: %2").arg(what, errorText(error)), error);
}

QByteArray encoded(const QString& path) {
    if (path.isEmpty())
        throw PlatformError(QStringLiteral("No path given"));
    return QFile::encodeName(path);
}

// The same bytes as encoded(), without the general converter for a path that is plain ASCII (the
// usual case), which a rename of many thousand files would otherwise spend much of its time in.
QByteArray encodedQuickly(const QString& path) {
    const qsizetype n = path.size();
    QByteArray out(n, Qt::Uninitialized);
    const QChar* in = path.constData();
    char* to = out.data();
    char16_t any = 0;  // one pass both narrows and tells whether every unit was ASCII
    for (qsizetype i = 0; i < n; ++i) {
        any |= in[i].unicode();
        to[i] = static_cast<char>(in[i].unicode());
    }
    if (n == 0 || any >= 0x80)
        return encoded(path);
    return out;
}

bool statPath(const QByteArray& path, struct stat& st) {
    return ::stat(path.constData(), &st) == 0;
}

struct stat statOrThrow(const QString& path, const QByteArray& native) {
    struct stat st {};
    if (!statPath(native, st))
        fail(QStringLiteral("Cannot read %1").arg(path), errno);
    return st;
}

bool lexists(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0;
}

// A name read from a folder as a string, when it comes back to the same bytes: one that does not
// would name another file, or none. Plain ASCII always does, without the converter's round trip.
bool DecodedExactly(const char* name, QString& decoded) {
    const size_t length = std::strlen(name);
    bool ascii = true;
    for (size_t i = 0; i < length && ascii; ++i) ascii = static_cast<unsigned char>(name[i]) < 0x80;
    if (ascii) {
        decoded = QString::fromLatin1(name, static_cast<qsizetype>(length));
        return true;
    }
    decoded = QFile::decodeName(name);
    return QFile::encodeName(decoded) == QByteArrayView(name, static_cast<qsizetype>(length));
}

// A name read from a folder as the file name functions decode it; plain ASCII (the usual case) comes
// to the same string without the general converter, which a folder of many thousand names would
// otherwise spend most of its reading time in.
QString Decoded(const char* name) {
    const size_t length = std::strlen(name);
    for (size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(name[i]) >= 0x80)
            return QFile::decodeName(name);
    return QString::fromLatin1(name, static_cast<qsizetype>(length));
}

// A name the program gives the files it makes while it works (see TemporaryKind) and their records.
bool IsProgramTemporary(const char* name) {
    return std::strncmp(name, ".quorvan-", 9) == 0;
}

QByteArray folderOf(const QByteArray& path) {
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

// A file descriptor closed on every way out.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// The stored attribute bits, or -1 when the file has none (or its file system keeps none).
int readStoredBits(const QByteArray& path) {
    char buffer[32];
    const ssize_t n = ::getxattr(path.constData(), kAttributeXattr, buffer, sizeof buffer - 1);
    if (n < 0)
        return -1;
    buffer[n] = '\0';
    bool ok = false;
    const int value = QByteArray(buffer).trimmed().toInt(&ok);
    return ok ? (value & kStoredBits) : -1;
}

bool underFolder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// Mount tables escape blanks, tabs, new lines and backslashes as three octal digits.
QByteArray unescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3 && value < 256) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

}  // namespace

// ---- mount table ---------------------------------------------------------------------------------

bool IsPseudoFileSystem(const QString& fsType) {
    static const QSet<QString> pseudo = {
        "proc",
        "sysfs",
        "cgroup",
        "cgroup2",
        "devpts",
        "mqueue",
        "debugfs",
        "tracefs",
        "securityfs",
        "pstore",
        "bpf",
        "configfs",
        "fusectl",
        "hugetlbfs",
        "autofs",
        "binfmt_misc",
        "nsfs",
        "devtmpfs",
        "rpc_pipefs",
        "efivarfs",
        "selinuxfs",
        "nfsd",
        "sockfs",
        "pipefs",
        "fuse.gvfsd-fuse",
        "fuse.portal",
        "overlayfs-internal",
    };
    return pseudo.contains(fsType);
}

QList<MountEntry> ParseMounts(const QByteArray& table) {
    QList<MountEntry> mounts;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        MountEntry entry{QFile::decodeName(unescapeMountField(fields[0])),
                         QFile::decodeName(unescapeMountField(fields[1])), QString::fromLatin1(fields[2])};
        if (!entry.mountPoint.startsWith(QLatin1Char('/')) || IsPseudoFileSystem(entry.fsType))
            continue;
        mounts.append(entry);
    }
    return mounts;
}

int DriveTypeOf(const MountEntry& mount) {
    static const QSet<QString> remote = {"nfs", "nfs4", "cifs", "smb3",      "smbfs",      "fuse.sshfs",
                                         "9p",  "afs",  "ceph", "glusterfs", "fuse.rclone"};
    static const QSet<QString> optical = {"iso9660", "udf"};
    static const QSet<QString> ram = {"tmpfs", "ramfs"};
    static const QSet<QString> local = {
        "ext2",  "ext3",     "ext4",    "xfs",      "btrfs",    "vfat",   "msdos",
        "exfat", "ntfs",     "ntfs3",   "fuseblk",  "overlay",  "zfs",    "f2fs",
        "jfs",   "reiserfs", "hfsplus", "squashfs", "bcachefs", "nilfs2", "fuse.ntfs-3g"};
    if (optical.contains(mount.fsType))
        return DriveCDRom;
    if (remote.contains(mount.fsType))
        return DriveRemote;
    if (ram.contains(mount.fsType))
        return DriveRAMDisk;
    if (underFolder(mount.mountPoint, QStringLiteral("/media")) ||
        underFolder(mount.mountPoint, QStringLiteral("/run/media")))
        return DriveRemovable;
    if (local.contains(mount.fsType))
        return DriveFixed;
    return DriveUnknown;
}

QString LongestMountPrefix(const QStringList& mountPoints, const QString& absolutePath) {
    QString best;
    for (const QString& point : mountPoints) {
        const bool covers = point == QLatin1String("/") ? absolutePath.startsWith(QLatin1Char('/'))
                                                        : underFolder(absolutePath, point);
        if (covers && point.size() > best.size())
            best = point;
    }
    return best;
}

// ---- files and folders ---------------------------------------------------------------------------

bool PosixFileSystem::FileExists(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && statPath(QFile::encodeName(path), st) && S_ISREG(st.st_mode);
}

bool PosixFileSystem::FolderExists(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && statPath(QFile::encodeName(path), st) && S_ISDIR(st.st_mode);
}

qint64 PosixFileSystem::FileSize(const QString& path) {
    const struct stat st = statOrThrow(path, encoded(path));
    if (!S_ISREG(st.st_mode))
        throw PlatformError(QStringLiteral("%1 is not a file").arg(path), kSystemRefused);
    return static_cast<qint64>(st.st_size);
}

int PosixFileSystem::GetAttributes(const QString& path) {
    const QByteArray native = encoded(path);
    const struct stat st = statOrThrow(path, native);
    const int stored = readStoredBits(native);
    if (S_ISDIR(st.st_mode))
        return AttrDirectory | (stored < 0 ? 0 : stored);
    const int readOnly = (st.st_mode & S_IWUSR) ? 0 : AttrReadOnly;
    return (stored < 0 ? AttrArchive : stored) | readOnly;
}

void PosixFileSystem::SetAttributes(const QString& path, int attributes) {
    const QByteArray native = encoded(path);
    // Every call below would follow a link and change the file it points to, which may lie in any
    // other folder: a link gets no attributes.
    struct stat own {};
    if (::lstat(native.constData(), &own) == 0 && S_ISLNK(own.st_mode))
        throw PlatformError(
            QStringLiteral("Cannot change the attributes of %1: it is a symbolic link, and the file it "
                           "points to is left alone")
                .arg(path),
            ELOOP);
    const struct stat st = statOrThrow(path, native);
    const bool folder = S_ISDIR(st.st_mode);
    const int stored = attributes & kStoredBits;
    const int defaultStored = folder ? 0 : AttrArchive;

    // Folders keep their write permission: taking it away would stop every rename inside them.
    const mode_t original = st.st_mode & 07777;
    mode_t wanted = original;
    if (!folder)
        wanted = (attributes & AttrReadOnly) ? (original & ~S_IWUSR) : (original | S_IWUSR);

    // User attributes need write permission on the file, so a read-only file is opened up while
    // its bits are written.
    if (!(original & S_IWUSR) && ::chmod(native.constData(), original | S_IWUSR) != 0)
        fail(QStringLiteral("Cannot change the attributes of %1").arg(path), errno);
    // The default bits are kept as no stored value at all, so that setting them back (an undo) leaves
    // a file that never had one without one.
    const QByteArray text = QByteArray::number(stored);
    const bool written =
        stored == defaultStored
            ? ::lremovexattr(native.constData(), kAttributeXattr) == 0 || errno == ENODATA
            : ::lsetxattr(native.constData(), kAttributeXattr, text.constData(), text.size(), 0) == 0;
    if (!written) {
        const int error = errno;
        const bool unsupported = error == ENOTSUP || error == EOPNOTSUPP || error == EPERM;
        if (!unsupported || stored != defaultStored) {
            ::chmod(native.constData(), original);
            if (unsupported)
                throw PlatformError(
                    QStringLiteral(
                        "The file system of %1 cannot keep the hidden, system or archive attribute")
                        .arg(path),
                    ENOTSUP);
            fail(QStringLiteral("Cannot change the attributes of %1").arg(path), error);
        }
    }
    if (::chmod(native.constData(), wanted) != 0) {
        const int error = errno;
        ::chmod(native.constData(), original);
        fail(QStringLiteral("Cannot change the attributes of %1").arg(path), error);
    }
}

void PosixFileSystem::copyData(int in, int out, const QString& from) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got == 0)
            return;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Cannot read %1").arg(from), errno);
        }
        ssize_t done = 0;
        while (done < got) {
            const ssize_t put = ::write(out, buffer.data() + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                fail(QStringLiteral("Cannot write the copy of %1").arg(from), errno);
            }
            done += put;
        }
    }
}

// The reason a copy could not be put in place or begun: the folder it was going to may have gone
// (moved or deleted meanwhile), which the system's own words would leave the user to guess.
[[noreturn]] void PosixFileSystem::failAtTarget(const QString& what, const QString& to, int error) {
    const QString folder = QFileInfo(to).absolutePath();
    if ((error == ENOENT || error == ENOTDIR) && !FolderExists(folder))
        throw PlatformError(what + QStringLiteral(": the folder %1 is not there any more").arg(folder),
                            error);
    fail(what, error);
}

int PosixFileSystem::copyToTemporary(const QString& from, const QString& to, QByteArray& temporary) {
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    Fd in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        fail(QStringLiteral("Cannot open %1").arg(from), errno);
    struct stat st {};
    if (::fstat(in.get(), &st) != 0)
        fail(QStringLiteral("Cannot read %1").arg(from), errno);
    if (!S_ISREG(st.st_mode))
        throw PlatformError(QStringLiteral("%1 is not a file").arg(from), kSystemRefused);

    // The copy is made and, should it fail, removed through its folder's descriptor: the folder may
    // be moved meanwhile, and its old path would then lead nowhere, or to another folder.
    Fd folder(::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        failAtTarget(QStringLiteral("Cannot create a file in the folder of %1").arg(to), to, errno);

    // Named for this process, so that what a killed copy leaves can be told from a copy under way.
    static quint64 counter = 0;
    int made = -1;
    while (made < 0) {
        temporary = QFile::encodeName(MakeTemporaryName(TemporaryKind::PartialCopy, ++counter));
        made = ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (made < 0 && errno != EEXIST)
            failAtTarget(QStringLiteral("Cannot create a file in the folder of %1").arg(to), to, errno);
    }
    Fd out(made);
    try {
        copyData(in.get(), out.get(), from);
        struct stat written {};
        if (::fstat(out.get(), &written) != 0)
            fail(QStringLiteral("Cannot read the copy of %1").arg(from), errno);
        if (written.st_size != st.st_size)
            throw PlatformError(QStringLiteral("The copy of %1 is incomplete").arg(from), EIO);
        // A file system that keeps no permission bits (FAT through FUSE) still takes the copy, as
        // the desktop copy tools do; the bits are copied wherever they can be held.
        const int modeError = changeMode(out.get(), st.st_mode & 07777);
        if (modeError != 0 && modeError != ENOSYS && modeError != ENOTSUP && modeError != EOPNOTSUPP &&
            modeError != EPERM)
            fail(QStringLiteral("Cannot set the permissions of the copy of %1").arg(from), modeError);
        char bits[32];
        const ssize_t n = ::fgetxattr(in.get(), kAttributeXattr, bits, sizeof bits);
        if (n >= 0)
            ::fsetxattr(out.get(), kAttributeXattr, bits, static_cast<size_t>(n), 0);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (::futimens(out.get(), times) != 0)
            fail(QStringLiteral("Cannot set the time of the copy of %1").arg(from), errno);
        if (::fsync(out.get()) != 0)
            fail(QStringLiteral("Cannot write the copy of %1").arg(from), errno);
        if (::close(out.release()) != 0)
            fail(QStringLiteral("Cannot write the copy of %1").arg(from), errno);
    } catch (...) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        throw;
    }
    return folder.release();
}

void PosixFileSystem::CopyFile(const QString& from, const QString& to) {
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    const struct stat src = statOrThrow(from, source);
    if (!S_ISREG(src.st_mode))
        throw PlatformError(QStringLiteral("%1 is not a file").arg(from), kSystemRefused);
    struct stat dst {};
    if (::lstat(target.constData(), &dst) == 0) {
        if (S_ISDIR(dst.st_mode))
            throw PlatformError(QStringLiteral("%1 is a folder").arg(to), EISDIR);
        // Only a file is overwritten: a link (dangling or not), a pipe or a socket of that name stays.
        if (!S_ISREG(dst.st_mode))
            throw PlatformError(QStringLiteral("Cannot overwrite %1: it is not a file").arg(to), EEXIST);
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino)
            throw PlatformError(QStringLiteral("Cannot copy %1 onto itself").arg(from), kSystemRefused);
        // As the desktop file tools do: a read-only file is not overwritten.
        if (!(dst.st_mode & S_IWUSR))
            throw PlatformError(QStringLiteral("Cannot overwrite %1: the file is read-only").arg(to), EACCES);
    }
    QByteArray temporary;
    const Fd folder(copyToTemporary(from, to, temporary));
    // Into place by the target's path, so that a folder moved meanwhile does not take the copy along.
    if (::renameat(folder.get(), temporary.constData(), AT_FDCWD, target.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder.get(), temporary.constData(), 0);
        failAtTarget(QStringLiteral("Cannot copy %1 to %2").arg(from, to), to, error);
    }
}

void PosixFileSystem::DeleteFile(const QString& path, bool force) {
    const QByteArray native = encoded(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        fail(QStringLiteral("Cannot delete %1").arg(path), errno);
    if (S_ISDIR(st.st_mode))
        throw PlatformError(QStringLiteral("%1 is a folder").arg(path), EISDIR);
    if (!force && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        throw PlatformError(QStringLiteral("Cannot delete %1: the file is read-only").arg(path), EACCES);
    if (::unlink(native.constData()) != 0)
        fail(QStringLiteral("Cannot delete %1").arg(path), errno);
}

int PosixFileSystem::changeMode(int fd, unsigned mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode)) == 0 ? 0 : errno;
}

int PosixFileSystem::renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    return errno;
}

bool PosixFileSystem::renameWithoutReplacing(const QString& from, const QString& to, Kind kind,
                                             const char* verb) {
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    struct stat st {};
    if (::lstat(source.constData(), &st) != 0)
        fail(QStringLiteral("Cannot %1 %2").arg(QLatin1String(verb), from), errno);
    if (kind == Kind::FilesOnly && S_ISDIR(st.st_mode))
        throw PlatformError(QStringLiteral("%1 is a folder").arg(from), EISDIR);
    const QString what = QStringLiteral("Cannot %1 %2 to %3").arg(QLatin1String(verb), from, to);

    // A name that differs only in case on a case-blind file system names the same file.
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0 && existing.st_dev == st.st_dev &&
        existing.st_ino == st.st_ino && source != target && folderOf(source) == folderOf(target) &&
        QString::compare(from, to, Qt::CaseInsensitive) == 0) {
        if (::rename(source.constData(), target.constData()) != 0)
            fail(what, errno);
        return true;
    }

    int error = renameNoReplace(source, target);
    if (error == 0)
        return true;
    if (error == EXDEV && kind == Kind::FilesOnly)
        return false;
    if (error == EEXIST)
        throw PlatformError(what + QStringLiteral(": the target already exists"), EEXIST);
    if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
        fail(what, error);

    // No no-replace rename on this file system.
    if (!S_ISDIR(st.st_mode)) {
        // A hard link fails on an existing name, so a file is never replaced.
        if (::link(source.constData(), target.constData()) == 0) {
            if (::unlink(source.constData()) != 0) {
                error = errno;
                ::unlink(target.constData());
                fail(what, error);
            }
            return true;
        }
        error = errno;
        if (error == EEXIST)
            throw PlatformError(what + QStringLiteral(": the target already exists"), EEXIST);
        if (error != EPERM && error != ENOTSUP && error != EOPNOTSUPP && error != EMLINK)
            fail(what, error);
    }
    // Folders, and files where hard links are refused too: check, then rename. Another program
    // could create the target between the two steps; nothing better exists on such a file system.
    if (lexists(target))
        throw PlatformError(what + QStringLiteral(": the target already exists"), EEXIST);
    if (::rename(source.constData(), target.constData()) != 0)
        fail(what, errno);
    return true;
}

void PosixFileSystem::Rename(const QString& from, const QString& to) {
    renameWithoutReplacing(from, to, Kind::Any, "rename");
}

void PosixFileSystem::MoveFile(const QString& from, const QString& to) {
    // Only a move to another file system is done by copying.
    if (!renameWithoutReplacing(from, to, Kind::FilesOnly, "move"))
        moveAcrossFileSystems(from, to);
}

void PosixFileSystem::moveAcrossFileSystems(const QString& from, const QString& to) {
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    const QString what = QStringLiteral("Cannot move %1 to %2").arg(from, to);
    if (lexists(target))
        throw PlatformError(what + QStringLiteral(": the target already exists"), EEXIST);
    QByteArray temporary;
    const Fd folder(copyToTemporary(from, to, temporary));

    // Into place without replacing anything that appeared meanwhile, by the target's path (see
    // CopyFile).
    int error = ::syscall(SYS_renameat2, folder.get(), temporary.constData(), AT_FDCWD, target.constData(),
                          RENAME_NOREPLACE) == 0
                    ? 0
                    : errno;
    if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
        error =
            ::linkat(folder.get(), temporary.constData(), AT_FDCWD, target.constData(), 0) == 0 ? 0 : errno;
        if (error == 0) {
            ::unlinkat(folder.get(), temporary.constData(), 0);
        } else if (error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK) {
            // No hard links either (FAT): check, then rename, as for a rename on such a file system.
            error = lexists(target) ? EEXIST
                    : ::renameat(folder.get(), temporary.constData(), AT_FDCWD, target.constData()) == 0
                        ? 0
                        : errno;
        }
    }
    if (error != 0) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        if (error == EEXIST)
            throw PlatformError(what + QStringLiteral(": the target already exists"), EEXIST);
        failAtTarget(what, to, error);
    }
    // The source must go too, or the move did not happen: take the copy back.
    if (::unlink(source.constData()) != 0) {
        error = errno;
        ::unlink(target.constData());
        fail(what, error);
    }
}

void PosixFileSystem::MakeFolder(const QString& path) {
    if (::mkdir(encoded(path).constData(), 0777) != 0)
        fail(QStringLiteral("Cannot make the folder %1").arg(path), errno);
}

void PosixFileSystem::RemoveFolder(const QString& path) {
    if (::rmdir(encoded(path).constData()) != 0)
        fail(QStringLiteral("Cannot remove the folder %1").arg(path), errno);
}

QStringList PosixFileSystem::folderEntries(const QString& folder, bool folders) {
    const QString key = WithTrailingSlash(folder);
    if (sharing_ && lastRead_.folder == key && Clock::now() - lastRead_.at < std::chrono::seconds(2))
        return folders ? lastRead_.folders : lastRead_.files;
    lastRead_ = {};
    const QByteArray native = encoded(folder);
    DIR* dir = openFolder(folder, native);
    // Both kinds in one pass: the folder list and the file lists of one folder share it.
    QStringList files;
    QStringList subFolders;
    QStringList temporaries;
    for (;;) {
        errno = 0;  // only a failing readdir may leave it set at the end
        const dirent* entry = ::readdir(dir);
        if (!entry)
            break;
        const char* name = entry->d_name;
        if (name[0] == '.') {
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                continue;
            if (IsProgramTemporary(name))
                temporaries.append(QFile::decodeName(name));
        }
        bool isFolder = entry->d_type == DT_DIR;
        bool isFile = entry->d_type == DT_REG;
        if (!isFolder && !isFile) {  // a link, or a file system that does not say
            struct stat st {};
            if (::fstatat(::dirfd(dir), name, &st, 0) != 0)
                continue;  // dangling link or gone meanwhile
            isFolder = S_ISDIR(st.st_mode);
            isFile = S_ISREG(st.st_mode);
        }
        if (!isFolder && !isFile)
            continue;
        QString decoded;
        if (DecodedExactly(name, decoded))
            (isFolder ? subFolders : files).append(std::move(decoded));
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        fail(QStringLiteral("Cannot read the folder %1").arg(folder), error);
    noteTemporaries(folder, std::move(temporaries));
    lastRead_ = {key, files, subFolders, Clock::now()};
    return folders ? subFolders : files;
}

int PosixFileSystem::enterFolder(int folderFd) {
    return ::faccessat(folderFd, ".", X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

DIR* PosixFileSystem::openFolder(const QString& folder, const QByteArray& native) {
    DIR* dir = ::opendir(native.constData());
    if (!dir)
        fail(QStringLiteral("Cannot read the folder %1").arg(folder), errno);
    // A folder whose names can be read but that cannot be entered holds nothing the program could
    // show, open or act on: it is as closed as one that cannot be read.
    if (const int error = enterFolder(::dirfd(dir)); error != 0) {
        ::closedir(dir);
        fail(QStringLiteral("Cannot open the folder %1").arg(folder), error);
    }
    return dir;
}

void PosixFileSystem::ShareLastRead(bool on) {
    sharing_ = on;
    if (!on)
        lastRead_ = {};
}

void PosixFileSystem::noteTemporaries(const QString& folder, QStringList&& names) {
    // A handful of folders are in play at a time; the memory stays small.
    if (temporariesSeen_.size() >= 64)
        temporariesSeen_.clear();
    temporariesSeen_.insert(WithTrailingSlash(folder), std::move(names));
}

bool PosixFileSystem::TemporariesSeen(const QString& folder, QStringList& names) {
    const auto seen = temporariesSeen_.constFind(WithTrailingSlash(folder));
    if (seen == temporariesSeen_.cend())
        return false;
    names = *seen;
    return true;
}

QStringList PosixFileSystem::FileNames(const QString& folder) {
    return folderEntries(folder, false);
}

QStringList PosixFileSystem::FolderNames(const QString& folder) {
    return folderEntries(folder, true);
}

// ---- the engine's one-call queries -----------------------------------------------------------------

FileSystem::Entry PosixFileSystem::Stat(const QString& path) {
    Entry e;
    if (path.isEmpty())
        return e;
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return e;
    e.device = static_cast<quint64>(st.st_dev);
    e.inode = static_cast<quint64>(st.st_ino);
    // A link counts as what it points at; a dangling one still takes the name.
    if (S_ISLNK(st.st_mode) && !statPath(native, st)) {
        e.kind = Entry::Other;
        return e;
    }
    e.kind = S_ISREG(st.st_mode) ? Entry::File : S_ISDIR(st.st_mode) ? Entry::Folder : Entry::Other;
    return e;
}

QStringList PosixFileSystem::EntryNames(const QString& folder) {
    const QByteArray native = encoded(folder);
    DIR* dir = openFolder(folder, native);
    QStringList names;
    QStringList temporaries;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
            names.append(Decoded(name));
            if (IsProgramTemporary(name))
                temporaries.append(names.constLast());
        }
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        fail(QStringLiteral("Cannot read the folder %1").arg(folder), error);
    noteTemporaries(folder, std::move(temporaries));
    return names;
}

int PosixFileSystem::NameMax(const QString& folder) {
    errno = 0;
    const long most = ::pathconf(encoded(folder).constData(), _PC_NAME_MAX);
    return most > 0 && most < std::numeric_limits<int>::max() ? static_cast<int>(most) : 255;
}

FileSystem::RenameResult PosixFileSystem::RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = encodedQuickly(from);
    const QByteArray target = encodedQuickly(to);
    const int error = renameNoReplace(source, target);
    if (error == 0)
        return RenameResult::Done;
    if (error == EEXIST)
        return RenameResult::TargetTaken;
    if (error == ENOENT && !lexists(source))
        return RenameResult::SourceMissing;
    if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
        fail(QStringLiteral("Cannot rename %1 to %2").arg(from, to), error);
    // No one-call no-replace rename here: the slower road that still never replaces.
    return FileSystem::RenameNoReplace(from, to);
}

// ---- drives --------------------------------------------------------------------------------------

QByteArray PosixFileSystem::mountTable() {
    QFile file(QStringLiteral("/proc/self/mounts"));
    if (!file.open(QIODevice::ReadOnly))
        throw PlatformError(QStringLiteral("Cannot read the mount table: %1").arg(file.errorString()));
    return file.readAll();
}

QList<MountEntry> PosixFileSystem::mounts() {
    try {
        return ParseMounts(mountTable());
    } catch (const PlatformError&) {
        // No table to read (a chroot without /proc): the root holds every path.
        return {};
    }
}

QStringList PosixFileSystem::Drives() {
    // The root holds whatever no listed mount does, listed or not (a chroot's root is no mount).
    QStringList points{QStringLiteral("/")};
    for (const MountEntry& mount : mounts())
        if (!points.contains(mount.mountPoint))
            points.append(mount.mountPoint);
    return points;
}

QString PosixFileSystem::GetDriveName(const QString& path) {
    if (path.isEmpty())
        throw PlatformError(QStringLiteral("No path given"));
    const QFileInfo info(path);
    QString absolute = info.canonicalFilePath();
    if (absolute.isEmpty())
        absolute = QDir::cleanPath(info.absoluteFilePath());
    const QString drive = LongestMountPrefix(Drives(), absolute);
    if (drive.isEmpty())
        throw PlatformError(QStringLiteral("No drive holds %1").arg(path), kSystemRefused);
    return drive;
}

const MountEntry* PosixFileSystem::mountFor(const QList<MountEntry>& mounts, const QString& path) {
    const QString point = GetDriveName(path);
    // The last mount on a point is the one in sight.
    for (auto it = mounts.crbegin(); it != mounts.crend(); ++it)
        if (it->mountPoint == point)
            return &*it;
    return nullptr;
}

int PosixFileSystem::DriveType(const QString& drive) {
    const QList<MountEntry> listed = mounts();
    const MountEntry* mount = mountFor(listed, drive);
    return mount ? DriveTypeOf(*mount) : DriveUnknown;
}

bool PosixFileSystem::DriveIsReady(const QString& drive) {
    QString point;
    try {
        point = GetDriveName(drive);
    } catch (const PlatformError&) {
        return false;
    }
    DIR* dir = ::opendir(QFile::encodeName(point).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

qint64 PosixFileSystem::AvailableSpace(const QString& drive) {
    struct statvfs vfs {};
    if (::statvfs(encoded(drive).constData(), &vfs) != 0)
        fail(QStringLiteral("Cannot read the free space of %1").arg(drive), errno);
    const unsigned long long bytes =
        static_cast<unsigned long long>(vfs.f_bavail) * static_cast<unsigned long long>(vfs.f_frsize);
    constexpr auto most = static_cast<unsigned long long>(std::numeric_limits<qint64>::max());
    return static_cast<qint64>(bytes > most ? most : bytes);
}

std::unique_ptr<FileSystem> makePosixFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

}  // namespace qv
