// Platform services: the settings store, the file system, program start, single instance and the
// few facts about the machine that the program asks for. Each is an interface so that tests can
// put a fake in its place; services() hands out the ones in force.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

namespace qv {

// A failure caused by the state of the user's files, folders or drives (a full disk, a read-only
// file, a folder that cannot be read) when the system gives no error number for it.
inline constexpr int kSystemRefused = -1;

// A trapped run-time error: the operation did not happen (or left nothing behind). `systemError` is
// the system's error number (or kSystemRefused) when the user's files or drives stopped it, 0 when
// the fault is the program's own.
class PlatformError : public std::runtime_error {
  public:
    explicit PlatformError(const QString& what, int systemError = 0)
        : std::runtime_error(what.toStdString()), systemError_(systemError) {}
    QString message() const { return QString::fromStdString(what()); }
    int systemError() const { return systemError_; }

  private:
    int systemError_;
};

// Thrown by System::EndProgram under tests, so that "end the program" can be observed.
struct ProgramEnded {
    int code = 0;
};

// Attribute numbers as the file tools report them.
enum Attribute : int {
    AttrNormal = 0,
    AttrReadOnly = 1,
    AttrHidden = 2,
    AttrSystem = 4,
    AttrDirectory = 16,
    AttrArchive = 32,
};

// Drive types as numbered by the file tools.
enum DriveTypeCode : int {
    DriveUnknown = 0,
    DriveRemovable = 1,
    DriveFixed = 2,
    DriveRemote = 3,
    DriveCDRom = 4,
    DriveRAMDisk = 5,
};

// Per-user settings by application name, section and key. A missing value reads "".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key) = 0;
    // What the store had to do that the user should know of (a damaged file set aside and a new one
    // begun), once; empty when nothing.
    virtual QString TakeNotice() { return {}; }
};

// Files, folders and drives. Every failing operation throws PlatformError.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const QString& path) = 0;    // regular file (or link to one)
    virtual bool FolderExists(const QString& path) = 0;  // folder (or link to one)
    virtual qint64 FileSize(const QString& path) = 0;
    virtual int GetAttributes(const QString& path) = 0;
    virtual void SetAttributes(const QString& path, int attributes) = 0;  // replaces the whole set
    // Copy overwrites an existing target; the target is whole or untouched.
    virtual void CopyFile(const QString& from, const QString& to) = 0;
    // force: read-only files too.
    virtual void DeleteFile(const QString& path, bool force) = 0;
    // Rename a file or folder; never replaces an existing target.
    virtual void Rename(const QString& from, const QString& to) = 0;
    // Move a file, across file systems too; never replaces an existing target.
    virtual void MoveFile(const QString& from, const QString& to) = 0;
    virtual void MakeFolder(const QString& path) = 0;
    virtual void RemoveFolder(const QString& path) = 0;  // empty folders only
    // Folder contents, names only, not sorted; hidden entries included. A name that does not survive
    // the trip to a string and back unchanged is left out: nothing may show, pick or act on it (the
    // existence checks on a path still see it).
    virtual QStringList FileNames(const QString& folder) = 0;
    virtual QStringList FolderNames(const QString& folder) = 0;

    // ---- queries and a rename for the engine's hot paths; the defaults use the members above ----
    // What a name holds, in one query. The identity is the entry's own (a link is not followed for
    // it); a file system that gives none leaves it 0.
    struct Entry {
        enum Kind { None, File, Folder, Other };
        Kind kind = None;
        quint64 device = 0;
        quint64 inode = 0;
        bool exists() const { return kind != None; }
        bool sameAs(const Entry& e) const {
            return exists() && inode != 0 && device == e.device && inode == e.inode;
        }
    };
    virtual Entry Stat(const QString& path) {
        Entry e;
        e.kind = FileExists(path) ? Entry::File : FolderExists(path) ? Entry::Folder : Entry::None;
        return e;
    }
    // Every name in a folder, whatever it holds (a dangling link too); not sorted.
    virtual QStringList EntryNames(const QString& folder) { return FileNames(folder) + FolderNames(folder); }
    // The program's own temporaries (".quorvan-" names) that the last read of the folder saw, so that
    // what a killed run left is found without a read of its own; false when none was made.
    virtual bool TemporariesSeen(const QString& /*folder*/, QStringList& /*names*/) { return false; }
    // Lists of one folder filled in one step share the step's read of it: while on, a read of the
    // folder the last read was of gives what that read found (a change the program makes ends it).
    virtual void ShareLastRead(bool /*on*/) {}
    // The longest name the folder's file system takes, in encoded bytes.
    virtual int NameMax(const QString& /*folder*/) { return 255; }
    // A rename inside one file system that never replaces a target. A missing source or a taken
    // target is an answer, not an error; anything else throws.
    enum class RenameResult { Done, SourceMissing, TargetTaken };
    virtual RenameResult RenameNoReplace(const QString& from, const QString& to) {
        if (!Stat(from).exists())
            return RenameResult::SourceMissing;
        if (Stat(to).exists())
            return RenameResult::TargetTaken;
        Rename(from, to);
        return RenameResult::Done;
    }

    // A drive is a mounted file system, named by its mount point ("/", "/home").
    virtual QStringList Drives() = 0;
    virtual QString GetDriveName(const QString& path) = 0;  // mount point that is the longest prefix
    virtual int DriveType(const QString& drive) = 0;        // DriveTypeCode
    virtual bool DriveIsReady(const QString& drive) = 0;
    virtual qint64 AvailableSpace(const QString& drive) = 0;  // bytes
};

