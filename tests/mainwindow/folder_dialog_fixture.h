// Shared set-up of the folder dialog's tests: a started program on real temporary folders, a second
// "drive" with its own free space, a file system that can be told to refuse, the panel controller's
// part for the dialog's tags, and message boxes answered and noted.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <initializer_list>
#include <memory>

#include "core/panel_calls.h"
#include "core/startup.h"
#include "core/state.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/frm_but.h"
#include "support/fake_services.h"
#include "support/harness.h"

namespace qv::test::dialog {

// The real file system, with one folder standing for a second drive, switches that make folder
// operations fail as without permission, and fixed free space per drive.
class DriveFiles : public FileSystem {
  public:
    std::unique_ptr<FileSystem> real = makePosixFileSystem();
    QString otherDrive;  // a folder that is its own drive
    bool otherReady = true;
    bool failMake = false, failRename = false, failRemove = false;
    qint64 rootFree = qint64(2048) * 1024;
    qint64 otherFree = qint64(7168) * 1024;

    bool FileExists(const QString& p) override { return real->FileExists(p); }
    bool FolderExists(const QString& p) override { return real->FolderExists(p); }
    qint64 FileSize(const QString& p) override { return real->FileSize(p); }
    int GetAttributes(const QString& p) override { return real->GetAttributes(p); }
    void SetAttributes(const QString& p, int a) override { real->SetAttributes(p, a); }
    void CopyFile(const QString& f, const QString& t) override { real->CopyFile(f, t); }
    void DeleteFile(const QString& p, bool force) override { real->DeleteFile(p, force); }
    void Rename(const QString& f, const QString& t) override {
        if (failRename)
            throw PlatformError(QStringLiteral("Permission denied"));
        real->Rename(f, t);
    }
    void MoveFile(const QString& f, const QString& t) override { real->MoveFile(f, t); }
    void MakeFolder(const QString& p) override {
        if (failMake)
            throw PlatformError(QStringLiteral("Permission denied"));
        real->MakeFolder(p);
    }
    void RemoveFolder(const QString& p) override {
        if (failRemove)
            throw PlatformError(QStringLiteral("Permission denied"));
        real->RemoveFolder(p);
    }
    QStringList FileNames(const QString& f) override { return real->FileNames(f); }
    QStringList FolderNames(const QString& f) override { return real->FolderNames(f); }
    QStringList Drives() override { return {QStringLiteral("/"), otherDrive}; }
    QString GetDriveName(const QString& path) override {
        const QString abs = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        if (abs == otherDrive || abs.startsWith(otherDrive + QLatin1Char('/')))
            return otherDrive;
        return QStringLiteral("/");
    }
    int DriveType(const QString&) override { return DriveFixed; }
    bool DriveIsReady(const QString& d) override { return d != otherDrive || otherReady; }
    qint64 AvailableSpace(const QString& d) override {
        if (!DriveIsReady(d))
            throw PlatformError(QStringLiteral("not ready"));
        return d == otherDrive ? otherFree : rootFree;
    }
};

// The panel controller's part for this dialog, as the controller does it: the two tags run the
// dialog's preparation, and a button refresh puts the dialog's OK state on its OK. Every call is noted.
class DialogWindows : public ProgramWindows {
  public:
    QStringList calls;
    void SetNullByTag() override {
        const QString tag = S.SetNullKey.text();
        calls << QStringLiteral("SetNullByTag ") + tag;
        if (tag == QLatin1String("setNullActionMovePath")) {
            PrepareMoveForm();
            ShowMoveForm();
        } else if (tag == QLatin1String("setNullFramesActionMove")) {
            ShowMoveFrames();
        }
    }
    void SetButtons() override {
        calls << QStringLiteral("SetButtons ") + S.SetButKey.text();
        RefreshMoveOK();
    }
    void SetValueByKey() override { calls << QStringLiteral("SetValueByKey ") + S.PanelKey.text(); }
};

inline const QString kMessageBox = QStringLiteral("frmMessage");

// Answers a message box with OK after noting its text.
inline std::function<void(Form&)> NoteAndOK(QStringList& texts) {
    return [&texts](Form& f) {
        auto& box = static_cast<FrmMessage&>(f);
        texts << box.LabelMessage->Caption();
        box.CommandOK->UserClicks();
    };
}

inline const QString kNameRule = QStringLiteral(
    "In new Folder name you can use only Alphabets and Digits 0 to 9. No other Character can be included.");
inline const QString kNameTaken =
    QStringLiteral("Here you already have a Folder with same name. Choose a different name please.");
inline const QString kFailed = QStringLiteral("There was some error. The requested action can not be taken.");

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        InstallProgramWindows();
        previous_ = InstallWindows(&windows_);
        UnloadForms();
        ResetState();
        root_ = temp_.path();
        prog_ = root_ + QStringLiteral("/prog/");
        Write(prog_ + QStringLiteral("quorvan"), "program");
        Write(prog_ + QStringLiteral("Quorvan/Set.Kastrel"), "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
        for (const char* d : {"a", "b", "sys/sub", "other/x", "pics"}) QDir().mkpath(root_ + "/" + d);
        system_ = &services_.useSystem<FakeSystem>();
        system_->programFolder = prog_;
        system_->systemFolder = root_ + QStringLiteral("/sys/");
        system_->screenWidthTwips = 1280 * 15;
        system_->screenHeightTwips = 1024 * 15;
        store_ = &services_.useSettings<MemorySettingsStore>();
        store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
        services_.useInstance<FakeSingleInstance>();
        files_ = &services_.useFiles<DriveFiles>();
        files_->otherDrive = root_ + QStringLiteral("/other");
        savedCwd_ = QDir::currentPath();
        QDir::setCurrent(prog_);
        Main();
        windows_.calls.clear();
    }
    void TearDown() override {
        SetModalResponder({});
        S.SettingsPath.clear();
        UnloadForms();
        ResetState();
        QDir::setCurrent(savedCwd_);
        InstallWindows(previous_);
    }
    static void UnloadForms() {
        try {
            UnloadAllForms();
        } catch (const ProgramEnded&) {
        }
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString Dir(const QString& rel) const { return root_ + QLatin1Char('/') + rel; }
    QString Slash(const QString& rel) const { return Dir(rel) + QLatin1Char('/'); }

    // What the Action panel's Set Destination does, with this pending action.
    void OpenDestination(int action = 4) {
        S.PanelOpen = true;
        S.PanelKey = QStringLiteral("Action");
        S.EditActionIndex = action;
        S.DestLabelText = action == 3 || action == 5 ? QStringLiteral("Move To This Folder :")
                                                     : QStringLiteral("Copy To This Folder :");
        S.MoveDestinationMode = true;
        S.SetNullKey = QStringLiteral("setNullActionMovePath");
        SetNullByTag();
    }
    // What the choice frame's picture button does.
    void OpenPictures() {
        S.PictureDefaultSaved = S.PictureDefaultChosen;
        S.MoveListRefreshing = true;
        S.MovePictureMode = true;
        S.SetNullKey = QStringLiteral("setNullActionMovePath");
        SetNullByTag();
    }
    // The user opens a folder of the dialog's folder list (a sub-folder by double click).
    void Browse(const QString& path) {
        DirListBox& dirs = *frmMove().Dir1;
        const int i = items(dirs).indexOf(path);
        if (i >= 0)
            openFolder(dirs, i);
        else
            dirs.SetPath(path);
    }

    ScopedServices services_;
    DialogWindows windows_;
    Windows* previous_ = nullptr;
    FakeSystem* system_ = nullptr;
    MemorySettingsStore* store_ = nullptr;
    DriveFiles* files_ = nullptr;
    QTemporaryDir temp_;
    QString root_, prog_, savedCwd_;
};

}  // namespace qv::test::dialog
