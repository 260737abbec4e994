// The main window started as the program starts it, on fake machine facts and real temporary folders:
// a program folder with its settings file, a work folder and a destination folder with files in them.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "core/startup.h"
#include "core/state.h"
#include "criteria/criteria.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_hid.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/frm_but.h"
#include "support/fake_services.h"
#include "support/harness.h"

namespace qv::test {

inline const QString kMessageBox = QStringLiteral("frmMessage");

// What one message box said.
struct Said {
    QString head, text;
};

// Notes the text of each message box and answers OK.
inline std::function<void(Form&)> Note(QStringList& said) {
    return [&said](Form& f) {
        auto& box = static_cast<FrmMessage&>(f);
        said << box.LabelMessage->Caption();
        box.CommandOK->UserClicks();
    };
}

inline void MakeFile(const QString& path, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

inline QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        InstallProgramWindows();
        UnloadEveryForm();
        ResetState();
        root_ = temp_.path();
        prog_ = root_ + "/prog/";
        work_ = root_ + "/work";
        dest_ = root_ + "/dest";
        system_ = &services_.useSystem<FakeSystem>();
        system_->programFolder = prog_;
        system_->systemFolder = root_ + "/sys/";
        system_->screenWidthTwips = screen_.width() * 15;
        system_->screenHeightTwips = screen_.height() * 15;
        store_ = &services_.useSettings<MemorySettingsStore>();
        services_.useInstance<FakeSingleInstance>();
        services_.useRealFiles();
        store_->SaveSetting("Holvent", "NidraBhanga", "NickName", "Mira");
        MakeFile(prog_ + "quorvan", "program");
        MakeFile(prog_ + "Quorvan/Set.Kastrel", "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
        QDir().mkpath(work_);
        QDir().mkpath(dest_);
        QDir().mkpath(root_ + "/sys");
        savedCwd_ = QDir::currentPath();
        QDir::setCurrent(prog_);
        Main();
        ASSERT_TRUE(frmMain().Loaded());
    }

    void TearDown() override {
        SetModalResponder({});
        S.SettingsPath.clear();  // no settings file from the tidy-up
        UnloadEveryForm();
        ResetState();
        QDir::setCurrent(savedCwd_);
    }

    FrmMain& M() { return frmMain(); }

    // Files in the work folder, then the window opened on it.
    void OpenWork(const QStringList& names) {
        QDir(work_).removeRecursively();
        QDir().mkpath(work_);
        for (const QString& n : names) MakeFile(work_ + "/" + n, n.toUtf8());
        Go(work_);
    }
    void Go(const QString& folder) { M().Dir1->SetPath(folder); }

    // The committed action as the Action panel would leave it.
    void CommitAction(int index, int attribute = 0) {
        S.EditActionIndex = index;
        S.EditActionAttribute = attribute;
        if (index >= 1 && index <= 5) {
            S.DestPath = dest_ + "/";
            S.DestPathChosen = true;
        }
        panels_CommitAction();
    }
    void panels_CommitAction();

    // An automatic rule committed as the File Selection panel would leave it.
    void CommitRule(int kind, int numKind, int max, int skip, int number = 0, const QString& text = {},
                    bool caseSensitive = false, bool keep = false);

    // The criteria as the criteria dialog would commit them: pending, then the criterion's commit.
    static void InsertAtStart(const QString& text) {
        S.EditInsertPlace = 3;  // after a number of characters
        S.InsertNPending = 0;
        S.InsertTextPending = text;
        criteria::SetValueInsertSet();
        criteria::ShowRenameCriteria();
    }
    static void RenameSet();  // the criteria commit's tail: flags, unlock, refresh

    void SelectByHand(const QStringList& names) {
        for (const QString& n : names) clickFile(*M().File1, n, true);
    }
    QStringList Listed() { return items(*M().List1); }
    bool On(CommandButton* b) { return b->Enabled() && b->EffectivelyVisible(); }

    ScopedServices services_;
    FakeSystem* system_ = nullptr;
    QSize screen_{1280, 1024};  // pixels, as start-up finds the screen
    MemorySettingsStore* store_ = nullptr;
    QTemporaryDir temp_;
    QString root_, prog_, work_, dest_, savedCwd_;
};

}  // namespace qv::test
