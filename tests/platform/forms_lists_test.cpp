// The drive, folder and file lists on real temporary folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "platform/fs_posix.h"
#include "platform/services.h"
#include "support/fake_services.h"
#include "support/harness.h"
#include "support/harness_testform.h"

namespace qv::test {
namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

void storeAttributes(const QString& path, int bits) {
    const QByteArray value = QByteArray::number(bits);
    ASSERT_EQ(::setxattr(QFile::encodeName(path).constData(), "user.quorvan.attrib", value.constData(),
                         value.size(), 0),
              0);
}

// A file or folder whose name is raw bytes, as another program may leave it.
void makeRaw(const QByteArray& path, bool folder = false) {
    if (folder) {
        ASSERT_EQ(::mkdir(path.constData(), 0755), 0) << path.constData();
        return;
    }
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0) << path.constData();
    ::close(fd);
}

// The real file system with one name kept out of every listing.
class FilesWithout : public PosixFileSystem {
  public:
    explicit FilesWithout(QString name) : name_(std::move(name)) {}
    QStringList FileNames(const QString& folder) override {
        QStringList names = PosixFileSystem::FileNames(folder);
        names.removeAll(name_);
        return names;
    }
    QStringList FolderNames(const QString& folder) override {
        QStringList names = PosixFileSystem::FolderNames(folder);
        names.removeAll(name_);
        return names;
    }

  private:
    QString name_;
};

class FormsLists : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        services.useRealFiles();
        f.design = [this](TestForm& t) {
            files = t.add<FileListBox>("File1");
            files->Move(10, 10, 200, 300);
            dirs = t.add<DirListBox>("Dir1");
            dirs->Move(220, 10, 200, 300);
            drives = t.add<DriveListBox>("Drive1");
            drives->Move(430, 10, 100, 24);
        };
        f.Move(0, 0, 560, 330);
        f.Show();
    }
    void TearDown() override { f.Unload(); }

    QTemporaryDir tmp;
    QString root;
    ScopedServices services;
    TestForm f;
    FileListBox* files = nullptr;
    DirListBox* dirs = nullptr;
    DriveListBox* drives = nullptr;
};

TEST_F(FormsLists, FileListShowsVisibleFilesSortedIgnoringCase) {
    for (const char* name : {"b.txt", "a.txt", "A.txt", "C.dat", ".hidden", "hid.txt", "sys.bin", "arch.txt"})
        touch(root + "/" + name);
    storeAttributes(root + "/hid.txt", AttrHidden | AttrArchive);
    storeAttributes(root + "/sys.bin", AttrSystem);
    storeAttributes(root + "/arch.txt", AttrArchive);
    ASSERT_TRUE(QDir(root).mkdir("sub"));
    ASSERT_TRUE(QFile::link(root + "/b.txt", root + "/link.txt"));
    ASSERT_TRUE(QFile::link(root + "/gone", root + "/broken.txt"));
    ASSERT_TRUE(QFile::link(root + "/sub", root + "/dirlink"));
    makeRaw(QFile::encodeName(root) + "/bad\xff\xfe.txt");

    int pathChanges = 0;
    files->PathChange = [&] { ++pathChanges; };
    files->SetPath(root + "/");
    EXPECT_EQ(pathChanges, 1);
    EXPECT_EQ(files->Path(), root);
    EXPECT_EQ(items(*files), (QStringList{"A.txt", "a.txt", "arch.txt", "b.txt", "C.dat", "link.txt"}));
    EXPECT_EQ(files->ListIndex(), -1);
    EXPECT_EQ(files->List(99), "");
    files->SetPath(root);
    EXPECT_EQ(pathChanges, 1) << "the same folder again fires nothing";
    // The service lists what the checks see: hidden names too, never the one that is not UTF-8.
    QStringList listed = fileSystem().FileNames(root);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{".hidden", "A.txt", "C.dat", "a.txt", "arch.txt", "b.txt", "hid.txt",
                                   "link.txt", "sys.bin"}));

    EXPECT_THROW(files->SetPath(root + "/no such folder"), PlatformError);
    EXPECT_EQ(files->Path(), root);
    EXPECT_EQ(files->ListCount(), 6);
    EXPECT_EQ(pathChanges, 1);
}

