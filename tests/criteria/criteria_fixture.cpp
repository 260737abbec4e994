#include "criteria_fixture.h"

#include "core/state.h"
#include "criteria/criteria.h"

namespace qv::test {

void CriteriaWindows::SetValueByKey() {
    if (S.PanelKey == QLatin1String("RenameSet")) {
        ++commits;
        criteria::SetValueRenameSet();
    }
    S.PanelKey.clear();
}

void CriteriaWindows::SetButtons() {
    if (S.CriteriaDialogLoading) {
        S.CriteriaDialogLoading = false;
        S.CriteriaHelpShown = true;
    }
}

void CriteriaTest::SetUp() {
    InstallProgramWindows();  // registers the message work of every key
    InstallWindows(&windows_);
    UnloadEveryForm();
    ResetState();
    FakeSystem& system = services_.useSystem<FakeSystem>();
    system.screenWidthTwips = 1280 * 15;
    system.screenHeightTwips = 1024 * 15;
    services_.useSettings<MemorySettingsStore>();
    script_ = std::make_unique<ModalScript>();
    frmRen().Load();
}

void CriteriaTest::TearDown() {
    script_->verifyDone();
    script_.reset();
    UnloadEveryForm();
    ResetState();
    InstallWindows(nullptr);
}

FrmRen& CriteriaTest::Open() {
    criteria::OpenRenameCriteria();
    return frmRen();
}

void CriteriaTest::ExpectBox(bool ok) {
    script_->expect(QStringLiteral("frmMessage"), [this, ok](Form& form) {
        auto& box = static_cast<FrmMessage&>(form);
        seen.push_back({S.MessageKey.text(), box.LabelMessage->Caption()});
        (ok ? box.CommandOK : box.CommandCancel)->UserClicks();
    });
}

}  // namespace qv::test
