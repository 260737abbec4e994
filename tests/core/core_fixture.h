// Shared set-up of the program-core tests: fake services, a fresh program state, every form
// unloaded afterwards, and answers for the message box that note what it showed.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "mainwindow/frm_message.h"
#include "forms/forms.h"
#include "support/fake_services.h"
#include "support/harness.h"

namespace qv::test {

// What one message box showed.
struct BoxSeen {
    QString caption, head, text, okFace, cancelFace;
    bool okEnabled = false, cancelEnabled = false, inputVisible = false, checkVisible = false;
};

inline const QString kMessageBox = QStringLiteral("frmMessage");

// A user's answer to the message box.
using BoxAnswer = std::function<void(FrmMessage&)>;
void PressOK(FrmMessage& f);
void PressCancel(FrmMessage& f);

// An answer for ModalScript::expect(kMessageBox, ...) that first notes what the box shows.
std::function<void(Form&)> Box(std::vector<BoxSeen>& seen, BoxAnswer answer);

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ScopedServices services_;
    FakeSystem* system_ = nullptr;
    MemorySettingsStore* store_ = nullptr;
    FakeSingleInstance* instance_ = nullptr;
    QTemporaryDir temp_;
    QString savedCwd_;
};

// Writes a file with these bytes, making its folders.
void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

}  // namespace qv::test