// Past the first sixteen characters and beyond ASCII the order is the same: case folded, the
// exact name breaking ties, a hidden name left out wherever it would fall.
TEST_F(FormsLists, FileListOrderHoldsForLongAndNonAsciiNames) {
    const QStringList names = {"Trip 2026 - 010.jpg", "trip 2026 - 002.jpg", "TRIP 2026 - 002.jpg",
                               "Trip 2026 - 1.jpg",   "\u00c9mile.txt",      "\u00e9mile.txt",
                               "emile.txt",           "Stra\u00dfe.txt",     "strasse.txt",
                               "STRASSF.txt",         "_under.txt",          "Zeta.txt",
                               "trip 2026 - 003.jpg", "Trip 2026 - 003.JPG"};
    for (const QString& name : names) touch(root + "/" + name);
    storeAttributes(root + "/trip 2026 - 002.jpg", AttrHidden);
    files->SetPath(root);
    EXPECT_EQ(items(*files), (QStringList{"_under.txt", "emile.txt", "strasse.txt", "STRASSF.txt",
                                          "Stra\u00dfe.txt", "TRIP 2026 - 002.jpg", "Trip 2026 - 003.JPG",
                                          "trip 2026 - 003.jpg", "Trip 2026 - 010.jpg", "Trip 2026 - 1.jpg",
                                          "Zeta.txt", "\u00c9mile.txt", "\u00e9mile.txt"}));
}

TEST_F(FormsLists, ListsShowWhatTheFileSystemInForceLists) {
    touch(root + "/kept.txt");
    touch(root + "/dropped.txt");
    ASSERT_TRUE(QDir(root).mkdir("keptdir"));
    ASSERT_TRUE(QDir(root).mkdir("dropped.txt.d"));
    services.useFiles<FilesWithout>("dropped.txt");
    files->SetPath(root);
    dirs->SetPath(root);
    EXPECT_EQ(items(*files), QStringList{"kept.txt"});
    EXPECT_EQ(items(*dirs), (QStringList{root + "/dropped.txt.d", root + "/keptdir"}));
    services.useFiles<FilesWithout>("keptdir");
    dirs->Refresh();
    files->Refresh();
    EXPECT_EQ(items(*dirs), QStringList{root + "/dropped.txt.d"});
    EXPECT_EQ(items(*files), (QStringList{"dropped.txt", "kept.txt"}));
}

TEST_F(FormsLists, FileListSelectionFollowsTheUsersClicks) {
    for (int i = 0; i < 6; ++i) touch(root + QStringLiteral("/f%1").arg(i));
    files->SetPath(root);
    files->SetMultiSelect(2);
    int clicks = 0;
    files->Click = [&] { ++clicks; };

    ASSERT_TRUE(clickFile(*files, 1));
    EXPECT_EQ(selectedItems(*files), QStringList{"f1"});
    ASSERT_TRUE(clickFile(*files, 3, /*ctrl=*/true));
    EXPECT_EQ(selectedItems(*files), (QStringList{"f1", "f3"}));
    ASSERT_TRUE(clickFile(*files, 5, false, /*shift=*/true));
    EXPECT_EQ(selectedItems(*files), (QStringList{"f3", "f4", "f5"})) << "shift extends from the anchor";
    ASSERT_TRUE(clickFile(*files, 4, /*ctrl=*/true));
    EXPECT_EQ(selectedItems(*files), (QStringList{"f3", "f5"}));
    ASSERT_TRUE(clickFile(*files, "f0"));
    EXPECT_EQ(selectedItems(*files), QStringList{"f0"}) << "a plain click selects one entry only";
    EXPECT_EQ(clicks, 5);
    EXPECT_EQ(files->ListIndex(), 0);

    // Code: each real change fires Click once.
    files->SetSelected(2, true);
    files->SetSelected(2, true);
    files->SetListIndex(4);
    files->SetListIndex(4);
    EXPECT_EQ(clicks, 7);
    EXPECT_EQ(files->SelCount(), 2) << "in extended mode ListIndex only moves the focus";
    EXPECT_THROW(files->SetSelected(6, true), PlatformError);

    // Refresh re-reads and drops every selection.
    touch(root + "/f6");
    files->Refresh();
    EXPECT_EQ(files->ListCount(), 7);
    EXPECT_EQ(files->SelCount(), 0);
    EXPECT_EQ(files->ListIndex(), -1);
    EXPECT_EQ(clicks, 7);

    // Single-select lists keep one entry, which is the ListIndex.
    files->SetMultiSelect(0);
    ASSERT_TRUE(clickFile(*files, 2));
    ASSERT_TRUE(clickFile(*files, 3, true));
    EXPECT_EQ(selectedItems(*files), QStringList{"f3"});
    files->SetListIndex(1);
    EXPECT_EQ(selectedItems(*files), QStringList{"f1"});

    // Keys go through KeyPress; swallowed keys do nothing.
    std::vector<int> keys;
    files->KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k == 'x')
            k = 0;
    };
    ASSERT_TRUE(typeInFileList(*files, 'x'));
    EXPECT_EQ(files->ListIndex(), 1);
    ASSERT_TRUE(typeInFileList(*files, 'f'));
    EXPECT_EQ(files->ListIndex(), 2) << "a letter moves to the next entry it begins";
    EXPECT_EQ(keys, (std::vector<int>{'x', 'f'}));
}

