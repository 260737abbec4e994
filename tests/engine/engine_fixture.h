// Shared set-up of the engine tests: real temporary work and destination folders, fresh state, and
// windows that answer every message box at once and note it. No window is loaded.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "core/message.h"
#include "core/state.h"
#include "engine/selection.h"
#include "platform/services.h"
#include "support/fake_services.h"
#include "support/recording_windows.h"

namespace qv::test {

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetState();
        ASSERT_TRUE(work_.isValid());
        ASSERT_TRUE(dest_.isValid());
        services_.useRealFiles();
        services_.useSystem();
        S.WorkPath = WithTrailingSlash(work_.path());
        S.DestPath = WithTrailingSlash(dest_.path());
    }

    void TearDown() override { ResetState(); }

    static void Write(const QString& path, const QByteArray& content) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QStringList Files(const QString& folder) {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        return names;
    }

    // Work-folder files whose content is their own name.
    void MakeWorkFiles(const QStringList& names) {
        for (const QString& n : names) {
            Write(S.WorkPath + n, n.toUtf8());
        }
    }

    // Selects these files with these new names (full names, split at the last dot).
    static void Select(const QStringList& files, const QStringList& newNames = {}) {
        SelectionTableClear();
        for (int i = 0; i < files.size(); ++i) {
            SelectionTableAppend(files.at(i), i);
            if (i < newNames.size()) {
                SplitFileName(newNames.at(i), S.ComboName[i], S.ComboDot[i], S.ComboExt[i]);
            }
        }
        S.SelectedCount = static_cast<int>(files.size());
        S.HasSelection = files.isEmpty() ? 0 : 1;
        S.NamesToBuild = false;
        S.ConflictCheckDue = true;
    }

    // The work list shows the work folder as the main window would (hidden files not listed, by
    // name) with the table's files selected, and the table's list indexes follow it.
    void ListWorkFolder() {
        const QStringList listed = QDir(S.WorkPath).entryList(QDir::Files, QDir::Name);
        windows.ShowList(FileList::Work, listed, S.ComboFile1);
        for (int i = 0; i < S.ComboFile1.size(); ++i)
            S.ComboIndex[i] = QString::number(listed.indexOf(S.ComboFile1.at(i)));
    }

    static void SetAction(int index) {
        static const char* names[] = {
            "Rename", "Rename And Copy", "Copy And Rename", "Move And Rename", "Copy",
            "Move",   "Delete",          "Set Attribute"};
        S.ActionIndex = index;
        S.ActionName = QLatin1String(names[index]);
    }

    QTemporaryDir work_;
    QTemporaryDir dest_;
    ScopedServices services_;
    RecordingWindows windows;
    ScopedWindows installed{windows};
    QStringList& shown = windows.shown;  // message keys, in the order the boxes came up
    bool& answerCancel = windows.answerCancel;
};

}  // namespace qv::test