// The machine and the program's place on it.
class System {
  public:
    virtual ~System() = default;
    virtual int ScreenWidthTwips() = 0;
    virtual int ScreenHeightTwips() = 0;
    virtual QString SystemFolder() = 0;  // trailing "/"; "" protects nothing
    virtual int DayOfMonth() = 0;
    virtual QString ProgramFolder() = 0;  // folder of the running program, trailing "/"
    // Starts a program file with no arguments, detached, in its own folder. False on failure.
    virtual bool StartProgram(const QString& path) = 0;
    virtual bool OpenWebPage(const QString& url) = 0;
    // Ends the program at once: no window's unload handler runs.
    [[noreturn]] virtual void EndProgram(int code) = 0;
};

// One running copy per program and user.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when this copy is the only one; otherwise the running copy has been told to raise its
    // main window and this copy should end.
    virtual bool Acquire(const QString& programName) = 0;
    // Called in the running copy when a second start asks it to come to the front.
    std::function<void()> onActivateRequest;
};

struct Services {
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<FileSystem> files;
    std::unique_ptr<System> system;
    std::unique_ptr<SingleInstance> instance;
};

// The services in force; the real ones unless a test put others in place.
Services& services();
inline SettingsStore& settingsStore() {
    return *services().settings;
}
inline FileSystem& fileSystem() {
    return *services().files;
}

// While alive, lists of one folder filled in one step share the step's read of it: the folder list
// has just read the folder, and the file lists take their entries from that read.
class SharedFolderRead {
  public:
    SharedFolderRead() : files_(fileSystem()) { files_.ShareLastRead(true); }
    ~SharedFolderRead() { files_.ShareLastRead(false); }
    SharedFolderRead(const SharedFolderRead&) = delete;
    SharedFolderRead& operator=(const SharedFolderRead&) = delete;

  private:
    FileSystem& files_;
};
inline System& systemServices() {
    return *services().system;
}

// Real implementations, for the programs and for tests that want the real thing.
std::unique_ptr<SettingsStore> makeIniSettingsStore();
std::unique_ptr<FileSystem> makePosixFileSystem();
std::unique_ptr<System> makeDesktopSystem();
std::unique_ptr<SingleInstance> makeLocalSocketSingleInstance();
void installRealServices();

// The program file of a program named `name` in `folder`: Linux program files are lower case.
QString ProgramFilePath(const QString& folder, const QString& name);
// Whether `path` is a whole path to the program file of the program named `name`: a path read from
// the records must not lead anywhere else.
bool NamesProgramFile(const QString& path, const QString& name);
// A program name from the records that names a file in its folder and nothing else.
bool IsPlainProgramName(const QString& name);

// The hidden files the program makes while it works, named so that what is left of them after a
// process ended can be told apart: a copy on its way into place is waste once its maker is gone
// (the source is still whole); a file stepped aside during a ring of renames is the only copy of a
// user's file and is never touched.
enum class TemporaryKind { None, PartialCopy, RenameHolder };
// The process that made a temporary: its id and its start time (clock ticks since boot, so that a
// reused id is not taken for its maker); 0 when not known.
struct TemporaryOwner {
    qint64 pid = 0;
    quint64 started = 0;
};
struct TemporaryName {
    TemporaryKind kind = TemporaryKind::None;
    TemporaryOwner owner;
};
TemporaryOwner ThisProcess();
// The n-th temporary name of its kind for the owner.
QString MakeTemporaryName(TemporaryKind kind, quint64 n, const TemporaryOwner& owner = ThisProcess());
// What a name says of itself; kind None for a name that is not one of the program's temporaries.
TemporaryName ReadTemporaryName(const QString& name);
// Whether the owner still runs. An id that cannot be asked about (another user's process) runs; one
// that now belongs to a later process, or to one that has ended but not been reaped, does not.
bool OwnerRuns(const TemporaryOwner& owner);

// Path helpers for "/" separated paths.
QString WithTrailingSlash(const QString& path);
QString WithoutTrailingSlash(const QString& path);  // keeps "/" alone

}  // namespace qv