// The real file system, counting the folder reads of the file lists.
class CountingFiles : public PosixFileSystem {
  public:
    int reads = 0;
    QStringList FileNames(const QString& folder) override {
        ++reads;
        return PosixFileSystem::FileNames(folder);
    }
};

// What a big folder costs that does not hang on the machine's speed: one read of the folder, one
// reset of the list's model, one Click per selecting step; the speed itself is in the benchmarks.
TEST_F(FormsLists, HundredThousandFilesListInOneReadAndSelect) {
    constexpr int kFiles = 100000;
    const QByteArray base = QFile::encodeName(root) + "/file";
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray name = base + QByteArray::number(i);
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    auto& counting = services.useFiles<CountingFiles>();
    auto* view = qobject_cast<QAbstractItemView*>(WidgetOf(*files));
    ASSERT_TRUE(view && view->model());
    int resets = 0;
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    int paths = 0;
    files->PathChange = [&] { ++paths; };
    files->SetPath(root);
    ASSERT_EQ(files->ListCount(), kFiles);
    EXPECT_EQ(counting.reads, 1) << "the folder is read once";
    EXPECT_EQ(resets, 1) << "the list is filled in one step";
    EXPECT_EQ(paths, 1);
    EXPECT_EQ(files->List(0), "file0");
    EXPECT_EQ(files->List(1), "file1");
    EXPECT_EQ(files->List(2), "file10");

    files->SetMultiSelect(2);
    int clicks = 0;
    files->Click = [&] { ++clicks; };
    ASSERT_TRUE(clickFile(*files, 0));
    ASSERT_TRUE(clickFile(*files, kFiles - 1, false, true));
    EXPECT_EQ(clicks, 2) << "one Click for each click, however many it selects";
    EXPECT_EQ(files->SelCount(), kFiles);

    files->Refresh();
    EXPECT_EQ(counting.reads, 2);
    clicks = 0;
    for (int i = 0; i < kFiles; ++i) files->SetSelected(i, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, kFiles);
    EXPECT_EQ(files->SelCount(), kFiles);
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), kFiles)
        << "the view shows what code selected";
    EXPECT_EQ(resets, 2) << "selecting resets nothing";
    EXPECT_EQ(counting.reads, 2) << "selecting reads nothing";
}

TEST_F(FormsLists, FolderListWalksUpAndDownTheTree) {
    const QString a = root + "/a";
    ASSERT_TRUE(QDir().mkpath(a + "/y"));
    ASSERT_TRUE(QDir().mkpath(a + "/X"));
    ASSERT_TRUE(QDir().mkpath(a + "/.dot"));
    ASSERT_TRUE(QDir().mkpath(a + "/secret"));
    storeAttributes(a + "/secret", AttrHidden);
    touch(a + "/file.txt");
    makeRaw(QFile::encodeName(a) + "/bad\xff", /*folder=*/true);

    int changes = 0, clicks = 0;
    dirs->Change = [&] { ++changes; };
    dirs->Click = [&] { ++clicks; };
    dirs->SetPath(a + "/");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dirs->Path(), a);
    EXPECT_EQ(dirs->ListIndex(), -1);
    EXPECT_EQ(dirs->List(-1), a);
    EXPECT_EQ(dirs->List(-2), root);
    EXPECT_EQ(items(*dirs), (QStringList{a + "/X", a + "/y"}));
    dirs->SetPath(a);
    EXPECT_EQ(changes, 1);

    ASSERT_TRUE(clickFolder(*dirs, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dirs->ListIndex(), 1);
    EXPECT_EQ(dirs->Path(), a) << "a click only moves the list index";
    EXPECT_EQ(changes, 1);

    ASSERT_TRUE(openFolder(*dirs, 0));
    EXPECT_EQ(dirs->Path(), a + "/X");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dirs->ListIndex(), -1);
    EXPECT_EQ(dirs->ListCount(), 0);
    ASSERT_TRUE(openFolder(*dirs, -2));
    EXPECT_EQ(dirs->Path(), a);
    EXPECT_EQ(changes, 3);

    EXPECT_THROW(dirs->SetPath(root + "/missing"), PlatformError);
    EXPECT_EQ(dirs->Path(), a);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(dirs->SetListIndex(2), PlatformError);

    dirs->SetPath("/");
    EXPECT_EQ(dirs->List(-1), "/");
    EXPECT_EQ(dirs->List(-2), "");
    EXPECT_TRUE(dirs->List(0).startsWith("/") && !dirs->List(0).startsWith("//"));
}

