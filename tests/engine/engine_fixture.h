// Shared set-up of the engine tests: real temporary work and destination folders, fresh state, and
// message boxes answered (and recorded) instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "core/message.h"
#include "core/state.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "platform/forms.h"
#include "platform/services.h"
#include "support/fake_services.h"

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
        SetModalResponder([this](Form&) {
            shown << S.MessageKey;
            if (answerCancel) {
                MessageReplyCancel();
            } else {
                MessageReplyOK();
            }
        });
    }

    void TearDown() override {
        if (frmMain().Loaded()) {
            frmMain().Unload();
        }
        SetModalResponder({});
        ResetState();
    }

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

    // Loads the main window on the work folder and selects the table's files in its list, as the
    // selection processing leaves them.
    // The window's own handlers run meanwhile; the engine state the test set up is kept.
    static void ShowInMainWindow() {
        const State saved = S;
        FrmMain& m = frmMain();
        if (!m.Loaded()) {
            m.Load();
        }
        S.FileListByProgram = true;
        m.File1->SetPath(WithoutTrailingSlash(saved.WorkPath));
        QStringList indexes = saved.ComboIndex;
        for (int i = 0; i < saved.ComboFile1.size(); ++i) {
            for (int k = 0; k < m.File1->ListCount(); ++k) {
                if (m.File1->List(k) == saved.ComboFile1.at(i)) {
                    m.File1->SetSelected(k, true);
                    indexes[i] = QString::number(k);
                }
            }
        }
        S = saved;
        S.ComboIndex = indexes;
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
    QStringList shown;  // message keys, in the order the boxes came up
    bool answerCancel = false;
};

}  // namespace qv::test
