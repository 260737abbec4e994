// The file system on a POSIX system: files and folders by path, drives as mounted file systems.
#pragma once

#include <dirent.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>

#include "platform/services.h"

namespace qv {

// One line of the mount table.
struct MountEntry {
    QString device;
    QString mountPoint;
    QString fsType;
};

// The mounts of a mount table in /proc/self/mounts form, in table order, without the kernel's
// pseudo file systems (proc, sysfs, cgroup and the like).
QList<MountEntry> ParseMounts(const QByteArray& table);
bool IsPseudoFileSystem(const QString& fsType);
// DriveTypeCode of a mount, by file system type and place.
int DriveTypeOf(const MountEntry& mount);
// The mount point that is the longest prefix of `absolutePath`, in whole path components;
// "" when none is.
QString LongestMountPrefix(const QStringList& mountPoints, const QString& absolutePath);

// The extended attribute that keeps the hidden, system and archive bits (decimal text).
inline constexpr const char* kAttributeXattr = "user.quorvan.attrib";

class PosixFileSystem : public FileSystem {
  public:
    bool FileExists(const QString& path) override;
    bool FolderExists(const QString& path) override;
    qint64 FileSize(const QString& path) override;
    int GetAttributes(const QString& path) override;
    void SetAttributes(const QString& path, int attributes) override;
    void CopyFile(const QString& from, const QString& to) override;
    void DeleteFile(const QString& path, bool force) override;
    void Rename(const QString& from, const QString& to) override;
    void MoveFile(const QString& from, const QString& to) override;
    void MakeFolder(const QString& path) override;
    void RemoveFolder(const QString& path) override;
    QStringList FileNames(const QString& folder) override;
    QStringList FolderNames(const QString& folder) override;
    Entry Stat(const QString& path) override;
    QStringList EntryNames(const QString& folder) override;
    bool TemporariesSeen(const QString& folder, QStringList& names) override;
    void ShareLastRead(bool on) override;
    int NameMax(const QString& folder) override;
    RenameResult RenameNoReplace(const QString& from, const QString& to) override;

    QStringList Drives() override;
    QString GetDriveName(const QString& path) override;
    int DriveType(const QString& drive) override;
    bool DriveIsReady(const QString& drive) override;
    qint64 AvailableSpace(const QString& drive) override;

  protected:
    // Seams for tests; the defaults talk to the kernel.
    // The text of the mount table.
    virtual QByteArray mountTable();
    // Rename that fails with EEXIST rather than replace a target. Returns 0 or an errno value.
    virtual int renameNoReplace(const QByteArray& from, const QByteArray& to);
    // Whether an open folder can be entered (searched). Returns 0 or an errno value.
    virtual int enterFolder(int folderFd);
    // Gives an open file its permission bits. Returns 0 or an errno value.
    virtual int changeMode(int fd, unsigned mode);
    // Copies all bytes from `in` to `out`; throws PlatformError on failure.
    virtual void copyData(int in, int out, const QString& from);

  private:
    // The mount table's mounts; none when it cannot be read.
    QList<MountEntry> mounts();
    enum class Kind { Any, FilesOnly };
    // False only for a file that must go to another file system (FilesOnly).
    bool renameWithoutReplacing(const QString& from, const QString& to, Kind kind, const char* verb);
    void moveAcrossFileSystems(const QString& from, const QString& to);
    // Copies `from` into a new temporary file in the folder of `to`; gives its name and returns an
    // open descriptor of that folder, for the caller to close.
    int copyToTemporary(const QString& from, const QString& to, QByteArray& temporary);
    // Throws for a failure at `to`, naming its folder when that is what has gone.
    [[noreturn]] void failAtTarget(const QString& what, const QString& to, int error);
    QStringList folderEntries(const QString& folder, bool folders);
    // Opens a folder for reading, refusing one that cannot be entered; throws PlatformError.
    DIR* openFolder(const QString& folder, const QByteArray& native);
    void noteTemporaries(const QString& folder, QStringList&& names);
    QHash<QString, QStringList> temporariesSeen_;  // by folder, with its trailing "/"
    // The last read of a folder, both kinds of entry, kept only for sharing within one step.
    using Clock = std::chrono::steady_clock;
    struct LastRead {
        QString folder;  // with its trailing "/"; "" for none
        QStringList files;
        QStringList folders;
        Clock::time_point at;
    };
    LastRead lastRead_;
    bool sharing_ = false;
    const MountEntry* mountFor(const QList<MountEntry>& mounts, const QString& path);
};

}  // namespace qv