TEST_F(FormsLists, DriveListFollowsThePathsDrive) {
    const QString drive = fileSystem().GetDriveName(root);
    ASSERT_FALSE(drive.isEmpty());
    EXPECT_TRUE(drives->ListCount() > 0);
    int changes = 0;
    drives->Change = [&] { ++changes; };
    drives->SetDrive("/");
    const int afterRoot = changes;
    drives->SetDrive(root);
    EXPECT_EQ(drives->Drive(), drive);
    EXPECT_EQ(drives->List(drives->ListIndex()), drive);
    EXPECT_EQ(changes, afterRoot + (drive == "/" ? 0 : 1));
    drives->SetDrive(root + "/");
    EXPECT_EQ(changes, afterRoot + (drive == "/" ? 0 : 1)) << "same drive, no Change";
    ASSERT_TRUE(chooseDrive(*drives, "/"));
    EXPECT_EQ(drives->Drive(), "/");
}

TEST_F(FormsLists, ManyFilesAreJudgedByTheirAttributesWhereverTheyFall) {
    // Enough files for the attributes to be asked from several threads; the marked ones lie in every
    // part of the folder's own order.
    constexpr int kFiles = 9000;
    QStringList expected;
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QStringLiteral("F%1.txt").arg(i, 5, 10, QLatin1Char('0'));
        const QString path = root + "/" + name;
        const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
        if (i % 997 == 0)
            storeAttributes(path, AttrHidden);
        else if (i % 1009 == 0)
            storeAttributes(path, AttrSystem | AttrArchive);
        else if (i % 1013 == 0)
            ASSERT_TRUE(QFile::rename(path, root + "/." + name));
        else
            expected << name;
    }
    files->SetPath(root);
    ASSERT_EQ(files->ListCount(), expected.size());
    EXPECT_EQ(items(*files), expected);
}

TEST_F(FormsLists, AFolderThatCannotBeReadIsTakenListingNothing) {
    touch(root + "/a.txt");
    ASSERT_TRUE(QDir(root).mkdir("locked"));
    touch(root + "/locked/b.txt");
    files->SetPath(root);
    files->SetMultiSelect(2);
    files->SetSelected(0, true);
    int changes = 0, clicks = 0;
    files->PathChange = [&] { ++changes; };
    files->Click = [&] { ++clicks; };

    files->SetPathUnread(root + "/locked/");
    EXPECT_EQ(files->Path(), root + "/locked");
    EXPECT_EQ(files->ListCount(), 0);
    EXPECT_EQ(files->SelCount(), 0);
    EXPECT_EQ(files->ListIndex(), -1);
    EXPECT_EQ(changes, 1);
    files->SetPathUnread(root + "/locked");
    EXPECT_EQ(changes, 1) << "the same folder again fires nothing";
    // Refresh tries the folder again.
    files->Refresh();
    EXPECT_EQ(items(*files), QStringList{"b.txt"});
    EXPECT_EQ(clicks, 0);
}

