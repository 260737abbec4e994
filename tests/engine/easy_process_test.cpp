// Easy Process on real folders: each action, its conflict messages, and what it refuses.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>

#include "engine/easy_process.h"
#include "engine_fixture.h"

namespace qv::test {
namespace {

class EasyProcessTest : public EngineTest {
  protected:
    // The Easy Process list shows the work folder with `file` picked, and the boxes hold the new name.
    void Pick(const QString& file, const QString& name, const QString& ext) {
        const QStringList listed = QDir(S.WorkPath).entryList(QDir::Files, QDir::Name);
        windows.ShowList(FileList::Easy, listed);
        S.EasyFileIndex = static_cast<int>(listed.indexOf(file));
        windows.texts[WindowText::SingleProcessName] = name;
        windows.texts[WindowText::SingleProcessExt] = ext;
    }
    bool CleanedUp() {
        return S.EasyFileIndex == -1 && windows.texts.value(WindowText::SingleProcessName).isEmpty() &&
               windows.texts.value(WindowText::SingleProcessExt).isEmpty() && windows.refreshes == 1;
    }
};

TEST_F(EasyProcessTest, EachActionOnThePickedFile) {
    struct Case {
        int action;
        const char* name;
        const char* ext;
        const char* message;  // "" when it acts
        QStringList work;     // the work folder afterwards
        QStringList dest;     // the destination afterwards
    };
    const Case cases[] = {
        {0, "n", "txt", "", {"b.txt", "n.txt"}, {}},
        {0, "b", "txt", "MessageSingleConflictName", {"a.txt", "b.txt"}, {}},
        {0, ".h", "", "MessageSingleConflictName", {"a.txt", "b.txt"}, {}},  // a hidden file's name
        {0, "a", "txt", "", {"a.txt", "b.txt"}, {}},                         // its own name
        {0, "README", "", "", {"README", "b.txt"}, {}},                      // no trailing dot
        {0, "A", "txt", "", {"A.txt", "b.txt"}, {}},                         // case only
        {1, "n", "txt", "", {"b.txt", "n.txt"}, {"n.txt"}},
        {1, "taken", "txt", "MessageSingleConflictRenMove", {"a.txt", "b.txt"}, {"taken.txt"}},
        {1, "b", "txt", "MessageSingleConflictName", {"a.txt", "b.txt"}, {}},
        {2, "n", "txt", "", {"a.txt", "b.txt"}, {"n.txt"}},
        {2, "taken", "txt", "MessageSingleConflictRenMove", {"a.txt", "b.txt"}, {"taken.txt"}},
        {3, "n", "txt", "", {"b.txt"}, {"n.txt"}},
        {4, "a", "txt", "", {"a.txt", "b.txt"}, {"a.txt"}},
        {4, "taken", "txt", "", {"a.txt", "b.txt"}, {"a.txt", "taken.txt"}},  // never renamed
        {5, "a", "txt", "", {"b.txt"}, {"a.txt"}},
        {5, "taken", "txt", "", {"b.txt"}, {"a.txt", "taken.txt"}},
        {6, "a", "txt", "", {"b.txt"}, {}},
        {0, "x/y", "", "MessageSingleNameChars", {"a.txt", "b.txt"}, {}},
        {0, "..", "", "MessageSingleNameChars", {"a.txt", "b.txt"}, {}},
        {3, ".", "", "MessageSingleNameChars", {"a.txt", "b.txt"}, {}},
        {0, "", "", "MessageSingleNameChars", {"a.txt", "b.txt"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.action) + " " + c.name + "." + c.ext);
        for (const QString& f : Files(S.WorkPath)) QFile::remove(S.WorkPath + f);
        for (const QString& f : Files(S.DestPath)) QFile::remove(S.DestPath + f);
        MakeWorkFiles({"a.txt", "b.txt"});
        if (QString(c.name) == ".h")
            Write(S.WorkPath + ".h", "hidden");
        if (QString(c.name) == "taken")
            Write(S.DestPath + "taken.txt", "theirs");
        windows.ShowList(FileList::Dest, {});  // the dialog's list shows nothing
        windows.refreshes = 0;
        shown.clear();
        SetAction(c.action);
        Pick("a.txt", c.name, c.ext);
        SingleProcessStart();
        QStringList work = Files(S.WorkPath);
        work.removeAll(".h");
        EXPECT_EQ(work, c.work);
        EXPECT_EQ(Files(S.DestPath), c.dest);
        if (*c.message) {
            EXPECT_EQ(shown, QStringList{c.message});
            EXPECT_EQ(S.EasyFileIndex, 0) << "the pick stays for another try";
            EXPECT_EQ(windows.texts.value(WindowText::SingleProcessName), c.name);
        } else {
            EXPECT_TRUE(shown.isEmpty()) << shown.join(',').toStdString();
            EXPECT_TRUE(CleanedUp());
        }
        if (c.dest.contains("taken.txt")) {
            EXPECT_EQ(Read(S.DestPath + "taken.txt"), "theirs");
        }
    }
}

// What else than a file may hold a name: the entry is made at `path`; its kind, as lstat tells it.
mode_t MakeEntry(const QString& path, const char* kind) {
    const QByteArray native = QFile::encodeName(path);
    const QByteArray k(kind);
    if (k == "file") {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("theirs");
    } else if (k == "dangling link") {
        EXPECT_EQ(::symlink("nowhere", native.constData()), 0);
    } else if (k == "pipe") {
        EXPECT_EQ(::mkfifo(native.constData(), 0600), 0);
    } else if (k == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un at{};
        at.sun_family = AF_UNIX;
        std::strncpy(at.sun_path, native.constData(), sizeof at.sun_path - 1);
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&at), sizeof at), 0);
        ::close(fd);
    }
    struct stat st {};
    return ::lstat(native.constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

TEST_F(EasyProcessTest, CopyAndMoveMeetTheirOwnNameInTheDestination) {
    for (const char* kind : {"file", "dangling link", "pipe", "socket"}) {
        for (int action : {4, 5}) {
            SCOPED_TRACE(std::string(kind) + " " + std::to_string(action));
            shown.clear();
            MakeWorkFiles({"a.txt"});
            QFile::remove(S.DestPath + "a.txt");
            const mode_t made = MakeEntry(S.DestPath + "a.txt", kind);
            ASSERT_NE(made, 0u);
            SetAction(action);
            Pick("a.txt", "zzz", "txt");
            SingleProcessStart();
            EXPECT_EQ(shown, QStringList{"MessageSingleConflictMove"});
            EXPECT_EQ(Files(S.WorkPath), QStringList{"a.txt"});
            EXPECT_EQ(MakeEntry(S.DestPath + "a.txt", "none"), made) << "the entry stays what it was";
            if (made == S_IFREG) {
                EXPECT_EQ(Read(S.DestPath + "a.txt"), "theirs");
            }
        }
    }
}

// Whatever holds the new name in the work folder takes it.
TEST_F(EasyProcessTest, RenameMeetsAnyEntryOfTheNewName) {
    for (const char* kind : {"dangling link", "pipe", "socket"}) {
        SCOPED_TRACE(kind);
        shown.clear();
        MakeWorkFiles({"a.txt"});
        const mode_t made = MakeEntry(S.WorkPath + "n.txt", kind);
        SetAction(0);
        Pick("a.txt", "n", "txt");
        SingleProcessStart();
        EXPECT_EQ(shown, QStringList{"MessageSingleConflictName"});
        EXPECT_EQ(Read(S.WorkPath + "a.txt"), "a.txt");
        EXPECT_EQ(MakeEntry(S.WorkPath + "n.txt", "none"), made);
        QFile::remove(S.WorkPath + "n.txt");
    }
}

TEST_F(EasyProcessTest, SetAttributeSourceIsDestinationAndFailures) {
    MakeWorkFiles({"a.txt"});
    SetAction(7);
    S.ActionAttribute = 2;
    Pick("a.txt", "a", "txt");
    SingleProcessStart();
    EXPECT_EQ(fileSystem().GetAttributes(S.WorkPath + "a.txt") & AttrReadOnly, AttrReadOnly);
    EXPECT_TRUE(CleanedUp());
    fileSystem().SetAttributes(S.WorkPath + "a.txt", AttrNormal);
    EXPECT_EQ(AttributeForChoice(5), AttrArchive);
    EXPECT_EQ(AttributeForChoice(0), -1);

    // Copy into the folder it comes from.
    SetAction(4);
    S.DestPath = S.WorkPath;
    Pick("a.txt", "a", "txt");
    SingleProcessStart();
    EXPECT_EQ(shown, QStringList{"MessageSourceDestSame"});

    // The file has gone since it was listed: reported, boxes kept.
    shown.clear();
    S.DestPath = WithTrailingSlash(dest_.path());
    SetAction(0);
    Pick("a.txt", "n", "txt");
    QFile::remove(S.WorkPath + "a.txt");
    SingleProcessStart();
    EXPECT_EQ(shown, QStringList{"MessageSingleActionError"});
    EXPECT_EQ(windows.texts.value(WindowText::SingleProcessName), "n");
    // The message names the file, where it was to go and why, as a failed batch action does.
    ASSERT_FALSE(windows.boxes.isEmpty());
    EXPECT_TRUE(windows.boxes.last().text.endsWith(QStringLiteral("\r\n\r\nFile : ") + S.WorkPath +
                                                   "a.txt\r\nTarget : " + S.WorkPath +
                                                   "n.txt\r\nReason : No such file or directory"))
        << windows.boxes.last().text.toStdString();

    // Rename And Copy whose copy fails: the file gets its name back.
    shown.clear();
    MakeWorkFiles({"a.txt"});
    SetAction(1);
    S.DestPath = S.WorkPath + "gone/";
    Pick("a.txt", "n", "txt");
    SingleProcessStart();
    EXPECT_EQ(shown, QStringList{"MessageSingleActionError"});
    EXPECT_EQ(Files(S.WorkPath), QStringList{"a.txt"});
    EXPECT_TRUE(windows.boxes.last().text.contains(QStringLiteral("File : ") + S.WorkPath +
                                                   "n.txt\r\nTarget : " + S.DestPath + "n.txt\r\nReason : "))
        << windows.boxes.last().text.toStdString();
}

}  // namespace
}  // namespace qv::test
