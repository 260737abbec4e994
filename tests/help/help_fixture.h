// Shared set-up of the help program's tests: fake machine, settings in memory, real files in a
// temporary program folder, fresh help state, and every help form unloaded afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <vector>

#include "help/frm_main.h"
#include "help/help_message.h"
#include "help/help_state.h"
#include "support/harness.h"
#include "support/machine_fixture.h"

namespace qv::test {

// What one help message box showed.
struct HelpBoxSeen {
    QString caption, head, text, okFace;
    bool cancelShown = false;
};

// An answer for ModalScript::expect("frmMessage", ...): notes the box, then presses OK.
std::function<void(Form&)> NoteAndOK(std::vector<HelpBoxSeen>& seen);

// The run marker that names `slot` as the highest slot in use.
QString MarkerFor(int slot, int day = 15);

// The help tests' files hold "program" unless a test says otherwise.
inline void WriteFile(const QString& path, const QByteArray& bytes = "program");

class HelpTest : public MachineTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A family record: name and folder in a slot.
    void Record(int slot, const QString& name, const QString& folder);
    void Marker(int slot);
    QString Value(const QString& section, const QString& key) const;
};

// A help window shown on its own, without start-up.
class HelpWindowTest : public HelpTest {
  protected:
    void SetUp() override;
    help::FrmMain& w() { return help::frmMain(); }
    // The page now shown: details caption and text.
    QString Details() const { return help::frmMain().FrameInfo->Caption(); }
    int ShownFrame() const;  // the one visible picture frame, -1 none, -2 more than one
};

}  // namespace qv::test
