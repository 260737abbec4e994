// Shared set-up of the program-core tests: fake services, a fresh program state, every form
// unloaded afterwards, and answers for the message box that note what it showed.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <vector>

#include "forms/forms.h"
#include "mainwindow/frm_message.h"
#include "support/harness.h"
#include "support/machine_fixture.h"

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

class CoreTest : public MachineTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

QByteArray ReadFile(const QString& path);

}  // namespace qv::test