TEST_F(FormsLists, ASecondListOfTheSameFolderTakesTheFirstsEntries) {
    for (const char* name : {"b.txt", "A.txt", "c.txt"}) touch(root + "/" + name);
    ASSERT_TRUE(QDir(root).mkdir("other"));
    touch(root + "/other/z.txt");
    CountingFiles& counted = services.useFiles<CountingFiles>();
    FileListBox* second = nullptr;
    TestForm g(QStringLiteral("frmSecond"));
    g.design = [&](TestForm& t) { second = t.add<FileListBox>("File2"); };
    g.Show();
    second->SetMultiSelect(2);
    int changes = 0;
    second->PathChange = [&] { ++changes; };

    files->SetPath(root);
    second->SetPath(root + "/other");
    second->SetSelected(0, true);  // what it listed before goes, selection and all
    changes = 0;
    counted.reads = 0;
    second->SetPathAs(*files);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_EQ(second->Path(), root);
    EXPECT_EQ(items(*second), (QStringList{"A.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(second->SelCount(), 0);
    EXPECT_EQ(second->ListIndex(), -1);
    EXPECT_EQ(changes, 1);
    second->SetPathAs(*files);
    EXPECT_EQ(changes, 1) << "the same folder again fires nothing";

    // Refresh: the entries the first list has just read, selections dropped.
    touch(root + "/d.txt");
    files->Refresh();
    second->SetSelected(1, true);
    counted.reads = 0;
    second->RefreshAs(*files);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_EQ(items(*second), (QStringList{"A.txt", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(second->SelCount(), 0);
    // A first list of another folder lends nothing: the second reads its own.
    files->SetPath(root + "/other");
    touch(root + "/e.txt");
    second->RefreshAs(*files);
    EXPECT_EQ(counted.reads, 2);
    EXPECT_EQ(second->ListCount(), 5);
    EXPECT_EQ(changes, 1);
    g.Unload();
}

TEST_F(FormsLists, SetItemsFillsAListInOneGoFiringNothing) {
    ListBox* single = nullptr;
    ListBox* multi = nullptr;
    TestForm g(QStringLiteral("frmItems"));
    g.design = [&](TestForm& t) {
        single = t.add<ListBox>("List1");
        multi = t.add<ListBox>("List2");
    };
    g.Show();
    multi->SetMultiSelect(1);
    int clicks = 0;
    single->Click = [&] { ++clicks; };
    multi->Click = [&] { ++clicks; };
    for (ListBox* l : {single, multi}) {
        l->AddItem("old 1");
        l->AddItem("old 2");
        l->SetSelected(1, true);
    }
    clicks = 0;

    const QStringList names{"x.txt", "y.txt", "z.txt"};
    for (ListBox* l : {single, multi}) {
        SCOPED_TRACE(l->Name().toStdString());
        l->SetItems(names);
        EXPECT_EQ(items(*l), names);
        EXPECT_EQ(l->ListIndex(), -1);
        EXPECT_EQ(l->SelCount(), 0);
        auto* w = static_cast<QListWidget*>(WidgetOf(*l));
        ASSERT_EQ(w->count(), 3);
        EXPECT_EQ(w->item(2)->text(), "z.txt");
        EXPECT_TRUE(w->selectedItems().isEmpty());
    }
    EXPECT_EQ(clicks, 0);
    multi->SetSelected(2, true);
    EXPECT_TRUE(multi->Selected(2));
    EXPECT_EQ(multi->SelCount(), 1);
    single->SetItems({});
    EXPECT_EQ(single->ListCount(), 0);
    g.Unload();
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

TEST_F(FormsLists, AssistiveToolsReadAndMakeTheSelectionsTheUserSees) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "f.txt"}) touch(root + "/" + name);
    files->SetPath(root);
    files->SetMultiSelect(2);
    int clicks = 0;
    files->Click = [&] { ++clicks; };
    ASSERT_TRUE(clickFile(*files, 0));
    ASSERT_TRUE(clickFile(*files, 2, false, true));
    files->SetSelected(4, true);
    EXPECT_EQ(accessibleSelection(*files), (QStringList{"a.txt", "b.txt", "c.txt", "e.txt"}));
    clicks = 0;
    ASSERT_TRUE(toggleThroughAccessibility(*files, 5));
    EXPECT_EQ(clicks, 1) << "a selection through the interface is a click";
    EXPECT_EQ(selectedItems(*files), (QStringList{"a.txt", "b.txt", "c.txt", "e.txt", "f.txt"}));
    EXPECT_EQ(files->ListIndex(), 5);
    ASSERT_TRUE(toggleThroughAccessibility(*files, 0));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(files->Selected(0));

    // The folder list: one current entry, read by the folder's name; Enter opens what a tool chose.
    ASSERT_TRUE(QDir(root).mkdir("sub1"));
    ASSERT_TRUE(QDir(root).mkdir("sub2"));
    dirs->SetPath(root);
    const QStringList names = accessibleItems(*dirs);
    ASSERT_GE(names.size(), 3);
    EXPECT_EQ(names.last(), "sub2");
    EXPECT_EQ(names.value(names.size() - 3), root.section('/', -1)) << "no indentation in the name";
    int dirClicks = 0;
    dirs->Click = [&] { ++dirClicks; };
    ASSERT_TRUE(toggleThroughAccessibility(*dirs, static_cast<int>(names.size()) - 1));
    EXPECT_EQ(dirClicks, 1);
    EXPECT_EQ(dirs->ListIndex(), 1);
    EXPECT_EQ(accessibleSelection(*dirs), QStringList{"sub2"});
    WidgetOf(*dirs)->setFocus();
    pressKey(f, Qt::Key_Return);
    EXPECT_EQ(dirs->Path(), root + "/sub2");
}

}  // namespace
}  // namespace qv::test
