// Shared set-up of the program-core tests: fake services, a fresh program state, every form
// unloaded afterwards, and a script of answers for the message box.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "core/frm_message.h"
#include "platform/forms.h"
#include "support/fake_services.h"

namespace qv::test {

// What one message box showed.
struct BoxSeen {
    QString caption, head, text, okFace, cancelFace;
    bool okEnabled = false, cancelEnabled = false, inputVisible = false, checkVisible = false;
};

// Answers the message boxes in order; a box nobody expected fails the test.
class BoxScript {
  public:
    using Answer = std::function<void(FrmMessage&)>;
    BoxScript();
    ~BoxScript();
    BoxScript& then(Answer a) {
        answers_.push_back(std::move(a));
        return *this;
    }
    const std::vector<BoxSeen>& seen() const { return seen_; }
    // Answers also any other modal form: the test says which form it expects.
    std::vector<QString> otherForms;

    static void PressOK(FrmMessage& f) { f.CommandOK->UserClicks(); }
    static void PressCancel(FrmMessage& f) { f.CommandCancel->UserClicks(); }

  private:
    std::deque<Answer> answers_;
    std::vector<BoxSeen> seen_;
};

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

void UnloadAllForms();
// Writes a file with these bytes, making its folders.
void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

}  // namespace qv::test
