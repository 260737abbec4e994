// Shared set-up of the criteria tests: fake services, a fresh state, the program's windows with a
// stand-in for the panel controller's commit dispatch, and message-box answers that note the text.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/state.h"
#include "criteria/frm_ren.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/program_windows.h"
#include "support/fake_services.h"
#include "support/harness.h"

namespace qv::test {

// Stands in for the panel controller: its dispatcher runs the criteria commit for "RenameSet", and
// its button refresh ends the dialog's loading, as they will in the program.
class CriteriaWindows : public ProgramWindows {
  public:
    void SetValueByKey() override;
    void SetButtons() override;
    // What the main window's preview list was last given.
    void ShowPreviewNames() override { listShown = S.PreviewNames; }
    int commits = 0;
    std::optional<QStringList> listShown;
};

struct MessageSeen {
    QString key, text;
};

class CriteriaTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog as the main window's button does.
    FrmRen& Open();
    // Expects one message box and answers it OK/Yes or Cancel/No, noting what it said.
    void ExpectBox(bool ok);
    // The message boxes shown, in order.
    std::vector<MessageSeen> seen;
    ModalScript& script() { return *script_; }

    ScopedServices services_;
    CriteriaWindows windows_;
    std::unique_ptr<ModalScript> script_;
};

}  // namespace qv::test
